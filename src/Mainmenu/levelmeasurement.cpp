#include "levelmeasurement.h"
#include "ui_levelmeasurement.h"
#include "languagefollower.h"

#include "analoginputworker.h"
#include "audiocodecsetup.h"
#include "audioworker.h"
#include "bluetooth.h"
#include "buttonstyle.h"
#include "filtersettings.h"
#include "freqspectrum.h"
#include "globals.h"
#include "headphonesettings.h"
#include "mainmenu.h"
#include "measmanagement.h"
#include "measurements.h"
#include "measurementscreen.h"
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
const int kCaptionPixelSize = 12;
const int kFrequencyPixelSize = 20;
const int kNamePixelSize = 16;

// Below the third block after a restart the worker has no minimum yet.
const float kNoMinimum = 99.0f;


} // namespace

Levelmeasurement::Levelmeasurement(QWidget *parent)
    : QWidget(parent), ui(new Ui::Levelmeasurement), m_timerCheckBtConnection(new QTimer(this)),
      m_timerLevel(new QTimer(this))
{
    qDebug() << "Konstruktor Levelmeasurement";
    ui->setupUi(this);
    // A dark groove, so the coloured part of a bar stands out.
    MeasurementScreen::styleBars(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());

    setScreenFont({ui->labelCurrentLevel, ui->labelMinimumLevel}, kLevelPixelSize, true);
    setScreenFont({ui->labelCurrentCaption, ui->labelMinimumCaption, ui->labelPeakCaption}, kCaptionPixelSize);
    setScreenFont({ui->labelFrequency}, kFrequencyPixelSize, true);
    setScreenFont({ui->labelName}, kNamePixelSize);

    const QString general = QStringLiteral("Allgemein");
    const QString start = QStringLiteral("Mainmenu/Levelmeasurement");
    ui->butMenuSave->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Diskette"), 44));
    ui->butMenuFilter->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Filter"), 44));
    ui->butMenuMic->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Microphone"), 44));
    ui->butMenuHeadphone->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Headphone"), 44));
    ui->butMenuStoredHeadphone->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Headphone"), 44));
    ui->butMenuMainmenu->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Home"), 44));
    ui->butMenuMainmenu_2->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Home"), 44));
    ui->butMenuStoredBack->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Back"), 44));
    ui->butMenuStoredPlay->setStyleSheet(ButtonStyle::iconButton(start, QStringLiteral("Start"), 44));
    ui->butMenuStoredStop->setStyleSheet(ButtonStyle::iconButton(start, QStringLiteral("Stop"), 44));

    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        main->setCurrentVisibleDlgNum(2);
        m_btSource = main->getBtSourceInstance();
        m_btSink = main->getBtSinkInstance();
    }

    freqSpectrum = new FreqSpectrum(ui->widgetSpectrum);
    ui->layoutSpectrum->addWidget(freqSpectrum);

    connect(m_timerLevel, &QTimer::timeout, this, &Levelmeasurement::updateLevel, Qt::UniqueConnection);
    connect(m_timerCheckBtConnection, &QTimer::timeout, this, &Levelmeasurement::checkBtConnection,
            Qt::UniqueConnection);
    // Kept in the form for the layout of the row, but they have nothing to do
    // in the stored view: a dead button there would only puzzle.
    ui->butMenuStoredHeadphone->hide();
    ui->butMenuMainmenu_2->hide();
    followLanguage(this, [this] { retranslate(); });
}

Levelmeasurement::~Levelmeasurement()
{
    delete ui;
}

QString Levelmeasurement::peakBarStyle(float peak)
{
    if (peak > 0.056f)
        return QStringLiteral("QProgressBar::chunk {background-color: red;}");
    if (peak > 0.04f)
        return QStringLiteral("QProgressBar::chunk {background-color: orange;}");
    return QStringLiteral("QProgressBar::chunk {background-color: lightgreen;}");
}

void Levelmeasurement::retranslate()
{
    ui->butMenuSave->setToolTip(tr("Store", "Store"));
    ui->butMenuFilter->setToolTip(tr("AdjustFilter", "Adjust filter"));
    ui->butMenuMic->setToolTip(tr("MicrophoneGain", "Microphone gain"));
    ui->butMenuHeadphone->setToolTip(tr("HeadphoneVolume", "Headphone volume"));
    ui->butMenuMainmenu->setToolTip(tr("Mainmenu", "Main menu"));
    ui->butMenuStoredPlay->setToolTip(tr("PlayRecordedSound", "Play recorded sound"));
    ui->butMenuStoredStop->setToolTip(tr("StopPlaying", "Stop playing"));
    ui->butMenuStoredBack->setToolTip(tr("Back", "Back"));
    ui->butMenuStoredHeadphone->setToolTip(tr("HeadphoneGain", "Headphone gain"));
    ui->butMenuMainmenu_2->setToolTip(tr("Mainmenu", "Main menu"));
    ui->labelCurrentCaption->setText(tr("CurrentLevel", "Level"));
    ui->labelMinimumCaption->setText(tr("MinimumLevel", "Minimum"));
    ui->labelPeakCaption->setText(tr("PeakLevel", "Peak"));
}

void Levelmeasurement::init(int variant)
{
    retranslate();
    qDebug() << "Init Levelmeasurement";
    MainMenu *main = MainMenu::getInstanceMainMenu();
    if (main)
        main->setCurrentVisibleDlgNum(2);

    if (variant != 1)
        MeasurementScreen::noteIfH2Probe(this);

    Systemsettings *s = MainMenu::settings();
    const bool peakBar = s && s->isShowPeakLevelBarEnabled() && g_debugFeatures == 1;
    ui->labelFrequency->setVisible(!s || s->isShowFrequencyValueEnabled());
    ui->barPeakLevel->setVisible(peakBar);
    ui->labelPeakCaption->setVisible(peakBar);
    ui->widgetSpectrum->setVisible(!s || s->isShowFftEnabled());
    freqSpectrum->setScaleBgGradient(s && s->isUseFrequColorForBarEnabled());
    const bool service = g_debugFeatures == 1;
    for (QWidget *w : {static_cast<QWidget *>(ui->butDigitalLoopback), static_cast<QWidget *>(ui->butAnalogLoopback),
                       static_cast<QWidget *>(ui->butDbgStartRec), static_cast<QWidget *>(ui->butDbgStopRec),
                       static_cast<QWidget *>(ui->butDbgLoop), static_cast<QWidget *>(ui->labelDbg)})
        w->setVisible(service);

    if (m_btSink)
        m_btSink->callBtDeviceA2DP(true);
    if (m_btSource)
        m_btSource->callBtDeviceA2DP(false);
    if (m_btSink)
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &Levelmeasurement::switchActiveMute,
                Qt::UniqueConnection);

    m_audioCodec = main ? main->getAudioCodecInstance() : nullptr;
    if (m_audioCodec)
        m_audioCodec->init();
    freqSpectrum->setAudioCodec(m_audioCodec);
    m_measManagement = main ? main->getInstanceMeasManagement() : nullptr;

    for (ProgressBarMinMaxMarker *bar : {ui->barCurrentLevel, ui->barMinimumLevel, ui->barPeakLevel}) {
        bar->setRange(0, 1000);
        bar->setMaxMarker(ProgressBarMinMaxMarker::Off);
        bar->setMinMarker(ProgressBarMinMaxMarker::Off);
    }
    m_maxHold.clear();

    if (variant == 1) {
        initStored();
        return;
    }

    m_storedMeasurement = false;
    ui->stackedButtons->setCurrentWidget(ui->pageLive);
    ui->labelName->clear();
    showLevels(0, 0);
    ui->barPeakLevel->setValue(0);
    m_significandFrequency = 0;
    setFrequencyText(0);
    quint32 low = 0, high = 4000;
    int type = 0;
    if (main)
        main->getCurrentFilter(&low, &high, &type);
    if (m_audioCodec)
        m_audioCodec->setFilter(low, high, type);
    freqSpectrum->updateFilter(low, high, type);
    qDebug() << "Levelmeasurement: Start with audio muted.";
    muteAudioPath(true, true);
    Analoginputworker().clearAllData();
    ui->layoutSpectrum->activate();
    const QRect area = freqSpectrum->getRect();
    freqSpectrum->init(area.width() + 1, area.height() + 1);
    freqSpectrum->clear();
    freqSpectrum->drawScale();
    freqSpectrum->setEnabled(false);
    if (main)
        main->setMicGainStep(main->getCurrentMicGainStep());
    Audioworker().startAudioRecording();
    m_timerCheckBtConnection->start(LinkCheckIntervalMs);

    m_linkWatch.setEnabled(MeasurementScreen::linkWarningAfterStart(2));
}

void Levelmeasurement::initStored()
{
    m_storedMeasurement = true;
    m_timerLevel->stop();
    m_timerCheckBtConnection->stop();
    ui->stackedButtons->setCurrentWidget(ui->pageStored);
    m_selectedMeasurementDir = m_measManagement ? m_measManagement->getSelectedMeasurementDir() : QString();
    qDebug() << "Display stored measurement" << m_selectedMeasurementDir;
    analyseInfoFile();

    m_minimumLevelAbs = m_currentLevel = m_storedLevel;
    showLevels(m_storedLevel, m_storedLevel);
    ui->barPeakLevel->setValue(0);
    setFrequencyText(m_significandFrequency);
    colourBars(unsigned(m_significandFrequency), unsigned(m_significandFrequency));

    if (m_audioCodec)
        m_audioCodec->setFilter(quint32(m_storedFilterLowCutOff), quint32(m_storedFilterHighCutOff), m_storedFilterType);
    freqSpectrum->updateFilter(quint32(m_storedFilterLowCutOff), quint32(m_storedFilterHighCutOff), m_storedFilterType);
    ui->layoutSpectrum->activate();
    const QRect area = freqSpectrum->getRect();
    freqSpectrum->init(area.width() + 1, area.height() + 1);
    freqSpectrum->refresh();
    freqSpectrum->drawScale();
    freqSpectrum->drawFft(m_fft, false);
    freqSpectrum->update();
    freqSpectrum->setEnabled(false);
    ui->labelName->setText(m_storedMeasurementName);
    if (m_audioCodec)
        m_audioCodec->setRouting(1);
    if (!m_storedUsable)
        showDamaged();
}

void Levelmeasurement::showDamaged()
{
    // Zeros would read as a quiet spot on the pipe.
    ui->labelCurrentLevel->setText(QStringLiteral("--"));
    ui->labelMinimumLevel->setText(QStringLiteral("--"));
    ui->labelFrequency->setText(QStringLiteral("-- Hz"));
    MeasurementScreen::noteDamaged(this, m_selectedMeasurementDir);
}

void Levelmeasurement::analyseInfoFile()
{
    StoredMeasurement stored;
    m_storedUsable = stored.load(m_selectedMeasurementDir);
    m_storedMeasurementName = stored.name();
    m_storedLevel = stored.level();
    m_significandFrequency = m_significandFrequencyAtMin = stored.frequency();
    std::fill(std::begin(m_fft), std::end(m_fft), 0.0f);
    const QVector<float> fft = stored.fftValues();
    std::copy_n(fft.constBegin(), std::min<int>(fft.size(), StoredMeasurement::MaxFftValues), m_fft);
    m_storedFilterType = stored.filterType();
    m_storedFilterLowCutOff = int(stored.lowCutOff());
    m_storedFilterHighCutOff = int(stored.highCutOff());
}

void Levelmeasurement::showLevels(float current, float minimum)
{
    ui->barCurrentLevel->setValue(int(current * 10));
    ui->labelCurrentLevel->setText(QString::number(current, 'f', 0));
    ui->barMinimumLevel->setValue(int(minimum * 10));
    ui->labelMinimumLevel->setText(QString::number(minimum, 'f', 0));
}

void Levelmeasurement::setFrequencyText(int hz)
{
    ui->labelFrequency->setText(QStringLiteral("%1 Hz").arg(hz));
}

void Levelmeasurement::colourBars(unsigned currentFrequency, unsigned minimumFrequency)
{
    Systemsettings *s = MainMenu::settings();
    const bool colour = s && s->isUseFrequColorForBarEnabled();
    const QString yellow = QStringLiteral("yellow");
    MeasurementScreen::setStyle(ui->barCurrentLevel, MeasurementScreen::barChunk(int(currentFrequency), yellow, colour));
    MeasurementScreen::setStyle(ui->barMinimumLevel, MeasurementScreen::barChunk(int(minimumFrequency), yellow, colour));
}

void Levelmeasurement::updateLevel()
{
    AnalogInputWorker &worker = Analoginputworker();
    float rms = 0, peak = 0, minimum = 0;
    worker.getAudioLevel(&rms, &peak, &minimum);
    const float rmsDb = AnalogInputWorker::audioLevelToDb(rms);
    const float peakDb = AnalogInputWorker::audioLevelToDb(peak);
    const float minimumDb = AnalogInputWorker::audioLevelToDb(minimum);
    if (rmsDb < 0 || peakDb < 0 || minimumDb < 0)
        return;

    m_peakLevel = peakDb;
    m_currentLevel = rmsDb;
    m_minimumLevelAbs = minimumDb >= kNoMinimum ? m_currentLevel : minimumDb;
    m_minimumLevel = m_minimumLevelAbs;
    showLevels(m_currentLevel, m_minimumLevelAbs);

    MeasurementScreen::setStyle(ui->barPeakLevel, peakBarStyle(peak));
    if (ui->barPeakLevel->isVisibleTo(this)) {
        const float held = m_maxHold.add(peakDb);
        ui->barPeakLevel->setValue(int(peakDb * 10));
        ui->barCurrentLevel->setMaxMarker(int(held * 10));
        ui->barMinimumLevel->setMaxMarker(int(held * 10));
    } else {
        ui->barCurrentLevel->setMaxMarker(ProgressBarMinMaxMarker::Off);
        ui->barMinimumLevel->setMaxMarker(ProgressBarMinMaxMarker::Off);
    }
    ui->barCurrentLevel->setMinMarker(ProgressBarMinMaxMarker::Off);
    ui->barMinimumLevel->setMinMarker(ProgressBarMinMaxMarker::Off);

    worker.getFft(m_fft);
    float samples[AnalogInputWorker::BlockSamples];
    worker.getAudioData(samples);
    freqSpectrum->refresh();
    freqSpectrum->drawScale();
    freqSpectrum->drawFft(m_fft, true);
    freqSpectrum->drawData(samples);
    freqSpectrum->update();

    m_significandFrequency = int(worker.getSignificandFrequency());
    m_significandFrequencyAtMin = int(worker.getSignificandFrequencyAtMin());
    setFrequencyText(m_significandFrequencyAtMin);
    colourBars(unsigned(m_significandFrequency), unsigned(m_significandFrequencyAtMin));
}

void Levelmeasurement::checkBtConnection()
{
    m_linkWatch.check(this, [this] { muteAudioPath(true, true); });
}

void Levelmeasurement::muteAudioPath(bool mute, bool withMic)
{
    if (m_storedMeasurement) {
        m_timerLevel->stop();
        m_muted = mute;
        if (mute)
            on_butMenuStoredStop_clicked();
        else
            on_butMenuStoredPlay_clicked();
        return;
    }
    qDebug() << "muteAudioPath" << (mute ? "true" : "false") << (withMic ? "true" : "false");
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(mute, withMic);
    m_muted = mute;
    if (mute) {
        m_timerLevel->stop();
        freqSpectrum->setEnabled(false);
    } else {
        // Every unmute starts a new minimum and a new max-hold.
        Analoginputworker().clearAllData();
        m_maxHold.clear();
        m_timerLevel->start(LevelIntervalMs);
        freqSpectrum->setEnabled(true);
    }
}

void Levelmeasurement::switchActiveMute(bool active)
{
    qDebug() << "Mutekey RM3 pressed" << active;
    muteAudioPath(active, false);
}

void Levelmeasurement::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F10)
        qDebug() << "Levelmeas Mute-Key pressed";
    if (MeasurementScreen::takeMuteKey(event, m_muted, [this](bool mute) { muteAudioPath(mute, true); }))
        return;
    qDebug() << "Levelmeas Any-Key pressed";
    QWidget::keyPressEvent(event);
}

void Levelmeasurement::keyReleaseEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F10:
        qDebug() << "Levelmeas Mute-Key released";
        MeasurementScreen::takeMuteKey(event, m_muted, [this](bool mute) { muteAudioPath(mute, true); });
        return;
    case Qt::Key_Escape:
        qDebug() << "Levelmeas IO-Key released";
        on_butMenuMainmenu_clicked();
        return;
    default:
        qDebug() << "Levelmeas Any-Key released";
        QWidget::keyReleaseEvent(event);
    }
}

void Levelmeasurement::on_butMenuSave_clicked()
{
    muteAudioPath(true, true);
    QString name;
    if (!MeasurementScreen::askName(this, &name))
        return;
    Audioworker().storeAudioData(QStringLiteral("LE_sound"));

    auto info = std::make_unique<MeasInfoStructure>();
    info->level[0] = m_minimumLevelAbs;
    info->frequency[0] = m_significandFrequency;
    info->sampleRate = 16000;
    std::copy_n(m_fft, 512, info->fft);
    info->fftSize = 512;
    if (m_audioCodec)
        m_audioCodec->getFilter(&info->filterLowCutOff, &info->filterHighCutOff, &info->filterType);
    // The store tells the operator why a save failed; the screen only must
    // not go on as if it had been saved.
    const int result = MeasurementData()->storeMeasurement(Measurements::LevelMeasurement, name, *info);
    if (result != Measurements::Stored)
        qWarning() << "Levelmeasurement: measurement not stored" << result;
    else
        qDebug() << "Levelmeasurement: measurement stored";
}

void Levelmeasurement::on_butMenuFilter_clicked()
{
    m_timerLevel->stop();
    Filtersettings dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        int type = 0;
        quint32 low = 0, high = 0;
        dialog.getFiltersettings(&type, &low, &high);
        freqSpectrum->updateFilter(low, high, type);
    }
    m_timerLevel->start(LevelIntervalMs);
}

void Levelmeasurement::on_butMenuMic_clicked()
{
    Micsettings dialog(this);
    dialog.exec();
}

void Levelmeasurement::on_butMenuHeadphone_clicked()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void Levelmeasurement::on_butMenuMainmenu_clicked()
{
    m_timerLevel->stop();
    m_timerCheckBtConnection->stop();
    Audioworker().stopAudioRecording();
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, true);
    m_muted = true;
    if (m_btSink)
        disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &Levelmeasurement::switchActiveMute);
    emit exit();
}

void Levelmeasurement::on_butMenuStoredPlay_clicked()
{
    MeasurementScreen::playRecording(&m_player, this, m_selectedMeasurementDir, QStringLiteral("LE_sound.wav"));
}

void Levelmeasurement::on_butMenuStoredStop_clicked()
{
    MeasurementScreen::stopRecording(m_player);
}

void Levelmeasurement::on_butMenuStoredBack_clicked()
{
    m_timerLevel->stop();
    delete m_player;
    m_player = nullptr;
    if (m_audioCodec) {
        m_audioCodec->setRouting(0);
        m_audioCodec->setMuting(true);
    }
    Analoginputworker().stopCapture();
    m_storedMeasurement = false;
    emit gotoWidget(7, -1, 0);
}

void Levelmeasurement::on_butDbgStartRec_clicked()
{
    qDebug() << "Call Headphone";
    if (m_btSource)
        m_btSource->callBtDeviceA2DP(false);
}

void Levelmeasurement::on_butDbgStopRec_clicked()
{
    qDebug() << "Disconnect Headphone";
    if (m_btSource)
        m_btSource->disconnectBtDevice();
}
