#ifndef CONFIGURATION_H
#define CONFIGURATION_H

#include "servicedialog.h"

#include <QString>

namespace Ui {
class Configuration;
}
class Bluetooth;
class QTimer;

// Shows what the RM-3 reports about itself: it asks for the configuration
// block and evaluates it on the end marker or after the time-out, whichever
// comes first. Fields keep their value until a later answer carries them.
class Configuration : public ServiceDialog
{
    Q_OBJECT
public:
    explicit Configuration(QWidget *parent = nullptr);
    ~Configuration() override;

    // Empties the fields and asks the sensor again.
    void init();

    // Display text of a "SENSOR" code.
    static QString sensorTypeText(int code);
    // "(step / dB)" of a microphone gain value sent to the sensor, "(?)"
    // for a value no gain step uses.
    static QString gainLabel(int value);

    static constexpr int AnswerTimeoutMs = 7000;

private slots:
    void readBtAnswer();
    void on_butReadAgain_clicked();
    void on_butMenuBack_clicked();

private:
    void updateTexts();
    void showFields();
    // A note over the empty fields; an empty text hides it.
    void showNote(const QString &text);

    Ui::Configuration *ui;
    Bluetooth *m_btSource = nullptr;
    Bluetooth *m_btSink = nullptr;
    QTimer *m_timer;
    QString m_micFirmwareVersion;
    QString m_micBatteryState;
    QString m_micGain;
    QString m_micSensorType;
    QString m_micButtonMode;
    QString m_micHardwareVersion;
    QString m_micBtName;
    QString m_micBtId;
};

#endif // CONFIGURATION_H
