#include "nmeaparser.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

QString text(const NmeaSentence &sentence, int index)
{
    return QString::fromLatin1(sentence.field(index));
}

// A double beyond the float range would not convert.
float dilution(const QString &text)
{
    const double value = Nmea::number(text);
    return std::fabs(value) <= double(std::numeric_limits<float>::max()) ? float(value) : 0.0f;
}

bool allDigits(const QString &text, int from, int to)
{
    for (int i = from; i < to; ++i) {
        if (!text.at(i).isDigit())
            return false;
    }
    return true;
}

} // namespace

bool NmeaSentence::parse(const char *data, int size)
{
    // Line end and blanks after the checksum are part of what a line holds.
    while (size > 0 && (data[size - 1] == '\n' || data[size - 1] == '\r' || data[size - 1] == ' '))
        --size;
    if (size < 9 || data[0] != '$' || data[size - 3] != '*')
        return false;
    int sum = 0;
    for (int i = 1; i < size - 3; ++i) {
        // A second start or checksum mark means two sentences run together.
        if (data[i] == '$' || data[i] == '*')
            return false;
        sum ^= static_cast<unsigned char>(data[i]);
    }
    const int high = hexDigit(data[size - 2]);
    const int low = hexDigit(data[size - 1]);
    if (high < 0 || low < 0 || high * 16 + low != sum)
        return false;
    for (int i = 1; i <= 5; ++i) {
        if (data[i] < 'A' || data[i] > 'Z')
            return false;
    }
    if (size > 9 && data[6] != ',')
        return false;
    talker = QByteArray(data + 1, 2);
    type = QByteArray(data + 3, 3);
    fields = size > 9 ? QByteArray(data + 7, size - 10).split(',') : QByteArrayList();
    return true;
}

namespace Nmea {

double number(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

int integer(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

bool degrees(const QString &value, const QString &hemisphere, bool longitude, double *result)
{
    const int degreeDigits = longitude ? 3 : 2;
    const int point = value.indexOf(QLatin1Char('.'));
    const int whole = point < 0 ? int(value.size()) : point;
    // Some receivers drop leading zeros; the minutes always have two digits.
    if (whole < 3 || whole > degreeDigits + 2 || !allDigits(value, 0, whole)
        || (point >= 0 && !allDigits(value, point + 1, int(value.size()))))
        return false;
    const double minutes = number(value.mid(whole - 2));
    const int wholeDegrees = value.left(whole - 2).toInt();
    if (minutes >= 60.0 || wholeDegrees > (longitude ? 180 : 90))
        return false;
    const double magnitude = wholeDegrees + minutes / 60.0;
    if (magnitude > (longitude ? 180.0 : 90.0))
        return false;
    if (hemisphere == QLatin1String(longitude ? "W" : "S"))
        *result = -magnitude;
    else if (hemisphere == QLatin1String(longitude ? "E" : "N"))
        *result = magnitude;
    else
        return false;
    return true;
}

int timeOfDay(const QString &time)
{
    if (time.size() < 6 || !allDigits(time, 0, 6))
        return -1;
    const int hours = time.leftRef(2).toInt();
    const int minutes = time.midRef(2, 2).toInt();
    // 60: a leap second.
    const int seconds = time.midRef(4, 2).toInt();
    if (hours > 23 || minutes > 59 || seconds > 60)
        return -1;
    int ms = 0;
    if (time.size() > 6) {
        if (time.at(6) != QLatin1Char('.') || time.size() == 7 || !allDigits(time, 7, int(time.size())))
            return -1;
        // Milliseconds from the first three decimals.
        const QString fraction = time.mid(7, 3).leftJustified(3, QLatin1Char('0'));
        ms = fraction.toInt();
    }
    return ((hours * 60 + minutes) * 60 + std::min(seconds, 59)) * 1000 + ms;
}

QDate date(const QString &ddmmyy)
{
    if (ddmmyy.size() != 6 || !allDigits(ddmmyy, 0, 6))
        return QDate();
    const int year = ddmmyy.midRef(4, 2).toInt();
    return QDate(year < 80 ? 2000 + year : 1900 + year, ddmmyy.midRef(2, 2).toInt(), ddmmyy.leftRef(2).toInt());
}

bool parseGga(const NmeaSentence &s, NmeaGga *gga)
{
    // Time up to the fix quality must be there; the rest may be cut short.
    if (s.type != "GGA" || s.fields.size() < 6)
        return false;
    NmeaGga g;
    g.utcTime = text(s, 0);
    g.latitude = text(s, 1);
    g.northSouth = text(s, 2);
    g.longitude = text(s, 3);
    g.eastWest = text(s, 4);
    g.fixQuality = integer(text(s, 5));
    g.numSatellites = integer(text(s, 6));
    g.hdop = number(text(s, 7));
    g.heightOverSea = number(text(s, 8));
    g.heightUnit = text(s, 9);
    g.geoidalSeparation = number(text(s, 10));
    g.geoidalUnit = text(s, 11);
    g.dgpsAge = text(s, 12);
    g.dgpsStation = text(s, 13);
    *gga = g;
    return true;
}

bool parseGsa(const NmeaSentence &s, NmeaGsa *gsa)
{
    // Two modes, twelve satellites, three dilutions, and from NMEA 4.1 on
    // the system id.
    if (s.type != "GSA" || (s.fields.size() != 17 && s.fields.size() != 18))
        return false;
    NmeaGsa g;
    g.mode1 = text(s, 0);
    g.mode2 = integer(text(s, 1));
    for (int i = 0; i < 12; ++i)
        g.satellites[i] = integer(text(s, 2 + i));
    g.pdop = dilution(text(s, 14));
    g.hdop = dilution(text(s, 15));
    g.vdop = dilution(text(s, 16));
    g.systemId = integer(text(s, 17));
    *gsa = g;
    return true;
}

bool parseRmc(const NmeaSentence &s, NmeaRmc *rmc)
{
    // NMEA 2.0 ends after the magnetic variation, 2.3 adds the mode and 4.1
    // the navigational status.
    if (s.type != "RMC" || s.fields.size() < 9)
        return false;
    NmeaRmc r;
    r.utcTime = text(s, 0);
    r.status = text(s, 1);
    r.latitude = text(s, 2);
    r.northSouth = text(s, 3);
    r.longitude = text(s, 4);
    r.eastWest = text(s, 5);
    r.speedOverGround = number(text(s, 6));
    r.courseOverGround = number(text(s, 7));
    r.date = text(s, 8);
    r.magneticVariation = number(text(s, 9));
    r.magneticDirection = text(s, 10);
    r.mode = text(s, 11);
    r.navigationStatus = text(s, 12);
    *rmc = r;
    return true;
}

bool parseGsv(const NmeaSentence &s, NmeaGsv *gsv)
{
    // Three counts, up to four satellites of four fields, and from NMEA 4.1
    // on the signal id.
    if (s.type != "GSV" || s.fields.size() < 3)
        return false;
    const int rest = int(s.fields.size()) - 3;
    const int count = rest / 4;
    if (count > 4 || (rest % 4 != 0 && rest % 4 != 1))
        return false;
    NmeaGsv g;
    g.numMessages = integer(text(s, 0));
    g.messageNumber = integer(text(s, 1));
    g.satellitesInView = integer(text(s, 2));
    if (g.numMessages < 1 || g.messageNumber < 1 || g.messageNumber > g.numMessages || g.satellitesInView < 0)
        return false;
    g.count = count;
    for (int k = 0; k < count; ++k) {
        NmeaSatellite &satellite = g.satellites[k];
        satellite.number = integer(text(s, 3 + 4 * k));
        satellite.elevation = integer(text(s, 4 + 4 * k));
        satellite.azimuth = integer(text(s, 5 + 4 * k));
        satellite.snr = integer(text(s, 6 + 4 * k));
    }
    g.signalId = rest % 4 == 1 ? integer(text(s, 3 + 4 * count)) : 0;
    *gsv = g;
    return true;
}

} // namespace Nmea
