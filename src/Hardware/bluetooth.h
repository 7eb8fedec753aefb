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

    QString portName() const { return m_portName; }
    int btAdcGain() const { return m_btAdcGain; }
    int btDacGain() const { return m_btDacGain; }
    bool isRfcommConnected() const { return false; }
    bool isA2dpConnected() const { return false; }

signals:
    // The sensor reports its microphone state: true = muted.
    void stateActiveMuteChanged(bool mute);

private:
    QString m_portName;
    QString m_btId;
    int m_btDacGain = 15;
    int m_btAdcGain = 1;
    int m_btLastAdcGain = 1;
};

#endif // BLUETOOTH_H
