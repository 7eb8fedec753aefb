#include "longtermdata.h"

#include <QDebug>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// The y scale takes the first 30 columns; 16 columns are kept free right of
// the curve for the last x label, 26 rows below it for the x scale.
constexpr int kYScaleWidth = 30;
constexpr int kRightMargin = 16;
constexpr int kXScaleHeight = 26;
// The longest sweep a caller can hand over: the size of a stored series.
constexpr int kMaxPoints = 2048;
// More ticks than this come from a step far too small for the axis.
constexpr int kMaxTicks = 1000;
constexpr int kLabelPixels = 11;
constexpr int kMainTick = 5;
constexpr int kMinorTick = 2;
constexpr int kYLabelGap = 2;
constexpr int kXLabelWidth = 40;
constexpr int kYLabelHeight = 14;
const QRgb kOldSweepColour = qRgb(0, 0, 0);
// The current sweep is drawn 2 pixels wide so that it reads at a glance
// over the old one; the old sweep stays a thin line.
constexpr int kCurrentPen = 2;
constexpr int kOldPen = 1;

// Grid lines a little darker than a light background, lighter than a dark one.
QColor gridColour(const QColor &background)
{
    const QColor towards = background.lightness() > 127 ? QColor(Qt::black) : QColor(Qt::white);
    const double share = background.lightness() > 127 ? 0.18 : 0.3;
    return QColor::fromRgbF(background.redF() + (towards.redF() - background.redF()) * share,
                            background.greenF() + (towards.greenF() - background.greenF()) * share,
                            background.blueF() + (towards.blueF() - background.blueF()) * share);
}

// Steps along an axis; the slack lets 3 / 0.1 count 30 steps, not 29.
int tickCount(float min, float max, float step)
{
    return int(std::floor((double(max) - min) / step + 1e-4));
}

} // namespace

LongtermData::LongtermData(QWidget *parent) : QWidget(parent) {}

void LongtermData::init(int width, int height, QColor scaleColor, QColor dataColor)
{
    // Never smaller than the two scales and a data area of a pixel.
    width = std::max(width, kYScaleWidth + kRightMargin + 2);
    height = std::max(height, kXScaleHeight + 2);
    image = QImage(width, height, QImage::Format_RGB32);
    m_scaleColor = scaleColor;
    m_dataColor = dataColor;
    m_rectDataArea = QRect(QPoint(kYScaleWidth, 0), QPoint(width - kRightMargin, height - kXScaleHeight));
    m_rectYScale = QRect(QPoint(0, 0), QPoint(kYScaleWidth - 1, height - kXScaleHeight));
    m_rectXScale = QRect(QPoint(kYScaleWidth, height - kXScaleHeight + 1), QPoint(width - kRightMargin - 1, height - 2));
    m_points = 0;
    m_rows.clear();
    m_kinds.clear();
    m_backgroundChanged = true;
    drawInit();
}

QRect LongtermData::getRect() const
{
    return rect().adjusted(0, 0, -1, -1);
}

void LongtermData::refresh()
{
    if (m_backgroundChanged)
        drawInit();
}

void LongtermData::setAxis(Axis &axis, const Axis &value)
{
    if (axis.min == value.min && axis.max == value.max && axis.mainStep == value.mainStep
        && axis.minorStep == value.minorStep && axis.visible == value.visible)
        return;
    axis = value;
    m_backgroundChanged = true;
}

void LongtermData::setAxisX(float min, float max, float mainStep, float minorStep, bool visible)
{
    setAxis(m_xAxis, {min, max, mainStep, minorStep, visible});
}

void LongtermData::setAxisY(float min, float max, float mainStep, float minorStep, bool visible)
{
    setAxis(m_yAxis, {min, max, mainStep, minorStep, visible});
}

void LongtermData::displayHGrid(bool visible)
{
    m_backgroundChanged |= m_hGrid_visible != visible;
    m_hGrid_visible = visible;
}

void LongtermData::displayVGrid(bool visible)
{
    m_backgroundChanged |= m_vGrid_visible != visible;
    m_vGrid_visible = visible;
}

void LongtermData::setColor(QColor &member, const QColor &color)
{
    m_backgroundChanged |= member != color;
    member = color;
}

void LongtermData::setBackgroundColorScale(QColor color)
{
    setColor(m_scaleBackgroundColor, color);
}

void LongtermData::setBackgroundColorData(QColor color)
{
    setColor(m_dataBackgroundColor, color);
}

void LongtermData::setColorScale(QColor color)
{
    setColor(m_scaleColor, color);
}

void LongtermData::setColorData(QColor color)
{
    // The whole curve is drawn anew in it, as after a background change.
    setColor(m_dataColor, color);
}

bool LongtermData::axisUsable(const Axis &axis)
{
    if (!std::isfinite(axis.min) || !std::isfinite(axis.max) || !(axis.max > axis.min) || !(axis.mainStep > 0)
        || !(axis.minorStep > 0))
        return false;
    const double span = double(axis.max) - axis.min;
    return span / axis.mainStep <= kMaxTicks && span / axis.minorStep <= kMaxTicks;
}

// Background, scales and grid into the cached picture, then the curve as it
// stands over it.
void LongtermData::drawInit()
{
    if (image.isNull())
        return;
    m_background = QImage(image.size(), QImage::Format_RGB32);
    m_background.fill(m_scaleBackgroundColor);
    QPainter painter(&m_background);
    painter.fillRect(m_rectDataArea, m_dataBackgroundColor);
    QFont font = this->font();
    font.setPixelSize(kLabelPixels);
    painter.setFont(font);
    drawGrid(painter);
    drawXScale(painter);
    drawYScale(painter);
    painter.end();
    m_backgroundChanged = false;
    image = m_background;
    if (m_points > 0)
        repaintColumns(m_rectDataArea.left(), m_rectDataArea.right());
    update();
}

void LongtermData::drawGrid(QPainter &painter)
{
    painter.setPen(QPen(gridColour(m_dataBackgroundColor), 1));
    const QRect &area = m_rectDataArea;
    if (m_hGrid_visible && axisUsable(m_yAxis)) {
        for (int k = 0, n = tickCount(m_yAxis.min, m_yAxis.max, m_yAxis.mainStep); k <= n; ++k) {
            const double v = double(k) * m_yAxis.mainStep;
            const int y = area.bottom() - int(std::lround(v * dataHeight() / (double(m_yAxis.max) - m_yAxis.min)));
            painter.drawLine(area.left(), y, area.right(), y);
        }
    }
    if (m_vGrid_visible && axisUsable(m_xAxis)) {
        for (int k = 0, n = tickCount(m_xAxis.min, m_xAxis.max, m_xAxis.mainStep); k <= n; ++k) {
            const double v = double(k) * m_xAxis.mainStep;
            const int x = area.left() + int(std::lround(v * dataWidth() / (double(m_xAxis.max) - m_xAxis.min)));
            painter.drawLine(x, area.top(), x, area.bottom());
        }
    }
}

void LongtermData::drawXScale(QPainter &painter)
{
    if (!m_xAxis.visible)
        return;
    if (!axisUsable(m_xAxis)) {
        qDebug() << "Error: drawXScale" << m_xAxis.min << m_xAxis.max << m_xAxis.mainStep << m_xAxis.minorStep;
        return;
    }
    const QRect &strip = m_rectXScale;
    const int left = m_rectDataArea.left();
    const double pixels = double(dataWidth()) / (double(m_xAxis.max) - m_xAxis.min);
    painter.setPen(QPen(m_scaleColor, 1));
    for (int k = 0, n = tickCount(m_xAxis.min, m_xAxis.max, m_xAxis.minorStep); k <= n; ++k) {
        const int x = left + int(std::lround(k * m_xAxis.minorStep * pixels));
        painter.drawLine(x, strip.top(), x, strip.top() + kMinorTick);
    }
    for (int k = 0, n = tickCount(m_xAxis.min, m_xAxis.max, m_xAxis.mainStep); k <= n; ++k) {
        const double v = double(k) * m_xAxis.mainStep;
        const int x = left + int(std::lround(v * pixels));
        painter.drawLine(x, strip.top(), x, strip.top() + kMainTick);
        QRect label(x - kXLabelWidth / 2, strip.top() + kMainTick + 1, kXLabelWidth, strip.bottom() - strip.top() - kMainTick);
        label.moveLeft(std::clamp(label.left(), 0, image.width() - kXLabelWidth));
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(m_xAxis.min + v, 'g', 4));
    }
}

void LongtermData::drawYScale(QPainter &painter)
{
    if (!m_yAxis.visible)
        return;
    if (!axisUsable(m_yAxis)) {
        qDebug() << "Error: drawYScale" << m_yAxis.min << m_yAxis.max << m_yAxis.mainStep << m_yAxis.minorStep;
        return;
    }
    const QRect &strip = m_rectYScale;
    const int bottom = m_rectDataArea.bottom();
    const double pixels = double(dataHeight()) / (double(m_yAxis.max) - m_yAxis.min);
    painter.setPen(QPen(m_scaleColor, 1));
    for (int k = 0, n = tickCount(m_yAxis.min, m_yAxis.max, m_yAxis.minorStep); k <= n; ++k) {
        const int y = bottom - int(std::lround(k * m_yAxis.minorStep * pixels));
        painter.drawLine(strip.right() - kMinorTick, y, strip.right(), y);
    }
    for (int k = 0, n = tickCount(m_yAxis.min, m_yAxis.max, m_yAxis.mainStep); k <= n; ++k) {
        const double v = double(k) * m_yAxis.mainStep;
        const int y = bottom - int(std::lround(v * pixels));
        painter.drawLine(strip.right() - kMainTick, y, strip.right(), y);
        QRect label(0, y - kYLabelHeight / 2, strip.right() - kMainTick - kYLabelGap, kYLabelHeight);
        label.moveTop(std::clamp(label.top(), 0, image.height() - kYLabelHeight));
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(m_yAxis.min + v, 'g', 4));
    }
}

void LongtermData::drawData(float *data, int count, int points, bool oldSweep)
{
    plot(data, count, points, oldSweep, 0, 100);
}

void LongtermData::drawDataScaled(float *data, int count, int points, bool oldSweep, float min, float max)
{
    plot(data, count, points, oldSweep, min, max);
}

int LongtermData::pointX(int i) const
{
    return m_rectDataArea.left() + i * dataWidth() / m_points;
}

// A point whose line to the next cannot reach column x or beyond lies
// before this one, so a repaint of a few columns skips most of a long sweep.
int LongtermData::firstPointBefore(int x) const
{
    return std::max(0, (x - m_rectDataArea.left() - 1) * m_points / dataWidth() - 1);
}

// Works out where every point now lies and what it is drawn as, and
// repaints only the columns between the first and the last point that
// changed: a new sample changes one point, a wrap or a new scale all.
void LongtermData::plot(const float *data, int count, int points, bool oldSweep, float min, float max)
{
    if (image.isNull())
        return;
    if (!(max > min) || !std::isfinite(min) || !std::isfinite(max)) {
        qDebug() << "Error: drawDataScaled" << min << max;
        points = 0;
    }
    points = data ? std::clamp(points, 0, kMaxPoints) : 0;
    count = std::clamp(count, 0, points);
    if (m_backgroundChanged)
        drawInit();

    const int bottom = m_rectDataArea.bottom();
    const double pixels = double(dataHeight()) / (double(max) - min);
    QVector<int> rows(points, 0);
    QVector<quint8> kinds(points, None);
    for (int i = 0; i < points; ++i) {
        kinds[i] = i < count ? Current : oldSweep ? Old : None;
        if (kinds[i] == None)
            continue;
        // Below the range (or not a number): on the bottom edge; above: on the top.
        const double above = data[i] > min ? (double(data[i]) - min) * pixels : 0.0;
        rows[i] = int(std::max(double(m_rectDataArea.top()), bottom - above));
    }

    if (points != m_points) {
        m_points = points;
        m_rows = rows;
        m_kinds = kinds;
        repaintColumns(m_rectDataArea.left(), m_rectDataArea.right());
        update(m_rectDataArea);
        return;
    }
    int first = -1;
    int last = -1;
    for (int i = 0; i < points; ++i) {
        if (rows[i] != m_rows[i] || kinds[i] != m_kinds[i]) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return;
    m_rows = rows;
    m_kinds = kinds;
    // The lines into and out of the changed points change with them.
    const int left = pointX(std::max(first - 1, 0));
    const int right = std::min(pointX(std::min(last + 1, points - 1)) + kCurrentPen - 1, m_rectDataArea.right());
    repaintColumns(left, right);
    update(QRect(QPoint(left, m_rectDataArea.top()), QPoint(right, m_rectDataArea.bottom())));
}

// Columns left..right of the data area from the background, then every line
// that crosses them: the old sweep first, the current one over it, the same
// order as a redraw of the whole area, so both give the same pixels.
void LongtermData::repaintColumns(int left, int right)
{
    const int bytes = (right - left + 1) * int(sizeof(QRgb));
    for (int y = m_rectDataArea.top(); y <= m_rectDataArea.bottom(); ++y)
        std::memcpy(image.scanLine(y) + left * int(sizeof(QRgb)), m_background.constScanLine(y) + left * int(sizeof(QRgb)),
                    size_t(bytes));
    for (const quint8 kind : {quint8(Old), quint8(Current)}) {
        const QRgb colour = kind == Old ? kOldSweepColour : m_dataColor.rgb();
        const int pen = kind == Old ? kOldPen : kCurrentPen;
        for (int i = firstPointBefore(left - pen + 1); i < m_points; ++i) {
            if (m_kinds[i] != kind)
                continue;
            if (pointX(i) > right)
                break;
            // A point without a neighbour of its kind is drawn as a dot.
            const int next = i + 1 < m_points && m_kinds[i + 1] == kind ? i + 1 : i;
            if (pointX(next) + pen - 1 >= left)
                plotSegment(i, next, colour, pen, left, right);
        }
    }
}

// A line from point from to point to, both ends included, pen pixels wide
// to the right and upwards; only the pixels in columns left..right are set.
void LongtermData::plotSegment(int from, int to, QRgb colour, int pen, int left, int right)
{
    int x0 = pointX(from);
    int y0 = m_rows[from];
    const int x1 = pointX(to);
    const int y1 = m_rows[to];
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    uchar *bits = image.bits();
    const int stride = image.bytesPerLine();
    const int top = m_rectDataArea.top();
    for (;;) {
        for (int x = std::max(x0, left); x < x0 + pen && x <= right; ++x) {
            for (int y = y0; y > y0 - pen && y >= top; --y)
                reinterpret_cast<QRgb *>(bits + y * stride)[x] = colour;
        }
        if (x0 == x1 && y0 == y1)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void LongtermData::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image, event->rect());
}
