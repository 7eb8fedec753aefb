// The firmware update: the handheld's image copied for its installer and the
// reboot, the RM-3's image sent packet by packet to the simulated unit, and
// the faults on the way.

#include "appsetup.h"
#include "bluetooth.h"
#include "firmwareupdate.h"
#include "screenshot.h"
#include "shellfixture.h"
#include "simroot.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {

const QString Rm3File = QStringLiteral("FW_RM3_1-3-0.rm3");

QString page(const Firmwareupdate &dialog)
{
    return dialog.findChild<QStackedWidget *>(QStringLiteral("mainArea"))->currentWidget()->objectName();
}

QString text(const Firmwareupdate &dialog, const char *name)
{
    if (auto *label = dialog.findChild<QLabel *>(QLatin1String(name)))
        return label->text();
    return dialog.findChild<QLineEdit *>(QLatin1String(name))->text();
}

bool click(Firmwareupdate &dialog, const char *name)
{
    auto *button = dialog.findChild<QPushButton *>(QLatin1String(name));
    if (!button || !button->isVisible())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

// An image whose bytes differ from packet to packet.
QByteArray image(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char((i * 7 + i / 64) & 0xff);
    return data;
}

} // namespace

class TestFirmwareupdate : public QObject
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
        m_shell.reset();
        if (m_sim)
            m_sim->terminate();
        m_sim.reset();
    }

    void fileChoice_data();
    void fileChoice();
    void handheldUpdateOverUsb();
    void handheldFaults_data();
    void handheldFaults();
    void rm3Update_data();
    void rm3Update();

private:
    TestRoot &root() { return m_shell->root; }
    bool putOnPartition(const QString &name, const QByteArray &content, int ageSeconds = 0)
    {
        const QString file = root().file(QStringLiteral("/media/kx500/") + name);
        QFile f(file);
        return f.open(QIODevice::WriteOnly) && f.write(content) == content.size() && f.flush()
            && f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
    }
    void startWithSimulator();

    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<ShellFixture> m_shell;
    QTranslator m_english;
};

void TestFirmwareupdate::fileChoice_data()
{
    QTest::addColumn<QStringList>("files"); // oldest first
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("offered");
    QTest::newRow("none") << QStringList() << "pageConnect" << QString();
    QTest::newRow("no version in the name") << QStringList{"FW_KXE500_new.kx5"} << "pageConnect" << QString();
    QTest::newRow("other unit's file") << QStringList{"FW_RM3_1-9-0.rm3"} << "pageConnect" << QString();
    QTest::newRow("newest of two") << QStringList{"FW_KXE500_1-2-0.kx5", "FW_KXE500_1-3-0.kx5"} << "pageConfirm"
                                   << "1.3.0";
    QTest::newRow("newest is the lower version") << QStringList{"FW_KXE500_1-3-0.kx5", "FW_KXE500_1-2-0.kx5"}
                                                 << "pageConfirm" << "1.2.0";
    QTest::newRow("version inside a longer name") << QStringList{"FW_KXE500_beta_10-20-300_x.kx5"} << "pageConfirm"
                                                  << "10.20.300";
}

// The newest matching file is offered with the version its name carries; a
// missing or unversioned file leads to the USB page.
void TestFirmwareupdate::fileChoice()
{
    QFETCH(QStringList, files);
    QFETCH(QString, page);
    QFETCH(QString, offered);
    m_shell = std::make_unique<ShellFixture>();
    for (int i = 0; i < files.size(); ++i)
        QVERIFY(putOnPartition(files.at(i), image(2000), 100 * (files.size() - i)));
    Firmwareupdate dialog;
    dialog.show();
    QVERIFY(click(dialog, "butUpdateKX500"));
    QCOMPARE(::page(dialog), page);
    if (page == QLatin1String("pageConfirm")) {
        QCOMPARE(text(dialog, "lineEditConfirmCurrentFw"), QStringLiteral(KX500_VERSION));
        QCOMPARE(text(dialog, "lineEditConfirmNewFw"), offered);
        QCOMPARE(text(dialog, "labelConfirmFile").contains(QLatin1String("files found")), files.size() > 1);
    } else {
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("butConnect"))->isVisible());
    }
}

// The file arrives over USB; the image is copied whole for the installer, the
// settings the PC left go with it, the runmode file asks for the installer
// and the device reboots.
void TestFirmwareupdate::handheldUpdateOverUsb()
{
    m_shell = std::make_unique<ShellFixture>();
    const QByteArray firmware = image(3 * 65536 + 17);
    Firmwareupdate dialog;
    dialog.show();
    QVERIFY(click(dialog, "butUpdateKX500"));
    QCOMPARE(page(dialog), QStringLiteral("pageConnect"));
    const int before = root().commands().size();
    QVERIFY(click(dialog, "butConnect"));
    QVERIFY(root().write(QStringLiteral("/sim/pc/fw"), firmware));
    QVERIFY(root().write(QStringLiteral("/sim/pc/settings"), "[Device]\nLanguage=2\n"));
    QCOMPARE(SimRoot::usbPut(root().root(), root().file(QStringLiteral("/sim/pc/fw")),
                             QStringLiteral("FW_KXE500_1-9-0.kx5")),
             QString());
    QCOMPARE(SimRoot::usbPut(root().root(), root().file(QStringLiteral("/sim/pc/settings")),
                             QStringLiteral("settings.ini")),
             QString());
    QVERIFY(click(dialog, "butDisconnect"));
    QCOMPARE(root().commands().mid(before, 4),
             (QStringList{QStringLiteral("umount /media/kx500"),
                          QStringLiteral("modprobe g_mass_storage file=/dev/mmcblk0p3 stall=0 removable=y "
                                         "iSerialNumber=1234567890"),
                          QStringLiteral("modprobe g_mass_storage -r"),
                          QStringLiteral("mount /dev/mmcblk0p3 /media/kx500")}));
    QCOMPARE(page(dialog), QStringLiteral("pageConfirm"));
    QCOMPARE(text(dialog, "lineEditConfirmNewFw"), QStringLiteral("1.9.0"));
    saveScreenshot(&dialog, QStringLiteral("firmware-confirm.png"));

    QVERIFY(click(dialog, "butAccept"));
    QCOMPARE(page(dialog), QStringLiteral("pageProgress"));
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("butMenuCancel"))->isVisible());
    QTRY_COMPARE(page(dialog), QStringLiteral("pageFinal"));
    QCOMPARE(root().read(QStringLiteral("/home/root/firmware/FW_KXE500_1-9-0.kx5")), firmware);
    QCOMPARE(root().read(QStringLiteral("/home/root/firmware/settings.ini")), QByteArray("[Device]\nLanguage=2\n"));
    QVERIFY(!QFileInfo::exists(root().file(QStringLiteral("/media/kx500/FW_KXE500_1-9-0.kx5"))));
    // The power key cannot cut the reboot short.
    QTest::keyRelease(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(root().commands().contains(QStringLiteral("reboot")), 5000);
    QCOMPARE(root().read(QStringLiteral("/media/ramdisk/runmode")), QByteArray("reboot"));
}

void TestFirmwareupdate::handheldFaults_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("targetBlocked");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("fileKept");
    QTest::newRow("exactly 1000 bytes") << 1000 << false << "Could not read firmwarefile" << false;
    QTest::newRow("target not writable") << 4000 << true << "could not be copied" << true;
}

// A file too short to be an image is deleted and reported; a copy that
// fails is reported and leaves the file for another try. Neither reboots.
void TestFirmwareupdate::handheldFaults()
{
    QFETCH(int, size);
    QFETCH(bool, targetBlocked);
    QFETCH(QString, status);
    QFETCH(bool, fileKept);
    m_shell = std::make_unique<ShellFixture>();
    const QString name = QStringLiteral("FW_KXE500_1-9-0.kx5");
    QVERIFY(putOnPartition(name, image(size)));
    if (targetBlocked)
        QVERIFY(root().write(QStringLiteral("/home/root/firmware"), "a file, not a folder"));
    Firmwareupdate dialog;
    dialog.show();
    QVERIFY(click(dialog, "butUpdateKX500"));
    QVERIFY(click(dialog, "butAccept"));
    QTRY_VERIFY(text(dialog, "labelProgressStatus").contains(status));
    QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("butMenuCancel"))->isVisible());
    QCOMPARE(QFileInfo::exists(root().file(QStringLiteral("/media/kx500/") + name)), fileKept);
    QCOMPARE(root().commands().contains(QStringLiteral("rm /media/kx500/") + name), !fileKept);
    QTest::qWait(3500);
    QVERIFY(!root().commands().contains(QStringLiteral("reboot")));
    QVERIFY(click(dialog, "butCancelUpdate"));
    QCOMPARE(page(dialog), fileKept ? QStringLiteral("pageConfirm") : QStringLiteral("pageSelectUnit"));
}

void TestFirmwareupdate::startWithSimulator()
{
    m_sim = std::make_unique<SimProcess>();
    m_shell = std::make_unique<ShellFixture>([&](TestRoot &root) {
        QVERIFY(m_sim->start(root.root(), {QStringLiteral("--paired")}));
    });
    Bluetooth *sink = m_shell->main->getBtSinkInstance();
    QVERIFY(waitFor([&] { return sink->isConnectedRFCOMM(); }, 15000));
}

void TestFirmwareupdate::rm3Update_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("normal") << QString();
    QTest::newRow("packet refused, update repeated") << "sensor update err 3";
    QTest::newRow("unit does not come back") << "sensor update norestart";
    QTest::newRow("cancelled half way") << "sensor answers slow";
}

// 1030 bytes go out as packets 000 to 016, the last with 6 bytes, then the
// start; the unit restarts and reports the new version. A refused packet
// stalls the transfer until the operator starts it again; a unit that never
// returns is reported; a cancelled transfer leaves the old firmware.
void TestFirmwareupdate::rm3Update()
{
    QFETCH(QString, fault);
    startWithSimulator();
    const QByteArray firmware = image(1030);
    QVERIFY(putOnPartition(Rm3File, firmware));
    auto dialog = std::make_unique<Firmwareupdate>();
    dialog->setRestartWaitMs(4000);
    dialog->show();
    QVERIFY(click(*dialog, "butUpdateRM3"));
    QCOMPARE(page(*dialog), QStringLiteral("pageConfirm"));
    QTRY_COMPARE(text(*dialog, "lineEditConfirmCurrentFw"), QStringLiteral("2.10"));
    QCOMPARE(text(*dialog, "lineEditConfirmNewFw"), QStringLiteral("1.3.0"));
    if (!fault.isEmpty())
        QVERIFY(m_sim->command(fault).startsWith(QLatin1String("ok")));
    QVERIFY(click(*dialog, "butAccept"));
    QCOMPARE(page(*dialog), QStringLiteral("pageProgress"));
    const QString noAnswer = QStringLiteral("No answer received");

    if (fault.contains(QLatin1String("slow"))) {
        auto *bar = dialog->findChild<QProgressBar *>();
        QTRY_VERIFY_WITH_TIMEOUT(bar->value() >= 12, 15000);
        saveScreenshot(dialog.get(), QStringLiteral("firmware-progress.png"));
        QVERIFY(click(*dialog, "butCancelUpdate"));
        QCOMPARE(page(*dialog), QStringLiteral("pageConfirm"));
        // The packet in flight is answered; nothing follows it.
        const QByteArray log = m_shell->root.read(QStringLiteral("/sim/ttyO2.log"));
        QTest::qWait(6000);
        const int sent = log.count("BT_TX FD ");
        QCOMPARE(m_shell->root.read(QStringLiteral("/sim/ttyO2.log")).count("BT_TX FD "), sent);
        QVERIFY(!m_shell->root.read(QStringLiteral("/sim/ttyO2.log")).contains("BT_TX FS"));
        QVERIFY(m_sim->command(QStringLiteral("sensor answers normal")).startsWith(QLatin1String("ok")));
        dialog = std::make_unique<Firmwareupdate>();
        dialog->show();
        QVERIFY(click(*dialog, "butUpdateRM3"));
        QTRY_COMPARE(text(*dialog, "lineEditConfirmCurrentFw"), QStringLiteral("2.10"));
        return;
    }
    if (fault.contains(QLatin1String("err"))) {
        QTRY_VERIFY_WITH_TIMEOUT(text(*dialog, "labelProgressStatus").contains(noAnswer), 6000);
        QVERIFY(click(*dialog, "butCancelUpdate"));
        QVERIFY(click(*dialog, "butAccept"));
    }
    if (fault.contains(QLatin1String("norestart"))) {
        QTRY_VERIFY_WITH_TIMEOUT(text(*dialog, "labelProgressStatus").contains(noAnswer), 15000);
        QCOMPARE(page(*dialog), QStringLiteral("pageProgress"));
        QVERIFY(m_shell->root.read(QStringLiteral("/sim/ttyO2.log")).contains("BT_TX FS"));
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(page(*dialog), QStringLiteral("pageFinal"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(text(*dialog, "labelFinalMessage").contains(QLatin1String("reports firmware 1.3.0")), 5000);
    saveScreenshot(dialog.get(), QStringLiteral("firmware-rm3-done.png"));
    QVERIFY(!QFileInfo::exists(m_shell->root.file(QStringLiteral("/media/kx500/") + Rm3File)));
    const QByteArray log = m_shell->root.read(QStringLiteral("/sim/ttyO2.log"));
    const QByteArray lastPacket = "BT_TX FD 016 006 " + firmware.right(6).toHex();
    QVERIFY2(log.contains(lastPacket), lastPacket.constData());
    QVERIFY(log.indexOf("BT_TX FS") > log.lastIndexOf(lastPacket));
    QVERIFY(!log.contains("BT_TX FD 017"));
}

QTEST_MAIN(TestFirmwareupdate)
#include "tst_firmwareupdate.moc"
