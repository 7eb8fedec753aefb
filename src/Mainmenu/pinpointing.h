#ifndef PINPOINTING_H
#define PINPOINTING_H

#include "measurementscreen.h"
#include "pinpointingpositions.h"

#include <QString>
#include <QWidget>

namespace Ui {
class Pinpointing;
}
class AudioCodecSetup;
class Bluetooth;
class Gps;
class MeasManagement;
class QLabel;
class QProgressBar;
class QTimer;
class RecordingPlayer;

// The main acoustic mode: the RM-3 is set down at up to ten positions along
// a pipe; each opening of the audio path measures one, and the loudest
// result, the leak, is marked with the water drop. Shows and plays a stored
// walk too.
class Pinpointing : public QWidget
{
    Q_OBJECT
public:
    explicit Pinpointing(QWidget *parent = nullptr);
    ~Pinpointing() override;

    // 0 live, 1 the stored measurement chosen in measurement management.
    void init(int variant = 0);
    void muteAudioPath(bool mute, bool withMic);
    bool isMuted() const { return m_muted; }
    const PinpointingPositions &positions() const { return m_positions; }
    int scaleMode() const { return m_scaleMode; }
    // The position a stored walk plays, 1..10.
    int selectedPosition() const { return m_selected; }

    static constexpr int LevelIntervalMs = 300;
    static constexpr int LinkCheckIntervalMs = 1700;
    // Horizontal distance of the ten position slots.
    static constexpr int SlotPitch = 42;

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
    void on_butMenuScale_clicked();
    void on_butMenuDeleteLast_clicked();
    void on_butMenuSettings_clicked();
    void on_butMenuMainmenu_clicked();
    void on_butMenuMainmenu_2_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuMicrophone_clicked();
    void on_butMenuHeadphone_2_clicked();
    void on_butMenuStoredHeadphone_clicked();
    void on_butMenuStoredPlay_clicked();
    void on_butMenuStoredStop_clicked();
    void on_butMenuStoredNext_clicked();
    void on_butMenuStoredBack_clicked();
    void on_butStartStop_clicked();

private:
    void retranslate();
    void initStored();
    void closePosition();
    void shiftPositions();
    void updateProgbars();
    void adjustProgbarRange();
    void showFilter(int type, quint32 low, quint32 high);
    void placeOnSlot(QWidget *widget, int slot);
    void setBarColour(QProgressBar *bar, int frequency, const QString &plainColour);
    void markSelected();

    Ui::Pinpointing *ui;
    QProgressBar *m_bars[PinpointingPositions::Count] = {};
    QLabel *m_labels[PinpointingPositions::Count] = {};
    Bluetooth *m_btSource = nullptr;
    Bluetooth *m_btSink = nullptr;
    Gps *m_gpsModul = nullptr;
    QTimer *m_timerLevel;
    QTimer *m_timerCheckBtConnection;
    AudioCodecSetup *m_audioCodec = nullptr;
    MeasManagement *m_measManagement = nullptr;
    RecordingPlayer *m_player = nullptr;
    SensorLinkWatch m_linkWatch;

    PinpointingPositions m_positions;
    bool m_muted = true;
    int m_significandFrequencyCurrent = 0;
    bool m_storedMeasurement = false;
    QString m_storedMeasurementName;
    QString m_selectedMeasurementDir;
    int m_selected = 1;
    bool m_linearScale = false;
    int m_storedFilterType = 0;
    quint32 m_storedFilterLowCutOff = 0;
    quint32 m_storedFilterHighCutOff = 4000;
    int m_scaleMode = PinpointingPositions::Fixed;
    bool m_useDynamicScaling = false;
    float m_dynamicScaleMin = 0;
    float m_dynamicScaleMax = 1000;
};

#endif // PINPOINTING_H
