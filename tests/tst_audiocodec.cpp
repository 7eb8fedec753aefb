// The codec: filter snapping, the register writes of a filter change, the
// coefficient tables' responses, the register file, and the mixer as the
// simulated card shows it afterwards.
#include "audiocodecsetup.h"
#include "codecregisters.h"
#include "filtercoefficients.h"
#include "globals.h"
#include "logcapture.h"
#include "testroot.h"

#include "recordingregisters.h"

#include <QtTest>

#include <cmath>
#include <complex>

namespace {

using Write = RecordingRegisters::Write;

struct Fixture
{
    TestRoot root;
    LogCapture log;
    AudioCodecSetup codec;
    QVector<Write> writes;

    void record() { codec.setRegisterWriter(std::make_unique<RecordingRegisters>(&writes)); }
    QString mixerLine(const QString &name) const
    {
        const QString key = QLatin1Char('\'') + name + QLatin1Char('\'');
        for (const QString &line : QString::fromUtf8(root.read(QStringLiteral("/sim/mixer.state"))).split('\n'))
            if (line.startsWith(key))
                return line;
        return QString();
    }
};

constexpr double SampleRate = 16000.0;

// What the codec computes with: the upper 24 bits of the word.
double sent(quint32 word)
{
    return double(qint32(word & 0xFFFFFF00u)) / 2147483648.0;
}

double responseDb(const quint32 *row, double f)
{
    const std::complex<double> z = std::polar(1.0, -2.0 * M_PI * f / SampleRate);
    const std::complex<double> num = sent(row[1]) + 2.0 * sent(row[2]) * z + sent(row[3]) * z * z;
    const std::complex<double> den = 1.0 - 2.0 * sent(row[4]) * z - sent(row[5]) * z * z;
    return 20.0 * std::log10(std::abs(num / den));
}

// Second-order Butterworth through the bilinear transform.
double idealDb(double corner, double f, bool lowPass)
{
    double r = std::tan(M_PI * f / SampleRate) / std::tan(M_PI * corner / SampleRate);
    if (!lowPass)
        r = 1.0 / r;
    return -10.0 * std::log10(1.0 + std::pow(r, 4));
}

const quint32 corners[FilterCornerCount] = {0,   20,  25,  32,  40,   50,   63,   80,   100,  125,  160,  200,  250,
                                            315, 400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150, 3900, 4000};

} // namespace

class TestAudioCodec : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { g_debugFeatures = 0; }

    void filterSnapping_data();
    void filterSnapping();
    void filterWrites_data();
    void filterWrites();
    void coefficientResponse_data();
    void coefficientResponse();
    void fixedRows();
    void missingRegisterFile();
    void registerFileTakesLastWrite();
    void mixer_data();
    void mixer();
    void mixerUnavailable();
};

void TestAudioCodec::filterSnapping_data()
{
    QTest::addColumn<quint32>("low");
    QTest::addColumn<quint32>("high");
    QTest::addColumn<int>("type");
    QTest::addColumn<quint32>("a");
    QTest::addColumn<quint32>("b");
    QTest::addColumn<int>("gotType");
    QTest::addColumn<bool>("wrong");
    QTest::newRow("nearest corners") << 300u << 1100u << 1 << 315u << 1000u << 1 << false;
    QTest::newRow("half-way goes up") << 225u << 1125u << 1 << 250u << 1250u << 1 << false;
    QTest::newRow("just below half-way") << 224u << 1124u << 1 << 200u << 1000u << 1 << false;
    QTest::newRow("exact end corners") << 20u << 4000u << 1 << 20u << 4000u << 1 << false;
    QTest::newRow("low-pass above 4000") << 300u << 5000u << 1 << 315u << 0u << 1 << false;
    QTest::newRow("equal positions") << 1000u << 1000u << 1 << 0u << 4000u << 0 << true;
    QTest::newRow("both at row 0") << 0u << 5000u << 1 << 0u << 4000u << 0 << true;
    QTest::newRow("type 0 ignores corners") << 300u << 1100u << 0 << 0u << 4000u << 0 << false;
    QTest::newRow("type 2 reads back swapped") << 300u << 1100u << 2 << 4000u << 0u << 2 << false;
}

void TestAudioCodec::filterSnapping()
{
    QFETCH(quint32, low);
    QFETCH(quint32, high);
    QFETCH(int, type);
    Fixture f;
    f.record();
    f.codec.setFilter(low, high, type);
    quint32 a = 1, b = 1;
    int gotType = -1;
    f.codec.getFilter(&a, &b, &gotType);
    QTEST(a, "a");
    QTEST(b, "b");
    QTEST(gotType, "gotType");
    QTEST(!f.log.matching(QStringLiteral("Wrong Filtersettings")).isEmpty(), "wrong");
}

void TestAudioCodec::filterWrites_data()
{
    QTest::addColumn<quint32>("low");
    QTest::addColumn<quint32>("high");
    QTest::addColumn<int>("type");
    QTest::addColumn<uint>("debug");
    QTest::addColumn<bool>("notch");
    QTest::addColumn<bool>("preemphasis");
    QTest::addColumn<int>("lpRow");
    QTest::addColumn<int>("hpRow");
    QTest::newRow("band") << 160u << 1250u << 1 << 0u << false << false << 19 << 10;
    QTest::newRow("no filter") << 160u << 1250u << 0 << 0u << false << false << 25 << 0;
    QTest::newRow("service sections need debug") << 160u << 1250u << 1 << 0u << true << true << 19 << 10;
    QTest::newRow("debug, notch and pre-emphasis") << 160u << 1250u << 1 << 1u << true << true << 19 << 10;
    QTest::newRow("debug, service sections off") << 160u << 1250u << 1 << 1u << false << false << 19 << 10;
}

void TestAudioCodec::filterWrites()
{
    QFETCH(quint32, low);
    QFETCH(quint32, high);
    QFETCH(int, type);
    QFETCH(uint, debug);
    QFETCH(bool, notch);
    QFETCH(bool, preemphasis);
    QFETCH(int, lpRow);
    QFETCH(int, hpRow);
    Fixture f;
    f.record();
    g_debugFeatures = debug;
    f.codec.setSpecialFilter(notch, preemphasis);
    f.codec.setFilter(low, high, type);

    // The codec's memory map: page and register of N0..D2 of biquads A..F.
    struct Pos
    {
        int page, reg;
    };
    auto run = [](int page, int reg) {
        QVector<Pos> v;
        for (int k = 0; k < 5; ++k)
            v.append({page, reg + 4 * k});
        return v;
    };
    const QVector<QVector<Pos>> left = {run(44, 12), run(44, 32), run(44, 52), run(44, 72), run(44, 92),
                                        {{44, 112}, {44, 116}, {44, 120}, {44, 124}, {45, 8}}};
    const QVector<QVector<Pos>> right = {run(45, 20), run(45, 40), run(45, 60), run(45, 80), run(45, 100),
                                         {{45, 120}, {45, 124}, {46, 8}, {46, 12}, {46, 16}}};
    const quint32 *lp = filterCoeffs_LP[lpRow];
    const quint32 *hp = filterCoeffs_HP[hpRow];
    const quint32 *content[6] = {lp, lp, hp, hp, debug ? filterCoeffs_50Hz[notch] : lp,
                                 debug ? filterCoeffs_Preemphase[preemphasis] : hp};

    QVector<Write> expected = {{0, 44}, {1, 4}};
    for (int q = 0; q < 6; ++q) {
        for (const QVector<Pos> &group : {left[q], right[q]}) {
            int page = -1;
            for (int k = 0; k < 5; ++k) {
                if (group[k].page != page)
                    expected.append({0, page = group[k].page});
                const quint32 w = content[q][k + 1];
                expected << Write(group[k].reg, int(w >> 24)) << Write(group[k].reg + 1, int((w >> 16) & 0xff))
                         << Write(group[k].reg + 2, int((w >> 8) & 0xff));
            }
        }
    }
    expected << Write(0, 44) << Write(1, 5);

    QCOMPARE(f.writes.size(), 198);
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(f.writes[i] == expected[i], qPrintable(QStringLiteral("write %1: %2 %3, expected %4 %5")
                                                            .arg(i).arg(f.writes[i].first).arg(f.writes[i].second)
                                                            .arg(expected[i].first).arg(expected[i].second)));
}

void TestAudioCodec::coefficientResponse_data()
{
    QTest::addColumn<bool>("lowPass");
    QTest::addColumn<int>("row");
    for (int row = 1; row < FilterCornerCount - 1; ++row) {
        QTest::addRow("LP %u", corners[row]) << true << row;
        QTest::addRow("HP %u", corners[row]) << false << row;
    }
}

// Every section, the design tool's 1000 Hz rows included, against the ideal
// Butterworth response at its corner wherever that is above -60 dB.
void TestAudioCodec::coefficientResponse()
{
    QFETCH(bool, lowPass);
    QFETCH(int, row);
    const quint32 *words = lowPass ? filterCoeffs_LP[row] : filterCoeffs_HP[row];
    QCOMPARE(words[0], corners[row]);
    double worst = 0.0;
    double worstAt = 0.0;
    for (double f = 20.0; f <= 4000.0; f += 5.0) {
        const double ideal = idealDb(words[0], f, lowPass);
        if (ideal <= -60.0)
            continue;
        const double error = std::abs(responseDb(words, f) - ideal);
        if (error > worst) {
            worst = error;
            worstAt = f;
        }
    }
    QVERIFY2(worst < 0.05, qPrintable(QStringLiteral("%1 dB off at %2 Hz").arg(worst).arg(worstAt)));
}

void TestAudioCodec::fixedRows()
{
    Fixture f;
    quint32 lp[FilterCornerCount] = {};
    quint32 hp[FilterCornerCount] = {};
    int lpCount = 0, hpCount = 0;
    f.codec.getAvailableLpFilterFrequencies(lp, &lpCount);
    f.codec.getAvailableHpFilterFrequencies(hp, &hpCount);
    QCOMPARE(lpCount, FilterCornerCount);
    QCOMPARE(hpCount, FilterCornerCount);
    for (int i = 0; i < FilterCornerCount; ++i) {
        QCOMPARE(lp[i], corners[i]);
        QCOMPARE(hp[i], corners[i]);
    }
    auto words = [](const quint32 *row) { return QVector<quint32>(row + 1, row + FilterCoeffWords); };
    const QVector<quint32> pass = {0x7FFFFFFF, 0, 0, 0, 0};
    for (int row : {0, FilterCornerCount - 1}) {
        QCOMPARE(words(filterCoeffs_LP[row]), pass);
        QCOMPARE(words(filterCoeffs_HP[row]), pass);
    }
    QCOMPARE(words(filterCoeffs_50Hz[0]), pass);
    QCOMPARE(words(filterCoeffs_Preemphase[0]), pass);
    // From the board's design tool, sent as they are.
    using Words = QVector<quint32>;
    QCOMPARE(words(filterCoeffs_LP[18]), Words({0x03D5852A, 0x03D5852A, 0x03D5852A, 0x5D118F7F, 0xB686CC57}));
    QCOMPARE(words(filterCoeffs_HP[18]), Words({0x60E714AA, 0x9F18EB56, 0x60E714AA, 0x5D118F7F, 0xB686CC57}));
    QCOMPARE(words(filterCoeffs_50Hz[1]), Words({0x7E864CB6, 0x82114621, 0x7D88E68F, 0x7DEEB9DF, 0x83F0CCBA}));
    QCOMPARE(words(filterCoeffs_Preemphase[1]), Words({0x7FFFFFFF, 0x92403D36, 0x5EF875E2, 0x76FD4B15, 0x8E41A157}));
}

void TestAudioCodec::missingRegisterFile()
{
    Fixture f;
    const QString file = f.root.file(QStringLiteral("/sys/bus/i2c/devices/1-0018/registers"));
    QVERIFY(QFile::remove(file));
    QCOMPARE(f.codec.writeRegister(1, 5), -1);
    f.log.clear();
    f.codec.setFilter(160, 1250, 1);
    QCOMPARE(f.log.matching(QStringLiteral("Error: Could not open Audio-Codec")).size(), 198);
    quint32 a = 0, b = 0;
    int type = 0;
    f.codec.getFilter(&a, &b, &type);
    QCOMPARE(a, 160u);
    QCOMPARE(b, 1250u);
    QCOMPARE(type, 1);
    QVERIFY(!QFile::exists(file));
}

void TestAudioCodec::registerFileTakesLastWrite()
{
    Fixture f;
    QCOMPARE(f.codec.writeRegister(0x5c, 0x2c), 0);
    QCOMPARE(f.root.read(QStringLiteral("/sys/bus/i2c/devices/1-0018/registers")), QByteArray("5c 2c"));
    QCOMPARE(f.codec.writeRegister(1, 5), 0);
    QCOMPARE(f.root.read(QStringLiteral("/sys/bus/i2c/devices/1-0018/registers")), QByteArray("1 5"));
}

void TestAudioCodec::mixer_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("after init") << QString() << QStringList{
        "'Left Input Mixer IN1_L P Switch' true", "'Right Input Mixer IN1_R P Switch' true",
        "'Left Input Mixer IN3_L P Switch' false", "'Mic PGA Switch' true true", "'ADCFGA Left Mute Switch' false",
        "'ADCFGA Right Mute Switch' false", "'PGA Level Volume' 6 6", "'ADC Level Volume' 28 28",
        "'PCM Playback Volume' 127 127", "'LO Driver Gain Volume' 6 6", "'LOR Output Mixer R_DAC Switch' true",
        "'LO DAC Playback Switch' false false", "'Loopback ADC ADC>DAC' false", "'Loopback-SecDataIn' 1",
        "'DAC mode PRB_P3' 1", "'FullChipCM=0,75V LineOutCM=1,65V' 1"};
    QTest::newRow("path off") << "path off" << QStringList{
        "'Mic PGA Switch' false false", "'ADCFGA Left Mute Switch' true", "'PGA Level Volume' 0 0",
        "'ADC Level Volume' 0 0", "'Left Input Mixer IN1_L P Switch' false", "'Right Input Mixer IN1_R P Switch' false",
        "'Loopback-SecDataIn' 0", "'DAC mode PRB_P3' 1"};
    QTest::newRow("input 3, then 7") << "input 7" << QStringList{
        "'Left Input Mixer IN1_L P Switch' true", "'Right Input Mixer IN1_R P Switch' true",
        "'Left Input Mixer IN3_L P Switch' false", "'Right Input Mixer IN3_R P Switch' false"};
    QTest::newRow("unmuted") << "unmute" << QStringList{"'LO DAC Playback Switch' true true"};
    QTest::newRow("analog loopback") << "analog" << QStringList{
        "'LOL Output Mixer L_DAC Switch' false", "'LOR Output Mixer R_DAC Switch' false",
        "'LOL Output Mixer MAL Switch' true", "'LOR Output Mixer MAR Switch' true", "'MAL Power Switch' true",
        "'MAR Power Switch' true", "'LO Driver Gain Volume' 10 10", "'Loopback-SecDataIn' 0"};
}

// The program's own mixer calls against the simulated card, which keeps its
// values across the open and close of every call.
void TestAudioCodec::mixer()
{
    QFETCH(QString, step);
    QFETCH(QStringList, lines);
    Fixture f;
    f.record();
    f.codec.init();
    QVERIFY(f.codec.isMuted());
    if (step == QLatin1String("path off")) {
        f.codec.setRouting(1);
    } else if (step == QLatin1String("input 7")) {
        f.codec.setInputPath(3);
        QCOMPARE(f.mixerLine(QStringLiteral("Left Input Mixer IN3_L P Switch")),
                 QStringLiteral("'Left Input Mixer IN3_L P Switch' true"));
        f.codec.setInputPath(7);
    } else if (step == QLatin1String("unmute")) {
        f.codec.setMuting(false);
        QVERIFY(!f.codec.isMuted());
    } else if (step == QLatin1String("analog")) {
        f.codec.setAnalogLoopback();
    }
    for (const QString &line : lines)
        QCOMPARE(f.mixerLine(line.section(QLatin1Char('\''), 1, 1)), line);
    QCOMPARE(f.log.matching(QStringLiteral("Error")), QStringList());
}

// Without the card every call logs the element and the code, and goes on.
void TestAudioCodec::mixerUnavailable()
{
    Fixture f;
    qputenv("KX500_ROOT", "");
    f.codec.setMuting(false);
    f.codec.setInputPath(2);
    qputenv("KX500_ROOT", f.root.root().toLocal8Bit());
    QVERIFY(!f.codec.isMuted());
    const QStringList errors = f.log.matching(QStringLiteral("Error setting mixerelement value:"));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(QLatin1String("LO DAC -19")), qPrintable(errors[0]));
    QCOMPARE(f.log.matching(QStringLiteral(": -19")).size(), 6);
}

QTEST_MAIN(TestAudioCodec)
#include "tst_audiocodec.moc"
