// Long-term measurement: where the curve widget puts its points and that a
// sample drawn into the cached picture looks like a redraw from scratch;
// then the screen sampling while the operator listens: sweeps wrapping at
// each analysis time, autoscale, storing and the stored view.
#include "appsetup.h"
#include "logcapture.h"
#include "longtermdata.h"
#include "longtermmeasurement.h"
#include "measurements.h"
#include "screendriver.h"
#include "shellfixture.h"
#include "virtualkeyboard.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <cmath>

namespace {

// The screen's curve size; the data area runs from x 30 to w - 16 and from
// y 0 to h - 26.
constexpr int Width = 402;
constexpr int Height = 186;
constexpr int Left = 30;
constexpr int Bottom = Height - 26;
const QColor DataColour(220, 0, 0);

int pointX(int i, int points)
{
    return Left + i * (Width - 16 - Left) / points;
}

double pointY(float value, float min = 0, float max = 100)
{
    return Bottom - (value - min) * Bottom / (max - min);
}

// What a curve pixel shows: k black (the old sweep), c the data colour,
// anything grey or white is background or grid.
char kindOf(QRgb pixel)
{
    if (pixel == qRgb(0, 0, 0))
        return 'k';
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) ? '.' : 'c';
}

// The kind found on the rows around y in column x: curve over background.
char kindAt(const QImage &image, int x, double y)
{
    char found = '.';
    for (int row = int(std::floor(y)) - 1; row <= int(std::ceil(y)) + 1; ++row) {
        if (row >= 0 && row <= Bottom && kindOf(image.pixel(x, row)) != '.')
            found = kindOf(image.pixel(x, row));
    }
    return found;
}

int countKind(const QImage &image, char kind)
{
    int n = 0;
    for (int y = 0; y <= Bottom; ++y)
        for (int x = Left; x <= Width - 16; ++x)
            n += kindOf(image.pixel(x, y)) == kind;
    return n;
}

// A level that wanders like traffic over a steady noise.
int amplitude(int n, int divisor = 1)
{
    return (350 + int(250 * std::sin(n / 11.0)) + n * 37 % 120) / divisor;
}

void prepare(LongtermData &curve)
{
    curve.resize(Width, Height);
    curve.init(Width, Height, Qt::white, DataColour);
    curve.setBackgroundColorData(Qt::white);
    curve.displayHGrid(true);
    curve.displayVGrid(true);
}

} // namespace

class TestLongterm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void cleanup() { m_shell.reset(); }

    void curvePoints_data();
    void curvePoints();
    void badAxisDrawsNoScale_data();
    void badAxisDrawsNoScale();
    void sampleDrawnLikeARedraw_data();
    void sampleDrawnLikeARedraw();
    void autoscaleRange_data();
    void autoscaleRange();
    void sweepWraps_data();
    void sweepWraps();
    void scaleButton();
    void muteKeys_data();
    void muteKeys();
    void storeAndView_data();
    void storeAndView();

private:
    Longtermmeasurement *open(const QByteArray &settings = QByteArray())
    {
        m_shell = std::make_unique<ShellFixture>(settings);
        return m_shell->showScreen<Longtermmeasurement>(9);
    }
    static QImage curveOf(Longtermmeasurement *screen, const char *name)
    {
        return screen->findChild<LongtermData *>(QLatin1String(name))->grab().toImage();
    }
    static void sample(Longtermmeasurement *screen, int amplitude)
    {
        analyseTone(amplitude);
        screen->updateData();
    }
    void click(Longtermmeasurement *screen, const char *button)
    {
        QTest::mouseClick(screen->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    }

    std::unique_ptr<ShellFixture> m_shell;
    QTranslator m_english;
};

void TestLongterm::curvePoints_data()
{
    // Expected: "point:value:kind" at the point's place, or "" for no curve at all.
    QTest::addColumn<QVector<float>>("values");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("old");
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::addColumn<QStringList>("expected");
    const QVector<float> flat(180, 50.0f);
    QTest::newRow("sweep of 180") << flat << 180 << 180 << false << 0.0f << 100.0f
                                  << QStringList{"0:50:c", "90:50:c", "179:50:c"};
    QTest::newRow("rest of the old sweep in black") << flat << 90 << 180 << true << 0.0f << 100.0f
                                                    << QStringList{"10:50:c", "100:50:k", "179:50:k"};
    QTest::newRow("no old sweep: nothing after the count") << flat << 90 << 180 << false << 0.0f << 100.0f
                                                           << QStringList{"89:50:c", "100:50:."};
    QTest::newRow("scaled 35..65") << QVector<float>(180, 41.0f) << 180 << 180 << false << 35.0f << 65.0f
                                   << QStringList{"20:41:c"};
    QTest::newRow("outside the range: on the edges") << QVector<float>{20, 20, 90, 90} << 4 << 4 << false << 35.0f
                                                     << 65.0f << QStringList{"0:35:c", "3:65:c"};
    QTest::newRow("negative: on the bottom") << QVector<float>{-5, -5} << 2 << 2 << false << 0.0f << 100.0f
                                             << QStringList{"1:0:c"};
    QTest::newRow("one sample is a dot") << QVector<float>{50} << 1 << 1800 << false << 0.0f << 100.0f
                                         << QStringList{"0:50:c"};
    QTest::newRow("count beyond the points") << flat << 500 << 180 << false << 0.0f << 100.0f
                                             << QStringList{"179:50:c"};
    QTest::newRow("no points") << flat << 10 << 0 << false << 0.0f << 100.0f << QStringList{};
    QTest::newRow("negative points") << flat << 10 << -3 << true << 0.0f << 100.0f << QStringList{};
    QTest::newRow("no data") << QVector<float>{} << 10 << 180 << true << 0.0f << 100.0f << QStringList{};
    QTest::newRow("empty range") << flat << 180 << 180 << false << 50.0f << 50.0f << QStringList{};
}

void TestLongterm::curvePoints()
{
    QFETCH(QVector<float>, values);
    QFETCH(int, count);
    QFETCH(int, points);
    QFETCH(bool, old);
    QFETCH(float, min);
    QFETCH(float, max);
    QFETCH(QStringList, expected);
    LongtermData curve;
    prepare(curve);
    curve.setAxisY(min, max == min ? min + 1 : max, 10, 5, true);
    QVector<float> data = values;
    curve.drawDataScaled(data.isEmpty() ? nullptr : data.data(), count, points, old, min, max);
    const QImage image = curve.grab().toImage();
    if (expected.isEmpty()) {
        QCOMPARE(countKind(image, 'c') + countKind(image, 'k'), 0);
        return;
    }
    for (const QString &e : expected) {
        const QStringList f = e.split(QLatin1Char(':'));
        const int i = f[0].toInt();
        QCOMPARE(QString(QChar(kindAt(image, pointX(i, points), pointY(f[1].toFloat(), min, max)))), f[2]);
    }
}

void TestLongterm::badAxisDrawsNoScale_data()
{
    QTest::addColumn<bool>("xAxis");
    QTest::addColumn<QList<float>>("axis");
    QTest::newRow("x: no range") << true << QList<float>{3, 3, 0.5f, 0.1f};
    QTest::newRow("x: minor step 0") << true << QList<float>{0, 3, 0.5f, 0};
    QTest::newRow("y: negative main step") << false << QList<float>{0, 100, -20, 10};
}

// The scale strip stays empty and the log says which axis was wrong.
void TestLongterm::badAxisDrawsNoScale()
{
    QFETCH(bool, xAxis);
    QFETCH(QList<float>, axis);
    LogCapture log;
    LongtermData curve;
    prepare(curve);
    if (xAxis)
        curve.setAxisX(axis[0], axis[1], axis[2], axis[3], true);
    else
        curve.setAxisY(axis[0], axis[1], axis[2], axis[3], true);
    curve.refresh();
    const QImage image = curve.grab().toImage();
    const QRect strip = xAxis ? QRect(QPoint(Left, Bottom + 1), QPoint(Width - 17, Height - 2))
                              : QRect(QPoint(0, 0), QPoint(Left - 1, Bottom));
    int lit = 0;
    for (int y = strip.top(); y <= strip.bottom(); ++y)
        for (int x = strip.left(); x <= strip.right(); ++x)
            lit += image.pixel(x, y) != qRgb(0, 0, 0);
    QCOMPARE(lit, 0);
    QCOMPARE(log.matching(xAxis ? QStringLiteral("Error: drawXScale") : QStringLiteral("Error: drawYScale")).size(), 1);
}

void TestLongterm::sampleDrawnLikeARedraw_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("samples");
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::addColumn<bool>("axisChangesOnTheWay");
    QTest::newRow("3 min, past a wrap") << 180 << 250 << 0.0f << 100.0f << false;
    QTest::newRow("30 min, past a wrap") << 1800 << 1900 << 0.0f << 100.0f << false;
    QTest::newRow("scaled, values beyond the range") << 180 << 200 << 40.0f << 60.0f << false;
    QTest::newRow("axis and grid change on the way") << 600 << 700 << 0.0f << 100.0f << true;
}

// Sample by sample into one widget, as the screen draws, against a new
// widget that draws the same state in one go; compared along the way.
void TestLongterm::sampleDrawnLikeARedraw()
{
    QFETCH(int, points);
    QFETCH(int, samples);
    QFETCH(float, min);
    QFETCH(float, max);
    QFETCH(bool, axisChangesOnTheWay);
    LongtermData live;
    prepare(live);
    float data[Longtermmeasurement::MaxSamples] = {};
    int count = 0;
    bool old = false;
    for (int n = 0; n < samples; ++n) {
        if (count >= points) {
            count = 0;
            old = true;
        }
        data[count++] = float(50 + 30 * std::sin(n * 0.37) + n * 7919 % 13);
        const bool changed = axisChangesOnTheWay && n >= samples / 2;
        if (changed && n == samples / 2) {
            live.setAxisY(20, 80, 10, 5, true);
            live.displayVGrid(false);
        }
        live.refresh();
        live.drawDataScaled(data, count, points, old, min, max);
        if (n % 97 != 0 && n != samples - 1)
            continue;
        LongtermData fresh;
        prepare(fresh);
        if (changed) {
            fresh.setAxisY(20, 80, 10, 5, true);
            fresh.displayVGrid(false);
        }
        fresh.drawDataScaled(data, count, points, old, min, max);
        QVERIFY2(live.grab().toImage() == fresh.grab().toImage(), qPrintable(QStringLiteral("sample %1").arg(n)));
    }
}

void TestLongterm::autoscaleRange_data()
{
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QString>("range");
    QTest::newRow("narrow: steps 10 and 5") << QList<float>{45.0f, 37.2f, 61.8f, 50.0f} << "35 65 10 5";
    QTest::newRow("wide: steps 20 and 10") << QList<float>{12.0f, 95.0f} << "10 100 20 10";
    QTest::newRow("truncated, not rounded") << QList<float>{44.6f, 54.9f} << "40 55 10 5";
    QTest::newRow("on a multiple of 5") << QList<float>{40.0f, 40.0f} << "40 45 10 5";
    QTest::newRow("top capped at 100") << QList<float>{99.4f} << "95 100 10 5";
    QTest::newRow("no sample") << QList<float>{} << "0 100 20 10";
}

void TestLongterm::autoscaleRange()
{
    QFETCH(QList<float>, values);
    QFETCH(QString, range);
    const QVector<float> data = values.toVector();
    const Longtermmeasurement::ScaleRange r = Longtermmeasurement::autoscaleRange(data.constData(), data.size());
    QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(r.min).arg(r.max).arg(double(r.mainStep)).arg(double(r.minorStep)),
             range);
}

void TestLongterm::sweepWraps_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("samples");
    QTest::newRow("3 min") << 0 << "3 min" << 180;
    QTest::newRow("10 min") << 1 << "10 min" << 600;
    QTest::newRow("30 min") << 2 << "30 min" << 1800;
}

void TestLongterm::sweepWraps()
{
    QFETCH(int, presses);
    QFETCH(QString, label);
    QFETCH(int, samples);
    Longtermmeasurement *screen = open();
    for (int i = 0; i < presses; ++i)
        click(screen, "butMenuTime");
    QCOMPARE(screen->findChild<QLabel *>(QStringLiteral("labelTime"))->text(), label);
    QCOMPARE(screen->maxVisibleData(), samples);
    // Closed, the path gives no samples.
    sample(screen, 2000);
    QCOMPARE(screen->currentSweep().size(), 0);

    screen->muteAudioPath(false, true);
    for (int n = 0; n < samples; ++n)
        sample(screen, amplitude(n));
    const QVector<float> first = screen->currentSweep();
    QCOMPARE(first.size(), samples);
    QVERIFY(!screen->isOldSweepShown());
    QCOMPARE(countKind(curveOf(screen, "longtermData"), 'k'), 0);

    const int after = samples / 3;
    for (int n = 0; n < after; ++n)
        sample(screen, amplitude(n, 4));
    const QVector<float> second = screen->currentSweep();
    QCOMPARE(second.size(), after);
    QVERIFY(screen->isOldSweepShown());
    QVERIFY(second[1] < first[1]);
    const QImage curve = curveOf(screen, "longtermData");
    QCOMPARE(kindAt(curve, pointX(1, samples), pointY(second[1])), 'c');
    for (int i : {samples / 2, samples - 1})
        QCOMPARE(kindAt(curve, pointX(i, samples), pointY(first[i])), 'k');
    QCOMPARE(screen->findChild<QLabel *>(QStringLiteral("labelLevel"))->text(), QString::number(second.last(), 'f', 0));
    if (presses == 0)
        saveScreenshot(m_shell->main.get(), QStringLiteral("longterm-live.png"));

    // Another analysis time starts a clean curve.
    click(screen, "butMenuTime");
    QCOMPARE(screen->currentSweep().size(), 0);
    QVERIFY(!screen->isOldSweepShown());
    const QImage cleared = curveOf(screen, "longtermData");
    QCOMPARE(countKind(cleared, 'c') + countKind(cleared, 'k'), 0);
}

void TestLongterm::scaleButton()
{
    Longtermmeasurement *screen = open();
    const auto range = [screen] {
        return QStringLiteral("%1 %2 %3").arg(screen->isScaled()).arg(screen->minDataVal()).arg(screen->maxDataVal());
    };
    click(screen, "butMenuScale");
    QCOMPARE(range(), QStringLiteral("0 0 100"));
    screen->muteAudioPath(false, true);
    for (int n = 0; n < 30; ++n)
        sample(screen, amplitude(n));
    const QVector<float> sweep = screen->currentSweep();
    const Longtermmeasurement::ScaleRange expected = Longtermmeasurement::autoscaleRange(sweep.constData(), sweep.size());
    click(screen, "butMenuScale");
    QCOMPARE(range(), QStringLiteral("1 %1 %2").arg(expected.min).arg(expected.max));
    // The lowest sample sits in the lower part of the scaled area.
    const int lowest = int(std::min_element(sweep.begin(), sweep.end()) - sweep.begin());
    QCOMPARE(kindAt(curveOf(screen, "longtermData"), pointX(lowest, 180),
                    pointY(sweep[lowest], expected.min, expected.max)),
             'c');
    click(screen, "butMenuScale");
    QCOMPARE(range(), QStringLiteral("0 0 100"));
}

void TestLongterm::muteKeys_data()
{
    // Steps: "F10" / "F10^" the mute key pressed / released, "rm3 open|close"
    // the sensor's key; after each, whether the screen samples (1) or not.
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("sampling");
    QTest::newRow("push button: listens while held")
        << QByteArray("[Systemsettings]\nSwitchmode=Push-Button\n") << QStringList{"F10", "F10^", "F10", "F10^"} << "1010";
    QTest::newRow("switch: each press toggles")
        << QByteArray("[Systemsettings]\nSwitchmode=Switch\n") << QStringList{"F10", "F10^", "F10", "F10^"} << "1100";
    QTest::newRow("the sensor's key") << QByteArray() << QStringList{"rm3 open", "rm3 close"} << "10";
}

void TestLongterm::muteKeys()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, steps);
    QFETCH(QString, sampling);
    Longtermmeasurement *screen = open(settings);
    QString got;
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1String("rm3"))) {
            screen->switchActiveMute(step.endsWith(QLatin1String("close")));
        } else {
            QKeyEvent key(step.endsWith(QLatin1Char('^')) ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_F10,
                          Qt::NoModifier);
            QApplication::sendEvent(screen, &key);
        }
        const int before = screen->currentSweep().size();
        sample(screen, 2000);
        got += QString::number(screen->currentSweep().size() - before);
        QCOMPARE(m_shell->main->isAudioPathMuted(), screen->isMuted());
    }
    QCOMPARE(got, sampling);
}

void TestLongterm::storeAndView_data()
{
    QTest::addColumn<int>("samples");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("stored");
    QTest::newRow("40 samples") << 40 << true << 40;
    QTest::newRow("after a wrap: the samples since") << 185 << true << 5;
    QTest::newRow("cancelled: nothing stored") << 40 << false << 0;
}

void TestLongterm::storeAndView()
{
    QFETCH(int, samples);
    QFETCH(bool, accept);
    QFETCH(int, stored);
    Longtermmeasurement *screen = open();
    screen->muteAudioPath(false, true);
    for (int n = 0; n < samples; ++n)
        sample(screen, amplitude(n));
    QStringList saved;
    for (float v : screen->currentSweep())
        saved << QString::number(double(v), 'f', 1);
    QTimer::singleShot(50, [accept] {
        auto *keyboard = qobject_cast<VirtualKeyboard *>(QApplication::activeModalWidget());
        QVERIFY(keyboard);
        keyboard->setText(QStringLiteral("HYDRANT 7"));
        QTest::mouseClick(keyboard->findChild<QPushButton *>(accept ? "but_Accept" : "but_Close"), Qt::LeftButton);
    });
    click(screen, "butMenuSave");
    QVERIFY(screen->isMuted());
    const QString root = m_shell->root.file(QStringLiteral("/media/kx500/meas/"));
    const QStringList entries = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (!accept) {
        QVERIFY(entries.isEmpty());
        return;
    }
    QCOMPARE(entries.size(), 1);
    QVERIFY2(entries[0].startsWith(QLatin1String("LT_")) && entries[0].endsWith(QLatin1String("_HYDRANT 7")),
             qPrintable(entries[0]));
    QCOMPARE(m_shell->log.matching(QStringLiteral("Store Longterm")).size(), 1);
    QSettings ini(root + entries[0] + QStringLiteral("/info.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Levels_CSV/Levels_Cnt")).toInt(), stored);
    QCOMPARE(ini.value(QStringLiteral("Levels_CSV/SelectedTime")).toInt(), 0);
    QCOMPARE(ini.value(QStringLiteral("Levels_CSV/MaxVisibleData")).toInt(), 180);
    StoredMeasurement readBack;
    QVERIFY(readBack.load(entries[0]));
    QStringList levels;
    for (float v : readBack.levelsData())
        levels << QString::number(double(v), 'f', 1);
    QCOMPARE(levels, saved);

    QVERIFY(m_shell->openStoredMeasurement(entries[0]));
    QVERIFY(screen->isVisible());
    QVERIFY(screen->findChild<QWidget *>(QStringLiteral("pageStored"))->isVisible());
    QCOMPARE(screen->findChild<QLabel *>(QStringLiteral("labelStoredMeasurement"))->text(), QStringLiteral("HYDRANT 7"));
    // The stored curve, and nothing of the sweep before the wrap.
    const QImage curve = curveOf(screen, "storedLongtermData");
    const QVector<float> values = readBack.levelsData();
    for (int i = 0; i < values.size(); ++i)
        QCOMPARE(kindAt(curve, pointX(i, 180), pointY(values[i])), 'c');
    QCOMPARE(countKind(curve, 'k'), 0);
    if (samples == 40)
        saveScreenshot(m_shell->main.get(), QStringLiteral("longterm-stored.png"));
    click(screen, "butMenuStoredBack");
    QVERIFY(!screen->isVisible());
}

QTEST_MAIN(TestLongterm)
#include "tst_longterm.moc"
