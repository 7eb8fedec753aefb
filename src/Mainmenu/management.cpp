#include "management.h"
#include "ui_management.h"

#include "backupdialog.h"
#include "buttonstyle.h"
#include "configuration.h"
#include "firmwareupdate.h"
#include "screenfont.h"

namespace {
// Three columns beside the home button: a little smaller than the main menu.
constexpr int MenuTextPixelSize = 17;
constexpr int MinMenuTextPixelSize = 13;

struct MenuIcon
{
    const char *object;
    const char *icon;
};
const MenuIcon menuIcons[] = {
    {"butMeasurements", "Measurements"},   {"butDatatransmission", "Datatransmission"},
    {"butDeviceConfig", "Deviceconfig"},   {"butFirmwareupdate", "Firmwareupdate"},
    {"butGps", "Gps"},                     {"butSystemsettings", "Systemsettings"},
};
} // namespace

Management::Management(QWidget *parent) : QWidget(parent), ui(new Ui::Management)
{
    ui->setupUi(this);
    for (const MenuIcon &entry : menuIcons) {
        if (auto *button = findChild<QWidget *>(QLatin1String(entry.object))) {
            button->setStyleSheet(ButtonStyle::menuButton(QStringLiteral("Management"), QLatin1String(entry.icon)));
            setScreenFont({button}, MenuTextPixelSize);
        }
    }
    ui->butMenuBack->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Home"), 44));
}

Management::~Management()
{
    delete ui;
}

void Management::init()
{
    ui->butMeasurements->setText(tr("Measurements", "Measurements"));
    ui->butDatatransmission->setText(tr("Datatransmission", "Data transfer"));
    ui->butDeviceConfig->setText(tr("RM-3", "RM-3"));
    ui->butFirmwareupdate->setText(tr("Update", "Update"));
    ui->butGps->setText(tr("GPS", "GPS"));
    ui->butSystemsettings->setText(tr("Settings", "Settings"));
    for (const MenuIcon &entry : menuIcons) {
        if (auto *button = findChild<QWidget *>(QLatin1String(entry.object)))
            shrinkToFit(button, MenuTextPixelSize, MinMenuTextPixelSize);
    }
    ui->butMenuBack->setToolTip(tr("Mainmenu", "Main menu"));
    ui->widgetStatus->init(ui->widgetStatus->width(), ui->widgetStatus->height());
}

void Management::on_butMeasurements_clicked()
{
    emit gotoWidget(7, 1, 0);
}

void Management::on_butSystemsettings_clicked()
{
    emit gotoWidget(5, 1, 0);
}

void Management::on_butGps_clicked()
{
    emit gotoWidget(10, -1, 0);
}

void Management::on_butMenuBack_clicked()
{
    emit gotoWidget(0, -1, 0);
}

void Management::on_butDeviceConfig_clicked()
{
    m_configuration = new Configuration(this);
    m_configuration->exec();
    delete m_configuration;
    m_configuration = nullptr;
    emit gotoWidget(0, -1, 0);
}

void Management::on_butDatatransmission_clicked()
{
    BackupDialog dialog(this);
    dialog.exec();
}

void Management::on_butFirmwareupdate_clicked()
{
    Firmwareupdate dialog(this);
    dialog.exec();
}
