#include "soundmodel.h"
#include "statefile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace SoundModel {

namespace {
constexpr double Pi = 3.14159265358979323846;
// Resonator quality: narrow enough for a clear dominant frequency, wide
// enough to sound like flowing water rather than a tone.
constexpr double Q = 8.0;
constexpr double TrafficPeriodSeconds = 6.0;
} // namespace

double rmsForLevel(double level)
{
    // Inverse of the program's display scale: level = (77 + 20 log10(x)) * 1.8.
    return std::pow(10.0, (level / LevelPerDb - 77.0) / 20.0);
}

double heardLevel(const Settings &s)
{
    const double lost = LevelPerDb * s.falloff * std::abs(s.sensorAt - s.leakAt);
    return std::min(s.leakLevel, std::max(BackgroundLevel, s.leakLevel - lost));
}

const char *modeName(Mode mode)
{
    return mode == Mode::Silence ? "silence" : mode == Mode::Traffic ? "traffic" : "leak";
}

std::string format(const Settings &s)
{
    const char *mode = modeName(s.mode);
    std::ostringstream out;
    out << "mode " << mode << "\nlevel " << s.level << "\nfreq " << s.frequency << "\nmuted " << (s.muted ? 1 : 0)
        << "\n";
    if (s.leakLevel != s.level)
        out << "leak_level " << s.leakLevel << "\n";
    if (s.leakAt != 0)
        out << "leak_at " << s.leakAt << "\n";
    if (s.sensorAt != 0)
        out << "sensor_at " << s.sensorAt << "\n";
    if (s.falloff != DefaultFalloff)
        out << "falloff " << s.falloff << "\n";
    return out.str();
}

namespace {
// Reads one number within [low, high] into value; a bad one leaves it.
bool readNumber(std::istringstream &in, double &value, double low, double high)
{
    double v = value;
    const bool good = in >> v && v >= low && v <= high;
    if (good)
        value = v;
    in.clear();
    return good;
}
} // namespace

Settings parse(const std::string &text)
{
    Settings s;
    bool leakLevelGiven = false;
    std::istringstream in(text);
    std::string key;
    while (in >> key) {
        if (key == "mode") {
            std::string v;
            in >> v;
            if (v == "silence")
                s.mode = Mode::Silence;
            else if (v == "traffic")
                s.mode = Mode::Traffic;
            else if (v == "leak")
                s.mode = Mode::Leak;
        } else if (key == "level") {
            readNumber(in, s.level, 0, 99);
        } else if (key == "freq") {
            readNumber(in, s.frequency, 20, 3800);
        } else if (key == "muted") {
            int v = 0;
            if (in >> v)
                s.muted = v != 0;
            in.clear();
        } else if (key == "leak_level") {
            leakLevelGiven = readNumber(in, s.leakLevel, 0, 99);
        } else if (key == "leak_at") {
            readNumber(in, s.leakAt, 0, MaxPosition);
        } else if (key == "sensor_at") {
            readNumber(in, s.sensorAt, 0, MaxPosition);
        } else if (key == "falloff") {
            readNumber(in, s.falloff, 0, MaxFalloff);
        }
    }
    if (!leakLevelGiven)
        s.leakLevel = s.level;
    return s;
}

Settings load(const std::string &root)
{
    std::ifstream f(root + "/sim/sound.state");
    if (!f)
        return Settings();
    std::stringstream text;
    text << f.rdbuf();
    return parse(text.str());
}

bool save(const std::string &root, const Settings &settings)
{
    return writeStateFile(root + "/sim/sound.state", format(settings)) == 0;
}

Generator::Generator(double sampleRate, unsigned seed) : m_rate(sampleRate), m_random(seed) {}

double Generator::leakSample(const Settings &s)
{
    const double f = std::min(s.frequency, m_rate * 0.45);
    if (f != m_designedFor) {
        // Resonator with unit peak gain at f; the output's RMS is then
        // normalised from the noise bandwidth below.
        const double w = 2 * Pi * f / m_rate;
        const double r = std::exp(-Pi * f / (Q * m_rate));
        m_a1 = 2 * r * std::cos(w);
        m_a2 = -r * r;
        m_b0 = 1 - r;
        // RMS of the resonator's response to unit white noise.
        const double power = (1 + r * r) / ((1 - r * r) * ((1 + r * r) * (1 + r * r) - m_a1 * m_a1));
        m_gain = 1.0 / (m_b0 * std::sqrt(power));
        m_designedFor = f;
        m_y1 = m_y2 = 0;
    }
    const double y = m_b0 * m_noise(m_random) + m_a1 * m_y1 + m_a2 * m_y2;
    m_y2 = m_y1;
    m_y1 = y;
    return y * m_gain;
}

void Generator::render(int16_t *out, unsigned n, const Settings &s)
{
    for (unsigned i = 0; i < n; ++i, ++m_sample) {
        double v = 0;
        if (!s.muted && s.mode != Mode::Silence) {
            double amplitude = rmsForLevel(s.level);
            if (s.mode == Mode::Traffic) {
                // A vehicle passes: loud for a moment, then the background.
                const double t = std::fmod(double(m_sample) / m_rate, TrafficPeriodSeconds) / TrafficPeriodSeconds;
                amplitude *= 0.2 + 3.0 * std::exp(-std::pow((t - 0.5) * 8, 2));
            }
            v = leakSample(s) * amplitude;
        }
        const double scaled = std::round(v * 32768.0);
        out[i] = int16_t(std::max(-32768.0, std::min(32767.0, scaled)));
    }
}

} // namespace SoundModel
