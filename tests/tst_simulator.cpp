// The device simulator: the root it lays out, its serial lines and its
// control commands, seen from outside as the program and a tester see them.
#include "simroot.h"
#include "testroot.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QtTest>

#include <memory>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

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
    void bluetoothExchanges_data();
    void bluetoothExchanges();
    void pairedSettings_data();
    void pairedSettings();
    void gnssReceiver_data();
    void gnssReceiver();
    void walksAPipe_data();
    void walksAPipe();

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
    // The PC writes onto the partition only while the gadget exports it.
    const QString put = QStringLiteral("usb put ROOT/home/root/serialNumber ");
    QTest::newRow("usb put") << put + "do_serialNumber" << true << "/sim/usb-partition/do_serialNumber" << QByteArray("KX5-00001\n");
    QTest::newRow("usb put not exported") << put + "do_x" << false << "/sim/usb-partition/do_x" << QByteArray();
    QTest::newRow("usb put outside") << put + "../x" << false << "/sim/x" << QByteArray();
}

void TestSimulator::controlCommands()
{
    QFETCH(QString, command);
    QFETCH(bool, accepted);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    SimProcess sim;
    QVERIFY(sim.start(m_root->root()));
    if (command.startsWith(QLatin1String("usb")) && !QByteArray(QTest::currentDataTag()).contains("not exported"))
        QVERIFY(m_root->write(QStringLiteral("/sim/gadget"), "g_mass_storage file=/dev/mmcblk0p3 \n"));
    const QString answer = sim.command(command.replace(QLatin1String("ROOT"), m_root->root()));
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

namespace {

// The program's side of a module's serial line, as plain file descriptors.
class PtyPeer
{
public:
    explicit PtyPeer(const QString &path) : m_fd(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        termios tio;
        if (m_fd >= 0 && tcgetattr(m_fd, &tio) == 0) {
            cfmakeraw(&tio);
            tcsetattr(m_fd, TCSANOW, &tio);
        }
    }
    ~PtyPeer()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }
    bool send(const QByteArray &bytes)
    {
        for (int done = 0; done < bytes.size();) {
            const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
            pollfd p{m_fd, POLLOUT, 0};
            if (n > 0)
                done += int(n);
            else if (errno != EAGAIN || ::poll(&p, 1, 2000) <= 0)
                return false;
        }
        return true;
    }
    // The next line, without its "\r\n"; false on time-out.
    bool line(QByteArray *out, int timeoutMs)
    {
        QElapsedTimer t;
        t.start();
        for (;;) {
            const int at = m_buffer.indexOf("\r\n");
            if (at >= 0) {
                *out = m_buffer.left(at);
                m_buffer.remove(0, at + 2);
                return true;
            }
            pollfd p{m_fd, POLLIN, 0};
            const int left = timeoutMs - int(t.elapsed());
            if (left <= 0 || ::poll(&p, 1, left) <= 0)
                return false;
            char buffer[4096];
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n > 0)
                m_buffer.append(buffer, int(n));
        }
    }

private:
    int m_fd;
    QByteArray m_buffer;
};

const QByteArray SensorAddr = "00:07:80:4d:33:01";
const QByteArray HeadphoneAddr = "00:1b:66:0a:21:5c";
const QByteArrayList SinkA2dp = {"> SET CONTROL AUTOCALL 19 500 A2DP", "< CONNECT 0 A2DP 19", "< CONNECT 1 A2DP 19",
                                 "< A2DP STREAMING START"};
// Carrier must already be high when CONNECT is read; RDY follows power-up.
const QByteArrayList SensorLink = SinkA2dp
    + QByteArrayList{"> CALL " + SensorAddr + " 1101 RFCOMM", "< CALL 2", "< CONNECT 2 RFCOMM 1", "cd! 1",
                     "< BT_RX RDY 3950 1"};
const QByteArrayList Dropped = {"< NO CARRIER 0 ERROR 0", "< NO CARRIER 1 ERROR 0", "< A2DP STREAMING STOP"};

} // namespace

// Steps: "> text" the program sends text and a line feed; "< text" the next
// line from the module; "<~ text" one that begins so; "quiet MS" no line for
// MS; "! cmd" a control command; "dtr V" the program writes DTR; "cd V" carrier
// detect becomes V; "cd! V" carrier detect is V already; "sound V" the sound
// model's muted flag becomes V; "<# text LO HI" a line of text and a number
// from LO to HI.
void TestSimulator::bluetoothExchanges_data()
{
    QTest::addColumn<QString>("tty");
    QTest::addColumn<QByteArrayList>("steps");
    const QString sink = QStringLiteral("/dev/ttyO2"), source = QStringLiteral("/dev/ttyO3");

    QTest::newRow("autocall, list, autocall off") << sink << SinkA2dp + QByteArrayList{
        "> LIST", "< LIST 2", "< LIST 0 CONNECTED A2DP " + SensorAddr, "< LIST 1 CONNECTED A2DP " + SensorAddr,
        "> SET CONTROL AUTOCALL", "! link drop sensor"} + Dropped + QByteArrayList{"! link restore sensor", "quiet 1200"};
    // DTR held high does nothing; only its rising edge ends data mode.
    QTest::newRow("data mode and DTR edge") << sink << QByteArrayList{"dtr 1"} + SensorLink + QByteArrayList{
        "> BT_TX P", ">", "< BT_RX SENSOR 1", "< BT_RX MIC-GAIN 0f", "< BT_RX BATT_VOLTAGE 3950",
        "< BT_RX FW-VERSION 2.10", "< BT_RX HW-VERSION 1.3", "< BT_RX BUTTON SWITCH", "< BT_RX MUTE_STATE MUTE",
        "< !$!", "dtr 0", "> BT_TX I 13 ACTIVE PUSHBUT", "< BT_RX OK", "sound 0", "dtr 1", "cd 0",
        "> LIST", "< LIST 3", "< LIST 0 CONNECTED A2DP " + SensorAddr, "< LIST 1 CONNECTED A2DP " + SensorAddr,
        "< LIST 2 CONNECTED RFCOMM " + SensorAddr, "! sensor key release", "quiet 300", "> SELECT 2", "cd 1",
        "< BT_RX MUTE_STATE MUTE", "sound 1", "> BT_TX G 15", "< BT_RX OK", "! sensor key press",
        "< BT_RX MUTE_STATE ACTIVE", "sound 0"};
    QTest::newRow("link drop in data mode") << sink << SensorLink + QByteArrayList{
        "! link drop", "< NO CARRIER 2 ERROR 0", "cd! 0"} + Dropped + QByteArrayList{"! link restore"}
        + SinkA2dp.mid(1) + QByteArrayList{"> CALL " + SensorAddr + " 1101 RFCOMM", "< CALL 2", "< CONNECT 2 RFCOMM 1",
                                           "> BT_TX T", "< BT_RX SENSOR 1"};
    QTest::newRow("slow, then silent") << sink << SensorLink + QByteArrayList{
        "! sensor answers slow", "> BT_TX B", "quiet 1500", "< BT_RX BATT_VOLTAGE 3950",
        "! sensor answers silent", "> BT_TX S", "quiet 1500", "! sensor answers normal", "> BT_TX Q",
        "< BT_RX RCVOK ?"};
    // Clean air reads 1200 +- 4; 300 level units right at the escape, a
    // third of that (e^-1) one spread away.
    QTest::newRow("H2 probe over a gas escape") << sink << SensorLink + QByteArrayList{
        "! sensor type 3", "< BT_RX SENSOR 3", "> BT_TX S", "<# BT_RX SENSVAL 1196 1204",
        "! gas at 20 level 300 spread 4", "! sensor at 20", "> BT_TX S", "<# BT_RX SENSVAL 2425 2433",
        "! sensor step 4", "> BT_TX S", "<# BT_RX SENSVAL 1648 1656", "! sensor value 2048", "> BT_TX S",
        "<~ BT_RX SENSVAL 2048 ", "! gas off", "! sensor at 200", "> BT_TX S", "<# BT_RX SENSVAL 1196 1204"};
    QTest::newRow("silent unit refuses the call") << sink << SinkA2dp + QByteArrayList{
        "! sensor answers silent", "> CALL " + SensorAddr + " 1101 RFCOMM", "< CALL 2",
        "< NO CARRIER 2 ERROR 406 RFC_CONNECTION_FAILED", "cd! 0"};
    const QByteArray packet0 = "> BT_TX FD 000 064 " + QByteArray("a5").repeated(64);
    QTest::newRow("firmware update and restart") << sink << SensorLink + QByteArrayList{
        "> BT_TX FH 0 1.3.0", "< BT_RX FH FAIL", "> BT_TX FH 70 1.3.0", "< BT_RX FH OK",
        "> BT_TX FD 001 006 0102030405ff", "< BT_RX FD 001 ERROR",
        "> BT_TX FD 000 064 " + QByteArray("A5").repeated(64), "< BT_RX FD 000 ERROR",
        packet0, "< BT_RX FD 000 OK", "> BT_TX FD 001 007 0102030405ff00", "< BT_RX FD 001 ERROR",
        "> BT_TX FD 001 006 0102030405ff", "< BT_RX FD 001 OK", "> BT_TX FS", "< BT_RX FS OK",
        "< NO CARRIER 2 ERROR 0"} + Dropped + SinkA2dp.mid(1) + QByteArrayList{
        "> CALL " + SensorAddr + " 1101 RFCOMM", "< CALL 2", "< CONNECT 2 RFCOMM 1", "< BT_RX RDY 3950 1",
        "> BT_TX P", "< BT_RX SENSOR 1", "< BT_RX MIC-GAIN 0f", "< BT_RX BATT_VOLTAGE 3950",
        "< BT_RX FW-VERSION 1.3.0"};
    const QByteArrayList packets = {"> BT_TX FH 70 1.3.0", "< BT_RX FH OK", packet0, "< BT_RX FD 000 OK",
                                    "> BT_TX FD 001 006 0102030405ff"};
    const QByteArrayList reconnect = QByteArrayList{"< NO CARRIER 2 ERROR 0"} + Dropped + SinkA2dp.mid(1)
        + QByteArrayList{"> CALL " + SensorAddr + " 1101 RFCOMM", "< CALL 2", "< CONNECT 2 RFCOMM 1",
                         "< BT_RX RDY 3950 1"};
    QTest::newRow("packet refused once, then taken") << sink << SensorLink + QByteArrayList{"! sensor update err 1"}
        + packets + QByteArrayList{"< BT_RX FD 001 ERROR", packets.last(), "< BT_RX FD 001 OK", "> BT_TX FS",
                                   "< BT_RX FS OK"} + reconnect;
    // The unit stays away past its restart time, then comes back unchanged.
    QTest::newRow("flash fails") << sink << SensorLink + QByteArrayList{"! sensor update norestart"} + packets
        + QByteArrayList{"< BT_RX FD 001 OK", "> BT_TX FS", "< BT_RX FS OK", "< NO CARRIER 2 ERROR 0"} + Dropped
        + QByteArrayList{"quiet 3500", "! sensor update normal"} + reconnect.mid(1 + Dropped.size())
        + QByteArrayList{"> BT_TX P", "< BT_RX SENSOR 1", "< BT_RX MIC-GAIN 0f", "< BT_RX BATT_VOLTAGE 3950",
                         "< BT_RX FW-VERSION 2.10"};
    QTest::newRow("incomplete firmware") << sink << SensorLink + QByteArrayList{
        "> BT_TX FH 100 1.3.0", "< BT_RX FH OK", packet0, "< BT_RX FD 000 OK", "> BT_TX FS", "< BT_RX FS ERROR",
        "> BT_TX B", "< BT_RX BATT_VOLTAGE 3950"};
    QTest::newRow("garbage") << sink << QByteArrayList{
        "> \x01\xff\x7f", "< SYNTAX ERROR", "> AT", "< OK", "> " + QByteArray(10000, 'x'), "> LIST", "< LIST 0"}
        + SensorLink + QByteArrayList{"> BT_TX B " + QByteArray(300, 'y'), "> BT_TX \x01\xfe", "quiet 300",
                                      "> BT_TX T", "< BT_RX SENSOR 1"};
    QTest::newRow("headphones") << source << SinkA2dp + QByteArrayList{
        "< RING 2 " + HeadphoneAddr + " 17 AVRCP", "> CALL " + HeadphoneAddr + " 111E HFP-AG", "< CALL 3", "< CONNECT 3 HFP-AG 111E",
        "< HFP-AG 3 READY", "! headphones battery 47", "> @3 +CHLD=0", "< HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=2,1,3,2,0",
        "! headphones battery 5", "> @3 +CHLD=0", "< HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=2,1,0,2,0",
        "! headphones volume 30", "quiet 300", "> AVRCP PDU 31 D", "! headphones volume 40",
        "< AVRCP 2 NOTIFY CHANGED VOLUME_CHANGED 40", "! link drop headphones", "< NO CARRIER 2 ERROR 0",
        "< NO CARRIER 3 ERROR 0"} + Dropped;
    QTest::newRow("inquiry and pairing") << source << QByteArrayList{
        "> INQUIRY 4 NAME", "< INQUIRY_PARTIAL " + SensorAddr + " 280404", "< INQUIRY_PARTIAL " + HeadphoneAddr + " 240404",
        "< INQUIRY 2", "< NAME " + SensorAddr + " \"RM-3 4D3301\"", "< NAME " + HeadphoneAddr + " \"Headset HS-1\"",
        "> PAIR 11:22:33:44:55:66", "< PAIR 11:22:33:44:55:66 FAIL", "> SET BT PAIR *",
        "> SET CONTROL AUTOCALL 19 500 A2DP", "quiet 1200", "> PAIR " + HeadphoneAddr, "< PAIR " + HeadphoneAddr + " OK",
        "< CONNECT 0 A2DP 19", "< CONNECT 1 A2DP 19", "< A2DP STREAMING START", "<~ RING 2 " + HeadphoneAddr,
        "! link drop sensor", "> INQUIRY 4", "< INQUIRY_PARTIAL " + HeadphoneAddr + " 240404", "< INQUIRY 1"};
    QTest::newRow("settings and reset") << sink << SinkA2dp + QByteArrayList{
        "> SET BT NAME KXE500_SIM_MIC", "> SET PROFILE A2DP SOURCE", "> RESET", "<~ WRAP THOR", "< READY.",
        "> SET", "< SET BT BDADDR 00:07:80:aa:10:02", "< SET BT NAME KXE500_SIM_MIC", "< SET BT CLASS 280438",
        "< SET PROFILE A2DP SOURCE", "< SET", "< CONNECT 0 A2DP 19"};
}

void TestSimulator::bluetoothExchanges()
{
    QFETCH(QString, tty);
    QFETCH(QByteArrayList, steps);
    SimProcess sim;
    QVERIFY(sim.start(m_root->root()));
    PtyPeer pty(m_root->file(tty));
    QVERIFY(pty.isOpen());
    auto carrier = [&] { return m_root->read(QStringLiteral("/sys/class/gpio/gpio59/value")); };
    for (const QByteArray &step : steps) {
        const int space = step.indexOf(' ');
        const QByteArray op = step.left(space < 0 ? step.size() : space);
        const QByteArray arg = space < 0 ? QByteArray() : step.mid(space + 1);
        QByteArray got;
        if (op == ">") {
            QVERIFY(pty.send(arg + '\n'));
        } else if (op == "<" || op == "<~") {
            QVERIFY2(pty.line(&got, 5000), step.constData());
            QVERIFY2(op == "<" ? got == arg : got.startsWith(arg), (step + " got " + got).constData());
        } else if (op == "<#") {
            QVERIFY2(pty.line(&got, 5000), step.constData());
            const QByteArrayList bounds = arg.split(' ').mid(arg.count(' ') - 1);
            const QByteArray text = arg.left(arg.size() - bounds.join(' ').size());
            const int value = got.mid(text.size()).split(' ').value(0).toInt();
            QVERIFY2(got.startsWith(text) && value >= bounds[0].toInt() && value <= bounds[1].toInt(),
                     (step + " got " + got).constData());
        } else if (op == "quiet") {
            QVERIFY2(!pty.line(&got, arg.toInt()), got.constData());
        } else if (op == "!") {
            QCOMPARE(sim.command(QString::fromLatin1(arg)), QString::fromLatin1("ok " + arg));
        } else if (op == "dtr") {
            QVERIFY(m_root->write(QStringLiteral("/sys/class/gpio/gpio58/value"), arg));
        } else if (op == "sound") {
            // What the unit streams follows its microphone.
            QVERIFY2(waitFor([&] { return m_root->read(QStringLiteral("/sim/sound.state")).contains("muted " + arg); }),
                     step.constData());
        } else if (op == "cd") {
            QVERIFY2(waitFor([&] { return carrier() == arg + '\n'; }), step.constData());
        } else {
            QCOMPARE(op, QByteArray("cd!"));
            QCOMPARE(carrier(), arg + '\n');
        }
    }
}

void TestSimulator::pairedSettings_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QString>("microphone");
    QTest::newRow("written") << QStringList{"--paired"} << QByteArray() << "00:07:80:4d:33:01";
    QTest::newRow("kept") << QStringList{"--paired"} << QByteArray("[Bluetooth]\nMicrophone_ID=aa\n") << "aa";
    QTest::newRow("not asked") << QStringList() << QByteArray() << QString();
}

void TestSimulator::pairedSettings()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, existing);
    QFETCH(QString, microphone);
    if (!existing.isEmpty())
        QVERIFY(m_root->write(QStringLiteral("/home/root/settings.ini"), existing));
    SimProcess sim;
    QVERIFY(sim.start(m_root->root(), arguments));
    const QString file = m_root->file(QStringLiteral("/home/root/settings.ini"));
    QCOMPARE(QFileInfo::exists(file), !microphone.isEmpty());
    if (microphone.isEmpty())
        return;
    QSettings settings(file, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Bluetooth/Microphone_ID")).toString(), microphone);
    QVERIFY(QFileInfo(file).isWritable());
    if (existing.isEmpty()) {
        QCOMPARE(settings.value(QStringLiteral("Bluetooth/Headphone_Name")).toString(), QStringLiteral("Headset HS-1"));
        QCOMPARE(settings.value(QStringLiteral("Systemsettings/Switchmode")).toString(), QStringLiteral("Switch"));
        QCOMPARE(settings.allKeys().size(), 42);
    }
}

namespace {

quint8 nmeaSum(const QByteArray &body)
{
    quint8 sum = 0;
    for (char c : body)
        sum ^= quint8(c);
    return sum;
}

QByteArray nmea(const QByteArray &body)
{
    return '$' + body + '*' + QByteArray::number(nmeaSum(body), 16).toUpper().rightJustified(2, '0');
}

// CFG-RST with navBbrMask 0; "bad" spoils the checksum.
QByteArray cfgRst(int resetMode, bool bad)
{
    QByteArray frame = QByteArray::fromHex("b562060404000000") + char(resetMode) + '\0';
    quint8 a = 0, b = 0;
    for (int i = 2; i < frame.size(); ++i) {
        a = quint8(a + quint8(frame[i]));
        b = quint8(b + a);
    }
    return frame + char(a) + char(bad ? b ^ 1 : b);
}

const QByteArray Gga = R"(^\$GPGGA,\d{6}\.00,\d{4}\.\d{5},[NS],\d{5}\.\d{5},[EW],1,\d\d,)";
const QByteArray NoFixGga = R"(^\$GPGGA,\d{6}\.00,,,,,0,00,99\.99,,,,,,\*)";
const QByteArray Sat = R"(,\d\d,\d\d,\d{3},\d*)";

} // namespace

// Steps: "! cmd" / "!? cmd" a control command that is taken / refused (ROOT
// is the root); "power V" GPIO 16; "ubx MODE [bad|split]" a CFG-RST; "raw HEX"
// bytes to the receiver; "< RE" lines until one matches RE; "drain MS" lines
// for MS, "quiet MS" none; "file TEXT" writes ROOT/sim/rec.txt; "log TEXT"
// sim/gnss.log gets TEXT. Every line read must carry a valid checksum.
void TestSimulator::gnssReceiver_data()
{
    QTest::addColumn<QByteArrayList>("steps");

    QTest::newRow("power") << QByteArrayList{
        "quiet 1500", "power 1", "< " + Gga, R"(< ^\$GPGSA,A,3,)", R"(< ^\$GPRMC,\d{6}\.00,A,)", R"(< ^\$GPGSV,)",
        R"(< ^\$GPVTG,)", "power 0", "drain 300", "quiet 1500", "log power off"};
    QTest::newRow("position, satellites, dilution") << QByteArrayList{
        "power 1", "! gps position -33.8567844 151.2152967 58", "! gps satellites 10 6", "! gps hdop 2.5",
        R"(< ^\$GPGGA,\d{6}\.00,3351\.40706,S,15112\.91780,E,1,06,2\.50,58\.0,M,)",
        R"(< ^\$GPGSA,A,3,(\d\d,){6},{6}\d+\.\d\d,2\.50,\d+\.\d\d\*)",
        R"(< ^\$GPRMC,\d{6}\.00,A,3351\.40706,S,15112\.91780,E,)",
        R"(< ^\$GPGSV,3,1,10()" + Sat + "){4}\\*", R"(< ^\$GPGSV,3,2,10()" + Sat + "){4}\\*",
        R"(< ^\$GPGSV,3,3,10()" + Sat + "){2}\\*", "! gps satellites 4 4", "! gps position 0.99999999 -179.99999999",
        R"(< ^\$GPGGA,\d{6}\.00,0100\.00000,N,18000\.00000,W,1,04,)", R"(< ^\$GPGSV,1,1,04()" + Sat + "){4}\\*",
        "! gps satellites 20 16", "! gps geoid -28.5", "! gps position 31.5 35.5 -430",
        R"(< ^\$GPGGA,[^*]*,1,16,2\.50,-430\.0,M,-28\.5,M,,\*)", R"(< ^\$GPGSA,A,3,(\d\d,){12}\d+\.\d\d,)"};
    QTest::newRow("fix off and on") << QByteArrayList{
        "power 1", "! gps fix off", "< " + NoFixGga, R"(< ^\$GPGSA,A,1,,,,,,,,,,,,,99\.99,99\.99,99\.99\*)",
        R"(< ^\$GPRMC,\d{6}\.00,V,,,,,,,\d{6},,,N\*)", R"(< ^\$GPVTG,,T,,M,,N,,K,N\*)", "! gps fix on",
        R"(< ^\$GPRMC,\d{6}\.00,A,)"};
    // Zeros while searching, with the date of a receiver that has not read
    // the week number (1024 weeks early); the rollover fault keeps it so
    // after the fix.
    QTest::newRow("searching with zeros") << QByteArrayList{
        "power 1", "! gps time 2026-03-10 09:15:00", "! gps searching-zeros",
        R"(< ^\$GPGGA,\d{6}\.00,0000\.0000,N,00000\.0000,E,0,00,99\.99,0\.0,M,0\.0,M,,\*)",
        R"(< ^\$GPGSA,A,1,,,,,,,,,,,,,99\.99,99\.99,99\.99\*)",
        R"(< ^\$GPRMC,\d{6}\.00,V,0000\.0000,N,00000\.0000,E,0\.000,0\.00,250706,,,N\*)",
        R"(< ^\$GPVTG,0\.00,T,,M,0\.000,N,0\.000,K,N\*)", "! gps fix on",
        R"(< ^\$GPRMC,\d{6}\.00,A,[^*]*,100326,,,A\*)", "! gps rollover on",
        R"(< ^\$GPRMC,\d{6}\.00,A,[^*]*,250706,,,A\*)"};
    QTest::newRow("moving north") << QByteArrayList{
        "power 1", "! gps position 0 0", "! gps move 360 0",
        R"(< ^\$GPRMC,[^,]*,A,[^,]*,N,00000\.00000,E,194\.384,0\.00,)",
        R"(< ^\$GPVTG,0\.00,T,,M,194\.384,N,360\.000,K,A\*)",
        R"(< ^\$GPGGA,\d{6}\.00,0000\.[1-9]\d{4},N,00000\.00000,E,)"};
    // The receiver goes where the sensor is set down along a laid pipe.
    QTest::newRow("along a pipe") << QByteArrayList{
        "power 1", "! gps pipe 50 8 90", "! sensor at 100", R"(< ^\$GPGGA,\d{6}\.00,5000\.00000,N,00800\.08395,E,)",
        "! gps pipe 50 8 0", "! sensor step -70", R"(< ^\$GPGGA,\d{6}\.00,5000\.01619,N,00800\.00000,E,)",
        "! gps pipe off", "! sensor step 50", R"(< ^\$GPGGA,\d{6}\.00,5000\.01619,N,00800\.00000,E,)",
        "!? gps pipe 90 8 0", "!? gps pipe 50 8 361"};
    QTest::newRow("clock over new year") << QByteArrayList{
        "power 1", "! gps time 2015-12-31 23:59:58", R"(< ^\$GPRMC,235959\.00,A,[^*]*,311215,)",
        R"(< ^\$GPGGA,000000\.00,)", R"(< ^\$GPRMC,000000\.00,A,[^*]*,010116,)", "! gps time now"};
    QTest::newRow("talkers") << QByteArrayList{
        "power 1", "! gps talker GN", "! gps satellites 10 6", R"(< ^\$GNGGA,[^*]*,1,06,)",
        R"(< ^\$GNGSA,A,3,(\d\d,){6},{6})", R"(< ^\$GNRMC,)", R"(< ^\$GPGSV,2,1,05()" + Sat + "){4}\\*",
        R"(< ^\$GPGSV,2,2,05()" + Sat + R"()\*)", R"(< ^\$GLGSV,2,1,05,(6[5-9]|[7-9]\d),)",
        R"(< ^\$GLGSV,2,2,05()" + Sat + R"()\*)", R"(< ^\$GNVTG,)", "! gps talker gl", R"(< ^\$GLGGA,)",
        R"(< ^\$GLGSV,3,1,10,(6[5-9]|[7-9]\d),)"};
    // Four systems, one GSA each with its system id, a second GPS signal;
    // then a single system takes every used satellite in its one GSA.
    QTest::newRow("NMEA 4.1") << QByteArrayList{
        "power 1", "! gps nmea 4.1", "! gps satellites 14 9", R"(< ^\$GNGGA,[^*]*,1,09,)",
        R"(< ^\$GNGSA,A,3,(\d\d,){3},{9}[^*]*,1\*)", R"(< ^\$GNGSA,A,3,(\d\d,){2},{10}[^*]*,4\*)",
        R"(< ^\$GNRMC,\d{6}\.00,A,([^,*]*,){9}A,V\*)", R"(< ^\$GPGSV,1,1,04()" + Sat + "){4},1\\*",
        R"(< ^\$GPGSV,1,1,02()" + Sat + "){2},8\\*", R"(< ^\$GLGSV,1,1,04,(6[5-9]|[7-9]\d),[^*]*,1\*)",
        R"(< ^\$GAGSV,1,1,03()" + Sat + "){3},7\\*", R"(< ^\$GBGSV,1,1,03()" + Sat + "){3},1\\*",
        R"(< ^\$GNVTG,[^*]*,A\*)", "! gps talker GL", R"(< ^\$GLGSA,A,3,(\d\d,){9},{3}[^*]*,2\*)"};
    QTest::newRow("NMEA 2.0") << QByteArrayList{
        "power 1", "! gps nmea 2.0", "! gps move 10 90", R"(< ^\$GPRMC,\d{6}\.00,A,[^*]*,5\.400,90\.00,\d{6},,\*)",
        R"(< ^\$GPVTG,90\.00,T,,M,5\.400,N,10\.000,K\*)", "! gps fix off", R"(< ^\$GPRMC,\d{6}\.00,V,,,,,,,\d{6},,\*)",
        R"(< ^\$GPVTG,,T,,M,,N,,K\*)"};
    // Noise with false sync bytes, a frame with a bad checksum, then a good
    // frame that arrives in two pieces.
    QTest::newRow("UBX stop and start") << QByteArrayList{
        "power 1", "< " + Gga, "raw 2447500d0ab562b562", "ubx 08 bad", "log checksum error", "drain 300",
        "< " + Gga, "ubx 08 split", "log resetMode 0x08 (controlled GNSS stop)", "drain 300", "quiet 1500",
        "ubx 09", "< " + Gga};
    QTest::newRow("UBX reset") << QByteArrayList{
        "power 1", "< " + Gga, "ubx 01", "drain 200", "quiet 600", "< " + NoFixGga, "< " + Gga};
    QTest::newRow("replay") << QByteArrayList{
        "file " + nmea("GPTXT,01,01,02,one") + "\r\n" + nmea("GPTXT,01,01,02,one more") + "\n\n"
            + nmea("GPTXT,01,01,02,two") + "\n",
        "power 1", "! gps replay ROOT/sim/rec.txt", "log 3 lines in 2 seconds", R"(< ^\$GPTXT,01,01,02,one\*)",
        R"(< ^\$GPTXT,01,01,02,one more\*)", R"(< ^\$GPTXT,01,01,02,two\*)", "< " + Gga};
    QByteArrayList sample = {"power 1", "! gps replay :/fixtures/nmea-sample.txt", "log 80 lines in 10 seconds"};
    QFile recording(QFINDTESTDATA("../sim/fixtures/nmea-sample.txt"));
    QVERIFY(recording.open(QIODevice::ReadOnly));
    for (const QByteArray &line : recording.readAll().split('\n').mid(0, 16))
        sample << "< ^" + QRegularExpression::escape(QString::fromLatin1(line)).toLatin1() + '$';
    QTest::newRow("recorded drive") << sample + QByteArrayList{"! gps replay stop", "< " + Gga};
    QTest::newRow("refused") << QByteArrayList{
        "!? gps position 90.1 0", "!? gps position 0 180.5", "!? gps position x 0", "!? gps satellites 5 6",
        "!? gps satellites 33 4", "!? gps satellites 20 -1", "!? gps hdop 0", "!? gps geoid 150.5",
        "!? gps move -1 0", "!? gps move 10 361", "!? gps talker GX", "!? gps nmea 2.3", "!? gps rollover maybe",
        "!? gps searching-zeros now", "!? gps time 2026-13-01 00:00:00", "!? gps time 1979-12-31 23:59:59",
        "!? gps replay ROOT/sim/missing.txt", "!? gps fix maybe", "!? gps"};
}

void TestSimulator::gnssReceiver()
{
    QFETCH(QByteArrayList, steps);
    SimProcess sim;
    QVERIFY(sim.start(m_root->root()));
    PtyPeer gnss(m_root->file(QStringLiteral("/dev/ttyO1")));
    QVERIFY(gnss.isOpen());
    const QRegularExpression sentence(QStringLiteral("^\\$([^*]*)\\*([0-9A-F]{2})$"));
    QByteArray bad;
    // The next line; false on time-out.
    auto next = [&](QByteArray *line, int ms) {
        if (!gnss.line(line, ms))
            return false;
        const QRegularExpressionMatch m = sentence.match(QString::fromLatin1(*line));
        if (!m.hasMatch() || nmeaSum(m.captured(1).toLatin1()) != m.captured(2).toInt(nullptr, 16))
            bad = *line;
        return true;
    };
    for (const QByteArray &step : steps) {
        const int space = step.indexOf(' ');
        const QByteArray op = step.left(space);
        QByteArray arg = step.mid(space + 1);
        arg.replace("ROOT", m_root->root().toLocal8Bit());
        QByteArray got;
        QElapsedTimer t;
        t.start();
        if (op == "!" || op == "!?") {
            const QString answer = sim.command(QString::fromLocal8Bit(arg));
            QVERIFY2(answer.startsWith(op == "!" ? QLatin1String("ok ") : QLatin1String("error ")), qPrintable(answer));
        } else if (op == "power") {
            QVERIFY(m_root->write(QStringLiteral("/sys/class/gpio/gpio16/value"), arg));
        } else if (op == "ubx") {
            const QByteArray frame = cfgRst(arg.left(2).toInt(nullptr, 16), arg.endsWith("bad"));
            const int cut = arg.endsWith("split") ? 5 : frame.size();
            QVERIFY(gnss.send(frame.left(cut)));
            QTest::qWait(100);
            QVERIFY(gnss.send(frame.mid(cut)));
        } else if (op == "raw") {
            QVERIFY(gnss.send(QByteArray::fromHex(arg)));
        } else if (op == "<") {
            const QRegularExpression want(QString::fromLatin1(arg));
            do
                QVERIFY2(next(&got, 6000 - int(t.elapsed())), step.constData());
            while (!want.match(QString::fromLatin1(got)).hasMatch());
        } else if (op == "drain") {
            while (next(&got, arg.toInt() - int(t.elapsed()))) {
            }
        } else if (op == "quiet") {
            QVERIFY2(!next(&got, arg.toInt()), got.constData());
        } else if (op == "file") {
            QVERIFY(m_root->write(QStringLiteral("/sim/rec.txt"), arg));
        } else {
            QCOMPARE(op, QByteArray("log"));
            QVERIFY2(waitFor([&] { return m_root->read(QStringLiteral("/sim/gnss.log")).contains(arg); }),
                     step.constData());
        }
        QVERIFY2(bad.isEmpty(), bad.constData());
    }
}

void TestSimulator::walksAPipe_data()
{
    // "!" commands are accepted, "!?" refused; then the level the sensor hears.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<double>("heard");
    QTest::newRow("on the leak") << QStringList{"! leak level 60 at 12", "! sensor at 12"} << 60.0;
    // 5 m past it at 2 dB/m: 10 dB, 18 display units.
    QTest::newRow("walked past it") << QStringList{"! leak level 60 at 12", "! sensor at 14", "! sensor step 3",
                                                   "! leak level 70"}
                                    << 52.0;
    QTest::newRow("far off: background") << QStringList{"! leak level 60 at 300"} << 10.0;
    QTest::newRow("quiet leak not raised") << QStringList{"! leak level 6 at 300"} << 6.0;
    QTest::newRow("no falloff") << QStringList{"! leak level 60 at 300", "! leak falloff 0"} << 60.0;
    QTest::newRow("bad values change nothing")
        << QStringList{"! leak level 60 at 5", "! sensor at 3",   "!? leak level 30 at 10001", "!? leak falloff 51",
                       "!? sensor at -1",      "!? sensor at far", "!? sensor step -3.5"}
        << 52.8;
}

void TestSimulator::walksAPipe()
{
    QFETCH(QStringList, steps);
    QFETCH(double, heard);
    SimProcess sim;
    QVERIFY(sim.start(m_root->root()));
    for (const QString &step : steps) {
        const bool accepted = step.startsWith(QLatin1String("! "));
        const QString answer = sim.command(step.mid(step.indexOf(QLatin1Char(' ')) + 1));
        QVERIFY2(answer.startsWith(accepted ? QLatin1String("ok ") : QLatin1String("error ")), qPrintable(answer));
    }
    QCOMPARE(m_root->stateValue(QStringLiteral("/sim/sound.state"), "level"), heard);
}

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
