// Qt's dialogs behind the dialog door. Qt's file dialogs have no read-only check box to hide
// and never change the current directory, so those two wishes need nothing here.
#include "platform/QtDialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/FileFilter.h"

namespace varno {
namespace {

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.Title, request.InitialDirectory,
                       QtFileFilter(request.Filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (request.DefaultExtension.startsWith(QLatin1Char('.'))) {
        dialog.setDefaultSuffix(request.DefaultExtension.mid(1));
    }
    if (!request.FileName.isEmpty()) {
        dialog.selectFile(request.FileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> QtDialogs::AskOpenFileName(QWidget* parent,
                                                  const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::AskSaveFileName(QWidget* parent,
                                                  const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

void QtDialogs::ShowStopMessage(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtDialogs::ShowModal(QDialog& window) {
    window.exec();
}

bool QtDialogs::OpenHelpPage(const QUrl& page) {
    return QDesktopServices::openUrl(page);
}

}  // namespace varno
