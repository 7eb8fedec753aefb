#ifndef GPSMONITOR_H
#define GPSMONITOR_H

#include <QWidget>

namespace Ui {
class GpsMonitor;
}
class Gps;
class QTimer;

// What the GNSS receiver delivers, for checking it in the field: position in
// a choice of notations, date and time, reception, satellites, course, speed
// and height, the raw sentences, and the distance from a stored reference.
// Reads the receiver driver on a timer while shown; never talks to the
// receiver itself.
class GpsMonitor : public QWidget
{
    Q_OBJECT
public:
    enum Page { PagePosition, PageNmea, PageSatInfo, PageDistance };
    static constexpr int RefreshMs = 1500;
    // Lines kept in the sentence view: it may stay open for hours.
    static constexpr int MaxNmeaLines = 200;

    explicit GpsMonitor(QWidget *parent = nullptr);
    ~GpsMonitor() override;

    void init();

    // Coordinate text. axis 0: latitude (N/S), else longitude (E/W).
    // format 0: signed degrees; 1: degrees, minutes, seconds; 2: degrees and
    // decimal minutes.
    static QString convertGpsFormat(double value, int axis, int format);
    // Metres between two positions, flat-earth approximation (fine over the
    // few kilometres this screen is for).
    static double calculateGpsDistance(double lat1, double lon1, double lat2, double lon2);

    int positionFormat() const { return m_positionFormat; }
    bool isMonitoring() const;

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

public slots:
    void updateGpsData();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private slots:
    void on_butMenuNmea_clicked();
    void on_butMenuSatInfo_clicked();
    void on_butMenuSatInfoDist_clicked();
    void on_butMenuDistance_clicked();
    void on_butMenuDistanceSatInfo_clicked();
    void on_butMenuPosition_clicked();
    void on_butMenuPositionNmea_clicked();
    void on_butMenuPositionSatInfo_clicked();
    void on_butMenuFormat_clicked();
    void on_butMenuFormatDist_clicked();
    void on_butMenuSetReference_clicked();
    void on_butMenuStart_clicked();
    void on_butMenuStop_clicked();
    void on_butMenuDelete_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuBackNmea_clicked();
    void on_butMenuBackSatInfo_clicked();
    void on_butMenuBackDist_clicked();

private:
    void retranslate();
    void showPage(Page page);
    void nextFormat();
    void showReference();
    void goBack();
    Gps *gps() const;

    Ui::GpsMonitor *ui;
    QTimer *m_timer;
    // Stop holds the refresh until Start or the next visit.
    bool m_stopped = false;
    double m_referenceLatitude = 0.0;
    double m_referenceLongitude = 0.0;
    int m_positionFormat = 0;
    bool m_valid = false;
};

#endif // GPSMONITOR_H
