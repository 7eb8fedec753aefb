#ifndef BLUETOOTHPAIRING_H
#define BLUETOOTHPAIRING_H

#include "servicedialog.h"

#include <QString>
#include <QVector>

class Bluetooth;
class QTimer;

namespace Ui {
class BluetoothPairing;
}

// Pairs one of the two Bluetooth modules with a device in range: the sink
// with an RM-3 (device 1) or the source with headphones (device 0). The
// module of that side stays disconnected while the dialog is open; the
// caller stores the chosen device and calls it again.
class BluetoothPairing : public ServiceDialog
{
    Q_OBJECT
public:
    struct Device
    {
        QString address;
        QString name;
        QString deviceClass;
    };
    static constexpr int MaxOffered = 3;
    static constexpr int SearchMs = 15000;
    static constexpr int PairingMs = 10000;

    explicit BluetoothPairing(QWidget *parent = nullptr);
    ~BluetoothPairing() override;

    // 0 headphones, 1 microphone; disconnects that side's module.
    void setPairingDevice(int device);
    QString getBluetoothId() const;
    QString getBluetoothName() const;

    // The devices an inquiry's output offers for the side, at most three, in
    // the order found.
    static QVector<Device> parseInquiry(const QString &moduleOutput, int device);

public slots:
    void reject() override;

private slots:
    void on_butSearch_clicked();
    void on_butBtDev_1_clicked() { pairBtDevice(0); }
    void on_butBtDev_2_clicked() { pairBtDevice(1); }
    void on_butBtDev_3_clicked() { pairBtDevice(2); }
    void on_butInfo_clicked();
    void on_butCancel_clicked();
    void updateBtInfo();
    void updateProgbar();
    void analyseReceivedData();
    void waitForPairing();
    void pairingOkReceived();
    void pairBtDevice(int button);

private:
    Bluetooth *pairingModule() const { return m_pairingDevice == 1 ? m_btSink : m_btSource; }
    void appendOutput(const QString &text, const char *colour);
    void clearModuleData();

    Ui::BluetoothPairing *ui;
    Bluetooth *m_btSource = nullptr;
    Bluetooth *m_btSink = nullptr;
    QTimer *m_timer;
    QTimer *m_timerPairing;
    int m_currentPage = 1;
    int m_milliseconds = 0;
    int m_selBtDevice = 0;
    int m_pairingDevice = 0;
    QString m_bluetoothIdButton[MaxOffered];
    QString m_bluetoothNameButton[MaxOffered];
};

#endif // BLUETOOTHPAIRING_H
