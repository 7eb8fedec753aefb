// Pairing a Bluetooth module: what an inquiry's output offers, and the
// dialog from the settings screen against the simulated modules.

#include "appsetup.h"
#include "bluetooth.h"
#include "bluetoothpairing.h"
#include "screenshot.h"
#include "shellfixture.h"
#include "statusbar.h"
#include "systemsettings.h"

#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

const QString FirstRm3 = QStringLiteral("00:07:80:4d:33:01");

QString partial(const char *address, const char *deviceClass)
{
    return QStringLiteral("INQUIRY_PARTIAL %1 %2\r\n").arg(QLatin1String(address), QLatin1String(deviceClass));
}

QString name(const char *address, const char *text)
{
    return QStringLiteral("NAME %1 \"%2\"\r\n").arg(QLatin1String(address), QLatin1String(text));
}

} // namespace

class TestPairing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }

    void inquiryOffers_data();
    void inquiryOffers();
    void pairFromSettings_data();
    void pairFromSettings();

private:
    QTranslator m_english;
};

void TestPairing::inquiryOffers_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("offered"); // "address name" per device, joined by "; "

    const QString rm3 = partial("00:07:80:4d:33:01", "280404") + name("00:07:80:4d:33:01", "RM-3 4D3301");
    const QString headset = partial("00:1b:66:0a:21:5c", "240404") + name("00:1b:66:0a:21:5c", "Headset HS-1");
    QTest::newRow("nothing found") << QStringLiteral("INQUIRY 0\r\n") << 1 << QString();
    QTest::newRow("2804 for the microphone") << rm3 + headset << 1 << QStringLiteral("00:07:80:4d:33:01 RM-3 4D3301");
    QTest::newRow("2404 for headphones") << rm3 + headset << 0 << QStringLiteral("00:1b:66:0a:21:5c Headset HS-1");
    // Every bit of the mask is needed, more bits do not hurt.
    QTest::newRow("superset class fits both") << partial("00:11:22:33:44:55", "2c0404") << 0
                                              << QStringLiteral("00:11:22:33:44:55 unknown");
    QTest::newRow("phone fits neither") << partial("00:11:22:33:44:55", "5a020c") << 1 << QString();
    QTest::newRow("names by address, not by order")
        << partial("00:00:00:00:00:01", "280404") + partial("00:00:00:00:00:02", "280404")
               + name("00:00:00:00:00:02", "B") + name("00:00:00:00:00:01", "A (1)")
        << 1 << QStringLiteral("00:00:00:00:00:01 A (1); 00:00:00:00:00:02 B");
    QTest::newRow("duplicates once") << partial("00:07:80:4D:33:01", "280404") + rm3 + rm3 << 1
                                     << QStringLiteral("00:07:80:4d:33:01 RM-3 4D3301");
    QTest::newRow("malformed lines")
        << QStringLiteral("INQUIRY_PARTIAL\r\nINQUIRY_PARTIAL 00:07:80\r\nINQUIRY_PARTIAL 00:07:80:4d:33:03\r\n"
                          "INQUIRY_PARTIAL zz:07:80:4d:33:04 280404\r\nINQUIRY_PARTIAL 00:07:80:4d:33:05 xyz\r\n"
                          "NAME 00:07:80:4d:33:01 \"unterminated\r\nNAME \"\"\r\nNAME\r\n")
               + partial("00:07:80:4d:33:01", "280404")
        << 1 << QStringLiteral("00:07:80:4d:33:01 unknown");
    QString five;
    for (const char *a : {"00:00:00:00:00:01", "00:00:00:00:00:02", "00:00:00:00:00:03", "00:00:00:00:00:04",
                          "00:00:00:00:00:05"})
        five += partial(a, "280404");
    QTest::newRow("first three of five") << five << 1
                                         << QStringLiteral("00:00:00:00:00:01 unknown; 00:00:00:00:00:02 unknown; "
                                                           "00:00:00:00:00:03 unknown");
}

void TestPairing::inquiryOffers()
{
    QFETCH(QString, output);
    QFETCH(int, device);
    QFETCH(QString, offered);
    QStringList got;
    for (const BluetoothPairing::Device &d : BluetoothPairing::parseInquiry(output, device))
        got << d.address + QLatin1Char(' ') + d.name;
    QCOMPARE(got.join(QStringLiteral("; ")), offered);
}

void TestPairing::pairFromSettings_data()
{
    QTest::addColumn<QString>("setup");   // a simulator command
    QTest::addColumn<QString>("address"); // the device chosen; empty: cancel during the search
    QTest::addColumn<bool>("pairs");
    // The module itself still pairs with a device that answers late, and
    // then calls that one.
    QTest::addColumn<bool>("linkBack");

    QTest::newRow("second RM-3") << QStringLiteral("sensor2 on") << QStringLiteral("00:07:80:4d:33:02") << true
                                 << true;
    QTest::newRow("refuses") << QStringLiteral("bt device add 00:07:80:4d:33:09 280404 RM-3 4D3309 refuse")
                             << QStringLiteral("00:07:80:4d:33:09") << false << true;
    QTest::newRow("answers too late") << QStringLiteral("bt device add 00:07:80:4d:33:08 280404 RM-3 4D3308 slow")
                                      << QStringLiteral("00:07:80:4d:33:08") << false << false;
    QTest::newRow("cancel while searching") << QStringLiteral("sensor2 on") << QString() << false << true;
}

void TestPairing::pairFromSettings()
{
    QFETCH(QString, setup);
    QFETCH(QString, address);
    QFETCH(bool, pairs);
    QFETCH(bool, linkBack);
    const QString failed = QCoreApplication::translate("BluetoothPairing", "PairingNotSuccessfulPleaseTryAgain",
                                                       "Pairing not successful.\nPlease try again.");

    SimProcess sim;
    ShellFixture shell([&](TestRoot &root) { QVERIFY(sim.start(root.root(), {QStringLiteral("--paired")})); });
    Bluetooth *sink = shell.main->getBtSinkInstance();
    QVERIFY(waitFor([&] { return sink->isConnectedRFCOMM(); }, 15000));
    QVERIFY(sim.command(setup).startsWith(QLatin1String("ok")));

    shell.main->show();
    shell.main->displayWidget(5, 1, 0);
    auto *screen = shell.main->findChild<Systemsettings *>();
    QVERIFY(screen && screen->currentPage() == 1);

    QString fault = QStringLiteral("no dialog");
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<BluetoothPairing *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto *label = dialog->findChild<QLabel *>(QStringLiteral("label"));
        if (address.isEmpty())
            saveScreenshot(dialog, QStringLiteral("settings-pairing.png"));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("butSearch")), Qt::LeftButton);
        if (address.isEmpty()) {
            QTest::qWait(2000);
            saveScreenshot(dialog, QStringLiteral("settings-pairing-search.png"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("butInfo")), Qt::LeftButton);
            saveScreenshot(dialog, QStringLiteral("settings-pairing-output.png"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("butCancel")), Qt::LeftButton);
            fault = dialog->isVisible() ? QStringLiteral("still open after Cancel") : QString();
            return;
        }
        SettingsButton *chosen = nullptr;
        waitFor([&] {
            for (auto *b : dialog->findChildren<SettingsButton *>())
                chosen = b->isVisible() && b->text2() == address ? b : chosen;
            return chosen != nullptr;
        }, 20000);
        if (!chosen) {
            fault = QStringLiteral("not offered: ") + label->text();
            dialog->reject();
            return;
        }
        saveScreenshot(dialog, QStringLiteral("settings-pairing-devices.png"));
        QTest::mouseClick(chosen, Qt::LeftButton);
        waitFor([&] { return !dialog->isVisible() || label->text() == failed; }, 15000);
        fault = dialog->isVisible() == pairs ? QStringLiteral("after pairing: ") + label->text() : QString();
        if (dialog->isVisible()) {
            saveScreenshot(dialog, QStringLiteral("settings-pairing-failed.png"));
            // A confirmation after the attempt was given up changes nothing.
            QTest::qWait(3000);
            if (label->text() != failed || !dialog->isVisible())
                fault = QStringLiteral("a late answer counted");
            QTest::keyPress(dialog, Qt::Key_Escape);
            QTest::keyRelease(dialog, Qt::Key_Escape);
        }
    });
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butPairedMicrophone")), Qt::LeftButton);
    QCOMPARE(fault, QString());

    QSettings file(shell.root.file(QStringLiteral("/home/root/settings.ini")), QSettings::IniFormat);
    const QString expected = pairs ? address : FirstRm3;
    QCOMPARE(file.value(QStringLiteral("Bluetooth/Microphone_ID")).toString(), expected);
    QCOMPARE(screen->getBtIdMicrophone(), expected);
    // Whatever the outcome, the sink calls the paired unit again.
    const QByteArray call = "CALL " + expected.toLatin1() + " 1101 RFCOMM";
    QVERIFY(waitFor([&] { return shell.root.read(QStringLiteral("/sim/ttyO2.log")).count(call) >= (pairs ? 1 : 2); },
                    20000));
    if (linkBack)
        QVERIFY(waitFor([&] { return sink->isConnectedRFCOMM() && StatusbarData().stateMicrophone(); }, 20000));
    if (pairs)
        QVERIFY(screen->findChild<SettingsButton *>(QStringLiteral("butPairedMicrophone"))->text2()
                == QStringLiteral("RM-3 4D3302"));
    sim.terminate();
}

QTEST_MAIN(TestPairing)
#include "tst_pairing.moc"
