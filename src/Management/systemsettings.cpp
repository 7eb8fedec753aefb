#include "systemsettings.h"
#include "ui_systemsettings.h"

#include "buttonstyle.h"
#include "globals.h"
#include "mainmenu.h"
#include "platform.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QSettings>

namespace {

const char *const SettingsPath = "/home/root/settings.ini";
const char *const SoftwareVersion = KX500_VERSION;

struct FlagEntry
{
    Systemsettings::DialogFlag flag;
    const char *key;
    bool delivery; // value in the delivery state
};

// File order of the "Dialogconfiguration" group.
const FlagEntry flagTable[] = {
    {Systemsettings::LevelShowFft, "LevelMeasurement_ShowFft", true},
    {Systemsettings::LevelShowFrequencyValue, "LevelMeasurement_ShowFrequencyValue", true},
    {Systemsettings::LevelUseFrequencyColor, "LevelMeasurement_UseFrequencyColorForLevelbar", false},
    {Systemsettings::LevelShowPeakLevelBar, "LevelMeasurement_ShowPeakLevelBar", false},
    {Systemsettings::PPShowFrequencyValue, "Pinpointing_ShowFrequencyValue", true},
    {Systemsettings::PPUseFrequencyColor, "Pinpointing_UseFrequencyColorForLevelbar", false},
    {Systemsettings::PPShowFilterParameter, "Pinpointing_ShowFilterParameter", true},
    {Systemsettings::PPDynamicScaling, "Pinpointing_DynamicScaling", true},
    {Systemsettings::LTShowFrequencyValue, "Longterm_ShowFrequencyValue", true},
    {Systemsettings::LTUseFrequencyColor, "Longterm_UseFrequencyColorForLevelbar", false},
    {Systemsettings::LTShowGrid, "Longterm_ShowGrid", true},
    {Systemsettings::LTShowFilterParameter, "Longterm_ShowFilterParameter", true},
    {Systemsettings::H2ShowHistogram, "H2Sensor_ShowHistogram", true},
    {Systemsettings::H2ShowGrid, "H2Sensor_ShowGrid", false},
    {Systemsettings::H2DynamicScaling, "H2Sensor_DynamicScaling", true},
    {Systemsettings::H2ShowWorkingRange, "H2Sensor_ShowWorkingRange", false},
    {Systemsettings::PLShowFft, "Pipelocating_ShowFft", false},
    {Systemsettings::PLUseFrequencyColor, "Pipelocating_UseFrequencyColorForLevelbar", false},
    {Systemsettings::PLShowFrequencyValue, "Pipelocating_ShowFrequencyValue", true},
    {Systemsettings::PLShowFilterParameter, "Pipelocating_ShowFilterParameter", true},
    {Systemsettings::SUUseFavouriteForStartup, "Startup_UseFavouriteForStartup", false},
    {Systemsettings::SUUseFilterForStartup, "Startup_UseFilterForStartup", false},
    {Systemsettings::SUUseGpsForStartup, "Startup_UseGpsForStartup", true},
};
static_assert(sizeof flagTable / sizeof flagTable[0] == Systemsettings::DialogFlagCount,
              "every dialog flag has its key");

// Language numbers 1..24; the names are translated in the language dialog's context.
const char *const languageNames[] = {
    QT_TRANSLATE_NOOP("LanguageSelect", "English"),    QT_TRANSLATE_NOOP("LanguageSelect", "German"),
    QT_TRANSLATE_NOOP("LanguageSelect", "French"),     QT_TRANSLATE_NOOP("LanguageSelect", "Italian"),
    QT_TRANSLATE_NOOP("LanguageSelect", "Spanish"),    QT_TRANSLATE_NOOP("LanguageSelect", "Chinese"),
    QT_TRANSLATE_NOOP("LanguageSelect", "Czech"),      QT_TRANSLATE_NOOP("LanguageSelect", "Hungarian"),
    QT_TRANSLATE_NOOP("LanguageSelect", "Russian"),    QT_TRANSLATE_NOOP("LanguageSelect", "Slovenian"),
    QT_TRANSLATE_NOOP("LanguageSelect", "Japanese"),   QT_TRANSLATE_NOOP("LanguageSelect", "Polish"),
    QT_TRANSLATE_NOOP("LanguageSelect", "Portuguese"), QT_TRANSLATE_NOOP("LanguageSelect", "Romanian"),
    QT_TRANSLATE_NOOP("LanguageSelect", "Slovakian"),  QT_TRANSLATE_NOOP("LanguageSelect", "Swedish"),
    QT_TRANSLATE_NOOP("LanguageSelect", "Suomi"),      QT_TRANSLATE_NOOP("LanguageSelect", "Danish"),
    QT_TRANSLATE_NOOP("LanguageSelect", "Norwegian"),  QT_TRANSLATE_NOOP("LanguageSelect", "Bulgarian"),
    QT_TRANSLATE_NOOP("LanguageSelect", "Croatian"),   QT_TRANSLATE_NOOP("LanguageSelect", "Korean"),
    QT_TRANSLATE_NOOP("LanguageSelect", "Serbian"),    QT_TRANSLATE_NOOP("LanguageSelect", "Turkish"),
};

struct KeyText
{
    const char *key;
    const char *english;
};

// Favourite numbers 0..5.
const KeyText favouriteNames[] = {
    QT_TRANSLATE_NOOP3("Systemsettings", "Screenshot", "Screenshot"),
    QT_TRANSLATE_NOOP3("Systemsettings", "Histogram", "Pinpointing"),
    QT_TRANSLATE_NOOP3("Systemsettings", "LevelMeasurement", "Level measurement"),
    QT_TRANSLATE_NOOP3("Systemsettings", "LongtermMeasurement", "Long-term measurement"),
    QT_TRANSLATE_NOOP3("Systemsettings", "H2-Sensor", "H2 sensor"),
    QT_TRANSLATE_NOOP3("Systemsettings", "Pipelocating", "Pipe locating"),
};

struct DateFormat
{
    const char *setting;
    const char *qtFormat;
};

// Index = the number the date dialog uses.
const DateFormat dateFormats[] = {
    {"DDMMYYYY", "dd.MM.yyyy"},
    {"YYYYMMDD", "yyyy-MM-dd"},
    {"MMDDYYYY", "MM/dd/yyyy"},
};

const char *const dateTimeSources[] = {"GPS", "MAN"};

template<size_t N>
int indexOf(const char *const (&table)[N], const QString &text)
{
    for (size_t i = 0; i < N; ++i) {
        if (text == QLatin1String(table[i]))
            return int(i);
    }
    return -1;
}

} // namespace

Systemsettings::Systemsettings(QWidget *parent) : QWidget(parent), ui(new Ui::Systemsettings)
{
    ui->setupUi(this);
    ui->butMenuUp->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("PageUp"), 44));
    ui->butMenuBack->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Home"), 44));
    ui->butMenuDown->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("PageDown"), 44));
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    showPage(1);

    if (!fileIsUsable()) {
        qDebug() << "File für Systemeinstellungen mit Defaultwerten erzeugen";
        resetToDefaultSettings();
    }
    loadSystemsettings();
}

Systemsettings::~Systemsettings()
{
    delete ui;
}

QString Systemsettings::settingsFile()
{
    return Platform::path(QString::fromLatin1(SettingsPath));
}

// A file that cannot be read, that the INI reader rejects, or that holds
// none of our groups (for example emptied by a power loss) is replaced by
// the defaults; a damaged one is kept aside for the service technician.
bool Systemsettings::fileIsUsable() const
{
    QFile file(settingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.close();
    QSettings settings(settingsFile(), QSettings::IniFormat);
    if (settings.status() == QSettings::NoError && !settings.childGroups().isEmpty())
        return true;
    const QString aside = settingsFile() + QStringLiteral(".damaged");
    QFile::remove(aside);
    QFile::rename(settingsFile(), aside);
    qWarning() << "Systemsettings: damaged settings file kept as" << aside;
    return false;
}

void Systemsettings::loadSystemsettings()
{
    QSettings s(settingsFile(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Bluetooth"));
    m_btNameHeadphone = s.value(QStringLiteral("Headphone_Name")).toString();
    m_btIdHeadphone = s.value(QStringLiteral("Headphone_ID")).toString();
    m_btNameMicrophone = s.value(QStringLiteral("Microphone_Name")).toString();
    m_btIdMicrophone = s.value(QStringLiteral("Microphone_ID")).toString();
    s.endGroup();

    s.beginGroup(QStringLiteral("Debug"));
    g_debugFeatures = s.value(QStringLiteral("Debugfeatures")).toUInt();
    s.endGroup();

    s.beginGroup(QStringLiteral("Local-Settings"));
    m_selectedLanguageNum = s.value(QStringLiteral("Language")).toInt();
    m_selectedLanguageString = getLanguageName(m_selectedLanguageNum);
    m_timezoneName = s.value(QStringLiteral("Timezone")).toString();
    m_timezoneNum = s.value(QStringLiteral("TimezoneNum")).toInt();
    m_timezoneOffset = s.value(QStringLiteral("TimezoneOffset")).toInt();
    m_daylightSavingTime = s.value(QStringLiteral("DaylightSavingTime")).toInt();
    m_daylightSavingTimeOffset = m_daylightSavingTime == 1 ? 3600 : 0;
    m_dateFormat = s.value(QStringLiteral("Dateformat")).toString();
    m_dateTimeSource = s.value(QStringLiteral("DateTimeSource")).toString();
    s.endGroup();

    s.beginGroup(QStringLiteral("Systemsettings"));
    m_switchmode = s.value(QStringLiteral("Switchmode")).toString();
    m_favouriteButton = s.value(QStringLiteral("FavouriteButton")).toInt();
    m_brightness = s.value(QStringLiteral("Brightness")).toInt();
    m_powerOffTime = s.value(QStringLiteral("PowerOffTime")).toInt();
    m_displayOffTime = s.value(QStringLiteral("DisplayOffTime")).toInt();
    m_hearingProtection = s.value(QStringLiteral("HearingProtection")).toBool();
    m_headphoneVolumeOffset = s.value(QStringLiteral("HeadphoneVolumeOffset")).toInt();
    s.endGroup();

    s.beginGroup(QStringLiteral("Dialogconfiguration"));
    for (const FlagEntry &e : flagTable)
        m_dialogFlags[e.flag] = s.value(QLatin1String(e.key)).toBool();
    s.endGroup();
}

void Systemsettings::storeSystemsettings()
{
    QSettings s(settingsFile(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Bluetooth"));
    s.setValue(QStringLiteral("Headphone_Name"), m_btNameHeadphone);
    s.setValue(QStringLiteral("Headphone_ID"), m_btIdHeadphone);
    s.setValue(QStringLiteral("Microphone_Name"), m_btNameMicrophone);
    s.setValue(QStringLiteral("Microphone_ID"), m_btIdMicrophone);
    s.endGroup();

    s.beginGroup(QStringLiteral("Debug"));
    s.setValue(QStringLiteral("Debugfeatures"), int(g_debugFeatures));
    s.endGroup();

    s.beginGroup(QStringLiteral("Local-Settings"));
    s.setValue(QStringLiteral("Language"), m_selectedLanguageNum);
    s.setValue(QStringLiteral("Timezone"), m_timezoneName);
    s.setValue(QStringLiteral("TimezoneNum"), m_timezoneNum);
    s.setValue(QStringLiteral("TimezoneOffset"), m_timezoneOffset);
    s.setValue(QStringLiteral("DaylightSavingTime"), m_daylightSavingTime);
    s.setValue(QStringLiteral("Dateformat"), m_dateFormat);
    s.setValue(QStringLiteral("DateTimeSource"), m_dateTimeSource);
    s.endGroup();

    s.beginGroup(QStringLiteral("Systemsettings"));
    s.setValue(QStringLiteral("Switchmode"), m_switchmode);
    s.setValue(QStringLiteral("FavouriteButton"), m_favouriteButton);
    s.setValue(QStringLiteral("Brightness"), m_brightness);
    s.setValue(QStringLiteral("PowerOffTime"), m_powerOffTime);
    s.setValue(QStringLiteral("DisplayOffTime"), m_displayOffTime);
    s.setValue(QStringLiteral("HearingProtection"), m_hearingProtection);
    s.setValue(QStringLiteral("HeadphoneVolumeOffset"), m_headphoneVolumeOffset);
    s.endGroup();

    s.beginGroup(QStringLiteral("Dialogconfiguration"));
    for (const FlagEntry &e : flagTable)
        s.setValue(QLatin1String(e.key), m_dialogFlags[e.flag]);
    s.endGroup();
}

void Systemsettings::resetToDefaultSettings()
{
    m_btIdHeadphone.clear();
    m_btNameHeadphone.clear();
    m_btIdMicrophone.clear();
    m_btNameMicrophone.clear();
    m_selectedLanguageNum = 1;
    g_debugFeatures = 0;
    m_timezoneName = tr("Berlin") + QStringLiteral(" (+1 h)");
    m_timezoneNum = 13;
    m_timezoneOffset = 3600;
    m_daylightSavingTime = 0;
    m_dateFormat = QStringLiteral("DDMMYYYY");
    m_dateTimeSource = QStringLiteral("GPS");
    m_switchmode = QStringLiteral("Switch");
    m_favouriteButton = 2;
    m_brightness = 6;
    m_powerOffTime = 3600;
    m_displayOffTime = 600;
    m_hearingProtection = false;
    m_headphoneVolumeOffset = 0;
    for (const FlagEntry &e : flagTable)
        m_dialogFlags[e.flag] = e.delivery;
    storeSystemsettings();
}

void Systemsettings::init()
{
    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        m_btSource = main->getBtSourceInstance();
        m_btSink = main->getBtSinkInstance();
    }
    loadSystemsettings();
    showPage(1);
    updateTexts();
    qDebug() << "Systemsettings: favourite" << m_favouriteButton;
}

void Systemsettings::clearBtHeadphone()
{
    m_btIdHeadphone.clear();
    m_btNameHeadphone.clear();
    storeSystemsettings();
}

void Systemsettings::clearBtMicrophone()
{
    m_btIdMicrophone.clear();
    m_btNameMicrophone.clear();
    storeSystemsettings();
}

QString Systemsettings::getLanguageName(int num)
{
    const int index = num >= 1 && num <= 24 ? num - 1 : 0;
    return QCoreApplication::translate("LanguageSelect", languageNames[index]);
}

QString Systemsettings::getFormatStringDate() const
{
    const int index = convertDateFormatToInt(m_dateFormat.trimmed());
    return QLatin1String(dateFormats[index < 0 ? 0 : index].qtFormat);
}

int Systemsettings::convertDateFormatToInt(const QString &format)
{
    for (size_t i = 0; i < sizeof dateFormats / sizeof dateFormats[0]; ++i) {
        if (format == QLatin1String(dateFormats[i].setting))
            return int(i);
    }
    return -1;
}

int Systemsettings::convertDateTimeSourceToInt(const QString &source)
{
    return indexOf(dateTimeSources, source);
}

int Systemsettings::getFavouriteButton(QString *text) const
{
    if (text)
        *text = getFavButTextFromNum(m_favouriteButton);
    return m_favouriteButton;
}

QString Systemsettings::getFavButTextFromNum(int num)
{
    const KeyText &name = num >= 0 && num <= 5 ? favouriteNames[num] : favouriteNames[2];
    return QCoreApplication::translate("Systemsettings", name.key, name.english);
}

int Systemsettings::setFavouriteButton(int num)
{
    m_favouriteButton = num;
    storeSystemsettings();
    return 0;
}

QString Systemsettings::convertTimeToText(int seconds)
{
    if (seconds == 0)
        return tr("never", "never");
    if (seconds < 60)
        return QString::number(seconds) + QStringLiteral(" s");
    if (seconds < 3600)
        return QString::number(seconds / 60) + QStringLiteral(" min");
    if (seconds < 86400)
        return QString::number(seconds / 3600) + QStringLiteral(" h");
    return QStringLiteral("---");
}

const char *Systemsettings::dialogFlagKey(DialogFlag flag)
{
    for (const FlagEntry &e : flagTable) {
        if (e.flag == flag)
            return e.key;
    }
    return "";
}

void Systemsettings::showPage(int page)
{
    m_currentPage = page;
    ui->mainArea->setCurrentIndex(page - 1);
}

QString Systemsettings::brightnessText() const
{
    switch (m_brightness) {
    case 5: return tr("low", "low");
    case 6: return tr("medium", "medium");
    case 7: return tr("high", "high");
    default: return QString::number(m_brightness);
    }
}

void Systemsettings::updateTexts()
{
    ui->butMenuUp->setToolTip(tr("PreviousPage", "Previous page"));
    ui->butMenuBack->setToolTip(tr("Mainmenu", "Main menu"));
    ui->butMenuDown->setToolTip(tr("NextPage", "Next page"));

    ui->butSwitchmode->setText(tr("ModeMuteButton", "Mute key mode"));
    ui->butSwitchmode->setText2(isMuteKeySwitchmode() ? tr("Switch", "Switch") : tr("PushButton", "Push button"));
    ui->butHearingProtection->setText(tr("HearingProtection", "Hearing protection"));
    ui->butHearingProtection->setText2(m_hearingProtection ? tr("Active", "Active") : tr("Inactive", "Inactive"));
    ui->butCustomize->setText(tr("Customize", "Customise screens"));
    ui->butCustomize->setText2(tr("differentValues", "Various settings"));
    ui->butPairedHeadphone->setText(tr("PairedHeadphone", "Paired headphones"));
    ui->butPairedHeadphone->setText2(m_btNameHeadphone);
    ui->butPairedMicrophone->setText(tr("PairedMicrophone", "Paired RM-3"));
    ui->butPairedMicrophone->setText2(m_btNameMicrophone);

    ui->butFavouriteButton->setText(tr("FavouriteButton", "Favourite key"));
    ui->butFavouriteButton->setText2(getFavButTextFromNum(m_favouriteButton));
    ui->butBrightness->setText(tr("Brightness", "Brightness"));
    ui->butBrightness->setText2(brightnessText());
    ui->butPowerSaving->setText(tr("PowerSaving", "Power saving"));
    ui->butPowerSaving->setText2(convertTimeToText(m_displayOffTime) + QStringLiteral(" / ")
                                 + convertTimeToText(m_powerOffTime));
    ui->butSysteminformation->setText(tr("Systeminformation", "System information"));
    ui->butSysteminformation->setText2(tr("FW: %1", "FW: %1").arg(QLatin1String(SoftwareVersion)));
    ui->butReset->setText(tr("ResetToDeliverystate", "Reset to delivery state"));
    ui->butReset->setText2(QString());

    ui->butLanguage->setText(tr("Language", "Language"));
    ui->butLanguage->setText2(getLanguageName(m_selectedLanguageNum));
    const QDateTime now = QDateTime::currentDateTime();
    ui->butTime->setText(tr("Time", "Time"));
    ui->butTime->setText2(now.toString(getFormatStringTime()));
    ui->butDate->setText(tr("Date", "Date"));
    ui->butDate->setText2(now.toString(getFormatStringDate()));
    ui->butTimezone->setText(tr("Timezone", "Time zone"));
    ui->butTimezone->setText2(m_timezoneName);
    ui->butDaylightSavingTime->setText(tr("DaylightSavingTime", "Daylight saving time"));
    ui->butDaylightSavingTime->setText2(m_daylightSavingTime == 1 ? tr("Summertime", "Summer time")
                                                                   : tr("Wintertime", "Winter time"));
}

void Systemsettings::on_butMenuUp_clicked()
{
    showPage(m_currentPage == 1 ? 3 : m_currentPage - 1);
}

void Systemsettings::on_butMenuDown_clicked()
{
    showPage(m_currentPage == 3 ? 1 : m_currentPage + 1);
}

void Systemsettings::on_butMenuBack_clicked()
{
    emit gotoWidget(0, -1, 0);
}
