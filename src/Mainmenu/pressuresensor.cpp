#include "pressuresensor.h"
#include "ui_pressuresensor.h"
#include "languagefollower.h"

#include "audiocodecsetup.h"
#include "audioworker.h"
#include "bluetooth.h"
#include "buttonstyle.h"
#include "gpio.h"
#include "longtermdata.h"
#include "mainmenu.h"
#include "measurements.h"
#include "measurementscreen.h"
#include "platform.h"
#include "screenfont.h"
#include "systemsettings.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>

namespace {

const char *const TempDir = "/media/kx500/temp/";

const int kCurrentPixelSize = 30;
const int kStatisticsPixelSize = 14;
const int kSmallPixelSize = 13;

const QColor kScaleColour(Qt::white);
const QColor kScaleBackground(Qt::black);
const QColor kDataBackground(Qt::white);
const QColor kDataColour(0, 90, 255);

const QString kFolder = QStringLiteral("Mainmenu/Pressuresensor");

// A step of 1, 2 or 5 times a power of ten, at least range / 6, so the axis
// numbers stay round and few.
float niceStep(float range)
{
    if (!(range > 0))
        return 1;
    const float raw = range / 6;
    const float power = std::pow(10.0f, std::floor(std::log10(raw)));
    for (float factor : {1.0f, 2.0f, 5.0f}) {
        if (factor * power >= raw)
            return factor * power;
    }
    return 10 * power;
}

QString barText(const char *label, float value)
{
    return QStringLiteral("%1 = %2 bar").arg(QLatin1String(label)).arg(double(value), 0, 'f', 2);
}

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

PressureSensor::PressureSensor(QWidget *parent) : QWidget(parent), ui(new Ui::PressureSensor)
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    setScreenFont({ui->labelCurrent}, kCurrentPixelSize, true);
    setScreenFont({ui->labelMax, ui->labelMin, ui->labelAvg, ui->labelDev}, kStatisticsPixelSize, true);
    setScreenFont({ui->labelSensorType, ui->labelTime}, kSmallPixelSize);

    const QString general = QStringLiteral("Allgemein");
    for (QPushButton *b : {ui->butMenuScaleX, ui->butMenuAnalyseScaleX})
        b->setStyleSheet(ButtonStyle::iconButton(kFolder, QStringLiteral("ScaleX"), 44));
    for (QPushButton *b : {ui->butMenuScaleY, ui->butMenuAnalyseScaleY})
        b->setStyleSheet(ButtonStyle::iconButton(kFolder, QStringLiteral("ScaleY"), 44));
    ui->butMenuAnalyse->setStyleSheet(ButtonStyle::iconButton(kFolder, QStringLiteral("Analyse"), 44));
    ui->butMenuAnalysePrev->setStyleSheet(ButtonStyle::iconButton(kFolder, QStringLiteral("Prev"), 44));
    ui->butMenuAnalyseNext->setStyleSheet(ButtonStyle::iconButton(kFolder, QStringLiteral("Next"), 44));
    ui->butMenuSave->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Diskette"), 44));
    ui->butMenuAnalyseBack->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Back"), 44));
    ui->butMenuHome->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("Home"), 44));

    LongtermData *curve = ui->pressureData;
    const QRect area = curve->getRect();
    curve->init(area.width() + 1, area.height() + 1, kScaleColour, kDataColour);
    curve->setBackgroundColorScale(kScaleBackground);
    curve->setBackgroundColorData(kDataBackground);
    curve->displayHGrid(true);
    curve->displayVGrid(true);

    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        m_btSource = main->getBtSourceInstance();
        m_btSink = main->getBtSinkInstance();
    }
    if (m_btSink) {
        connect(m_btSink, &Bluetooth::btEnableReceivePressuredata, this, &PressureSensor::enableReceivePressuredata);
        connect(m_btSink, &Bluetooth::btPressuredataReceived, this, &PressureSensor::pressuredataReceived);
    }
    if (!QDir().mkpath(Platform::path(QLatin1String(TempDir))))
        qWarning() << "PressureSensor: could not create" << TempDir;
    followLanguage(this, [this] { retranslate(); });
}

PressureSensor::~PressureSensor()
{
    delete ui;
}

QString PressureSensor::lowResFile()
{
    return QLatin1String(TempDir) + QStringLiteral("pressureLowRes.txt");
}

QString PressureSensor::highResFile()
{
    return QLatin1String(TempDir) + QStringLiteral("pressureHighRes.txt");
}

void PressureSensor::retranslate()
{
    for (QPushButton *b : {ui->butMenuScaleX, ui->butMenuAnalyseScaleX})
        b->setToolTip(tr("TimeAxis", "Time axis"));
    for (QPushButton *b : {ui->butMenuScaleY, ui->butMenuAnalyseScaleY})
        b->setToolTip(tr("PressureAxis", "Pressure axis"));
    ui->butMenuAnalyse->setToolTip(tr("Analyse", "Analyse"));
    ui->butMenuAnalysePrev->setToolTip(tr("Previous", "Previous"));
    ui->butMenuAnalyseNext->setToolTip(tr("Next", "Next"));
    ui->butMenuAnalyseBack->setToolTip(tr("Back", "Back"));
    ui->butMenuSave->setToolTip(tr("Store", "Store"));
    ui->butMenuHome->setToolTip(tr("Mainmenu", "Main menu"));
}

void PressureSensor::init(int mode)
{
    Q_UNUSED(mode) // no stored view: pressure measurements are not listed
    retranslate();
    MainMenu *main = MainMenu::getInstanceMainMenu();
    m_audioCodec = main ? main->getAudioCodecInstance() : nullptr;
    if (main)
        main->setCurrentVisibleDlgNum(FavouriteNumber);
    if (m_btSink) {
        m_btSink->callBtDeviceA2DP(true);
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &PressureSensor::switchActiveMute,
                Qt::UniqueConnection);
    }
    if (m_btSource)
        m_btSource->callBtDeviceA2DP(false);
    m_muted = true;
    if (main)
        main->muteAudioPath(true, true);
    if (m_audioCodec) {
        m_audioCodec->init();
        m_audioCodec->setFilter(0xFFFFFFFF, 0xFFFFFFFF, 0);
        m_audioCodec->setRouting(0);
        m_audioCodec->setInputPath(2);
    }
    Audioworker().startAudioRecording();
    ui->menuPages->setCurrentWidget(ui->subMenu);

    m_dataCnt = 0;
    m_storeDataCnt = 0;
    m_dataStart = m_dataEnd = 0;
    m_zoomed = false;
    // A transducer announced before the screen was first opened.
    int bar = 0;
    quint16 zero = 0, full = 0;
    if (m_btSink && m_btSink->pressureCalibration(&bar, &zero, &full))
        enableReceivePressuredata(true, bar, zero, full);
    else
        ui->labelSensorType->setText(tr("NoPressureTransducer", "No transducer"));
    setFullYRange();
    setXScaleMode(0);
    for (const QString &file : {lowResFile(), highResFile()})
        QFile::remove(Platform::path(file));
    clearStatistics();
    drawLive();
    qDebug() << "PressureSensor: Init";
}

void PressureSensor::clearStatistics()
{
    ui->labelMax->setText(QStringLiteral("MAX = --- bar"));
    ui->labelMin->setText(QStringLiteral("MIN = --- bar"));
    ui->labelAvg->setText(QStringLiteral("AVG = --- bar"));
    ui->labelDev->setText(QStringLiteral("DEV = --- bar"));
    ui->labelCurrent->setText(QStringLiteral("-- bar"));
}

bool PressureSensor::isAnalysing() const
{
    return ui->menuPages->currentWidget() == ui->subMenu_2;
}

void PressureSensor::send(const char *message)
{
    if (m_btSink)
        m_btSink->sendData(QLatin1String(message));
}

void PressureSensor::setMuted(bool mute, bool withMic)
{
    m_muted = mute;
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(mute, withMic);
    send(mute ? "BT_TX RP" : "BT_TX RS");
    // New values would move under the analysed window.
    if (!mute && isAnalysing())
        on_butMenuAnalyseBack_clicked();
    qDebug() << "PressureSensor: muted" << mute;
}

void PressureSensor::switchActiveMute(bool mute)
{
    setMuted(mute, false);
}

void PressureSensor::enableReceivePressuredata(bool enable, int maxPressure, quint16 adcMin, quint16 adcMax)
{
    // The driver checks the line; this guards the division below all the same.
    m_receiveEnabled = enable && maxPressure > 0 && adcMin < adcMax;
    if (!m_receiveEnabled) {
        ui->labelSensorType->setText(tr("NoPressureTransducer", "No transducer"));
        qDebug() << "Empfang der Druckdaten beendet";
        return;
    }
    m_maxPressureValue = float(maxPressure);
    m_ADCvalueMinPressure = adcMin;
    m_ADCvalueMaxPressure = adcMax;
    ui->labelSensorType->setText(QStringLiteral("0 - %1 bar").arg(maxPressure));
    setFullYRange();
    if (isAnalysing())
        drawAnalysis();
    else
        drawLive();
    qDebug() << "Empfang der Druckdaten gestartet" << maxPressure << adcMin << adcMax;
}

float PressureSensor::toBar(int reading, float fullScale, int adcZero, int adcFull)
{
    if (adcFull <= adcZero)
        return 0;
    return std::max(0.0f, fullScale / float(adcFull - adcZero) * float(reading - adcZero));
}

void PressureSensor::pressuredataReceived(int count, const QString &data)
{
    if (m_muted || !m_receiveEnabled)
        return;
    if (count < 1 || count > Bluetooth::MaxPressureReadings || data.size() < 4 * count - 1) {
        qDebug() << "PressureSensor: block ignored" << count << data.size();
        return;
    }
    int readings[Bluetooth::MaxPressureReadings];
    for (int i = 0; i < count; ++i) {
        const int a = hexDigit(data.at(4 * i)), b = hexDigit(data.at(4 * i + 1)), c = hexDigit(data.at(4 * i + 2));
        if (a < 0 || b < 0 || c < 0) {
            qDebug() << "PressureSensor: block ignored, reading" << i;
            return;
        }
        readings[i] = a << 8 | b << 4 | c;
    }
    Gpio::setValue(BlockGpio, 1);

    // The oldest values make room: the buffer never holds more than a minute.
    const int drop = m_dataCnt + count - MaxValues;
    if (drop > 0) {
        std::move(m_pressureValues + drop, m_pressureValues + m_dataCnt, m_pressureValues);
        m_dataCnt -= drop;
    }
    const bool newMinute = m_storeDataCnt <= 0;
    QString highRes;
    if (newMinute) {
        m_minuteTime = Platform::currentDateTime().toString(Systemsettings::getFormatStringTime());
        highRes = QStringLiteral("\r\n") + m_minuteTime + QLatin1Char(';');
    }
    for (int i = 0; i < count; ++i) {
        const float bar = toBar(readings[i], m_maxPressureValue, m_ADCvalueMinPressure, m_ADCvalueMaxPressure);
        m_pressureValues[m_dataCnt + i] = bar;
        highRes += QString::number(double(bar), 'f', 2) + QLatin1Char(';');
    }
    appendToFile(highResFile(), highRes);
    m_dataCnt += count;
    updatePressureValues(0, m_dataCnt, false);

    if (newMinute) {
        appendToFile(lowResFile(), QStringLiteral("%1;%2;%3;%4;%5;\r\n")
                                       .arg(m_minuteTime)
                                       .arg(double(m_stats.max), 0, 'f', 2)
                                       .arg(double(m_stats.min), 0, 'f', 2)
                                       .arg(double(m_stats.average), 0, 'f', 2)
                                       .arg(double(m_stats.deviation), 0, 'f', 2));
        qDebug() << "PressureSensor: 1 minute data";
        m_storeDataCnt = 0;
    }
    m_storeDataCnt += count;
    if (m_storeDataCnt > MaxValues - 1)
        m_storeDataCnt = 0;
    drawLive();
    Gpio::setValue(BlockGpio, 0);
}

bool PressureSensor::appendToFile(const QString &devicePath, const QString &text)
{
    QFile file(Platform::path(devicePath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qWarning() << "Could not open file:" << file.fileName() << file.errorString();
        return false;
    }
    const QByteArray bytes = text.toLatin1();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        qWarning() << "Could not write file:" << file.fileName() << file.errorString();
        return false;
    }
    return true;
}

PressureSensor::Statistics PressureSensor::statistics(const float *values, int count)
{
    Statistics s;
    if (!values || count < 1)
        return s;
    s.min = values[0];
    double sum = 0;
    for (int i = 0; i < count; ++i) {
        s.max = std::max(s.max, values[i]);
        s.min = std::min(s.min, values[i]);
        sum += values[i];
    }
    s.average = float(sum / count);
    double squares = 0;
    for (int i = 0; i < count; ++i)
        squares += (values[i] - double(s.average)) * (values[i] - double(s.average));
    s.deviation = float(std::sqrt(squares / count));
    if (count > ValuesPerSecond - 1) {
        double last = 0;
        for (int i = count - ValuesPerSecond; i < count; ++i)
            last += values[i];
        s.current = float(last / ValuesPerSecond);
    } else {
        s.current = s.average;
    }
    return s;
}

void PressureSensor::updatePressureValues(int start, int count, bool showDeviation)
{
    start = std::clamp(start, 0, m_dataCnt);
    count = std::clamp(count, 0, m_dataCnt - start);
    if (count < 1) {
        clearStatistics();
        return;
    }
    m_stats = statistics(m_pressureValues + start, count);
    ui->labelMax->setText(barText("MAX", m_stats.max));
    ui->labelMin->setText(barText("MIN", m_stats.min));
    ui->labelAvg->setText(barText("AVG", m_stats.average));
    ui->labelDev->setText(barText("DEV", m_stats.deviation));
    // Live, the value now stands large; the analysis page shows its window there.
    if (!showDeviation)
        ui->labelCurrent->setText(QStringLiteral("%1 bar").arg(double(m_stats.current), 0, 'f', 2));
}

int PressureSensor::secondsOfMode(int mode)
{
    static const int seconds[XScaleModes] = {60, 30, 10, 5, 1};
    return seconds[std::clamp(mode, 0, XScaleModes - 1)];
}

void PressureSensor::setXScaleMode(int mode)
{
    m_XScaleMode = mode % XScaleModes;
    m_dataCntScaled = secondsOfMode(m_XScaleMode) * ValuesPerSecond;
    ui->labelTime->setText(QStringLiteral("%1 s").arg(secondsOfMode(m_XScaleMode)));
}

void PressureSensor::setFullYRange()
{
    m_zoomed = false;
    m_minYScaleValue = 0;
    m_maxYScaleValue = m_maxPressureValue;
}

// From the whole bar below the lowest value to the next whole bar above the
// highest, so a flat line still gets a range.
void PressureSensor::fitYRange(int start, int count)
{
    start = std::clamp(start, 0, m_dataCnt);
    count = std::clamp(count, 0, m_dataCnt - start);
    if (count < 1) {
        setFullYRange();
        return;
    }
    const Statistics s = statistics(m_pressureValues + start, count);
    m_zoomed = true;
    m_minYScaleValue = std::floor(s.min);
    m_maxYScaleValue = std::floor(s.max) + 1;
}

void PressureSensor::updateDiagram(float xMin, float xMax, float yMin, float yMax, unsigned start, unsigned end,
                                   unsigned count)
{
    LongtermData *curve = ui->pressureData;
    const float xStep = niceStep(xMax - xMin);
    const float yStep = niceStep(yMax - yMin);
    curve->setAxisX(xMin, xMax, xStep, xStep / 2, true);
    curve->setAxisY(yMin, yMax, yStep, yStep / 2, true);
    curve->refresh();
    const unsigned points = end > start ? end - start : 1;
    const unsigned shown = std::min({count, points, unsigned(MaxValues) - std::min(start, unsigned(MaxValues))});
    curve->drawDataScaled(m_pressureValues + start, int(shown), int(points), false, yMin, yMax);
}

void PressureSensor::drawLive()
{
    if (m_dataCnt > m_dataCntScaled) {
        m_dataStart = m_dataCnt - m_dataCntScaled;
        m_dataEnd = m_dataCnt;
    } else {
        m_dataStart = 0;
        m_dataEnd = m_dataCntScaled;
    }
    updateDiagram(0, float(secondsOfMode(m_XScaleMode)), m_minYScaleValue, m_maxYScaleValue, unsigned(m_dataStart),
                  unsigned(m_dataEnd), unsigned(m_dataCnt - m_dataStart));
}

void PressureSensor::drawAnalysis()
{
    m_analyseDataEnd = std::min(m_analyseDataStart + m_dataCntScaled, int(MaxValues));
    updateDiagram(float(m_analyseDataStart) / ValuesPerSecond, float(m_analyseDataEnd) / ValuesPerSecond,
                  m_minYScaleValue, m_maxYScaleValue, unsigned(m_analyseDataStart), unsigned(m_analyseDataEnd),
                  unsigned(std::max(0, m_dataCnt - m_analyseDataStart)));
    updatePressureValues(m_analyseDataStart, m_analyseDataEnd - m_analyseDataStart, true);
    ui->labelCurrent->setText(QStringLiteral("%1-%2 s").arg(m_analyseDataStart / ValuesPerSecond)
                                  .arg(m_analyseDataEnd / ValuesPerSecond));
}

void PressureSensor::on_butMenuScaleX_clicked()
{
    setXScaleMode(m_XScaleMode + 1);
    drawLive();
}

void PressureSensor::on_butMenuScaleY_clicked()
{
    if (m_zoomed)
        setFullYRange();
    else
        fitYRange(m_dataStart, m_dataCnt - m_dataStart);
    drawLive();
}

void PressureSensor::on_butMenuAnalyse_clicked()
{
    if (!m_muted)
        setMuted(true, true);
    ui->menuPages->setCurrentWidget(ui->subMenu_2);
    setXScaleMode(2);
    m_analyseDataStart = 0;
    drawAnalysis();
}

void PressureSensor::on_butMenuAnalyseScaleX_clicked()
{
    setXScaleMode(m_XScaleMode + 1);
    drawAnalysis();
}

void PressureSensor::on_butMenuAnalyseScaleY_clicked()
{
    if (m_zoomed)
        setFullYRange();
    else
        fitYRange(m_analyseDataStart, m_analyseDataEnd - m_analyseDataStart);
    drawAnalysis();
}

void PressureSensor::moveAnalysisWindow(int start)
{
    m_analyseDataStart = std::clamp(start, 0, std::max(0, m_dataCnt - m_dataCntScaled));
    drawAnalysis();
}

void PressureSensor::on_butMenuAnalysePrev_clicked()
{
    moveAnalysisWindow(m_analyseDataStart - m_dataCntScaled);
    qDebug() << "Prev" << m_analyseDataStart << m_analyseDataEnd;
}

void PressureSensor::on_butMenuAnalyseNext_clicked()
{
    moveAnalysisWindow(m_analyseDataStart + m_dataCntScaled);
    qDebug() << "Next" << m_analyseDataStart << m_analyseDataEnd;
}

void PressureSensor::on_butMenuAnalyseBack_clicked()
{
    ui->menuPages->setCurrentWidget(ui->subMenu);
    updatePressureValues(0, m_dataCnt, false);
    if (m_dataCnt < 1)
        clearStatistics();
    drawLive();
}

void PressureSensor::on_butMenuSave_clicked()
{
    if (!m_muted)
        setMuted(true, true);
    QString name;
    if (!MeasurementScreen::askName(this, &name)) {
        qDebug() << "Text: verworfen";
        return;
    }
    Measurements::PressureInfo info;
    info.fullScaleBar = m_maxPressureValue;
    info.adcZero = m_ADCvalueMinPressure;
    info.adcFull = m_ADCvalueMaxPressure;
    info.lowResFile = Platform::path(lowResFile());
    info.highResFile = Platform::path(highResFile());
    // Nothing received yet still saves, with empty files.
    for (const QString &file : {info.lowResFile, info.highResFile})
        appendToFile(file, QString());
    // The store tells the operator why a save failed.
    const int result = MeasurementData()->storePressureMeasurement(name, info);
    if (result != Measurements::Stored)
        qWarning() << "PressureSensor: measurement not stored" << result;
}

void PressureSensor::on_butMenuHome_clicked()
{
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, true);
    m_muted = true;
    send("BT_TX RP");
    Audioworker().stopAudioRecording();
    if (m_btSink)
        disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &PressureSensor::switchActiveMute);
    emit exit();
}

void PressureSensor::keyPressEvent(QKeyEvent *event)
{
    if (!MeasurementScreen::takeScreenKey(event, screenKeys()))
        QWidget::keyPressEvent(event);
}

void PressureSensor::keyReleaseEvent(QKeyEvent *event)
{
    if (!MeasurementScreen::takeScreenKey(event, screenKeys()))
        QWidget::keyReleaseEvent(event);
}

MeasurementScreen::ScreenKeys PressureSensor::screenKeys()
{
    return {m_muted, [this](bool mute) { setMuted(mute, true); }, [this] { on_butMenuHome_clicked(); }, "PressureSensor"};
}
