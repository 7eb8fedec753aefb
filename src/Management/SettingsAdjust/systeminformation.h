#ifndef SYSTEMINFORMATION_H
#define SYSTEMINFORMATION_H

#include "servicedialog.h"

#include <QString>

namespace Ui {
class Systeminformation;
}
class Bluetooth;
class QTimer;

// The unit's identity and state for the service desk: firmware and where it
// runs from, serial number, production date, the addresses of both
// Bluetooth modules, hardware and system versions and the battery. A
// hidden button behind an access code switches the debug features.
class Systeminformation : public ServiceDialog
{
    Q_OBJECT
public:
    explicit Systeminformation(QWidget *parent = nullptr);
    ~Systeminformation() override;

    // Reads everything again and asks both modules for their address.
    void init();
    // Shows the module addresses known so far.
    void updateInfo();
    // "V 1" for a board whose two coding inputs read 1001..1399, else "unknown".
    QString readHardwareVersion();

    // The letter after the firmware version: "S" SD card, "F" flash, "" unknown.
    QString bootMedium() const { return m_bootMedium; }
    int pressedCount() const { return m_pressedCnt; }

private slots:
    void on_butDebugFeatures_clicked();
    void on_butMenuBack_clicked();

private:
    void readBootMedium();
    void showDebugState();

    Ui::Systeminformation *ui;
    Bluetooth *m_btSource = nullptr;
    Bluetooth *m_btSink = nullptr;
    QTimer *m_timer;
    int m_pressedCnt = 0;
    QString m_bootMedium;
    QString m_btIdSource;
    QString m_btIdSink;
};

#endif // SYSTEMINFORMATION_H
