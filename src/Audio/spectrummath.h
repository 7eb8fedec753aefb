#ifndef SPECTRUMMATH_H
#define SPECTRUMMATH_H

#include <QColor>

// Spectrum arithmetic shared by the level worker and the spectrum widget:
// the analog input runs at 7670 samples per second and every spectrum has
// 1024 bins of 7670/1024 Hz, of which 512 are used.
namespace SpectrumMath {

constexpr int SampleRate = 7670;
constexpr int Bins = 1024;
constexpr int UsedBins = 512;
constexpr int WindowBins = 5;

// Start of the five-bin window with the largest sum, over window starts
// 0..lastStart; a tie goes to the higher start.
int dominantWindow(const float *magnitudes, int lastStart);

// Frequency of a window: its centre bin times 7670/1024 Hz, truncated.
unsigned windowFrequency(int start);

// Bar colour for a frequency: low to mid over the lower half of maxFreq,
// mid to high over the upper half. *textColor (if given) becomes black
// above seven tenths of maxFreq, where the bar is light, else white.
QColor frequencyColor(unsigned freq, unsigned maxFreq, const QColor &low, const QColor &mid, const QColor &high,
                      QColor *textColor = nullptr);

} // namespace SpectrumMath

#endif // SPECTRUMMATH_H
