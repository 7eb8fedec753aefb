#include "longtermmeasurement.h"
#include "ui_longtermmeasurement.h"
#include "languagefollower.h"

#include "analoginputworker.h"
#include "audiocodecsetup.h"
#include "audioworker.h"
#include "bluetooth.h"
#include "buttonstyle.h"
#include "filtersettings.h"
#include "headphonesettings.h"
#include "mainmenu.h"
#include "measmanagement.h"
#include "measurements.h"
#include "micsettings.h"
#include "screenfont.h"
#include "systemsettings.h"

#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

// One sample per 1300 ms tick: the x axis counts minutes of samples.
struct AnalysisTime
{
    const char *label;
    int samples;
    float axisMax;
    float mainStep;
    float minorStep;
};
const AnalysisTime kAnalysisTimes[Longtermmeasurement::AnalysisTimes] = {
    {"3 min", 180, 3, 0.5f, 0.1f},
    {"10 min", 600, 10, 2, 1},
    {"30 min", 1800, 30, 5, 1},
};

const int kFavouriteNumber = 3;
const int kLevelPixelSize = 36;
const int kFrequencyPixelSize = 12;
const int kTimePixelSize = 16;
const int kSmallPixelSize = 11;
const int kNamePixelSize = 13;

// Readings under one decibel come from a closed path or a capture that has
// not started; they would pull the curve to the floor.
const float kLowestValid = 1.0f;
// What a closed path reads as.
const float kMutedLevel = 1e-6f;

// Autoscale rounds outwards to 5 dB and needs this much range for 20 dB steps.
const int kScaleRounding = 5;
const int kWideRange = 59;

const QColor kScaleColour(Qt::white);
const QColor kScaleBackground(Qt::black);
// A light area, so the current sweep in blue and the old one in black both stand out.
const QColor kDataBackground(Qt::white);
const QColor kDataColour(0, 90, 255);

const QString kScaleFolder = QStringLiteral("Mainmenu/Pinpointing");

} // namespace

Longtermmeasurement::Longtermmeasurement(QWidget *parent)
    : QWidget(parent), ui(new Ui::Longtermmeasurement), m_updateTimer(new QTimer(this)),
      m_timerCheckBtConnection(new QTimer(this))
{
    ui->setupUi(this);
    MeasurementScreen::styleBars(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    setScreenFont({ui->labelLevel}, kLevelPixelSize, true);
    setScreenFont({ui->labelFrequency}, kFrequencyPixelSize, true);
    setScreenFont({ui->labelTime}, kTimePixelSize, true);
    setScreenFont({ui->labelFilterrange}, kSmallPixelSize);
    setScreenFont({ui->labelStoredMeasurement}, kNamePixelSize);

    const QString general = QStringLiteral("Allgemein");
    ui->butMenuTime->setStyleSheet(
        ButtonStyle::iconButton(QStringLiteral("Mainmenu/Longtermmeasurement"), QStringLiteral("Time"), 44));
    ui->butMenuScale->setStyleSheet(ButtonStyle::iconButton(kScaleFolder, QStringLiteral("Scale"), 44));
    ui->butMenuSave->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Diskette"), 44));
    ui->butMenuSettings->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Settings"), 44));
    ui->butMenuFilter->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Filter"), 44));
    ui->butMenuMicrophone->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Microphone"), 44));
    ui->butMenuHeadphone->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Headphone"), 44));
    for (QPushButton *back : {ui->butMenuBack, ui->butMenuStoredBack})
        back->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Back"), 44));
    for (QPushButton *home : {ui->butMenuMainmenu, ui->butMenuMainmenu_2, ui->butMenuMainmenu_3})
        home->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Home"), 44));

    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        m_btSource = main->getBtSourceInstance();
        m_btSink = main->getBtSinkInstance();
    }
    connect(m_updateTimer, &QTimer::timeout, this, &Longtermmeasurement::updateData);
    connect(m_timerCheckBtConnection, &QTimer::timeout, this, &Longtermmeasurement::checkBtConnection);
    followLanguage(this, [this] { retranslate(); });
}

Longtermmeasurement::~Longtermmeasurement()
{
    delete ui;
}

void Longtermmeasurement::retranslate()
{
    ui->butMenuTime->setToolTip(tr("AnalysisTime", "Analysis time"));
    ui->butMenuScale->setToolTip(tr("Autoscale", "Autoscale"));
    ui->butMenuSave->setToolTip(tr("Store", "Store"));
    ui->butMenuSettings->setToolTip(tr("Settings", "Settings"));
    ui->butMenuFilter->setToolTip(tr("AdjustFilter", "Adjust filter"));
    ui->butMenuMicrophone->setToolTip(tr("MicrophoneGain", "Microphone gain"));
    ui->butMenuHeadphone->setToolTip(tr("HeadphoneVolume", "Headphone volume"));
    ui->butMenuBack->setToolTip(tr("Back", "Back"));
    ui->butMenuStoredBack->setToolTip(tr("Back", "Back"));
    for (QPushButton *home : {ui->butMenuMainmenu, ui->butMenuMainmenu_2, ui->butMenuMainmenu_3})
        home->setToolTip(tr("Mainmenu", "Main menu"));
}

void Longtermmeasurement::initCurve(LongtermData *curve)
{
    const QRect area = curve->getRect();
    curve->init(area.width() + 1, area.height() + 1, kScaleColour, kDataColour);
    curve->setBackgroundColorScale(kScaleBackground);
    curve->setBackgroundColorData(kDataBackground);
    const Systemsettings *s = MainMenu::settings();
    const bool grid = !s || s->isLTShowGridEnabled();
    curve->displayHGrid(grid);
    curve->displayVGrid(grid);
    curve->setAxisY(0, 100, 20, 10, true);
}

void Longtermmeasurement::applyAnalysisTime(LongtermData *curve, int selectedTime)
{
    const AnalysisTime &time = kAnalysisTimes[selectedTime];
    ui->labelTime->setText(QString::fromLatin1(time.label));
    curve->setAxisX(0, time.axisMax, time.mainStep, time.minorStep, true);
}

void Longtermmeasurement::init(int mode)
{
    retranslate();
    MainMenu *main = MainMenu::getInstanceMainMenu();
    m_audioCodec = main ? main->getAudioCodecInstance() : nullptr;
    m_measManagement = main ? main->getInstanceMeasManagement() : nullptr;
    const Systemsettings *s = MainMenu::settings();
    const bool filterShown = !s || s->isLTShowFilterParameterEnabled();
    ui->labelFiltersymbol->setVisible(filterShown);
    ui->labelFilterrange->setVisible(filterShown);
    if (mode == 1) {
        initStored();
        return;
    }

    MeasurementScreen::noteIfH2Probe(this);
    m_storedMeasurement = false;
    ui->subMenu->setCurrentWidget(ui->pageLive);
    ui->storedLongtermData->hide();
    ui->labelStoredMeasurement->hide();
    ui->longtermData->show();
    ui->progBarLevel->show();
    ui->labelLevel->show();
    ui->labelFrequency->setVisible(!s || s->isLTShowFrequencyValueEnabled());

    m_selectedTime = 0;
    m_maxVisibleData = kAnalysisTimes[m_selectedTime].samples;
    m_dataCnt = 0;
    m_displayOldData = false;
    initCurve(ui->longtermData);
    applyAnalysisTime(ui->longtermData, m_selectedTime);
    setFullScale();

    if (m_btSink)
        m_btSink->callBtDeviceA2DP(true);
    if (m_btSource)
        m_btSource->callBtDeviceA2DP(false);
    if (m_btSink)
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &Longtermmeasurement::switchActiveMute,
                Qt::UniqueConnection);
    if (m_audioCodec)
        m_audioCodec->init();

    ui->progBarLevel->setValue(0);
    ui->labelLevel->setText(QStringLiteral("0"));
    ui->labelFrequency->setText(QStringLiteral("0 Hz"));

    // Sampling needs the level capture, which follows the recording; the
    // recording itself waits, paused, until the path opens.
    m_muted = false;
    muteAudioPath(true, true);
    Audioworker().startAudioRecording();
    Audioworker().pauseAudioRecording(true);

    quint32 low = 0, high = 4000;
    int type = 0;
    if (main)
        main->getCurrentFilter(&low, &high, &type);
    if (m_audioCodec) {
        m_audioCodec->setFilter(low, high, type);
        m_audioCodec->getFilter(&low, &high, &type);
    }
    showFilter(type, low, high);
    if (main) {
        main->setMicGainStep(main->getCurrentMicGainStep());
        main->setCurrentVisibleDlgNum(kFavouriteNumber);
    }
    m_timerCheckBtConnection->start(LinkCheckIntervalMs);
    m_linkWatch.setEnabled(MeasurementScreen::linkWarningAfterStart(kFavouriteNumber));
    qDebug() << "Longtermmeasurement: Start with audio muted.";
}

void Longtermmeasurement::showFilter(int type, quint32 low, quint32 high)
{
    MeasurementScreen::showFilter(ui->labelFiltersymbol, ui->labelFilterrange, &type, &low, &high);
    m_storedFilterType = type;
    m_storedFilterLowCutOff = low;
    m_storedFilterHighCutOff = high;
}

void Longtermmeasurement::muteAudioPath(bool mute, bool withMic)
{
    if (m_storedMeasurement)
        return;
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(mute, withMic);
    m_muted = mute;
    if (mute)
        m_updateTimer->stop();
    else if (!m_updateTimer->isActive())
        m_updateTimer->start(SampleIntervalMs);
    qDebug() << "m_muted" << m_muted;
}

QVector<float> Longtermmeasurement::currentSweep() const
{
    return QVector<float>(m_recordedData, m_recordedData + m_dataCnt);
}

void Longtermmeasurement::updateData()
{
    float level = kMutedLevel;
    int frequency = 0;
    if (!m_muted) {
        AnalogInputWorker &worker = Analoginputworker();
        worker.getAudioLevel(&level);
        frequency = int(worker.getSignificandFrequency());
    }
    const float db = AnalogInputWorker::audioLevelToDb(level);
    if (db < kLowestValid)
        return;
    ui->progBarLevel->setValue(int(db));
    ui->labelLevel->setText(QString::number(db, 'f', 0));
    ui->labelFrequency->setText(QStringLiteral("%1 Hz").arg(frequency));
    const Systemsettings *s = MainMenu::settings();
    MeasurementScreen::setStyle(ui->progBarLevel, MeasurementScreen::barChunk(frequency, QStringLiteral("yellow"),
                                                                              s && s->isLTUseFrequColorForBarEnabled()));

    // A full sweep starts again from the left; what is left of it stays
    // visible behind the new one.
    if (m_dataCnt >= m_maxVisibleData) {
        m_dataCnt = 0;
        m_displayOldData = true;
    }
    m_recordedData[m_dataCnt++] = db;
    drawCurve();
}

void Longtermmeasurement::drawCurve()
{
    LongtermData *curve = ui->longtermData;
    curve->refresh();
    if (m_drawScaled)
        curve->drawDataScaled(m_recordedData, m_dataCnt, m_maxVisibleData, m_displayOldData, m_minDataVal, m_maxDataVal);
    else
        curve->drawData(m_recordedData, m_dataCnt, m_maxVisibleData, m_displayOldData);
}

Longtermmeasurement::ScaleRange Longtermmeasurement::autoscaleRange(const float *data, int count)
{
    if (!data || count < 1)
        return {0, 100, 20, 10};
    float highest = 0;
    float lowest = 100;
    for (int i = 0; i < count; ++i) {
        highest = std::max(highest, data[i]);
        lowest = std::min(lowest, data[i]);
    }
    int max = int(highest) / kScaleRounding * kScaleRounding + kScaleRounding;
    int min = int(lowest) / kScaleRounding * kScaleRounding;
    min = std::clamp(min, 0, 100 - kScaleRounding);
    max = std::clamp(max, min + kScaleRounding, 100);
    if (max - min > kWideRange)
        return {min, max, 20, 10};
    return {min, max, 10, 5};
}

void Longtermmeasurement::setFullScale()
{
    m_drawScaled = false;
    m_minDataVal = 0;
    m_maxDataVal = 100;
    ui->longtermData->setAxisY(0, 100, 20, 10, true);
    ui->butMenuScale->setStyleSheet(ButtonStyle::iconButton(kScaleFolder, QStringLiteral("Scale"), 44));
}

void Longtermmeasurement::on_butMenuScale_clicked()
{
    if (m_drawScaled || m_dataCnt < 1) {
        setFullScale();
    } else {
        const ScaleRange range = autoscaleRange(m_recordedData, m_dataCnt);
        m_minDataVal = range.min;
        m_maxDataVal = range.max;
        m_drawScaled = true;
        ui->longtermData->setAxisY(range.min, range.max, range.mainStep, range.minorStep, true);
        ui->butMenuScale->setStyleSheet(ButtonStyle::iconButton(kScaleFolder, QStringLiteral("ScaleMagnifierFull"), 44));
    }
    qDebug() << "Longterm scale" << m_drawScaled << m_minDataVal << m_maxDataVal;
    drawCurve();
}

void Longtermmeasurement::on_butMenuTime_clicked()
{
    m_selectedTime = (m_selectedTime + 1) % AnalysisTimes;
    m_maxVisibleData = kAnalysisTimes[m_selectedTime].samples;
    applyAnalysisTime(ui->longtermData, m_selectedTime);
    // Another time base: the curve so far would not fit it.
    m_dataCnt = 0;
    m_displayOldData = false;
    drawCurve();
}

void Longtermmeasurement::on_butMenuSave_clicked()
{
    muteAudioPath(true, true);
    QString name;
    if (!MeasurementScreen::askName(this, &name)) {
        qDebug() << "Text: verworfen";
        return;
    }
    qDebug() << "Text: " << name;
    auto info = std::make_unique<MeasInfoStructure>();
    std::copy_n(m_recordedData, m_dataCnt, info->array);
    info->arrayCnt = m_dataCnt;
    info->arrayInfoParameter_1 = m_selectedTime;
    info->arrayInfoParameter_2 = m_maxVisibleData;
    info->filterType = m_storedFilterType;
    info->filterLowCutOff = m_storedFilterLowCutOff;
    info->filterHighCutOff = m_storedFilterHighCutOff;
    if (m_audioCodec)
        m_audioCodec->getFilter(&info->filterLowCutOff, &info->filterHighCutOff, &info->filterType);
    qDebug() << "Store Longterm" << info->arrayCnt << info->arrayInfoParameter_1 << info->arrayInfoParameter_2
             << info->filterType << info->filterLowCutOff << info->filterHighCutOff;
    // The store tells the operator why a save failed.
    const int result = MeasurementData()->storeMeasurement(Measurements::LongTerm, name, *info);
    if (result != Measurements::Stored)
        qWarning() << "Longtermmeasurement: measurement not stored" << result;
}

void Longtermmeasurement::on_butMenuFilter_clicked()
{
    // No samples while the filter changes under them.
    m_updateTimer->stop();
    Filtersettings dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        int type = 0;
        quint32 low = 0, high = 0;
        dialog.getFiltersettings(&type, &low, &high);
        showFilter(type, low, high);
    }
    if (!m_muted)
        m_updateTimer->start(SampleIntervalMs);
}

void Longtermmeasurement::on_butMenuMicrophone_clicked()
{
    Micsettings dialog(this);
    dialog.exec();
}

void Longtermmeasurement::on_butMenuHeadphone_clicked()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void Longtermmeasurement::on_butMenuSettings_clicked()
{
    ui->subMenu->setCurrentWidget(ui->pageSettings);
}

// Sampling goes on while the settings page is shown.
void Longtermmeasurement::on_butMenuBack_clicked()
{
    ui->subMenu->setCurrentWidget(ui->pageLive);
}

void Longtermmeasurement::on_butMenuMainmenu_clicked()
{
    m_timerCheckBtConnection->stop();
    m_updateTimer->stop();
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, true);
    m_muted = true;
    // Stops the analog capture with it.
    Audioworker().stopAudioRecording();
    if (m_btSink)
        disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &Longtermmeasurement::switchActiveMute);
    emit exit();
}

void Longtermmeasurement::on_butMenuMainmenu_2_clicked()
{
    on_butMenuMainmenu_clicked();
}

void Longtermmeasurement::on_butMenuMainmenu_3_clicked()
{
    leaveStored();
    emit exit();
}

void Longtermmeasurement::checkBtConnection()
{
    m_linkWatch.check(this, [this] { muteAudioPath(true, true); });
}

void Longtermmeasurement::switchActiveMute(bool active)
{
    qDebug() << "Mutekey RM3 pressed" << active;
    muteAudioPath(active, false);
}

void Longtermmeasurement::keyPressEvent(QKeyEvent *event)
{
    if (!MeasurementScreen::takeScreenKey(event, screenKeys()))
        QWidget::keyPressEvent(event);
}

void Longtermmeasurement::keyReleaseEvent(QKeyEvent *event)
{
    if (!MeasurementScreen::takeScreenKey(event, screenKeys()))
        QWidget::keyReleaseEvent(event);
}

MeasurementScreen::ScreenKeys Longtermmeasurement::screenKeys()
{
    if (m_storedMeasurement)
        return {};
    return {m_muted, [this](bool mute) { muteAudioPath(mute, true); }, [this] { on_butMenuMainmenu_clicked(); }, "Longterm"};
}

void Longtermmeasurement::initStored()
{
    m_storedMeasurement = true;
    m_updateTimer->stop();
    m_timerCheckBtConnection->stop();
    m_linkWatch.setEnabled(false);
    ui->subMenu->setCurrentWidget(ui->pageStored);
    m_selectedMeasurementDir = m_measManagement ? m_measManagement->getSelectedMeasurementDir() : QString();
    qDebug() << "Display stored measurement" << m_selectedMeasurementDir;
    const bool usable = analyseInfoFile();

    ui->longtermData->hide();
    ui->progBarLevel->hide();
    ui->labelLevel->hide();
    ui->labelFrequency->hide();
    ui->labelStoredMeasurement->setText(m_storedMeasurementName);
    ui->labelStoredMeasurement->show();
    showFilter(m_storedFilterType, m_storedFilterLowCutOff, m_storedFilterHighCutOff);

    LongtermData *curve = ui->storedLongtermData;
    curve->show();
    initCurve(curve);
    applyAnalysisTime(curve, m_storedSelectedTime);
    curve->refresh();
    curve->drawData(m_storedData, m_storedDataCnt, m_storedMaxVisibleData, false);
    if (!usable)
        MeasurementScreen::noteDamaged(this, m_selectedMeasurementDir);
}

bool Longtermmeasurement::analyseInfoFile()
{
    StoredMeasurement stored;
    const bool usable = stored.load(m_selectedMeasurementDir);
    m_storedMeasurementName = stored.name();
    const QVector<float> levels = stored.levelsData();
    m_storedDataCnt = std::min<int>(levels.size(), MaxSamples);
    std::copy_n(levels.constBegin(), m_storedDataCnt, m_storedData);
    m_storedSelectedTime = std::clamp(stored.selectedTime(), 0, AnalysisTimes - 1);
    // A length the file does not give sensibly comes from its time.
    m_storedMaxVisibleData = stored.maxVisibleData();
    if (m_storedMaxVisibleData < 1 || m_storedMaxVisibleData > MaxSamples)
        m_storedMaxVisibleData = kAnalysisTimes[m_storedSelectedTime].samples;
    m_storedFilterType = stored.filterType();
    m_storedFilterLowCutOff = stored.lowCutOff();
    m_storedFilterHighCutOff = stored.highCutOff();
    return usable;
}

void Longtermmeasurement::leaveStored()
{
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, true);
    m_muted = true;
    if (m_audioCodec) {
        m_audioCodec->setRouting(0);
        m_audioCodec->setMuting(true);
    }
    Audioworker().stopAudioRecording();
    m_storedMeasurement = false;
}

void Longtermmeasurement::on_butMenuStoredBack_clicked()
{
    leaveStored();
    emit gotoWidget(7, -1, 0);
}
