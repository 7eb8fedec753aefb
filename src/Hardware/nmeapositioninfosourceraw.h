#ifndef NMEAPOSITIONINFOSOURCERAW_H
#define NMEAPOSITIONINFOSOURCERAW_H

#include <QNmeaPositionInfoSource>
#include <QString>

// Qt's NMEA position source in real-time mode that also keeps the most
// recent raw sentence of each kind the GPS monitor shows. Position, time and
// validity are still decoded by Qt.
class NmeaPositionInfoSourceRaw : public QNmeaPositionInfoSource
{
    Q_OBJECT
public:
    static constexpr int GsvSlots = 5;

    explicit NmeaPositionInfoSourceRaw(QObject *parent = nullptr);

    QString getNmeaGgaString() const { return m_nmeaGPGGA; }
    QString getNmeaGsaString() const { return m_nmeaGPGSA; }
    QString getNmeaRmcString() const { return m_nmeaGPRMC; }
    QString getNmeaVtgString() const { return m_nmeaGPVTG; }
    // Empty outside 0..GsvSlots-1.
    QString getNmeaGsvString(int slot) const;
    void clearLastNmeaData();

    // True when the two hex digits after '*' are the XOR of the characters
    // between '$' and '*'.
    static bool hasValidChecksum(const char *data, int size);

protected:
    bool parsePosInfoFromNmeaData(const char *data, int size, QGeoPositionInfo *posInfo, bool *hasFix) override;

private:
    void captureSentence(const char *data, int size);

    QString m_nmeaGPGGA;
    QString m_nmeaGPGSA;
    QString m_nmeaGPRMC;
    QString m_nmeaGPVTG;
    QString m_nmeaGPGSV[GsvSlots];
};

#endif // NMEAPOSITIONINFOSOURCERAW_H
