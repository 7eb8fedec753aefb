#ifndef SYSTEMSETTINGS_H
#define SYSTEMSETTINGS_H

#include <QString>
#include <QWidget>

class QTimer;

namespace Ui {
class Systemsettings;
}
class Bluetooth;

// The settings screen and the one store of the device settings
// (/home/root/settings.ini). Every other part reads settings through it.
class Systemsettings : public QWidget
{
    Q_OBJECT
public:
    // The display and start-up options of the "Dialogconfiguration" group.
    enum DialogFlag {
        LevelShowFft,
        LevelShowFrequencyValue,
        LevelUseFrequencyColor,
        LevelShowPeakLevelBar,
        PPShowFrequencyValue,
        PPUseFrequencyColor,
        PPShowFilterParameter,
        PPDynamicScaling,
        LTShowFrequencyValue,
        LTUseFrequencyColor,
        LTShowGrid,
        LTShowFilterParameter,
        H2ShowHistogram,
        H2ShowGrid,
        H2DynamicScaling,
        H2ShowWorkingRange,
        PLShowFft,
        PLUseFrequencyColor,
        PLShowFrequencyValue,
        PLShowFilterParameter,
        SUUseFavouriteForStartup,
        SUUseFilterForStartup,
        SUUseGpsForStartup,
        DialogFlagCount
    };

    explicit Systemsettings(QWidget *parent = nullptr);
    ~Systemsettings() override;

    static QString settingsFile(); // mapped path of the INI file

    // Reads the file; a missing or out-of-range value takes its default and
    // the file is rewritten (the damaged one kept as settings.ini.damaged).
    void loadSystemsettings();
    // Replaces the file atomically; false (and the operator warned) when it
    // could not be written. The values in memory stay in use either way.
    bool storeSystemsettings();
    bool resetToDefaultSettings();
    void init();

    QString getBtIdHeadphone() const { return m_btIdHeadphone; }
    QString getBtNameHeadphone() const { return m_btNameHeadphone; }
    QString getBtIdMicrophone() const { return m_btIdMicrophone; }
    QString getBtNameMicrophone() const { return m_btNameMicrophone; }
    void clearBtHeadphone();
    void clearBtMicrophone();

    int getSelectedLanguageNum() const { return m_selectedLanguageNum; }
    static QString getLanguageName(int num);
    QString getTimezoneName() const { return m_timezoneName; }
    int getTimezoneNum() const { return m_timezoneNum; }
    int getTimezoneOffset() const { return m_timezoneOffset; }
    int getDaylightSavingTime() const { return m_daylightSavingTime; }
    int getDaylightSavingTimeOffet() const { return m_daylightSavingTimeOffset; }
    static QString getFormatStringTime() { return QStringLiteral("hh:mm:ss"); }
    QString getFormatStringDate() const;
    static int convertDateFormatToInt(const QString &format);
    QString getDateTimeSource() const { return m_dateTimeSource; }
    static int convertDateTimeSourceToInt(const QString &source);

    int getFavouriteButton(QString *text) const;
    static QString getFavButTextFromNum(int num);
    // Numbers outside 0..5 are refused with -1.
    int setFavouriteButton(int num);

    bool isHearingProtectionEnabled() const { return m_hearingProtection; }
    int getHeadphoneVolumeOffset() const { return m_headphoneVolumeOffset; }
    // The headphone module's ADC gain these settings ask for: the lowest
    // under hearing protection, else the offset above the normal 5.
    int headphoneAdcGain() const { return m_hearingProtection ? 1 : m_headphoneVolumeOffset + 5; }
    int getPowerOffTime() const { return m_powerOffTime; }
    int getDisplayOffTime() const { return m_displayOffTime; }
    int getBrightness() const { return m_brightness; }
    static QString convertTimeToText(int seconds);
    bool isMuteKeySwitchmode() const { return m_switchmode == QLatin1String("Switch"); }
    QString getSwitchmode() const { return m_switchmode; }

    bool dialogFlag(DialogFlag flag) const { return m_dialogFlags[flag]; }
    static const char *dialogFlagKey(DialogFlag flag);
    bool isShowFftEnabled() const { return m_dialogFlags[LevelShowFft]; }
    bool isShowFrequencyValueEnabled() const { return m_dialogFlags[LevelShowFrequencyValue]; }
    bool isUseFrequColorForBarEnabled() const { return m_dialogFlags[LevelUseFrequencyColor]; }
    bool isShowPeakLevelBarEnabled() const { return m_dialogFlags[LevelShowPeakLevelBar]; }
    bool isPPShowFrequencyValueEnabled() const { return m_dialogFlags[PPShowFrequencyValue]; }
    bool isPPUseFrequColorForBarEnabled() const { return m_dialogFlags[PPUseFrequencyColor]; }
    bool isPPShowFilterParameterEnabled() const { return m_dialogFlags[PPShowFilterParameter]; }
    bool isPPDynamicScalingEnabled() const { return m_dialogFlags[PPDynamicScaling]; }
    bool isLTShowFrequencyValueEnabled() const { return m_dialogFlags[LTShowFrequencyValue]; }
    bool isLTUseFrequColorForBarEnabled() const { return m_dialogFlags[LTUseFrequencyColor]; }
    bool isLTShowGridEnabled() const { return m_dialogFlags[LTShowGrid]; }
    bool isLTShowFilterParameterEnabled() const { return m_dialogFlags[LTShowFilterParameter]; }
    bool isH2ShowHistogramEnabled() const { return m_dialogFlags[H2ShowHistogram]; }
    bool isH2ShowGridEnabled() const { return m_dialogFlags[H2ShowGrid]; }
    bool isH2DynamicScalingEnabled() const { return m_dialogFlags[H2DynamicScaling]; }
    bool isH2ShowWorkingRangeEnabled() const { return m_dialogFlags[H2ShowWorkingRange]; }
    bool isPLShowFftEnabled() const { return m_dialogFlags[PLShowFft]; }
    bool isPLUseFrequColorForBarEnabled() const { return m_dialogFlags[PLUseFrequencyColor]; }
    bool isPLShowFrequencyValueEnabled() const { return m_dialogFlags[PLShowFrequencyValue]; }
    bool isPLShowFilterParameterEnabled() const { return m_dialogFlags[PLShowFilterParameter]; }
    bool isSUUseFavouriteForStartupEnabled() const { return m_dialogFlags[SUUseFavouriteForStartup]; }
    bool isSUUseFilterForStartupEnabled() const { return m_dialogFlags[SUUseFilterForStartup]; }
    bool isSUUseGpsForStartupEnabled() const { return m_dialogFlags[SUUseGpsForStartup]; }

    int currentPage() const { return m_currentPage; }

signals:
    void gotoWidget(int widget, int dir, int variant);
    void changeLanguage(int num);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void on_butLanguage_clicked();
    void on_butTime_clicked();
    void on_butDate_clicked();
    void on_butTimezone_clicked();
    void on_butDaylightSavingTime_clicked();
    void on_butSwitchmode_clicked();
    void on_butFavouriteButton_clicked();
    void on_butBrightness_clicked();
    void on_butPowerSaving_clicked();
    void on_butSysteminformation_clicked();
    void on_butCustomize_clicked();
    void on_butReset_clicked();
    void on_butHearingProtection_clicked();
    void on_butPairedHeadphone_clicked();
    void on_butPairedMicrophone_clicked();
    void showClock();
    void on_butMenuUp_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuDown_clicked();

private:
    void setDefaults();
    bool writeFile() const;
    void warnNotSaved();
    void showPage(int page);
    void updateTexts();
    // Stores an accepted change and shows it.
    void storeAndShow();
    void adjustDateTime(int mode);
    void selectTimezone(int page);
    // Pairs the headphones (0) or the RM-3 (1) on their module and keeps the
    // new device's address and name in *id and *name.
    void pairDevice(int device, Bluetooth *module, QString *id, QString *name);
    // Delivery state: defaults stored, pairings deleted on both modules, reboot.
    void resetToDeliveryState();
    QString brightnessText() const;

    Ui::Systemsettings *ui;
    Bluetooth *m_btSource = nullptr;
    Bluetooth *m_btSink = nullptr;
    int m_currentPage = 1;
    QString m_btIdHeadphone;
    QString m_btNameHeadphone;
    QString m_btIdMicrophone;
    QString m_btNameMicrophone;
    int m_selectedLanguageNum = 0;
    QString m_selectedLanguageString;
    QString m_timezoneName;
    int m_timezoneNum = 0;
    int m_timezoneOffset = 0;
    QString m_dateFormat;
    QString m_dateTimeSource;
    int m_daylightSavingTime = 0;
    int m_daylightSavingTimeOffset = 0;
    QString m_switchmode;
    int m_favouriteButton = 0;
    int m_brightness = 0;
    int m_powerOffTime = 0;
    int m_displayOffTime = 0;
    bool m_hearingProtection = true;
    int m_headphoneVolumeOffset = 0;
    bool m_dialogFlags[DialogFlagCount] = {};
    bool m_notSavedWarningDue = false;
    // Keeps the time and date entries following the clock while shown.
    QTimer *m_clockTimer;
};

#endif // SYSTEMSETTINGS_H
