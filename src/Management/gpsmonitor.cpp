#include "gpsmonitor.h"
#include "ui_gpsmonitor.h"

#include "buttonstyle.h"
#include "globals.h"
#include "gps.h"
#include "languagefollower.h"
#include "mainmenu.h"
#include "platform.h"
#include "screenfont.h"
#include "systemsettings.h"

#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

#include <cmath>

namespace {

const int kTitlePixelSize = 20;
const int kCaptionPixelSize = 15;
const int kCoordinatePixelSize = 30;
const int kValuePixelSize = 19;
const int kSatValuePixelSize = 22;
const int kNmeaPixelSize = 12;

const double kKnotsToMetresPerSecond = 0.514444;
const double kMetresPerDegree = 111300.0;
const double kDegreesToRadians = 0.017453292519943295;

const QString kNoValue = QStringLiteral("---");

struct BarIcon
{
    const char *object;
    const char *folder;
    const char *icon;
};
const BarIcon barIcons[] = {
    {"butMenuFormat", "Management/Gps", "GpsFormat"},
    {"butMenuNmea", "Management/Gps", "Nmea"},
    {"butMenuSatInfo", "Management/Gps", "SatInfo"},
    {"butMenuDistance", "Management/Gps", "Distance"},
    {"butMenuBack", "Allgemein", "Back"},
    {"butMenuPositionNmea", "Management/Gps", "GpsPosition"},
    {"butMenuStop", "Management/Gps", "Stop"},
    {"butMenuStart", "Management/Gps", "Start"},
    {"butMenuDelete", "Management/Gps", "Delete"},
    {"butMenuBackNmea", "Allgemein", "Back"},
    {"butMenuPositionSatInfo", "Management/Gps", "GpsPosition"},
    {"butMenuDistanceSatInfo", "Management/Gps", "Distance"},
    {"butMenuBackSatInfo", "Allgemein", "Back"},
    {"butMenuFormatDist", "Management/Gps", "GpsFormat"},
    {"butMenuSetReference", "Management/Gps", "SetReference"},
    {"butMenuSatInfoDist", "Management/Gps", "SatInfo"},
    {"butMenuPosition", "Management/Gps", "GpsPosition"},
    {"butMenuBackDist", "Allgemein", "Back"},
};

} // namespace

GpsMonitor::GpsMonitor(QWidget *parent) : QWidget(parent), ui(new Ui::GpsMonitor), m_timer(new QTimer(this))
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    // A dark groove, so the reception stands out.
    setStyleSheet(QStringLiteral("QProgressBar {background-color: rgb(50, 50, 50); border: 1px solid rgb(120, 120, 120);}"));

    for (const BarIcon &entry : barIcons) {
        if (auto *button = findChild<QWidget *>(QLatin1String(entry.object)))
            button->setStyleSheet(ButtonStyle::iconButton(QLatin1String(entry.folder), QLatin1String(entry.icon), 44));
    }

    setScreenFont({ui->labelTitlePosition, ui->labelTitleSatInfo, ui->labelTitleDistance}, kTitlePixelSize, true);
    setScreenFont({ui->labelLatitudeCaption, ui->labelLongitudeCaption, ui->labelDateCaption, ui->labelTimeCaption,
                   ui->labelQualityCaption, ui->labelSatellitesCaption, ui->labelSatInfoSatellitesCaption,
                   ui->labelDirectionCaption, ui->labelGroundspeedCaption, ui->labelHeightCaption,
                   ui->labelSatInfoQualityCaption, ui->labelReferenceCaption, ui->labelCurrentCaption,
                   ui->labelDistanceCaption},
                  kCaptionPixelSize);
    // The position is what the operator looks for: big and bold.
    setScreenFont({ui->labelLatitude, ui->labelLongitude, ui->labelDistance}, kCoordinatePixelSize, true);
    setScreenFont({ui->labelDate, ui->labelTime, ui->labelSatellites, ui->labelReferenceLatitude,
                   ui->labelReferenceLongitude, ui->labelCurrentLatitude, ui->labelCurrentLongitude},
                  kValuePixelSize, true);
    setScreenFont({ui->labelSatInfoSatellites, ui->labelDirection, ui->labelGroundspeed, ui->labelHeight},
                  kSatValuePixelSize, true);
    setScreenFont({ui->textNmea}, kNmeaPixelSize);
    ui->textNmea->setMaximumBlockCount(MaxNmeaLines);
    // A sentence is one long word: break it anywhere rather than hide its end.
    ui->textNmea->setWordWrapMode(QTextOption::WrapAnywhere);
    ui->textNmea->setStyleSheet(QStringLiteral("QPlainTextEdit {background-color: black; color: white; border: none;}"));

    m_timer->setInterval(RefreshMs);
    connect(m_timer, &QTimer::timeout, this, &GpsMonitor::updateGpsData);
    showReference();
    followLanguage(this, [this] { retranslate(); });
}

GpsMonitor::~GpsMonitor()
{
    delete ui;
}

void GpsMonitor::init()
{
    retranslate();
    if (Gps *receiver = gps())
        receiver->clearLastGpsData();
    ui->butMenuNmea->setVisible(g_debugFeatures == 1);
    showPage(PagePosition);
    ui->butMenuFormat->setFocus();
    m_stopped = false;
    if (isVisible())
        m_timer->start();
    updateGpsData();
}

bool GpsMonitor::isMonitoring() const
{
    return m_timer->isActive();
}

Gps *GpsMonitor::gps() const
{
    const MainMenu *main = MainMenu::getInstanceMainMenu();
    return main ? main->getGpsInstance() : nullptr;
}

void GpsMonitor::retranslate()
{
    ui->labelTitlePosition->setText(tr("GpsInformation", "GPS information"));
    ui->labelLatitudeCaption->setText(tr("Latitude", "Latitude"));
    ui->labelLongitudeCaption->setText(tr("Longitude", "Longitude"));
    ui->labelDateCaption->setText(tr("Date", "Date"));
    ui->labelTimeCaption->setText(tr("Time", "Time"));
    ui->labelQualityCaption->setText(tr("Quality", "Quality"));
    ui->labelSatellitesCaption->setText(tr("Satellites", "Satellites"));

    ui->labelTitleSatInfo->setText(tr("SatelliteInformation", "Satellite information"));
    ui->labelSatInfoSatellitesCaption->setText(tr("Satellites", "Satellites"));
    ui->labelDirectionCaption->setText(tr("Direction", "Direction"));
    ui->labelGroundspeedCaption->setText(tr("Groundspeed", "Ground speed"));
    ui->labelHeightCaption->setText(tr("Height", "Height"));
    ui->labelSatInfoQualityCaption->setText(tr("Quality", "Quality"));

    ui->labelTitleDistance->setText(tr("DistanceMeasurement", "Distance measurement"));
    ui->labelReferenceCaption->setText(tr("ReferencePosition", "Reference position"));
    ui->labelCurrentCaption->setText(tr("CurrentPosition", "Current position"));
    ui->labelDistanceCaption->setText(tr("Distance", "Distance"));

    const QString format = tr("SwitchGpsFormat", "Switch the position notation");
    const QString back = tr("Mainmenu", "Menu");
    const QString position = tr("DisplayGpsPosition", "Show the position");
    const QString satellites = tr("SatelliteInformation", "Satellite information");
    const QString distance = tr("DistanceMeasurement", "Distance measurement");
    ui->butMenuFormat->setToolTip(format);
    ui->butMenuFormatDist->setToolTip(format);
    ui->butMenuBack->setToolTip(back);
    ui->butMenuBackNmea->setToolTip(back);
    ui->butMenuBackSatInfo->setToolTip(back);
    ui->butMenuBackDist->setToolTip(back);
    ui->butMenuPosition->setToolTip(position);
    ui->butMenuPositionNmea->setToolTip(position);
    ui->butMenuPositionSatInfo->setToolTip(position);
    ui->butMenuSatInfo->setToolTip(satellites);
    ui->butMenuSatInfoDist->setToolTip(satellites);
    ui->butMenuDistance->setToolTip(distance);
    ui->butMenuDistanceSatInfo->setToolTip(distance);
    ui->butMenuNmea->setToolTip(tr("DisplayNmeaData", "Show the NMEA data"));
    ui->butMenuSetReference->setToolTip(tr("SetReferencePosition", "Set the reference position"));
    ui->butMenuStop->setToolTip(tr("StopMonitoring", "Stop monitoring"));
    ui->butMenuStart->setToolTip(tr("StartMonitoring", "Start monitoring"));
    ui->butMenuDelete->setToolTip(tr("DeleteData", "Delete the data"));
}

QString GpsMonitor::convertGpsFormat(double value, int axis, int format)
{
    if (format == 0)
        return QStringLiteral("%1").arg(value, 0, 'f', 6);
    const QChar letter = axis == 0 ? (value < 0 ? QLatin1Char('S') : QLatin1Char('N'))
                                   : (value < 0 ? QLatin1Char('W') : QLatin1Char('E'));
    const double magnitude = std::fabs(value);
    if (format == 1) {
        // Rounded once in the last printed unit, so 59.99999" carries into
        // the minute instead of showing 60.
        const qint64 units = qRound64(magnitude * 3600.0 * 10000.0);
        const qint64 perDegree = 3600LL * 10000LL;
        const qint64 perMinute = 60LL * 10000LL;
        return QStringLiteral("%1 %2° %3' %4\"")
            .arg(letter)
            .arg(units / perDegree)
            .arg((units % perDegree) / perMinute)
            .arg(double(units % perMinute) / 10000.0, 0, 'f', 4);
    }
    const qint64 units = qRound64(magnitude * 60.0 * 100000.0);
    const qint64 perDegree = 60LL * 100000LL;
    return QStringLiteral("%1 %2° %3'")
        .arg(letter)
        .arg(units / perDegree)
        .arg(double(units % perDegree) / 100000.0, 0, 'f', 5);
}

double GpsMonitor::calculateGpsDistance(double lat1, double lon1, double lat2, double lon2)
{
    const double m = std::cos((lat1 + lat2) * 0.5 * kDegreesToRadians);
    const double dx = kMetresPerDegree * m * (lon1 - lon2);
    const double dy = kMetresPerDegree * (lat1 - lat2);
    return std::sqrt(dx * dx + dy * dy);
}

void GpsMonitor::updateGpsData()
{
    Gps *receiver = gps();
    if (!receiver)
        return;
    const double latitude = receiver->getLatitude();
    const double longitude = receiver->getLongitude();
    m_valid = receiver->isGpsDataValid();

    const QString latitudeText = m_valid ? convertGpsFormat(latitude, 0, m_positionFormat) : kNoValue;
    const QString longitudeText = m_valid ? convertGpsFormat(longitude, 1, m_positionFormat) : kNoValue;
    ui->labelLatitude->setText(latitudeText);
    ui->labelLongitude->setText(longitudeText);
    ui->labelCurrentLatitude->setText(latitudeText);
    ui->labelCurrentLongitude->setText(longitudeText);

    // Without a fix the position reads 0,0: no distance to show then.
    const bool noReference = m_referenceLatitude == 0.0 && m_referenceLongitude == 0.0;
    ui->labelDistance->setText(
        noReference || !m_valid
            ? QStringLiteral("--- m")
            : QStringLiteral("%1 m").arg(
                  calculateGpsDistance(m_referenceLatitude, m_referenceLongitude, latitude, longitude), 0, 'f', 1));

    const QDateTime fix = receiver->getDateTime();
    const QString clock = Platform::currentDateTime().toString(Systemsettings::getFormatStringTime());
    const QString fixTime = fix.time().toString(Qt::TextDate);
    // Without a decoded time, the receiver's own time with a question mark.
    ui->labelTime->setText(fixTime.isEmpty() ? QStringLiteral("%1? (%2)").arg(receiver->getRmcUtcTime(), clock)
                                             : QStringLiteral("%1 (%2)").arg(fixTime, clock));
    const Systemsettings *settings = MainMenu::settings();
    ui->labelDate->setText(!fix.date().isValid() ? kNoValue
                           : settings          ? fix.date().toString(settings->getFormatStringDate())
                                               : fix.date().toString(Qt::ISODate));

    const QString nmea = receiver->getNmeaString().trimmed();
    if (!nmea.isEmpty())
        ui->textNmea->appendPlainText(nmea);

    const QString satellites =
        QStringLiteral("Used:%1 View:%2").arg(receiver->getNumSatellitesUsed()).arg(receiver->getNumSatellitesInView());
    ui->labelSatellites->setText(satellites);
    ui->labelSatInfoSatellites->setText(satellites);
    ui->labelDirection->setText(QStringLiteral("%1 °").arg(receiver->getGpsCourseOverGround(), 0, 'f', 1));
    // The receiver gives knots; the screen shows metres per second.
    ui->labelGroundspeed->setText(
        QStringLiteral("%1 m/s").arg(receiver->getGpsSpeedOverGround() * kKnotsToMetresPerSecond, 0, 'f', 1));
    ui->labelHeight->setText(QStringLiteral("%1 m").arg(receiver->getGpsHeightOverSea(), 0, 'f', 1));
    const int quality = qBound(0, receiver->getGpsQuality(), 100);
    ui->barQuality->setValue(quality);
    ui->barQualitySatInfo->setValue(quality);
}

void GpsMonitor::showReference()
{
    const bool noReference = m_referenceLatitude == 0.0 && m_referenceLongitude == 0.0;
    ui->labelReferenceLatitude->setText(noReference ? kNoValue
                                                    : convertGpsFormat(m_referenceLatitude, 0, m_positionFormat));
    ui->labelReferenceLongitude->setText(noReference ? kNoValue
                                                     : convertGpsFormat(m_referenceLongitude, 1, m_positionFormat));
}

void GpsMonitor::showPage(Page page)
{
    ui->stackedContent->setCurrentIndex(page);
    ui->stackedButtons->setCurrentIndex(page);
}

void GpsMonitor::nextFormat()
{
    m_positionFormat = (m_positionFormat + 1) % 3;
    showReference();
    updateGpsData();
}

void GpsMonitor::goBack()
{
    // Came from the management menu on the same menu level: show it again.
    emit gotoWidget(4, -1, 0);
}

void GpsMonitor::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_stopped)
        m_timer->start();
}

void GpsMonitor::hideEvent(QHideEvent *event)
{
    m_timer->stop();
    QWidget::hideEvent(event);
}

void GpsMonitor::keyPressEvent(QKeyEvent *event)
{
    // The power key leaves on its release; the press alone does nothing.
    if (event->key() == Qt::Key_Escape) {
        qDebug() << "GpsMonitor IO-Key pressed";
        return;
    }
    QWidget::keyPressEvent(event);
}

void GpsMonitor::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        qDebug() << "GpsMonitor IO-Key released";
        goBack();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void GpsMonitor::on_butMenuNmea_clicked()
{
    showPage(PageNmea);
}

void GpsMonitor::on_butMenuSatInfo_clicked()
{
    showPage(PageSatInfo);
}

void GpsMonitor::on_butMenuSatInfoDist_clicked()
{
    showPage(PageSatInfo);
}

void GpsMonitor::on_butMenuDistance_clicked()
{
    showPage(PageDistance);
}

void GpsMonitor::on_butMenuDistanceSatInfo_clicked()
{
    showPage(PageDistance);
}

void GpsMonitor::on_butMenuPosition_clicked()
{
    showPage(PagePosition);
}

void GpsMonitor::on_butMenuPositionNmea_clicked()
{
    showPage(PagePosition);
}

void GpsMonitor::on_butMenuPositionSatInfo_clicked()
{
    showPage(PagePosition);
}

void GpsMonitor::on_butMenuFormat_clicked()
{
    nextFormat();
}

void GpsMonitor::on_butMenuFormatDist_clicked()
{
    nextFormat();
}

void GpsMonitor::on_butMenuSetReference_clicked()
{
    // Without a fix the driver's position is stale or zero: no reference.
    Gps *receiver = gps();
    const bool valid = receiver && receiver->isGpsDataValid();
    m_referenceLatitude = valid ? receiver->getLatitude() : 0.0;
    m_referenceLongitude = valid ? receiver->getLongitude() : 0.0;
    showReference();
    updateGpsData();
}

void GpsMonitor::on_butMenuStart_clicked()
{
    m_stopped = false;
    if (isVisible())
        m_timer->start();
}

void GpsMonitor::on_butMenuStop_clicked()
{
    m_timer->stop();
    m_stopped = true;
    // Stop also takes the satellite time as the clock, but only when the
    // operator chose GPS as the time source, and with the zone and summer
    // time of the settings: a hand-set clock is never overwritten.
    Gps *receiver = gps();
    const Systemsettings *settings = MainMenu::settings();
    if (receiver && settings && receiver->isGpsDataValid() && settings->getDateTimeSource() == QLatin1String("GPS"))
        Gps::setSystemClock(receiver->getDateTime(),
                            settings->getTimezoneOffset() + settings->getDaylightSavingTimeOffet());
}

void GpsMonitor::on_butMenuDelete_clicked()
{
    ui->textNmea->clear();
}

void GpsMonitor::on_butMenuBack_clicked()
{
    goBack();
}

void GpsMonitor::on_butMenuBackNmea_clicked()
{
    goBack();
}

void GpsMonitor::on_butMenuBackSatInfo_clicked()
{
    goBack();
}

void GpsMonitor::on_butMenuBackDist_clicked()
{
    goBack();
}
