// Failures that escape a handler reach the error box once, and the program goes on.
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

#include "Unit2/Failure.h"
#include "WindowTest.h"
#include "platform/ErrorBox.h"
#include "platform/WaitCursor.h"

namespace varno::testing {
namespace {

class ErrorBoxTest : public WindowTest {};

TEST_F(ErrorBoxTest, FailureInAClickHandler_ShownAfterTheClickAndTheProgramGoesOn) {
    dialogs.AllowMessages(2);
    QPushButton button;
    int runs = 0;
    int afterFailure = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        RunHandler([&] {
            ++runs;
            throw Failure("Cannot open file /tmp/sun.bmp");
            ++afterFailure;  // NOLINT: the part of the handler that the failure abandons
        });
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(afterFailure, 0);
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[0].Caption, "Varno Image Creator");
    EXPECT_EQ(dialogs.Messages[0].Text, "Cannot open file /tmp/sun.bmp.");
}

TEST_F(ErrorBoxTest, MessagesEndingInAFullStopOrBelowItGetNoSecondOne) {
    dialogs.AllowMessages(3);
    RunHandler([] { throw Failure("Edge of solar disk could not be found."); });
    RunHandler([] { throw Failure("Cannot open file 'x'"); });
    RunHandler([] { throw std::runtime_error("std::bad_alloc"); });
    ASSERT_EQ(dialogs.Messages.size(), 3u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Edge of solar disk could not be found.");
    EXPECT_EQ(dialogs.Messages[1].Text, "Cannot open file 'x'");
    EXPECT_EQ(dialogs.Messages[2].Text, "std::bad_alloc.");
}

// An object whose own event function fails: the last frame of ours before Qt's dispatch. Every
// handler of the windows runs under RunHandler, so this net only catches what one forgets. The
// event is one Qt hands straight to the receiver: a failure unwinding through Qt's input
// handling would skip its clean-ups, which Qt is built without.
class FailingReceiver : public QObject {
  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw Failure("Bitmap image is not valid");
        }
        return QObject::event(event);
    }
};

TEST_F(ErrorBoxTest, FailureInAnEventFunction_CaughtWhereEventsAreDispatched) {
    dialogs.AllowMessages(1);
    FailingReceiver receiver;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Bitmap image is not valid.");
}

TEST_F(ErrorBoxTest, WaitCursor_RestoredWhenACommandFails) {
    dialogs.AllowMessages(1);
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    RunHandler([] {
        const WaitCursor outer;
        {
            const WaitCursor inner;
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        throw Failure("Cannot create file /full/disk.bmp");
    });
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

}  // namespace
}  // namespace varno::testing
