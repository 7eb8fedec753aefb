#ifndef H2SENSOR_H
#define H2SENSOR_H

#include "measurementscreen.h"
#include "pipelocatingpoints.h"

#include <QString>
#include <QVector>
#include <QWidget>

namespace Ui {
class H2Sensor;
}
class AudioCodecSetup;
class Bluetooth;
class Gps;
class LongtermData;
class MeasManagement;
class QLabel;
class QProgressBar;
class QTimer;

// The tracer-gas walk: an H2 probe on the RM-3 instead of a microphone. The
// probe is polled for its reading; the level above the cleanest air seen
// shows as a number, a bar and a time curve and sets the click rate. Each
// opening of the path starts a located point with its position; the point
// with the most gas is marked. Shows a stored walk too.
class H2Sensor : public QWidget
{
    Q_OBJECT
public:
    explicit H2Sensor(QWidget *parent = nullptr);
    ~H2Sensor() override;

    // 0 live, 1 the stored measurement chosen in measurement management.
    void init(int mode = 0);
    void muteAudioPath(bool mute, bool withMic);
    bool isMuted() const { return m_muted; }

    int level() const { return m_h2level; }
    int displayLevel() const { return m_h2displayLevel; }
    int referenceLevel() const { return m_h2referenceLevel; }
    int rangeMax() const { return m_rangeMax; }
    int percentLevel() const { return m_percentLevel; }
    int scaleMode() const { return m_scaleMode; }
    int pollInterval() const;
    const PipelocatingPoints &points() const { return m_points; }
    // The curve, oldest first.
    QVector<float> history() const;

    // The click period for a level above the reference in a range, in ms:
    // once a second at the reference, every 10 ms at full range.
    static int clickPeriodMs(int displayLevel, int rangeMax);
    // The range that dynamic scaling keeps for a level over a reference.
    static int dynamicRange(int rangeMax, int level, int reference);

    static constexpr int OpenPollMs = 517;
    static constexpr int MutedPollMs = 2500;
    static constexpr int LinkCheckIntervalMs = 1700;
    static constexpr int HistoryPoints = 300;
    static constexpr int StartReference = 1000;
    static constexpr int ClickDutyNs = 100000;

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

public slots:
    void readData();
    void btReceivedSensorvalue(const QString &value, const QString &activeTime);
    void switchActiveMute(bool active);
    void checkBtConnection();
    void updatePwmValue();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    MeasurementScreen::ScreenKeys screenKeys();

private slots:
    void on_butMenuZero_clicked();
    void on_butMenuScale_clicked();
    void on_butMenuSave_clicked();
    void on_butMenuHeadphone_clicked();
    void on_butMenuHome_clicked();
    void on_butMenuMainmenu_2_clicked();
    void on_butMenuStoredBack_clicked();

private:
    void retranslate();
    void initStored();
    void placeLevelWidgets(bool withCurve);
    void initCurve(LongtermData *curve, int range);
    static void setAxisY(LongtermData *curve, int range);
    void updateScaleMaxValue(int mode);
    void showRange();
    void showReference();
    void drawHistory();
    void showPoints(int range);
    void showHeating(int activeTime);
    // Writes one of the click generator's control files when its value
    // changes; false, logged, when the file cannot be written.
    bool writePwm(int file, qint64 value);
    void leave();

    Ui::H2Sensor *ui;
    QProgressBar *m_bars[PipelocatingPoints::Count] = {};
    QLabel *m_labels[PipelocatingPoints::Count] = {};
    QTimer *m_timerRead;
    QTimer *m_timerCheckBtConnection;
    Bluetooth *m_btSource = nullptr;
    Bluetooth *m_btSink = nullptr;
    AudioCodecSetup *m_audioCodec = nullptr;
    Gps *m_gpsModul = nullptr;
    MeasManagement *m_measManagement = nullptr;
    SensorLinkWatch m_linkWatch;

    int m_h2level = 0;
    int m_h2displayLevel = 0;
    int m_h2referenceLevel = StartReference;
    int m_scaleMode = 0;
    int m_rangeMax = 50;
    int m_percentLevel = 0;
    bool m_absoluteLevelDisplay = true;
    bool m_dynamicScaling = false;
    bool m_muted = true;
    bool m_storedMeasurement = false;
    PipelocatingPoints m_points;
    float m_h2historyValues[HistoryPoints] = {};
    int m_dataCnt = 0;
    // Last value written to period, duty_cycle and enable; -1 unknown.
    qint64 m_pwmWritten[3] = {-1, -1, -1};

    QString m_selectedMeasurementDir;
    QString m_storedMeasurementName;
    float m_h2storedValues[1024] = {};
    int m_h2storedValuesCnt = 0;
    int m_h2storedReferenceLevel = 0;
    int m_h2storedRangeMax = 0;
};

#endif // H2SENSOR_H
