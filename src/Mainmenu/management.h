#ifndef MANAGEMENT_H
#define MANAGEMENT_H

#include <QWidget>

namespace Ui {
class Management;
}
class Configuration;

// The management sub-menu: measurements, data transfer, sensor unit,
// firmware update, GPS and settings.
class Management : public QWidget
{
    Q_OBJECT
public:
    explicit Management(QWidget *parent = nullptr);
    ~Management() override;

    void init();

signals:
    void gotoWidget(int widget, int dir, int variant);

private slots:
    void on_butMeasurements_clicked();
    void on_butSystemsettings_clicked();
    void on_butDatatransmission_clicked();
    void on_butFirmwareupdate_clicked();
    void on_butGps_clicked();
    void on_butDeviceConfig_clicked();
    void on_butMenuBack_clicked();

private:
    Ui::Management *ui;
    Configuration *m_configuration = nullptr;
};

#endif // MANAGEMENT_H
