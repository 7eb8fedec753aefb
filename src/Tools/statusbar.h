#ifndef STATUSBAR_H
#define STATUSBAR_H

#include <QImage>
#include <QObject>
#include <QTimer>
#include <QWidget>

class BatteryState;

// The process-wide state behind every status bar and the housekeeping
// ticks. So far: the power-saving counters with the backlight, the debug
// LED heartbeat and the wired sensor on GPIO 48. The Bluetooth, battery
// warning and alert parts arrive with the status bar work.
class Statusbardata : public QObject
{
    Q_OBJECT
public:
    explicit Statusbardata(QObject *parent = nullptr);

    void init();

    int sensorType() const { return m_sensorType; }
    int micSensorConnected() const { return m_micSensorConnected; }
    bool stateHeadphone() const { return m_stateHeadphone; }
    bool stateMicrophone() const { return m_stateMicrophone; }
    int batteryVoltageMic() const { return m_batteryVoltageMic; }
    int batteryMicrophone() const { return m_batteryMicrophone; }
    bool isPowerSavingActive() const { return m_powerSavingActive; }
    void resetPowerSavingCnt();

public slots:
    void switchOffDbgLed();

private slots:
    void update();

private:
    void loadPowerSavingTimes();

    QTimer m_timer;
    bool m_stateHeadphone = false;
    bool m_stateMicrophone = false;
    int m_batteryMicrophone = -1;
    int m_batteryVoltageMic = 0;
    int m_sensorType = 0;
    int m_micSensorConnected = 0;
    int m_powerOffCnt = 3600;
    int m_backlightOffCnt = 600;
    bool m_powerSavingActive = false;
};

// The one status data object, created on first use.
Statusbardata &StatusbarData();

// The 20-pixel bar at the top of every screen. So far it only reserves
// its place; the picture arrives with the status bar work.
class Statusbar : public QWidget
{
    Q_OBJECT
public:
    explicit Statusbar(QWidget *parent = nullptr);
    void init(int width, int height);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // STATUSBAR_H
