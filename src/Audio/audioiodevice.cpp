#include "audioiodevice.h"

#include <QtEndian>

namespace {

// Largest sample magnitude of the format, the reference for its level.
quint32 maxAmplitudeOf(const QAudioFormat &format)
{
    if (format.sampleType() == QAudioFormat::Float)
        return 0x7fffffff;
    switch (format.sampleSize()) {
    case 8:
        return format.sampleType() == QAudioFormat::UnSignedInt ? 255 : 127;
    case 16:
        return format.sampleType() == QAudioFormat::UnSignedInt ? 65535 : 32767;
    case 32:
        return format.sampleType() == QAudioFormat::UnSignedInt ? 0xffffffff : 0x7fffffff;
    default:
        return 0;
    }
}

} // namespace

AudioIODevice::AudioIODevice(const QAudioFormat &format, QObject *parent)
    : QIODevice(parent), m_format(format), m_maxAmplitude(maxAmplitudeOf(format))
{
}

void AudioIODevice::start()
{
    open(QIODevice::ReadWrite);
}

void AudioIODevice::stop()
{
    close();
}

qint64 AudioIODevice::readData(char *data, qint64 maxlen)
{
    Q_UNUSED(data)
    Q_UNUSED(maxlen)
    return 0;
}

qint64 AudioIODevice::writeData(const char *data, qint64 len)
{
    if (m_format.sampleSize() == 16 && m_format.sampleType() == QAudioFormat::SignedInt && m_maxAmplitude) {
        const bool little = m_format.byteOrder() == QAudioFormat::LittleEndian;
        quint32 peak = 0;
        for (qint64 i = 0; i + 1 < len; i += 2) {
            const qint16 v = little ? qFromLittleEndian<qint16>(data + i) : qFromBigEndian<qint16>(data + i);
            peak = qMax<quint32>(peak, quint32(qAbs(int(v))));
        }
        m_level = qMin(1.0f, float(peak) / float(m_maxAmplitude));
    }
    emit update();
    return len;
}
