// Filling and closing the about window.
#include "Unit4.h"

#include <QShowEvent>

#include "platform/ErrorBox.h"
#include "ui_Unit4.h"

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TAboutForm>()) {
    ui->setupUi(this);
    connect(ui->AboutButton, &QPushButton::clicked, this,
            [this] { varno::RunHandler([this] { AboutButtonClick(); }); });
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TAboutForm::FormActivate() {
    ui->AboutLabel3->setText(
        QStringLiteral("Copyright \u00A9 2026\nThe Varno Image Creator developers"));
    ui->AboutLabel5->setText(
        QStringLiteral("For further information please see https://varno.example.org."));
}

void TAboutForm::AboutButtonClick() {
    close();
}
