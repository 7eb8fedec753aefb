// The status data's ticks, warnings and sensor replies, and the status bar
// picture, on a simulated root with the main window running.
#include "appsetup.h"
#include "messagedialog.h"
#include "shellfixture.h"
#include "statusbar.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTranslator>
#include <QPointer>
#include <QtTest>

namespace {

// Answers the next modal message dialog with the given button and counts it.
struct DialogAnswer
{
    int shown = 0;
    QString text;
    QTimer poll;
    int tries = 0;
    const char *button = "butMiddle";

    DialogAnswer()
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<MessageDialog *>(QApplication::activeModalWidget());
            if (!dialog && ++tries < 50)
                return;
            poll.stop();
            if (!dialog)
                return;
            ++shown;
            for (QLabel *label : dialog->findChildren<QLabel *>())
                text += label->text() + QLatin1Char('|');
            QTest::mouseClick(dialog->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
        });
    }
    // Answers the next warning within half a second: warnings open from the
    // event loop, a moment after what caused them.
    void arm(const char *which = "butMiddle")
    {
        button = which;
        tries = 0;
        poll.start(10);
    }
};

void tick(const char *slot)
{
    QVERIFY(QMetaObject::invokeMethod(&StatusbarData(), slot));
}

int greenRows(const QImage &image, int x)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QColor c = image.pixelColor(x, y);
        rows += c.green() > 150 && c.red() < 80 && c.blue() < 80;
    }
    return rows;
}

} // namespace

class TestStatusbar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void cleanup()
    {
        StatusbarData().enableDisplayMsgDlg();
        m_shell.reset();
    }

    void sensorBattery_data();
    void sensorBattery();
    void sensorTypeReplies_data();
    void sensorTypeReplies();
    void lowBatteryWarning_data();
    void lowBatteryWarning();
    void emptyBatterySwitchesOff();
    void powerSavingTimes_data();
    void powerSavingTimes();
    void alertsHoldOff();
    void pullingTheWiredSensorAsksForTheRadioSensor();
    void picture_data();
    void picture();

private:
    void start(const QByteArray &settings = QByteArray()) { m_shell = std::make_unique<ShellFixture>(settings); }
    void battery(int percent, const char *microvolts)
    {
        m_shell->root.write(QStringLiteral("/sys/class/power_supply/bq27426-0/capacity"), QByteArray::number(percent) + '\n');
        m_shell->root.write(QStringLiteral("/sys/class/power_supply/bq27426-0/voltage_now"), QByteArray(microvolts) + '\n');
    }
    std::unique_ptr<ShellFixture> m_shell;
    QTranslator m_english;
};

void TestStatusbar::sensorBattery_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("percent");
    QTest::newRow("3399") << "3399" << -1;
    QTest::newRow("3400") << "3400" << 0;
    QTest::newRow("3600") << "3600" << 0;
    QTest::newRow("3605") << "3605" << 1;
    QTest::newRow("3609 rounds down") << "3609" << 1;
    QTest::newRow("4100") << "4100" << 100;
    QTest::newRow("4300") << "4300" << 100;
    QTest::newRow("4301") << "4301" << -1;
    QTest::newRow("blanks") << " 3700\r" << 20;
    QTest::newRow("not a number") << "3.7V" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestStatusbar::sensorBattery()
{
    QFETCH(QString, reply);
    QFETCH(int, percent);
    start();
    StatusbarData().btReceivedBattery(reply);
    QCOMPARE(StatusbarData().batteryMicrophone(), percent);
}

void TestStatusbar::sensorTypeReplies_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("connected");
    // Each reply follows a "2" that marked the sensor connected.
    QTest::newRow("1") << "1" << 1 << 1;
    QTest::newRow("3 hydrogen") << "3" << 3 << 1;
    QTest::newRow("4 is not recognised") << "4" << 5 << 1;
    QTest::newRow("5 pressure transducer") << "5" << 6 << 1;
    QTest::newRow("0 leaves connected") << "0" << 0 << 1;
    QTest::newRow("garbage") << "x7" << 0 << 1;
}

void TestStatusbar::sensorTypeReplies()
{
    QFETCH(QString, reply);
    QFETCH(int, type);
    QFETCH(int, connected);
    start();
    StatusbarData().btReceivedSensortype(QStringLiteral("2"));
    StatusbarData().btReceivedSensortype(reply);
    QCOMPARE(StatusbarData().sensorType(), type);
    QCOMPARE(StatusbarData().micSensorConnected(), connected);
}

void TestStatusbar::lowBatteryWarning_data()
{
    // Steps "percent:microvolts:dialogs expected so far", one per 30-s tick.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("10 % at 3.2 V is no warning") << QStringList{"10:3200000:0", "10:3200000:0"};
    QTest::newRow("9 % warns once") << QStringList{"9:3800000:1", "9:3800000:1", "8:3700000:1"};
    QTest::newRow("recovery re-arms") << QStringList{"9:3800000:1", "11:3200000:1", "9:3800000:2"};
    QTest::newRow("10 % does not re-arm") << QStringList{"9:3800000:1", "10:3900000:1", "9:3800000:1"};
    QTest::newRow("low voltage at any charge") << QStringList{"80:3050000:1", "80:3050000:1"};
    QTest::newRow("voltage not recovered") << QStringList{"80:3050000:1", "80:3100000:1", "80:3050000:1"};
}

void TestStatusbar::lowBatteryWarning()
{
    QFETCH(QStringList, steps);
    start();
    DialogAnswer answer;
    for (const QString &step : steps) {
        const QStringList f = step.split(QLatin1Char(':'));
        battery(f.at(0).toInt(), f.at(1).toLatin1().constData());
        answer.arm();
        tick("rareUpdate");
        QTest::qWait(100);
        QCOMPARE(answer.shown, f.at(2).toInt());
    }
    QCOMPARE(m_shell->log.matching(QStringLiteral("Battery low message accepted")).size(), answer.shown);
}

// The real tick, quickened: while the low-battery warning waits for the
// operator, the next ticks still run and an empty battery switches off
// without a second warning.
void TestStatusbar::emptyBatterySwitchesOff()
{
    start();
    QTimer *rare = StatusbarData().findChild<QTimer *>(QStringLiteral("rareTick"));
    QVERIFY(rare);
    rare->setInterval(20);
    QPointer<QWidget> warning;
    bool poweredOff = false, sameWarning = false, done = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!qobject_cast<MessageDialog *>(QApplication::activeModalWidget()))
            return;
        watch.stop();
        warning = QApplication::activeModalWidget();
        battery(50, "2850000");
        poweredOff = waitFor([&] { return m_shell->root.commands().contains(QStringLiteral("poweroff")); }, 6000);
        sameWarning = QApplication::activeModalWidget() == warning;
        warning->close();
        done = true;
    });
    watch.start(10);
    battery(50, "3000000");
    const bool finished = waitFor([&] { return done; }, 10000);
    rare->setInterval(30000);
    QVERIFY(finished);
    QVERIFY(poweredOff);
    QVERIFY(sameWarning);
    QCOMPARE(m_shell->log.matching(QStringLiteral("beforePowerDown: Finish")).size(), 1);
    QCOMPARE(m_shell->root.commands().filter(QStringLiteral("poweroff")).size(), 1);
}

void TestStatusbar::powerSavingTimes_data()
{
    QTest::addColumn<int>("powerOff");
    QTest::addColumn<int>("displayOff");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("switchedOff");
    QTest::newRow("0 means three days") << 0 << 0 << 3 << false << false;
    QTest::newRow("display off after its time") << 3600 << 10 << 5 << true << false;
    QTest::newRow("not before") << 3600 << 12 << 5 << false << false;
    QTest::newRow("power off after its time") << 60 << 600 << 30 << false << true;
}

void TestStatusbar::powerSavingTimes()
{
    QFETCH(int, powerOff);
    QFETCH(int, displayOff);
    QFETCH(int, ticks);
    QFETCH(bool, dark);
    QFETCH(bool, switchedOff);
    start(QStringLiteral("[Systemsettings]\nPowerOffTime=%1\nDisplayOffTime=%2\nBrightness=6\n")
              .arg(powerOff).arg(displayOff).toLatin1());
    for (int i = 0; i < ticks; ++i)
        tick("update");
    QCOMPARE(StatusbarData().isPowerSavingActive(), dark);
    QCOMPARE(m_shell->root.read(QStringLiteral("/sys/class/backlight/backlight/brightness")),
             dark ? QByteArray("0") : QByteArray("6"));
    QCOMPARE(!m_shell->log.matching(QStringLiteral("Power-Off device")).isEmpty(), switchedOff);
    StatusbarData().resetPowerSavingCnt();
    QCOMPARE(m_shell->root.read(QStringLiteral("/sys/class/backlight/backlight/brightness")), QByteArray("6"));
}

void TestStatusbar::alertsHoldOff()
{
    start();
    Statusbardata &data = StatusbarData();
    DialogAnswer answer;
    answer.arm();
    data.analyseAlert(QStringLiteral("1"));
    QTest::qWait(100);
    QCOMPARE(answer.shown, 1);
    QVERIFY(answer.text.contains(QLatin1String("RM-3")));
    QVERIFY(data.isAlertDialogBlocked());

    // Within the hold-off: the state follows, no second dialog.
    data.btReceivedSensortype(QStringLiteral("1"));
    answer.arm();
    data.analyseAlert(QStringLiteral("2"));
    QTest::qWait(100);
    QCOMPARE(answer.shown, 1);
    QCOMPARE(data.micSensorConnected(), 0);
    data.analyseAlert(QStringLiteral("9"));
    QCOMPARE(data.micSensorConnected(), 1);

    data.enableDisplayMsgDlg();
    m_shell->log.clear();
    answer.arm();
    data.analyseAlert(QStringLiteral("0"));
    QTest::qWait(100);
    QCOMPARE(answer.shown, 2);
    QCOMPARE(data.micSensorConnected(), 0);
    QVERIFY(!m_shell->log.matching(QStringLiteral("BT_TX O")).isEmpty());
}

void TestStatusbar::pullingTheWiredSensorAsksForTheRadioSensor()
{
    start();
    Statusbardata &data = StatusbarData();
    data.btConnected();
    data.btReceivedBattery(QStringLiteral("3900"));
    m_shell->root.write(QStringLiteral("/sys/class/gpio/gpio48/value"), "1\n");
    tick("update");
    QCOMPARE(data.sensorType(), 4);
    m_shell->log.clear();
    tick("update");
    QVERIFY(m_shell->log.matching(QStringLiteral("BT_TX T")).isEmpty());
    m_shell->root.write(QStringLiteral("/sys/class/gpio/gpio48/value"), "0\n");
    tick("update");
    QCOMPARE(data.sensorType(), 0);
    QCOMPARE(m_shell->log.matching(QStringLiteral("BT_TX T")).size(), 1);
}

void TestStatusbar::picture_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("charging");
    QTest::addColumn<bool>("muted");
    QTest::addColumn<int>("greenRows"); // of the gauge's fill, bar 20 px high
    QTest::newRow("50 %, muted") << 50 << false << true << 6;
    QTest::newRow("100 %, open") << 100 << false << false << 13;
    QTest::newRow("0 %, charging") << 0 << true << true << 0;
}

void TestStatusbar::picture()
{
    QFETCH(int, percent);
    QFETCH(bool, charging);
    QFETCH(bool, muted);
    QFETCH(int, greenRows);
    start();
    battery(percent, "3900000");
    m_shell->root.write(QStringLiteral("/sys/class/power_supply/bq24190-battery/status"),
                        charging ? "Charging\n" : "Discharging\n");
    StatusbarData().init();
    tick("update");
    if (!muted)
        m_shell->main->muteAudioPath(false, false);
    Statusbar bar;
    bar.init(480, 20);
    const QImage image = bar.picture();
    QCOMPARE(image.size(), QSize(480, 20));

    auto iconAt = [&](int x, const char *name) {
        const QImage icon = QImage(QStringLiteral(":/Resources/Icons/Tools/Statusbar/") + QLatin1String(name))
                                .convertToFormat(QImage::Format_ARGB32);
        QImage expected(20, 20, QImage::Format_RGB32);
        expected.fill(Qt::black);
        QPainter(&expected).drawImage(0, 0, icon);
        return !icon.isNull() && image.copy(x, 0, 20, 20) == expected;
    };
    QVERIFY(iconAt(220, muted ? "speaker_mute_ws_20px.png" : "speaker_active_ws_20px.png"));
    QVERIFY(iconAt(190, "SwitchMode_Switch_bl_20px.png"));
    QVERIFY(iconAt(50, "Microphone_rt_20px.png"));
    QVERIFY(iconAt(138, "Satellite_rt_20px.png"));
    QVERIFY(iconAt(92, "Headphone_rt_20px.png"));
    QCOMPARE(::greenRows(image, 29), greenRows);
    int red = 0;
    for (int y = 5; y <= 17; ++y) {
        for (int x = 26; x <= 33; ++x)
            red += image.pixelColor(x, y) == QColor(Qt::red);
    }
    QCOMPARE(red > 10, charging);
}

QTEST_MAIN(TestStatusbar)
#include "tst_statusbar.moc"
