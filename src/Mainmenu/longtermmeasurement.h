#ifndef LONGTERMMEASUREMENT_H
#define LONGTERMMEASUREMENT_H

#include "measurementscreen.h"

#include <QString>
#include <QVector>
#include <QWidget>

namespace Ui {
class Longtermmeasurement;
}
class AudioCodecSetup;
class Bluetooth;
class LongtermData;
class MeasManagement;
class QTimer;

// The level at one place over minutes, as a time curve: a steady leak
// noise stays level, traffic and pumps come and go. While the path is open
// a sample is taken every 1300 ms; a full sweep starts again from the left
// with the previous one left behind it. Shows a stored curve too.
class Longtermmeasurement : public QWidget
{
    Q_OBJECT
public:
    explicit Longtermmeasurement(QWidget *parent = nullptr);
    ~Longtermmeasurement() override;

    // 0 live, 1 the stored measurement chosen in measurement management.
    void init(int mode = 0);
    void muteAudioPath(bool mute, bool withMic);
    bool isMuted() const { return m_muted; }

    // The samples of the current sweep, oldest first.
    QVector<float> currentSweep() const;
    int maxVisibleData() const { return m_maxVisibleData; }
    bool isOldSweepShown() const { return m_displayOldData; }
    bool isScaled() const { return m_drawScaled; }
    int minDataVal() const { return m_minDataVal; }
    int maxDataVal() const { return m_maxDataVal; }

    // The y range that autoscale gives for these samples, in dB, with the
    // main and minor steps of its axis.
    struct ScaleRange
    {
        int min;
        int max;
        float mainStep;
        float minorStep;
    };
    static ScaleRange autoscaleRange(const float *data, int count);

    static constexpr int SampleIntervalMs = 1300;
    static constexpr int LinkCheckIntervalMs = 1700;
    static constexpr int AnalysisTimes = 3;
    // Room for the longest sweep, and the size of a stored series.
    static constexpr int MaxSamples = 2048;

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

public slots:
    void updateData();
    void checkBtConnection();
    void switchActiveMute(bool active);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    MeasurementScreen::ScreenKeys screenKeys();

private slots:
    void on_butMenuTime_clicked();
    void on_butMenuScale_clicked();
    void on_butMenuSave_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuMicrophone_clicked();
    void on_butMenuHeadphone_clicked();
    void on_butMenuSettings_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuMainmenu_clicked();
    void on_butMenuMainmenu_2_clicked();
    void on_butMenuMainmenu_3_clicked();
    void on_butMenuStoredBack_clicked();

private:
    void retranslate();
    void initStored();
    bool analyseInfoFile();
    void initCurve(LongtermData *curve);
    void applyAnalysisTime(LongtermData *curve, int selectedTime);
    void setFullScale();
    void drawCurve();
    void showFilter(int type, quint32 low, quint32 high);
    void leaveStored();

    Ui::Longtermmeasurement *ui;
    QTimer *m_updateTimer;
    QTimer *m_timerCheckBtConnection;
    Bluetooth *m_btSource = nullptr;
    Bluetooth *m_btSink = nullptr;
    AudioCodecSetup *m_audioCodec = nullptr;
    MeasManagement *m_measManagement = nullptr;
    SensorLinkWatch m_linkWatch;

    float m_recordedData[MaxSamples] = {};
    int m_dataCnt = 0;
    int m_maxVisibleData = 180;
    bool m_displayOldData = false;
    int m_selectedTime = 0;
    bool m_muted = true;
    bool m_storedMeasurement = false;
    QString m_selectedMeasurementDir;
    QString m_storedMeasurementName;
    float m_storedData[MaxSamples] = {};
    int m_storedDataCnt = 0;
    int m_storedSelectedTime = 0;
    int m_storedMaxVisibleData = 180;
    int m_storedFilterType = 0;
    quint32 m_storedFilterLowCutOff = 0;
    quint32 m_storedFilterHighCutOff = 4000;
    bool m_drawScaled = false;
    int m_minDataVal = 0;
    int m_maxDataVal = 100;
};

#endif // LONGTERMMEASUREMENT_H
