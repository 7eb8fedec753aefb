#include "batterystate.h"
#include "driverhelper.h"

namespace {
const char *const capacityFile = "/sys/class/power_supply/bq27426-0/capacity";
const char *const voltageFile = "/sys/class/power_supply/bq27426-0/voltage_now";
const char *const currentFile = "/sys/class/power_supply/bq27426-0/current_now";
const char *const temperatureFile = "/sys/class/power_supply/bq27426-0/temp";
const char *const chargerFile = "/sys/class/power_supply/bq24190-battery/status";
} // namespace

BatteryState::BatteryState(QObject *parent) : QObject(parent) {}

bool BatteryState::readText(const char *devicePath, QByteArray *text)
{
    char buffer[33];
    int count = 0;
    if (!DriverHelper::readFile(QString::fromLatin1(devicePath), buffer, 32, &count))
        return false;
    *text = QByteArray(buffer, count).toLower().trimmed();
    return true;
}

int BatteryState::fuelPercent()
{
    double v = 0;
    if (readNumber(capacityFile, &v))
        m_battFuelPercent = int(v);
    return m_battFuelPercent;
}

bool BatteryState::isCharging()
{
    QByteArray text;
    if (readText(chargerFile, &text))
        m_charging = text == "charging";
    return m_charging;
}

float BatteryState::voltage()
{
    double v = 0;
    if (readNumber(voltageFile, &v))
        m_voltage = float(v / 1e6);
    return m_voltage;
}

float BatteryState::current()
{
    double v = 0;
    if (readNumber(currentFile, &v))
        m_current = float(v / 1e6);
    return m_current;
}

bool BatteryState::temperature(float *celsius)
{
    double tenths = 0;
    if (!readNumber(temperatureFile, &tenths))
        return false;
    m_temperature = float(tenths / 10.0);
    *celsius = m_temperature;
    return true;
}

bool BatteryState::readNumber(const char *devicePath, double *value)
{
    QByteArray text;
    bool ok = false;
    if (!readText(devicePath, &text))
        return false;
    // Whole numbers only, within the range any gauge reports.
    const qint64 v = text.toLongLong(&ok);
    if (!ok || v < -1000000000LL || v > 1000000000LL)
        return false;
    *value = double(v);
    return true;
}
