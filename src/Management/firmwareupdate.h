#ifndef FIRMWAREUPDATE_H
#define FIRMWAREUPDATE_H

#include "usbexport.h"

#include "servicedialog.h"
#include <QThread>

namespace Ui {
class Firmwareupdate;
}

class Bluetooth;
class FileCopyThread;
class QTimer;

// Installs new firmware on the handheld or on the RM-3. The files come from
// a PC onto the data partition (the USB page hands it over). The handheld's
// image is copied into /home/root/firmware and the device reboots into its
// installer; the RM-3's image goes out over the sensor link in 64-byte
// packets, each sent once its predecessor is acknowledged, and the unit
// restarts with it.
class Firmwareupdate : public ServiceDialog
{
    Q_OBJECT
public:
    static constexpr int PacketSize = 64;
    // Three decimal digits number the packets.
    static constexpr int MaxPackets = 1000;
    // A shorter file is a failed copy, not an image.
    static constexpr qint64 MinImageSize = 1000;
    static constexpr int AnswerTimeoutMs = 3000;
    static constexpr int StartTimeoutMs = 15000;
    static constexpr int RestartWaitMs = 30000;

    explicit Firmwareupdate(QWidget *parent = nullptr);
    ~Firmwareupdate() override;

    // The newest file matching pattern in the device folder dir, in *name:
    // -1 without a folder or pattern, -2 when nothing matches, otherwise
    // the number of matches.
    static int getFwFilename(QString *name, const QString &dir, const QString &pattern);
    // "1-2-0" anywhere in the name gives "1.2.0"; "" without one.
    static QString getFwVersionFromFilename(const QString &name);

    // Tests wait less for a unit that does not come back.
    void setRestartWaitMs(int ms) { m_restartWaitMs = ms; }

signals:
    void startCopy(QString source, QString target);

public slots:
    void reject() override;

private slots:
    void on_butUpdateKX500_clicked();
    void on_butUpdateRM3_clicked();
    void on_butConnect_clicked();
    void on_butDisconnect_clicked();
    void on_butAccept_clicked();
    void on_butCancel_clicked();
    void on_butCancelUpdate_clicked();
    void on_butFinalOk_clicked();
    void on_butMenuCancel_clicked();
    void updateProgress();
    void copyFinished();
    void copyFailed(QString reason);
    void doRebootKXE500();
    void btFwHeaderReceived(bool ok);
    void btFwDataReceived(int packet, bool ok);
    void btFwStartUpdateReceived(bool ok);
    void updateError();
    void checkRestart();
    void deviceRestarted();
    void fwVersionReceived(QString version);

private:
    // Where the RM-3 transfer stands; an answer that does not fit is stale.
    enum class Transfer { Idle, Header, Data, Start, Restart };

    void retranslate();
    void findFirmware();
    void showConnectPage();
    void showUsbButtons();
    QString unitHeadline() const;
    void showConfirmPage();
    void showProgressPage(const QString &headline);
    void showFinalPage(const QString &headline, const QString &message);
    void doUpdateKXE500();
    void doUpdateRM3();
    // Reads the chosen image; on failure tells the operator and deletes it.
    bool readImage(QByteArray *data);
    void sendPacket();
    void setStatus(const QString &text);
    void removeFirmwareFile();
    QString rm3FinalMessage() const;
    bool canClose() const;

    Ui::Firmwareupdate *ui;
    Bluetooth *m_btSink = nullptr;
    QTimer *m_timerProgress;
    FileCopyThread *firmwareFile;
    QTimer *m_timerCheck;
    QTimer *m_timerWaitRestart;
    UsbExport m_usb{this};
    int m_updateUnit = 0;
    QString m_currentFwVersion;
    QString m_newFwVersion;
    QString m_newFwFilename;
    // Versions and files found by the last search, for the operator.
    int m_filesFound = 0;
    QString m_versionBeforeUpdate;
    QThread m_fileCopy;
    bool m_copying = false;
    bool m_rebooting = false;
    QString m_copyError;
    QByteArray m_dataFwRm3;
    int m_sizeFwRm3 = 0;
    int m_transmittedBytesFwRm3 = 0;
    int m_currentPacketNum = 0;
    bool m_cancelUpdate = false;
    bool m_restartSuccessful = false;
    bool m_versionReadBack = false;
    Transfer m_transfer = Transfer::Idle;
    int m_restartWaitMs = RestartWaitMs;
};

#endif // FIRMWAREUPDATE_H
