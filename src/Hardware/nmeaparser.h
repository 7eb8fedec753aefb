#ifndef NMEAPARSER_H
#define NMEAPARSER_H

#include <QByteArray>
#include <QByteArrayList>
#include <QDate>
#include <QString>

// NMEA 0183 sentences as receivers of every age print them (2.x to 4.1):
// split into fields by position, so that the fields later versions add at
// the end and any talker (GP, GL, GA, GB, BD, GQ, GN, ...) read the same.
struct NmeaSentence
{
    QByteArray talker; // "GP", "GN", ...
    QByteArray type;   // "GGA", "RMC", ...
    QByteArrayList fields;

    // False for anything but "$" + five address letters + fields + a
    // matching "*HH" checksum (line end and trailing blanks allowed).
    bool parse(const char *data, int size);
    // Empty past the last field.
    QByteArray field(int index) const { return index >= 0 && index < fields.size() ? fields.at(index) : QByteArray(); }
};

struct NmeaGga
{
    QString utcTime, latitude, northSouth, longitude, eastWest;
    int fixQuality = 0;
    int numSatellites = 0;
    double hdop = 0.0;
    double heightOverSea = 0.0;
    QString heightUnit;
    double geoidalSeparation = 0.0;
    QString geoidalUnit, dgpsAge, dgpsStation;
};

struct NmeaGsa
{
    QString mode1;
    int mode2 = 0;
    int satellites[12] = {};
    float pdop = 0.0f, hdop = 0.0f, vdop = 0.0f;
    int systemId = 0; // NMEA 4.1: 1 GPS, 2 GLONASS, 3 Galileo, 4 BeiDou, 5 QZSS, 6 NavIC; 0 not given
};

struct NmeaRmc
{
    QString utcTime, status, latitude, northSouth, longitude, eastWest;
    double speedOverGround = 0.0;
    double courseOverGround = 0.0;
    QString date;
    double magneticVariation = 0.0;
    QString magneticDirection, mode;
    QString navigationStatus; // NMEA 4.1
};

struct NmeaSatellite
{
    int number = 0, elevation = 0, azimuth = 0, snr = 0;
};

struct NmeaGsv
{
    int numMessages = 0, messageNumber = 0, satellitesInView = 0;
    int count = 0; // satellites carried by this message, 0..4
    NmeaSatellite satellites[4];
    int signalId = 0; // NMEA 4.1; 0 not given
};

namespace Nmea {

// False when the sentence lacks the fields every version prints.
bool parseGga(const NmeaSentence &sentence, NmeaGga *gga);
bool parseGsa(const NmeaSentence &sentence, NmeaGsa *gsa);
bool parseRmc(const NmeaSentence &sentence, NmeaRmc *rmc);
bool parseGsv(const NmeaSentence &sentence, NmeaGsv *gsv);

// "ddmm.mmmm" / "dddmm.mmmm" with its hemisphere letter to signed degrees;
// false for an empty, malformed or out-of-range field.
bool degrees(const QString &value, const QString &hemisphere, bool longitude, double *result);
// "hhmmss" or "hhmmss.sss" to milliseconds of the day; -1 when malformed.
int timeOfDay(const QString &time);
// "ddmmyy" with the two-digit year read as 1980..2079; invalid when malformed.
QDate date(const QString &ddmmyy);

// Texts that do not convert (or overflow) count as zero.
double number(const QString &text);
int integer(const QString &text);

} // namespace Nmea

#endif // NMEAPARSER_H
