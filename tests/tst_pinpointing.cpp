// Pinpointing: the range and leak rules on their own, then the screen
// driven as the operator walks a pipe: positions opened and closed with
// the keys, the eleventh shifting the oldest out with its recording,
// storing under a keyboard name and the stored view.
#include "appsetup.h"
#include "backgroundrecording.h"
#include "eventhandler.h"
#include "measurements.h"
#include "pinpointing.h"
#include "pinpointingpositions.h"
#include "screendriver.h"
#include "shellfixture.h"
#include "virtualkeyboard.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

class TestPinpointing : public QObject
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
    }

    void range_data();
    void range();
    void leak_data();
    void leak();
    void walk_data();
    void walk();
    void twelvePositionsKeepTheLastTen();
    void storeAndView_data();
    void storeAndView();

private:
    Pinpointing *open(const QByteArray &settings = QByteArray())
    {
        m_shell = std::make_unique<ShellFixture>(settings);
        return m_shell->showScreen<Pinpointing>(3);
    }
    template<typename T = QLabel>
    T *child(Pinpointing *screen, const QString &name)
    {
        return screen->findChild<T *>(name);
    }
    void feed(Pinpointing *screen, int amplitude) { feedBlock(screen, amplitude); }
    // One position: open, a few blocks, close.
    void position(Pinpointing *screen, int amplitude)
    {
        screen->muteAudioPath(false, true);
        for (int i = 0; i < 3; ++i)
            feed(screen, amplitude);
        screen->muteAudioPath(true, true);
    }
    QString levels(Pinpointing *screen)
    {
        QStringList shown;
        for (int n = 1; n <= PinpointingPositions::Count; ++n) {
            QLabel *label = child(screen, QStringLiteral("labelMin%1").arg(n));
            if (label->isVisibleTo(screen))
                shown << label->text();
        }
        return shown.join(QLatin1Char(' '));
    }

    std::unique_ptr<ShellFixture> m_shell;
    std::unique_ptr<EventHandler> m_filter;
    QTranslator m_english;
};

void TestPinpointing::range_data()
{
    QTest::addColumn<QList<float>>("results");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("range");
    QTest::newRow("fixed") << QList<float>{30, 45} << 0 << "0 100";
    QTest::newRow("dynamic, spread over 10 dB") << QList<float>{30, 31, 45} << 1 << "26 49";
    QTest::newRow("dynamic, spread under 10 dB") << QList<float>{35, 30} << 1 << "26 40";
    QTest::newRow("dynamic, under 1 dB apart") << QList<float>{30, 30.5} << 1 << "0 100";
    QTest::newRow("dynamic near zero") << QList<float>{2, 20} << 1 << "0 24";
    QTest::newRow("zoomed") << QList<float>{30, 45} << 2 << "29 46";
    QTest::newRow("zoomed at the top") << QList<float>{60, 99.5} << 2 << "59 100";
    QTest::newRow("no results") << QList<float>{} << 1 << "0 100";
}

void TestPinpointing::range()
{
    QFETCH(QList<float>, results);
    QFETCH(int, mode);
    QFETCH(QString, range);
    PinpointingPositions positions;
    for (float level : results) {
        positions.advance();
        positions.current().minimumLevel = level;
    }
    const PinpointingPositions::Range r = positions.range(mode);
    QCOMPARE(QStringLiteral("%1 %2").arg(double(r.lower)).arg(double(r.upper)), range);
}

void TestPinpointing::leak_data()
{
    QTest::addColumn<QList<float>>("results");
    QTest::addColumn<int>("leak");
    QTest::newRow("loudest") << QList<float>{30, 45, 20} << 2;
    QTest::newRow("a tie: the first") << QList<float>{30, 45, 45, 20} << 2;
    QTest::newRow("no result") << QList<float>{0, 0} << -1;
}

void TestPinpointing::leak()
{
    QFETCH(QList<float>, results);
    QFETCH(int, leak);
    PinpointingPositions positions;
    for (float level : results) {
        positions.advance();
        positions.current().minimumLevel = level;
    }
    QCOMPARE(positions.leak(positions.currentStep()).position, leak);
}

void TestPinpointing::walk_data()
{
    // Steps: "F6" / "F6^" the mute key pressed / released, "rm3 open|close"
    // the sensor's own key, "feed A" a block (0: no valid reading), "delete"
    // the delete-last button. After each step: muted (1/0) and the step.
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("levels");
    const QByteArray push = "[Systemsettings]\nSwitchmode=Push-Button\n";
    const QByteArray toggle = "[Systemsettings]\nSwitchmode=Switch\n";
    QTest::newRow("push button: a position while held")
        << push << QStringList{"F6", "feed 1500", "F6^", "F6", "feed 3000", "F6^"} << "01 01 11 02 02 12"
        << "85 96";
    QTest::newRow("switch: press opens, press closes")
        << toggle << QStringList{"F6", "F6^", "feed 1500", "F6", "F6^"} << "01 01 01 11 11" << "85";
    QTest::newRow("the sensor's key, repeated, opens and closes once")
        << toggle << QStringList{"rm3 open", "feed 1500", "rm3 open", "rm3 close", "rm3 close"}
        << "01 01 01 11 11" << "85";
    QTest::newRow("closed without a reading: the position is dropped")
        << toggle << QStringList{"F6", "feed 0", "F6"} << "01 01 10" << "";
    QTest::newRow("an invalid reading changes nothing")
        << toggle << QStringList{"F6", "feed 1500", "feed 0", "F6"} << "01 01 01 11" << "85";
    QTest::newRow("delete last at 0 and 1")
        << toggle << QStringList{"delete", "F6", "feed 1500", "F6", "delete", "delete"} << "10 01 01 11 10 10" << "";
}

void TestPinpointing::walk()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, steps);
    QFETCH(QString, after);
    QFETCH(QString, levels);
    Pinpointing *screen = open(settings);
    m_filter = std::make_unique<EventHandler>();
    qApp->installEventFilter(m_filter.get());
    QStringList got;
    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words[0].startsWith(QLatin1String("F6"))) {
            muteKeyStep(screen, step);
        } else if (words[0] == QLatin1String("rm3")) {
            screen->switchActiveMute(words[1] == QLatin1String("close"));
        } else if (words[0] == QLatin1String("feed")) {
            feed(screen, words[1].toInt());
        } else {
            QTest::mouseClick(child<QPushButton>(screen, QStringLiteral("butMenuDeleteLast")), Qt::LeftButton);
        }
        got << QStringLiteral("%1%2").arg(int(screen->isMuted())).arg(screen->positions().currentStep());
        QCOMPARE(m_shell->main->isAudioPathMuted(), screen->isMuted());
    }
    QCOMPARE(got.join(QLatin1Char(' ')), after);
    QCOMPARE(this->levels(screen), levels);
    // The delete button is there only while the path is closed.
    QCOMPARE(child<QPushButton>(screen, QStringLiteral("butMenuDeleteLast"))->isVisibleTo(screen), screen->isMuted());
}

void TestPinpointing::twelvePositionsKeepTheLastTen()
{
    Pinpointing *screen = open();
    const int amplitudes[12] = {60, 70, 80, 100, 120, 150, 180, 220, 270, 330, 400, 480};
    QStringList expected;
    for (int i = 0; i < 10; ++i)
        position(screen, amplitudes[i]);
    // Each recording marked with the position it was made at.
    for (int n = 1; n <= 10; ++n) {
        QFile file(BackgroundRecording::wavFilePath(QStringLiteral("PP_Sound_%1").arg(n)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(n));
    }
    const QString firstTen = levels(screen);
    position(screen, amplitudes[10]);
    position(screen, amplitudes[11]);
    QCOMPARE(screen->positions().currentStep(), 10);
    const QStringList shown = levels(screen).split(QLatin1Char(' '));
    QCOMPARE(shown.mid(0, 8), firstTen.split(QLatin1Char(' ')).mid(2));
    QVERIFY(shown[9].toInt() > shown[8].toInt());
    for (int n = 1; n <= 8; ++n) {
        QFile file(BackgroundRecording::wavFilePath(QStringLiteral("PP_Sound_%1").arg(n)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::number(n + 2));
    }
    QVERIFY(!QFile::exists(BackgroundRecording::wavFilePath(QStringLiteral("PP_Sound_11"))));
    // Closed: the microphone marks no slot past the tenth, the drop the leak.
    QVERIFY(!child(screen, QStringLiteral("labelMicrophone"))->isVisibleTo(screen));
    QCOMPARE(child(screen, QStringLiteral("labelWaterdrop"))->geometry().center().x(),
             child<QProgressBar>(screen, QStringLiteral("progBarMin10"))->geometry().center().x());
}

void TestPinpointing::storeAndView_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("named") << true;
    QTest::newRow("cancelled: the store's own name") << false;
}

void TestPinpointing::storeAndView()
{
    QFETCH(bool, accept);
    Pinpointing *screen = open();
    for (int amplitude : {1000, 3000, 1500})
        position(screen, amplitude);
    screen->muteAudioPath(false, true);
    feed(screen, 2000);
    QTest::mouseClick(child<QPushButton>(screen, QStringLiteral("butMenuSettings")), Qt::LeftButton);
    saveScreenshot(m_shell->main.get(), QStringLiteral("pinpointing-settings.png"));
    QTest::mouseClick(child<QPushButton>(screen, QStringLiteral("butMenuBack")), Qt::LeftButton);
    QTimer::singleShot(50, [accept] {
        auto *keyboard = qobject_cast<VirtualKeyboard *>(QApplication::activeModalWidget());
        QVERIFY(keyboard);
        keyboard->setText(QStringLiteral("MAIN STREET"));
        QTest::mouseClick(keyboard->findChild<QPushButton *>(accept ? "but_Accept" : "but_Close"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(screen, QStringLiteral("butMenuSave")), Qt::LeftButton);
    QVERIFY(screen->isMuted());
    const QString root = m_shell->root.file(QStringLiteral("/media/kx500/meas/"));
    const QStringList stored = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(stored.size(), 1);
    QVERIFY2(stored[0].startsWith(QLatin1String("PP_"))
                 && stored[0].endsWith(accept ? QLatin1String("_MAIN STREET") : QLatin1String("_M1")),
             qPrintable(stored[0]));
    QSettings ini(root + stored[0] + QStringLiteral("/info.ini"), QSettings::IniFormat);
    const QString live = levels(screen);
    QStringList kept;
    for (int n = 1; n <= 10; ++n) {
        const float level = ini.value(QStringLiteral("Levels/Level_%1").arg(n)).toFloat();
        QCOMPARE(QFile::exists(root + stored[0] + QStringLiteral("/PP_Sound_%1.wav").arg(n)), level > 0);
        if (level > 0)
            kept << QString::number(level, 'f', 0);
    }
    QCOMPARE(kept.join(QLatin1Char(' ')), live);

    QVERIFY(m_shell->openStoredMeasurement(stored[0]));
    QCOMPARE(levels(screen), live);
    QCOMPARE(child(screen, QStringLiteral("labelWaterdrop"))->geometry().center().x(),
             child<QProgressBar>(screen, QStringLiteral("progBarMin2"))->geometry().center().x());
    // Next runs over the positions that hold a result, then back to the first.
    QStringList selected;
    for (int i = 0; i < 5; ++i) {
        selected << QString::number(screen->selectedPosition());
        QTest::mouseClick(child<QPushButton>(screen, QStringLiteral("butMenuStoredNext")), Qt::LeftButton);
    }
    QCOMPARE(selected.join(QLatin1Char(' ')), QStringLiteral("1 2 3 4 1"));
    if (accept)
        saveScreenshot(m_shell->main.get(), QStringLiteral("pinpointing-stored.png"));
}

QTEST_MAIN(TestPinpointing)
#include "tst_pinpointing.moc"
