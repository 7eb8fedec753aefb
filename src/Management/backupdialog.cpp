#include "backupdialog.h"
#include "ui_backupdialog.h"

#include "filecopythread.h"
#include "mainmenu.h"
#include "messagedialog.h"
#include "platform.h"
#include "screenfont.h"
#include "systemsettings.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

namespace {

const char *const MountPoint = "/media/kx500";
// A script may copy or convert for a while; the GUI waits for it.
constexpr int ScriptTimeoutMs = 300000;
constexpr int TextPixelSize = 20;
constexpr int ButtonPixelSize = 18;

QString onPartition(const char *name)
{
    return Platform::path(QLatin1String(MountPoint) + QLatin1Char('/') + QLatin1String(name));
}

} // namespace

BackupDialog::BackupDialog(QWidget *parent) : ServiceDialog(parent, false), ui(new Ui::BackupDialog)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    ui->labelIcon->setStyleSheet(
        QStringLiteral("image: url(:/Resources/Icons/Management/Datatransmission_ws.png);"));
    setScreenFont({ui->labelInfotext}, TextPixelSize);
    setScreenFont({ui->butConnect, ui->butDisconnect, ui->butMenuCancel}, ButtonPixelSize);
    ui->butConnect->setText(tr("Connect", "Connect"));
    ui->butDisconnect->setText(tr("Disconnect", "Disconnect"));
    ui->butMenuCancel->setText(tr("Cancel", "Cancel"));
    showState();
}

BackupDialog::~BackupDialog()
{
    delete ui;
}

void BackupDialog::setFileRemover(std::function<bool(const QString &)> remover)
{
    m_remover = std::move(remover);
}

void BackupDialog::showState()
{
    ui->labelInfotext->setText(
        m_usb.isExported() ? tr("BackupConnectedToPC",
                        "The PC can now read the measurements.\nEject the drive on the PC,\nthen press Disconnect.")
                   : tr("ConnectTheKXE500ToYourPC", "Connect the KXE500 to your PC\nand press the button Connect."));
    // Disconnect also retries a mount that failed.
    const bool handedOut = m_usb.isHandedOut();
    ui->butConnect->setVisible(!handedOut);
    ui->butDisconnect->setVisible(handedOut);
    (handedOut ? ui->butDisconnect : ui->butConnect)->setFocus();
}

void BackupDialog::tellOperator(const QString &text)
{
    MessageDialog::inform(this, 2, tr("Error", "Error"), text);
}

void BackupDialog::on_butConnect_clicked()
{
    qDebug() << "BackupDialog: Connect";
    m_usb.handOver();
    showState();
}

void BackupDialog::on_butDisconnect_clicked()
{
    qDebug() << "BackupDialog: Disconnect";
    const bool back = m_usb.takeBack();
    showState();
    if (back)
        checkForSpecialFiles();
}

void BackupDialog::on_butMenuCancel_clicked()
{
    reject();
}

void BackupDialog::reject()
{
    qDebug() << "BackupDialog: Cancel";
    m_usb.takeBack();
    // Closing while the PC holds the partition would let screens write
    // into the bare mount point; an unmounted partition is reported only.
    if (m_usb.isExported()) {
        showState();
        return;
    }
    QDialog::reject();
}

bool BackupDialog::removeServiceFile(const QString &hostPath, const char *name)
{
    const bool removed = m_remover ? m_remover(hostPath) : QFile::remove(hostPath);
    if (removed)
        qDebug().noquote() << "File" << name << "deleted. OK.";
    else
        qWarning().noquote() << "File" << name << "could not be deleted. Error.";
    return removed;
}

bool BackupDialog::copyServiceFile(const QString &source, const QString &devicePath, const char *name)
{
    const QString target = Platform::path(devicePath);
    if (QFileInfo::exists(target)) {
        // Set once in production; a PC cannot change it afterwards.
        qDebug().noquote() << "BackupDialog:" << devicePath << "exists and is kept; " << name << "ignored";
        return true;
    }
    FileCopyThread copier;
    return copier.copyFile(source, target);
}

bool BackupDialog::replaceSettings(const QString &source)
{
    qDebug() << "Updating systemsettings.";
    FileCopyThread copier;
    // Renamed over the old file: a power cut leaves the old or the new one.
    if (!copier.copyFile(source, Systemsettings::settingsFile()))
        return false;
    if (Systemsettings *settings = MainMenu::settings())
        settings->loadSystemsettings();
    return true;
}

QStringList BackupDialog::checkForSpecialFiles()
{
    QStringList failed;
    struct Copy
    {
        const char *name;
        const char *logText;
        const char *target;
    };
    const Copy copies[] = {
        {"do_serialNumber", "New Serialnumber = ", "/home/root/serialNumber"},
        {"do_productionDate", "New production date = ", "/home/root/productionDate"},
    };
    for (const Copy &c : copies) {
        const QString file = onPartition(c.name);
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        qDebug().noquote() << c.logText + QString::fromUtf8(f.readAll()).trimmed();
        f.close();
        // A file that could not be copied stays for another try.
        if (!copyServiceFile(file, QLatin1String(c.target), c.name) || !removeServiceFile(file, c.name))
            failed << QLatin1String(c.name);
    }

    const QString settings = onPartition("do_settings.ini");
    if (QFile(settings).open(QIODevice::ReadOnly)) {
        if (!replaceSettings(settings) || !removeServiceFile(settings, "do_settings.ini"))
            failed << QStringLiteral("do_settings.ini");
    }

    const QString script = onPartition("do_universalScript.sh");
    if (QFile(script).open(QIODevice::ReadOnly)) {
        qDebug() << "Executing universal script ...";
        // Through the shell: the partition may not allow execution. Under a
        // platform root only its stand-in runs.
        const int rc = Platform::execute(QStringLiteral("sh"), {script}, nullptr, ScriptTimeoutMs);
        qDebug() << "Executing universal script. Finished." << rc;
        // Removed even after a failure, so a half-done script never runs twice.
        const bool removed = removeServiceFile(script, "do_universalScript.sh");
        if (rc != 0 || !removed)
            failed << QStringLiteral("do_universalScript.sh");
    }

    if (!failed.isEmpty()) {
        qWarning() << "BackupDialog: service files failed:" << failed;
        tellOperator(tr("ServiceFilesFailed", "These files from the PC could not be carried out:") + QLatin1Char('\n')
                     + failed.join(QStringLiteral(", ")));
    }
    return failed;
}
