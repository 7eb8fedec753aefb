// Pipe locating: the point rules on their own, then the screen driven with
// the keys, a walk stored with its positions and shown again.
#include "appsetup.h"
#include "eventhandler.h"
#include "gps.h"
#include "measurements.h"
#include "nmea.h"
#include "pipelocating.h"
#include "screendriver.h"
#include "shellfixture.h"
#include "virtualkeyboard.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

class TestPipelocating : public QObject
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

    void points_data();
    void points();
    void range_data();
    void range();
    void keys_data();
    void keys();
    void storeAndView_data();
    void storeAndView();

private:
    Pipelocating *open(const QByteArray &settings = QByteArray())
    {
        m_shell = std::make_unique<ShellFixture>(settings);
        return m_shell->showScreen<Pipelocating>(8);
    }
    template<typename T = QLabel>
    T *child(Pipelocating *screen, const QString &name)
    {
        return screen->findChild<T *>(name);
    }
    QString shownLevels(Pipelocating *screen)
    {
        QStringList shown;
        for (int n = 1; n <= PipelocatingPoints::Count; ++n) {
            QLabel *label = child(screen, QStringLiteral("labelPoint%1").arg(n));
            if (label->isVisibleTo(screen))
                shown << label->text();
        }
        return shown.join(QLatin1Char(' '));
    }
    // The slot the loudest-point markers stand on, 0 when hidden.
    int markedSlot(Pipelocating *screen)
    {
        QLabel *top = child(screen, QStringLiteral("labelMarkerTop"));
        QLabel *bottom = child(screen, QStringLiteral("labelMarkerBottom"));
        if (top->isVisibleTo(screen) != bottom->isVisibleTo(screen))
            return -1;
        for (int n = 1; top->isVisibleTo(screen) && n <= PipelocatingPoints::Count; ++n) {
            const int x = child<QProgressBar>(screen, QStringLiteral("progBarPoint%1").arg(n))->geometry().center().x();
            if (top->geometry().center().x() == x && bottom->geometry().center().x() == x)
                return n;
        }
        return 0;
    }

    std::unique_ptr<ShellFixture> m_shell;
    std::unique_ptr<EventHandler> m_filter;
    QTranslator m_english;
};

void TestPipelocating::points_data()
{
    // "o" opens a point, "c" closes it, a number is a reading.
    QTest::addColumn<QString>("walk");
    QTest::addColumn<QString>("result"); // step: levels: loudest
    QTest::newRow("none") << "" << "0::0";
    QTest::newRow("the peak of the last six readings") << "o 50 10 10 10 10 10 c" << "1:50:1";
    QTest::newRow("a seventh reading drops the first") << "o 50 10 10 10 10 10 20 c" << "1:20:1";
    QTest::newRow("each point holds afresh") << "o 50 c o 10 c" << "2:50 10:1";
    QTest::newRow("a tie goes to the later point") << "o 30 c o 45 c o 45 c o 20 c" << "4:30 45 45 20:3";
    QTest::newRow("too short a press is dropped") << "o 30 c o c" << "1:30:1";
    QTest::newRow("silence is too short as well") << "o 0 0 c" << "0::0";
    QTest::newRow("the eleventh scrolls the first out")
        << "o 1 c o 2 c o 3 c o 4 c o 5 c o 6 c o 7 c o 8 c o 9 c o 10 c o 11 c" << "10:2 3 4 5 6 7 8 9 10 11:10";
    QTest::newRow("dropped after scrolling")
        << "o 1 c o 2 c o 3 c o 4 c o 5 c o 6 c o 7 c o 8 c o 9 c o 10 c o c" << "9:2 3 4 5 6 7 8 9 10:9";
}

void TestPipelocating::points()
{
    QFETCH(QString, walk);
    QFETCH(QString, result);
    PipelocatingPoints points;
    for (const QString &step : walk.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("o"))
            points.open();
        else if (step == QLatin1String("c"))
            points.close();
        else
            points.addReading(step.toFloat(), 600);
    }
    QStringList levels;
    for (int n = 1; n <= points.currentStep(); ++n)
        levels << QString::number(double(points.at(n).level));
    QCOMPARE(QStringLiteral("%1:%2:%3").arg(points.currentStep()).arg(levels.join(QLatin1Char(' '))).arg(points.loudest()),
             result);
}

void TestPipelocating::range_data()
{
    QTest::addColumn<QList<float>>("levels");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("range");
    QTest::newRow("20 and 50") << QList<float>{20, 50} << false << "16 54";
    QTest::newRow("all equal") << QList<float>{40, 40, 40} << false << "0 100";
    QTest::newRow("stored") << QList<float>{30, 45} << true << "25 50";
    QTest::newRow("stored, all equal") << QList<float>{40, 40} << true << "0 100";
    QTest::newRow("stored near zero") << QList<float>{3, 40} << true << "0 45";
    QTest::newRow("stored near zero and loud") << QList<float>{3, 98} << true << "0 100";
    QTest::newRow("stored, only quiet points") << QList<float>{2, 5} << true << "0 100";
    QTest::newRow("stored near the top") << QList<float>{60, 99} << true << "55 100";
    QTest::newRow("stored, nothing") << QList<float>{} << true << "0 100";
}

void TestPipelocating::range()
{
    QFETCH(QList<float>, levels);
    QFETCH(bool, stored);
    QFETCH(QString, range);
    PipelocatingPoints points;
    for (int n = 1; n <= levels.size(); ++n) {
        PipelocatingPoints::Point p;
        p.level = levels[n - 1];
        points.setPoint(n, p);
    }
    const PipelocatingPoints::Range r = stored ? points.storedRange() : points.range();
    QCOMPARE(QStringLiteral("%1 %2").arg(double(r.lower)).arg(double(r.upper)), range);
}

void TestPipelocating::keys_data()
{
    // Steps: "F6" / "F6^" the mute key pressed / released, "rm3 open|close"
    // the sensor's own key, "feed A" a block. After each step: muted (1/0)
    // and the point; then the slot marked loudest.
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("loudest");
    const QByteArray push = "[Systemsettings]\nSwitchmode=Push-Button\n";
    const QByteArray toggle = "[Systemsettings]\nSwitchmode=Switch\n";
    QTest::newRow("push button: a point while held")
        << push << QStringList{"F6", "feed 1500", "F6^", "F6", "feed 3000", "F6^"} << "01 01 11 02 02 12" << 2;
    QTest::newRow("switch: press opens, press closes")
        << toggle << QStringList{"F6", "F6^", "feed 3000", "F6", "F6^", "F6", "feed 1500", "F6"}
        << "01 01 01 11 11 02 02 12" << 1;
    QTest::newRow("equal points: the later is marked")
        << toggle << QStringList{"F6", "feed 1500", "F6", "F6", "feed 1500", "F6"} << "01 01 11 02 02 12" << 2;
    QTest::newRow("the sensor's key, repeated, opens and closes once")
        << toggle << QStringList{"rm3 open", "feed 1500", "rm3 open", "rm3 close", "rm3 close"}
        << "01 01 01 11 11" << 1;
    QTest::newRow("closed before a reading: dropped")
        << toggle << QStringList{"F6", "feed 1500", "F6", "F6", "F6"} << "01 01 11 02 11" << 1;
    QTest::newRow("closed on silence: dropped") << push << QStringList{"F6", "feed 0", "F6^"} << "01 01 10" << 0;
}

void TestPipelocating::keys()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, steps);
    QFETCH(QString, after);
    QFETCH(int, loudest);
    Pipelocating *screen = open(settings);
    m_filter = std::make_unique<EventHandler>();
    qApp->installEventFilter(m_filter.get());
    QStringList got;
    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words[0].startsWith(QLatin1String("F6"))) {
            muteKeyStep(screen, step);
        } else if (words[0] == QLatin1String("rm3")) {
            screen->switchActiveMute(words[1] == QLatin1String("close"));
        } else {
            feedBlock(screen, words[1].toInt());
        }
        got << QStringLiteral("%1%2").arg(int(screen->isMuted())).arg(screen->points().currentStep());
        QCOMPARE(m_shell->main->isAudioPathMuted(), screen->isMuted());
    }
    QCOMPARE(got.join(QLatin1Char(' ')), after);
    QCOMPARE(markedSlot(screen), loudest);
    QCOMPARE(shownLevels(screen).split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), screen->points().currentStep());
}

void TestPipelocating::storeAndView_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("named") << true;
    QTest::newRow("cancelled: nothing stored") << false;
}

void TestPipelocating::storeAndView()
{
    QFETCH(bool, accept);
    Pipelocating *screen = open("[Dialogconfiguration]\nPipelocating_UseFrequencyColorForLevelbar=true\n");
    Gps *gps = m_shell->main->getGpsInstance();
    gps->switchOnGpsModul();
    // Each point heard a few metres further north: 48 degrees and 7+n minutes.
    const int amplitudes[] = {1000, 3000, 1500, 2000};
    for (int n = 1; n <= 4; ++n) {
        gps->receiveData(fixAt("1235" + QByteArray::number(10 + n), "230324",
                               "48" + QByteArray::number(6 + n).rightJustified(2, '0') + ".000,N,01131.000,E"));
        gps->completeEpoch();
        gps->updatePosition();
        screen->muteAudioPath(false, true);
        for (int i = 0; i < 3; ++i)
            feedBlock(screen, amplitudes[n - 1]);
        if (n < 4)
            screen->muteAudioPath(true, true);
    }
    saveScreenshot(m_shell->main.get(), QStringLiteral("pipelocating-live.png"));
    // The bars' range follows the points: the quietest low, the loudest near the top.
    const auto fill = [&](int n) {
        auto *bar = child<QProgressBar>(screen, QStringLiteral("progBarPoint%1").arg(n));
        return double(bar->value() - bar->minimum()) / (bar->maximum() - bar->minimum());
    };
    QVERIFY2(fill(1) < 0.5 && fill(2) > 0.9, qPrintable(QStringLiteral("%1 %2").arg(fill(1)).arg(fill(2))));
    QTimer::singleShot(50, [accept] {
        auto *keyboard = qobject_cast<VirtualKeyboard *>(QApplication::activeModalWidget());
        QVERIFY(keyboard);
        keyboard->setText(QStringLiteral("FIELD PATH"));
        QTest::mouseClick(keyboard->findChild<QPushButton *>(accept ? "but_Accept" : "but_Close"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(screen, QStringLiteral("butMenuSave")), Qt::LeftButton);
    QVERIFY(screen->isMuted());
    QCOMPARE(screen->points().currentStep(), 4);
    const QString root = m_shell->root.file(QStringLiteral("/media/kx500/meas/"));
    const QStringList stored = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (!accept) {
        QVERIFY(stored.isEmpty());
        QVERIFY(!m_shell->log.matching(QStringLiteral("Text: verworfen")).isEmpty());
        return;
    }
    QCOMPARE(stored.size(), 1);
    QVERIFY2(stored[0].startsWith(QLatin1String("PL_")) && stored[0].endsWith(QLatin1String("_FIELD PATH")),
             qPrintable(stored[0]));

    StoredMeasurement measurement;
    QVERIFY(measurement.load(stored[0]));
    QSettings ini(root + stored[0] + QStringLiteral("/info.ini"), QSettings::IniFormat);
    for (int n = 1; n <= PipelocatingPoints::Count; ++n) {
        const PipelocatingPoints::Point &p = screen->points().at(n);
        QCOMPARE(qRound(measurement.pointLevel(n) * 1000), qRound(p.level * 1000));
        QCOMPARE(measurement.pointFrequency(n), p.frequency);
        const QString where = n <= 4 ? QStringLiteral("%1, %2").arg(48 + (6 + n) / 60.0, 0, 'f', 6).arg(11 + 31 / 60.0, 0, 'f', 6)
                                     : QStringLiteral("0.000000, 0.000000");
        QCOMPARE(ini.value(QStringLiteral("GPS-Positions/GPS-Position_%1").arg(n)).toString(), where);
    }
    QVERIFY(screen->points().at(2).frequency > 500 && screen->points().at(2).frequency < 700);

    const QString live = shownLevels(screen);
    QCOMPARE(markedSlot(screen), 2);
    QVERIFY(m_shell->openStoredMeasurement(stored[0]));
    QCOMPARE(shownLevels(screen), live);
    QCOMPARE(markedSlot(screen), 2);
    QCOMPARE(child(screen, QStringLiteral("labelHeld"))->text(), live.split(QLatin1Char(' '))[1]);
    QCOMPARE(child(screen, QStringLiteral("labelStoredMeasurement"))->text(), QStringLiteral("FIELD PATH"));
    saveScreenshot(m_shell->main.get(), QStringLiteral("pipelocating-stored.png"));

    QSignalSpy back(screen, &Pipelocating::gotoWidget);
    QTest::mouseClick(child<QPushButton>(screen, QStringLiteral("butMenuStoredBack")), Qt::LeftButton);
    QCOMPARE(back.size(), 1);
    QCOMPARE(back[0][0].toInt(), 7);
}

QTEST_MAIN(TestPipelocating)
#include "tst_pipelocating.moc"
