#ifndef AUDIOIODEVICE_H
#define AUDIOIODEVICE_H

#include <QAudioFormat>
#include <QIODevice>

// A write-only sink for audio blocks: it keeps nothing and signals each
// write. The recorder holds one and does not read without it.
class AudioIODevice : public QIODevice
{
    Q_OBJECT
public:
    explicit AudioIODevice(const QAudioFormat &format, QObject *parent = nullptr);

    void start();
    void stop();

    QAudioFormat format() const { return m_format; }
    quint32 maxAmplitude() const { return m_maxAmplitude; }
    // Peak of the last block written, 0..1 (16-bit signed samples only).
    float level() const { return m_level; }

    qint64 readData(char *data, qint64 maxlen) override;
    qint64 writeData(const char *data, qint64 len) override;

signals:
    void update();

private:
    const QAudioFormat m_format;
    quint32 m_maxAmplitude = 0;
    float m_level = 0.0f;
};

#endif // AUDIOIODEVICE_H
