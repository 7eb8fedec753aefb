// The GPS monitor: coordinate notations and the distance figure on their
// own, then the screen against the simulated receiver.

#include "appsetup.h"
#include "globals.h"
#include "gps.h"
#include "gpsmonitor.h"
#include "screenshot.h"
#include "shellfixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

#include <cmath>

class TestGpsMonitor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }

    void convertGpsFormat_data();
    void convertGpsFormat();
    void calculateGpsDistance_data();
    void calculateGpsDistance();
    void monitorFollowsTheReceiver();

private:
    QTranslator m_english;
};

void TestGpsMonitor::convertGpsFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("axis");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("text");
    // 50.1 is not exact in binary: 6' 0" must not come out as 5' 60".
    QTest::newRow("N degrees") << 50.1 << 0 << 0 << "50.100000";
    QTest::newRow("N dms") << 50.1 << 0 << 1 << "N 50° 6' 0.0000\"";
    QTest::newRow("E dm") << 8.6 << 1 << 2 << "E 8° 36.00000'";
    QTest::newRow("S degrees keep the sign") << -33.5 << 0 << 0 << "-33.500000";
    QTest::newRow("S dms") << -33.5 << 0 << 1 << "S 33° 30' 0.0000\"";
    QTest::newRow("W dms") << -70.25 << 1 << 1 << "W 70° 15' 0.0000\"";
    QTest::newRow("W dm") << -70.25 << 1 << 2 << "W 70° 15.00000'";
    QTest::newRow("equator") << 0.0 << 0 << 1 << "N 0° 0' 0.0000\"";
    QTest::newRow("prime meridian") << 0.0 << 1 << 2 << "E 0° 0.00000'";
    // Just below a whole minute: the carry goes into minutes and degrees.
    QTest::newRow("dms carries") << 12.0 + 59.0 / 60.0 + 59.99999 / 3600.0 << 0 << 1 << "N 13° 0' 0.0000\"";
    QTest::newRow("dm carries") << -(7.0 + 59.9999999 / 60.0) << 1 << 2 << "W 8° 0.00000'";
    QTest::newRow("small west") << -0.0125 << 1 << 1 << "W 0° 0' 45.0000\"";
}

void TestGpsMonitor::convertGpsFormat()
{
    QFETCH(double, value);
    QFETCH(int, axis);
    QFETCH(int, format);
    QFETCH(QString, text);
    QCOMPARE(GpsMonitor::convertGpsFormat(value, axis, format), text);
}

void TestGpsMonitor::calculateGpsDistance_data()
{
    QTest::addColumn<double>("lat1");
    QTest::addColumn<double>("lon1");
    QTest::addColumn<double>("lat2");
    QTest::addColumn<double>("lon2");
    QTest::addColumn<double>("metres");
    QTest::newRow("1 km north") << 50.0 << 8.0 << 50.0 + 1000.0 / 111300.0 << 8.0 << 1000.0;
    // At 50 degrees a degree of longitude is cos(50) as long.
    const double eastWest = 1000.0 / (111300.0 * std::cos(qDegreesToRadians(50.0)));
    QTest::newRow("1 km east at 50") << 50.0 << 8.0 << 50.0 << 8.0 + eastWest << 1000.0;
    QTest::newRow("south-west, reversed") << -33.5 << -70.25 + eastWest << -33.5 << -70.25
                                          << 1000.0 * std::cos(qDegreesToRadians(33.5)) / std::cos(qDegreesToRadians(50.0));
    QTest::newRow("same point") << 50.1 << 8.6 << 50.1 << 8.6 << 0.0;
}

void TestGpsMonitor::calculateGpsDistance()
{
    QFETCH(double, lat1);
    QFETCH(double, lon1);
    QFETCH(double, lat2);
    QFETCH(double, lon2);
    QFETCH(double, metres);
    QVERIFY2(qAbs(GpsMonitor::calculateGpsDistance(lat1, lon1, lat2, lon2) - metres) < 0.5,
             qPrintable(QString::number(GpsMonitor::calculateGpsDistance(lat1, lon1, lat2, lon2))));
}

void TestGpsMonitor::monitorFollowsTheReceiver()
{
    // Clock from GPS, five hours west of UTC in summer time: UTC - 4 h.
    SimProcess sim;
    ShellFixture shell([&](TestRoot &root) {
        root.write(QStringLiteral("/home/root/settings.ini"),
                   "[Local-Settings]\nTimezone=UTC-05:00\nTimezoneNum=7\nTimezoneOffset=-18000\n"
                   "DaylightSavingTime=1\nDateTimeSource=GPS\n");
        QVERIFY(sim.start(root.root(), {QStringLiteral("--paired")}));
    });
    g_debugFeatures = 1;
    const auto command = [&](const QString &line) { return sim.command(line).startsWith(QLatin1String("ok")); };
    QVERIFY(command(QStringLiteral("gps position 50.1 8.6 120")));
    QVERIFY(command(QStringLiteral("gps satellites 11 7")));
    QVERIFY(command(QStringLiteral("gps fix on")));

    shell.main->show();
    shell.main->displayWidget(4, 1, 0);
    shell.main->displayWidget(10, -1, 0);
    auto *monitor = shell.main->findChild<GpsMonitor *>();
    QVERIFY(monitor && monitor->isVisible() && monitor->isMonitoring());
    const auto text = [&](const char *name) { return monitor->findChild<QLabel *>(QLatin1String(name))->text(); };
    const auto click = [&](const char *name) {
        QTest::mouseClick(monitor->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
    };

    // Format 1 after one press; the third press returns to degrees.
    click("butMenuFormat");
    QCOMPARE(monitor->positionFormat(), 1);
    QVERIFY(waitFor([&] { return text("labelLatitude") == QStringLiteral("N 50° 6' 0.0000\""); }, 5000));
    QCOMPARE(text("labelLongitude"), QStringLiteral("E 8° 36' 0.0000\""));
    QVERIFY(waitFor([&] { return text("labelSatellites") == QLatin1String("Used:7 View:11"); }, 5000));
    saveScreenshot(monitor, QStringLiteral("gpsmonitor-fix.png"));
    click("butMenuFormat");
    click("butMenuFormat");
    QCOMPARE(text("labelLatitude"), QStringLiteral("50.100000"));

    QVERIFY(command(QStringLiteral("gps fix off")));
    QVERIFY(waitFor([&] { return text("labelLatitude") == QLatin1String("---"); }, 5000));
    QCOMPARE(text("labelLongitude"), QLatin1String("---"));
    saveScreenshot(monitor, QStringLiteral("gpsmonitor-nofix.png"));

    QVERIFY(command(QStringLiteral("gps fix on")));
    QVERIFY(waitFor([&] { return text("labelLatitude") == QLatin1String("50.100000"); }, 5000));

    // The sentences pile up in the view; Stop sets the clock from the fix
    // with the zone of the settings.
    click("butMenuNmea");
    auto *nmea = monitor->findChild<QPlainTextEdit *>(QStringLiteral("textNmea"));
    QVERIFY(waitFor([&] { return nmea->toPlainText().contains(QLatin1String("RMC,")); }, 5000));
    saveScreenshot(monitor, QStringLiteral("gpsmonitor-nmea.png"));
    const auto clockCommands = [&] { return shell.root.commands().filter(QStringLiteral("date +%T -s ")); };
    const int clockBefore = int(clockCommands().size());
    const QDateTime fix = shell.main->getGpsInstance()->getDateTime();
    click("butMenuStop");
    QVERIFY(!monitor->isMonitoring());
    const QStringList clock = clockCommands();
    QCOMPARE(int(clock.size()), clockBefore + 1);
    QVERIFY2(clock.last().contains(QStringLiteral("date +%T -s %1:").arg(fix.addSecs(-4 * 3600).time().hour())),
             qPrintable(clock.last()));
    click("butMenuDelete");
    QVERIFY(nmea->toPlainText().isEmpty());
    click("butMenuStart");
    QVERIFY(monitor->isMonitoring());
    click("butMenuPositionNmea");

    // Reference here, then a kilometre north.
    click("butMenuDistance");
    QCOMPARE(text("labelDistance"), QLatin1String("--- m"));
    click("butMenuSetReference");
    QCOMPARE(text("labelReferenceLatitude"), QLatin1String("50.100000"));
    QVERIFY(command(QStringLiteral("gps position %1 8.6").arg(50.1 + 1000.0 / 111300.0, 0, 'f', 7)));
    const auto distance = [&] { return text("labelDistance").chopped(2).toDouble(); };
    QVERIFY2(waitFor([&] { return qAbs(distance() - 1000.0) < 3.0; }, 5000), qPrintable(text("labelDistance")));
    saveScreenshot(monitor, QStringLiteral("gpsmonitor-distance.png"));

    // 30 km/h eastwards: 8.3 m/s on course 90.
    QVERIFY(command(QStringLiteral("gps move 30 90")));
    click("butMenuSatInfoDist");
    QCOMPARE(monitor->findChild<QStackedWidget *>(QStringLiteral("stackedButtons"))->currentIndex(),
             int(GpsMonitor::PageSatInfo));
    QVERIFY2(waitFor([&] { return text("labelGroundspeed") == QLatin1String("8.3 m/s"); }, 5000),
             qPrintable(text("labelGroundspeed")));
    QCOMPARE(text("labelDirection"), QStringLiteral("90.0 °"));
    saveScreenshot(monitor, QStringLiteral("gpsmonitor-moving.png"));

    // The power key leaves on its release only, back to the management
    // menu, and the polling stops.
    QTest::keyPress(monitor, Qt::Key_Escape);
    QVERIFY(monitor->isVisible());
    QTest::keyRelease(monitor, Qt::Key_Escape);
    QVERIFY(!monitor->isVisible() && !monitor->isMonitoring());
    QCOMPARE(shell.main->findChild<QStackedWidget *>(QStringLiteral("mainWidget"))->currentWidget()->metaObject()->className(),
             QByteArray("Management"));
    g_debugFeatures = 0;
    sim.terminate();
}

QTEST_MAIN(TestGpsMonitor)
#include "tst_gpsmonitor.moc"
