#include "customizedialogs.h"
#include "ui_customizedialogs.h"

#include "buttonstyle.h"
#include "screenfont.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDebug>

namespace {

using Flag = Systemsettings::DialogFlag;

struct KeyText
{
    const char *key;
    const char *english;
};

struct ToggleText
{
    Flag flag;
    KeyText text;
};

const ToggleText toggleTexts[] = {
    {Systemsettings::LevelShowFft, QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowFFT", "Show FFT")},
    {Systemsettings::LevelShowFrequencyValue,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowFrequencyValue", "Show frequency value")},
    {Systemsettings::LevelShowPeakLevelBar,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowPeakLevelBar", "Show peak level bar")},
    {Systemsettings::LevelUseFrequencyColor,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "UseFrequencyColor", "Bar in frequency colour")},
    {Systemsettings::PPShowFrequencyValue,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowFrequencyValue", "Show frequency value")},
    {Systemsettings::PPUseFrequencyColor,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "UseFrequencyColor", "Bar in frequency colour")},
    {Systemsettings::PPShowFilterParameter,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowFilterParameter", "Show filter parameters")},
    {Systemsettings::PPDynamicScaling, QT_TRANSLATE_NOOP3("CustomizeDialogs", "DynamicScaling", "Dynamic scaling")},
    {Systemsettings::LTShowFrequencyValue,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowFrequencyValue", "Show frequency value")},
    {Systemsettings::LTUseFrequencyColor,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "UseFrequencyColor", "Bar in frequency colour")},
    {Systemsettings::LTShowGrid, QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowGrid", "Show grid")},
    {Systemsettings::LTShowFilterParameter,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowFilterParameter", "Show filter parameters")},
    {Systemsettings::H2ShowHistogram, QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowHistogram", "Show histogram")},
    {Systemsettings::H2ShowGrid, QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowGrid", "Show grid")},
    {Systemsettings::H2DynamicScaling, QT_TRANSLATE_NOOP3("CustomizeDialogs", "DynamicScaling", "Dynamic scaling")},
    {Systemsettings::H2ShowWorkingRange,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowWorkingRange", "Show working range")},
    {Systemsettings::PLShowFft, QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowFFT", "Show FFT")},
    {Systemsettings::PLShowFrequencyValue,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowFrequencyValue", "Show frequency value")},
    {Systemsettings::PLUseFrequencyColor,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "UseFrequencyColor", "Bar in frequency colour")},
    {Systemsettings::PLShowFilterParameter,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "ShowFilterParameter", "Show filter parameters")},
    {Systemsettings::SUUseFavouriteForStartup,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "UseFavouriteForStartup", "Start with the favourite")},
    {Systemsettings::SUUseFilterForStartup,
     QT_TRANSLATE_NOOP3("CustomizeDialogs", "UseFilterForStartup", "Start with the last filter")},
    {Systemsettings::SUUseGpsForStartup, QT_TRANSLATE_NOOP3("CustomizeDialogs", "UseGpsForStartup", "GPS on at start")},
};
static_assert(sizeof toggleTexts / sizeof toggleTexts[0] == Systemsettings::DialogFlagCount,
              "every option has its text");

// One page per group, in the order of the stack.
const KeyText pageTitles[CustomizeDialogs::PageCount] = {
    QT_TRANSLATE_NOOP3("CustomizeDialogs", "LevelMeasurement", "Level measurement"),
    QT_TRANSLATE_NOOP3("CustomizeDialogs", "Pinpointing", "Pinpointing"),
    QT_TRANSLATE_NOOP3("CustomizeDialogs", "LongtermMeasurement", "Long-term measurement"),
    QT_TRANSLATE_NOOP3("CustomizeDialogs", "H2-Sensor", "H2 sensor"),
    QT_TRANSLATE_NOOP3("CustomizeDialogs", "Pipelocating", "Pipe locating"),
    QT_TRANSLATE_NOOP3("CustomizeDialogs", "Startup", "Start-up"),
};

constexpr int kTitlePixelSize = 22;
constexpr int kTogglePixelSize = 19;
constexpr int kButtonPixelSize = 18;

// The box is drawn large and filled when on, so the state reads from arm's length.
const char *const kToggleStyle =
    "QCheckBox { color: white; background-color: rgb(40,40,40); border-radius: 4px; padding-left: 8px; spacing: 14px; }"
    " QCheckBox:focus { background-color: rgb(105,146,239); }"
    " QCheckBox::indicator { width: 30px; height: 30px; border: 3px solid white; border-radius: 4px;"
    " background-color: black; }"
    " QCheckBox::indicator:checked { background-color: rgb(0,170,0);"
    " image: url(:/Resources/Icons/Management/Systemsettings/Check_ws_28px.png); }";

} // namespace

CustomizeDialogs::CustomizeDialogs(QWidget *parent) : ServiceDialog(parent, false), ui(new Ui::CustomizeDialogs)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    ui->stackPages->setStyleSheet(QLatin1String(kToggleStyle));
    setScreenFont({ui->labelTitle, ui->labelPage}, kTitlePixelSize, true);
    setScreenFont({ui->butAccept, ui->butClose}, kButtonPixelSize);
    const QString general = QStringLiteral("Allgemein");
    ui->butPageUp->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("PageUp"), 44));
    ui->butPageDown->setStyleSheet(ButtonStyle::iconButton(general, QStringLiteral("PageDown"), 44));
    ui->butAccept->setText(tr("Accept", "Accept"));
    ui->butClose->setText(tr("Cancel", "Cancel"));
    for (QPushButton *button : {ui->butAccept, ui->butClose})
        shrinkToFit(button, kButtonPixelSize, kButtonPixelSize - 4);

    for (const ToggleText &t : toggleTexts) {
        QCheckBox *box = ui->stackPages->findChild<QCheckBox *>(QLatin1String("chk")
                                                                + QLatin1String(Systemsettings::dialogFlagKey(t.flag)));
        Q_ASSERT(box);
        m_toggles[t.flag] = box;
        setScreenFont({box}, kTogglePixelSize, true);
        box->setText(QCoreApplication::translate("CustomizeDialogs", t.text.key, t.text.english));
    }
    init();
}

CustomizeDialogs::~CustomizeDialogs()
{
    delete ui;
}

void CustomizeDialogs::init()
{
    showPage(0);
}

int CustomizeDialogs::currentPage() const
{
    return ui->stackPages->currentIndex();
}

void CustomizeDialogs::showPage(int page)
{
    ui->stackPages->setCurrentIndex(page);
    const KeyText &title = pageTitles[page];
    ui->labelTitle->setText(QCoreApplication::translate("CustomizeDialogs", title.key, title.english));
    ui->labelPage->setText(QStringLiteral("%1/%2").arg(page + 1).arg(PageCount));
    if (QCheckBox *first = ui->stackPages->currentWidget()->findChild<QCheckBox *>())
        first->setFocus();
}

void CustomizeDialogs::set(Systemsettings::DialogFlag flag, bool on)
{
    m_toggles[flag]->setChecked(on);
}

bool CustomizeDialogs::get(Systemsettings::DialogFlag flag) const
{
    return m_toggles[flag]->isChecked();
}

void CustomizeDialogs::setFlags(const bool flags[Systemsettings::DialogFlagCount])
{
    for (int i = 0; i < Systemsettings::DialogFlagCount; ++i)
        set(Flag(i), flags[i]);
}

void CustomizeDialogs::getFlags(bool flags[Systemsettings::DialogFlagCount]) const
{
    for (int i = 0; i < Systemsettings::DialogFlagCount; ++i)
        flags[i] = get(Flag(i));
}

void CustomizeDialogs::setLevelParameter(bool showFft, bool showFrequencyValue, bool showPeakLevelBar,
                                         bool useFrequencyColor)
{
    set(Systemsettings::LevelShowFft, showFft);
    set(Systemsettings::LevelShowFrequencyValue, showFrequencyValue);
    set(Systemsettings::LevelShowPeakLevelBar, showPeakLevelBar);
    set(Systemsettings::LevelUseFrequencyColor, useFrequencyColor);
}

void CustomizeDialogs::getLevelParameter(bool *showFft, bool *showFrequencyValue, bool *showPeakLevelBar,
                                         bool *useFrequencyColor) const
{
    *showFft = get(Systemsettings::LevelShowFft);
    *showFrequencyValue = get(Systemsettings::LevelShowFrequencyValue);
    *showPeakLevelBar = get(Systemsettings::LevelShowPeakLevelBar);
    *useFrequencyColor = get(Systemsettings::LevelUseFrequencyColor);
}

void CustomizeDialogs::setPinpointingParameter(bool showFrequencyValue, bool useFrequencyColor,
                                               bool showFilterParameter, bool dynamicScaling)
{
    set(Systemsettings::PPShowFrequencyValue, showFrequencyValue);
    set(Systemsettings::PPUseFrequencyColor, useFrequencyColor);
    set(Systemsettings::PPShowFilterParameter, showFilterParameter);
    set(Systemsettings::PPDynamicScaling, dynamicScaling);
}

void CustomizeDialogs::getPinpointingParameter(bool *showFrequencyValue, bool *useFrequencyColor,
                                               bool *showFilterParameter, bool *dynamicScaling) const
{
    *showFrequencyValue = get(Systemsettings::PPShowFrequencyValue);
    *useFrequencyColor = get(Systemsettings::PPUseFrequencyColor);
    *showFilterParameter = get(Systemsettings::PPShowFilterParameter);
    *dynamicScaling = get(Systemsettings::PPDynamicScaling);
}

void CustomizeDialogs::setLongtermParameter(bool showFrequencyValue, bool useFrequencyColor, bool showGrid,
                                            bool showFilterParameter)
{
    set(Systemsettings::LTShowFrequencyValue, showFrequencyValue);
    set(Systemsettings::LTUseFrequencyColor, useFrequencyColor);
    set(Systemsettings::LTShowGrid, showGrid);
    set(Systemsettings::LTShowFilterParameter, showFilterParameter);
}

void CustomizeDialogs::getLongtermParameter(bool *showFrequencyValue, bool *useFrequencyColor, bool *showGrid,
                                            bool *showFilterParameter) const
{
    *showFrequencyValue = get(Systemsettings::LTShowFrequencyValue);
    *useFrequencyColor = get(Systemsettings::LTUseFrequencyColor);
    *showGrid = get(Systemsettings::LTShowGrid);
    *showFilterParameter = get(Systemsettings::LTShowFilterParameter);
}

void CustomizeDialogs::setH2Parameter(bool showHistogram, bool showGrid, bool dynamicScaling, bool showWorkingRange)
{
    set(Systemsettings::H2ShowHistogram, showHistogram);
    set(Systemsettings::H2ShowGrid, showGrid);
    set(Systemsettings::H2DynamicScaling, dynamicScaling);
    set(Systemsettings::H2ShowWorkingRange, showWorkingRange);
}

void CustomizeDialogs::getH2Parameter(bool *showHistogram, bool *showGrid, bool *dynamicScaling,
                                      bool *showWorkingRange) const
{
    *showHistogram = get(Systemsettings::H2ShowHistogram);
    *showGrid = get(Systemsettings::H2ShowGrid);
    *dynamicScaling = get(Systemsettings::H2DynamicScaling);
    *showWorkingRange = get(Systemsettings::H2ShowWorkingRange);
}

void CustomizeDialogs::setPipelocatingParameter(bool showFft, bool showFrequencyValue, bool useFrequencyColor,
                                                bool showFilterParameter)
{
    set(Systemsettings::PLShowFft, showFft);
    set(Systemsettings::PLShowFrequencyValue, showFrequencyValue);
    set(Systemsettings::PLUseFrequencyColor, useFrequencyColor);
    set(Systemsettings::PLShowFilterParameter, showFilterParameter);
}

void CustomizeDialogs::getPipelocatingParameter(bool *showFft, bool *showFrequencyValue, bool *useFrequencyColor,
                                                bool *showFilterParameter) const
{
    *showFft = get(Systemsettings::PLShowFft);
    *showFrequencyValue = get(Systemsettings::PLShowFrequencyValue);
    *useFrequencyColor = get(Systemsettings::PLUseFrequencyColor);
    *showFilterParameter = get(Systemsettings::PLShowFilterParameter);
}

void CustomizeDialogs::setStartupParameter(bool useFavourite, bool useFilter, bool useGps)
{
    set(Systemsettings::SUUseFavouriteForStartup, useFavourite);
    set(Systemsettings::SUUseFilterForStartup, useFilter);
    set(Systemsettings::SUUseGpsForStartup, useGps);
}

void CustomizeDialogs::getStartupParameter(bool *useFavourite, bool *useFilter, bool *useGps) const
{
    *useFavourite = get(Systemsettings::SUUseFavouriteForStartup);
    *useFilter = get(Systemsettings::SUUseFilterForStartup);
    *useGps = get(Systemsettings::SUUseGpsForStartup);
}

void CustomizeDialogs::on_butPageUp_clicked()
{
    // Paging wraps, so every page is one or two presses away.
    showPage((currentPage() + PageCount - 1) % PageCount);
}

void CustomizeDialogs::on_butPageDown_clicked()
{
    showPage((currentPage() + 1) % PageCount);
}

void CustomizeDialogs::on_butAccept_clicked()
{
    qDebug() << "CustomizeDialogs: accepted";
    accept();
}

void CustomizeDialogs::on_butClose_clicked()
{
    reject();
}
