// The scripted dialogs: a modal window is shown without a loop of its own, handed to the test's
// script, and must be closed by it.
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace varno::testing {

ScriptedDialogs::~ScriptedDialogs() {
    EXPECT_TRUE(modalScripts_.empty()) << modalScripts_.size() << " modal window(s) never shown";
    EXPECT_TRUE(openAnswers_.empty()) << "an open dialog was never asked for";
    EXPECT_TRUE(saveAnswers_.empty()) << "a save dialog was never asked for";
}

std::optional<QString> ScriptedDialogs::AskOpenFileName(QWidget*,
                                                        const FileDialogRequest& request) {
    OpenRequests.push_back(request);
    if (openAnswers_.empty()) {
        ADD_FAILURE() << "unexpected open dialog \"" << request.Title.toStdString() << '"';
        return std::nullopt;
    }
    const QString answer = openAnswers_.front();
    openAnswers_.pop_front();
    if (answer.isNull()) {
        return std::nullopt;
    }
    return answer;
}

std::optional<QString> ScriptedDialogs::AskSaveFileName(QWidget*,
                                                        const FileDialogRequest& request) {
    SaveRequests.push_back(request);
    if (saveAnswers_.empty()) {
        ADD_FAILURE() << "unexpected save dialog \"" << request.Title.toStdString() << '"';
        return std::nullopt;
    }
    const QString answer = saveAnswers_.front();
    saveAnswers_.pop_front();
    if (answer.isNull()) {
        return std::nullopt;
    }
    return answer;
}

void ScriptedDialogs::ShowStopMessage(QWidget*, const QString& caption, const QString& text) {
    Messages.push_back({caption, text});
    if (Messages.size() > allowedMessages_) {
        ADD_FAILURE() << "unexpected message box \"" << caption.toStdString() << "\": \""
                      << text.toStdString() << '"';
    }
}

void ScriptedDialogs::ShowModal(QDialog& window) {
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    if (modalScripts_.empty()) {
        ADD_FAILURE() << "unexpected modal window " << window.objectName().toStdString();
    } else {
        const ModalScript script = std::move(modalScripts_.front());
        modalScripts_.pop_front();
        script(window);
    }
    if (window.isVisible()) {
        ADD_FAILURE() << "modal window " << window.objectName().toStdString() << " left open";
        window.close();
    }
}

bool ScriptedDialogs::OpenHelpPage(const QUrl& page) {
    OpenedPages.push_back(page);
    return BrowserAvailable;
}

void CloseWindow(QDialog& window, CloseBy how, const char* buttonName) {
    switch (how) {
        case CloseBy::Button: {
            auto* button = window.findChild<QPushButton*>(QLatin1String(buttonName));
            ASSERT_NE(button, nullptr) << buttonName;
            QTest::mouseClick(button, Qt::LeftButton);
            break;
        }
        case CloseBy::CloseBox: {
            // What the window manager sends when the close box is pressed.
            ASSERT_NE(window.windowHandle(), nullptr);
            QCloseEvent close;
            QCoreApplication::sendEvent(window.windowHandle(), &close);
            break;
        }
        case CloseBy::Escape:
            QTest::keyClick(&window, Qt::Key_Escape);
            break;
    }
}

}  // namespace varno::testing
