// The main window: start-up, navigation, microphone parameters, language,
// system-monitor line and power-down, seen in the simulated root and the log.
#include "appsetup.h"
#include "audiocodecsetup.h"
#include "globals.h"
#include "shellfixture.h"
#include "statusbar.h"

#include <QDir>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

class TestMainMenu : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setupApplication(); }
    void cleanup() { m_shell.reset(); }

    void startsUpInOrder();
    void startupFollowsSettings_data();
    void startupFollowsSettings();
    void navigation_data();
    void navigation();
    void tenNestedLevelsStopAtNine();
    void managementHasAWayHome();
    void gainSteps_data();
    void gainSteps();
    void micInitCommand_data();
    void micInitCommand();
    void settingsDecideTheKeyMode_data();
    void settingsDecideTheKeyMode();
    void languageFromDataPartitionOverrides_data();
    void languageFromDataPartitionOverrides();
    void systemInfoLine_data();
    void systemInfoLine();
    void powerDownEndsInPoweroff_data();
    void powerDownEndsInPoweroff();

private:
    void start(const QByteArray &settings = QByteArray())
    {
        m_shell = std::make_unique<ShellFixture>(settings);
    }
    MainMenu &main() { return *m_shell->main; }
    TestRoot &root() { return m_shell->root; }
    QWidget *currentScreen() { return main().findChild<QStackedWidget *>(QStringLiteral("mainWidget"))->currentWidget(); }
    QString lastMicInit() { const QStringList l = m_shell->log.matching(QStringLiteral("MicInit")); return l.isEmpty() ? QString() : l.last(); }

    std::unique_ptr<ShellFixture> m_shell;
};

void TestMainMenu::startsUpInOrder()
{
    start();
    QCOMPARE(root().commands(), QStringList({"fsck -Mya /dev/mmcblk0p3", "mount /dev/mmcblk0p3 /media/kx500",
                                             "alsactl --file /var/lib/alsa/asound.state restore"}));
    int at = 0;
    for (const char *step : {"=== Start MainMenu ===", "Filesystemcheck and mount", "Init GPIO-Pins",
                             "=== INIT MICROPHONE ===", "=== INIT HEADPHONE ===", "asound.state copied true",
                             "--- AudioCodecSetup ---", "Load language file from resource",
                             "FavouriteButton initialized"}) {
        at = m_shell->log.indexOf(QLatin1String(step), at);
        QVERIFY2(at >= 0, step);
    }
    QFile resource(QStringLiteral(":/Resources/Files/asound.state"));
    QVERIFY(resource.open(QIODevice::ReadOnly));
    QCOMPARE(root().read(QStringLiteral("/var/lib/alsa/asound.state")), resource.readAll());
    QCOMPARE(root().read(QStringLiteral("/sys/class/gpio/gpio58/value")), QByteArray("0"));
    QCOMPARE(root().read(QStringLiteral("/sys/class/backlight/backlight/brightness")), QByteArray("6"));
    QCOMPARE(currentScreen()->objectName(), QStringLiteral("mainPage"));
    QVERIFY(main().isAudioPathMuted());
}

void TestMainMenu::startupFollowsSettings_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("gpsPower");
    QTest::addColumn<quint32>("low");
    QTest::addColumn<quint32>("high");
    QTest::addColumn<int>("widget");
    QTest::addColumn<bool>("serviceButtons");
    const QByteArray base = "[Systemsettings]\nFavouriteButton=%1\n[Debug]\nDebugfeatures=%2\n"
                            "[Dialogconfiguration]\nStartup_UseGpsForStartup=%3\n"
                            "Startup_UseFilterForStartup=%4\nStartup_UseFavouriteForStartup=%5\n";
    auto settings = [&](int fav, int debug, bool gps, bool filter, bool favStart) {
        return QString::fromLatin1(base).arg(fav).arg(debug).arg(gps).arg(filter).arg(favStart).toLatin1();
    };
    QTest::newRow("plain") << settings(2, 0, true, false, false) << QByteArray("1") << 0u << 4000u << 0 << false;
    QTest::newRow("gps off, filter on") << settings(2, 0, false, true, false) << QByteArray("0") << 160u << 1250u << 0 << false;
    QTest::newRow("favourite pinpointing") << settings(1, 0, true, false, true) << QByteArray("1") << 0u << 4000u << 3 << false;
    QTest::newRow("favourite long-term") << settings(3, 0, true, false, true) << QByteArray("1") << 0u << 4000u << 9 << false;
    QTest::newRow("favourite pipe locating") << settings(5, 0, true, false, true) << QByteArray("1") << 0u << 4000u << 8 << false;
    QTest::newRow("favourite screenshot stays") << settings(0, 0, true, false, true) << QByteArray("1") << 0u << 4000u << 0 << false;
    QTest::newRow("favourite out of range takes the default") << settings(6, 0, true, false, true) << QByteArray("1") << 0u << 4000u << 1 << false;
    QTest::newRow("debug features") << settings(2, 1, true, false, false) << QByteArray("1") << 0u << 4000u << 0 << true;
}

void TestMainMenu::startupFollowsSettings()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, gpsPower);
    QFETCH(quint32, low);
    QFETCH(quint32, high);
    QFETCH(int, widget);
    QFETCH(bool, serviceButtons);
    start(settings);
    QCOMPARE(root().read(QStringLiteral("/sys/class/gpio/gpio16/value")), gpsPower);
    quint32 l = 1, h = 1;
    int type = -1;
    main().getCurrentFilter(&l, &h, &type);
    QCOMPARE(l, low);
    QCOMPARE(h, high);
    QCOMPARE(type, low ? 1 : 0);
    QCOMPARE(main().currentWidget(), widget);
    QCOMPARE(currentScreen()->objectName() == QLatin1String("mainPage"), widget == 0);
    QVERIFY(!main().isBootedToFavouriteFunction());
    QCOMPARE(!main().findChild<QPushButton *>(QStringLiteral("butDebugMenu"))->isHidden(), serviceButtons);
    QCOMPARE(QFile::exists(root().file(QStringLiteral("/media/kx500/systemInfo.txt"))), serviceButtons);
    g_debugFeatures = 0;
}

void TestMainMenu::navigation_data()
{
    // Each step: dialog number and direction. The texts of the main page
    // are refreshed only by dialog 0.
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("history");
    QTest::addColumn<bool>("textsRefreshed");
    QTest::newRow("management") << QList<int>{4, 1} << "Management" << 1 << QList<int>{0, 4} << false;
    QTest::newRow("settings via management") << QList<int>{4, 1, 5, 1} << "Systemsettings" << 2 << QList<int>{0, 4, 5} << false;
    QTest::newRow("back to management") << QList<int>{4, 1, 5, 1, -1, 0} << "Management" << 1 << QList<int>{0, 4, 5} << false;
    QTest::newRow("back from level 1") << QList<int>{4, 1, -1, 0} << "mainPage" << 0 << QList<int>{0, 0} << false;
    QTest::newRow("same level") << QList<int>{4, 1, 7, 0} << "MeasManagement" << 1 << QList<int>{0, 7} << false;
    QTest::newRow("gps keeps level") << QList<int>{4, 1, 10, -1} << "GpsMonitor" << 1 << QList<int>{0, 4} << false;
    QTest::newRow("dialog 2") << QList<int>{4, 1, 2, 0} << "mainPage" << 0 << QList<int>{0, 0} << false;
    QTest::newRow("dialog 12") << QList<int>{4, 1, 12, 1} << "mainPage" << 0 << QList<int>{0, 0} << false;
    QTest::newRow("dialog -2") << QList<int>{4, 1, -2, 0} << "mainPage" << 0 << QList<int>{0, 0} << false;
    QTest::newRow("dialog 0") << QList<int>{4, 1, 0, 0} << "mainPage" << 0 << QList<int>{0, 0} << true;
    QTest::newRow("measurement screen") << QList<int>{1, 1} << "Levelmeasurement" << 1 << QList<int>{0, 1} << false;
    QTest::newRow("pressure screen") << QList<int>{11, 1} << "PressureSensor" << 1 << QList<int>{0, 11} << false;
}

void TestMainMenu::navigation()
{
    QFETCH(QList<int>, steps);
    QFETCH(QString, screen);
    QFETCH(int, level);
    QFETCH(QList<int>, history);
    QFETCH(bool, textsRefreshed);
    start();
    auto *level1 = main().findChild<QPushButton *>(QStringLiteral("butLevelmeasurement"));
    level1->setText(QStringLiteral("stale"));
    for (int i = 0; i + 1 < steps.size(); i += 2)
        main().displayWidget(steps.at(i), steps.at(i + 1), 0);
    QWidget *current = currentScreen();
    QCOMPARE(current->objectName() == QLatin1String("mainPage") ? QStringLiteral("mainPage")
                                                                : QString::fromLatin1(current->metaObject()->className()),
             screen);
    QCOMPARE(main().currentMenuLevel(), level);
    for (int i = 0; i < history.size(); ++i)
        QCOMPARE(main().storedWidgetMenu(i), history.at(i));
    QCOMPARE(level1->text() != QLatin1String("stale"), textsRefreshed);
}

// The management menu is left on the screen, not only with the power key.
void TestMainMenu::managementHasAWayHome()
{
    start();
    main().displayWidget(4, 1, 0);
    QTest::mouseClick(currentScreen()->findChild<QPushButton *>(QStringLiteral("butMenuBack")), Qt::LeftButton);
    QCOMPARE(currentScreen()->objectName(), QStringLiteral("mainPage"));
    QCOMPARE(main().currentMenuLevel(), 0);
}

void TestMainMenu::tenNestedLevelsStopAtNine()
{
    start();
    for (int i = 0; i < 9; ++i)
        main().displayWidget(4, 1, 0);
    QCOMPARE(main().currentMenuLevel(), 9);
    main().displayWidget(5, 1, 0);
    QCOMPARE(main().currentMenuLevel(), 9);
    QCOMPARE(main().storedWidgetMenu(9), 5);
    QCOMPARE(main().storedWidgetMenu(8), 4);
    main().displayWidget(-1, 0, 0);
    QCOMPARE(main().currentMenuLevel(), 8);
    QCOMPARE(QString::fromLatin1(currentScreen()->metaObject()->className()), QStringLiteral("Management"));
}

void TestMainMenu::gainSteps_data()
{
    QTest::addColumn<bool>("wired");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("storedStep");
    QTest::addColumn<long>("pga");
    QTest::addColumn<QString>("sent"); // empty: nothing sent to the sensor
    QTest::newRow("radio 1") << false << 1 << 1 << 300L << "BT_TX I 0a";
    QTest::newRow("radio 3") << false << 3 << 3 << 300L << "BT_TX I 0f";
    QTest::newRow("radio 6") << false << 6 << 6 << 300L << "BT_TX I 15";
    QTest::newRow("radio 7 means 3") << false << 7 << 3 << 300L << "BT_TX I 0f";
    QTest::newRow("radio 0 means 3") << false << 0 << 3 << 300L << "BT_TX I 0f";
    QTest::newRow("wired 1") << true << 1 << 1 << 900L << "";
    QTest::newRow("wired 4") << true << 4 << 4 << 2900L << "";
    QTest::newRow("wired 6") << true << 6 << 6 << 4100L << "";
    QTest::newRow("wired 7 means 3") << true << 7 << 3 << 2250L << "";
}

void TestMainMenu::gainSteps()
{
    QFETCH(bool, wired);
    QFETCH(int, step);
    QFETCH(int, storedStep);
    QFETCH(long, pga);
    QFETCH(QString, sent);
    start();
    root().write(QStringLiteral("/sys/class/gpio/gpio48/value"), wired ? "1\n" : "0\n");
    QVERIFY(QMetaObject::invokeMethod(&StatusbarData(), "update"));
    QCOMPARE(StatusbarData().sensorType() == 4, wired);
    m_shell->log.clear();
    main().setMicGainStep(step);
    QCOMPARE(main().getMicGainStep(), storedStep);
    QCOMPARE(main().getAudioCodecInstance()->micPgaGain(), pga);
    QCOMPARE(double(main().getMicPgaGain()), double(pga) / 100.0);
    if (sent.isEmpty())
        QVERIFY(lastMicInit().isEmpty());
    else
        QVERIFY2(lastMicInit().contains(sent), qPrintable(lastMicInit()));
}

void TestMainMenu::micInitCommand_data()
{
    QTest::addColumn<int>("gain");
    QTest::addColumn<int>("mute");
    QTest::addColumn<bool>("switchMode");
    QTest::addColumn<QString>("command");
    QTest::newRow("start-up") << 15 << 1 << true << "BT_TX I 0f MUTE SWITCH";
    QTest::newRow("open, push button") << 10 << 0 << false << "BT_TX I 0a ACTIVE PUSHBUT";
    QTest::newRow("mute other than 1 is active") << 21 << 2 << true << "BT_TX I 15 ACTIVE SWITCH";
    QTest::newRow("two digits") << 255 << 1 << false << "BT_TX I ff MUTE PUSHBUT";
}

void TestMainMenu::micInitCommand()
{
    QFETCH(int, gain);
    QFETCH(int, mute);
    QFETCH(bool, switchMode);
    QFETCH(QString, command);
    QCOMPARE(MainMenu::micInitCommand(gain, mute, switchMode), command);
}

void TestMainMenu::settingsDecideTheKeyMode_data()
{
    QTest::addColumn<QByteArray>("switchmode");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("storedButton");
    QTest::addColumn<QString>("command");
    QTest::newRow("switch overrides 0") << QByteArray("Switch") << 0 << 1 << "BT_TX I 11 ACTIVE SWITCH";
    QTest::newRow("push overrides 1") << QByteArray("Push-Button") << 1 << 0 << "BT_TX I 11 ACTIVE PUSHBUT";
}

void TestMainMenu::settingsDecideTheKeyMode()
{
    QFETCH(QByteArray, switchmode);
    QFETCH(int, button);
    QFETCH(int, storedButton);
    QFETCH(QString, command);
    start("[Systemsettings]\nSwitchmode=" + switchmode + "\n");
    QCOMPARE(main().setMicInitParameter(17, 0, button), 0);
    int gain = 0, mute = 0, storedKey = -1;
    main().getMicInitParameter(&gain, &mute, &storedKey);
    QCOMPARE(storedKey, storedButton);
    QCOMPARE(gain, 17);
    QVERIFY2(lastMicInit().contains(command), qPrintable(lastMicInit()));
    // Muting the path with the microphone resends with MUTE and the same key mode.
    main().muteAudioPath(true, true);
    QVERIFY2(lastMicInit().contains(command.replace(QLatin1String("ACTIVE"), QLatin1String("MUTE"))), qPrintable(lastMicInit()));
    QCOMPARE(root().read(QStringLiteral("/sys/class/gpio/gpio17/value")), QByteArray("0"));
    main().muteAudioPath(false, false);
    QCOMPARE(root().read(QStringLiteral("/sys/class/gpio/gpio17/value")), QByteArray("1"));
    QVERIFY(!main().getAudioCodecInstance()->isMuted());
}

void TestMainMenu::languageFromDataPartitionOverrides_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("overrideFile");
    QTest::addColumn<QString>("levelText");
    QTest::newRow("German") << 2 << false << "Pegel";
    QTest::newRow("German overridden") << 2 << true << "Level";
    QTest::newRow("number 0 is English") << 0 << false << "Level";
    QTest::newRow("number 25 is English") << 25 << false << "Level";
    QTest::newRow("Finnish") << 17 << false << "Taso";
}

void TestMainMenu::languageFromDataPartitionOverrides()
{
    QFETCH(int, language);
    QFETCH(bool, overrideFile);
    QFETCH(QString, levelText);
    start();
    if (overrideFile) // an English file under the German name
        QVERIFY(QFile::copy(QStringLiteral(":/Languages/GB_KX500.qm"), root().file(QStringLiteral("/media/kx500/DE_KX500.qm"))));
    main().changeLanguage(language);
    main().displayWidget(0, 0, 0);
    QCOMPARE(main().findChild<QPushButton *>(QStringLiteral("butLevelmeasurement"))->text(), levelText);
    QCOMPARE(m_shell->log.matching(QStringLiteral("Load language file from mass storage")).size(), overrideFile ? 1 : 0);
    main().changeLanguage(1);
}

void TestMainMenu::systemInfoLine_data()
{
    QTest::addColumn<bool>("temperature");
    QTest::addColumn<QString>("pattern");
    const QString head = QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4};\\d\\d:\\d\\d:\\d\\d;9;3\\.2;0\\.8;1;");
    QTest::newRow("with temperature") << true << head + QStringLiteral("25\\.5;0;0;0;-1;hello\\n$");
    QTest::newRow("temperature unreadable") << false << head + QStringLiteral("0;0;0;-1;hello\\n$");
}

void TestMainMenu::systemInfoLine()
{
    QFETCH(bool, temperature);
    QFETCH(QString, pattern);
    start();
    const QString gauge = QStringLiteral("/sys/class/power_supply/bq27426-0/");
    root().write(gauge + QStringLiteral("capacity"), "9\n");
    root().write(gauge + QStringLiteral("voltage_now"), "3200000\n");
    root().write(gauge + QStringLiteral("current_now"), "800000\n");
    root().write(QStringLiteral("/sys/class/power_supply/bq24190-battery/status"), "Charging\n");
    if (temperature)
        root().write(gauge + QStringLiteral("temp"), "255\n");
    else
        QFile::remove(root().file(gauge + QStringLiteral("temp")));
    main().writeSystemInfo(QStringLiteral("hello"));
    const QString line = QString::fromLatin1(root().read(QStringLiteral("/media/kx500/systemInfo.txt")));
    QVERIFY2(QRegularExpression(pattern).match(line).hasMatch(), qPrintable(line));
}

void TestMainMenu::powerDownEndsInPoweroff_data()
{
    QTest::addColumn<bool>("poweroffFails");
    QTest::newRow("switched off once") << false;
    QTest::newRow("failed switch-off may be asked again") << true;
}

void TestMainMenu::powerDownEndsInPoweroff()
{
    QFETCH(bool, poweroffFails);
    start();
    if (poweroffFails) {
        const QString standIn = root().file(QStringLiteral("/bin/poweroff"));
        QVERIFY(QFile::remove(standIn) && root().write(QStringLiteral("/bin/poweroff"), "#!/bin/sh\nexit 1\n"));
        QVERIFY(QFile::setPermissions(standIn, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    main().muteAudioPath(false, false);
    const QString before = QDir::currentPath();
    main().beforePowerDown();
    QCOMPARE(root().read(QStringLiteral("/sys/class/gpio/gpio17/value")), QByteArray("0"));
    QVERIFY(!root().commands().contains(QStringLiteral("poweroff")));
    QTRY_VERIFY_WITH_TIMEOUT(root().commands().contains(QStringLiteral("umount /media/kx500")), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(poweroffFails ? !m_shell->log.matching(QStringLiteral("poweroff failed")).isEmpty()
                                           : root().commands().contains(QStringLiteral("poweroff")), 5000);
    if (!poweroffFails) {
        const QStringList commands = root().commands();
        QCOMPARE(commands.mid(commands.size() - 2), QStringList({"umount /media/kx500", "poweroff"}));
    }
    QCOMPARE(QDir::currentPath(), QDir(root().file(QStringLiteral("/home/root"))).canonicalPath());
    QDir::setCurrent(before);
    // Every later request (key, power saving, battery) is one more only after a failure.
    main().beforePowerDown();
    QCOMPARE(m_shell->log.matching(QStringLiteral("beforePowerDown: Mute")).size(), poweroffFails ? 2 : 1);
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
