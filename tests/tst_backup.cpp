#include "appsetup.h"
#include "backupdialog.h"
#include "logcapture.h"
#include "management.h"
#include "messagedialog.h"
#include "platform.h"
#include "screenshot.h"
#include "shellfixture.h"
#include "simroot.h"
#include "testroot.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

const QString Measurement = QStringLiteral("/media/kx500/meas/LE_20261204_112005_Main St/info.ini");

// Texts not yet in the language files show their English comment.
class EnglishComment : public QTranslator
{
public:
    QString translate(const char *, const char *, const char *disambiguation, int) const override
    {
        return disambiguation ? QString::fromUtf8(disambiguation) : QString();
    }
};

// Answers every message dialog and keeps its text.
struct MessageWatcher
{
    MessageWatcher()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto *message = qobject_cast<MessageDialog *>(QApplication::activeModalWidget())) {
                texts << message->findChild<QLabel *>(QStringLiteral("labelInfotext"))->text();
                message->done(0);
            }
        });
        timer.start(10);
    }
    QTimer timer;
    QStringList texts;
};

void click(BackupDialog &dialog, const char *button)
{
    auto *b = dialog.findChild<QPushButton *>(QLatin1String(button));
    QVERIFY2(b && b->isVisible(), button);
    QTest::mouseClick(b, Qt::LeftButton);
}

bool breakCommand(const TestRoot &root, const QString &name)
{
    const QString file = root.file(QStringLiteral("/bin/") + name);
    return root.write(QStringLiteral("/bin/") + name, "#!/bin/sh\necho broken >&2\nexit 1\n")
        && QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QCoreApplication::installTranslator(&m_comments);
        QVERIFY(installEnglish(m_english));
    }
    void init()
    {
        m_root = std::make_unique<TestRoot>();
        QVERIFY(m_root->isValid());
        QVERIFY(m_root->write(Measurement, "[Measurementinfo]\n"));
        QCOMPARE(Platform::execute(QStringLiteral("mount /dev/mmcblk0p3 /media/kx500")), 0);
    }
    void cleanup() { m_root.reset(); }

    void connectAndDisconnect();
    void serviceFiles_data();
    void serviceFiles();
    void failedCommands_data();
    void failedCommands();
    void managementOpensTheDialog();

private:
    QStringList commandsFrom(int from) const { return m_root->commands().mid(from); }
    std::unique_ptr<TestRoot> m_root;
    EnglishComment m_comments;
    QTranslator m_english;
};

// Connect hands the partition over (unmounted first), Disconnect takes it
// back, and the PC's debris in the store is cleaned up.
void TestBackup::connectAndDisconnect()
{
    LogCapture log;
    BackupDialog dialog;
    dialog.show();
    saveScreenshot(&dialog, QStringLiteral("backup-connect.png"));
    const int before = m_root->commands().size();
    click(dialog, "butConnect");
    QCOMPARE(commandsFrom(before),
             (QStringList{QStringLiteral("umount /media/kx500"),
                          QStringLiteral("modprobe g_mass_storage file=/dev/mmcblk0p3 stall=0 removable=y "
                                         "iSerialNumber=1234567890")}));
    QCOMPARE(QDir::currentPath(), m_root->file(QStringLiteral("/home/root")));
    QVERIFY(dialog.isExported());
    QVERIFY(!QFileInfo::exists(m_root->file(Measurement)));
    QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("butDisconnect"))->isVisible());
    saveScreenshot(&dialog, QStringLiteral("backup-connected.png"));

    QTemporaryDir pc;
    QFile debris(pc.filePath(QStringLiteral("info.ini")));
    QVERIFY(debris.open(QIODevice::WriteOnly));
    debris.close();
    QCOMPARE(SimRoot::usbPut(m_root->root(), debris.fileName(), QStringLiteral("meas/.store-1/info.ini")), QString());

    click(dialog, "butDisconnect");
    QCOMPARE(commandsFrom(before + 2),
             (QStringList{QStringLiteral("modprobe g_mass_storage -r"), QStringLiteral("mount /dev/mmcblk0p3 /media/kx500")}));
    QVERIFY(QFileInfo::exists(m_root->file(Measurement)));
    QVERIFY(!QFileInfo::exists(m_root->file(QStringLiteral("/media/kx500/meas/.store-1"))));
    // Nothing was written into the bare mount point meanwhile.
    QCOMPARE(QDir(m_root->file(QStringLiteral("/sim"))).entryList({QStringLiteral("under-mountpoint*")}), QStringList());
    QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("butConnect"))->isVisible());
    QVERIFY(dialog.isMounted() && !dialog.isExported());
    QVERIFY(log.matching(QStringLiteral("Error")).isEmpty());
}

void TestBackup::serviceFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("target");      // device path it ends up in, "" for none
    QTest::addColumn<bool>("targetExists");   // before the copy
    QTest::addColumn<bool>("deletable");
    QTest::addColumn<QString>("logLine");
    const QString serial = QStringLiteral("/home/root/serialNumber");
    const QString date = QStringLiteral("/home/root/productionDate");
    const QString settings = QStringLiteral("/home/root/settings.ini");
    QTest::newRow("serial number") << "do_serialNumber" << serial << false << true << "New Serialnumber = PC-DATA";
    QTest::newRow("serial number kept") << "do_serialNumber" << serial << true << true << "New Serialnumber = PC-DATA";
    QTest::newRow("serial number undeletable") << "do_serialNumber" << serial << false << false << "New Serialnumber";
    QTest::newRow("production date") << "do_productionDate" << date << false << true << "New production date = PC-DATA";
    QTest::newRow("production date undeletable") << "do_productionDate" << date << false << false << "New production date";
    QTest::newRow("settings") << "do_settings.ini" << settings << true << true << "Updating systemsettings.";
    QTest::newRow("settings undeletable") << "do_settings.ini" << settings << true << false << "Updating systemsettings.";
    QTest::newRow("script") << "do_universalScript.sh" << QString() << false << true << "Executing universal script. Finished.";
    QTest::newRow("script undeletable") << "do_universalScript.sh" << QString() << false << false << "Executing universal script ...";
    QTest::newRow("none") << QString() << QString() << false << true << QString();
}

// Each service file the PC leaves is carried out after the mount and then
// deleted; a file that cannot be deleted is reported to the operator. A
// script never runs on the host.
void TestBackup::serviceFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, target);
    QFETCH(bool, targetExists);
    QFETCH(bool, deletable);
    QFETCH(QString, logLine);
    QTemporaryDir pc;
    const QString hostMark = pc.filePath(QStringLiteral("script-ran-on-host"));
    const QByteArray content = file.endsWith(QLatin1String(".sh")) ? "touch '" + hostMark.toLocal8Bit() + "'\n"
                                                                    : QByteArray("PC-DATA\n");
    if (!target.isEmpty() && !targetExists)
        QVERIFY(QFile::remove(m_root->file(target)));
    const QByteArray oldTarget = target.isEmpty() ? QByteArray() : m_root->read(target);

    LogCapture log;
    MessageWatcher messages;
    BackupDialog dialog;
    dialog.setFileRemover([&](const QString &path) { return deletable && QFile::remove(path); });
    dialog.show();
    click(dialog, "butConnect");
    if (!file.isEmpty()) {
        QFile pcFile(pc.filePath(file));
        QVERIFY(pcFile.open(QIODevice::WriteOnly) && pcFile.write(content) == content.size());
        pcFile.close();
        QCOMPARE(SimRoot::usbPut(m_root->root(), pcFile.fileName(), file), QString());
    }
    const int before = m_root->commands().size();
    click(dialog, "butDisconnect");

    const QString onPartition = m_root->file(QStringLiteral("/media/kx500/") + file);
    QCOMPARE(!file.isEmpty() && QFileInfo::exists(onPartition), !deletable);
    QCOMPARE(messages.texts.size(), deletable ? 0 : 1);
    if (!deletable)
        QVERIFY2(messages.texts.first().contains(file), qPrintable(messages.texts.first()));
    if (!logLine.isEmpty())
        QVERIFY2(log.indexOf(logLine) >= 0, qPrintable(log.lines().join(QLatin1Char('\n'))));
    if (!target.isEmpty())
        QCOMPARE(m_root->read(target), targetExists && !target.endsWith(QLatin1String(".ini")) ? oldTarget : content);
    QVERIFY(QDir(m_root->file(QStringLiteral("/home/root"))).entryList({QStringLiteral(".*part")}, QDir::Files | QDir::Hidden).isEmpty());
    QStringList expected{QStringLiteral("modprobe g_mass_storage -r"), QStringLiteral("mount /dev/mmcblk0p3 /media/kx500")};
    if (file.endsWith(QLatin1String(".sh")))
        expected << QStringLiteral("sh ") + onPartition;
    QCOMPARE(commandsFrom(before), expected);
    QVERIFY(!QFileInfo::exists(hostMark));
}

void TestBackup::failedCommands_data()
{
    QTest::addColumn<QString>("broken");
    QTest::addColumn<bool>("afterConnect");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("exported");
    QTest::addColumn<bool>("mounted");
    QTest::addColumn<bool>("open");
    QTest::newRow("umount refuses") << "umount" << false << "butConnect" << false << true << true;
    QTest::newRow("gadget refuses") << "modprobe" << false << "butConnect" << false << true << true;
    QTest::newRow("gadget stays, disconnect") << "modprobe" << true << "butDisconnect" << true << false << true;
    QTest::newRow("gadget stays, cancel") << "modprobe" << true << "butMenuCancel" << true << false << true;
    QTest::newRow("mount fails, disconnect") << "mount" << true << "butDisconnect" << false << false << true;
    QTest::newRow("mount fails, cancel") << "mount" << true << "butMenuCancel" << false << false << false;
}

// A command that fails is reported and leaves the partition where it is
// safe: never mounted while exported, and mounted again when possible. No
// service file is touched while the partition is not back.
void TestBackup::failedCommands()
{
    QFETCH(QString, broken);
    QFETCH(bool, afterConnect);
    QFETCH(QString, button);
    QFETCH(bool, exported);
    QFETCH(bool, mounted);
    QFETCH(bool, open);
    MessageWatcher messages;
    BackupDialog dialog;
    dialog.show();
    if (afterConnect) {
        click(dialog, "butConnect");
        QVERIFY(m_root->write(QStringLiteral("/sim/serial"), "PC-DATA"));
        QCOMPARE(SimRoot::usbPut(m_root->root(), m_root->file(QStringLiteral("/sim/serial")),
                                 QStringLiteral("do_serialNumber")), QString());
    }
    QVERIFY(breakCommand(*m_root, broken));
    click(dialog, button.toLatin1().constData());
    QCOMPARE(messages.texts.size(), 1);
    QCOMPARE(dialog.isExported(), exported);
    QCOMPARE(dialog.isMounted(), mounted);
    QCOMPARE(dialog.isVisible(), open);
    QCOMPARE(QFileInfo::exists(m_root->file(Measurement)), mounted);
    QCOMPARE(QFileInfo::exists(m_root->file(QStringLiteral("/sim/gadget"))), exported);
    QCOMPARE(m_root->read(QStringLiteral("/home/root/serialNumber")), QByteArray("KX5-00001\n"));
    if (open)
        QVERIFY(dialog.findChild<QPushButton *>(exported || !mounted ? "butDisconnect" : "butConnect")->isVisible());
}

// The management menu's data transfer button runs the dialog; the power
// key's short press leaves it.
void TestBackup::managementOpensTheDialog()
{
    Management menu;
    menu.show();
    bool shown = false, openAfterPress = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<BackupDialog *>(QApplication::activeModalWidget());
        shown = dialog != nullptr;
        if (!dialog)
            return;
        QTest::keyPress(dialog, Qt::Key_Escape);
        openAfterPress = dialog->isVisible();
        QTest::keyRelease(dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(menu.findChild<QPushButton *>(QStringLiteral("butDatatransmission")), Qt::LeftButton);
    QVERIFY(shown);
    QVERIFY(openAfterPress);
}

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
