#include "firmwareupdate.h"
#include "ui_firmwareupdate.h"

#include "bluetooth.h"
#include "buttonstyle.h"
#include "filecopythread.h"
#include "gpio.h"
#include "mainmenu.h"
#include "platform.h"
#include "screenfont.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

namespace {

const char *const Partition = "/media/kx500";
const char *const TargetDir = "/home/root/firmware";
const char *const Runmode = "/media/ramdisk/runmode";
const char *const HandheldPattern = "FW_KXE500_*.kx5";
const char *const Rm3Pattern = "FW_RM3_*.rm3";
constexpr unsigned UartRoutingLine50 = 50;
constexpr unsigned UartRoutingLine65 = 65;
constexpr int ProgressPollMs = 500;
constexpr int RebootDelayMs = 3000;
constexpr int TitlePixelSize = 22;
constexpr int TextPixelSize = 19;
constexpr int ButtonPixelSize = 18;

QString onPartition(const QString &name)
{
    return QLatin1String(Partition) + QLatin1Char('/') + name;
}

} // namespace

Firmwareupdate::Firmwareupdate(QWidget *parent)
    : ServiceDialog(parent, false), ui(new Ui::Firmwareupdate), m_timerProgress(new QTimer(this)),
      firmwareFile(new FileCopyThread), m_timerCheck(new QTimer(this)), m_timerWaitRestart(new QTimer(this))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        m_btSink = main->getBtSinkInstance();

    setScreenFont({ui->labelTitle, ui->labelConnectHeadline, ui->labelConfirmHeadline, ui->labelProgressHeadline, ui->labelFinalHeadline},
                  TitlePixelSize, true);
    setScreenFont({ui->labelConnectNote, ui->labelConnectMessage, ui->labelConfirmCurrent, ui->labelConfirmNew,
                   ui->labelProgressStatus, ui->labelFinalMessage},
                  TextPixelSize);
    setScreenFont({ui->lineEditConfirmCurrentFw, ui->lineEditConfirmNewFw}, TextPixelSize, true);
    setScreenFont({ui->labelConfirmFile}, ButtonPixelSize - 2);
    setScreenFont({ui->butUpdateKX500, ui->butUpdateRM3, ui->butConnect, ui->butDisconnect, ui->butAccept,
                   ui->butCancel, ui->butCancelUpdate, ui->butFinalOk, ui->butMenuCancel, ui->progressBar},
                  ButtonPixelSize);
    ui->butUpdateKX500->setStyleSheet(ButtonStyle::menuButton(QStringLiteral("Management"),
                                                              QStringLiteral("Firmwareupdate")));
    ui->butUpdateRM3->setStyleSheet(ButtonStyle::menuButton(QStringLiteral("Management"),
                                                            QStringLiteral("Deviceconfig")));
    retranslate();

    m_timerProgress->setInterval(ProgressPollMs);
    connect(m_timerProgress, &QTimer::timeout, this, &Firmwareupdate::updateProgress);
    connect(m_timerCheck, &QTimer::timeout, this, &Firmwareupdate::updateError);
    connect(m_timerWaitRestart, &QTimer::timeout, this, &Firmwareupdate::checkRestart);

    firmwareFile->moveToThread(&m_fileCopy);
    connect(&m_fileCopy, &QThread::finished, firmwareFile, &QObject::deleteLater);
    connect(this, &Firmwareupdate::startCopy, firmwareFile, &FileCopyThread::copyFile, Qt::QueuedConnection);
    connect(firmwareFile, &FileCopyThread::copyFailed, this, &Firmwareupdate::copyFailed, Qt::QueuedConnection);
    connect(firmwareFile, &FileCopyThread::copyFinished, this, &Firmwareupdate::copyFinished, Qt::QueuedConnection);
    m_fileCopy.start();

    ui->mainArea->setCurrentWidget(ui->pageSelectUnit);
    ui->butUpdateKX500->setFocus();
}

Firmwareupdate::~Firmwareupdate()
{
    m_fileCopy.quit();
    m_fileCopy.wait();
    delete ui;
}

void Firmwareupdate::retranslate()
{
    ui->labelTitle->setText(tr("FirmwareUpdate", "Firmware update"));
    ui->butUpdateKX500->setText(QStringLiteral("KXE500"));
    ui->butUpdateRM3->setText(QStringLiteral("RM-3"));
    ui->butConnect->setText(tr("Connect", "Connect"));
    ui->butDisconnect->setText(tr("Disconnect", "Disconnect"));
    ui->labelConfirmCurrent->setText(tr("InstalledFirmware", "Installed"));
    ui->labelConfirmNew->setText(tr("NewFirmware", "New"));
    ui->butAccept->setText(tr("StartUpdate", "Start update"));
    ui->butCancel->setText(tr("Back", "Back"));
    ui->butCancelUpdate->setText(tr("Cancel", "Cancel"));
    ui->butFinalOk->setText(tr("OK", "OK"));
    ui->butMenuCancel->setText(tr("Close", "Close"));
}

int Firmwareupdate::getFwFilename(QString *name, const QString &dir, const QString &pattern)
{
    if (name)
        name->clear();
    if (dir.isEmpty() || pattern.isEmpty())
        return -1;
    if (!Platform::setCurrentDir(dir))
        qWarning() << "Firmwareupdate: cannot change to" << dir;
    // Newest first: a PC may leave an older image beside the new one.
    const QStringList files = QDir(Platform::path(dir)).entryList({pattern}, QDir::Files, QDir::Time);
    if (files.isEmpty())
        return -2;
    if (name)
        *name = files.first();
    return files.size();
}

QString Firmwareupdate::getFwVersionFromFilename(const QString &name)
{
    static const QRegularExpression version(QStringLiteral("\\d+-\\d+-\\d+"));
    const QRegularExpressionMatch match = version.match(name);
    return match.hasMatch() ? match.captured(0).replace(QLatin1Char('-'), QLatin1Char('.')) : QString();
}

void Firmwareupdate::on_butUpdateKX500_clicked()
{
    m_updateUnit = 0;
    m_currentFwVersion = QStringLiteral(KX500_VERSION);
    findFirmware();
}

void Firmwareupdate::on_butUpdateRM3_clicked()
{
    m_updateUnit = 1;
    m_currentFwVersion = QStringLiteral("---");
    if (m_btSink) {
        connect(m_btSink, &Bluetooth::btFirmwareVersion, this, &Firmwareupdate::fwVersionReceived,
                Qt::UniqueConnection);
        // The configuration block carries FW-VERSION.
        m_btSink->sendData(QStringLiteral("BT_TX P"));
    }
    findFirmware();
}

void Firmwareupdate::findFirmware()
{
    const QString pattern = QLatin1String(m_updateUnit == 0 ? HandheldPattern : Rm3Pattern);
    QString name;
    m_filesFound = getFwFilename(&name, QLatin1String(Partition), pattern);
    qDebug().noquote() << (m_updateUnit == 0 ? "KXE500:" : "RM3:") << m_filesFound << name;
    m_newFwFilename = name;
    m_newFwVersion = getFwVersionFromFilename(name);
    if (m_filesFound > 0 && !m_newFwVersion.isEmpty())
        showConfirmPage();
    else
        showConnectPage();
}

void Firmwareupdate::showConnectPage()
{
    Gpio::setValue(UartRoutingLine50, 0);
    Gpio::setValue(UartRoutingLine65, 0);
    const QString pattern = QLatin1String(m_updateUnit == 0 ? HandheldPattern : Rm3Pattern);
    ui->labelConnectNote->setText(
        m_newFwFilename.isEmpty()
            ? tr("NoFirmwarefileFound", "No firmware file %1 found.").arg(pattern)
            : tr("FirmwarefileWithoutVersion", "%1 carries no version (like 1-2-0).").arg(m_newFwFilename));
    ui->labelConnectHeadline->setText(unitHeadline());
    showUsbButtons();
    ui->mainArea->setCurrentWidget(ui->pageConnect);
}

void Firmwareupdate::showUsbButtons()
{
    ui->labelConnectMessage->setText(
        m_usb.isExported()
            ? tr("PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied",
                 "Please copy the firmware files.\nPress the button Disconnect,\nif all files are copied.")
            : tr("ConnectTheKXE500ToYourPCAndPressTheButtonConnect",
                 "Connect the KXE500 to your PC\nand press the button Connect."));
    // Disconnect also retries a mount that failed.
    const bool handedOut = m_usb.isHandedOut();
    ui->labelConnectNote->setVisible(!handedOut);
    ui->butConnect->setVisible(!handedOut);
    ui->butDisconnect->setVisible(handedOut);
    (handedOut ? ui->butDisconnect : ui->butConnect)->setFocus();
}

void Firmwareupdate::on_butConnect_clicked()
{
    m_usb.handOver();
    showUsbButtons();
}

void Firmwareupdate::on_butDisconnect_clicked()
{
    if (!m_usb.takeBack()) {
        showUsbButtons();
        return;
    }
    ui->mainArea->setCurrentWidget(ui->pageSelectUnit);
    // The file the PC left is looked for again.
    if (m_updateUnit == 0)
        on_butUpdateKX500_clicked();
    else
        on_butUpdateRM3_clicked();
}

QString Firmwareupdate::unitHeadline() const
{
    return m_updateUnit == 0 ? tr("UpdateKXE500", "Update KXE500") : tr("UpdateRM-3", "Update RM-3");
}

void Firmwareupdate::showConfirmPage()
{
    ui->labelConfirmHeadline->setText(unitHeadline());
    ui->lineEditConfirmCurrentFw->setText(m_currentFwVersion);
    ui->lineEditConfirmNewFw->setText(m_newFwVersion);
    QString file = m_newFwFilename;
    if (m_filesFound > 1)
        file += QLatin1Char('\n')
            + tr("NewestOfFilesOffered", "%1 firmware files found; the newest is offered.").arg(m_filesFound);
    ui->labelConfirmFile->setText(file);
    ui->mainArea->setCurrentWidget(ui->pageConfirm);
    ui->butAccept->setFocus();
}

void Firmwareupdate::on_butAccept_clicked()
{
    m_versionBeforeUpdate = m_currentFwVersion;
    if (m_updateUnit == 0)
        doUpdateKXE500();
    else
        doUpdateRM3();
}

void Firmwareupdate::on_butCancel_clicked()
{
    m_newFwFilename.clear();
    m_newFwVersion.clear();
    ui->mainArea->setCurrentWidget(ui->pageSelectUnit);
}

void Firmwareupdate::showProgressPage(const QString &headline)
{
    ui->labelProgressHeadline->setText(headline);
    ui->progressBar->setValue(0);
    ui->butCancelUpdate->setVisible(true);
    ui->mainArea->setCurrentWidget(ui->pageProgress);
}

void Firmwareupdate::setStatus(const QString &text)
{
    ui->labelProgressStatus->setText(text);
}

bool Firmwareupdate::readImage(QByteArray *data)
{
    QFile file(Platform::path(onPartition(m_newFwFilename)));
    bool ok = file.open(QIODevice::ReadOnly) && file.size() > MinImageSize;
    if (ok && data) {
        *data = file.readAll();
        // Three digits number the packets; a longer image cannot be sent.
        ok = data->size() == file.size() && (m_updateUnit == 0 || data->size() <= PacketSize * MaxPackets);
    }
    if (ok)
        return true;
    ui->progressBar->setValue(0);
    setStatus(tr("CouldNotReadFirmwarefile", "Could not read firmwarefile. Please try again."));
    qWarning() << "Error reading firmwarefile" << m_newFwFilename << file.size() << "bytes" << file.errorString();
    const int rc = Platform::execute(QStringLiteral("rm %1").arg(onPartition(m_newFwFilename)));
    if (rc != 0)
        qWarning() << "Firmwareupdate: rm failed:" << rc;
    // Back leads to the unit page: the file is gone.
    m_newFwFilename.clear();
    m_newFwVersion.clear();
    return false;
}

void Firmwareupdate::doUpdateKXE500()
{
    showProgressPage(tr("UpdatingKXE500", "Updating KXE500"));
    if (!readImage(nullptr))
        return;
    if (!QDir().mkpath(Platform::path(QLatin1String(TargetDir))))
        qWarning() << "Firmwareupdate: cannot create" << TargetDir;
    setStatus(tr("CopyingFilesPleaseWait", "Copying files, please wait ..."));
    // The copy cannot be stopped half way; the dialog stays until it ends.
    m_copying = true;
    m_copyError.clear();
    ui->butMenuCancel->hide();
    ui->butCancelUpdate->hide();
    m_timerProgress->start();
    emit startCopy(Platform::path(onPartition(m_newFwFilename)),
                   Platform::path(QLatin1String(TargetDir) + QLatin1Char('/') + m_newFwFilename));
}

void Firmwareupdate::updateProgress()
{
    ui->progressBar->setValue(firmwareFile->getProgress());
}

void Firmwareupdate::copyFailed(QString reason)
{
    m_copyError = reason;
}

void Firmwareupdate::copyFinished()
{
    m_timerProgress->stop();
    m_copying = false;
    if (!m_copyError.isEmpty()) {
        qWarning() << "Firmwareupdate: copy failed:" << m_copyError;
        ui->progressBar->setValue(0);
        setStatus(tr("CouldNotCopyFirmwarefile", "The firmware could not be copied. Please try again."));
        ui->butMenuCancel->show();
        ui->butCancelUpdate->show();
        return;
    }
    qDebug() << "Copy in Thread finished";
    ui->progressBar->setValue(100);

    // Settings the PC left go along to the installer.
    const QString settings = Platform::path(onPartition(QStringLiteral("settings.ini")));
    if (QFile(settings).open(QIODevice::ReadOnly)) {
        FileCopyThread copier;
        if (!copier.copyFile(settings, Platform::path(QLatin1String(TargetDir) + QStringLiteral("/settings.ini"))))
            qWarning() << "Firmwareupdate: settings.ini not copied:" << copier.lastError();
    }
    removeFirmwareFile();
    m_rebooting = true;
    showFinalPage(tr("FirmwareupdateKXE500", "Firmware update KXE500"),
                  tr("AllFilesCopiedPleaseWaitForReboot", "All files copied.\nPlease wait for reboot ..."));
    ui->butFinalOk->hide();
    ui->butMenuCancel->hide();
    QTimer::singleShot(RebootDelayMs, this, &Firmwareupdate::doRebootKXE500);
}

void Firmwareupdate::removeFirmwareFile()
{
    const bool removed = QFile::remove(Platform::path(onPartition(m_newFwFilename)));
    qDebug() << "File removed" << m_newFwFilename << removed;
}

void Firmwareupdate::showFinalPage(const QString &headline, const QString &message)
{
    ui->labelFinalHeadline->setText(headline);
    ui->labelFinalMessage->setText(message);
    ui->butFinalOk->show();
    ui->butMenuCancel->show();
    ui->mainArea->setCurrentWidget(ui->pageFinal);
    ui->butFinalOk->setFocus();
}

void Firmwareupdate::doRebootKXE500()
{
    qDebug() << "Restarting device";
    QFile runmode(Platform::path(QLatin1String(Runmode)));
    const QByteArray text("reboot");
    if (runmode.open(QIODevice::WriteOnly | QIODevice::Truncate) && runmode.write(text) == text.size()
        && runmode.flush())
        qDebug() << "Runmode Reboot written";
    else
        qWarning() << "Could not write runmode" << runmode.errorString();
    runmode.close();
    const int rc = Platform::execute(QStringLiteral("reboot"));
    if (rc != 0)
        qWarning() << "Firmwareupdate: reboot failed:" << rc;
}

void Firmwareupdate::doUpdateRM3()
{
    m_cancelUpdate = false;
    showProgressPage(tr("UpdatingRM-3", "Updating RM-3"));
    QByteArray image;
    if (!readImage(&image))
        return;
    m_dataFwRm3 = image;
    m_sizeFwRm3 = image.size();
    m_transmittedBytesFwRm3 = 0;
    m_currentPacketNum = 0;
    qDebug() << "Firmwarefile read" << m_newFwFilename << onPartition(m_newFwFilename) << m_sizeFwRm3;
    if (m_btSink) {
        connect(m_btSink, &Bluetooth::btFwHeaderReceived, this, &Firmwareupdate::btFwHeaderReceived,
                Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btFwDataReceived, this, &Firmwareupdate::btFwDataReceived,
                Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btFwStartUpdateReceived, this, &Firmwareupdate::btFwStartUpdateReceived,
                Qt::UniqueConnection);
        m_btSink->sendData(QStringLiteral("BT_TX FH %1 %2").arg(m_sizeFwRm3).arg(m_newFwVersion));
    }
    m_transfer = Transfer::Header;
    setStatus(tr("TransmittingFirmwarePleaseWait", "Transmitting firmware, please wait ..."));
    m_timerCheck->start(AnswerTimeoutMs);
}

void Firmwareupdate::sendPacket()
{
    const int count = qMin(PacketSize, m_sizeFwRm3 - m_transmittedBytesFwRm3);
    const QString line = QStringLiteral("BT_TX FD %1 %2 ")
                             .arg(m_currentPacketNum, 3, 10, QLatin1Char('0'))
                             .arg(count, 3, 10, QLatin1Char('0'))
        + QString::fromLatin1(m_dataFwRm3.mid(m_transmittedBytesFwRm3, count).toHex());
    qDebug() << "Updatestring" << line << m_currentPacketNum << count;
    m_btSink->sendData(line);
    m_transmittedBytesFwRm3 += count;
    m_timerCheck->start(AnswerTimeoutMs);
    ui->progressBar->setValue(int(qint64(m_transmittedBytesFwRm3) * 100 / m_sizeFwRm3));
}

void Firmwareupdate::btFwHeaderReceived(bool ok)
{
    if (m_transfer != Transfer::Header) {
        qDebug() << "Firmwareupdate: header answer out of turn ignored";
        return;
    }
    if (!ok) {
        qWarning() << "Firmwareupdate Header ERROR";
        return;
    }
    if (m_cancelUpdate) {
        qDebug() << "Update cancelled.";
        m_transfer = Transfer::Idle;
        return;
    }
    m_currentPacketNum = 0;
    m_transmittedBytesFwRm3 = 0;
    m_transfer = Transfer::Data;
    sendPacket();
}

void Firmwareupdate::btFwDataReceived(int packet, bool ok)
{
    // An answer to an earlier transfer or a packet not in flight.
    if (m_transfer != Transfer::Data || packet != m_currentPacketNum) {
        qDebug() << "Firmwareupdate: answer for packet" << packet << "ignored";
        return;
    }
    if (!ok) {
        qWarning() << "Firmwareupdate Header ERROR" << packet;
        return;
    }
    m_currentPacketNum = packet + 1;
    if (qint64(PacketSize) * (packet + 1) >= m_sizeFwRm3) {
        m_transfer = Transfer::Start;
        // Once the unit is told to start, it cannot be stopped.
        ui->butCancelUpdate->hide();
        m_btSink->sendData(QStringLiteral("BT_TX FS"));
        m_timerCheck->start(StartTimeoutMs);
        return;
    }
    if (m_cancelUpdate) {
        qDebug() << "Update cancelled.";
        m_transfer = Transfer::Idle;
        m_timerCheck->stop();
        return;
    }
    sendPacket();
}

void Firmwareupdate::btFwStartUpdateReceived(bool ok)
{
    if (m_transfer != Transfer::Start) {
        qDebug() << "Firmwareupdate: start answer out of turn ignored";
        return;
    }
    m_timerCheck->stop();
    if (!ok) {
        m_transfer = Transfer::Idle;
        ui->progressBar->setValue(100);
        setStatus(tr("ErrorDuringFirmwareUpdatePleaseTryAgain", "Error during firmware update. Please try again."));
        ui->butCancelUpdate->show();
        return;
    }
    m_transfer = Transfer::Restart;
    m_restartSuccessful = false;
    m_timerWaitRestart->start(m_restartWaitMs);
    setStatus(tr("FirmwareSuccessfulTransmittedPleaseWaitForRestart",
                 "Firmware transmitted.\nPlease wait for the RM-3 to restart ..."));
    connect(m_btSink, &Bluetooth::btRdyReceived, this, &Firmwareupdate::deviceRestarted, Qt::UniqueConnection);
}

void Firmwareupdate::deviceRestarted()
{
    if (m_transfer != Transfer::Restart)
        return;
    qDebug() << "RM-3: RDY received";
    m_restartSuccessful = true;
    checkRestart();
}

void Firmwareupdate::checkRestart()
{
    if (m_transfer != Transfer::Restart)
        return;
    const bool linked = m_btSink && m_btSink->isConnectedRFCOMM();
    if (!linked && !m_restartSuccessful) {
        updateError();
        return;
    }
    m_transfer = Transfer::Idle;
    ui->progressBar->setValue(100);
    setStatus(tr("FirmwareupdateSuccessful", "Firmware update successful."));
    m_timerCheck->stop();
    m_timerWaitRestart->stop();
    // Read back what the unit now runs.
    m_versionReadBack = false;
    m_btSink->sendData(QStringLiteral("BT_TX P"));
    showFinalPage(tr("FirmwareupdateRM-3", "Firmware update RM-3"), rm3FinalMessage());
    removeFirmwareFile();
}

QString Firmwareupdate::rm3FinalMessage() const
{
    const QString done = tr("FirmwareupdateSuccessfullyFinished.", "Firmware update successfully finished.");
    // Until the unit answers, only the transfer is known to have worked.
    if (!m_versionReadBack)
        return done;
    if (m_currentFwVersion == m_versionBeforeUpdate && m_currentFwVersion != m_newFwVersion)
        return tr("RM3StillOldFirmware", "The RM-3 still reports firmware %1.\nPlease try again.")
            .arg(m_currentFwVersion);
    return done + QLatin1Char('\n') + tr("RM3ReportsFirmware", "The RM-3 reports firmware %1.").arg(m_currentFwVersion);
}

void Firmwareupdate::updateError()
{
    setStatus(tr("ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice",
                 "Error during update please try again.\nNo answer received from bluetooth device."));
}

void Firmwareupdate::fwVersionReceived(QString version)
{
    m_currentFwVersion = version;
    ui->lineEditConfirmCurrentFw->setText(version);
    if (ui->mainArea->currentWidget() == ui->pageFinal && m_updateUnit == 1) {
        m_versionReadBack = true;
        ui->labelFinalMessage->setText(rm3FinalMessage());
    }
}

void Firmwareupdate::on_butCancelUpdate_clicked()
{
    m_cancelUpdate = true;
    m_timerCheck->stop();
    ui->progressBar->setValue(0);
    setStatus(tr("FirmwareupdateCancelled", "Firmware update cancelled."));
    if (m_newFwFilename.isEmpty())
        ui->mainArea->setCurrentWidget(ui->pageSelectUnit);
    else
        showConfirmPage();
}

void Firmwareupdate::on_butFinalOk_clicked()
{
    accept();
}

bool Firmwareupdate::canClose() const
{
    // A copy under way or a reboot on its way must not be cut short.
    return !m_copying && !m_rebooting;
}

void Firmwareupdate::on_butMenuCancel_clicked()
{
    reject();
}

void Firmwareupdate::reject()
{
    if (!canClose())
        return;
    m_usb.takeBack();
    // Closing while the PC holds the partition would let screens write
    // into the bare mount point.
    if (m_usb.isExported()) {
        showUsbButtons();
        return;
    }
    QDialog::reject();
}
