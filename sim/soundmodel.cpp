#include "soundmodel.h"
#include "statefile.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace SoundModel {

namespace {
constexpr double Pi = 3.14159265358979323846;
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
    return mode == Mode::Silence ? "silence" : "leak";
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
    if (s.trafficLevel > 0)
        out << "traffic_level " << s.trafficLevel << "\ntraffic_every " << s.trafficEvery << "\ntraffic_for "
            << s.trafficFor << "\n";
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
        } else if (key == "traffic_level") {
            readNumber(in, s.trafficLevel, 0, 99);
        } else if (key == "traffic_every") {
            readNumber(in, s.trafficEvery, MinTrafficEvery, MaxTrafficEvery);
        } else if (key == "traffic_for") {
            readNumber(in, s.trafficFor, 0, MaxTrafficEvery);
        }
    }
    // A burst longer than the gap between two would never end.
    s.trafficFor = std::min(s.trafficFor, s.trafficEvery);
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

double Generator::Resonator::sample(double frequency, double rate, double noise)
{
    const double f = std::min(frequency, rate * 0.45);
    if (f != designedFor) {
        // Unit peak gain at f; the output's RMS is then normalised from the
        // noise bandwidth below.
        const double w = 2 * Pi * f / rate;
        const double r = std::exp(-Pi * f / (q * rate));
        a1 = 2 * r * std::cos(w);
        a2 = -r * r;
        b0 = 1 - r;
        // RMS of the resonator's response to unit white noise.
        const double power = (1 + r * r) / ((1 - r * r) * ((1 + r * r) * (1 + r * r) - a1 * a1));
        gain = 1.0 / (b0 * std::sqrt(power));
        designedFor = f;
        y1 = y2 = 0;
    }
    const double y = b0 * noise + a1 * y1 + a2 * y2;
    y2 = y1;
    y1 = y;
    return y * gain;
}

double trafficEnvelope(const Settings &s, double seconds)
{
    if (s.trafficLevel <= 0 || s.trafficFor <= 0)
        return 0;
    const double phase = std::fmod(seconds, s.trafficEvery);
    return phase < s.trafficFor ? std::sin(Pi * phase / s.trafficFor) : 0;
}

void Generator::render(int16_t *out, unsigned n, const Settings &settings)
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    renderUntil(out, n, settings, std::chrono::duration<double>(now).count());
}

void Generator::renderUntil(int16_t *out, unsigned n, const Settings &s, double endSeconds)
{
    const double leakAmplitude = rmsForLevel(s.level);
    const double trafficAmplitude = rmsForLevel(s.trafficLevel);
    for (unsigned i = 0; i < n; ++i) {
        double v = 0;
        if (!s.muted && s.mode != Mode::Silence) {
            v = m_leak.sample(s.frequency, m_rate, m_noise(m_random)) * leakAmplitude;
            const double envelope = trafficEnvelope(s, endSeconds - double(n - i) / m_rate);
            if (envelope > 0)
                v += m_traffic.sample(TrafficFrequency, m_rate, m_noise(m_random)) * trafficAmplitude * envelope;
        }
        const double scaled = std::round(v * 32768.0);
        out[i] = int16_t(std::max(-32768.0, std::min(32767.0, scaled)));
    }
}

} // namespace SoundModel
