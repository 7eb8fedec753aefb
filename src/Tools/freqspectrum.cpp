#include "freqspectrum.h"

#include "audiocodecsetup.h"
#include "globals.h"
#include "mainmenu.h"
#include "spectrummath.h"
#include "statusbar.h"

#include <QDebug>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double LogLow = 1.30103;  // log10(20 Hz), the left edge
constexpr double LogSpan = 2.30103; // log10(4000 Hz / 20 Hz)
constexpr int Bins = SpectrumMath::UsedBins;
constexpr int FloorBin = Bins - 4;
constexpr int LastWindowStart = 508;
constexpr int HistorySlots = 3;
constexpr int SlotStride = 4;
constexpr float SilentMagnitude = 1e-7f;
constexpr quint32 MinBandHz = 10;
constexpr double PressBandRatio = 1.4;
constexpr int LabelPixels = 13;
// The corner texts above the curve, the axis labels below it, so that
// neither hides a peak or the noise floor.
constexpr int TextRowPixels = 16;
constexpr int LabelRowPixels = 16;
constexpr int FlankPixels = 8;
constexpr double MarkerHeight = 0.8;
// Dimmed so the white curve stays readable over the yellow end.
constexpr double GradientOpacity = 0.35;

const QColor GridColour(55, 55, 55);
const QColor LabelledGridColour(95, 95, 95);
const QColor LabelColour(200, 200, 200);
const QColor FilterColour(235, 20, 20);
const QColor CornerTextColour(0, 230, 0);

const unsigned GradientStops[] = {0, 20, 40, 60, 80, 100, 200, 400, 600, 800, 1000, 2000, 4000};
const std::vector<unsigned> LogGrid = {20,  30,  40,  50,  60,  70,  80,   90,   100,  200, 300,
                                       400, 500, 600, 700, 800, 900, 1000, 2000, 3000, 4000};
const std::vector<unsigned> LinearGrid = {0, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000};
const std::vector<unsigned> LogLabels = {20, 100, 1000, 2000, 4000};
const std::vector<unsigned> LinearLabels = {0, 1000, 2000, 4000};

constexpr int LogScale = 1;

bool isLog(int scaleType)
{
    return scaleType == LogScale;
}

// Bin 0 (0 Hz) has no place on a log axis; it goes where bin 1 goes, off the left edge.
double axisX(int scaleType, double freq, int width)
{
    if (isLog(scaleType))
        return FreqSpectrum::xForFrequency(qMax(freq, FreqSpectrum::BinHz), width);
    return freq * width / FreqSpectrum::MaxFrequency;
}

quint32 toHz(double freq)
{
    // Also turns NaN (zero width) into 0 rather than an undefined conversion.
    return quint32(qBound(0.0, freq, double(FreqSpectrum::MaxFrequency)));
}

QFont labelFont(QFont font)
{
    font.setPixelSize(LabelPixels);
    return font;
}

} // namespace

FreqSpectrum::FreqSpectrum(QWidget *parent) : QWidget(parent)
{
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        m_audioCodec = main->getAudioCodecInstance();
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    qDebug() << "Konstruktor FreqSpectrum" << m_lowCutOffFrequency << m_highCutOffFrequency << m_filterType;
}

double FreqSpectrum::xForFrequency(double freq, int width)
{
    return (std::log10(freq) - LogLow) * width / LogSpan;
}

double FreqSpectrum::frequencyForX(double x, int width)
{
    return std::pow(10.0, x * LogSpan / width + LogLow);
}

FreqSpectrum::Band FreqSpectrum::pressBand(double x, int width)
{
    const double f = frequencyForX(x, width);
    return {toHz(f), toHz(f * PressBandRatio)};
}

FreqSpectrum::Band FreqSpectrum::dragBand(double startX, double stopX, int width)
{
    Band band{toHz(frequencyForX(startX, width)), toHz(frequencyForX(stopX, width))};
    if (band.high < band.low) {
        band.low = band.high;
        band.high = band.low + MinBandHz;
    } else if (band.high - band.low < MinBandHz) {
        band.high += MinBandHz;
    }
    band.high = qMin(band.high, MaxFrequency);
    return band;
}

void FreqSpectrum::normalise(const float *magnitudes, float *values)
{
    float max = -std::numeric_limits<float>::max();
    for (int i = 0; i < Bins; ++i) {
        values[i] = magnitudes[i] < SilentMagnitude ? 0.0f : 20.0f * std::log10(magnitudes[i]);
        max = qMax(max, values[i]);
    }
    // The top bins carry no leak sound: their level is the noise floor.
    float floor = 0.0f;
    for (int i = FloorBin; i < Bins; ++i)
        floor += values[i];
    floor /= Bins - FloorBin;
    const float range = max - floor;
    for (int i = 0; i < Bins; ++i) {
        const float v = range > 0.0f ? (values[i] - floor) / range : 0.0f;
        values[i] = v > 0.0f ? v : 0.0f; // also drops NaN
    }
}

QRect FreqSpectrum::plotRect(const QSize &size)
{
    const int top = TextRowPixels + 3; // the filter roof's pen lies above
    return QRect(0, top, size.width(), qMax(1, size.height() - top - LabelRowPixels));
}

unsigned FreqSpectrum::gradientMaxFrequency(int sensorType)
{
    // Type 1 sensors hear leaks lower down; their colours spread over less.
    return sensorType == 1 ? 300 : 1000;
}

void FreqSpectrum::init(int width, int height)
{
    m_rectWidth = width;
    m_rectHeight = height;
    image = QImage(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    if (m_audioCodec)
        m_audioCodec->getFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType);
    qDebug() << "FreqSpectrum::init" << m_lowCutOffFrequency << m_highCutOffFrequency << m_filterType;
}

QRect FreqSpectrum::getRect() const
{
    return rect().adjusted(0, 0, -1, -1);
}

void FreqSpectrum::clear()
{
    std::fill(std::begin(m_fftDataArray), std::end(m_fftDataArray), 0.0f);
    std::fill(std::begin(m_fftDataArrayMeanTemp), std::end(m_fftDataArrayMeanTemp), 0.0f);
    std::fill(std::begin(m_fftDataArrayMean), std::end(m_fftDataArrayMean), 0.0f);
    m_meanCnt = 0;
}

void FreqSpectrum::refresh()
{
    if (image.size() != QSize(m_rectWidth, m_rectHeight))
        image = QImage(m_rectWidth, m_rectHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
}

void FreqSpectrum::drawScale()
{
    if (image.isNull())
        return;
    const unsigned gradientMax = m_scaleBgGradient ? gradientMaxFrequency(StatusbarData().sensorType()) : 0;
    if (m_scale.size() != image.size() || m_scaleTypeDrawn != m_scaleType || m_scaleGradientDrawn != m_scaleBgGradient
        || m_scaleGradientMax != gradientMax)
        renderScale(gradientMax);
    // Shared until drawFft paints on it.
    image = m_scale;
}

void FreqSpectrum::renderScale(unsigned gradientMax)
{
    m_scaleTypeDrawn = m_scaleType;
    m_scaleGradientDrawn = m_scaleBgGradient;
    m_scaleGradientMax = gradientMax;
    m_scale = QImage(image.size(), QImage::Format_RGB32);
    m_scale.fill(Qt::black);
    const int w = m_scale.width();
    const int h = m_scale.height();
    const QRect plot = plotRect(m_scale.size());
    QPainter painter(&m_scale);

    if (m_scaleBgGradient) {
        QLinearGradient gradient(0, 0, w, 0);
        for (unsigned f : GradientStops) {
            const QColor colour = SpectrumMath::frequencyColor(f, gradientMax, QColor("blue"), QColor("red"),
                                                               QColor("yellow"));
            gradient.setColorAt(qBound(0.0, axisX(m_scaleType, f, w) / w, 1.0), colour);
        }
        painter.setOpacity(GradientOpacity);
        painter.fillRect(plot, gradient);
        painter.setOpacity(1.0);
    }

    const bool log = isLog(m_scaleType);
    painter.setPen(GridColour);
    for (int quarter = 0; quarter < 4; ++quarter) {
        const int y = plot.top() + plot.height() * quarter / 4;
        painter.drawLine(0, y, w - 1, y);
    }
    for (unsigned f : log ? LogGrid : LinearGrid) {
        const int x = qBound(0, qRound(axisX(m_scaleType, f, w)), w - 1);
        painter.drawLine(x, plot.top(), x, plot.bottom());
    }
    painter.setPen(LabelledGridColour);
    for (unsigned f : log ? LogLabels : LinearLabels) {
        const int x = qBound(0, qRound(axisX(m_scaleType, f, w)), w - 1);
        painter.drawLine(x, plot.top(), x, plot.bottom());
    }

    // The end labels sit inside the edges, the others centred on their line.
    painter.setFont(labelFont(font()));
    painter.setPen(LabelColour);
    const QFontMetrics metrics(painter.font());
    const int baseline = h - metrics.descent() - 1;
    const auto &labels = log ? LogLabels : LinearLabels;
    const int count = int(labels.size());
    for (int i = 0; i < count; ++i) {
        const QString text = QString::number(labels[i]);
        const int textWidth = metrics.horizontalAdvance(text);
        int left = qRound(axisX(m_scaleType, labels[i], w)) - textWidth / 2;
        if (i == 0)
            left = 2;
        else if (i == count - 1)
            left = w - textWidth - 2;
        painter.drawText(left, baseline, text);
    }
}

void FreqSpectrum::drawFft(float *fft, bool live)
{
    normalise(fft, m_fftDataArray);
    for (int i = 0; i < Bins; ++i) {
        float *history = m_fftDataArrayMeanTemp + i * SlotStride;
        history[m_meanCnt] = m_fftDataArray[i];
        m_fftDataArrayMean[i] = live ? (history[0] + history[1] + history[2]) / HistorySlots : m_fftDataArray[i];
    }
    m_meanCnt = (m_meanCnt + 1) % HistorySlots;
    m_significandFrequency = SpectrumMath::windowFrequency(SpectrumMath::dominantWindow(m_fftDataArrayMean, LastWindowStart));
    drawSpectrum();
}

void FreqSpectrum::drawSpectrum()
{
    if (image.isNull())
        return;
    const int w = image.width();
    const QRect plot = plotRect(image.size());
    const double bottom = plot.bottom();
    const double span = plot.height() - 1;
    QPolygonF line(Bins);
    for (int i = 0; i < Bins; ++i)
        line[i] = QPointF(axisX(m_scaleType, i * BinHz, w), bottom - m_fftDataArrayMean[i] * span);

    QPainter painter(&image);
    const bool log = isLog(m_scaleType);
    painter.setPen(QPen(log ? Qt::white : Qt::green, 1));
    painter.drawPolyline(line);
    if (!log)
        return;
    if (g_debugFeatures == 1) {
        const int window = SpectrumMath::dominantWindow(m_fftDataArrayMean, LastWindowStart);
        const double x = axisX(m_scaleType, window * BinHz, w);
        painter.setPen(QPen(Qt::red, 3));
        painter.drawLine(QPointF(x, bottom), QPointF(x, bottom - span * MarkerHeight));
    }
    drawFilterCurve(&painter);
}

void FreqSpectrum::drawData(float *data)
{
    // The time signal is not shown; the hook keeps the screens' drawing sequence.
    Q_UNUSED(data);
}

void FreqSpectrum::drawFilterCurve(QPainter *painter)
{
    if (m_lowCutOffFrequency == 0 && m_highCutOffFrequency == 0)
        return;
    const int w = image.width();
    const int bottom = plotRect(image.size()).bottom();
    painter->save();
    painter->setFont(labelFont(font()));
    const QFontMetrics metrics(painter->font());
    const double top = TextRowPixels + 0.5;
    const double xLow = axisX(LogScale, m_lowCutOffFrequency, w);
    const double xHigh = axisX(LogScale, m_highCutOffFrequency, w);

    QPainterPath outline(QPointF(xLow - FlankPixels, bottom));
    outline.lineTo(xLow, top);
    outline.lineTo(xHigh, top);
    outline.lineTo(xHigh + FlankPixels, bottom);
    painter->setPen(QPen(FilterColour, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(outline);

    // Each number inside its corner; when they would collide, outside.
    const QString lowText = QString::number(m_lowCutOffFrequency) + QStringLiteral(" Hz");
    const QString highText = QString::number(m_highCutOffFrequency) + QStringLiteral(" Hz");
    const int lowWidth = metrics.horizontalAdvance(lowText);
    const int highWidth = metrics.horizontalAdvance(highText);
    const int gap = 4;
    int lowLeft = qBound(0, int(xLow) + gap, w - lowWidth);
    int highLeft = qBound(0, int(xHigh) - gap - highWidth, w - highWidth);
    if (lowLeft + lowWidth + gap > highLeft) {
        lowLeft = qBound(0, int(xLow) - gap - lowWidth, w - lowWidth);
        highLeft = qBound(0, int(xHigh) + gap, w - highWidth);
    }
    painter->setPen(CornerTextColour);
    const int baseline = (TextRowPixels + metrics.ascent() - metrics.descent()) / 2;
    painter->drawText(lowLeft, baseline, lowText);
    painter->drawText(highLeft, baseline, highText);
    painter->restore();
}

void FreqSpectrum::updateFilter(quint32 low, quint32 high, int type)
{
    m_lowCutOffFrequency = low;
    m_highCutOffFrequency = high;
    m_filterType = type;
}

void FreqSpectrum::setScaleType(int type)
{
    m_scaleType = type;
}

void FreqSpectrum::setScaleBgGradient(bool on)
{
    m_scaleBgGradient = on;
}

// The screens keep the widget in their layout and only blank it.
void FreqSpectrum::show()
{
    m_hide = false;
    update();
}

void FreqSpectrum::hide()
{
    m_hide = true;
    update();
}

void FreqSpectrum::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_hide)
        painter.fillRect(event->rect(), Qt::black);
    else
        painter.drawImage(event->rect(), image, event->rect());
}

int FreqSpectrum::axisWidth() const
{
    return m_rectWidth > 0 ? m_rectWidth : width();
}

void FreqSpectrum::setBand(const Band &band)
{
    m_lowCutOffFrequency = band.low;
    m_highCutOffFrequency = band.high;
}

void FreqSpectrum::mousePressEvent(QMouseEvent *event)
{
    start = stop = event->localPos();
    qDebug() << "Aktivate Filter";
    m_filterType = 1;
    setBand(pressBand(start.x(), axisWidth()));
    qDebug() << "FrequSpectrum press" << start << stop << m_lowCutOffFrequency << m_highCutOffFrequency;
}

void FreqSpectrum::mouseMoveEvent(QMouseEvent *event)
{
    stop = event->localPos();
    setBand(dragBand(start.x(), stop.x(), axisWidth()));
}

void FreqSpectrum::mouseReleaseEvent(QMouseEvent *event)
{
    stop = event->localPos();
    setBand(dragBand(start.x(), stop.x(), axisWidth()));
    qDebug() << "FrequSpectrum setFilter" << m_lowCutOffFrequency << m_highCutOffFrequency << m_filterType;
    if (m_audioCodec) {
        m_audioCodec->setFilter(m_lowCutOffFrequency, m_highCutOffFrequency, m_filterType);
        // The codec snaps to its own corner table; show what it took.
        m_audioCodec->getFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType);
    }
    // The average as it stands, not fed through the conversion again.
    refresh();
    drawScale();
    drawSpectrum();
    update();
    qDebug() << "FrequSpectrum release" << m_lowCutOffFrequency << m_highCutOffFrequency << m_filterType;
}
