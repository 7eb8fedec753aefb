#include "appsetup.h"
#include "backupdialog.h"
#include "management.h"
#include "messagedialog.h"
#include "platform.h"
#include "screendriver.h"
#include "screenshot.h"
#include "shellfixture.h"
#include "simroot.h"
#include "systemsettings.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString Measurement = QStringLiteral("/media/kx500/meas/LE_20261204_112005_Main St/info.ini");


void click(BackupDialog &dialog, const char *button)
{
    auto *b = dialog.findChild<QPushButton *>(QLatin1String(button));
    QVERIFY2(b && b->isVisible(), button);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void init()
    {
        m_answerer.texts.clear();
        // The main window mounts the partition and lets the settings be reloaded.
        m_shell = std::make_unique<ShellFixture>();
        m_root = &m_shell->root;
        QVERIFY(m_root->write(Measurement, "[Measurementinfo]\n"));
    }
    void cleanup() { m_shell.reset(); }

    void connectAndDisconnect();
    void serviceFiles_data();
    void serviceFiles();
    void failedCommands_data();
    void failedCommands();
    void managementOpensTheDialog();

private:
    QStringList commandsFrom(int from) const { return m_root->commands().mid(from); }
    // The PC writes a file onto the exported partition.
    bool put(const QString &name, const QByteArray &content) const
    {
        return m_root->write(QStringLiteral("/sim/pc-file"), content)
            && SimRoot::usbPut(m_root->root(), m_root->file(QStringLiteral("/sim/pc-file")), name).isEmpty();
    }
    std::unique_ptr<ShellFixture> m_shell;
    TestRoot *m_root = nullptr;
    MessageAnswerer m_answerer;
    QTranslator m_english;
};

// Connect hands the partition over (unmounted first), Disconnect takes it
// back, and the PC's debris in the store is cleaned up.
void TestBackup::connectAndDisconnect()
{
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
    QVERIFY(!QFileInfo::exists(m_root->file(Measurement)));
    saveScreenshot(&dialog, QStringLiteral("backup-connected.png"));

    QVERIFY(put(QStringLiteral("meas/.store-1/info.ini"), ""));

    click(dialog, "butDisconnect");
    QCOMPARE(commandsFrom(before + 2),
             (QStringList{QStringLiteral("modprobe g_mass_storage -r"), QStringLiteral("mount /dev/mmcblk0p3 /media/kx500")}));
    QVERIFY(QFileInfo::exists(m_root->file(Measurement)));
    QVERIFY(!QFileInfo::exists(m_root->file(QStringLiteral("/media/kx500/meas/.store-1"))));
    // Nothing was written into the bare mount point meanwhile.
    QCOMPARE(QDir(m_root->file(QStringLiteral("/sim"))).entryList({QStringLiteral("under-mountpoint*")}), QStringList());
    QVERIFY(dialog.isMounted() && !dialog.isExported());
    QCOMPARE(m_answerer.texts, QStringList());
}

void TestBackup::serviceFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("target");      // device path it ends up in, "" for none
    QTest::addColumn<bool>("targetExists");   // before the copy
    QTest::addColumn<bool>("deletable");
    QTest::newRow("serial number") << "do_serialNumber" << "/home/root/serialNumber" << false << true;
    QTest::newRow("serial number kept") << "do_serialNumber" << "/home/root/serialNumber" << true << true;
    QTest::newRow("serial number undeletable") << "do_serialNumber" << "/home/root/serialNumber" << false << false;
    QTest::newRow("production date") << "do_productionDate" << "/home/root/productionDate" << false << true;
    QTest::newRow("settings") << "do_settings.ini" << "/home/root/settings.ini" << true << true;
    QTest::newRow("settings undeletable") << "do_settings.ini" << "/home/root/settings.ini" << true << false;
    QTest::newRow("script") << "do_universalScript.sh" << QString() << false << true;
    QTest::newRow("script undeletable") << "do_universalScript.sh" << QString() << false << false;
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
    QTemporaryDir pc;
    const QString hostMark = pc.filePath(QStringLiteral("script-ran-on-host"));
    QByteArray content = file.endsWith(QLatin1String(".sh")) ? "touch '" + hostMark.toLocal8Bit() + "'\n"
                                                              : QByteArray("PC-DATA\n");
    if (file.endsWith(QLatin1String(".ini")))
        content = m_root->read(target).replace("Language=1", "Language=2");
    if (!target.isEmpty() && !targetExists)
        QVERIFY(QFile::remove(m_root->file(target)));
    const QByteArray oldTarget = target.isEmpty() ? QByteArray() : m_root->read(target);

    BackupDialog dialog;
    dialog.setFileRemover([&](const QString &path) { return deletable && QFile::remove(path); });
    dialog.show();
    click(dialog, "butConnect");
    QVERIFY(put(file, content));
    const int before = m_root->commands().size();
    click(dialog, "butDisconnect");

    const QString onPartition = m_root->file(QStringLiteral("/media/kx500/") + file);
    QCOMPARE(QFileInfo::exists(onPartition), !deletable);
    QCOMPARE(m_answerer.texts.size(), deletable ? 0 : 1);
    QVERIFY(deletable || m_answerer.texts.first().contains(file));
    if (!target.isEmpty())
        QCOMPARE(m_root->read(target), targetExists && !target.endsWith(QLatin1String(".ini")) ? oldTarget : content);
    QStringList expected{QStringLiteral("modprobe g_mass_storage -r"), QStringLiteral("mount /dev/mmcblk0p3 /media/kx500")};
    if (file.endsWith(QLatin1String(".sh")))
        expected << QStringLiteral("sh ") + onPartition;
    QCOMPARE(commandsFrom(before), expected);
    QVERIFY(!QFileInfo::exists(hostMark));
    QCOMPARE(MainMenu::settings()->getSelectedLanguageNum(), file.endsWith(QLatin1String(".ini")) ? 2 : 1);
}

void TestBackup::failedCommands_data()
{
    QTest::addColumn<QString>("broken");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("exported");
    QTest::addColumn<bool>("mounted");
    QTest::addColumn<bool>("open");
    QTest::newRow("umount refuses") << "umount" << "butConnect" << false << true << true;
    QTest::newRow("gadget refuses") << "modprobe" << "butConnect" << false << true << true;
    QTest::newRow("gadget stays, disconnect") << "modprobe" << "butDisconnect" << true << false << true;
    QTest::newRow("gadget stays, cancel") << "modprobe" << "butMenuCancel" << true << false << true;
    QTest::newRow("mount fails, disconnect") << "mount" << "butDisconnect" << false << false << true;
    QTest::newRow("mount fails, cancel") << "mount" << "butMenuCancel" << false << false << false;
}

// A command that fails is reported and leaves the partition where it is
// safe: never mounted while exported, and mounted again when possible. No
// service file is touched while the partition is not back.
void TestBackup::failedCommands()
{
    QFETCH(QString, broken);
    QFETCH(QString, button);
    QFETCH(bool, exported);
    QFETCH(bool, mounted);
    QFETCH(bool, open);
    BackupDialog dialog;
    dialog.show();
    if (button != QLatin1String("butConnect")) {
        click(dialog, "butConnect");
        QVERIFY(put(QStringLiteral("do_serialNumber"), "PC-DATA"));
    }
    QVERIFY(QFile::remove(m_root->file(QStringLiteral("/home/root/serialNumber"))));
    QVERIFY(m_root->write(QStringLiteral("/bin/") + broken, "#!/bin/sh\nexit 1\n"));
    click(dialog, button.toLatin1().constData());
    QCOMPARE(m_answerer.texts.size(), 1);
    QCOMPARE(dialog.isExported(), exported);
    QCOMPARE(dialog.isMounted(), mounted);
    QCOMPARE(dialog.isVisible(), open);
    QCOMPARE(QFileInfo::exists(m_root->file(Measurement)), mounted);
    QCOMPARE(QFileInfo::exists(m_root->file(QStringLiteral("/sim/gadget"))), exported);
    QVERIFY(!QFileInfo::exists(m_root->file(QStringLiteral("/home/root/serialNumber"))));
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
