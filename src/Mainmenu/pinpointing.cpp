#include "pinpointing.h"
#include "ui_pinpointing.h"
#include "languagefollower.h"

#include "analoginputworker.h"
#include "audiocodecsetup.h"
#include "audioworker.h"
#include "bluetooth.h"
#include "buttonstyle.h"
#include "filtersettings.h"
#include "globals.h"
#include "gps.h"
#include "headphonesettings.h"
#include "mainmenu.h"
#include "measmanagement.h"
#include "measurements.h"
#include "micsettings.h"
#include "recordingplayer.h"
#include "screenfont.h"
#include "systemsettings.h"

#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

const int kLevelPixelSize = 30;
const int kFrequencyPixelSize = 14;
const int kValuePixelSize = 14;
const int kSmallPixelSize = 11;
// Left edge of the first slot; a bar is this narrower than the slot pitch.
const int kFirstSlotX = 6;
const int kBarWidth = 34;

// Below the third block after a restart the worker has no minimum yet.
const float kNoMinimum = 99.0f;
// Readings under one decibel come from a capture that has not started.
const float kLowestValid = 1.0f;

const QString kFolder = QStringLiteral("Mainmenu/Pinpointing");
const QString kSelectedChunk = QStringLiteral("QProgressBar::chunk { background-color: lightgreen; }");


QString recordingName(int position)
{
    return QStringLiteral("PP_Sound_%1").arg(position);
}

QString pictureStyle(const QString &name)
{
    return QStringLiteral("background-image: url(:/Resources/Icons/%1/%2); background-repeat: no-repeat; "
                          "background-position: center;")
        .arg(kFolder, name);
}

} // namespace

Pinpointing::Pinpointing(QWidget *parent)
    : QWidget(parent), ui(new Ui::Pinpointing), m_timerLevel(new QTimer(this)), m_timerCheckBtConnection(new QTimer(this))
{
    ui->setupUi(this);
    // A dark groove, so the coloured part of a bar stands out.
    MeasurementScreen::styleBars(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    for (int n = 1; n <= PinpointingPositions::Count; ++n) {
        m_bars[n - 1] = findChild<QProgressBar *>(QStringLiteral("progBarMin%1").arg(n));
        m_labels[n - 1] = findChild<QLabel *>(QStringLiteral("labelMin%1").arg(n));
    }
    setScreenFont({ui->labelLevel}, kLevelPixelSize, true);
    setScreenFont({ui->labelFrequency}, kFrequencyPixelSize, true);
    for (QLabel *label : m_labels)
        setScreenFont({label}, kValuePixelSize, true);
    setScreenFont({ui->labelFilterrange, ui->labelStoredMeasurement}, kSmallPixelSize);

    const QString general = QStringLiteral("Allgemein");
    const QString level = QStringLiteral("Mainmenu/Levelmeasurement");
    ui->butMenuSave->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Diskette"), 44));
    ui->butMenuDeleteLast->setStyleSheet(ButtonStyle::iconButton(kFolder, QStringLiteral("DeleteLast"), 44));
    ui->butMenuSettings->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Settings"), 44));
    for (QPushButton *home : {ui->butMenuMainmenu, ui->butMenuMainmenu_2})
        home->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Home"), 44));
    ui->butMenuFilter->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Filter"), 44));
    ui->butMenuMicrophone->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Microphone"), 44));
    for (QPushButton *headphone : {ui->butMenuHeadphone_2, ui->butMenuStoredHeadphone})
        headphone->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Headphone"), 44));
    for (QPushButton *back : {ui->butMenuBack, ui->butMenuStoredBack})
        back->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Back"), 44));
    ui->butMenuStoredPlay->setStyleSheet(ButtonStyle::iconButton(level, QStringLiteral("Start"), 44));
    ui->butMenuStoredStop->setStyleSheet(ButtonStyle::iconButton(level, QStringLiteral("Stop"), 44));
    ui->butMenuStoredNext->setStyleSheet(ButtonStyle::iconButton(kFolder, QStringLiteral("Next"), 44));
    ui->labelWaterdrop->setStyleSheet(pictureStyle(QStringLiteral("Waterdrop_bl_24px.png")));
    ui->labelMicrophone->setStyleSheet(pictureStyle(QStringLiteral("Microphone_ws_30px.png")));

    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        m_btSource = main->getBtSourceInstance();
        m_btSink = main->getBtSinkInstance();
    }
    connect(m_timerLevel, &QTimer::timeout, this, &Pinpointing::updateLevel);
    connect(m_timerCheckBtConnection, &QTimer::timeout, this, &Pinpointing::checkBtConnection);
    followLanguage(this, [this] { retranslate(); });
}

Pinpointing::~Pinpointing()
{
    delete ui;
}

void Pinpointing::retranslate()
{
    ui->butMenuSave->setToolTip(tr("Store", "Store"));
    ui->butMenuScale->setToolTip(tr("Scale", "Scale of the bars"));
    ui->butMenuDeleteLast->setToolTip(tr("DeleteLastPosition", "Delete the last position"));
    ui->butMenuSettings->setToolTip(tr("Settings", "Settings"));
    ui->butMenuMainmenu->setToolTip(tr("Mainmenu", "Main menu"));
    ui->butMenuMainmenu_2->setToolTip(tr("Mainmenu", "Main menu"));
    ui->butMenuBack->setToolTip(tr("Back", "Back"));
    ui->butMenuFilter->setToolTip(tr("AdjustFilter", "Adjust filter"));
    ui->butMenuMicrophone->setToolTip(tr("MicrophoneGain", "Microphone gain"));
    ui->butMenuHeadphone_2->setToolTip(tr("HeadphoneVolume", "Headphone volume"));
    ui->butMenuStoredHeadphone->setToolTip(tr("HeadphoneVolume", "Headphone volume"));
    ui->butMenuStoredPlay->setToolTip(tr("PlayRecordedSound", "Play recorded sound"));
    ui->butMenuStoredStop->setToolTip(tr("StopPlaying", "Stop playing"));
    ui->butMenuStoredNext->setToolTip(tr("NextPosition", "Next position"));
    ui->butMenuStoredBack->setToolTip(tr("Back", "Back"));
}

void Pinpointing::init(int variant)
{
    retranslate();
    MainMenu *main = MainMenu::getInstanceMainMenu();
    m_audioCodec = main ? main->getAudioCodecInstance() : nullptr;
    m_measManagement = main ? main->getInstanceMeasManagement() : nullptr;
    m_gpsModul = main ? main->getGpsInstance() : nullptr;
    Systemsettings *s = MainMenu::settings();
    ui->labelFrequency->setVisible(!s || s->isPPShowFrequencyValueEnabled());
    ui->labelFiltersymbol->setVisible(!s || s->isPPShowFilterParameterEnabled());
    ui->labelFilterrange->setVisible(!s || s->isPPShowFilterParameterEnabled());
    if (variant == 1) {
        initStored();
        return;
    }

    MeasurementScreen::noteIfH2Probe(this);
    m_linearScale = false;
    ui->butStartStop->setText(QStringLiteral("LIN"));
    ui->butStartStop->setVisible(g_debugFeatures == 1);
    if (m_btSink)
        m_btSink->callBtDeviceA2DP(true);
    if (m_btSource)
        m_btSource->callBtDeviceA2DP(false);
    if (m_audioCodec)
        m_audioCodec->init();
    m_positions.clear();
    m_significandFrequencyCurrent = 0;

    m_storedMeasurement = false;
    m_useDynamicScaling = s && s->isPPDynamicScalingEnabled();
    m_scaleMode = m_useDynamicScaling ? PinpointingPositions::Dynamic : PinpointingPositions::Fixed;
    adjustProgbarRange();
    ui->labelStoredMeasurement->hide();
    ui->labelSymbol->hide();
    ui->subMenu->setCurrentWidget(ui->pageLive);

    m_muted = true;
    if (main)
        main->muteAudioPath(true, true);
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
    qDebug() << "Pinpointing: Start with audio muted." << m_muted;

    ui->labelLevel->setText(QStringLiteral("0"));
    ui->labelFrequency->setText(QStringLiteral("0 Hz"));
    if (m_btSink)
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &Pinpointing::switchActiveMute,
                Qt::UniqueConnection);
    Analoginputworker().clearAllData();
    ui->progBarCurrent->setValue(ui->progBarCurrent->minimum());
    Audioworker().startAudioRecording();
    m_timerCheckBtConnection->start(LinkCheckIntervalMs);
    m_linkWatch.setEnabled(MeasurementScreen::linkWarningAfterStart(1));
    if (main)
        main->setCurrentVisibleDlgNum(1);
    updateProgbars();
}

void Pinpointing::showFilter(int type, quint32 low, quint32 high)
{
    MeasurementScreen::showFilter(ui->labelFiltersymbol, ui->labelFilterrange, &type, &low, &high);
    m_storedFilterType = type;
    m_storedFilterLowCutOff = low;
    m_storedFilterHighCutOff = high;
}

void Pinpointing::muteAudioPath(bool mute, bool withMic)
{
    // A stored walk has no path to open; a key that repeats the state the
    // path is in must not open or close a position twice.
    if (m_storedMeasurement || mute == m_muted)
        return;
    m_muted = mute;
    MainMenu *main = MainMenu::getInstanceMainMenu();
    if (!mute) {
        ui->butMenuDeleteLast->hide();
        Analoginputworker().clearAllData();
        m_timerLevel->start(LevelIntervalMs);
        if (main)
            main->muteAudioPath(false, withMic);
        if (m_positions.advance())
            shiftPositions();
    } else {
        ui->butMenuDeleteLast->show();
        m_timerLevel->stop();
        if (main)
            main->muteAudioPath(true, withMic);
        closePosition();
    }
    qDebug() << "m_muted" << m_muted;
    updateProgbars();
}

// The position just measured keeps its result and the sound heard there;
// one without a single valid reading is dropped.
void Pinpointing::closePosition()
{
    const int step = m_positions.currentStep();
    if (step < 1)
        return;
    if (!m_positions.hasResult(step)) {
        m_positions.dropCurrent();
        return;
    }
    if (Audioworker().storeAudioData(recordingName(step)) != 0)
        qWarning() << "Pinpointing: recording of position" << step << "not kept";
    qDebug() << "Store WAV-File" << recordingName(step);
    const PinpointingPositions::Position &p = m_positions.at(step);
    ui->labelLevel->setText(QString::number(p.minimumLevel, 'f', 0));
    ui->labelFrequency->setText(QStringLiteral("%1 Hz").arg(p.frequency));
    if (m_scaleMode == PinpointingPositions::Dynamic)
        adjustProgbarRange();
}

// The eleventh position: the recordings move down with their positions.
void Pinpointing::shiftPositions()
{
    AudioWorker &audio = Audioworker();
    audio.deleteAudioData(recordingName(1));
    for (int n = 1; n < PinpointingPositions::Count; ++n)
        audio.renameAudioData(recordingName(n + 1), recordingName(n));
}

void Pinpointing::updateLevel()
{
    AnalogInputWorker &worker = Analoginputworker();
    float rms = 0, peak = 0, minimum = 0;
    worker.getAudioLevel(&rms, &peak, &minimum);
    const float rmsDb = AnalogInputWorker::audioLevelToDb(rms);
    const float peakDb = AnalogInputWorker::audioLevelToDb(peak);
    const float minimumDb = AnalogInputWorker::audioLevelToDb(minimum);
    if (rmsDb < kLowestValid || peakDb < kLowestValid || minimumDb < kLowestValid) {
        qDebug() << "Ungültiger Wert:" << "RmsLevel:" << rmsDb << peakDb << minimumDb;
        return;
    }
    const float shown = m_linearScale ? rms * 10000 / 5 : rmsDb;
    if (!m_muted && m_positions.currentStep() >= 1) {
        PinpointingPositions::Position &p = m_positions.current();
        p.rmsLevel = shown;
        p.minimumLevel = minimumDb >= kNoMinimum ? p.rmsLevel : minimumDb;
        if (m_gpsModul) {
            p.latitude = m_gpsModul->getLatitude();
            p.longitude = m_gpsModul->getLongitude();
        }
        p.frequency = int(worker.getSignificandFrequencyAtMin());
        m_significandFrequencyCurrent = int(worker.getSignificandFrequency());
    }
    ui->labelLevel->setText(QString::number(shown, 'f', 0));
    ui->labelFrequency->setText(QStringLiteral("%1 Hz").arg(m_significandFrequencyCurrent));
    if (m_scaleMode == PinpointingPositions::Dynamic && m_positions.currentStep() >= 1) {
        const float level = m_positions.current().minimumLevel;
        if (level < m_dynamicScaleMin || level > m_dynamicScaleMax)
            adjustProgbarRange();
    }
    updateProgbars();
}

void Pinpointing::placeOnSlot(QWidget *widget, int slot)
{
    const int x = kFirstSlotX + SlotPitch * (slot - 1) + (kBarWidth - widget->width()) / 2;
    widget->move(x, widget->y());
}

void Pinpointing::setBarColour(QProgressBar *bar, int frequency, const QString &plainColour)
{
    const Systemsettings *s = MainMenu::settings();
    const bool colour = s && s->isPPUseFrequColorForBarEnabled();
    MeasurementScreen::setStyle(bar, MeasurementScreen::barChunk(frequency, plainColour, colour));
}

void Pinpointing::updateProgbars()
{
    const int step = m_positions.currentStep();
    const PinpointingPositions::Leak leak = m_positions.leak(step);
    if (leak.position > 0)
        placeOnSlot(ui->labelWaterdrop, leak.position);
    if (m_muted) {
        ui->progBarCurrent->hide();
        ui->labelWaterdrop->setVisible(leak.position > 0);
        placeOnSlot(ui->labelMicrophone, step + 1);
        ui->labelMicrophone->setVisible(step < PinpointingPositions::Count);
    } else {
        ui->labelMicrophone->hide();
        placeOnSlot(ui->progBarCurrent, std::max(step, 1));
        ui->progBarCurrent->show();
        ui->progBarCurrent->raise();
        ui->labelWaterdrop->hide();
    }
    setBarColour(ui->progBarCurrent, m_significandFrequencyCurrent, QStringLiteral("orange"));
    const auto tenths = [](const QProgressBar *bar, float level) {
        return std::clamp(int(level * 10), bar->minimum(), bar->maximum());
    };
    for (int n = 1; n <= PinpointingPositions::Count; ++n) {
        QProgressBar *bar = m_bars[n - 1];
        QLabel *label = m_labels[n - 1];
        if (n > step) {
            bar->hide();
            label->hide();
            continue;
        }
        const PinpointingPositions::Position &p = m_positions.at(n);
        bar->setValue(tenths(bar, p.minimumLevel));
        label->setText(QString::number(p.minimumLevel, 'f', 0));
        setBarColour(bar, p.frequency, QStringLiteral("yellow"));
        bar->show();
        label->show();
    }
    ui->progBarCurrent->setValue(tenths(ui->progBarCurrent, m_positions.at(step).rmsLevel));
}

void Pinpointing::adjustProgbarRange()
{
    if (m_scaleMode < PinpointingPositions::Fixed || m_scaleMode > PinpointingPositions::Zoomed)
        m_scaleMode = PinpointingPositions::Fixed;
    const PinpointingPositions::Range range = m_positions.range(m_scaleMode);
    m_dynamicScaleMin = range.lower;
    m_dynamicScaleMax = range.upper;
    const int lower = int(range.lower * 10);
    const int upper = int(range.upper * 10);
    for (QProgressBar *bar : m_bars)
        bar->setRange(lower, upper);
    ui->progBarCurrent->setRange(lower, upper);
    qDebug() << "adjustProgbarRange" << m_scaleMode << range.lower << range.upper;
    const bool zoomed = m_scaleMode == PinpointingPositions::Zoomed && range.spread;
    ui->butMenuScale->setStyleSheet(
        ButtonStyle::iconButton(kFolder, zoomed ? QStringLiteral("ScaleMagnifierFull") : QStringLiteral("Scale"), 44));
}

void Pinpointing::checkBtConnection()
{
    m_linkWatch.check(this, [this] { muteAudioPath(true, true); });
}

void Pinpointing::switchActiveMute(bool active)
{
    qDebug() << "Mutekey RM3 pressed" << active;
    muteAudioPath(active, false);
}

void Pinpointing::keyPressEvent(QKeyEvent *event)
{
    if (!MeasurementScreen::takeScreenKey(event, screenKeys()))
        QWidget::keyPressEvent(event);
}

void Pinpointing::keyReleaseEvent(QKeyEvent *event)
{
    if (!MeasurementScreen::takeScreenKey(event, screenKeys()))
        QWidget::keyReleaseEvent(event);
}

MeasurementScreen::ScreenKeys Pinpointing::screenKeys()
{
    if (m_storedMeasurement)
        return {};
    return {m_muted, [this](bool mute) { muteAudioPath(mute, true); }, [this] { on_butMenuMainmenu_clicked(); }, "Pinpointing"};
}

void Pinpointing::on_butMenuSave_clicked()
{
    muteAudioPath(true, true);
    QString name;
    if (MeasurementScreen::askName(this, &name)) {
        qDebug() << "Text: " << name;
    } else {
        // Cancelled: stored all the same, under the store's own name.
        qDebug() << "Text: verworfen";
        name.clear();
    }
    auto info = std::make_unique<MeasInfoStructure>();
    for (int n = 1; n <= PinpointingPositions::Count; ++n) {
        const PinpointingPositions::Position &p = m_positions.at(n);
        info->level[n] = p.minimumLevel;
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
    const int result = MeasurementData()->storeMeasurement(Measurements::Pinpointing, name, *info);
    if (result != Measurements::Stored)
        qWarning() << "Pinpointing: measurement not stored" << result;
}

void Pinpointing::on_butMenuScale_clicked()
{
    const int base = m_useDynamicScaling ? PinpointingPositions::Dynamic : PinpointingPositions::Fixed;
    m_scaleMode = m_scaleMode == PinpointingPositions::Zoomed ? base : PinpointingPositions::Zoomed;
    adjustProgbarRange();
    updateProgbars();
}

void Pinpointing::on_butMenuDeleteLast_clicked()
{
    m_positions.dropCurrent();
    adjustProgbarRange();
    updateProgbars();
}

void Pinpointing::on_butMenuSettings_clicked()
{
    ui->subMenu->setCurrentWidget(ui->pageSettings);
}

// The capture goes on while the settings page is shown, so the walk can be
// continued without entering the mode again.
void Pinpointing::on_butMenuBack_clicked()
{
    ui->subMenu->setCurrentWidget(ui->pageLive);
}

void Pinpointing::on_butMenuMainmenu_clicked()
{
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, true);
    m_muted = true;
    m_timerLevel->stop();
    m_timerCheckBtConnection->stop();
    Audioworker().stopAudioRecording();
    if (m_btSink)
        disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &Pinpointing::switchActiveMute);
    emit exit();
}

void Pinpointing::on_butMenuMainmenu_2_clicked()
{
    on_butMenuMainmenu_clicked();
}

void Pinpointing::on_butMenuFilter_clicked()
{
    m_timerLevel->stop();
    AudioWorker &audio = Audioworker();
    audio.pauseAudioRecording(true);
    Filtersettings dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        int type = 0;
        quint32 low = 0, high = 0;
        dialog.getFiltersettings(&type, &low, &high);
        showFilter(type, low, high);
    }
    // Cancelled or not, the walk goes on: a stopped recording would leave
    // the next positions without their sound.
    audio.pauseAudioRecording(false);
    if (!m_muted)
        m_timerLevel->start(LevelIntervalMs);
}

void Pinpointing::on_butMenuMicrophone_clicked()
{
    Micsettings dialog(this);
    dialog.exec();
}

void Pinpointing::on_butMenuHeadphone_2_clicked()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void Pinpointing::on_butMenuStoredHeadphone_clicked()
{
    on_butMenuHeadphone_2_clicked();
}

void Pinpointing::on_butStartStop_clicked()
{
    m_linearScale = !m_linearScale;
    // The text names what the next press switches to.
    ui->butStartStop->setText(m_linearScale ? QStringLiteral("LOG") : QStringLiteral("LIN"));
}

void Pinpointing::initStored()
{
    m_storedMeasurement = true;
    m_timerLevel->stop();
    m_timerCheckBtConnection->stop();
    m_linkWatch.setEnabled(false);
    qDebug() << "Display stored measurement";
    m_selectedMeasurementDir = m_measManagement ? m_measManagement->getSelectedMeasurementDir() : QString();
    qDebug() << m_selectedMeasurementDir;
    ui->subMenu->setCurrentWidget(ui->pageStored);
    ui->butStartStop->hide();

    StoredMeasurement stored;
    const bool usable = stored.load(m_selectedMeasurementDir);
    m_storedMeasurementName = stored.name();
    m_positions.clear();
    for (int n = 1; n <= PinpointingPositions::Count; ++n) {
        PinpointingPositions::Position p;
        p.minimumLevel = stored.pointLevel(n);
        p.rmsLevel = p.minimumLevel;
        p.frequency = stored.pointFrequency(n);
        m_positions.setPosition(n, p);
    }
    showFilter(stored.filterType(), stored.lowCutOff(), stored.highCutOff());
    if (m_audioCodec)
        m_audioCodec->setFilter(m_storedFilterLowCutOff, m_storedFilterHighCutOff, m_storedFilterType);

    m_scaleMode = PinpointingPositions::Zoomed;
    adjustProgbarRange();
    ui->labelStoredMeasurement->setText(m_storedMeasurementName);
    ui->labelStoredMeasurement->show();
    ui->progBarCurrent->hide();
    ui->labelMicrophone->hide();
    for (int n = 1; n <= PinpointingPositions::Count; ++n) {
        const PinpointingPositions::Position &p = m_positions.at(n);
        QProgressBar *bar = m_bars[n - 1];
        bar->setValue(std::clamp(int(p.minimumLevel * 10), bar->minimum(), bar->maximum()));
        m_labels[n - 1]->setText(QString::number(p.minimumLevel, 'f', 0));
        const bool result = p.minimumLevel > 0 || p.frequency >= 1;
        bar->setVisible(result);
        m_labels[n - 1]->setVisible(result);
    }
    const PinpointingPositions::Leak leak = m_positions.leak(PinpointingPositions::Count);
    ui->labelWaterdrop->setVisible(leak.position > 0);
    if (leak.position > 0)
        placeOnSlot(ui->labelWaterdrop, leak.position);
    ui->labelLevel->setText(QString::number(leak.level, 'f', 0));
    ui->labelFrequency->setText(QStringLiteral("%1 Hz").arg(leak.frequency));
    m_selected = 1;
    ui->labelSymbol->setStyleSheet(pictureStyle(QStringLiteral("Stop_ws_20px.png")));
    markSelected();
    if (m_audioCodec)
        m_audioCodec->setRouting(1);
    if (!usable)
        MeasurementScreen::noteDamaged(this, m_selectedMeasurementDir);
}

void Pinpointing::markSelected()
{
    for (int n = 1; n <= PinpointingPositions::Count; ++n)
        setBarColour(m_bars[n - 1], m_positions.at(n).frequency, QStringLiteral("yellow"));
    MeasurementScreen::setStyle(m_bars[m_selected - 1], kSelectedChunk);
    placeOnSlot(ui->labelSymbol, m_selected);
    ui->labelSymbol->show();
}

void Pinpointing::on_butMenuStoredPlay_clicked()
{
    if (m_audioCodec)
        m_audioCodec->setRouting(1);
    if (!MeasurementScreen::playRecording(&m_player, this, m_selectedMeasurementDir,
                                          recordingName(m_selected) + QStringLiteral(".wav")))
        return;
    ui->labelSymbol->setStyleSheet(pictureStyle(QStringLiteral("Start_gn_20px.png")));
}

void Pinpointing::on_butMenuStoredStop_clicked()
{
    MeasurementScreen::stopRecording(m_player);
    ui->labelSymbol->setStyleSheet(pictureStyle(QStringLiteral("Stop_ws_20px.png")));
}

void Pinpointing::on_butMenuStoredNext_clicked()
{
    int next = m_selected % PinpointingPositions::Count + 1;
    while (next <= PinpointingPositions::Count && !m_positions.hasResult(next))
        ++next;
    m_selected = next <= PinpointingPositions::Count ? next : 1;
    // The sound of one position, then the next: never two at once.
    on_butMenuStoredStop_clicked();
    markSelected();
}

void Pinpointing::on_butMenuStoredBack_clicked()
{
    m_timerLevel->stop();
    delete m_player;
    m_player = nullptr;
    if (m_audioCodec) {
        m_audioCodec->setRouting(0);
        m_audioCodec->setMuting(true);
    }
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, true);
    Analoginputworker().stopCapture();
    m_storedMeasurement = false;
    emit gotoWidget(7, -1, 0);
}
