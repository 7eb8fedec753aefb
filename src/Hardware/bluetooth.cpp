#include "bluetooth.h"

#include <QDebug>

Bluetooth::Bluetooth(QObject *parent) : QObject(parent) {}

void Bluetooth::initBluetooth(const QString &portName, const QString &btId)
{
    m_portName = portName;
    m_btId = btId;
    qDebug() << "Bluetooth: init" << portName << btId;
}

void Bluetooth::callBtDeviceA2DP(bool rfcomm)
{
    qDebug() << "Bluetooth: call A2DP" << m_portName << "rfcomm" << rfcomm;
}

void Bluetooth::disconnectBtDevice()
{
    qDebug() << "Bluetooth: disconnect" << m_portName;
}

void Bluetooth::sendData(const QString &text)
{
    qDebug() << "Bluetooth: no serial driver yet, not sent:" << m_portName << text;
}

void Bluetooth::setBtDacGain(int gain)
{
    m_btDacGain = gain;
}

void Bluetooth::setBtAdcGain(int gain)
{
    m_btAdcGain = gain;
    if (gain > 0)
        m_btLastAdcGain = gain;
}

void Bluetooth::setBtLastAdcGain()
{
    setBtAdcGain(m_btLastAdcGain);
}

void Bluetooth::setBtExtHeadphoneGain(int gain)
{
    m_btExtHeadphoneGain = gain;
}

void Bluetooth::requestHeadphoneBatteryState()
{
    if (m_linkId3_HFP > 0)
        sendData(QStringLiteral("@%1 +CHLD=0").arg(m_linkId3_HFP));
}
