#ifndef AUDIOWORKER_H
#define AUDIOWORKER_H

#include <QObject>

// Continuous recording and playback. So far only the pause and stop calls
// the shell makes; the capture thread arrives with the audio path.
class AudioWorker : public QObject
{
    Q_OBJECT
public:
    explicit AudioWorker(QObject *parent = nullptr);

    void stopAudioRecording();
    void pauseAudioRecording(bool pause);
    bool isPaused() const { return m_paused; }

private:
    bool m_paused = true;
};

// The one audio worker, created on first use.
AudioWorker &Audioworker();

#endif // AUDIOWORKER_H
