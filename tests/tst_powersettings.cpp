#include "appsetup.h"
#include "audiocodecsetup.h"
#include "bluetooth.h"
#include "displaysettings.h"
#include "hearingprotection.h"
#include "powersaving.h"
#include "screenshot.h"
#include "shellfixture.h"

#include <QMediaPlayer>
#include <QPushButton>

namespace {


void click(QWidget &dialog, const QString &button, int times = 1)
{
    auto *b = dialog.findChild<QPushButton *>(button);
    QVERIFY2(b && b->isVisible(), qPrintable(button));
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class TestPowerSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void powerSavingSteps_data();
    void powerSavingSteps();
    void brightnessPreview_data();
    void brightnessPreview();
    void headphoneOffset_data();
    void headphoneOffset();
    void testtone();

private:
    QTranslator m_english;
};

void TestPowerSettings::powerSavingSteps_data()
{
    QTest::addColumn<int>("powerOff");
    QTest::addColumn<int>("backlightOff");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("wantPowerOff");
    QTest::addColumn<QString>("powerText");
    QTest::addColumn<int>("wantBacklightOff");
    QTest::addColumn<QString>("backlightText");
    QTest::newRow("3 h steps to never") << 10800 << 600 << "butSwitchPower" << 1 << 0 << "never" << 600 << "10 min";
    QTest::newRow("never wraps to 10 min") << 0 << 600 << "butSwitchPower" << 1 << 600 << "10 min" << 600 << "10 min";
    QTest::newRow("unlisted opens at 1 h") << 5 << 45 << "butAccept" << 0 << 3600 << "1 h" << 600 << "10 min";
    QTest::newRow("unlisted steps from 1 h") << 5 << 600 << "butSwitchPower" << 1 << 7200 << "2 h" << 600 << "10 min";
    QTest::newRow("backlight full round") << 3600 << 30 << "butSwitchBacklight" << 6 << 3600 << "1 h" << 30 << "30 s";
    QTest::newRow("backlight never to 30 s") << 3600 << 0 << "butSwitchBacklight" << 1 << 3600 << "1 h" << 30 << "30 s";
    QTest::newRow("value button") << 3600 << 600 << "butBl_6" << 1 << 3600 << "1 h" << 0 << "never";
}

void TestPowerSettings::powerSavingSteps()
{
    QFETCH(int, powerOff);
    QFETCH(int, backlightOff);
    QFETCH(QString, button);
    QFETCH(int, presses);
    ShellFixture shell; // the screens' style sheet, for the picture
    PowerSaving dialog;
    dialog.init(powerOff, backlightOff);
    dialog.show();
    click(dialog, button, presses);
    QString text;
    QTEST(dialog.getPowerOffTime(&text), "wantPowerOff");
    QTEST(text, "powerText");
    QTEST(dialog.getBacklightOffTime(&text), "wantBacklightOff");
    QTEST(text, "backlightText");
    if (QTest::currentDataTag() == QLatin1String("unlisted opens at 1 h"))
        saveScreenshot(&dialog, QStringLiteral("settings-powersaving.png"));
}

void TestPowerSettings::brightnessPreview_data()
{
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("want");
    QTest::addColumn<QString>("text");
    QTest::newRow("high to medium") << QByteArray("7\n") << "butBrightnessSelect" << 6 << "medium";
    QTest::newRow("medium to low") << QByteArray("6\n") << "butBrightnessSelect" << 5 << "low";
    QTest::newRow("low to high") << QByteArray("5\n") << "butBrightnessSelect" << 7 << "high";
    QTest::newRow("odd level to medium") << QByteArray("12\n") << "butBrightnessSelect" << 6 << "medium";
    QTest::newRow("low button") << QByteArray("12\n") << "butBrightnessLow" << 5 << "low";
}

void TestPowerSettings::brightnessPreview()
{
    QFETCH(QByteArray, current);
    QFETCH(QString, button);
    QFETCH(int, want);
    const QString file = QStringLiteral("/sys/class/backlight/backlight/brightness");
    ShellFixture shell;
    QVERIFY(shell.root.write(file, current));
    Displaysettings dialog;
    dialog.init();
    dialog.show();
    QCOMPARE(dialog.getBrightness(nullptr), current.trimmed().toInt());
    click(dialog, button);
    QString text;
    QCOMPARE(dialog.getBrightness(&text), want);
    QTEST(text, "text");
    // The display shows the choice at once; a longer old value leaves no digit behind.
    QCOMPARE(shell.root.read(file).trimmed(), QByteArray::number(want));
    if (want == 6)
        saveScreenshot(&dialog, QStringLiteral("settings-brightness.png"));
}

void TestPowerSettings::headphoneOffset_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("want");
    QTest::newRow("up stops at 10") << 10 << "butVolUp" << 1 << 10;
    QTest::newRow("down stops at -4") << -4 << "butVolDown" << 1 << -4;
    QTest::newRow("11 starts at 0") << 11 << "butVolUp" << 1 << 1;
    QTest::newRow("-5 starts at 0") << -5 << "butVolDown" << 2 << -2;
}

void TestPowerSettings::headphoneOffset()
{
    QFETCH(int, offset);
    QFETCH(QString, button);
    QFETCH(int, presses);
    QFETCH(int, want);
    ShellFixture shell;
    HearingProtection dialog;
    dialog.init(false, offset);
    dialog.show();
    click(dialog, button, presses);
    QCOMPARE(dialog.getHeadphoneVolumeOffset(), want);
    QCOMPARE(shell.main->getBtSourceInstance()->getBtAdcGain(), want + 5);
}

void TestPowerSettings::testtone()
{
    ShellFixture shell;
    AudioCodecSetup *codec = shell.main->getAudioCodecInstance();
    HearingProtection dialog;
    dialog.init(true, 3);
    dialog.show();
    // Protection on hides the volume controls; off shows them.
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("butPlayPause"))->isVisible());
    click(dialog, QStringLiteral("butSelect"));
    QVERIFY(!dialog.getModeHearingProtection());
    saveScreenshot(&dialog, QStringLiteral("settings-hearingprotection.png"));

    auto *player = dialog.findChild<QMediaPlayer *>();
    QVERIFY(player);
    click(dialog, QStringLiteral("butPlayPause"));
    QVERIFY(dialog.isTesttonePlaying());
    QVERIFY(!codec->isMuted());
    // Without a media service offscreen the player cannot start at all.
    if (player->isAvailable())
        QCOMPARE(player->state(), QMediaPlayer::PlayingState);

    click(dialog, QStringLiteral("butPlayPause"));
    QVERIFY(!dialog.isTesttonePlaying());
    QCOMPARE(player->state(), QMediaPlayer::StoppedState);

    // Switching protection on ends the tone; Accept mutes the path again.
    click(dialog, QStringLiteral("butPlayPause"));
    click(dialog, QStringLiteral("butEnabled"));
    QVERIFY(!dialog.isTesttonePlaying());
    click(dialog, QStringLiteral("butDisabled"));
    click(dialog, QStringLiteral("butPlayPause"));
    click(dialog, QStringLiteral("butAccept"));
    QVERIFY(!dialog.isTesttonePlaying());
    QCOMPARE(player->state(), QMediaPlayer::StoppedState);
    QVERIFY(codec->isMuted());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.getModeHearingProtection());
    QCOMPARE(dialog.getHeadphoneVolumeOffset(), 3);
}

QTEST_MAIN(TestPowerSettings)
#include "tst_powersettings.moc"
