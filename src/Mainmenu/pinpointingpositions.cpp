#include "pinpointingpositions.h"

#include <algorithm>
#include <iterator>

const PinpointingPositions::Position &PinpointingPositions::at(int n) const
{
    static const Position none;
    return n >= 1 && n <= Count ? m_positions[n] : none;
}

bool PinpointingPositions::hasResult(int n) const
{
    const Position &p = at(n);
    return p.minimumLevel > 0 || p.frequency > 0;
}

void PinpointingPositions::clear()
{
    std::fill(std::begin(m_positions), std::end(m_positions), Position());
    m_step = 0;
}

bool PinpointingPositions::advance()
{
    if (m_step < Count) {
        ++m_step;
        return false;
    }
    std::copy(m_positions + 2, m_positions + Count + 1, m_positions + 1);
    m_positions[Count] = Position();
    return true;
}

void PinpointingPositions::dropCurrent()
{
    if (m_step < 1)
        return;
    m_positions[m_step] = Position();
    --m_step;
}

void PinpointingPositions::setPosition(int n, const Position &position)
{
    if (n < 1 || n > Count)
        return;
    m_positions[n] = position;
    m_step = std::max(m_step, n);
}

PinpointingPositions::Leak PinpointingPositions::leak(int upTo) const
{
    Leak leak;
    for (int n = 1; n <= std::min(upTo, int(Count)); ++n) {
        const Position &p = m_positions[n];
        if (p.minimumLevel > 0 && p.minimumLevel > leak.level) {
            leak.position = n;
            leak.level = p.minimumLevel;
            leak.frequency = p.frequency;
        }
    }
    return leak;
}

PinpointingPositions::Range PinpointingPositions::range(int mode) const
{
    float levels[Count];
    for (int n = 1; n <= Count; ++n)
        levels[n - 1] = m_positions[n].minimumLevel;
    return rangeOf(levels, Count, mode);
}

PinpointingPositions::Range PinpointingPositions::rangeOf(const float *levels, int count, int mode)
{
    float lowest = 100;
    float highest = 0;
    for (int i = 0; i < count; ++i) {
        const float level = levels[i];
        if (level > 0)
            lowest = std::min(lowest, level);
        highest = std::max(highest, level);
    }
    Range range;
    range.spread = highest - lowest >= 1.0f;
    if (!range.spread)
        return range;
    if (mode == Dynamic) {
        // Ten decibels above the quietest, more when the leak is louder.
        range.lower = lowest - 4;
        range.upper = highest > lowest + 10 ? highest + 4 : lowest + 10;
    } else if (mode == Zoomed) {
        range.lower = lowest - 1;
        range.upper = highest + 1;
    }
    range.lower = std::max(range.lower, 0.0f);
    range.upper = std::min(range.upper, 100.0f);
    return range;
}
