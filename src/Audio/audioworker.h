#ifndef AUDIOWORKER_H
#define AUDIOWORKER_H

#include <QObject>
#include <QString>
#include <QThread>

class BackgroundRecording;

// The GUI thread's side of recording and playback: each call becomes a
// queued request to the recorder in the audio thread. Also drives the level
// capture, which follows the recording's start, pause and stop.
class AudioWorker : public QObject
{
    Q_OBJECT
public:
    explicit AudioWorker(QObject *parent = nullptr);
    ~AudioWorker() override;

    int startAudioRecording();
    int stopAudioRecording();
    int pauseAudioRecording(bool pause);
    // Writes the last ten seconds to /home/root/meas/wav_temp/<name>.wav.
    int storeAudioData(const QString &name);
    // file is a device path.
    int startAudioPlayback(const QString &file);
    int stopAudioPlayback();
    bool deleteAudioData(const QString &name);
    bool renameAudioData(const QString &oldName, const QString &newName);

    // Ends the audio thread, deleting the recorder and its devices there.
    // Runs as the application object goes, while Qt can still clean up.
    void shutDown();

signals:
    void calculateAudioData();
    void initBackgroundRecording();
    void startBackgroundRecording();
    void stopBackgroundRecording();
    void pauseBackgroundRecording(bool pause);
    void storeRecordedAudioData(const QString &filename);
    void startBackgroundPlayback(const QString &filename);
    void stopBackgroundPlayback();

private:
    QThread m_audioWorkerThread;
    BackgroundRecording *m_backgroundRecording = nullptr;
};

// The one audio worker, created on first use.
AudioWorker &Audioworker();

#endif // AUDIOWORKER_H
