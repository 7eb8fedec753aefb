#include "spectrummath.h"

namespace SpectrumMath {

int dominantWindow(const float *magnitudes, int lastStart)
{
    // Every window summed on its own in bin order, in a loop the compiler
    // can vectorise; then the search. Same sums as one window at a time.
    float sums[Bins];
    const int count = qBound(0, lastStart + 1, Bins);
    for (int j = 0; j < count; ++j)
        sums[j] = (((0.0f + magnitudes[j]) + magnitudes[j + 1]) + magnitudes[j + 2] + magnitudes[j + 3]) + magnitudes[j + 4];
    float best = 0.0f;
    int bestStart = 0;
    for (int j = 0; j < count; ++j) {
        if (sums[j] >= best) {
            best = sums[j];
            bestStart = j;
        }
    }
    return bestStart;
}

unsigned windowFrequency(int start)
{
    // (start + 2) * 7670 / 1024, written as the device firmware computes it.
    return (15340u + 7670u * unsigned(start)) >> 10;
}

QColor frequencyColor(unsigned freq, unsigned maxFreq, const QColor &low, const QColor &mid, const QColor &high,
                      QColor *textColor)
{
    const unsigned half = maxFreq >> 1;
    const unsigned f = qMin(freq, maxFreq);
    const QColor *from = &mid;
    const QColor *to = &high;
    double t = half ? double(f - half) / double(half) : 1.0;
    if (f < half) {
        from = &low;
        to = &mid;
        t = double(f) / double(half);
    }
    auto channel = [t](int a, int b) { return int(unsigned(a + (b - a) * t)); };
    if (textColor)
        *textColor = freq > maxFreq / 10 * 7 ? QColor(0, 0, 0, 255) : QColor(255, 255, 255, 255);
    return QColor(channel(from->red(), to->red()), channel(from->green(), to->green()),
                  channel(from->blue(), to->blue()), 255);
}

} // namespace SpectrumMath
