#include "mainmenu.h"
#include "appsetup.h"
#include "languagefollower.h"
#include "ui_mainmenu.h"
#include "screenfont.h"

#include "audiocodecsetup.h"
#include "audioworker.h"
#include "batterystate.h"
#include "bluetooth.h"
#include "buttonstyle.h"
#include "debugmenu.h"
#include "favouritebutton.h"
#include "globals.h"
#include "gpio.h"
#include "gps.h"
#include "gpsmonitor.h"
#include "h2sensor.h"
#include "levelmeasurement.h"
#include "longtermmeasurement.h"
#include "management.h"
#include "measmanagement.h"
#include "measurements.h"
#include "pinpointing.h"
#include "pipelocating.h"
#include "platform.h"
#include "popupinfo.h"
#include "pressuresensor.h"
#include "statusbar.h"
#include "systemsettings.h"
#include "testmenu.h"

#include <QApplication>
#include <QDate>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>

MainMenu *MainMenu::m_instanceMainMenu = nullptr;

namespace {

constexpr unsigned AudioPathLine = 17;
constexpr unsigned UartRoutingLine50 = 50;
// The menu texts; a longer translation may go down to the smaller size.
constexpr int MenuTextPixelSize = 20;
constexpr int MinMenuTextPixelSize = 15;
constexpr unsigned UartRoutingLine65 = 65;

struct GainStep
{
    int sensorGain;  // sent to the RM-3
    int pgaCentiDb;  // codec PGA for a wired sensor
};

// Microphone gain steps 1..6; any other step means step 3.
const GainStep gainSteps[] = {
    {10, 900}, {13, 1800}, {15, 2250}, {17, 2900}, {19, 3500}, {21, 4100},
};
constexpr int DefaultGainStep = 3;
constexpr long FixedPgaCentiDb = 300;

const char *const languageFiles[] = {
    "GB_KX500.qm", "DE_KX500.qm", "FR_KX500.qm", "IT_KX500.qm", "ES_KX500.qm", "CN_KX500.qm",
    "CZ_KX500.qm", "HU_KX500.qm", "RU_KX500.qm", "SI_KX500.qm", "JP_KX500.qm", "PL_KX500.qm",
    "PT_KX500.qm", "RO_KX500.qm", "SK_KX500.qm", "SE_KX500.qm", "FI_KX500.qm", "DK_KX500.qm",
    "NO_KX500.qm", "BG_KX500.qm", "HR_KX500.qm", "KR_KX500.qm", "RS_KX500.qm", "TR_KX500.qm",
};

// Shortest decimal, at most six significant digits.
QString number6(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

MainMenu::MainMenu(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainMenu)
{
    qDebug() << "=== Start MainMenu ===";
    ui->setupUi(this);
    m_instanceMainMenu = this;

    m_btSource = new Bluetooth(this);
    m_btSink = new Bluetooth(this);
    connect(m_btSink, &Bluetooth::microphoneParameterRequested, this, &MainMenu::updateMicrophoneParameter);
    m_systemsettings = new Systemsettings(this);
    m_systemsettings->hide();
    m_micParameterGain = 15;
    m_micParameterMute = 1;
    m_micParameterButton = 1;

    checkAndMountDataPartition();
    Gpio::init();
    initMicrophone();
    initHeadphone();
    restoreMixerDefaults();
    m_audioCodec = new AudioCodecSetup();
    Audioworker();
    m_audioCodec->init();
    initStartupFilter();
    initGps();
    if (!loadStyleSheet())
        qWarning() << "MainMenu: the style sheet could not be read";
    initSettingsScreen();
    initGpsMonitor();
    initStatusbar();
    ui->butDebugMenu->setVisible(g_debugFeatures == 1);
    ui->butTestMenu->setVisible(g_debugFeatures == 1);
    m_currentVisibleDlgNum = 2;
    m_favouriteButton = new FavouriteButton();
    m_favouriteButton->init();
    initSystemMonitor();
    startFavouriteFunction();
}

MainMenu::~MainMenu()
{
    // Screens shown while the stack empties must not reach back into a
    // half-destroyed window.
    if (m_instanceMainMenu == this)
        m_instanceMainMenu = nullptr;
    delete ui;
    delete m_pinpointing;
    delete m_levelMeasurement;
    delete m_longtermMeasurement;
    delete m_h2sensor;
    delete m_pipelocating;
    delete m_pressureSensor;
    delete m_management;
    delete m_measManagement;
    delete m_btSource;
    delete m_btSink;
    delete m_audioCodec;
    delete gpsModul;
    delete m_favouriteButton;
    delete m_systemsettings;
    delete m_gpsMonitor;
    delete m_timerSystemMonitor;
    QApplication::removeTranslator(&translator);
}

void MainMenu::checkAndMountDataPartition()
{
    QDir().mkpath(Platform::path(QStringLiteral("/media/kx500")));
    qDebug() << "Filesystemcheck and mount";
    Platform::execute(QStringLiteral("fsck -Mya /dev/mmcblk0p3"));
    Platform::execute(QStringLiteral("mount /dev/mmcblk0p3 /media/kx500"));
    // A save cut off by a power loss leaves its hidden build directory.
    MeasurementData()->cleanUpInterruptedStores();
}

void MainMenu::initMicrophone()
{
    qDebug() << "=== INIT MICROPHONE ===";
    m_btSink->initBluetooth(QStringLiteral("/dev/ttyO2"), m_systemsettings->getBtIdMicrophone());
    m_btSink->setBtDacGain(15);
    m_btSink->callBtDeviceA2DP(true);
    m_micGainStep = DefaultGainStep;
    connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &MainMenu::switchActiveMute, Qt::UniqueConnection);
}

void MainMenu::initHeadphone()
{
    qDebug() << "=== INIT HEADPHONE ===";
    m_btSource->initBluetooth(QStringLiteral("/dev/ttyO3"), m_systemsettings->getBtIdHeadphone());
    applyHeadphoneGain();
    m_btSource->callBtDeviceA2DP(false);
}

// Hearing protection holds the headphones at the lowest gain.
void MainMenu::applyHeadphoneGain()
{
    m_btSource->setBtAdcGain(m_systemsettings->headphoneAdcGain());
}

void MainMenu::restoreMixerDefaults()
{
    QFile resource(QStringLiteral(":/Resources/Files/asound.state"));
    if (!resource.open(QIODevice::ReadOnly))
        return;
    resource.close();
    const QString target = Platform::path(QStringLiteral("/var/lib/alsa/asound.state"));
    qDebug() << "asound.state removed" << (QFile::remove(target) ? "true" : "false");
    const bool copied = QFile::copy(resource.fileName(), target);
    if (copied)
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    qDebug() << "asound.state copied" << (copied ? "true" : "false");
    Platform::execute(QStringLiteral("alsactl --file /var/lib/alsa/asound.state restore"));
}

void MainMenu::initStartupFilter()
{
    setCurrentMicGainStep(DefaultGainStep);
    if (m_systemsettings->isSUUseFilterForStartupEnabled()) {
        setCurrentFilter(160, 1250, 1);
        qDebug() << "Starting with Filter: 160 / 1250 / Bandpass";
    } else {
        setCurrentFilter(0, 4000, 0);
    }
}

void MainMenu::initGps()
{
    gpsModul = new Gps();
    gpsModul->initGps();
    if (m_systemsettings->isSUUseGpsForStartupEnabled())
        gpsModul->switchOnGpsModul();
    else
        gpsModul->switchOffGpsModul();
}

void MainMenu::initSettingsScreen()
{
    resetMenuLevel();
    connect(m_systemsettings, &Systemsettings::gotoWidget, this, &MainMenu::displayWidget);
    connect(m_systemsettings, &Systemsettings::changeLanguage, this, &MainMenu::changeLanguage);
    ui->mainWidget->addWidget(m_systemsettings);
    changeLanguage(m_systemsettings->getSelectedLanguageNum());
    ui->butPinpointing->setStyleSheet(ButtonStyle::menuButton(QStringLiteral("Mainmenu"), QStringLiteral("Pinpointing")));
    ui->butH2Sensor->setStyleSheet(ButtonStyle::menuButton(QStringLiteral("Mainmenu"), QStringLiteral("H2_Sensor")));
    ui->butLevelmeasurement->setStyleSheet(ButtonStyle::menuButton(QStringLiteral("Mainmenu"), QStringLiteral("Levelmeasurement")));
    ui->butManagement->setStyleSheet(ButtonStyle::menuButton(QStringLiteral("Mainmenu"), QStringLiteral("Wrench")));
    ui->butLongtermmeasurement->setStyleSheet(ButtonStyle::menuButton(QStringLiteral("Mainmenu"), QStringLiteral("Longtermmeasurement")));
    ui->butPipelocating->setStyleSheet(ButtonStyle::menuButton(QStringLiteral("Mainmenu"), QStringLiteral("Pipelocating")));
    followLanguage(this, [this] { setMenuTexts(); });
}

void MainMenu::setMenuTexts()
{
    ui->butPinpointing->setText(tr("Histogram", "Pinpointing"));
    ui->butH2Sensor->setText(tr("H2Sensor", "H2 sensor"));
    ui->butLevelmeasurement->setText(tr("Level", "Level"));
    ui->butManagement->setText(tr("Management", "Management"));
    ui->butLongtermmeasurement->setText(tr("Longterm", "Long-term"));
    ui->butPipelocating->setText(tr("Pipelocating", "Pipe locating"));
    for (QPushButton *button : {ui->butPinpointing, ui->butH2Sensor, ui->butLevelmeasurement, ui->butManagement,
                                ui->butLongtermmeasurement, ui->butPipelocating})
        shrinkToFit(button, MenuTextPixelSize, MinMenuTextPixelSize);
}

void MainMenu::initGpsMonitor()
{
    m_gpsMonitor = new GpsMonitor(this);
    connect(m_gpsMonitor, &GpsMonitor::gotoWidget, this, &MainMenu::displayWidget);
    connect(m_gpsMonitor, &GpsMonitor::exit, this, &MainMenu::displayMainMenu);
    ui->mainWidget->addWidget(m_gpsMonitor);
}

void MainMenu::initStatusbar()
{
    StatusbarData().init();
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
}

void MainMenu::initSystemMonitor()
{
    if (g_debugFeatures != 1)
        return;
    writeSystemInfo(QStringLiteral("System started."));
    m_timerSystemMonitor = new QTimer(this);
    connect(m_timerSystemMonitor, &QTimer::timeout, this, qOverload<>(&MainMenu::writeSystemInfo));
    m_timerSystemMonitor->start(60000);
}

void MainMenu::startFavouriteFunction()
{
    int favourite = m_systemsettings->getFavouriteButton(nullptr);
    if (!m_systemsettings->isSUUseFavouriteForStartupEnabled() || favourite < 1 || favourite > 5)
        return;
    m_directlyBootedToFavouriteFunction = true;
    m_favouriteButton->execFavouriteFunction();
    m_directlyBootedToFavouriteFunction = false;
}

void MainMenu::showWidget(int widget)
{
    if (widget == 100) {
        Gpio::setValue(UartRoutingLine50, 0);
        Gpio::setValue(UartRoutingLine65, 1);
        TestMenu menu(this);
        menu.exec();
    } else if (widget == 101) {
        DebugMenu menu(this);
        menu.exec();
    }
}

int MainMenu::displayFavouriteDialog(int n)
{
    displayWidget(n, -1, 0);
    return 0;
}

void MainMenu::displayPopup(int n)
{
    PopupInfo popup(this);
    popup.setPicture(n);
    if (popup.exec() == QDialog::Accepted)
        qDebug() << "Popup closed" << n;
}

void MainMenu::displayMainMenu()
{
    displayWidget(0, 0, 0);
    m_btSink->callBtDeviceA2DP(true);
    m_btSource->callBtDeviceA2DP(false);
    applyHeadphoneGain();
}

template<typename Screen>
Screen *MainMenu::measurementScreen(Screen *&screen)
{
    if (!screen) {
        screen = new Screen(this);
        ui->mainWidget->addWidget(screen);
        connect(screen, &Screen::exit, this, &MainMenu::displayMainMenu, Qt::UniqueConnection);
        connect(screen, &Screen::gotoWidget, this, &MainMenu::displayWidget, Qt::UniqueConnection);
    }
    return screen;
}

template<typename Screen>
void MainMenu::showMeasurementScreen(Screen *&screen, int dir, int variant)
{
    measurementScreen(screen);
    // The measurement screen handles the sensor key itself.
    disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &MainMenu::switchActiveMute);
    ui->mainWidget->setCurrentWidget(screen);
    setMenuDirection(dir);
    screen->init(variant);
}

Management *MainMenu::management()
{
    if (!m_management) {
        qDebug() << "m_management: not init";
        m_management = new Management(this);
        ui->mainWidget->addWidget(m_management);
        connect(m_management, &Management::gotoWidget, this, &MainMenu::displayWidget, Qt::UniqueConnection);
        qDebug() << "m_management:" << m_management;
    }
    return m_management;
}

MeasManagement *MainMenu::measManagement()
{
    return measurementScreen(m_measManagement);
}

void MainMenu::displayWidget(int widget, int dir, int variant)
{
    m_widget = widget;
    switch (widget) {
    case -1:
        menuLevelUp();
        break;
    case 0:
        resetMenuLevel();
        init();
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &MainMenu::switchActiveMute, Qt::UniqueConnection);
        m_btSink->sendData(QStringLiteral("BT_TX B"));
        break;
    case 1:
        showMeasurementScreen(m_levelMeasurement, dir, variant);
        break;
    case 3:
        showMeasurementScreen(m_pinpointing, dir, variant);
        break;
    case 4:
        ui->mainWidget->setCurrentWidget(management());
        setMenuDirection(dir);
        m_management->init();
        break;
    case 5:
        ui->mainWidget->setCurrentWidget(m_systemsettings);
        setMenuDirection(dir);
        m_systemsettings->init();
        break;
    case 6:
        showMeasurementScreen(m_h2sensor, dir, variant);
        break;
    case 7:
        ui->mainWidget->setCurrentWidget(measManagement());
        setMenuDirection(dir);
        m_measManagement->init(0, false);
        break;
    case 8:
        showMeasurementScreen(m_pipelocating, dir, variant);
        break;
    case 9:
        showMeasurementScreen(m_longtermMeasurement, dir, variant);
        break;
    case 10:
        ui->mainWidget->setCurrentWidget(m_gpsMonitor);
        setMenuDirection(dir);
        m_gpsMonitor->init();
        break;
    case 11:
        qDebug() << "Pressuresensor: displayWidget";
        measurementScreen(m_pressureSensor);
        disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &MainMenu::switchActiveMute);
        ui->mainWidget->setCurrentWidget(m_pressureSensor);
        setMenuDirection(dir);
        qDebug() << "Pressuresensor: displayWidget init";
        m_pressureSensor->init(variant);
        break;
    default:
        resetMenuLevel();
        break;
    }
}

void MainMenu::init()
{
    setMenuTexts();
    ui->butDebugMenu->setVisible(g_debugFeatures == 1);
    ui->butTestMenu->setVisible(g_debugFeatures == 1);
    Audioworker().stopAudioRecording();
    muteAudioPath(true, true);
}

void MainMenu::setMenuDirection(int dir)
{
    if (dir == -1)
        return;
    if (dir == 1)
        menuLevelDown();
    else if (dir == 2)
        menuLevelUp();
    else
        menuLevelEqual();
}

void MainMenu::menuLevelDown()
{
    m_currentMenuLevel = qMin(m_currentMenuLevel + 1, 9);
    m_storedWidgetMenu[m_currentMenuLevel] = m_widget;
}

void MainMenu::menuLevelEqual()
{
    m_storedWidgetMenu[m_currentMenuLevel] = m_widget;
}

void MainMenu::menuLevelUp()
{
    m_currentMenuLevel = m_currentMenuLevel - 1;
    if (m_currentMenuLevel < 1)
        resetMenuLevel();
    else
        displayWidget(m_storedWidgetMenu[m_currentMenuLevel], -1, 0);
}

void MainMenu::resetMenuLevel()
{
    for (int &slot : m_storedWidgetMenu)
        slot = 0;
    m_currentMenuLevel = 0;
    ui->mainWidget->setCurrentWidget(ui->mainPage);
    m_storedWidgetMenu[0] = 0;
}

void MainMenu::muteAudioPath(bool mute, bool withMic)
{
    qDebug() << (mute ? "Audiopath: MUTED" : "Audiopath: NOT MUTED");
    if (withMic)
        setMicParameterMute(mute ? 1 : 0);
    m_audioCodec->setMuting(mute);
    if (mute)
        m_btSource->setBtAdcGain(0);
    else
        m_btSource->setBtLastAdcGain();
    m_muted = mute;
    m_micParameterMute = mute ? 1 : 0;
    Audioworker().pauseAudioRecording(mute);
    Gpio::setValue(AudioPathLine, mute ? 0 : 1);
}

bool MainMenu::isMuteKeySwitchmode() const
{
    return m_systemsettings->isMuteKeySwitchmode();
}

void MainMenu::switchActiveMute(bool mute)
{
    // The sensor reports its microphone open while no screen listens: close it again.
    if (!mute)
        muteAudioPath(true, true);
}

QString MainMenu::micInitCommand(int gain, int mute, bool switchMode)
{
    return QStringLiteral("BT_TX I %1 %2 %3")
        .arg(gain & 0xff, 2, 16, QLatin1Char('0'))
        .arg(mute == 1 ? QStringLiteral("MUTE") : QStringLiteral("ACTIVE"))
        .arg(switchMode ? QStringLiteral("SWITCH") : QStringLiteral("PUSHBUT"));
}

int MainMenu::setMicInitParameter(int a_gain, int a_mute, int a_button)
{
    Q_UNUSED(a_button) // the settings decide the key mode
    m_micParameterGain = a_gain;
    m_micParameterMute = a_mute;
    const bool switchMode = isMuteKeySwitchmode();
    m_micParameterButton = switchMode ? 1 : 0;
    const QString command = micInitCommand(m_micParameterGain, m_micParameterMute, switchMode);
    qDebug() << "MicInit" << command << "gain:" << m_micParameterGain;
    m_btSink->sendData(command);
    return 0;
}

int MainMenu::initRm3(int gain, int mute, int button)
{
    return setMicInitParameter(gain, mute, button);
}

void MainMenu::updateMicrophoneParameter()
{
    setMicInitParameter(m_micParameterGain, m_micParameterMute, m_micParameterButton);
}

int MainMenu::setMicParameterGain(int gain)
{
    qDebug() << "setMicParameterGain" << gain << m_micParameterMute << m_micParameterButton;
    return setMicInitParameter(gain, m_micParameterMute, m_micParameterButton);
}

int MainMenu::setMicParameterMute(int mute)
{
    return setMicInitParameter(m_micParameterGain, mute, m_micParameterButton);
}

int MainMenu::setMicParameterButton(int button)
{
    return setMicInitParameter(m_micParameterGain, m_micParameterMute, button);
}

void MainMenu::getMicInitParameter(int *gain, int *mute, int *button) const
{
    *gain = m_micParameterGain;
    *mute = m_micParameterMute;
    *button = m_micParameterButton;
}

int MainMenu::sensorGainOfStep(int step)
{
    return step >= 1 && step <= MicGainSteps ? gainSteps[step - 1].sensorGain : 0;
}

void MainMenu::setMicGainStep(int step)
{
    if (step < 1 || step > 6)
        step = DefaultGainStep;
    m_micGainStep = step;
    const GainStep &entry = gainSteps[step - 1];
    if (StatusbarData().isWiredSensor()) {
        // A wired sensor has no gain of its own: the codec amplifies.
        m_micPgaGain = float(entry.pgaCentiDb) / 100.0f;
        m_audioCodec->setMicPgaGain(entry.pgaCentiDb);
    } else {
        m_audioCodec->setMicPgaGain(FixedPgaCentiDb);
        m_micPgaGain = float(FixedPgaCentiDb) / 100.0f;
        m_micGain = entry.sensorGain;
        setMicParameterGain(m_micGain);
    }
}

void MainMenu::setCurrentFilter(quint32 low, quint32 high, int type)
{
    m_currentLowCutOffFreq = low;
    m_currentHighCutOffFreq = high;
    m_currentFilterType = type;
}

void MainMenu::getCurrentFilter(quint32 *low, quint32 *high, int *type) const
{
    *low = m_currentLowCutOffFreq;
    *high = m_currentHighCutOffFreq;
    *type = m_currentFilterType;
}

int MainMenu::setCurrentVisibleDlgNum(int num)
{
    m_currentVisibleDlgNum = num;
    return 0;
}

int MainMenu::resetBootedToFavouriteFunction()
{
    m_directlyBootedToFavouriteFunction = false;
    return 0;
}

void MainMenu::changeLanguage(int num)
{
    if (num >= 1 && num <= 24)
        loadLanguageFile(QLatin1String(languageFiles[num - 1]));
    else if (!translator.load(QStringLiteral(":/Languages/GB_KX500.qm")))
        qWarning() << "Could not load language file :/Languages/GB_KX500.qm";
    QApplication::removeTranslator(&translator);
    QApplication::installTranslator(&translator);
    m_systemsettings->init();
}

void MainMenu::loadLanguageFile(const QString &name)
{
    const QString external = Platform::path(QStringLiteral("/media/kx500/%1").arg(name));
    QFile file(external);
    bool loaded = false;
    if (file.open(QIODevice::ReadOnly)) {
        file.close();
        loaded = translator.load(external);
        qDebug() << "Load language file from mass storage" << external;
    } else {
        loaded = translator.load(QStringLiteral(":/Languages/%1").arg(name));
        qDebug() << "Load language file from resource";
    }
    if (!loaded)
        qWarning() << "Could not load language file" << name;
}

void MainMenu::writeSystemInfo(const QString &infoText)
{
    QFile file(Platform::path(QStringLiteral("/media/kx500/systemInfo.txt")));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) {
        qDebug() << "Could not open file:" << file.fileName();
        return;
    }
    BatteryState battery;
    Statusbardata &status = StatusbarData();
    const QDateTime now = Platform::currentDateTime();
    QStringList fields;
    fields << now.date().toString(QStringLiteral("dd.MM.yyyy"))
           << now.time().toString(Qt::TextDate)
           << QString::number(battery.fuelPercent())
           << number6(battery.voltage())
           << number6(battery.current())
           << (battery.isCharging() ? QStringLiteral("1") : QStringLiteral("0"));
    float celsius = 0;
    if (battery.temperature(&celsius))
        fields << number6(celsius);
    fields << (status.stateHeadphone() ? QStringLiteral("1") : QStringLiteral("0"))
           << (status.stateMicrophone() ? QStringLiteral("1") : QStringLiteral("0"))
           << QString::number(status.batteryVoltageMic())
           << QString::number(status.batteryMicrophone())
           << infoText;
    file.write((fields.join(QLatin1Char(';')) + QLatin1Char('\n')).toLatin1());
}

void MainMenu::writeSystemInfo()
{
    writeSystemInfo(QString());
}

// Up and Down from the hardware keys move the focus through the buttons of
// whichever screen is shown: the screens' buttons pass them up to here.
void MainMenu::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        focusNextPrevChild(false);
        break;
    case Qt::Key_Down:
        focusNextPrevChild(true);
        break;
    case Qt::Key_Escape:
    case Qt::Key_Return:
        event->accept();
        break;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

void MainMenu::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F12) {
        qDebug() << "Key: SwitchOff";
        beforePowerDown();
    } else if (event->key() == Qt::Key_F13) {
        Gpio::setValue(UartRoutingLine50, 0);
        Gpio::setValue(UartRoutingLine65, 1);
        qDebug() << "Switching to Uart-Mode";
        displayPopup(3);
    } else {
        QMainWindow::keyReleaseEvent(event);
    }
}

void MainMenu::beforePowerDown()
{
    // The power key, the power-saving tick and the battery tick may all ask;
    // the first one starts the one shutdown.
    if (m_poweringDown)
        return;
    m_poweringDown = true;
    qDebug() << "beforePowerDown: Mute";
    muteAudioPath(true, true);
    qDebug() << "beforePowerDown: Disconnect btSink";
    m_btSink->disconnectBtDevice();
    qDebug() << "beforePowerDown: Disconnect btSource";
    m_btSource->disconnectBtDevice();
    qDebug() << "beforePowerDown: Finish";
    QTimer::singleShot(3000, this, &MainMenu::powerDown);
}

void MainMenu::powerDown()
{
    // Leave the mount point so it is not busy.
    Platform::setCurrentDir(QStringLiteral("/home/root"));
    qDebug() << "Good bye!";
    Platform::execute(QStringLiteral("umount /media/kx500"));
    // A switch-off that did not happen may be asked for again.
    if (Platform::execute(QStringLiteral("poweroff")) != 0) {
        qWarning() << "poweroff failed";
        m_poweringDown = false;
    }
}

void MainMenu::on_butLevelmeasurement_clicked()
{
    displayWidget(1, 1, 0);
}

void MainMenu::on_butPinpointing_clicked()
{
    displayWidget(3, 1, 0);
}

void MainMenu::on_butManagement_clicked()
{
    management();
    displayWidget(4, 1, 0);
}

// The one sensor button leads to the screen of the probe on the RM-3.
void MainMenu::on_butH2Sensor_clicked()
{
    displayWidget(StatusbarData().sensorType() == Statusbardata::SensorPressure ? 11 : 6, 1, 0);
}

void MainMenu::on_butPipelocating_clicked()
{
    displayWidget(8, 1, 0);
}

void MainMenu::on_butLongtermmeasurement_clicked()
{
    displayWidget(9, 1, 0);
}

void MainMenu::on_butDebugMenu_clicked()
{
    DebugMenu menu(this);
    menu.exec();
}

void MainMenu::on_butTestMenu_clicked()
{
    TestMenu menu(this);
    menu.exec();
}
