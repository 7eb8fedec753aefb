#ifndef PRESSURESENSOR_H
#define PRESSURESENSOR_H

#include "pendingscreen.h"

// The pressure sensor screen; not in this build yet.
class PressureSensor : public PendingScreen
{
    Q_OBJECT
public:
    explicit PressureSensor(QWidget *parent = nullptr) : PendingScreen(QT_TRANSLATE_NOOP3("MainMenu", "Pressuresensor", "Pressure sensor"), parent) {}
};

#endif // PRESSURESENSOR_H
