#ifndef DEVICES_H
#define DEVICES_H

#include <QString>

class Control;

// The board's own devices that live in sysfs: the battery with its fuel
// gauge and charger, and the wired sensor input on GPIO 48.
class BoardDevices
{
public:
    explicit BoardDevices(const QString &root) : m_root(root) {}

    void addCommands(Control &control);

    QString setBattery(int percent, double volts, const QString &charger, int milliamps);
    QString setWiredSensor(bool plugged);
    QString stateText() const;

private:
    QString m_root;
};

#endif // DEVICES_H
