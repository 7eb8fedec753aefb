#ifndef MAINMENU_H
#define MAINMENU_H

#include <QMainWindow>
#include <QString>
#include <QTranslator>

namespace Ui {
class MainMenu;
}
class AudioCodecSetup;
class Bluetooth;
class FavouriteButton;
class Gps;
class GpsMonitor;
class H2Sensor;
class Levelmeasurement;
class Longtermmeasurement;
class Management;
class MeasManagement;
class Pinpointing;
class Pipelocating;
class PressureSensor;
class QTimer;
class Systemsettings;

// The one main window: owns every screen and device object, navigates
// between screens by dialog number, keeps the audio-path mute, the
// microphone parameters and the filter, and powers the device down.
class MainMenu : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainMenu(QWidget *parent = nullptr);
    ~MainMenu() override;

    static MainMenu *getInstanceMainMenu() { return m_instanceMainMenu; }
    Bluetooth *getBtSourceInstance() const { return m_btSource; }
    Bluetooth *getBtSinkInstance() const { return m_btSink; }
    Systemsettings *getInstanceSystemsettings() const { return m_systemsettings; }
    // The main window's settings store; null while there is no main window.
    static Systemsettings *settings() { return m_instanceMainMenu ? m_instanceMainMenu->m_systemsettings : nullptr; }
    MeasManagement *getInstanceMeasManagement() const { return m_measManagement; }
    AudioCodecSetup *getAudioCodecInstance() const { return m_audioCodec; }
    Gps *getGpsInstance() const { return gpsModul; }
    FavouriteButton *getFavouriteButtonInsance() const { return m_favouriteButton; }

    void showWidget(int widget);
    int displayFavouriteDialog(int n);
    void displayPopup(int n);

    void menuLevelUp();
    void menuLevelDown();
    void menuLevelEqual();
    void resetMenuLevel();
    void setMenuDirection(int dir);
    int currentMenuLevel() const { return m_currentMenuLevel; }
    int storedWidgetMenu(int level) const { return m_storedWidgetMenu[level]; }
    int currentWidget() const { return m_widget; }

    void muteAudioPath(bool mute, bool withMic);
    bool isAudioPathMuted() const { return m_muted; }
    bool isMuteKeySwitchmode() const;
    // The mute key on every screen: in switch mode a press toggles the path;
    // as a push button a press opens it and the release mutes it again.
    static bool muteKeyPressMutes(bool switchMode, bool muted) { return switchMode && !muted; }
    static bool muteKeyReleaseMutes(bool switchMode) { return !switchMode; }

    int initRm3(int gain, int mute, int button);
    void updateMicrophoneParameter();
    // The sensor-link command that carries the microphone parameters.
    static QString micInitCommand(int gain, int mute, bool switchMode);
    // The gain value the sensor gets for step 1..6; 0 for any other step.
    static int sensorGainOfStep(int step);
    static constexpr int MicGainSteps = 6;

    void setMicGainStep(int step);
    int getMicGainStep() const { return m_micGainStep; }
    float getMicPgaGain() const { return m_micPgaGain; }
    int getMicGain() const { return m_micGain; }
    void setCurrentMicGainStep(int step) { m_currentMicGainStep = step; }
    int getCurrentMicGainStep() const { return m_currentMicGainStep; }
    void setCurrentFilter(quint32 low, quint32 high, int type);
    void getCurrentFilter(quint32 *low, quint32 *high, int *type) const;
    int setCurrentVisibleDlgNum(int num);
    int getCurrentVisibleDlgNum() const { return m_currentVisibleDlgNum; }
    bool isBootedToFavouriteFunction() const { return m_directlyBootedToFavouriteFunction; }
    int resetBootedToFavouriteFunction();

    void beforePowerDown();

public slots:
    void changeLanguage(int num);
    void displayMainMenu();
    void displayWidget(int widget, int dir, int variant);
    void writeSystemInfo(const QString &infoText);
    void writeSystemInfo();
    void powerDown();
    int setMicInitParameter(int a_gain, int a_mute, int a_button);
    int setMicParameterGain(int gain);
    int setMicParameterMute(int mute);
    int setMicParameterButton(int button);
    void getMicInitParameter(int *gain, int *mute, int *button) const;
    void switchActiveMute(bool mute);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private slots:
    void on_butLevelmeasurement_clicked();
    void on_butPinpointing_clicked();
    void on_butManagement_clicked();
    void on_butH2Sensor_clicked();
    void on_butPipelocating_clicked();
    void on_butLongtermmeasurement_clicked();
    void on_butDebugMenu_clicked();
    void on_butTestMenu_clicked();

private:
    // Start-up, in this order.
    void checkAndMountDataPartition();
    void initMicrophone();
    void initHeadphone();
    void restoreMixerDefaults();
    void initStartupFilter();
    void initGps();
    void initSettingsScreen();
    void initGpsMonitor();
    void initStatusbar();
    void initSystemMonitor();
    void startFavouriteFunction();

    void init();
    void setMenuTexts();
    void applyHeadphoneGain();
    void loadLanguageFile(const QString &name);
    template<typename Screen>
    Screen *measurementScreen(Screen *&screen);
    template<typename Screen>
    void showMeasurementScreen(Screen *&screen, int dir, int variant);
    Management *management();
    MeasManagement *measManagement();

    Ui::MainMenu *ui;
    static MainMenu *m_instanceMainMenu;
    Levelmeasurement *m_levelMeasurement = nullptr;
    Pinpointing *m_pinpointing = nullptr;
    Management *m_management = nullptr;
    Systemsettings *m_systemsettings = nullptr;
    GpsMonitor *m_gpsMonitor = nullptr;
    H2Sensor *m_h2sensor = nullptr;
    MeasManagement *m_measManagement = nullptr;
    Pipelocating *m_pipelocating = nullptr;
    PressureSensor *m_pressureSensor = nullptr;
    Longtermmeasurement *m_longtermMeasurement = nullptr;
    FavouriteButton *m_favouriteButton = nullptr;
    Bluetooth *m_btSource = nullptr;
    Bluetooth *m_btSink = nullptr;
    AudioCodecSetup *m_audioCodec = nullptr;
    Gps *gpsModul = nullptr;
    QTimer *m_timerSystemMonitor = nullptr;
    int m_widget = 0;
    int m_storedWidgetMenu[10] = {};
    int m_currentMenuLevel = 0;
    QTranslator translator;
    int m_micGainStep = 0;
    int m_micGain = 0;
    float m_micPgaGain = 0;
    int m_currentVisibleDlgNum = 2;
    bool m_muted = true;
    int m_micParameterGain = 0;
    int m_micParameterMute = 0;
    int m_micParameterButton = 0;
    int m_currentMicGainStep = 3;
    quint32 m_currentLowCutOffFreq = 0;
    quint32 m_currentHighCutOffFreq = 4000;
    int m_currentFilterType = 0;
    bool m_directlyBootedToFavouriteFunction = false;
    bool m_poweringDown = false;
};

#endif // MAINMENU_H
