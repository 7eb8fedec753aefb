#include "control.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A line longer than this is not a command; it is dropped rather than kept.
constexpr int MaxLine = 4096;
}

Control::Control(const QString &logPath, QObject *parent) : QObject(parent), m_log(logPath)
{
    m_wait.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, &Control::runQueue);

    add({QStringLiteral("wait"), QStringLiteral("MS"),
         QStringLiteral("hold the following commands for MS milliseconds"),
         [this](const QStringList &args) {
             bool ok = false;
             const int ms = args.value(0).toInt(&ok);
             if (args.size() != 1 || !ok || ms < 0 || ms > 3600000)
                 return QStringLiteral("wait takes milliseconds, 0 to 3600000");
             m_wait.start(ms);
             return QString();
         }});
    add({QStringLiteral("help"), QString(), QStringLiteral("list the commands"),
         [this](const QStringList &) {
             std::fputs(helpText().toLocal8Bit().constData(), stdout);
             std::fflush(stdout);
             return QString();
         }});
    add({QStringLiteral("quit"), QString(), QStringLiteral("end the simulator"),
         [this](const QStringList &) {
             emit quitRequested();
             return QString();
         }});
}

Control::~Control()
{
    if (m_fifoFd >= 0)
        ::close(m_fifoFd);
}

bool Control::openLog()
{
    return m_log.isOpen() || m_log.open(QIODevice::WriteOnly | QIODevice::Append);
}

void Control::add(const Command &command)
{
    m_commands.push_back(command);
}

QString Control::helpText() const
{
    QString text;
    for (const Command &c : m_commands) {
        QString head = c.name;
        if (!c.arguments.isEmpty())
            head += QLatin1Char(' ') + c.arguments;
        text += QStringLiteral("  %1\n      %2\n").arg(head, c.help);
    }
    return text;
}

QString Control::execute(const QString &line)
{
    QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty() || words.first().startsWith(QLatin1Char('#')))
        return QString();
    const QString name = words.takeFirst().toLower();
    for (const Command &c : m_commands) {
        if (c.name == name)
            return c.run(words);
    }
    return QStringLiteral("unknown command '%1' (try help)").arg(name);
}

void Control::enqueue(const QString &line, bool answerOnStdout)
{
    m_queue.append({line, answerOnStdout});
    if (!m_wait.isActive())
        runQueue();
}

void Control::runQueue()
{
    while (!m_queue.isEmpty() && !m_wait.isActive()) {
        const Pending p = m_queue.takeFirst();
        const QString trimmed = p.line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const QString error = execute(trimmed);
        const QString answer = error.isEmpty() ? QStringLiteral("ok %1").arg(trimmed)
                                               : QStringLiteral("error %1: %2").arg(trimmed, error);
        if (m_log.isOpen()) {
            m_log.write(answer.toLocal8Bit() + '\n');
            m_log.flush();
        }
        if (p.answer) {
            std::fputs((answer + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
            std::fflush(stdout);
        }
    }
}

void Control::readFd(int fd, Source &source, bool answer)
{
    char buffer[1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 && fd == STDIN_FILENO) {
            // End of input: stop listening, keep running on the FIFO.
            delete m_stdinNotifier;
            m_stdinNotifier = nullptr;
            break;
        }
        if (n <= 0)
            break;
        source.partial.append(buffer, int(n));
        int nl;
        while ((nl = source.partial.indexOf('\n')) >= 0) {
            if (!source.discarding)
                enqueue(QString::fromLocal8Bit(source.partial.left(nl)), answer);
            source.discarding = false;
            source.partial.remove(0, nl + 1);
        }
        if (source.partial.size() > MaxLine) {
            source.partial.clear();
            source.discarding = true;
        }
    }
}

bool Control::listenStdin()
{
    const int flags = fcntl(STDIN_FILENO, F_GETFL);
    if (flags < 0)
        return false;
    fcntl(STDIN_FILENO, F_SETFL, flags | O_NONBLOCK);
    m_stdinNotifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_stdinNotifier, &QSocketNotifier::activated, this,
            [this]() { readFd(STDIN_FILENO, m_stdin, true); });
    return true;
}

bool Control::listenFifo(const QString &path, QString *error)
{
    const QByteArray p = path.toLocal8Bit();
    struct stat st;
    if (::stat(p.constData(), &st) == 0 && !S_ISFIFO(st.st_mode))
        ::unlink(p.constData());
    if (::mkfifo(p.constData(), 0600) != 0 && errno != EEXIST) {
        if (error)
            *error = QStringLiteral("mkfifo %1: %2").arg(path, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    // Opened read-write so the FIFO never reports end of file between writers.
    m_fifoFd = ::open(p.constData(), O_RDWR | O_NONBLOCK);
    if (m_fifoFd < 0) {
        if (error)
            *error = QStringLiteral("open %1: %2").arg(path, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    m_fifoNotifier = new QSocketNotifier(m_fifoFd, QSocketNotifier::Read, this);
    connect(m_fifoNotifier, &QSocketNotifier::activated, this,
            [this]() { readFd(m_fifoFd, m_fifo, false); });
    return true;
}

bool Control::runScript(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("cannot read script %1: %2").arg(path, f.errorString());
        return false;
    }
    while (!f.atEnd())
        enqueue(QString::fromLocal8Bit(f.readLine(MaxLine)), false);
    return true;
}
