// The H2 screen driven with the probe's answers as the link delivers them:
// the reference, the scaling, the click generator, the heating dial, the
// located points and a walk stored and shown again.
#include "appsetup.h"
#include "gps.h"
#include "h2sensor.h"
#include "measurements.h"
#include "nmea.h"
#include "screendriver.h"
#include "shellfixture.h"
#include "statusbar.h"
#include "timerh2heating.h"
#include "virtualkeyboard.h"

#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

namespace {

const QByteArray FixedScale = "[Dialogconfiguration]\nH2Sensor_DynamicScaling=false\n";
const QByteArray DynamicScale = "[Dialogconfiguration]\nH2Sensor_DynamicScaling=true\n";

} // namespace

class TestH2Sensor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void cleanup() { m_shell.reset(); }

    void readings_data();
    void readings();
    void click_data();
    void click();
    void heatingDial_data();
    void heatingDial();
    void tenPointsAndTheLeak();
    void noteWithoutH2Probe_data();
    void noteWithoutH2Probe();
    void storeAndView_data();
    void storeAndView();

private:
    H2Sensor *open(const QByteArray &settings, const QString &sensorType = QStringLiteral("3"))
    {
        m_shell = std::make_unique<ShellFixture>(settings);
        StatusbarData().btReceivedSensortype(sensorType);
        return m_shell->showScreen<H2Sensor>(6);
    }
    // Steps: "o" opens the path, "c" closes it, a number is a raw reading.
    void run(H2Sensor *screen, const QString &steps)
    {
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (step == QLatin1String("o") || step == QLatin1String("c"))
                screen->switchActiveMute(step == QLatin1String("c"));
            else
                screen->btReceivedSensorvalue(step, QStringLiteral("700"));
        }
    }
    QByteArray pwm(const char *file) const
    {
        return m_shell->root.read(QStringLiteral("/sys/class/pwm/pwmchip1/pwm0/") + QLatin1String(file)).trimmed();
    }

    std::unique_ptr<ShellFixture> m_shell;
    QTranslator m_english;
};

void TestH2Sensor::readings_data()
{
    // Raw counts are 4.096 per level unit; the reference starts at 1000.
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("result"); // level reference display range poll
    QTest::newRow("truncated toward zero") << FixedScale << "4095" << "999 999 0 50 2500";
    QTest::newRow("muted: follows the cleaner air") << FixedScale << "3072 2048 4096" << "1000 500 0 50 2500";
    QTest::newRow("open: the reference stays") << FixedScale << "2048 o 1024 3072" << "750 500 250 50 517";
    QTest::newRow("closed again: follows") << FixedScale << "2048 o 3072 c 1024" << "250 250 250 50 2500";
    QTest::newRow("not a number reads 0") << FixedScale << "abc" << "0 0 0 50 2500";
    QTest::newRow("dynamic: grows over the level") << DynamicScale << "410 o 1639" << "400 100 300 330 517";
    QTest::newRow("dynamic: shrinks by 15 %") << DynamicScale << "410 o 1639 492 492" << "120 100 20 238 517";
    QTest::newRow("dynamic: not below 100")
        << DynamicScale << "410 o 1639" + QString(" 451").repeated(10) << "110 100 10 100 517";
}

void TestH2Sensor::readings()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, steps);
    QFETCH(QString, result);
    H2Sensor *screen = open(settings);
    run(screen, steps);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(screen->level())
                 .arg(screen->referenceLevel())
                 .arg(screen->displayLevel())
                 .arg(screen->rangeMax())
                 .arg(screen->pollInterval()),
             result);
}

void TestH2Sensor::click_data()
{
    // Reference 500 (2048 raw), range 50; each level unit is 4.096 raw.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QByteArray>("period");
    QTest::newRow("at the reference: once a second") << "2048 o 2048" << QByteArray("1000000000");
    QTest::newRow("below the reference: once a second") << "2048 o 1900" << QByteArray("1000000000");
    // The lowest level above it clicks faster in a narrow range.
    QTest::newRow("one unit above") << "2048 o 2053" << QByteArray("500000000");
    QTest::newRow("a tenth of the range") << "2048 o 2069" << QByteArray("100000000");
    QTest::newRow("half the range") << "2048 o 2151" << QByteArray("20000000");
    QTest::newRow("full range") << "2048 o 2253" << QByteArray("10000000");
    QTest::newRow("above the range") << "2048 o 4000" << QByteArray("10000000");
    // The same value is not written again.
    QTest::newRow("unchanged: not rewritten") << "2048 o 2151 rm 2151" << QByteArray();
    QTest::newRow("files missing") << "rmdir 2048 o 2151" << QByteArray();
}

void TestH2Sensor::click()
{
    QFETCH(QString, steps);
    QFETCH(QByteArray, period);
    const bool missing = steps.startsWith(QLatin1String("rmdir "));
    m_shell = std::make_unique<ShellFixture>([missing](TestRoot &root) {
        root.write(QStringLiteral("/home/root/settings.ini"), FixedScale);
        if (missing)
            QDir(root.file(QStringLiteral("/sys/class/pwm/pwmchip1/pwm0"))).removeRecursively();
    });
    StatusbarData().btReceivedSensortype(QStringLiteral("3"));
    H2Sensor *screen = m_shell->showScreen<H2Sensor>(6);
    const QStringList parts = steps.mid(missing ? 6 : 0).split(QStringLiteral(" rm "));
    run(screen, parts[0]);
    if (parts.size() > 1) {
        QVERIFY(QFile::remove(m_shell->root.file(QStringLiteral("/sys/class/pwm/pwmchip1/pwm0/period"))));
        run(screen, parts[1]);
    }
    QCOMPARE(pwm("period"), period);
    QCOMPARE(!m_shell->log.matching(QStringLiteral("click generator not written")).isEmpty(), missing);
    if (!period.isEmpty()) {
        QCOMPARE(pwm("duty_cycle"), QByteArray("100000"));
        QCOMPARE(pwm("enable"), QByteArray("1"));
    }
}

void TestH2Sensor::heatingDial_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("zone");
    QTest::addColumn<double>("angle");
    QTest::newRow("cold") << 299 << int(TimerH2Heating::Red) << 119.6;
    QTest::newRow("settling") << 300 << int(TimerH2Heating::Yellow) << 120.0;
    QTest::newRow("ready") << 600 << int(TimerH2Heating::Green) << 240.0;
    QTest::newRow("past the dial: held at its end") << 1500 << int(TimerH2Heating::Green) << 360.0;
    QTest::newRow("not before 0") << -5 << int(TimerH2Heating::Red) << 0.0;
}

void TestH2Sensor::heatingDial()
{
    QFETCH(int, seconds);
    QFETCH(int, zone);
    QFETCH(double, angle);
    // As the screen feeds it: the probe's active time with each answer.
    H2Sensor *screen = open(FixedScale);
    screen->btReceivedSensorvalue(QStringLiteral("2048"), QString::number(seconds));
    auto *dial = screen->findChild<TimerH2Heating *>();
    QCOMPARE(int(dial->zone()), zone);
    QCOMPARE(dial->angle(), angle);
    if (seconds == 600)
        saveScreenshot(dial, QStringLiteral("h2-heating-dial.png"));
}

void TestH2Sensor::tenPointsAndTheLeak()
{
    H2Sensor *screen = open(FixedScale);
    Gps *gps = m_shell->main->getGpsInstance();
    gps->switchOnGpsModul();
    // Eleven points, a minute of latitude apart, the seventh over the leak.
    run(screen, QStringLiteral("2048"));
    for (int n = 1; n <= 11; ++n) {
        gps->receiveData(fixAt("1235" + QByteArray::number(10 + n), "230324",
                               "48" + QByteArray::number(n).rightJustified(2, '0') + ".000,N,01131.000,E"));
        gps->completeEpoch();
        gps->updatePosition();
        run(screen, QStringLiteral("o %1 c").arg(2049 + (n == 7 ? 40 : n) * 4.096));
    }
    const PipelocatingPoints &points = screen->points();
    QCOMPARE(points.currentStep(), 10);
    // The first point has scrolled out: the leak is the sixth now.
    QCOMPARE(points.loudest(), 6);
    QCOMPARE(points.at(1).level, 2.0f);
    QCOMPARE(points.at(6).level, 40.0f);
    QVERIFY(qAbs(points.at(6).latitude - (48 + 7 / 60.0)) < 1e-6);
    QVERIFY(qAbs(points.at(10).latitude - (48 + 11 / 60.0)) < 1e-6);
    auto *marker = screen->findChild<QLabel *>(QStringLiteral("labelMarker"));
    auto *slot = screen->findChild<QLabel *>(QStringLiteral("labelPoint6"));
    QVERIFY(marker->isVisibleTo(screen));
    QCOMPARE(marker->geometry().center().x(), slot->geometry().center().x());
    QCOMPARE(slot->text(), QStringLiteral("40"));
}

void TestH2Sensor::noteWithoutH2Probe_data()
{
    QTest::addColumn<QString>("sensorType");
    QTest::addColumn<int>("notes");
    QTest::newRow("none") << "0" << 1;
    QTest::newRow("acoustic") << "1" << 1;
    QTest::newRow("H2 probe") << "3" << 0;
}

void TestH2Sensor::noteWithoutH2Probe()
{
    QFETCH(QString, sensorType);
    QFETCH(int, notes);
    DialogCloser closer;
    H2Sensor *screen = open(FixedScale, sensorType);
    QCOMPARE(closer.count, notes);
    // The screen carries on either way.
    run(screen, QStringLiteral("2048 o 2100"));
    QCOMPARE(screen->displayLevel(), 12);
}

void TestH2Sensor::storeAndView_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("named") << true;
    QTest::newRow("cancelled: nothing stored") << false;
}

void TestH2Sensor::storeAndView()
{
    QFETCH(bool, accept);
    H2Sensor *screen = open(FixedScale);
    run(screen, QStringLiteral("2048 o 2100 2200 c o 2400 2300 c"));
    saveScreenshot(m_shell->main.get(), QStringLiteral("h2-live-unit.png"));
    QTimer::singleShot(50, [accept] {
        auto *keyboard = qobject_cast<VirtualKeyboard *>(QApplication::activeModalWidget());
        QVERIFY(keyboard);
        keyboard->setText(QStringLiteral("GAS MAIN"));
        QTest::mouseClick(keyboard->findChild<QPushButton *>(accept ? "but_Accept" : "but_Close"), Qt::LeftButton);
    });
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuSave")), Qt::LeftButton);
    const QStringList stored = QDir(m_shell->root.file(QStringLiteral("/media/kx500/meas/")))
                                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (!accept) {
        QVERIFY(stored.isEmpty());
        QVERIFY(!m_shell->log.matching(QStringLiteral("Text: verworfen")).isEmpty());
        return;
    }
    QCOMPARE(stored.size(), 1);
    QVERIFY2(stored[0].startsWith(QLatin1String("H2_")) && stored[0].endsWith(QLatin1String("_GAS MAIN")),
             qPrintable(stored[0]));
    StoredMeasurement back;
    QVERIFY(back.load(stored[0]));
    QCOMPARE(back.h2ReferenceLevel(), 500);
    QCOMPARE(back.h2MaxRange(), 50);
    // Levels 512, 537, 585, 561 over the reference 500.
    QCOMPARE(back.levelsData(), (QVector<float>{12, 37, 85, 61}));
    QCOMPARE(back.pointLevel(1), 37.0f);
    QCOMPARE(back.pointLevel(2), 61.0f);
    QCOMPARE(back.pointLevel(3), 0.0f);

    QVERIFY(m_shell->openStoredMeasurement(stored[0]));
    QCOMPARE(m_shell->main->currentWidget(), 6);
    const auto text = [&](const char *name) { return screen->findChild<QLabel *>(QLatin1String(name))->text(); };
    QCOMPARE(text("labelStoredMeasurement"), QStringLiteral("GAS MAIN"));
    QCOMPARE(text("labelReference"), QStringLiteral("500"));
    QCOMPARE(text("labelPoint2"), QStringLiteral("61"));
    QVERIFY(!screen->findChild<QLabel *>(QStringLiteral("labelPoint3"))->isVisibleTo(screen));
    saveScreenshot(m_shell->main.get(), QStringLiteral("h2-stored-unit.png"));
    QSignalSpy back7(screen, &H2Sensor::gotoWidget);
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuStoredBack")), Qt::LeftButton);
    QCOMPARE(back7.size(), 1);
    QCOMPARE(back7[0][0].toInt(), 7);
}

QTEST_MAIN(TestH2Sensor)
#include "tst_h2sensor.moc"
