#include "debugmenu.h"
#include "ui_debugmenu.h"

DebugMenu::DebugMenu(QWidget *parent) : ServiceDialog(parent), ui(new Ui::DebugMenu)
{
    ui->setupUi(this);
    ui->labelInfo->setText(tr("ServiceMenuNotAvailable", "The functions of this service menu are not available in this version."));
    ui->butClose->setText(tr("Close", "Close"));
}

DebugMenu::~DebugMenu()
{
    delete ui;
}

void DebugMenu::on_butClose_clicked()
{
    reject();
}
