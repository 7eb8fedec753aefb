#include "driverhelper.h"
#include "platform.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

FILE *openMapped(const QString &path, const char *mode)
{
    return std::fopen(Platform::path(path).toLocal8Bit().constData(), mode);
}

} // namespace

bool DriverHelper::writeFile(const QString &path, const QByteArray &text)
{
    FILE *f = openMapped(path, "w");
    if (!f)
        return false;
    std::fwrite(text.constData(), 1, size_t(text.size()), f);
    std::fclose(f);
    return true;
}

bool DriverHelper::writeFile(const QString &path, int value)
{
    return writeFile(path, QByteArray::number(value));
}

bool DriverHelper::readFile(const QString &path, char *buffer, int n, int *count)
{
    if (count)
        *count = 0;
    FILE *f = openMapped(path, "r");
    if (!f)
        return false;
    int got = 0;
    if (buffer && n > 0) {
        std::memset(buffer, 0, size_t(n));
        got = int(std::fread(buffer, 1, size_t(n), f));
    }
    std::fclose(f);
    if (count)
        *count = got;
    return true;
}

bool DriverHelper::readFile(const QString &path, int &value)
{
    char text[64];
    if (!readFile(path, text, int(sizeof text) - 1))
        return false;
    errno = 0;
    char *end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end != text && errno == 0 && parsed >= INT_MIN && parsed <= INT_MAX)
        value = int(parsed);
    return true;
}
