#ifndef SOUNDMODEL_H
#define SOUNDMODEL_H

// The sensor's sound as the simulator plays it: leak noise with a level in
// display units (0..99, the scale every level bar shows) and a dominant
// frequency, passing traffic as slow bursts, or silence. Plain C++ without
// Qt, so the ALSA plugins loaded into the program can use it too.
//
// Each consumer (the IIO feeder at 7670 Hz, the capture device at 16000 Hz)
// owns a generator; all read the same settings, which the simulator keeps in
// the file ROOT/sim/sound.state:
//     mode leak|traffic|silence
//     level <0..99>
//     freq <Hz>
//     muted 0|1
//     leak_level <0..99>
//     leak_at <m>
//     sensor_at <m>
//     falloff <dB/m>
// The last four place the leak and the sensor along a pipe; "level" is what
// the sensor hears there, derived by the simulator (heardLevel) whenever it
// writes the file, so readers play "level" and need nothing else. They are
// written only when they differ from level, 0, 0 and DefaultFalloff: a file
// without them has the sensor standing on the leak.
#include <cstdint>
#include <random>
#include <string>

namespace SoundModel {

enum class Mode { Silence, Leak, Traffic };

// Display units per dB of the program's level scale.
constexpr double LevelPerDb = 1.8;
// Ground noise the sensor hears far from any leak, in display units.
constexpr double BackgroundLevel = 10;
// Leak noise fades along a buried pipe by a few dB per metre.
constexpr double DefaultFalloff = 2;
constexpr double MaxFalloff = 50;
constexpr double MaxPosition = 10000; // metres along the pipe

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
};

// Linear RMS (full scale 1.0) that the program shows as this display level.
double rmsForLevel(double level);

// The leak's level less falloff times the distance to the sensor, not below
// the background and never above the leak itself.
double heardLevel(const Settings &settings);

// "leak", "traffic" or "silence", as the state file names the mode.
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

    // Fills n signed 16-bit samples continuing the stream.
    void render(int16_t *out, unsigned n, const Settings &settings);

private:
    double leakSample(const Settings &settings);

    double m_rate;
    std::mt19937 m_random;
    std::normal_distribution<double> m_noise{0.0, 1.0};
    // Two-pole resonator state shaping white noise around the leak frequency.
    double m_y1 = 0, m_y2 = 0;
    double m_designedFor = -1, m_b0 = 0, m_a1 = 0, m_a2 = 0, m_gain = 1;
    uint64_t m_sample = 0;
};

} // namespace SoundModel

#endif // SOUNDMODEL_H
