#ifndef ANALOGINPUTWORKER_H
#define ANALOGINPUTWORKER_H

#include <QByteArray>
#include <QColor>
#include <QObject>
#include <QThread>

class AnalogInput;
class QTimer;

// Level acquisition from the board's ADC: every 300 ms the reader thread
// fetches one block of 1024 samples (7670 samples per second) and this
// object, on the GUI thread, turns it into RMS, peak and minimum level, a
// 512-bin magnitude spectrum and the dominant frequency. The screens poll
// the getters; linear levels have full scale 1.0.
class AnalogInputWorker : public QObject
{
    Q_OBJECT
public:
    static constexpr int BlockSamples = 1024;
    static constexpr int BlockBytes = 2 * BlockSamples;
    static constexpr int HistoryLength = 30;
    static constexpr int UpdateIntervalMs = 300;

    explicit AnalogInputWorker(QObject *parent = nullptr);
    ~AnalogInputWorker() override;

    void startCapture();
    void pauseCapture(bool pause);
    void stopCapture();
    void clearAllData();

    bool isCaptureStarted() const { return m_captureStarted; }
    bool isCapturePaused() const { return m_pauseCapture; }

    // All return 0.
    int getAudioLevel(float *rms) const;
    int getAudioLevel(float *rms, float *peak) const;
    int getAudioLevel(float *rms, float *peak, float *minimum) const;
    // Minimum RMS over the newest 27 blocks; 1.0 while the input settles.
    float getRecentMinimum() const { return m_rmsLevel_min; }
    // 1024 floats: 512 magnitudes, then 512 zeros.
    int getFft(float *out) const;
    // The 1024 DC-free samples of the last block.
    int getAudioData(float *out) const;

    // Dominant frequencies in Hz, rounded to the nearest 10 Hz.
    unsigned getSignificandFrequency() const;
    unsigned getSignificandFrequencyAtMin() const;

    // Display level 0..99 of a linear level (full scale 1.0).
    static float audioLevelToDb(float linear);
    static QColor calcFrequencyColor(unsigned freq, unsigned maxFreq, QColor low, QColor mid, QColor high,
                                     QColor *textColor);

    // In-place forward DFT X[k] = sum x[n] e^(-2 pi i kn/N), unnormalised,
    // as an iterative radix-2 decimation in frequency followed by the
    // bit-reversal reordering; n a power of two from 2 to 1024 (other sizes
    // are left untouched).
    static void fft(float *re, float *im, int n);

    // One block's analysis as the acquisition cycle runs it; usable without
    // the reader thread or a device. A block shorter than 2048 bytes counts
    // as padded with zeros. calculateLevel works on the block last handed
    // over, calculateFft on the DC-free samples calculateLevel left.
    void analyseBlock(const QByteArray &block);
    void calculateLevel();
    void calculateFft();

signals:
    void updateAinData();

public slots:
    void calculateData(const QByteArray &block);
    void updateData();

private:
    static float pcmToReal(qint16 sample) { return float(sample) * (1.0f / 32768.0f); }
    void calculateSignificandFrequency();
    void resetLevelHistory();
    void shutDownReader();

    AnalogInput *m_ain = nullptr;
    QTimer *m_timerUpdate = nullptr;
    QByteArray m_analyseAudioData;
    QThread m_ainThread;
    float m_rawAudioData[BlockSamples];
    float m_rmsLevel;
    float m_rmsLevel_hist[HistoryLength];
    float m_rmsLevel_min;
    float m_rmsLevel_min_abs;
    float m_peakLevel;
    float m_fft[BlockSamples];
    float m_fft_mean[BlockSamples];
    qint32 m_histFftCnt;
    qint32 m_histLevelPos;
    quint32 m_significandFrequency;
    quint32 m_significandFrequencyAtMin;
    bool m_storeMinFrequency;
    bool m_pauseCapture;
    bool m_captureStarted;

    friend AnalogInputWorker &Analoginputworker();
};

// The one level worker, created on first use.
AnalogInputWorker &Analoginputworker();

#endif // ANALOGINPUTWORKER_H
