#ifndef RM3_H
#define RM3_H

#include "btpeer.h"

#include <QElapsedTimer>
#include <QList>
#include <QTimer>

#include <deque>
#include <functional>
#include <random>

class Control;

// The RM-3 sensor unit behind the sink module's serial channel: answers the
// handheld's "BT_TX" lines with "BT_RX" lines, reports its key and alerts,
// takes new firmware and restarts with it.
class Rm3 : public BtPeer
{
    Q_OBJECT
public:
    enum class Answers { Normal, Slow, Silent };

    // Sets the unit down along the pipe (relative: moves it); returns "" or
    // the error text. Where it stands changes the sound it hears, which the
    // unit does not own.
    using Placement = std::function<QString(bool relative, double metres)>;

    // Where the unit stands along the pipe, in metres; the H2 probe reads
    // the gas there.
    using Position = std::function<double()>;

    explicit Rm3(BtEventLog *log, QObject *parent = nullptr, const QByteArray &address = "00:07:80:4d:33:01",
                 const QByteArray &name = "RM-3 4D3301");
    void addCommands(Control &control);
    void setPlacement(Placement place) { m_place = std::move(place); }
    void setPosition(Position position) { m_position = std::move(position); }

    bool available() const override { return BtPeer::available() && !m_restarting; }
    bool answers() const { return m_answers != Answers::Silent; }
    bool linked() const { return m_linked; }

    // The serial channel to the handheld opened or closed.
    void linkUp();
    void linkDown();
    // One line from the handheld, without its terminator.
    void receive(const QByteArray &line);

    QString stateText() const;

signals:
    // One line to the handheld, terminator included.
    void output(const QByteArray &bytes);
    // The unit's microphone was opened or muted (its key, or the handheld's
    // "I" command): what it streams follows.
    void microphoneMuted(bool muted);

private:
    struct Pending
    {
        qint64 due;
        std::function<void()> action;
    };
    QList<QByteArray> answer(const QList<QByteArray> &words, bool *restart);
    QList<QByteArray> firmwareData(const QList<QByteArray> &words);
    QList<QByteArray> configuration() const;
    // Runs actions in order, each no earlier than its delay: a serial line
    // delivers in order even when the answer time changes in between.
    void post(int delayMs, std::function<void()> action);
    void runDue();
    void send(const QByteArray &line);
    void report(const QByteArray &line);
    void restart();
    QString updateCommand(const QStringList &args);
    QByteArray updateText() const;
    QString keyCommand(bool press);
    QString gasCommand(const QStringList &args);
    // The probe's raw reading: the fixed value, or clean air with a little
    // noise plus the gas escaping near the unit.
    QByteArray reading();
    QByteArray gainText() const;
    QByteArray muteText() const { return m_muted ? "MUTE" : "ACTIVE"; }
    QByteArray keyText() const { return m_pushButton ? "PUSHBUT" : "SWITCH"; }
    QString pressureCommand(const QStringList &args);
    QString transducerCommand(const QStringList &args);
    QByteArray calibrationLine() const;
    // The pressure in bar at a time of m_clock, with the water hammer or
    // without it.
    double pressureAt(qint64 ms, bool withHammer = true) const;
    void streamPressure();
    void stopPressure();

    BtEventLog *m_log;
    Placement m_place;
    Position m_position;
    std::deque<Pending> m_queue;
    QTimer m_queueTimer;
    QTimer m_restartTimer;
    QElapsedTimer m_clock;
    QElapsedTimer m_probeOn;
    Answers m_answers = Answers::Normal;
    bool m_linked = false;
    bool m_restarting = false;
    bool m_readyPending = true; // "RDY" goes out once after power-up
    int m_gain = 0x0f;
    bool m_muted = true;
    bool m_pushButton = false;
    int m_type = 1;
    int m_batteryMv = 3950;
    QByteArray m_value = "0";
    bool m_valueFixed = false;
    // A gas escape along the pipe: where, its level above clean air in the
    // program's units at the spot, and how far it spreads.
    bool m_gas = false;
    double m_gasAt = 0;
    double m_gasLevel = 400;
    double m_gasSpread = 3;
    std::mt19937 m_random{3};
    QByteArray m_firmware = "2.10";
    QByteArray m_hardware = "1.3";
    // Firmware transfer: announced size and version, bytes and packets so far.
    qint64 m_fwSize = 0;
    QByteArray m_fwVersion;
    qint64 m_fwReceived = 0;
    int m_fwNextPacket = 0;
    // Faults of the next transfers: one packet answered ERROR once (-1 none),
    // a flash that fails so the unit never comes back on its own.
    int m_failPacket = -1;
    bool m_noRestart = false;
    // The pressure transducer: full scale, the pressure (ramping from one
    // value to the next), the last water hammer and the noise, all in bar.
    bool m_transducer = false;
    int m_typeBeforeTransducer = 1;
    int m_fullScale = 16;
    double m_rampFrom = 0;
    double m_rampTo = 0;
    qint64 m_rampStart = 0;
    int m_rampMs = 0;
    double m_hammer = 0;
    qint64 m_hammerStart = -1;
    double m_noise = 0;
    quint32 m_noiseState = 1;
    QTimer m_pressureTimer;
};

#endif // RM3_H
