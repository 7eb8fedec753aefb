#ifndef PINPOINTINGPOSITIONS_H
#define PINPOINTINGPOSITIONS_H

// The positions of a pinpointing walk along a pipe: what was measured at
// each of up to ten, which of them is the leak, and the level range the
// bars show. Positions are numbered 1..10; 0 is "none yet".
class PinpointingPositions
{
public:
    static constexpr int Count = 10;
    enum ScaleMode { Fixed = 0, Dynamic = 1, Zoomed = 2 };

    struct Position
    {
        float rmsLevel = 0;     // the last level heard, dB
        float minimumLevel = 0; // the position's result, dB
        double latitude = 0;
        double longitude = 0;
        int frequency = 0; // Hz at the minimum
    };
    struct Leak
    {
        int position = -1; // -1: no position holds a result
        float level = 0;
        int frequency = 0;
    };
    struct Range
    {
        float lower = 0;
        float upper = 100;
        bool spread = false; // the results differ by 1 dB or more
    };

    int currentStep() const { return m_step; }
    // An empty position outside 1..Count.
    const Position &at(int n) const;
    Position &current() { return m_positions[m_step]; }
    bool hasResult(int n) const;

    void clear();
    // The next position for a newly opened path. On the eleventh the
    // oldest is shifted out and the tenth is measured again: true then.
    bool advance();
    // Forgets the current position and steps back (none at position 0).
    void dropCurrent();
    // A stored walk: all positions filled, the step at the last.
    void setPosition(int n, const Position &position);

    // The loudest result among positions 1..upTo; the first wins a tie.
    Leak leak(int upTo) const;
    // The bar range over the results of all positions in a scale mode.
    Range range(int mode) const;
    // The same over any row of levels, 0 standing for none.
    static Range rangeOf(const float *levels, int count, int mode);

private:
    Position m_positions[Count + 1];
    int m_step = 0;
};

#endif // PINPOINTINGPOSITIONS_H
