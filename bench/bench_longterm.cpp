// One long-term sample as the screen takes it every 1300 ms: append it, draw
// the curve and copy the picture out as paintEvent does; against the least a
// redraw from scratch costs: one plain polyline of the sweep's points into a
// picture of the same size. Per sweep length of the three analysis times.
#include "longtermdata.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// The screen's curve widget.
constexpr int Width = 402;
constexpr int Height = 186;
constexpr int MaxSamples = 2048;

void ensureApplication()
{
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_longterm";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    Q_UNUSED(app);
}

float level(int n)
{
    return float(55 + 20 * std::sin(n / 11.0) + n * 7919 % 9);
}

template<int Points>
void sample_reference(benchmark::State &state)
{
    ensureApplication();
    QPolygon line(Points);
    for (int i = 0; i < Points; ++i)
        line[i] = QPoint(30 + i * (Width - 46) / Points, int((Height - 26) * (1 - level(i) / 100)));
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::blue, 1));
        painter.drawPolyline(line);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

template<int Points>
void sample_longterm(benchmark::State &state)
{
    ensureApplication();
    LongtermData curve;
    curve.resize(Width, Height);
    curve.init(Width, Height, Qt::white, QColor(0, 90, 255));
    curve.setBackgroundColorData(Qt::white);
    curve.displayHGrid(true);
    curve.displayVGrid(true);
    curve.setAxisX(0, 30, 5, 1, true);
    // A full first sweep behind, as after the first wrap.
    float data[MaxSamples];
    for (int i = 0; i < Points; ++i)
        data[i] = level(i + 3);
    int count = 0;
    int n = 0;
    QImage shown(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        if (count >= Points)
            count = 0;
        data[count++] = level(n++);
        curve.refresh();
        curve.drawData(data, count, Points, true);
        curve.render(&shown);
        benchmark::DoNotOptimize(shown.constBits());
    }
}

} // namespace

BENCHMARK_TEMPLATE(sample_reference, 180)->Name("sweep180/reference")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(sample_longterm, 180)->Name("sweep180/longterm")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(sample_reference, 600)->Name("sweep600/reference")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(sample_longterm, 600)->Name("sweep600/longterm")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(sample_reference, 1800)->Name("sweep1800/reference")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(sample_longterm, 1800)->Name("sweep1800/longterm")->Unit(benchmark::kMicrosecond);
