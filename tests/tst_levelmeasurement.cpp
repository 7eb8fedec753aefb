// The level measurement screen driven as the operator does: levels and
// markers after each block, the mute key through the event filter, the
// link warning, storing under a keyboard name and the stored view.
#include "analoginputworker.h"
#include "appsetup.h"
#include "eventhandler.h"
#include "globals.h"
#include "levelmeasurement.h"
#include "measurements.h"
#include "messagedialog.h"
#include "progressbarminmaxmarker.h"
#include "screendriver.h"
#include "shellfixture.h"
#include "statusbar.h"
#include "virtualkeyboard.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cmath>

namespace {

const QByteArray kPeakBar = "[Dialogconfiguration]\nLevelMeasurement_ShowFft=true\n"
                            "LevelMeasurement_ShowFrequencyValue=true\nLevelMeasurement_ShowPeakLevelBar=true\n";

} // namespace

class TestLevelmeasurement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void cleanup()
    {
        m_filter.reset();
        m_shell.reset();
        g_debugFeatures = 0;
        StatusbarData().btReceivedSensortype(QStringLiteral("0"));
    }

    void peakColour_data();
    void peakColour();
    void blocks_data();
    void blocks();
    void muteKey_data();
    void muteKey();
    void toolBar_data();
    void toolBar();
    void linkWarning_data();
    void linkWarning();
    void storeAndView_data();
    void storeAndView();
    void storedDamagedSaysSo();
    void storedRecordingPlays_data();
    void storedRecordingPlays();

private:
    Levelmeasurement *open(const QByteArray &settings = QByteArray())
    {
        m_shell = std::make_unique<ShellFixture>(settings);
        return m_shell->showScreen<Levelmeasurement>(1);
    }
    template<typename T = QLabel>
    T *child(Levelmeasurement *screen, const char *name)
    {
        return screen->findChild<T *>(QLatin1String(name));
    }
    void feed(Levelmeasurement *screen, int amplitude) { feedBlock(screen, amplitude); }
    void screenshot(const QString &name) { saveScreenshot(m_shell->main.get(), name); }

    std::unique_ptr<ShellFixture> m_shell;
    std::unique_ptr<EventHandler> m_filter;
    QTranslator m_english;
};

void TestLevelmeasurement::peakColour_data()
{
    QTest::addColumn<float>("peak");
    QTest::addColumn<QString>("colour");
    QTest::newRow("0.04") << 0.04f << "lightgreen";
    QTest::newRow("just above 0.04") << std::nextafter(0.04f, 1.0f) << "orange";
    QTest::newRow("0.056") << 0.056f << "orange";
    QTest::newRow("just above 0.056") << std::nextafter(0.056f, 1.0f) << "red";
}

void TestLevelmeasurement::peakColour()
{
    QFETCH(float, peak);
    QFETCH(QString, colour);
    QCOMPARE(Levelmeasurement::peakBarStyle(peak),
             QStringLiteral("QProgressBar::chunk {background-color: %1;}").arg(colour));
}

void TestLevelmeasurement::blocks_data()
{
    // Amplitudes of the blocks after an unmute; per block whether the
    // minimum bar shows the current level, and the max marker ("p" = the
    // first block's peak, "-" = off, "q" = the peak of that block).
    QTest::addColumn<bool>("peakBar");
    QTest::addColumn<QList<int>>("amplitudes");
    QTest::addColumn<QString>("minimumIsCurrent");
    QTest::addColumn<QString>("marker");
    QTest::newRow("peak bar off (no service mode): markers off; settling blocks show the current level")
        << false << QList<int>{1000, 2000, 4000, 500, 1500} << "yyyyn" << "-----";
    QTest::newRow("max-hold keeps a loud block for six blocks")
        << true << QList<int>{16000, 500, 500, 500, 500, 500, 500, 500} << "yyyyyyyy" << "ppppppqq";
}

void TestLevelmeasurement::blocks()
{
    QFETCH(bool, peakBar);
    QFETCH(QList<int>, amplitudes);
    QFETCH(QString, minimumIsCurrent);
    QFETCH(QString, marker);
    // The peak bar is a service feature: the setting alone does not show it.
    Levelmeasurement *screen = open((peakBar ? QByteArray("[Debug]\nDebugfeatures=1\n") : QByteArray()) + kPeakBar);
    screen->muteAudioPath(false, true);
    auto *current = child<ProgressBarMinMaxMarker>(screen, "barCurrentLevel");
    auto *minimum = child<ProgressBarMinMaxMarker>(screen, "barMinimumLevel");
    auto *peak = child<ProgressBarMinMaxMarker>(screen, "barPeakLevel");
    int first = 0;
    for (int i = 0; i < amplitudes.size(); ++i) {
        feed(screen, amplitudes[i]);
        if (i == 0)
            first = peak->value();
        QCOMPARE(minimum->value() == current->value(), minimumIsCurrent[i] == QLatin1Char('y'));
        const int expected = marker[i] == QLatin1Char('-') ? ProgressBarMinMaxMarker::Off
                             : marker[i] == QLatin1Char('p') ? first : peak->value();
        QCOMPARE(current->maxMarker(), expected);
        QCOMPARE(minimum->maxMarker(), expected);
        QCOMPARE(current->minMarker(), int(ProgressBarMinMaxMarker::Off));
    }
    if (!peakBar)
        screenshot(QStringLiteral("levelmeasurement.png"));
}

void TestLevelmeasurement::muteKey_data()
{
    // Key F6 of the device ("^" release); muted after each event.
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("muted");
    QTest::newRow("push button listens while held") << QByteArray("[Systemsettings]\nSwitchmode=Push-Button\n")
                                                    << "F6 F6^ F6 F6^" << "0101";
    QTest::newRow("switch toggles on press") << QByteArray("[Systemsettings]\nSwitchmode=Switch\n")
                                             << "F6 F6^ F6 F6^" << "0011";
}

void TestLevelmeasurement::muteKey()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, keys);
    QFETCH(QString, muted);
    Levelmeasurement *screen = open(settings);
    m_filter = std::make_unique<EventHandler>();
    qApp->installEventFilter(m_filter.get());
    QVERIFY(screen->isMuted());
    const QStringList events = keys.split(QLatin1Char(' '));
    for (int i = 0; i < events.size(); ++i) {
        const bool release = events[i].endsWith(QLatin1Char('^'));
        QKeyEvent event(release ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_F6, Qt::NoModifier);
        QApplication::sendEvent(screen, &event);
        QCoreApplication::sendPostedEvents();
        const bool expected = muted[i] == QLatin1Char('1');
        QCOMPARE(screen->isMuted(), expected);
        QCOMPARE(m_shell->main->isAudioPathMuted(), expected);
    }
}

void TestLevelmeasurement::toolBar_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("filter") << "butMenuFilter" << "Filtersettings";
    QTest::newRow("microphone") << "butMenuMic" << "Micsettings";
    QTest::newRow("headphone") << "butMenuHeadphone" << "Headphonesettings";
}

void TestLevelmeasurement::toolBar()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    Levelmeasurement *screen = open();
    screen->muteAudioPath(false, true);
    DialogCloser closer;
    QTest::mouseClick(screen->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(closer.count, 1);
    QCOMPARE(closer.text, dialog);
}

void TestLevelmeasurement::linkWarning_data()
{
    QTest::addColumn<bool>("wired");
    QTest::addColumn<int>("warnings");
    QTest::newRow("link down: once, not per check") << false << 1;
    QTest::newRow("wired sensor needs no link") << true << 0;
}

void TestLevelmeasurement::linkWarning()
{
    QFETCH(bool, wired);
    QFETCH(int, warnings);
    Levelmeasurement *screen = open();
    m_shell->root.write(QStringLiteral("/sys/class/gpio/gpio48/value"), wired ? "1\n" : "0\n");
    QVERIFY(QMetaObject::invokeMethod(&StatusbarData(), "update"));
    screen->muteAudioPath(false, true);
    DialogCloser closer;
    for (int i = 0; i < 3; ++i)
        screen->checkBtConnection();
    QCOMPARE(closer.count, warnings);
    QCOMPARE(screen->isMuted(), warnings > 0);
}

void TestLevelmeasurement::storeAndView_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("full");
    QTest::newRow("accepted") << true << false;
    QTest::newRow("cancelled stores nothing") << false << false;
    QTest::newRow("full partition stores nothing") << true << true;
}

void TestLevelmeasurement::storeAndView()
{
    QFETCH(bool, accept);
    QFETCH(bool, full);
    Levelmeasurement *screen = open();
    screen->muteAudioPath(false, true);
    QTest::qWait(1000); // a second of the simulated sensor in the recording
    for (int amplitude : {1500, 1200, 1000, 900, 1400})
        feed(screen, amplitude);
    const QString minimum = child(screen, "labelMinimumLevel")->text();
    QTimer::singleShot(50, [accept] {
        auto *keyboard = qobject_cast<VirtualKeyboard *>(QApplication::activeModalWidget());
        QVERIFY(keyboard);
        keyboard->setText(QStringLiteral("PIPE1"));
        QTest::mouseClick(keyboard->findChild<QPushButton *>(accept ? "but_Accept" : "but_Close"), Qt::LeftButton);
    });
    if (full)
        MeasurementData()->setFreeSpaceProbe([](const QString &) { return qint64(0); });
    DialogCloser closer("VirtualKeyboard");
    closer.screenshot = QStringLiteral("measurement-not-stored.png");
    QTest::mouseClick(child<QPushButton>(screen, "butMenuSave"), Qt::LeftButton);
    MeasurementData()->setFreeSpaceProbe({});
    QVERIFY(screen->isMuted());
    QCOMPARE(closer.text, full ? QCoreApplication::translate("Measurements", "NotEnoughSpace") : QString());

    const QStringList stored = QDir(m_shell->root.file(QStringLiteral("/media/kx500/meas")))
                                   .entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    if (!accept || full) {
        QVERIFY(stored.isEmpty());
        return;
    }
    QCOMPARE(stored.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^LE_\\d{8}_\\d{6}_PIPE1$")).match(stored[0]).hasMatch(),
             qPrintable(stored[0]));
    // The recording is written before the store copies it.
    const QFileInfo wav(m_shell->root.file(QStringLiteral("/media/kx500/meas/")) + stored[0] + QStringLiteral("/LE_sound.wav"));
    QVERIFY2(wav.exists() && wav.size() > 44, qPrintable(wav.filePath()));
    QVERIFY(m_shell->openStoredMeasurement(stored[0]));
    QCOMPARE(child(screen, "labelName")->text(), QStringLiteral("PIPE1"));
    QCOMPARE(child(screen, "labelMinimumLevel")->text(), minimum);
    QVERIFY(child<QWidget>(screen, "butMenuStoredPlay")->isVisible());
    screenshot(QStringLiteral("levelmeasurement-stored.png"));
}

void TestLevelmeasurement::storedDamagedSaysSo()
{
    Levelmeasurement *screen = open();
    QVERIFY(m_shell->root.write(QStringLiteral("/media/kx500/meas/LE_20260101_110000_Full/info.ini"),
                                "[Measurementinfo]\nMeasurementtype=Levelmeasurement\nMeasurementname=Full\n"
                                "[Levels]\nLevel=40.0\nFrequency=500\n"));
    QVERIFY(m_shell->root.write(QStringLiteral("/media/kx500/meas/LE_20260101_120000_X/info.ini"),
                                "[Measurementinfo]\nMeasurementname=X\n"));
    // The values of the one viewed before must not stay on the screen.
    QVERIFY(m_shell->openStoredMeasurement(QStringLiteral("LE_20260101_110000_Full")));
    QCOMPARE(child(screen, "labelMinimumLevel")->text(), QStringLiteral("40"));
    // Without its type and level it is damaged: a note, and no zeros that
    // would read as a quiet spot.
    DialogCloser closer;
    closer.screenshot = QStringLiteral("levelmeasurement-damaged.png");
    QVERIFY(m_shell->openStoredMeasurement(QStringLiteral("LE_20260101_120000_X")));
    QCOMPARE(closer.count, 1);
    QVERIFY2(closer.text.startsWith(QCoreApplication::translate("MeasurementScreen", "MeasurementDamaged")), qPrintable(closer.text));
    QCOMPARE(child(screen, "labelName")->text(), QStringLiteral("X"));
    QCOMPARE(child(screen, "labelMinimumLevel")->text(), QStringLiteral("--"));
    QCOMPARE(child(screen, "labelFrequency")->text(), QStringLiteral("-- Hz"));
    QCOMPARE(child<ProgressBarMinMaxMarker>(screen, "barMinimumLevel")->value(), 0);
    screenshot(QStringLiteral("levelmeasurement-damaged-view.png"));

    // It has no recording either: play says so instead of playing silence.
    closer.screenshot.clear();
    QTest::mouseClick(child<QPushButton>(screen, "butMenuStoredPlay"), Qt::LeftButton);
    QCOMPARE(closer.count, 2);
    QCOMPARE(closer.text, QCoreApplication::translate("RecordingPlayer", "NoRecordingStored"));
}

namespace {

// A mono 16-bit recording at 16000 samples per second, as the store keeps them.
QByteArray toneWav(double amplitude, int seconds)
{
    QByteArray pcm;
    for (int i = 0; i < 16000 * seconds; ++i) {
        const qint16 v = qint16(amplitude * 32767 * std::sin(2 * M_PI * 500 * i / 16000.0));
        pcm.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
    }
    QByteArray wav("RIFF....WAVEfmt ");
    auto le = [&wav](quint32 v, int bytes) {
        for (int b = 0; b < bytes; ++b)
            wav.append(char((v >> (8 * b)) & 0xff));
    };
    le(16, 4); le(1, 2); le(1, 2); le(16000, 4); le(32000, 4); le(2, 2); le(16, 2);
    wav.append("data");
    le(quint32(pcm.size()), 4);
    wav.append(pcm);
    const quint32 riff = quint32(wav.size() - 8);
    for (int b = 0; b < 4; ++b)
        wav[4 + b] = char((riff >> (8 * b)) & 0xff);
    return wav;
}

} // namespace

void TestLevelmeasurement::storedRecordingPlays_data()
{
    QTest::addColumn<QByteArray>("wav");
    QTest::addColumn<bool>("plays");
    QTest::newRow("recording reaches the card") << toneWav(0.3, 3) << true;
    QTest::newRow("damaged file is reported") << QByteArray(4096, 'x') << false;
}

void TestLevelmeasurement::storedRecordingPlays()
{
    QFETCH(QByteArray, wav);
    QFETCH(bool, plays);
    Levelmeasurement *screen = open();
    const QString dir = QStringLiteral("/media/kx500/meas/LE_20260101_110000_Tone/");
    QVERIFY(m_shell->root.write(dir + QStringLiteral("info.ini"),
                                "[Measurementinfo]\nMeasurementtype=Levelmeasurement\nMeasurementname=Tone\n"
                                "[Levels]\nLevel=40.000\nFrequency=500\n"));
    QVERIFY(m_shell->root.write(dir + QStringLiteral("LE_sound.wav"), wav));
    QVERIFY(m_shell->openStoredMeasurement(QStringLiteral("LE_20260101_110000_Tone")));

    DialogCloser closer;
    QTest::mouseClick(child<QPushButton>(screen, "butMenuStoredPlay"), Qt::LeftButton);
    if (plays) {
        QVERIFY(waitFor([&] { return m_shell->root.stateValue(QStringLiteral("/sim/playback.state"), "rms") > 0.05; }, 15000));
        QCOMPARE(closer.count, 0);
    } else {
        QVERIFY(waitFor([&] { return closer.count > 0; }, 15000));
        QCOMPARE(closer.text, QCoreApplication::translate("RecordingPlayer", "RecordingCannotBePlayed"));
    }
    QTest::mouseClick(child<QPushButton>(screen, "butMenuStoredStop"), Qt::LeftButton);
}

QTEST_MAIN(TestLevelmeasurement)
#include "tst_levelmeasurement.moc"
