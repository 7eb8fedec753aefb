// The filter dialog: corner steps against the codec's lists, the shared
// filter on closing, the service sections and the spectrum's touch gesture.
#include "analoginputworker.h"
#include "appsetup.h"
#include "audiocodecsetup.h"
#include "codecregisters.h"
#include "filtersettings.h"
#include "freqspectrum.h"
#include "globals.h"
#include "screenshot.h"
#include "shellfixture.h"
#include "statusbar.h"

#include <QLabel>
#include <QPushButton>
#include "recordingregisters.h"

#include <QtTest>

#include <cmath>

namespace {

using Write = RecordingRegisters::Write;

const QMap<QString, QString> kButtons = {
    {"low+", "butLowCutOffUp"}, {"low-", "butLowCutOffDown"}, {"high+", "butHighCutOffUp"},
    {"high-", "butHighCutOffDown"}, {"auto", "butAutoFilter"}, {"none", "butNoFilter"},
    {"50", "but50HzFilter"}, {"pre", "butPreemphase"}, {"close", "butClose"}};

// "high- high-" clicks those buttons in turn.
void press(const QWidget &dialog, const QString &presses)
{
    for (const QString &name : presses.split(' ', Qt::SkipEmptyParts))
        QTest::mouseClick(dialog.findChild<QPushButton *>(kButtons.value(name)), Qt::LeftButton);
}

QString shown(const QWidget &dialog, const char *name)
{
    return dialog.findChild<QLabel *>(QLatin1String(name))->text();
}

QString describe(quint32 low, quint32 high, int type)
{
    return QStringLiteral("%1/%2/%3").arg(low).arg(high).arg(type);
}

} // namespace

class TestFiltersettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void init() { m_shell = std::make_unique<ShellFixture>(); }
    void cleanup()
    {
        m_shell.reset();
        g_debugFeatures = 0;
        StatusbarData().btReceivedSensortype(QStringLiteral("0"));
    }

    void steps_data();
    void steps();
    void serviceSectionsReachCodec_data();
    void serviceSectionsReachCodec();
    void spectrumTouchSetsFilter();

private:
    AudioCodecSetup &codec() { return *m_shell->main->getAudioCodecInstance(); }
    QString codecFilter() const
    {
        quint32 low = 0, high = 0;
        int type = -1;
        m_shell->main->getAudioCodecInstance()->getFilter(&low, &high, &type);
        return describe(low, high, type);
    }
    QString sharedFilter() const
    {
        quint32 low = 0, high = 0;
        int type = -1;
        m_shell->main->getCurrentFilter(&low, &high, &type);
        return describe(low, high, type);
    }

    std::unique_ptr<ShellFixture> m_shell;
    QTranslator m_english;
};

void TestFiltersettings::steps_data()
{
    // The codec's band when the dialog opens, the sensor type, the presses,
    // then low/high/type in the codec and, after closing, in the main window.
    QTest::addColumn<quint32>("low");
    QTest::addColumn<quint32>("high");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<QString>("presses");
    QTest::addColumn<QString>("result");
    QTest::newRow("low up stops below high") << 160u << 315u << 1 << "0" << "low+ low+ low+ low+" << "250/315/1";
    QTest::newRow("high down stops above low") << 800u << 2000u << 1 << "0" << "high- high- high- high-"
                                               << "800/1000/1";
    QTest::newRow("low down to the list start") << 25u << 1000u << 1 << "0" << "low- low- low-" << "0/1000/1";
    QTest::newRow("high up to the list end") << 160u << 3150u << 1 << "0" << "high+ high+ high+" << "160/4000/1";
    QTest::newRow("no filter, high down starts the band") << 160u << 800u << 1 << "0" << "none high-" << "20/3900/1";
    QTest::newRow("no filter, high down twice steps") << 160u << 800u << 1 << "0" << "none high- high-"
                                                      << "20/3150/1";
    QTest::newRow("opened without filter, low up") << 0u << 4000u << 0 << "0" << "low+" << "20/3900/1";
    QTest::newRow("no filter") << 160u << 800u << 1 << "0" << "none" << "0/4000/0";
    QTest::newRow("auto, no sensor") << 0u << 4000u << 0 << "0" << "auto" << "160/4000/1";
    QTest::newRow("auto, sensor type 2") << 0u << 4000u << 0 << "2" << "auto" << "400/1000/1";
}

// What the dialog shows is what the codec filters, and closing hands it on.
void TestFiltersettings::steps()
{
    QFETCH(quint32, low);
    QFETCH(quint32, high);
    QFETCH(int, type);
    QFETCH(QString, sensor);
    QFETCH(QString, presses);
    QFETCH(QString, result);
    StatusbarData().btReceivedSensortype(sensor);
    codec().setFilter(low, high, type);
    m_shell->main->setCurrentFilter(1, 2, 3);
    Filtersettings dialog;
    press(dialog, presses);

    QCOMPARE(codecFilter(), result);
    const QStringList corners = result.split('/');
    const bool active = corners[2] == QLatin1String("1");
    QCOMPARE(shown(dialog, "labelLowCutOff"), (active ? corners[0] : QStringLiteral("---")) + QStringLiteral(" Hz"));
    QCOMPARE(shown(dialog, "labelHighCutOff"), (active ? corners[1] : QStringLiteral("---")) + QStringLiteral(" Hz"));
    QCOMPARE(sharedFilter(), describe(1, 2, 3));
    press(dialog, QStringLiteral("close"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(sharedFilter(), result);
}

void TestFiltersettings::serviceSectionsReachCodec_data()
{
    QTest::addColumn<QString>("presses");
    QTest::addColumn<bool>("notch");
    QTest::addColumn<bool>("preemphasis");
    QTest::newRow("50 Hz") << "50" << true << false;
    QTest::newRow("pre-emphasis") << "pre" << false << true;
    QTest::newRow("both") << "50 pre" << true << true;
    QTest::newRow("50 Hz on and off again") << "50 50" << false << false;
}

// The register writes of the dialog's last change equal those of a codec
// set directly to the same sections and band.
void TestFiltersettings::serviceSectionsReachCodec()
{
    QFETCH(QString, presses);
    QFETCH(bool, notch);
    QFETCH(bool, preemphasis);
    g_debugFeatures = 1;
    codec().setFilter(160, 1250, 1);
    QVector<Write> writes;
    codec().setRegisterWriter(std::make_unique<RecordingRegisters>(&writes));
    Filtersettings dialog;
    for (const QString &name : presses.split(' ')) {
        writes.clear();
        press(dialog, name);
    }

    AudioCodecSetup reference;
    QVector<Write> expected;
    reference.setRegisterWriter(std::make_unique<RecordingRegisters>(&expected));
    reference.setSpecialFilter(notch, preemphasis);
    reference.setFilter(160, 1250, 1);
    QVERIFY(!writes.isEmpty());
    QCOMPARE(writes, expected);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("but50HzFilter"))->text(),
             notch ? QStringLiteral("50 Hz = 1") : QStringLiteral("50 Hz = 0"));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("butPreemphase"))->text(),
             preemphasis ? QStringLiteral("Preem = 1") : QStringLiteral("Preem = 0"));
}

// A drag across the spectrum sets a band; the dialog takes it from the codec.
void TestFiltersettings::spectrumTouchSetsFilter()
{
    codec().setFilter(0, 4000, 0);
    Filtersettings dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // A 600 Hz tone over a little noise, so the spectrum has a peak.
    QByteArray block(AnalogInputWorker::BlockBytes, '\0');
    auto *samples = reinterpret_cast<qint16 *>(block.data());
    quint32 noise = 1;
    for (int i = 0; i < AnalogInputWorker::BlockSamples; ++i) {
        noise = noise * 1103515245u + 12345u;
        samples[i] = qint16(8000 * std::sin(2 * M_PI * 600 * i / 7670.0) + int(noise >> 22) - 512);
    }
    Analoginputworker().analyseBlock(block);
    QTimer *timer = dialog.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(timer->interval(), 300);
    for (int i = 0; i < 3; ++i)
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));

    FreqSpectrum *spectrum = dialog.findChild<FreqSpectrum *>();
    const int w = spectrum->width(), y = spectrum->height() / 2;
    const QPoint from(int(FreqSpectrum::xForFrequency(400, w)), y);
    const QPoint to(int(FreqSpectrum::xForFrequency(1000, w)) + 1, y);
    QTest::mousePress(spectrum, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(spectrum, &move);
    QTest::mouseRelease(spectrum, Qt::LeftButton, Qt::NoModifier, to);
    QTRY_COMPARE(shown(dialog, "labelHighCutOff"), QStringLiteral("1000 Hz"));
    QCOMPARE(shown(dialog, "labelLowCutOff"), QStringLiteral("400 Hz"));
    QCOMPARE(codecFilter(), QStringLiteral("400/1000/1"));

    if (!screenshotDir().isEmpty()) {
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        saveScreenshot(&dialog, QStringLiteral("filtersettings.png"));
    }
    press(dialog, QStringLiteral("close"));
    QCOMPARE(sharedFilter(), QStringLiteral("400/1000/1"));
}

QTEST_MAIN(TestFiltersettings)
#include "tst_filtersettings.moc"
