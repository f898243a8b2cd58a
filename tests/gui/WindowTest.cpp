// The window tests' fixture and their main: one application with the error box for all tests.
#include "WindowTest.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include "Unit2/SettingsText.h"
#include "platform/ErrorBox.h"
#include "platform/FileIO.h"

namespace varno::testing {
namespace {

ErrorBoxApplication& Application() {
    return *qobject_cast<ErrorBoxApplication*>(QCoreApplication::instance());
}

// Stands in front of the application whenever no test does: any dialog then fails the test.
ScriptedDialogs& IdleDialogs() {
    static ScriptedDialogs idle;
    return idle;
}

}  // namespace

QString SourceHelpPage() {
    return QStringLiteral(VARNO_SOURCE_DIR "/help/index.html");
}

void WindowTest::SetUp() {
    ASSERT_TRUE(workingDirectory.isValid());
    previousDirectory_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(workingDirectory.path()));
    QLocale::setDefault(QLocale::c());
    Application().UseDialogs(dialogs);
}

void WindowTest::TearDown() {
    Destroy();
    QStringList left;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        left.append(widget->objectName() + QLatin1Char('(') +
                    QLatin1String(widget->metaObject()->className()) + QLatin1Char(')'));
    }
    EXPECT_TRUE(left.isEmpty()) << "windows left: " << left.join(QLatin1String(", ")).toStdString();
    Application().UseDialogs(IdleDialogs());
    QDir::setCurrent(previousDirectory_);
}

TForm1& WindowTest::Start(bool welcomeExpected) {
    if (welcomeExpected) {
        dialogs.ExpectModal([](QDialog& w) { CloseWindow(w, CloseBy::Button, "IntroButton"); });
    }
    form = std::make_unique<TForm1>(dialogs, SourceHelpPage());
    form->show();
    return *form;
}

void WindowTest::Exit() {
    Find<QAction>("Exit1").trigger();
    Destroy();
}

void WindowTest::Destroy() {
    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString WindowTest::EditText(const char* name) const {
    return Find<QLineEdit>(name).text();
}

void WindowTest::TypeText(QWidget& widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(&widget, &release);
    }
}

void WindowTest::WriteSettings(const Settings& settings) {
    WriteFile(kSettingsFileName.data(), SettingsText(settings));
}

void WindowTest::WriteFile(const char* name, const std::string& bytes) {
    ReplaceFile(QString::fromLatin1(name), bytes);
}

std::optional<std::string> WindowTest::FileBytes(const char* name) {
    return ReadFileBytes(QString::fromLatin1(name));
}

}  // namespace varno::testing

namespace {

// The offscreen platform says this for every window that gets a size; it means nothing here.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("does not support propagateSizeHints"))) {
        return;
    }
    qt_message_output(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietOffscreenNotes);
    // Window tests never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    varno::ErrorBoxApplication application(argc, argv, varno::testing::IdleDialogs());
    return RUN_ALL_TESTS();
}
