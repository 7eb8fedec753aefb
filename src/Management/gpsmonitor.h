#ifndef GPSMONITOR_H
#define GPSMONITOR_H

#include "pendingscreen.h"

// The GPS monitor screen; not in this build yet.
class GpsMonitor : public PendingScreen
{
    Q_OBJECT
public:
    explicit GpsMonitor(QWidget *parent = nullptr) : PendingScreen(QT_TRANSLATE_NOOP3("MainMenu", "GPS", "GPS"), parent) {}
};

#endif // GPSMONITOR_H
