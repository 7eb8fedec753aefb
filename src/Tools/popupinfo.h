#ifndef POPUPINFO_H
#define POPUPINFO_H

#include <QDialog>

class QTimer;

namespace Ui {
class PopupInfo;
}

// A small picture that confirms a short action (screenshot taken, favourite
// stored, serial port switched) and closes itself after a second. It keeps
// no key for itself: presses and releases go on as in a plain dialog.
class PopupInfo : public QDialog
{
    Q_OBJECT
public:
    explicit PopupInfo(QWidget *parent = nullptr);
    ~PopupInfo() override;

    // 2 camera (screenshot), 3 bug (service connector), others the star
    // (favourite); starts the one-second close timer.
    void setPicture(int picture);

private slots:
    void closeDlg();

private:
    Ui::PopupInfo *ui;
    QTimer *m_timer;
};

#endif // POPUPINFO_H
