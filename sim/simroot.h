#ifndef SIMROOT_H
#define SIMROOT_H

#include <QString>
#include <QStringList>

// Lays out a complete platform root: the sysfs files, device nodes, data
// folders and stand-in commands that the handheld's program expects.
namespace SimRoot {

// GPIO lines the program exports.
const QList<int> &gpioLines();
// Commands that get a stand-in in bin/.
const QStringList &standInCommands();

// Creates every missing file and folder below dir. Files that exist already
// (written by the program in an earlier run) are left as they are.
bool create(const QString &dir, QString *error = nullptr);

// Writes a device-state file atomically (write aside, rename), so a reader
// never sees half a value.
bool writeState(const QString &dir, const QString &devicePath, const QByteArray &text);
QByteArray readState(const QString &dir, const QString &devicePath);

// The PC writing a file onto the partition while the USB gadget exports it:
// copies file to NAME (a path inside the partition). Returns "" or why not.
QString usbPut(const QString &dir, const QString &file, const QString &name);

} // namespace SimRoot

#endif // SIMROOT_H
