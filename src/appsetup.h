#ifndef APPSETUP_H
#define APPSETUP_H

// What the program sets up on the application object before the main
// window exists; tests call it too so screens look as on the device.
// Registers the compiled-in resources and the device font.
void setupApplication();

#endif // APPSETUP_H
