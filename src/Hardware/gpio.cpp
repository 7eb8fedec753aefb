#include "gpio.h"
#include "driverhelper.h"

#include <QDebug>

namespace {

QString linePath(unsigned gpio, const char *file)
{
    return QStringLiteral("/sys/class/gpio/gpio%1/%2").arg(gpio).arg(QLatin1String(file));
}

struct LineSetup
{
    unsigned gpio;
    bool exported;
    bool output;
    int value; // written for outputs and for line 48
    bool writeValue;
};

// Order matters on the board: the enable lines come up before the
// serial-port routing and the audio path.
constexpr LineSetup lineTable[] = {
    {58, true, true, 0, true},    // DTR of the Bluetooth modules
    {59, true, false, 0, false},  // Bluetooth carrier detect
    {114, true, true, 1, true},   // board enable
    {96, true, true, 1, true},    // board enable
    {54, true, true, 1, true},    // board enable
    {48, true, false, 0, true},   // wired sensor input
};

constexpr LineSetup lineTableAfterPwm[] = {
    {113, false, true, 0, true},
    {65, true, true, 0, true},    // serial-port routing, with 50
    {50, true, true, 0, true},    // serial-port routing, with 65
    {17, true, true, 1, true},    // audio path: 1 audible
    {115, true, true, 0, true},   // debug LED
    {16, true, true, 1, true},    // GPS receiver power
};

void setUp(const LineSetup &line)
{
    if (line.exported)
        Gpio::exportLine(line.gpio);
    Gpio::setDirection(line.gpio, line.output ? 1 : 0);
    if (line.writeValue)
        Gpio::setValue(line.gpio, line.value);
}

} // namespace

void Gpio::init()
{
    qDebug() << "Init GPIO-Pins";
    for (const LineSetup &line : lineTable)
        setUp(line);
    DriverHelper::writeFile(QStringLiteral("/sys/class/pwm/pwmchip1/export"), QByteArrayLiteral("0"));
    for (const LineSetup &line : lineTableAfterPwm)
        setUp(line);
}

bool Gpio::exportLine(unsigned gpio)
{
    return DriverHelper::writeFile(QStringLiteral("/sys/class/gpio/export"), int(gpio));
}

bool Gpio::setDirection(unsigned gpio, int out)
{
    return DriverHelper::writeFile(linePath(gpio, "direction"),
                                   out ? QByteArrayLiteral("out") : QByteArrayLiteral("in"));
}

bool Gpio::setValue(unsigned gpio, int value)
{
    return DriverHelper::writeFile(linePath(gpio, "value"),
                                   value ? QByteArrayLiteral("1") : QByteArrayLiteral("0"));
}

bool Gpio::getValue(unsigned gpio)
{
    char c = '0';
    int count = 0;
    if (!DriverHelper::readFile(linePath(gpio, "value"), &c, 1, &count) || count != 1)
        return false;
    return c != '0';
}
