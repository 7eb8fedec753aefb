#ifndef PIPELOCATING_H
#define PIPELOCATING_H

#include "measurementscreen.h"
#include "pipelocatingpoints.h"

#include <QString>
#include <QWidget>

namespace Ui {
class Pipelocating;
}
class AudioCodecSetup;
class Bluetooth;
class FreqSpectrum;
class Gps;
class MeasManagement;
class QLabel;
class QProgressBar;
class QTimer;

// Following a pipe on the surface: the operator listens at up to ten
// points, each opened by unmuting and closed by muting; every point keeps
// its held peak, frequency and position, and the loudest one, over the
// pipe, is marked. Shows a stored walk too.
class Pipelocating : public QWidget
{
    Q_OBJECT
public:
    explicit Pipelocating(QWidget *parent = nullptr);
    ~Pipelocating() override;

    // 0 live, 1 the stored measurement chosen in measurement management.
    void init(int variant = 0);
    void muteAudioPath(bool mute, bool withMic);
    bool isMuted() const { return m_muted; }
    const PipelocatingPoints &points() const { return m_points; }

    static constexpr int UpdateIntervalMs = 500;
    static constexpr int LinkCheckIntervalMs = 1700;
    // Horizontal distance of the ten point slots.
    static constexpr int SlotPitch = 40;

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
    MeasurementScreen::ScreenKeys screenKeys();

private slots:
    void on_butMenuSave_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuMicrophone_clicked();
    void on_butMenuHeadphone_clicked();
    void on_butMenuHome_clicked();
    void on_butMenuStoredBack_clicked();
    void on_butMenuMainmenu_2_clicked();

private:
    void retranslate();
    void initStored();
    void initSpectrum();
    void showPoints();
    void showHeld(float level, int frequency);
    void applyRange(const PipelocatingPoints::Range &range);
    void adjustProgbarRange();
    void showFilter(int type, quint32 low, quint32 high);
    void setBarColour(QProgressBar *bar, int frequency);
    void placeOnSlot(QWidget *widget, int slot);
    void placeBars(bool withSpectrum);

    Ui::Pipelocating *ui;
    FreqSpectrum *freqSpectrum = nullptr;
    QProgressBar *m_bars[PipelocatingPoints::Count] = {};
    QLabel *m_labels[PipelocatingPoints::Count] = {};
    QTimer *m_updateTimer;
    QTimer *m_timerCheckBtConnection;
    Bluetooth *m_btSource = nullptr;
    Bluetooth *m_btSink = nullptr;
    AudioCodecSetup *m_audioCodec = nullptr;
    Gps *m_gpsModul = nullptr;
    MeasManagement *m_measManagement = nullptr;
    SensorLinkWatch m_linkWatch;

    PipelocatingPoints m_points;
    bool m_muted = true;
    bool m_storedMeasurement = false;
    QString m_storedMeasurementName;
    QString m_selectedMeasurementDir;
    int m_storedFilterType = 0;
    quint32 m_storedFilterLowCutOff = 0;
    quint32 m_storedFilterHighCutOff = 4000;
    float m_dynamicScaleMin = 0;
    float m_dynamicScaleMax = 100;
    float m_fft[1024] = {};
};

#endif // PIPELOCATING_H
