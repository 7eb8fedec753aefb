#include "serialline.h"

#include "platform.h"

#include <QDebug>
#include <QFileInfo>

SerialLine::SerialLine(qint32 baudRate, QObject *parent) : QObject(parent), m_baudRate(baudRate)
{
    m_retryTimer.setInterval(RetryMs);
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &SerialLine::retry);
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLine::readyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLine::handleError);
}

SerialLine::~SerialLine()
{
    m_port.close();
}

bool SerialLine::open(const QString &devicePath)
{
    m_devicePath = devicePath;
    m_wanted = true;
    m_failed = false;
    const bool opened = tryOpen();
    qDebug() << "Uart" << m_devicePath << (opened ? "true" : "false");
    if (!opened) {
        m_failed = true;
        m_retryTimer.start();
    }
    return opened;
}

void SerialLine::close()
{
    m_wanted = false;
    m_retryTimer.stop();
    m_port.close();
}

bool SerialLine::tryOpen()
{
    if (m_port.isOpen())
        m_port.close();
    const QString path = Platform::path(m_devicePath);
    // QSerialPort writes and syncs a lock file before it finds a missing
    // device; a line that is not there (a dangling link too) is spared that.
    if (!QFileInfo::exists(path))
        return false;
    m_port.setPortName(path);
    if (!m_port.open(QIODevice::ReadWrite))
        return false;
    m_port.setBaudRate(m_baudRate, QSerialPort::AllDirections);
    return true;
}

bool SerialLine::write(const QByteArray &bytes)
{
    if (!m_port.isOpen())
        return false;
    const qint64 written = m_port.write(bytes);
    m_port.flush();
    if (written != bytes.size()) {
        qDebug() << "Uart" << m_devicePath << "write failed:" << m_port.errorString();
        return false;
    }
    return true;
}

void SerialLine::handleError(QSerialPort::SerialPortError error)
{
    // A hung-up line reports its error on every read notification; it is
    // taken once and the port closed, so it cannot spin.
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !m_port.isOpen() || m_failed)
        return;
    qWarning() << "Uart" << m_devicePath << "lost:" << error << m_port.errorString() << "- reopening every"
               << RetryMs << "ms";
    m_failed = true;
    // Not closed inside the port's own notification.
    QMetaObject::invokeMethod(this, &SerialLine::closeFailed, Qt::QueuedConnection);
}

void SerialLine::closeFailed()
{
    m_port.clearError();
    m_port.close();
    if (m_wanted)
        m_retryTimer.start();
    emit lost();
}

void SerialLine::retry()
{
    if (!m_wanted)
        return;
    if (!tryOpen()) {
        m_retryTimer.start();
        return;
    }
    qDebug() << "Uart" << m_devicePath << "reopened";
    m_failed = false;
    emit reopened();
}
