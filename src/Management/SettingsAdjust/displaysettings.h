#ifndef DISPLAYSETTINGS_H
#define DISPLAYSETTINGS_H

#include "servicedialog.h"

#include <QFile>

namespace Ui {
class Displaysettings;
}

// Chooses the display brightness: 5 low, 6 medium, 7 high. Each choice is
// shown on the display at once; the settings screen stores it.
class Displaysettings : public ServiceDialog
{
    Q_OBJECT
public:
    explicit Displaysettings(QWidget *parent = nullptr);
    ~Displaysettings() override;

    // Starts from the level the backlight has now.
    void init();
    // text (may be nullptr) gets the display text of the level.
    int getBrightness(QString *text);
    void setBrightness(int brightness);
    static QString brightness2text(int brightness);

private slots:
    void on_butBrightnessHigh_clicked();
    void on_butBrightnessMedium_clicked();
    void on_butBrightnessLow_clicked();
    void on_butBrightnessSelect_clicked();
    void on_butAccept_clicked();
    void on_butClose_clicked();

private:
    void showBrightness();

    Ui::Displaysettings *ui;
    QFile fileBrightness;
    int m_brightness = 6;
};

#endif // DISPLAYSETTINGS_H
