#ifndef PLATFORM_H
#define PLATFORM_H

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

class QProcess;

// The one switch between the board and a desktop run: the environment
// variable KX500_ROOT. Unset or empty means the real device. When set, every
// absolute device path is looked up below it and commands are taken only from
// its bin/ folder, so a desktop run can never touch the host.
namespace Platform {

// Exit code reported for a command that could not be run at all.
constexpr int CommandNotRun = -2;

// The platform root ("" on the board).
QString root();

// Maps an absolute device path ("/dev/ttyO2") into the platform root.
// Qt resource paths (":/...") and relative paths are returned unchanged.
QString path(const QString &devicePath);
QByteArray path(const char *devicePath);

// Full path of the program to run for a command name, or "" when the
// platform root has no such command.
QString program(const QString &name);

// Runs a command synchronously and returns its exit code; CommandNotRun when
// it cannot be started, -1 when it crashed. Standard output goes to *output
// when given. The command line is split as QProcess::splitCommand does.
int execute(const QString &commandLine, QByteArray *output = nullptr, int timeoutMs = 60000);
int execute(const QString &name, const QStringList &arguments, QByteArray *output = nullptr,
            int timeoutMs = 60000);

// Starts a command asynchronously on the given process; false when the
// command does not exist in the platform root (nothing is started then).
bool start(QProcess &process, const QString &name, const QStringList &arguments);

// Changes the current directory to a mapped device path.
bool setCurrentDir(const QString &devicePath);

// The local time the program shows and stamps. Under a platform root it is
// the host's time plus the simulated clock's offset (seconds in
// sim/clock-offset, written by the date stand-in), so setting the clock
// never touches the host. Cheap enough to call every second.
QDateTime currentDateTime();

} // namespace Platform

#endif // PLATFORM_H
