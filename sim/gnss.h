#ifndef GNSS_H
#define GNSS_H

#include <QByteArray>
#include <QByteArrayList>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QObject>

#include <functional>
#include <QTimer>

class Control;
class PtyLine;
class QDateTime;

// The GNSS receiver on /dev/ttyO1, powered through GPIO 16: NMEA 0183 at
// the top of every second, steered by the program's UBX CFG-RST messages
// and by the "gps" control commands. Events go to sim/gnss.log.
class Gnss : public QObject
{
    Q_OBJECT
public:
    explicit Gnss(const QString &root, QObject *parent = nullptr);

    void addCommands(Control &control);
    // Listens on the line and starts the power watch and the 1 Hz output.
    void start(PtyLine *line);
    QString stateText() const;

    // "$" + body + "*HH\r\n", HH the XOR of the body's bytes.
    static QByteArray sentence(const QByteArray &body);

    // Where the sensor stands along the pipe, in metres from its start.
    void setSensorPosition(std::function<double()> metres) { m_sensorAt = std::move(metres); }
    // The sensor was set down: with a pipe laid, the receiver goes with it,
    // as the technician carries the handheld to the sensor.
    void sensorPlaced();

private:
    // Default: GP up to NMEA 3.0, GN from 4.0 on.
    enum class Talker { Default, Gps, Glonass, Combined };
    enum class Nmea { V20, V30, V40, V41 };
    // In the order the receiver reports them.
    enum class System { Gps, Glonass, Galileo, Beidou };
    struct Satellite
    {
        int prn;
        int elevation;
        int azimuth;
        int snr; // 0: tracked without a signal figure
        bool used;
        System system;
    };

    QString command(const QStringList &args);
    QString setTime(const QStringList &args);
    QString startReplay(const QString &path);

    void checkPower();
    void received(const QByteArray &bytes);
    void takeUbx(int messageClass, int id, const QByteArray &payload);
    void scheduleTick();
    void tick();
    QByteArray epoch(const QDateTime &utc) const;
    Talker activeTalker() const;
    QList<System> systems() const;
    QList<Satellite> satellites() const;
    bool hasFix() const;
    QDateTime rmcDate(const QDateTime &utc) const;
    void advance();
    void standOnPipe(double metres);
    qint64 receiverMs() const;
    void note(const QString &text);

    QString m_root;
    PtyLine *m_line = nullptr;
    QFile m_log;
    QTimer m_tick;
    QTimer m_powerPoll;
    QElapsedTimer m_clock;

    bool m_powered = false;
    bool m_stopped = false;     // controlled GNSS stop
    qint64 m_silentUntil = 0;   // m_clock time: restarting after a reset
    qint64 m_noFixUntil = 0;    // m_clock time: acquiring after a reset
    QByteArray m_ubx;           // unparsed input

    bool m_fix = true;
    bool m_searching = false; // no fix, and zeros where the fields would be empty
    bool m_rollover = false;  // RMC dates 1024 weeks early
    double m_latitude = 50.110924;
    double m_longitude = 8.682127;
    double m_altitude = 112.0;
    double m_geoid = 47.0; // geoid separation: geoid height above the ellipsoid
    double m_speedKmh = 0.0;
    double m_course = 0.0;
    int m_inView = 10;
    int m_used = 7;
    double m_hdop = 0.9;
    Talker m_talker = Talker::Default;
    Nmea m_nmea = Nmea::V30;
    qint64 m_offsetMs = 0; // receiver clock minus host clock

    // The pipe's start and bearing; while laid, the position follows the sensor.
    bool m_pipeLaid = false;
    double m_pipeLatitude = 0;
    double m_pipeLongitude = 0;
    double m_pipeBearing = 0;
    std::function<double()> m_sensorAt;

    QString m_replayName;
    QList<QByteArrayList> m_replay; // groups of lines, one group per second
    int m_replayAt = 0;
};

#endif // GNSS_H
