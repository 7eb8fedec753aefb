#include "audioworker.h"

#include <QDebug>

AudioWorker::AudioWorker(QObject *parent) : QObject(parent) {}

void AudioWorker::stopAudioRecording()
{
    qDebug() << "AudioWorker::stopAudioRecording";
}

void AudioWorker::pauseAudioRecording(bool pause)
{
    qDebug() << "AudioWorker::pauseAudioRecording" << (pause ? "true" : "false");
    m_paused = pause;
}

AudioWorker &Audioworker()
{
    static AudioWorker worker;
    return worker;
}
