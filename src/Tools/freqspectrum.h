#ifndef FREQSPECTRUM_H
#define FREQSPECTRUM_H

#include <QImage>
#include <QPointF>
#include <QWidget>

class AudioCodecSetup;
class QPainter;

// The spectrum of the level worker on a 20..4000 Hz axis with the listening
// filter over it; a drag across it sets a band filter in the codec.
// Each frame is converted, drawn off-screen onto a cached scale, and
// paintEvent only copies the picture.
class FreqSpectrum : public QWidget
{
    Q_OBJECT
public:
    struct Band
    {
        quint32 low;
        quint32 high;
    };

    static constexpr quint32 MaxFrequency = 4000;
    // Display bin width: 4000 Hz over 512 bins.
    static constexpr double BinHz = 7.8125;

    explicit FreqSpectrum(QWidget *parent = nullptr);

    void init(int width, int height);
    // Screens pass width + 1 and height + 1 of this to init.
    QRect getRect() const;
    void clear();
    void refresh();
    void drawScale();
    void drawFft(float *fft, bool live);
    void drawData(float *data);
    void drawFilterCurve(QPainter *painter);
    void updateFilter(quint32 low, quint32 high, int type);
    void setScaleType(int type);
    void setScaleBgGradient(bool on);
    void show();
    void hide();

    void setAudioCodec(AudioCodecSetup *codec) { m_audioCodec = codec; }
    const QImage &picture() const { return image; }
    const float *meanSpectrum() const { return m_fftDataArrayMean; }
    quint32 significandFrequency() const { return m_significandFrequency; }
    quint32 lowCutOffFrequency() const { return m_lowCutOffFrequency; }
    quint32 highCutOffFrequency() const { return m_highCutOffFrequency; }
    int filterType() const { return m_filterType; }

    // Logarithmic axis: 20 Hz at x = 0, 4000 Hz at x = width.
    static double xForFrequency(double freq, int width);
    static double frequencyForX(double x, int width);
    // The band that a touch at x proposes: its frequency to 1.4 times that.
    static Band pressBand(double x, int width);
    // The band of a drag from startX to stopX, never narrower than 10 Hz.
    static Band dragBand(double startX, double stopX, int width);
    // 512 magnitudes to 0..1 between the top-bin floor and the peak, in dB.
    static void normalise(const float *magnitudes, float *values);
    // Where the curve goes: between the corner texts and the axis labels.
    static QRect plotRect(const QSize &size);
    // The frequency-colour range of the scale's gradient for a sensor type.
    static unsigned gradientMaxFrequency(int sensorType);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void drawSpectrum();
    void renderScale(unsigned gradientMax);
    void setBand(const Band &band);
    int axisWidth() const;

    AudioCodecSetup *m_audioCodec = nullptr;
    int m_rectWidth = 0;
    int m_rectHeight = 0;
    bool m_hide = false;
    QImage image;
    QPointF start;
    QPointF stop;
    float m_fftDataArray[1024] = {};
    float m_fftDataArrayMeanTemp[4096] = {};
    float m_fftDataArrayMean[1024] = {};
    int m_meanCnt = 0;
    int m_scaleType = 1;
    quint32 m_lowCutOffFrequency = 0;
    quint32 m_highCutOffFrequency = MaxFrequency;
    int m_filterType = 0;
    quint32 m_significandFrequency = 0;
    bool m_scaleBgGradient = false;

    // The scale as last rendered, and what it was rendered for.
    QImage m_scale;
    int m_scaleTypeDrawn = -1;
    bool m_scaleGradientDrawn = false;
    unsigned m_scaleGradientMax = 0;
};

#endif // FREQSPECTRUM_H
