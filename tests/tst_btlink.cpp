// The whole program against the simulated modules, RM-3 and headphones
// over real pseudo-terminals: the links come up by themselves, survive a
// drop, and the sensor's key reaches the program.

#include "appsetup.h"
#include "bluetooth.h"
#include "configuration.h"
#include "shellfixture.h"
#include "statusbar.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestBtLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void init();
    void cleanup();

    void sensorLinkComesUpAndRecovers();
    void configurationShowsTheSensor();

private:
    QByteArray sensorLog() const { return m_shell->root.read(QStringLiteral("/sim/ttyO2.log")); }
    Bluetooth *sink() const { return m_shell->main->getBtSinkInstance(); }
    Bluetooth *source() const { return m_shell->main->getBtSourceInstance(); }
    bool allUp() const
    {
        return sink()->isConnectedRFCOMM() && source()->isConnectedA2DP() && source()->isConnectedAVRCP();
    }

    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<ShellFixture> m_shell;
    QTranslator m_english;
};

void TestBtLink::init()
{
    m_sim = std::make_unique<SimProcess>();
    m_shell = std::make_unique<ShellFixture>([&](TestRoot &root) {
        QVERIFY(m_sim->start(root.root(), {QStringLiteral("--paired")}));
    });
}

void TestBtLink::cleanup()
{
    m_shell.reset();
    if (m_sim)
        m_sim->terminate();
    m_sim.reset();
}

void TestBtLink::sensorLinkComesUpAndRecovers()
{
    QVERIFY(waitFor([&] { return allUp(); }, 15000));
    // The sensor gets the handheld's microphone parameters on the new channel.
    QVERIFY(waitFor([&] { return sensorLog().contains("BT_TX I 0f MUTE SWITCH"); }, 5000));
    QVERIFY(waitFor([&] { return StatusbarData().stateMicrophone() && StatusbarData().sensorType() == 1
                                 && StatusbarData().batteryMicrophone() >= 0 && StatusbarData().stateHeadphone(); },
                    10000));

    const QString shots = qEnvironmentVariable("KX500_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        m_shell->main->show();
        QTest::qWait(1500); // one status bar tick
        m_shell->main->grab().save(shots + QStringLiteral("/mainmenu-connected.png"));
    }

    // The sensor's key: the sensor reports its microphone open.
    QSignalSpy mute(sink(), &Bluetooth::stateActiveMuteChanged);
    QVERIFY(m_sim->command(QStringLiteral("sensor key press")).startsWith(QLatin1String("ok")));
    QVERIFY(waitFor([&] { return !mute.isEmpty(); }, 5000));
    QCOMPARE(mute.last().at(0).toBool(), false);

    QVERIFY(m_sim->command(QStringLiteral("link drop")).startsWith(QLatin1String("ok")));
    QVERIFY(waitFor([&] { return !sink()->isConnectedRFCOMM() && !source()->isConnectedA2DP(); }, 5000));
    QVERIFY(waitFor([&] { return !StatusbarData().stateMicrophone() && !StatusbarData().stateHeadphone(); }, 5000));
    QVERIFY(m_sim->command(QStringLiteral("link restore")).startsWith(QLatin1String("ok")));
    QVERIFY(waitFor([&] { return allUp(); }, 20000));
    // Sensor messages flow again through the restored channel.
    const int before = sensorLog().count("BT_RX BATT_VOLTAGE");
    sink()->sendData(QStringLiteral("BT_TX B"));
    QVERIFY(waitFor([&] { return sensorLog().count("BT_RX BATT_VOLTAGE") > before; }, 5000));
}

void TestBtLink::configurationShowsTheSensor()
{
    QVERIFY(waitFor([&] { return sink()->isConnectedRFCOMM(); }, 15000));
    Configuration dialog;
    const auto filled = [&] {
        for (QLineEdit *edit : dialog.findChildren<QLineEdit *>()) {
            if (edit->text().isEmpty())
                return false;
        }
        return true;
    };
    QVERIFY(waitFor(filled, 8000));
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("editSensorType"))->text(), QStringLiteral("GX-2"));
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("editGain"))->text(), QStringLiteral("0f (3 / 18dB)"));
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("editBtId"))->text(), QStringLiteral("00:07:80:4d:33:01"));
}

QTEST_MAIN(TestBtLink)
#include "tst_btlink.moc"
