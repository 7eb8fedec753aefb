#include "datetimeadjust.h"
#include "ui_datetimeadjust.h"

#include "buttonstyle.h"
#include "messagedialog.h"
#include "platform.h"
#include "screenfont.h"

#include <QDebug>
#include <QLabel>

#include <algorithm>

namespace {

const int kValuePixelSize = 40;
const int kChoicePixelSize = 18;
const int kFormatPixelSize = 14;
const int kTitlePixelSize = 22;

// value stepped by one within first..last, wrapping at both ends
int step(int value, int delta, int first, int last)
{
    value += delta;
    if (value > last)
        return first;
    if (value < first)
        return last;
    return value;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// A disabled field button shows no arrow: with the GPS source the
// fields cannot be edited, and an arrow would suggest they can.
QString arrowStyle(const char *name)
{
    return ButtonStyle::iconButton(QStringLiteral("Allgemein"), QLatin1String(name), 44)
           + QStringLiteral("QPushButton:disabled { background-image: none; }\n");
}


} // namespace

DateTimeAdjust::DateTimeAdjust(QWidget *parent) : ServiceDialog(parent, false), ui(new Ui::DateTimeAdjust)
{
    ui->setupUi(this);
    for (QPushButton *choice : {ui->butFormat_DDMMYYYY, ui->butFormat_YYYYMMDD, ui->butFormat_MMDDYYYY, ui->butGps,
                                ui->butManual, ui->butGpsTime, ui->butManualTime})
        choice->setCheckable(true);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());

    for (QPushButton *up : {ui->butDayUp, ui->butMonthUp, ui->butYearUp, ui->butHourUp, ui->butMinuteUp, ui->butSecondUp})
        up->setStyleSheet(arrowStyle("PageUp"));
    for (QPushButton *down :
         {ui->butDayDown, ui->butMonthDown, ui->butYearDown, ui->butHourDown, ui->butMinuteDown, ui->butSecondDown})
        down->setStyleSheet(arrowStyle("PageDown"));
    // The switches step to the next choice; the arrow leaves the row's
    // width to the choices' texts.
    for (QPushButton *next : {ui->butSwitchFormat, ui->butSwitchGpsMan, ui->butSwitchGpsManTime})
        next->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Management/Systemsettings"), QStringLiteral("Next"), 44));
    ui->butAccept->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Accept"), 44));
    ui->butClose->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Back"), 44));

    ui->labelTimeTitle->setText(tr("Time", "Time"));
    ui->butGps->setText(tr("GPS", "GPS"));
    ui->butGpsTime->setText(tr("GPS", "GPS"));
    ui->butManual->setText(tr("Manual", "Manual"));
    ui->butManualTime->setText(tr("Manual", "Manual"));
    init(DateMode, FormatDDMMYYYY, SourceGps);
}

DateTimeAdjust::~DateTimeAdjust()
{
    delete ui;
}

void DateTimeAdjust::init(int mode, int dateFormat, int dateTimeSource)
{
    m_mode = mode == TimeMode ? TimeMode : DateMode;
    ui->stackedWidget->setCurrentWidget(m_mode == TimeMode ? ui->pageTime : ui->pageDate);
    m_systemTime = Platform::currentDateTime();
    m_dateDay = m_systemTime.date().day();
    m_dateMonth = m_systemTime.date().month();
    m_dateYear = qBound(FirstYear, m_systemTime.date().year(), LastYear);
    m_timeHour = m_systemTime.time().hour();
    m_timeMinute = m_systemTime.time().minute();
    m_timeSecond = m_systemTime.time().second();
    setDateFormat(dateFormat);
    setSource(dateTimeSource);
    showFields();
}

void DateTimeAdjust::applyFonts()
{
    // A new style sheet on a widget drops the font given to it, so this
    // follows the restyling of the fields in setSource.
    setScreenFont({ui->labelDay, ui->labelMonth, ui->labelYear, ui->labelHour, ui->labelMinute, ui->labelSecond},
                  kValuePixelSize, true);
    setScreenFont({ui->labelTimeTitle}, kTitlePixelSize, true);
    setScreenFont({ui->butFormat_DDMMYYYY, ui->butFormat_YYYYMMDD, ui->butFormat_MMDDYYYY}, kFormatPixelSize, true);
    setScreenFont({ui->butGps, ui->butManual, ui->butGpsTime, ui->butManualTime}, kChoicePixelSize, true);
}

void DateTimeAdjust::setDateFormat(int format)
{
    m_dateFormat = format >= FormatDDMMYYYY && format <= FormatMMDDYYYY ? format : FormatDDMMYYYY;
    ui->butFormat_DDMMYYYY->setChecked(m_dateFormat == FormatDDMMYYYY);
    ui->butFormat_YYYYMMDD->setChecked(m_dateFormat == FormatYYYYMMDD);
    ui->butFormat_MMDDYYYY->setChecked(m_dateFormat == FormatMMDDYYYY);
    // The fields stand in the order of the chosen format.
    QWidget *columns[3][3] = {{ui->butDayUp, ui->labelDay, ui->butDayDown},
                              {ui->butMonthUp, ui->labelMonth, ui->butMonthDown},
                              {ui->butYearUp, ui->labelYear, ui->butYearDown}};
    static const int order[3][3] = {{0, 1, 2}, {2, 1, 0}, {1, 0, 2}}; // column of day, month, year
    const int left[3] = {ui->butDayUp->x(), ui->butMonthUp->x(), ui->butYearUp->x()};
    int sorted[3] = {left[0], left[1], left[2]};
    std::sort(sorted, sorted + 3);
    for (int field = 0; field < 3; ++field) {
        for (QWidget *widget : columns[field])
            widget->move(sorted[order[m_dateFormat][field]], widget->y());
    }
}

void DateTimeAdjust::setSource(int source)
{
    m_dateTimeSource = source == SourceManual ? SourceManual : SourceGps;
    const bool manual = m_dateTimeSource == SourceManual;
    ui->butGps->setChecked(!manual);
    ui->butGpsTime->setChecked(!manual);
    ui->butManual->setChecked(manual);
    ui->butManualTime->setChecked(manual);
    for (QPushButton *button : {ui->butDayUp, ui->butDayDown, ui->butMonthUp, ui->butMonthDown, ui->butYearUp,
                                ui->butYearDown, ui->butHourUp, ui->butHourDown, ui->butMinuteUp, ui->butMinuteDown,
                                ui->butSecondUp, ui->butSecondDown})
        button->setEnabled(manual);
    const QString value = manual ? QStringLiteral("QLabel { color: white; }") : QStringLiteral("QLabel { color: rgb(128,128,128); }");
    for (QLabel *label : {ui->labelDay, ui->labelMonth, ui->labelYear, ui->labelHour, ui->labelMinute, ui->labelSecond})
        label->setStyleSheet(value);
    applyFonts();
}

void DateTimeAdjust::showFields()
{
    ui->labelDay->setText(twoDigits(m_dateDay));
    ui->labelMonth->setText(twoDigits(m_dateMonth));
    ui->labelYear->setText(QString::number(m_dateYear));
    ui->labelHour->setText(twoDigits(m_timeHour));
    ui->labelMinute->setText(twoDigits(m_timeMinute));
    ui->labelSecond->setText(twoDigits(m_timeSecond));
}

void DateTimeAdjust::on_butDayUp_clicked() { m_dateDay = step(m_dateDay, 1, 1, 31); showFields(); }
void DateTimeAdjust::on_butDayDown_clicked() { m_dateDay = step(m_dateDay, -1, 1, 31); showFields(); }
void DateTimeAdjust::on_butMonthUp_clicked() { m_dateMonth = step(m_dateMonth, 1, 1, 12); showFields(); }
void DateTimeAdjust::on_butMonthDown_clicked() { m_dateMonth = step(m_dateMonth, -1, 1, 12); showFields(); }
void DateTimeAdjust::on_butYearUp_clicked() { m_dateYear = step(m_dateYear, 1, FirstYear, LastYear); showFields(); }
void DateTimeAdjust::on_butYearDown_clicked() { m_dateYear = step(m_dateYear, -1, FirstYear, LastYear); showFields(); }
void DateTimeAdjust::on_butHourUp_clicked() { m_timeHour = step(m_timeHour, 1, 0, 23); showFields(); }
void DateTimeAdjust::on_butHourDown_clicked() { m_timeHour = step(m_timeHour, -1, 0, 23); showFields(); }
void DateTimeAdjust::on_butMinuteUp_clicked() { m_timeMinute = step(m_timeMinute, 1, 0, 59); showFields(); }
void DateTimeAdjust::on_butMinuteDown_clicked() { m_timeMinute = step(m_timeMinute, -1, 0, 59); showFields(); }
void DateTimeAdjust::on_butSecondUp_clicked() { m_timeSecond = step(m_timeSecond, 1, 0, 59); showFields(); }
void DateTimeAdjust::on_butSecondDown_clicked() { m_timeSecond = step(m_timeSecond, -1, 0, 59); showFields(); }

void DateTimeAdjust::on_butFormat_DDMMYYYY_clicked() { setDateFormat(FormatDDMMYYYY); }
void DateTimeAdjust::on_butFormat_YYYYMMDD_clicked() { setDateFormat(FormatYYYYMMDD); }
void DateTimeAdjust::on_butFormat_MMDDYYYY_clicked() { setDateFormat(FormatMMDDYYYY); }
void DateTimeAdjust::on_butSwitchFormat_clicked() { setDateFormat((m_dateFormat + 1) % 3); }

void DateTimeAdjust::on_butGps_clicked() { setSource(SourceGps); }
void DateTimeAdjust::on_butManual_clicked() { setSource(SourceManual); }
void DateTimeAdjust::on_butSwitchGpsMan_clicked() { setSource(m_dateTimeSource == SourceGps ? SourceManual : SourceGps); }
void DateTimeAdjust::on_butGpsTime_clicked() { on_butGps_clicked(); }
void DateTimeAdjust::on_butManualTime_clicked() { on_butManual_clicked(); }
void DateTimeAdjust::on_butSwitchGpsManTime_clicked() { on_butSwitchGpsMan_clicked(); }

void DateTimeAdjust::setClock(const QDate &date, const QTime &time)
{
    Platform::execute(QStringLiteral("date +%F -s %1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day()));
    Platform::execute(QStringLiteral("date +%T -s %1:%2:%3").arg(time.hour()).arg(time.minute()).arg(time.second()));
    Platform::execute(QStringLiteral("hwclock -w -f /dev/rtc0"));
}

void DateTimeAdjust::on_butAccept_clicked()
{
    // With GPS the fields show the clock as it was when the dialog opened;
    // writing them back would only set the clock back.
    if (m_dateTimeSource == SourceManual) {
        // The part not shown is taken from the clock now, not from when the
        // dialog opened.
        const QDateTime now = Platform::currentDateTime();
        if (m_mode == DateMode) {
            const QDate date(m_dateYear, m_dateMonth, m_dateDay);
            qDebug() << "SetDate:" << m_dateDay << m_dateMonth << m_dateYear << (date.isValid() ? "true" : "false");
            if (!date.isValid()) {
                MessageDialog::inform(this, 1, tr("InvalidDate", "Invalid date"),
                                      tr("InvalidDateText", "This date does not exist. Please correct the day or the month."));
                return;
            }
            setClock(date, now.time());
        } else {
            const QTime time(m_timeHour, m_timeMinute, m_timeSecond);
            qDebug() << "SetTime:" << m_timeHour << m_timeMinute << m_timeSecond << (time.isValid() ? "true" : "false");
            setClock(now.date(), time);
        }
    }
    accept();
}

void DateTimeAdjust::on_butClose_clicked()
{
    reject();
}
