#include "selectswitchmode.h"
#include "ui_selectswitchmode.h"

#include "screenfont.h"

#include <QDebug>
#include <QIcon>

namespace {

const char *const kSwitch = "Switch";
const char *const kPushButton = "Push-Button";

constexpr int kTitlePixelSize = 22;
constexpr int kButtonPixelSize = 20;
constexpr int kSmallButtonPixelSize = 17;
constexpr int kPicturePx = 100;

} // namespace

SelectSwitchmode::SelectSwitchmode(QWidget *parent) : ServiceDialog(parent, false), ui(new Ui::SelectSwitchmode)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setScreenFont({ui->labelTitle}, kTitlePixelSize, true);
    setScreenFont({ui->butSwitch, ui->butPushButton}, kButtonPixelSize, true);
    setScreenFont({ui->butAccept, ui->butClose}, kSmallButtonPixelSize);
    ui->butSwitch->setCheckable(true);
    ui->butPushButton->setCheckable(true);
    ui->butSwitchSelect->setIconSize(QSize(kPicturePx, kPicturePx));

    ui->labelTitle->setText(tr("ModeOfMutingButton", "Mode of the mute key"));
    ui->butSwitch->setText(tr("Switch", "Switch"));
    ui->butPushButton->setText(tr("PushButton", "Push button"));
    for (QPushButton *button : {ui->butSwitch, ui->butPushButton})
        shrinkToFit(button, kButtonPixelSize, kSmallButtonPixelSize - 2);
    ui->butAccept->setText(tr("Accept", "Accept"));
    ui->butClose->setText(tr("Cancel", "Cancel"));
    init(QLatin1String(kSwitch));
}

SelectSwitchmode::~SelectSwitchmode()
{
    delete ui;
}

void SelectSwitchmode::init(const QString &mode)
{
    select(mode);
    (isSwitch() ? ui->butSwitch : ui->butPushButton)->setFocus();
}

bool SelectSwitchmode::isSwitch() const
{
    return m_switchmode == QLatin1String(kSwitch);
}

void SelectSwitchmode::select(const QString &mode)
{
    // Anything but the latching mode is the push button, as the settings read it.
    m_switchmode = QLatin1String(mode == QLatin1String(kSwitch) ? kSwitch : kPushButton);
    ui->butSwitch->setChecked(isSwitch());
    ui->butPushButton->setChecked(!isSwitch());
    ui->butSwitchSelect->setIcon(QIcon(QStringLiteral(":/Resources/Icons/Management/Systemsettings/Switchmode%1_ws_100px.png")
                                           .arg(isSwitch() ? QStringLiteral("Switch") : QStringLiteral("PushButton"))));
}

void SelectSwitchmode::on_butSwitch_clicked()
{
    select(QLatin1String(kSwitch));
}

void SelectSwitchmode::on_butPushButton_clicked()
{
    select(QLatin1String(kPushButton));
}

void SelectSwitchmode::on_butSwitchSelect_clicked()
{
    select(QLatin1String(isSwitch() ? kPushButton : kSwitch));
}

void SelectSwitchmode::on_butAccept_clicked()
{
    qDebug() << "SelectSwitchmode: accepted" << m_switchmode;
    accept();
}

void SelectSwitchmode::on_butClose_clicked()
{
    reject();
}
