// The main window: option controls, the four images, the menus, and the program's start and end.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "Unit2/DiskTypes.h"
#include "Unit2/RotationPresets.h"
#include "Unit2/Settings.h"
#include "platform/Dialogs.h"
#include "platform/Windows1252Validator.h"

namespace Ui {
class TForm1;
}
class QAction;
class QLineEdit;
class QRadioButton;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    // Creating the window runs FormCreate, which may show the welcome window first. helpPage is
    // the page Help > Contents opens.
    TForm1(varno::Dialogs& dialogs, QString helpPage, QWidget* parent = nullptr);
    ~TForm1() override;

    // The window's data, in the order the program declares it. Directories and file names hold
    // the file system's bytes (UTF-8); corner texts hold Windows-1252 bytes, as the settings file
    // does.
    std::string OpenDirectory;
    std::string OpenFileName;
    varno::EdgeTable EdgeTable{};
    varno::DiskFit DiskFit{};
    double RotationAngle = 0.0;  // degrees, clockwise on screen
    bool SkipWelcome = false;
    std::int32_t XSize = 0;  // output size in pixels, border not included
    std::int32_t YSize = 0;
    varno::CornerTexts CornerTexts{};
    std::int32_t TextColour = 0;  // packed 0x00BBGGRR: black or white
    bool BorderOn = false;
    std::int32_t BorderWidth = 0;  // pixels
    std::int32_t BorderColour = 0;
    std::string SaveDirectory;
    std::string SaveFileName;
    std::int32_t ScreenWidth = 0;  // the chosen screen size the window is fitted to
    std::int32_t ScreenHeight = 0;

    // What the two file dialogs show; their initial directories persist in the directory file.
    varno::FileDialogRequest OpenDialog1;
    varno::FileDialogRequest SaveDialog1;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ConnectHandlers();
    void FormCreate();
    void FormClose();

    void LoadDirectoryFile();
    varno::Settings LoadSettings();
    void SaveDirectoryFile();
    void SaveSettings();

    // The output options.
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    void Edit5Change();
    void Edit6Change();
    void Edit7Change();
    void Edit8Change();
    void Edit9Change();
    void Edit10Change();
    void Edit11Change();
    void Edit12Change();
    void Edit13Change();
    void Edit14Change();
    void Edit15Change();
    void CheckBox1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();

    // The rotation choice.
    void RadioButton5Click();
    void RadioButton6Click();
    void RadioButton7Click();
    void RadioButton8Click();
    void RadioButton9Click();
    void RadioButton10Click();
    void RadioButton11Click();
    void RadioButton12Click();
    void Edit16Change();
    void Edit16Click();

    // The menus.
    void N6404801Click();
    void N8006001Click();
    void N10247681Click();
    void N11528641Click();
    void N128010241Click();
    void N160010241Click();
    void N160012001Click();
    void Exit1Click();
    void Contents1Click();
    void Welcome1Click();
    void About1Click();

    // A number edit's text into its field; see IsNumericText and ToWholeNumber.
    static void StoreWholeNumber(const QLineEdit& edit, std::int32_t& field);
    static void StoreText(const QLineEdit& edit, std::string& field);
    void SelectRotationPreset(varno::RotationPreset preset);
    QRadioButton& RotationButton(varno::RotationPreset preset) const;
    void SelectScreenPreset(std::size_t index);
    void CheckScreenItem(std::optional<std::size_t> index);
    std::array<QAction*, 7> ScreenItems() const;
    void FitToOutputImage();

    std::unique_ptr<Ui::TForm1> ui;
    varno::Dialogs& dialogs_;
    QString helpPage_;
    // Shared by the four corner-text edits, which only watch it: a line edit keeps a guarded
    // pointer to its validator, so the order of destruction does not matter.
    varno::Windows1252Validator cornerTextValidator_;
};
