// The welcome window's placement and check box, and the about window.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include "Unit3.h"
#include "Unit4.h"
#include "WindowTest.h"

namespace varno::testing {
namespace {

class WelcomeWindowTest : public WindowTest {};

struct WelcomeCase {
    int screenWidth;
    int screenHeight;
    QRect window;
    Qt::ScrollBarPolicy vertical;
    Qt::ScrollBarPolicy horizontal;
    int panelWidth;
    int buttonLeft;
    int greetingWidth;
    int greetingLeft;
};

TEST_F(WelcomeWindowTest, FittedLikeTheMainWindowAndItsTextsCentred) {
    // On 640 x 480 the window is 640 wide (814 does not fit) and 452 high (561 does not).
    const WelcomeCase cases[] = {
        {1024,
         768,
         {105, 89, 814, 561},
         Qt::ScrollBarAlwaysOff,
         Qt::ScrollBarAlwaysOff,
         790,
         370,
         650,
         70},
        {640,
         480,
         {0, 0, 640, 452},
         Qt::ScrollBarAsNeeded,
         Qt::ScrollBarAsNeeded,
         616,
         283,
         554,
         31},
    };
    for (const WelcomeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.screenWidth) + " x " + std::to_string(c.screenHeight));
        bool skip = false;
        TForm3 welcome(nullptr, {500, 500, 1, c.screenWidth, c.screenHeight}, skip);
        welcome.show();
        EXPECT_EQ(QRect(welcome.pos(), welcome.size()), c.window);
        const auto* area = welcome.findChild<QScrollArea*>("FormScrollArea");
        EXPECT_EQ(area->verticalScrollBarPolicy(), c.vertical);
        EXPECT_EQ(area->horizontalScrollBarPolicy(), c.horizontal);
        const auto* panel = welcome.findChild<QFrame*>("Panel1");
        EXPECT_EQ(panel->width(), c.panelWidth);
        EXPECT_EQ(welcome.findChild<QPushButton*>("IntroButton")->x(), c.buttonLeft);
        const auto* greeting = welcome.findChild<QLabel*>("Label2");
        EXPECT_EQ(greeting->width(), c.greetingWidth);
        EXPECT_EQ(greeting->x(), c.greetingLeft);
        const auto* title = welcome.findChild<QLabel*>("Label1");
        EXPECT_EQ(title->x(), std::max(0, c.panelWidth / 2 - title->width() / 2));
        // The greeting wraps within its width and shows whole.
        EXPECT_GE(greeting->height(), greeting->heightForWidth(greeting->width()));
        welcome.close();
    }
}

TEST_F(WelcomeWindowTest, Texts_AsTheProgramHasAlwaysWrittenThem) {
    bool skip = false;
    TForm3 welcome(nullptr, {500, 500, 1, 1024, 768}, skip);
    welcome.show();
    EXPECT_EQ(welcome.windowTitle(), "Varno Image Creator");
    EXPECT_EQ(welcome.findChild<QLabel*>("Label1")->text(), "Welcome to Varno Image Creator v1.0");
    EXPECT_EQ(welcome.findChild<QLabel*>("Label2")->text(),
              "This software creates a cropped and annotated image of the Sun. You should never "
              "look at the Sun with the naked eye or with any optical instrument unless you are "
              "familar with safe solar observing methods.");
    EXPECT_EQ(welcome.findChild<QCheckBox*>("WelcomeCheckBox")->text(),
              "Tick not to show this window again at startup");
    EXPECT_EQ(welcome.findChild<QPushButton*>("IntroButton")->text(), "Close");
    welcome.close();
}

TEST_F(WelcomeWindowTest, CheckBoxStoredWhicheverWayTheWindowCloses) {
    for (const CloseBy how : {CloseBy::Button, CloseBy::CloseBox, CloseBy::Escape}) {
        for (const bool startsTicked : {false, true}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(how)) + (startsTicked ? " ticked" : ""));
            bool skip = startsTicked;
            TForm3 welcome(nullptr, {500, 500, 1, 1024, 768}, skip);
            welcome.show();
            auto* box = welcome.findChild<QCheckBox*>("WelcomeCheckBox");
            EXPECT_EQ(box->isChecked(), startsTicked);
            QTest::mouseClick(box, Qt::LeftButton);
            CloseWindow(welcome, how, "IntroButton");
            EXPECT_FALSE(welcome.isVisible());
            EXPECT_EQ(skip, !startsTicked);
        }
    }
}

TEST_F(WelcomeWindowTest, TickedAtStartUp_NextStartSkipsItAndHelpWelcomeStillShowsIt) {
    dialogs.ExpectModal([](QDialog& w) {
        QTest::mouseClick(w.findChild<QCheckBox*>("WelcomeCheckBox"), Qt::LeftButton);
        CloseWindow(w, CloseBy::CloseBox, "IntroButton");
    });
    Start(false);
    EXPECT_TRUE(form->SkipWelcome);
    Exit();

    Start(false);  // no welcome window: the scripted dialogs would fail the test
    dialogs.ExpectModal([](QDialog& w) {
        auto* box = w.findChild<QCheckBox*>("WelcomeCheckBox");
        EXPECT_TRUE(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
        CloseWindow(w, CloseBy::Button, "IntroButton");
    });
    Find<QAction>("Welcome1").trigger();
    EXPECT_FALSE(form->SkipWelcome);
    Exit();

    Start(true);
}

class AboutWindowTest : public WindowTest {};

TEST_F(AboutWindowTest, AboutTwice_TwoFreshWindowsWithTheSameTexts) {
    Start();
    std::vector<QPointer<QDialog>> shown;
    std::vector<QStringList> texts;
    for (int i = 0; i < 2; ++i) {
        dialogs.ExpectModal([&](QDialog& about) {
            shown.emplace_back(&about);
            QStringList captions{about.windowTitle()};
            for (const char* name :
                 {"AboutLabel1", "AboutLabel2", "AboutLabel3", "AboutLabel4", "AboutLabel5"}) {
                captions.append(about.findChild<QLabel*>(name)->text());
            }
            texts.push_back(captions);
            EXPECT_EQ(about.size(), QSize(249, 254));
            CloseWindow(about, i == 0 ? CloseBy::Button : CloseBy::CloseBox, "AboutButton");
        });
        Find<QAction>("About1").trigger();
        ASSERT_EQ(shown.size(), static_cast<std::size_t>(i + 1));
        EXPECT_TRUE(shown.back().isNull()) << "about window not destroyed";
    }
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], texts[1]);
    EXPECT_EQ(texts[0][0], "About Varno Creator");
    EXPECT_EQ(texts[0][1], "Varno Creator");
    EXPECT_EQ(texts[0][2], "Version 1.0");
    EXPECT_TRUE(texts[0][3].contains("2026"));
    EXPECT_EQ(texts[0][4], "");
    EXPECT_TRUE(texts[0][5].startsWith("For further information please see "));
    EXPECT_TRUE(texts[0][5].endsWith("."));
}

}  // namespace
}  // namespace varno::testing
