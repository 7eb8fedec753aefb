// The microphone gain and headphone volume dialogs driven like an operator
// drives them, and the level bar's markers as painted.
#include "appsetup.h"
#include "bluetooth.h"
#include "headphonesettings.h"
#include "micsettings.h"
#include "progressbarminmaxmarker.h"
#include "screenshot.h"
#include "shellfixture.h"
#include "statusbar.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace {

void click(QWidget &dialog, const QString &name)
{
    QTest::mouseClick(dialog.findChild<QPushButton *>(name), Qt::LeftButton);
}

QString text(const QWidget &dialog, const char *label)
{
    return dialog.findChild<QLabel *>(QLatin1String(label))->text();
}

// Columns of one pixel row holding pure red and pure blue.
QList<int> columns(const QImage &image, bool red)
{
    QList<int> found;
    for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, image.height() / 2);
        if ((red ? c.red() : c.blue()) > 200 && c.green() < 60 && (red ? c.blue() : c.red()) < 60)
            found << x;
    }
    return found;
}

} // namespace

class TestAudioDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void cleanup() { m_shell.reset(); }

    void micSteps_data();
    void micSteps();
    void headphoneVolume_data();
    void headphoneVolume();
    void markers_data();
    void markers();

private:
    std::unique_ptr<ShellFixture> m_shell;
    QTranslator m_english;
};

void TestAudioDialogs::micSteps_data()
{
    QTest::addColumn<bool>("wired");
    QTest::addColumn<QString>("opening"); // the label before any press
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("sent"); // empty: the sensor gets nothing
    // Without a wire the label shows what the sensor was given, 3 dB a unit.
    QTest::newRow("sensor 1") << false << "3(18 dB)" << 1 << "1(3 dB)" << "BT_TX I 0a";
    QTest::newRow("sensor 4") << false << "3(18 dB)" << 4 << "4(24 dB)" << "BT_TX I 11";
    QTest::newRow("sensor 6") << false << "3(18 dB)" << 6 << "6(36 dB)" << "BT_TX I 15";
    // Wired: the codec's input gain, in its shortest form.
    QTest::newRow("wired 1") << true << "3(3 dB)" << 1 << "1(9 dB)" << "";
    QTest::newRow("wired 3") << true << "3(3 dB)" << 3 << "3(22.5 dB)" << "";
    QTest::newRow("wired 6") << true << "3(3 dB)" << 6 << "6(41 dB)" << "";
}

void TestAudioDialogs::micSteps()
{
    QFETCH(bool, wired);
    QFETCH(QString, opening);
    QFETCH(int, step);
    QFETCH(QString, label);
    QFETCH(QString, sent);
    m_shell = std::make_unique<ShellFixture>();
    MainMenu &main = *m_shell->main;
    m_shell->root.write(QStringLiteral("/sys/class/gpio/gpio48/value"), wired ? "1\n" : "0\n");
    QVERIFY(QMetaObject::invokeMethod(&StatusbarData(), "update"));
    QCOMPARE(StatusbarData().sensorType() == 4, wired);
    m_shell->log.clear();

    Micsettings dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.size(), QSize(480, 272));
    QCOMPARE(dialog.focusWidget()->objectName(), QStringLiteral("butGain3"));
    QCOMPARE(text(dialog, "labelGain"), opening);

    click(dialog, QStringLiteral("butGain%1").arg(step));
    QCOMPARE(text(dialog, "labelGain"), label);
    QCOMPARE(dialog.getMicGainStep(), step);
    QCOMPARE(main.getMicGainStep(), step);
    QCOMPARE(main.getCurrentMicGainStep(), step);
    // Exactly one sensor command per press, none for a wired sensor.
    const QString inits = m_shell->log.matching(QStringLiteral("MicInit")).join(QLatin1Char('|'));
    QVERIFY2(inits.contains(sent) && inits.count(QLatin1String("MicInit")) == (sent.isEmpty() ? 0 : 1), qPrintable(inits));
    if (step == 4 && !wired)
        saveScreenshot(&dialog, QStringLiteral("micsettings.png"));
}

void TestAudioDialogs::headphoneVolume_data()
{
    QTest::addColumn<bool>("protection");
    QTest::addColumn<QString>("presses"); // '+' louder, '-' quieter
    QTest::addColumn<int>("reported");    // percent the headphones report after, -1 none
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("warning");
    // The driver starts the headphones at step 8.
    QTest::newRow("louder stops at 15") << false << "+++++++++" << -1 << 15 << false;
    QTest::newRow("quieter stops at 0") << true << "---------" << -1 << 0 << false;
    QTest::newRow("13 is still safe") << true << "+++++" << -1 << 13 << false;
    QTest::newRow("14 warns") << true << "++++++" << -1 << 14 << true;
    QTest::newRow("back below 14 clears") << true << "++++++-" << -1 << 13 << false;
    QTest::newRow("headphones' own keys") << true << "" << 100 << 15 << true;
    QTest::newRow("reported down clears") << true << "+++++++" << 45 << 7 << false;
}

void TestAudioDialogs::headphoneVolume()
{
    QFETCH(bool, protection);
    QFETCH(QString, presses);
    QFETCH(int, reported);
    QFETCH(int, step);
    QFETCH(bool, warning);
    m_shell = std::make_unique<ShellFixture>(QByteArray("[Systemsettings]\nHearingProtection=")
                                             + (protection ? "true" : "false") + '\n');
    Bluetooth &source = *m_shell->main->getBtSourceInstance();
    m_shell->log.clear();

    Headphonesettings dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QStringList expected{QStringLiteral("AVRCP PDU 31 D")};
    for (const QChar press : presses) {
        click(dialog, press == QLatin1Char('+') ? QStringLiteral("butVolUp") : QStringLiteral("butVolDown"));
        expected << (press == QLatin1Char('+') ? QStringLiteral("AVRCP UP") : QStringLiteral("AVRCP DN"));
    }
    if (reported >= 0)
        source.receiveData(QStringLiteral("AVRCP 2 NOTIFY CHANGED VOLUME_CHANGED %1\r\n").arg(reported).toLatin1());

    QStringList sent;
    const QRegularExpression quoted(QStringLiteral("SEND_DATA \"(AVRCP[^\"]*)\""));
    for (const QString &line : m_shell->log.matching(QStringLiteral("SEND_DATA")))
        sent << quoted.match(line).captured(1);
    QCOMPARE(sent, expected);
    QCOMPARE(source.getBtExtHeadphoneGain(), step);
    QCOMPARE(dialog.getVolume(), step);
    QCOMPARE(text(dialog, "labelVolume"), QString::number(step));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("labelWarning"))->isVisible(), warning);
    QProgressBar *bar = dialog.findChild<QProgressBar *>(QStringLiteral("barVolume"));
    QCOMPARE(bar->value(), step);
    if (step > 0) {
        // Inside the frame at the left, where the filled part always is.
        const QColor chunk = bar->grab().toImage().pixelColor(6, bar->height() / 2);
        QCOMPARE(chunk.green() > 200, !warning); // yellow, or red
        QVERIFY2(chunk.red() > 200 && chunk.blue() < 60, qPrintable(chunk.name()));
    }
    if (warning && reported < 0)
        saveScreenshot(&dialog, QStringLiteral("headphonesettings.png"));
}

void TestAudioDialogs::markers_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("maxMarker"); // -2: left as constructed
    QTest::addColumn<int>("minMarker");
    QTest::addColumn<QList<int>>("red");
    QTest::addColumn<QList<int>>("blue");
    QTest::newRow("off by default") << 0 << 1000 << -2 << -2 << QList<int>() << QList<int>();
    QTest::newRow("both") << 0 << 1000 << 500 << 250 << QList<int>{99, 100, 101} << QList<int>{49, 50, 51};
    QTest::newRow("ends stay whole") << 0 << 1000 << 1000 << 0 << QList<int>{197, 198, 199} << QList<int>{0, 1, 2};
    QTest::newRow("outside the range") << 0 << 1000 << 1001 << -1 << QList<int>() << QList<int>();
    QTest::newRow("range not from 0") << 100 << 300 << 200 << 150 << QList<int>{99, 100, 101} << QList<int>{49, 50, 51};
}

void TestAudioDialogs::markers()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, maxMarker);
    QFETCH(int, minMarker);
    QFETCH(QList<int>, red);
    QFETCH(QList<int>, blue);
    ProgressBarMinMaxMarker bar;
    bar.setTextVisible(false);
    bar.setRange(minimum, maximum);
    bar.setValue(minimum);
    bar.resize(200, 20);
    if (maxMarker != -2) {
        bar.setMaxMarker(maxMarker);
        bar.setMinMarker(minMarker);
    }
    QCOMPARE(columns(bar.grab().toImage(), true), red);
    QCOMPARE(columns(bar.grab().toImage(), false), blue);
}

QTEST_MAIN(TestAudioDialogs)
#include "tst_audiodialogs.moc"
