// The pressure screen fed the sensor's blocks directly: conversion with the
// announced calibration, the bounded minute, the temporary files, the
// statistics, the x modes and analysis paging, and saving.
#include "appsetup.h"
#include "pressuresensor.h"
#include "shellfixture.h"
#include "virtualkeyboard.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

namespace {

// count readings, each 3 hex digits and a comma, as the driver passes them on.
QString block(const QVector<int> &readings)
{
    QString data;
    for (int r : readings)
        data += QStringLiteral("%1,").arg(r, 3, 16, QLatin1Char('0')).toUpper();
    return data;
}

} // namespace

class TestPressureSensor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void cleanup() { m_shell.reset(); }

    void readingsInBar_data();
    void readingsInBar();
    void oneMinuteStaysBounded_data();
    void oneMinuteStaysBounded();
    void statistics_data();
    void statistics();
    void minuteFiles();
    void xModesAndPaging_data();
    void xModesAndPaging();
    void save_data();
    void save();

private:
    // The screen open, calibrated for 16 bar over 0x100..0xF00 and receiving.
    PressureSensor *open()
    {
        m_shell = std::make_unique<ShellFixture>();
        PressureSensor *screen = m_shell->showScreen<PressureSensor>(11);
        screen->enableReceivePressuredata(true, 16, 0x100, 0xF00);
        screen->switchActiveMute(false);
        return screen;
    }
    void click(PressureSensor *screen, const QString &button)
    {
        QTest::mouseClick(screen->findChild<QPushButton *>(button), Qt::LeftButton);
    }
    QString text(PressureSensor *screen, const char *label)
    {
        return screen->findChild<QLabel *>(QLatin1String(label))->text();
    }

    std::unique_ptr<ShellFixture> m_shell;
    QTranslator m_english;
};

void TestPressureSensor::readingsInBar_data()
{
    QTest::addColumn<QString>("state"); // "", "paused" or "uncalibrated"
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("bar"); // of the one value kept, "" for none
    QTest::newRow("middle") << "" << 0x800 << "8.00";
    QTest::newRow("below zero: clamped") << "" << 0x0F0 << "0.00";
    QTest::newRow("zero") << "" << 0x100 << "0.00";
    QTest::newRow("full scale") << "" << 0xF00 << "16.00";
    QTest::newRow("over full scale kept") << "" << 0xFFF << "17.14";
    QTest::newRow("paused: dropped") << "paused" << 0x800 << "";
    QTest::newRow("no transducer: dropped") << "uncalibrated" << 0x800 << "";
}

void TestPressureSensor::readingsInBar()
{
    QFETCH(QString, state);
    QFETCH(int, reading);
    QFETCH(QString, bar);
    PressureSensor *screen = open();
    if (state == QLatin1String("paused"))
        screen->switchActiveMute(true);
    if (state == QLatin1String("uncalibrated"))
        screen->enableReceivePressuredata(false, 0, 0, 0);
    screen->pressuredataReceived(1, block({reading}));
    QCOMPARE(screen->dataCount(), bar.isEmpty() ? 0 : 1);
    if (!bar.isEmpty()) {
        QCOMPARE(QString::number(double(screen->value(0)), 'f', 2), bar);
        QCOMPARE(text(screen, "labelCurrent"), bar + QStringLiteral(" bar"));
    }
}

void TestPressureSensor::oneMinuteStaysBounded_data()
{
    QTest::addColumn<QList<int>>("blockSizes"); // repeated until 70 s of values
    QTest::newRow("25 every 250 ms") << QList<int>{25};
    QTest::newRow("full blocks") << QList<int>{50};
    QTest::newRow("uneven blocks") << QList<int>{7, 50, 1, 33};
}

// Each value is its own sequence number (in steps of 1/224 bar), so the
// buffer's order shows which values were dropped.
void TestPressureSensor::oneMinuteStaysBounded()
{
    QFETCH(QList<int>, blockSizes);
    PressureSensor *screen = open();
    int sent = 0;
    for (int b = 0; sent < 70 * PressureSensor::ValuesPerSecond; ++b) {
        QVector<int> readings;
        for (int i = 0; i < blockSizes[b % blockSizes.size()]; ++i)
            readings << 0x100 + (sent++ % 3000);
        screen->pressuredataReceived(readings.size(), block(readings));
        QVERIFY2(screen->dataCount() <= PressureSensor::MaxValues, qPrintable(QString::number(sent)));
    }
    QCOMPARE(screen->dataCount(), PressureSensor::MaxValues);
    const auto sequence = [&](int i) { return qRound(screen->value(i) * 224); };
    QCOMPARE(sequence(PressureSensor::MaxValues - 1), (sent - 1) % 3000);
    QCOMPARE(sequence(0), (sent - PressureSensor::MaxValues) % 3000);
}

void TestPressureSensor::statistics_data()
{
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QString>("expected"); // max min average deviation current
    QTest::newRow("four") << QList<float>{1, 2, 3, 4} << "4.00 1.00 2.50 1.12 2.50";
    QList<float> step;
    for (int i = 0; i < 150; ++i)
        step << (i < 50 ? 2.0f : 4.0f);
    QTest::newRow("current is the last second") << step << "4.00 2.00 3.33 0.94 4.00";
    QTest::newRow("all above full scale") << QList<float>{17, 18} << "18.00 17.00 17.50 0.50 17.50";
    QTest::newRow("none") << QList<float>{} << "0.00 0.00 0.00 0.00 0.00";
}

void TestPressureSensor::statistics()
{
    QFETCH(QList<float>, values);
    QFETCH(QString, expected);
    const QVector<float> v = values.toVector();
    const PressureSensor::Statistics s = PressureSensor::statistics(v.constData(), v.size());
    QStringList got;
    for (float f : {s.max, s.min, s.average, s.deviation, s.current})
        got << QString::number(double(f), 'f', 2);
    QCOMPARE(got.join(QLatin1Char(' ')), expected);
}

// A minute and one block: two high-resolution lines of time and values,
// and a low-resolution line at the start of each minute.
void TestPressureSensor::minuteFiles()
{
    PressureSensor *screen = open();
    const QVector<int> eight(25, 0x800);
    for (int b = 0; b < 240; ++b)
        screen->pressuredataReceived(25, block(eight));
    screen->pressuredataReceived(25, block(QVector<int>(25, 0x100)));
    const QStringList high = QString::fromLatin1(m_shell->root.read(PressureSensor::highResFile())).split(QStringLiteral("\r\n"));
    QCOMPARE(high.size(), 3);
    QVERIFY(high[0].isEmpty());
    const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d;"));
    QVERIFY(high[1].contains(time) && high[2].contains(time));
    QCOMPARE(high[1].mid(9), QStringLiteral("8.00;").repeated(6000));
    QCOMPARE(high[2].mid(9), QStringLiteral("0.00;").repeated(25));
    const QStringList low = QString::fromLatin1(m_shell->root.read(PressureSensor::lowResFile())).split(QStringLiteral("\r\n"));
    QCOMPARE(low.size(), 3);
    QCOMPARE(low[0].mid(8), QStringLiteral(";8.00;8.00;8.00;0.00;"));
    // The second minute begins over the first minute's values.
    QCOMPARE(low[1].mid(8), QStringLiteral(";8.00;0.00;7.97;0.52;"));
    QCOMPARE(low[2], QString());
}

void TestPressureSensor::xModesAndPaging_data()
{
    // Buttons pressed in turn; after each, "mode start end" of the window.
    QTest::addColumn<int>("values");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QStringList>("windows");
    QTest::newRow("live: scale X wraps from 1 s to 60 s")
        << 100 << QStringList{"ScaleX", "ScaleX", "ScaleX", "ScaleX", "ScaleX"}
        << QStringList{"1 0 0", "2 0 0", "3 0 0", "4 0 0", "0 0 0"};
    QTest::newRow("analysis: prev at 0, next up to the last window")
        << 6000 << QStringList{"Analyse", "AnalysePrev", "AnalyseNext", "AnalyseNext", "AnalyseNext", "AnalyseNext",
                               "AnalyseNext", "AnalyseNext", "AnalysePrev"}
        << QStringList{"2 0 1000", "2 0 1000", "2 1000 2000", "2 2000 3000", "2 3000 4000", "2 4000 5000",
                       "2 5000 6000", "2 5000 6000", "2 4000 5000"};
    QTest::newRow("analysis: short recording does not page")
        << 700 << QStringList{"Analyse", "AnalyseNext", "AnalyseScaleX", "AnalyseNext", "AnalyseScaleX"}
        << QStringList{"2 0 1000", "2 0 1000", "3 0 500", "3 200 700", "4 200 300"};
    QTest::newRow("analysis: wider window keeps its start, capped at a minute")
        << 6000 << QStringList{"Analyse", "AnalyseNext", "AnalyseNext", "AnalyseNext", "AnalyseNext", "AnalyseNext",
                               "AnalyseScaleX", "AnalyseScaleX", "AnalyseScaleX", "AnalyseScaleX"}
        << QStringList{"2 0 1000", "2 1000 2000", "2 2000 3000", "2 3000 4000", "2 4000 5000", "2 5000 6000",
                       "3 5000 5500", "4 5000 5100", "0 5000 6000", "1 5000 6000"};
}

void TestPressureSensor::xModesAndPaging()
{
    QFETCH(int, values);
    QFETCH(QStringList, presses);
    QFETCH(QStringList, windows);
    PressureSensor *screen = open();
    for (int sent = 0; sent < values; sent += 50)
        screen->pressuredataReceived(50, block(QVector<int>(50, 0x800)));
    for (int i = 0; i < presses.size(); ++i) {
        click(screen, QStringLiteral("butMenu") + presses[i]);
        const QString window = QStringLiteral("%1 %2 %3").arg(screen->xScaleMode())
            .arg(screen->isAnalysing() ? screen->analyseStart() : 0).arg(screen->isAnalysing() ? screen->analyseEnd() : 0);
        QVERIFY2(window == windows[i], qPrintable(QStringLiteral("%1: %2").arg(i).arg(window)));
    }
    QCOMPARE(text(screen, "labelTime"), QStringLiteral("%1 s").arg(PressureSensor::secondsOfMode(screen->xScaleMode())));
    // Analysis pauses the stream.
    QCOMPARE(screen->isMuted(), screen->isAnalysing());
}

void TestPressureSensor::save_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("named") << true;
    QTest::newRow("cancelled") << false;
}

void TestPressureSensor::save()
{
    QFETCH(bool, accept);
    PressureSensor *screen = open();
    screen->pressuredataReceived(3, block({0x800, 0x900, 0x100}));
    QTimer::singleShot(100, [accept] {
        auto *keyboard = qobject_cast<VirtualKeyboard *>(QApplication::activeModalWidget());
        QVERIFY(keyboard);
        keyboard->setText(QStringLiteral(" Hydrant 7 "));
        QTest::mouseClick(keyboard->findChild<QPushButton *>(accept ? QStringLiteral("but_Accept") : QStringLiteral("but_Close")),
                          Qt::LeftButton);
    });
    click(screen, QStringLiteral("butMenuSave"));
    QVERIFY(screen->isMuted());
    const QDir meas(m_shell->root.file(QStringLiteral("/media/kx500/meas")));
    const QStringList stored = meas.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    if (!accept) {
        QCOMPARE(stored, QStringList());
        return;
    }
    QCOMPARE(stored.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^PS_\\d{8}_\\d{6}_Hydrant 7$")).match(stored[0]).hasMatch(),
             qPrintable(stored[0]));
    const QString dir = meas.filePath(stored[0]);
    QSettings ini(dir + QStringLiteral("/info.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Measurementinfo/Measurementtype")).toString(), QStringLiteral("Pressuresensor"));
    QCOMPARE(ini.value(QStringLiteral("Measurementinfo/Measurementname")).toString(), QStringLiteral("Hydrant 7"));
    QCOMPARE(ini.value(QStringLiteral("GPS-Positions/GPS-Position")).toString().count(QLatin1Char(',')), 1);
    QCOMPARE(ini.value(QStringLiteral("Pressuresensor/Sensor")).toString(), QStringLiteral("16.0 bar"));
    QCOMPARE(ini.value(QStringLiteral("Pressuresensor/MinCalibrationValue")).toInt(), 0x100);
    QCOMPARE(ini.value(QStringLiteral("Pressuresensor/MaxCalibrationValue")).toInt(), 0xF00);
    for (const QString &pair : {QStringLiteral("LowResData.txt pressureLowRes.txt"),
                                QStringLiteral("HighResData.txt pressureHighRes.txt")}) {
        QFile copy(dir + QLatin1Char('/') + pair.section(QLatin1Char(' '), 0, 0));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        const QByteArray original = m_shell->root.read(QStringLiteral("/media/kx500/temp/") + pair.section(QLatin1Char(' '), 1));
        QVERIFY(!original.isEmpty());
        QCOMPARE(copy.readAll(), original);
    }
}

QTEST_MAIN(TestPressureSensor)
#include "tst_pressuresensor.moc"
