#include "resetsettings.h"
#include "ui_resetsettings.h"

#include "messagedialog.h"
#include "screenfont.h"

#include <QDebug>
#include <QPixmap>

namespace {

constexpr int kTitlePixelSize = 24;
constexpr int kTextPixelSize = 20;
constexpr int kButtonPixelSize = 18;

} // namespace

ResetSettings::ResetSettings(QWidget *parent) : ServiceDialog(parent, false), ui(new Ui::ResetSettings)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    ui->labelIcon->setPixmap(QPixmap(QStringLiteral(":/Resources/Icons/Tools/Messagedialog/Warning.png")));
    setScreenFont({ui->labelTitle}, kTitlePixelSize, true);
    setScreenFont({ui->labelInfotext}, kTextPixelSize);
    setScreenFont({ui->butReset, ui->butMenuBack}, kButtonPixelSize);

    ui->labelTitle->setText(tr("ResetToDeliveryState", "Reset to delivery state"));
    ui->labelInfotext->setText(tr("ResetToDeliveryStateInfo",
                                  "Reset to delivery state.\nAll settings (e.g. language,\npaired bluetooth devices) "
                                  "will be reseted.\nStored measurements will not be deleted."));
    ui->butReset->setText(tr("Reset", "Reset"));
    ui->butMenuBack->setText(tr("Back", "Back"));
    shrinkToFit(ui->labelInfotext, kTextPixelSize, kButtonPixelSize - 4);
    // The harmless way out has the focus.
    ui->butMenuBack->setFocus();
}

ResetSettings::~ResetSettings()
{
    delete ui;
}

void ResetSettings::on_butReset_clicked()
{
    MessageDialog question(this);
    question.setIcon(1);
    question.setHeadline(tr("Warning", "Warning"));
    question.setInfotext(tr("DoYouReallyWantToResetAllSettings", "Do you really want to reset all settings?"));
    question.setDialogType(2);
    // Cannot be undone: Enter alone must not do it.
    question.setFocusedButton(MessageDialog::No);
    question.exec();
    switch (question.getPressedButton()) {
    case MessageDialog::Yes:
        qDebug() << "Messagedialog Button Yes";
        accept();
        break;
    case MessageDialog::No:
        qDebug() << "Messagedialog Button No";
        reject();
        break;
    default:
        // Closed another way: the operator stays here to decide.
        qDebug() << "Messagedialog Button Unknown";
        break;
    }
}

void ResetSettings::on_butMenuBack_clicked()
{
    reject();
}
