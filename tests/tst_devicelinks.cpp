// The whole program against the simulated serial peers over real
// pseudo-terminals: the Bluetooth links come up by themselves, survive a
// drop, and the sensor's key reaches the program; the GNSS receiver's fix
// and position reach the status bar and the driver.

#include "appsetup.h"
#include "bluetooth.h"
#include "eventhandler.h"
#include "gps.h"
#include "h2sensor.h"
#include "longtermmeasurement.h"
#include "measurements.h"
#include "pinpointing.h"
#include "pipelocating.h"
#include "pressuresensor.h"
#include "levelmeasurement.h"
#include "virtualkeyboard.h"
#include "screendriver.h"
#include "screenshot.h"
#include "configuration.h"
#include "shellfixture.h"
#include "soundmodel.h"
#include "statusbar.h"
#include "systemsettings.h"
#include "platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtMath>
#include <QtTest>

#include <cmath>

namespace {

// One sentence with its checksum and line end.
QByteArray nmea(const QString &body)
{
    quint8 sum = 0;
    for (char c : body.toLatin1())
        sum ^= quint8(c);
    return "$" + body.toLatin1() + "*" + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

} // namespace

class TestDeviceLinks : public QObject
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
    void linksReturnAfterTheSimulatorDies();
    void configurationShowsTheSensor();
    void gpsFixAndPositionFromTheReceiver();
    void levelMeasurementOfASimulatedLeak();
    void pinpointingAlongAPipe();
    void pipeLocatingWithPositions();
    void h2AlongAPipe();
    void longTermOverPassingTraffic();
    void pressureFromTheTransducer();
    void settingsJourney();

private:
    // Opens or closes the path with the mute key (switch mode) or the
    // sensor's own key.
    void toggle(QWidget *screen, bool sensorKey);
    void storeAs(QWidget *screen, const QString &name);
    // The one measurement directory stored under a type prefix and name;
    // empty unless there is exactly one.
    QString storedDir(const char *prefix, const QString &name) const;
    QString storedPath(const QString &dirName) const
    {
        return m_shell->root.file(QStringLiteral("/media/kx500/meas/")) + dirName;
    }
    // The longitude a stored walk keeps for point n.
    double storedLongitude(const QString &dirName, int n) const;
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

void TestDeviceLinks::init()
{
    m_sim = std::make_unique<SimProcess>();
    m_shell = std::make_unique<ShellFixture>([&](TestRoot &root) {
        QVERIFY(m_sim->start(root.root(), {QStringLiteral("--paired")}));
    });
}

void TestDeviceLinks::cleanup()
{
    m_shell.reset();
    if (m_sim)
        m_sim->terminate();
    m_sim.reset();
}

void TestDeviceLinks::sensorLinkComesUpAndRecovers()
{
    QVERIFY(waitFor([&] { return allUp(); }, 15000));
    // The sensor gets the handheld's microphone parameters on the new channel.
    QVERIFY(waitFor([&] { return sensorLog().contains("BT_TX I 0f MUTE SWITCH"); }, 5000));
    QVERIFY(waitFor([&] { return StatusbarData().stateMicrophone() && StatusbarData().sensorType() == 1
                                 && StatusbarData().batteryMicrophone() >= 0 && StatusbarData().stateHeadphone(); },
                    10000));

    if (!screenshotDir().isEmpty()) {
        m_shell->main->show();
        waitFor([&] { return StatusbarData().stateGps(); }, 5000);
        QTest::qWait(1500); // one status bar tick
        saveScreenshot(m_shell->main.get(), QStringLiteral("mainmenu-connected.png"));
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

// Killed, its pseudo-terminals hang up; started again on the same root, the
// program finds its lines, modules and receiver by itself.
void TestDeviceLinks::linksReturnAfterTheSimulatorDies()
{
    QVERIFY(waitFor([&] { return allUp() && StatusbarData().stateGps(); }, 15000));
    m_sim->process().kill();
    QVERIFY(m_sim->process().waitForFinished(5000));
    QTest::qWait(500);
    const double cpuBefore = processCpuSeconds();
    QTest::qWait(2000);
    QVERIFY2(processCpuSeconds() - cpuBefore < 0.5, qPrintable(QString::number(processCpuSeconds() - cpuBefore)));
    QVERIFY(!sink()->isConnectedRFCOMM() && !source()->isConnectedA2DP());

    m_sim = std::make_unique<SimProcess>();
    QVERIFY(m_sim->start(m_shell->root.root(), {QStringLiteral("--paired")}));
    QVERIFY(waitFor([&] { return allUp() && StatusbarData().stateGps(); }, 20000));
}

void TestDeviceLinks::configurationShowsTheSensor()
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

void TestDeviceLinks::gpsFixAndPositionFromTheReceiver()
{
    Gps *gps = m_shell->main->getGpsInstance();
    QVERIFY(m_sim->command(QStringLiteral("gps position 52.516275 13.377704")).startsWith(QLatin1String("ok")));
    QVERIFY(waitFor([&] { return StatusbarData().stateGps(); }, 10000));
    QVERIFY(waitFor([&] { return qAbs(gps->getLatitude() - 52.516275) < 1e-5; }, 5000));
    QVERIFY(qAbs(gps->getLongitude() - 13.377704) < 1e-5);

    // A receiver of four systems in NMEA 4.1, below sea level: used and in
    // view add up over the systems, a second signal counts nobody twice.
    for (const char *command :
         {"gps nmea 4.1", "gps satellites 23 12", "gps position 52.516275 13.377704 -12.5", "gps geoid -31"})
        QVERIFY(m_sim->command(QLatin1String(command)).startsWith(QLatin1String("ok")));
    QVERIFY(waitFor([&] { return gps->getNumSatellitesUsed() == 12 && gps->getGpsHeightOverSea() < 0; }, 5000));
    QCOMPARE(gps->getNumSatellitesInView(), 23);
    QCOMPARE(gps->getGpsHeightOverSea(), -12.5);
    QVERIFY(StatusbarData().stateGps());

    // Searching, the receiver prints zeros and a week-rollover date: no fix,
    // and a clock waiting for GPS time stays as it is.
    const auto dateCommands = [&] { return m_shell->root.commands().filter(QStringLiteral("date ")).size(); };
    QVERIFY(m_sim->command(QStringLiteral("gps searching-zeros")).startsWith(QLatin1String("ok")));
    QVERIFY(waitFor([&] { return !StatusbarData().stateGps(); }, 10000));
    const int datesBefore = int(dateCommands());
    gps->enableSystemTimeSettingViaGps(true);
    QTest::qWait(2500);
    QVERIFY(!StatusbarData().stateGps());
    QCOMPARE(gps->getLatitude(), 0.0);
    QVERIFY(gps->isSystemTimeSettingPending());
    QCOMPARE(int(dateCommands()), datesBefore);

    // A drive eastwards recorded months ago: its time steps back from the
    // receiver's own, and the position still follows the stream.
    QFile recording(m_shell->root.file(QStringLiteral("/sim/drive.nmea")));
    QVERIFY(recording.open(QIODevice::WriteOnly));
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-90);
    for (int second = 0; second < 8; ++second) {
        const QDateTime t = start.addSecs(second);
        const QString time = t.toString(QStringLiteral("hhmmss.00"));
        const QString lon = QStringLiteral("00840.%1").arg(92762 + 100 * second, 5, 10, QLatin1Char('0'));
        recording.write(nmea(QStringLiteral("GNGGA,%1,5006.65544,N,%2,E,1,09,0.80,112.0,M,47.0,M,,").arg(time, lon)));
        recording.write(nmea(QStringLiteral("GNRMC,%1,A,5006.65544,N,%2,E,26.998,90.00,%3,,,A")
                                 .arg(time, lon, t.toString(QStringLiteral("ddMMyy")))));
    }
    recording.close();
    QVERIFY(m_sim->command(QStringLiteral("gps replay ") + recording.fileName()).startsWith(QLatin1String("ok")));
    QVERIFY(waitFor([&] { return StatusbarData().stateGps() && gps->getLongitude() > 8.6822; }, 15000));
    QVERIFY(qAbs(gps->getLatitude() - 50.110924) < 1e-5);
}

void TestDeviceLinks::levelMeasurementOfASimulatedLeak()
{
    QVERIFY(waitFor([&] { return sink()->isConnectedRFCOMM(); }, 15000));
    QVERIFY(m_sim->command(QStringLiteral("leak level 40 freq 500")).startsWith(QLatin1String("ok")));
    m_shell->main->displayWidget(1, 1, 0);
    auto *screen = m_shell->main->findChild<Levelmeasurement *>();
    QVERIFY(screen && screen->isMuted());
    const auto text = [&](const char *name) { return screen->findChild<QLabel *>(QLatin1String(name))->text(); };

    // The mute key (switch mode) opens the path and the sensor's microphone.
    EventHandler filter;
    qApp->installEventFilter(&filter);
    toggle(screen, false);
    QVERIFY(!screen->isMuted());
    QVERIFY(waitFor([&] { return m_shell->root.read(QStringLiteral("/sim/sound.state")).contains("muted 0"); }, 5000));
    QVERIFY(waitFor([&] {
        return qAbs(text("labelMinimumLevel").toInt() - 40) <= 4 && qAbs(text("labelFrequency").section(' ', 0, 0).toInt() - 500) <= 50;
    }, 30000));
    QTest::qWait(1500); // more of the leak in the recording

    storeAs(screen, QStringLiteral("Hydrant 3"));
    const QString stored = storedDir("LE", QStringLiteral("Hydrant 3"));
    QVERIFY(!stored.isEmpty());
    const QString dir = storedPath(stored);
    QVERIFY(QFileInfo::exists(dir + QStringLiteral("/info.ini")));
    // The recording's last second is the leak as the simulator plays it
    // (earlier parts may be from before the path was opened).
    QFile wav(dir + QStringLiteral("/LE_sound.wav"));
    QVERIFY(wav.open(QIODevice::ReadOnly) && wav.size() > 44 + 32000);
    const QByteArray tail = wav.readAll().right(32000);
    const auto *pcm = reinterpret_cast<const qint16 *>(tail.constData());
    double sum = 0;
    for (int i = 0; i < tail.size() / 2; ++i)
        sum += double(pcm[i]) * pcm[i];
    const double rms = std::sqrt(sum / (tail.size() / 2)) / 32768.0;
    const double expected = SoundModel::rmsForLevel(40);
    QVERIFY2(rms > expected / 2 && rms < expected * 2, qPrintable(QStringLiteral("%1 vs %2").arg(rms).arg(expected)));

    const QString minimum = text("labelMinimumLevel");
    QVERIFY(m_shell->openStoredMeasurement(stored));
    QCOMPARE(m_shell->main->currentWidget(), 1);
    QVERIFY(screen->isVisibleTo(m_shell->main.get()));
    QCOMPARE(text("labelMinimumLevel"), minimum);
    QCOMPARE(text("labelName"), QStringLiteral("Hydrant 3"));
}

void TestDeviceLinks::toggle(QWidget *screen, bool sensorKey)
{
    if (sensorKey) {
        QVERIFY(m_sim->command(QStringLiteral("sensor key press")).startsWith(QLatin1String("ok")));
        QVERIFY(m_sim->command(QStringLiteral("sensor key release")).startsWith(QLatin1String("ok")));
        return;
    }
    muteKeyStep(screen, QStringLiteral("F6"));
    muteKeyStep(screen, QStringLiteral("F6^"));
}

void TestDeviceLinks::storeAs(QWidget *screen, const QString &name)
{
    QTimer::singleShot(100, [name] {
        auto *keyboard = qobject_cast<VirtualKeyboard *>(QApplication::activeModalWidget());
        QVERIFY(keyboard);
        keyboard->setText(name);
        QTest::mouseClick(keyboard->findChild<QPushButton *>(QStringLiteral("but_Accept")), Qt::LeftButton);
    });
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuSave")), Qt::LeftButton);
}

QString TestDeviceLinks::storedDir(const char *prefix, const QString &name) const
{
    const QStringList found = QDir(m_shell->root.file(QStringLiteral("/media/kx500/meas")))
                                  .entryList(QStringList{QLatin1String(prefix) + QStringLiteral("_*_") + name}, QDir::Dirs);
    return found.size() == 1 ? found[0] : QString();
}

double TestDeviceLinks::storedLongitude(const QString &dirName, int n) const
{
    const QSettings ini(storedPath(dirName) + QStringLiteral("/info.ini"), QSettings::IniFormat);
    const QStringList position = ini.value(QStringLiteral("GPS-Positions/GPS-Position_%1").arg(n)).toString().split(',');
    return position.size() == 2 ? position[1].trimmed().toDouble() : qQNaN();
}

// The RMS of a recording's last half second, as a part of full scale:
// the sound of the position just before it was closed (the start of a
// file may still hold the tail of the position before).
double closingRms(const QString &wavPath)
{
    QFile wav(wavPath);
    if (!wav.open(QIODevice::ReadOnly) || wav.size() < 44 + 16000)
        return -1;
    const QByteArray tail = wav.readAll().right(16000);
    const auto *pcm = reinterpret_cast<const qint16 *>(tail.constData());
    double sum = 0;
    for (int i = 0; i < tail.size() / 2; ++i)
        sum += double(pcm[i]) * pcm[i];
    return std::sqrt(sum / (tail.size() / 2)) / 32768.0;
}

// Five positions along a pipe, opened and closed by turns with the mute
// key and the sensor's own key: the drop marks the loudest, the store keeps
// each position's level and sound, and the stored walk plays.
void TestDeviceLinks::pinpointingAlongAPipe()
{
    QVERIFY(waitFor([&] { return sink()->isConnectedRFCOMM() && StatusbarData().stateMicrophone(); }, 15000));
    auto *screen = m_shell->showScreen<Pinpointing>(3);
    QVERIFY(screen && screen->isMuted());
    EventHandler filter;
    qApp->installEventFilter(&filter);
    const QList<int> levels{20, 25, 40, 30, 22};
    const auto label = [&](const QString &name) { return screen->findChild<QLabel *>(name)->text(); };
    for (int i = 0; i < levels.size(); ++i) {
        QVERIFY(m_sim->command(QStringLiteral("leak level %1 freq 500").arg(levels[i])).startsWith(QLatin1String("ok")));
        toggle(screen, i % 2 == 1);
        QVERIFY2(waitFor([&] { return !screen->isMuted(); }, 5000), qPrintable(QString::number(i)));
        QVERIFY(waitFor([&] { return qAbs(label(QStringLiteral("labelLevel")).toInt() - levels[i]) <= 3; }, 20000));
        QTest::qWait(1500); // the position's sound in its recording
        toggle(screen, i % 2 == 1);
        QVERIFY(waitFor([&] { return screen->isMuted(); }, 5000));
        QCOMPARE(screen->positions().currentStep(), i + 1);
        QVERIFY(qAbs(screen->positions().at(i + 1).minimumLevel - levels[i]) <= 4);
    }
    const auto slotX = [&](int n) {
        return screen->findChild<QWidget *>(QStringLiteral("progBarMin%1").arg(n))->geometry().center().x();
    };
    QCOMPARE(screen->findChild<QLabel *>(QStringLiteral("labelWaterdrop"))->geometry().center().x(), slotX(3));
    saveScreenshot(m_shell->main.get(), QStringLiteral("pinpointing-walk.png"));

    storeAs(screen, QStringLiteral("Main Street"));
    const QString stored = storedDir("PP", QStringLiteral("Main Street"));
    QVERIFY(!stored.isEmpty());
    const QString dir = storedPath(stored);
    QSettings ini(dir + QStringLiteral("/info.ini"), QSettings::IniFormat);
    // Each recording's loudness follows its position's level (levels 2
    // apart, about 1 dB, are too close to tell).
    QList<double> loudness;
    for (int n = 1; n <= 5; ++n) {
        QVERIFY(qAbs(ini.value(QStringLiteral("Levels/Level_%1").arg(n)).toFloat() - levels[n - 1]) <= 4);
        loudness << closingRms(dir + QStringLiteral("/PP_Sound_%1.wav").arg(n));
        QVERIFY2(loudness.last() > 0, qPrintable(QString::number(n)));
    }
    QVERIFY(!QFile::exists(dir + QStringLiteral("/PP_Sound_6.wav")));
    for (int a = 0; a < 5; ++a) {
        for (int b = 0; b < 5; ++b) {
            if (levels[a] >= levels[b] + 5)
                QVERIFY2(loudness[a] > loudness[b], qPrintable(QStringLiteral("%1 %2").arg(a + 1).arg(b + 1)));
        }
    }

    QVERIFY(m_shell->openStoredMeasurement(stored));
    QCOMPARE(m_shell->main->currentWidget(), 3);
    QCOMPARE(screen->findChild<QLabel *>(QStringLiteral("labelWaterdrop"))->geometry().center().x(), slotX(3));
    QCOMPARE(screen->findChild<QLabel *>(QStringLiteral("labelStoredMeasurement"))->text(), QStringLiteral("Main Street"));
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuStoredNext")), Qt::LeftButton);
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuStoredNext")), Qt::LeftButton);
    QCOMPARE(screen->selectedPosition(), 3);
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuStoredPlay")), Qt::LeftButton);
    // Level 40 plays at about 0.002 of full scale.
    QVERIFY(waitFor([&] { return m_shell->root.stateValue(QStringLiteral("/sim/playback.state"), "rms") > 0.0005; }, 15000));
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuStoredStop")), Qt::LeftButton);
}

// Three points along a laid pipe, the RM-3 set down at each: the middle
// one lies nearest the leak and is marked; each point keeps the position
// the receiver reported there, and the walk comes back from the list.
void TestDeviceLinks::pipeLocatingWithPositions()
{
    QVERIFY(waitFor([&] { return sink()->isConnectedRFCOMM() && StatusbarData().stateMicrophone(); }, 15000));
    for (const char *command : {"gps pipe 50.1 8.6 90", "leak level 60 freq 500 at 25 falloff 1"})
        QVERIFY(m_sim->command(QLatin1String(command)).startsWith(QLatin1String("ok")));
    auto *screen = m_shell->showScreen<Pipelocating>(8);
    QVERIFY(screen && screen->isMuted());
    EventHandler filter;
    qApp->installEventFilter(&filter);
    Gps *gps = m_shell->main->getGpsInstance();
    // Heard 24, 51 and 42 (1.8 units per dB, 1 dB per metre from the leak).
    const QList<int> metres{5, 20, 35};
    for (int i = 0; i < metres.size(); ++i) {
        QVERIFY(m_sim->command(QStringLiteral("sensor at %1").arg(metres[i])).startsWith(QLatin1String("ok")));
        const double east = 8.6 + qRadiansToDegrees(metres[i] / 6371000.0 / std::cos(qDegreesToRadians(50.1)));
        QVERIFY2(waitFor([&] { return qAbs(gps->getLongitude() - east) < 2e-6; }, 10000), qPrintable(QString::number(i)));
        toggle(screen, i == 1);
        QVERIFY(waitFor([&] { return !screen->isMuted(); }, 5000));
        // Six readings fill the peak hold.
        QTest::qWait(4000);
        toggle(screen, i == 1);
        QVERIFY(waitFor([&] { return screen->isMuted(); }, 5000));
        QCOMPARE(screen->points().currentStep(), i + 1);
        QVERIFY(qAbs(screen->points().at(i + 1).longitude - east) < 2e-6);
    }
    const PipelocatingPoints &points = screen->points();
    QVERIFY2(points.at(1).level + 10 < points.at(3).level && points.at(3).level + 5 < points.at(2).level,
             qPrintable(QStringLiteral("%1 %2 %3").arg(points.at(1).level).arg(points.at(2).level).arg(points.at(3).level)));
    QCOMPARE(points.loudest(), 2);
    saveScreenshot(m_shell->main.get(), QStringLiteral("pipelocating-walk.png"));

    storeAs(screen, QStringLiteral("Hydrant row"));
    const QString stored = storedDir("PL", QStringLiteral("Hydrant row"));
    QVERIFY(!stored.isEmpty());
    QSettings ini(storedPath(stored) + QStringLiteral("/info.ini"), QSettings::IniFormat);
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(ini.value(QStringLiteral("Levels/Level_%1").arg(n)).toString(),
                 QString::number(points.at(n).level, 'f', 3));
        QVERIFY(qAbs(storedLongitude(stored, n) - points.at(n).longitude) < 1e-6);
    }
    const QString held = QString::number(points.at(2).level, 'f', 0);
    QVERIFY(m_shell->openStoredMeasurement(stored));
    QCOMPARE(m_shell->main->currentWidget(), 8);
    QCOMPARE(screen->findChild<QLabel *>(QStringLiteral("labelPoint2"))->text(), held);
    QCOMPARE(screen->points().loudest(), 2);
    saveScreenshot(m_shell->main.get(), QStringLiteral("pipelocating-walk-stored.png"));
}

// Gas escaping 29 m along a laid pipe, the H2 probe carried over it: the
// reference settles on the clean air while muted, three points at 12, 29
// and 36 m read most gas beside the escape, which is marked; each keeps the
// position the receiver reported there, and the walk comes back from the list.
void TestDeviceLinks::h2AlongAPipe()
{
    QVERIFY(waitFor([&] { return sink()->isConnectedRFCOMM() && StatusbarData().stateMicrophone(); }, 15000));
    for (const char *command : {"sensor type 3", "gps pipe 50.1 8.6 90", "gas at 29 level 300 spread 4"})
        QVERIFY(m_sim->command(QLatin1String(command)).startsWith(QLatin1String("ok")));
    QVERIFY(waitFor([&] { return StatusbarData().sensorType() == 3; }, 5000));
    auto *screen = m_shell->showScreen<H2Sensor>(6);
    QVERIFY(screen && screen->isMuted());
    EventHandler filter;
    qApp->installEventFilter(&filter);
    // Clean air reads about 293 (1200 raw).
    QVERIFY(waitFor([&] { return qAbs(screen->referenceLevel() - 293) <= 2; }, 8000));
    Gps *gps = m_shell->main->getGpsInstance();
    const QList<int> metres{12, 29, 36};
    for (int i = 0; i < metres.size(); ++i) {
        QVERIFY(m_sim->command(QStringLiteral("sensor at %1").arg(metres[i])).startsWith(QLatin1String("ok")));
        const double east = 8.6 + qRadiansToDegrees(metres[i] / 6371000.0 / std::cos(qDegreesToRadians(50.1)));
        QVERIFY2(waitFor([&] { return qAbs(gps->getLongitude() - east) < 2e-6; }, 10000), qPrintable(QString::number(i)));
        toggle(screen, i == 1);
        QVERIFY(waitFor([&] { return !screen->isMuted(); }, 5000));
        const int readings = screen->history().size();
        QVERIFY(waitFor([&] { return screen->history().size() >= readings + 3; }, 5000));
        toggle(screen, i == 1);
        QVERIFY(waitFor([&] { return screen->isMuted(); }, 5000));
        QCOMPARE(screen->points().currentStep(), i + 1);
        QVERIFY(qAbs(screen->points().at(i + 1).longitude - east) < 2e-6);
    }
    // Above clean air: about 0, 300 and 14.
    const PipelocatingPoints &points = screen->points();
    const QString figures = QStringLiteral("%1 %2 %3").arg(points.at(1).level).arg(points.at(2).level).arg(points.at(3).level);
    QVERIFY2(qAbs(points.at(1).level) <= 3 && qAbs(points.at(2).level - 300) <= 4 && qAbs(points.at(3).level - 14) <= 4,
             qPrintable(figures));
    QCOMPARE(points.loudest(), 2);
    const QVector<float> curve = screen->history();
    QVERIFY(*std::max_element(curve.begin(), curve.end()) > 290);
    saveScreenshot(m_shell->main.get(), QStringLiteral("h2-live.png"));

    storeAs(screen, QStringLiteral("Gas main"));
    const QString stored = storedDir("H2", QStringLiteral("Gas main"));
    QVERIFY(!stored.isEmpty());
    StoredMeasurement back;
    QVERIFY(back.load(stored));
    QCOMPARE(back.h2ReferenceLevel(), screen->referenceLevel());
    QCOMPARE(back.levelsData().size(), curve.size());
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(back.pointLevel(n), points.at(n).level);
        QVERIFY(qAbs(storedLongitude(stored, n) - points.at(n).longitude) < 1e-6);
    }
    const QString leak = QString::number(points.at(2).level, 'f', 0);
    QVERIFY(m_shell->openStoredMeasurement(stored));
    QCOMPARE(m_shell->main->currentWidget(), 6);
    QCOMPARE(screen->findChild<QLabel *>(QStringLiteral("labelPoint2"))->text(), leak);
    QCOMPARE(screen->points().loudest(), 2);
    saveScreenshot(m_shell->main.get(), QStringLiteral("h2-stored.png"));
}

// A steady leak at 35 under passing traffic for one sweep of three minutes'
// samples: the curve's floor stays at the leak while each vehicle shows as
// a spike; the sweep is stored and comes back equal from the list.
void TestDeviceLinks::longTermOverPassingTraffic()
{
    QVERIFY(waitFor([&] { return sink()->isConnectedRFCOMM() && StatusbarData().stateMicrophone(); }, 15000));
    for (const char *command : {"leak level 35 freq 500", "traffic level 75 every 8 for 2"})
        QVERIFY(m_sim->command(QLatin1String(command)).startsWith(QLatin1String("ok")));
    auto *screen = m_shell->showScreen<Longtermmeasurement>(9);
    QVERIFY(screen && screen->isMuted());
    EventHandler filter;
    qApp->installEventFilter(&filter);
    toggle(screen, false);
    QVERIFY(waitFor([&] { return m_shell->root.read(QStringLiteral("/sim/sound.state")).contains("muted 0"); }, 5000));
    // Samples as fast as the level is computed, besides the screen's own,
    // up to a full sweep; muting then stops the sampling before it wraps.
    while (screen->currentSweep().size() < screen->maxVisibleData() - 1) {
        QTest::qWait(300);
        screen->updateData();
    }
    toggle(screen, false);
    QVERIFY(screen->isMuted() && !screen->isOldSweepShown());
    QVector<float> sweep = screen->currentSweep();
    QVector<float> sorted = sweep;
    std::sort(sorted.begin(), sorted.end());
    const int loud = int(std::count_if(sweep.begin(), sweep.end(), [](float v) { return v > 50; }));
    const QString figures = QStringLiteral("floor %1, top %2, %3 loud").arg(sorted[45]).arg(sorted.last()).arg(loud);
    QVERIFY2(qAbs(sorted[45] - 35) <= 4 && sorted.last() >= 60 && loud >= 9 && loud <= 72, qPrintable(figures));
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuScale")), Qt::LeftButton);
    QVERIFY(screen->isScaled() && screen->minDataVal() <= 35 && screen->maxDataVal() >= 60);
    saveScreenshot(m_shell->main.get(), QStringLiteral("longterm-traffic.png"));

    storeAs(screen, QStringLiteral("Pump house"));
    const QString stored = storedDir("LT", QStringLiteral("Pump house"));
    QVERIFY(!stored.isEmpty());
    StoredMeasurement back;
    QVERIFY(back.load(stored));
    QCOMPARE(back.maxVisibleData(), 180);
    QCOMPARE(back.levelsData().size(), sweep.size());
    for (int i = 0; i < sweep.size(); ++i)
        QVERIFY2(qAbs(back.levelsData()[i] - sweep[i]) <= 0.051f, qPrintable(QString::number(i))); // one decimal kept
    QVERIFY(m_shell->openStoredMeasurement(stored));
    QCOMPARE(m_shell->main->currentWidget(), 9);
    saveScreenshot(m_shell->main.get(), QStringLiteral("longterm-traffic-stored.png"));
}

// A 16 bar transducer on the RM-3: the sensor button leads to the pressure
// screen, the mute key starts the stream, 4 bar and then a pump start to 7
// bar show in the values and statistics, and the saved files hold them.
void TestDeviceLinks::pressureFromTheTransducer()
{
    QVERIFY(waitFor([&] { return sink()->isConnectedRFCOMM() && StatusbarData().stateMicrophone(); }, 15000));
    for (const char *command : {"sensor pressure on 16", "pressure 4"})
        QVERIFY(m_sim->command(QLatin1String(command)).startsWith(QLatin1String("ok")));
    QVERIFY(waitFor([&] { return StatusbarData().sensorType() == Statusbardata::SensorPressure; }, 5000));
    m_shell->main->show();
    m_shell->main->displayWidget(0, 0, 0);
    QTest::mouseClick(m_shell->main->findChild<QPushButton *>(QStringLiteral("butH2Sensor")), Qt::LeftButton);
    auto *screen = m_shell->main->findChild<PressureSensor *>();
    QVERIFY(screen && screen->isVisible() && screen->isMuted());
    QVERIFY(waitFor([&] { return screen->isReceiveEnabled(); }, 5000));
    QCOMPARE(screen->fullScale(), 16.0f);
    const auto label = [&](const char *name) { return screen->findChild<QLabel *>(QLatin1String(name))->text(); };
    const auto bar = [&](const char *name) { return label(name).section(QLatin1Char(' '), -2, -2).toDouble(); };

    EventHandler filter;
    qApp->installEventFilter(&filter);
    toggle(screen, false);
    QVERIFY(!screen->isMuted());
    QVERIFY(waitFor([&] { return sensorLog().contains("BT_TX RS"); }, 5000));
    QVERIFY(waitFor([&] { return screen->dataCount() >= 200; }, 10000));
    QVERIFY2(qAbs(bar("labelCurrent") - 4) < 0.02, qPrintable(label("labelCurrent")));
    QVERIFY(m_sim->command(QStringLiteral("pressure pump 3")).startsWith(QLatin1String("ok")));
    QVERIFY(waitFor([&] { return qAbs(bar("labelCurrent") - 7) < 0.02; }, 10000));
    QTest::qWait(1000);
    QVERIFY2(qAbs(bar("labelMax") - 7) < 0.02 && qAbs(bar("labelMin") - 4) < 0.02,
             qPrintable(label("labelMax") + QLatin1Char('/') + label("labelMin")));
    // Between the two the pump's rise, smooth and at 100 values a second.
    int rising = 0;
    for (int i = 1; i < screen->dataCount(); ++i) {
        QVERIFY2(screen->value(i) >= screen->value(i - 1) - 0.01f, qPrintable(QString::number(i)));
        rising += screen->value(i) > 4.02f && screen->value(i) < 6.98f;
    }
    QVERIFY2(rising > 200 && rising < 300, qPrintable(QString::number(rising)));
    saveScreenshot(m_shell->main.get(), QStringLiteral("pressure-live.png"));

    toggle(screen, false);
    QVERIFY(screen->isMuted());
    QVERIFY(waitFor([&] { return sensorLog().contains("BT_TX RP"); }, 5000));
    QTest::qWait(600);
    const int held = screen->dataCount();
    QTest::qWait(600);
    QCOMPARE(screen->dataCount(), held);
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuAnalyse")), Qt::LeftButton);
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuAnalyseScaleY")), Qt::LeftButton);
    saveScreenshot(m_shell->main.get(), QStringLiteral("pressure-analysis.png"));
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuAnalyseBack")), Qt::LeftButton);

    storeAs(screen, QStringLiteral("Hydrant 9"));
    const QString stored = storedDir("PS", QStringLiteral("Hydrant 9"));
    QVERIFY(!stored.isEmpty());
    const QString dir = storedPath(stored);
    QCOMPARE(QSettings(dir + QStringLiteral("/info.ini"), QSettings::IniFormat).value(QStringLiteral("Pressuresensor/Sensor")).toString(),
             QStringLiteral("16.0 bar"));
    QFile high(dir + QStringLiteral("/HighResData.txt"));
    QVERIFY(high.open(QIODevice::ReadOnly));
    const QList<QByteArray> values = high.readAll().split(';');
    const auto near = [&](double target) {
        return std::count_if(values.begin(), values.end(), [&](const QByteArray &v) { return qAbs(v.toDouble() - target) < 0.02; });
    };
    QVERIFY(values.size() >= held && near(4) >= 150 && near(7) >= 90);
    QFile low(dir + QStringLiteral("/LowResData.txt"));
    QVERIFY(low.open(QIODevice::ReadOnly) && low.readAll().count(";\r\n") >= 1);
    // Leaving pauses the stream too.
    const int pauses = sensorLog().count("BT_TX RP");
    QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("butMenuHome")), Qt::LeftButton);
    QVERIFY(waitFor([&] { return sensorLog().count("BT_TX RP") > pauses; }, 5000));
    QCOMPARE(m_shell->main->currentWidget(), 0);
}

QTEST_MAIN(TestDeviceLinks)
#include "tst_devicelinks.moc"

// A technician's way through the settings against the simulator: French and
// back, a new time zone and a time set by hand (the simulated clock follows),
// push-button mode used on the level screen, and a reset that deletes the
// pairings on both modules.
void TestDeviceLinks::settingsJourney()
{
    QVERIFY(waitFor([&] { return allUp(); }, 15000));
    EventHandler filter;
    qApp->installEventFilter(&filter);
    MainMenu *main = m_shell->main.get();
    main->show();
    main->displayWidget(5, 1, 0);
    auto *screen = main->findChild<Systemsettings *>();
    auto button = [&](const char *name) { return screen->findChild<QPushButton *>(QLatin1String(name)); };
    auto toPage = [&](int page) {
        while (screen->currentPage() != page)
            QTest::mouseClick(button("butMenuDown"), Qt::LeftButton);
    };
    QSettings file(m_shell->root.file(QStringLiteral("/home/root/settings.ini")), QSettings::IniFormat);
    auto stored = [&](const char *key) {
        file.sync();
        return file.value(QLatin1String(key)).toString();
    };
    // Seconds the simulated clock runs ahead of the host's, within a day.
    auto clockShift = [] {
        return (QDateTime::currentDateTime().secsTo(Platform::currentDateTime()) % 86400 + 86400) % 86400;
    };

    toPage(3);
    QCOMPARE(clickThroughDialog(button("butLanguage"), {QStringLiteral("butFrench")}), QString());
    QCOMPARE(stored("Local-Settings/Language"), QStringLiteral("3"));
    auto *management = main->findChild<QPushButton *>(QStringLiteral("butManagement"));
    QTRY_COMPARE(management->text(), QStringLiteral("Gestion"));
    toPage(3);
    QCOMPARE(clickThroughDialog(button("butLanguage"), {QStringLiteral("butEnglish")}), QString());
    QCOMPARE(stored("Local-Settings/Language"), QStringLiteral("1"));
    QTRY_COMPARE(management->text(), QStringLiteral("Management"));

    toPage(3);
    const qint64 shift = clockShift();
    QCOMPARE(clickThroughDialog(button("butTimezone"), {QStringLiteral("butNext"), QStringLiteral("butAccept")}),
             QString());
    QCOMPARE(stored("Local-Settings/TimezoneNum"), QStringLiteral("14"));
    QVERIFY2(qAbs(clockShift() - (shift + 3600) % 86400) <= 3, qPrintable(QString::number(clockShift())));
    QCOMPARE(clickThroughDialog(button("butTime"), {QStringLiteral("butManualTime"), QStringLiteral("butHourUp"),
                                                    QStringLiteral("butAccept")}),
             QString());
    QCOMPARE(stored("Local-Settings/DateTimeSource"), QStringLiteral("MAN"));
    QVERIFY2(qAbs(clockShift() - (shift + 7200) % 86400) <= 3, qPrintable(QString::number(clockShift())));
    QVERIFY(m_shell->root.commands().contains(QStringLiteral("hwclock -w -f /dev/rtc0")));
    QCOMPARE(static_cast<SettingsButton *>(button("butTime"))->text2(),
             Platform::currentDateTime().toString(QStringLiteral("hh:mm:ss")));

    toPage(1);
    QCOMPARE(clickThroughDialog(button("butSwitchmode"), {QStringLiteral("butPushButton"), QStringLiteral("butAccept")}),
             QString());
    QVERIFY(waitFor([&] { return sensorLog().contains("MUTE PUSHBUT"); }, 5000));
    auto *level = m_shell->showScreen<Levelmeasurement>(1);
    muteKeyStep(level, QStringLiteral("F6"));
    QVERIFY(!level->isMuted());
    QVERIFY(waitFor([&] { return sensorLog().contains("ACTIVE PUSHBUT"); }, 5000));
    muteKeyStep(level, QStringLiteral("F6^"));
    QVERIFY(level->isMuted());

    main->displayWidget(5, 1, 0);
    toPage(2);
    QCOMPARE(clickThroughDialog(button("butReset"), {QStringLiteral("butReset"), QStringLiteral("butMiddle")}),
             QString());
    QCOMPARE(stored("Systemsettings/Switchmode"), QStringLiteral("Switch"));
    QVERIFY(waitFor([&] { return m_shell->root.read(QStringLiteral("/sim/ttyO3.log")).contains("SET BT PAIR *"); },
                    5000));
    QVERIFY(waitFor([&] { return sensorLog().contains("SET BT PAIR *"); }, 5000));
    QVERIFY(m_shell->root.commands().contains(QStringLiteral("reboot")));
}
