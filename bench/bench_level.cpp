// One 300 ms acquisition block: level, spectrum and dominant frequency as
// the worker computes them, against FFTW's transform of the same block.
#include "analoginputworker.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QtEndian>
#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

constexpr int N = AnalogInputWorker::BlockSamples;

// Leak-like content: a tone in noise, well inside the 16-bit range.
QByteArray &testBlock()
{
    static QByteArray bytes = [] {
        QByteArray b(2 * N, Qt::Uninitialized);
        std::mt19937 random(7);
        std::normal_distribution<double> noise(0.0, 400.0);
        for (int i = 0; i < N; ++i) {
            const double v = 3000.0 * std::sin(2 * M_PI * 600.0 * i / 7670.0) + noise(random);
            qToLittleEndian<qint16>(qint16(std::lround(v)), b.data() + 2 * i);
        }
        return b;
    }();
    return bytes;
}

void block_reference(benchmark::State &state)
{
    fftwf_complex *in = fftwf_alloc_complex(N);
    fftwf_complex *out = fftwf_alloc_complex(N);
    const fftwf_plan plan = fftwf_plan_dft_1d(N, in, out, FFTW_FORWARD, FFTW_MEASURE);
    const QByteArray &b = testBlock();
    for (int i = 0; i < N; ++i) {
        in[i][0] = float(qFromLittleEndian<qint16>(b.constData() + 2 * i)) / 32768.0f;
        in[i][1] = 0.0f;
    }
    for (auto _ : state) {
        fftwf_execute(plan);
        benchmark::DoNotOptimize(out[1][0]);
        benchmark::ClobberMemory();
    }
    fftwf_destroy_plan(plan);
    fftwf_free(in);
    fftwf_free(out);
}

void block_levelFftDominant(benchmark::State &state)
{
    // The worker's reader thread runs an event loop, which needs the application object.
    static int argc = 1;
    static char name[] = "bench_level";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    AnalogInputWorker worker;
    const QByteArray &b = testBlock();
    for (auto _ : state) {
        worker.analyseBlock(b);
        benchmark::DoNotOptimize(worker.getSignificandFrequency());
    }
}

void block_fftOnly(benchmark::State &state)
{
    float samples[N], re[N], im[N];
    const QByteArray &b = testBlock();
    for (int i = 0; i < N; ++i)
        samples[i] = float(qFromLittleEndian<qint16>(b.constData() + 2 * i)) / 32768.0f;
    for (auto _ : state) {
        std::memcpy(re, samples, sizeof re);
        std::memset(im, 0, sizeof im);
        AnalogInputWorker::fft(re, im, N);
        benchmark::DoNotOptimize(re[1]);
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(block_reference)->Name("block/reference");
BENCHMARK(block_levelFftDominant)->Name("block/level_fft_dominant");
BENCHMARK(block_fftOnly)->Name("block/fft_only");
