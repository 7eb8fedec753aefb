// The platform root: path mapping and the one command runner.
#include "platform.h"
#include "testroot.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_root = std::make_unique<TestRoot>(); QVERIFY(m_root->isValid()); }
    void cleanup() { m_root.reset(); }

    void mapsPaths_data();
    void mapsPaths();
    void neverRunsCommandsOutsideTheRoot_data();
    void neverRunsCommandsOutsideTheRoot();
    void runsStandInsAndReportsTheirResult();
    void removesFilesInsideTheRootOnly_data();
    void removesFilesInsideTheRootOnly();
    void playsTheClock_data();
    void playsTheClock();
    void startsAsynchronousCommandsFromTheRootOnly();
    void changesIntoMappedFolders();

private:
    std::unique_ptr<TestRoot> m_root;
};

void TestPlatform::mapsPaths_data()
{
    QTest::addColumn<QByteArray>("root");
    QTest::addColumn<QString>("devicePath");
    QTest::addColumn<QString>("expected");

    QTest::newRow("board: unset") << QByteArray() << "/dev/ttyO2" << "/dev/ttyO2";
    QTest::newRow("root") << QByteArray("/tmp/r") << "/dev/ttyO2" << "/tmp/r/dev/ttyO2";
    QTest::newRow("root with trailing slashes") << QByteArray("/tmp/r//") << "/home/root/settings.ini"
                                                << "/tmp/r/home/root/settings.ini";
    QTest::newRow("sysfs with colon") << QByteArray("/tmp/r") << "/sys/bus/iio/devices/iio:device0/buffer/enable"
                                      << "/tmp/r/sys/bus/iio/devices/iio:device0/buffer/enable";
    QTest::newRow("resource untouched") << QByteArray("/tmp/r") << ":/Resources/Files/asound.state"
                                        << ":/Resources/Files/asound.state";
    QTest::newRow("relative untouched") << QByteArray("/tmp/r") << "meas/info.ini" << "meas/info.ini";
    QTest::newRow("empty path") << QByteArray("/tmp/r") << "" << "";
}

void TestPlatform::mapsPaths()
{
    QFETCH(QByteArray, root);
    QFETCH(QString, devicePath);
    QFETCH(QString, expected);
    if (root.isNull())
        qunsetenv("KX500_ROOT");
    else
        qputenv("KX500_ROOT", root);
    QCOMPARE(Platform::path(devicePath), expected);
    QCOMPARE(Platform::path(devicePath.toLocal8Bit().constData()), expected.toLocal8Bit());
}

void TestPlatform::neverRunsCommandsOutsideTheRoot_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("missing from bin") << "halt";
    QTest::newRow("absolute path") << "/bin/sh -c true";
    QTest::newRow("escape bin") << "../bin/poweroff";
    QTest::newRow("not executable") << "notexec";
    QTest::newRow("empty") << "";
}

// A decoy of every name sits in PATH; none may ever run while a root is set.
void TestPlatform::neverRunsCommandsOutsideTheRoot()
{
    QFETCH(QString, command);
    QTemporaryDir decoys;
    const QString marker = decoys.filePath(QStringLiteral("ran"));
    for (const char *name : {"halt", "notexec", "poweroff", "sh"}) {
        QFile f(decoys.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\ntouch '" + marker.toLocal8Bit() + "'\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QVERIFY(m_root->write(QStringLiteral("/bin/notexec"), "#!/bin/sh\ntouch '" + marker.toLocal8Bit() + "'\n"));
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", decoys.path().toLocal8Bit() + ':' + oldPath);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Platform: ")));
    const int rc = Platform::execute(command);
    qputenv("PATH", oldPath);

    QCOMPARE(rc, Platform::CommandNotRun);
    QVERIFY(!QFile::exists(marker));
    QVERIFY(m_root->commands().isEmpty());
}

void TestPlatform::runsStandInsAndReportsTheirResult()
{
    QCOMPARE(Platform::execute(QStringLiteral("fsck -Mya /dev/mmcblk0p3")), 0);
    QCOMPARE(Platform::execute(QStringLiteral("mount"), {QStringLiteral("/dev/mmcblk0p3"), QStringLiteral("/media/kx500")}), 0);
    // Mounting twice fails as on the board.
    QCOMPARE(Platform::execute(QStringLiteral("mount /dev/mmcblk0p3 /media/kx500")), 32);
    QByteArray mounts;
    QCOMPARE(Platform::execute(QStringLiteral("mount"), QStringList(), &mounts), 0);
    QCOMPARE(mounts, QByteArray("/dev/mmcblk0p3 /media/kx500\n"));
    QCOMPARE(Platform::execute(QStringLiteral("umount /media/kx500")), 0);
    QCOMPARE(Platform::execute(QStringLiteral("umount /media/kx500")), 32);

    QByteArray df;
    QCOMPARE(Platform::execute(QStringLiteral("df -Th"), &df), 0);
    QVERIFY(df.contains("ubi0:root"));

    QCOMPARE(m_root->commands(), QStringList({"fsck -Mya /dev/mmcblk0p3", "mount /dev/mmcblk0p3 /media/kx500",
                                              "mount /dev/mmcblk0p3 /media/kx500", "mount",
                                              "umount /media/kx500", "umount /media/kx500", "df -Th"}));
}

void TestPlatform::removesFilesInsideTheRootOnly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("removed");
    const QString file = QStringLiteral("/media/kx500/meas.txt");
    QTest::newRow("file") << QStringList{"-f", file} << 0 << true;
    QTest::newRow("missing and present") << QStringList{"/media/kx500/none", file} << 0 << true;
    QTest::newRow("relative") << QStringList{"media/kx500/meas.txt"} << 0 << false;
    QTest::newRow("dot-dot inside") << QStringList{"/media/../media/kx500/meas.txt"} << 0 << false;
    QTest::newRow("folder") << QStringList{"-rf", "/media/kx500"} << 1 << false;
    // HOST: the host folder beside the root, reached three ways.
    QTest::newRow("dot-dot out") << QStringList{"/../HOST/victim"} << 0 << false;
    QTest::newRow("host path") << QStringList{"HOSTPATH/victim"} << 0 << false;
    QTest::newRow("linked folder") << QStringList{"/media/out/victim"} << 0 << false;
}

void TestPlatform::removesFilesInsideTheRootOnly()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(bool, removed);
    QTemporaryDir host;
    QVERIFY(host.isValid());
    const QString victim = host.filePath(QStringLiteral("victim"));
    QFile f(victim);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(QFile::link(host.path(), m_root->file(QStringLiteral("/media/out"))));
    QVERIFY(m_root->write(QStringLiteral("/media/kx500/meas.txt"), "stored"));
    arguments.replaceInStrings(QStringLiteral("HOSTPATH"), host.path());
    arguments.replaceInStrings(QStringLiteral("HOST"), QFileInfo(host.path()).fileName());
    QCOMPARE(Platform::execute(QStringLiteral("rm"), arguments), exitCode);
    QCOMPARE(!QFile::exists(m_root->file(QStringLiteral("/media/kx500/meas.txt"))), removed);
    QVERIFY(QFile::exists(victim));
    QVERIFY(QFileInfo(m_root->file(QStringLiteral("/media/kx500"))).isDir());
}

void TestPlatform::playsTheClock_data()
{
    QTest::addColumn<QByteArray>("offset"); // sim/clock-offset before; null: none
    QTest::addColumn<bool>("rtc");          // dev/rtc0 exists
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("exitCode");      // of the last line
    QTest::addColumn<QString>("clock");     // simulated time after; "host": unshifted
    QTest::newRow("date alone is midnight") << QByteArray() << true << QStringList{"date +%F -s 2030-3-4"} << 0
                                            << "2030-03-04 00:00:00";
    QTest::newRow("time keeps the simulated day")
        << QByteArray() << true << QStringList{"date +%F -s 2030-3-4", "date +%T -s 23:30:5"} << 0
        << "2030-03-04 23:30:05";
    QTest::newRow("date drops the time") << QByteArray() << true
                                         << QStringList{"date -s '2030-03-04 23:30:00'", "date +%F -s 2030-3-5"} << 0
                                         << "2030-03-05 00:00:00";
    QTest::newRow("garbage offset") << QByteArray("12 h\n") << true << QStringList() << 0 << "host";
    QTest::newRow("hwclock keeps the offset")
        << QByteArray() << true << QStringList{"date +%F -s 2030-3-4", "hwclock -w -f /dev/rtc0"} << 0
        << "2030-03-04 00:00:00";
    QTest::newRow("hwclock without rtc0") << QByteArray() << false << QStringList{"hwclock -w -f /dev/rtc0"} << 1
                                          << "host";
}

void TestPlatform::playsTheClock()
{
    QFETCH(QByteArray, offset);
    QFETCH(bool, rtc);
    QFETCH(QStringList, lines);
    QFETCH(int, exitCode);
    QFETCH(QString, clock);
    if (!offset.isNull())
        QVERIFY(m_root->write(QStringLiteral("/sim/clock-offset"), offset));
    if (!rtc)
        QVERIFY(QFile::remove(m_root->file(QStringLiteral("/dev/rtc0"))));
    int rc = 0;
    for (const QString &line : lines)
        rc = Platform::execute(line);
    QCOMPARE(rc, exitCode);

    const QDateTime expected = clock == QLatin1String("host")
                                   ? QDateTime::currentDateTime()
                                   : QDateTime::fromString(clock, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QVERIFY(qAbs(Platform::currentDateTime().secsTo(expected)) <= 2);
    QByteArray shown;
    QCOMPARE(Platform::execute(QStringLiteral("date"), {QStringLiteral("+%F %T")}, &shown), 0);
    const QDateTime printed = QDateTime::fromString(QString::fromLatin1(shown.trimmed()), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QVERIFY2(qAbs(printed.secsTo(expected)) <= 2, shown.constData());

    const bool wroteRtc = lines.contains(QStringLiteral("hwclock -w -f /dev/rtc0")) && exitCode == 0;
    QCOMPARE(QFile::exists(m_root->file(QStringLiteral("/sim/rtc-offset"))), wroteRtc);
    if (wroteRtc)
        QCOMPARE(m_root->read(QStringLiteral("/sim/rtc-offset")), m_root->read(QStringLiteral("/sim/clock-offset")));
}

void TestPlatform::startsAsynchronousCommandsFromTheRootOnly()
{
    QProcess process;
    QVERIFY(Platform::start(process, QStringLiteral("hwclock"), {QStringLiteral("-w"), QStringLiteral("-f"), QStringLiteral("/dev/rtc0")}));
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(m_root->commands(), QStringList({"hwclock -w -f /dev/rtc0"}));

    QProcess other;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not in platform root")));
    QVERIFY(!Platform::start(other, QStringLiteral("ls"), {}));
    QCOMPARE(other.state(), QProcess::NotRunning);
}

void TestPlatform::changesIntoMappedFolders()
{
    const QString before = QDir::currentPath();
    QVERIFY(Platform::setCurrentDir(QStringLiteral("/home/root")));
    QCOMPARE(QDir::currentPath(), QDir(m_root->file(QStringLiteral("/home/root"))).canonicalPath());
    QVERIFY(!Platform::setCurrentDir(QStringLiteral("/no/such/folder")));
    QDir::setCurrent(before);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
