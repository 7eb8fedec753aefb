#ifndef SELECTSWITCHMODE_H
#define SELECTSWITCHMODE_H

#include "servicedialog.h"

#include <QString>

namespace Ui {
class SelectSwitchmode;
}

// Chooses how the mute key acts: "Switch" latches (press mutes, the next
// press unmutes), "Push-Button" mutes only while held.
class SelectSwitchmode : public ServiceDialog
{
    Q_OBJECT
public:
    explicit SelectSwitchmode(QWidget *parent = nullptr);
    ~SelectSwitchmode() override;

    void init(const QString &mode);
    QString getSwitchmode() const { return m_switchmode; }

private slots:
    void on_butSwitch_clicked();
    void on_butPushButton_clicked();
    void on_butSwitchSelect_clicked();
    void on_butAccept_clicked();
    void on_butClose_clicked();

private:
    void select(const QString &mode);
    bool isSwitch() const;

    Ui::SelectSwitchmode *ui;
    QString m_switchmode;
};

#endif // SELECTSWITCHMODE_H
