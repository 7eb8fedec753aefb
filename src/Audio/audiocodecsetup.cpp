#include "audiocodecsetup.h"

#include <QDebug>

AudioCodecSetup::AudioCodecSetup(QObject *parent) : QObject(parent)
{
    qDebug() << "--- AudioCodecSetup ---";
}

void AudioCodecSetup::init()
{
    qDebug() << "AudioCodecSetup: init (mixer not driven yet)";
}

void AudioCodecSetup::setMuting(bool mute)
{
    m_muted = mute;
}

void AudioCodecSetup::setMicPgaGain(long centiDb)
{
    m_micPgaGain = centiDb;
}
