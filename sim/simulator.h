#ifndef SIMULATOR_H
#define SIMULATOR_H

#include "control.h"
#include "devices.h"
#include "iiofeeder.h"

#include <QObject>
#include <QString>

class PtyLine;

// Plays every device on the far side of a platform root.
class Simulator : public QObject
{
    Q_OBJECT
public:
    explicit Simulator(const QString &root, QObject *parent = nullptr);

    // Lays out the root and opens the serial lines.
    bool start(QString *error);
    void stop();

    Control &control() { return m_control; }
    QString root() const { return m_root; }
    PtyLine *line(int number) const; // 1..3 for /dev/ttyO1..3

private:
    QString m_root;
    Control m_control;
    BoardDevices m_board;
    IioFeeder m_iio;
    PtyLine *m_lines[3] = {nullptr, nullptr, nullptr};
};

#endif // SIMULATOR_H
