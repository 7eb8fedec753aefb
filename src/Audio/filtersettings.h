#ifndef FILTERSETTINGS_H
#define FILTERSETTINGS_H

#include "servicedialog.h"

#include <QtGlobal>

namespace Ui {
class Filtersettings;
}
class AudioCodecSetup;
class FreqSpectrum;
class QTimer;

// The listening filter with a live spectrum: every change goes to the codec
// at once so the operator hears it; closing makes it the shared filter of
// the measurement screens.
class Filtersettings : public ServiceDialog
{
    Q_OBJECT
public:
    explicit Filtersettings(QWidget *parent = nullptr);
    ~Filtersettings() override;

    void getFiltersettings(int *type, quint32 *low, quint32 *high) const;

    static constexpr int UpdateIntervalMs = 300;
    // The band a step button starts from while no filter is active.
    static constexpr quint32 StartLowCutOff = 20;
    static constexpr quint32 StartHighCutOff = 3900;

    struct Corners
    {
        quint32 low;
        quint32 high;
    };
    // The automatic band for a sensor type of the status data.
    static Corners autoFilterCorners(int sensorType);


public slots:
    void updateLevel();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_butLowCutOffUp_clicked();
    void on_butLowCutOffDown_clicked();
    void on_butHighCutOffUp_clicked();
    void on_butHighCutOffDown_clicked();
    void on_butAutoFilter_clicked();
    void on_butNoFilter_clicked();
    void on_but50HzFilter_clicked();
    void on_butPreemphase_clicked();
    void on_butClose_clicked();
    void on_butHeadphone_clicked();
    void on_butMicrophone_clicked();

private:
    // True when a no-filter state was turned into the start band instead.
    bool startBandIfNoFilter();
    void stepLowCutOff(int direction);
    void stepHighCutOff(int direction);
    void applyFilter();
    // The codec's filter after the spectrum's touch gesture set it.
    void takeSpectrumFilter();
    void showFilter();
    void showSpecialFilters();
    void retranslate();

    Ui::Filtersettings *ui;
    FreqSpectrum *freqSpectrum = nullptr;
    QTimer *m_timerLevel;
    AudioCodecSetup *m_audioCodec = nullptr;
    quint32 m_lowCutOffFrequency = 0;
    quint32 m_highCutOffFrequency = 4000;
    int m_filterType = 0;
    quint32 m_lpFilterFrequencies[256] = {};
    quint32 m_hpFilterFrequencies[256] = {};
    int m_numLpFilter = 0;
    int m_numHpFilter = 0;
    // The newest spectrum of the level worker.
    float m_minimumFft[1024] = {};
    bool m_filter50HzEnabled = false;
    bool m_filterPreemphaseEnabled = false;
};

#endif // FILTERSETTINGS_H
