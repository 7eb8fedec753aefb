// The settings store and the settings screen on a fresh platform root.
#include "appsetup.h"
#include "levelmeasurement.h"
#include "logcapture.h"
#include "screendriver.h"
#include "shellfixture.h"
#include "settingsbutton.h"
#include "systemsettings.h"
#include "testroot.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// Every key with its delivery value, in the order the program writes them.
const QList<QPair<const char *, const char *>> kDelivery = {
    {"Bluetooth/Headphone_Name", ""}, {"Bluetooth/Headphone_ID", ""},
    {"Bluetooth/Microphone_Name", ""}, {"Bluetooth/Microphone_ID", ""},
    {"Debug/Debugfeatures", "0"},
    {"Local-Settings/Language", "1"}, {"Local-Settings/Timezone", "Berlin (+1 h)"},
    {"Local-Settings/TimezoneNum", "13"}, {"Local-Settings/TimezoneOffset", "3600"},
    {"Local-Settings/DaylightSavingTime", "0"}, {"Local-Settings/Dateformat", "DDMMYYYY"},
    {"Local-Settings/DateTimeSource", "GPS"},
    {"Systemsettings/Switchmode", "Switch"}, {"Systemsettings/FavouriteButton", "2"},
    {"Systemsettings/Brightness", "6"}, {"Systemsettings/PowerOffTime", "3600"},
    {"Systemsettings/DisplayOffTime", "600"}, {"Systemsettings/HearingProtection", "false"},
    {"Systemsettings/HeadphoneVolumeOffset", "0"},
    {"Dialogconfiguration/LevelMeasurement_ShowFft", "true"},
    {"Dialogconfiguration/LevelMeasurement_ShowFrequencyValue", "true"},
    {"Dialogconfiguration/LevelMeasurement_UseFrequencyColorForLevelbar", "false"},
    {"Dialogconfiguration/LevelMeasurement_ShowPeakLevelBar", "false"},
    {"Dialogconfiguration/Pinpointing_ShowFrequencyValue", "true"},
    {"Dialogconfiguration/Pinpointing_UseFrequencyColorForLevelbar", "false"},
    {"Dialogconfiguration/Pinpointing_ShowFilterParameter", "true"},
    {"Dialogconfiguration/Pinpointing_DynamicScaling", "true"},
    {"Dialogconfiguration/Longterm_ShowFrequencyValue", "true"},
    {"Dialogconfiguration/Longterm_UseFrequencyColorForLevelbar", "false"},
    {"Dialogconfiguration/Longterm_ShowGrid", "true"},
    {"Dialogconfiguration/Longterm_ShowFilterParameter", "true"},
    {"Dialogconfiguration/H2Sensor_ShowHistogram", "true"},
    {"Dialogconfiguration/H2Sensor_ShowGrid", "false"},
    {"Dialogconfiguration/H2Sensor_DynamicScaling", "true"},
    {"Dialogconfiguration/H2Sensor_ShowWorkingRange", "false"},
    {"Dialogconfiguration/Pipelocating_ShowFft", "false"},
    {"Dialogconfiguration/Pipelocating_UseFrequencyColorForLevelbar", "false"},
    {"Dialogconfiguration/Pipelocating_ShowFrequencyValue", "true"},
    {"Dialogconfiguration/Pipelocating_ShowFilterParameter", "true"},
    {"Dialogconfiguration/Startup_UseFavouriteForStartup", "false"},
    {"Dialogconfiguration/Startup_UseFilterForStartup", "false"},
    {"Dialogconfiguration/Startup_UseGpsForStartup", "true"},
};

// A complete, valid file: the delivery values with both devices paired and
// brightness high.
QByteArray pairedFile()
{
    const QHash<QString, QString> changed = {
        {"Bluetooth/Headphone_ID", "00:1b:66:0a:21:5c"}, {"Bluetooth/Headphone_Name", "Headset HS-1"},
        {"Bluetooth/Microphone_ID", "00:07:80:4d:33:01"}, {"Bluetooth/Microphone_Name", "RM-3 4D3301"},
        {"Systemsettings/Brightness", "7"}};
    QByteArray text;
    QString group;
    for (const auto &d : kDelivery) {
        const QStringList key = QString::fromLatin1(d.first).split(QLatin1Char('/'));
        if (key[0] != group)
            text += "[" + (group = key[0]).toLatin1() + "]\n";
        text += key[1].toLatin1() + "=" + changed.value(QLatin1String(d.first), QLatin1String(d.second)).toLatin1() + "\n";
    }
    return text;
}

QByteArray randomBytes(quint32 seed, int size)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, '\0');
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void init()
    {
        m_root = std::make_unique<TestRoot>();
        m_log = std::make_unique<LogCapture>();
        QVERIFY(m_root->isValid());
    }
    void cleanup()
    {
        m_log.reset();
        m_root.reset();
    }

    void freshRootGetsEveryDefault_data();
    void freshRootGetsEveryDefault();
    void damagedFileKeepsWhatIsValid_data();
    void damagedFileKeepsWhatIsValid();
    void invalidValueTakesDefault_data();
    void invalidValueTakesDefault();
    void unwritableHomeRunsOnDefaults_data();
    void unwritableHomeRunsOnDefaults();
    void dateFormat_data();
    void dateFormat();
    void timeTexts_data();
    void timeTexts();
    void storesEveryChangeAtOnce();
    void screenPagesAndTexts();
    void dialogsStoreOnAcceptOnly_data();
    void dialogsStoreOnAcceptOnly();
    void openScreenFollowsLanguage();
    void resetToDeliveryState_data();
    void resetToDeliveryState();

private:
    void writeSettings(const QByteArray &text) { QVERIFY(m_root->write(QStringLiteral("/home/root/settings.ini"), text)); }
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<LogCapture> m_log;
    QTranslator m_english;
};

void TestSettings::freshRootGetsEveryDefault_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    for (const auto &d : kDelivery)
        QTest::newRow(d.first) << QString::fromLatin1(d.first) << QString::fromLatin1(d.second);
    QTest::newRow("no other keys") << QString() << QString::number(kDelivery.size());
}

// Read back from the written file, not from the object.
void TestSettings::freshRootGetsEveryDefault()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    Systemsettings settings;
    QSettings file(m_root->file(QStringLiteral("/home/root/settings.ini")), QSettings::IniFormat);
    if (key.isEmpty()) {
        QCOMPARE(QString::number(file.allKeys().size()), expected);
        return;
    }
    QVERIFY2(file.contains(key), qPrintable(key));
    QCOMPARE(file.value(key).toString(), expected);
}

void TestSettings::damagedFileKeepsWhatIsValid_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<int>("brightness");
    QTest::addColumn<QStringList>("pairing"); // headphone ID, name, microphone ID, name
    // What survived of the file stays; whatever is missing takes its default.
    auto row = [](const QByteArray &name, const QByteArray &content) {
        const QByteArray full = pairedFile();
        QStringList pairing;
        for (const char *key : {"Headphone_ID=", "Headphone_Name=", "Microphone_ID=", "Microphone_Name="}) {
            const int at = full.indexOf(key);
            const QByteArray line = full.mid(at, full.indexOf('\n', at) + 1 - at);
            pairing << (content.contains(line) ? QString::fromLatin1(line.mid(line.indexOf('=') + 1).trimmed()) : QString());
        }
        QTest::newRow(name.constData()) << content << (content.contains("\nBrightness=7\n") ? 7 : 6) << pairing;
    };
    const QByteArray full = pairedFile();
    for (int end = 0, line = 0; end >= 0; end = full.indexOf('\n', end + 1), ++line)
        row("first " + QByteArray::number(line) + " lines", full.left(end > 0 ? end + 1 : 0));
    row("first 700 bytes", full.left(700));
    row("head with a garbage tail", full.left(700) + randomBytes(1, 1024));
    row("4 KiB of random bytes", randomBytes(2, 4096));
    row("zero bytes", QByteArray(300, '\0'));
    row("broken group line", "[Systemsettings\nBrightness=7\n");
    QTest::newRow("no file") << QByteArray() << 6 << QStringList{"", "", "", ""};
}

// A file cut short by a power loss or overwritten with garbage must leave
// the display lit and the pairing that survived; it is repaired at once.
void TestSettings::damagedFileKeepsWhatIsValid()
{
    QFETCH(QByteArray, content);
    QFETCH(int, brightness);
    QFETCH(QStringList, pairing);
    if (!content.isNull())
        writeSettings(content);
    auto check = [&](const Systemsettings &s) {
        QCOMPARE(s.getBrightness(), brightness);
        QCOMPARE((QStringList{s.getBtIdHeadphone(), s.getBtNameHeadphone(), s.getBtIdMicrophone(), s.getBtNameMicrophone()}),
                 pairing);
        QCOMPARE(s.getPowerOffTime(), 3600);
    };
    {
        Systemsettings settings;
        check(settings);
    }
    const bool damaged = !content.isNull() && content != pairedFile();
    QCOMPARE(m_root->read(QStringLiteral("/home/root/settings.ini.damaged")), damaged ? content : QByteArray());
    QCOMPARE(QFile::exists(m_root->file(QStringLiteral("/home/root/settings.ini.damaged"))), damaged);
    // The repaired file loads clean with the same values.
    m_log->clear();
    Systemsettings again;
    check(again);
    QCOMPARE(m_log->matching(QStringLiteral("Systemsettings:")), QStringList());
}

void TestSettings::invalidValueTakesDefault_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QList<std::tuple<const char *, const char *, const char *>> rows = {
        {"Systemsettings/Brightness", "4", "6"}, {"Systemsettings/Brightness", "8", "6"},
        {"Systemsettings/Brightness", "5", "5"}, {"Systemsettings/Brightness", "2147483647", "6"},
        {"Systemsettings/Brightness", "-2147483648", "6"}, {"Systemsettings/Brightness", "99999999999", "6"},
        {"Systemsettings/Brightness", "7x", "6"}, {"Systemsettings/Brightness", "\"6, 7\"", "6"},
        {"Systemsettings/PowerOffTime", "0", "0"}, {"Systemsettings/PowerOffTime", "59", "3600"},
        {"Systemsettings/PowerOffTime", "-1", "3600"}, {"Systemsettings/PowerOffTime", "259201", "3600"},
        {"Systemsettings/DisplayOffTime", "9", "600"}, {"Systemsettings/DisplayOffTime", "10", "10"},
        {"Systemsettings/FavouriteButton", "6", "2"}, {"Systemsettings/FavouriteButton", "0", "0"},
        {"Systemsettings/HeadphoneVolumeOffset", "2147483647", "0"}, {"Systemsettings/HeadphoneVolumeOffset", "-5", "0"},
        {"Systemsettings/HeadphoneVolumeOffset", "-4", "-4"}, {"Systemsettings/HeadphoneVolumeOffset", "10", "10"},
        {"Systemsettings/HearingProtection", "yes", "false"}, {"Systemsettings/Switchmode", "switch", "Switch"},
        {"Systemsettings/Switchmode", "Push-Button", "Push-Button"},
        {"Local-Settings/Language", "0", "1"}, {"Local-Settings/Language", "25", "1"},
        {"Local-Settings/DaylightSavingTime", "2147483647", "0"}, {"Local-Settings/Dateformat", "yyyymmdd", "DDMMYYYY"},
        {"Local-Settings/Dateformat", " YYYYMMDD ", "YYYYMMDD"}, {"Local-Settings/DateTimeSource", "gps", "GPS"},
        {"Local-Settings/TimezoneOffset", "2147483647", "3600"}, {"Local-Settings/TimezoneNum", "31", "13"},
        {"Debug/Debugfeatures", "2", "0"}, {"Bluetooth/Headphone_ID", "00:1b:66:0a:2", ""},
        {"Dialogconfiguration/Startup_UseGpsForStartup", "maybe", "true"},
    };
    for (const auto &r : rows) {
        const QString key = QString::fromLatin1(std::get<0>(r));
        QTest::addRow("%s=%s", std::get<0>(r), std::get<1>(r))
            << QByteArray("[" + key.section('/', 0, 0).toLatin1() + "]\n" + key.section('/', 1).toLatin1() + "="
                          + std::get<1>(r) + "\n")
            << key << QString::fromLatin1(std::get<2>(r));
    }
    // The zone is taken whole: one bad part gives the default zone.
    const QByteArray zone = "[Local-Settings]\nTimezone=Fiji (+12 h)\nTimezoneNum=30\nTimezoneOffset=";
    QTest::newRow("whole zone") << zone + "43200\n" << "Local-Settings/TimezoneOffset" << "43200";
    QTest::newRow("zone with INT_MIN offset") << zone + "-2147483648\n" << "Local-Settings/TimezoneNum" << "13";
}

// Read back from the repaired file, which is written from what is in use.
void TestSettings::invalidValueTakesDefault()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeSettings(content);
    Systemsettings settings;
    QCOMPARE(QSettings(m_root->file(QStringLiteral("/home/root/settings.ini")), QSettings::IniFormat).value(key).toString(),
             expected);
}

void TestSettings::unwritableHomeRunsOnDefaults_data()
{
    QTest::addColumn<bool>("danglingHome");
    QTest::newRow("settings file is a directory") << false;
    QTest::newRow("home is a dangling link") << true;
}

// Running as root, permissions stop nothing: the file cannot be written
// because its place is taken or its directory does not exist.
void TestSettings::unwritableHomeRunsOnDefaults()
{
    QFETCH(bool, danglingHome);
    const QString home = m_root->file(QStringLiteral("/home/root"));
    if (danglingHome)
        QVERIFY(QDir(home).removeRecursively() && QFile::link(home + QStringLiteral("-gone"), home));
    else
        QVERIFY(QDir().mkpath(home + QStringLiteral("/settings.ini")));
    Systemsettings settings;
    QCOMPARE(settings.getBrightness(), 6);
    QCOMPARE(settings.getPowerOffTime(), 3600);
    QCOMPARE(settings.getSelectedLanguageNum(), 1);
    QCOMPARE(settings.setFavouriteButton(4), -1);
    // The operator is told once, from the event loop.
    QString shown;
    QTimer::singleShot(0, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            shown = dialog->findChild<QLabel *>(QStringLiteral("labelInfotext"))->text();
            dialog->close();
        }
    });
    QCoreApplication::processEvents();
    QCOMPARE(shown, QStringLiteral("The settings could not be saved. Changes are lost when the device is switched off."));
}

void TestSettings::dateFormat_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("number");
    QTest::newRow("day first") << "DDMMYYYY" << "dd.MM.yyyy" << 0;
    QTest::newRow("year first with blanks") << "  YYYYMMDD " << "yyyy-MM-dd" << -1;
    QTest::newRow("month first") << "MMDDYYYY" << "MM/dd/yyyy" << 2;
    QTest::newRow("lower case is unknown") << "yyyymmdd" << "dd.MM.yyyy" << -1;
    QTest::newRow("empty") << "" << "dd.MM.yyyy" << -1;
}

void TestSettings::dateFormat()
{
    QFETCH(QString, stored);
    QFETCH(QString, format);
    QFETCH(int, number);
    {
        Systemsettings defaults;
    }
    {
        QSettings file(m_root->file(QStringLiteral("/home/root/settings.ini")), QSettings::IniFormat);
        file.setValue(QStringLiteral("Local-Settings/Dateformat"), stored);
    }
    Systemsettings settings;
    QCOMPARE(settings.getFormatStringDate(), format);
    QCOMPARE(Systemsettings::convertDateFormatToInt(stored), number);
}

void TestSettings::timeTexts_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "never";
    QTest::newRow("1") << 1 << "1 s";
    QTest::newRow("59") << 59 << "59 s";
    QTest::newRow("60") << 60 << "1 min";
    QTest::newRow("3599") << 3599 << "59 min";
    QTest::newRow("3600") << 3600 << "1 h";
    QTest::newRow("86399") << 86399 << "23 h";
    QTest::newRow("86400") << 86400 << "---";
    QTest::newRow("negative") << -5 << "-5 s";
}

void TestSettings::timeTexts()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(Systemsettings::convertTimeToText(seconds), text);
}

void TestSettings::storesEveryChangeAtOnce()
{
    writeSettings("[Bluetooth]\nHeadphone_ID=00:07:80:aa:bb:cc\nHeadphone_Name=Field\n"
                  "Microphone_ID=00:07:80:11:22:33\nMicrophone_Name=RM-3 0815\n");
    Systemsettings settings;
    QCOMPARE(settings.getBtNameMicrophone(), QStringLiteral("RM-3 0815"));
    QCOMPARE(settings.setFavouriteButton(4), 0);
    QCOMPARE(settings.setFavouriteButton(6), -1);
    settings.clearBtHeadphone();
    Systemsettings reread;
    QCOMPARE(reread.getFavouriteButton(nullptr), 4);
    QCOMPARE(reread.getBtIdHeadphone(), QString());
    QCOMPARE(reread.getBtNameHeadphone(), QString());
    QCOMPARE(reread.getBtIdMicrophone(), QStringLiteral("00:07:80:11:22:33"));
}

void TestSettings::screenPagesAndTexts()
{
    writeSettings("[Systemsettings]\nBrightness=5\nPowerOffTime=0\nDisplayOffTime=90\nSwitchmode=Push-Button\n"
                  "FavouriteButton=0\n[Local-Settings]\nLanguage=30\nDaylightSavingTime=1\n");
    Systemsettings screen;
    QSignalSpy goTo(&screen, &Systemsettings::gotoWidget);
    screen.init();
    auto value = [&](const char *name) { return screen.findChild<SettingsButton *>(QLatin1String(name))->text2(); };
    QCOMPARE(value("butBrightness"), QStringLiteral("low"));
    QCOMPARE(value("butPowerSaving"), QStringLiteral("1 min / never"));
    QCOMPARE(value("butSwitchmode"), QStringLiteral("Push button"));
    QCOMPARE(value("butFavouriteButton"), QStringLiteral("Screenshot"));
    QCOMPARE(value("butLanguage"), QStringLiteral("English"));
    QCOMPARE(value("butDaylightSavingTime"), QStringLiteral("Summer time"));
    QCOMPARE(screen.getDaylightSavingTimeOffet(), 3600);

    const QList<int> down = {2, 3, 1};
    for (int page : down) {
        QTest::mouseClick(screen.findChild<QPushButton *>(QStringLiteral("butMenuDown")), Qt::LeftButton);
        QCOMPARE(screen.currentPage(), page);
    }
    const QList<int> up = {3, 2, 1};
    for (int page : up) {
        QTest::mouseClick(screen.findChild<QPushButton *>(QStringLiteral("butMenuUp")), Qt::LeftButton);
        QCOMPARE(screen.currentPage(), page);
    }
    QTest::mouseClick(screen.findChild<QPushButton *>(QStringLiteral("butMenuBack")), Qt::LeftButton);
    QCOMPARE(goTo.size(), 1);
    QCOMPARE(goTo.first(), QVariantList({0, -1, 0}));
}

void TestSettings::dialogsStoreOnAcceptOnly_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("clicks"); // in the dialog; "<power>" is the power key's short press
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    const QString accept = QStringLiteral("butAccept"), cancel = QStringLiteral("butClose");
    QTest::newRow("mute key mode") << 1 << "butSwitchmode" << QStringList{"butPushButton", accept}
                                   << "Systemsettings/Switchmode" << "Push-Button";
    QTest::newRow("mute key mode cancelled") << 1 << "butSwitchmode" << QStringList{"butPushButton", cancel}
                                             << "Systemsettings/Switchmode" << "Switch";
    QTest::newRow("hearing protection") << 1 << "butHearingProtection"
                                        << QStringList{"butDisabled", "butVolUp", "butVolUp", accept}
                                        << "Systemsettings/HeadphoneVolumeOffset" << "2";
    QTest::newRow("hearing protection, power key") << 1 << "butHearingProtection"
                                                   << QStringList{"butDisabled", "butVolUp", "<power>"}
                                                   << "Systemsettings/HeadphoneVolumeOffset" << "0";
    QTest::newRow("favourite") << 2 << "butFavouriteButton" << QStringList{"butFav_6", accept}
                               << "Systemsettings/FavouriteButton" << "0";
    QTest::newRow("brightness") << 2 << "butBrightness" << QStringList{"butBrightnessHigh", accept}
                                << "Systemsettings/Brightness" << "7";
    QTest::newRow("brightness cancelled") << 2 << "butBrightness" << QStringList{"butBrightnessHigh", cancel}
                                          << "Systemsettings/Brightness" << "6";
    QTest::newRow("power off") << 2 << "butPowerSaving" << QStringList{"butPow_5", "butBl_1", accept}
                               << "Systemsettings/PowerOffTime" << "10800";
    QTest::newRow("power off, power key") << 2 << "butPowerSaving" << QStringList{"butPow_5", "<power>"}
                                          << "Systemsettings/PowerOffTime" << "3600";
    QTest::newRow("language") << 3 << "butLanguage" << QStringList{"butFrench"} << "Local-Settings/Language" << "3";
    QTest::newRow("language, back") << 3 << "butLanguage" << QStringList{"butMenuBack"} << "Local-Settings/Language"
                                    << "1";
    QTest::newRow("time zone") << 3 << "butTimezone" << QStringList{"butNext", accept}
                               << "Local-Settings/TimezoneNum" << "14";
    QTest::newRow("time zone cancelled") << 3 << "butTimezone" << QStringList{"butNext", cancel}
                                         << "Local-Settings/TimezoneNum" << "13";
    QTest::newRow("summer time") << 3 << "butDaylightSavingTime" << QStringList{"butSummertime", accept}
                                 << "Local-Settings/DaylightSavingTime" << "1";
    QTest::newRow("date format") << 3 << "butDate" << QStringList{"butFormat_YYYYMMDD", accept}
                                 << "Local-Settings/Dateformat" << "YYYYMMDD";
    QTest::newRow("manual clock") << 3 << "butTime" << QStringList{"butManualTime", accept}
                                  << "Local-Settings/DateTimeSource" << "MAN";
    QTest::newRow("manual clock cancelled") << 3 << "butTime" << QStringList{"butManualTime", cancel}
                                            << "Local-Settings/DateTimeSource" << "GPS";
}

// Each settings button opens its dialog; what it accepts is in the file at
// once, what is cancelled or left with the power key is not.
void TestSettings::dialogsStoreOnAcceptOnly()
{
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(QStringList, clicks);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    ShellFixture shell;
    shell.main->displayWidget(5, 1, 0);
    auto *screen = shell.main->findChild<Systemsettings *>();
    for (int p = 1; p < page; ++p)
        QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuDown")), Qt::LeftButton);
    QCOMPARE(clickThroughDialog(screen->findChild<QPushButton *>(button), clicks), QString());
    QSettings file(shell.root.file(QStringLiteral("/home/root/settings.ini")), QSettings::IniFormat);
    QCOMPARE(file.value(key).toString(), stored);
}

// A language change reaches the screen that is open and the main menu
// behind it at once; switching back restores the English.
void TestSettings::openScreenFollowsLanguage()
{
    ShellFixture shell;
    auto *level = shell.showScreen<Levelmeasurement>(1);
    auto caption = [&] { return level->findChild<QLabel *>(QStringLiteral("labelPeakCaption"))->text(); };
    auto *menuButton = shell.main->findChild<QPushButton *>(QStringLiteral("butManagement"));
    QCOMPARE(caption(), QStringLiteral("Peak"));
    shell.main->changeLanguage(2);
    QTRY_COMPARE(caption(), QStringLiteral("Spitze"));
    QCOMPARE(menuButton->text(), QStringLiteral("Verwaltung"));
    shell.main->changeLanguage(1);
    QTRY_COMPARE(caption(), QStringLiteral("Peak"));
    QCOMPARE(menuButton->text(), QStringLiteral("Management"));
}

void TestSettings::resetToDeliveryState_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("reset");
    QTest::newRow("yes") << "butMiddle" << true;
    QTest::newRow("no") << "butRight" << false;
}

// Yes puts the defaults on disk, the pairing with them, before the reboot;
// No keeps everything.
void TestSettings::resetToDeliveryState()
{
    QFETCH(QString, answer);
    QFETCH(bool, reset);
    ShellFixture shell(QByteArray("[Bluetooth]\nMicrophone_ID=00:07:80:11:22:33\nMicrophone_Name=RM-3 0815\n"
                                  "[Local-Settings]\nLanguage=2\n[Systemsettings]\nBrightness=7\n"));
    shell.main->displayWidget(5, 1, 0);
    auto *screen = shell.main->findChild<Systemsettings *>();
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuDown")), Qt::LeftButton);
    const int before = shell.root.commands().size();
    QCOMPARE(clickThroughDialog(screen->findChild<QPushButton *>(QStringLiteral("butReset")),
                                {QStringLiteral("butReset"), answer}),
             QString());
    QSettings file(shell.root.file(QStringLiteral("/home/root/settings.ini")), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Local-Settings/Language")).toInt(), reset ? 1 : 2);
    QCOMPARE(file.value(QStringLiteral("Systemsettings/Brightness")).toInt(), reset ? 6 : 7);
    QCOMPARE(file.value(QStringLiteral("Bluetooth/Microphone_ID")).toString().isEmpty(), reset);
    QCOMPARE(shell.root.commands().mid(before).contains(QStringLiteral("reboot")), reset);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
