// Level acquisition: the block arithmetic without a device, the ADC reader
// on a platform root, the simulator's ADC feed, and the whole chain from the
// simulated leak to the display level.
#include "analoginput.h"
#include "analoginputworker.h"
#include "control.h"
#include "iiofeeder.h"
#include "logcapture.h"
#include "soundmodel.h"
#include "testroot.h"

#include <QDir>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <complex>
#include <random>

namespace {

QByteArray block(const std::vector<double> &samples)
{
    QByteArray bytes(int(2 * samples.size()), Qt::Uninitialized);
    for (size_t i = 0; i < samples.size(); ++i)
        qToLittleEndian<qint16>(qint16(std::lround(samples[i])), bytes.data() + 2 * i);
    return bytes;
}

// Alternating +a, -a: no DC, RMS and peak exactly a.
QByteArray square(int a, int n = 1024)
{
    std::vector<double> s(size_t(n), a);
    for (int i = 1; i < n; i += 2)
        s[size_t(i)] = -a;
    return block(s);
}

QByteArray constant(int v) { return block(std::vector<double>(1024, v)); }

// Five equal cosines on bins first..first+4: one clear dominant window.
QByteArray bins(int first, double a)
{
    std::vector<double> s(1024, 0.0);
    for (int k = first; k < first + 5; ++k)
        for (int n = 0; n < 1024; ++n)
            s[size_t(n)] += a * std::cos(2 * M_PI * k * n / 1024);
    return block(s);
}

QByteArrayList repeat(const QByteArray &b, int count)
{
    QByteArrayList list;
    while (count-- > 0)
        list << b;
    return list;
}

float lin(double a) { return float(a / 32768.0); }

} // namespace

class TestAnalogInput : public QObject
{
    Q_OBJECT
private slots:
    void fftMatchesDirectDft_data();
    void fftMatchesDirectDft();
    void spectrumMatchesDirectDft();
    void level_data();
    void level();
    void dominantFrequency_data();
    void dominantFrequency();
    void displayLevelAndColour();
    void readerOnPlatformRoot_data();
    void readerOnPlatformRoot();
    void simulatorFeedIsContinuous();
    void soundCommands_data();
    void soundCommands();
    void leakReachesDisplay();
    void trafficOverLeak_data();
    void trafficOverLeak();
};

void TestAnalogInput::fftMatchesDirectDft_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("tone");
    QTest::newRow("random 1024") << 1024 << false;
    QTest::newRow("tone between bins 1024") << 1024 << true;
    QTest::newRow("random 32") << 32 << false;
    QTest::newRow("random 8") << 8 << false;
    QTest::newRow("random 2") << 2 << false;
}

void TestAnalogInput::fftMatchesDirectDft()
{
    QFETCH(int, n);
    QFETCH(bool, tone);
    const size_t count = size_t(n);
    std::mt19937 random(n);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    std::vector<float> re(count), im(count);
    for (int i = 0; i < n; ++i) {
        re[size_t(i)] = tone ? float(0.5 * std::cos(2 * M_PI * 100.3 * i / n)) : uniform(random);
        im[size_t(i)] = tone ? 0.0f : uniform(random);
    }
    std::vector<std::complex<double>> expected(count);
    double norm = 0;
    for (int k = 0; k < n; ++k) {
        for (int t = 0; t < n; ++t)
            expected[size_t(k)] += std::complex<double>(re[size_t(t)], im[size_t(t)])
                * std::polar(1.0, -2 * M_PI * double(k) * t / n);
        norm += std::norm(expected[size_t(k)]);
    }
    AnalogInputWorker::fft(re.data(), im.data(), n);
    const double tolerance = 1e-5 * std::sqrt(norm);
    for (int k = 0; k < n; ++k)
        QVERIFY2(std::abs(std::complex<double>(re[size_t(k)], im[size_t(k)]) - expected[size_t(k)]) < tolerance,
                 qPrintable(QStringLiteral("bin %1").arg(k)));
}

void TestAnalogInput::spectrumMatchesDirectDft()
{
    std::mt19937 random(3);
    std::uniform_int_distribution<int> uniform(-20000, 20000);
    std::vector<double> samples(1024);
    for (double &x : samples)
        x = uniform(random);
    AnalogInputWorker worker;
    worker.analyseBlock(block(samples));
    float x[1024], spectrum[1024];
    worker.getAudioData(x);
    worker.getFft(spectrum);
    for (int k = 0; k < 1024; ++k) {
        std::complex<double> sum;
        for (int t = 0; k < 512 && t < 1024; ++t)
            sum += double(x[t]) * std::polar(1.0, -2 * M_PI * double(k) * t / 1024);
        QVERIFY2(std::abs(std::abs(sum) - spectrum[k]) < 1e-3, qPrintable(QStringLiteral("bin %1").arg(k)));
    }
}

void TestAnalogInput::level_data()
{
    QTest::addColumn<QByteArrayList>("blocks");
    QTest::addColumn<float>("rms");
    QTest::addColumn<float>("peak");
    QTest::addColumn<float>("recentMinimum");
    QTest::addColumn<float>("minimum");
    QTest::addColumn<QString>("log");

    const int a = 1000, loud = 3000, quiet = 500, lessQuiet = 700;
    const float floor = 0.000151f;
    const QString noValues = "Noch keine sinnvollen Werte", settling = "Noch kein Minimumpegel";
    QTest::newRow("all zero") << repeat(constant(0), 1) << 0.0f << 0.0f << 1.0f << 1.0f << noValues;
    QTest::newRow("constant at full scale") << repeat(constant(-32768), 1) << 0.0f << 0.0f << 1.0f << 1.0f << noValues;
    QTest::newRow("empty block") << repeat(QByteArray(), 1) << 0.0f << 0.0f << 1.0f << 1.0f << noValues;
    QTest::newRow("short block padded") << repeat(square(a, 500), 1) << float(lin(a) * std::sqrt(500.0 / 1024))
                                        << lin(a) << 1.0f << 1.0f << settling;
    QTest::newRow("three blocks settle") << repeat(square(a), 3) << lin(a) << lin(a) << 1.0f << 1.0f << settling;
    QTest::newRow("fourth block forms minimum") << repeat(square(a), 4) << lin(a) << lin(a) << lin(a) << lin(a) << "";
    QTest::newRow("zero block keeps position")
        << (QByteArrayList() << square(a) << constant(0) << square(a) << square(a)) << lin(a) << lin(a) << 1.0f
        << 1.0f << settling;
    QTest::newRow("floor") << repeat(square(1), 4) << floor << floor << floor << floor << "Pegel kleiner als 0dB";

    const int down = 20000;
    std::vector<double> spike(1024, 0.0);
    spike[7] = -down;
    const double m = down / 1024.0;
    QTest::newRow("peak counts positive excursions only")
        << repeat(block(spike), 1) << lin(std::sqrt((1023 * m * m + (down - m) * (down - m)) / 1024)) << lin(m)
        << 1.0f << 1.0f << settling;

    const QByteArrayList quietFourth = repeat(square(loud), 3) << square(quiet);
    QTest::newRow("minimum over newest 27") << (quietFourth + repeat(square(loud), 26)) << lin(loud) << lin(loud)
                                            << lin(quiet) << lin(quiet) << "";
    QTest::newRow("quiet block leaves window") << (quietFourth + repeat(square(loud), 27)) << lin(loud) << lin(loud)
                                               << lin(loud) << lin(quiet) << "";
    QTest::newRow("absolute minimum only falls")
        << (quietFourth + repeat(square(loud), 30) << square(lessQuiet)) << lin(lessQuiet) << lin(lessQuiet)
        << lin(lessQuiet) << lin(quiet) << "";
}

void TestAnalogInput::level()
{
    QFETCH(QByteArrayList, blocks);
    QFETCH(float, rms);
    QFETCH(float, peak);
    QFETCH(float, recentMinimum);
    QFETCH(float, minimum);
    QFETCH(QString, log);

    AnalogInputWorker worker;
    worker.clearAllData();
    LogCapture capture;
    for (const QByteArray &b : blocks)
        worker.analyseBlock(b);
    float gotRms = -1, gotPeak = -1, gotMinimum = -1;
    QCOMPARE(worker.getAudioLevel(&gotRms, &gotPeak, &gotMinimum), 0);
    QCOMPARE(gotRms, rms);
    QCOMPARE(gotPeak, peak);
    QCOMPARE(worker.getRecentMinimum(), recentMinimum);
    QCOMPARE(gotMinimum, minimum);
    if (!log.isEmpty())
        QVERIFY(!capture.matching(log).isEmpty());
}

void TestAnalogInput::dominantFrequency_data()
{
    QTest::addColumn<QByteArrayList>("blocks");
    QTest::addColumn<unsigned>("frequency");
    QTest::addColumn<unsigned>("atMinimum");
    QTest::newRow("all-zero spectrum") << repeat(constant(0), 1) << 3810u << 3810u;
    QTest::newRow("1213 rounds down") << repeat(bins(160, 1000), 1) << 1210u << 1210u;
    QTest::newRow("1235 rounds up") << repeat(bins(163, 1000), 1) << 1240u << 1240u;
    QTest::newRow("frequency where the minimum fell")
        << (repeat(bins(100, 2000), 4) << bins(200, 300) << bins(300, 2000)) << 2260u << 1510u;
}

void TestAnalogInput::dominantFrequency()
{
    QFETCH(QByteArrayList, blocks);
    QFETCH(unsigned, frequency);
    QFETCH(unsigned, atMinimum);
    AnalogInputWorker worker;
    worker.clearAllData();
    for (const QByteArray &b : blocks)
        worker.analyseBlock(b);
    QCOMPARE(worker.getSignificandFrequency(), frequency);
    QCOMPARE(worker.getSignificandFrequencyAtMin(), atMinimum);
}

void TestAnalogInput::displayLevelAndColour()
{
    QCOMPARE(AnalogInputWorker::audioLevelToDb(0.0f), 0.0f);
    QCOMPARE(AnalogInputWorker::audioLevelToDb(1.0f), 99.0f);
    QVERIFY(std::abs(AnalogInputWorker::audioLevelToDb(0.000151f) - 1.04f) < 0.01f);
    // The simulator's inverse of the display scale must meet the program's.
    QVERIFY(std::abs(AnalogInputWorker::audioLevelToDb(float(SoundModel::rmsForLevel(40))) - 40.0f) < 0.001f);

    const QColor low(0, 0, 255), mid(0, 255, 0), high(255, 0, 0);
    QColor text;
    QCOMPARE(AnalogInputWorker::calcFrequencyColor(1000, 2000, low, mid, high, &text), mid);
    QCOMPARE(text, QColor(255, 255, 255));
    QCOMPARE(AnalogInputWorker::calcFrequencyColor(2500, 2000, low, mid, high, &text), high);
    QCOMPARE(text, QColor(0, 0, 0));
}

void TestAnalogInput::readerOnPlatformRoot_data()
{
    QTest::addColumn<int>("deviceBytes"); // -1: no device file
    QTest::addColumn<bool>("controlFiles");
    QTest::addColumn<int>("blockBytes");
    QTest::newRow("larger than a block") << 3000 << true << 2048;
    QTest::newRow("short block") << 100 << true << 100;
    QTest::newRow("missing device") << -1 << true << 0;
    QTest::newRow("missing control files") << 2048 << false << 2048;
}

void TestAnalogInput::readerOnPlatformRoot()
{
    QFETCH(int, deviceBytes);
    QFETCH(bool, controlFiles);
    QFETCH(int, blockBytes);
    TestRoot root;
    QVERIFY(root.isValid());
    const QString iio = "/sys/bus/iio/devices/iio:device0/";
    if (!controlFiles)
        QVERIFY(QDir(root.file(iio)).removeRecursively());
    QByteArray data(qMax(deviceBytes, 0), '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 7);
    QVERIFY(deviceBytes < 0 ? QFile::remove(root.file("/dev/iio:device0")) : root.write("/dev/iio:device0", data));

    LogCapture capture;
    AnalogInput reader;
    QSignalSpy spy(&reader, &AnalogInput::bufferUpdated);
    reader.initContinousMode();
    reader.startCapture();
    if (controlFiles) {
        QCOMPARE(root.read(iio + "scan_elements/in_voltage0_en"), QByteArray("1"));
        QCOMPARE(root.read(iio + "buffer/length"), QByteArray("2048"));
        QCOMPARE(root.read(iio + "buffer/enable"), QByteArray("1"));
    } else {
        for (const char *e : {"Error: Could not open AIN1 Continousmode", "Error: Could not open buffer/length",
                              "Error: Could not open buffer/enable"})
            QCOMPARE(capture.matching(e).size(), 1);
    }
    reader.updateBuffer();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), data.left(blockBytes));
    QCOMPARE(capture.matching("Error: Could not open /dev/iio:device0").size(), deviceBytes < 0 ? 1 : 0);
    reader.stopCapture();
    if (controlFiles)
        QCOMPARE(root.read(iio + "buffer/enable"), QByteArray("0"));
}

void TestAnalogInput::simulatorFeedIsContinuous()
{
    TestRoot root;
    QVERIFY(root.isValid());
    QVERIFY(root.write("/sys/bus/iio/devices/iio:device0/buffer/enable", "1"));
    IioFeeder feeder(root.root());
    feeder.start();
    const QByteArray first = root.read("/dev/iio:device0");
    QCOMPARE(first.size(), 2048);
    QByteArray second;
    QTRY_VERIFY_WITH_TIMEOUT((second = root.read("/dev/iio:device0")) != first && second.size() == 2048, 10000);

    // The newer block continues the older one: its start is the older
    // block's tail, shifted by the samples that came in between.
    int shift = 2;
    while (shift < 2048 && first.mid(shift) != second.left(2048 - shift))
        shift += 2;
    QVERIFY2(shift < 2048, "the new block does not continue the old one");

    QVERIFY(root.write("/sys/bus/iio/devices/iio:device0/buffer/enable", "0"));
    QTRY_VERIFY_WITH_TIMEOUT(root.read("/dev/iio:device0").isEmpty(), 10000);
}

void TestAnalogInput::soundCommands_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("expected");
    QTest::newRow("leak") << "" << "leak level 45 freq 600" << true << "mode leak\nlevel 45\nfreq 600\nmuted 0\n";
    QTest::newRow("keeps the sensor's mute") << "mode silence\nlevel 30\nmuted 1\n" << "leak freq 900" << true
                                             << "mode leak\nlevel 30\nfreq 900\nmuted 1\n";
    QTest::newRow("traffic over the leak")
        << "level 55\n" << "traffic every 10 for 2" << true
        << "mode leak\nlevel 55\nfreq 600\nmuted 0\ntraffic_level 80\ntraffic_every 10\ntraffic_for 2\n";
    QTest::newRow("traffic off") << "level 55\ntraffic_level 70\n" << "traffic off" << true
                                 << "mode leak\nlevel 55\nfreq 600\nmuted 0\n";
    QTest::newRow("vehicle longer than the gap") << "" << "traffic for 30" << false << "";
    QTest::newRow("level above 99") << "" << "leak level 100" << false << "";
    QTest::newRow("freq without value") << "" << "leak level 20 freq" << false << "";
    QTest::newRow("unknown word") << "" << "leak loud 20" << false << "";
}

void TestAnalogInput::soundCommands()
{
    QFETCH(QString, state);
    QFETCH(QString, command);
    QFETCH(bool, accepted);
    QFETCH(QString, expected);
    TestRoot root;
    QVERIFY(root.isValid());
    if (!state.isEmpty())
        QVERIFY(root.write("/sim/sound.state", state.toUtf8()));
    Control control(root.file("/sim/control.log"));
    IioFeeder feeder(root.root());
    feeder.addCommands(control);
    QCOMPARE(control.execute(command).isEmpty(), accepted);
    QCOMPARE(QString::fromUtf8(root.read("/sim/sound.state")), accepted ? expected : state);
}

void TestAnalogInput::leakReachesDisplay()
{
    TestRoot root;
    QVERIFY(root.isValid());
    SimProcess sim;
    QVERIFY(sim.start(root.root()));
    QVERIFY(sim.command("leak level 40 freq 500").startsWith("ok"));

    AnalogInputWorker &worker = Analoginputworker();
    {
        LogCapture capture;
        worker.pauseCapture(false);
        QVERIFY(worker.isCapturePaused());
        QCOMPARE(capture.matching("ohne zuvor startCapture").size(), 1);
    }
    worker.clearAllData();
    worker.startCapture();
    worker.pauseCapture(false);
    // One block is noise of a few dozen independent samples: wait for one
    // that shows the leak as set rather than judging the first.
    float rms = 0;
    QTRY_VERIFY_WITH_TIMEOUT(worker.getAudioLevel(&rms) == 0
                                 && std::abs(AnalogInputWorker::audioLevelToDb(rms) - 40.0f) <= 3.0f
                                 && std::abs(int(worker.getSignificandFrequency()) - 500) <= 40,
                             30000);
    worker.stopCapture();
    QTRY_COMPARE_WITH_TIMEOUT(root.read("/sys/bus/iio/devices/iio:device0/buffer/enable"), QByteArray("0"), 10000);
}

void TestAnalogInput::trafficOverLeak_data()
{
    // Seconds into the 10 s cycle of a 2 s burst, the level shown.
    QTest::addColumn<double>("at");
    QTest::addColumn<double>("level");
    QTest::newRow("between vehicles") << 5.0 << 35.0;
    QTest::newRow("vehicle passing") << 1.0 << 70.0;
}

void TestAnalogInput::trafficOverLeak()
{
    QFETCH(double, at);
    QFETCH(double, level);
    const SoundModel::Settings s = SoundModel::parse("level 35\ntraffic_level 70\ntraffic_every 10\ntraffic_for 2\n");
    SoundModel::Generator generator(7670);
    std::vector<int16_t> samples(767);
    // A tenth of a second centred on the moment, well into the stream.
    generator.renderUntil(samples.data(), unsigned(samples.size()), s, 10000 + at - 0.05);
    generator.renderUntil(samples.data(), unsigned(samples.size()), s, 10000 + at + 0.05);
    double power = 0;
    for (int16_t v : samples)
        power += double(v) * v;
    const float rms = float(std::sqrt(power / samples.size()) / 32768.0);
    QVERIFY2(std::abs(AnalogInputWorker::audioLevelToDb(rms) - level) < 3.0,
             qPrintable(QString::number(AnalogInputWorker::audioLevelToDb(rms))));
}

QTEST_MAIN(TestAnalogInput)
#include "tst_analoginput.moc"
