#include "nmeapositioninfosourceraw.h"

#include <QDateTime>
#include <QDebug>

#include <algorithm>
#include <limits>

namespace {

constexpr double MetresPerSecondPerKnot = 1852.0 / 3600.0;

// One number per satellite system: BeiDou has two talkers, and NMEA 4.1
// names the system of a GSA by its id.
int systemOfTalker(const QByteArray &talker)
{
    const QByteArray t = talker == "BD" ? QByteArray("GB") : talker;
    return quint8(t.at(0)) << 8 | quint8(t.at(1));
}

int systemOfId(int id)
{
    static const char *const talkers[] = {"GP", "GL", "GA", "GB", "GQ", "GI"};
    return id >= 1 && id <= 6 ? systemOfTalker(talkers[id - 1]) : 0;
}

qint64 key(int system, int number)
{
    return qint64(system) << 32 | quint32(number);
}

// The receiver's position in the two fields; a receiver without one prints
// empty fields or, while searching, zeros: 0 N 0 E lies in open sea.
bool position(const QString &latitude, const QString &northSouth, const QString &longitude,
              const QString &eastWest, QGeoCoordinate *coordinate)
{
    double lat = 0.0;
    double lon = 0.0;
    if (!Nmea::degrees(latitude, northSouth, false, &lat) || !Nmea::degrees(longitude, eastWest, true, &lon)
        || (lat == 0.0 && lon == 0.0))
        return false;
    *coordinate = QGeoCoordinate(lat, lon);
    return true;
}

} // namespace

NmeaPositionInfoSourceRaw::NmeaPositionInfoSourceRaw(QObject *parent) : QGeoPositionInfoSource(parent)
{
    m_gap.setSingleShot(true);
    m_gap.setInterval(EpochGapMs);
    connect(&m_gap, &QTimer::timeout, this, &NmeaPositionInfoSourceRaw::completeEpoch);
    connect(&m_interval, &QTimer::timeout, this, &NmeaPositionInfoSourceRaw::intervalElapsed);
    m_request.setSingleShot(true);
    connect(&m_request, &QTimer::timeout, this, &QGeoPositionInfoSource::updateTimeout);
}

QString NmeaPositionInfoSourceRaw::getNmeaGsvString(int slot) const
{
    return slot >= 0 && slot < GsvSlots ? m_nmeaGPGSV[slot] : QString();
}

void NmeaPositionInfoSourceRaw::clearLastNmeaData()
{
    m_nmeaGPGGA.clear();
    m_nmeaGPGSA.clear();
    m_nmeaGPRMC.clear();
    m_nmeaGPVTG.clear();
    for (QString &gsv : m_nmeaGPGSV)
        gsv.clear();
}

void NmeaPositionInfoSourceRaw::takeSentence(const char *data, int size)
{
    NmeaSentence sentence;
    if (!sentence.parse(data, size))
        return;
    capture(sentence, data, size);
    if (sentence.type == "GGA") {
        NmeaGga gga;
        if (!Nmea::parseGga(sentence, &gga)) {
            qDebug() << "No GGA match";
            return;
        }
        beginEpochAt(gga.utcTime);
        m_current.gga = gga;
        m_current.hasGga = true;
    } else if (sentence.type == "RMC") {
        NmeaRmc rmc;
        if (!Nmea::parseRmc(sentence, &rmc)) {
            qDebug() << "No RMC match";
            return;
        }
        beginEpochAt(rmc.utcTime);
        m_current.rmc = rmc;
        m_current.hasRmc = true;
    } else if (sentence.type == "GSA") {
        addGsa(sentence);
    } else if (sentence.type == "GSV") {
        addGsv(sentence);
    } else {
        return;
    }
    m_gap.start();
}

void NmeaPositionInfoSourceRaw::capture(const NmeaSentence &sentence, const char *data, int size)
{
    QString *kept = nullptr;
    if (sentence.type == "GGA") {
        kept = &m_nmeaGPGGA;
    } else if (sentence.type == "GSA") {
        kept = &m_nmeaGPGSA;
    } else if (sentence.type == "RMC") {
        kept = &m_nmeaGPRMC;
    } else if (sentence.type == "VTG") {
        kept = &m_nmeaGPVTG;
    } else if (sentence.type == "GSV") {
        // The first message of a group starts the slots afresh.
        const int slot = Nmea::integer(QString::fromLatin1(sentence.field(1))) - 1;
        if (slot < 0 || slot >= GsvSlots)
            return;
        if (slot == 0) {
            for (QString &gsv : m_nmeaGPGSV)
                gsv.clear();
        }
        kept = &m_nmeaGPGSV[slot];
    }
    if (kept)
        *kept = QString::fromLatin1(data, size).trimmed();
}

// Sentences without a time (GSA, GSV) belong to the epoch they follow; a
// time other than the epoch's begins the next one, earlier or later: a
// receiver that restarted or a replayed recording steps back.
void NmeaPositionInfoSourceRaw::beginEpochAt(const QString &utcTime)
{
    const int time = Nmea::timeOfDay(utcTime);
    if (time < 0)
        return;
    if (m_current.timeMs >= 0 && m_current.timeMs != time)
        completeEpoch();
    m_current.timeMs = time;
}

void NmeaPositionInfoSourceRaw::addGsa(const NmeaSentence &sentence)
{
    NmeaGsa gsa;
    if (!Nmea::parseGsa(sentence, &gsa)) {
        qDebug() << "No GPGSA match";
        return;
    }
    Epoch &e = m_current;
    e.hasGsa = true;
    e.gsa = gsa;
    e.gsaMode = std::max(e.gsaMode, gsa.mode2);
    // Multi-constellation receivers print one GSA per system: named by its
    // id (NMEA 4.1) or talker, else (GN in NMEA 4.0) by its place.
    int system = systemOfId(gsa.systemId);
    if (system == 0)
        system = sentence.talker != "GN" ? systemOfTalker(sentence.talker) : 1 + m_gsaSentences;
    ++m_gsaSentences;
    for (int number : gsa.satellites) {
        const qint64 k = key(system, number);
        if (number >= 1 && m_usedKeys.size() < MaxUsed && !m_usedKeys.contains(k))
            m_usedKeys.append(k);
    }
    e.satellitesUsed = int(m_usedKeys.size());
}

void NmeaPositionInfoSourceRaw::addGsv(const NmeaSentence &sentence)
{
    NmeaGsv gsv;
    if (!Nmea::parseGsv(sentence, &gsv))
        return;
    Epoch &e = m_current;
    e.hasGsv = true;
    e.gsvNumMessages = gsv.numMessages;
    e.gsvMessageNumber = gsv.messageNumber;
    // One group per system, and per signal from NMEA 4.1 on: the same
    // satellites on a second signal must not count twice.
    const int system = systemOfTalker(sentence.talker);
    auto group = std::find_if(m_inView.begin(), m_inView.end(), [&](const SystemInView &s) { return s.system == system; });
    if (group != m_inView.end())
        group->count = std::max(group->count, gsv.satellitesInView);
    else if (m_inView.size() < MaxSystems)
        m_inView.append({system, gsv.satellitesInView});
    qint64 inView = 0;
    for (const SystemInView &s : m_inView)
        inView += s.count;
    e.satellitesInView = int(std::min<qint64>(inView, std::numeric_limits<int>::max()));
    for (int k = 0; k < gsv.count; ++k) {
        const NmeaSatellite &satellite = gsv.satellites[k];
        const qint64 id = key(system, satellite.number);
        if (satellite.number < 1 || e.satelliteCount >= MaxSatellites || m_satelliteKeys.contains(id))
            continue;
        m_satelliteKeys.append(id);
        e.satellites[e.satelliteCount++] = satellite;
    }
}

void NmeaPositionInfoSourceRaw::decideFix(Epoch &e) const
{
    // A fix counts only where the receiver says so: GGA quality 1 or more,
    // or RMC "A" in a mode other than "not valid"; and never against a GSA
    // that says "no fix".
    QGeoCoordinate fromGga;
    QGeoCoordinate fromRmc;
    const bool ggaFix = e.hasGga && e.gga.fixQuality >= 1
        && position(e.gga.latitude, e.gga.northSouth, e.gga.longitude, e.gga.eastWest, &fromGga);
    const bool rmcValid = e.hasRmc && e.rmc.status == QLatin1String("A") && e.rmc.mode != QLatin1String("N");
    const bool rmcFix =
        rmcValid && position(e.rmc.latitude, e.rmc.northSouth, e.rmc.longitude, e.rmc.eastWest, &fromRmc);
    e.fix = (ggaFix || rmcFix) && (!e.hasGsa || e.gsaMode >= 2);
    if (!e.fix)
        return;
    QGeoCoordinate coordinate = ggaFix ? fromGga : fromRmc;
    if (ggaFix && !e.gga.heightUnit.isEmpty())
        coordinate.setAltitude(e.gga.heightOverSea);
    e.position.setCoordinate(coordinate);
    // The date of an RMC without a fix may come from a receiver's week
    // rollover: only "A" gives the time.
    const QDate date = Nmea::date(e.rmc.date);
    const int time = Nmea::timeOfDay(e.rmc.utcTime);
    if (rmcValid && date.isValid() && time >= 0)
        e.position.setTimestamp(QDateTime(date, QTime::fromMSecsSinceStartOfDay(time), Qt::UTC));
    if (rmcValid) {
        e.position.setAttribute(QGeoPositionInfo::GroundSpeed, e.rmc.speedOverGround * MetresPerSecondPerKnot);
        e.position.setAttribute(QGeoPositionInfo::Direction, e.rmc.courseOverGround);
    }
}

void NmeaPositionInfoSourceRaw::completeEpoch()
{
    m_gap.stop();
    const Epoch &e = m_current;
    if (!e.hasGga && !e.hasRmc && !e.hasGsa && !e.hasGsv)
        return;
    m_last = m_current;
    m_current = Epoch();
    m_usedKeys.clear();
    m_satelliteKeys.clear();
    m_inView.clear();
    m_gsaSentences = 0;
    decideFix(m_last);
    if (m_last.fix) {
        m_lastKnown = m_last.position;
        deliver(m_last.position);
    } else {
        // A fix held back for the interval is no longer current.
        m_hasPending = false;
    }
    emit epochCompleted();
}

void NmeaPositionInfoSourceRaw::deliver(const QGeoPositionInfo &position)
{
    if (m_request.isActive()) {
        m_request.stop();
        emit positionUpdated(position);
        return;
    }
    if (!m_running)
        return;
    if (updateInterval() <= 0) {
        emit positionUpdated(position);
        return;
    }
    m_pending = position;
    m_hasPending = true;
    // An interval went by without a fix: this one need not wait.
    if (m_missedInterval)
        intervalElapsed();
}

// Hands on the newest fix of the interval; the second interval in a row
// without one reports a time-out, once until the next fix.
void NmeaPositionInfoSourceRaw::intervalElapsed()
{
    if (m_hasPending) {
        m_hasPending = false;
        m_missedInterval = false;
        m_timeoutSent = false;
        emit positionUpdated(m_pending);
        return;
    }
    if (m_missedInterval && !m_timeoutSent) {
        m_timeoutSent = true;
        emit updateTimeout();
    }
    m_missedInterval = true;
}

void NmeaPositionInfoSourceRaw::setUpdateInterval(int msec)
{
    QGeoPositionInfoSource::setUpdateInterval(std::max(0, msec));
    if (m_running)
        startUpdates();
}

QGeoPositionInfo NmeaPositionInfoSourceRaw::lastKnownPosition(bool) const
{
    return m_lastKnown;
}

void NmeaPositionInfoSourceRaw::startUpdates()
{
    m_running = true;
    m_hasPending = false;
    m_missedInterval = false;
    m_timeoutSent = false;
    if (updateInterval() > 0)
        m_interval.start(updateInterval());
    else
        m_interval.stop();
}

void NmeaPositionInfoSourceRaw::stopUpdates()
{
    m_running = false;
    m_interval.stop();
    m_hasPending = false;
}

void NmeaPositionInfoSourceRaw::requestUpdate(int timeout)
{
    // Without a time-out given, five minutes: a cold start may take that long.
    m_request.start(timeout > 0 ? timeout : 5 * 60 * 1000);
}
