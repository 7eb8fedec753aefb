#ifndef HEADPHONESETTINGS_H
#define HEADPHONESETTINGS_H

#include "servicedialog.h"

namespace Ui {
class Headphonesettings;
}
class Bluetooth;

// Volume of the Bluetooth headphones in steps 0..15. The headphones'
// own keys change it too; the dialog follows what they report. With
// hearing protection on, the loudest steps are shown red with a warning.
class Headphonesettings : public ServiceDialog
{
    Q_OBJECT
public:
    explicit Headphonesettings(QWidget *parent = nullptr);
    ~Headphonesettings() override;

    int getVolume() const { return m_headphoneVolStep; }

    static constexpr int MaxVolumeStep = 15;
    // From this step on, hearing protection warns.
    static constexpr int LoudVolumeStep = 14;

public slots:
    void headphoneVolumeChanged(int volume);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_butVolUp_clicked();
    void on_butVolDown_clicked();
    void on_butClose_clicked();

private:
    void readVolume();
    void updateColors();

    Ui::Headphonesettings *ui;
    Bluetooth *m_btSource = nullptr;
    int m_headphoneVolStep = 0;
};

#endif // HEADPHONESETTINGS_H
