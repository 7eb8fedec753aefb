#include "pipelocating.h"
#include "ui_pipelocating.h"
#include "languagefollower.h"

#include "analoginputworker.h"
#include "audiocodecsetup.h"
#include "audioworker.h"
#include "bluetooth.h"
#include "buttonstyle.h"
#include "filtersettings.h"
#include "freqspectrum.h"
#include "gps.h"
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

const int kHeldPixelSize = 38;
const int kCurrentPixelSize = 24;
const int kFrequencyPixelSize = 16;
const int kPointPixelSize = 18;
const int kNamePixelSize = 18;
const int kSmallPixelSize = 12;

// Left edge of the first slot.
const int kFirstSlotX = 2;
// The bars end above their value labels; the spectrum, when shown, takes
// the room above them.
const int kBarsBottom = 184;
const int kMarkerHeight = 24;
const int kTopWithoutSpectrum = 58;
const int kTopWithSpectrum = 108;

const QString kPlainChunk = QStringLiteral("rgb(0,255,127)");
// The point being listened at reads dark on light.
const QString kOpenPoint = QStringLiteral("color: black; background-color: white; border-radius: 4px;");
const QString kClosedPoint = QStringLiteral("color: white;");

} // namespace

Pipelocating::Pipelocating(QWidget *parent)
    : QWidget(parent), ui(new Ui::Pipelocating), m_updateTimer(new QTimer(this)),
      m_timerCheckBtConnection(new QTimer(this))
{
    ui->setupUi(this);
    // A dark groove, so the coloured part of a bar stands out.
    MeasurementScreen::styleBars(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    for (int n = 1; n <= PipelocatingPoints::Count; ++n) {
        m_bars[n - 1] = findChild<QProgressBar *>(QStringLiteral("progBarPoint%1").arg(n));
        m_labels[n - 1] = findChild<QLabel *>(QStringLiteral("labelPoint%1").arg(n));
    }
    setScreenFont({ui->labelHeld}, kHeldPixelSize, true);
    setScreenFont({ui->labelCurrent}, kCurrentPixelSize, true);
    setScreenFont({ui->labelFrequency}, kFrequencyPixelSize, true);
    setScreenFont({ui->labelStoredMeasurement}, kNamePixelSize);
    setScreenFont({ui->labelFilterrange}, kSmallPixelSize);
    for (QLabel *label : m_labels)
        setScreenFont({label}, kPointPixelSize, true);
    // The held peak in the red of the current bar's peak marker.
    ui->labelHeld->setStyleSheet(QStringLiteral("color: rgb(255, 96, 96);"));
    ui->labelMarkerTop->setStyleSheet(
        QStringLiteral("background-image: url(:/Resources/Icons/Mainmenu/Pinpointing/Waterdrop_bl_24px.png); "
                       "background-repeat: no-repeat; background-position: center;"));
    ui->labelMarkerBottom->setStyleSheet(QStringLiteral("border: 2px solid rgb(64, 150, 255); border-radius: 4px;"));

    const QString general = QStringLiteral("Allgemein");
    ui->butMenuSave->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Diskette"), 44));
    ui->butMenuFilter->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Filter"), 44));
    ui->butMenuMicrophone->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Microphone"), 44));
    ui->butMenuHeadphone->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Headphone"), 44));
    for (QPushButton *home : {ui->butMenuHome, ui->butMenuMainmenu_2})
        home->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Home"), 44));
    ui->butMenuStoredBack->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Back"), 44));

    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        m_btSource = main->getBtSourceInstance();
        m_btSink = main->getBtSinkInstance();
    }
    freqSpectrum = new FreqSpectrum(ui->widgetSpectrum);
    ui->layoutSpectrum->addWidget(freqSpectrum);
    connect(m_updateTimer, &QTimer::timeout, this, &Pipelocating::updateLevel, Qt::UniqueConnection);
    connect(m_timerCheckBtConnection, &QTimer::timeout, this, &Pipelocating::checkBtConnection,
            Qt::UniqueConnection);
    followLanguage(this, [this] { retranslate(); });
}

Pipelocating::~Pipelocating()
{
    delete ui;
}

void Pipelocating::retranslate()
{
    ui->butMenuSave->setToolTip(tr("Store", "Store"));
    ui->butMenuFilter->setToolTip(tr("AdjustFilter", "Adjust filter"));
    ui->butMenuMicrophone->setToolTip(tr("MicrophoneGain", "Microphone gain"));
    ui->butMenuHeadphone->setToolTip(tr("HeadphoneVolume", "Headphone volume"));
    ui->butMenuHome->setToolTip(tr("Mainmenu", "Main menu"));
    ui->butMenuMainmenu_2->setToolTip(tr("Mainmenu", "Main menu"));
    ui->butMenuStoredBack->setToolTip(tr("Back", "Back"));
}

void Pipelocating::init(int variant)
{
    retranslate();
    MainMenu *main = MainMenu::getInstanceMainMenu();
    Systemsettings *s = MainMenu::settings();
    const bool spectrum = s && s->isPLShowFftEnabled();
    ui->labelFrequency->setVisible(!s || s->isPLShowFrequencyValueEnabled());
    ui->labelFiltersymbol->setVisible(!s || s->isPLShowFilterParameterEnabled());
    ui->labelFilterrange->setVisible(!s || s->isPLShowFilterParameterEnabled());
    freqSpectrum->setScaleBgGradient(s && s->isPLUseFrequColorForBarEnabled());

    m_points.clear();
    m_muted = true;
    if (main)
        main->muteAudioPath(true, true);
    if (m_btSink) {
        m_btSink->callBtDeviceA2DP(true);
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &Pipelocating::switchActiveMute,
                Qt::UniqueConnection);
    }
    if (m_btSource)
        m_btSource->callBtDeviceA2DP(false);
    m_audioCodec = main ? main->getAudioCodecInstance() : nullptr;
    if (m_audioCodec)
        m_audioCodec->init();
    freqSpectrum->setAudioCodec(m_audioCodec);
    m_gpsModul = main ? main->getGpsInstance() : nullptr;
    m_measManagement = main ? main->getInstanceMeasManagement() : nullptr;
    ui->progBarCurrent->setRange(0, 1000);
    ui->progBarCurrent->setValue(0);
    ui->progBarCurrent->setMaxMarker(ProgressBarMinMaxMarker::Off);
    ui->progBarCurrent->setMinMarker(ProgressBarMinMaxMarker::Off);
    setBarColour(ui->progBarCurrent, 0);
    if (main)
        main->setCurrentVisibleDlgNum(5);

    if (variant == 1) {
        initStored();
        return;
    }

    MeasurementScreen::noteIfH2Probe(this);
    m_storedMeasurement = false;
    ui->subMenu->setCurrentWidget(ui->pageLive);
    ui->labelStoredMeasurement->hide();
    ui->progBarCurrent->show();
    ui->labelCurrent->show();
    ui->labelCurrent->setText(QStringLiteral("0"));
    ui->widgetSpectrum->setVisible(spectrum);
    placeBars(spectrum);
    initSpectrum();
    freqSpectrum->setEnabled(false);

    quint32 low = 0, high = 4000;
    int type = 0;
    if (main)
        main->getCurrentFilter(&low, &high, &type);
    if (m_audioCodec) {
        m_audioCodec->setFilter(low, high, type);
        m_audioCodec->getFilter(&low, &high, &type);
    }
    showFilter(type, low, high);
    if (main)
        main->setMicGainStep(main->getCurrentMicGainStep());
    qDebug() << "Pipelocating: Start with audio muted.";

    Analoginputworker().clearAllData();
    applyRange(m_points.range());
    showHeld(0, 0);
    showPoints();
    m_updateTimer->start(UpdateIntervalMs);
    Audioworker().startAudioRecording();
    m_timerCheckBtConnection->start(LinkCheckIntervalMs);
    m_linkWatch.setEnabled(MeasurementScreen::linkWarningAfterStart(5));
}

void Pipelocating::initSpectrum()
{
    ui->layoutSpectrum->activate();
    const QRect area = freqSpectrum->getRect();
    freqSpectrum->init(area.width() + 1, area.height() + 1);
    freqSpectrum->clear();
    freqSpectrum->drawScale();
}

void Pipelocating::placeBars(bool withSpectrum)
{
    const int top = withSpectrum ? kTopWithSpectrum : kTopWithoutSpectrum;
    ui->labelMarkerTop->move(ui->labelMarkerTop->x(), top);
    for (QProgressBar *bar : m_bars)
        bar->setGeometry(bar->x(), top + kMarkerHeight + 2, bar->width(), kBarsBottom - top - kMarkerHeight - 2);
}

void Pipelocating::showFilter(int type, quint32 low, quint32 high)
{
    MeasurementScreen::showFilter(ui->labelFiltersymbol, ui->labelFilterrange, &type, &low, &high);
    m_storedFilterType = type;
    m_storedFilterLowCutOff = low;
    m_storedFilterHighCutOff = high;
    freqSpectrum->updateFilter(low, high, type);
}

void Pipelocating::muteAudioPath(bool mute, bool withMic)
{
    // A key that repeats the state the path is in must not open or close a
    // point twice; a stored walk has no path.
    if (m_storedMeasurement || mute == m_muted)
        return;
    m_muted = mute;
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(mute, withMic);
    freqSpectrum->setEnabled(!mute);
    if (!mute) {
        Analoginputworker().clearAllData();
        m_points.open();
        if (m_gpsModul)
            m_points.setPosition(m_gpsModul->getLatitude(), m_gpsModul->getLongitude());
        showHeld(0, 0);
    } else if (!m_points.close()) {
        adjustProgbarRange();
    }
    qDebug() << "m_muted" << m_muted << "point" << m_points.currentStep();
    showPoints();
}

void Pipelocating::updateLevel()
{
    MainMenu *main = MainMenu::getInstanceMainMenu();
    if (main && main->isAudioPathMuted())
        return;
    AnalogInputWorker &worker = Analoginputworker();
    float rms = 0, peak = 0, minimum = 0;
    worker.getAudioLevel(&rms, &peak, &minimum);
    const float level = AnalogInputWorker::audioLevelToDb(peak);
    const int frequency = int(worker.getSignificandFrequency());
    if (m_muted || m_points.currentStep() < 1)
        return;

    const float held = m_points.addReading(level, frequency);
    // The position of a point is where its last reading was taken.
    if (m_gpsModul)
        m_points.setPosition(m_gpsModul->getLatitude(), m_gpsModul->getLongitude());
    showHeld(held, frequency);
    ui->progBarCurrent->setMaxMarker(int(held * 10));
    ui->progBarCurrent->setMinMarker(ProgressBarMinMaxMarker::Off);
    ui->progBarCurrent->setValue(std::clamp(int(level * 10), 0, 1000));
    setBarColour(ui->progBarCurrent, frequency);
    ui->labelCurrent->setText(QString::number(level, 'f', 0));

    if (ui->widgetSpectrum->isVisibleTo(this)) {
        worker.getFft(m_fft);
        float samples[AnalogInputWorker::BlockSamples];
        worker.getAudioData(samples);
        freqSpectrum->refresh();
        freqSpectrum->drawScale();
        freqSpectrum->drawFft(m_fft, true);
        freqSpectrum->drawData(samples);
        freqSpectrum->update();
    }
    adjustProgbarRange();
    showPoints();
}

void Pipelocating::showHeld(float level, int frequency)
{
    ui->labelHeld->setText(QString::number(level, 'f', 0));
    ui->labelFrequency->setText(QStringLiteral("%1 Hz").arg(frequency));
}

void Pipelocating::placeOnSlot(QWidget *widget, int slot)
{
    const int x = kFirstSlotX + SlotPitch * (slot - 1) + (SlotPitch - widget->width()) / 2;
    widget->move(x, widget->y());
}

void Pipelocating::setBarColour(QProgressBar *bar, int frequency)
{
    const Systemsettings *s = MainMenu::settings();
    MeasurementScreen::setStyle(bar,
                                MeasurementScreen::barChunk(frequency, kPlainChunk, s && s->isPLUseFrequColorForBarEnabled()));
}

void Pipelocating::showPoints()
{
    const int step = m_points.currentStep();
    const int open = m_muted || m_storedMeasurement ? 0 : step;
    for (int n = 1; n <= PipelocatingPoints::Count; ++n) {
        QProgressBar *bar = m_bars[n - 1];
        QLabel *label = m_labels[n - 1];
        const PipelocatingPoints::Point &p = m_points.at(n);
        // A stored walk may leave slots empty between its points.
        const bool shown = n <= step && (!m_storedMeasurement || p.level > 0);
        bar->setVisible(shown);
        label->setVisible(shown);
        if (!shown)
            continue;
        bar->setValue(std::clamp(int(p.level * 10), bar->minimum(), bar->maximum()));
        label->setText(QString::number(p.level, 'f', 0));
        MeasurementScreen::setStyle(label, n == open ? kOpenPoint : kClosedPoint);
        setBarColour(bar, p.frequency);
    }
    const int loudest = m_points.loudest();
    for (QWidget *marker : {static_cast<QWidget *>(ui->labelMarkerTop), static_cast<QWidget *>(ui->labelMarkerBottom)}) {
        if (loudest > 0)
            placeOnSlot(marker, loudest);
        marker->setVisible(loudest > 0);
    }
}

void Pipelocating::applyRange(const PipelocatingPoints::Range &range)
{
    m_dynamicScaleMin = range.lower;
    m_dynamicScaleMax = range.upper;
    for (QProgressBar *bar : m_bars)
        bar->setRange(int(range.lower * 10), int(range.upper * 10));
}

// Follows the points as they change, so the differences between them fill
// the bars' height.
void Pipelocating::adjustProgbarRange()
{
    const PipelocatingPoints::Range range = m_points.range();
    if (range.lower == m_dynamicScaleMin && range.upper == m_dynamicScaleMax)
        return;
    applyRange(range);
    qDebug() << "adjustProgbarRange" << m_dynamicScaleMin << m_dynamicScaleMax;
}

void Pipelocating::checkBtConnection()
{
    m_linkWatch.check(this, [this] { muteAudioPath(true, true); });
}

void Pipelocating::switchActiveMute(bool active)
{
    qDebug() << "Mutekey RM3 pressed" << active;
    muteAudioPath(active, false);
}

void Pipelocating::keyPressEvent(QKeyEvent *event)
{
    if (!MeasurementScreen::takeScreenKey(event, screenKeys()))
        QWidget::keyPressEvent(event);
}

void Pipelocating::keyReleaseEvent(QKeyEvent *event)
{
    if (!MeasurementScreen::takeScreenKey(event, screenKeys()))
        QWidget::keyReleaseEvent(event);
}

MeasurementScreen::ScreenKeys Pipelocating::screenKeys()
{
    MeasurementScreen::ScreenKeys keys{m_muted, nullptr, [this] { on_butMenuHome_clicked(); }, "Pipelocating"};
    if (!m_storedMeasurement)
        keys.mute = [this](bool mute) { muteAudioPath(mute, true); };
    return keys;
}

void Pipelocating::on_butMenuSave_clicked()
{
    muteAudioPath(true, true);
    QString name;
    if (!MeasurementScreen::askName(this, &name)) {
        qDebug() << "Text: verworfen";
        return;
    }
    qDebug() << "Text: " << name;
    auto info = std::make_unique<MeasInfoStructure>();
    for (int n = 1; n <= PipelocatingPoints::Count; ++n) {
        const PipelocatingPoints::Point &p = m_points.at(n);
        info->level[n] = p.level;
        info->frequency[n] = p.frequency;
        info->posLat[n] = p.latitude;
        info->posLong[n] = p.longitude;
    }
    info->filterType = m_storedFilterType;
    info->filterLowCutOff = m_storedFilterLowCutOff;
    info->filterHighCutOff = m_storedFilterHighCutOff;
    if (m_audioCodec)
        m_audioCodec->getFilter(&info->filterLowCutOff, &info->filterHighCutOff, &info->filterType);
    // The store tells the operator why a save failed.
    const int result = MeasurementData()->storeMeasurement(Measurements::PipeLocating, name, *info);
    if (result != Measurements::Stored)
        qWarning() << "Pipelocating: measurement not stored" << result;
}

void Pipelocating::on_butMenuFilter_clicked()
{
    m_updateTimer->stop();
    Filtersettings dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        int type = 0;
        quint32 low = 0, high = 0;
        dialog.getFiltersettings(&type, &low, &high);
        showFilter(type, low, high);
    }
    m_updateTimer->start(UpdateIntervalMs);
}

void Pipelocating::on_butMenuMicrophone_clicked()
{
    Micsettings dialog(this);
    dialog.exec();
}

void Pipelocating::on_butMenuHeadphone_clicked()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void Pipelocating::on_butMenuHome_clicked()
{
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, true);
    m_muted = true;
    m_updateTimer->stop();
    m_timerCheckBtConnection->stop();
    Audioworker().stopAudioRecording();
    Analoginputworker().stopCapture();
    if (m_btSink)
        disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &Pipelocating::switchActiveMute);
    m_storedMeasurement = false;
    emit exit();
}

void Pipelocating::on_butMenuMainmenu_2_clicked()
{
    on_butMenuHome_clicked();
}

void Pipelocating::initStored()
{
    m_storedMeasurement = true;
    m_updateTimer->stop();
    m_timerCheckBtConnection->stop();
    m_linkWatch.setEnabled(false);
    m_selectedMeasurementDir = m_measManagement ? m_measManagement->getSelectedMeasurementDir() : QString();
    qDebug() << "Display stored measurement" << m_selectedMeasurementDir;
    ui->subMenu->setCurrentWidget(ui->pageStored);

    StoredMeasurement stored;
    const bool usable = stored.load(m_selectedMeasurementDir);
    m_storedMeasurementName = stored.name();
    for (int n = 1; n <= PipelocatingPoints::Count; ++n) {
        PipelocatingPoints::Point p;
        p.level = stored.pointLevel(n);
        p.frequency = stored.pointFrequency(n);
        m_points.setPoint(n, p);
    }
    applyRange(m_points.storedRange());
    qDebug() << "Gespeicherte Werte" << m_dynamicScaleMin << m_dynamicScaleMax;
    showFilter(stored.filterType(), stored.lowCutOff(), stored.highCutOff());
    if (m_audioCodec)
        m_audioCodec->setFilter(m_storedFilterLowCutOff, m_storedFilterHighCutOff, m_storedFilterType);

    // Nothing live: the name takes the current bar's place, and no
    // spectrum was kept.
    ui->progBarCurrent->hide();
    ui->labelCurrent->hide();
    ui->widgetSpectrum->hide();
    placeBars(false);
    ui->labelStoredMeasurement->setText(m_storedMeasurementName);
    ui->labelStoredMeasurement->show();
    const PipelocatingPoints::Point &loudest = m_points.at(m_points.loudest());
    showHeld(loudest.level, loudest.frequency);
    showPoints();
    if (!usable)
        MeasurementScreen::noteDamaged(this, m_selectedMeasurementDir);
}

void Pipelocating::on_butMenuStoredBack_clicked()
{
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, true);
    m_updateTimer->stop();
    if (m_audioCodec) {
        m_audioCodec->setRouting(0);
        m_audioCodec->setMuting(true);
    }
    m_muted = true;
    Audioworker().stopAudioRecording();
    Analoginputworker().stopCapture();
    m_storedMeasurement = false;
    emit gotoWidget(7, -1, 0);
}
