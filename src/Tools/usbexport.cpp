#include "usbexport.h"

#include "measurements.h"
#include "messagedialog.h"
#include "platform.h"

#include <QDebug>
#include <QDir>

namespace {

const char *const MountPoint = "/media/kx500";
const char *const ConnectCommand =
    "modprobe g_mass_storage file=/dev/mmcblk0p3 stall=0 removable=y iSerialNumber=1234567890";
const char *const UnloadCommand = "modprobe g_mass_storage -r";
const char *const MountCommand = "mount /dev/mmcblk0p3 /media/kx500";

} // namespace

void UsbExport::tellOperator(const QString &text)
{
    MessageDialog::inform(m_messageParent, 2, tr("Error", "Error"), text);
}

bool UsbExport::handOver()
{
    // The mount point must not be anybody's current directory.
    if (!Platform::setCurrentDir(QStringLiteral("/home/root")))
        qWarning() << "UsbExport: cannot change to /home/root";
    qDebug() << "Verzeichnis:" << QDir::currentPath();
    int rc = Platform::execute(QStringLiteral("umount ") + QLatin1String(MountPoint));
    if (rc != 0) {
        qWarning() << "UsbExport: umount failed:" << rc;
        tellOperator(tr("UsbConnectFailed", "The data could not be handed to the PC. Please try again."));
        return false;
    }
    m_mounted = false;
    rc = Platform::execute(QLatin1String(ConnectCommand));
    if (rc != 0) {
        qWarning() << "UsbExport: loading the USB gadget failed:" << rc;
        takeBack();
        tellOperator(tr("UsbConnectFailed", "The data could not be handed to the PC. Please try again."));
        return false;
    }
    m_exported = true;
    return true;
}

bool UsbExport::takeBack()
{
    if (m_exported) {
        const int rc = Platform::execute(QLatin1String(UnloadCommand));
        if (rc != 0) {
            qWarning() << "UsbExport: unloading the USB gadget failed:" << rc;
            tellOperator(tr("UsbStillConnected",
                            "The PC still holds the data. Eject the drive on the PC and press Disconnect again."));
            return false;
        }
        m_exported = false;
    }
    if (!m_mounted) {
        const int rc = Platform::execute(QLatin1String(MountCommand));
        if (rc != 0) {
            qWarning() << "UsbExport: mount failed:" << rc;
            tellOperator(tr("DataPartitionNotMounted",
                            "The measurement memory could not be opened. Measurements cannot be stored."));
            return false;
        }
        m_mounted = true;
        // The PC may have left half-copied or emptied measurement folders.
        MeasurementData()->cleanUpInterruptedStores();
    }
    return true;
}
