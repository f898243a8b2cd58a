// The about window: the program's name, version, copyright and where to learn more.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutForm;
}

class TAboutForm : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutForm(QWidget* parent);
    ~TAboutForm() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormActivate();
    void AboutButtonClick();

    std::unique_ptr<Ui::TAboutForm> ui;
};
