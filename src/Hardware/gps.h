#ifndef GPS_H
#define GPS_H

#include <QObject>

// The GNSS receiver on /dev/ttyO1. So far only its power line: the NMEA
// reader arrives with the positioning work.
class Gps : public QObject
{
    Q_OBJECT
public:
    explicit Gps(QObject *parent = nullptr);

    void initGps();
    void switchOnGpsModul();
    void switchOffGpsModul();
    bool isSwitchedOn() const { return m_switchedOn; }
    // No receiver yet: never a valid fix.
    bool isGpsDataValid() const { return m_valid; }

private:
    bool m_switchedOn = false;
    bool m_valid = false;
};

#endif // GPS_H
