#include "platform.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>

#include <sys/stat.h>

namespace Platform {

QString root()
{
    QString r = qEnvironmentVariable("KX500_ROOT");
    while (r.size() > 1 && r.endsWith(QLatin1Char('/')))
        r.chop(1);
    return r;
}

QString path(const QString &devicePath)
{
    if (!devicePath.startsWith(QLatin1Char('/')))
        return devicePath;
    const QString r = root();
    return r.isEmpty() ? devicePath : r + devicePath;
}

QByteArray path(const char *devicePath)
{
    return path(QString::fromLocal8Bit(devicePath)).toLocal8Bit();
}

QString program(const QString &name)
{
    const QString r = root();
    if (r.isEmpty())
        return name; // the board: PATH decides
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return QString(); // never escape bin/ with a path of its own
    const QFileInfo fi(r + QStringLiteral("/bin/") + name);
    if (fi.isFile() && fi.isExecutable())
        return fi.absoluteFilePath();
    return QString();
}

int execute(const QString &commandLine, QByteArray *output, int timeoutMs)
{
    QStringList args = QProcess::splitCommand(commandLine);
    if (args.isEmpty()) {
        qWarning() << "Platform: empty command";
        return CommandNotRun;
    }
    const QString name = args.takeFirst();
    return execute(name, args, output, timeoutMs);
}

int execute(const QString &name, const QStringList &arguments, QByteArray *output, int timeoutMs)
{
    QProcess process;
    if (!start(process, name, arguments))
        return CommandNotRun;
    if (!process.waitForFinished(timeoutMs)) {
        qWarning() << "Platform: command did not finish:" << name << arguments;
        process.kill();
        process.waitForFinished(1000);
        return -1;
    }
    if (output)
        *output = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

bool start(QProcess &process, const QString &name, const QStringList &arguments)
{
    const QString prog = program(name);
    if (prog.isEmpty()) {
        qWarning() << "Platform: command not in platform root, not run:" << name << arguments;
        return false;
    }
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(prog, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted()) {
        qWarning() << "Platform: could not start" << name << process.errorString();
        return false;
    }
    return true;
}

bool setCurrentDir(const QString &devicePath)
{
    return QDir::setCurrent(path(devicePath));
}

QDateTime currentDateTime()
{
    const QString r = root();
    if (r.isEmpty())
        return QDateTime::currentDateTime();

    // The stand-in replaces the file with mv, so inode and modification
    // time together tell a new offset apart from the one already read.
    static QMutex mutex;
    static QString cachedFile;
    static struct stat cachedStat = {};
    static qint64 cachedOffset = 0;
    const QString file = r + QStringLiteral("/sim/clock-offset");
    struct stat st = {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0)
        st = {};
    QMutexLocker lock(&mutex);
    if (file != cachedFile || st.st_ino != cachedStat.st_ino || st.st_mtim.tv_sec != cachedStat.st_mtim.tv_sec
        || st.st_mtim.tv_nsec != cachedStat.st_mtim.tv_nsec || st.st_size != cachedStat.st_size) {
        cachedFile = file;
        cachedStat = st;
        cachedOffset = 0;
        QFile f(file);
        if (f.open(QIODevice::ReadOnly)) {
            bool ok = false;
            const qint64 offset = f.read(64).trimmed().toLongLong(&ok);
            cachedOffset = ok ? offset : 0;
        }
    }
    return QDateTime::currentDateTime().addSecs(cachedOffset);
}

} // namespace Platform
