#ifndef MEASMANAGEMENTEDIT_H
#define MEASMANAGEMENTEDIT_H

#include "servicedialog.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace Ui {
class MeasManagementEdit;
}

// Shows type, date, time and name of one stored measurement; the operator
// renames it, deletes it or cancels. exec() returns Cancel, Accept or Delete.
class MeasManagementEdit : public ServiceDialog
{
    Q_OBJECT
public:
    enum Result { Cancel = 0, Accept = 1, Delete = 2 };

    explicit MeasManagementEdit(QWidget *parent = nullptr);
    ~MeasManagementEdit() override;

    void init(const QString &dirName);
    // The directory name after Accept: same type, date and time, new name.
    QString getNewDirName() const { return m_newDirName; }

    // "LE_20261204_112005_Main St" into its parts; false when the name does
    // not have that shape (the parts are then cleared or invalid).
    static bool convertDirnameToString(const QString &dirName, QString *type, QDate *date, QTime *time,
                                       QString *name);
    static void convertStringToDirname(QString *result, const QString &type, const QDate &date, const QTime &time,
                                       const QString &name);
    // The type's name as the operator reads it.
    static QString typeText(const QString &type);

private slots:
    void on_butEdit_clicked();
    void on_butAccept_clicked();
    void on_butDelete_clicked();
    void on_butCancel_clicked();

private:
    Ui::MeasManagementEdit *ui;
    QString m_newDirName;
    QString m_measType;
    QDate m_date;
    QTime m_time;
    QString m_measurementName;
    QString m_newMeasurementName;
};

#endif // MEASMANAGEMENTEDIT_H
