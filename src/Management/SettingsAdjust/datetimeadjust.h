#ifndef DATETIMEADJUST_H
#define DATETIMEADJUST_H

#include "servicedialog.h"

#include <QDateTime>

namespace Ui {
class DateTimeAdjust;
}
class QLabel;
class QPushButton;

// Date format and clock source, and for a manual clock the date or the
// time, written to the system clock and the real-time clock on Accept.
class DateTimeAdjust : public ServiceDialog
{
    Q_OBJECT
public:
    explicit DateTimeAdjust(QWidget *parent = nullptr);
    ~DateTimeAdjust() override;

    enum Mode { DateMode = 0, TimeMode = 1 };
    enum Source { SourceGps = 0, SourceManual = 1 };
    enum Format { FormatDDMMYYYY = 0, FormatYYYYMMDD = 1, FormatMMDDYYYY = 2 };
    static constexpr int FirstYear = 2016;
    static constexpr int LastYear = 2050;

    // Shows the date (mode 0) or the time (mode 1) page with the clock's
    // current value.
    void init(int mode, int dateFormat, int dateTimeSource);

    int getDateTimeSource() const { return m_dateTimeSource; }
    int getDateFormat() const { return m_dateFormat; }

private slots:
    void on_butDayUp_clicked();
    void on_butDayDown_clicked();
    void on_butMonthUp_clicked();
    void on_butMonthDown_clicked();
    void on_butYearUp_clicked();
    void on_butYearDown_clicked();
    void on_butHourUp_clicked();
    void on_butHourDown_clicked();
    void on_butMinuteUp_clicked();
    void on_butMinuteDown_clicked();
    void on_butSecondUp_clicked();
    void on_butSecondDown_clicked();
    void on_butFormat_DDMMYYYY_clicked();
    void on_butFormat_YYYYMMDD_clicked();
    void on_butFormat_MMDDYYYY_clicked();
    void on_butSwitchFormat_clicked();
    void on_butGps_clicked();
    void on_butManual_clicked();
    void on_butSwitchGpsMan_clicked();
    void on_butGpsTime_clicked();
    void on_butManualTime_clicked();
    void on_butSwitchGpsManTime_clicked();
    void on_butAccept_clicked();
    void on_butClose_clicked();

private:
    void applyFonts();
    void setDateFormat(int format);
    void setSource(int source);
    void showFields();
    void setClock(const QDate &date, const QTime &time);

    Ui::DateTimeAdjust *ui;
    int m_mode = DateMode;
    QDateTime m_systemTime;
    int m_dateDay = 1;
    int m_dateMonth = 1;
    int m_dateYear = FirstYear;
    int m_timeHour = 0;
    int m_timeMinute = 0;
    int m_timeSecond = 0;
    int m_dateTimeSource = SourceGps;
    int m_dateFormat = FormatDDMMYYYY;
};

#endif // DATETIMEADJUST_H
