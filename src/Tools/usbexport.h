#ifndef USBEXPORT_H
#define USBEXPORT_H

#include <QCoreApplication>

class QWidget;

// Hands the data partition to a PC as a USB drive and takes it back, for
// every dialog that does so. While the PC has it the partition is not
// mounted here; it is never mounted while the gadget still holds it. A
// failed step is logged and told to the operator over the given parent.
class UsbExport
{
    Q_DECLARE_TR_FUNCTIONS(UsbExport)
public:
    explicit UsbExport(QWidget *messageParent) : m_messageParent(messageParent) {}

    // Unmounts the partition and loads the gadget; true when the PC has it.
    bool handOver();
    // Unloads the gadget and mounts the partition again; true when it is
    // mounted (also when it never left).
    bool takeBack();

    bool isExported() const { return m_exported; }
    bool isMounted() const { return m_mounted; }
    // Disconnect is what the operator needs: exported, or a mount to retry.
    bool isHandedOut() const { return m_exported || !m_mounted; }

private:
    void tellOperator(const QString &text);

    QWidget *m_messageParent;
    bool m_exported = false;
    bool m_mounted = true;
};

#endif // USBEXPORT_H
