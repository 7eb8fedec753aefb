#ifndef PIPELOCATING_H
#define PIPELOCATING_H

#include "pendingscreen.h"

// The pipe-locating screen; not in this build yet.
class Pipelocating : public PendingScreen
{
    Q_OBJECT
public:
    explicit Pipelocating(QWidget *parent = nullptr) : PendingScreen(QT_TRANSLATE_NOOP3("MainMenu", "Pipelocating", "Pipe locating"), parent) {}
};

#endif // PIPELOCATING_H
