#include "headphones.h"
#include "control.h"

#include <QtGlobal>

namespace {
// About one of the handheld's 16 volume steps.
constexpr int VolumeStep = 7;
}

Headphones::Headphones(BtEventLog *log, QObject *parent)
    : BtPeer("00:1b:66:0a:21:5c", "Headset HS-1", "240404", parent), m_log(log)
{
}

void Headphones::addCommands(Control &control)
{
    control.add({QStringLiteral("headphones"), QStringLiteral("battery PCT | volume PCT"),
                 QStringLiteral("the Bluetooth headphones: battery charge they report over hands-free; "
                                "volume changed with their own keys (notified over AVRCP when registered)"),
                 [this](const QStringList &args) {
                     bool ok = false;
                     const int value = args.value(1).toInt(&ok);
                     const QString what = args.value(0).toLower();
                     if (args.size() != 2 || !ok || value < 0 || value > 100
                         || (what != QLatin1String("battery") && what != QLatin1String("volume")))
                         return QStringLiteral("usage: headphones battery|volume 0..100");
                     if (what == QLatin1String("battery")) {
                         m_battery = value;
                         m_log->add("headphones", "battery " + QByteArray::number(value) + " %");
                     } else {
                         m_volume = value;
                         m_log->add("headphones", "volume keys: " + QByteArray::number(value) + " %");
                         emit volumeKeys(value);
                     }
                     return QString();
                 }});
}

void Headphones::setVolume(int percent)
{
    m_volume = qBound(0, percent, 100);
    m_log->add("headphones", "volume set to " + QByteArray::number(m_volume) + " %");
}

void Headphones::stepVolume(int steps)
{
    setVolume(m_volume + steps * VolumeStep);
}

int Headphones::batteryLevel() const
{
    return qBound(0, m_battery / 10 - 1, 9);
}

QString Headphones::stateText() const
{
    return QStringLiteral("headphones %1 \"%2\": %3, volume %4 %, battery %5 %\n")
        .arg(QString::fromLatin1(address()), QString::fromLatin1(name()),
             inRange() ? QStringLiteral("in range") : QStringLiteral("out of range"))
        .arg(m_volume)
        .arg(m_battery);
}
