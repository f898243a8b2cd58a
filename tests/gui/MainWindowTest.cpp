// The main window at start-up: what FormCreate shows, how it fits the window, and its menus.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include "ImageControl.h"
#include "WindowTest.h"

namespace varno::testing {
namespace {

class MainWindowTest : public WindowTest {
  protected:
    std::vector<std::string> SelectedRotationButtons() const {
        std::vector<std::string> selected;
        for (const char* name : {"RadioButton5", "RadioButton6", "RadioButton7", "RadioButton8",
                                 "RadioButton9", "RadioButton10"}) {
            if (Find<QRadioButton>(name).isChecked()) {
                selected.emplace_back(name);
            }
        }
        return selected;
    }
    std::vector<std::string> CheckedScreenItems() const {
        std::vector<std::string> checked;
        for (const QAction* item : Find<QMenu>("ScreenResolution1").actions()) {
            if (item->isChecked()) {
                checked.push_back(item->objectName().toStdString());
            }
        }
        return checked;
    }
};

TEST_F(MainWindowTest, FirstStartWithoutFiles_WelcomeFirstThenDefaults) {
    bool mainWindowWasOnScreen = true;
    dialogs.ExpectModal([&](QDialog& welcome) {
        mainWindowWasOnScreen = welcome.parentWidget()->isVisible();
        EXPECT_EQ(welcome.objectName(), "Form3");
        EXPECT_FALSE(welcome.findChild<QCheckBox*>("WelcomeCheckBox")->isChecked());
        CloseWindow(welcome, CloseBy::Button, "IntroButton");
    });
    Start(false);
    EXPECT_FALSE(mainWindowWasOnScreen);

    const std::pair<const char*, const char*> edits[] = {
        {"Edit1", "500"},  {"Edit2", "500"},  {"Edit4", "1st January 2002"},
        {"Edit7", "10"},   {"Edit8", "15"},   {"Edit5", "08h 00m UT"},
        {"Edit6", "400"},  {"Edit9", "15"},   {"Edit10", ""},
        {"Edit11", "70"},  {"Edit12", "460"}, {"Edit13", "KVT"},
        {"Edit14", "430"}, {"Edit15", "460"}, {"Edit3", "1"},
        {"Edit16", "0"},
    };
    for (const auto& [name, text] : edits) {
        EXPECT_EQ(EditText(name), text) << name;
    }
    EXPECT_EQ(form->XSize, 500);
    EXPECT_EQ(form->CornerTexts[TopRight], (CornerText{"08h 00m UT", 400, 15}));
    EXPECT_TRUE(Find<QRadioButton>("RadioButton3").isChecked());  // text Black
    EXPECT_FALSE(Find<QRadioButton>("RadioButton4").isChecked());
    EXPECT_TRUE(Find<QRadioButton>("RadioButton2").isChecked());  // border Black
    EXPECT_FALSE(Find<QRadioButton>("RadioButton1").isChecked());
    EXPECT_TRUE(Find<QCheckBox>("CheckBox1").isChecked());
    EXPECT_TRUE(Find<QLineEdit>("Edit3").isEnabled());
    EXPECT_EQ(CheckedScreenItems(), std::vector<std::string>{"N10247681"});
    EXPECT_EQ(SelectedRotationButtons(), std::vector<std::string>{"RadioButton10"});
    EXPECT_TRUE(Find<QRadioButton>("RadioButton11").isChecked());
    EXPECT_FALSE(Find<QRadioButton>("RadioButton12").isChecked());
    EXPECT_FALSE(Find<QAction>("Points1").isChecked());
    EXPECT_FALSE(Find<QAction>("Circle1").isChecked());
    for (const char* name : {"Button1", "Button2"}) {
        EXPECT_FALSE(Find<QPushButton>(name).isEnabled()) << name;
    }
    for (const char* name : {"Save1", "SaveAs1"}) {
        EXPECT_FALSE(Find<QAction>(name).isEnabled()) << name;
    }
    EXPECT_TRUE(Find<QAction>("Open1").isEnabled());
    for (const char* name : {"Image1", "Image2", "Image3", "Image4"}) {
        EXPECT_TRUE(Find<ImageControl>(name).isHidden()) << name;
    }
}

TEST_F(MainWindowTest, DefaultsOn1024x768_FittedWithoutScrollBars) {
    Start();
    EXPECT_EQ(form->size(), QSize(814, 561));
    EXPECT_EQ(form->pos(), QPoint(105, 89));
    const auto& area = Find<QScrollArea>("FormScrollArea");
    EXPECT_EQ(area.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(area.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(Find<QFrame>("Panel1").width(), 814);
}

TEST_F(MainWindowTest, CaptionsSetAtStartUp) {
    Start();
    const std::pair<const char*, QString> captions[] = {
        {"RadioButton5", QString::fromUtf8("\u00B1180\u00B0")},
        {"RadioButton6", QString::fromUtf8("-90\u00B0")},
        {"RadioButton9", QString::fromUtf8("90\u00B0")},
        {"RadioButton10", QString::fromUtf8("0\u00B0")},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Find<QRadioButton>(name).text(), caption) << name;
    }
    const std::pair<const char*, const char*> labels[] = {
        {"Label4", "XSize = "}, {"Label5", "YSize = "}, {"Label1", "X0 ="},
        {"Label2", "Y0 ="},     {"Label3", "R ="},      {"Label12", "D(mm) ="},
    };
    for (const auto& [name, caption] : labels) {
        EXPECT_EQ(Find<QLabel>(name).text(), caption) << name;
    }
    EXPECT_EQ(form->windowTitle(), "Varno Image Creator");
}

struct StoredRotation {
    const char* scenario;
    bool flip;
    bool mirror;
    double angle;
    std::vector<std::string> selected;
    const char* shown;
    double angleAfter;
};

TEST_F(MainWindowTest, StoredRotation_SelectedAsAClickWould) {
    const StoredRotation cases[] = {
        {"-180 comes back as 180", false, false, -180.0, {"RadioButton5"}, "180", 180.0},
        {"45 selects no preset", false, false, 45.0, {}, "45", 45.0},
        {"flip and mirror: mirror wins", true, true, 12.5, {"RadioButton8"}, "0", 0.0},
        {"flip sets the angle to 0", true, false, 90.0, {"RadioButton7"}, "0", 0.0},
        {"-90", false, false, -90.0, {"RadioButton6"}, "-90", -90.0},
        {"12.5 shown in general form", false, false, 12.5, {}, "12.5", 12.5},
    };
    for (const StoredRotation& c : cases) {
        SCOPED_TRACE(c.scenario);
        Settings settings;
        settings.SkipWelcome = true;
        settings.Flip = c.flip;
        settings.Mirror = c.mirror;
        settings.RotationAngle = c.angle;
        WriteSettings(settings);
        Start(false);
        EXPECT_EQ(SelectedRotationButtons(), c.selected);
        EXPECT_EQ(EditText("Edit16"), c.shown);
        EXPECT_EQ(form->RotationAngle, c.angleAfter);
        Destroy();
    }
}

struct StoredScreen {
    int width;
    int height;
    std::vector<std::string> checked;
    QPoint place;
};

TEST_F(MainWindowTest, StoredScreenSize_ChecksItsItemAndFitsTheWindow) {
    // 1000 x 700: left (1000 - 814) / 2 = 93, top (700 - 28 - 561) / 2 = 55.
    const StoredScreen cases[] = {
        {1000, 700, {}, {93, 55}},
        {1280, 1024, {"N128010241"}, {233, 217}},
        {800, 600, {"N8006001"}, {0, 5}},
    };
    for (const StoredScreen& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        Settings settings;
        settings.SkipWelcome = true;
        settings.ScreenWidth = c.width;
        settings.ScreenHeight = c.height;
        WriteSettings(settings);
        Start(false);
        EXPECT_EQ(CheckedScreenItems(), c.checked);
        EXPECT_EQ(form->pos(), c.place);
        Destroy();
    }
}

TEST_F(MainWindowTest, OutputLargerThanTheScreen_ScrollBarsAllowedAndUsed) {
    Settings settings;
    settings.SkipWelcome = true;
    settings.XSize = 1200;  // 1202 with the border: wider than 1024 - 312
    settings.YSize = 900;   // 902 + 59 is taller than 768 - 28
    WriteSettings(settings);
    Start(false);
    EXPECT_EQ(form->size(), QSize(1024, 740));
    EXPECT_EQ(form->pos(), QPoint(0, 0));
    auto& area = Find<QScrollArea>("FormScrollArea");
    EXPECT_EQ(area.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(area.horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(Find<QFrame>("Panel1").width(), 1202 + 304);
    // Nothing reaches beyond the view yet; a picture of that size at its place does.
    QCoreApplication::processEvents();
    EXPECT_FALSE(area.verticalScrollBar()->isVisible());
    auto& image = Find<ImageControl>("Image1");
    image.setGeometry(300, 8, 1202, 902);
    image.setPicture(Image(1202, 902, kWhite));
    image.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(area.verticalScrollBar()->isVisible());
    EXPECT_TRUE(area.horizontalScrollBar()->isVisible());
    image.hide();
    QCoreApplication::processEvents();
    EXPECT_FALSE(area.verticalScrollBar()->isVisible());
}

TEST_F(MainWindowTest, MenusHoldTheirItemsSeparatorsAndMnemonics) {
    Start();
    const std::pair<const char*, std::vector<const char*>> menus[] = {
        {"File1", {"Open1", "N1", "Save1", "SaveAs1", "N2", "Exit1"}},
        {"Display1", {"Points1", "Circle1", "N4", ""}},
        {"Help1", {"Contents1", "N3", "Welcome1", "About1"}},
        {"ScreenResolution1",
         {"N6404801", "N8006001", "N10247681", "N11528641", "N128010241", "N160010241",
          "N160012001"}},
    };
    for (const auto& [menu, items] : menus) {
        std::vector<std::string> names;
        for (const QAction* action : Find<QMenu>(menu).actions()) {
            names.push_back(action->objectName().toStdString());
        }
        EXPECT_EQ(names, std::vector<std::string>(items.begin(), items.end())) << menu;
    }
    EXPECT_EQ(Find<QMenu>("Display1").actions().back()->menu(), &Find<QMenu>("ScreenResolution1"));
    const std::pair<const char*, const char*> captions[] = {
        {"Open1", "&Open..."},      {"Save1", "&Save"},           {"SaveAs1", "Save &As..."},
        {"Exit1", "E&xit"},         {"Points1", "&Points"},       {"Circle1", "&Circle"},
        {"Contents1", "&Contents"}, {"Welcome1", "&Welcome..."},  {"About1", "&About..."},
        {"N6404801", "640, 480"},   {"N160012001", "1600, 1200"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Find<QAction>(name).text(), caption) << name;
    }
    EXPECT_EQ(Find<QMenu>("File1").title(), "&File");
    EXPECT_EQ(Find<QMenu>("Display1").title(), "D&isplay");
    EXPECT_EQ(Find<QMenu>("Help1").title(), "&Help");
    for (const char* name : {"Points1", "Circle1", "N6404801", "N128010241"}) {
        EXPECT_TRUE(Find<QAction>(name).isCheckable()) << name;
    }
}

TEST_F(MainWindowTest, ControlsAtTheirDesignPlacesInTheirParents) {
    Start();
    struct Place {
        const char* name;
        const char* parent;
        QRect geometry;
    };
    const Place places[] = {
        {"GroupBox1", "FormClient", {6, 6, 285, 67}},
        {"GroupBox6", "FormClient", {8, 78, 281, 65}},
        {"GroupBox2", "FormClient", {6, 148, 285, 325}},
        {"Button2", "FormClient", {40, 480, 99, 25}},
        {"Button1", "FormClient", {160, 480, 99, 25}},
        {"Edit16", "GroupBox6", {208, 16, 41, 21}},
        {"Panel2", "GroupBox6", {184, 32, 89, 25}},
        {"GroupBox4", "GroupBox2", {8, 16, 267, 49}},
        {"Edit1", "GroupBox2", {68, 32, 40, 21}},
        {"Edit2", "GroupBox2", {172, 32, 40, 21}},
        {"GroupBox5", "GroupBox2", {8, 68, 267, 197}},
        {"Edit13", "GroupBox5", {34, 136, 115, 21}},
        {"Edit15", "GroupBox5", {220, 136, 32, 21}},
        {"GroupBox3", "GroupBox2", {8, 268, 267, 49}},
        {"Edit3", "GroupBox2", {84, 284, 40, 21}},
    };
    for (const Place& p : places) {
        const auto& control = Find<QWidget>(p.name);
        EXPECT_EQ(control.parentWidget()->objectName(), p.parent) << p.name;
        EXPECT_EQ(control.geometry(), p.geometry) << p.name;
    }
    const std::pair<const char*, QPoint> corners[] = {
        {"RadioButton7", {16, 16}}, {"RadioButton9", {136, 40}}, {"RadioButton11", {8, 8}},
        {"RadioButton12", {48, 8}}, {"RadioButton3", {16, 168}}, {"RadioButton1", {208, 288}},
        {"CheckBox1", {24, 286}},   {"Label8", {11, 30}},        {"Label12", {148, 44}},
    };
    for (const auto& [name, corner] : corners) {
        EXPECT_EQ(Find<QWidget>(name).pos(), corner) << name;
    }
}

TEST_F(MainWindowTest, OnlyTheCornerLabelsShowTheirHints) {
    Start();
    EXPECT_EQ(Find<QLabel>("Label8").toolTip(), "Top Left");
    EXPECT_EQ(Find<QLabel>("Label9").toolTip(), "Top Right");
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (widget->objectName() != "Label8" && widget->objectName() != "Label9") {
            EXPECT_TRUE(widget->toolTip().isEmpty()) << widget->objectName().toStdString();
        }
    }
    EXPECT_EQ(Find<QRadioButton>("RadioButton11").property("hint").toString(), "Nearest Neighbour");
    EXPECT_EQ(Find<QRadioButton>("RadioButton12").property("hint").toString(),
              "Bilinear Interpolation");
}

TEST_F(MainWindowTest, TabVisitsOnlyTheControlsThatKeepATabStop) {
    Start();
    const QStringList skipped = {"Edit1",         "Edit2",        "Edit3",        "Edit6",
                                 "Edit7",         "Edit8",        "Edit9",        "Edit10",
                                 "Edit11",        "Edit12",       "Edit13",       "Edit14",
                                 "Edit15",        "Edit16",       "CheckBox1",    "Button1",
                                 "RadioButton2",  "RadioButton3", "RadioButton5", "RadioButton6",
                                 "RadioButton7",  "RadioButton8", "RadioButton9", "RadioButton10",
                                 "RadioButton11", "RadioButton12"};
    for (const QString& name : skipped) {
        EXPECT_FALSE(Find<QWidget>(name.toLatin1().constData()).focusPolicy() & Qt::TabFocus)
            << name.toStdString();
    }
    for (const char* name : {"Edit4", "Edit5", "Button2"}) {
        EXPECT_TRUE(Find<QWidget>(name).focusPolicy() & Qt::TabFocus) << name;
    }
}

TEST_F(MainWindowTest, HelpContents_OpensTheHelpPageInTheBrowser) {
    Start();
    Find<QAction>("Contents1").trigger();
    ASSERT_EQ(dialogs.OpenedPages.size(), 1u);
    EXPECT_EQ(dialogs.OpenedPages[0], QUrl::fromLocalFile(SourceHelpPage()));
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(MainWindowTest, HelpContents_MissingPageOrNoBrowser_SaysSo) {
    dialogs.AllowMessages(2);
    dialogs.ExpectModal([](QDialog& w) { CloseWindow(w, CloseBy::Button, "IntroButton"); });
    const QString missing = workingDirectory.filePath("help/index.html");
    form = std::make_unique<TForm1>(dialogs, missing);
    Find<QAction>("Contents1").trigger();
    Destroy();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Caption, "Varno Image Creator");
    EXPECT_EQ(dialogs.Messages[0].Text, "The help file " + missing + " cannot be found.");
    EXPECT_TRUE(dialogs.OpenedPages.empty());

    dialogs.BrowserAvailable = false;
    Start();
    Find<QAction>("Contents1").trigger();
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[1].Text,
              "No web browser could open the help file " + SourceHelpPage() + ".");
}

}  // namespace
}  // namespace varno::testing
