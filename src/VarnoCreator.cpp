// The program: the application with its error box, the main window, the event loop.
#include <exception>

#include "Unit1.h"
#include "platform/ErrorBox.h"
#include "platform/HelpPage.h"
#include "platform/QtDialogs.h"

int main(int argc, char** argv) {
    varno::QtDialogs dialogs;
    varno::ErrorBoxApplication application(argc, argv, dialogs);
    try {
        TForm1 form(dialogs, varno::InstalledHelpPage());
        form.show();
        QApplication::exec();
    } catch (const std::exception& failure) {
        // Escaped the event loop itself: shown the same way, and the program ends.
        application.ShowErrorBox(failure.what());
    }
    return 0;
}
