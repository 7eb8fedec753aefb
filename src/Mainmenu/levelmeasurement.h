#ifndef LEVELMEASUREMENT_H
#define LEVELMEASUREMENT_H

#include "measurementscreen.h"

#include <QString>
#include <QWidget>

namespace Ui {
class Levelmeasurement;
}
class AudioCodecSetup;
class Bluetooth;
class FreqSpectrum;
class MeasManagement;
class RecordingPlayer;
class QTimer;

// The basic listening mode: current, minimum and (service) peak level,
// the frequency at the minimum and a live spectrum while the audio path
// is open; stores a measurement with its sound and shows a stored one.
class Levelmeasurement : public QWidget
{
    Q_OBJECT
public:
    explicit Levelmeasurement(QWidget *parent = nullptr);
    ~Levelmeasurement() override;

    // 0 live, 1 the stored measurement chosen in measurement management.
    void init(int variant = 0);
    void muteAudioPath(bool mute, bool withMic);
    bool isMuted() const { return m_muted; }

    static constexpr int LevelIntervalMs = 300;
    static constexpr int LinkCheckIntervalMs = 1700;
    // The peak bar's chunk colour for a linear peak level.
    static QString peakBarStyle(float peak);

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

public slots:
    void updateLevel();
    void checkBtConnection();
    void switchActiveMute(bool active);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private slots:
    void on_butMenuSave_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuMic_clicked();
    void on_butMenuHeadphone_clicked();
    void on_butMenuMainmenu_clicked();
    void on_butMenuStoredPlay_clicked();
    void on_butMenuStoredStop_clicked();
    void on_butMenuStoredBack_clicked();
    void on_butDbgStartRec_clicked();
    void on_butDbgStopRec_clicked();

private:
    void retranslate();
    void initStored();
    void analyseInfoFile();
    void showDamaged();
    void showLevels(float current, float minimum);
    void colourBars(unsigned currentFrequency, unsigned minimumFrequency);
    void setFrequencyText(int hz);

    Ui::Levelmeasurement *ui;
    FreqSpectrum *freqSpectrum = nullptr;
    Bluetooth *m_btSource = nullptr;
    Bluetooth *m_btSink = nullptr;
    QTimer *m_timerCheckBtConnection;
    QTimer *m_timerLevel;
    AudioCodecSetup *m_audioCodec = nullptr;
    RecordingPlayer *m_player = nullptr;
    MeasManagement *m_measManagement = nullptr;
    bool m_muted = true;
    QString m_selectedMeasurementDir;
    QString m_storedMeasurementName;
    float m_storedLevel = 0;
    bool m_storedMeasurement = false;
    bool m_storedUsable = false;
    float m_minimumLevel = 0;
    float m_minimumLevelAbs = 0;
    float m_peakLevel = 0;
    float m_currentLevel = 0;
    int m_significandFrequency = 0;
    int m_significandFrequencyAtMin = 0;
    float m_fft[1024] = {};
    int m_storedFilterType = 0;
    int m_storedFilterLowCutOff = 0;
    int m_storedFilterHighCutOff = 0;
    SensorLinkWatch m_linkWatch;
    PeakHold m_maxHold;
};

#endif // LEVELMEASUREMENT_H
