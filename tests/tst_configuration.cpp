// The RM-3 configuration dialog: the sensor's answers played into the sensor
// link, the keys that close it and the management button that runs it.
#include "appsetup.h"
#include "bluetooth.h"
#include "configuration.h"
#include "screenshot.h"
#include "shellfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

const QByteArray kSettings = "[Bluetooth]\nMicrophone_Name=RM-3 0042\nMicrophone_ID=00:07:80:4a:1b:2c\n";
const char *const kFields[] = {"editFirmwareVersion", "editBatteryState", "editGain", "editSensorType",
                               "editButtonMode", "editHardwareVersion", "editBtName", "editBtId"};
const QByteArray kFullBlock = "BT_RX SENSOR 1\r\nBT_RX MIC-GAIN 0f\r\nBT_RX BATT_VOLTAGE 3900\r\n"
                              "BT_RX FW-VERSION 1.23\r\nBT_RX HW-VERSION 2.0\r\nBT_RX BUTTON SWITCH\r\n"
                              "BT_RX MUTE_STATE ACTIVE\r\n!$!\r\n";

QStringList shownFields(const QWidget &dialog)
{
    QStringList texts;
    for (const char *name : kFields)
        texts << dialog.findChild<QLineEdit *>(QLatin1String(name))->text();
    return texts;
}

QTimer *answerTimer(const QObject &dialog)
{
    return dialog.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class TestConfiguration : public QObject
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
        m_shell = std::make_unique<ShellFixture>(kSettings);
        play("LIST 2 CONNECTED RFCOMM\r\n"); // the sensor's channel is up
    }
    void cleanup() { m_shell.reset(); }

    void evaluation_data();
    void evaluation();
    void noLinkIsShownAtOnce();
    void managementRunsTheDialog();

private:
    void play(const QByteArray &text) { m_shell->main->getBtSinkInstance()->receiveData(text); }
    std::unique_ptr<ShellFixture> m_shell;
    QTranslator m_english;
};

void TestConfiguration::evaluation_data()
{
    // The answer before the time-out, whether the time-out fires, what
    // arrives after it; then the eight fields shown.
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<bool>("timeout");
    QTest::addColumn<QByteArray>("later");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("note"); // shown over the fields
    const QString noAnswer = QStringLiteral("No answer from the RM-3. Check that it is switched on and near.");
    const QString name = QStringLiteral("RM-3 0042"), id = QStringLiteral("00:07:80:4a:1b:2c");
    QTest::newRow("full block") << kFullBlock << false << QByteArray()
                                << QStringList{"V 1.23", "3900 mV (60 %)", "0f (3 / 18dB)", "GX-2",
                                               "SWITCH (ACTIVE)", "V 2.0", name, id}
                                << QString();
    QTest::newRow("odd gain, unrecognised sensor")
        << QByteArray("BT_RX MIC-GAIN 0e\r\nBT_RX SENSOR 4\r\nBT_RX BUTTON PUSHBUT\r\n"
                      "BT_RX MUTE_STATE MUTE\r\n!$!\r\n")
        << false << QByteArray()
        << QStringList{"", "", "0e (?)", "unknown", "PUSHBUT (MUTE)", "", name, id} << QString();
    QTest::newRow("first match counts, blanks trimmed")
        << QByteArray("BT_RX  SENSOR   3 \r\nBT_RX SENSOR 2\r\nBT_RX MIC-GAIN 15\r\n!$!\r\n") << false
        << QByteArray() << QStringList{"", "", "15 (6 / 36dB)", "H2", "", "", name, id} << QString();
    QTest::newRow("no end marker: time-out")
        << QByteArray("BT_RX FW-VERSION 1.23\r\nBT_RX MIC-GAIN 0a\r\n") << true << QByteArray()
        << QStringList{"V 1.23", "", "0a (1 / 3dB)", "", "", "", name, id} << QString();
    QTest::newRow("late lines overwrite only what they carry")
        << QByteArray("BT_RX FW-VERSION 1.23\r\nBT_RX SENSOR 1\r\n") << true
        << QByteArray("BT_RX SENSOR 2\r\nBT_RX HW-VERSION 3.1\r\n!$!\r\n")
        << QStringList{"V 1.23", "", "", "NX-2", "", "V 3.1", name, id} << QString();
    QTest::newRow("no end marker, nothing usable") << QByteArray("BT_RX OK\r\n") << true << QByteArray()
                                                   << QStringList{"", "", "", "", "", "", name, id} << noAnswer;
    QTest::newRow("silence") << QByteArray() << true << QByteArray()
                             << QStringList{"", "", "", "", "", "", name, id} << noAnswer;
    QTest::newRow("answer after the note") << QByteArray() << true << kFullBlock
                                           << QStringList{"V 1.23", "3900 mV (60 %)", "0f (3 / 18dB)", "GX-2",
                                                          "SWITCH (ACTIVE)", "V 2.0", name, id}
                                           << QString();
}

void TestConfiguration::evaluation()
{
    QFETCH(QByteArray, first);
    QFETCH(bool, timeout);
    QFETCH(QByteArray, later);
    QFETCH(QStringList, fields);
    QFETCH(QString, note);
    Configuration dialog;
    QTimer *timer = answerTimer(dialog);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 7000);
    play(first);
    if (timeout)
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    play(later);
    QCOMPARE(shownFields(dialog), fields);
    QVERIFY(!timer->isActive());
    const QLabel *noteLabel = dialog.findChild<QLabel *>(QStringLiteral("labelNote"));
    QCOMPARE(noteLabel->isVisibleTo(&dialog) ? noteLabel->text() : QString(), note);
}

// Without the sensor's channel nothing is asked: the dialog says so at once.
void TestConfiguration::noLinkIsShownAtOnce()
{
    play("NO CARRIER 2 ERROR 0 RFCOMM_CLOSED\r\n");
    Configuration dialog;
    QVERIFY(!answerTimer(dialog)->isActive());
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("labelNote"))->text(),
             QStringLiteral("No bluetooth connection. Please check your RM-3."));
    saveScreenshot(&dialog, QStringLiteral("configuration-nolink.png"));
}

// The management button runs the dialog modally over the whole screen; a
// short press of the power key (Escape press, then release) leaves it, it is
// deleted and the main menu shows.
void TestConfiguration::managementRunsTheDialog()
{
    MainMenu &main = *m_shell->main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.displayWidget(4, 1, 0);
    QPointer<Configuration> shown;
    QSize size;
    QStringList again;
    bool timing = false, openAfterPress = false, closedByKey = true;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        shown = qobject_cast<Configuration *>(modal);
        if (!shown) {
            if (modal)
                modal->close();
            return;
        }
        size = shown->size();
        play(kFullBlock);
        saveScreenshot(shown, QStringLiteral("configuration.png"));
        QTest::mouseClick(shown->findChild<QPushButton *>(QStringLiteral("butReadAgain")), Qt::LeftButton);
        again = shownFields(*shown);
        timing = answerTimer(*shown)->isActive();
        QWidget *target = shown->focusWidget() ? shown->focusWidget() : shown.data();
        QTest::keyPress(target, Qt::Key_Escape);
        openAfterPress = shown->isVisible();
        QTest::keyRelease(target, Qt::Key_Escape);
        if (shown->isVisible()) {
            closedByKey = false;
            shown->reject();
        }
    });
    QTest::mouseClick(main.findChild<QPushButton *>(QStringLiteral("butDeviceConfig")), Qt::LeftButton);

    QCOMPARE(size, QSize(480, 272));
    QCOMPARE(again, (QStringList{"", "", "", "", "", "", "RM-3 0042", "00:07:80:4a:1b:2c"}));
    QVERIFY(timing);
    QVERIFY(openAfterPress);
    QVERIFY(closedByKey);
    QVERIFY(!shown); // deleted after it closed
    QCOMPARE(main.currentWidget(), 0);
}

QTEST_MAIN(TestConfiguration)
#include "tst_configuration.moc"
