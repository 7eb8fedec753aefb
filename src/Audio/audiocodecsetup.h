#ifndef AUDIOCODECSETUP_H
#define AUDIOCODECSETUP_H

#include <QObject>

// The board's audio codec. So far only the state the shell sets is kept;
// the mixer and register writes arrive with the audio path.
class AudioCodecSetup : public QObject
{
    Q_OBJECT
public:
    explicit AudioCodecSetup(QObject *parent = nullptr);

    void init();
    void setMuting(bool mute);
    bool isMuted() const { return m_muted; }
    void setMicPgaGain(long centiDb);
    long micPgaGain() const { return m_micPgaGain; }

private:
    bool m_muted = true;
    long m_micPgaGain = 0;
};

#endif // AUDIOCODECSETUP_H
