// The GNSS receiver driver on its own: sentences fed straight into the
// receive path, and the test playing the receiver on a pseudo-terminal.

#include "gps.h"
#include "logcapture.h"
#include "nmea.h"
#include "nmeapositioninfosourceraw.h"
#include "ptypeer.h"
#include "testroot.h"

#include <QtTest>

#include <memory>

namespace {

const double Latitude = 48.0 + 7.038 / 60.0;
const double Longitude = 11.0 + 31.0 / 60.0;
const QByteArray Rmc = nmea("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230324,003.1,W,A");
const QByteArray Gga = nmea("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
const QByteArray Gsa = nmea("GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
const QByteArray Gsv1 = nmea("GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45");
const QByteArray Gsv2 = nmea("GPGSV,2,2,08,15,30,050,47,17,40,208,46,18,10,101,35,22,20,310,42");
const QByteArray Cycle = Rmc + Gga + Gsa + Gsv1 + Gsv2;

// ddMMyy of a day after the program was built.
QByteArray dayAfterBuild(int days)
{
    return Gps::earliestClockTime().date().addDays(days).toString(QStringLiteral("ddMMyy")).toLatin1();
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
    void epochs_data();
    void epochs();
    void quality_data();
    void quality();
    void systemClock_data();
    void systemClock();
    void clockOnlyFromTrustworthyFix();
    void switchedOffIgnoresUpdates();
    void badInputStaysBounded_data();
    void badInputStaysBounded();
    void streamOverSerialLine();

private:
    // A driver started and switched on, reading from the root's /dev/ttyO1;
    // by default every fix is handed over at once.
    void start(int updateIntervalMs = 0);
    // Feeds bytes, then ends the epoch as the quiet line after a burst does.
    void feed(const QByteArray &bytes)
    {
        m_gps->receiveData(bytes);
        m_gps->completeEpoch();
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
    QTest::addColumn<QString>("kind"); // GGA VTG RMC or a GSV slot 0..4
    QTest::addColumn<QByteArray>("stored");

    const QByteArray gnGga = nmea("GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    const QByteArray vtg = nmea("GNVTG,054.7,T,034.4,M,005.5,N,010.2,K,A");
    const QByteArray gaGsv = nmea("GAGSV,2,2,08,05,30,050,47,7");
    QByteArray badSum = Gga;
    badSum[badSum.size() - 3] = badSum[badSum.size() - 3] == '0' ? '1' : '0';
    QTest::newRow("GN GGA, byte by byte") << gnGga << 1 << "GGA" << gnGga;
    QTest::newRow("GN VTG") << vtg << 0 << "VTG" << vtg;
    QTest::newRow("GA and GP share a slot, later wins") << Gsv1 + Gsv2 + gaGsv << 0 << "1" << gaGsv;
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
    // valid, latitude, longitude, satellites used and in view, HDOP, height
    QTest::addColumn<QString>("fields");

    const QByteArray gnGsa = nmea("GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
    QTest::newRow("GP talkers") << Cycle << "1 48.117300 11.516667 5 8 1.3 545.4";
    QTest::newRow("GN talkers, GGA and GSA first")
        << nmea("GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,") + gnGsa
               + nmea("GNRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230324,003.1,W,A")
        << "1 48.117300 11.516667 5 0 1.3 545.4";
    // NMEA 2.0: no mode in RMC; GGA without a height.
    QTest::newRow("NMEA 2.0, south and west") << nmea("GPRMC,123519,A,3330.000,S,07030.000,W,0.0,359.9,230324,,")
                                                      + nmea("GPGGA,123519,3330.000,S,07030.000,W,2,04,1.0,,,,,,")
                                               << "1 -33.500000 -70.500000 0 0 0 0";
    // Twelve used and 23 in view over three systems, GPS on two signals.
    QTest::newRow("NMEA 4.1, three systems")
        << nmea("GNRMC,123519.00,A,4807.03800,N,01131.00000,E,0.012,,230324,,,A,V")
               + nmea("GNGGA,123519.00,4807.03800,N,01131.00000,E,1,12,0.62,-12.3,M,-31.0,M,,")
               + nmea("GNGSA,A,3,04,05,09,12,24,,,,,,,,1.10,0.62,0.91,1")
               + nmea("GNGSA,A,3,65,72,79,86,,,,,,,,,1.10,0.62,0.91,2")
               + nmea("GNGSA,A,3,04,11,19,,,,,,,,,,1.10,0.62,0.91,3")
               + nmea("GPGSV,3,1,09,04,40,083,46,05,17,308,41,09,07,344,39,12,22,228,45,1")
               + nmea("GPGSV,3,2,09,24,30,050,47,17,40,208,36,18,10,101,35,22,20,310,32,1")
               + nmea("GPGSV,3,3,09,25,05,010,,1") + nmea("GPGSV,1,1,04,04,40,083,41,05,17,308,38,09,07,344,,12,22,228,40,8")
               + nmea("GLGSV,2,1,07,65,75,177,41,72,21,107,,79,64,091,43,86,10,021,23,1")
               + nmea("GLGSV,2,2,07,68,54,005,45,75,43,279,35,93,32,193,19,1")
               + nmea("GAGSV,2,1,07,04,61,120,44,11,33,260,40,19,48,045,42,26,12,300,,7")
               + nmea("GAGSV,2,2,07,30,22,190,30,31,08,090,,36,70,010,38,7")
        << "1 48.117300 11.516667 12 23 0.62 -12.3";
    // NMEA 4.0 names no system in a GN GSA: Galileo's 04 is not GPS's 04.
    QTest::newRow("NMEA 4.0, GSA per system without id")
        << fixAt("123519", "230324") + nmea("GNGSA,A,3,04,05,,,,,,,,,,,1.8,0.9,1.5")
               + nmea("GNGSA,A,3,04,,,,,,,,,,,,1.8,0.9,1.5") + nmea("GBGSV,1,1,02,04,40,083,46,07,17,308,41,1")
               + nmea("BDGSV,1,1,03,04,40,083,46,07,17,308,41,09,07,344,39")
        << "1 48.117300 11.516667 3 3 0.9 545.4";
    QTest::newRow("searching, printing zeros")
        << nmea("GPGGA,123519.00,0000.0000,N,00000.0000,E,0,00,99.99,0.0,M,0.0,M,,")
               + nmea("GPGSA,A,1,,,,,,,,,,,,,99.99,99.99,99.99")
               + nmea("GPRMC,123519.00,V,0000.0000,N,00000.0000,E,0.000,0.00,070807,,,N")
        << "0 0.000000 0.000000 0 0 99.99 0";
    QTest::newRow("quality 1 at zeros") << nmea("GPGGA,123519,0000.0000,N,00000.0000,E,1,05,1.2,0.0,M,0.0,M,,")
                                        << "0 0.000000 0.000000 0 0 0 0";
    QTest::newRow("GSA says no fix") << fixAt("123519", "230324") + nmea("GPGSA,A,1,,,,,,,,,,,,,99.99,99.99,99.99")
                                     << "0 0.000000 0.000000 0 0 99.99 545.4";
    QTest::newRow("RMC A in mode N") << nmea("GPRMC,123519,A,4807.038,N,01131.000,E,0.0,0.0,230324,,,N")
                                     << "0 0.000000 0.000000 0 0 0 0";
    QTest::newRow("latitude 91") << fixAt("123519", "230324", "9100.000,N,01131.000,E")
                                 << "0 0.000000 0.000000 0 0 0 545.4";
}

void TestGps::fields()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, fields);
    start();
    feed(input);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                 .arg(int(m_gps->isGpsDataValid()))
                 .arg(m_gps->getLatitude(), 0, 'f', 6)
                 .arg(m_gps->getLongitude(), 0, 'f', 6)
                 .arg(m_gps->getNumSatellitesUsed())
                 .arg(m_gps->getNumSatellitesInView())
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
    QTest::newRow("a damaged message leaves no gap")
        << nmea("GPGSV,3,1,10,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45")
               + nmea("GPGSV,3,2,10,15,30,050,47,17,40,208,46,18,10,101,35,22,20,310") // one field short
               + nmea("GPGSV,3,3,10,23,30,050,47,24,40,208,46")
        << QList<int>{1, 2, 12, 14, 23, 24, 0, 0, 0, 0, 0, 0} << 10;
    QTest::newRow("three in the only message") << nmea("GPGSV,1,1,03,05,30,050,47,07,40,208,,09,,,")
                                               << QList<int>{5, 7, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 3;
    QTest::newRow("none in view") << nmea("GPGSV,1,1,00") << QVector<int>(12, 0).toList() << 0;
    QTest::newRow("GP and GL add up") << Gsv1 + Gsv2 + nmea("GLGSV,1,1,02,65,30,050,47,66,40,208,46")
                                      << QList<int>{1, 2, 12, 14, 15, 17, 18, 22, 65, 66, 0, 0} << 10;
    QTest::newRow("a second signal lists no one twice")
        << nmea("GPGSV,1,1,03,05,30,050,47,07,40,208,40,09,10,100,30,1")
               + nmea("GPGSV,1,1,02,07,40,208,38,09,10,100,28,8") + nmea("GQGSV,1,1,01,02,60,100,44,1")
        << QList<int>{5, 7, 9, 2, 0, 0, 0, 0, 0, 0, 0, 0} << 4;
}

void TestGps::satellitesInView()
{
    QFETCH(QByteArray, input);
    QFETCH(QList<int>, numbers);
    QFETCH(int, inView);
    start();
    // Stale satellites from an earlier epoch must not show through.
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

void TestGps::epochs_data()
{
    QTest::addColumn<QByteArray>("input"); // one burst, no quiet gap inside
    QTest::addColumn<QString>("result");   // latitude and satellites used at the end

    const auto at = [](const QByteArray &time, const char *minutes) {
        return nmea("GNRMC," + time + ",A,48" + minutes + ",N,01131.000,E,1.0,90.0,230324,,,A")
               + nmea("GNGSA,A,3,04,05,09,12,24,29,,,,,,,1.8,0.9,1.5");
    };
    QTest::newRow("10 Hz") << at("123519.10", "07.000") + at("123519.20", "07.060") + at("123519.30", "07.120")
                           << "48.118667 6";
    QTest::newRow("time steps back") << at("123520.00", "07.000") + at("123510.00", "07.120")
                                     << "48.118667 6";
}

void TestGps::epochs()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, result);
    start();
    feed(input);
    QCOMPARE(QStringLiteral("%1 %2").arg(m_gps->getLatitude(), 0, 'f', 6).arg(m_gps->getNumSatellitesUsed()), result);
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
    const auto set = [](const QString &date, const QString &time) {
        return QStringList{QStringLiteral("date +%F -s ") + date, QStringLiteral("date +%T -s ") + time,
                           QStringLiteral("hwclock -w -f /dev/rtc0")};
    };
    const QDateTime built = Gps::earliestClockTime();
    QTest::newRow("23:30 UTC, +1 h: next year") << utc(2049, 12, 31, 23, 30, 0) << 3600 << set("2050-1-1", "0:30:0");
    QTest::newRow("leap day, west") << utc(2048, 3, 1, 0, 15, 7) << -7200 << set("2048-2-29", "22:15:7");
    QTest::newRow("build day, west") << built << -3600
                                     << set(built.addDays(-1).date().toString(QStringLiteral("yyyy-M-d")), "23:0:0");
    QTest::newRow("before the build day") << built.addSecs(-1) << 3600 << QStringList();
    QTest::newRow("2050 in UTC") << utc(2050, 12, 31, 23, 59, 59) << 0 << set("2050-12-31", "23:59:59");
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

// The clock waits for an RMC "A" dated after the build, then is set once.
void TestGps::clockOnlyFromTrustworthyFix()
{
    start();
    m_gps->enableSystemTimeSettingViaGps(true);
    const QByteArray later = dayAfterBuild(30);
    // Week rollover while searching, a GGA fix beside an RMC "V", a fix
    // dated before the build.
    feed(nmea("GPRMC,080910,V,0000.0000,N,00000.0000,E,0.0,0.0,070807,,,N")
         + nmea("GPGGA,080910,0000.0000,N,00000.0000,E,0,00,99.99,0.0,M,0.0,M,,"));
    feed(nmea("GPRMC,080911,V,,,,,,," + later + ",,,N")
         + nmea("GPGGA,080911,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
    QVERIFY(m_gps->isGpsDataValid());
    feed(fixAt("080912", "230324"));
    QCOMPARE(m_root->commands(), QStringList());
    QVERIFY(m_gps->isSystemTimeSettingPending());

    feed(fixAt("080913", later));
    const QDate day = QDate::fromString(QString::fromLatin1(later), QStringLiteral("ddMMyy")).addYears(100);
    QCOMPARE(m_root->commands(), (QStringList{"date +%F -s " + day.toString(QStringLiteral("yyyy-M-d")),
                                              "date +%T -s 8:9:13", "hwclock -w -f /dev/rtc0"}));
    QVERIFY(!m_gps->isSystemTimeSettingPending());
    feed(fixAt("080914", later));
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
    // A valid fix (too early for the clock) with absurd counts.
    QTest::newRow("huge numbers") << fixAt("123519", "230315") + nmea("GPGSV,1,1,2147483647,1,1,1,1")
                                         + nmea("GLGSV,1,1,2147483647,1,1,1,1")
                                         + nmea("GPGSA,A,3,9999999999,,,,,,,,,,,,9" + QByteArray(60, '9')
                                                + ".9,1.5,1.0")
                                  << 3;
    // Every GSA of an epoch with twelve new satellites.
    QByteArray manyGsa;
    for (int system = 0; system < 20; ++system) {
        QByteArray numbers;
        for (int i = 1; i <= 12; ++i)
            numbers += QByteArray::number(system * 12 + i) + ',';
        manyGsa += nmea("GNGSA,A,3," + numbers + "1.0,1.0,1.0");
    }
    QTest::newRow("GSA after GSA") << manyGsa << 2;
}

void TestGps::badInputStaysBounded()
{
    QFETCH(QByteArray, chunk);
    QFETCH(int, repeat);
    start();
    m_gps->enableSystemTimeSettingViaGps(true);
    for (int i = 0; i < repeat; ++i) {
        m_gps->receiveData(chunk);
        QVERIFY(m_gps->receiveBufferSize() <= Gps::MaxSentence);
    }
    m_gps->completeEpoch();
    QVERIFY(m_gps->getNmeaString().size() < 7 * Gps::MaxSentence);
    QVERIFY(m_gps->getGpsQuality() >= 0 && m_gps->getGpsQuality() <= 100);
    QVERIFY(m_gps->getNumSatellitesUsed() <= NmeaPositionInfoSourceRaw::MaxUsed);
    QVERIFY(m_gps->getNumSatellitesInView() >= 0);
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
    // Split mid-sentence, as the line hands over whatever has arrived; the
    // quiet line then ends the epoch.
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
