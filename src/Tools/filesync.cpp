#include "filesync.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool syncToDisk(const QString &hostPath, bool directory, int *error)
{
    int failure = 0;
    const int fd = ::open(QFile::encodeName(hostPath).constData(), O_RDONLY | O_CLOEXEC | (directory ? O_DIRECTORY : 0));
    if (fd < 0) {
        failure = errno;
    } else {
        if (::fsync(fd) != 0 && !(directory && errno == EINVAL))
            failure = errno;
        ::close(fd);
    }
    if (error)
        *error = failure;
    return failure == 0;
}
