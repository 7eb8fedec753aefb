#ifndef PRESSURESENSOR_H
#define PRESSURESENSOR_H

#include "measurementscreen.h"

#include <QString>
#include <QWidget>

namespace Ui {
class PressureSensor;
}
class AudioCodecSetup;
class Bluetooth;
class QKeyEvent;

// The water pressure from a transducer on the RM-3, as a time curve of the
// last minute with its statistics. The sensor streams 100 raw readings a
// second while the screen is open (the mute key starts and pauses it); every
// value goes to a high-resolution file and a summary per minute to a
// low-resolution file, both kept for saving. The analysis page pages
// through the buffered minute.
class PressureSensor : public QWidget
{
    Q_OBJECT
public:
    explicit PressureSensor(QWidget *parent = nullptr);
    ~PressureSensor() override;

    void init(int mode = 0);

    static constexpr int ValuesPerSecond = 100;
    // One minute of values.
    static constexpr int MaxValues = 60 * ValuesPerSecond;
    static constexpr int XScaleModes = 5;
    static constexpr int FavouriteNumber = 5;
    // Raised while a block of readings is handled.
    static constexpr unsigned BlockGpio = 115;

    // Device paths of the two temporary files.
    static QString lowResFile();
    static QString highResFile();

    struct Statistics
    {
        float max = 0;
        float min = 0;
        float average = 0;
        float deviation = 0;
        // The average of the last second, or of all when there is less.
        float current = 0;
    };
    // Over values[0..count).
    static Statistics statistics(const float *values, int count);
    // A raw reading in bar with this calibration; never below 0.
    static float toBar(int reading, float fullScale, int adcZero, int adcFull);
    // Seconds that an x scale mode shows.
    static int secondsOfMode(int mode);

    bool isMuted() const { return m_muted; }
    bool isReceiveEnabled() const { return m_receiveEnabled; }
    bool isAnalysing() const;
    float fullScale() const { return m_maxPressureValue; }
    int dataCount() const { return m_dataCnt; }
    float value(int index) const { return index >= 0 && index < m_dataCnt ? m_pressureValues[index] : 0; }
    int xScaleMode() const { return m_XScaleMode; }
    int analyseStart() const { return m_analyseDataStart; }
    int analyseEnd() const { return m_analyseDataEnd; }
    float yMin() const { return m_minYScaleValue; }
    float yMax() const { return m_maxYScaleValue; }

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

public slots:
    // From the RM-3's key: true pauses.
    void switchActiveMute(bool mute);
    void enableReceivePressuredata(bool enable, int maxPressure, quint16 adcMin, quint16 adcMax);
    void pressuredataReceived(int count, const QString &data);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    MeasurementScreen::ScreenKeys screenKeys();

private slots:
    void on_butMenuScaleX_clicked();
    void on_butMenuScaleY_clicked();
    void on_butMenuAnalyse_clicked();
    void on_butMenuAnalyseScaleX_clicked();
    void on_butMenuAnalyseScaleY_clicked();
    void on_butMenuAnalysePrev_clicked();
    void on_butMenuAnalyseNext_clicked();
    void on_butMenuAnalyseBack_clicked();
    void on_butMenuSave_clicked();
    void on_butMenuHome_clicked();

private:
    void retranslate();
    void setMuted(bool mute, bool withMic);
    void setXScaleMode(int mode);
    void setFullYRange();
    void fitYRange(int start, int count);
    void clearStatistics();
    void updatePressureValues(int start, int count, bool showDeviation);
    void updateDiagram(float xMin, float xMax, float yMin, float yMax, unsigned start, unsigned end, unsigned count);
    void drawLive();
    void drawAnalysis();
    void moveAnalysisWindow(int start);
    bool appendToFile(const QString &devicePath, const QString &text);
    void send(const char *message);

    Ui::PressureSensor *ui;
    Bluetooth *m_btSource = nullptr;
    Bluetooth *m_btSink = nullptr;
    AudioCodecSetup *m_audioCodec = nullptr;

    float m_maxPressureValue = 10;
    float m_pressureValues[MaxValues] = {};
    bool m_muted = true;
    bool m_receiveEnabled = false;
    quint16 m_ADCvalueMaxPressure = 0;
    quint16 m_ADCvalueMinPressure = 0;
    Statistics m_stats;
    int m_dataCnt = 0;
    bool m_zoomed = false;
    float m_minYScaleValue = 0;
    float m_maxYScaleValue = 10;
    int m_XScaleMode = 0;
    int m_dataCntScaled = MaxValues;
    int m_analyseDataStart = 0;
    int m_analyseDataEnd = 0;
    int m_dataStart = 0;
    int m_dataEnd = 0;
    int m_storeDataCnt = 0;
    // The minute's start as the high-resolution line has it.
    QString m_minuteTime;
};

#endif // PRESSURESENSOR_H
