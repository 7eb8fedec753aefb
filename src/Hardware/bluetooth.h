#ifndef BLUETOOTH_H
#define BLUETOOTH_H

#include <QObject>
#include <QString>

// One of the two Bluetooth modules: the sensor side on /dev/ttyO2 and the
// headphone side on /dev/ttyO3.
//
// So far only the operations the application shell calls exist, and the
// serial driver is not there yet: gains are kept, but nothing is sent to a
// module (sendData logs what it drops).
class Bluetooth : public QObject
{
    Q_OBJECT
public:
    explicit Bluetooth(QObject *parent = nullptr);

    void initBluetooth(const QString &portName, const QString &btId);
    void callBtDeviceA2DP(bool rfcomm);
    void disconnectBtDevice();
    void sendData(const QString &text);
    void setBtDacGain(int gain);
    void setBtAdcGain(int gain);
    void setBtLastAdcGain();

    void setBtExtHeadphoneGain(int gain);
    // Sends the request over the hands-free link only while there is one.
    void requestHeadphoneBatteryState();
    int getBtExtHeadphoneBatteryState() const { return m_btExtHeadphoneBatteryState; }

    QString portName() const { return m_portName; }
    int btAdcGain() const { return m_btAdcGain; }
    int btDacGain() const { return m_btDacGain; }
    int btExtHeadphoneGain() const { return m_btExtHeadphoneGain; }
    // No serial driver yet: no link is ever up.
    bool isConnectedA2DP() const { return false; }
    bool isConnectedRFCOMM() const { return false; }
    bool isConnectedAVRCP() const { return false; }

signals:
    // The sensor reports its microphone state: true = muted.
    void stateActiveMuteChanged(bool mute);
    void btAlertMessageReceived(const QString &alert);
    void btSensortypeReceived(const QString &type);
    void btBatteryvoltageReceived(const QString &millivolts);
    void btConnectedRfcomm();
    void btHeadphoneBatteryStateReceived(int percent);

private:
    QString m_portName;
    QString m_btId;
    int m_btDacGain = 15;
    int m_btAdcGain = 1;
    int m_btLastAdcGain = 1;
    int m_btExtHeadphoneGain = 8;
    int m_btExtHeadphoneBatteryState = -1;
    int m_linkId3_HFP = -1;
};

#endif // BLUETOOTH_H
