#ifndef FILESYNC_H
#define FILESYNC_H

#include <QString>

// Data that is only in the page cache is lost with the battery. Flushes a
// file, or a directory so that the names in it (a rename, a new file) are on
// the medium too. hostPath is a path on this machine (already mapped below
// the platform root). False, with errno in *error when given, when it
// fails; a file system that cannot sync a directory (EINVAL) counts as done.
bool syncToDisk(const QString &hostPath, bool directory, int *error = nullptr);

#endif // FILESYNC_H
