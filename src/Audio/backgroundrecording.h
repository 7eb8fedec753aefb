#ifndef BACKGROUNDRECORDING_H
#define BACKGROUNDRECORDING_H

#include <QAudio>
#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QQueue>
#include <QString>

class AudioCodecSetup;
class AudioIODevice;
class QAudioInput;
class QAudioOutput;
class QIODevice;

// Continuous capture of the codec's input into a ring of chunks in memory,
// so that a store can write the last ten seconds as a WAV file, and playback
// of WAV files. Lives in the audio thread; every slot is reached through a
// queued signal, so its data need no lock.
class BackgroundRecording : public QObject
{
    Q_OBJECT
public:
    static constexpr int SampleRate = 16000;
    static constexpr int BytesPerSecond = 2 * SampleRate;
    static constexpr int WavHeaderBytes = 44;
    // Ten seconds of samples go into a file; the ring keeps a little more.
    static constexpr int MaxWavSampleBytes = 10 * BytesPerSecond;
    static constexpr int MaxQueuedBytes = 330000;
    static constexpr int MaxReadBytes = BytesPerSecond;
    static constexpr int MaxCountedBytes = 4096;
    static constexpr int ReadBufferBytes = 140960;

    explicit BackgroundRecording(QObject *parent = nullptr);
    ~BackgroundRecording() override;

    // Host path of the temporary recording of that name.
    static QString wavFilePath(const QString &name);
    // The 44-byte header with the two size placeholders.
    static QByteArray wavHeader();

    // Queues one block of samples as a capture read does, dropping the
    // oldest block once more than MaxQueuedBytes were recorded.
    void enqueueChunk(const QByteArray &chunk);
    int queuedChunks() const { return m_audioQueue.size(); }
    QAudioDeviceInfo inputDevice() const { return m_Inputdevice; }
    QAudioDeviceInfo outputDevice() const { return m_Outputdevice; }

public slots:
    void init();
    void startAudioRecording();
    void stopAudioRecording();
    void pauseAudioRecording(bool pause);
    int storeAudioData(const QString &name);
    void startAudioPlayback(const QString &file);
    void stopAudioPlayback();
    void handleStateChanged(QAudio::State state);
    void handleStateChangedPlayback(QAudio::State state);
    void enableLoopback();
    void readMore();

private:
    void selectDevices();

    AudioIODevice *m_audioInputIODevice = nullptr;
    QIODevice *m_input = nullptr;
    AudioCodecSetup *m_audioCodec = nullptr;
    QAudioInput *m_audioInput = nullptr;
    QAudioOutput *m_audioOutput = nullptr;
    QIODevice *m_audioOutputIODevice = nullptr;
    QAudioDeviceInfo m_Inputdevice;
    QAudioDeviceInfo m_Outputdevice;
    QAudioFormat audioFormat;
    QFile m_playbackFile;
    QQueue<QByteArray> m_audioQueue;
    QByteArray m_buffer;
    int m_recordedBytes = 0;
    qint64 m_collectedBytes = 0;
    bool m_pauseRecording = false;
};

#endif // BACKGROUNDRECORDING_H
