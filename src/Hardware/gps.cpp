#include "gps.h"

#include "gpio.h"
#include "mainmenu.h"
#include "nmeapositioninfosourceraw.h"
#include "platform.h"
#include "serialline.h"
#include "systemsettings.h"

#include <QDebug>

#include <algorithm>

namespace {

const char PortName[] = "/dev/ttyO1";
constexpr unsigned GpsPowerLine = 16;
const QString NoGps = QStringLiteral("NO GPS");


} // namespace

Gps::Gps(QObject *parent)
    : QObject(parent),
      uartPort1(new SerialLine(9600, this)),
      m_nmeaSource(std::make_unique<NmeaPositionInfoSourceRaw>())
{
    connect(uartPort1, &SerialLine::readyRead, this, &Gps::readPort);
    connect(uartPort1, &SerialLine::reopened, this, &Gps::lineReopened);
    connect(m_nmeaSource.get(), &NmeaPositionInfoSourceRaw::epochCompleted, this, &Gps::takeEpoch);
    uartPort1->open(QString::fromLatin1(PortName));
}

Gps::~Gps() = default;

void Gps::initGps(int updateIntervalMs)
{
    m_valid = false;
    const Systemsettings *settings = MainMenu::settings();
    if (settings && settings->getDateTimeSource() == QLatin1String("GPS"))
        m_setSystemTime = true;
    m_nmeaSource->setUpdateInterval(updateIntervalMs);
    m_nmeaSource->startUpdates();
    connect(m_nmeaSource.get(), &QGeoPositionInfoSource::positionUpdated, this, &Gps::updatePosition,
            Qt::UniqueConnection);
    connect(m_nmeaSource.get(), QOverload<QGeoPositionInfoSource::Error>::of(&QGeoPositionInfoSource::error), this,
            &Gps::updateError, Qt::UniqueConnection);
    connect(m_nmeaSource.get(), &QGeoPositionInfoSource::updateTimeout, this, &Gps::updateTimeout,
            Qt::UniqueConnection);
    m_posInfo = m_nmeaSource->lastKnownPosition();
}

void Gps::switchOnGpsModul()
{
    switchModule(true);
}

void Gps::switchOffGpsModul()
{
    switchModule(false);
}

QByteArray Gps::ubxResetMessage(bool start)
{
    // Sync, class CFG, id RST, length 4, nothing to clear, reset mode, reserved.
    QByteArray message("\xb5\x62\x06\x04\x04\x00\x00\x00\x00\x00", 10);
    message[8] = start ? '\x09' : '\x08';
    quint8 a = 0;
    quint8 b = 0;
    for (int i = 2; i < message.size(); ++i) {
        a = quint8(a + quint8(message.at(i)));
        b = quint8(b + a);
    }
    message.append(char(a));
    message.append(char(b));
    return message;
}

void Gps::switchModule(bool on)
{
    Gpio::setValue(GpsPowerLine, on ? 1 : 0);
    const QByteArray message = ubxResetMessage(on);
    qDebug() << (on ? "GNSS switched on:" : "GNSS switched off:") << message.right(2).toHex(' ');
    uartPort1->write(message);
    m_nmeaEnabled = on;
    qDebug() << "NMEA enabled:" << m_nmeaEnabled;
}

void Gps::closePort()
{
    uartPort1->close();
}

// The receiver may have lost its power with the line: switched on again
// as at power-on when it was on.
void Gps::lineReopened()
{
    m_lineBuffer.clear();
    if (m_nmeaEnabled)
        switchModule(true);
}

void Gps::readPort()
{
    while (uartPort1->bytesAvailable() > 0)
        receiveData(uartPort1->read(1024));
}

void Gps::receiveData(const QByteArray &chunk)
{
    m_lineBuffer.append(chunk);
    int start = 0;
    for (int nl = m_lineBuffer.indexOf('\n'); nl >= 0; start = nl + 1, nl = m_lineBuffer.indexOf('\n', start)) {
        // A sentence starts at its '$'; what precedes it on the line is noise
        // (a receiver powering up, a damaged byte).
        const int dollar = m_lineBuffer.lastIndexOf('$', nl);
        if (dollar >= start && nl + 1 - dollar <= MaxSentence)
            m_nmeaSource->takeSentence(m_lineBuffer.constData() + dollar, nl + 1 - dollar);
    }
    m_lineBuffer.remove(0, start);
    // NMEA sentences are at most 82 characters; a longer run without a line
    // end is noise, and only its tail can still begin a sentence.
    if (m_lineBuffer.size() > MaxSentence)
        m_lineBuffer.remove(0, m_lineBuffer.size() - MaxSentence);
}

void Gps::completeEpoch()
{
    m_nmeaSource->completeEpoch();
}

void Gps::updatePosition()
{
    if (m_nmeaEnabled)
        readGpsData();
}

void Gps::updateError(QGeoPositionInfoSource::Error positioningError)
{
    qDebug() << "Error" << positioningError;
    clearPosition();
}

void Gps::updateTimeout()
{
    qDebug() << "Timeout";
    clearPosition();
}

void Gps::clearPosition()
{
    m_latitude = 0.0;
    m_longitude = 0.0;
    m_dateTime = QDateTime();
    m_valid = false;
}

double Gps::getLatitude() const
{
    return m_latitude >= -90.0 && m_latitude <= 90.0 ? m_latitude : 0.0;
}

double Gps::getLongitude() const
{
    return m_longitude >= -180.0 && m_longitude <= 180.0 ? m_longitude : 0.0;
}

// A fix from the source: the position, and the clock when it waits for one.
void Gps::readGpsData()
{
    m_posInfo = m_nmeaSource->lastKnownPosition();
    m_latitude = m_posInfo.coordinate().latitude();
    m_longitude = m_posInfo.coordinate().longitude();
    m_dateTime = m_posInfo.timestamp();
    m_valid = m_posInfo.coordinate().isValid();
    if (m_valid && m_setSystemTime && setSystemTime())
        m_setSystemTime = false;
}

// Every epoch, with or without a fix, brings the fields the GPS monitor
// shows; what an epoch lacks stays as it was.
void Gps::takeEpoch()
{
    if (!m_nmeaEnabled)
        return;
    const NmeaPositionInfoSourceRaw::Epoch &e = m_nmeaSource->lastEpoch();
    if (e.hasGga)
        m_gga = e.gga;
    if (e.hasRmc)
        m_rmc = e.rmc;
    if (e.hasGsa) {
        m_gsa = e.gsa;
        m_numSatellitesUsed = e.satellitesUsed;
        m_pdop = m_gsa.pdop;
        m_hdop = m_gsa.hdop;
        m_vdop = m_gsa.vdop;
    }
    if (e.hasGsv) {
        m_gsvNumMessages = e.gsvNumMessages;
        m_gsvMessageNumber = e.gsvMessageNumber;
        m_gsvSatellitesInView = e.satellitesInView;
        std::copy(e.satellites, e.satellites + e.satelliteCount, m_gsvSatellites);
        std::fill(m_gsvSatellites + e.satelliteCount, m_gsvSatellites + MaxSatellites, GsvSatellite());
    }
}

bool Gps::setSystemTime()
{
    const Systemsettings *settings = MainMenu::settings();
    const int offset = settings ? settings->getTimezoneOffset() + settings->getDaylightSavingTimeOffet() : 0;
    return setSystemClock(m_dateTime, offset);
}

QDateTime Gps::earliestClockTime()
{
    // "Mmm dd yyyy": a receiver's clock before this day is a receiver fault
    // (a week-number rollover, an empty backup battery).
    static const QDateTime built = [] {
        const QByteArray text(__DATE__);
        const int month = int(QByteArray("JanFebMarAprMayJunJulAugSepOctNovDec").indexOf(text.left(3))) / 3 + 1;
        return QDateTime(QDate(text.mid(7, 4).toInt(), month, text.mid(4, 2).trimmed().toInt()), QTime(0, 0),
                         Qt::UTC);
    }();
    return built;
}

bool Gps::setSystemClock(const QDateTime &utc, int offsetSeconds)
{
    if (!utc.isValid())
        return false;
    const QDateTime fix = utc.toUTC();
    if (fix < earliestClockTime() || fix.date().year() > LastClockYear)
        return false;
    const QDateTime local = fix.addSecs(offsetSeconds);
    qDebug() << "Offset Time:" << offsetSeconds << offsetSeconds / 3600 << (offsetSeconds % 3600) / 60;
    const QDate date = local.date();
    const QTime time = local.time();
    Platform::execute(QStringLiteral("date +%F -s %1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day()));
    Platform::execute(QStringLiteral("date +%T -s %1:%2:%3").arg(time.hour()).arg(time.minute()).arg(time.second()));
    Platform::execute(QStringLiteral("hwclock -w -f /dev/rtc0"));
    return true;
}

Gps::GsvSatellite Gps::gsvSatellite(int index) const
{
    return index >= 0 && index < MaxSatellites ? m_gsvSatellites[index] : GsvSatellite();
}

QString Gps::getRmcUtcTime() const
{
    const QByteArray rmc = m_nmeaSource->getNmeaRmcString().toLatin1();
    if (rmc.isEmpty())
        return NoGps;
    NmeaSentence sentence;
    const QByteArray field = sentence.parse(rmc.constData(), int(rmc.size())) ? sentence.field(0) : QByteArray();
    int digits = 0;
    while (digits < 6 && digits < field.size() && field.at(digits) >= '0' && field.at(digits) <= '9')
        ++digits;
    if (digits == 0)
        return QStringLiteral("...");
    QString time = QString::fromLatin1(field.left(digits));
    for (int at : {4, 2}) {
        if (time.size() > at)
            time.insert(at, QLatin1Char(':'));
    }
    return time;
}

int Gps::getGpsQuality() const
{
    const QString time = getRmcUtcTime();
    if (time == NoGps)
        return 0;
    if (!m_valid) {
        const int hour = time.left(2).toInt();
        return hour >= 3 && hour <= 22 ? 3 : 1;
    }
    const double h = m_hdop;
    const qint64 inView = m_gsvSatellitesInView;
    qint64 q = 0;
    if (h <= 0.01 || h >= 200.0)
        q = 15;
    else if (h >= 2.5)
        q = qint64(200.0 / h);
    else if (h <= 1.0 && inView > 4)
        q = 100;
    else
        q = 3 * inView + 80;
    if (q <= 9)
        q = inView;
    return int(std::clamp<qint64>(q, 0, 100));
}

QString Gps::getNmeaString() const
{
    if (!m_nmeaEnabled)
        return QString();
    QStringList sentences{m_nmeaSource->getNmeaRmcString(), m_nmeaSource->getNmeaGsaString()};
    for (int slot = 0; slot < 4; ++slot)
        sentences << m_nmeaSource->getNmeaGsvString(slot);
    return sentences.join(QLatin1Char('\n'));
}

void Gps::clearLastGpsData()
{
    m_nmeaSource->clearLastNmeaData();
    m_gsvSatellitesInView = 0;
    m_numSatellitesUsed = 0;
    m_pdop = m_hdop = m_vdop = 0.0f;
    m_rmc.speedOverGround = 0.0;
    m_rmc.courseOverGround = 0.0;
    m_gga.heightOverSea = 0.0;
}
