#include "statusbar.h"

#include "audiocodecsetup.h"
#include "batterystate.h"
#include "bluetooth.h"
#include "driverhelper.h"
#include "globals.h"
#include "gpio.h"
#include "gps.h"
#include "mainmenu.h"
#include "messagedialog.h"
#include "platform.h"
#include "systemsettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QDebug>
#include <QPaintEvent>
#include <QPainter>

namespace {

constexpr int TickMs = 2000;
constexpr int TickSeconds = TickMs / 1000;
constexpr int RareTickMs = 30000;
// Power-saving time of 0 or less: three days, longer than any battery lasts.
constexpr int NeverSeconds = 259200;
constexpr unsigned DebugLedLine = 115;
constexpr unsigned WiredSensorLine = 48;
constexpr int LowChargePercent = 10;
constexpr float LowVoltage = 3.1f;
constexpr float EmptyVoltage = 2.9f;
constexpr int LowBatteryDialogSeconds = 120;
constexpr int AlertHoldOffMs = 10000;
// 30-s ticks between two battery queries of sensor and headphones.
constexpr int BatteryQueryTicks = 60;
constexpr int HeadphoneStartVolume = 50;
const char *const BacklightFile = "/sys/class/backlight/backlight/brightness";
const char *const SoftwareVersion = KX500_VERSION;


struct AlertEntry
{
    const char *code;
    const char *log;
    int connected; // new connected flag; -1 leaves it
    struct
    {
        const char *key;
        const char *english;
    } text;
};

// What the sensor unit's alert codes mean; any other code marks the sensor connected.
const AlertEntry alertTable[] = {
    {"0", "ALERT! No sensor connected", 0,
     QT_TRANSLATE_NOOP3("Statusbardata", "TheSensorCouldNotBeDetected", "The sensor could not be detected.")},
    {"1", "ALERT! Battery voltage of RM-3 very low", -1,
     QT_TRANSLATE_NOOP3("Statusbardata", "BatteryVoltageOfRM3ToLow",
                        "Battery voltage of RM-3 is to low. Please recharge.")},
    {"2", "ALERT! Problem with sensor type detection", 0,
     QT_TRANSLATE_NOOP3("Statusbardata", "ProblemWithSensorTypeDetection",
                        "Type of sensor could not detected. Please fix sensor or clean contacts.")},
};

} // namespace

Statusbardata::Statusbardata(QObject *parent)
    : QObject(parent), m_batteryState(new BatteryState(this)), m_swVersion(QLatin1String(SoftwareVersion))
{
    m_timer.setInterval(TickMs);
    connect(&m_timer, &QTimer::timeout, this, &Statusbardata::update);
    m_timer.start();
    // A named child, so a test can quicken the real tick.
    m_longTimer.setParent(this);
    m_longTimer.setObjectName(QStringLiteral("rareTick"));
    m_longTimer.setInterval(RareTickMs);
    connect(&m_longTimer, &QTimer::timeout, this, &Statusbardata::rareUpdate);
    m_longTimer.start();
}

void Statusbardata::init()
{
    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        m_btSource = main->getBtSourceInstance();
        m_btSink = main->getBtSinkInstance();
        m_audioCodec = main->getAudioCodecInstance();
        m_gpsModul = main->getGpsInstance();
    }
    m_stateGps = m_stateHeadphone = m_stateMicrophone = m_stateMute = false;
    m_voltage = m_batteryState->voltage();
    m_batteryHL = m_batteryState->fuelPercent();
    m_batteryHLCharging = m_batteryState->isCharging();
    m_cntNextBatteryUpdate = 0;
    m_sensorType = 0;
    m_batteryMicrophone = -1;
    m_displayAccuWarningPopup = true;
    m_batteryHeadphone = m_batteryHL;
    if (m_btSink) {
        connect(m_btSink, &Bluetooth::btAlertMessageReceived, this, &Statusbardata::analyseAlert, Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btSensortypeReceived, this, &Statusbardata::btReceivedSensortype, Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btBatteryvoltageReceived, this, &Statusbardata::btReceivedBattery, Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btConnectedRfcomm, this, &Statusbardata::btConnected, Qt::UniqueConnection);
    }
    if (m_btSource)
        connect(m_btSource, &Bluetooth::btHeadphoneBatteryStateReceived, this,
                &Statusbardata::btReceivedHeadphoneBatteryState, Qt::UniqueConnection);
    sendToSensor(QStringLiteral("BT_TX T"));
    sendToSensor(QStringLiteral("BT_TX B"));
    loadPowerSavingTimes();
    m_powerSavingActive = false;
    writeBrightness();
}

int Statusbardata::powerSavingSeconds(int setting)
{
    return setting > 0 ? setting : NeverSeconds;
}

void Statusbardata::loadPowerSavingTimes()
{
    Systemsettings *s = MainMenu::settings();
    m_powerOffCnt = powerSavingSeconds(s ? s->getPowerOffTime() : 0);
    m_backlightOffCnt = powerSavingSeconds(s ? s->getDisplayOffTime() : 0);
}

void Statusbardata::writeBrightness()
{
    if (Systemsettings *s = MainMenu::settings())
        DriverHelper::writeFile(QString::fromLatin1(BacklightFile), s->getBrightness());
}

void Statusbardata::sendToSensor(const QString &message)
{
    if (m_btSink)
        m_btSink->sendData(message);
}

void Statusbardata::resetPowerSavingCnt()
{
    loadPowerSavingTimes();
    if (m_powerSavingActive)
        writeBrightness();
    m_powerSavingActive = false;
}

void Statusbardata::switchOffDbgLed()
{
    Gpio::setValue(DebugLedLine, 0);
}

void Statusbardata::update()
{
    Gpio::setValue(DebugLedLine, 1);
    QTimer::singleShot(100, this, &Statusbardata::switchOffDbgLed);

    if (Gpio::getValue(WiredSensorLine)) {
        m_sensorType = SensorWired;
        m_micSensorConnected = 1;
    } else if (isWiredSensor()) {
        m_sensorType = 0;
        m_micSensorConnected = 0;
    }

    if (!m_stateMicrophone) {
        m_stateMicrophone = m_btSink && m_btSink->isConnectedRFCOMM();
        if (!m_stateMicrophone && !isWiredSensor())
            m_micSensorConnected = 0;
    }
    if (m_stateMicrophone && !m_micSensorConnected)
        sendToSensor(QStringLiteral("BT_TX T"));
    // Asked every tick until the sensor answers.
    if (m_batteryMicrophone < 0)
        sendToSensor(QStringLiteral("BT_TX B"));

    m_batteryHLCharging = m_batteryState->isCharging();

    // Both counters keep falling, so an ignored switch-off is tried again.
    m_powerOffCnt -= TickSeconds;
    if (m_powerOffCnt < 1) {
        qDebug() << "Power-Off device";
        if (MainMenu *main = MainMenu::getInstanceMainMenu())
            main->beforePowerDown();
    }
    m_backlightOffCnt -= TickSeconds;
    if (m_backlightOffCnt <= 0) {
        qDebug() << "Backlight off";
        DriverHelper::writeFile(QString::fromLatin1(BacklightFile), QByteArrayLiteral("0"));
        m_powerSavingActive = true;
    }
}

void Statusbardata::rareUpdate()
{
    m_voltage = m_batteryState->voltage();
    m_batteryHL = m_batteryState->fuelPercent();

    // Before any warning: an empty battery switches off whatever dialog is
    // open (this tick also runs inside the event loop of a modal dialog).
    const bool empty = m_voltage < EmptyVoltage;
    if (empty) {
        qDebug() << "Battery is very low. Power-Off device";
        if (MainMenu *main = MainMenu::getInstanceMainMenu())
            main->beforePowerDown();
    }

    // Re-armed only once the battery has clearly recovered.
    if (m_batteryHL > LowChargePercent && m_voltage > LowVoltage)
        m_displayAccuWarningPopup = true;
    const bool low = m_batteryHL < LowChargePercent || m_voltage < LowVoltage;
    if (low && !empty && m_displayAccuWarningPopup && !m_lowBatteryWarningOpen) {
        m_lowBatteryWarningOpen = true;
        // Not inside this tick: a timer never fires again while its own slot
        // waits in a dialog, and the next ticks must still see the battery.
        QTimer::singleShot(0, this, &Statusbardata::showLowBatteryWarning);
    }

    if (--m_cntNextBatteryUpdate <= 0) {
        sendToSensor(QStringLiteral("BT_TX B"));
        if (m_btSource)
            m_btSource->requestHeadphoneBatteryState();
        m_cntNextBatteryUpdate = BatteryQueryTicks;
    }

    const int headphone = m_btSource ? m_btSource->getBtExtHeadphoneBatteryState() : -1;
    m_batteryHeadphone = headphone >= 0 ? headphone : m_batteryHL;
}

void Statusbardata::showLowBatteryWarning()
{
    const int code = showWarning(tr("TheBatteryIsVeryLowPleaseRecharge", "The battery is very low. Please recharge."),
                                 LowBatteryDialogSeconds);
    m_lowBatteryWarningOpen = false;
    if (code == 0) {
        qDebug() << "Battery low message accepted";
        m_displayAccuWarningPopup = false;
    } else if (code == 4) {
        qDebug() << "Battery low message: Timeout";
        m_displayAccuWarningPopup = false;
    } else {
        qDebug() << "Ende Button Unknown";
    }
}

// Each warning has its own dialog: the ticks and the sensor's alerts may
// open one while another is still shown.
int Statusbardata::showWarning(const QString &text, int autoCloseSeconds)
{
    return MessageDialog::inform(nullptr, 1, tr("Warning", "Warning"), text, autoCloseSeconds);
}

void Statusbardata::analyseAlert(const QString &a_alert)
{
    const QString code = a_alert.trimmed();
    const AlertEntry *entry = nullptr;
    for (const AlertEntry &e : alertTable) {
        if (code == QLatin1String(e.code))
            entry = &e;
    }
    if (!entry) {
        m_micSensorConnected = 1;
        return;
    }
    qDebug() << entry->log;
    if (entry->connected >= 0)
        m_micSensorConnected = entry->connected;
    // One warning at a time, and none within the hold-off after it.
    if (m_messageVisible)
        return;
    m_messageVisible = true;
    if (code == QLatin1String("0") && g_debugFeatures != 1)
        sendToSensor(QStringLiteral("BT_TX O"));
    // Shown from the event loop, not inside the sensor link's receive path.
    const QString text = QCoreApplication::translate("Statusbardata", entry->text.key, entry->text.english);
    QTimer::singleShot(0, this, [this, text] { showWarning(text, 0); });
    QTimer::singleShot(AlertHoldOffMs, this, &Statusbardata::enableDisplayMsgDlg);
}

void Statusbardata::enableDisplayMsgDlg()
{
    m_messageVisible = false;
}

int Statusbardata::sensorBatteryPercent(int millivolts)
{
    if (millivolts < 3400 || millivolts > 4300)
        return -1;
    return qBound(0, (millivolts - 3600) / 5, 100);
}

void Statusbardata::btReceivedBattery(const QString &a_voltage)
{
    bool ok = false;
    const int mv = a_voltage.trimmed().toInt(&ok);
    m_batteryVoltageMic = ok ? mv : 0;
    m_batteryMicrophone = ok ? sensorBatteryPercent(mv) : -1;
}

void Statusbardata::btReceivedHeadphoneBatteryState(int a_batteryPercent)
{
    m_batteryHeadphone = a_batteryPercent >= 0 && a_batteryPercent <= 100 ? a_batteryPercent : m_batteryHL;
}

void Statusbardata::btReceivedSensortype(const QString &a_type)
{
    // The sensor reports "4" for a sensor it does not recognise: type 5 here,
    // since 4 is the wired sensor on the unit's own input. "5" is a pressure
    // transducer.
    static const QStringList reported = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                         QStringLiteral("4"), QStringLiteral("5")};
    static const int types[] = {1, 2, SensorH2, SensorUnknown, SensorPressure};
    const int index = reported.indexOf(a_type.trimmed());
    if (index < 0) {
        m_sensorType = 0;
        return;
    }
    m_sensorType = types[index];
    m_micSensorConnected = 1;
}

void Statusbardata::btConnected()
{
    m_stateMicrophone = true;
}

bool Statusbardata::stateGps()
{
    m_stateGps = m_gpsModul && m_gpsModul->isGpsDataValid();
    return m_stateGps;
}

bool Statusbardata::stateHeadphone()
{
    m_stateHeadphone = m_btSource && m_btSource->isConnectedA2DP();
    if (m_stateHeadphone && m_initConnectHeadphone && m_btSource->isConnectedAVRCP()) {
        qDebug() << "Init Headphone Volume";
        m_btSource->setBtExtHeadphoneGain(HeadphoneStartVolume);
        m_initConnectHeadphone = false;
    } else if (!m_stateHeadphone && !m_initConnectHeadphone) {
        qDebug() << "Headphone Connection lost";
        m_initConnectHeadphone = true;
    }
    return m_stateHeadphone;
}

bool Statusbardata::stateMicrophone()
{
    m_stateMicrophone = m_btSink && m_btSink->isConnectedRFCOMM();
    return m_stateMicrophone;
}

bool Statusbardata::stateMute()
{
    MainMenu *main = MainMenu::getInstanceMainMenu();
    m_stateMute = !main || main->isAudioPathMuted();
    return m_stateMute;
}

Statusbardata &StatusbarData()
{
    static Statusbardata data;
    return data;
}

// --- Statusbar -------------------------------------------------------------

namespace {
const QString IconFolder = QStringLiteral(":/Resources/Icons/Tools/Statusbar/");

struct SensorIcon
{
    int type;
    int x;
    const char *name; // nullptr: drawn as a square
};

const SensorIcon sensorIcons[] = {
    {0, 50, "Microphone"}, {1, 50, "Microphone"}, {2, 46, "Sensor2"},
    {3, 46, "H2Sensor"},   {4, 46, "WiredSensor"}, {5, 46, nullptr},
    {6, 46, "PressureSensor"},
};
} // namespace

Statusbar::Statusbar(QWidget *parent) : QWidget(parent)
{
    m_updateTime.setInterval(1000);
    connect(&m_updateTime, &QTimer::timeout, this, &Statusbar::updateTime);
}

void Statusbar::init(int width, int height)
{
    setFixedSize(width, height);
    m_swVersion = QLatin1String(SoftwareVersion);
    image = QImage(width, height, QImage::Format_RGB32);
    updateTime();
    if (isVisible())
        m_updateTime.start();
}

// Only the bar of the screen on show keeps ticking.
void Statusbar::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!image.isNull()) {
        updateTime();
        m_updateTime.start();
    }
}

void Statusbar::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_updateTime.stop();
}

void Statusbar::readState()
{
    Statusbardata &data = StatusbarData();
    m_btStateHeadphone = data.stateHeadphone();
    m_btStateMicrophone = data.stateMicrophone();
    m_stateGps = data.stateGps();
    m_mute = data.stateMute();
    m_micSensorConnected = data.micSensorConnected();
    m_sensorType = data.sensorType();
    m_batteryHL = data.batteryHL();
    m_batteryHLCharging = data.batteryHLCharging();
    m_batteryHeadphone = data.batteryHeadphone();
    m_batteryMicrophone = data.batteryMicrophone();
    Systemsettings *s = MainMenu::settings();
    m_switchMode = !s || s->isMuteKeySwitchmode();
    const QDateTime now = Platform::currentDateTime();
    m_time = now.toString(Systemsettings::getFormatStringTime());
    m_date = now.toString(s ? s->getFormatStringDate() : QStringLiteral("dd.MM.yyyy"));
}

void Statusbar::updateTime()
{
    readState();
    draw();
    update();
}

void Statusbar::drawIcon(QPainter &painter, int x, const QString &name)
{
    // Decoded once: every screen's bar redraws each second.
    static QHash<QString, QImage> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, QImage(IconFolder + name));
    painter.drawImage(QPoint(x, 0), *it);
}

void Statusbar::drawAccu(QPainter &painter, const QRect &rect, int percent)
{
    const int capWidth = 4;
    const int interiorTop = 5; // below the cap and the outline
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(rect.left() + (rect.width() - capWidth) / 2, rect.top(), capWidth, 2);
    painter.drawRect(rect.left(), rect.top() + 2, rect.width(), rect.height() - 2);
    const QRect interior(rect.left() + 1, rect.top() + interiorTop, rect.width() - 2, rect.height() - interiorTop);
    painter.setBrush(QColor(60, 60, 60));
    painter.drawRect(interior);
    const int fill = qBound(0, percent, 100) * (rect.height() - interiorTop) / 100;
    painter.setBrush(QColor(0, 200, 0));
    painter.drawRect(interior.left(), interior.bottom() - fill + 1, interior.width(), fill);
    painter.restore();
}

void Statusbar::draw()
{
    if (image.isNull())
        return;
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::black);
    drawIcon(painter, 0, QStringLiteral("KX500_ws_20px.png"));

    const int h = image.height();
    drawAccu(painter, QRect(24, 1, 12, h - 2), m_batteryHL);
    if (m_batteryHLCharging) {
        const QPoint bolt[] = {{30, 5}, {30, 10}, {33, 10}, {29, 17}, {29, 12}, {26, 12}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::red);
        painter.drawPolygon(bolt, 6);
    }

    const bool sensorOk = m_sensorType == 4 ? m_micSensorConnected : (m_btStateMicrophone && m_micSensorConnected);
    const QString colour = sensorOk ? QStringLiteral("_gn_20px.png") : QStringLiteral("_rt_20px.png");
    const SensorIcon *icon = &sensorIcons[0];
    for (const SensorIcon &s : sensorIcons) {
        if (s.type == m_sensorType)
            icon = &s;
    }
    if (icon->name) {
        drawIcon(painter, icon->x, QLatin1String(icon->name) + colour);
    } else {
        painter.setPen(QPen(sensorOk ? Qt::green : Qt::red, 3));
        painter.setBrush(Qt::black);
        painter.drawRect(QRect(QPoint(46, 2), QPoint(61, 17)));
    }
    if (m_btStateMicrophone && m_sensorType != 4 && m_batteryMicrophone >= 0)
        drawAccu(painter, QRect(70, 1, 12, h - 2), m_batteryMicrophone);

    drawIcon(painter, 92, m_btStateHeadphone ? QStringLiteral("Headphone_gn_20px.png") : QStringLiteral("Headphone_rt_20px.png"));
    if (m_btStateHeadphone)
        drawAccu(painter, QRect(116, 1, 12, h - 2), m_batteryHeadphone);
    drawIcon(painter, 138, m_stateGps ? QStringLiteral("Satellite_gn_20px.png") : QStringLiteral("Satellite_rt_20px.png"));
    drawIcon(painter, 190, m_switchMode ? QStringLiteral("SwitchMode_Switch_bl_20px.png")
                                        : QStringLiteral("SwitchMode_Button_bl_20px.png"));
    drawIcon(painter, 220, m_mute ? QStringLiteral("speaker_mute_ws_20px.png") : QStringLiteral("speaker_active_ws_20px.png"));

    QFont font = painter.font();
    font.setPixelSize(qMax(10, h - 4));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(240, 0, image.width() - 242, 19), Qt::AlignRight | Qt::AlignVCenter,
                     m_displayDate ? m_date + QLatin1Char(' ') + m_time : m_time);
}

void Statusbar::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image, event->rect());
}
