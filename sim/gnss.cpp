#include "gnss.h"
#include "control.h"
#include "ptyline.h"
#include "simroot.h"

#include <QDateTime>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

const QString PowerPath = QStringLiteral("/sys/class/gpio/gpio16/value");
constexpr int PowerPollMs = 200;
// Larger than any configuration message; a bogus length from noise is
// dropped instead of swallowing the frames behind it.
constexpr int MaxUbxPayload = 512;
constexpr int RestartMs = 1000;
constexpr int AcquireMs = 3000;
constexpr qint64 MaxReplayBytes = 4 * 1024 * 1024;
constexpr double EarthRadius = 6371000.0;
constexpr double KmhPerKnot = 1.852;
constexpr int MaxInView = 32;
constexpr int GsaSlots = 12;
// The GPS week number wraps after 1024 weeks; a receiver that misses the
// wrap dates everything that much too early.
constexpr int RolloverDays = 1024 * 7;
// What a searching receiver prints in place of a position.
constexpr char ZeroPosition[] = "0000.0000,N,00000.0000,E";

QByteArray fixed(double value, int decimals)
{
    return QByteArray::number(value, 'f', decimals);
}

QByteArray padded(int value, int digits)
{
    return QByteArray::number(value).rightJustified(digits, '0');
}

// ddmm.mmmmm,N or dddmm.mmmmm,E, rounded in whole units of the last digit so
// that 59.999996 minutes carries into the degrees.
QByteArray coordinate(double degrees, int degreeDigits, char positive, char negative)
{
    constexpr qint64 PerMinute = 100000;
    constexpr qint64 PerDegree = 60 * PerMinute;
    const qint64 units = qRound64(std::fabs(degrees) * double(PerDegree));
    const qint64 rest = units % PerDegree;
    return padded(int(units / PerDegree), degreeDigits) + padded(int(rest / PerMinute), 2) + '.'
        + padded(int(rest % PerMinute), 5) + ',' + (degrees < 0 ? negative : positive);
}

// The sentence formats of "gps nmea", in the order of Gnss::Nmea.
const char *const NmeaVersions[] = {"2.0", "3.0", "4.0", "4.1"};

struct SystemInfo
{
    const char *talker;
    int firstPrn;
    int prns;
    int step; // shares no factor with prns: distinct numbers for every satellite
    char systemId; // NMEA 4.10: the last GSA field
    char signalId; // NMEA 4.10: the last GSV field, for the first signal
};
// GPS, GLONASS, Galileo, BeiDou, in the order of Gnss::System.
constexpr SystemInfo Systems[] = {
    {"GP", 1, 32, 7, '1', '1'}, {"GL", 65, 32, 7, '2', '1'}, {"GA", 1, 36, 7, '3', '7'}, {"GB", 1, 63, 5, '4', '1'}};
// NMEA 4.10 signal id of the second GPS signal some satellites are tracked on.
constexpr char GpsSecondSignal = '8';

// suffix: appended to every message (the signal id from NMEA 4.10 on).
QByteArray gsv(const QByteArray &talker, const QList<QByteArray> &satellites, const QByteArray &suffix)
{
    const int count = int(satellites.size());
    const int messages = std::max(1, (count + 3) / 4);
    QByteArray out;
    for (int m = 0; m < messages; ++m) {
        QByteArray body = talker + "GSV," + QByteArray::number(messages) + ',' + QByteArray::number(m + 1) + ','
            + padded(count, 2);
        for (int k = 4 * m; k < std::min(count, 4 * m + 4); ++k)
            body += ',' + satellites[k];
        out += Gnss::sentence(body + suffix);
    }
    return out;
}

const char *resetName(int mode)
{
    switch (mode) {
    case 0x00:
        return "hardware reset";
    case 0x01:
        return "controlled software reset";
    case 0x02:
        return "controlled software reset (GNSS only)";
    case 0x04:
        return "hardware reset after shutdown";
    case 0x08:
        return "controlled GNSS stop";
    case 0x09:
        return "controlled GNSS start";
    default:
        return nullptr;
    }
}

} // namespace

Gnss::Gnss(const QString &root, QObject *parent) : QObject(parent), m_root(root)
{
    m_clock.start();
    m_tick.setSingleShot(true);
    m_tick.setTimerType(Qt::PreciseTimer);
    connect(&m_tick, &QTimer::timeout, this, &Gnss::tick);
    connect(&m_powerPoll, &QTimer::timeout, this, &Gnss::checkPower);
}

void Gnss::addCommands(Control &control)
{
    control.add({QStringLiteral("gps"),
                 QStringLiteral("fix on|off | searching-zeros | position LAT LON [ALT] | geoid METRES | "
                                "move KMH COURSE | pipe LAT LON BEARING|off | satellites VIEW USED | hdop X | talker GP|GL|GN | "
                                "nmea 2.0|3.0|4.0|4.1 | time YYYY-MM-DD HH:MM:SS|now|offset SECONDS | "
                                "rollover on|off | replay FILE|stop | state"),
                 QStringLiteral("the GNSS receiver on ttyO1 (powered by GPIO 16): fix, or searching with zeros in "
                                "the empty fields until the next fix command, position in decimal degrees "
                                "(negative: S, W) and altitude in m, geoid separation in m (GGA), motion (0 stops), "
                                "a pipe laid from LAT LON along BEARING that the receiver follows to wherever "
                                "the sensor is set down (sensor at|step), "
                                "satellites in view and used, HDOP, talker (GPS, GLONASS, combined), NMEA version "
                                "of the sentences (3.0 unless set; 4.0 and 4.1 add Galileo and BeiDou), its UTC "
                                "clock (set, back to the host's, or shifted), RMC dates 1024 weeks early (week "
                                "rollover), replay of recorded sentences (a new second at each GGA or blank line; "
                                ":/fixtures/nmea-sample.txt is built in), state prints it"),
                 [this](const QStringList &args) { return command(args); }});
}

QString Gnss::command(const QStringList &a)
{
    const QString what = a.value(0).toLower();
    const QString arg = a.value(1).toLower();
    const int n = int(a.size());
    bool ok1 = false, ok2 = false, ok3 = true;
    if (what == QLatin1String("state") && n == 1) {
        std::fputs(stateText().toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
        return QString();
    }
    if (what == QLatin1String("fix") && n == 2 && (arg == QLatin1String("on") || arg == QLatin1String("off"))) {
        m_fix = arg == QLatin1String("on");
        m_searching = false;
        note(QStringLiteral("fix %1").arg(arg));
        return QString();
    }
    if (what == QLatin1String("searching-zeros") && n == 1) {
        m_searching = true;
        note(QStringLiteral("searching, zeros instead of empty fields"));
        return QString();
    }
    if (what == QLatin1String("rollover") && n == 2 && (arg == QLatin1String("on") || arg == QLatin1String("off"))) {
        m_rollover = arg == QLatin1String("on");
        note(QStringLiteral("week rollover %1").arg(arg));
        return QString();
    }
    if (what == QLatin1String("position") && (n == 3 || n == 4)) {
        const double lat = a[1].toDouble(&ok1), lon = a[2].toDouble(&ok2);
        const double alt = n == 4 ? a[3].toDouble(&ok3) : m_altitude;
        if (!ok1 || !ok2 || !ok3 || !(lat >= -90 && lat <= 90) || !(lon >= -180 && lon <= 180)
            || !(alt >= -1000 && alt <= 20000))
            return QStringLiteral("gps position LAT LON [ALT]: -90..90, -180..180, -1000..20000 m");
        m_latitude = lat;
        m_longitude = lon;
        m_altitude = alt;
        return QString();
    }
    if (what == QLatin1String("move") && n == 3) {
        const double speed = a[1].toDouble(&ok1), course = a[2].toDouble(&ok2);
        if (!ok1 || !ok2 || !(speed >= 0 && speed <= 2000) || !(course >= 0 && course <= 360))
            return QStringLiteral("gps move KMH COURSE: 0..2000 km/h, 0..360 degrees");
        m_speedKmh = speed;
        m_course = std::fmod(course, 360.0);
        return QString();
    }
    if (what == QLatin1String("pipe") && n == 2 && arg == QLatin1String("off")) {
        m_pipeLaid = false;
        note(QStringLiteral("pipe removed"));
        return QString();
    }
    if (what == QLatin1String("pipe") && n == 4) {
        const double lat = a[1].toDouble(&ok1), lon = a[2].toDouble(&ok2), bearing = a[3].toDouble(&ok3);
        if (!ok1 || !ok2 || !ok3 || !(lat >= -89 && lat <= 89) || !(lon >= -180 && lon <= 180)
            || !(bearing >= 0 && bearing <= 360))
            return QStringLiteral("gps pipe LAT LON BEARING: -89..89, -180..180, 0..360 degrees");
        m_pipeLaid = true;
        m_pipeLatitude = lat;
        m_pipeLongitude = lon;
        m_pipeBearing = std::fmod(bearing, 360.0);
        m_speedKmh = 0;
        note(QStringLiteral("pipe from %1 %2 bearing %3").arg(lat, 0, 'f', 7).arg(lon, 0, 'f', 7).arg(bearing));
        sensorPlaced();
        return QString();
    }
    if (what == QLatin1String("satellites") && n == 3) {
        const int view = a[1].toInt(&ok1), used = a[2].toInt(&ok2);
        if (!ok1 || !ok2 || view < 0 || view > MaxInView || used < 0 || used > view)
            return QStringLiteral("gps satellites VIEW USED: VIEW 0..32, USED 0..VIEW");
        m_inView = view;
        m_used = used;
        return QString();
    }
    if (what == QLatin1String("geoid") && n == 2) {
        const double geoid = a[1].toDouble(&ok1);
        if (!ok1 || !(geoid >= -150 && geoid <= 150))
            return QStringLiteral("gps geoid METRES: -150..150");
        m_geoid = geoid;
        return QString();
    }
    if (what == QLatin1String("hdop") && n == 2) {
        const double hdop = a[1].toDouble(&ok1);
        if (!ok1 || !(hdop >= 0.5 && hdop <= 99.99))
            return QStringLiteral("gps hdop X: 0.5..99.99");
        m_hdop = hdop;
        return QString();
    }
    if (what == QLatin1String("talker") && n == 2) {
        const QString t = arg.toUpper();
        if (t != QLatin1String("GP") && t != QLatin1String("GL") && t != QLatin1String("GN"))
            return QStringLiteral("gps talker GP|GL|GN");
        m_talker = t == QLatin1String("GP") ? Talker::Gps : t == QLatin1String("GL") ? Talker::Glonass
                                                                                       : Talker::Combined;
        return QString();
    }
    if (what == QLatin1String("nmea") && n == 2) {
        const auto *end = std::end(NmeaVersions);
        const auto *at =
            std::find_if(std::begin(NmeaVersions), end, [&](const char *v) { return arg == QLatin1String(v); });
        if (at == end)
            return QStringLiteral("gps nmea 2.0|3.0|4.0|4.1");
        m_nmea = Nmea(at - std::begin(NmeaVersions));
        note(QStringLiteral("NMEA %1").arg(arg));
        return QString();
    }
    if (what == QLatin1String("time"))
        return setTime(a.mid(1));
    if (what == QLatin1String("replay") && n == 2) {
        if (arg != QLatin1String("stop"))
            return startReplay(a[1]);
        if (!m_replay.isEmpty())
            note(QStringLiteral("replay stopped"));
        m_replay.clear();
        return QString();
    }
    return QStringLiteral("usage: gps fix on|off, searching-zeros, position LAT LON [ALT], geoid METRES, "
                          "move KMH COURSE, pipe LAT LON BEARING|off, satellites VIEW USED, hdop X, talker GP|GL|GN, nmea 2.0|3.0|4.0|4.1, "
                          "time YYYY-MM-DD HH:MM:SS|now|offset SECONDS, rollover on|off, replay FILE|stop, state");
}

QString Gnss::setTime(const QStringList &a)
{
    const QString usage = QStringLiteral("gps time YYYY-MM-DD HH:MM:SS (1980..2079), now, or offset SECONDS");
    if (a.size() == 1 && a[0].toLower() == QLatin1String("now")) {
        m_offsetMs = 0;
    } else if (a.size() == 2 && a[0].toLower() == QLatin1String("offset")) {
        bool ok = false;
        const qint64 seconds = a[1].toLongLong(&ok);
        if (!ok || std::llabs(seconds) > 3153600000LL) // a hundred years
            return usage;
        m_offsetMs = seconds * 1000;
    } else if (a.size() == 2) {
        const QDateTime target(QDate::fromString(a[0], QStringLiteral("yyyy-MM-dd")),
                               QTime::fromString(a[1], QStringLiteral("HH:mm:ss")), Qt::UTC);
        // Two-digit years in RMC: the receiver's window is 1980..2079.
        if (!target.isValid() || target.date().year() < 1980 || target.date().year() > 2079)
            return usage;
        m_offsetMs = target.toMSecsSinceEpoch() - QDateTime::currentMSecsSinceEpoch();
    } else {
        return usage;
    }
    note(QStringLiteral("clock offset %1 s").arg(double(m_offsetMs) / 1000.0, 0, 'f', 3));
    if (m_line)
        scheduleTick(); // the top of the new second
    return QString();
}

QString Gnss::startReplay(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    if (file.size() > MaxReplayBytes)
        return QStringLiteral("%1 is larger than 4 MiB").arg(path);
    QList<QByteArrayList> groups;
    QByteArrayList group;
    int lines = 0;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        const bool gga = line.startsWith('$') && line.mid(3, 4) == "GGA,";
        if ((line.isEmpty() || gga) && !group.isEmpty()) {
            groups << group;
            group.clear();
        }
        if (!line.isEmpty()) {
            group << line;
            ++lines;
        }
    }
    if (!group.isEmpty())
        groups << group;
    if (groups.isEmpty())
        return QStringLiteral("%1 holds no lines").arg(path);
    m_replay = groups;
    m_replayAt = 0;
    m_replayName = path;
    note(QStringLiteral("replay %1: %2 lines in %3 seconds").arg(path).arg(lines).arg(groups.size()));
    return QString();
}

void Gnss::start(PtyLine *line)
{
    m_line = line;
    m_log.setFileName(m_root + QStringLiteral("/sim/gnss.log"));
    m_log.open(QIODevice::WriteOnly | QIODevice::Append);
    connect(m_line, &PtyLine::received, this, &Gnss::received);
    checkPower();
    m_powerPoll.start(PowerPollMs);
    scheduleTick();
}

void Gnss::checkPower()
{
    const QByteArray value = SimRoot::readState(m_root, PowerPath).trimmed();
    if (value.isEmpty())
        return; // caught between truncation and write
    const bool on = value.startsWith('1');
    if (on == m_powered)
        return;
    // Power brings the receiver up running; what the last UBX said is gone.
    m_powered = on;
    m_stopped = false;
    m_silentUntil = m_noFixUntil = 0;
    m_ubx.clear();
    note(on ? QStringLiteral("power on") : QStringLiteral("power off"));
}

void Gnss::received(const QByteArray &bytes)
{
    // The program powers the receiver just before it writes to it.
    checkPower();
    if (!m_powered) {
        note(QStringLiteral("unpowered, %1 bytes lost").arg(bytes.size()));
        return;
    }
    m_ubx += bytes;
    for (;;) {
        const int at = m_ubx.indexOf("\xb5\x62");
        if (at < 0) {
            m_ubx = m_ubx.endsWith('\xb5') ? QByteArray("\xb5") : QByteArray();
            return;
        }
        m_ubx.remove(0, at);
        if (m_ubx.size() < 6)
            return;
        const auto byte = [this](int i) { return int(quint8(m_ubx.at(i))); };
        const int length = byte(4) | byte(5) << 8;
        if (length > MaxUbxPayload) {
            note(QStringLiteral("UBX sync bytes with length %1, skipped").arg(length));
            m_ubx.remove(0, 1);
            continue;
        }
        if (m_ubx.size() < 8 + length)
            return;
        quint8 a = 0, b = 0;
        for (int i = 2; i < 6 + length; ++i) {
            a = quint8(a + byte(i));
            b = quint8(b + a);
        }
        if (a != byte(6 + length) || b != byte(7 + length)) {
            note(QStringLiteral("UBX class 0x%1 id 0x%2: checksum error, dropped")
                     .arg(byte(2), 2, 16, QLatin1Char('0'))
                     .arg(byte(3), 2, 16, QLatin1Char('0')));
            m_ubx.remove(0, 1); // a real frame may start inside this one
            continue;
        }
        const int messageClass = byte(2), id = byte(3);
        const QByteArray payload = m_ubx.mid(6, length);
        m_ubx.remove(0, 8 + length);
        takeUbx(messageClass, id, payload);
    }
}

void Gnss::takeUbx(int messageClass, int id, const QByteArray &payload)
{
    const QString head = QStringLiteral("UBX class 0x%1 id 0x%2")
                             .arg(messageClass, 2, 16, QLatin1Char('0'))
                             .arg(id, 2, 16, QLatin1Char('0'));
    if (messageClass != 0x06 || id != 0x04) {
        note(head + QStringLiteral(", %1 payload bytes: not handled").arg(payload.size()));
        return;
    }
    if (payload.size() != 4) {
        note(QStringLiteral("UBX CFG-RST with %1 payload bytes, ignored").arg(payload.size()));
        return;
    }
    const int mask = quint8(payload[0]) | quint8(payload[1]) << 8;
    const int mode = quint8(payload[2]);
    const char *name = resetName(mode);
    QString effect;
    if (!name) {
        effect = QStringLiteral("unknown reset mode, ignored");
    } else if (mode == 0x08) {
        m_stopped = true;
        effect = QStringLiteral("output stops");
    } else if (mode == 0x09) {
        m_stopped = false;
        effect = QStringLiteral("output runs");
    } else {
        m_stopped = false;
        m_silentUntil = m_clock.elapsed() + RestartMs;
        m_noFixUntil = m_silentUntil + AcquireMs;
        effect = QStringLiteral("silent for %1 ms, then no fix for %2 ms").arg(RestartMs).arg(AcquireMs);
    }
    note(QStringLiteral("UBX CFG-RST navBbrMask 0x%1 resetMode 0x%2 (%3): %4")
             .arg(mask, 4, 16, QLatin1Char('0'))
             .arg(mode, 2, 16, QLatin1Char('0'))
             .arg(QLatin1String(name ? name : "?"), effect));
}

qint64 Gnss::receiverMs() const
{
    return QDateTime::currentMSecsSinceEpoch() + m_offsetMs;
}

void Gnss::scheduleTick()
{
    const qint64 intoSecond = receiverMs() % 1000;
    m_tick.start(int(1000 - intoSecond));
}

void Gnss::tick()
{
    // The timer may fire a little early or late: name the nearest second.
    const qint64 second = (receiverMs() + 500) / 1000 * 1000;
    checkPower();
    if (m_powered && !m_stopped && m_clock.elapsed() >= m_silentUntil) {
        if (!m_replay.isEmpty()) {
            m_line->send(m_replay.at(m_replayAt).join("\r\n") + "\r\n");
            if (++m_replayAt == m_replay.size()) {
                m_replay.clear();
                note(QStringLiteral("replay %1 finished").arg(m_replayName));
            }
        } else {
            m_line->send(epoch(QDateTime::fromMSecsSinceEpoch(second, Qt::UTC)));
        }
    }
    advance();
    m_tick.start(int(std::max<qint64>(1, second + 1000 - receiverMs())));
}

QDateTime Gnss::rmcDate(const QDateTime &utc) const
{
    // A receiver searching from scratch has not read the week number yet.
    return m_rollover || m_searching ? utc.addDays(-RolloverDays) : utc;
}

bool Gnss::hasFix() const
{
    return m_fix && !m_searching && m_clock.elapsed() >= m_noFixUntil;
}

Gnss::Talker Gnss::activeTalker() const
{
    if (m_talker != Talker::Default)
        return m_talker;
    return m_nmea >= Nmea::V40 ? Talker::Combined : Talker::Gps;
}

QList<Gnss::System> Gnss::systems() const
{
    const Talker talker = activeTalker();
    if (talker == Talker::Gps)
        return {System::Gps};
    if (talker == Talker::Glonass)
        return {System::Glonass};
    if (m_nmea >= Nmea::V40)
        return {System::Gps, System::Glonass, System::Galileo, System::Beidou};
    return {System::Gps, System::Glonass};
}

QList<Gnss::Satellite> Gnss::satellites() const
{
    const QList<System> active = systems();
    QList<Satellite> list;
    int perSystem[std::size(Systems)] = {};
    // Generated highest first and dealt out over the systems in turn; the
    // receiver uses the highest ones.
    for (int i = 0; i < m_inView; ++i) {
        Satellite s;
        s.system = active[i % int(active.size())];
        const SystemInfo &info = Systems[int(s.system)];
        const int k = perSystem[int(s.system)]++;
        s.prn = info.firstPrn + (k * info.step) % info.prns;
        s.elevation = 80 - i * 70 / std::max(1, m_inView - 1);
        s.azimuth = (40 + i * 137) % 360;
        s.used = i < m_used;
        s.snr = s.used ? 46 - (i * 5) % 12 : (i % 3 == 2 ? 0 : 28 - (i * 5) % 12);
        list << s;
    }
    std::sort(list.begin(), list.end(), [](const Satellite &a, const Satellite &b) {
        return a.system != b.system ? a.system < b.system : a.prn < b.prn;
    });
    return list;
}

QByteArray Gnss::epoch(const QDateTime &utc) const
{
    const Talker active = activeTalker();
    const QByteArray talker = active == Talker::Gps ? "GP" : active == Talker::Glonass ? "GL" : "GN";
    // Mode indicators came with NMEA 2.3; 4.0 has one GSA per system, 4.10
    // names systems and signals.
    const bool modes = m_nmea != Nmea::V20;
    const bool perSystem = m_nmea >= Nmea::V40;
    const bool v41 = m_nmea == Nmea::V41;
    const QByteArray time = utc.toString(QStringLiteral("hhmmss")).toLatin1() + ".00";
    const QByteArray date = rmcDate(utc).toString(QStringLiteral("ddMMyy")).toLatin1();
    const QByteArray position = coordinate(m_latitude, 2, 'N', 'S') + ',' + coordinate(m_longitude, 3, 'E', 'W');
    const QByteArray knots = fixed(m_speedKmh / KmhPerKnot, 3);
    const QByteArray course = fixed(m_course, 2);
    const double vdop = std::min(99.99, m_hdop * 1.5);
    const double pdop = std::min(99.99, std::hypot(m_hdop, vdop));
    const QList<System> systemList = systems();
    const QList<Satellite> sats = satellites();
    const bool fix = hasFix();

    QByteArray out;
    if (fix)
        out += sentence(talker + "GGA," + time + ',' + position + ",1," + padded(m_used, 2) + ',' + fixed(m_hdop, 2)
                        + ',' + fixed(m_altitude, 1) + ",M," + fixed(m_geoid, 1) + ",M,,");
    else if (m_searching)
        out += sentence(talker + "GGA," + time + ',' + ZeroPosition + ",0,00,99.99,0.0,M,0.0,M,,");
    else
        out += sentence(talker + "GGA," + time + ",,,,,0,00,99.99,,,,,,");

    for (int g = 0; g < (perSystem ? int(systemList.size()) : 1); ++g) {
        QByteArray used;
        int listed = 0;
        // Like a real receiver, GSA names at most twelve even when more are used.
        for (const Satellite &s : sats) {
            if (fix && s.used && listed < GsaSlots && (!perSystem || s.system == systemList[g])) {
                used += padded(s.prn, 2) + ',';
                ++listed;
            }
        }
        QByteArray body = talker + (fix ? "GSA,A,3," : "GSA,A,1,") + used + QByteArray(GsaSlots - listed, ',')
            + (fix ? fixed(pdop, 2) + ',' + fixed(m_hdop, 2) + ',' + fixed(vdop, 2) : "99.99,99.99,99.99");
        if (v41)
            body += QByteArray(",") + Systems[int(systemList[g])].systemId;
        out += sentence(body);
    }

    QByteArray rmc = talker + "RMC," + time;
    if (fix)
        rmc += ",A," + position + ',' + knots + ',' + course + ',' + date + ",,";
    else if (m_searching)
        rmc += QByteArray(",V,") + ZeroPosition + ",0.000,0.00," + date + ",,";
    else
        rmc += ",V,,,,,,," + date + ",,";
    if (modes)
        rmc += fix ? ",A" : ",N";
    if (v41)
        rmc += ",V"; // navigational status not provided, as many receivers print it
    out += sentence(rmc);

    // Each system's satellites under its own talker, numbered on their own.
    const auto satellite = [](const Satellite &s, int snr) {
        return padded(s.prn, 2) + ',' + padded(s.elevation, 2) + ',' + padded(s.azimuth, 3) + ','
            + (snr > 0 ? padded(snr, 2) : QByteArray());
    };
    for (System system : systemList) {
        const SystemInfo &info = Systems[int(system)];
        QList<QByteArray> first, second;
        for (const Satellite &s : sats) {
            if (s.system != system)
                continue;
            // About half the GPS satellites are tracked on a second signal too.
            if (v41 && system == System::Gps && first.size() % 2 == 0)
                second << satellite(s, std::max(0, s.snr - 4));
            first << satellite(s, s.snr);
        }
        out += gsv(info.talker, first, v41 ? QByteArray(",") + info.signalId : QByteArray());
        if (!second.isEmpty())
            out += gsv(info.talker, second, QByteArray(",") + GpsSecondSignal);
    }

    QByteArray vtg = talker + "VTG,";
    if (fix)
        vtg += course + ",T,,M," + knots + ",N," + fixed(m_speedKmh, 3) + ",K";
    else if (m_searching)
        vtg += "0.00,T,,M,0.000,N,0.000,K";
    else
        vtg += ",T,,M,,N,,K";
    if (modes)
        vtg += fix ? ",A" : ",N";
    out += sentence(vtg);
    return out;
}

void Gnss::advance()
{
    if (m_speedKmh <= 0.0)
        return;
    // One second along the course on a sphere; good enough for a drive.
    const double distance = m_speedKmh / 3.6 / EarthRadius;
    const double course = qDegreesToRadians(m_course);
    const double cosLat = std::max(1e-9, std::cos(qDegreesToRadians(m_latitude)));
    m_latitude = qBound(-90.0, m_latitude + qRadiansToDegrees(distance * std::cos(course)), 90.0);
    m_longitude += qRadiansToDegrees(distance * std::sin(course) / cosLat);
    if (m_longitude > 180.0)
        m_longitude -= 360.0;
    else if (m_longitude < -180.0)
        m_longitude += 360.0;
}

void Gnss::sensorPlaced()
{
    if (m_pipeLaid)
        standOnPipe(m_sensorAt ? m_sensorAt() : 0.0);
}

// A pipe is short against the earth: flat north and east offsets suffice.
void Gnss::standOnPipe(double metres)
{
    const double bearing = qDegreesToRadians(m_pipeBearing);
    const double cosLat = std::max(1e-9, std::cos(qDegreesToRadians(m_pipeLatitude)));
    m_latitude = m_pipeLatitude + qRadiansToDegrees(metres * std::cos(bearing) / EarthRadius);
    m_longitude = m_pipeLongitude + qRadiansToDegrees(metres * std::sin(bearing) / EarthRadius / cosLat);
    if (m_longitude > 180.0)
        m_longitude -= 360.0;
    else if (m_longitude < -180.0)
        m_longitude += 360.0;
    note(QStringLiteral("standing %1 m along the pipe at %2 %3")
             .arg(metres)
             .arg(m_latitude, 0, 'f', 7)
             .arg(m_longitude, 0, 'f', 7));
}

QByteArray Gnss::sentence(const QByteArray &body)
{
    quint8 sum = 0;
    for (char c : body)
        sum ^= quint8(c);
    return '$' + body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

void Gnss::note(const QString &text)
{
    if (!m_log.isOpen())
        return;
    m_log.write(QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz ")).toLatin1() + text.toUtf8()
                + '\n');
    m_log.flush();
}

QString Gnss::stateText() const
{
    const Talker active = activeTalker();
    QString talker = QLatin1String(active == Talker::Gps ? "GP" : active == Talker::Glonass ? "GL" : "GN");
    if (m_talker == Talker::Default)
        talker += QLatin1String(" (the format's default)");
    const qint64 now = m_clock.elapsed();
    QString output = !m_powered                ? QStringLiteral("off")
                     : m_stopped               ? QStringLiteral("stopped by UBX")
                     : now < m_silentUntil     ? QStringLiteral("restarting")
                     : !m_replay.isEmpty()     ? QStringLiteral("replaying %1, second %2 of %3")
                                                 .arg(m_replayName)
                                                 .arg(m_replayAt + 1)
                                                 .arg(m_replay.size())
                                               : QStringLiteral("NMEA every second");
    const QDateTime utc = QDateTime::fromMSecsSinceEpoch(receiverMs(), Qt::UTC);
    return QStringLiteral("gps power %1, output %2, fix %3%4, NMEA %5, talker %6\n"
                          "gps position %7 %8, %9 m, geoid %10 m, moving %11 km/h course %12\n"
                          "gps satellites %13 in view, %14 used, hdop %15, time %16 UTC\n"
                          "gps rollover %17, RMC date %18\n")
        .arg(m_powered ? QStringLiteral("on") : QStringLiteral("off"), output,
             m_searching ? QStringLiteral("searching with zeros")
             : m_fix     ? QStringLiteral("on")
                         : QStringLiteral("off"),
             m_fix && !m_searching && now < m_noFixUntil ? QStringLiteral(" (acquiring after reset)") : QString(),
             QLatin1String(NmeaVersions[int(m_nmea)]), talker)
        .arg(m_latitude, 0, 'f', 7)
        .arg(m_longitude, 0, 'f', 7)
        .arg(m_altitude, 0, 'f', 1)
        .arg(m_geoid, 0, 'f', 1)
        .arg(m_speedKmh, 0, 'f', 1)
        .arg(m_course, 0, 'f', 1)
        .arg(m_inView)
        .arg(m_used)
        .arg(m_hdop, 0, 'f', 2)
        .arg(utc.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")))
        .arg(m_rollover ? QStringLiteral("on") : QStringLiteral("off"),
             rmcDate(utc).toString(QStringLiteral("yyyy-MM-dd")));
}
