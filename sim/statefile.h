#ifndef STATEFILE_H
#define STATEFILE_H

#include <string>

// The simulator's state files (sound settings, mixer, playback level) are
// read by other processes and threads while they change: each is written
// aside under a name of its own writer and renamed, so a reader never sees
// half a file. Returns 0 or a negative errno.
int writeStateFile(const std::string &path, const std::string &text);

#endif // STATEFILE_H
