#include "statefile.h"

#include <cerrno>
#include <cstdio>
#include <functional>
#include <thread>
#include <unistd.h>

int writeStateFile(const std::string &path, const std::string &text)
{
    // One aside name per writing thread: the program sets the mixer from
    // more than one thread.
    const std::string aside = path + ".new." + std::to_string(getpid()) + '.'
                              + std::to_string(std::hash<std::thread::id>{}(std::this_thread::get_id()));
    FILE *f = std::fopen(aside.c_str(), "w");
    if (!f)
        return -errno;
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (std::fclose(f) != 0 || !written || std::rename(aside.c_str(), path.c_str()) != 0) {
        const int error = errno ? -errno : -EIO;
        std::remove(aside.c_str());
        return error;
    }
    return 0;
}
