#ifndef BACKUPDIALOG_H
#define BACKUPDIALOG_H

#include "usbexport.h"

#include "servicedialog.h"

#include <functional>

namespace Ui {
class BackupDialog;
}

// Hands the data partition to a PC as a USB drive and takes it back. While
// the PC has it the partition is not mounted here, and the dialog, being
// modal, keeps every screen that stores measurements away. Once it is
// mounted again, the service files the PC left on it are carried out.
class BackupDialog : public ServiceDialog
{
    Q_OBJECT
public:
    explicit BackupDialog(QWidget *parent = nullptr);
    ~BackupDialog() override;

    // The partition is exported to the PC (the gadget is loaded).
    bool isExported() const { return m_usb.isExported(); }
    bool isMounted() const { return m_usb.isMounted(); }

    // Carries out do_serialNumber, do_productionDate, do_settings.ini and
    // do_universalScript.sh, in this order; returns the names of those that
    // failed (the operator has been told).
    QStringList checkForSpecialFiles();
    // Removes a service file; tests replace it to stand for a partition that
    // refuses. An empty function restores the real one.
    void setFileRemover(std::function<bool(const QString &hostPath)> remover);

public slots:
    void reject() override;

private slots:
    void on_butConnect_clicked();
    void on_butDisconnect_clicked();
    void on_butMenuCancel_clicked();

private:
    void showState();
    void tellOperator(const QString &text);
    bool removeServiceFile(const QString &hostPath, const char *name);
    bool copyServiceFile(const QString &source, const QString &devicePath, const char *name);
    bool replaceSettings(const QString &source);

    Ui::BackupDialog *ui;
    std::function<bool(const QString &)> m_remover;
    UsbExport m_usb{this};
};

#endif // BACKUPDIALOG_H
