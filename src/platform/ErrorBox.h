// The application-wide error box: a failure that escapes a handler is shown and the program
// goes on with the next event.
#pragma once

#include <QApplication>
#include <exception>
#include <string_view>
#include <utility>

namespace varno {

class Dialogs;

inline constexpr std::string_view kApplicationTitle = "Varno Image Creator";

class ErrorBoxApplication : public QApplication {
    Q_OBJECT
  public:
    // Sets the application title; the error box goes through dialogs.
    ErrorBoxApplication(int& argc, char** argv, Dialogs& dialogs);

    // Lets the window tests put their scripted dialogs in front.
    void UseDialogs(Dialogs& dialogs) { dialogs_ = &dialogs; }
    Dialogs& dialogs() const { return *dialogs_; }

    bool notify(QObject* receiver, QEvent* event) override;

    // A failure that a handler let escape. Inside event dispatch it is shown when the event that
    // ran the handler is done, so that it never unwinds through Qt's own code; outside (while
    // the main window is being created) it is shown at once.
    void ReportFailure(std::exception_ptr failure);

    // The box itself: caption "Varno Image Creator", stop icon, OK, the message with its full
    // stop.
    void ShowErrorBox(std::string_view message);

  private:
    void ShowHeldFailure();

    Dialogs* dialogs_;
    int dispatchDepth_ = 0;
    std::exception_ptr held_;
};

// Runs one event handler: a failure it raises abandons the handler at that point and is shown
// in the error box. Every connection of a window's handler goes through this, because an
// exception must not pass through Qt's signal machinery.
template <typename Handler>
void RunHandler(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        if (auto* application = qobject_cast<ErrorBoxApplication*>(QCoreApplication::instance())) {
            application->ReportFailure(std::current_exception());
        }
    }
}

}  // namespace varno
