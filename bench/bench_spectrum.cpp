// One spectrum frame at the level screen's size, as the screen draws it every
// 300 ms, against the least such a frame costs: filling a picture of that size
// and drawing one 512-point polyline. The ratio is the widget's own overhead.
#include "freqspectrum.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int Width = 470;
constexpr int Height = 120;

void ensureApplication()
{
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_spectrum";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    Q_UNUSED(app);
}

// Falling noise floor with a leak around 600 Hz.
std::vector<float> leakSpectrum()
{
    std::vector<float> magnitudes(1024, 0.0f);
    for (int i = 1; i < 512; ++i) {
        const double f = i * FreqSpectrum::BinHz;
        const double ripple = 0.8 + 0.4 * std::sin(i * 1.7);
        magnitudes[i] = float((2.0 + 30.0 / (1.0 + f / 80.0) + 40.0 * std::exp(-std::pow((f - 600.0) / 120.0, 2))) * ripple);
    }
    return magnitudes;
}

void frame_reference(benchmark::State &state)
{
    ensureApplication();
    // The same curve as the widget draws, so only the overhead differs.
    const std::vector<float> magnitudes = leakSpectrum();
    float values[512];
    FreqSpectrum::normalise(magnitudes.data(), values);
    QPolygonF line(512);
    for (int i = 0; i < 512; ++i)
        line[i] = QPointF(i * Width / 512.0, (Height - 1) * (1.0f - values[i]));
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawPolyline(line);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void frame_spectrum(benchmark::State &state)
{
    ensureApplication();
    std::vector<float> magnitudes = leakSpectrum();
    FreqSpectrum spectrum;
    spectrum.resize(Width, Height);
    spectrum.init(Width, Height);
    spectrum.updateFilter(160, 1250, 1);
    QImage shown(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        spectrum.refresh();
        spectrum.drawScale();
        spectrum.drawFft(magnitudes.data(), true);
        spectrum.render(&shown);
        benchmark::DoNotOptimize(shown.constBits());
    }
}

} // namespace

BENCHMARK(frame_reference)->Name("frame/reference")->Unit(benchmark::kMicrosecond);
BENCHMARK(frame_spectrum)->Name("frame/spectrum")->Unit(benchmark::kMicrosecond);
