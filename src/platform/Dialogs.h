// The one door to everything that waits for the user: file dialogs, message boxes, the modal
// welcome and about windows, and the help page in the browser. The window tests put a scripted
// stand-in in front of it, so no test ever blocks on a modal box.
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

class QDialog;
class QWidget;

namespace varno {

// What a file dialog shows. The filter is written as pairs "description|pattern" joined by "|"
// ("Bitmap  files (*.bmp)|*.bmp"); several patterns of one pair are joined by ";".
struct FileDialogRequest {
    QString Title;
    QString Filter;
    QString InitialDirectory;
    QString DefaultExtension;  // with its dot: ".bmp"; empty for none
    QString FileName;          // proposed file name, or empty
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // The chosen file's full name, or nothing when the user cancels. Neither dialog changes
    // the process's current directory, where the settings files live; the save dialog does not
    // ask before it overwrites.
    virtual std::optional<QString> AskOpenFileName(QWidget* parent,
                                                   const FileDialogRequest& request) = 0;
    virtual std::optional<QString> AskSaveFileName(QWidget* parent,
                                                   const FileDialogRequest& request) = 0;

    // A modal box with a stop icon and an OK button.
    virtual void ShowStopMessage(QWidget* parent, const QString& caption, const QString& text) = 0;

    // Shows the window modally and returns when it has closed.
    virtual void ShowModal(QDialog& window) = 0;

    // Hands the page to the desktop's browser; false when none could take it.
    virtual bool OpenHelpPage(const QUrl& page) = 0;
};

}  // namespace varno
