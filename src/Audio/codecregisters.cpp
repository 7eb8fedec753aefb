#include "codecregisters.h"
#include "platform.h"

#include <QDebug>

CodecRegisters::CodecRegisters()
    : m_codec(Platform::path(QStringLiteral("/sys/bus/i2c/devices/1-0018/registers")))
{
}

int CodecRegisters::write(int reg, int value)
{
    // No line end: the driver parses the whole write as one register.
    const QByteArray text = QByteArray::number(reg, 16) + ' ' + QByteArray::number(value, 16);
    // ExistingOnly: without the driver there is nothing to create.
    if (!m_codec.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        qDebug() << "Error: Could not open Audio-Codec";
        return -1;
    }
    const bool written = m_codec.write(text) == text.size();
    m_codec.close();
    if (!written) {
        qDebug() << "Error: Could not write Audio-Codec" << text;
        return -1;
    }
    return 0;
}
