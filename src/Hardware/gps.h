#ifndef GPS_H
#define GPS_H

#include <QByteArray>
#include <QDateTime>
#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>
#include <QObject>
#include <QString>

#include "nmeapositioninfosourceraw.h"

#include <memory>

class SerialLine;

// The GNSS receiver on /dev/ttyO1 (9600 baud, NMEA 0183 out, UBX reset in),
// powered through GPIO 16. The NMEA source decodes each epoch of the
// receiver; its fields are kept here for the GPS monitor. When asked to, the
// first fix with a trustworthy time sets the system clock.
class Gps : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxSatellites = NmeaPositionInfoSourceRaw::MaxSatellites;
    // Longest sentence handed on, and the most kept while waiting for a
    // line end, in bytes.
    static constexpr int MaxSentence = 160;
    static constexpr int UpdateIntervalMs = 1200;
    static constexpr int LastClockYear = 2050;

    using GgaFields = NmeaGga;
    using GsaFields = NmeaGsa;
    using RmcFields = NmeaRmc;
    using GsvSatellite = NmeaSatellite;

    explicit Gps(QObject *parent = nullptr);
    ~Gps() override;

    // Position updates come at most once per interval; 0 hands over every
    // fix at once (no time-outs then).
    void initGps(int updateIntervalMs = UpdateIntervalMs);
    void switchOnGpsModul();
    void switchOffGpsModul();
    // The NMEA-enabled flag: updates are ignored while it is false.
    bool isSwitchedOn() const { return m_nmeaEnabled; }

    // Degrees; outside -90..90 (-180..180) or unknown reads as 0.0.
    double getLatitude() const;
    double getLongitude() const;
    QDateTime getDateTime() const { return m_dateTime; }
    QGeoPositionInfo getGpsInfo() const { return m_posInfo; }
    bool isGpsDataValid() const { return m_valid; }

    void enableSystemTimeSettingViaGps(bool enable) { m_setSystemTime = enable; }
    bool isSystemTimeSettingPending() const { return m_setSystemTime; }

    // Over all satellite systems of the last epoch.
    int getNumSatellitesInView() const { return m_gsvSatellitesInView; }
    int getNumSatellitesUsed() const { return m_numSatellitesUsed; }
    float getGpsInfoPdop() const { return m_pdop; }
    float getGpsInfoHdop() const { return m_hdop; }
    float getGpsInfoVdop() const { return m_vdop; }
    // As received: degrees and knots.
    double getGpsCourseOverGround() const { return m_rmc.courseOverGround; }
    double getGpsSpeedOverGround() const { return m_rmc.speedOverGround; }
    double getGpsHeightOverSea() const { return m_gga.heightOverSea; }

    // "hh:mm:ss" of the stored RMC sentence, "..." without a time, "NO GPS"
    // without a sentence.
    QString getRmcUtcTime() const;
    // Reception figure 0..100 for the GPS monitor.
    int getGpsQuality() const;
    // RMC, GSA and the first four GSV sentences; empty while switched off.
    QString getNmeaString() const;
    void clearLastGpsData();
    void closePort();

    // Read-only views of the parsed sentences.
    const GgaFields &ggaFields() const { return m_gga; }
    const GsaFields &gsaFields() const { return m_gsa; }
    const RmcFields &rmcFields() const { return m_rmc; }
    int gsvNumMessages() const { return m_gsvNumMessages; }
    int gsvMessageNumber() const { return m_gsvMessageNumber; }
    // A zeroed satellite outside 0..MaxSatellites-1.
    GsvSatellite gsvSatellite(int index) const;
    const NmeaPositionInfoSourceRaw *nmeaSource() const { return m_nmeaSource.get(); }

    // The receive path without the port: what the port's read notification
    // does with each chunk, and what a quiet line does after the sentences
    // of an epoch. Public so the parser can be fed directly.
    void receiveData(const QByteArray &chunk);
    void completeEpoch();
    int receiveBufferSize() const { return int(m_lineBuffer.size()); }

    // The 12-byte UBX CFG-RST: controlled GNSS start or stop.
    static QByteArray ubxResetMessage(bool start);
    // Sets the system and hardware clock to utc + offsetSeconds; false
    // (nothing run) for an invalid time, one before the program was built
    // or one after LastClockYear.
    static bool setSystemClock(const QDateTime &utc, int offsetSeconds);
    // The day the program was built, 00:00 UTC.
    static QDateTime earliestClockTime();

public slots:
    void updatePosition();
    void updateError(QGeoPositionInfoSource::Error positioningError);
    void updateTimeout();

private slots:
    void readPort();
    void lineReopened();
    void takeEpoch();

private:
    void switchModule(bool on);
    void readGpsData();
    bool setSystemTime();
    void clearPosition();

    SerialLine *uartPort1 = nullptr;
    std::unique_ptr<NmeaPositionInfoSourceRaw> m_nmeaSource;
    QByteArray m_lineBuffer;

    QGeoPositionInfo m_posInfo;
    double m_latitude = 0.0;
    double m_longitude = 0.0;
    QDateTime m_dateTime;
    bool m_valid = false;
    bool m_setSystemTime = false;
    bool m_nmeaEnabled = false;

    GgaFields m_gga;
    GsaFields m_gsa;
    RmcFields m_rmc;
    int m_gsvNumMessages = 0;
    int m_gsvMessageNumber = 0;
    int m_gsvSatellitesInView = 0;
    GsvSatellite m_gsvSatellites[MaxSatellites];
    int m_numSatellitesUsed = 0;
    float m_pdop = 0.0f;
    float m_hdop = 0.0f;
    float m_vdop = 0.0f;
};

#endif // GPS_H
