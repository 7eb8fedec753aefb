// The hardware keys through the application's event filter, as the
// keyboard driver delivers them (F1..F6 with auto-repeat), seen from the
// screen that has the focus and from the main window.
#include "appsetup.h"
#include "eventhandler.h"
#include "globals.h"
#include "shellfixture.h"
#include "statusbar.h"

#include <QKeyEvent>
#include <QStackedWidget>
#include <QtTest>

namespace {

QStringList times(int n, const char *key)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << QLatin1String(key);
    return list;
}

// The focused screen: records every key that reaches it.
class KeyProbe : public QWidget
{
public:
    QStringList keys;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
            auto *k = static_cast<QKeyEvent *>(e);
            keys << QStringLiteral("%1:%2").arg(e->type() == QEvent::KeyPress ? 'P' : 'R').arg(name(k->key()));
            return true;
        }
        return QWidget::event(e);
    }

private:
    static QString name(int key)
    {
        switch (key) {
        case Qt::Key_Up: return QStringLiteral("Up");
        case Qt::Key_Down: return QStringLiteral("Down");
        case Qt::Key_Space: return QStringLiteral("Space");
        case Qt::Key_Escape: return QStringLiteral("Escape");
        default:
            if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
                return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
            return QString::number(key);
        }
    }
};

} // namespace

class TestEventHandler : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setupApplication(); }
    void cleanup()
    {
        g_hardwareTestActive = 0;
        m_filter.reset();
        m_shell.reset();
    }

    void keySequences_data();
    void keySequences();
    void hardwareKeysDriveTheMenus();
    void longPowerPressSwitchesOff_data();
    void longPowerPressSwitchesOff();
    void firstKeyOnlyWakesFromPowerSaving();
    void touchWakesWithoutActing();

private:
    void start(const QByteArray &settings = QByteArray())
    {
        m_shell = std::make_unique<ShellFixture>(settings);
        m_shell->main->displayWidget(4, 1, 0); // away from the main page
        // Installed before the main window on the device; the order does not
        // matter to the filter, but its counters must start fresh.
        m_filter = std::make_unique<EventHandler>();
        qApp->installEventFilter(m_filter.get());
    }
    // The shortest display-off time in 2-s ticks.
    static void darken()
    {
        for (int i = 0; i < 5; ++i)
            QVERIFY(QMetaObject::invokeMethod(&StatusbarData(), "update"));
    }
    // "F1" press, "F1+" auto-repeat, "F1~" a desktop's auto-repeat, "F1^"
    // release, "F1+*7" seven repeats.
    void play(const QString &sequence);
    QString currentScreen() const
    {
        QWidget *w = m_shell->main->findChild<QStackedWidget *>(QStringLiteral("mainWidget"))->currentWidget();
        return w->objectName() == QLatin1String("mainPage") ? QStringLiteral("mainPage")
                                                            : QString::fromLatin1(w->metaObject()->className());
    }

    std::unique_ptr<EventHandler> m_filter;
    KeyProbe m_probe;
    std::unique_ptr<ShellFixture> m_shell;
};

void TestEventHandler::play(const QString &sequence)
{
    for (const QString &token : sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString t = token;
        int times = 1;
        const int star = t.indexOf(QLatin1Char('*'));
        if (star > 0) {
            times = t.mid(star + 1).toInt();
            t = t.left(star);
        }
        // A desktop's auto-repeat: a release and a press, both marked as repeats.
        const bool desktop = t.endsWith(QLatin1Char('~'));
        const bool release = t.endsWith(QLatin1Char('^'));
        const bool repeat = desktop || t.endsWith(QLatin1Char('+'));
        const int key = Qt::Key_F1 + t.mid(1, 1).toInt() - 1;
        auto send = [&](QEvent::Type type) {
            QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
            QApplication::sendEvent(&m_probe, &event);
            QCoreApplication::sendPostedEvents();
        };
        for (int i = 0; i < times; ++i) {
            if (desktop)
                send(QEvent::KeyRelease);
            send(release ? QEvent::KeyRelease : QEvent::KeyPress);
        }
    }
}

void TestEventHandler::keySequences_data()
{
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<QStringList>("received");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("logged"); // a line the sequence must log ("" = none)

    QTest::newRow("short power press") << "F1 F1^" << QStringList{"P:F11", "R:Escape"} << "mainPage" << "Eventhandler IO-Key released";
    QTest::newRow("power held 7 repeats") << "F1 F1+*7 F1^"
                                          << (QStringList() << times(8, "P:F11") << "R:Escape") << "mainPage" << "";
    QTest::newRow("select") << "F4 F4^" << QStringList{"P:Space", "R:Space"} << "Management" << "";
    QTest::newRow("up held alone") << "F3 F3+*10 F3^" << (QStringList() << times(11, "P:Up") << "R:Up") << "Management" << "";
    QTest::newRow("down") << "F5 F5^" << QStringList{"P:Down", "R:Down"} << "Management" << "";
    QTest::newRow("up and down held") << "F3 F3+*3 F5 F5+*3 F3^ F5^"
                                      << (QStringList() << times(4, "P:Up") << times(4, "P:Down") << "R:Down")
                                      << "Management" << "Switching to Uart-Mode";
    QTest::newRow("down not long enough") << "F3 F3+*3 F5 F5+*2 F3^"
                                          << (QStringList() << times(4, "P:Up") << times(3, "P:Down") << "R:Up")
                                          << "Management" << "";
    QTest::newRow("mute key held") << "F6 F6+*3 F6^" << QStringList{"P:F10", "R:F10"} << "Management" << "Key MUTE released";
    QTest::newRow("favourite short press") << "F2 F2^" << QStringList() << "Levelmeasurement" << "Open Dialog Levelmeasurement";
    QTest::newRow("favourite 7 repeats") << "F2 F2+*7 F2^" << QStringList() << "Levelmeasurement" << "";
    QTest::newRow("favourite held stores") << "F2 F2+*12 F2^" << QStringList() << "Management" << "New Favourite-Button fuction stored";
    QTest::newRow("other keys pass") << "F9 F9^" << QStringList{"P:F9", "R:F9"} << "Management" << "";
    // On a desktop a held key must act as on the board.
    QTest::newRow("power held 7 repeats, desktop") << "F1 F1~*7 F1^"
                                                   << (QStringList() << times(8, "P:F11") << "R:Escape") << "mainPage" << "";
    QTest::newRow("up held, desktop") << "F3 F3~*10 F3^" << (QStringList() << times(11, "P:Up") << "R:Up") << "Management" << "";
    QTest::newRow("select held, desktop") << "F4 F4~*3 F4^" << (QStringList() << times(4, "P:Space") << "R:Space") << "Management" << "";
    QTest::newRow("down held, desktop") << "F5 F5~*3 F5^" << (QStringList() << times(4, "P:Down") << "R:Down") << "Management" << "";
    QTest::newRow("mute key held, desktop") << "F6 F6~*3 F6^" << QStringList{"P:F10", "R:F10"} << "Management" << "";
    QTest::newRow("favourite held, desktop") << "F2 F2~*12 F2^" << QStringList() << "Management" << "New Favourite-Button fuction stored";
}

void TestEventHandler::keySequences()
{
    QFETCH(QString, sequence);
    QFETCH(QStringList, received);
    QFETCH(QString, screen);
    QFETCH(QString, logged);
    start();
    m_probe.keys.clear();
    play(sequence);
    QCOMPARE(m_probe.keys, received);
    QCOMPARE(currentScreen(), screen);
    if (!logged.isEmpty())
        QVERIFY2(!m_shell->log.matching(logged).isEmpty(), qPrintable(logged));
    // Nothing of this switches the device off.
    QCOMPARE(m_shell->root.read(QStringLiteral("/sys/class/backlight/backlight/brightness")), QByteArray("6"));
    QVERIFY(m_shell->log.matching(QStringLiteral("beforePowerDown")).isEmpty());
    if (sequence.startsWith(QLatin1String("F3 F3+*3 F5 F5+*3"))) {
        QCOMPARE(m_shell->root.read(QStringLiteral("/sys/class/gpio/gpio50/value")), QByteArray("0"));
        QCOMPARE(m_shell->root.read(QStringLiteral("/sys/class/gpio/gpio65/value")), QByteArray("1"));
    }
}

void TestEventHandler::hardwareKeysDriveTheMenus()
{
    start();
    MainMenu &main = *m_shell->main;
    main.displayWidget(0, 0, 0);
    main.show();
    QApplication::setActiveWindow(&main);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    main.findChild<QWidget *>(QStringLiteral("butPinpointing"))->setFocus();
    auto press = [](const char *keys) {
        for (const QString &k : QString::fromLatin1(keys).split(QLatin1Char(' '))) {
            const int key = Qt::Key_F1 + k.mid(1).toInt() - 1;
            QTest::keyPress(QApplication::focusWidget(), Qt::Key(key));
            QCoreApplication::sendPostedEvents();
            QTest::keyRelease(QApplication::focusWidget(), Qt::Key(key));
            QCoreApplication::sendPostedEvents();
        }
    };
    press("F5 F5 F5");
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("butManagement"));
    press("F3");
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("butLevelmeasurement"));
    press("F5 F4");
    QCOMPARE(currentScreen(), QStringLiteral("Management"));
    QApplication::focusWidget()->clearFocus();
    main.findChild<QWidget *>(QStringLiteral("butMeasurements"))->setFocus();
    press("F5 F5 F5 F5 F5 F4");
    QCOMPARE(currentScreen(), QStringLiteral("Systemsettings"));
    // The power key's short press leads home from anywhere.
    press("F1");
    QCOMPARE(currentScreen(), QStringLiteral("mainPage"));
}

void TestEventHandler::longPowerPressSwitchesOff_data()
{
    QTest::addColumn<QString>("hold");
    QTest::addColumn<int>("presses");
    QTest::newRow("board") << "F1 F1+*8" << 9;
    QTest::newRow("desktop") << "F1 F1~*12" << 13;
}

void TestEventHandler::longPowerPressSwitchesOff()
{
    QFETCH(QString, hold);
    QFETCH(int, presses);
    start();
    m_probe.keys.clear();
    play(hold);
    QCOMPARE(m_shell->root.read(QStringLiteral("/sys/class/backlight/backlight/brightness")), QByteArray("0"));
    play(QStringLiteral("F1^"));
    QCOMPARE(m_probe.keys, times(presses, "P:F11"));
    QCOMPARE(m_shell->log.matching(QStringLiteral("Key: SwitchOff")).size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_shell->root.commands().contains(QStringLiteral("poweroff")), 5000);
}

void TestEventHandler::firstKeyOnlyWakesFromPowerSaving()
{
    start("[Systemsettings]\nDisplayOffTime=10\nBrightness=7\n");
    darken();
    QVERIFY(StatusbarData().isPowerSavingActive());
    QCOMPARE(m_shell->root.read(QStringLiteral("/sys/class/backlight/backlight/brightness")), QByteArray("0"));
    m_probe.keys.clear();
    // The waking press does nothing else; its release is mapped as usual.
    play(QStringLiteral("F1 F1^"));
    QCOMPARE(m_probe.keys, QStringList{"R:Escape"});
    QCOMPARE(currentScreen(), QStringLiteral("mainPage"));
    QVERIFY(!StatusbarData().isPowerSavingActive());
    QCOMPARE(m_shell->root.read(QStringLiteral("/sys/class/backlight/backlight/brightness")), QByteArray("7"));

    // In the hardware test the keys pass unchanged, but a press still wakes.
    darken();
    QVERIFY(StatusbarData().isPowerSavingActive());
    g_hardwareTestActive = 1;
    m_probe.keys.clear();
    play(QStringLiteral("F3 F3^ F3 F3^"));
    QCOMPARE(m_probe.keys, QStringList({"R:F3", "P:F3", "R:F3"}));
    QVERIFY(!StatusbarData().isPowerSavingActive());
}

void TestEventHandler::touchWakesWithoutActing()
{
    start("[Systemsettings]\nDisplayOffTime=10\n");
    darken();
    QTouchEvent touch(QEvent::TouchEnd);
    QVERIFY(m_filter->eventFilter(&m_probe, &touch));
    QVERIFY(!StatusbarData().isPowerSavingActive());
    QVERIFY(!m_filter->eventFilter(&m_probe, &touch));
}

QTEST_MAIN(TestEventHandler)
#include "tst_eventhandler.moc"
