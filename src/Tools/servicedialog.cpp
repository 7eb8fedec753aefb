#include "servicedialog.h"

#include <QKeyEvent>

ServiceDialog::ServiceDialog(QWidget *parent, bool closeOnPowerKey)
    : QDialog(parent), m_closeOnPowerKey(closeOnPowerKey)
{
}

void ServiceDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F11 && m_closeOnPowerKey) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ServiceDialog::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyReleaseEvent(event);
}
