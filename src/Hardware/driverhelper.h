#ifndef DRIVERHELPER_H
#define DRIVERHELPER_H

#include <QByteArray>
#include <QString>

// Reads and writes the small text files of sysfs. Paths are device paths as
// the board knows them; they are mapped into the platform root here.
// Every function returns false only when the file cannot be opened.
class DriverHelper
{
public:
    DriverHelper() = delete;

    // Writes the text without terminator, truncating the file ("w").
    static bool writeFile(const QString &path, const QByteArray &text);
    // Writes the number in decimal.
    static bool writeFile(const QString &path, int value);
    // Reads up to n bytes; the buffer is zeroed first, so a shorter file
    // leaves a terminated string. *count gets the number of bytes read.
    static bool readFile(const QString &path, char *buffer, int n, int *count = nullptr);
    // Reads one decimal number. Text that is not a number in int range
    // leaves value unchanged, so callers keep their last good reading.
    static bool readFile(const QString &path, int &value);
};

#endif // DRIVERHELPER_H
