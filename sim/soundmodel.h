#ifndef SOUNDMODEL_H
#define SOUNDMODEL_H

// The sensor's sound as the simulator plays it: leak noise with a level in
// display units (0..99, the scale every level bar shows) and a dominant
// frequency, with or without passing traffic over it, or silence. Plain C++ without
// Qt, so the ALSA plugins loaded into the program can use it too.
//
// Each consumer (the IIO feeder at 7670 Hz, the capture device at 16000 Hz)
// owns a generator; all read the same settings, which the simulator keeps in
// the file ROOT/sim/sound.state:
//     mode leak|silence
//     level <0..99>
//     freq <Hz>
//     muted 0|1
//     leak_level <0..99>
//     leak_at <m>
//     sensor_at <m>
//     falloff <dB/m>
//     traffic_level <1..99>
//     traffic_every <s>
//     traffic_for <s>
// The last four place the leak and the sensor along a pipe; "level" is what
// the sensor hears there, derived by the simulator (heardLevel) whenever it
// writes the file, so readers play "level" and need nothing else. They are
// written only when they differ from level, 0, 0 and DefaultFalloff: a file
// without them has the sensor standing on the leak. Traffic passes as a
// low rumble over the leak: a burst rising to traffic_level and back within
// traffic_for seconds, one every traffic_every seconds of the wall clock,
// so every reader hears the same vehicle at the same moment; the three
// lines are written only while traffic passes.
#include <cstdint>
#include <random>
#include <string>

namespace SoundModel {

enum class Mode { Silence, Leak };

// Display units per dB of the program's level scale.
constexpr double LevelPerDb = 1.8;
// Ground noise the sensor hears far from any leak, in display units.
constexpr double BackgroundLevel = 10;
// Leak noise fades along a buried pipe by a few dB per metre.
constexpr double DefaultFalloff = 2;
constexpr double MaxFalloff = 50;
constexpr double MaxPosition = 10000; // metres along the pipe
// A passing vehicle: its peak level, how often one passes and how long it is heard.
constexpr double DefaultTrafficLevel = 80;
constexpr double DefaultTrafficEvery = 20;
constexpr double DefaultTrafficFor = 4;
constexpr double MinTrafficEvery = 1;
constexpr double MaxTrafficEvery = 3600;
// Dominant frequency of the rumble.
constexpr double TrafficFrequency = 120;

struct Settings
{
    Mode mode = Mode::Leak;
    double level = 40;     // display units 0..99, as heard at the sensor
    double frequency = 600; // Hz, dominant frequency of the leak
    bool muted = false;     // the sensor's microphone is muted: silence
    double leakLevel = 40;  // display units right at the leak
    double leakAt = 0;      // metres along the pipe
    double sensorAt = 0;    // metres along the pipe
    double falloff = DefaultFalloff; // dB per metre between leak and sensor
    double trafficLevel = 0; // display units at a burst's peak; 0: no traffic
    double trafficEvery = DefaultTrafficEvery; // seconds from one burst to the next
    double trafficFor = DefaultTrafficFor;     // seconds a burst lasts
};

// 0..1: how loud passing traffic is at a wall-clock time in seconds.
double trafficEnvelope(const Settings &settings, double seconds);

// Linear RMS (full scale 1.0) that the program shows as this display level.
double rmsForLevel(double level);

// The leak's level less falloff times the distance to the sensor, not below
// the background and never above the leak itself.
double heardLevel(const Settings &settings);

// "leak" or "silence", as the state file names the mode.
const char *modeName(Mode mode);
std::string format(const Settings &settings);
// Parses the state file's text; unknown or bad lines keep the defaults.
Settings parse(const std::string &text);
// Reads ROOT/sim/sound.state; defaults when missing.
Settings load(const std::string &root);
bool save(const std::string &root, const Settings &settings);

class Generator
{
public:
    explicit Generator(double sampleRate, unsigned seed = 1);

    // Fills n signed 16-bit samples continuing the stream, the last one
    // sounding now.
    void render(int16_t *out, unsigned n, const Settings &settings);
    // The same with the wall-clock time of the sample after the last.
    void renderUntil(int16_t *out, unsigned n, const Settings &settings, double endSeconds);

private:
    // Two-pole resonator shaping white noise around a frequency, with unit RMS.
    struct Resonator
    {
        double q;
        double y1 = 0, y2 = 0;
        double designedFor = -1, b0 = 0, a1 = 0, a2 = 0, gain = 1;
        double sample(double frequency, double rate, double noise);
    };

    double m_rate;
    std::mt19937 m_random;
    std::normal_distribution<double> m_noise{0.0, 1.0};
    Resonator m_leak{8.0};
    Resonator m_traffic{1.5};
};

} // namespace SoundModel

#endif // SOUNDMODEL_H
