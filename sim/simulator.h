#ifndef SIMULATOR_H
#define SIMULATOR_H

#include "btpeer.h"
#include "control.h"
#include "devices.h"
#include "iiofeeder.h"

#include <QObject>
#include <QString>

class BtModule;
class Gnss;
class Headphones;
class ModemLines;
class PtyLine;
class Rm3;

// Plays every device on the far side of a platform root.
class Simulator : public QObject
{
    Q_OBJECT
public:
    explicit Simulator(const QString &root, QObject *parent = nullptr);

    // With this set, start() writes a settings file paired with the
    // simulated sensor unit and headphones when the root has none.
    void setPairedSettings(bool on) { m_pairedSettings = on; }
    // Lays out the root and opens the serial lines.
    bool start(QString *error);
    void stop();

    Control &control() { return m_control; }
    QString root() const { return m_root; }
    PtyLine *line(int number) const; // 1..3 for /dev/ttyO1..3

private:
    void addBluetoothCommands();
    QString deviceCommand(const QStringList &args);
    // Every module hears every device in range.
    void addPeer(BtPeer *peer);
    bool writePairedSettings(QString *error);

    QString m_root;
    Control m_control;
    BoardDevices m_board;
    IioFeeder m_iio;
    PtyLine *m_lines[3] = {nullptr, nullptr, nullptr};
    BtEventLog m_btLog;
    Rm3 *m_rm3;
    // A second sensor unit, out of range until "sensor2 on".
    Rm3 *m_rm3b;
    // Devices put in range with "bt device add".
    QList<BtPeer *> m_extraPeers;
    Headphones *m_headphones;
    Gnss *m_gnss;
    ModemLines *m_modem = nullptr;
    BtModule *m_modules[2] = {nullptr, nullptr}; // sink on ttyO2, source on ttyO3
    bool m_pairedSettings = false;
};

#endif // SIMULATOR_H
