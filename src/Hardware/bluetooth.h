#ifndef BLUETOOTH_H
#define BLUETOOTH_H

#include <QObject>
#include <QString>

class SerialLine;
class QTimer;

// One of the two Bluetooth modules, each on its own serial line: the sink
// on /dev/ttyO2 receives the RM-3's audio and carries the sensor link
// ("BT_TX"/"BT_RX" lines over RFCOMM), the source on /dev/ttyO3 sends the
// audio on to the headphones.
//
// The module speaks text commands in command mode; once the RFCOMM channel
// is selected it passes bytes through (data mode, carrier detect high) until
// DTR asks for command mode again. A state machine driven by one timer
// brings the links up, watches them and switches the mode; sensor messages
// go out one at a time, each waiting for any "BT_RX" answer or 2 s.
class Bluetooth : public QObject
{
    Q_OBJECT
public:
    explicit Bluetooth(QObject *parent = nullptr);
    ~Bluetooth() override;

    void initBluetooth(const QString &portName, const QString &btId);
    void resetBluetooth(const QString &btId);
    void callBtDeviceA2DP(bool rfcomm);
    void disconnectBtDevice();
    void switchBtMode(int mode);
    void sendData(const QString &text);
    QString getData();
    void clearData();

    bool isConnectedA2DP() const { return m_connectedA2DP; }
    bool isConnectedRFCOMM() const { return m_connectedRFCOMM; }
    bool isConnectedAVRCP() const { return m_connectedAVRCP; }

    void setBtDacGain(int gain);
    void setBtAdcGain(int gain);
    void setBtLastAdcGain();
    int getBtDacGain() const { return m_btDacGain; }
    int getBtAdcGain() const { return m_btAdcGain; }
    int getBtExtMicGain() const { return m_btExtMicGain; }

    void setBtExtHeadphoneGain(int percent);
    void setBtExtHeadphoneVolUp();
    void setBtExtHeadphoneVolDown();
    int getBtExtHeadphoneGain() const { return m_btExtHeadphoneGain; }
    // Sends the request over the hands-free link only while there is one.
    void requestHeadphoneBatteryState();
    int getBtExtHeadphoneBatteryState() const { return m_btExtHeadphoneBatteryState; }

    QString getBtIdModul() const { return m_btIdModul; }
    QString getBtName() const { return m_btName; }
    int getBtProfile() const { return m_btProfile; }
    QString getFwVersion() const { return m_fwVersion; }
    // The last pressure calibration the sensor announced, for a screen opened
    // after it came; false while no transducer is attached.
    bool pressureCalibration(int *fullScaleBar, quint16 *adcZero, quint16 *adcFull) const;

    void initBtModulSource();
    void initBtModulSink();
    void initBtModulSourceTestmode();

    // Volume step 0..15 of a headphone volume in percent; 8 outside 0..100.
    static int volumeStep(int percent);

    // The receive path without the port: what readTtyData() does with each
    // chunk it reads. Public so the parser can be fed directly.
    void receiveData(const QByteArray &chunk);

    // Read-only views for diagnostics and tests.
    QString portName() const { return m_portName; }
    int btState() const { return m_btState; }
    int btMode() const { return m_btMode; }
    int linkIdA2DP(int which) const { return which == 0 ? m_linkId0_A2DP : m_linkId1_A2DP; }
    int linkIdRfcomm() const { return m_linkId2_RFCOMM; }
    int linkIdAvrcp() const { return m_linkId2_AVRCP; }
    int linkIdHfp() const { return m_linkId3_HFP; }
    bool isConnectedHFP() const { return m_connectedHFP; }
    int queuedMessages() const { return m_numDataToTransmit; }
    bool isWaitingForAnswer() const { return m_waitForBTRX; }
    int receiveBufferSize() const { return int(m_btAnswer.size()); }

    // Upper bounds of the receive buffers, in characters.
    static constexpr int MaxAnswerBuffer = 4096;
    static constexpr int MaxAnswerCopy = 16384;
    static constexpr int TransmitSlots = 32;
    static constexpr int AnswerTimeoutMs = 2000;
    static constexpr int CarrierWaitLimitMs = 3000;
    // Pressure lines: readings per PDATA line, transducer full scale in bar,
    // largest ADC reading.
    static constexpr int MaxPressureReadings = 50;
    static constexpr int MaxPressureFullScale = 1000;
    static constexpr int MaxPressureAdc = 0xFFF;

signals:
    // Module events.
    void btConnectedRfcomm();
    void btHeadphoneBatteryStateReceived(int percent);
    void btHeadphoneVolumeChanged(int volume);
    void btModulReset();
    void btPairingOk();
    void btAtOk();

    // The sensor channel came up or the sensor restarted: it needs the
    // handheld's gain, mute and key mode again.
    void microphoneParameterRequested();

    // Sensor link. stateActiveMuteChanged: true = the sensor is muted.
    void stateActiveMuteChanged(bool mute);
    void terminationStringDetected();
    void btAlertMessageReceived(const QString &alert);
    void btSensortypeReceived(const QString &type);
    void btBatteryvoltageReceived(const QString &millivolts);
    void btSensorvalueReceived(const QString &value, const QString &seconds);
    void btAnswerFromDeviceReceived();
    void btRdyReceived();
    void btFirmwareVersion(const QString &version);
    void btFwHeaderReceived(bool ok);
    void btFwDataReceived(int packet, bool ok);
    void btFwStartUpdateReceived(bool ok);
    // A pressure transducer on the sensor ("BT_RX PCAL"): its full scale and
    // the ADC readings at 0 bar and at full scale; enable false when removed.
    void btEnableReceivePressuredata(bool enable, int fullScaleBar, quint16 adcZero, quint16 adcFull);
    // count readings ("BT_RX PDATA"), each 3 hex digits and a comma.
    void btPressuredataReceived(int count, const QString &data);

private slots:
    void readTtyData();
    void updateState();
    void transmitTimeout();
    void lineLost();
    void lineReopened();

private:
    void startModule();
    void resetFields();
    void analyseAnswer();
    void analyseLine(const QString &line);
    void analyseModuleEvent(const QString &line, const QStringList &fields);
    void analyseSensorLine(const QString &line, const QStringList &fields);
    void analysePressureCalibration(const QStringList &values);
    void analysePressureData(const QStringList &values);
    void clearLinks();
    void linkLost(const char *why);
    void killLinks();
    void writePort(const QString &text);
    void sendGains();
    void writeRaw(const QByteArray &bytes);
    void leaveDataModeNow();
    void addToTransmitBuffer(const QString &text);
    void writeBluetoothCmdsDbg(const QString &text);
    void sendConfiguration(const char *const *lines, int count);
    void setState(int state, int intervalMs);

    QString m_portName;
    SerialLine *uartPort = nullptr;
    QTimer *m_btStateTimer = nullptr;
    QTimer *m_btTimerTransmit = nullptr;

    QString m_btId;
    QString m_btIdModul;
    QString m_btAnswer;
    QString m_btAnswerCopy;
    QString m_btIdMicrophone;
    QString m_btIdHeadphone;
    int m_btMode = 0;
    int m_linkId0_A2DP = 0;
    int m_linkId1_A2DP = 0;
    int m_linkId2_RFCOMM = 0;
    int m_linkId2_AVRCP = 0;
    int m_linkId3_HFP = 0;
    int m_btState = 0;
    bool m_connectedA2DP = false;
    bool m_connectedRFCOMM = false;
    bool m_connectedAVRCP = false;
    bool m_connectedHFP = false;
    int m_waitCntConnectRfcomm = 0;
    int m_waitCntA2dp = 0;
    bool m_callBtDeviceRfcomm = false;
    bool m_switchToDataMode = false;
    bool m_switchToCommandMode = false;
    int m_btExtMicGain = 0;
    int m_btDacGain = 0;
    int m_btAdcGain = 0;
    int m_btLastAdcGain = 0;
    int m_btExtHeadphoneGain = 0;
    int m_btExtHeadphoneBatteryState = 0;
    QString m_btName;
    int m_btProfile = 0;
    bool m_btWaitForReadyAfterReset = false;
    QString m_fwVersion;
    int m_pressureFullScale = 0; // 0: no transducer
    quint16 m_pressureAdcZero = 0;
    quint16 m_pressureAdcFull = 0;
    QString m_commandOutputBuffer;
    bool m_waitForBTRX = false;
    // The links were being called when the serial line failed.
    bool m_callAfterReopen = false;
    QString m_transmitBuffer[TransmitSlots + 1];
    int m_numDataToTransmit = 0;
};

#endif // BLUETOOTH_H
