#ifndef SERVICEDIALOG_H
#define SERVICEDIALOG_H

#include <QDialog>

// Key rules shared by the modal dialogs: a press of Escape is ignored and
// its release closes the dialog, so a short press of the power key leaves
// any dialog; service dialogs also close on the power key's press (F11).
class ServiceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ServiceDialog(QWidget *parent = nullptr, bool closeOnPowerKey = true);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    bool m_closeOnPowerKey;
};

#endif // SERVICEDIALOG_H
