// The GNSS receiver driver on its own: sentences fed straight into the
// receive path, and the test playing the receiver on a pseudo-terminal.

#include "gps.h"
#include "logcapture.h"
#include "nmeapositioninfosourceraw.h"
#include "ptypeer.h"
#include "testroot.h"

#include <QtTest>

#include <memory>

namespace {

// "$body*hh\r\n" with the right checksum.
QByteArray nmea(const QByteArray &body)
{
    int sum = 0;
    for (char c : body)
        sum ^= quint8(c);
    return '$' + body + '*' + QByteArray::number(sum, 16).rightJustified(2, '0').toUpper() + "\r\n";
}

const double Latitude = 48.0 + 7.038 / 60.0;
const double Longitude = 11.0 + 31.0 / 60.0;
const QByteArray Rmc = nmea("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230324,003.1,W,A");
const QByteArray Gga = nmea("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
const QByteArray Gsa = nmea("GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
const QByteArray Gsv1 = nmea("GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45");
const QByteArray Gsv2 = nmea("GPGSV,2,2,08,15,30,050,47,17,40,208,46,18,10,101,35,22,20,310,42");
const QByteArray Cycle = Rmc + Gga + Gsa + Gsv1 + Gsv2;

// A fix at the given RMC time and date.
QByteArray fixAt(const QByteArray &time, const QByteArray &date)
{
    return nmea("GPRMC," + time + ",A,4807.038,N,01131.000,E,022.4,084.4," + date + ",003.1,W,A")
           + nmea("GPGGA," + time + ",4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
}

} // namespace

class TestGps : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void capture_data();
    void capture();
    void fields_data();
    void fields();
    void satellitesInView_data();
    void satellitesInView();
    void quality_data();
    void quality();
    void systemClock_data();
    void systemClock();
    void clockSetOnlyOnceFromFirstAcceptedFix();
    void switchedOffIgnoresUpdates();
    void badInputStaysBounded_data();
    void badInputStaysBounded();
    void streamOverSerialLine();

private:
    // A driver started and switched on, reading from the root's /dev/ttyO1;
    // by default every fix is handed over at once.
    void start(int updateIntervalMs = 0);
    // Feeds bytes, lets Qt's source hand over the sentences of the last
    // time stamp (it waits briefly for more), then runs the update the next
    // fix would bring, so that sentences after the last fix are parsed too.
    void feed(const QByteArray &bytes)
    {
        m_gps->receiveData(bytes);
        PtyPeer::settle(60);
        m_gps->updatePosition();
    }

    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<LogCapture> m_log;
    std::unique_ptr<Gps> m_gps;
};

void TestGps::init()
{
    m_root = std::make_unique<TestRoot>();
    QVERIFY(m_root->isValid());
    m_log = std::make_unique<LogCapture>();
}

void TestGps::cleanup()
{
    m_gps.reset();
    m_log.reset();
    m_root.reset();
}

void TestGps::start(int updateIntervalMs)
{
    m_gps = std::make_unique<Gps>();
    m_gps->initGps(updateIntervalMs);
    m_gps->switchOnGpsModul();
}

void TestGps::capture_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("chunk");
    QTest::addColumn<QString>("kind"); // GGA GSA RMC VTG or a GSV slot 0..4
    QTest::addColumn<QByteArray>("stored");

    const QByteArray gnGga = nmea("GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    const QByteArray vtg = nmea("GPVTG,054.7,T,034.4,M,005.5,N,010.2,K");
    const QByteArray glGsv = nmea("GLGSV,2,2,08,65,30,050,47");
    QByteArray badSum = Gga;
    badSum[badSum.size() - 3] = badSum[badSum.size() - 3] == '0' ? '1' : '0';
    QTest::newRow("GN GGA, byte by byte") << gnGga << 1 << "GGA" << gnGga;
    QTest::newRow("GL GGA not kept") << "$GL" + gnGga.mid(3) << 0 << "GGA" << QByteArray();
    QTest::newRow("GP VTG") << vtg << 0 << "VTG" << vtg;
    QTest::newRow("GN VTG not kept") << nmea("GNVTG,054.7,T,034.4,M,005.5,N,010.2,K") << 0 << "VTG" << QByteArray();
    QTest::newRow("GL and GP share a slot, later wins") << Gsv1 + Gsv2 + glGsv << 0 << "1" << glGsv;
    QTest::newRow("message 1 empties the slots") << Gsv2 + nmea("GPGSV,1,1,01,03,10,100,30") << 0 << "1"
                                                 << QByteArray();
    QTest::newRow("message 6 not kept") << nmea("GPGSV,6,6,21,03,10,100,30") << 7 << "4" << QByteArray();
    QTest::newRow("bad checksum keeps the last good one") << Gga + badSum << 0 << "GGA" << Gga;
    QTest::newRow("cut off keeps the last good one") << Rmc + "$GPRMC,1235\r\n" << 0 << "RMC" << Rmc;
    QTest::newRow("noise before the sentence") << QByteArray("\xff\x00\x13$$GP", 7) + Rmc << 3 << "RMC" << Rmc;
}

void TestGps::capture()
{
    QFETCH(QByteArray, input);
    QFETCH(int, chunk);
    QFETCH(QString, kind);
    QFETCH(QByteArray, stored);
    start();
    for (int at = 0; at < input.size(); at += chunk > 0 ? chunk : int(input.size()))
        m_gps->receiveData(input.mid(at, chunk > 0 ? chunk : -1));
    const NmeaPositionInfoSourceRaw *raw = m_gps->nmeaSource();
    const QString got = kind == QLatin1String("GGA")   ? raw->getNmeaGgaString()
                        : kind == QLatin1String("VTG") ? raw->getNmeaVtgString()
                        : kind == QLatin1String("RMC") ? raw->getNmeaRmcString()
                                                       : raw->getNmeaGsvString(kind.toInt());
    QCOMPARE(got, QString::fromLatin1(stored).trimmed());
}

void TestGps::fields_data()
{
    QTest::addColumn<QByteArray>("input");
    // valid, latitude, longitude, satellites used, HDOP, height
    QTest::addColumn<QString>("fields");

    const QByteArray gn = nmea("GNRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230324,003.1,W,A")
                          + nmea("GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")
                          + nmea("GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
    QTest::newRow("GP talkers") << Cycle << "1 48.117300 11.516667 5 1.3 545.4";
    QTest::newRow("GN talkers") << gn << "1 48.117300 11.516667 5 1.3 545.4";
    QTest::newRow("south and west") << nmea("GPRMC,123519,A,3330.000,S,07030.000,W,0.0,359.9,230324,,,A")
                                           + nmea("GPGGA,123519,3330.000,S,07030.000,W,2,04,1.0,12.0,M,,,,")
                                    << "1 -33.500000 -70.500000 0 0 12";
    QTest::newRow("latitude 91") << nmea("GPRMC,123519,A,9100.000,N,01131.000,E,022.4,084.4,230324,003.1,W,A")
                                        + nmea("GPGGA,123519,9100.000,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")
                                 << "0 0.000000 0.000000 0 0 545.4";
    QTest::newRow("no fix") << nmea("GPRMC,123519,V,,,,,,,230324,,,N") + nmea("GPGGA,123519,,,,,0,00,99.99,,,,,,")
                            << "0 0.000000 0.000000 0 0 0";
    QTest::newRow("extra fields do not match")
        << Rmc + nmea("GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1,1")
               + nmea("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,,7")
        << "1 48.117300 11.516667 0 0 0";
}

void TestGps::fields()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, fields);
    start();
    feed(input);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6")
                 .arg(int(m_gps->isGpsDataValid()))
                 .arg(m_gps->getLatitude(), 0, 'f', 6)
                 .arg(m_gps->getLongitude(), 0, 'f', 6)
                 .arg(m_gps->getNumSatellitesUsed())
                 .arg(double(m_gps->getGpsInfoHdop()))
                 .arg(m_gps->getGpsHeightOverSea()),
             fields);
}

void TestGps::satellitesInView_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QList<int>>("numbers"); // the first twelve
    QTest::addColumn<int>("inView");

    QTest::newRow("eight in two messages") << Gsv1 + Gsv2 << QList<int>{1, 2, 12, 14, 15, 17, 18, 22, 0, 0, 0, 0} << 8;
    QTest::newRow("a failed message moves the next ones down")
        << nmea("GPGSV,3,1,10,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45")
               + nmea("GPGSV,3,2,10,15,30,050,47,17,40,208,46,18,10,101,35,22,20,310") // one field short
               + nmea("GPGSV,3,3,10,23,30,050,47,24,40,208,46")
        << QList<int>{1, 2, 12, 14, 23, 24, 0, 0, 0, 0, 0, 0} << 10;
    QTest::newRow("three in the only message") << nmea("GPGSV,1,1,03,05,30,050,47,07,40,208,,09,,,")
                                               << QList<int>{5, 7, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 3;
    QTest::newRow("last message longer than its count")
        << Gsv1 + nmea("GPGSV,2,2,05,15,30,050,47,17,40,208,46")
        << QList<int>{1, 2, 12, 14, 0, 0, 0, 0, 0, 0, 0, 0} << 5;
    QTest::newRow("none in view") << nmea("GPGSV,1,1,00") << QVector<int>(12, 0).toList() << 0;
    QTest::newRow("GL after GP") << Gsv1 + Gsv2 + nmea("GLGSV,1,1,02,65,30,050,47,66,40,208,46")
                                 << QList<int>{65, 66, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 2;
}

void TestGps::satellitesInView()
{
    QFETCH(QByteArray, input);
    QFETCH(QList<int>, numbers);
    QFETCH(int, inView);
    start();
    // Stale satellites from an earlier cycle must not show through.
    feed(Rmc + nmea("GPGSV,3,1,12,91,1,1,1,92,1,1,1,93,1,1,1,94,1,1,1")
         + nmea("GPGSV,3,2,12,95,1,1,1,96,1,1,1,97,1,1,1,98,1,1,1")
         + nmea("GPGSV,3,3,12,99,1,1,1,90,1,1,1,89,1,1,1,88,1,1,1"));
    feed(input);
    QList<int> got;
    for (int i = 0; i < 12; ++i)
        got << m_gps->gsvSatellite(i).number;
    QCOMPARE(got, numbers);
    QCOMPARE(m_gps->getNumSatellitesInView(), inView);
    if (inView == 8)
        QCOMPARE(m_gps->gsvSatellite(7).snr, 42);
}

void TestGps::quality_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("quality");
    QTest::addColumn<QString>("time");

    const auto with = [](const char *hdop, int inView) {
        return fixAt("123519", "230324") + nmea(QByteArray("GPGSA,A,3,04,,,,,,,,,,,,2.5,") + hdop + ",2.1")
               + nmea("GPGSV,1,1," + QByteArray::number(inView));
    };
    const auto noFixAt = [](const char *time) { return nmea(QByteArray("GPRMC,") + time + ",V,,,,,,,230324,,,N"); };
    QTest::newRow("no RMC") << QByteArray() << 0 << "NO GPS";
    QTest::newRow("no fix at 02 h") << noFixAt("025959") << 1 << "02:59:59";
    QTest::newRow("no fix at 03 h") << noFixAt("030000") << 3 << "03:00:00";
    QTest::newRow("no fix at 22 h") << noFixAt("225959") << 3 << "22:59:59";
    QTest::newRow("no fix at 23 h, GN") << nmea("GNRMC,230000.00,V,,,,,,,,,,N") << 1 << "23:00:00";
    QTest::newRow("no fix without time") << nmea("GPRMC,,V,,,,,,,,,,N") << 1 << "...";
    QTest::newRow("HDOP 0.01") << with("0.01", 9) << 15 << "12:35:19";
    QTest::newRow("HDOP 200.0") << with("200.0", 9) << 15 << "12:35:19";
    QTest::newRow("HDOP 2.5") << with("2.5", 9) << 80 << "12:35:19";
    QTest::newRow("HDOP 40.0: satellites in view") << with("40.0", 6) << 6 << "12:35:19";
    QTest::newRow("HDOP 0.9, five in view") << with("0.9", 5) << 100 << "12:35:19";
    QTest::newRow("HDOP 0.9, four in view") << with("0.9", 4) << 92 << "12:35:19";
    QTest::newRow("HDOP 1.5, seven in view: capped") << with("1.5", 7) << 100 << "12:35:19";
}

void TestGps::quality()
{
    QFETCH(QByteArray, input);
    QFETCH(int, quality);
    QFETCH(QString, time);
    start();
    feed(input);
    QCOMPARE(m_gps->getGpsQuality(), quality);
    QCOMPARE(m_gps->getRmcUtcTime(), time);
}

void TestGps::systemClock_data()
{
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QStringList>("commands");

    const auto utc = [](int y, int mo, int d, int h, int mi, int s) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
    };
    const auto set = [](const char *date, const char *time) {
        return QStringList{QStringLiteral("date +%F -s ") + QLatin1String(date),
                           QStringLiteral("date +%T -s ") + QLatin1String(time),
                           QStringLiteral("hwclock -w -f /dev/rtc0")};
    };
    QTest::newRow("23:30 UTC, +1 h: next day") << utc(2024, 3, 5, 23, 30, 0) << 3600 << set("2024-3-6", "0:30:0");
    QTest::newRow("new year") << utc(2024, 12, 31, 23, 30, 5) << 7200 << set("2025-1-1", "1:30:5");
    QTest::newRow("leap day, west") << utc(2024, 3, 1, 0, 15, 7) << -7200 << set("2024-2-29", "22:15:7");
    QTest::newRow("2016 in UTC") << utc(2016, 1, 1, 0, 0, 0) << -3600 << set("2015-12-31", "23:0:0");
    QTest::newRow("2050 in UTC") << utc(2050, 12, 31, 23, 59, 59) << 0 << set("2050-12-31", "23:59:59");
    QTest::newRow("2015") << utc(2015, 12, 31, 23, 30, 0) << 3600 << QStringList();
    QTest::newRow("2051") << utc(2051, 1, 1, 0, 0, 0) << 0 << QStringList();
    QTest::newRow("no time") << QDateTime() << 0 << QStringList();
}

void TestGps::systemClock()
{
    QFETCH(QDateTime, utc);
    QFETCH(int, offset);
    QFETCH(QStringList, commands);
    QCOMPARE(Gps::setSystemClock(utc, offset), !commands.isEmpty());
    QCOMPARE(m_root->commands(), commands);
}

void TestGps::clockSetOnlyOnceFromFirstAcceptedFix()
{
    start();
    m_gps->enableSystemTimeSettingViaGps(true);
    feed(fixAt("233000", "311215"));
    QVERIFY(m_gps->isGpsDataValid());
    QCOMPARE(m_root->commands(), QStringList());
    QVERIFY(m_gps->isSystemTimeSettingPending());

    feed(fixAt("080910", "050324"));
    QCOMPARE(m_root->commands(),
             (QStringList{"date +%F -s 2024-3-5", "date +%T -s 8:9:10", "hwclock -w -f /dev/rtc0"}));
    QVERIFY(!m_gps->isSystemTimeSettingPending());
    feed(fixAt("080911", "050324"));
    QCOMPARE(m_root->commands().size(), 3);
}

void TestGps::switchedOffIgnoresUpdates()
{
    start();
    feed(Cycle);
    QVERIFY(m_gps->getNmeaString().startsWith(QString::fromLatin1(Rmc).trimmed() + '\n'));
    m_gps->switchOffGpsModul();
    QCOMPARE(m_gps->getNmeaString(), QString());
    feed(nmea("GPRMC,123520,A,3330.000,S,07030.000,W,0.0,359.9,230324,,,A"));
    QCOMPARE(m_gps->getLatitude(), Latitude);
    QCOMPARE(m_gps->getGpsCourseOverGround(), 84.4);
}

void TestGps::badInputStaysBounded_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<int>("repeat");
    QTest::newRow("no line end") << QByteArray(1000, 'A') << 50;
    QTest::newRow("dollars without end") << QByteArray(300, '$') << 20;
    QTest::newRow("binary") << QByteArray("\xb5\x62\x00\xff\n\r\x80$", 8) << 2000;
    QTest::newRow("NUL inside a sentence") << QByteArray("$GPGGA,1\0,2*00\r\n", 16) << 10;
    QTest::newRow("overlong sentence") << nmea("GPGGA," + QByteArray(300, '1') + ",,,,,1,08,,,,,,,") << 5;
    // A valid fix (too early for the clock) with an absurd count in view.
    QTest::newRow("huge numbers") << fixAt("123519", "230315") + nmea("GPGSV,1,1,2147483647,1,1,1,1")
                                         + nmea("GPGSA,A,3,9999999999,,,,,,,,,,,,9" + QByteArray(60, '9')
                                                + ".9,1.5,1.0")
                                  << 3;
}

void TestGps::badInputStaysBounded()
{
    QFETCH(QByteArray, chunk);
    QFETCH(int, repeat);
    start();
    m_gps->enableSystemTimeSettingViaGps(true);
    for (int i = 0; i < repeat; ++i) {
        m_gps->receiveData(chunk);
        m_gps->updatePosition();
        QVERIFY(m_gps->receiveBufferSize() <= Gps::MaxSentence);
    }
    feed(QByteArray());
    QVERIFY(m_gps->getNmeaString().size() < 7 * Gps::MaxSentence);
    QVERIFY(m_gps->getGpsQuality() >= 0 && m_gps->getGpsQuality() <= 100);
    QCOMPARE(m_root->commands(), QStringList());
    // Good sentences still get through afterwards.
    feed("\r\n" + Cycle);
    QVERIFY(m_gps->isGpsDataValid());
    QCOMPARE(m_gps->getNumSatellitesInView(), 8);
    QCOMPARE(m_gps->getLatitude(), Latitude);
}

void TestGps::streamOverSerialLine()
{
    PtyPeer receiver(*m_root, QStringLiteral("/dev/ttyO1"));
    QVERIFY(receiver.isValid());
    start(Gps::UpdateIntervalMs);
    QCOMPARE(receiver.take(), QByteArray::fromHex("b56206040400000009001776")); // controlled GNSS start
    QCOMPARE(m_root->read(QStringLiteral("/sys/class/gpio/gpio16/value")).trimmed(), QByteArray("1"));
    // Split mid-sentence, as the line hands over whatever has arrived.
    receiver.send(Cycle.left(50));
    receiver.send(Cycle.mid(50));
    QVERIFY(waitFor([&] { return m_gps->isGpsDataValid(); }, 3 * Gps::UpdateIntervalMs));
    QCOMPARE(m_gps->getLatitude(), Latitude);
    QCOMPARE(m_gps->getLongitude(), Longitude);
    QCOMPARE(m_gps->getDateTime(), QDateTime(QDate(2024, 3, 23), QTime(12, 35, 19), Qt::UTC));
    QCOMPARE(m_gps->getNumSatellitesInView(), 8);

    // The receiver goes on talking but has lost the fix.
    const QByteArray lost = nmea("GPRMC,123521,V,,,,,,,230324,,,N") + nmea("GPGGA,123521,,,,,0,00,99.99,,,,,,");
    QVERIFY(waitFor(
        [&] {
            receiver.send(lost, 200);
            return !m_gps->isGpsDataValid();
        },
        4 * Gps::UpdateIntervalMs));
    QCOMPARE(m_gps->getLatitude(), 0.0);
    QCOMPARE(m_gps->getDateTime(), QDateTime());
    QCOMPARE(m_log->matching(QStringLiteral("Timeout")).size(), 1);

    m_gps->switchOffGpsModul();
    QCOMPARE(receiver.take(), QByteArray::fromHex("b56206040400000008001674")); // controlled GNSS stop
    QCOMPARE(m_root->read(QStringLiteral("/sys/class/gpio/gpio16/value")).trimmed(), QByteArray("0"));
}

QTEST_GUILESS_MAIN(TestGps)
#include "tst_gps.moc"
