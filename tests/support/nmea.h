#ifndef NMEA_H
#define NMEA_H

#include <QByteArray>

// "$body*hh\r\n" with the right checksum.
inline QByteArray nmea(const QByteArray &body)
{
    int sum = 0;
    for (char c : body)
        sum ^= quint8(c);
    return '$' + body + '*' + QByteArray::number(sum, 16).rightJustified(2, '0').toUpper() + "\r\n";
}

// A fix at the given RMC time and date, at lat/lon in NMEA form.
inline QByteArray fixAt(const QByteArray &time, const QByteArray &date,
                        const QByteArray &where = "4807.038,N,01131.000,E")
{
    return nmea("GPRMC," + time + ",A," + where + ",022.4,084.4," + date + ",003.1,W,A")
           + nmea("GPGGA," + time + "," + where + ",1,08,0.9,545.4,M,46.9,M,,");
}

#endif // NMEA_H
