#include "audioworker.h"

#include "analoginputworker.h"
#include "backgroundrecording.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>

AudioWorker::AudioWorker(QObject *parent) : QObject(parent)
{
    m_audioWorkerThread.setObjectName(QStringLiteral("audio"));
    m_backgroundRecording = new BackgroundRecording;
    m_backgroundRecording->moveToThread(&m_audioWorkerThread);
    connect(&m_audioWorkerThread, &QThread::finished, m_backgroundRecording, &QObject::deleteLater);

    const auto queued = Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection);
    BackgroundRecording *r = m_backgroundRecording;
    connect(this, &AudioWorker::initBackgroundRecording, r, &BackgroundRecording::init, queued);
    connect(this, &AudioWorker::startBackgroundRecording, r, &BackgroundRecording::startAudioRecording, queued);
    connect(this, &AudioWorker::stopBackgroundRecording, r, &BackgroundRecording::stopAudioRecording, queued);
    connect(this, &AudioWorker::pauseBackgroundRecording, r, &BackgroundRecording::pauseAudioRecording, queued);
    // The store copies the WAV file right after asking for it: wait until
    // the audio thread has written it, or an old recording would be saved.
    connect(this, &AudioWorker::storeRecordedAudioData, r, &BackgroundRecording::storeAudioData,
            Qt::ConnectionType(Qt::BlockingQueuedConnection | Qt::UniqueConnection));
    connect(this, &AudioWorker::startBackgroundPlayback, r, &BackgroundRecording::startAudioPlayback, queued);
    connect(this, &AudioWorker::stopBackgroundPlayback, r, &BackgroundRecording::stopAudioPlayback, queued);

    m_audioWorkerThread.start(QThread::TimeCriticalPriority);
    emit initBackgroundRecording();
}

AudioWorker::~AudioWorker()
{
    shutDown();
}

void AudioWorker::shutDown()
{
    if (!m_audioWorkerThread.isRunning())
        return;
    // finished() deletes the recorder in its own thread before the thread ends.
    m_audioWorkerThread.quit();
    m_audioWorkerThread.wait();
    m_backgroundRecording = nullptr;
}

int AudioWorker::startAudioRecording()
{
    Analoginputworker().startCapture();
    qDebug() << "AudioWorker::startAudioRecording" << QThread::currentThreadId();
    emit startBackgroundRecording();
    return 0;
}

int AudioWorker::stopAudioRecording()
{
    Analoginputworker().stopCapture();
    qDebug() << "AudioWorker::stopAudioRecording";
    emit stopBackgroundRecording();
    return 0;
}

int AudioWorker::pauseAudioRecording(bool pause)
{
    qDebug() << "AudioWorker::pauseAudioRecording" << (pause ? "true" : "false");
    emit pauseBackgroundRecording(pause);
    Analoginputworker().pauseCapture(pause);
    return 0;
}

int AudioWorker::storeAudioData(const QString &name)
{
    // A blocking hand-over to a stopped thread would never return.
    if (!m_audioWorkerThread.isRunning()) {
        qDebug() << "AudioWorker: audio thread not running, not stored:" << name;
        return -1;
    }
    emit storeRecordedAudioData(name);
    return 0;
}

int AudioWorker::startAudioPlayback(const QString &file)
{
    emit startBackgroundPlayback(file);
    return 0;
}

int AudioWorker::stopAudioPlayback()
{
    emit stopBackgroundPlayback();
    return 0;
}

bool AudioWorker::deleteAudioData(const QString &name)
{
    const QString path = BackgroundRecording::wavFilePath(name);
    if (QFile::remove(path))
        return true;
    qDebug() << "Error deleteAudioData" << path;
    return false;
}

bool AudioWorker::renameAudioData(const QString &oldName, const QString &newName)
{
    const QString oldPath = BackgroundRecording::wavFilePath(oldName);
    const QString newPath = BackgroundRecording::wavFilePath(newName);
    if (QFile::rename(oldPath, newPath))
        return true;
    qDebug() << "Error renameAudioData" << oldPath << newPath;
    return false;
}

AudioWorker &Audioworker()
{
    static AudioWorker worker;
    // The static outlives the application object; the audio objects should not.
    [[maybe_unused]] static const bool stopsWithApplication = [] {
        qAddPostRoutine([] { Audioworker().shutDown(); });
        return true;
    }();
    return worker;
}
