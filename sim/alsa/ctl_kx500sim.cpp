// The simulated codec's mixer: an ALSA external control plugin that offers
// the controls the codec's kernel driver exposes, with their types, ranges
// and dB scales. The program opens and closes the mixer for every call, so
// the values live in ROOT/sim/mixer.state (one line per control: the quoted
// name, then its values), which is read at every open and rewritten after
// every change; tests and a person read the mixer back from there.
#include <alsa/asoundlib.h>
#include <alsa/control_external.h>

#include "plugin.h"
#include "statefile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

enum class Kind { Boolean, Integer, Enumerated };

struct Control
{
    const char *name;
    Kind kind;
    unsigned count;
    long min;
    long max;
    bool hasDb;
    int dbMin;  // 0.01 dB at min
    int dbStep; // 0.01 dB per step
    long initial;
    std::vector<const char *> items;
};

Control boolean(const char *name, unsigned count, bool initial)
{
    return {name, Kind::Boolean, count, 0, 1, false, 0, 0, initial ? 1 : 0, {}};
}

Control integer(const char *name, long max, long initial)
{
    return {name, Kind::Integer, 2, 0, max, false, 0, 0, initial, {}};
}

Control volume(const char *name, long max, int dbMin, int dbStep, long initial)
{
    return {name, Kind::Integer, 2, 0, max, true, dbMin, dbStep, initial, {}};
}

Control enumerated(const char *name, std::vector<const char *> items)
{
    return {name, Kind::Enumerated, 1, 0, long(items.size()) - 1, false, 0, 0, 0, std::move(items)};
}

// The restored state of the board's card first, then the controls only the
// program itself sets.
const std::vector<Control> &controls()
{
    static const std::vector<Control> table = {
        volume("PCM Playback Volume", 175, -6350, 50, 107),
        volume("HP Driver Gain Volume", 15, -600, 100, 6),
        volume("LO Driver Gain Volume", 35, -600, 100, 6),
        boolean("HP DAC Playback Switch", 2, true),
        boolean("LO DAC Playback Switch", 2, true),
        boolean("Mic PGA Switch", 2, false),
        boolean("ADCFGA Left Mute Switch", 1, true),
        boolean("ADCFGA Right Mute Switch", 1, true),
        volume("ADC Level Volume", 64, -1200, 50, 24),
        volume("PGA Level Volume", 95, 0, 50, 0),
        enumerated("Auto-mute Switch", {"Disabled", "Enabled"}),
        boolean("AGC Left Switch", 1, false),
        boolean("AGC Right Switch", 1, false),
        integer("AGC Target Level", 7, 0),
        integer("AGC Gain Hysteresis", 3, 0),
        integer("AGC Hysteresis", 3, 0),
        integer("AGC Noise Threshold", 31, 0),
        integer("AGC Max PGA", 127, 127),
        integer("AGC Attack Time", 31, 0),
        integer("AGC Decay Time", 31, 0),
        integer("AGC Noise Debounce", 31, 0),
        integer("AGC Signal Debounce", 15, 0),
        boolean("HPL Output Mixer L_DAC Switch", 1, true),
        boolean("HPL Output Mixer IN1_L Switch", 1, false),
        boolean("LOL Output Mixer L_DAC Switch", 1, true),
        boolean("HPR Output Mixer R_DAC Switch", 1, false),
        boolean("HPR Output Mixer IN1_R Switch", 1, false),
        boolean("LOR Output Mixer R_DAC Switch", 1, true),
        boolean("Left Input Mixer IN1_L P Switch", 1, false),
        boolean("Left Input Mixer IN2_L P Switch", 1, false),
        boolean("Left Input Mixer IN3_L P Switch", 1, false),
        boolean("Right Input Mixer IN1_R P Switch", 1, false),
        boolean("Right Input Mixer IN2_R P Switch", 1, false),
        boolean("Right Input Mixer IN3_R P Switch", 1, false),
        boolean("Loopback ADC ADC>DAC", 1, false),
        enumerated("FullChipCM=0,75V LineOutCM=1,65V", {"0.9V 1.5V", "0.75V 1.65V"}),
        enumerated("DAC mode PRB_P3", {"Off", "On"}),
        enumerated("Loopback-SecDataIn", {"Off", "On"}),
        boolean("LOL Output Mixer MAL Switch", 1, false),
        boolean("LOR Output Mixer MAR Switch", 1, false),
        boolean("MAL Power Switch", 1, false),
        boolean("MAR Power Switch", 1, false),
    };
    return table;
}

struct Card
{
    snd_ctl_ext_t ext{};
    std::string statePath;
    std::vector<std::vector<long>> values;
};

Card *card(snd_ctl_ext_t *ext)
{
    return static_cast<Card *>(ext->private_data);
}

std::string formatValue(const Control &c, long v)
{
    if (c.kind == Kind::Boolean)
        return v ? "true" : "false";
    return std::to_string(v);
}

bool parseValue(const Control &c, const std::string &word, long *v)
{
    if (c.kind == Kind::Boolean && (word == "true" || word == "false")) {
        *v = word == "true" ? 1 : 0;
        return true;
    }
    char *end = nullptr;
    const long n = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end || n < c.min || n > c.max)
        return false;
    *v = n;
    return true;
}

void loadState(Card &card)
{
    const std::vector<Control> &table = controls();
    card.values.clear();
    for (const Control &c : table)
        card.values.emplace_back(c.count, c.initial);
    std::ifstream in(card.statePath);
    std::string line;
    while (std::getline(in, line)) {
        // 'name' v0 v1 ...
        if (line.size() < 2 || line[0] != '\'')
            continue;
        const size_t close = line.find('\'', 1);
        if (close == std::string::npos)
            continue;
        const std::string name = line.substr(1, close - 1);
        for (size_t i = 0; i < table.size(); ++i) {
            if (name != table[i].name)
                continue;
            std::istringstream words(line.substr(close + 1));
            std::string word;
            for (unsigned ch = 0; ch < table[i].count && words >> word; ++ch)
                parseValue(table[i], word, &card.values[i][ch]);
        }
    }
}

int saveState(const Card &card)
{
    const std::vector<Control> &table = controls();
    std::string text;
    for (size_t i = 0; i < table.size(); ++i) {
        text += '\'';
        text += table[i].name;
        text += '\'';
        for (long v : card.values[i])
            text += ' ' + formatValue(table[i], v);
        text += '\n';
    }
    return writeStateFile(card.statePath, text);
}

void closeCard(snd_ctl_ext_t *ext)
{
    delete card(ext);
}

int elemCount(snd_ctl_ext_t *)
{
    return int(controls().size());
}

int elemList(snd_ctl_ext_t *, unsigned int offset, snd_ctl_elem_id_t *id)
{
    if (offset >= controls().size())
        return -EINVAL;
    snd_ctl_elem_id_set_interface(id, SND_CTL_ELEM_IFACE_MIXER);
    snd_ctl_elem_id_set_name(id, controls()[offset].name);
    return 0;
}

snd_ctl_ext_key_t findElem(snd_ctl_ext_t *, const snd_ctl_elem_id_t *id)
{
    const unsigned numid = snd_ctl_elem_id_get_numid(id);
    if (numid > 0)
        return numid <= controls().size() ? numid - 1 : SND_CTL_EXT_KEY_NOT_FOUND;
    if (snd_ctl_elem_id_get_interface(id) != SND_CTL_ELEM_IFACE_MIXER || snd_ctl_elem_id_get_index(id) != 0)
        return SND_CTL_EXT_KEY_NOT_FOUND;
    const char *name = snd_ctl_elem_id_get_name(id);
    for (size_t i = 0; i < controls().size(); ++i)
        if (std::strcmp(name, controls()[i].name) == 0)
            return i;
    return SND_CTL_EXT_KEY_NOT_FOUND;
}

int getAttribute(snd_ctl_ext_t *, snd_ctl_ext_key_t key, int *type, unsigned int *acc, unsigned int *count)
{
    const Control &c = controls()[key];
    *type = c.kind == Kind::Boolean   ? SND_CTL_ELEM_TYPE_BOOLEAN
            : c.kind == Kind::Integer ? SND_CTL_ELEM_TYPE_INTEGER
                                      : SND_CTL_ELEM_TYPE_ENUMERATED;
    *acc = SND_CTL_EXT_ACCESS_READWRITE;
    if (c.hasDb)
        *acc |= SND_CTL_EXT_ACCESS_TLV_READ | SND_CTL_EXT_ACCESS_TLV_CALLBACK;
    *count = c.count;
    return 0;
}

int getIntegerInfo(snd_ctl_ext_t *, snd_ctl_ext_key_t key, long *imin, long *imax, long *istep)
{
    *imin = controls()[key].min;
    *imax = controls()[key].max;
    *istep = 0;
    return 0;
}

int getEnumeratedInfo(snd_ctl_ext_t *, snd_ctl_ext_key_t key, unsigned int *items)
{
    *items = unsigned(controls()[key].items.size());
    return 0;
}

int getEnumeratedName(snd_ctl_ext_t *, snd_ctl_ext_key_t key, unsigned int item, char *name, size_t maxLength)
{
    const std::vector<const char *> &items = controls()[key].items;
    if (item >= items.size() || maxLength == 0)
        return -EINVAL;
    std::snprintf(name, maxLength, "%s", items[item]);
    return 0;
}

int readInteger(snd_ctl_ext_t *ext, snd_ctl_ext_key_t key, long *value)
{
    const std::vector<long> &v = card(ext)->values[key];
    std::copy(v.begin(), v.end(), value);
    return 0;
}

int readEnumerated(snd_ctl_ext_t *ext, snd_ctl_ext_key_t key, unsigned int *items)
{
    const std::vector<long> &v = card(ext)->values[key];
    for (size_t i = 0; i < v.size(); ++i)
        items[i] = unsigned(v[i]);
    return 0;
}

// Values out of range are refused as the kernel refuses them. Returns 1 when
// something changed, as alsa-lib expects.
template<typename T>
int storeValues(snd_ctl_ext_t *ext, snd_ctl_ext_key_t key, const T *value)
{
    const Control &c = controls()[key];
    std::vector<long> &v = card(ext)->values[key];
    for (unsigned i = 0; i < c.count; ++i)
        if (long(value[i]) < c.min || long(value[i]) > c.max)
            return -EINVAL;
    bool changed = false;
    for (unsigned i = 0; i < c.count; ++i) {
        changed = changed || v[i] != long(value[i]);
        v[i] = long(value[i]);
    }
    if (!changed)
        return 0;
    const int error = saveState(*card(ext));
    return error < 0 ? error : 1;
}

int writeInteger(snd_ctl_ext_t *ext, snd_ctl_ext_key_t key, long *value)
{
    return storeValues(ext, key, value);
}

int writeEnumerated(snd_ctl_ext_t *ext, snd_ctl_ext_key_t key, unsigned int *items)
{
    return storeValues(ext, key, items);
}

void subscribeEvents(snd_ctl_ext_t *, int)
{
}

int readEvent(snd_ctl_ext_t *, snd_ctl_elem_id_t *, unsigned int *)
{
    return -EAGAIN;
}

// A linear dB scale: minimum and step in 0.01 dB, no mute at the bottom.
int readTlv(snd_ctl_ext_t *, snd_ctl_ext_key_t key, int opFlag, unsigned int, unsigned int *tlv, unsigned int tlvSize)
{
    const Control &c = controls()[key];
    if (opFlag != 0 || !c.hasDb)
        return -ENXIO;
    if (tlvSize < 4 * sizeof(unsigned int))
        return -ENOMEM;
    tlv[0] = SND_CTL_TLVT_DB_SCALE;
    tlv[1] = 2 * sizeof(unsigned int);
    tlv[2] = unsigned(c.dbMin);
    tlv[3] = unsigned(c.dbStep);
    return 0;
}

snd_ctl_ext_callback_t makeCallbacks()
{
    snd_ctl_ext_callback_t cb{};
    cb.close = closeCard;
    cb.elem_count = elemCount;
    cb.elem_list = elemList;
    cb.find_elem = findElem;
    cb.get_attribute = getAttribute;
    cb.get_integer_info = getIntegerInfo;
    cb.get_enumerated_info = getEnumeratedInfo;
    cb.get_enumerated_name = getEnumeratedName;
    cb.read_integer = readInteger;
    cb.read_enumerated = readEnumerated;
    cb.write_integer = writeInteger;
    cb.write_enumerated = writeEnumerated;
    cb.subscribe_events = subscribeEvents;
    cb.read_event = readEvent;
    return cb;
}

const snd_ctl_ext_callback_t callbacks = makeCallbacks();

void copyText(char *to, size_t size, const char *text)
{
    std::snprintf(to, size, "%s", text);
}

} // namespace

extern "C" {

SND_CTL_PLUGIN_DEFINE_FUNC(kx500sim)
{
    (void)root;
    if (const int error = SimPlugin::checkConfig(conf))
        return error;
    const char *platformRoot = SimPlugin::platformRoot();
    if (!platformRoot)
        return -ENODEV;

    Card *c = new Card;
    c->statePath = std::string(platformRoot) + "/sim/mixer.state";
    loadState(*c);
    if (access(c->statePath.c_str(), F_OK) != 0)
        saveState(*c);

    snd_ctl_ext_t &ext = c->ext;
    ext.version = SND_CTL_EXT_VERSION;
    ext.card_idx = 0;
    copyText(ext.id, sizeof ext.id, "KX500Audio");
    copyText(ext.driver, sizeof ext.driver, "kx500sim");
    copyText(ext.name, sizeof ext.name, "KX500 codec");
    copyText(ext.longname, sizeof ext.longname, "KX500 codec (simulated)");
    copyText(ext.mixername, sizeof ext.mixername, "KX500 codec mixer");
    ext.poll_fd = -1;
    ext.callback = &callbacks;
    ext.private_data = c;
    ext.tlv.c = readTlv;

    const int error = snd_ctl_ext_create(&ext, name, mode);
    if (error < 0) {
        delete c;
        return error;
    }
    *handlep = ext.handle;
    return 0;
}

SND_CTL_PLUGIN_SYMBOL(kx500sim)

} // extern "C"
