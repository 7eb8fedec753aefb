#include "timerh2heating.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Room under the dial for the working-range bar.
const int kRangeBarRoom = 14;
const int kRing = 9;
const QColor kDialBackground(40, 40, 40);
const QColor kRangeColour(128, 155, 255);

} // namespace

TimerH2Heating::TimerH2Heating(QWidget *parent) : QLabel(parent)
{
    init();
}

void TimerH2Heating::init()
{
    m_xSize = width();
    m_ySize = std::max(0, height() - kRangeBarRoom);
    m_center = QPoint(m_xSize / 2, m_ySize / 2);
    m_angle = time2Angle(m_currentTime);
    update();
}

void TimerH2Heating::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    init();
}

void TimerH2Heating::setMaxTime(int seconds)
{
    m_maxTime = std::max(1, seconds);
    setCurrentTime(m_currentTime);
}

void TimerH2Heating::setCurrentTime(int seconds)
{
    m_currentTime = std::clamp(seconds, 0, m_maxTime);
    m_angle = time2Angle(m_currentTime);
    update();
}

void TimerH2Heating::setThreshold(int red, int yellow, int green)
{
    m_startRedArea = red;
    m_startYellowArea = yellow;
    m_startGreenArea = green;
    update();
}

double TimerH2Heating::time2Angle(int t) const
{
    return double(t) * 360 / m_maxTime;
}

TimerH2Heating::Zone TimerH2Heating::zoneAt(int t) const
{
    if (t >= m_startGreenArea)
        return Green;
    if (t >= m_startYellowArea)
        return Yellow;
    return Red;
}

void TimerH2Heating::setRangeVisualisation(int reference, int level, int range)
{
    m_h2Reference = reference;
    m_h2Level = level;
    m_h2Range = range;
    update();
}

double TimerH2Heating::rangeFill() const
{
    if (m_h2Range <= 0)
        return 0;
    return std::clamp(double(m_h2Level - m_h2Reference) / m_h2Range, 0.0, 1.0);
}

void TimerH2Heating::showRangeVisualisation()
{
    m_showRangeVisualisation = true;
    update();
}

void TimerH2Heating::hideRangeVisualisation()
{
    m_showRangeVisualisation = false;
    update();
}

void TimerH2Heating::updatePos()
{
    setCurrentTime(m_currentTime + 1 >= m_maxTime ? 0 : m_currentTime + 1);
}

QColor TimerH2Heating::zoneColour(Zone zone)
{
    switch (zone) {
    case Green: return QColor(0, 200, 0);
    case Yellow: return QColor(255, 210, 0);
    case Red: break;
    }
    return QColor(230, 0, 0);
}

void TimerH2Heating::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int diameter = std::min(m_xSize, m_ySize) - 2;
    if (diameter < 2 * kRing)
        return;
    const QRectF dial(m_center.x() - diameter / 2.0, m_center.y() - diameter / 2.0, diameter, diameter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDialBackground);
    painter.drawEllipse(dial);

    // Each zone as a ring segment, clockwise from the top; Qt counts
    // sixteenths of a degree counter-clockwise from three o'clock.
    const QRectF ring = dial.adjusted(kRing / 2.0, kRing / 2.0, -kRing / 2.0, -kRing / 2.0);
    const int starts[] = {m_startRedArea, m_startYellowArea, m_startGreenArea, m_maxTime};
    for (int z = Red; z <= Green; ++z) {
        const double from = time2Angle(starts[z]);
        const double span = time2Angle(starts[z + 1]) - from;
        // The zone the pointer stands in is drawn full, the others dimmed.
        QColor colour = zoneColour(Zone(z));
        if (z != zone())
            colour = colour.darker(220);
        painter.setPen(QPen(colour, kRing, Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(ring, int((90 - from) * 16), int(-span * 16));
    }

    painter.save();
    painter.translate(m_center);
    painter.rotate(m_angle);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), QPointF(0, -(diameter / 2.0 - kRing - 1)));
    painter.restore();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(m_center), 3, 3);

    if (!m_showRangeVisualisation)
        return;
    const QRectF bar(1, m_ySize + 3, m_xSize - 2, kRangeBarRoom - 5);
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(QColor(50, 50, 50));
    painter.drawRect(bar);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRangeColour);
    painter.drawRect(QRectF(bar.left() + 1, bar.top() + 1, (bar.width() - 2) * rangeFill(), bar.height() - 2));
}
