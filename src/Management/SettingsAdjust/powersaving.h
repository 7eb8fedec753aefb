#ifndef POWERSAVING_H
#define POWERSAVING_H

#include "servicedialog.h"

class QPushButton;

namespace Ui {
class PowerSaving;
}

// Chooses the idle times after which the device switches off and the
// display is darkened; 0 means never. The settings screen stores them.
class PowerSaving : public ServiceDialog
{
    Q_OBJECT
public:
    explicit PowerSaving(QWidget *parent = nullptr);
    ~PowerSaving() override;

    void init(int powerOffTime, int backlightOffTime);
    // The chosen time in seconds; text (may be nullptr) gets its display text.
    int getPowerOffTime(QString *text);
    int getBacklightOffTime(QString *text);

private slots:
    void on_butPow_1_clicked();
    void on_butPow_2_clicked();
    void on_butPow_3_clicked();
    void on_butPow_4_clicked();
    void on_butPow_5_clicked();
    void on_butPow_6_clicked();
    void on_butBl_1_clicked();
    void on_butBl_2_clicked();
    void on_butBl_3_clicked();
    void on_butBl_4_clicked();
    void on_butBl_5_clicked();
    void on_butBl_6_clicked();
    void on_butSwitchPower_clicked();
    void on_butSwitchBacklight_clicked();
    void updateStylesheetPower();
    void updateStylesheetBacklight();
    void on_butAccept_clicked();
    void on_butClose_clicked();

private:
    void setPowerOffTime(int seconds);
    void setBacklightOffTime(int seconds);

    Ui::PowerSaving *ui;
    int m_powerOffTime = 3600;
    int m_backlightOffTime = 600;
};

#endif // POWERSAVING_H
