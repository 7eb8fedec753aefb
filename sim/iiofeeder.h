#ifndef IIOFEEDER_H
#define IIOFEEDER_H

#include "soundmodel.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class Control;

// The board's ADC in buffered mode: while buffer/enable reads "1", the
// device file /dev/iio:device0 always holds the newest 1024 samples of the
// sensor's sound (16-bit little-endian, 7670 per second), replaced
// atomically several times per 300 ms acquisition tick. The sound follows
// real time sample by sample, so consecutive reads see a continuous signal.
//
// It also takes the sound commands (leak, traffic, silence) and places the
// sensor along the pipe; they write ROOT/sim/sound.state, with the level the
// sensor hears where it stands, so the ALSA capture device plays the same.
class IioFeeder : public QObject
{
    Q_OBJECT
public:
    static constexpr int SampleRate = 7670;
    static constexpr int BlockSamples = 1024;
    static constexpr int RefreshMs = 100;

    explicit IioFeeder(const QString &root, QObject *parent = nullptr);

    void addCommands(Control &control);
    void start();
    void stop();

    QString setLeak(const QStringList &args);
    QString setTraffic(const QStringList &args);
    // The sensor set down at metres along the pipe, or moved by them.
    QString placeSensor(bool relative, double metres);
    QString stateText() const;
    QString setMode(SoundModel::Mode mode);
    // The sensor's microphone muted: silence whatever the sound setting.
    QString setSensorMuted(bool muted);

private:
    // Other commands keep their part of the same state file; the level heard
    // follows every change.
    QString saveChanged(SoundModel::Settings settings);
    void refresh();
    bool enabled() const;
    bool publish(const QByteArray &bytes);

    QString m_root;
    QString m_device;
    QTimer m_timer;
    QElapsedTimer m_clock;
    SoundModel::Generator m_generator{double(SampleRate)};
    std::vector<int16_t> m_window; // the newest block, oldest sample first
    qint64 m_rendered = 0;          // samples generated since the buffer was enabled
    bool m_running = false;         // buffer enabled at the last refresh
};

#endif // IIOFEEDER_H
