#include "analoginput.h"
#include "platform.h"

#include <QDebug>
#include <QThread>

namespace {
const char ChannelFile[] = "/sys/bus/iio/devices/iio:device0/in_voltage1_raw";
const char ChannelEnableFile[] = "/sys/bus/iio/devices/iio:device0/scan_elements/in_voltage0_en";
const char BufferLengthFile[] = "/sys/bus/iio/devices/iio:device0/buffer/length";
const char BufferEnableFile[] = "/sys/bus/iio/devices/iio:device0/buffer/enable";
const char DataDevice[] = "/dev/iio:device0";
} // namespace

AnalogInput::AnalogInput(QObject *parent) : QObject(parent)
{
    qDebug() << "AnalogInput" << QThread::currentThreadId();
}

void AnalogInput::writeControl(const char *devicePath, const QByteArray &text, const char *error)
{
    ainCont.setFileName(Platform::path(QString::fromLatin1(devicePath)));
    // Truncate, so a longer old value in a plain file cannot survive behind
    // the new text; sysfs ignores it.
    if (!ainCont.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        qDebug() << error;
        return;
    }
    ainCont.write(text);
    ainCont.close();
}

void AnalogInput::initContinousMode()
{
    qDebug() << "AnalogInput::initContinousMode";
    m_buffer.clear();
    writeControl(ChannelEnableFile, "1", "Error: Could not open AIN1 Continousmode");
    writeControl(BufferLengthFile, QByteArray::number(MaxBlockBytes), "Error: Could not open buffer/length");
}

void AnalogInput::startCapture()
{
    qDebug() << "AnalogInput::startCapture";
    writeControl(BufferEnableFile, "1", "Error: Could not open buffer/enable");
}

void AnalogInput::stopCapture()
{
    qDebug() << "AnalogInput::stopCapture";
    writeControl(BufferEnableFile, "0", "Error: Could not open buffer/enable");
}

void AnalogInput::updateBuffer()
{
    m_buffer.clear();
    ainContData.setFileName(Platform::path(QString::fromLatin1(DataDevice)));
    // Unbuffered: one read() of the driver hands over one block; a buffered
    // QFile would read ahead into the next one.
    if (ainContData.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_buffer.resize(MaxBlockBytes);
        const qint64 got = ainContData.read(m_buffer.data(), MaxBlockBytes);
        m_buffer.resize(got > 0 ? int(got) : 0);
        ainContData.close();
    } else {
        qDebug() << "Error: Could not open /dev/iio:device0";
    }
    emit bufferUpdated(m_buffer);
}

bool AnalogInput::initAnalogInput()
{
    ain4.setFileName(Platform::path(QString::fromLatin1(ChannelFile)));
    if (!ain4.open(QIODevice::ReadOnly)) {
        qDebug() << "Error: Could not open AIN4";
        return false;
    }
    return true;
}

int AnalogInput::readAnalogInput()
{
    if (!ain4.isOpen())
        return -1;
    // sysfs produces a fresh conversion only for a read from the start.
    ain4.seek(0);
    analogValue = ain4.read(4);
    return analogValue.trimmed().toInt();
}

void AnalogInput::closeAnalogInput()
{
    ain4.close();
}
