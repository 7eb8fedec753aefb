#ifndef APPSETUP_H
#define APPSETUP_H

// What the program sets up on the application object before the main
// window exists; tests call it too so screens look as on the device.
// Registers the compiled-in resources and the device font.
void setupApplication();

// Gives the application the device's style sheet (black screens, the
// focus, pressed and chosen colours); false when it cannot be read.
bool loadStyleSheet();

// SIGINT, SIGTERM and SIGHUP end the event loop, so the program closes its
// serial lines and their locks as on a normal exit instead of dying (or,
// started in the background of a shell, ignoring Ctrl-C).
void quitOnTerminationSignals();

#endif // APPSETUP_H
