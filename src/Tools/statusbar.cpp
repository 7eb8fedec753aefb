#include "statusbar.h"
#include "driverhelper.h"
#include "gpio.h"
#include "mainmenu.h"
#include "systemsettings.h"

#include <QDebug>
#include <QPainter>

namespace {
constexpr int TickMs = 2000;
constexpr int TickSeconds = TickMs / 1000;
// A time of 0 or less means "never": three days is longer than any battery lasts.
constexpr int NeverSeconds = 259200;
constexpr unsigned DebugLedLine = 115;
constexpr unsigned WiredSensorLine = 48;
constexpr int WiredSensorType = 4;
const char *const backlightFile = "/sys/class/backlight/backlight/brightness";

Systemsettings *settings()
{
    MainMenu *main = MainMenu::getInstanceMainMenu();
    return main ? main->getInstanceSystemsettings() : nullptr;
}
} // namespace

Statusbardata::Statusbardata(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(TickMs);
    connect(&m_timer, &QTimer::timeout, this, &Statusbardata::update);
    m_timer.start();
}

void Statusbardata::init()
{
    m_stateHeadphone = m_stateMicrophone = false;
    m_sensorType = 0;
    m_batteryMicrophone = -1;
    loadPowerSavingTimes();
    m_powerSavingActive = false;
    if (Systemsettings *s = settings())
        DriverHelper::writeFile(QString::fromLatin1(backlightFile), s->getBrightness());
}

void Statusbardata::loadPowerSavingTimes()
{
    Systemsettings *s = settings();
    const int powerOff = s ? s->getPowerOffTime() : 3600;
    const int displayOff = s ? s->getDisplayOffTime() : 600;
    m_powerOffCnt = powerOff > 0 ? powerOff : NeverSeconds;
    m_backlightOffCnt = displayOff > 0 ? displayOff : NeverSeconds;
}

void Statusbardata::resetPowerSavingCnt()
{
    loadPowerSavingTimes();
    if (m_powerSavingActive) {
        Systemsettings *s = settings();
        DriverHelper::writeFile(QString::fromLatin1(backlightFile), s ? s->getBrightness() : 6);
    }
    m_powerSavingActive = false;
}

void Statusbardata::switchOffDbgLed()
{
    Gpio::setValue(DebugLedLine, 0);
}

void Statusbardata::update()
{
    Gpio::setValue(DebugLedLine, 1);
    QTimer::singleShot(100, this, &Statusbardata::switchOffDbgLed);

    if (Gpio::getValue(WiredSensorLine)) {
        m_sensorType = WiredSensorType;
        m_micSensorConnected = 1;
    } else if (m_sensorType == WiredSensorType) {
        m_sensorType = 0;
        m_micSensorConnected = 0;
    }

    m_powerOffCnt -= TickSeconds;
    if (m_powerOffCnt < 1) {
        qDebug() << "Power-Off device";
        if (MainMenu *main = MainMenu::getInstanceMainMenu())
            main->beforePowerDown();
    }
    m_backlightOffCnt -= TickSeconds;
    if (m_backlightOffCnt <= 0) {
        qDebug() << "Backlight off";
        DriverHelper::writeFile(QString::fromLatin1(backlightFile), QByteArrayLiteral("0"));
        m_powerSavingActive = true;
    }
}

Statusbardata &StatusbarData()
{
    static Statusbardata data;
    return data;
}

Statusbar::Statusbar(QWidget *parent) : QWidget(parent) {}

void Statusbar::init(int width, int height)
{
    setFixedSize(width, height);
}

void Statusbar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
}
