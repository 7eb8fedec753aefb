#include "bluetooth.h"

#include "globals.h"
#include "gpio.h"
#include "mainmenu.h"
#include "platform.h"
#include "serialline.h"
#include "systemsettings.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace {

// Shared by both modules: DTR asks the module for command mode, carrier
// detect is high while it passes data through.
constexpr unsigned GpioDtr = 58;
constexpr unsigned GpioCarrierDetect = 59;

constexpr int MaxWriteBytes = 255;
constexpr int MaxRfcommPolls = 200;
constexpr int A2dpListPolls = 10;
const char TraceFile[] = "/media/kx500/btInfo.txt";

const char *const SourceConfiguration[] = {
    "SET BT PAGEMODE 0 2000 2", "SET CONTROL ECHO 5", "SET BT FILTER 200400 200400",
    "SET BT PAIRCOUNT 1", "SET BT NAME KXE500_HP", "SET CONTROL PREAMP 0 0",
    "SET CONTROL CD 04 1", "SET CONTROL ESCAPE - 02 1", "SET PROFILE A2DP SOURCE",
    "SET PROFILE AVRCP TARGET 7", "SET PROFILE HFP-AG ON", "SET BT CLASS 280428"};
const char *const SinkConfiguration[] = {
    "SET BT PAGEMODE 0 2000 2", "SET CONTROL ECHO 5", "SET BT FILTER 200400 200400",
    "SET BT PAIRCOUNT 1", "SET BT NAME KXE500_MIC", "SET CONTROL PREAMP 0 0",
    "SET CONTROL CD 04 1", "SET CONTROL ESCAPE - 02 1", "SET PROFILE A2DP SINK",
    "SET PROFILE AVRCP CONTROLLER 3", "SET BT CLASS 280438"};
const char *const SimulatedMicConfiguration[] = {
    "SET BT PAGEMODE 3 4000 1", "SET CONTROL ECHO 5", "SET BT FILTER 200400 200400",
    "SET BT PAIRCOUNT 1", "SET BT NAME KXE500_SIM_MIC", "SET CONTROL PREAMP 0 0",
    "SET CONTROL CD 04 1", "SET CONTROL ESCAPE - 02 1", "SET PROFILE A2DP SOURCE",
    "SET PROFILE AVRCP TARGET 7", "SET BT CLASS 280428"};

QString field(const QStringList &fields, int index)
{
    return index < fields.size() ? fields.at(index) : QString();
}

// A link number from the module; anything else is not acted on, so a
// damaged line cannot pose as link 0.
bool linkNumber(const QString &text, int *link)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= 0)
        *link = value;
    return ok && value >= 0;
}

// Keeps the newest text: a line that has grown past the limit without an
// end is not a line the module sends, and what follows it still counts.
void capFront(QString &text, int limit)
{
    if (text.size() > limit)
        text.remove(0, text.size() - limit);
}

} // namespace

Bluetooth::Bluetooth(QObject *parent)
    : QObject(parent),
      uartPort(new SerialLine(115200, this)),
      m_btStateTimer(new QTimer(this)),
      m_btTimerTransmit(new QTimer(this))
{
    m_btStateTimer->setSingleShot(true);
    m_btTimerTransmit->setSingleShot(true);
}

Bluetooth::~Bluetooth() = default;

void Bluetooth::initBluetooth(const QString &portName, const QString &btId)
{
    if (g_debugFeatures == 1)
        qDebug() << "Remove Bt-Info-File" << QFile::remove(Platform::path(QString::fromLatin1(TraceFile)));

    m_portName = portName;
    uartPort->open(portName);
    connect(uartPort, &SerialLine::readyRead, this, &Bluetooth::readTtyData, Qt::UniqueConnection);
    connect(uartPort, &SerialLine::lost, this, &Bluetooth::lineLost, Qt::UniqueConnection);
    connect(uartPort, &SerialLine::reopened, this, &Bluetooth::lineReopened, Qt::UniqueConnection);
    m_btId = btId;
    m_btAnswer.clear();
    resetFields();
    m_btName = QStringLiteral("unknown");
    m_btProfile = 0;
    qDebug() << "---Bluetooth init---";

    connect(m_btStateTimer, &QTimer::timeout, this, &Bluetooth::updateState, Qt::UniqueConnection);
    connect(m_btTimerTransmit, &QTimer::timeout, this, &Bluetooth::transmitTimeout, Qt::UniqueConnection);
    connect(this, &Bluetooth::btAnswerFromDeviceReceived, this, &Bluetooth::transmitTimeout, Qt::UniqueConnection);
    startModule();
}

// The module in command mode and asked for its links: at power-on and
// whenever its serial line comes back.
void Bluetooth::startModule()
{
    Gpio::setValue(GpioDtr, 0);
    if (Gpio::getValue(GpioCarrierDetect)) {
        qDebug() << "BT-Modul ist noch im Datenmodus";
        qDebug() << "DTR-Pin toggle start";
        Gpio::setValue(GpioDtr, 0);
        QThread::msleep(2000);
        Gpio::setValue(GpioDtr, 1);
        qDebug() << "DTR-Pin toggle finished";
        // A module that never leaves data mode must not hang the start-up:
        // the state machine and LIST sort the links out afterwards.
        QElapsedTimer waited;
        waited.start();
        while (Gpio::getValue(GpioCarrierDetect)) {
            if (waited.elapsed() > CarrierWaitLimitMs) {
                qWarning() << "Bluetooth: carrier detect still high after" << CarrierWaitLimitMs
                           << "ms, going on" << m_portName;
                break;
            }
            qDebug() << "Warten auf Commandmodus";
            QThread::msleep(10);
        }
    }
    sendData(QStringLiteral("LIST"));
}

// Nothing comes through a failed line: every link counts as down until the
// module is started again on the reopened line.
void Bluetooth::lineLost()
{
    m_callAfterReopen = m_btState != -1;
    clearLinks();
    m_btState = -1;
    m_btMode = 0;
    m_switchToDataMode = m_switchToCommandMode = false;
    m_commandOutputBuffer.clear();
    m_btTimerTransmit->stop();
    m_waitForBTRX = false;
    m_numDataToTransmit = 0;
    m_btAnswer.clear();
    qDebug() << "Bluetooth: serial line lost" << m_portName;
}

// The module may have restarted with the line: as at power-on, the links
// are asked for, the gains set and the peer called again.
void Bluetooth::lineReopened()
{
    qDebug() << "Bluetooth: serial line back, starting the module" << m_portName;
    startModule();
    sendGains();
    // A line that was never open had the machine running without output.
    if (m_callAfterReopen || m_btState != -1)
        callBtDeviceA2DP(m_callBtDeviceRfcomm);
    m_callAfterReopen = false;
}

void Bluetooth::resetFields()
{
    m_btState = -1;
    clearLinks();
    m_callBtDeviceRfcomm = false;
    m_btWaitForReadyAfterReset = false;
    m_waitForBTRX = false;
    m_waitCntConnectRfcomm = 0;
    m_btExtMicGain = 15;
    m_btDacGain = 15;

    const MainMenu *main = MainMenu::getInstanceMainMenu();
    const Systemsettings *settings = main ? main->getInstanceSystemsettings() : nullptr;
    m_btAdcGain = settings ? settings->headphoneAdcGain() : 5;
    m_btLastAdcGain = m_btAdcGain;
    m_btExtHeadphoneGain = 8;
    m_btExtHeadphoneBatteryState = -1;
    m_btMode = 0;
    m_btIdMicrophone = settings ? settings->getBtIdMicrophone() : QString();
    m_btIdHeadphone = settings ? settings->getBtIdHeadphone() : QString();
}

// All four links down and their numbers forgotten.
void Bluetooth::clearLinks()
{
    m_linkId0_A2DP = m_linkId1_A2DP = m_linkId2_RFCOMM = m_linkId2_AVRCP = m_linkId3_HFP = -1;
    m_connectedA2DP = m_connectedRFCOMM = m_connectedAVRCP = m_connectedHFP = false;
}

void Bluetooth::killLinks()
{
    sendData(QStringLiteral("KILL ") + m_btId);
    for (int link = 0; link < 4; ++link)
        sendData(QStringLiteral("CLOSE %1").arg(link));
}

void Bluetooth::resetBluetooth(const QString &btId)
{
    if (!btId.isEmpty())
        m_btId = btId;
    m_btAnswer.clear();
    resetFields();
    updateState();
}

void Bluetooth::callBtDeviceA2DP(bool rfcomm)
{
    m_callBtDeviceRfcomm = rfcomm;
    if (!m_connectedA2DP && !m_connectedRFCOMM)
        m_btState = 0;
    updateState();
}

void Bluetooth::disconnectBtDevice()
{
    // The module takes commands only in command mode; buffering them for a
    // state machine that is about to stop would lose them. Right after
    // "CONNECT ... RFCOMM" the module is in data mode before the state
    // machine has seen carrier detect, so a channel counts as data mode.
    if (m_btMode == 1 || m_connectedRFCOMM)
        leaveDataModeNow();
    sendData(QStringLiteral("SET CONTROL AUTOCALL"));
    QThread::msleep(500);
    killLinks();
    sendData(QStringLiteral("SET CONTROL AUTOCALL"));
    qDebug() << "Autocall disabled";
    clearLinks();
    m_btState = -1;
    m_callBtDeviceRfcomm = false;
    m_btMode = 0;
}

void Bluetooth::leaveDataModeNow()
{
    Gpio::setValue(GpioDtr, 0);
    Gpio::setValue(GpioDtr, 1);
    QElapsedTimer waited;
    waited.start();
    while (Gpio::getValue(GpioCarrierDetect) && waited.elapsed() < 500)
        QThread::msleep(10);
    m_btMode = 0;
    m_switchToCommandMode = false;
    m_switchToDataMode = false;
    if (!m_commandOutputBuffer.isEmpty()) {
        writeRaw(m_commandOutputBuffer.toLatin1());
        m_commandOutputBuffer.clear();
    }
}

void Bluetooth::switchBtMode(int mode)
{
    m_switchToDataMode = mode == 1;
    m_switchToCommandMode = mode != 1;
    updateState();
}

void Bluetooth::sendData(const QString &text)
{
    if (text.startsWith(QLatin1String("AT"))) {
        writePort(text);
        return;
    }

    if (!text.startsWith(QLatin1String("BT_TX"))) {
        if (m_btMode == 1)
            switchBtMode(0);
        qDebug() << "--> SEND_DATA" << text << m_btMode << m_btId;
        if (m_btMode != 0) {
            m_commandOutputBuffer += text + QLatin1Char('\n');
            qDebug() << "Move to buffer" << m_commandOutputBuffer;
        } else {
            writePort(text);
        }
        return;
    }

    if (text.startsWith(QLatin1String("BT_TX I"))) {
        const QStringList fields = text.split(QLatin1Char(' '));
        bool ok = false;
        const int gain = field(fields, 2).toInt(&ok, 16);
        if (ok)
            m_btExtMicGain = gain;
        qDebug() << "Gain:" << field(fields, 2) << "Mute:" << (field(fields, 3) == QLatin1String("MUTE"))
                 << "Switch:" << (field(fields, 4) != QLatin1String("PUSHBUT"));
    }

    if (m_switchToCommandMode) {
        qDebug() << "Bluetooth: command mode pending, dropped" << text;
        return;
    }
    if (m_btMode == 0)
        switchBtMode(1);
    if (!m_connectedRFCOMM) {
        qDebug() << "Bluetooth: no RFCOMM link, not sent:" << text;
        return;
    }

    qDebug() << "--> SEND_DATA" << text << m_btMode << m_btId;
    if (g_debugFeatures == 1)
        writeBluetoothCmdsDbg(QStringLiteral("H->M ") + text + QLatin1Char('\n'));
    if (m_waitForBTRX) {
        addToTransmitBuffer(text);
    } else {
        m_waitForBTRX = true;
        m_btTimerTransmit->start(AnswerTimeoutMs);
        writePort(text);
    }
}

void Bluetooth::writePort(const QString &text)
{
    writeRaw(text.toLatin1() + '\n');
}

// The module's input buffer takes 255 bytes per write; longer blocks (a
// pile of buffered commands) go out in pieces.
void Bluetooth::writeRaw(const QByteArray &bytes)
{
    for (int done = 0; done < bytes.size(); done += MaxWriteBytes) {
        if (!uartPort->write(bytes.mid(done, MaxWriteBytes)))
            return;
    }
}

void Bluetooth::addToTransmitBuffer(const QString &text)
{
    m_numDataToTransmit = std::min(m_numDataToTransmit + 1, TransmitSlots);
    m_transmitBuffer[m_numDataToTransmit] = text;
    qDebug() << "BT AddToTransmitBuffer" << text << m_numDataToTransmit;
}

void Bluetooth::transmitTimeout()
{
    m_btTimerTransmit->stop();
    if (m_numDataToTransmit < 1) {
        m_numDataToTransmit = 0;
        m_waitForBTRX = false;
        return;
    }
    for (int slot = 0; slot < TransmitSlots; ++slot)
        m_transmitBuffer[slot] = m_transmitBuffer[slot + 1];
    m_transmitBuffer[TransmitSlots].clear();
    const QString message = m_transmitBuffer[0];
    m_waitForBTRX = false;
    --m_numDataToTransmit;
    qDebug() << "BT sendData from TransmitBuffer" << message << m_numDataToTransmit;
    sendData(message);
}

QString Bluetooth::getData()
{
    if (!m_btAnswerCopy.contains(QLatin1Char('\n')))
        return QString();
    QString copy;
    copy.swap(m_btAnswerCopy);
    return copy;
}

void Bluetooth::clearData()
{
    m_btAnswer.clear();
    m_btAnswerCopy.clear();
}

void Bluetooth::readTtyData()
{
    while (uartPort->bytesAvailable() > 0)
        receiveData(uartPort->read(1023));
}

void Bluetooth::receiveData(const QByteArray &chunk)
{
    const int nul = chunk.indexOf('\0');
    const QString text = QString::fromUtf8(nul < 0 ? chunk : chunk.left(nul));
    m_btAnswer += text;
    m_btAnswerCopy += text;
    // The module's lines are short; without a line end for this long the
    // text is noise, and the buffers must not grow with it.
    capFront(m_btAnswer, MaxAnswerBuffer);
    capFront(m_btAnswerCopy, MaxAnswerCopy);
    if (m_btAnswer.contains(QLatin1Char('\n')))
        analyseAnswer();
}

void Bluetooth::analyseAnswer()
{
    // Each line is taken off the buffer before it is handled: a slot behind
    // a signal may clear the buffer or send.
    for (;;) {
        const int end = m_btAnswer.indexOf(QLatin1String("\r\n"));
        if (end < 0)
            return;
        const QString line = m_btAnswer.left(end).trimmed();
        m_btAnswer.remove(0, end + 2);
        analyseLine(line);
    }
}

void Bluetooth::analyseLine(const QString &line)
{
    if (!m_btId.isEmpty() && m_btId == m_btIdMicrophone) {
        qDebug() << "BT_M:" << line;
        if (g_debugFeatures == 1)
            writeBluetoothCmdsDbg(QStringLiteral("M->H ") + line + QLatin1Char('\n'));
    } else if (!m_btId.isEmpty() && m_btId == m_btIdHeadphone) {
        qDebug() << "BT_H:" << line;
    } else {
        qDebug() << "BT:" << line;
    }

    const QStringList fields = line.split(QLatin1Char(' '));
    if (line.startsWith(QLatin1String("BT_RX")) || line.startsWith(QLatin1String("!$!")))
        analyseSensorLine(line, fields);
    else
        analyseModuleEvent(line, fields);
}

void Bluetooth::analyseModuleEvent(const QString &line, const QStringList &fields)
{
    auto begins = [&line](const char *text) { return line.startsWith(QLatin1String(text)); };
    const QString f2 = field(fields, 2);

    if (begins("CALL")) {
        return;
    } else if (begins("CONNECT")) {
        int link = -1;
        if (!linkNumber(field(fields, 1), &link))
            return;
        if (f2 == QLatin1String("A2DP")) {
            if (m_linkId0_A2DP == -1)
                m_linkId0_A2DP = link;
            else if (m_linkId1_A2DP == -1)
                m_linkId1_A2DP = link;
            qDebug() << "Connected A2DP CONNECT received" << m_linkId0_A2DP << m_linkId1_A2DP << m_btState;
        } else if (f2 == QLatin1String("RFCOMM")) {
            m_linkId2_RFCOMM = link;
            m_connectedRFCOMM = true;
            qDebug() << "Connected RFCOMM" << link << m_btState;
            updateState();
            emit microphoneParameterRequested();
        }
    } else if (begins("A2DP STREAMING START")) {
        m_connectedA2DP = true;
        updateState();
        qDebug() << "Connected A2DP" << m_callBtDeviceRfcomm;
    } else if (begins("RING")) {
        if (field(fields, 4) != QLatin1String("AVRCP") || !linkNumber(field(fields, 1), &m_linkId2_AVRCP))
            return;
        m_connectedAVRCP = true;
        qDebug() << "Connected AVRCP";
        if (!m_connectedHFP) {
            sendData(QStringLiteral("CALL ") + m_btId + QStringLiteral(" 111E HFP-AG"));
        } else {
            m_btExtHeadphoneBatteryState = -1;
            requestHeadphoneBatteryState();
        }
    } else if (begins("HFP-AG")) {
        if (f2 == QLatin1String("READY")) {
            if (!linkNumber(field(fields, 1), &m_linkId3_HFP))
                return;
            m_connectedHFP = true;
            qDebug() << "Connected HFP-AG";
            m_btExtHeadphoneBatteryState = -1;
            requestHeadphoneBatteryState();
        } else if (field(fields, 4).startsWith(QLatin1String("AT+IPHONEACCEV"))) {
            bool ok = false;
            const int level = field(field(fields, 4).split(QLatin1Char(',')), 2).toInt(&ok);
            // The report carries levels 0..9; anything else is a damaged line.
            if (!ok || level < 0 || level > 9)
                return;
            m_btExtHeadphoneBatteryState = (level + 1) * 10;
            qDebug() << "Headphone Batterystate:" << m_btExtHeadphoneBatteryState;
            emit btHeadphoneBatteryStateReceived(m_btExtHeadphoneBatteryState);
        }
    } else if (begins("A2DP STREAMING STOP")) {
        linkLost("Verbindung unterbrochen");
    } else if (begins("NO CARRIER")) {
        // Link 3 is the hands-free link; losing it leaves the audio up.
        if (f2 != QLatin1String("3"))
            linkLost("Disconnected");
    } else if (begins("OK")) {
        qDebug() << "AT-OK received BT-Modul";
        emit btAtOk();
    } else if (begins("LIST")) {
        if (f2 != QLatin1String("CONNECTED"))
            return;
        const QString profile = field(fields, 3);
        int link = -1;
        const bool haveLink = linkNumber(field(fields, 1), &link);
        if (profile == QLatin1String("A2DP")) {
            qDebug() << "LIST: Connected A2DP" << m_btState;
            m_connectedA2DP = true;
            m_linkId0_A2DP = 0;
            m_linkId1_A2DP = 1;
            if (m_callBtDeviceRfcomm) {
                m_waitCntConnectRfcomm = 0;
                m_btState = 4;
            } else {
                m_btState = 3;
            }
            updateState();
        } else if (profile == QLatin1String("RFCOMM") && haveLink) {
            qDebug() << "LIST: Connected RFCOMM" << m_btState;
            m_connectedRFCOMM = true;
            m_linkId2_RFCOMM = link;
            m_btState = 6;
            m_switchToCommandMode = true;
            updateState();
            emit btConnectedRfcomm();
            emit microphoneParameterRequested();
        } else if (profile == QLatin1String("AVRCP") && haveLink) {
            m_linkId2_AVRCP = link;
            m_connectedAVRCP = true;
        } else if (profile == QLatin1String("HFP-AG") && haveLink) {
            m_linkId3_HFP = link;
            m_connectedHFP = true;
        }
    } else if (begins("AVRCP")) {
        if (field(fields, 4) != QLatin1String("VOLUME_CHANGED"))
            return;
        bool ok = false;
        const int volume = field(fields, 5).toInt(&ok);
        if (!ok)
            return;
        m_btExtHeadphoneGain = std::min(volumeStep(volume), 15);
        emit btHeadphoneVolumeChanged(volume);
    } else if (begins("SET BT BDADDR")) {
        m_btIdModul = field(fields, 3).trimmed();
        qDebug() << "Bluetooth-ID =" << m_btIdModul;
    } else if (begins("SET BT NAME")) {
        m_btName = field(fields, 3).trimmed();
        qDebug() << "BT-NAME:" << line << "Section:" << m_btName;
    } else if (begins("SET PROFILE A2DP")) {
        const QString role = field(fields, 3).toUpper();
        m_btProfile = role.startsWith(QLatin1String("SINK")) ? 1 : role.startsWith(QLatin1String("SOURCE")) ? 2 : 0;
        qDebug() << "BT-PROFILE" << line << "Section:" << field(fields, 3);
    } else if (begins("WRAP THOR")) {
        qDebug() << "Bluetoothmodul has been reset";
        m_btWaitForReadyAfterReset = true;
    } else if (begins("READY.")) {
        if (m_btWaitForReadyAfterReset) {
            m_btWaitForReadyAfterReset = false;
            emit btModulReset();
        }
    } else if (begins("PAIR") && line.endsWith(QLatin1String("OK"))) {
        qDebug() << "Pairing successful";
        emit btPairingOk();
    }
}

// The peer is gone: the machine starts again without a new autocall, which
// the module keeps running by itself.
void Bluetooth::linkLost(const char *why)
{
    m_connectedA2DP = m_connectedRFCOMM = m_connectedAVRCP = m_connectedHFP = false;
    m_btState = 1;
    updateState();
    qDebug() << why;
}

void Bluetooth::analyseSensorLine(const QString &line, const QStringList &fields)
{
    if (line.startsWith(QLatin1String("!$!"))) {
        emit terminationStringDetected();
        return;
    }

    // Any answer of the sensor releases the next queued message.
    m_waitForBTRX = false;
    emit btAnswerFromDeviceReceived();

    static const QRegularExpression whiteSpace(QStringLiteral("\\s+"));
    const QStringList values = line.split(whiteSpace);
    const QString key = field(fields, 1);
    const bool haveValue = values.size() > 2;
    const QString value = field(values, 2);

    if (key == QLatin1String("MUTE_STATE")) {
        if (haveValue)
            emit stateActiveMuteChanged(value != QLatin1String("ACTIVE"));
    } else if (key == QLatin1String("ALERT")) {
        qDebug() << "ALERT" << value;
        if (haveValue)
            emit btAlertMessageReceived(value);
    } else if (key == QLatin1String("SENSOR")) {
        qDebug() << "SENSOR" << value;
        if (haveValue)
            emit btSensortypeReceived(value);
    } else if (key == QLatin1String("BATT_VOLTAGE")) {
        if (haveValue)
            emit btBatteryvoltageReceived(value);
    } else if (key == QLatin1String("SENSVAL")) {
        if (values.size() > 3)
            emit btSensorvalueReceived(value, values.at(3));
    } else if (key == QLatin1String("OK")) {
        qDebug() << "AT-OK received Microphone";
    } else if (key == QLatin1String("RCVOK")) {
        qDebug() << "RCVOK received from RM-3 Mode:" << value;
    } else if (key == QLatin1String("X")) {
        qDebug() << "Debug-/Service-Mode =" << value;
    } else if (key == QLatin1String("RDY")) {
        qDebug() << "Mic ready" << key << "voltage/mV" << value << "Sensortyp" << field(values, 3);
        emit microphoneParameterRequested();
        if (g_debugFeatures == 1)
            qDebug() << "Set RM-3 to debug mode.";
        if (values.size() > 3) {
            emit btBatteryvoltageReceived(value);
            emit btSensortypeReceived(values.at(3));
        }
        emit btRdyReceived();
    } else if (key == QLatin1String("FH")) {
        emit btFwHeaderReceived(field(fields, 2) == QLatin1String("OK"));
    } else if (key == QLatin1String("FD")) {
        bool ok = false;
        const int packet = field(fields, 2).toInt(&ok);
        if (ok)
            emit btFwDataReceived(packet, field(fields, 3) == QLatin1String("OK"));
    } else if (key == QLatin1String("FS")) {
        emit btFwStartUpdateReceived(field(fields, 2) == QLatin1String("OK"));
    } else if (key == QLatin1String("FW-VERSION")) {
        if (haveValue) {
            m_fwVersion = value;
            emit btFirmwareVersion(value);
        }
    } else if (key == QLatin1String("PCAL")) {
        analysePressureCalibration(values);
    } else if (key == QLatin1String("PDATA")) {
        analysePressureData(values);
    }
}

namespace {

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
           || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

// Plain digits only: toInt() would also take signs, blanks and "0x".
bool isDigits(const QString &text, bool hex, int maxLength)
{
    if (text.isEmpty() || text.size() > maxLength)
        return false;
    return std::all_of(text.begin(), text.end(),
                       [hex](QChar c) { return hex ? isHexDigit(c) : (c >= QLatin1Char('0') && c <= QLatin1Char('9')); });
}

} // namespace

// "PCAL <bar> <adc at 0 bar> <adc at full scale>" (ADC in hex), or "PCAL 0"
// when the transducer is gone.
void Bluetooth::analysePressureCalibration(const QStringList &values)
{
    if (values.size() == 3 && values.at(2) == QLatin1String("0")) {
        m_pressureFullScale = 0;
        emit btEnableReceivePressuredata(false, 0, 0, 0);
        return;
    }
    const QString bar = field(values, 2), zero = field(values, 3), full = field(values, 4);
    if (values.size() != 5 || !isDigits(bar, false, 4) || !isDigits(zero, true, 4) || !isDigits(full, true, 4)) {
        qDebug() << "Pressure calibration ignored:" << values.join(QLatin1Char(' ')).left(64);
        return;
    }
    const int fullScale = bar.toInt();
    const int adcZero = zero.toInt(nullptr, 16);
    const int adcFull = full.toInt(nullptr, 16);
    if (fullScale < 1 || fullScale > MaxPressureFullScale || adcFull > MaxPressureAdc || adcZero >= adcFull) {
        qDebug() << "Pressure calibration out of range:" << fullScale << adcZero << adcFull;
        return;
    }
    m_pressureFullScale = fullScale;
    m_pressureAdcZero = quint16(adcZero);
    m_pressureAdcFull = quint16(adcFull);
    emit btEnableReceivePressuredata(true, fullScale, m_pressureAdcZero, m_pressureAdcFull);
}

bool Bluetooth::pressureCalibration(int *fullScaleBar, quint16 *adcZero, quint16 *adcFull) const
{
    *fullScaleBar = m_pressureFullScale;
    *adcZero = m_pressureAdcZero;
    *adcFull = m_pressureAdcFull;
    return m_pressureFullScale > 0;
}

// "PDATA <count> <data>": data is count readings of 3 hex digits, each
// followed by a comma. A line that does not add up is dropped whole.
void Bluetooth::analysePressureData(const QStringList &values)
{
    const QString count = field(values, 2), data = field(values, 3);
    const int n = isDigits(count, false, 2) ? count.toInt() : 0;
    bool ok = values.size() == 4 && n >= 1 && n <= MaxPressureReadings && data.size() == 4 * n;
    for (int i = 0; ok && i < n; ++i) {
        ok = isHexDigit(data.at(4 * i)) && isHexDigit(data.at(4 * i + 1)) && isHexDigit(data.at(4 * i + 2))
             && data.at(4 * i + 3) == QLatin1Char(',');
    }
    if (!ok) {
        qDebug() << "Pressure data ignored:" << values.join(QLatin1Char(' ')).left(64);
        return;
    }
    emit btPressuredataReceived(n, data);
}

void Bluetooth::setState(int state, int intervalMs)
{
    m_btState = state;
    m_btStateTimer->start(intervalMs);
}

void Bluetooth::updateState()
{
    switch (m_btState) {
    case 0:
    case 1:
        m_btMode = 0;
        m_waitCntA2dp = 0;
        clearLinks();
        if (m_btState == 0)
            sendData(QStringLiteral("SET CONTROL AUTOCALL 19 500 A2DP"));
        setState(2, 1000);
        break;
    case 2:
        m_connectedRFCOMM = false;
        m_linkId2_RFCOMM = -1;
        // A failed channel call clears the A2DP flag while the module keeps
        // its A2DP link, so no new streaming start will come: ask the
        // module what is open now and then.
        if (!m_connectedA2DP && ++m_waitCntA2dp % A2dpListPolls == 0)
            sendData(QStringLiteral("LIST"));
        setState(m_connectedA2DP ? 3 : 2, 1000);
        break;
    case 3:
        m_connectedRFCOMM = false;
        m_switchToDataMode = m_switchToCommandMode = false;
        m_linkId2_RFCOMM = -1;
        if (m_callBtDeviceRfcomm) {
            sendData(QStringLiteral("CALL ") + m_btId + QStringLiteral(" 1101 RFCOMM"));
            m_waitCntConnectRfcomm = 0;
            setState(4, 1000);
        } else {
            setState(3, 1000);
        }
        break;
    case 4:
        if (m_connectedRFCOMM) {
            setState(5, 10);
        } else if (++m_waitCntConnectRfcomm > MaxRfcommPolls) {
            qDebug() << "Bluetooth: no RFCOMM channel, closing the links" << m_btId;
            m_btMode = 0;
            killLinks();
            clearLinks();
            setState(1, 2000);
        } else {
            setState(4, 10);
        }
        break;
    case 5:
        setState(Gpio::getValue(GpioCarrierDetect) ? 6 : 5, 10);
        break;
    case 6:
        m_switchToDataMode = false;
        m_btMode = 1;
        Gpio::setValue(GpioDtr, 0);
        if (m_switchToCommandMode) {
            Gpio::setValue(GpioDtr, 1);
            setState(7, 10);
        } else {
            setState(6, 1000);
        }
        break;
    case 7:
        setState(Gpio::getValue(GpioCarrierDetect) ? 7 : 8, 10);
        break;
    case 8:
        m_btMode = 0;
        m_switchToCommandMode = false;
        if (!m_commandOutputBuffer.isEmpty()) {
            writeRaw(m_commandOutputBuffer.toLatin1());
            m_commandOutputBuffer.clear();
        }
        if (m_switchToDataMode) {
            Gpio::setValue(GpioDtr, 0);
            sendData(QStringLiteral("SELECT %1").arg(m_linkId2_RFCOMM));
            setState(5, 10);
        } else {
            setState(8, 1000);
        }
        break;
    default:
        setState(-1, 50);
        break;
    }
}

int Bluetooth::volumeStep(int percent)
{
    static const int upper[] = {3, 9, 15, 21, 28, 34, 40, 47, 53, 59, 65, 72, 78, 84, 91, 100};
    if (percent < 0 || percent > 100)
        return 8;
    return int(std::lower_bound(std::begin(upper), std::end(upper), percent) - std::begin(upper));
}

// Both gains travel in one command, ADC first.
void Bluetooth::sendGains()
{
    sendData(QStringLiteral("SET CONTROL GAIN %1 %2\n").arg(m_btAdcGain, 0, 16).arg(m_btDacGain, 0, 16));
}

void Bluetooth::setBtDacGain(int gain)
{
    m_btDacGain = gain;
    sendGains();
}

void Bluetooth::setBtAdcGain(int gain)
{
    m_btAdcGain = gain;
    if (gain > 0)
        m_btLastAdcGain = gain;
    sendGains();
}

void Bluetooth::setBtLastAdcGain()
{
    setBtAdcGain(m_btLastAdcGain);
}

void Bluetooth::setBtExtHeadphoneGain(int percent)
{
    sendData(QStringLiteral("AVRCP PDU 50 %1").arg(percent));
    m_btExtHeadphoneGain = volumeStep(percent);
}

void Bluetooth::setBtExtHeadphoneVolUp()
{
    m_btExtHeadphoneGain = std::min(m_btExtHeadphoneGain + 1, 15);
    sendData(QStringLiteral("AVRCP UP"));
}

void Bluetooth::setBtExtHeadphoneVolDown()
{
    m_btExtHeadphoneGain = std::max(m_btExtHeadphoneGain - 1, 0);
    sendData(QStringLiteral("AVRCP DN"));
}

void Bluetooth::requestHeadphoneBatteryState()
{
    if (m_linkId3_HFP > 0)
        sendData(QStringLiteral("@%1 +CHLD=0").arg(m_linkId3_HFP));
}

void Bluetooth::sendConfiguration(const char *const *lines, int count)
{
    for (int i = 0; i < count; ++i)
        sendData(QString::fromLatin1(lines[i]));
}

void Bluetooth::initBtModulSource()
{
    sendConfiguration(SourceConfiguration, int(std::size(SourceConfiguration)));
}

void Bluetooth::initBtModulSink()
{
    sendConfiguration(SinkConfiguration, int(std::size(SinkConfiguration)));
}

void Bluetooth::initBtModulSourceTestmode()
{
    sendConfiguration(SimulatedMicConfiguration, int(std::size(SimulatedMicConfiguration)));
}

void Bluetooth::writeBluetoothCmdsDbg(const QString &text)
{
    const QString path = Platform::path(QString::fromLatin1(TraceFile));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qDebug() << "Could not open file:" << path;
        return;
    }
    const QString stamp = Platform::currentDateTime().time().toString(Systemsettings::getFormatStringTime());
    file.write((stamp + QLatin1Char(' ') + text).toLatin1());
}
