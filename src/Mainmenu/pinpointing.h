#ifndef PINPOINTING_H
#define PINPOINTING_H

#include "pendingscreen.h"

// The pinpointing screen; not in this build yet.
class Pinpointing : public PendingScreen
{
    Q_OBJECT
public:
    explicit Pinpointing(QWidget *parent = nullptr) : PendingScreen(QT_TRANSLATE_NOOP3("MainMenu", "Histogram", "Pinpointing"), parent) {}
};

#endif // PINPOINTING_H
