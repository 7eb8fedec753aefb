#include "audiocodecsetup.h"
#include "codecregisters.h"
#include "filtercoefficients.h"
#include "globals.h"
#include "mainmenu.h"
#include "statusbar.h"

#include <QDebug>

#include <alsa/asoundlib.h>

#include <cerrno>

namespace {

constexpr int PassRow = 0;
constexpr int NoLowPassRow = FilterCornerCount - 1;

// Register 0 of every page selects the page; register 1 of page 44 controls
// the adaptive coefficient buffers: 4 = writes go to the inactive buffer,
// 5 = the same plus the request to swap the buffers.
constexpr int PageSelect = 0;
constexpr int AdaptivePage = 44;
constexpr int AdaptiveControl = 1;
constexpr int AdaptiveWriteInactive = 4;
constexpr int AdaptiveSwap = 5;
// Coefficient RAM fills registers 8..127 of each page; a coefficient takes 4.
constexpr int FirstCoeffRegister = 8;
constexpr int RegistersPerPage = 128;
constexpr int CoeffsPerBiquad = 5;

enum class Section { LowPass, HighPass, Notch50Hz, Preemphasis };

struct Slot
{
    int page;
    int reg;
};

struct Biquad
{
    Slot left;
    Slot right;
    Section normal;
    Section debug;
};

// DAC biquads A..F: three low-pass and three high-pass sections per channel;
// in debug mode E and F carry the service sections.
const Biquad biquads[] = {
    {{44, 12}, {45, 20}, Section::LowPass, Section::LowPass},
    {{44, 32}, {45, 40}, Section::LowPass, Section::LowPass},
    {{44, 52}, {45, 60}, Section::HighPass, Section::HighPass},
    {{44, 72}, {45, 80}, Section::HighPass, Section::HighPass},
    {{44, 92}, {45, 100}, Section::LowPass, Section::Notch50Hz},
    {{44, 112}, {45, 120}, Section::HighPass, Section::Preemphasis},
};

struct InputSwitch
{
    const char *element;
    const char *label;
};

// Set in this order. IN1 is the Bluetooth receiver, IN3 the wired input.
const InputSwitch inputSwitches[] = {
    {"Left Input Mixer IN1_L P", "Select Input IN1_L:"},  {"Right Input Mixer IN1_R P", "Select Input IN1_R:"},
    {"Left Input Mixer IN2_L P", "Select Input IN2_L:"},  {"Right Input Mixer IN2_R P", "Select Input IN2_R:"},
    {"Left Input Mixer IN3_L P", "Select Input IN3_L:"},  {"Right Input Mixer IN3_R P", "Select Input IN3_R:"},
};
const char *const inputNames[] = {"NONE", "IN1", "IN2", "IN3"};

const char *const LoopbackSwitch = "Loopback ADC ADC>DAC";
const char *const LoopbackSource = "Loopback-SecDataIn";
const char *const DacMode = "DAC mode PRB_P3";
const char *const CommonMode = "FullChipCM=0,75V LineOutCM=1,65V";

// One simple-mixer handle on the card "default", closed when it goes out of scope.
class Mixer
{
public:
    Mixer()
    {
        m_error = snd_mixer_open(&m_handle, 0);
        if (m_error < 0) {
            m_handle = nullptr;
            return;
        }
        if ((m_error = snd_mixer_attach(m_handle, "default")) < 0)
            return;
        if ((m_error = snd_mixer_selem_register(m_handle, nullptr, nullptr)) < 0)
            return;
        m_error = snd_mixer_load(m_handle);
    }
    ~Mixer()
    {
        if (m_handle)
            snd_mixer_close(m_handle);
    }
    Mixer(const Mixer &) = delete;
    Mixer &operator=(const Mixer &) = delete;

    // The element, or nullptr with *error set; the program never checks
    // element presence beforehand, so a missing one is just another error.
    snd_mixer_elem_t *find(const char *name, int *error) const
    {
        if (m_error < 0) {
            *error = m_error;
            return nullptr;
        }
        snd_mixer_selem_id_t *id = nullptr;
        snd_mixer_selem_id_alloca(&id);
        snd_mixer_selem_id_set_index(id, 0);
        snd_mixer_selem_id_set_name(id, name);
        snd_mixer_elem_t *elem = snd_mixer_find_selem(m_handle, id);
        *error = elem ? 0 : -ENOENT;
        return elem;
    }

private:
    snd_mixer_t *m_handle = nullptr;
    int m_error = 0;
};

template<typename Set>
int setElement(const char *name, Set set)
{
    Mixer mixer;
    int error = 0;
    if (snd_mixer_elem_t *elem = mixer.find(name, &error))
        error = set(elem);
    return error < 0 ? error : 0;
}

// First corner not below freq, or the one before it when that is strictly
// nearer; a request above every corner gives row 0.
int nearestCorner(const quint32 (*table)[FilterCoeffWords], quint32 freq)
{
    for (int i = 0; i < FilterCornerCount; ++i) {
        const quint32 corner = table[i][0];
        if (corner < freq)
            continue;
        if (i > 0 && freq - table[i - 1][0] < corner - freq)
            return i - 1;
        return i;
    }
    return 0;
}

} // namespace

AudioCodecSetup::AudioCodecSetup(QObject *parent) : QObject(parent), m_registers(std::make_unique<CodecRegisters>())
{
    qDebug() << "--- AudioCodecSetup ---";
    setCommonModeControl();
    qDebug() << "Setup common mode control finished";
}

AudioCodecSetup::~AudioCodecSetup() = default;

void AudioCodecSetup::init()
{
    qDebug() << "**** INIT Audio-Codec ****";
    setMixerElementValue(LoopbackSwitch, 0);
    setMixerElementEnumValue(DacMode, 1);
    setRouting(0);
    if (StatusbarData().isWiredSensor()) {
        setInputPath(3);
        qDebug() << "Direkteingang gewählt";
    } else {
        setInputPath(1);
        qDebug() << "Bluetootheingang gewählt";
    }
    // The screens unmute when they are ready to listen.
    requestMute();
}

// The one call back into the main window: it mutes the whole path (sensor,
// headphones, audio line), of which the codec is only a part.
void AudioCodecSetup::requestMute()
{
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, true);
    else
        setMuting(true);
}

void AudioCodecSetup::setRouting(int mode)
{
    const bool on = mode != 1;
    setMicPgaEnable(on ? 1 : 0);
    setAdcPgaMute(on ? 0 : 1);
    if (on) {
        setLineOutEnable(1);
        setLineOutGain(0);
        setMicPgaGain(300);
        setAdcGain(200);
    } else {
        setMicPgaGain(0);
        setAdcGain(-1200);
        setLineOutEnable(1);
        setLineOutGain(0);
    }
    setDacGain(0);
    setInputPath(on ? 1 : 0);
    setLoopbackEnable(on);
    setMixerElementEnumValue(DacMode, 1);
}

void AudioCodecSetup::setInputPath(int path)
{
    if (path < 0 || path > 3)
        path = 1;
    qDebug() << "Select Input" << inputNames[path];
    Mixer mixer;
    for (int i = 0; i < 6; ++i) {
        const int on = path != 0 && i / 2 == path - 1 ? 1 : 0;
        int error = 0;
        if (snd_mixer_elem_t *elem = mixer.find(inputSwitches[i].element, &error))
            error = snd_mixer_selem_set_playback_switch_all(elem, on);
        if (error < 0)
            qDebug() << inputSwitches[i].label << error;
    }
}

void AudioCodecSetup::setLoopbackEnable(bool on)
{
    qDebug() << (on ? "AudioCodecSetup: Loopback enable" : "AudioCodecSetup: Loopback disable");
    // The ADC data reach the DAC through the secondary data input; the
    // direct loopback switch stays off either way.
    setMixerElementValue(LoopbackSwitch, 0);
    setMixerElementEnumValue(LoopbackSource, on ? 1 : 0);
    setMixerElementEnumValue(DacMode, 1);
}

void AudioCodecSetup::setAnalogLoopback()
{
    setLoopbackEnable(false);
    setMixerElementValue("LOL Output Mixer L_DAC", 0);
    setMixerElementValue("LOR Output Mixer R_DAC", 0);
    setMixerElementValue("LOL Output Mixer MAL", 1);
    setMixerElementValue("LOR Output Mixer MAR", 1);
    setMixerElementValue("MAL Power", 1);
    setMixerElementValue("MAR Power", 1);
    setLineOutGain(400);
}

void AudioCodecSetup::setDigitalLoopback()
{
    setLoopbackEnable(true);
    setMixerElementValue("LOL Output Mixer MAL", 0);
    setMixerElementValue("LOR Output Mixer MAR", 0);
    setMixerElementValue("LOL Output Mixer L_DAC", 1);
    setMixerElementValue("LOR Output Mixer R_DAC", 1);
    setMixerElementValue("MAL Power", 0);
    setMixerElementValue("MAR Power", 0);
    setLineOutGain(0);
}

void AudioCodecSetup::setMuting(bool mute)
{
    setMixerElementValue("LO DAC", mute ? 0 : 1);
    m_muted = mute;
}

void AudioCodecSetup::setMicPgaGain(long centiDb)
{
    setMixerElementGain("PGA Level", centiDb);
    m_micPgaGain = centiDb;
}

void AudioCodecSetup::setAdcGain(long centiDb)
{
    setMixerElementGain("ADC Level", centiDb);
}

void AudioCodecSetup::setDacGain(long centiDb)
{
    setMixerElementGain("PCM", centiDb);
}

void AudioCodecSetup::setLineOutGain(long centiDb)
{
    setMixerElementGain("LO Driver Gain", centiDb);
}

void AudioCodecSetup::setMicPgaEnable(int on)
{
    setMixerElementValue("Mic PGA", on);
}

void AudioCodecSetup::setAdcPgaMute(int mute)
{
    setMixerElementValue("ADCFGA Left Mute", mute);
    setMixerElementValue("ADCFGA Right Mute", mute);
}

void AudioCodecSetup::setLineOutEnable(int on)
{
    setMixerElementValue("LOL Output Mixer L_DAC", on);
    setMixerElementValue("LOR Output Mixer R_DAC", on);
}

void AudioCodecSetup::setCommonModeControl()
{
    setMixerElementEnumValue(CommonMode, 1);
}

void AudioCodecSetup::setFilter(quint32 lowCutOff, quint32 highCutOff, int type)
{
    int lpPos = NoLowPassRow;
    int hpPos = PassRow;
    if (type == 1) {
        lpPos = nearestCorner(filterCoeffs_LP, highCutOff);
        hpPos = nearestCorner(filterCoeffs_HP, lowCutOff);
        if (lpPos == hpPos) {
            qDebug() << "Wrong Filtersettings" << filterCoeffs_LP[lpPos][0] << filterCoeffs_HP[hpPos][0] << type;
            lpPos = NoLowPassRow;
            hpPos = PassRow;
            type = 0;
        }
    }
    m_filterType = type;
    m_lpFreq = filterCoeffs_LP[lpPos][0];
    m_hpFreq = filterCoeffs_HP[hpPos][0];
    qDebug() << "Filter Ist: LP=" << m_lpFreq << "HP=" << m_hpFreq << "Type=" << m_filterType << "lpPos" << lpPos
             << "hpPos" << hpPos;

    // Rows 0 and 25 are pass-through, so "no low-pass" and "no high-pass"
    // need no rows of their own.
    writeRegister(PageSelect, AdaptivePage);
    writeRegister(AdaptiveControl, AdaptiveWriteInactive);
    writeBiquads(filterCoeffs_LP[lpPos], filterCoeffs_HP[hpPos]);
    // Both channels switch buffers at once, so the change is glitch-free.
    writeRegister(PageSelect, AdaptivePage);
    writeRegister(AdaptiveControl, AdaptiveSwap);
}

void AudioCodecSetup::writeBiquads(const quint32 *lowPass, const quint32 *highPass)
{
    const bool debug = g_debugFeatures == 1;
    for (const Biquad &biquad : biquads) {
        const quint32 *row = nullptr;
        switch (debug ? biquad.debug : biquad.normal) {
        case Section::LowPass: row = lowPass; break;
        case Section::HighPass: row = highPass; break;
        case Section::Notch50Hz: row = filterCoeffs_50Hz[m_filter50HzEnabled ? 1 : 0]; break;
        case Section::Preemphasis: row = filterCoeffs_Preemphase[m_filterPreemphaseEnabled ? 1 : 0]; break;
        }
        for (const Slot &slot : {biquad.left, biquad.right}) {
            int page = slot.page;
            int reg = slot.reg;
            writeRegister(PageSelect, page);
            for (int k = 1; k <= CoeffsPerBiquad; ++k, reg += 4) {
                if (reg >= RegistersPerPage) {
                    // Biquad F runs on into the next page's coefficient RAM.
                    ++page;
                    reg += FirstCoeffRegister - RegistersPerPage;
                    writeRegister(PageSelect, page);
                }
                writeFilterCoeffs(reg, row[k]);
            }
        }
    }
}

void AudioCodecSetup::getFilter(quint32 *a, quint32 *b, int *type) const
{
    if (m_filterType == 2) {
        *a = m_lpFreq;
        *b = m_hpFreq;
    } else {
        *a = m_hpFreq;
        *b = m_lpFreq;
    }
    *type = m_filterType;
}

void AudioCodecSetup::setSpecialFilter(bool notch50Hz, bool preemphasis)
{
    m_filter50HzEnabled = notch50Hz;
    m_filterPreemphaseEnabled = preemphasis;
}

void AudioCodecSetup::getAvailableLpFilterFrequencies(quint32 *out, int *count) const
{
    for (int i = 0; i < FilterCornerCount; ++i)
        out[i] = filterCoeffs_LP[i][0];
    *count = FilterCornerCount;
}

void AudioCodecSetup::getAvailableHpFilterFrequencies(quint32 *out, int *count) const
{
    for (int i = 0; i < FilterCornerCount; ++i)
        out[i] = filterCoeffs_HP[i][0];
    *count = FilterCornerCount;
}

int AudioCodecSetup::writeRegister(int reg, int value)
{
    return m_registers->write(reg, value);
}

void AudioCodecSetup::writeFilterCoeffs(int reg, quint32 coeff)
{
    // The lowest byte is below the codec's 24-bit coefficient resolution.
    writeRegister(reg, int(coeff >> 24));
    writeRegister(reg + 1, int((coeff >> 16) & 0xff));
    writeRegister(reg + 2, int((coeff >> 8) & 0xff));
}

void AudioCodecSetup::setRegisterWriter(std::unique_ptr<CodecRegisters> writer)
{
    m_registers = std::move(writer);
}

int AudioCodecSetup::setMixerElementValue(const char *name, int value)
{
    const int error = setElement(name, [value](snd_mixer_elem_t *e) {
        return snd_mixer_selem_set_playback_switch_all(e, value);
    });
    if (error < 0)
        qDebug() << "Error setting mixerelement value:" << name << error;
    return error;
}

int AudioCodecSetup::setMixerElementEnumValue(const char *name, unsigned item)
{
    const int error = setElement(name, [item](snd_mixer_elem_t *e) {
        return snd_mixer_selem_set_enum_item(e, SND_MIXER_SCHN_FRONT_LEFT, item);
    });
    if (error < 0)
        qDebug() << "Error setting mixerelement enum value:" << name << error;
    return error;
}

int AudioCodecSetup::setMixerElementGain(const char *name, long centiDb)
{
    const int error = setElement(name, [centiDb](snd_mixer_elem_t *e) {
        return snd_mixer_selem_set_playback_dB_all(e, centiDb, 0);
    });
    if (error < 0)
        qDebug() << "Error setting mixerelement gain:" << name << error;
    return error;
}

int AudioCodecSetup::setMixerElement(const char *name, long raw)
{
    const int error = setElement(name, [raw](snd_mixer_elem_t *e) {
        return snd_mixer_selem_set_playback_volume(e, SND_MIXER_SCHN_FRONT_LEFT, raw);
    });
    if (error < 0)
        qDebug() << "Error setting mixerelement volume:" << name << error;
    return error;
}
