#include "btpeer.h"

#include <QDateTime>

bool BtEventLog::open(const QString &path)
{
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append);
}

void BtEventLog::add(const QByteArray &who, const QByteArray &text)
{
    if (!m_file.isOpen())
        return;
    m_file.write(QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz ")).toLatin1() + who + ": "
                 + text + '\n');
    m_file.flush();
}

BtPeer::BtPeer(const QByteArray &address, const QByteArray &name, const QByteArray &deviceClass,
               QObject *parent)
    : QObject(parent), m_address(address.toLower()), m_name(name), m_class(deviceClass)
{
}

void BtPeer::setInRange(bool inRange)
{
    const bool was = available();
    m_inRange = inRange;
    announce(was);
}

void BtPeer::announce(bool wasAvailable)
{
    if (available() != wasAvailable)
        emit availabilityChanged(available());
}
