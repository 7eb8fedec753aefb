#ifndef NMEAPOSITIONINFOSOURCERAW_H
#define NMEAPOSITIONINFOSOURCERAW_H

#include "nmeaparser.h"

#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>
#include <QString>
#include <QTimer>
#include <QVector>

// The position source of the GNSS receiver. It decodes NMEA 2.x to 4.1 from
// any talker, gathers the sentences of one epoch (one instant of the
// receiver: its GGA, RMC, and one GSA and GSV group per system), takes a
// fix only where the receiver says it has one, and keeps the most recent
// raw sentence of each kind the GPS monitor shows.
class NmeaPositionInfoSourceRaw : public QGeoPositionInfoSource
{
    Q_OBJECT
public:
    static constexpr int GsvSlots = 5;
    static constexpr int MaxSatellites = 20;
    // Distinct satellites counted as used, and systems counted in view, per
    // epoch: more than any receiver tracks, so noise cannot grow the lists.
    static constexpr int MaxUsed = 96;
    static constexpr int MaxSystems = 16;
    // Quiet time on the line after which an epoch's sentences are complete.
    static constexpr int EpochGapMs = 60;

    struct Epoch
    {
        int timeMs = -1; // UTC time of day; -1 while no sentence gave one
        bool hasGga = false, hasRmc = false, hasGsa = false, hasGsv = false;
        NmeaGga gga;
        NmeaRmc rmc;
        NmeaGsa gsa; // the last one
        int gsaMode = 0; // the best of all systems
        int satellitesUsed = 0;
        int satellitesInView = 0;
        int gsvNumMessages = 0, gsvMessageNumber = 0; // of the last GSV
        int satelliteCount = 0;
        NmeaSatellite satellites[MaxSatellites];
        bool fix = false;
        // With a fix: the coordinate, and the time only from an RMC "A".
        QGeoPositionInfo position;
    };

    explicit NmeaPositionInfoSourceRaw(QObject *parent = nullptr);

    // One line from the receiver; damaged sentences are dropped.
    void takeSentence(const char *data, int size);
    // The sentences taken since the last epoch make one; runs by itself
    // after a quiet gap on the line and when a sentence names a new time.
    void completeEpoch();
    const Epoch &lastEpoch() const { return m_last; }

    QString getNmeaGgaString() const { return m_nmeaGPGGA; }
    QString getNmeaGsaString() const { return m_nmeaGPGSA; }
    QString getNmeaRmcString() const { return m_nmeaGPRMC; }
    QString getNmeaVtgString() const { return m_nmeaGPVTG; }
    // Empty outside 0..GsvSlots-1.
    QString getNmeaGsvString(int slot) const;
    void clearLastNmeaData();

    // Fixes are handed on at most once per interval; with 0 every one at
    // once and no time-outs.
    void setUpdateInterval(int msec) override;
    QGeoPositionInfo lastKnownPosition(bool fromSatellitePositioningMethodsOnly = false) const override;
    PositioningMethods supportedPositioningMethods() const override { return SatellitePositioningMethods; }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return NoError; }

public slots:
    void startUpdates() override;
    void stopUpdates() override;
    void requestUpdate(int timeout = 0) override;

signals:
    // After every epoch, with or without a fix.
    void epochCompleted();

private:
    struct SystemInView
    {
        int system;
        int count;
    };

    void capture(const NmeaSentence &sentence, const char *data, int size);
    void beginEpochAt(const QString &utcTime);
    void addGsa(const NmeaSentence &sentence);
    void addGsv(const NmeaSentence &sentence);
    void decideFix(Epoch &epoch) const;
    void deliver(const QGeoPositionInfo &position);
    void intervalElapsed();

    Epoch m_current;
    Epoch m_last;
    // Keys of what the current epoch counted.
    QVector<qint64> m_usedKeys;
    QVector<qint64> m_satelliteKeys;
    QVector<SystemInView> m_inView;
    int m_gsaSentences = 0;

    QTimer m_gap;
    QTimer m_interval;
    QTimer m_request;
    bool m_running = false;
    QGeoPositionInfo m_lastKnown;
    QGeoPositionInfo m_pending;
    bool m_hasPending = false;
    bool m_missedInterval = false;
    bool m_timeoutSent = false;

    QString m_nmeaGPGGA;
    QString m_nmeaGPGSA;
    QString m_nmeaGPRMC;
    QString m_nmeaGPVTG;
    QString m_nmeaGPGSV[GsvSlots];
};

#endif // NMEAPOSITIONINFOSOURCERAW_H
