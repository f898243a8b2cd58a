// The error box and where it catches failures.
#include "platform/ErrorBox.h"

#include <string>

#include "Unit2/ErrorMessage.h"
#include "platform/Dialogs.h"

namespace varno {
namespace {

std::string MessageOf(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "An unknown error occurred";
    }
}

}  // namespace

ErrorBoxApplication::ErrorBoxApplication(int& argc, char** argv, Dialogs& dialogs)
    : QApplication(argc, argv), dialogs_(&dialogs) {
    setApplicationName(QString::fromUtf8(kApplicationTitle.data(),
                                         static_cast<qsizetype>(kApplicationTitle.size())));
}

bool ErrorBoxApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    ++dispatchDepth_;
    try {
        handled = QApplication::notify(receiver, event);
    } catch (...) {
        // Thrown by an event function of our own windows, the last frame before Qt's.
        held_ = std::current_exception();
    }
    --dispatchDepth_;
    ShowHeldFailure();
    return handled;
}

void ErrorBoxApplication::ReportFailure(std::exception_ptr failure) {
    held_ = std::move(failure);
    if (dispatchDepth_ == 0) {
        ShowHeldFailure();
    }
}

void ErrorBoxApplication::ShowErrorBox(std::string_view message) {
    dialogs_->ShowStopMessage(activeWindow(), applicationName(),
                              QString::fromStdString(WithFullStop(message)));
}

void ErrorBoxApplication::ShowHeldFailure() {
    if (!held_) {
        return;
    }
    // Taken first: the box runs its own events through notify().
    const std::exception_ptr failure = std::exchange(held_, nullptr);
    ShowErrorBox(MessageOf(failure));
}

}  // namespace varno
