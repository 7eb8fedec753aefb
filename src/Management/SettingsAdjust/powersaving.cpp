#include "powersaving.h"
#include "ui_powersaving.h"

#include "screenfont.h"

#include <QDebug>

namespace {

constexpr int kTitlePixelSize = 24;
constexpr int kGroupPixelSize = 19;
constexpr int kButtonPixelSize = 18;
constexpr int kMinButtonPixelSize = 14;
constexpr int kPositions = 6;

// In the order of the buttons and the switch positions; 0 is never.
constexpr int kPowerOffTimes[kPositions] = {600, 1800, 3600, 7200, 10800, 0};
constexpr int kBacklightOffTimes[kPositions] = {30, 60, 300, 600, 1800, 0};
// Where a time outside the lists lands: 1 h and 10 min.
constexpr int kPowerOffFallback = 2;
constexpr int kBacklightOffFallback = 3;

int indexOf(const int (&times)[kPositions], int seconds, int fallback)
{
    for (int i = 0; i < kPositions; ++i) {
        if (times[i] == seconds)
            return i;
    }
    return fallback;
}

QString timeText(int seconds)
{
    if (seconds == 0)
        return PowerSaving::tr("never", "never");
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    if (seconds < 3600)
        return QStringLiteral("%1 min").arg(seconds / 60);
    return QStringLiteral("%1 h").arg(seconds / 3600);
}

QString switchImage(int index)
{
    return QStringLiteral("QPushButton { padding: 0px; image: url(:/Resources/Icons/Management/Systemsettings/"
                          "Radioswitch_pos%1_6x38px.png); }")
        .arg(index + 1);
}

// The chosen button stays lit, so the choice reads at a glance beside the switch.

} // namespace

PowerSaving::PowerSaving(QWidget *parent) : ServiceDialog(parent, false), ui(new Ui::PowerSaving)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setScreenFont({ui->labelTitle}, kTitlePixelSize, true);
    setScreenFont({ui->labelPowerOff, ui->labelBacklightOff}, kGroupPixelSize);
    ui->labelTitle->setText(tr("PowerSaving", "Power saving"));
    ui->labelPowerOff->setText(tr("PowerOff", "Power off"));
    ui->labelBacklightOff->setText(tr("BacklightOff", "Backlight off"));

    const QList<QPushButton *> power = {ui->butPow_1, ui->butPow_2, ui->butPow_3,
                                        ui->butPow_4, ui->butPow_5, ui->butPow_6};
    const QList<QPushButton *> backlight = {ui->butBl_1, ui->butBl_2, ui->butBl_3,
                                            ui->butBl_4, ui->butBl_5, ui->butBl_6};
    for (int i = 0; i < kPositions; ++i) {
        power[i]->setText(timeText(kPowerOffTimes[i]));
        backlight[i]->setText(timeText(kBacklightOffTimes[i]));
        power[i]->setCheckable(true);
        backlight[i]->setCheckable(true);
        setScreenFont({power[i], backlight[i]}, kButtonPixelSize);
    }
    setScreenFont({ui->butAccept, ui->butClose}, kButtonPixelSize);
    for (int i = 0; i < 6; ++i) {
        shrinkToFit(power[i], kButtonPixelSize, kMinButtonPixelSize);
        shrinkToFit(backlight[i], kButtonPixelSize, kMinButtonPixelSize);
    }
    ui->butAccept->setText(tr("Accept", "Accept"));
    ui->butClose->setText(tr("Cancel", "Cancel"));
    init(m_powerOffTime, m_backlightOffTime);
}

PowerSaving::~PowerSaving()
{
    delete ui;
}

void PowerSaving::init(int powerOffTime, int backlightOffTime)
{
    m_powerOffTime = powerOffTime;
    m_backlightOffTime = backlightOffTime;
    updateStylesheetPower();
    updateStylesheetBacklight();
}

int PowerSaving::getPowerOffTime(QString *text)
{
    const int seconds = kPowerOffTimes[indexOf(kPowerOffTimes, m_powerOffTime, kPowerOffFallback)];
    if (text)
        *text = timeText(seconds);
    return seconds;
}

int PowerSaving::getBacklightOffTime(QString *text)
{
    const int seconds = kBacklightOffTimes[indexOf(kBacklightOffTimes, m_backlightOffTime, kBacklightOffFallback)];
    if (text)
        *text = timeText(seconds);
    return seconds;
}

void PowerSaving::setPowerOffTime(int seconds)
{
    m_powerOffTime = seconds;
    updateStylesheetPower();
}

void PowerSaving::setBacklightOffTime(int seconds)
{
    m_backlightOffTime = seconds;
    updateStylesheetBacklight();
}

void PowerSaving::on_butPow_1_clicked() { setPowerOffTime(kPowerOffTimes[0]); }
void PowerSaving::on_butPow_2_clicked() { setPowerOffTime(kPowerOffTimes[1]); }
void PowerSaving::on_butPow_3_clicked() { setPowerOffTime(kPowerOffTimes[2]); }
void PowerSaving::on_butPow_4_clicked() { setPowerOffTime(kPowerOffTimes[3]); }
void PowerSaving::on_butPow_5_clicked() { setPowerOffTime(kPowerOffTimes[4]); }
void PowerSaving::on_butPow_6_clicked() { setPowerOffTime(kPowerOffTimes[5]); }
void PowerSaving::on_butBl_1_clicked() { setBacklightOffTime(kBacklightOffTimes[0]); }
void PowerSaving::on_butBl_2_clicked() { setBacklightOffTime(kBacklightOffTimes[1]); }
void PowerSaving::on_butBl_3_clicked() { setBacklightOffTime(kBacklightOffTimes[2]); }
void PowerSaving::on_butBl_4_clicked() { setBacklightOffTime(kBacklightOffTimes[3]); }
void PowerSaving::on_butBl_5_clicked() { setBacklightOffTime(kBacklightOffTimes[4]); }
void PowerSaving::on_butBl_6_clicked() { setBacklightOffTime(kBacklightOffTimes[5]); }

void PowerSaving::on_butSwitchPower_clicked()
{
    const int i = indexOf(kPowerOffTimes, m_powerOffTime, -1);
    // A time outside the list steps to 1 h, like the one it is shown as.
    setPowerOffTime(i < 0 ? kPowerOffTimes[kPowerOffFallback] : kPowerOffTimes[(i + 1) % kPositions]);
}

void PowerSaving::on_butSwitchBacklight_clicked()
{
    const int i = indexOf(kBacklightOffTimes, m_backlightOffTime, -1);
    setBacklightOffTime(i < 0 ? kBacklightOffTimes[kBacklightOffFallback]
                              : kBacklightOffTimes[(i + 1) % kPositions]);
}

void PowerSaving::updateStylesheetPower()
{
    const int i = indexOf(kPowerOffTimes, m_powerOffTime, kPowerOffFallback);
    m_powerOffTime = kPowerOffTimes[i];
    ui->butSwitchPower->setStyleSheet(switchImage(i));
    const QList<QPushButton *> buttons = {ui->butPow_1, ui->butPow_2, ui->butPow_3,
                                          ui->butPow_4, ui->butPow_5, ui->butPow_6};
    for (int b = 0; b < kPositions; ++b)
        buttons[b]->setChecked(b == i);
}

void PowerSaving::updateStylesheetBacklight()
{
    const int i = indexOf(kBacklightOffTimes, m_backlightOffTime, kBacklightOffFallback);
    m_backlightOffTime = kBacklightOffTimes[i];
    ui->butSwitchBacklight->setStyleSheet(switchImage(i));
    const QList<QPushButton *> buttons = {ui->butBl_1, ui->butBl_2, ui->butBl_3,
                                          ui->butBl_4, ui->butBl_5, ui->butBl_6};
    for (int b = 0; b < kPositions; ++b)
        buttons[b]->setChecked(b == i);
}

void PowerSaving::on_butAccept_clicked()
{
    qDebug() << "PowerSaving: accepted" << m_powerOffTime << m_backlightOffTime;
    accept();
}

void PowerSaving::on_butClose_clicked()
{
    reject();
}
