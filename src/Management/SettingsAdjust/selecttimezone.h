#ifndef SELECTTIMEZONE_H
#define SELECTTIMEZONE_H

#include "servicedialog.h"

#include <QString>

namespace Ui {
class SelectTimezone;
}
class QLabel;

// Picks the time zone (by stepping or by touching the world map) and
// summer or winter time. The device keeps its clock in local time, so an
// accepted change shifts the system clock by the difference.
class SelectTimezone : public ServiceDialog
{
    Q_OBJECT
public:
    explicit SelectTimezone(QWidget *parent = nullptr);
    ~SelectTimezone() override;

    static constexpr int TimezoneCount = 31;
    static constexpr int DefaultTimezone = 12; // London, for any unknown index

    // page 0 shows the time zones, 1 summer and winter time.
    void init(int page, int timezoneNum, int daylightSavingTime);

    int getSelectedTimezone() const { return m_selectedTimezone; }
    int getTimezoneOffset() const { return m_timezoneOffset; }
    QString getTimezoneName() const { return m_timezoneName; }
    int getDaylightSavingTime() const { return m_daylightSavingTime; }
    int getDaylightSavingTimeOffset() const { return m_daylightSavingTimeOffset; }

    // Offset from UTC in seconds of a zone; 0 outside the list.
    static int getTimezoneOffset(int index);
    // The zone whose band on the 400 px world map holds x.
    static int timezoneAtMapX(int x);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_butNext_clicked();
    void on_butPrev_clicked();
    void on_mapbutton_clicked();
    void on_butSummertime_clicked();
    void on_butWintertime_clicked();
    void on_butSwitchDst_clicked();
    void on_butAccept_clicked();
    void on_butClose_clicked();

private:
    void setTimezone(int index);
    void setDaylightSavingTime(int on);

    Ui::SelectTimezone *ui;
    QLabel *m_marker;
    int m_selectedTimezone = DefaultTimezone;
    int m_selectedTimezoneInit = DefaultTimezone;
    int m_timezoneOffset = 0;
    QString m_timezoneName;
    int m_xPosSelector = 189;
    int m_daylightSavingTime = 0;
    int m_daylightSavingTimeInit = 0;
    int m_daylightSavingTimeOffset = 0;
    int m_mapReleaseX = -1; // where the last touch on the map ended
};

#endif // SELECTTIMEZONE_H
