#ifndef STATUSBAR_H
#define STATUSBAR_H

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

class AudioCodecSetup;
class BatteryState;
class Bluetooth;
class Gps;

// The process-wide state behind every status bar, and the housekeeping
// ticks: every 2 s the power-saving counters, the wired sensor and the
// sensor queries; every 30 s the main battery with its warning and the
// switch-off on an empty battery. It also turns the sensor's alerts into
// warnings for the operator.
class Statusbardata : public QObject
{
    Q_OBJECT
public:
    explicit Statusbardata(QObject *parent = nullptr);

    // Once, after the main window has made the device objects.
    void init();

    bool stateGps();
    bool stateHeadphone();
    bool stateMicrophone();
    bool stateMute();
    int batteryHL() const { return m_batteryHL; }
    bool batteryHLCharging() const { return m_batteryHLCharging; }
    int batteryMicrophone() const { return m_batteryMicrophone; }
    int batteryVoltageMic() const { return m_batteryVoltageMic; }
    int batteryHeadphone() const { return m_batteryHeadphone; }
    // Sensor types as the RM-3 reports them; the wired sensor is seen on
    // GPIO 48 instead.
    enum SensorType { SensorH2 = 3, SensorWired = 4, SensorUnknown = 5, SensorPressure = 6 };
    int sensorType() const { return m_sensorType; }
    bool isWiredSensor() const { return m_sensorType == SensorWired; }
    int micSensorConnected() const { return m_micSensorConnected; }
    bool isPowerSavingActive() const { return m_powerSavingActive; }
    void resetPowerSavingCnt();
    bool isLowBatteryWarningArmed() const { return m_displayAccuWarningPopup; }
    bool isAlertDialogBlocked() const { return m_messageVisible; }

    // Percentage of the sensor battery for its voltage; -1 outside the
    // range the sensor can report.
    static int sensorBatteryPercent(int millivolts);

    // Seconds of a power-saving time; 0 or less means "never".
    static int powerSavingSeconds(int setting);

public slots:
    void analyseAlert(const QString &a_alert);
    void enableDisplayMsgDlg();
    void btReceivedBattery(const QString &a_voltage);
    void btReceivedHeadphoneBatteryState(int a_batteryPercent);
    void btReceivedSensortype(const QString &a_type);
    void btConnected();
    void switchOffDbgLed();

private slots:
    void update();
    void rareUpdate();

private:
    void loadPowerSavingTimes();
    void writeBrightness();
    void sendToSensor(const QString &message);
    // A warning with the auto-close; returns the code it closed with.
    int showWarning(const QString &text, int autoCloseSeconds);
    void showLowBatteryWarning();

    // Guarded: the status data outlives any main window that made them.
    QPointer<Bluetooth> m_btSource;
    QPointer<Bluetooth> m_btSink;
    QPointer<AudioCodecSetup> m_audioCodec;
    QPointer<Gps> m_gpsModul;
    QTimer m_timer;
    QTimer m_longTimer;
    BatteryState *m_batteryState;
    bool m_stateGps = false;
    bool m_stateHeadphone = false;
    bool m_stateMicrophone = false;
    bool m_stateMute = true;
    int m_batteryHL = 0;
    bool m_batteryHLCharging = false;
    int m_batteryHeadphone = 0;
    int m_batteryMicrophone = -1;
    int m_batteryVoltageMic = 0;
    float m_voltage = 0;
    int m_sensorType = 0;
    QString m_swVersion;
    int m_micSensorConnected = 0;
    bool m_messageVisible = false;
    bool m_displayAccuWarningPopup = true;
    bool m_lowBatteryWarningOpen = false;
    int m_powerOffCnt = 3600;
    int m_backlightOffCnt = 600;
    bool m_powerSavingActive = false;
    bool m_initConnectHeadphone = true;
    int m_cntNextBatteryUpdate = 0;
};

// The one status data object, created on first use.
Statusbardata &StatusbarData();

// The 20-pixel bar at the top of every screen: a passive painter of what
// the status data holds, redrawn off-screen once a second.
class Statusbar : public QWidget
{
    Q_OBJECT
public:
    explicit Statusbar(QWidget *parent = nullptr);

    void init(int width, int height);
    const QImage &picture() const { return image; }

    // The battery gauge: outline, cap and a green fill of percent.
    static void drawAccu(QPainter &painter, const QRect &rect, int percent);

public slots:
    void updateTime();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void readState();
    void draw();
    void drawIcon(QPainter &painter, int x, const QString &name);

    QTimer m_updateTime;
    QImage image;
    bool m_displayDate = false;
    bool m_displaySwVersion = false;
    bool m_btStateHeadphone = false;
    bool m_btStateMicrophone = false;
    bool m_stateGps = false;
    bool m_micSensorConnected = false;
    int m_sensorType = 0;
    bool m_mute = true;
    bool m_switchMode = true;
    int m_batteryHL = 0;
    bool m_batteryHLCharging = false;
    int m_batteryHeadphone = 0;
    int m_batteryMicrophone = -1;
    QString m_time;
    QString m_date;
    QString m_swVersion;
};

#endif // STATUSBAR_H
