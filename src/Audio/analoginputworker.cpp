#include "analoginputworker.h"
#include "analoginput.h"
#include "spectrummath.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace {

constexpr int MaxFftSize = 1024;
constexpr int MaxFftBits = 10;
// Below this the ADC shows only its own noise; levels never drop under it.
constexpr float LevelFloor = 0.000151f;
// The first history entries after a (re)start still carry the settling of
// the input stage and never count for the minimum.
constexpr int SettlingBlocks = 3;
constexpr float OneOverBlock = 0.0009765625f; // 1/1024

// Every stage's twiddles, computed once in double precision. The stage with
// half-length h keeps e^(-i*pi*j/h), j < h, at offset h - 1: the powers of
// its base, which is e^(-i*pi/N) squared once per stage from the first.
struct FftTables
{
    float re[MaxFftSize];
    float im[MaxFftSize];
    quint16 reversed[MaxFftSize]; // 10-bit reversal; shift right for smaller sizes
    quint16 swaps[MaxFftSize];    // the pairs i < j that 1024-point reordering exchanges
    int swapCount = 0;

    FftTables()
    {
        const double pi = 3.14159265358979323846;
        for (int h = 1; h < MaxFftSize; h *= 2) {
            for (int j = 0; j < h; ++j) {
                re[h - 1 + j] = float(std::cos(pi * j / h));
                im[h - 1 + j] = float(-std::sin(pi * j / h));
            }
        }
        re[MaxFftSize - 1] = im[MaxFftSize - 1] = 0;
        for (int i = 0; i < MaxFftSize; ++i) {
            int r = 0;
            for (int b = 0; b < MaxFftBits; ++b)
                r |= ((i >> b) & 1) << (MaxFftBits - 1 - b);
            reversed[i] = quint16(r);
            if (i < r) {
                swaps[swapCount++] = quint16(i);
                swaps[swapCount++] = quint16(r);
            }
        }
    }
};

const FftTables &fftTables()
{
    static const FftTables tables;
    return tables;
}

// A GCC and clang vector extension: four floats in one SSE register on a
// PC and one NEON register on the board.
typedef float Vec4 __attribute__((vector_size(16)));
typedef qint32 Int4 __attribute__((vector_size(16)));
typedef qint16 Short4 __attribute__((vector_size(8)));

inline Vec4 load4(const float *p)
{
    Vec4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void store4(float *p, Vec4 v)
{
    std::memcpy(p, &v, sizeof v);
}

inline Vec4 sqrt4(Vec4 v)
{
#if defined(__SSE__)
    return _mm_sqrt_ps(v);
#else
    return Vec4{std::sqrt(v[0]), std::sqrt(v[1]), std::sqrt(v[2]), std::sqrt(v[3])};
#endif
}

inline void transpose(Vec4 &a, Vec4 &b, Vec4 &c, Vec4 &d)
{
    const Vec4 ab0 = __builtin_shufflevector(a, b, 0, 4, 1, 5);
    const Vec4 ab1 = __builtin_shufflevector(a, b, 2, 6, 3, 7);
    const Vec4 cd0 = __builtin_shufflevector(c, d, 0, 4, 1, 5);
    const Vec4 cd1 = __builtin_shufflevector(c, d, 2, 6, 3, 7);
    a = __builtin_shufflevector(ab0, cd0, 0, 1, 4, 5);
    b = __builtin_shufflevector(ab0, cd0, 2, 3, 6, 7);
    c = __builtin_shufflevector(ab1, cd1, 0, 1, 4, 5);
    d = __builtin_shufflevector(ab1, cd1, 2, 3, 6, 7);
}

// The decimation-in-frequency butterfly: a' = a + b, b' = (a - b) w.
template<typename T>
inline void butterfly(T &ar, T &ai, T &br, T &bi, T wr, T wi)
{
    const T xr = ar - br;
    const T xi = ai - bi;
    ar += br;
    ai += bi;
    br = xr * wr - xi * wi;
    bi = xr * wi + xi * wr;
}

// Stages h and h/2 (h >= 8) on one group of 2h points in one pass over
// memory: the four quarters stay in registers between the two stages.
inline void stagePair(float *re, float *im, int h, const FftTables &t)
{
    const int q = h / 2;
    const float *w1r = t.re + h - 1, *w1i = t.im + h - 1;
    const float *w2r = t.re + q - 1, *w2i = t.im + q - 1;
    for (int j = 0; j < q; j += 4) {
        Vec4 r0 = load4(re + j), i0 = load4(im + j);
        Vec4 r1 = load4(re + j + q), i1 = load4(im + j + q);
        Vec4 r2 = load4(re + j + h), i2 = load4(im + j + h);
        Vec4 r3 = load4(re + j + h + q), i3 = load4(im + j + h + q);
        butterfly(r0, i0, r2, i2, load4(w1r + j), load4(w1i + j));
        butterfly(r1, i1, r3, i3, load4(w1r + j + q), load4(w1i + j + q));
        const Vec4 wr = load4(w2r + j), wi = load4(w2i + j);
        butterfly(r0, i0, r1, i1, wr, wi);
        butterfly(r2, i2, r3, i3, wr, wi);
        store4(re + j, r0), store4(im + j, i0);
        store4(re + j + q, r1), store4(im + j + q, i1);
        store4(re + j + h, r2), store4(im + j + h, i2);
        store4(re + j + h + q, r3), store4(im + j + h + q, i3);
    }
}

// Stage h (h >= 4) alone on one group of 2h points.
inline void stage(float *re, float *im, int h, const FftTables &t)
{
    for (int j = 0; j < h; j += 4) {
        Vec4 ar = load4(re + j), ai = load4(im + j), br = load4(re + j + h), bi = load4(im + j + h);
        butterfly(ar, ai, br, bi, load4(t.re + h - 1 + j), load4(t.im + h - 1 + j));
        store4(re + j, ar), store4(im + j, ai), store4(re + j + h, br), store4(im + j + h, bi);
    }
}

// Stages 2 and 1 on a group of 4 points, whose twiddles are 1 and -i;
// r[m], i[m] hold point m (of one group, or of four side by side).
template<typename T>
inline void lastStages(T *r, T *i)
{
    const T s0r = r[0] + r[2], s0i = i[0] + i[2];
    const T d0r = r[0] - r[2], d0i = i[0] - i[2];
    const T s1r = r[1] + r[3], s1i = i[1] + i[3];
    const T d1r = i[1] - i[3], d1i = r[3] - r[1]; // (x1 - x3)(-i)
    r[0] = s0r + s1r, i[0] = s0i + s1i;
    r[1] = s0r - s1r, i[1] = s0i - s1i;
    r[2] = d0r + d1r, i[2] = d0i + d1i;
    r[3] = d0r - d1r, i[3] = d0i - d1i;
}

// Stages 8, 4, 2 and 1 on one group of 16 points, kept in registers. The
// result stays transposed: r[m] holds point m of each of the four groups of
// four.
struct Last16
{
    Vec4 r[4];
    Vec4 i[4];
};

__attribute__((always_inline)) inline Last16 lastFourStages(const float *re, const float *im, const FftTables &t)
{
    Last16 x;
    for (int m = 0; m < 4; ++m)
        x.r[m] = load4(re + 4 * m), x.i[m] = load4(im + 4 * m);
    butterfly(x.r[0], x.i[0], x.r[2], x.i[2], load4(t.re + 7), load4(t.im + 7));
    butterfly(x.r[1], x.i[1], x.r[3], x.i[3], load4(t.re + 11), load4(t.im + 11));
    const Vec4 wr = load4(t.re + 3), wi = load4(t.im + 3);
    butterfly(x.r[0], x.i[0], x.r[1], x.i[1], wr, wi);
    butterfly(x.r[2], x.i[2], x.r[3], x.i[3], wr, wi);
    transpose(x.r[0], x.r[1], x.r[2], x.r[3]);
    transpose(x.i[0], x.i[1], x.i[2], x.i[3]);
    lastStages(x.r, x.i);
    return x;
}

// The stages of the radix-2 decimation in frequency down to half-length 16;
// returns the half-length of the next stage.
int earlyStages(float *re, float *im, int n, const FftTables &t)
{
    int h = n / 2;
    for (; h >= 32; h /= 4) {
        for (int g = 0; g < n; g += 2 * h)
            stagePair(re + g, im + g, h, t);
    }
    if (h == 16) {
        for (int g = 0; g < n; g += 32)
            stage(re + g, im + g, 16, t);
        h = 8;
    }
    return h;
}

} // namespace

AnalogInputWorker::AnalogInputWorker(QObject *parent)
    : QObject(parent),
      m_rawAudioData(),
      m_rmsLevel(0),
      m_rmsLevel_hist(),
      m_rmsLevel_min(0),
      m_rmsLevel_min_abs(0),
      m_peakLevel(0),
      m_fft(),
      m_fft_mean(),
      m_histFftCnt(0),
      m_histLevelPos(0),
      m_significandFrequency(0),
      m_significandFrequencyAtMin(0),
      m_storeMinFrequency(false),
      m_pauseCapture(false),
      m_captureStarted(false)
{
    qDebug() << "AnalogInputWorker Konstruktor";
    m_timerUpdate = new QTimer(this);
    connect(m_timerUpdate, &QTimer::timeout, this, &AnalogInputWorker::updateData, Qt::UniqueConnection);

    m_ain = new AnalogInput;
    m_ain->moveToThread(&m_ainThread);
    m_ainThread.setObjectName(QStringLiteral("AnalogInput"));
    connect(&m_ainThread, &QThread::finished, m_ain, &QObject::deleteLater);
    connect(this, &AnalogInputWorker::updateAinData, m_ain, &AnalogInput::updateBuffer);
    connect(m_ain, &AnalogInput::bufferUpdated, this, &AnalogInputWorker::calculateData);
    m_ainThread.start(QThread::InheritPriority);

    // End the reader while the application still runs its event loop; the
    // worker itself is a static and dies only after QApplication.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &AnalogInputWorker::shutDownReader);
    m_histLevelPos = 0;
}

AnalogInputWorker::~AnalogInputWorker()
{
    qDebug() << "AnalogInputWorker Destruktor";
    shutDownReader();
    delete m_timerUpdate;
    m_timerUpdate = nullptr;
}

void AnalogInputWorker::shutDownReader()
{
    m_timerUpdate->stop();
    m_pauseCapture = true;
    if (!m_ainThread.isRunning())
        return;
    if (m_captureStarted) {
        // Leave the ADC buffer switched off; wait, since quit() drops what
        // is still queued for the reader.
        QMetaObject::invokeMethod(m_ain, &AnalogInput::stopCapture, Qt::BlockingQueuedConnection);
        m_captureStarted = false;
    }
    m_ainThread.quit();
    m_ainThread.wait();
    // Deleted by the thread's finished() on its way out.
    m_ain = nullptr;
}

void AnalogInputWorker::resetLevelHistory()
{
    std::fill_n(m_fft, SpectrumMath::UsedBins, 0.0f);
    std::fill_n(m_rmsLevel_hist, HistoryLength, 0.0f);
    m_histLevelPos = 0;
    m_rmsLevel = 0;
    m_peakLevel = 0;
}

void AnalogInputWorker::startCapture()
{
    m_analyseAudioData = QByteArray(2304, '\0');
    std::fill_n(m_fft_mean, SpectrumMath::UsedBins, 0.0f);
    resetLevelHistory();
    if (m_ain) {
        QMetaObject::invokeMethod(m_ain, &AnalogInput::initContinousMode, Qt::QueuedConnection);
        QMetaObject::invokeMethod(m_ain, &AnalogInput::startCapture, Qt::QueuedConnection);
    }
    m_pauseCapture = true;
    m_captureStarted = true;
}

void AnalogInputWorker::pauseCapture(bool pause)
{
    if (!m_captureStarted) {
        qDebug() << "AnalogInputWorker::pauseCapture: Wurde aufgerufen, ohne zuvor startCapture auszuführen";
        m_timerUpdate->stop();
        m_pauseCapture = true;
        return;
    }
    if (pause) {
        m_timerUpdate->stop();
        m_pauseCapture = true;
        return;
    }
    resetLevelHistory();
    m_pauseCapture = false;
    m_timerUpdate->start(UpdateIntervalMs);
}

void AnalogInputWorker::stopCapture()
{
    m_timerUpdate->stop();
    if (m_ain)
        QMetaObject::invokeMethod(m_ain, &AnalogInput::stopCapture, Qt::QueuedConnection);
    m_pauseCapture = true;
    m_captureStarted = false;
}

void AnalogInputWorker::clearAllData()
{
    std::fill_n(m_rawAudioData, BlockSamples, 0.0f);
    std::fill_n(m_rmsLevel_hist, HistoryLength, 0.0f);
    std::fill_n(m_fft, BlockSamples, 0.0f);
    std::fill_n(m_fft_mean, BlockSamples, 0.0f);
    m_rmsLevel = 0;
    m_peakLevel = 0;
    m_histFftCnt = 0;
    m_histLevelPos = 0;
    m_significandFrequency = 0;
    m_significandFrequencyAtMin = 0;
    m_rmsLevel_min = 1.0f;
    m_rmsLevel_min_abs = 1.0f;
}

void AnalogInputWorker::updateData()
{
    emit updateAinData();
}

void AnalogInputWorker::calculateData(const QByteArray &block)
{
    // A read still in flight when capture paused must not change the
    // values the screens keep over the pause.
    if (m_pauseCapture)
        return;
    analyseBlock(block);
}

void AnalogInputWorker::analyseBlock(const QByteArray &block)
{
    m_analyseAudioData = block;
    calculateLevel();
    calculateFft();
}

void AnalogInputWorker::calculateLevel()
{
    const int available = std::min(int(m_analyseAudioData.size() / 2), BlockSamples);
    const uchar *bytes = reinterpret_cast<const uchar *>(m_analyseAudioData.constData());

    // Integer sum: exact, so a constant block has exactly zero RMS.
    qint32 sum = 0;
    int i = 0;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    Int4 sum4 = {0, 0, 0, 0};
    const Vec4 scale = {1.0f / 32768.0f, 1.0f / 32768.0f, 1.0f / 32768.0f, 1.0f / 32768.0f};
    for (; i + 4 <= available; i += 4) {
        Short4 s;
        std::memcpy(&s, bytes + 2 * i, sizeof s);
        const Int4 wide = __builtin_convertvector(s, Int4);
        sum4 += wide;
        store4(m_rawAudioData + i, __builtin_convertvector(wide, Vec4) * scale);
    }
    sum = sum4[0] + sum4[1] + sum4[2] + sum4[3];
#endif
    for (; i < available; ++i) {
        const qint16 s = qFromLittleEndian<qint16>(bytes + 2 * i);
        sum += s;
        m_rawAudioData[i] = pcmToReal(s);
    }
    std::fill(m_rawAudioData + available, m_rawAudioData + BlockSamples, 0.0f);
    const float mean = float(double(sum) * (1.0 / 32768.0) * double(OneOverBlock));

    const Vec4 mean4 = {mean, mean, mean, mean};
    Vec4 peak4 = {0, 0, 0, 0};
    Vec4 sumsq4[2] = {};
    for (int j = 0; j < BlockSamples; j += 8) {
        for (int k = 0; k < 2; ++k) {
            const Vec4 x = load4(m_rawAudioData + j + 4 * k) - mean4;
            store4(m_rawAudioData + j + 4 * k, x);
            peak4 = x > peak4 ? x : peak4;
            sumsq4[k] += x * x;
        }
    }
    const Vec4 sq = sumsq4[0] + sumsq4[1];
    const float total = (sq[0] + sq[1]) + (sq[2] + sq[3]);
    m_peakLevel = std::max(std::max(peak4[0], peak4[1]), std::max(peak4[2], peak4[3]));
    m_rmsLevel = std::sqrt(total * OneOverBlock);

    if (m_rmsLevel == 0.0f) {
        m_rmsLevel_min = m_rmsLevel_min_abs = 1.0f;
        qDebug() << "calculateLevel: Noch keine sinnvollen Werte";
        return;
    }
    m_rmsLevel = std::max(m_rmsLevel, LevelFloor);
    m_peakLevel = std::max(m_peakLevel, LevelFloor);

    m_rmsLevel_hist[m_histLevelPos] = m_rmsLevel;
    if (m_histLevelPos < SettlingBlocks) {
        m_rmsLevel_min = m_rmsLevel_min_abs = 1.0f;
        qDebug() << "calculateLevel: Noch kein Minimumpegel";
    } else {
        float m = 1.0f;
        for (int e = SettlingBlocks; e <= std::min(int(m_histLevelPos), HistoryLength - 1); ++e)
            m = std::min(m, m_rmsLevel_hist[e]);
        if (m >= 1.0f || m <= 0.00016f) {
            qDebug() << "calculateLevel: Pegel kleiner als 0dB" << audioLevelToDb(m) << m << m_rmsLevel_min
                     << m_rmsLevel_min_abs;
            m = LevelFloor;
        }
        m_rmsLevel_min = m;
        if (m_rmsLevel_min_abs > m) {
            m_rmsLevel_min_abs = m;
            m_storeMinFrequency = true;
        }
    }

    // A minimum of this value (shown as 99) points at a corrupt block: keep
    // what came in for the diagnosis.
    if (m_rmsLevel_min_abs >= 0.528203f && m_rmsLevel_min_abs <= 0.528205f) {
        qDebug() << "Error 99:" << m_rmsLevel_min_abs << m_rawAudioData[0] << m_rmsLevel_hist[0] << m_rmsLevel_hist[1]
                 << m_rmsLevel_hist[2] << m_rmsLevel_hist[3] << m_rmsLevel_hist[4] << m_rmsLevel_hist[5]
                 << m_rmsLevel_hist[6];
        qDebug() << "Error 99 RAW:" << m_analyseAudioData.size() << m_analyseAudioData.left(12).toHex(' ');
    }

    if (++m_histLevelPos >= HistoryLength) {
        std::memmove(m_rmsLevel_hist, m_rmsLevel_hist + 1, sizeof(float) * (HistoryLength - 1));
        m_histLevelPos = HistoryLength - 1;
    }
}

void AnalogInputWorker::fft(float *re, float *im, int n)
{
    if (n < 2 || n > MaxFftSize || (n & (n - 1)) != 0)
        return;
    const FftTables &t = fftTables();
    const int h = earlyStages(re, im, n, t);
    if (h == 8) {
        for (int g = 0; g < n; g += 16) {
            Last16 x = lastFourStages(re + g, im + g, t);
            transpose(x.r[0], x.r[1], x.r[2], x.r[3]);
            transpose(x.i[0], x.i[1], x.i[2], x.i[3]);
            for (int m = 0; m < 4; ++m)
                store4(re + g + 4 * m, x.r[m]), store4(im + g + 4 * m, x.i[m]);
        }
    } else if (h >= 2) {
        if (h == 4)
            stage(re, im, 4, t);
        for (int g = 0; g < n; g += 4)
            lastStages(re + g, im + g);
    } else {
        float one = 1, zero = 0; // the only twiddle of a 2-point transform
        butterfly(re[0], im[0], re[1], im[1], one, zero);
    }

    if (n == MaxFftSize) {
        for (int s = 0; s < t.swapCount; s += 2) {
            std::swap(re[t.swaps[s]], re[t.swaps[s + 1]]);
            std::swap(im[t.swaps[s]], im[t.swaps[s + 1]]);
        }
        return;
    }
    int shift = MaxFftBits;
    for (int size = n; size > 1; size /= 2)
        --shift;
    for (int i = 0; i < n; ++i) {
        const int j = t.reversed[i] >> shift;
        if (i < j) {
            std::swap(re[i], re[j]);
            std::swap(im[i], im[j]);
        }
    }
}

void AnalogInputWorker::calculateFft()
{
    alignas(16) float re[BlockSamples];
    alignas(16) float im[BlockSamples] = {};
    std::memcpy(re, m_rawAudioData, sizeof re);
    const FftTables &t = fftTables();
    earlyStages(re, im, BlockSamples, t);

    // The last four stages hand over each group of four points in registers
    // and the bit reversal happens on the way out. Only bins below 512 are
    // wanted: point 0 of group g is bin rev(g), point 2 is bin 256 + rev(g).
    for (int g = 0; g < BlockSamples; g += 16) {
        const Last16 x = lastFourStages(re + g, im + g, t);
        const Vec4 low = sqrt4(x.r[0] * x.r[0] + x.i[0] * x.i[0]);
        const Vec4 high = sqrt4(x.r[2] * x.r[2] + x.i[2] * x.i[2]);
        for (int m = 0; m < 4; ++m) {
            const int k = t.reversed[g / 4 + m] >> 2;
            m_fft[k] = low[m];
            m_fft[256 + k] = high[m];
        }
    }
    std::memcpy(m_fft_mean, m_fft, sizeof(float) * SpectrumMath::UsedBins);
    m_histFftCnt = 0;
    calculateSignificandFrequency();
}

void AnalogInputWorker::calculateSignificandFrequency()
{
    const int start = SpectrumMath::dominantWindow(m_fft_mean, SpectrumMath::UsedBins - SpectrumMath::WindowBins - 1);
    m_significandFrequency = SpectrumMath::windowFrequency(start);
    if (m_storeMinFrequency || m_significandFrequencyAtMin == 0) {
        m_significandFrequencyAtMin = m_significandFrequency;
        m_storeMinFrequency = false;
    }
}

int AnalogInputWorker::getAudioLevel(float *rms) const
{
    *rms = m_rmsLevel;
    return 0;
}

int AnalogInputWorker::getAudioLevel(float *rms, float *peak) const
{
    *peak = m_peakLevel;
    return getAudioLevel(rms);
}

int AnalogInputWorker::getAudioLevel(float *rms, float *peak, float *minimum) const
{
    *minimum = m_rmsLevel_min_abs;
    const float db = audioLevelToDb(*minimum);
    if (db >= 99.0f)
        qDebug() << "getAudioLevel" << db << *minimum << m_rmsLevel;
    return getAudioLevel(rms, peak);
}

int AnalogInputWorker::getFft(float *out) const
{
    std::memcpy(out, m_fft_mean, sizeof m_fft_mean);
    return 0;
}

int AnalogInputWorker::getAudioData(float *out) const
{
    std::memcpy(out, m_rawAudioData, sizeof m_rawAudioData);
    return 0;
}

unsigned AnalogInputWorker::getSignificandFrequency() const
{
    return (m_significandFrequency + 5) / 10 * 10;
}

unsigned AnalogInputWorker::getSignificandFrequencyAtMin() const
{
    return (m_significandFrequencyAtMin + 5) / 10 * 10;
}

float AnalogInputWorker::audioLevelToDb(float linear)
{
    if (linear < 1e-7f)
        return 0.0f;
    // The sum is rounded to float before scaling, as the levels shown on the
    // device always were; a display value must not move by a rounding step.
    const float sum = float(77.0 + 20.0 * std::log10(double(linear)));
    const double level = double(sum) * 1.8;
    return float(std::clamp(level, 0.0, 99.0));
}

QColor AnalogInputWorker::calcFrequencyColor(unsigned freq, unsigned maxFreq, QColor low, QColor mid, QColor high,
                                             QColor *textColor)
{
    return SpectrumMath::frequencyColor(freq, maxFreq, low, mid, high, textColor);
}

AnalogInputWorker &Analoginputworker()
{
    static AnalogInputWorker worker;
    // Without QCoreApplication the reader thread delivers no more events, so
    // the static's own destructor would come too late to stop the ADC.
    [[maybe_unused]] static const bool stopsWithApplication = [] {
        qAddPostRoutine([] { Analoginputworker().shutDownReader(); });
        return true;
    }();
    return worker;
}
