// A stand-in for the dialogs: answers given in advance, messages recorded, nothing blocks.
#pragma once

#include <QString>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/Dialogs.h"

namespace varno::testing {

// Every dialog a test expects is scripted before the action that asks for it; one that is asked
// for without a script fails the test, and so does a script left unused.
class ScriptedDialogs final : public Dialogs {
  public:
    struct Message {
        QString Caption;
        QString Text;
    };
    // Runs on the shown window (its FormActivate has run) and must close it.
    using ModalScript = std::function<void(QDialog&)>;

    ~ScriptedDialogs() override;

    void ExpectModal(ModalScript script) { modalScripts_.push_back(std::move(script)); }
    void ExpectOpen(const std::optional<QString>& answer) {
        openAnswers_.push_back(answer.value_or(QString()));
    }
    void ExpectSave(const std::optional<QString>& answer) {
        saveAnswers_.push_back(answer.value_or(QString()));
    }
    // Stop messages are expected by counting them afterwards; this many at most.
    void AllowMessages(std::size_t count) { allowedMessages_ = count; }

    std::optional<QString> AskOpenFileName(QWidget* parent,
                                           const FileDialogRequest& request) override;
    std::optional<QString> AskSaveFileName(QWidget* parent,
                                           const FileDialogRequest& request) override;
    void ShowStopMessage(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowModal(QDialog& window) override;
    bool OpenHelpPage(const QUrl& page) override;

    std::vector<Message> Messages;
    std::vector<FileDialogRequest> OpenRequests;
    std::vector<FileDialogRequest> SaveRequests;
    std::vector<QUrl> OpenedPages;
    bool BrowserAvailable = true;

  private:
    std::deque<ModalScript> modalScripts_;
    // A null text stands for a cancelled dialog.
    std::deque<QString> openAnswers_;
    std::deque<QString> saveAnswers_;
    std::size_t allowedMessages_ = 0;
};

// Closes a window by its Close/OK button, by the window's close box or by Escape.
enum class CloseBy { Button, CloseBox, Escape };
void CloseWindow(QDialog& window, CloseBy how, const char* buttonName);

}  // namespace varno::testing
