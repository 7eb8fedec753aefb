// The shell's screens as the operator sees them: rendered at 480 x 272 and
// checked where a broken icon, style or text would show. With
// KX500_SCREENSHOT_DIR set, the pictures are also saved there.
#include "appsetup.h"
#include "mainmenu.h"
#include "statusbar.h"
#include "screenshot.h"
#include "logcapture.h"
#include "testroot.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

#include <memory>

class TestScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setupApplication(); }
    void init()
    {
        m_root = std::make_unique<TestRoot>();
        m_log = std::make_unique<LogCapture>();
        m_main = std::make_unique<MainMenu>();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    }
    void cleanup()
    {
        m_main.reset();
        m_log.reset();
        m_root.reset();
    }

    void menuButtonsShowTheirIcons_data();
    void menuButtonsShowTheirIcons();
    void statusBarFollowsTheBattery();

private:
    QImage shot(const QString &name);
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<LogCapture> m_log;
    std::unique_ptr<MainMenu> m_main;
};

QImage TestScreens::shot(const QString &name)
{
    QApplication::processEvents();
    const QImage image = m_main->grab().toImage();
    saveScreenshot(image, name + QStringLiteral(".png"));
    return image;
}

void TestScreens::menuButtonsShowTheirIcons_data()
{
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("labelled");
    QTest::newRow("main menu") << 0 << "mainmenu"
                               << QStringList{"butPinpointing", "butH2Sensor", "butLevelmeasurement",
                                              "butManagement", "butLongtermmeasurement", "butPipelocating"}
                               << true;
    QTest::newRow("management") << 4 << "management"
                                << QStringList{"butMeasurements", "butDatatransmission", "butDeviceConfig",
                                               "butFirmwareupdate", "butGps", "butSystemsettings"}
                                << true;
    QTest::newRow("settings page 1") << 5 << "settings"
                                     << QStringList{"butMenuUp", "butMenuBack", "butMenuDown"} << false;
}

void TestScreens::menuButtonsShowTheirIcons()
{
    QFETCH(int, dialog);
    QFETCH(QString, name);
    QFETCH(QStringList, buttons);
    QFETCH(bool, labelled);
    m_main->displayWidget(dialog, 1, 0);
    const QImage image = shot(name);
    QCOMPARE(image.size(), QSize(480, 272));
    for (const QString &object : buttons) {
        QWidget *screen = m_main->findChild<QStackedWidget *>(QStringLiteral("mainWidget"))->currentWidget();
        auto *button = screen->findChild<QPushButton *>(object);
        QVERIFY2(button && button->isVisible(), qPrintable(object));
        QVERIFY2(button->text().isEmpty() != labelled, qPrintable(object));
        // The upper part of the button holds its picture in white on black.
        const QRect r(button->mapTo(m_main.get(), QPoint(0, 0)), button->size());
        int white = 0;
        for (int y = r.top(); y < r.top() + r.height() * 2 / 3; ++y) {
            for (int x = r.left(); x <= r.right(); ++x)
                white += qGray(image.pixel(x, y)) > 200;
        }
        QVERIFY2(white > 100, qPrintable(QStringLiteral("%1 shows no picture (%2 white pixels)").arg(object).arg(white)));
    }
}

// The bar redraws every second from the sysfs files: a charging unit at
// 50 % shows the bolt and a half-full gauge.
void TestScreens::statusBarFollowsTheBattery()
{
    m_root->write(QStringLiteral("/sys/class/power_supply/bq27426-0/capacity"), "50\n");
    m_root->write(QStringLiteral("/sys/class/power_supply/bq24190-battery/status"), "Charging\n");
    QVERIFY(QMetaObject::invokeMethod(&StatusbarData(), "rareUpdate"));
    QVERIFY(QMetaObject::invokeMethod(&StatusbarData(), "update"));
    QTest::qWait(1100);
    const QImage bar = shot(QStringLiteral("mainmenu-charging")).copy(0, 0, 480, 20);
    saveScreenshot(bar.scaled(960, 40), QStringLiteral("statusbar.png"));
    QCOMPARE(bar.pixelColor(34, 18), QColor(0, 200, 0));
    QCOMPARE(bar.pixelColor(34, 8), QColor(60, 60, 60));
    QCOMPARE(bar.pixelColor(29, 12), QColor(Qt::red));
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
