#ifndef H2SENSOR_H
#define H2SENSOR_H

#include "pendingscreen.h"

// The H2 sensor screen; not in this build yet.
class H2Sensor : public PendingScreen
{
    Q_OBJECT
public:
    explicit H2Sensor(QWidget *parent = nullptr) : PendingScreen(QT_TRANSLATE_NOOP3("MainMenu", "H2Sensor", "H2 sensor"), parent) {}
};

#endif // H2SENSOR_H
