#ifndef MICSETTINGS_H
#define MICSETTINGS_H

#include "servicedialog.h"

#include <QString>

namespace Ui {
class Micsettings;
}
class AudioCodecSetup;
class Bluetooth;
class MainMenu;
class QPushButton;

// Microphone gain step 1..6. The main window turns a step into the codec's
// input gain (wired sensor) or into the gain sent to the sensor; the dialog
// shows the step and the gain in dB that results.
class Micsettings : public ServiceDialog
{
    Q_OBJECT
public:
    explicit Micsettings(QWidget *parent = nullptr);
    ~Micsettings() override;

    int getMicGainStep() const { return m_micGainStep; }

    // "3(22.5 dB)": the step and the gain in dB behind it.
    static QString gainText(int step, double decibels);
    // The sensor reports its gain as a register value; 3 dB per unit.
    static int sensorGainToDb(int gain) { return gain * 3 - 27; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_butGain1_clicked();
    void on_butGain2_clicked();
    void on_butGain3_clicked();
    void on_butGain4_clicked();
    void on_butGain5_clicked();
    void on_butGain6_clicked();
    void on_butClose_clicked();

private:
    void selectStep(int step);
    void showStep();
    bool isWired() const;
    QPushButton *stepButton(int step) const;

    Ui::Micsettings *ui;
    Bluetooth *m_btSink = nullptr;
    MainMenu *m_mainMenu = nullptr;
    AudioCodecSetup *m_audioCodec = nullptr;
    int m_micGainStep = 3;
    int m_groundMicGain = 0;
    int m_groundMicGain_dB = 0;
    float m_micPgaGain_dB = 0;
};

#endif // MICSETTINGS_H
