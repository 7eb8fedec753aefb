#include "progressbarminmaxmarker.h"

#include <QPainter>

namespace {
const int kMarkerWidth = 3;
}

ProgressBarMinMaxMarker::ProgressBarMinMaxMarker(QWidget *parent) : QProgressBar(parent)
{
}

void ProgressBarMinMaxMarker::setMaxMarker(int value)
{
    if (value != m_maxMarker) {
        m_maxMarker = value;
        update();
    }
}

void ProgressBarMinMaxMarker::setMinMarker(int value)
{
    if (value != m_minMarker) {
        m_minMarker = value;
        update();
    }
}

void ProgressBarMinMaxMarker::paintEvent(QPaintEvent *event)
{
    QProgressBar::paintEvent(event);
    QPainter painter(this);
    drawMarker(painter, m_maxMarker, Qt::red);
    drawMarker(painter, m_minMarker, Qt::blue);
}

void ProgressBarMinMaxMarker::drawMarker(QPainter &painter, int value, const QColor &colour) const
{
    const int span = maximum() - minimum();
    if (value == Off || span <= 0 || value < minimum() || value > maximum())
        return;
    const int x = int(qint64(value - minimum()) * width() / span);
    // Centred on its level, but kept whole at either end of the bar.
    const int left = qBound(0, x - kMarkerWidth / 2, width() - kMarkerWidth);
    painter.fillRect(left, 0, kMarkerWidth, height(), colour);
}
