#ifndef AUDIOCODECSETUP_H
#define AUDIOCODECSETUP_H

#include <QObject>

#include <memory>

class CodecRegisters;

// The single owner of the board's audio codec: routing, gains, muting and
// loopback through ALSA's simple mixer on "default", the listening filter
// through the driver's register file. Gains are in 0.01 dB.
class AudioCodecSetup : public QObject
{
    Q_OBJECT
public:
    explicit AudioCodecSetup(QObject *parent = nullptr);
    ~AudioCodecSetup() override;

    void init();
    // 1 = path off, anything else = listening path on.
    void setRouting(int mode);
    // 0 none, 1 IN1 (Bluetooth receiver), 2 IN2, 3 IN3 (wired input), other IN1.
    void setInputPath(int path);
    void setLoopbackEnable(bool on);
    void setAnalogLoopback();
    void setDigitalLoopback();

    void setMuting(bool mute);
    bool isMuted() const { return m_muted; }
    void setMicPgaGain(long centiDb);
    long micPgaGain() const { return m_micPgaGain; }
    void setAdcGain(long centiDb);
    void setDacGain(long centiDb);
    void setLineOutGain(long centiDb);
    void setMicPgaEnable(int on);
    void setAdcPgaMute(int mute);
    void setLineOutEnable(int on);
    void setCommonModeControl();

    // lowCutOff is the high-pass corner, highCutOff the low-pass corner;
    // type 1 = band filter, anything else no filter.
    void setFilter(quint32 lowCutOff, quint32 highCutOff, int type);
    // Type 2 hands the corners back swapped, as the filter dialog expects.
    void getFilter(quint32 *a, quint32 *b, int *type) const;
    // Used instead of the third sections while the debug features are on;
    // takes effect at the next setFilter.
    void setSpecialFilter(bool notch50Hz, bool preemphasis);
    // out needs room for 26 values.
    void getAvailableLpFilterFrequencies(quint32 *out, int *count) const;
    void getAvailableHpFilterFrequencies(quint32 *out, int *count) const;

    // Kept for the dialogs only; nothing goes to the codec.
    void setMicGain(int gain) { m_micGain = gain; }
    void getMicGain(int *gain) const { *gain = m_micGain; }
    void setHeadphoneGain(int gain) { m_headphoneGain = gain; }
    void getHeadphoneGain(int *gain) const { *gain = m_headphoneGain; }

    int writeRegister(int reg, int value);
    // The upper three bytes of a coefficient to reg, reg+1, reg+2.
    void writeFilterCoeffs(int reg, quint32 coeff);
    // Tests record the register writes through their own writer.
    void setRegisterWriter(std::unique_ptr<CodecRegisters> writer);

    // Each opens and closes its own mixer handle; 0 or a negative ALSA code.
    static int setMixerElementValue(const char *name, int value);
    static int setMixerElementEnumValue(const char *name, unsigned item);
    static int setMixerElementGain(const char *name, long centiDb);
    static int setMixerElement(const char *name, long raw);

private:
    void requestMute();
    void writeBiquads(const quint32 *lowPass, const quint32 *highPass);

    quint32 m_lpFreq = 4000;
    quint32 m_hpFreq = 0;
    int m_filterType = 0;
    int m_micGain = 0;
    int m_headphoneGain = 0;
    bool m_muted = true;
    std::unique_ptr<CodecRegisters> m_registers;
    bool m_filter50HzEnabled = false;
    bool m_filterPreemphaseEnabled = false;
    long m_micPgaGain = 0;
};

#endif // AUDIOCODECSETUP_H
