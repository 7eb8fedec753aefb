// The settings store and the settings screen on a fresh platform root.
#include "appsetup.h"
#include "logcapture.h"
#include "shellfixture.h"
#include "settingsbutton.h"
#include "systemsettings.h"
#include "testroot.h"

#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <memory>

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
    void unusableFileIsReplaced_data();
    void unusableFileIsReplaced();
    void dateFormat_data();
    void dateFormat();
    void timeTexts_data();
    void timeTexts();
    void switchMode_data();
    void switchMode();
    void storesEveryChangeAtOnce();
    void screenPagesAndTexts();

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
    const QList<QPair<const char *, const char *>> defaults = {
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
    for (const auto &d : defaults)
        QTest::newRow(d.first) << QString::fromLatin1(d.first) << QString::fromLatin1(d.second);
    QTest::newRow("no other keys") << QString() << QString::number(defaults.size());
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

void TestSettings::unusableFileIsReplaced_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<int>("brightness");
    QTest::addColumn<bool>("keptAside");
    QTest::newRow("missing") << QByteArray() << 6 << false;
    QTest::newRow("emptied by power loss") << QByteArray("") << 6 << true;
    QTest::newRow("zero bytes") << QByteArray(300, '\0') << 6 << true;
    QTest::newRow("broken group line") << QByteArray("[Systemsettings\nBrightness=7\n") << 6 << true;
    // An older file lacks keys: what it has stays, what it lacks reads as 0.
    QTest::newRow("older file kept") << QByteArray("[Systemsettings]\nBrightness=7\n") << 7 << false;
}

void TestSettings::unusableFileIsReplaced()
{
    QFETCH(QByteArray, content);
    QFETCH(int, brightness);
    QFETCH(bool, keptAside);
    if (!content.isNull())
        writeSettings(content);
    Systemsettings settings;
    QCOMPARE(settings.getBrightness(), brightness);
    QCOMPARE(QFile::exists(m_root->file(QStringLiteral("/home/root/settings.ini.damaged"))), keptAside);
    if (keptAside)
        QCOMPARE(m_root->read(QStringLiteral("/home/root/settings.ini.damaged")), content);
    // Whatever happened, the file on disk now reads back as what is in use.
    Systemsettings again;
    QCOMPARE(again.getBrightness(), brightness);
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

void TestSettings::switchMode_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("switchMode");
    QTest::newRow("Switch") << "Switch" << true;
    QTest::newRow("lower case") << "switch" << false;
    QTest::newRow("push button") << "Push-Button" << false;
}

void TestSettings::switchMode()
{
    QFETCH(QString, stored);
    QFETCH(bool, switchMode);
    writeSettings("[Systemsettings]\nSwitchmode=" + stored.toLatin1() + "\n");
    Systemsettings settings;
    QCOMPARE(settings.isMuteKeySwitchmode(), switchMode);
}

void TestSettings::storesEveryChangeAtOnce()
{
    writeSettings("[Bluetooth]\nHeadphone_ID=00:07:80:aa:bb:cc\nHeadphone_Name=Field\n"
                  "Microphone_ID=00:07:80:11:22:33\nMicrophone_Name=RM-3 0815\n");
    Systemsettings settings;
    QCOMPARE(settings.getBtNameMicrophone(), QStringLiteral("RM-3 0815"));
    QCOMPARE(settings.setFavouriteButton(4), 0);
    settings.clearBtHeadphone();
    Systemsettings reread;
    QCOMPARE(reread.getFavouriteButton(nullptr), 4);
    QCOMPARE(reread.getBtIdHeadphone(), QString());
    QCOMPARE(reread.getBtNameHeadphone(), QString());
    QCOMPARE(reread.getBtIdMicrophone(), QStringLiteral("00:07:80:11:22:33"));
}

void TestSettings::screenPagesAndTexts()
{
    writeSettings("[Systemsettings]\nBrightness=9\nPowerOffTime=0\nDisplayOffTime=90\nSwitchmode=Push-Button\n"
                  "FavouriteButton=0\n[Local-Settings]\nLanguage=30\nDaylightSavingTime=1\n");
    Systemsettings screen;
    QSignalSpy goTo(&screen, &Systemsettings::gotoWidget);
    screen.init();
    auto value = [&](const char *name) { return screen.findChild<SettingsButton *>(QLatin1String(name))->text2(); };
    QCOMPARE(value("butBrightness"), QStringLiteral("9"));
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

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
