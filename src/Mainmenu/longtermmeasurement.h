#ifndef LONGTERMMEASUREMENT_H
#define LONGTERMMEASUREMENT_H

#include "pendingscreen.h"

// The long-term measurement screen; not in this build yet.
class Longtermmeasurement : public PendingScreen
{
    Q_OBJECT
public:
    explicit Longtermmeasurement(QWidget *parent = nullptr) : PendingScreen(QT_TRANSLATE_NOOP3("MainMenu", "Longterm", "Long-term"), parent) {}
};

#endif // LONGTERMMEASUREMENT_H
