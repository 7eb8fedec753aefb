// Language, time zone and date/time dialogs, and the simulated clock they set.
#include "appsetup.h"
#include "datetimeadjust.h"
#include "languageselect.h"
#include "messagedialog.h"
#include "platform.h"
#include "screendriver.h"
#include "screenshot.h"
#include "selecttimezone.h"
#include "shellfixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

const QString kStamp = QStringLiteral("yyyy-MM-dd HH:mm:ss");


void click(QWidget &dialog, const QString &name)
{
    auto *b = dialog.findChild<QPushButton *>(name);
    QVERIFY2(b && b->isVisible() && b->isEnabled(), qPrintable(name));
    QTest::mouseClick(b, Qt::LeftButton);
}

bool near(const QDateTime &a, const QDateTime &b)
{
    return a.isValid() && b.isValid() && qAbs(a.secsTo(b)) <= 2;
}

} // namespace

class TestDateTime : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(loadStyleSheet());
        QVERIFY(installEnglish(m_english));
    }
    void init()
    {
        m_root = std::make_unique<TestRoot>();
        QVERIFY(m_root->isValid());
        m_answerer.texts.clear();
    }
    void cleanup() { m_root.reset(); }

    void languagePagesWrap_data();
    void languagePagesWrap();
    void mapBands_data();
    void mapBands();
    void mapTakesTheRelease();
    void zoneChangeShiftsTheClock_data();
    void zoneChangeShiftsTheClock();
    void dateTimeSetsTheClock_data();
    void dateTimeSetsTheClock();

private:
    // Sets the simulated clock as the program would; the commands it ran
    // are left out of later comparisons.
    void setClock(const QString &stamp)
    {
        QCOMPARE(Platform::execute(QStringLiteral("date"), {QStringLiteral("-s"), stamp}), 0);
        m_setupCommands = m_root->commands().size();
    }
    QStringList newCommands() const { return m_root->commands().mid(m_setupCommands); }

    std::unique_ptr<TestRoot> m_root;
    QTranslator m_english;
    MessageAnswerer m_answerer;
    int m_setupCommands = 0;
};

void TestDateTime::languagePagesWrap_data()
{
    QTest::addColumn<QStringList>("paging");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("language");
    QTest::newRow("first page") << QStringList() << "butItalian" << 4;
    QTest::newRow("third page") << QStringList{"butMenuDown", "butMenuDown"} << "butPolish" << 12;
    QTest::newRow("up from the first") << QStringList{"butMenuUp"} << "butKorean" << 22;
    QTest::newRow("down past the last") << QStringList{"butMenuDown", "butMenuDown", "butMenuDown", "butMenuDown", "butMenuDown"} << "butEnglish" << 1;
    QTest::newRow("down and up") << QStringList{"butMenuDown", "butMenuDown", "butMenuUp"} << "butChinese" << 6;
}

void TestDateTime::languagePagesWrap()
{
    QFETCH(QStringList, paging);
    QFETCH(QString, button);
    QFETCH(int, language);
    LanguageSelect dialog;
    dialog.show();
    if (paging.isEmpty())
        saveScreenshot(&dialog, QStringLiteral("settings-language.png"));
    for (const QString &name : paging)
        click(dialog, name);
    click(dialog, button);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.getSelectedLanguage(), language);
}

void TestDateTime::mapBands_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("zone");
    QTest::newRow("left edge") << 0 << 0;
    QTest::newRow("16") << 16 << 0;
    QTest::newRow("17") << 17 << 1;
    QTest::newRow("119 Manaus") << 119 << 7;
    QTest::newRow("120 Newfoundland") << 120 << 8;
    QTest::newRow("189") << 189 << 12;
    QTest::newRow("190") << 190 << 13;
    QTest::newRow("right edge") << 400 << 30;
    QTest::newRow("past the right") << 401 << 12;
    QTest::newRow("past the left") << -1 << 12;
}

void TestDateTime::mapBands()
{
    QFETCH(int, x);
    QFETCH(int, zone);
    QCOMPARE(SelectTimezone::timezoneAtMapX(x), zone);
}

void TestDateTime::mapTakesTheRelease()
{
    SelectTimezone dialog;
    dialog.init(0, 13, 0);
    dialog.show();
    auto *map = dialog.findChild<QPushButton *>(QStringLiteral("mapbutton"));
    QVERIFY(map);
    // The finger lands on Hawaii and slides to Abu Dhabi before letting go.
    QTest::mousePress(map, Qt::LeftButton, {}, QPoint(20, 80));
    QTest::mouseRelease(map, Qt::LeftButton, {}, QPoint(250, 80));
    QCOMPARE(dialog.getSelectedTimezone(), 17);
    QCOMPARE(dialog.getTimezoneOffset(), 14400);
    QCOMPARE(dialog.getTimezoneName(), QStringLiteral("Abu Dhabi (+4 h)"));
    QCOMPARE(dialog.findChild<QWidget *>(QStringLiteral("labelMarker"))->geometry().center().x(), 261);
    saveScreenshot(&dialog, QStringLiteral("settings-timezone.png"));
}

void TestDateTime::zoneChangeShiftsTheClock_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("start");    // simulated clock before; "": as it is
    QTest::addColumn<int>("shift");        // seconds the clock moves
    QTest::addColumn<QString>("expected"); // clock after; "": start plus shift
    QTest::newRow("Berlin to London") << 0 << 13 << QStringList{"butPrev"} << "" << -3600 << "";
    QTest::newRow("summer time") << 1 << 13 << QStringList{"butSummertime"} << "" << 3600 << "";
    QTest::newRow("summer time once") << 1 << 13 << QStringList{"butSummertime", "butSwitchDst", "butSwitchDst", "butSummertime"}
                                      << "" << 3600 << "";
    QTest::newRow("back and forth") << 0 << 13 << QStringList{"butNext", "butPrev"} << "" << 0 << "";
    QTest::newRow("Berlin 23:30 to Moscow") << 0 << 13 << QStringList{"butNext", "butNext"} << "2030-03-04 23:30:00"
                                            << 7200 << "2030-03-05 01:30:00";
    QTest::newRow("Fiji to Midway wraps") << 0 << 30 << QStringList{"butNext"} << "2030-01-01 12:00:00" << -82800
                                          << "2029-12-31 13:00:00";
}

void TestDateTime::zoneChangeShiftsTheClock()
{
    QFETCH(int, page);
    QFETCH(int, zone);
    QFETCH(QStringList, clicks);
    QFETCH(QString, start);
    QFETCH(int, shift);
    QFETCH(QString, expected);
    if (!start.isEmpty())
        setClock(start);
    SelectTimezone dialog;
    dialog.init(page, zone, 0);
    dialog.show();
    for (const QString &name : clicks)
        click(dialog, name);
    if (page == 1 && QTest::currentDataTag() == QLatin1String("summer time"))
        saveScreenshot(&dialog, QStringLiteral("settings-summertime.png"));
    const QDateTime before = Platform::currentDateTime();
    click(dialog, QStringLiteral("butAccept"));
    const QDateTime after = Platform::currentDateTime();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QDateTime want = expected.isEmpty() ? before.addSecs(shift) : QDateTime::fromString(expected, kStamp);
    QVERIFY2(near(after, want), qPrintable(after.toString(kStamp) + " != " + want.toString(kStamp)));
    if (shift == 0)
        QVERIFY(newCommands().filter(QRegularExpression(QStringLiteral("^date"))).isEmpty());
}

void TestDateTime::dateTimeSetsTheClock_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("source");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("expected"); // clock after; "": not set at all
    QTest::newRow("year 2050 up") << "2050-06-15 10:00:00" << 0 << 1 << QStringList{"butYearUp"} << "2016-06-15 10:00:00";
    QTest::newRow("day 31 up, month 1 down")
        << "2030-01-31 10:00:00" << 0 << 1 << QStringList{"butDayUp", "butMonthDown"} << "2030-12-01 10:00:00";
    QTest::newRow("31.02.") << "2030-01-31 10:00:00" << 0 << 1 << QStringList{"butMonthUp"} << "";
    QTest::newRow("time, hour 0 down") << "2030-03-04 00:00:00" << 1 << 1 << QStringList{"butHourDown", "butMinuteUp"}
                                       << "2030-03-04 23:01:00";
    QTest::newRow("GPS keeps the clock") << "2030-03-04 10:00:00" << 0 << 0 << QStringList() << "";
}

void TestDateTime::dateTimeSetsTheClock()
{
    QFETCH(QString, start);
    QFETCH(int, mode);
    QFETCH(int, source);
    QFETCH(QStringList, clicks);
    QFETCH(QString, expected);
    setClock(start);
    DateTimeAdjust dialog;
    dialog.init(mode, 0, source);
    dialog.show();
    for (const QString &name : clicks)
        click(dialog, name);
    if (QTest::currentDataTag() == QLatin1String("year 2050 up"))
        saveScreenshot(&dialog, QStringLiteral("settings-date.png"));
    if (mode == 1)
        saveScreenshot(&dialog, QStringLiteral("settings-time.png"));
    click(dialog, QStringLiteral("butAccept"));

    const bool invalid = QTest::currentDataTag() == QLatin1String("31.02.");
    // An impossible date keeps the dialog open for a correction.
    QCOMPARE(dialog.isVisible(), invalid);
    QCOMPARE(m_answerer.texts.size(), invalid ? 1 : 0);
    QCOMPARE(dialog.getDateTimeSource(), source);
    if (expected.isEmpty()) {
        QCOMPARE(newCommands(), QStringList());
        QVERIFY(near(Platform::currentDateTime(), QDateTime::fromString(start, kStamp)));
        return;
    }
    QCOMPARE(newCommands().last(), QStringLiteral("hwclock -w -f /dev/rtc0"));
    QVERIFY(near(Platform::currentDateTime(), QDateTime::fromString(expected, kStamp)));
    QCOMPARE(m_root->read(QStringLiteral("/sim/rtc-offset")), m_root->read(QStringLiteral("/sim/clock-offset")));
}

QTEST_MAIN(TestDateTime)
#include "tst_datetime.moc"
