#ifndef CUSTOMIZEDIALOGS_H
#define CUSTOMIZEDIALOGS_H

#include "servicedialog.h"
#include "systemsettings.h"

#include <QCheckBox>

namespace Ui {
class CustomizeDialogs;
}

// A toggle that takes a tap anywhere on its row, not only on box and text.
class ToggleRow : public QCheckBox
{
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

// The display and start-up options of the measurement screens, one page
// per screen. The dialog only holds the toggles; the settings screen fills
// them before and reads them back after acceptance.
class CustomizeDialogs : public ServiceDialog
{
    Q_OBJECT
public:
    explicit CustomizeDialogs(QWidget *parent = nullptr);
    ~CustomizeDialogs() override;

    // Back to the first page.
    void init();

    void setLevelParameter(bool showFft, bool showFrequencyValue, bool showPeakLevelBar, bool useFrequencyColor);
    void getLevelParameter(bool *showFft, bool *showFrequencyValue, bool *showPeakLevelBar,
                           bool *useFrequencyColor) const;
    void setPinpointingParameter(bool showFrequencyValue, bool useFrequencyColor, bool showFilterParameter,
                                 bool dynamicScaling);
    void getPinpointingParameter(bool *showFrequencyValue, bool *useFrequencyColor, bool *showFilterParameter,
                                 bool *dynamicScaling) const;
    void setLongtermParameter(bool showFrequencyValue, bool useFrequencyColor, bool showGrid, bool showFilterParameter);
    void getLongtermParameter(bool *showFrequencyValue, bool *useFrequencyColor, bool *showGrid,
                              bool *showFilterParameter) const;
    void setH2Parameter(bool showHistogram, bool showGrid, bool dynamicScaling, bool showWorkingRange);
    void getH2Parameter(bool *showHistogram, bool *showGrid, bool *dynamicScaling, bool *showWorkingRange) const;
    void setPipelocatingParameter(bool showFft, bool showFrequencyValue, bool useFrequencyColor,
                                  bool showFilterParameter);
    void getPipelocatingParameter(bool *showFft, bool *showFrequencyValue, bool *useFrequencyColor,
                                  bool *showFilterParameter) const;
    void setStartupParameter(bool useFavourite, bool useFilter, bool useGps);
    void getStartupParameter(bool *useFavourite, bool *useFilter, bool *useGps) const;

    // All options at once, indexed by Systemsettings::DialogFlag.
    void setFlags(const bool flags[Systemsettings::DialogFlagCount]);
    void getFlags(bool flags[Systemsettings::DialogFlagCount]) const;

    int currentPage() const;
    static constexpr int PageCount = 6;

private slots:
    void on_butPageUp_clicked();
    void on_butPageDown_clicked();
    void on_butAccept_clicked();
    void on_butClose_clicked();

private:
    void set(Systemsettings::DialogFlag flag, bool on);
    bool get(Systemsettings::DialogFlag flag) const;
    void showPage(int page);

    Ui::CustomizeDialogs *ui;
    QCheckBox *m_toggles[Systemsettings::DialogFlagCount] = {};
};

#endif // CUSTOMIZEDIALOGS_H
