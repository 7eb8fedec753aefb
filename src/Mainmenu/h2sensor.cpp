#include "h2sensor.h"
#include "ui_h2sensor.h"

#include "audiocodecsetup.h"
#include "languagefollower.h"
#include "audioworker.h"
#include "bluetooth.h"
#include "buttonstyle.h"
#include "globals.h"
#include "gps.h"
#include "headphonesettings.h"
#include "mainmenu.h"
#include "measmanagement.h"
#include "measurements.h"
#include "platform.h"
#include "screenfont.h"
#include "statusbar.h"
#include "systemsettings.h"

#include <QDebug>
#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

const int kFavouriteNumber = 4;
const int kLevelPixelSize = 34;
const int kSpreadLevelPixelSize = 72;
const int kInfoPixelSize = 15;
const int kPointPixelSize = 15;
const int kNamePixelSize = 15;
const int kDebugPixelSize = 10;

// The raw reading counts 4.096 per level unit.
const double kRawPerLevel = 4.096;
// Scale modes 0..4 as fixed ranges; 5 scales dynamically.
const int kFixedRanges[] = {50, 100, 200, 500, 1000};
const int kDynamicMode = 5;
const int kDynamicStartRange = 100;
const int kMaxLevel = 1000;

const int kFirstSlotX = 2;
const int kSlotPitch = 40;

const QString kPwm = QStringLiteral("/sys/class/pwm/pwmchip1/pwm0/");
const char *const kPwmFiles[] = {"period", "duty_cycle", "enable"};
enum PwmFile { Period, DutyCycle, Enable };
const qint64 kNsPerMs = 1000000;
const qint64 kStartPeriodNs = 1000000000;

const QColor kScaleColour(128, 155, 255);
const QColor kDataColour(173, 216, 230);
const QString kBarChunk = QStringLiteral("QProgressBar::chunk { background-color: rgb(173, 216, 230); }");
const QString kMarker = QStringLiteral("border: 3px solid rgb(255, 80, 80); border-radius: 5px;");
const QString kCaption = QStringLiteral("color: rgb(160, 160, 160);");
const QString kFolder = QStringLiteral("Mainmenu/H2Sensor");

} // namespace

H2Sensor::H2Sensor(QWidget *parent)
    : QWidget(parent), ui(new Ui::H2Sensor), m_timerRead(new QTimer(this)), m_timerCheckBtConnection(new QTimer(this))
{
    ui->setupUi(this);
    MeasurementScreen::styleBars(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    for (int n = 1; n <= PipelocatingPoints::Count; ++n) {
        m_bars[n - 1] = findChild<QProgressBar *>(QStringLiteral("progBarPoint%1").arg(n));
        m_labels[n - 1] = findChild<QLabel *>(QStringLiteral("labelPoint%1").arg(n));
        setScreenFont({m_labels[n - 1]}, kPointPixelSize, true);
        MeasurementScreen::setStyle(m_bars[n - 1], kBarChunk);
    }
    setScreenFont({ui->labelRange, ui->labelReference, ui->labelReferenceCaption, ui->labelPointsCaption},
                  kInfoPixelSize, true);
    setScreenFont({ui->labelStoredMeasurement}, kNamePixelSize);
    setScreenFont({ui->labelActive, ui->labelRaw}, kDebugPixelSize);
    ui->labelReferenceCaption->setStyleSheet(kCaption);
    ui->labelPointsCaption->setStyleSheet(kCaption);
    ui->labelMarker->setStyleSheet(kMarker);
    MeasurementScreen::setStyle(ui->progBarLevel, kBarChunk);

    const QString general = QStringLiteral("Allgemein");
    ui->butMenuZero->setStyleSheet(ButtonStyle::iconButton(kFolder, QStringLiteral("Zero"), 44));
    ui->butMenuScale->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Mainmenu/Pinpointing"), QStringLiteral("Scale"), 44));
    ui->butMenuSave->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Diskette"), 44));
    ui->butMenuHeadphone->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Headphone"), 44));
    for (QPushButton *home : {ui->butMenuHome, ui->butMenuMainmenu_2})
        home->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Home"), 44));
    ui->butMenuStoredBack->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Back"), 44));

    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        m_btSource = main->getBtSourceInstance();
        m_btSink = main->getBtSinkInstance();
    }
    connect(m_timerRead, &QTimer::timeout, this, &H2Sensor::readData);
    connect(m_timerCheckBtConnection, &QTimer::timeout, this, &H2Sensor::checkBtConnection);
    followLanguage(this, [this] { retranslate(); });
}

H2Sensor::~H2Sensor()
{
    delete ui;
}

void H2Sensor::retranslate()
{
    ui->butMenuZero->setToolTip(tr("SetReference", "Set reference"));
    ui->butMenuScale->setToolTip(tr("Scale", "Scale"));
    ui->butMenuSave->setToolTip(tr("Store", "Store"));
    ui->butMenuHeadphone->setToolTip(tr("HeadphoneVolume", "Headphone volume"));
    ui->butMenuHome->setToolTip(tr("Mainmenu", "Main menu"));
    ui->butMenuMainmenu_2->setToolTip(tr("Mainmenu", "Main menu"));
    ui->butMenuStoredBack->setToolTip(tr("Back", "Back"));
    ui->labelReferenceCaption->setText(tr("ReferenceShort", "Ref."));
    shrinkToFit(ui->labelReferenceCaption, kInfoPixelSize, kInfoPixelSize - 4);
    ui->labelPointsCaption->setText(tr("Points", "Points"));
}

int H2Sensor::pollInterval() const
{
    return m_timerRead->interval();
}

QVector<float> H2Sensor::history() const
{
    return QVector<float>(m_h2historyValues, m_h2historyValues + m_dataCnt);
}

int H2Sensor::clickPeriodMs(int displayLevel, int rangeMax)
{
    if (displayLevel <= 0 || rangeMax < 1)
        return 1000;
    const int x = std::clamp(displayLevel, 1, rangeMax) * 1000 / rangeMax;
    const int period = x > 0 ? int(1000.0 / x * 10) : 1000;
    return std::clamp(period, 10, 1000);
}

int H2Sensor::dynamicRange(int rangeMax, int level, int reference)
{
    if (level > reference + rangeMax)
        rangeMax = std::min(int((level - reference) * 1.1), kMaxLevel - reference);
    // Far below the top the curve would be flat: shrink towards the level.
    if (rangeMax * 0.15 > level - reference)
        rangeMax = int(rangeMax * 0.85);
    return rangeMax <= 99 ? kDynamicStartRange : rangeMax;
}

void H2Sensor::init(int mode)
{
    retranslate();
    MainMenu *main = MainMenu::getInstanceMainMenu();
    m_audioCodec = main ? main->getAudioCodecInstance() : nullptr;
    m_measManagement = main ? main->getInstanceMeasManagement() : nullptr;
    m_gpsModul = main ? main->getGpsInstance() : nullptr;
    if (mode == 1) {
        initStored();
        return;
    }

    // Booted straight into this screen, the probe may not have reported yet.
    const bool afterStart = MeasurementScreen::linkWarningAfterStart(kFavouriteNumber);
    if (afterStart)
        MeasurementScreen::noteIfNotH2Probe(this);
    m_storedMeasurement = false;
    ui->subMenu->setCurrentWidget(ui->pageLive);
    const Systemsettings *s = MainMenu::settings();
    ui->storedLongtermData->hide();
    ui->labelStoredMeasurement->hide();
    ui->timerH2Heating->show();
    ui->labelLevel->show();
    ui->progBarLevel->show();
    placeLevelWidgets(!s || s->isH2ShowHistogramEnabled());

    if (m_btSink) {
        m_btSink->callBtDeviceA2DP(true);
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &H2Sensor::switchActiveMute, Qt::UniqueConnection);
    }
    if (m_btSource)
        m_btSource->callBtDeviceA2DP(false);

    ui->labelLevel->setText(QStringLiteral("0"));
    ui->progBarLevel->setValue(0);
    m_points.clear();
    m_muted = true;
    if (main)
        main->muteAudioPath(true, true);
    m_timerRead->start(MutedPollMs);

    if (m_audioCodec)
        m_audioCodec->init();
    if (main)
        main->setCurrentFilter(0, 4000, 0);
    if (m_audioCodec) {
        m_audioCodec->setFilter(0, 4000, 0);
        m_audioCodec->setRouting(0);
        m_audioCodec->setInputPath(2);
    }
    Audioworker().startAudioRecording();
    if (m_btSink)
        connect(m_btSink, &Bluetooth::btSensorvalueReceived, this, &H2Sensor::btReceivedSensorvalue,
                Qt::UniqueConnection);
    if (main)
        main->setCurrentVisibleDlgNum(kFavouriteNumber);

    // The files may have been changed meanwhile: write all three afresh.
    std::fill(std::begin(m_pwmWritten), std::end(m_pwmWritten), -1);
    writePwm(Period, kStartPeriodNs);
    writePwm(DutyCycle, ClickDutyNs);
    writePwm(Enable, 1);

    m_dataCnt = 0;
    std::fill(std::begin(m_h2historyValues), std::end(m_h2historyValues), 0.0f);
    m_h2level = 0;
    m_h2displayLevel = 0;
    m_percentLevel = 0;
    initCurve(ui->longtermData, 1000);
    m_timerCheckBtConnection->start(LinkCheckIntervalMs);
    m_linkWatch.setEnabled(afterStart);

    if (s && s->isH2DynamicScalingEnabled()) {
        m_rangeMax = kDynamicStartRange;
        m_h2referenceLevel = StartReference;
        m_scaleMode = kDynamicMode;
    } else {
        on_butMenuZero_clicked();
        m_h2referenceLevel = StartReference;
        m_scaleMode = 0;
    }
    m_absoluteLevelDisplay = true;
    ui->butMenuZero->setStyleSheet(ButtonStyle::iconButton(kFolder, QStringLiteral("Zero"), 44));
    updateScaleMaxValue(m_scaleMode);
    ui->labelReference->setText(QStringLiteral("0"));
    if (!s || s->isH2ShowWorkingRangeEnabled())
        ui->timerH2Heating->showRangeVisualisation();
    else
        ui->timerH2Heating->hideRangeVisualisation();
    ui->timerH2Heating->setCurrentTime(0);
    showPoints(m_rangeMax);
    showHeating(0);
    qDebug() << "H2Sensor: Start with audio muted.";
}

void H2Sensor::placeLevelWidgets(bool withCurve)
{
    ui->longtermData->setVisible(withCurve);
    // Without the curve the number takes its room.
    if (withCurve) {
        ui->labelLevel->setGeometry(404, 20, 74, 42);
        setScreenFont({ui->labelLevel}, kLevelPixelSize, true);
    } else {
        ui->labelLevel->setGeometry(0, 24, 320, 116);
        setScreenFont({ui->labelLevel}, kSpreadLevelPixelSize, true);
    }
}

void H2Sensor::initCurve(LongtermData *curve, int range)
{
    const QRect area = curve->getRect();
    curve->init(area.width() + 1, area.height() + 1, kScaleColour, kDataColour);
    curve->setBackgroundColorScale(Qt::black);
    curve->setBackgroundColorData(Qt::black);
    const Systemsettings *s = MainMenu::settings();
    const bool grid = s && s->isH2ShowGridEnabled();
    curve->displayHGrid(grid);
    curve->displayVGrid(grid);
    curve->setAxisX(0, 150, 30, 10, true);
    setAxisY(curve, range);
}

void H2Sensor::setAxisY(LongtermData *curve, int range)
{
    // Whole-number steps: fractions do not fit the narrow scale.
    curve->setAxisY(0, range, std::max(1, range / 5), std::max(1, range / 10), true);
}

void H2Sensor::updateScaleMaxValue(int mode)
{
    const Systemsettings *s = MainMenu::settings();
    if (mode == kDynamicMode && !(s && s->isH2DynamicScalingEnabled()))
        mode = 0;
    if (mode < 0 || mode > kDynamicMode)
        mode = 0;
    m_scaleMode = mode;
    m_dynamicScaling = mode == kDynamicMode;
    m_rangeMax = m_dynamicScaling ? kDynamicStartRange : kFixedRanges[mode];
    showRange();
    showReference();
    setAxisY(ui->longtermData, m_rangeMax);
    drawHistory();
}

void H2Sensor::showRange()
{
    ui->labelRange->setText(m_dynamicScaling ? QStringLiteral("<> %1").arg(m_rangeMax) : QStringLiteral("%1").arg(m_rangeMax));
}

void H2Sensor::showReference()
{
    ui->labelReference->setText(g_debugFeatures ? QStringLiteral("0 (%1)").arg(m_h2referenceLevel) : QStringLiteral("0"));
}

void H2Sensor::muteAudioPath(bool mute, bool withMic)
{
    // A repeated key must not start a point twice; a stored walk has no path.
    if (m_storedMeasurement || mute == m_muted)
        return;
    m_muted = mute;
    m_timerRead->start(mute ? MutedPollMs : OpenPollMs);
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(mute, withMic);
    if (!mute) {
        m_points.open();
        if (m_gpsModul)
            m_points.setPosition(m_gpsModul->getLatitude(), m_gpsModul->getLongitude());
    }
    qDebug() << "m_muted" << m_muted << "point" << m_points.currentStep();
    showPoints(m_rangeMax);
}

void H2Sensor::readData()
{
    if (m_btSink)
        m_btSink->sendData(QStringLiteral("BT_TX S"));
}

void H2Sensor::btReceivedSensorvalue(const QString &value, const QString &activeTime)
{
    if (m_storedMeasurement)
        return;
    const float raw = value.toFloat();
    const int seconds = activeTime.toInt();
    m_h2level = int(raw / kRawPerLevel);
    if (g_debugFeatures)
        ui->labelRaw->setText(QStringLiteral("AD %1\n%2").arg(raw, 0, 'f', 0).arg(m_h2level));

    // The reference is the cleanest air met between the points; while a
    // point is open it stays, so the walk reads against one clean-air level.
    if (m_muted) {
        if (m_h2level < m_h2referenceLevel)
            m_h2referenceLevel = m_h2level;
        showReference();
        showHeating(seconds);
        return;
    }
    if (m_dynamicScaling) {
        m_rangeMax = dynamicRange(m_rangeMax, m_h2level, m_h2referenceLevel);
        showRange();
    }
    m_h2displayLevel = m_h2level - m_h2referenceLevel;
    // The last digit flickers by one, so a steady reading still shows it is live.
    ui->labelLevel->setText(QStringLiteral("%1").arg(m_h2displayLevel + QRandomGenerator::global()->bounded(2)));
    m_percentLevel = std::clamp(100 * m_h2displayLevel / m_rangeMax, 0, 100);
    ui->progBarLevel->setValue(m_percentLevel);
    updatePwmValue();

    m_points.setLevel(m_h2displayLevel);
    if (m_gpsModul)
        m_points.setPosition(m_gpsModul->getLatitude(), m_gpsModul->getLongitude());
    showPoints(m_rangeMax);

    m_h2historyValues[m_dataCnt++] = m_h2displayLevel;
    if (m_dataCnt >= HistoryPoints) {
        std::copy(m_h2historyValues + 1, m_h2historyValues + HistoryPoints, m_h2historyValues);
        m_dataCnt = HistoryPoints - 1;
    }
    setAxisY(ui->longtermData, m_rangeMax);
    drawHistory();
    showHeating(seconds);
}

void H2Sensor::drawHistory()
{
    LongtermData *curve = ui->longtermData;
    curve->refresh();
    curve->drawDataScaled(m_h2historyValues, m_dataCnt, HistoryPoints, false, 0, m_rangeMax);
}

void H2Sensor::showHeating(int activeTime)
{
    TimerH2Heating *dial = ui->timerH2Heating;
    dial->setCurrentTime(activeTime);
    dial->setRangeVisualisation(m_h2referenceLevel, m_h2level, m_rangeMax);
    dial->show();
    ui->labelActive->setVisible(g_debugFeatures);
    ui->labelRaw->setVisible(g_debugFeatures);
    if (!g_debugFeatures)
        return;
    static const char *const colours[] = {"color: red;", "color: yellow;", "color: green;"};
    ui->labelActive->setText(QStringLiteral("Active: %1 s").arg(activeTime));
    ui->labelActive->setStyleSheet(QLatin1String(colours[dial->zoneAt(activeTime)]));
}

void H2Sensor::showPoints(int range)
{
    const int step = m_points.currentStep();
    const int open = m_muted || m_storedMeasurement ? 0 : step;
    for (int n = 1; n <= PipelocatingPoints::Count; ++n) {
        QProgressBar *bar = m_bars[n - 1];
        QLabel *label = m_labels[n - 1];
        const float level = m_points.at(n).level;
        bar->setVisible(n <= step);
        label->setVisible(n <= step);
        bar->setRange(0, std::max(1, range));
        bar->setValue(std::clamp(int(level), 0, range));
        label->setText(QString::number(level, 'f', 0));
        MeasurementScreen::setStyle(label, n == open ? QStringLiteral("color: black; background-color: white; border-radius: 4px;")
                                                     : QStringLiteral("color: white;"));
    }
    const int leak = m_points.loudest();
    ui->labelMarker->setVisible(leak > 0);
    if (leak > 0)
        ui->labelMarker->move(kFirstSlotX + kSlotPitch * (leak - 1), ui->labelMarker->y());
}

void H2Sensor::updatePwmValue()
{
    writePwm(Period, clickPeriodMs(m_h2displayLevel, m_rangeMax) * kNsPerMs);
}

bool H2Sensor::writePwm(int file, qint64 value)
{
    if (m_pwmWritten[file] == value)
        return true;
    const QString path = Platform::path(kPwm + QLatin1String(kPwmFiles[file]));
    QFile f(path);
    const QByteArray text = QByteArray::number(value);
    const bool written = f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && f.flush();
    // A failed write is retried with the next value; it is logged once.
    if (!written && m_pwmWritten[file] != -2)
        qWarning() << "H2Sensor: click generator not written" << path << f.errorString();
    m_pwmWritten[file] = written ? value : -2;
    return written;
}

void H2Sensor::on_butMenuZero_clicked()
{
    m_h2referenceLevel = m_h2level;
    m_absoluteLevelDisplay = false;
    ui->butMenuZero->setStyleSheet(ButtonStyle::iconButton(kFolder, QStringLiteral("ZeroSet"), 44));
    m_dataCnt = 0;
    std::fill(std::begin(m_h2historyValues), std::end(m_h2historyValues), 0.0f);
    if (m_dynamicScaling)
        m_rangeMax = kDynamicStartRange;
    showRange();
    showReference();
    setAxisY(ui->longtermData, m_rangeMax);
    drawHistory();
}

void H2Sensor::on_butMenuScale_clicked()
{
    updateScaleMaxValue(m_scaleMode + 1);
    showPoints(m_rangeMax);
}

void H2Sensor::on_butMenuSave_clicked()
{
    Audioworker().pauseAudioRecording(true);
    QString name;
    if (!MeasurementScreen::askName(this, &name)) {
        qDebug() << "Text: verworfen";
        Audioworker().pauseAudioRecording(false);
        return;
    }
    qDebug() << "Text: " << name;
    auto info = std::make_unique<MeasInfoStructure>();
    for (int n = 1; n <= PipelocatingPoints::Count; ++n) {
        const PipelocatingPoints::Point &p = m_points.at(n);
        info->level[n] = p.level;
        info->posLat[n] = p.latitude;
        info->posLong[n] = p.longitude;
    }
    std::copy_n(m_h2historyValues, m_dataCnt, info->array);
    info->arrayCnt = m_dataCnt;
    info->arrayInfoParameter_1 = m_h2referenceLevel;
    info->arrayInfoParameter_2 = m_rangeMax;
    // The store tells the operator why a save failed.
    const int result = MeasurementData()->storeMeasurement(Measurements::H2Sensor, name, *info);
    if (result != Measurements::Stored)
        qWarning() << "H2Sensor: measurement not stored" << result;
    Audioworker().pauseAudioRecording(false);
}

void H2Sensor::on_butMenuHeadphone_clicked()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void H2Sensor::leave()
{
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, true);
    m_timerRead->stop();
    m_timerCheckBtConnection->stop();
    m_muted = true;
    Audioworker().stopAudioRecording();
    if (m_btSink) {
        disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &H2Sensor::switchActiveMute);
        disconnect(m_btSink, &Bluetooth::btSensorvalueReceived, this, &H2Sensor::btReceivedSensorvalue);
    }
    // No clicks outside this screen.
    if (!m_storedMeasurement)
        writePwm(Enable, 0);
    m_storedMeasurement = false;
}

void H2Sensor::on_butMenuHome_clicked()
{
    leave();
    emit exit();
}

void H2Sensor::on_butMenuMainmenu_2_clicked()
{
    on_butMenuHome_clicked();
}

void H2Sensor::checkBtConnection()
{
    m_linkWatch.check(this, [this] { muteAudioPath(true, true); });
}

void H2Sensor::switchActiveMute(bool active)
{
    qDebug() << "Mutekey RM3 pressed" << active;
    muteAudioPath(active, false);
}

void H2Sensor::keyPressEvent(QKeyEvent *event)
{
    if (!MeasurementScreen::takeScreenKey(event, screenKeys()))
        QWidget::keyPressEvent(event);
}

void H2Sensor::keyReleaseEvent(QKeyEvent *event)
{
    if (!MeasurementScreen::takeScreenKey(event, screenKeys()))
        QWidget::keyReleaseEvent(event);
}

MeasurementScreen::ScreenKeys H2Sensor::screenKeys()
{
    MeasurementScreen::ScreenKeys keys{m_muted, nullptr, [this] { on_butMenuHome_clicked(); }, "H2Sensor"};
    if (!m_storedMeasurement)
        keys.mute = [this](bool mute) { muteAudioPath(mute, true); };
    return keys;
}

void H2Sensor::initStored()
{
    m_storedMeasurement = true;
    m_timerRead->stop();
    m_timerCheckBtConnection->stop();
    m_linkWatch.setEnabled(false);
    ui->subMenu->setCurrentWidget(ui->pageStored);
    m_selectedMeasurementDir = m_measManagement ? m_measManagement->getSelectedMeasurementDir() : QString();
    qDebug() << "Display stored measurement" << m_selectedMeasurementDir;

    StoredMeasurement stored;
    const bool usable = stored.load(m_selectedMeasurementDir);
    m_storedMeasurementName = stored.name();
    std::fill(std::begin(m_h2storedValues), std::end(m_h2storedValues), 0.0f);
    const QVector<float> levels = stored.levelsData();
    m_h2storedValuesCnt = std::min<int>(levels.size(), int(std::size(m_h2storedValues)));
    std::copy_n(levels.constBegin(), m_h2storedValuesCnt, m_h2storedValues);
    m_h2storedReferenceLevel = stored.h2ReferenceLevel();
    // A range the file does not give sensibly is the widest.
    m_h2storedRangeMax = stored.h2MaxRange();
    if (m_h2storedRangeMax < 1 || m_h2storedRangeMax > kMaxLevel)
        m_h2storedRangeMax = kMaxLevel;
    m_points.clear();
    for (int n = 1; n <= PipelocatingPoints::Count; ++n) {
        PipelocatingPoints::Point p;
        p.level = stored.pointLevel(n);
        if (p.level > 0)
            m_points.setPoint(n, p);
    }

    ui->longtermData->hide();
    ui->timerH2Heating->hide();
    ui->labelLevel->hide();
    ui->progBarLevel->hide();
    ui->labelActive->hide();
    ui->labelRaw->hide();
    ui->labelStoredMeasurement->setText(m_storedMeasurementName);
    ui->labelStoredMeasurement->show();
    ui->labelRange->setText(QString::number(m_h2storedRangeMax));
    ui->labelReference->setText(QString::number(m_h2storedReferenceLevel));
    LongtermData *curve = ui->storedLongtermData;
    curve->show();
    initCurve(curve, m_h2storedRangeMax);
    curve->refresh();
    curve->drawDataScaled(m_h2storedValues, m_h2storedValuesCnt, HistoryPoints, false, 0, m_h2storedRangeMax);
    showPoints(m_h2storedRangeMax);
    if (!usable)
        MeasurementScreen::noteDamaged(this, m_selectedMeasurementDir);
}

void H2Sensor::on_butMenuStoredBack_clicked()
{
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, true);
    m_timerRead->stop();
    if (m_audioCodec) {
        m_audioCodec->setRouting(0);
        m_audioCodec->setMuting(true);
    }
    m_muted = true;
    Audioworker().stopAudioRecording();
    m_storedMeasurement = false;
    emit gotoWidget(7, -1, 0);
}
