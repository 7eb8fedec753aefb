#include "nmeapositioninfosourceraw.h"

#include <QByteArray>

NmeaPositionInfoSourceRaw::NmeaPositionInfoSourceRaw(QObject *parent)
    : QNmeaPositionInfoSource(QNmeaPositionInfoSource::RealTimeMode, parent)
{
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

bool NmeaPositionInfoSourceRaw::hasValidChecksum(const char *data, int size)
{
    if (size < 1 || data[0] != '$')
        return false;
    int sum = 0;
    int star = 1;
    for (; star < size && data[star] != '*'; ++star)
        sum ^= static_cast<unsigned char>(data[star]);
    // Both digits must be there.
    if (star + 2 >= size)
        return false;
    const auto hex = [](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    const int high = hex(data[star + 1]);
    const int low = hex(data[star + 2]);
    return high >= 0 && low >= 0 && high * 16 + low == sum;
}

void NmeaPositionInfoSourceRaw::captureSentence(const char *data, int size)
{
    // A damaged sentence must not replace the last good one of its kind:
    // the fields of the GPS monitor are parsed from these copies.
    if (size < 11 || !hasValidChecksum(data, size))
        return;
    const QByteArray head(data, 6);
    const QString sentence = QString::fromLatin1(data, size).trimmed();
    if (head == "$GPGGA" || head == "$GNGGA") {
        m_nmeaGPGGA = sentence;
    } else if (head == "$GPGSA" || head == "$GNGSA") {
        m_nmeaGPGSA = sentence;
    } else if (head == "$GPRMC" || head == "$GNRMC") {
        m_nmeaGPRMC = sentence;
    } else if (head == "$GPVTG") {
        m_nmeaGPVTG = sentence;
    } else if (head == "$GPGSV" || head == "$GLGSV") {
        // The message number is a single digit followed by a comma; the
        // first message of a cycle starts the slots afresh.
        const char digit = data[9];
        if (data[10] != ',' || digit < '1' || digit > '0' + GsvSlots)
            return;
        const int slot = digit - '1';
        if (slot == 0) {
            for (QString &gsv : m_nmeaGPGSV)
                gsv.clear();
        }
        m_nmeaGPGSV[slot] = sentence;
    }
}

bool NmeaPositionInfoSourceRaw::parsePosInfoFromNmeaData(const char *data, int size, QGeoPositionInfo *posInfo,
                                                         bool *hasFix)
{
    captureSentence(data, size);
    return QNmeaPositionInfoSource::parsePosInfoFromNmeaData(data, size, posInfo, hasFix);
}
