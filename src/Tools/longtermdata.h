#ifndef LONGTERMDATA_H
#define LONGTERMDATA_H

#include <QColor>
#include <QImage>
#include <QRect>
#include <QVector>
#include <QWidget>

// A time curve over a y axis of 0..100 (or a scaled part of it): the
// current sweep in the data colour, the rest of the previous sweep behind
// it as a thin black line. Background, axes and grid are drawn once into a cached
// picture; a new sample repaints only the few columns it changes, so a
// 1800-point sweep costs no more per sample than a 180-point one, and
// paintEvent only copies.
class LongtermData : public QWidget
{
    Q_OBJECT
public:
    explicit LongtermData(QWidget *parent = nullptr);

    void init(int width, int height, QColor scaleColor, QColor dataColor);
    // Screens pass width + 1 and height + 1 of this to init.
    QRect getRect() const;
    // Rebuilds background, axes and grid if any of them changed since.
    void refresh();
    void setAxisX(float min, float max, float mainStep, float minorStep, bool visible);
    void setAxisY(float min, float max, float mainStep, float minorStep, bool visible);
    void displayHGrid(bool visible);
    void displayVGrid(bool visible);
    void setBackgroundColorScale(QColor color);
    void setBackgroundColorData(QColor color);
    void setColorScale(QColor color);
    void setColorData(QColor color);
    // data[0..count) is the current sweep over points positions; with
    // oldSweep, data[count..points) is the rest of the previous one.
    void drawData(float *data, int count, int points, bool oldSweep);
    // The same with the y axis running from min to max.
    void drawDataScaled(float *data, int count, int points, bool oldSweep, float min, float max);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Axis
    {
        float min = 0;
        float max = 100;
        float mainStep = 20;
        float minorStep = 10;
        bool visible = true;
    };
    // What a point is drawn as.
    enum Kind : quint8 { None, Current, Old };

    void setAxis(Axis &axis, const Axis &value);
    void setColor(QColor &member, const QColor &color);
    void drawInit();
    void drawXScale(QPainter &painter);
    void drawYScale(QPainter &painter);
    void drawGrid(QPainter &painter);
    static bool axisUsable(const Axis &axis);
    void plot(const float *data, int count, int points, bool oldSweep, float min, float max);
    void repaintColumns(int left, int right);
    void plotSegment(int from, int to, QRgb colour, int pen, int left, int right);
    int pointX(int i) const;
    int firstPointBefore(int x) const;
    // Distances from the first to the last pixel of the data area, so the
    // top of the y range and the end of the x range lie on its edges.
    int dataWidth() const { return m_rectDataArea.right() - m_rectDataArea.left(); }
    int dataHeight() const { return m_rectDataArea.bottom() - m_rectDataArea.top(); }

    QImage image;
    QImage m_background;
    QRect m_rectDataArea;
    QRect m_rectYScale;
    QRect m_rectXScale;
    QColor m_scaleColor = Qt::white;
    QColor m_scaleBackgroundColor = Qt::black;
    QColor m_dataColor = Qt::blue;
    QColor m_dataBackgroundColor = Qt::white;
    Axis m_xAxis{0, 3, 0.5f, 0.1f, true};
    Axis m_yAxis;
    bool m_vGrid_visible = false;
    bool m_hGrid_visible = false;
    // Background, axes or grid changed: the next refresh or draw rebuilds them.
    bool m_backgroundChanged = true;

    // The curve as it stands in image: per point its row and kind.
    int m_points = 0;
    QVector<int> m_rows;
    QVector<quint8> m_kinds;
};

#endif // LONGTERMDATA_H
