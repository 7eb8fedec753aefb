#include "filtersettings.h"
#include "ui_filtersettings.h"
#include "languagefollower.h"

#include "analoginputworker.h"
#include "audiocodecsetup.h"
#include "buttonstyle.h"
#include "screenfont.h"
#include "freqspectrum.h"
#include "globals.h"
#include "headphonesettings.h"
#include "mainmenu.h"
#include "micsettings.h"
#include "statusbar.h"
#include "systemsettings.h"

#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

namespace {

const int kValuePixelSize = 30;
const int kCaptionPixelSize = 15;
const int kStatePixelSize = 19;
const int kButtonPixelSize = 17;
const int kServicePixelSize = 13;

const char *const kFolder = "Audio/Filtersettings";
const char *const kActiveColour = "rgb(0,220,0)";
const char *const kInactiveColour = "rgb(150,150,150)";

// Index of the entry equal to value, else of the last entry below it (0 if none).
int indexOf(const quint32 *list, int count, quint32 value)
{
    int index = 0;
    for (int i = 0; i < count && list[i] <= value; ++i)
        index = i;
    return index;
}

QString cornerText(quint32 hz, bool active)
{
    return active ? QStringLiteral("%1 Hz").arg(hz) : QStringLiteral("--- Hz");
}

} // namespace

Filtersettings::Filtersettings(QWidget *parent)
    : ServiceDialog(parent, false), ui(new Ui::Filtersettings), m_timerLevel(new QTimer(this))
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());

    setScreenFont({ui->labelLowCutOff, ui->labelHighCutOff}, kValuePixelSize, true);
    setScreenFont({ui->labelLowCaption, ui->labelHighCaption}, kCaptionPixelSize);
    setScreenFont({ui->labelFilterType}, kStatePixelSize, true);
    setScreenFont({ui->butAutoFilter, ui->butNoFilter, ui->butClose}, kButtonPixelSize);
    setScreenFont({ui->but50HzFilter, ui->butPreemphase}, kServicePixelSize);

    const QString folder = QLatin1String(kFolder);
    for (QPushButton *button : {ui->butLowCutOffUp, ui->butHighCutOffUp})
        button->setStyleSheet(ButtonStyle::pictureKey(folder, QStringLiteral("StepUp"), QStringLiteral("ws"), 32));
    for (QPushButton *button : {ui->butLowCutOffDown, ui->butHighCutOffDown})
        button->setStyleSheet(ButtonStyle::pictureKey(folder, QStringLiteral("StepDown"), QStringLiteral("ws"), 32));
    ui->butHeadphone->setStyleSheet(ButtonStyle::pictureKey(folder, QStringLiteral("Headphone"), QStringLiteral("ws"), 32));
    ui->butMicrophone->setStyleSheet(ButtonStyle::pictureKey(folder, QStringLiteral("Microphone"), QStringLiteral("ws"), 32));

    // The service sections take the place of filter sections only with the
    // debug features on; otherwise the toggles would change nothing.
    const bool service = g_debugFeatures == 1;
    ui->but50HzFilter->setVisible(service);
    ui->butPreemphase->setVisible(service);

    MainMenu *main = MainMenu::getInstanceMainMenu();
    m_audioCodec = main ? main->getAudioCodecInstance() : nullptr;
    if (m_audioCodec) {
        m_audioCodec->getFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType);
        m_audioCodec->getAvailableLpFilterFrequencies(m_lpFilterFrequencies, &m_numLpFilter);
        m_audioCodec->getAvailableHpFilterFrequencies(m_hpFilterFrequencies, &m_numHpFilter);
    }

    freqSpectrum = new FreqSpectrum(ui->widgetSpectrum);
    ui->layoutSpectrum->addWidget(freqSpectrum);
    ui->layoutSpectrum->activate();
    freqSpectrum->setAudioCodec(m_audioCodec);
    const QRect area = freqSpectrum->getRect();
    freqSpectrum->init(area.width() + 1, area.height() + 1);
    freqSpectrum->clear();
    Systemsettings *settings = main ? main->getInstanceSystemsettings() : nullptr;
    freqSpectrum->setScaleBgGradient(settings && settings->isUseFrequColorForBarEnabled());
    freqSpectrum->drawScale();
    freqSpectrum->installEventFilter(this);

    followLanguage(this, [this] { retranslate(); });
    showFilter();
    showSpecialFilters();

    connect(m_timerLevel, &QTimer::timeout, this, &Filtersettings::updateLevel);
    m_timerLevel->start(UpdateIntervalMs);
}

Filtersettings::~Filtersettings()
{
    delete ui;
}

Filtersettings::Corners Filtersettings::autoFilterCorners(int sensorType)
{
    switch (sensorType) {
    case 1:
        return {160, 800};
    case 2:
        return {400, 1000};
    case 4:
        return {160, 1000};
    default:
        return {160, 4000};
    }
}

void Filtersettings::getFiltersettings(int *type, quint32 *low, quint32 *high) const
{
    *type = m_filterType;
    *low = m_lowCutOffFrequency;
    *high = m_highCutOffFrequency;
}

void Filtersettings::updateLevel()
{
    AnalogInputWorker &worker = Analoginputworker();
    float rms = 0.0f;
    worker.getAudioLevel(&rms);
    worker.getFft(m_minimumFft);
    float samples[AnalogInputWorker::BlockSamples];
    worker.getAudioData(samples);
    freqSpectrum->refresh();
    freqSpectrum->drawScale();
    freqSpectrum->drawFft(m_minimumFft, true);
    freqSpectrum->drawData(samples);
    freqSpectrum->update();
}

bool Filtersettings::startBandIfNoFilter()
{
    if (m_filterType == 1)
        return false;
    m_lowCutOffFrequency = StartLowCutOff;
    m_highCutOffFrequency = StartHighCutOff;
    m_filterType = 1;
    return true;
}

void Filtersettings::stepLowCutOff(int direction)
{
    if (!startBandIfNoFilter() && m_numHpFilter > 0) {
        const int next = indexOf(m_hpFilterFrequencies, m_numHpFilter, m_lowCutOffFrequency) + direction;
        // The high-pass corner stays below the low-pass corner.
        if (next >= 0 && next < m_numHpFilter && m_hpFilterFrequencies[next] < m_highCutOffFrequency)
            m_lowCutOffFrequency = m_hpFilterFrequencies[next];
    }
    applyFilter();
}

void Filtersettings::stepHighCutOff(int direction)
{
    if (!startBandIfNoFilter() && m_numLpFilter > 0) {
        const int next = indexOf(m_lpFilterFrequencies, m_numLpFilter, m_highCutOffFrequency) + direction;
        // The low-pass corner stays above the high-pass corner.
        if (next >= 0 && next < m_numLpFilter && m_lpFilterFrequencies[next] > m_lowCutOffFrequency)
            m_highCutOffFrequency = m_lpFilterFrequencies[next];
    }
    applyFilter();
}

void Filtersettings::on_butLowCutOffUp_clicked()
{
    stepLowCutOff(1);
}

void Filtersettings::on_butLowCutOffDown_clicked()
{
    stepLowCutOff(-1);
}

void Filtersettings::on_butHighCutOffUp_clicked()
{
    stepHighCutOff(1);
}

void Filtersettings::on_butHighCutOffDown_clicked()
{
    stepHighCutOff(-1);
}

void Filtersettings::on_butAutoFilter_clicked()
{
    const Corners corners = autoFilterCorners(StatusbarData().sensorType());
    m_lowCutOffFrequency = corners.low;
    m_highCutOffFrequency = corners.high;
    m_filterType = 1;
    applyFilter();
}

void Filtersettings::on_butNoFilter_clicked()
{
    m_lowCutOffFrequency = 0;
    m_highCutOffFrequency = 4000;
    m_filterType = 0;
    applyFilter();
}

void Filtersettings::on_but50HzFilter_clicked()
{
    m_filter50HzEnabled = !m_filter50HzEnabled;
    showSpecialFilters();
    applyFilter();
}

void Filtersettings::on_butPreemphase_clicked()
{
    m_filterPreemphaseEnabled = !m_filterPreemphaseEnabled;
    showSpecialFilters();
    applyFilter();
}

void Filtersettings::on_butClose_clicked()
{
    m_timerLevel->stop();
    applyFilter();
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->setCurrentFilter(m_lowCutOffFrequency, m_highCutOffFrequency, m_filterType);
    accept();
}

void Filtersettings::on_butHeadphone_clicked()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void Filtersettings::on_butMicrophone_clicked()
{
    Micsettings dialog(this);
    dialog.exec();
}

void Filtersettings::applyFilter()
{
    showFilter();
    if (!m_audioCodec)
        return;
    m_audioCodec->setSpecialFilter(m_filter50HzEnabled, m_filterPreemphaseEnabled);
    m_audioCodec->setFilter(m_lowCutOffFrequency, m_highCutOffFrequency, m_filterType);
}

void Filtersettings::takeSpectrumFilter()
{
    if (m_audioCodec)
        m_audioCodec->getFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType);
    showFilter();
}

void Filtersettings::showFilter()
{
    const bool active = m_filterType == 1;
    ui->labelLowCutOff->setText(cornerText(m_lowCutOffFrequency, active));
    ui->labelHighCutOff->setText(cornerText(m_highCutOffFrequency, active));
    const QString colour = QStringLiteral("color: %1;").arg(QLatin1String(active ? kActiveColour : kInactiveColour));
    for (QLabel *label : {ui->labelLowCutOff, ui->labelHighCutOff, ui->labelFilterType})
        label->setStyleSheet(colour);
    ui->labelFilterType->setText(active ? tr("BandFilterOn", "Band filter on") : tr("FilterOff", "Filter off"));
    // No roof over the spectrum while nothing filters.
    if (active)
        freqSpectrum->updateFilter(m_lowCutOffFrequency, m_highCutOffFrequency, m_filterType);
    else
        freqSpectrum->updateFilter(0, 0, m_filterType);
}

void Filtersettings::showSpecialFilters()
{
    ui->but50HzFilter->setText(m_filter50HzEnabled ? QStringLiteral("50 Hz = 1") : QStringLiteral("50 Hz = 0"));
    ui->butPreemphase->setText(m_filterPreemphaseEnabled ? QStringLiteral("Preem = 1") : QStringLiteral("Preem = 0"));
}

void Filtersettings::retranslate()
{
    ui->labelLowCaption->setText(tr("LowCutOff", "Low cut-off"));
    ui->labelHighCaption->setText(tr("HighCutOff", "High cut-off"));
    ui->butAutoFilter->setText(tr("AutoFilter", "Auto filter"));
    ui->butNoFilter->setText(tr("NoFilter", "No filter"));
    for (QPushButton *button : {ui->butAutoFilter, ui->butNoFilter})
        shrinkToFit(button, kButtonPixelSize, kServicePixelSize);
    ui->butClose->setText(tr("Close", "Close"));
    ui->butHeadphone->setToolTip(tr("HeadphoneVolume", "Headphone volume"));
    ui->butMicrophone->setToolTip(tr("MicrophoneGain", "Microphone gain"));
}

bool Filtersettings::eventFilter(QObject *watched, QEvent *event)
{
    // The spectrum sets the codec on release; read it back once it has.
    if (watched == freqSpectrum && event->type() == QEvent::MouseButtonRelease)
        QMetaObject::invokeMethod(this, &Filtersettings::takeSpectrumFilter, Qt::QueuedConnection);
    return ServiceDialog::eventFilter(watched, event);
}

void Filtersettings::keyPressEvent(QKeyEvent *event)
{
    MainMenu *main = MainMenu::getInstanceMainMenu();
    switch (event->key()) {
    case Qt::Key_F10:
        qDebug() << "Filtersettings Mute-Key pressed";
        if (main)
            main->muteAudioPath(MainMenu::muteKeyPressMutes(main->isMuteKeySwitchmode(), main->isAudioPathMuted()), true);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        // The hardware arrow keys walk through the buttons.
        focusNextPrevChild(event->key() == Qt::Key_Down);
        return;
    default:
        ServiceDialog::keyPressEvent(event);
    }
}

void Filtersettings::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F10) {
        MainMenu *main = MainMenu::getInstanceMainMenu();
        if (main && MainMenu::muteKeyReleaseMutes(main->isMuteKeySwitchmode()))
            main->muteAudioPath(true, true);
        return;
    }
    ServiceDialog::keyReleaseEvent(event);
}
