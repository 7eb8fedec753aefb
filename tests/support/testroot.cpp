#include "testroot.h"
#include "simroot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>

TestRoot::TestRoot()
{
    m_hadRoot = qEnvironmentVariableIsSet("KX500_ROOT");
    m_previousRoot = qgetenv("KX500_ROOT");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // ALSA must find the simulated card, never the host's mixer. The build's
    // copy outlives every root, so a cached configuration stays valid.
    qputenv("XDG_CONFIG_HOME", KX500_ALSA_CONFIG_HOME);
    m_valid = m_dir.isValid() && SimRoot::create(m_dir.path());
    qputenv("KX500_ROOT", m_dir.path().toLocal8Bit());
}

TestRoot::~TestRoot()
{
    if (m_hadRoot)
        qputenv("KX500_ROOT", m_previousRoot);
    else
        qunsetenv("KX500_ROOT");
}

QByteArray TestRoot::read(const QString &devicePath) const
{
    QFile f(file(devicePath));
    QDir().mkpath(QFileInfo(f).absolutePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestRoot::write(const QString &devicePath, const QByteArray &text) const
{
    QFile f(file(devicePath));
    QDir().mkpath(QFileInfo(f).absolutePath());
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

QStringList TestRoot::commands() const
{
    return QString::fromLocal8Bit(read(QStringLiteral("/sim/commands.log"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

SimProcess::~SimProcess()
{
    if (m_process.state() != QProcess::NotRunning)
        terminate();
}

bool SimProcess::start(const QString &root, const QStringList &extraArguments)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral(KX500_SIM_PATH), QStringList{QStringLiteral("--root"), root} + extraArguments);
    if (!m_process.waitForStarted(5000))
        return false;
    return readLine(10000).startsWith(QLatin1String("ready "));
}

QString SimProcess::readLine(int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    for (;;) {
        const int nl = m_buffer.indexOf('\n');
        if (nl >= 0) {
            const QString line = QString::fromLocal8Bit(m_buffer.left(nl));
            m_buffer.remove(0, nl + 1);
            return line;
        }
        const int left = timeoutMs - int(t.elapsed());
        if (left <= 0 || m_process.state() == QProcess::NotRunning)
            return QString();
        m_process.waitForReadyRead(qMin(left, 100));
        m_buffer += m_process.readAllStandardOutput();
    }
}

QString SimProcess::command(const QString &line, int timeoutMs)
{
    m_process.write(line.toLocal8Bit() + '\n');
    m_process.waitForBytesWritten(timeoutMs);
    for (;;) {
        const QString answer = readLine(timeoutMs);
        if (answer.isEmpty() || answer.startsWith(QLatin1String("ok ")) || answer.startsWith(QLatin1String("error ")))
            return answer;
    }
}

int SimProcess::terminate()
{
    if (m_process.state() == QProcess::NotRunning)
        return m_process.exitCode();
    ::kill(pid_t(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
        return -1;
    }
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

double TestRoot::stateValue(const QString &devicePath, const char *key) const
{
    for (const QByteArray &line : read(devicePath).split('\n')) {
        const QList<QByteArray> kv = line.split(' ');
        if (kv.size() == 2 && kv[0] == key)
            return kv[1].toDouble();
    }
    return -1;
}

double processCpuSeconds()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
