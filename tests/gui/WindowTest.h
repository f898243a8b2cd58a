// The fixture of the window tests: a fresh working directory, scripted dialogs, and the check
// that every window is gone at the end.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "ScriptedDialogs.h"
#include "Unit1.h"
#include "Unit2/PackedColour.h"
#include "Unit2/Settings.h"

namespace varno::testing {

// The help page of the source tree, which the program installs.
QString SourceHelpPage();

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the main window (FormCreate runs) and shows it. A welcome window is expected
    // unless the settings skip it; it is closed by its button with the box as it was.
    TForm1& Start(bool welcomeExpected = true);
    // Closes the main window by File > Exit and destroys it.
    void Exit();
    void Destroy();

    template <typename Control>
    Control& Find(const char* name) const {
        auto* control = form->findChild<Control*>(QLatin1String(name));
        if (control == nullptr) {
            throw std::runtime_error(std::string("no control ") + name);
        }
        return *control;
    }
    QString EditText(const char* name) const;
    // Types the text key by key, as a keyboard with any layout would (QTest::keyClicks takes
    // only ASCII).
    static void TypeText(QWidget& widget, const QString& text);

    static void WriteSettings(const Settings& settings);
    static void WriteFile(const char* name, const std::string& bytes);
    static std::optional<std::string> FileBytes(const char* name);

    QTemporaryDir workingDirectory;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;

  private:
    QString previousDirectory_;
};

}  // namespace varno::testing
