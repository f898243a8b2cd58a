// The main window's start-up, its option handlers, its menu commands and its close.
#include "Unit1.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QUrl>

#include "RadioSelection.h"
#include "Unit2/ColourWords.h"
#include "Unit2/Failure.h"
#include "Unit2/NumericText.h"
#include "Unit2/ScreenPresets.h"
#include "Unit2/WindowFitting.h"
#include "Unit3.h"
#include "Unit4.h"
#include "WindowGeometry.h"
#include "platform/ErrorBox.h"
#include "platform/LocaleNumbers.h"
#include "platform/SettingsFiles.h"
#include "platform/Windows1252.h"
#include "ui_Unit1.h"

namespace {

constexpr char16_t kDegreeSign = 0x00B0;
constexpr char16_t kPlusMinusSign = 0x00B1;

QString FromFileSystem(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

// Designer's separators have no names; these are the menu's own.
void NameSeparators(QMenu& menu, std::initializer_list<const char*> names) {
    auto name = names.begin();
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() && name != names.end()) {
            action->setObjectName(QLatin1String(*name++));
        }
    }
}

QString Number(std::int32_t value) {
    return QString::number(value);
}

QString GeneralForm(double value) {
    return QString::fromStdString(varno::FormatGeneral(value, varno::LocaleDecimalSeparator()));
}

}  // namespace

TForm1::TForm1(varno::Dialogs& dialogs, QString helpPage, QWidget* parent)
    : QMainWindow(parent),
      ui(std::make_unique<Ui::TForm1>()),
      dialogs_(dialogs),
      helpPage_(std::move(helpPage)) {
    ui->setupUi(this);
    NameSeparators(*ui->File1, {"N1", "N2"});
    NameSeparators(*ui->Display1, {"N4"});
    NameSeparators(*ui->Help1, {"N3"});
    const QString bitmapFilter = QStringLiteral("Bitmap  files (*.bmp)|*.bmp");
    OpenDialog1.Filter = bitmapFilter;
    SaveDialog1.Filter = bitmapFilter;
    SaveDialog1.DefaultExtension = QStringLiteral(".bmp");
    // The settings file holds the corner texts in Windows-1252: nothing else may be typed.
    for (QLineEdit* edit : {ui->Edit4, ui->Edit5, ui->Edit10, ui->Edit13}) {
        edit->setValidator(&cornerTextValidator_);
    }
    ui->Edit16->installEventFilter(this);
    ConnectHandlers();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::ConnectHandlers() {
    const auto handler = [this](void (TForm1::*method)()) {
        return [this, method] { varno::RunHandler([this, method] { (this->*method)(); }); };
    };
    const std::pair<QLineEdit*, void (TForm1::*)()> edits[] = {
        {ui->Edit1, &TForm1::Edit1Change},   {ui->Edit2, &TForm1::Edit2Change},
        {ui->Edit3, &TForm1::Edit3Change},   {ui->Edit4, &TForm1::Edit4Change},
        {ui->Edit5, &TForm1::Edit5Change},   {ui->Edit6, &TForm1::Edit6Change},
        {ui->Edit7, &TForm1::Edit7Change},   {ui->Edit8, &TForm1::Edit8Change},
        {ui->Edit9, &TForm1::Edit9Change},   {ui->Edit10, &TForm1::Edit10Change},
        {ui->Edit11, &TForm1::Edit11Change}, {ui->Edit12, &TForm1::Edit12Change},
        {ui->Edit13, &TForm1::Edit13Change}, {ui->Edit14, &TForm1::Edit14Change},
        {ui->Edit15, &TForm1::Edit15Change}, {ui->Edit16, &TForm1::Edit16Change},
    };
    for (const auto& [edit, method] : edits) {
        connect(edit, &QLineEdit::textChanged, this, handler(method));
    }
    // Clicks, not toggles: FormCreate selects buttons through these same handlers.
    const std::pair<QAbstractButton*, void (TForm1::*)()> buttons[] = {
        {ui->CheckBox1, &TForm1::CheckBox1Click},
        {ui->RadioButton1, &TForm1::RadioButton1Click},
        {ui->RadioButton2, &TForm1::RadioButton2Click},
        {ui->RadioButton3, &TForm1::RadioButton3Click},
        {ui->RadioButton4, &TForm1::RadioButton4Click},
        {ui->RadioButton5, &TForm1::RadioButton5Click},
        {ui->RadioButton6, &TForm1::RadioButton6Click},
        {ui->RadioButton7, &TForm1::RadioButton7Click},
        {ui->RadioButton8, &TForm1::RadioButton8Click},
        {ui->RadioButton9, &TForm1::RadioButton9Click},
        {ui->RadioButton10, &TForm1::RadioButton10Click},
        {ui->RadioButton11, &TForm1::RadioButton11Click},
        {ui->RadioButton12, &TForm1::RadioButton12Click},
    };
    for (const auto& [button, method] : buttons) {
        connect(button, &QAbstractButton::clicked, this, handler(method));
    }
    const std::pair<QAction*, void (TForm1::*)()> items[] = {
        {ui->N6404801, &TForm1::N6404801Click},     {ui->N8006001, &TForm1::N8006001Click},
        {ui->N10247681, &TForm1::N10247681Click},   {ui->N11528641, &TForm1::N11528641Click},
        {ui->N128010241, &TForm1::N128010241Click}, {ui->N160010241, &TForm1::N160010241Click},
        {ui->N160012001, &TForm1::N160012001Click}, {ui->Exit1, &TForm1::Exit1Click},
        {ui->Contents1, &TForm1::Contents1Click},   {ui->Welcome1, &TForm1::Welcome1Click},
        {ui->About1, &TForm1::About1Click},
    };
    for (const auto& [item, method] : items) {
        connect(item, &QAction::triggered, this, handler(method));
    }
}

void TForm1::FormCreate() {
    // 1. The images show nothing until a picture is opened or created.
    for (ImageControl* image : {ui->Image1, ui->Image2, ui->Image3, ui->Image4}) {
        image->hide();
    }
    // 2, 3.
    LoadDirectoryFile();
    const varno::Settings settings = LoadSettings();
    // 4. Before the main window is on screen.
    if (!SkipWelcome) {
        Welcome1Click();
    }
    // 5.
    const QChar degree(kDegreeSign);
    ui->RadioButton6->setText(Number(-90) + degree);
    ui->RadioButton9->setText(Number(90) + degree);
    ui->RadioButton10->setText(Number(0) + degree);
    ui->RadioButton5->setText(QChar(kPlusMinusSign) + Number(180) + degree);
    // 6. Each edit's change handler stores the value again.
    ui->Edit1->setText(Number(XSize));
    ui->Edit2->setText(Number(YSize));
    const std::array<std::array<QLineEdit*, 3>, 4> cornerEdits{{
        {ui->Edit4, ui->Edit7, ui->Edit8},
        {ui->Edit5, ui->Edit6, ui->Edit9},
        {ui->Edit10, ui->Edit11, ui->Edit12},
        {ui->Edit13, ui->Edit14, ui->Edit15},
    }};
    for (std::size_t corner = 0; corner < cornerEdits.size(); ++corner) {
        const varno::CornerText& text = CornerTexts[corner];
        cornerEdits[corner][0]->setText(varno::FromWindows1252(text.Text));
        cornerEdits[corner][1]->setText(Number(text.X));
        cornerEdits[corner][2]->setText(Number(text.Y));
    }
    // 7.
    RotationAngle = settings.RotationAngle;
    ui->Edit16->setText(GeneralForm(RotationAngle));
    // 8. As a click on the button would; a stored -180 comes back as 180.
    if (const auto preset =
            varno::StartupRotationPreset(settings.Flip, settings.Mirror, settings.RotationAngle)) {
        SelectRotationPreset(*preset);
    }
    // Out of the Tab order, the selected button with the others of its group.
    for (QRadioButton* button : {ui->RadioButton5, ui->RadioButton6, ui->RadioButton7,
                                 ui->RadioButton8, ui->RadioButton9, ui->RadioButton10}) {
        button->setFocusPolicy(Qt::ClickFocus);
    }
    // 9.
    if (const auto colour = varno::ColourOfWord(settings.TextColourWord)) {
        *colour == varno::kBlack ? RadioButton3Click() : RadioButton4Click();
    }
    // 10.
    ui->CheckBox1->setChecked(BorderOn);
    ui->Edit3->setEnabled(BorderOn);
    ui->Edit3->setText(Number(BorderWidth));
    // 11.
    if (const auto colour = varno::ColourOfWord(settings.BorderColourWord)) {
        *colour == varno::kBlack ? RadioButton2Click() : RadioButton1Click();
    }
    // 12, 13.
    CheckScreenItem(varno::ScreenPresetIndex(ScreenWidth, ScreenHeight));
    ui->Points1->setChecked(settings.ShowPoints);
    ui->Circle1->setChecked(settings.ShowCircle);
    // 14.
    settings.Interpolation == 1 ? RadioButton11Click() : RadioButton12Click();
    ui->RadioButton11->setFocusPolicy(Qt::ClickFocus);
    ui->RadioButton12->setFocusPolicy(Qt::ClickFocus);
    // 15.
    FitToOutputImage();
    // 16.
    ui->Label4->setText(QStringLiteral("XSize = "));
    ui->Label5->setText(QStringLiteral("YSize = "));
    ui->Label1->setText(QStringLiteral("X0 ="));
    ui->Label2->setText(QStringLiteral("Y0 ="));
    ui->Label3->setText(QStringLiteral("R ="));
    ui->Label12->setText(QStringLiteral("D(mm) ="));
    // 17. Nothing to create, rotate or save before a picture is opened.
    ui->RadioButton2->setFocusPolicy(Qt::ClickFocus);
    ui->RadioButton3->setFocusPolicy(Qt::ClickFocus);
    ui->Save1->setEnabled(false);
    ui->SaveAs1->setEnabled(false);
    ui->Button1->setEnabled(false);
    ui->Button2->setEnabled(false);
}

void TForm1::FitToOutputImage() {
    const int width = varno::BorderedSize(XSize, BorderWidth);
    const int height = varno::BorderedSize(YSize, BorderWidth);
    const varno::WindowFit fit = varno::FitMainWindow(width, height, ScreenWidth, ScreenHeight);
    ApplyWindowFit(*this, *ui->FormScrollArea, fit);
    ui->Panel1->resize(varno::Panel1Width(width, fit.HorizontalScrollBar), ui->Panel1->height());
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Every way of closing arrives here: File > Exit, the close box, the window menu.
    varno::RunHandler([this] { FormClose(); });
    QMainWindow::closeEvent(event);
}

void TForm1::FormClose() {
    SaveDirectoryFile();
    SaveSettings();
    for (ImageControl* image : {ui->Image1, ui->Image2, ui->Image3, ui->Image4}) {
        image->clear();
    }
}

void TForm1::LoadDirectoryFile() {
    const std::optional<varno::Directories> directories = varno::ReadDirectoryFile();
    if (!directories) {
        return;
    }
    OpenDirectory = directories->OpenDirectory;
    SaveDirectory = directories->SaveDirectory;
    OpenDialog1.InitialDirectory = FromFileSystem(OpenDirectory);
    SaveDialog1.InitialDirectory = FromFileSystem(SaveDirectory);
}

varno::Settings TForm1::LoadSettings() {
    varno::Settings settings = varno::ReadSettingsFile();
    // The fields of their own; the rest waits for the steps of FormCreate that show it.
    SkipWelcome = settings.SkipWelcome;
    XSize = settings.XSize;
    YSize = settings.YSize;
    CornerTexts = settings.Corners;
    BorderOn = settings.BorderOn;
    BorderWidth = settings.BorderWidth;
    ScreenWidth = settings.ScreenWidth;
    ScreenHeight = settings.ScreenHeight;
    return settings;
}

void TForm1::SaveDirectoryFile() {
    varno::WriteDirectoryFile({OpenDirectory, SaveDirectory});
}

void TForm1::SaveSettings() {
    varno::Settings settings;
    settings.SkipWelcome = SkipWelcome;
    settings.XSize = XSize;
    settings.YSize = YSize;
    settings.Corners = CornerTexts;
    settings.TextColourWord = varno::ColourWord(TextColour);
    settings.BorderOn = BorderOn;
    settings.BorderWidth = BorderWidth;
    settings.BorderColourWord = varno::ColourWord(BorderColour);
    settings.ScreenWidth = ScreenWidth;
    settings.ScreenHeight = ScreenHeight;
    settings.ShowPoints = ui->Points1->isChecked();
    settings.ShowCircle = ui->Circle1->isChecked();
    settings.Flip = ui->RadioButton7->isChecked();
    settings.Mirror = ui->RadioButton8->isChecked();
    settings.RotationAngle = RotationAngle;
    settings.Interpolation = ui->RadioButton11->isChecked() ? 1 : 2;
    varno::WriteSettingsFile(settings);
}

void TForm1::StoreWholeNumber(const QLineEdit& edit, std::int32_t& field) {
    // A text that is no number yet ("", "-") is left alone; one that looks like a number but is
    // none ("12.", ten digits) fails the conversion, and the field keeps its value.
    const std::string text = edit.text().toStdString();
    if (varno::IsNumericText(text)) {
        field = varno::ToWholeNumber(text);
    }
}

void TForm1::StoreText(const QLineEdit& edit, std::string& field) {
    field = varno::ToWindows1252(edit.text());
}

void TForm1::Edit1Change() {
    StoreWholeNumber(*ui->Edit1, XSize);
}
void TForm1::Edit2Change() {
    StoreWholeNumber(*ui->Edit2, YSize);
}
void TForm1::Edit3Change() {
    StoreWholeNumber(*ui->Edit3, BorderWidth);
}
void TForm1::Edit4Change() {
    StoreText(*ui->Edit4, CornerTexts[varno::TopLeft].Text);
}
void TForm1::Edit5Change() {
    StoreText(*ui->Edit5, CornerTexts[varno::TopRight].Text);
}
void TForm1::Edit6Change() {
    StoreWholeNumber(*ui->Edit6, CornerTexts[varno::TopRight].X);
}
void TForm1::Edit7Change() {
    StoreWholeNumber(*ui->Edit7, CornerTexts[varno::TopLeft].X);
}
void TForm1::Edit8Change() {
    StoreWholeNumber(*ui->Edit8, CornerTexts[varno::TopLeft].Y);
}
void TForm1::Edit9Change() {
    StoreWholeNumber(*ui->Edit9, CornerTexts[varno::TopRight].Y);
}
void TForm1::Edit10Change() {
    StoreText(*ui->Edit10, CornerTexts[varno::BottomLeft].Text);
}
void TForm1::Edit11Change() {
    StoreWholeNumber(*ui->Edit11, CornerTexts[varno::BottomLeft].X);
}
void TForm1::Edit12Change() {
    StoreWholeNumber(*ui->Edit12, CornerTexts[varno::BottomLeft].Y);
}
void TForm1::Edit13Change() {
    StoreText(*ui->Edit13, CornerTexts[varno::BottomRight].Text);
}
void TForm1::Edit14Change() {
    StoreWholeNumber(*ui->Edit14, CornerTexts[varno::BottomRight].X);
}
void TForm1::Edit15Change() {
    StoreWholeNumber(*ui->Edit15, CornerTexts[varno::BottomRight].Y);
}

void TForm1::CheckBox1Click() {
    BorderOn = ui->CheckBox1->isChecked();
    if (!BorderOn) {
        // Checking the box again does not bring the former width back.
        BorderWidth = 0;
        ui->Edit3->setText(QStringLiteral("0"));
    }
    ui->Edit3->setEnabled(BorderOn);
}

void TForm1::RadioButton1Click() {
    SetSelected(*ui->RadioButton1, true);
    SetSelected(*ui->RadioButton2, false);
    BorderColour = varno::kWhite;
}

void TForm1::RadioButton2Click() {
    SetSelected(*ui->RadioButton2, true);
    SetSelected(*ui->RadioButton1, false);
    BorderColour = varno::kBlack;
}

void TForm1::RadioButton3Click() {
    SetSelected(*ui->RadioButton3, true);
    SetSelected(*ui->RadioButton4, false);
    TextColour = varno::kBlack;
}

void TForm1::RadioButton4Click() {
    SetSelected(*ui->RadioButton4, true);
    SetSelected(*ui->RadioButton3, false);
    TextColour = varno::kWhite;
}

void TForm1::RadioButton5Click() {
    SelectRotationPreset(varno::RotationPreset::HalfTurn);
}
void TForm1::RadioButton6Click() {
    SelectRotationPreset(varno::RotationPreset::QuarterTurnBack);
}
void TForm1::RadioButton7Click() {
    SelectRotationPreset(varno::RotationPreset::Flip);
}
void TForm1::RadioButton8Click() {
    SelectRotationPreset(varno::RotationPreset::Mirror);
}
void TForm1::RadioButton9Click() {
    SelectRotationPreset(varno::RotationPreset::QuarterTurn);
}
void TForm1::RadioButton10Click() {
    SelectRotationPreset(varno::RotationPreset::NoTurn);
}

void TForm1::RadioButton11Click() {
    SetSelected(*ui->RadioButton11, true);
    SetSelected(*ui->RadioButton12, false);
}

void TForm1::RadioButton12Click() {
    SetSelected(*ui->RadioButton12, true);
    SetSelected(*ui->RadioButton11, false);
}

QRadioButton& TForm1::RotationButton(varno::RotationPreset preset) const {
    switch (preset) {
        case varno::RotationPreset::Flip:
            return *ui->RadioButton7;
        case varno::RotationPreset::Mirror:
            return *ui->RadioButton8;
        case varno::RotationPreset::HalfTurn:
            return *ui->RadioButton5;
        case varno::RotationPreset::QuarterTurnBack:
            return *ui->RadioButton6;
        case varno::RotationPreset::QuarterTurn:
            return *ui->RadioButton9;
        case varno::RotationPreset::NoTurn:
            break;
    }
    return *ui->RadioButton10;
}

void TForm1::SelectRotationPreset(varno::RotationPreset preset) {
    using varno::RotationPreset;
    for (const RotationPreset each :
         {RotationPreset::Flip, RotationPreset::Mirror, RotationPreset::HalfTurn,
          RotationPreset::QuarterTurnBack, RotationPreset::QuarterTurn, RotationPreset::NoTurn}) {
        SetSelected(RotationButton(each), each == preset);
    }
    RotationAngle = varno::PresetAngle(preset);
    // Runs Edit16Change, which stores the same angle again.
    ui->Edit16->setText(GeneralForm(RotationAngle));
}

void TForm1::Edit16Change() {
    const std::string text = ui->Edit16->text().toStdString();
    if (varno::IsNumericText(text)) {
        RotationAngle = varno::ToFloatingPoint(text, varno::LocaleDecimalSeparator());
    }
}

void TForm1::Edit16Click() {
    // Typing an angle starts here, so no mode button can override the typed angle.
    for (QRadioButton* button : {ui->RadioButton5, ui->RadioButton6, ui->RadioButton7,
                                 ui->RadioButton8, ui->RadioButton9, ui->RadioButton10}) {
        SetSelected(*button, false);
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->Edit16 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            ui->Edit16->rect().contains(mouse->position().toPoint())) {
            varno::RunHandler([this] { Edit16Click(); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

std::array<QAction*, 7> TForm1::ScreenItems() const {
    return {ui->N6404801,   ui->N8006001,   ui->N10247681, ui->N11528641,
            ui->N128010241, ui->N160010241, ui->N160012001};
}

void TForm1::CheckScreenItem(std::optional<std::size_t> index) {
    const std::array<QAction*, 7> items = ScreenItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i]->setChecked(index == i);
    }
}

void TForm1::SelectScreenPreset(std::size_t index) {
    // The window keeps its size: the new screen is used by the next fitting.
    ScreenWidth = varno::kScreenPresets[index].Width;
    ScreenHeight = varno::kScreenPresets[index].Height;
    CheckScreenItem(index);
}

void TForm1::N6404801Click() {
    SelectScreenPreset(0);
}
void TForm1::N8006001Click() {
    SelectScreenPreset(1);
}
void TForm1::N10247681Click() {
    SelectScreenPreset(2);
}
void TForm1::N11528641Click() {
    SelectScreenPreset(3);
}
void TForm1::N128010241Click() {
    SelectScreenPreset(4);
}
void TForm1::N160010241Click() {
    SelectScreenPreset(5);
}
void TForm1::N160012001Click() {
    SelectScreenPreset(6);
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::Contents1Click() {
    const QString page = QDir::toNativeSeparators(helpPage_);
    if (!QFileInfo(helpPage_).isFile()) {
        throw varno::Failure("The help file " + page.toStdString() + " cannot be found");
    }
    if (!dialogs_.OpenHelpPage(QUrl::fromLocalFile(helpPage_))) {
        throw varno::Failure("No web browser could open the help file " + page.toStdString());
    }
}

void TForm1::Welcome1Click() {
    // A new window each time, destroyed when it has closed; it writes SkipWelcome as it closes.
    TForm3 welcome(this, {XSize, YSize, BorderWidth, ScreenWidth, ScreenHeight}, SkipWelcome);
    dialogs_.ShowModal(welcome);
}

void TForm1::About1Click() {
    TAboutForm about(this);
    dialogs_.ShowModal(about);
}
