// The spectrum widget: filter gesture, axis, drawing and frame averaging.
// With KX500_SCREENSHOT_DIR set, the leak picture is saved as spectrum.png.
#include "appsetup.h"
#include "audiocodecsetup.h"
#include "freqspectrum.h"
#include "logcapture.h"
#include "screenshot.h"
#include "spectrummath.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <vector>

using Spectrum = std::vector<float>;
Q_DECLARE_METATYPE(Spectrum)

namespace {

constexpr int Width = 400;
constexpr int Height = 100;

void sendMouse(QWidget *widget, QEvent::Type type, double x)
{
    QMouseEvent event(type, QPointF(x, Height / 2), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Every bin at 0 dB (so the floor is 0 dB) except one 60 dB peak.
Spectrum peakAt(int bin)
{
    Spectrum magnitudes(1024, 1.0f);
    magnitudes[bin] = 1000.0f;
    return magnitudes;
}

// Falling noise with a leak's hump around 600 Hz.
Spectrum leakSpectrum(quint32 seed)
{
    Spectrum magnitudes(1024, 0.0f);
    QRandomGenerator random(seed);
    for (int i = 1; i < 512; ++i) {
        const double f = i * FreqSpectrum::BinHz;
        const double hump = 40.0 * std::exp(-std::pow((f - 600.0) / 120.0, 2));
        magnitudes[i] = float((2.0 + 30.0 / (1.0 + f / 80.0) + hump) * (0.6 + 0.8 * random.generateDouble()));
    }
    return magnitudes;
}

bool whiteIn(const QImage &image, int y, int from, int to)
{
    for (int x = qMax(from, 0); x <= qMin(to, image.width() - 1); ++x) {
        if (qGray(image.pixel(x, y)) > 200)
            return true;
    }
    return false;
}

} // namespace

class TestFreqSpectrum : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setupApplication(); }
    void init()
    {
        m_log = std::make_unique<LogCapture>();
        m_spectrum = std::make_unique<FreqSpectrum>();
        m_spectrum->resize(Width, Height);
        m_spectrum->init(Width, Height);
    }
    void cleanup()
    {
        m_spectrum.reset();
        m_log.reset();
    }

    void gesture_data();
    void gesture();
    void releaseShowsWhatTheCodecTook();
    void frameDrawing_data();
    void frameDrawing();
    void averaging_data();
    void averaging();
    void leakPicture();

private:
    std::unique_ptr<LogCapture> m_log;
    std::unique_ptr<FreqSpectrum> m_spectrum;
};

void TestFreqSpectrum::gesture_data()
{
    QTest::addColumn<double>("startX");
    QTest::addColumn<double>("stopX"); // negative: press only
    QTest::addColumn<quint32>("low");
    QTest::addColumn<quint32>("high");
    // On 400 pixels: x 100 -> 75.2 Hz, 200 -> 282.8 Hz, 201 -> 286.6 Hz, 300 -> 1063.7 Hz.
    QTest::newRow("press at the left edge") << 0.0 << -1.0 << 20u << 28u;
    QTest::newRow("press at the right edge") << double(Width) << -1.0 << 4000u << 4000u;
    QTest::newRow("drag to the right") << 100.0 << 300.0 << 75u << 1063u;
    QTest::newRow("drag left of the start") << 300.0 << 100.0 << 75u << 85u;
    QTest::newRow("narrow drag widened") << 200.0 << 201.0 << 282u << 296u;
    QTest::newRow("drag past the right edge") << 200.0 << Width + 50.0 << 282u << 4000u;
}

void TestFreqSpectrum::gesture()
{
    QFETCH(double, startX);
    QFETCH(double, stopX);
    QFETCH(quint32, low);
    QFETCH(quint32, high);
    sendMouse(m_spectrum.get(), QEvent::MouseButtonPress, startX);
    for (QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonRelease}) {
        if (stopX >= 0)
            sendMouse(m_spectrum.get(), type, stopX);
        QCOMPARE(m_spectrum->lowCutOffFrequency(), low);
        QCOMPARE(m_spectrum->highCutOffFrequency(), high);
    }
    QCOMPARE(m_spectrum->filterType(), 1);
}

void TestFreqSpectrum::releaseShowsWhatTheCodecTook()
{
    AudioCodecSetup codec;
    m_spectrum->setAudioCodec(&codec);
    sendMouse(m_spectrum.get(), QEvent::MouseButtonPress, 100.0);
    sendMouse(m_spectrum.get(), QEvent::MouseButtonRelease, 300.0);
    quint32 low = 0, high = 0;
    int type = 0;
    codec.getFilter(&low, &high, &type);
    QCOMPARE(type, 1);
    QVERIFY(low > 0 && low < high);
    QCOMPARE(m_spectrum->lowCutOffFrequency(), low);
    QCOMPARE(m_spectrum->highCutOffFrequency(), high);
}

void TestFreqSpectrum::frameDrawing_data()
{
    QTest::addColumn<Spectrum>("magnitudes");
    QTest::addColumn<double>("peakHz"); // 0: flat
    QTest::newRow("all zero") << Spectrum(1024, 0.0f) << 0.0;
    QTest::newRow("all equal") << Spectrum(1024, 0.5f) << 0.0;
    QTest::newRow("one peak at 1000 Hz") << peakAt(128) << 1000.0;
}

void TestFreqSpectrum::frameDrawing()
{
    QFETCH(Spectrum, magnitudes);
    QFETCH(double, peakHz);
    m_spectrum->updateFilter(0, 0, 0);
    m_spectrum->refresh();
    m_spectrum->drawScale();
    m_spectrum->drawFft(magnitudes.data(), false);
    const QImage picture = m_spectrum->picture();
    const QRect plot = FreqSpectrum::plotRect(picture.size());
    if (peakHz == 0.0) {
        for (int x : {0, Width / 2, Width - 1})
            QVERIFY2(whiteIn(picture, plot.bottom(), x, x), qPrintable(QString::number(x)));
        QVERIFY(!whiteIn(picture, plot.center().y(), 0, Width));
    } else {
        const int x = qRound(FreqSpectrum::xForFrequency(peakHz, Width));
        QVERIFY(whiteIn(picture, plot.top(), x - 1, x + 1));
        QVERIFY(!whiteIn(picture, plot.top(), 0, x - 3));
        QVERIFY(!whiteIn(picture, plot.top(), x + 3, Width));
    }
}

void TestFreqSpectrum::averaging_data()
{
    QTest::addColumn<bool>("lastLive");
    QTest::addColumn<float>("at100");
    QTest::addColumn<float>("at300");
    QTest::addColumn<int>("dominantBin");
    // Frames peak at bins 100, 100, 300.
    QTest::newRow("live: mean of three frames") << true << 2.0f / 3 << 1.0f / 3 << 100;
    QTest::newRow("stored: the frame as it is") << false << 0.0f << 1.0f << 300;
}

void TestFreqSpectrum::averaging()
{
    QFETCH(bool, lastLive);
    QFETCH(float, at100);
    QFETCH(float, at300);
    QFETCH(int, dominantBin);
    m_spectrum->drawFft(peakAt(100).data(), true);
    m_spectrum->drawFft(peakAt(100).data(), true);
    m_spectrum->drawFft(peakAt(300).data(), lastLive);
    QVERIFY(qAbs(m_spectrum->meanSpectrum()[100] - at100) < 1e-5f);
    QVERIFY(qAbs(m_spectrum->meanSpectrum()[300] - at300) < 1e-5f);
    // A single hot bin: the last window that holds it wins the tie.
    QCOMPARE(m_spectrum->significandFrequency(), SpectrumMath::windowFrequency(dominantBin));
}

void TestFreqSpectrum::leakPicture()
{
    constexpr int W = 470;
    constexpr int H = 120;
    QImage both(W, 2 * H + 6, QImage::Format_RGB32);
    both.fill(QColor(40, 40, 40));
    for (bool gradient : {true, false}) {
        m_spectrum->resize(W, H);
        m_spectrum->init(W, H);
        m_spectrum->updateFilter(160, 1250, 1);
        m_spectrum->setScaleBgGradient(gradient);
        for (quint32 seed = 1; seed <= 3; ++seed) {
            m_spectrum->refresh();
            m_spectrum->drawScale();
            m_spectrum->drawFft(leakSpectrum(seed).data(), true);
        }
        QVERIFY(qAbs(int(m_spectrum->significandFrequency()) - 600) < 60);
        QPainter(&both).drawImage(0, gradient ? 0 : H + 6, m_spectrum->grab().toImage());
    }
    saveScreenshot(both, QStringLiteral("spectrum.png"));
}

QTEST_MAIN(TestFreqSpectrum)
#include "tst_freqspectrum.moc"
