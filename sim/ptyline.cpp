#include "ptyline.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr int MaxUnreadBytes = 2048;
} // namespace

PtyLine::PtyLine(const QString &linkPath, const QString &logPath, QObject *parent)
    : QObject(parent), m_linkPath(linkPath), m_log(logPath)
{
}

PtyLine::~PtyLine()
{
    close();
}

bool PtyLine::open(QString *error)
{
    auto fail = [&](const QString &what) {
        if (error)
            *error = QStringLiteral("%1: %2: %3").arg(m_linkPath, what, QString::fromLocal8Bit(strerror(errno)));
        close();
        return false;
    };
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return fail(QStringLiteral("posix_openpt"));
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return fail(QStringLiteral("grantpt/unlockpt"));
    char name[128];
    if (ptsname_r(m_master, name, sizeof name) != 0)
        return fail(QStringLiteral("ptsname"));
    m_slaveName = QString::fromLocal8Bit(name);

    // Holding the slave open keeps the master from reporting a hang-up
    // whenever the program closes its side.
    m_slaveHold = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_slaveHold < 0)
        return fail(QStringLiteral("open slave"));
    termios tio;
    if (tcgetattr(m_slaveHold, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(m_slaveHold, TCSANOW, &tio);
    }

    QFile::remove(m_linkPath);
    if (!QFile::link(m_slaveName, m_linkPath))
        return fail(QStringLiteral("cannot link to %1").arg(m_slaveName));

    m_log.open(QIODevice::WriteOnly | QIODevice::Append);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyLine::readMaster);
    return true;
}

void PtyLine::close()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (!m_slaveName.isEmpty() && QFileInfo(m_linkPath).symLinkTarget() == m_slaveName)
        QFile::remove(m_linkPath);
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
    if (m_master >= 0)
        ::close(m_master);
    m_slaveHold = m_master = -1;
    m_log.close();
}

void PtyLine::send(const QByteArray &data)
{
    if (m_master < 0)
        return;
    // A board's serial line keeps nothing for a program that is not
    // listening; without this a program started later would first read a
    // backlog of old output (stale GNSS times, for one).
    int unread = 0;
    if (ioctl(m_slaveHold, FIONREAD, &unread) == 0 && unread > MaxUnreadBytes) {
        tcflush(m_slaveHold, TCIFLUSH);
        log("DISCARD", QByteArray::number(unread) + " unread bytes");
    }
    log("TX", data);
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(m_master, data.constData() + done, size_t(data.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            log("DROP", data.mid(int(done)));
            return;
        }
    }
}

void PtyLine::readMaster()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            const QByteArray data(buffer, int(n));
            log("RX", data);
            emit received(data);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return; // EAGAIN: drained
    }
}

void PtyLine::log(const char *direction, const QByteArray &data)
{
    if (!m_log.isOpen())
        return;
    m_log.write(QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz ")).toLatin1());
    m_log.write(direction);
    m_log.write(" ");
    m_log.write(escaped(data));
    m_log.write("\n");
    m_log.flush();
}

QByteArray PtyLine::escaped(const QByteArray &data)
{
    QByteArray out;
    out.reserve(data.size());
    for (char ch : data) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\\')
            out += "\\\\";
        else if (c >= 0x20 && c < 0x7f)
            out += char(c);
        else
            out += "\\x" + QByteArray::number(c, 16).rightJustified(2, '0');
    }
    return out;
}
