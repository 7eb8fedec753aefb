#ifndef LEVELMEASUREMENT_H
#define LEVELMEASUREMENT_H

#include "pendingscreen.h"

// The level measurement screen; not in this build yet.
class Levelmeasurement : public PendingScreen
{
    Q_OBJECT
public:
    explicit Levelmeasurement(QWidget *parent = nullptr) : PendingScreen(QT_TRANSLATE_NOOP3("MainMenu", "Level", "Level"), parent) {}
};

#endif // LEVELMEASUREMENT_H
