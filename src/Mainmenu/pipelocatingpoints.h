#ifndef PIPELOCATINGPOINTS_H
#define PIPELOCATINGPOINTS_H

#include "measurementscreen.h"
#include "pinpointingpositions.h"

// The points of a pipe walk: at each of up to ten the held peak level, the
// frequency and where it was heard. Points are numbered 1..10; 0 is "none
// yet". The loudest point lies over the pipe.
class PipelocatingPoints
{
public:
    static constexpr int Count = 10;
    using Range = PinpointingPositions::Range;

    struct Point
    {
        float level = 0; // held peak, dB
        int frequency = 0;
        double latitude = 0;
        double longitude = 0;
    };

    int currentStep() const { return m_step; }
    // An empty point outside 1..Count.
    const Point &at(int n) const;

    void clear();
    // A new point with a fresh peak hold. On the eleventh the oldest
    // scrolls out and the new one is the tenth: true then.
    bool open();
    // One reading of the open point, which keeps the held peak and the
    // reading's frequency; returns the held peak.
    float addReading(float level, int frequency);
    // A reading that replaces the open point's level as it is, with no
    // peak hold: a gas reading is the concentration there now.
    void setLevel(float level);
    void setPosition(double latitude, double longitude);
    // Ends the open point. One without a level (a press too short to
    // measure) is dropped and the step goes back: false then.
    bool close();
    // A stored point; the step follows the last one set.
    void setPoint(int n, const Point &point);

    // The loudest point of 1..currentStep, a tie going to the later one;
    // 0 when no point has a level.
    int loudest() const;
    // The bar range while measuring: from just under the quietest point to
    // above the loudest; 0..100 while the points lie within 1 dB.
    Range range() const;
    // The bar range of a stored walk: 5 dB around the points, 0..100 when
    // they cannot be told apart.
    Range storedRange() const;

private:
    Point m_points[Count + 1];
    PeakHold m_hold;
    int m_step = 0;
};

#endif // PIPELOCATINGPOINTS_H
