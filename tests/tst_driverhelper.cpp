// Gpio and DriverHelper on the sysfs files of a simulated root.
#include "driverhelper.h"
#include "gpio.h"
#include "testroot.h"

#include <QDir>
#include <QtTest>

#include <cstring>
#include <memory>

class TestDriverHelper : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_root = std::make_unique<TestRoot>(); QVERIFY(m_root->isValid()); }
    void cleanup() { m_root.reset(); }

    void readsNumbers_data();
    void readsNumbers();
    void readsBoundedBytes();
    void reportsFilesThatCannotBeOpened();
    void writesWithoutTerminator();
    void gpioValues_data();
    void gpioValues();
    void gpioInitConfiguresEveryLine();

private:
    std::unique_ptr<TestRoot> m_root;
};

void TestDriverHelper::readsNumbers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    // 1234 stands for "unchanged": a value the caller had before.
    QTest::newRow("kernel line") << QByteArray("3900000\n") << 3900000;
    QTest::newRow("negative") << QByteArray("-250000\n") << -250000;
    QTest::newRow("leading blanks") << QByteArray("  42 \n") << 42;
    QTest::newRow("trailing text") << QByteArray("80%") << 80;
    QTest::newRow("empty keeps value") << QByteArray("") << 1234;
    QTest::newRow("text keeps value") << QByteArray("Charging\n") << 1234;
    QTest::newRow("too large keeps value") << QByteArray("99999999999999999999\n") << 1234;
    QTest::newRow("just above int keeps value") << QByteArray("2147483648") << 1234;
    QTest::newRow("int max") << QByteArray("2147483647") << 2147483647;
}

void TestDriverHelper::readsNumbers()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    const QString path = QStringLiteral("/sys/class/power_supply/bq27426-0/voltage_now");
    QVERIFY(m_root->write(path, text));
    int value = 1234;
    QVERIFY(DriverHelper::readFile(path, value));
    QCOMPARE(value, expected);
}

void TestDriverHelper::readsBoundedBytes()
{
    const QString path = QStringLiteral("/home/root/bspinfo");
    QVERIFY(m_root->write(path, "0123456789"));
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    int count = -1;
    QVERIFY(DriverHelper::readFile(path, buffer, 4, &count));
    QCOMPARE(count, 4);
    QCOMPARE(QByteArray(buffer, 5), QByteArray("0123x")); // nothing past n is touched

    QVERIFY(m_root->write(path, "ab"));
    QVERIFY(DriverHelper::readFile(path, buffer, 7, &count));
    QCOMPARE(count, 2);
    QCOMPARE(QByteArray(buffer), QByteArray("ab")); // short read leaves a terminated string
}

void TestDriverHelper::reportsFilesThatCannotBeOpened()
{
    const QString missing = QStringLiteral("/sys/class/gpio/gpio999/value");
    int value = 7;
    char buffer[4] = {'a', 'b', 'c', 0};
    int count = -1;
    QVERIFY(!DriverHelper::readFile(missing, value));
    QCOMPARE(value, 7);
    QVERIFY(!DriverHelper::readFile(missing, buffer, 3, &count));
    QCOMPARE(count, 0);
    QCOMPARE(QByteArray(buffer), QByteArray("abc"));
    QVERIFY(!DriverHelper::writeFile(missing, 1));
    QVERIFY(!QFile::exists(m_root->file(missing)));
    // A folder opens for reading on Linux but cannot be written.
    QVERIFY(!DriverHelper::writeFile(QStringLiteral("/sys/class/gpio/gpio17"), QByteArray("1")));
}

void TestDriverHelper::writesWithoutTerminator()
{
    const QString path = QStringLiteral("/sys/class/backlight/backlight/brightness");
    QVERIFY(DriverHelper::writeFile(path, QByteArray("0")));
    QCOMPARE(m_root->read(path), QByteArray("0"));
    QVERIFY(DriverHelper::writeFile(path, -12));
    QCOMPARE(m_root->read(path), QByteArray("-12"));
    QVERIFY(DriverHelper::writeFile(path, 7)); // shorter text truncates the longer one
    QCOMPARE(m_root->read(path), QByteArray("7"));
}

void TestDriverHelper::gpioValues_data()
{
    QTest::addColumn<QByteArray>("fileText");
    QTest::addColumn<bool>("expected");
    QTest::newRow("0") << QByteArray("0\n") << false;
    QTest::newRow("1") << QByteArray("1\n") << true;
    QTest::newRow("0 without newline") << QByteArray("0") << false;
    QTest::newRow("empty reads inactive") << QByteArray("") << false;
    QTest::newRow("anything else is high") << QByteArray("x") << true;
}

void TestDriverHelper::gpioValues()
{
    QFETCH(QByteArray, fileText);
    QFETCH(bool, expected);
    QVERIFY(m_root->write(QStringLiteral("/sys/class/gpio/gpio48/value"), fileText));
    QCOMPARE(Gpio::getValue(48), expected);

    QVERIFY(Gpio::setValue(17, 5));
    QCOMPARE(m_root->read(QStringLiteral("/sys/class/gpio/gpio17/value")), QByteArray("1"));
    QVERIFY(Gpio::setValue(17, 0));
    QCOMPARE(m_root->read(QStringLiteral("/sys/class/gpio/gpio17/value")), QByteArray("0"));
    QVERIFY(Gpio::setDirection(17, 2));
    QCOMPARE(m_root->read(QStringLiteral("/sys/class/gpio/gpio17/direction")), QByteArray("out"));
    QVERIFY(Gpio::setDirection(17, 0));
    QCOMPARE(m_root->read(QStringLiteral("/sys/class/gpio/gpio17/direction")), QByteArray("in"));
    QVERIFY(!Gpio::getValue(999));
    QVERIFY(!Gpio::setValue(999, 1));
}

void TestDriverHelper::gpioInitConfiguresEveryLine()
{
    struct Expect { int line; const char *direction; const char *value; };
    // Inputs keep the simulator's "0\n" unless the program writes them.
    const Expect expected[] = {
        {58, "out", "0"}, {59, "in", "0\n"}, {114, "out", "1"}, {96, "out", "1"},
        {54, "out", "1"}, {48, "in", "0"}, {113, "out", "0"}, {65, "out", "0"},
        {50, "out", "0"}, {17, "out", "1"}, {115, "out", "0"}, {16, "out", "1"},
    };
    QTest::ignoreMessage(QtDebugMsg, "Init GPIO-Pins");
    Gpio::init();
    for (const Expect &e : expected) {
        const QString base = QStringLiteral("/sys/class/gpio/gpio%1/").arg(e.line);
        QCOMPARE(m_root->read(base + QLatin1String("direction")), QByteArray(e.direction));
        QCOMPARE(m_root->read(base + QLatin1String("value")), QByteArray(e.value));
    }
    QCOMPARE(m_root->read(QStringLiteral("/sys/class/pwm/pwmchip1/export")), QByteArray("0"));
    // The last line exported is the GPS power.
    QCOMPARE(m_root->read(QStringLiteral("/sys/class/gpio/export")), QByteArray("16"));
}

QTEST_GUILESS_MAIN(TestDriverHelper)
#include "tst_driverhelper.moc"
