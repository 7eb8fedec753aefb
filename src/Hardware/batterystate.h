#ifndef BATTERYSTATE_H
#define BATTERYSTATE_H

#include <QObject>

// The fuel gauge and the charger in sysfs. Each reading opens its file at
// the call; a file that cannot be read keeps the previous value.
class BatteryState : public QObject
{
    Q_OBJECT
public:
    explicit BatteryState(QObject *parent = nullptr);

    int fuelPercent();
    bool isCharging();
    float voltage(); // V
    float current(); // A
    // °C; false when the gauge's temperature file cannot be read.
    bool temperature(float *celsius);

private:
    static bool readText(const char *devicePath, QByteArray *text);
    static bool readNumber(const char *devicePath, double *value);

    int m_battFuelPercent = 0;
    bool m_charging = false;
    float m_voltage = 0;
    float m_current = 0;
    float m_temperature = 0;
};

#endif // BATTERYSTATE_H
