#include "selecttimezone.h"
#include "ui_selecttimezone.h"

#include "buttonstyle.h"
#include "platform.h"
#include "screenfont.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QLabel>
#include <QMouseEvent>

namespace {

const int kNamePixelSize = 22;
const int kTitlePixelSize = 24;
const int kChoicePixelSize = 22;
const int kMinChoicePixelSize = 15;
const int kMarkerWidth = 3;
const int kMapWidth = 400;

struct ZoneName
{
    const char *key;
    const char *english;
};

struct Zone
{
    ZoneName name;
    const char *offsetText;
    int offset; // seconds from UTC
    int x;      // marker on the map
    int bandEnd; // last map x that selects the zone
};

const Zone kZones[SelectTimezone::TimezoneCount] = {
    {QT_TRANSLATE_NOOP3("SelectTimezone", "MidwayIslands", "Midway Islands"), " (-11 h)", -39600, 13, 16},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Hawaii", "Hawaii"), " (-10 h)", -36000, 30, 33},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Alaska", "Alaska"), " (-9 h)", -32400, 47, 50},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Pacific", "Pacific"), " (-8 h)", -28800, 64, 67},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Arizona", "Arizona"), " (-7 h)", -25200, 81, 83},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Chicago", "Chicago"), " (-6 h)", -21600, 97, 99},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "NewYork", "New York"), " (-5 h)", -18000, 113, 114},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Manaus", "Manaus"), " (-4 h)", -14400, 128, 119},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Newfoundland", "Newfoundland"), " (-3,5 h)", -12600, 133, 131},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Greenland", "Greenland"), " (-3 h)", -10800, 145, 148},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "MiddleAtlantic", "Mid-Atlantic"), " (-2 h)", -7200, 162, 165},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Azores", "Azores"), " (-1 h)", -3600, 179, 178},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "London", "London"), " (0 h)", 0, 192, 189},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Berlin", "Berlin"), " (+1 h)", 3600, 203, 213},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Cairo", "Cairo"), " (+2 h)", 7200, 227, 230},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Moscow", "Moscow"), " (+3 h)", 10800, 244, 238},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Teheran", "Tehran"), " (+3,5 h)", 12600, 252, 247},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "AbuDhabi", "Abu Dhabi"), " (+4 h)", 14400, 261, 255},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Kabul", "Kabul"), " (+4,5 h)", 16200, 269, 264},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Islamabad", "Islamabad"), " (+5 h)", 18000, 278, 272},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "NewDelhi", "New Delhi"), " (+5,5 h)", 19800, 286, 276},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Katmandu", "Kathmandu"), " (+5,75 h)", 20700, 290, 281},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Nowosibirsk", "Novosibirsk"), " (+6 h)", 21600, 295, 289},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Yangon", "Yangon"), " (+6,5 h)", 23400, 303, 295},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Bangkok", "Bangkok"), " (+7 h)", 25200, 309, 312},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "HongKong", "Hong Kong"), " (+8 h)", 28800, 326, 329},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Tokio", "Tokyo"), " (+9 h)", 32400, 343, 337},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Darwin", "Darwin"), " (+9,5 h)", 34200, 351, 345},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Sydney", "Sydney"), " (+10 h)", 36000, 359, 364},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Magadan", "Magadan"), " (+11 h)", 39600, 378, 381},
    {QT_TRANSLATE_NOOP3("SelectTimezone", "Fiji", "Fiji"), " (+12 h)", 43200, 395, kMapWidth},
};

const int kDaylightSavingOffset = 3600;
// Where the marker stands for an index outside the list.
const int kDefaultMarkerX = 189;

} // namespace

SelectTimezone::SelectTimezone(QWidget *parent)
    : ServiceDialog(parent, false), ui(new Ui::SelectTimezone), m_marker(nullptr)
{
    ui->setupUi(this);
    ui->butSummertime->setCheckable(true);
    ui->butWintertime->setCheckable(true);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());

    setScreenFont({ui->labelTimezone}, kNamePixelSize, true);
    setScreenFont({ui->labelDstTitle}, kTitlePixelSize, true);
    setScreenFont({ui->butSummertime, ui->butWintertime, ui->butSwitchDst}, kChoicePixelSize, true);
    ui->mapbutton->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: black; border: none; padding: 0px;"
        " image: url(:/Resources/Icons/Management/Systemsettings/Worldmap_gr.png); }\n"
        "QPushButton:focus { background-color: rgb(20,30,70); }\n"
        "QPushButton:pressed { background-color: rgb(60,60,60); }\n"));
    ui->butPrev->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Management/Systemsettings"), QStringLiteral("Prev"), 44));
    ui->butNext->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Management/Systemsettings"), QStringLiteral("Next"), 44));
    ui->butAccept->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Accept"), 44));
    ui->butClose->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Back"), 44));

    // A bright line over the map; touches go through it to the map.
    m_marker = new QLabel(ui->mapbutton);
    m_marker->setObjectName(QStringLiteral("labelMarker"));
    m_marker->setStyleSheet(QStringLiteral("QLabel { background-color: rgb(255,208,0); }"));
    m_marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->mapbutton->installEventFilter(this);

    ui->labelDstTitle->setText(tr("DaylightSavingTime", "Summer time"));
    ui->butSummertime->setText(tr("Summertime", "Summer time") + QStringLiteral("\n(+1 h)"));
    ui->butWintertime->setText(tr("Wintertime", "Winter time") + QStringLiteral("\n(0 h)"));
    ui->butSwitchDst->setText(tr("SwitchDst", "Switch summer / winter time"));
    for (QPushButton *button : {ui->butSummertime, ui->butWintertime, ui->butSwitchDst})
        shrinkToFit(button, kChoicePixelSize, kMinChoicePixelSize);
    init(0, DefaultTimezone, 0);
}

SelectTimezone::~SelectTimezone()
{
    delete ui;
}

int SelectTimezone::getTimezoneOffset(int index)
{
    return index >= 0 && index < TimezoneCount ? kZones[index].offset : 0;
}

int SelectTimezone::timezoneAtMapX(int x)
{
    if (x < 0 || x > kMapWidth)
        return DefaultTimezone;
    int index = 0;
    while (x > kZones[index].bandEnd)
        ++index;
    return index;
}

void SelectTimezone::init(int page, int timezoneNum, int daylightSavingTime)
{
    ui->stackedWidget->setCurrentWidget(page == 1 ? ui->pageDaylightSaving : ui->pageTimezone);
    setTimezone(timezoneNum);
    setDaylightSavingTime(daylightSavingTime);
    m_selectedTimezoneInit = m_selectedTimezone;
    m_daylightSavingTimeInit = m_daylightSavingTime;
}

void SelectTimezone::setTimezone(int index)
{
    m_selectedTimezone = index;
    if (index >= 0 && index < TimezoneCount) {
        const Zone &zone = kZones[index];
        m_timezoneName = QCoreApplication::translate("SelectTimezone", zone.name.key, zone.name.english)
                         + QLatin1String(zone.offsetText);
        m_timezoneOffset = zone.offset;
        m_xPosSelector = zone.x;
    } else {
        m_timezoneName = QCoreApplication::translate("SelectTimezone", "London", "London")
                         + QLatin1String(kZones[DefaultTimezone].offsetText);
        m_timezoneOffset = 0;
        m_xPosSelector = kDefaultMarkerX;
    }
    ui->labelTimezone->setText(m_timezoneName);
    m_marker->setGeometry(m_xPosSelector - kMarkerWidth / 2, 0, kMarkerWidth, ui->mapbutton->height());
}

void SelectTimezone::setDaylightSavingTime(int on)
{
    m_daylightSavingTime = on ? 1 : 0;
    m_daylightSavingTimeOffset = on ? kDaylightSavingOffset : 0;
    ui->butSummertime->setChecked(on);
    ui->butWintertime->setChecked(!on);
}

bool SelectTimezone::eventFilter(QObject *watched, QEvent *event)
{
    // The zone follows where the finger leaves the map, so it can slide to
    // the right band before letting go.
    if (watched == ui->mapbutton && event->type() == QEvent::MouseButtonRelease)
        m_mapReleaseX = static_cast<QMouseEvent *>(event)->pos().x();
    return ServiceDialog::eventFilter(watched, event);
}

void SelectTimezone::on_butNext_clicked()
{
    setTimezone(m_selectedTimezone >= TimezoneCount - 1 || m_selectedTimezone < 0 ? 0 : m_selectedTimezone + 1);
}

void SelectTimezone::on_butPrev_clicked()
{
    setTimezone(m_selectedTimezone <= 0 || m_selectedTimezone >= TimezoneCount ? TimezoneCount - 1
                                                                              : m_selectedTimezone - 1);
}

void SelectTimezone::on_mapbutton_clicked()
{
    // A click from the keyboard has no place on the map.
    if (m_mapReleaseX < 0)
        return;
    setTimezone(timezoneAtMapX(m_mapReleaseX));
    m_mapReleaseX = -1;
}

void SelectTimezone::on_butSummertime_clicked()
{
    setDaylightSavingTime(1);
}

void SelectTimezone::on_butWintertime_clicked()
{
    setDaylightSavingTime(0);
}

void SelectTimezone::on_butSwitchDst_clicked()
{
    setDaylightSavingTime(m_daylightSavingTime ? 0 : 1);
}

void SelectTimezone::on_butAccept_clicked()
{
    if (m_selectedTimezone != m_selectedTimezoneInit || m_daylightSavingTime != m_daylightSavingTimeInit) {
        const int difference = (m_timezoneOffset - getTimezoneOffset(m_selectedTimezoneInit))
                               + (m_daylightSavingTimeOffset - (m_daylightSavingTimeInit ? kDaylightSavingOffset : 0));
        if (difference != 0) {
            const QDateTime shifted = Platform::currentDateTime().addSecs(difference);
            const QDate date = shifted.date();
            const QTime time = shifted.time();
            qDebug() << "Timezone: clock shifted by" << difference << "s to" << shifted;
            Platform::execute(QStringLiteral("date +%F -s %1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day()));
            Platform::execute(QStringLiteral("date +%T -s %1:%2:%3").arg(time.hour()).arg(time.minute()).arg(time.second()));
        }
    }
    accept();
}

void SelectTimezone::on_butClose_clicked()
{
    reject();
}
