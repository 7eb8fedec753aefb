#ifndef TIMERH2HEATING_H
#define TIMERH2HEATING_H

#include <QLabel>
#include <QPoint>

// The H2 probe's heating time as a dial: red while it is still cold, yellow
// while it settles, green once its readings can be trusted; a pointer at the
// current time. Below the dial a bar shows how much of the working range the
// current level uses above the reference.
class TimerH2Heating : public QLabel
{
    Q_OBJECT
public:
    enum Zone { Red, Yellow, Green };

    explicit TimerH2Heating(QWidget *parent = nullptr);

    // Takes the drawing geometry from the label's size.
    void init();
    void setMaxTime(int seconds);
    int getMaxTime() const { return m_maxTime; }
    // Clamped to 0..max time; repaints.
    void setCurrentTime(int seconds);
    int currentTime() const { return m_currentTime; }
    // Seconds at which each zone begins.
    void setThreshold(int red, int yellow, int green);
    // Degrees clockwise from the top.
    double time2Angle(int t) const;
    double angle() const { return m_angle; }
    Zone zone() const { return zoneAt(m_currentTime); }
    Zone zoneAt(int t) const;
    void setRangeVisualisation(int reference, int level, int range);
    // 0..1: the part of the range the level uses above the reference.
    double rangeFill() const;
    void showRangeVisualisation();
    void hideRangeVisualisation();
    bool isRangeVisualisationShown() const { return m_showRangeVisualisation; }
    // One second on, wrapping to 0 at the max time.
    void updatePos();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    static QColor zoneColour(Zone zone);

    int m_maxTime = 900;
    int m_currentTime = 0;
    int m_startRedArea = 0;
    int m_startYellowArea = 300;
    int m_startGreenArea = 600;
    int m_h2Reference = 0;
    int m_h2Level = 0;
    int m_h2Range = 1000;
    bool m_showRangeVisualisation = true;
    int m_xSize = 0;
    int m_ySize = 0;
    QPoint m_center;
    double m_angle = 0;
};

#endif // TIMERH2HEATING_H
