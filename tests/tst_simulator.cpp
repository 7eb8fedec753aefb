// The device simulator: the root it lays out, its serial lines and its
// control commands, seen from outside as the program and a tester see them.
#include "simroot.h"
#include "testroot.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QtTest>

#include <memory>

class TestSimulator : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_root = std::make_unique<TestRoot>(); QVERIFY(m_root->isValid()); }
    void cleanup() { m_root.reset(); }

    void laysOutEveryDeviceFile_data();
    void laysOutEveryDeviceFile();
    void keepsWhatTheProgramWrote();
    void serialLinesArePseudoTerminals();
    void controlCommands_data();
    void controlCommands();
    void takesCommandsFromFifoAndScript();
    void endsCleanlyOnSignal();

private:
    std::unique_ptr<TestRoot> m_root;
};

void TestSimulator::laysOutEveryDeviceFile_data()
{
    QTest::addColumn<QString>("path");
    QStringList files = {
        "/sys/class/gpio/export",
        "/sys/class/pwm/pwmchip1/export",
        "/sys/class/pwm/pwmchip1/pwm0/period",
        "/sys/class/pwm/pwmchip1/pwm0/duty_cycle",
        "/sys/class/pwm/pwmchip1/pwm0/enable",
        "/sys/class/backlight/backlight/brightness",
        "/sys/class/power_supply/bq27426-0/capacity",
        "/sys/class/power_supply/bq27426-0/voltage_now",
        "/sys/class/power_supply/bq27426-0/current_now",
        "/sys/class/power_supply/bq27426-0/temp",
        "/sys/class/power_supply/bq24190-battery/status",
        "/sys/bus/iio/devices/iio:device0/scan_elements/in_voltage0_en",
        "/sys/bus/iio/devices/iio:device0/buffer/length",
        "/sys/bus/iio/devices/iio:device0/buffer/enable",
        "/sys/bus/iio/devices/iio:device0/in_voltage1_raw",
        "/sys/bus/iio/devices/iio:device0/in_voltage4_raw",
        "/sys/bus/iio/devices/iio:device0/in_voltage5_raw",
        "/sys/bus/i2c/devices/1-0018/registers",
        "/dev/iio:device0",
        "/home/root/serialNumber",
        "/home/root/productionDate",
        "/home/root/bspinfo",
    };
    for (int line : {16, 17, 48, 50, 54, 58, 59, 65, 96, 113, 114, 115}) {
        files << QStringLiteral("/sys/class/gpio/gpio%1/direction").arg(line)
              << QStringLiteral("/sys/class/gpio/gpio%1/value").arg(line);
    }
    for (const char *name : {"fsck", "mount", "umount", "poweroff", "reboot", "date", "hwclock",
                                "modprobe", "alsactl", "rm", "df"})
        files << QStringLiteral("/bin/") + QLatin1String(name);
    for (const QString &f : files)
        QTest::newRow(qPrintable(f)) << f;
    for (const char *d : {"/media/kx500", "/media/ramdisk", "/home/root", "/var/lib/alsa"})
        QTest::newRow(d) << QString::fromLatin1(d);
}

void TestSimulator::laysOutEveryDeviceFile()
{
    QFETCH(QString, path);
    const QFileInfo fi(m_root->file(path));
    QVERIFY2(fi.exists(), qPrintable(path));
    if (path.startsWith(QLatin1String("/bin/")))
        QVERIFY(fi.isExecutable());
}

void TestSimulator::keepsWhatTheProgramWrote()
{
    QVERIFY(m_root->write(QStringLiteral("/sys/class/gpio/gpio17/value"), "1"));
    QVERIFY(m_root->write(QStringLiteral("/home/root/settings.ini"), "[Language]\n"));
    QVERIFY(m_root->write(QStringLiteral("/media/kx500/systemInfo.txt"), "line\n"));
    QVERIFY(SimRoot::create(m_root->root()));
    QCOMPARE(m_root->read(QStringLiteral("/sys/class/gpio/gpio17/value")), QByteArray("1"));
    QCOMPARE(m_root->read(QStringLiteral("/home/root/settings.ini")), QByteArray("[Language]\n"));
    QCOMPARE(m_root->read(QStringLiteral("/media/kx500/systemInfo.txt")), QByteArray("line\n"));
}

void TestSimulator::serialLinesArePseudoTerminals()
{
    SimProcess sim;
    QVERIFY(sim.start(m_root->root()));
    for (int n = 1; n <= 3; ++n) {
        const QFileInfo link(m_root->file(QStringLiteral("/dev/ttyO%1").arg(n)));
        QVERIFY(link.isSymLink());
        QVERIFY(link.symLinkTarget().startsWith(QLatin1String("/dev/pts/")));
    }

    // The program's side opens the line like a real port; the bytes, control
    // characters included, appear in the line's log. Closing and reopening works.
    for (int round = 0; round < 2; ++round) {
        QSerialPort port(m_root->file(QStringLiteral("/dev/ttyO2")));
        port.setBaudRate(115200);
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
        QVERIFY(port.write("AT\r\n\x01") == 5);
        QVERIFY(port.waitForBytesWritten(1000));
        port.close();
    }
    // A read may split what one write sent: compare the stream, not the lines.
    auto received = [&] {
        QByteArray stream;
        for (const QByteArray &line : m_root->read(QStringLiteral("/sim/ttyO2.log")).split('\n')) {
            const int at = line.indexOf(" RX ");
            if (at >= 0)
                stream += line.mid(at + 4);
        }
        return stream;
    };
    QVERIFY(waitFor([&] { return received() == "AT\\r\\n\\x01AT\\r\\n\\x01"; }));
    QVERIFY(m_root->read(QStringLiteral("/sim/ttyO3.log")).isEmpty());
}

void TestSimulator::controlCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");

    const QString gauge = QStringLiteral("/sys/class/power_supply/bq27426-0/");
    QTest::newRow("battery") << "battery 9 3.2" << true << gauge + "voltage_now" << QByteArray("3200000\n");
    QTest::newRow("battery percent") << "battery 9 3.2" << true << gauge + "capacity" << QByteArray("9\n");
    QTest::newRow("charging") << "battery 50 4.05 charging" << true
                              << "/sys/class/power_supply/bq24190-battery/status" << QByteArray("Charging\n");
    QTest::newRow("current") << "battery 50 4.05 charging 800" << true << gauge + "current_now" << QByteArray("800000\n");
    QTest::newRow("percent too high") << "battery 101 4.0" << false << gauge + "capacity" << QByteArray("80\n");
    QTest::newRow("volts not a number") << "battery 50 abc" << false << gauge + "voltage_now" << QByteArray("3900000\n");
    QTest::newRow("bad charger") << "battery 50 4.0 maybe" << false
                                 << "/sys/class/power_supply/bq24190-battery/status" << QByteArray("Discharging\n");
    QTest::newRow("wired on") << "wired on" << true << "/sys/class/gpio/gpio48/value" << QByteArray("1\n");
    QTest::newRow("wired bad") << "wired maybe" << false << "/sys/class/gpio/gpio48/value" << QByteArray("0\n");
    QTest::newRow("unknown") << "teleport now" << false << "/sim/commands.log" << QByteArray();
    QTest::newRow("case and blanks") << "  WIRED   on  " << true << "/sys/class/gpio/gpio48/value" << QByteArray("1\n");
}

void TestSimulator::controlCommands()
{
    QFETCH(QString, command);
    QFETCH(bool, accepted);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    SimProcess sim;
    QVERIFY(sim.start(m_root->root()));
    const QString answer = sim.command(command);
    QVERIFY2(answer.startsWith(accepted ? QLatin1String("ok ") : QLatin1String("error ")), qPrintable(answer));
    QCOMPARE(m_root->read(file), content);
}

void TestSimulator::takesCommandsFromFifoAndScript()
{
    const QString script = m_root->file(QStringLiteral("/sim/test.script"));
    QVERIFY(m_root->write(QStringLiteral("/sim/test.script"),
                          "# unplug after a while\nwired on\nwait 300\nwired off\nbattery 5 3.0\n"));
    SimProcess sim;
    QVERIFY(sim.start(m_root->root(), {QStringLiteral("--script"), script}));
    QVERIFY(waitFor([&] { return m_root->read(QStringLiteral("/sim/control.log")).contains("ok battery 5 3.0"); }));
    QCOMPARE(m_root->read(QStringLiteral("/sim/control.log")),
             QByteArray("ok wired on\nok wait 300\nok wired off\nok battery 5 3.0\n"));
    QCOMPARE(m_root->read(QStringLiteral("/sys/class/gpio/gpio48/value")), QByteArray("0\n"));

    QFile fifo(m_root->file(QStringLiteral("/sim/control")));
    QVERIFY(fifo.open(QIODevice::WriteOnly));
    fifo.write("wired on\n");
    fifo.write(QByteArray(10000, 'x') + "\nwired nonsense\n"); // an overlong line is dropped whole
    fifo.close();
    QVERIFY(waitFor([&] { return m_root->read(QStringLiteral("/sim/control.log")).contains("wired nonsense"); }));
    QCOMPARE(m_root->read(QStringLiteral("/sys/class/gpio/gpio48/value")), QByteArray("1\n"));
    QVERIFY(!m_root->read(QStringLiteral("/sim/control.log")).contains("xxxx"));
}

void TestSimulator::endsCleanlyOnSignal()
{
    SimProcess sim;
    QVERIFY(sim.start(m_root->root()));
    QVERIFY(m_root->write(QStringLiteral("/media/kx500/meas.txt"), "stored"));
    QCOMPARE(sim.terminate(), 0);
    QCOMPARE(m_root->read(QStringLiteral("/media/kx500/meas.txt")), QByteArray("stored"));
    QVERIFY(!QFileInfo(m_root->file(QStringLiteral("/dev/ttyO2"))).isSymLink());
    QVERIFY(QFileInfo::exists(m_root->file(QStringLiteral("/sim/commands.log"))));
}

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
