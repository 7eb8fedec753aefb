#include "pipelocatingpoints.h"

#include <QDebug>

#include <algorithm>
#include <iterator>

const PipelocatingPoints::Point &PipelocatingPoints::at(int n) const
{
    static const Point none;
    return n >= 1 && n <= Count ? m_points[n] : none;
}

void PipelocatingPoints::clear()
{
    std::fill(std::begin(m_points), std::end(m_points), Point());
    m_hold.clear();
    m_step = 0;
}

bool PipelocatingPoints::open()
{
    m_hold.clear();
    const bool scrolled = m_step >= Count;
    if (scrolled)
        std::copy(m_points + 2, m_points + Count + 1, m_points + 1);
    else
        ++m_step;
    m_points[m_step] = Point();
    return scrolled;
}

float PipelocatingPoints::addReading(float level, int frequency)
{
    if (m_step < 1)
        return 0;
    Point &p = m_points[m_step];
    p.level = m_hold.add(level);
    p.frequency = frequency;
    return p.level;
}

void PipelocatingPoints::setLevel(float level)
{
    if (m_step >= 1)
        m_points[m_step].level = level;
}

void PipelocatingPoints::setPosition(double latitude, double longitude)
{
    if (m_step < 1)
        return;
    m_points[m_step].latitude = latitude;
    m_points[m_step].longitude = longitude;
}

bool PipelocatingPoints::close()
{
    if (m_step >= 1 && m_points[m_step].level > 0)
        return true;
    qDebug() << "Fastpress" << m_step << at(m_step - 1).level << at(m_step).level << at(m_step + 1).level;
    if (m_step >= 1) {
        m_points[m_step] = Point();
        --m_step;
    }
    return false;
}

void PipelocatingPoints::setPoint(int n, const Point &point)
{
    if (n < 1 || n > Count)
        return;
    m_points[n] = point;
    m_step = std::max(m_step, n);
}

int PipelocatingPoints::loudest() const
{
    int loudest = 0;
    for (int n = 1; n <= m_step; ++n) {
        if (m_points[n].level > 0 && m_points[n].level >= at(loudest).level)
            loudest = n;
    }
    return loudest;
}

PipelocatingPoints::Range PipelocatingPoints::range() const
{
    float levels[Count];
    for (int n = 1; n <= Count; ++n)
        levels[n - 1] = m_points[n].level;
    return PinpointingPositions::rangeOf(levels, Count, PinpointingPositions::Dynamic);
}

PipelocatingPoints::Range PipelocatingPoints::storedRange() const
{
    float lowest = 100;
    float highest = 0;
    for (int n = 1; n <= Count; ++n) {
        const float level = m_points[n].level;
        if (level > 0)
            lowest = std::min(lowest, level);
        highest = std::max(highest, level);
    }
    Range range;
    if (lowest - 5 < 0) {
        // Near the bottom the bars start at 0.
        if (highest + 5 > 100 || highest - 5 < 1)
            return range;
        range.upper = highest + 5;
        range.spread = true;
        return range;
    }
    highest = std::min(highest, 95.0f);
    if (highest - lowest < 1)
        return range;
    range.lower = lowest - 5;
    range.upper = highest + 5;
    range.spread = true;
    return range;
}
