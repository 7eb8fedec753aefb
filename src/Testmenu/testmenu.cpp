#include "testmenu.h"
#include "ui_testmenu.h"

TestMenu::TestMenu(QWidget *parent) : ServiceDialog(parent), ui(new Ui::TestMenu)
{
    ui->setupUi(this);
    ui->labelInfo->setText(tr("ServiceMenuNotAvailable", "The functions of this service menu are not available in this version."));
    ui->butClose->setText(tr("Close", "Close"));
}

TestMenu::~TestMenu()
{
    delete ui;
}

void TestMenu::on_butClose_clicked()
{
    reject();
}
