// The dialogs as Qt's own file dialogs, message boxes and modal loops.
#pragma once

#include "platform/Dialogs.h"

namespace varno {

class QtDialogs final : public Dialogs {
  public:
    std::optional<QString> AskOpenFileName(QWidget* parent,
                                           const FileDialogRequest& request) override;
    std::optional<QString> AskSaveFileName(QWidget* parent,
                                           const FileDialogRequest& request) override;
    void ShowStopMessage(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowModal(QDialog& window) override;
    bool OpenHelpPage(const QUrl& page) override;
};

}  // namespace varno
