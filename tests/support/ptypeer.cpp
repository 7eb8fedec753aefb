#include "ptypeer.h"
#include "testroot.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QtTest>

#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::PtyPeer(const TestRoot &root, const QString &devicePath)
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return;
    const char *slave = ptsname(m_master);
    // Raw, so that the line discipline neither echoes nor translates.
    const int fd = ::open(slave, O_RDWR | O_NOCTTY);
    termios tio;
    if (fd >= 0 && tcgetattr(fd, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(fd, TCSANOW, &tio);
    }
    m_hold = fd;
    QFile::remove(root.file(devicePath));
    m_ok = QFile::link(QString::fromLocal8Bit(slave), root.file(devicePath));
}

PtyPeer::~PtyPeer()
{
    if (m_hold >= 0)
        ::close(m_hold);
    if (m_master >= 0)
        ::close(m_master);
}

void PtyPeer::send(const QByteArray &bytes, int settleMs)
{
    QCOMPARE(::write(m_master, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    settle(settleMs);
}

QByteArray PtyPeer::take(int ms)
{
    settle(ms);
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        m_written.append(buffer, int(n));
    }
    QByteArray out;
    out.swap(m_written);
    return out;
}

void PtyPeer::settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}
