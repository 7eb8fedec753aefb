#ifndef HEADPHONES_H
#define HEADPHONES_H

#include "btpeer.h"

class Control;

// Bluetooth headphones: audio over A2DP, their volume over AVRCP and their
// battery over the hands-free link, all through the source module.
class Headphones : public BtPeer
{
    Q_OBJECT
public:
    explicit Headphones(BtEventLog *log, QObject *parent = nullptr);
    void addCommands(Control &control);

    int volume() const { return m_volume; }
    // Set by the handheld (absolute volume, volume steps); raises no notification.
    void setVolume(int percent);
    void stepVolume(int steps);
    // 0..9 as the hands-free accessory report carries it: percent / 10 - 1.
    int batteryLevel() const;
    QString stateText() const;

signals:
    // The wearer changed the volume on the headphones themselves.
    void volumeKeys(int percent);

private:
    BtEventLog *m_log;
    int m_volume = 50;
    int m_battery = 80;
};

#endif // HEADPHONES_H
