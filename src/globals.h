#ifndef GLOBALS_H
#define GLOBALS_H

#include <QtGlobal>

// 1 = debug features on: service buttons, system monitor, extra displays.
extern unsigned int g_debugFeatures;
// Set while the factory keyboard test runs, so raw keys pass through.
extern quint8 g_hardwareTestActive;

#endif // GLOBALS_H
