// The settings sub-dialogs: favourite, mute-key mode, customise, reset and
// system information, and the favourite key's screenshot.
#include "appsetup.h"
#include "bluetooth.h"
#include "customizedialogs.h"
#include "favouritebutton.h"
#include "globals.h"
#include "messagedialog.h"
#include "resetsettings.h"
#include "screenshot.h"
#include "selectfavouritebutton.h"
#include "selectswitchmode.h"
#include "shellfixture.h"
#include "systeminformation.h"
#include "virtualkeyboard.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

namespace {

using Flag = Systemsettings::DialogFlag;

using Flags = QVector<int>;

void click(QWidget *dialog, const QString &name)
{
    auto *button = dialog->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

QString field(QWidget *dialog, const char *name)
{
    auto *edit = dialog->findChild<QLineEdit *>(QLatin1String(name));
    return edit ? edit->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// A group's options through the dialog's own setter and getter.
void setGroup(CustomizeDialogs &d, int group, const QVector<bool> &v)
{
    switch (group) {
    case 0: d.setLevelParameter(v[0], v[1], v[2], v[3]); break;
    case 1: d.setPinpointingParameter(v[0], v[1], v[2], v[3]); break;
    case 2: d.setLongtermParameter(v[0], v[1], v[2], v[3]); break;
    case 3: d.setH2Parameter(v[0], v[1], v[2], v[3]); break;
    case 4: d.setPipelocatingParameter(v[0], v[1], v[2], v[3]); break;
    default: d.setStartupParameter(v[0], v[1], v[2]); break;
    }
}

QVector<bool> getGroup(const CustomizeDialogs &d, int group)
{
    bool v[4] = {};
    switch (group) {
    case 0: d.getLevelParameter(&v[0], &v[1], &v[2], &v[3]); break;
    case 1: d.getPinpointingParameter(&v[0], &v[1], &v[2], &v[3]); break;
    case 2: d.getLongtermParameter(&v[0], &v[1], &v[2], &v[3]); break;
    case 3: d.getH2Parameter(&v[0], &v[1], &v[2], &v[3]); break;
    case 4: d.getPipelocatingParameter(&v[0], &v[1], &v[2], &v[3]); break;
    default: d.getStartupParameter(&v[0], &v[1], &v[2]); return {v[0], v[1], v[2]};
    }
    return {v[0], v[1], v[2], v[3]};
}

// The flags that are on, as DialogFlag numbers.
Flags flagsOn(const CustomizeDialogs &d)
{
    bool flags[Systemsettings::DialogFlagCount];
    d.getFlags(flags);
    Flags on;
    for (int i = 0; i < Systemsettings::DialogFlagCount; ++i) {
        if (flags[i])
            on << i;
    }
    return on;
}

} // namespace

class TestSettingsDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(loadStyleSheet());
        QVERIFY(installEnglish(m_english));
    }
    void cleanup() { g_debugFeatures = 0; }

    void favouriteSelection_data();
    void favouriteSelection();
    void switchmode_data();
    void switchmode();
    void customizeRoundTrip_data();
    void customizeRoundTrip();
    void resetConfirmation_data();
    void resetConfirmation();
    void systemInformation_data();
    void systemInformation();
    void debugEntry_data();
    void debugEntry();
    void screenshotCounter();

private:
    QTranslator m_english;
};

void TestSettingsDialogs::favouriteSelection_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("expected");
    QTest::newRow("screenshot steps to level") << 0 << "butSwitchFavourite" << 1 << 2;
    QTest::newRow("level steps to pinpointing") << 2 << "butSwitchFavourite" << 1 << 1;
    QTest::newRow("pinpointing steps to long-term") << 1 << "butSwitchFavourite" << 1 << 3;
    QTest::newRow("pipe locating steps to screenshot") << 5 << "butSwitchFavourite" << 1 << 0;
    QTest::newRow("six steps come round") << 4 << "butSwitchFavourite" << 6 << 4;
    QTest::newRow("unknown steps to level") << 9 << "butSwitchFavourite" << 1 << 2;
    QTest::newRow("butFav_1 level") << 0 << "butFav_1" << 1 << 2;
    QTest::newRow("butFav_2 pinpointing") << 0 << "butFav_2" << 1 << 1;
    QTest::newRow("butFav_3 long-term") << 0 << "butFav_3" << 1 << 3;
    QTest::newRow("butFav_4 H2") << 0 << "butFav_4" << 1 << 4;
    QTest::newRow("butFav_5 pipe locating") << 0 << "butFav_5" << 1 << 5;
    QTest::newRow("butFav_6 screenshot") << 2 << "butFav_6" << 1 << 0;
}

void TestSettingsDialogs::favouriteSelection()
{
    QFETCH(int, start);
    QFETCH(QString, button);
    QFETCH(int, presses);
    QFETCH(int, expected);
    SelectFavouriteButton dialog;
    dialog.init(start);
    for (int i = 0; i < presses; ++i)
        click(&dialog, button);
    QString text;
    QCOMPARE(dialog.getFavouriteButton(&text), expected);
    QCOMPARE(text, Systemsettings::getFavButTextFromNum(expected));
    // Exactly the chosen function is marked.
    int marked = 0;
    for (int i = 1; i <= 6; ++i) {
        auto *b = dialog.findChild<QPushButton *>(QStringLiteral("butFav_%1").arg(i));
        if (b->isChecked()) {
            ++marked;
            QCOMPARE(b->text().replace('\n', ' '), text);
        }
    }
    QCOMPARE(marked, 1);
    if (QByteArray(QTest::currentDataTag()) == "butFav_4 H2") {
        dialog.show();
        saveScreenshot(&dialog, QStringLiteral("settings-favourite.png"));
    }
}

void TestSettingsDialogs::switchmode_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("expected");
    QTest::newRow("select toggles to push button") << "Switch" << QStringList{"butSwitchSelect"} << "Push-Button";
    QTest::newRow("select toggles to switch") << "Push-Button" << QStringList{"butSwitchSelect"} << "Switch";
    QTest::newRow("select twice keeps") << "Switch" << QStringList{"butSwitchSelect", "butSwitchSelect"} << "Switch";
    QTest::newRow("push button") << "Switch" << QStringList{"butPushButton"} << "Push-Button";
    QTest::newRow("switch") << "Push-Button" << QStringList{"butSwitch"} << "Switch";
    QTest::newRow("unknown reads as push button") << "Toggle" << QStringList() << "Push-Button";
}

void TestSettingsDialogs::switchmode()
{
    QFETCH(QString, start);
    QFETCH(QStringList, buttons);
    QFETCH(QString, expected);
    SelectSwitchmode dialog;
    dialog.init(start);
    for (const QString &b : buttons)
        click(&dialog, b);
    QCOMPARE(dialog.getSwitchmode(), expected);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("butSwitch"))->isChecked(), expected == "Switch");
    dialog.show();
    saveScreenshot(&dialog, QStringLiteral("settings-switchmode.png"));
}

void TestSettingsDialogs::customizeRoundTrip_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<Flags>("flags"); // in the order of the group's setter
    QTest::newRow("level") << 0
                           << Flags{Systemsettings::LevelShowFft, Systemsettings::LevelShowFrequencyValue,
                                    Systemsettings::LevelShowPeakLevelBar, Systemsettings::LevelUseFrequencyColor};
    QTest::newRow("pinpointing") << 1
                                 << Flags{Systemsettings::PPShowFrequencyValue, Systemsettings::PPUseFrequencyColor,
                                          Systemsettings::PPShowFilterParameter, Systemsettings::PPDynamicScaling};
    QTest::newRow("long-term") << 2
                               << Flags{Systemsettings::LTShowFrequencyValue, Systemsettings::LTUseFrequencyColor,
                                        Systemsettings::LTShowGrid, Systemsettings::LTShowFilterParameter};
    QTest::newRow("H2") << 3
                        << Flags{Systemsettings::H2ShowHistogram, Systemsettings::H2ShowGrid,
                                 Systemsettings::H2DynamicScaling, Systemsettings::H2ShowWorkingRange};
    QTest::newRow("pipe locating") << 4
                                   << Flags{Systemsettings::PLShowFft, Systemsettings::PLShowFrequencyValue,
                                            Systemsettings::PLUseFrequencyColor, Systemsettings::PLShowFilterParameter};
    QTest::newRow("start-up") << 5
                              << Flags{Systemsettings::SUUseFavouriteForStartup, Systemsettings::SUUseFilterForStartup,
                                       Systemsettings::SUUseGpsForStartup};
}

void TestSettingsDialogs::customizeRoundTrip()
{
    QFETCH(int, group);
    QFETCH(Flags, flags);
    CustomizeDialogs dialog;
    dialog.show();
    for (int i = 0; i < group; ++i)
        click(&dialog, QStringLiteral("butPageDown"));
    QCOMPARE(dialog.currentPage(), group);
    const bool none[Systemsettings::DialogFlagCount] = {};
    for (int i = 0; i < flags.size(); ++i) {
        QVector<bool> oneHot(flags.size(), false);
        oneHot[i] = true;
        // Tapping the toggle on the page reaches the right getter argument...
        dialog.setFlags(none);
        auto *toggle = dialog.findChild<QCheckBox *>(
            QLatin1String("chk") + QLatin1String(Systemsettings::dialogFlagKey(Flag(flags[i]))));
        QVERIFY(toggle && toggle->isVisible());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(getGroup(dialog, group), oneHot);
        QCOMPARE(flagsOn(dialog), Flags{flags[i]});
        // ...and the setter's argument the right flag.
        dialog.setFlags(none);
        setGroup(dialog, group, oneHot);
        QCOMPARE(flagsOn(dialog), Flags{flags[i]});
    }
    if (group == 0) {
        setGroup(dialog, 0, {true, false, true, false});
        saveScreenshot(&dialog, QStringLiteral("settings-customize.png"));
    }
}

void TestSettingsDialogs::resetConfirmation_data()
{
    QTest::addColumn<QString>("answer"); // "" = Back instead of Reset
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("log");
    QTest::newRow("yes resets") << "Yes" << int(QDialog::Accepted) << "Messagedialog Button Yes";
    QTest::newRow("no keeps") << "No" << int(QDialog::Rejected) << "Messagedialog Button No";
    QTest::newRow("back keeps") << "" << int(QDialog::Rejected) << "";
}

void TestSettingsDialogs::resetConfirmation()
{
    QFETCH(QString, answer);
    QFETCH(int, result);
    QFETCH(QString, log);
    LogCapture capture;
    ResetSettings dialog;
    dialog.show();
    saveScreenshot(&dialog, QStringLiteral("settings-reset.png"));
    QString focused;
    QTimer::singleShot(0, &dialog, [&] {
        auto *question = qobject_cast<MessageDialog *>(QApplication::activeModalWidget());
        QVERIFY(question);
        if (auto *f = qobject_cast<QPushButton *>(question->focusWidget()))
            focused = f->text();
        for (QPushButton *b : question->findChildren<QPushButton *>()) {
            if (b->isVisible() && b->text() == answer)
                QTest::mouseClick(b, Qt::LeftButton);
        }
    });
    click(&dialog, answer.isEmpty() ? QStringLiteral("butMenuBack") : QStringLiteral("butReset"));
    QCOMPARE(dialog.result(), result);
    if (!answer.isEmpty()) {
        QCOMPARE(focused, QStringLiteral("No")); // Enter alone never resets
        QCOMPARE(capture.matching(log).size(), 1);
    }
}

void TestSettingsDialogs::systemInformation_data()
{
    QTest::addColumn<QByteArray>("ain4"); // null = file missing
    QTest::addColumn<QByteArray>("ain5");
    QTest::addColumn<bool>("identity");
    QTest::addColumn<bool>("df");
    QTest::addColumn<QString>("hardware");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("os");
    QTest::newRow("simulator defaults") << QByteArray() << QByteArray() << true << true << "V 1" << "V 1.8.0 (F)"
                                        << "KX5-00001" << "V 1.0.0";
    QTest::newRow("range edges") << QByteArray("1001\n") << QByteArray("1399\n") << true << true << "V 1"
                                 << "V 1.8.0 (F)" << "KX5-00001" << "V 1.0.0";
    QTest::newRow("one input below") << QByteArray("1000\n") << QByteArray("1200\n") << true << true << "unknown"
                                     << "V 1.8.0 (F)" << "KX5-00001" << "V 1.0.0";
    QTest::newRow("one input above") << QByteArray("1200\n") << QByteArray("1400\n") << true << true << "unknown"
                                     << "V 1.8.0 (F)" << "KX5-00001" << "V 1.0.0";
    QTest::newRow("files missing") << QByteArray("") << QByteArray("") << false << false << "unknown" << "V 1.8.0"
                                   << "unknown" << "unknown";
}

void TestSettingsDialogs::systemInformation()
{
    QFETCH(QByteArray, ain4);
    QFETCH(QByteArray, ain5);
    QFETCH(bool, identity);
    QFETCH(bool, df);
    QFETCH(QString, hardware);
    QFETCH(QString, firmware);
    QFETCH(QString, serial);
    QFETCH(QString, os);
    TestRoot root;
    const QString iio = QStringLiteral("/sys/bus/iio/devices/iio:device0/");
    QVERIFY(root.write(iio + "buffer/enable", "1"));
    auto put = [&](const QString &name, const QByteArray &value) {
        if (value.isEmpty() && !value.isNull())
            QFile::remove(root.file(iio + name));
        else if (!value.isNull())
            root.write(iio + name, value);
    };
    put(QStringLiteral("in_voltage4_raw"), ain4);
    put(QStringLiteral("in_voltage5_raw"), ain5);
    if (!identity) {
        for (const char *f : {"serialNumber", "productionDate", "bspinfo"})
            QVERIFY(QFile::remove(root.file(QStringLiteral("/home/root/") + QLatin1String(f))));
    }
    if (!df)
        QVERIFY(QFile::remove(root.file(QStringLiteral("/bin/df"))));

    Systeminformation dialog;
    QCOMPARE(field(&dialog, "editHardwareVersion"), hardware);
    QCOMPARE(root.read(iio + "buffer/enable"), QByteArray("0"));
    QCOMPARE(field(&dialog, "editFirmwareVersion"), firmware);
    QCOMPARE(field(&dialog, "editSerialNumber"), serial);
    QCOMPARE(field(&dialog, "editProductionDate"), identity ? QStringLiteral("2026-01-15") : QStringLiteral("unknown"));
    QCOMPARE(field(&dialog, "editOperatingSystem"), os);
    QCOMPARE(field(&dialog, "editBattery"), QStringLiteral("3.90 V (80 %)"));
}

void TestSettingsDialogs::debugEntry_data()
{
    QTest::addColumn<unsigned>("debugBefore");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("code"); // what is typed once the keyboard comes
    QTest::addColumn<int>("keyboards");
    QTest::addColumn<unsigned>("debugAfter");
    QTest::addColumn<QString>("buttonText");
    QTest::newRow("two presses ask nothing") << 0u << 2 << "dbg" << 0 << 0u << "";
    QTest::newRow("third press, right code") << 0u << 3 << "DBG" << 1 << 1u << "Debug Enabled";
    QTest::newRow("third press, wrong code") << 0u << 3 << "dgb" << 1 << 0u << "";
    QTest::newRow("enabled: first press asks, wrong code disables") << 1u << 1 << "xyz" << 1 << 0u << "";
}

void TestSettingsDialogs::debugEntry()
{
    QFETCH(unsigned, debugBefore);
    QFETCH(int, presses);
    QFETCH(QString, code);
    QFETCH(int, keyboards);
    QFETCH(unsigned, debugAfter);
    QFETCH(QString, buttonText);
    ShellFixture shell;
    const QString ini = shell.root.file(QStringLiteral("/home/root/settings.ini"));
    // The file says the opposite of the outcome, so a missing store shows.
    QSettings(ini, QSettings::IniFormat).setValue(QStringLiteral("Debug/Debugfeatures"), int(!debugAfter));
    g_debugFeatures = debugBefore;
    Systeminformation dialog;
    int asked = 0;
    QTimer answer;
    connect(&answer, &QTimer::timeout, &dialog, [&] {
        if (auto *keyboard = qobject_cast<VirtualKeyboard *>(QApplication::activeModalWidget())) {
            ++asked;
            keyboard->setText(code);
            QTest::mouseClick(keyboard->findChild<QPushButton *>(QStringLiteral("but_Accept")), Qt::LeftButton);
        }
    });
    answer.start(10);
    for (int i = 0; i < presses; ++i)
        click(&dialog, QStringLiteral("butDebugFeatures"));
    QCOMPARE(asked, keyboards);
    QCOMPARE(g_debugFeatures, debugAfter);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("butDebugFeatures"))->text().replace('\n', ' '), buttonText);
    const int stored = QSettings(ini, QSettings::IniFormat).value(QStringLiteral("Debug/Debugfeatures")).toInt();
    QCOMPARE(stored, keyboards ? int(debugAfter) : int(!debugAfter));
    if (debugAfter) {
        // The addresses appear as the modules report them.
        shell.main->getBtSourceInstance()->receiveData("SET BT BDADDR 00:07:80:aa:10:01\r\n");
        shell.main->getBtSinkInstance()->receiveData("SET BT BDADDR 00:07:80:aa:10:02\r\n");
        dialog.updateInfo();
        QCOMPARE(field(&dialog, "editBtIdTx"), QStringLiteral("00:07:80:aa:10:01"));
        QCOMPARE(field(&dialog, "editBtIdRx"), QStringLiteral("00:07:80:aa:10:02"));
        dialog.show();
        saveScreenshot(&dialog, QStringLiteral("settings-systeminfo.png"));
    }
}

void TestSettingsDialogs::screenshotCounter()
{
    ShellFixture shell;
    shell.main->show();
    QTimer closePopups;
    connect(&closePopups, &QTimer::timeout, [] {
        if (QWidget *popup = QApplication::activeModalWidget())
            popup->close();
    });
    closePopups.start(10);
    FavouriteButton *key = shell.main->getFavouriteButtonInsance();
    const QString folder = shell.root.file(QStringLiteral("/media/kx500/screenshots"));
    QVERIFY(key->generateScreenshot());
    QVERIFY(QFile::exists(folder + "/pic_000.png"));
    // A folder that cannot be made: nothing saved, the number kept.
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(shell.root.write(QStringLiteral("/media/kx500/screenshots"), "in the way"));
    QVERIFY(!key->generateScreenshot());
    QCOMPARE(shell.log.matching(QStringLiteral("Screenshot finished false")).size(), 1);
    QVERIFY(QFile::remove(folder));
    QVERIFY(key->generateScreenshot());
    QVERIFY(QFile::exists(folder + "/pic_001.png"));
    QCOMPARE(key->screenshotCount(), 2);
}

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
