#ifndef PROGRESSBARMINMAXMARKER_H
#define PROGRESSBARMINMAXMARKER_H

#include <QProgressBar>

class QPainter;

// A level bar that also marks the highest (red) and lowest (blue) level
// seen, as thin vertical lines over the bar; a marker of Off is not drawn.
class ProgressBarMinMaxMarker : public QProgressBar
{
    Q_OBJECT
public:
    explicit ProgressBarMinMaxMarker(QWidget *parent = nullptr);

    static constexpr int Off = -1;

    void setMaxMarker(int value);
    int maxMarker() const { return m_maxMarker; }
    void setMinMarker(int value);
    int minMarker() const { return m_minMarker; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawMarker(QPainter &painter, int value, const QColor &colour) const;

    int m_maxMarker = Off;
    int m_minMarker = Off;
};

#endif // PROGRESSBARMINMAXMARKER_H
