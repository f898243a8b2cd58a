// The welcome window: the program's name, what it does, and the warning about the Sun.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm3;
}

// The main window's sizes that the welcome window fits itself to, as the main window is fitted
// at start-up, so that it covers the place where the main window will appear.
struct WelcomeSizes {
    int XSize;
    int YSize;
    int BorderWidth;
    int ScreenWidth;
    int ScreenHeight;
};

class TForm3 : public QDialog {
    Q_OBJECT
  public:
    // skipWelcome is the main window's field: shown in the check box, and set from it whichever
    // way the window closes.
    TForm3(QWidget* parent, const WelcomeSizes& sizes, bool& skipWelcome);
    ~TForm3() override;

    // Every close ends here: the Close button, the close box and Escape.
    void done(int result) override;

  protected:
    // Qt activates windows only when the window manager says so; being shown is certain.
    void showEvent(QShowEvent* event) override;

  private:
    void FormActivate();
    void FormClose();
    void IntroButtonClick();

    std::unique_ptr<Ui::TForm3> ui;
    WelcomeSizes sizes_;
    bool& skipWelcome_;
};
