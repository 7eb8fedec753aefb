#ifndef MEASMANAGEMENT_H
#define MEASMANAGEMENT_H

#include "pendingscreen.h"

// Measurement management; not in this build yet.
class MeasManagement : public PendingScreen
{
    Q_OBJECT
public:
    explicit MeasManagement(QWidget *parent = nullptr) : PendingScreen(QT_TRANSLATE_NOOP3("MainMenu", "Measurements", "Measurements"), parent) {}
    void init(int variant, bool reload) { Q_UNUSED(reload); PendingScreen::init(variant); }
};

#endif // MEASMANAGEMENT_H
