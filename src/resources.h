#ifndef RESOURCES_H
#define RESOURCES_H

// Resources compiled into the static core library must be registered
// explicitly; the program and every test call this once before use.
void kx500InitResources();

#endif // RESOURCES_H
