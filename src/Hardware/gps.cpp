#include "gps.h"

#include "gpio.h"
#include "mainmenu.h"
#include "nmeapositioninfosourceraw.h"
#include "platform.h"
#include "serialline.h"
#include "systemsettings.h"

#include <QDebug>
#include <QIODevice>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

// Hands whole sentences to Qt's NMEA source. Qt reads its device line by
// line and leaves a partial line where it is; straight on the serial port,
// noise without a line end would pile up in the port's unlimited buffer.
// This device only ever holds the complete, bounded lines of one chunk.
class GpsLineFeed : public QIODevice
{
public:
    GpsLineFeed() { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_lines.size() + QIODevice::bytesAvailable(); }
    bool canReadLine() const override { return m_lines.contains('\n') || QIODevice::canReadLine(); }

    void push(const QByteArray &lines)
    {
        m_lines.append(lines);
        emit readyRead();
        // Nobody reads while updates are stopped: the next fix is what counts.
        m_lines.clear();
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override { return take(data, maxSize, int(m_lines.size())); }
    qint64 readLineData(char *data, qint64 maxSize) override
    {
        const int nl = m_lines.indexOf('\n');
        return take(data, maxSize, nl < 0 ? int(m_lines.size()) : nl + 1);
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    qint64 take(char *data, qint64 maxSize, int wanted)
    {
        const int n = int(std::min<qint64>(maxSize, wanted));
        if (n <= 0)
            return 0;
        std::memcpy(data, m_lines.constData(), size_t(n));
        m_lines.remove(0, n);
        return n;
    }

    QByteArray m_lines;
};

namespace {

const char PortName[] = "/dev/ttyO1";
constexpr unsigned GpsPowerLine = 16;
const QString NoGps = QStringLiteral("NO GPS");

const Systemsettings *systemsettings()
{
    const MainMenu *main = MainMenu::getInstanceMainMenu();
    return main ? main->getInstanceSystemsettings() : nullptr;
}

// Field texts that do not convert (or overflow) count as zero.
double number(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

// A double beyond the float range would not convert.
float dilution(const QString &text)
{
    const double value = number(text);
    return value <= double(std::numeric_limits<float>::max()) ? float(value) : 0.0f;
}

int integer(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

const QRegularExpression &ggaPattern()
{
    static const QRegularExpression re(QStringLiteral(
        "\\$(GPGGA|GNGGA),(\\d+.\\d+|),(\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),(\\w+|),(\\d+),(\\d+),(\\d+.\\d+|),"
        "(\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),(\\d+.\\d+|)\\*([0-9a-fA-F]+)"));
    return re;
}

const QRegularExpression &gsaPattern()
{
    static const QRegularExpression re(QStringLiteral(
        "\\$(GPGSA|GNGSA),(\\w+),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),"
        "(\\d+|),(\\d+|),(\\d+|),(\\d+.\\d+|),(\\d+.\\d+|),(\\d+.\\d+|)\\*([0-9a-fA-F]+)"));
    return re;
}

const QRegularExpression &rmcPattern()
{
    static const QRegularExpression re(QStringLiteral(
        "\\$(GPRMC|GNRMC),(\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),"
        "(\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),(\\w+|),(\\w+|)\\*([0-9a-fA-F]+)"));
    return re;
}

const QRegularExpression &rmcTimePattern()
{
    static const QRegularExpression re(QStringLiteral("\\$(GPRMC|GNRMC),(\\d+)"));
    return re;
}

const QRegularExpression &gsvHeaderPattern()
{
    static const QRegularExpression re(QStringLiteral("\\$(GPGSV|GLGSV),(\\d+),(\\d+),(\\d+)"));
    return re;
}

// The pattern for a GSV message carrying count (1..4) satellites.
const QRegularExpression &gsvPattern(int count)
{
    static const QRegularExpression patterns[4] = {
        QRegularExpression(QStringLiteral("\\$(GPGSV|GLGSV),(\\d+),(\\d+),(\\d+),(\\d+|),(\\d+|),(\\d+|),(\\d+|)"
                                          "\\*([0-9a-fA-F]+)")),
        QRegularExpression(QStringLiteral("\\$(GPGSV|GLGSV),(\\d+),(\\d+),(\\d+),(\\d+|),(\\d+|),(\\d+|),(\\d+|),"
                                          "(\\d+|),(\\d+|),(\\d+|),(\\d+|)\\*([0-9a-fA-F]+)")),
        QRegularExpression(QStringLiteral("\\$(GPGSV|GLGSV),(\\d+),(\\d+),(\\d+),(\\d+|),(\\d+|),(\\d+|),(\\d+|),"
                                          "(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|)"
                                          "\\*([0-9a-fA-F]+)")),
        QRegularExpression(QStringLiteral("\\$(GPGSV|GLGSV),(\\d+),(\\d+),(\\d+),(\\d+|),(\\d+|),(\\d+|),(\\d+|),"
                                          "(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),"
                                          "(\\d+|),(\\d+|),(\\d+|)\\*([0-9a-fA-F]+)")),
    };
    return patterns[count - 1];
}

} // namespace

Gps::Gps(QObject *parent)
    : QObject(parent),
      uartPort1(new SerialLine(9600, this)),
      m_feed(std::make_unique<GpsLineFeed>()),
      m_nmeaSource(std::make_unique<NmeaPositionInfoSourceRaw>())
{
    connect(uartPort1, &SerialLine::readyRead, this, &Gps::readPort);
    connect(uartPort1, &SerialLine::reopened, this, &Gps::lineReopened);
    uartPort1->open(QString::fromLatin1(PortName));
    m_nmeaSource->setDevice(m_feed.get());
}

// The members go in reverse order: the source before the device it reads.
Gps::~Gps() = default;

void Gps::initGps(int updateIntervalMs)
{
    m_valid = false;
    const Systemsettings *settings = systemsettings();
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
    QByteArray lines;
    int start = 0;
    for (int nl = m_lineBuffer.indexOf('\n'); nl >= 0; start = nl + 1, nl = m_lineBuffer.indexOf('\n', start)) {
        // A sentence starts at its '$'; what precedes it on the line is noise
        // (a receiver powering up, a damaged byte).
        const int dollar = m_lineBuffer.lastIndexOf('$', nl);
        if (dollar >= start && nl + 1 - dollar <= MaxSentence)
            lines.append(m_lineBuffer.constData() + dollar, nl + 1 - dollar);
    }
    m_lineBuffer.remove(0, start);
    // NMEA sentences are at most 82 characters; a longer run without a line
    // end is noise, and only its tail can still begin a sentence.
    if (m_lineBuffer.size() > MaxSentence)
        m_lineBuffer.remove(0, m_lineBuffer.size() - MaxSentence);
    if (!lines.isEmpty())
        m_feed->push(lines);
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

void Gps::readGpsData()
{
    m_posInfo = m_nmeaSource->lastKnownPosition();
    m_latitude = m_posInfo.coordinate().latitude();
    m_longitude = m_posInfo.coordinate().longitude();
    m_dateTime = m_posInfo.timestamp();
    m_valid = m_posInfo.isValid();
    if (m_valid && m_setSystemTime && setSystemTime())
        m_setSystemTime = false;
    parseGsa();
    analyseGsvString();
    parseRmc();
    parseGga();
}

bool Gps::setSystemTime()
{
    const Systemsettings *settings = systemsettings();
    const int offset = settings ? settings->getTimezoneOffset() + settings->getDaylightSavingTimeOffet() : 0;
    return setSystemClock(m_dateTime, offset);
}

bool Gps::setSystemClock(const QDateTime &utc, int offsetSeconds)
{
    if (!utc.isValid())
        return false;
    const QDateTime fix = utc.toUTC();
    if (fix.date().year() < FirstClockYear || fix.date().year() > LastClockYear)
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

void Gps::parseGga()
{
    const QRegularExpressionMatch m = ggaPattern().match(m_nmeaSource->getNmeaGgaString());
    if (!m.hasMatch()) {
        qDebug() << "No GGA match";
        return;
    }
    m_gga.utcTime = m.captured(2);
    m_gga.latitude = m.captured(3);
    m_gga.northSouth = m.captured(4);
    m_gga.longitude = m.captured(5);
    m_gga.eastWest = m.captured(6);
    m_gga.fixQuality = integer(m.captured(7));
    m_gga.numSatellites = integer(m.captured(8));
    m_gga.hdop = number(m.captured(9));
    m_gga.heightOverSea = number(m.captured(10));
    m_gga.heightUnit = m.captured(11);
    m_gga.geoidalSeparation = number(m.captured(12));
    m_gga.geoidalUnit = m.captured(13);
    m_gga.dgpsAge = m.captured(14);
    m_gga.dgpsStation = m.captured(15);
}

void Gps::parseGsa()
{
    const QRegularExpressionMatch m = gsaPattern().match(m_nmeaSource->getNmeaGsaString());
    if (!m.hasMatch()) {
        qDebug() << "No GPGSA match";
        return;
    }
    m_gsa.mode1 = m.captured(2);
    m_gsa.mode2 = integer(m.captured(3));
    m_numSatellitesUsed = 0;
    for (int i = 0; i < 12; ++i) {
        m_gsa.satellites[i] = integer(m.captured(4 + i));
        if (m_gsa.satellites[i] >= 1)
            ++m_numSatellitesUsed;
    }
    m_pdop = m_gsa.pdop = dilution(m.captured(16));
    m_hdop = m_gsa.hdop = dilution(m.captured(17));
    m_vdop = m_gsa.vdop = dilution(m.captured(18));
}

void Gps::parseRmc()
{
    const QRegularExpressionMatch m = rmcPattern().match(m_nmeaSource->getNmeaRmcString());
    if (!m.hasMatch()) {
        qDebug() << "No RMC match";
        return;
    }
    m_rmc.utcTime = m.captured(2);
    m_rmc.status = m.captured(3);
    m_rmc.latitude = m.captured(4);
    m_rmc.northSouth = m.captured(5);
    m_rmc.longitude = m.captured(6);
    m_rmc.eastWest = m.captured(7);
    m_rmc.speedOverGround = number(m.captured(8));
    m_rmc.courseOverGround = number(m.captured(9));
    m_rmc.date = m.captured(10);
    m_rmc.magneticVariation = number(m.captured(11));
    m_rmc.magneticDirection = m.captured(12);
    m_rmc.mode = m.captured(13);
}

void Gps::analyseGsvString()
{
    // A message that does not match leaves a gap that the next message's
    // satellites close; whatever lies past the last one stored is cleared,
    // so a shorter cycle leaves no satellites of an earlier one behind.
    int index = 0;
    for (int slot = 0; slot < NmeaPositionInfoSourceRaw::GsvSlots; ++slot) {
        const QString sentence = m_nmeaSource->getNmeaGsvString(slot);
        const QRegularExpressionMatch header = gsvHeaderPattern().match(sentence);
        if (!header.hasMatch())
            continue;
        m_gsvNumMessages = integer(header.captured(2));
        m_gsvMessageNumber = integer(header.captured(3));
        m_gsvSatellitesInView = integer(header.captured(4));
        // 64 bits: the counts are whatever digits the sentence carries.
        const qint64 last = qint64(m_gsvSatellitesInView) - 4 * (qint64(m_gsvNumMessages) - 1);
        const int count = m_gsvMessageNumber == m_gsvNumMessages ? int(std::clamp<qint64>(last, 0, 5)) : 4;
        if (count < 1 || count > 4)
            continue;
        const QRegularExpressionMatch m = gsvPattern(count).match(sentence);
        if (!m.hasMatch())
            continue;
        // At most four per slot, so the index stays below MaxSatellites.
        for (int k = 0; k < count; ++k, ++index) {
            GsvSatellite &satellite = m_gsvSatellites[index];
            satellite.number = integer(m.captured(5 + 4 * k));
            satellite.elevation = integer(m.captured(6 + 4 * k));
            satellite.azimuth = integer(m.captured(7 + 4 * k));
            satellite.snr = integer(m.captured(8 + 4 * k));
        }
    }
    std::fill(m_gsvSatellites + index, m_gsvSatellites + MaxSatellites, GsvSatellite());
}

Gps::GsvSatellite Gps::gsvSatellite(int index) const
{
    return index >= 0 && index < MaxSatellites ? m_gsvSatellites[index] : GsvSatellite();
}

QString Gps::getRmcUtcTime() const
{
    const QString rmc = m_nmeaSource->getNmeaRmcString();
    if (rmc.isEmpty())
        return NoGps;
    const QRegularExpressionMatch m = rmcTimePattern().match(rmc);
    if (!m.hasMatch())
        return QStringLiteral("...");
    QString time = m.captured(2).left(6);
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
