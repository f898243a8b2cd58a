// Fitting, filling and closing the welcome window.
#include "Unit3.h"

#include <QShowEvent>

#include "Unit2/WelcomeLayout.h"
#include "Unit2/WindowFitting.h"
#include "WindowGeometry.h"
#include "platform/ErrorBox.h"
#include "ui_Unit3.h"

namespace {

// Two sentences: what the program does, and the safety warning ("familar" as the program has
// always spelt it).
QString Greeting() {
    return QStringLiteral("This software creates a cropped and annotated ") +
           QStringLiteral("image ") + QStringLiteral("of the Sun. ") +
           QStringLiteral("You should never look at the Sun with the naked eye or ") +
           QStringLiteral("with any optical instrument unless you are familar with ") +
           QStringLiteral("safe solar observing methods.");
}

}  // namespace

TForm3::TForm3(QWidget* parent, const WelcomeSizes& sizes, bool& skipWelcome)
    : QDialog(parent),
      ui(std::make_unique<Ui::TForm3>()),
      sizes_(sizes),
      skipWelcome_(skipWelcome) {
    ui->setupUi(this);
    connect(ui->IntroButton, &QPushButton::clicked, this,
            [this] { varno::RunHandler([this] { IntroButtonClick(); }); });
}

TForm3::~TForm3() = default;

void TForm3::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TForm3::FormActivate() {
    const varno::WindowFit fit =
        varno::FitMainWindow(varno::BorderedSize(sizes_.XSize, sizes_.BorderWidth),
                             varno::BorderedSize(sizes_.YSize, sizes_.BorderWidth),
                             sizes_.ScreenWidth, sizes_.ScreenHeight);
    ApplyWindowFit(*this, *ui->FormScrollArea, fit);
    ui->WelcomeCheckBox->setChecked(skipWelcome_);
    ui->Label1->setText(QStringLiteral("Welcome to Varno Image Creator v1.0"));
    ui->Label1->adjustSize();
    const varno::WelcomePlacement place =
        varno::PlaceWelcomeControls(width(), ui->IntroButton->width(), ui->Label1->width());
    ui->Panel1->resize(place.Panel1Width, ui->Panel1->height());
    ui->IntroButton->move(place.IntroButtonLeft, ui->IntroButton->y());
    ui->Label1->move(place.Label1Left, ui->Label1->y());
    ui->Label2->setText(Greeting());
    ui->Label2->setGeometry(place.Label2Left, ui->Label2->y(), place.Label2Width,
                            ui->Label2->heightForWidth(place.Label2Width));
}

void TForm3::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TForm3::FormClose() {
    skipWelcome_ = ui->WelcomeCheckBox->isChecked();
}

void TForm3::IntroButtonClick() {
    close();
}
