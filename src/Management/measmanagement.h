#ifndef MEASMANAGEMENT_H
#define MEASMANAGEMENT_H

#include <QString>
#include <QStringList>
#include <QWidget>

namespace Ui {
class MeasManagement;
}
class SettingsButton;

// The stored measurements as a list of buttons, five per page, newest first.
// A button opens the measurement in its own screen's stored view, or in
// edit mode the dialog that renames or deletes it.
class MeasManagement : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MaxButtons = 100;
    static constexpr int ButtonsPerPage = 5;
    static constexpr int MaxPages = MaxButtons / ButtonsPerPage;

    explicit MeasManagement(QWidget *parent = nullptr);
    ~MeasManagement() override;

    void init(int page, bool editDeleteMode);
    // The directory the operator chose last; the screens' stored views read it.
    QString getSelectedMeasurementDir() const { return m_selectedMeasurementDir; }
    int pageCount() const { return m_numPages; }

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

private slots:
    void on_butMenuPageUp_clicked();
    void on_butMenuPageDown_clicked();
    void on_butMenuEdit_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuBack_clicked();

private:
    // Shared by all list buttons, which are made at run time: connected by
    // hand, not a slot, so that the form's auto-connection does not look for it.
    void on_butMeasurement_clicked();
    void updateButtonData(SettingsButton *button, const QString &dirName, bool editMode);
    SettingsButton *button(int i);
    void showPage(int page);
    void editMeasurement(const QString &dirName);
    void showChangeFailed(bool deleting);

    Ui::MeasManagement *ui;
    SettingsButton *m_butMeas[MaxButtons] = {};
    QWidget *m_measPage[MaxPages] = {};
    int m_currentPageNum = 0;
    int m_numPages = 0;
    QStringList m_measurements;
    int m_numMeasurements = 0;
    QString m_selectedMeasurementDir;
    bool m_editDeleteMode = false;
};

#endif // MEASMANAGEMENT_H
