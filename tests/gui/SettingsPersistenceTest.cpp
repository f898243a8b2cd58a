// Closing writes the settings and directory files, however the window closes, and the next
// start shows what was written.
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include "WindowTest.h"

namespace varno::testing {
namespace {

class SettingsPersistenceTest : public WindowTest,
                                public ::testing::WithParamInterface<const char*> {
  protected:
    void CloseMainWindow(const std::string& how) {
        if (how == "Exit") {
            Find<QAction>("Exit1").trigger();
        } else {
            // The window manager's close box and window menu both send this.
            ASSERT_NE(form->windowHandle(), nullptr);
            QCloseEvent close;
            QCoreApplication::sendEvent(form->windowHandle(), &close);
        }
        EXPECT_FALSE(form->isVisible());
        Destroy();
    }
};

// The lines a first run with every default leaves, each ended by CR LF, then an empty line.
const char* const kDefaultSettingsLines[] = {"false",
                                             "500",
                                             "500",
                                             "1st January 2002",
                                             "10",
                                             "15",
                                             "08h 00m UT",
                                             "400",
                                             "15",
                                             "null",
                                             "70",
                                             "460",
                                             "KVT",
                                             "430",
                                             "460",
                                             "Black",
                                             "true",
                                             "1",
                                             "Black",
                                             "1024 768",
                                             "false",
                                             "false",
                                             "false",
                                             "false",
                                             "0",
                                             "1",
                                             ""};

TEST_P(SettingsPersistenceTest, FirstRunClosed_WritesTheDefaultsAndNoDirectoryFile) {
    Start();
    CloseMainWindow(GetParam());
    std::string expected;
    for (const char* line : kDefaultSettingsLines) {
        expected += std::string(line) + "\r\n";
    }
    EXPECT_EQ(FileBytes("VarnoCreatorSettings_v10.dat"), expected);
    EXPECT_EQ(FileBytes("VarnoCreatorDir_v10.dat"), std::nullopt);
}

TEST_P(SettingsPersistenceTest, ChangedOptions_ComeBackAtTheNextStart) {
    // Line-feed line ends, as another editor may leave them; closing rewrites with CR LF.
    WriteFile("VarnoCreatorDir_v10.dat", "/srv/sun/in/\n/srv/sun/out/\n");
    dialogs.ExpectModal([](QDialog& welcome) {
        QTest::mouseClick(welcome.findChild<QCheckBox*>("WelcomeCheckBox"), Qt::LeftButton);
        CloseWindow(welcome, CloseBy::Button, "IntroButton");
    });
    Start(false);
    EXPECT_EQ(form->OpenDialog1.InitialDirectory, "/srv/sun/in/");
    EXPECT_EQ(form->SaveDialog1.InitialDirectory, "/srv/sun/out/");
    const std::pair<const char*, const char*> typed[] = {
        {"Edit1", "640"},
        {"Edit2", "480"},
        {"Edit4", "21 June 2026"},
        {"Edit7", "-3"},
        {"Edit5", ""},
        {"Edit9", "22"},
        {"Edit13", "Obs. \u00C5ngstr\u00F6m"},
    };
    for (const auto& [name, text] : typed) {
        auto& edit = Find<QLineEdit>(name);
        edit.selectAll();
        edit.del();
        TypeText(edit, QString::fromUtf8(text));
    }
    Find<QRadioButton>("RadioButton4").click();
    Find<QRadioButton>("RadioButton1").click();
    Find<QCheckBox>("CheckBox1").click();
    Find<QAction>("N128010241").trigger();
    Find<QAction>("Points1").setChecked(true);
    QTest::mouseClick(&Find<QLineEdit>("Edit16"), Qt::LeftButton);
    Find<QLineEdit>("Edit16").selectAll();
    QTest::keyClicks(&Find<QLineEdit>("Edit16"), "33.25");
    Find<QRadioButton>("RadioButton12").click();
    CloseMainWindow(GetParam());
    EXPECT_EQ(FileBytes("VarnoCreatorDir_v10.dat"), "/srv/sun/in/\r\n/srv/sun/out/\r\n\r\n");

    Start(false);  // the ticked box skips the welcome window
    EXPECT_TRUE(form->SkipWelcome);
    for (const auto& [name, text] : typed) {
        EXPECT_EQ(EditText(name), QString::fromUtf8(text)) << name;
    }
    EXPECT_EQ(form->CornerTexts[BottomRight].Text, "Obs. \xC5ngstr\xF6m");
    EXPECT_TRUE(Find<QRadioButton>("RadioButton4").isChecked());
    EXPECT_EQ(form->TextColour, kWhite);
    EXPECT_TRUE(Find<QRadioButton>("RadioButton1").isChecked());
    EXPECT_EQ(form->BorderColour, kWhite);
    EXPECT_FALSE(Find<QCheckBox>("CheckBox1").isChecked());
    EXPECT_FALSE(Find<QLineEdit>("Edit3").isEnabled());
    EXPECT_EQ(EditText("Edit3"), "0");
    EXPECT_TRUE(Find<QAction>("N128010241").isChecked());
    EXPECT_EQ(form->ScreenWidth, 1280);
    EXPECT_TRUE(Find<QAction>("Points1").isChecked());
    EXPECT_FALSE(Find<QAction>("Circle1").isChecked());
    EXPECT_EQ(EditText("Edit16"), "33.25");
    EXPECT_EQ(form->RotationAngle, 33.25);
    EXPECT_TRUE(Find<QRadioButton>("RadioButton12").isChecked());
    EXPECT_EQ(form->OpenDirectory, "/srv/sun/in/");
    // 640 + 0 border on 1280 x 1024: W = 952 at (1280 - 952) / 2; H = 561 at 217.
    EXPECT_EQ(form->pos(), QPoint(164, 217));
    EXPECT_EQ(form->size(), QSize(952, 561));
}

INSTANTIATE_TEST_SUITE_P(ClosedBy, SettingsPersistenceTest, ::testing::Values("Exit", "CloseBox"));

class SettingsFileProblemsTest : public WindowTest {};

TEST_F(SettingsFileProblemsTest, UnwritableSettingsFile_ClosesQuietlyAndKeepsTheDirectory) {
    // A directory where the settings file would go: it cannot be replaced.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("VarnoCreatorSettings_v10.dat")));
    Start();
    Exit();
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_TRUE(QFileInfo(QStringLiteral("VarnoCreatorSettings_v10.dat")).isDir());
}

TEST_F(SettingsFileProblemsTest, SettingsFileEndingEarly_KeepsWhatItHoldsAndDefaultsTheRest) {
    WriteFile("VarnoCreatorSettings_v10.dat", "true\r\n640\r\n48x\r\n");
    Start(false);
    EXPECT_EQ(EditText("Edit1"), "640");
    EXPECT_EQ(EditText("Edit2"), "500");
    // 642 wide with the default border: 954 at (1024 - 954) / 2.
    EXPECT_EQ(QRect(form->pos(), form->size()), QRect(35, 89, 954, 561));
}

}  // namespace
}  // namespace varno::testing
