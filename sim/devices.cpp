#include "devices.h"
#include "control.h"
#include "simroot.h"

#include <QFileInfo>

#include <cmath>
#include <cstdio>

namespace {

const char *chargerText(const QString &state)
{
    if (state == QLatin1String("charging"))
        return "Charging\n";
    if (state == QLatin1String("full"))
        return "Full\n";
    if (state == QLatin1String("discharging"))
        return "Discharging\n";
    return nullptr;
}

} // namespace

void BoardDevices::addCommands(Control &control)
{
    control.add({QStringLiteral("state"), QString(),
                 QStringLiteral("print the board's outputs as the program left them (backlight, GPIO lines)"),
                 [this](const QStringList &) {
                     std::fputs(stateText().toLocal8Bit().constData(), stdout);
                     std::fflush(stdout);
                     return QString();
                 }});
    control.add({QStringLiteral("battery"),
                 QStringLiteral("PERCENT VOLTS [charging|discharging|full] [MILLIAMPS]"),
                 QStringLiteral("fuel gauge charge and voltage, charger state, battery current"),
                 [this](const QStringList &args) {
                     bool okP = false, okV = false, okI = true;
                     const int percent = args.value(0).toInt(&okP);
                     const double volts = args.value(1).toDouble(&okV);
                     const QString charger = args.value(2, QStringLiteral("discharging")).toLower();
                     const int milliamps = args.size() > 3 ? args.at(3).toInt(&okI) : -250;
                     if (args.size() < 2 || args.size() > 4 || !okP || !okV || !okI)
                         return QStringLiteral("usage: battery PERCENT VOLTS [charging|discharging|full] [MILLIAMPS]");
                     return setBattery(percent, volts, charger, milliamps);
                 }});
    control.add({QStringLiteral("wired"), QStringLiteral("on|off"),
                 QStringLiteral("plug the wired sensor into the unit's own input (GPIO 48) or pull it"),
                 [this](const QStringList &args) {
                     const QString state = args.value(0).toLower();
                     if (args.size() != 1 || (state != QLatin1String("on") && state != QLatin1String("off")))
                         return QStringLiteral("usage: wired on|off");
                     return setWiredSensor(state == QLatin1String("on"));
                 }});
    control.add({QStringLiteral("usb"), QStringLiteral("put FILE [NAME]"),
                 QStringLiteral("the PC copies FILE onto the data partition as NAME (FILE's name); only while "
                                "the USB gadget exports it"),
                 [this](const QStringList &args) {
                     if (args.size() < 2 || args.size() > 3 || args.first().toLower() != QLatin1String("put"))
                         return QStringLiteral("usage: usb put FILE [NAME]");
                     return SimRoot::usbPut(m_root, args.at(1), args.value(2, QFileInfo(args.at(1)).fileName()));
                 }});
}

QString BoardDevices::setBattery(int percent, double volts, const QString &charger, int milliamps)
{
    if (percent < 0 || percent > 100)
        return QStringLiteral("percent must be 0 to 100");
    if (!std::isfinite(volts) || volts < 0.0 || volts > 5.0)
        return QStringLiteral("volts must be 0 to 5");
    const char *status = chargerText(charger);
    if (!status)
        return QStringLiteral("charger state must be charging, discharging or full");
    const QString gauge = QStringLiteral("/sys/class/power_supply/bq27426-0/");
    const bool ok = SimRoot::writeState(m_root, gauge + QLatin1String("capacity"), QByteArray::number(percent) + '\n')
        && SimRoot::writeState(m_root, gauge + QLatin1String("voltage_now"),
                               QByteArray::number(qRound64(volts * 1e6)) + '\n')
        && SimRoot::writeState(m_root, gauge + QLatin1String("current_now"),
                               QByteArray::number(qint64(milliamps) * 1000) + '\n')
        && SimRoot::writeState(m_root, QStringLiteral("/sys/class/power_supply/bq24190-battery/status"), status);
    return ok ? QString() : QStringLiteral("cannot write the fuel-gauge files");
}

QString BoardDevices::stateText() const
{
    auto value = [this](const QString &path) {
        return QString::fromLatin1(SimRoot::readState(m_root, path).trimmed());
    };
    QString text = QStringLiteral("backlight %1\n").arg(value(QStringLiteral("/sys/class/backlight/backlight/brightness")));
    for (int line : SimRoot::gpioLines()) {
        const QString base = QStringLiteral("/sys/class/gpio/gpio%1/").arg(line);
        text += QStringLiteral("gpio%1 %2 %3\n").arg(line).arg(value(base + QLatin1String("direction")),
                                                              value(base + QLatin1String("value")));
    }
    return text;
}

QString BoardDevices::setWiredSensor(bool plugged)
{
    const bool ok = SimRoot::writeState(m_root, QStringLiteral("/sys/class/gpio/gpio48/value"),
                                        plugged ? "1\n" : "0\n");
    return ok ? QString() : QStringLiteral("cannot write GPIO 48");
}
