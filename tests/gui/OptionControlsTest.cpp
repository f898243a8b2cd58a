// The option controls as the user types and clicks: number edits, texts, border, colours,
// screen presets, and the rotation choice.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "WindowTest.h"

namespace varno::testing {
namespace {

class OptionControlsTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
    }
    void Type(const char* editName, QChar key) {
        auto& edit = Find<QLineEdit>(editName);
        if (key == QLatin1Char('\b')) {
            QTest::keyClick(&edit, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(&edit, QString(key));
        }
    }
};

struct TypingCase {
    const char* scenario;
    const char* edit;
    std::function<std::int32_t(const TForm1&)> field;
    const char* keys;                  // "\b" is Backspace
    std::vector<std::int32_t> stored;  // the field after each key
    std::vector<const char*> messages;
};

TEST_F(OptionControlsTest, TypingIntoNumberEdits_StoresEveryWholeNumberAndRefusesTheRest) {
    const auto xSize = [](const TForm1& f) { return f.XSize; };
    const TypingCase cases[] = {
        {"clearing 500 by Backspace keeps 5", "Edit1", xSize, "\b\b\b", {50, 5, 5}, {}},
        {"typing 500 stores 5, 50, 500", "Edit1", xSize, "500", {5, 50, 500}, {}},
        {"\"-\" waits, \"-5\" stores",
         "Edit7",
         [](const TForm1& f) { return f.CornerTexts[TopLeft].X; },
         "\b\b-5",
         {1, 1, 1, -5},
         {}},
        {"a separator is refused, the field keeps 12",
         "Edit1",
         xSize,
         "\b\b\b12.5",
         {50, 5, 5, 1, 12, 12, 12},
         {"'12.' is not a valid integer value.", "'12.5' is not a valid integer value."}},
        {"eleven nines: ten digits leave 32 bits",
         "Edit2",
         [](const TForm1& f) { return f.YSize; },
         "\b\b\b99999999999",
         {50, 5, 5, 9, 99, 999, 9999, 99999, 999999, 9999999, 99999999, 999999999, 999999999,
          999999999},
         {"'9999999999' is not a valid integer value.",
          "'99999999999' is not a valid integer value."}},
    };
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.scenario);
        dialogs.Messages.clear();
        dialogs.AllowMessages(c.messages.size());
        if (c.edit == std::string("Edit1") && c.keys[0] != '\b') {
            Find<QLineEdit>("Edit1").clear();  // an empty box: nothing stored
        }
        std::vector<std::int32_t> stored;
        for (const char* key = c.keys; *key != '\0'; ++key) {
            Type(c.edit, QLatin1Char(*key));
            stored.push_back(c.field(*form));
        }
        EXPECT_EQ(stored, c.stored);
        std::vector<std::string> texts;
        for (const auto& message : dialogs.Messages) {
            EXPECT_EQ(message.Caption, "Varno Image Creator");
            texts.push_back(message.Text.toStdString());
        }
        EXPECT_EQ(texts, std::vector<std::string>(c.messages.begin(), c.messages.end()));
    }
}

TEST_F(OptionControlsTest, RefusedNumber_BoxKeepsTheTextAndTheNextGoodOneStores) {
    dialogs.AllowMessages(1);
    QTest::keyClicks(&Find<QLineEdit>("Edit3"), "5.");  // "15.": refused
    EXPECT_EQ(EditText("Edit3"), "15.");
    EXPECT_EQ(form->BorderWidth, 15);
    QTest::keyClick(&Find<QLineEdit>("Edit3"), Qt::Key_Backspace);
    QTest::keyClick(&Find<QLineEdit>("Edit3"), Qt::Key_Backspace);
    EXPECT_EQ(form->BorderWidth, 1);
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

TEST_F(OptionControlsTest, CornerTexts_CopiedWholeAndKeptToWindows1252) {
    auto& edit = Find<QLineEdit>("Edit13");
    edit.clear();
    EXPECT_EQ(form->CornerTexts[BottomRight].Text, "");
    TypeText(edit, QString::fromUtf8("Sun \u263C 2026 \u20AC \u00C4 "));
    // The sun symbol has no byte in Windows-1252 and is not taken; the euro sign and the
    // umlaut are, as their bytes 0x80 and 0xC4. Trailing blanks stay.
    EXPECT_EQ(edit.text(), QString::fromUtf8("Sun  2026 \u20AC \u00C4 "));
    EXPECT_EQ(form->CornerTexts[BottomRight].Text, "Sun  2026 \x80 \xC4 ");
    QTest::keyClicks(&Find<QLineEdit>("Edit10"), "Varna");
    EXPECT_EQ(form->CornerTexts[BottomLeft].Text, "Varna");
}

TEST_F(OptionControlsTest, PastedTextWithForeignCharacters_KeepsTheRest) {
    auto& edit = Find<QLineEdit>("Edit4");
    edit.selectAll();
    edit.insert(QString::fromUtf8("\u65E5\u98DF 2026-03-20"));  // as a paste does
    EXPECT_EQ(edit.text(), " 2026-03-20");
    EXPECT_EQ(form->CornerTexts[TopLeft].Text, " 2026-03-20");
}

TEST_F(OptionControlsTest, BorderBox_ClearingSetsWidthZeroAndCheckingDoesNotRestoreIt) {
    auto& box = Find<QCheckBox>("CheckBox1");
    auto& width = Find<QLineEdit>("Edit3");
    box.click();
    EXPECT_FALSE(form->BorderOn);
    EXPECT_EQ(form->BorderWidth, 0);
    EXPECT_EQ(width.text(), "0");
    EXPECT_FALSE(width.isEnabled());
    box.click();
    EXPECT_TRUE(form->BorderOn);
    EXPECT_EQ(form->BorderWidth, 0);
    EXPECT_EQ(width.text(), "0");
    EXPECT_TRUE(width.isEnabled());
}

TEST_F(OptionControlsTest, ColourButtons_SetTheirColourAndClearTheOther) {
    Find<QRadioButton>("RadioButton4").click();
    EXPECT_EQ(form->TextColour, kWhite);
    EXPECT_FALSE(Find<QRadioButton>("RadioButton3").isChecked());
    Find<QRadioButton>("RadioButton1").click();
    EXPECT_EQ(form->BorderColour, kWhite);
    EXPECT_FALSE(Find<QRadioButton>("RadioButton2").isChecked());
    EXPECT_TRUE(Find<QRadioButton>("RadioButton4").isChecked());  // the groups are apart
    Find<QRadioButton>("RadioButton3").click();
    EXPECT_EQ(form->TextColour, kBlack);
    EXPECT_EQ(form->BorderColour, kWhite);
}

TEST_F(OptionControlsTest, ScreenPreset_ChecksOnlyItsItemAndKeepsTheWindowSize) {
    const QRect before = form->geometry();
    Find<QAction>("N8006001").trigger();
    EXPECT_EQ(form->ScreenWidth, 800);
    EXPECT_EQ(form->ScreenHeight, 600);
    for (const char* name :
         {"N6404801", "N10247681", "N11528641", "N128010241", "N160010241", "N160012001"}) {
        EXPECT_FALSE(Find<QAction>(name).isChecked()) << name;
    }
    EXPECT_TRUE(Find<QAction>("N8006001").isChecked());
    Find<QAction>("N8006001").trigger();  // choosing the checked item again keeps its mark
    EXPECT_TRUE(Find<QAction>("N8006001").isChecked());
    Find<QAction>("N160010241").trigger();
    EXPECT_EQ(form->ScreenWidth, 1600);
    EXPECT_EQ(form->ScreenHeight, 1024);
    EXPECT_FALSE(Find<QAction>("N8006001").isChecked());
    EXPECT_EQ(form->geometry(), before);
}

TEST_F(OptionControlsTest, RotationPresets_SetTheAngleAndAClickIntoTheAngleClearsThemAll) {
    const std::pair<const char*, const char*> presets[] = {
        {"RadioButton9", "90"}, {"RadioButton6", "-90"}, {"RadioButton5", "180"},
        {"RadioButton7", "0"},  {"RadioButton8", "0"},   {"RadioButton10", "0"},
    };
    for (const auto& [name, shown] : presets) {
        Find<QRadioButton>(name).click();
        EXPECT_TRUE(Find<QRadioButton>(name).isChecked()) << name;
        EXPECT_EQ(EditText("Edit16"), shown) << name;
        EXPECT_EQ(form->RotationAngle, QString(shown).toDouble()) << name;
    }
    Find<QRadioButton>("RadioButton9").click();
    auto& angle = Find<QLineEdit>("Edit16");
    QTest::mouseClick(&angle, Qt::LeftButton);
    for (const char* name : {"RadioButton5", "RadioButton6", "RadioButton7", "RadioButton8",
                             "RadioButton9", "RadioButton10"}) {
        EXPECT_FALSE(Find<QRadioButton>(name).isChecked()) << name;
    }
    EXPECT_EQ(angle.text(), "90");
    EXPECT_EQ(form->RotationAngle, 90.0);
    angle.selectAll();
    QTest::keyClicks(&angle, "-12.5");
    EXPECT_EQ(form->RotationAngle, -12.5);
    // A selected mode button stays selected when clicked again.
    Find<QRadioButton>("RadioButton8").click();
    Find<QRadioButton>("RadioButton8").click();
    EXPECT_TRUE(Find<QRadioButton>("RadioButton8").isChecked());
}

TEST_F(OptionControlsTest, AngleWithTheWrongSeparator_RefusedAndTheAngleKept) {
    dialogs.AllowMessages(2);
    auto& angle = Find<QLineEdit>("Edit16");
    angle.selectAll();
    QTest::keyClicks(&angle, "1,5");
    EXPECT_EQ(form->RotationAngle, 1.0);
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[0].Text, "'1,' is not a valid floating point value.");
    EXPECT_EQ(dialogs.Messages[1].Text, "'1,5' is not a valid floating point value.");
}

TEST_F(OptionControlsTest, SamplingButtons_ExactlyOneSelected) {
    Find<QRadioButton>("RadioButton12").click();
    EXPECT_TRUE(Find<QRadioButton>("RadioButton12").isChecked());
    EXPECT_FALSE(Find<QRadioButton>("RadioButton11").isChecked());
    Find<QRadioButton>("RadioButton12").click();
    EXPECT_TRUE(Find<QRadioButton>("RadioButton12").isChecked());
    // The sampling choice is a group of its own: the angle presets do not touch it.
    Find<QRadioButton>("RadioButton9").click();
    EXPECT_TRUE(Find<QRadioButton>("RadioButton12").isChecked());
}

class AngleLocaleTest : public WindowTest {};

TEST_F(AngleLocaleTest, GermanLocale_AngleShownAndReadWithAComma) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Settings settings;
    settings.SkipWelcome = true;
    settings.RotationAngle = 12.5;
    WriteSettings(settings);
    Start(false);
    EXPECT_EQ(EditText("Edit16"), "12,5");
    EXPECT_EQ(form->RotationAngle, 12.5);
    auto& angle = Find<QLineEdit>("Edit16");
    angle.selectAll();
    QTest::keyClicks(&angle, "0,25");
    EXPECT_EQ(form->RotationAngle, 0.25);
    QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace varno::testing
