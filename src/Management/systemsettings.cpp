#include "systemsettings.h"
#include "ui_systemsettings.h"

#include "bluetooth.h"
#include "bluetoothpairing.h"
#include "buttonstyle.h"
#include "customizedialogs.h"
#include "datetimeadjust.h"
#include "displaysettings.h"
#include "filesync.h"
#include "globals.h"
#include "gps.h"
#include "hearingprotection.h"
#include "languageselect.h"
#include "mainmenu.h"
#include "messagedialog.h"
#include "platform.h"
#include "powersaving.h"
#include "resetsettings.h"
#include "selectfavouritebutton.h"
#include "selectswitchmode.h"
#include "selecttimezone.h"
#include "statusbar.h"
#include "systeminformation.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

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
const char *const switchModes[] = {"Switch", "Push-Button"};

template<size_t N>
int indexOf(const char *const (&table)[N], const QString &text)
{
    for (size_t i = 0; i < N; ++i) {
        if (text == QLatin1String(table[i]))
            return int(i);
    }
    return -1;
}

// Valid ranges of the stored numbers. A power-saving time of 0 means never;
// shorter positive times than these would switch off a device before the
// operator can reach the settings.
constexpr int BrightnessMin = 5, BrightnessMax = 7;
constexpr int PowerOffMin = 60, DisplayOffMin = 10, PowerSavingMax = 259200;
constexpr int FavouriteMin = 0, FavouriteMax = 5;
constexpr int LanguageMin = 1, LanguageMax = 24;
constexpr int TimezoneNumMax = 30;
constexpr int TimezoneOffsetMin = -12 * 3600, TimezoneOffsetMax = 14 * 3600;
constexpr int HeadphoneOffsetMin = -4, HeadphoneOffsetMax = 10;

// Takes each value from the file only when it is valid; otherwise the
// target keeps the default it already holds and the file counts as damaged.
class ValueReader
{
public:
    explicit ValueReader(QSettings &settings) : m_settings(settings) {}
    bool damaged() const { return m_damaged; }

    bool text(const QByteArray &key, QString &target, const std::function<bool(const QString &)> &valid)
    {
        const QVariant v = m_settings.value(QString::fromLatin1(key));
        // An unquoted comma makes a list: not something this program wrote.
        const bool ok = v.type() == QVariant::String && valid(v.toString());
        return take(ok, key, v, [&] { target = v.toString(); });
    }
    bool number(const QByteArray &key, int &target, const std::function<bool(int)> &valid)
    {
        const QVariant v = m_settings.value(QString::fromLatin1(key));
        bool ok = v.type() == QVariant::String;
        const int n = ok ? v.toString().toInt(&ok) : 0;
        return take(ok && valid(n), key, v, [&] { target = n; });
    }
    bool flag(const QByteArray &key, bool &target)
    {
        const QVariant v = m_settings.value(QString::fromLatin1(key));
        const QString t = v.type() == QVariant::String ? v.toString().toLower() : QString();
        const bool on = t == QLatin1String("true") || t == QLatin1String("1");
        const bool ok = on || t == QLatin1String("false") || t == QLatin1String("0");
        return take(ok, key, v, [&] { target = on; });
    }

private:
    template<typename Assign>
    bool take(bool ok, const QByteArray &key, const QVariant &v, Assign assign)
    {
        if (ok) {
            assign();
            return true;
        }
        if (v.isValid())
            qWarning() << "Systemsettings: invalid value" << key << v;
        m_damaged = true;
        return false;
    }

    QSettings &m_settings;
    bool m_damaged = false;
};

std::function<bool(int)> inRange(int min, int max)
{
    return [=](int n) { return n >= min && n <= max; };
}

// 0 (never) or a time from min up to three days.
std::function<bool(int)> powerSavingTime(int min)
{
    return [=](int n) { return n == 0 || (n >= min && n <= PowerSavingMax); };
}

template<size_t N>
std::function<bool(const QString &)> oneOf(const char *const (&table)[N])
{
    return [&table](const QString &t) { return indexOf(table, t) >= 0; };
}

bool anyText(const QString &)
{
    return true;
}

// Empty (not paired) or an address as the modules report it.
bool isBluetoothAddress(const QString &id)
{
    static const QRegularExpression address(QStringLiteral("^([0-9A-Fa-f]{2}:){5}[0-9A-Fa-f]{2}$"));
    return id.isEmpty() || address.match(id).hasMatch();
}

} // namespace

Systemsettings::Systemsettings(QWidget *parent)
    : QWidget(parent), ui(new Ui::Systemsettings), m_clockTimer(new QTimer(this))
{
    ui->setupUi(this);
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &Systemsettings::showClock);
    ui->butMenuUp->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("PageUp"), 44));
    ui->butMenuBack->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Home"), 44));
    ui->butMenuDown->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("PageDown"), 44));
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    showPage(1);
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

void Systemsettings::loadSystemsettings()
{
    const QString path = settingsFile();
    const bool exists = QFileInfo::exists(path);
    setDefaults();
    bool damaged = false;
    {
        QSettings s(path, QSettings::IniFormat);
        ValueReader r(s);
        auto key = [](const char *group, const char *name) { return QByteArray(group) + '/' + name; };
        r.text(key("Bluetooth", "Headphone_Name"), m_btNameHeadphone, anyText);
        r.text(key("Bluetooth", "Headphone_ID"), m_btIdHeadphone, isBluetoothAddress);
        r.text(key("Bluetooth", "Microphone_Name"), m_btNameMicrophone, anyText);
        r.text(key("Bluetooth", "Microphone_ID"), m_btIdMicrophone, isBluetoothAddress);

        int debugFeatures = 0;
        r.number(key("Debug", "Debugfeatures"), debugFeatures, inRange(0, 1));
        g_debugFeatures = unsigned(debugFeatures);

        r.number(key("Local-Settings", "Language"), m_selectedLanguageNum, inRange(LanguageMin, LanguageMax));
        m_selectedLanguageString = getLanguageName(m_selectedLanguageNum);
        // Name, number and offset describe one zone: taken together or not at all.
        QString zoneName;
        int zoneNum = 0, zoneOffset = 0;
        // All three are read, so each invalid one is noted.
        const bool nameOk = r.text(key("Local-Settings", "Timezone"), zoneName, [](const QString &t) { return !t.isEmpty(); });
        const bool numOk = r.number(key("Local-Settings", "TimezoneNum"), zoneNum, inRange(0, TimezoneNumMax));
        const bool offsetOk = r.number(key("Local-Settings", "TimezoneOffset"), zoneOffset,
                                       inRange(TimezoneOffsetMin, TimezoneOffsetMax));
        if (nameOk && numOk && offsetOk) {
            m_timezoneName = zoneName;
            m_timezoneNum = zoneNum;
            m_timezoneOffset = zoneOffset;
        }
        r.number(key("Local-Settings", "DaylightSavingTime"), m_daylightSavingTime, inRange(0, 1));
        m_daylightSavingTimeOffset = m_daylightSavingTime == 1 ? 3600 : 0;
        r.text(key("Local-Settings", "Dateformat"), m_dateFormat,
               [](const QString &t) { return convertDateFormatToInt(t.trimmed()) >= 0; });
        r.text(key("Local-Settings", "DateTimeSource"), m_dateTimeSource, oneOf(dateTimeSources));

        r.text(key("Systemsettings", "Switchmode"), m_switchmode, oneOf(switchModes));
        r.number(key("Systemsettings", "FavouriteButton"), m_favouriteButton, inRange(FavouriteMin, FavouriteMax));
        r.number(key("Systemsettings", "Brightness"), m_brightness, inRange(BrightnessMin, BrightnessMax));
        r.number(key("Systemsettings", "PowerOffTime"), m_powerOffTime, powerSavingTime(PowerOffMin));
        r.number(key("Systemsettings", "DisplayOffTime"), m_displayOffTime, powerSavingTime(DisplayOffMin));
        r.flag(key("Systemsettings", "HearingProtection"), m_hearingProtection);
        r.number(key("Systemsettings", "HeadphoneVolumeOffset"), m_headphoneVolumeOffset,
                 inRange(HeadphoneOffsetMin, HeadphoneOffsetMax));

        for (const FlagEntry &e : flagTable)
            r.flag(key("Dialogconfiguration", e.key), m_dialogFlags[e.flag]);
        damaged = r.damaged() || s.status() != QSettings::NoError;
    }

    if (!exists) {
        qDebug() << "File für Systemeinstellungen mit Defaultwerten erzeugen";
        storeSystemsettings();
    } else if (damaged) {
        // What was valid stays; the original is kept for the service technician.
        const QString aside = path + QStringLiteral(".damaged");
        QFile::remove(aside);
        if (!QFile::copy(path, aside))
            qWarning() << "Systemsettings: could not keep the damaged file as" << aside;
        qWarning() << "Systemsettings: damaged settings file repaired, the original kept as" << aside;
        storeSystemsettings();
    }
}

bool Systemsettings::storeSystemsettings()
{
    if (writeFile())
        return true;
    warnNotSaved();
    return false;
}

// The new file is written beside the old one and renamed over it, so a
// power loss or a full disk leaves either the old or the new file whole.
bool Systemsettings::writeFile() const
{
    const QString target = settingsFile();
    const QString temp = target + QStringLiteral(".new");
    QFile::remove(temp);
    {
        QSettings s(temp, QSettings::IniFormat);
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
        s.sync();
        if (s.status() != QSettings::NoError) {
            qWarning() << "Systemsettings: cannot write" << temp << s.status();
            QFile::remove(temp);
            return false;
        }
    }
    if (!syncToDisk(temp, false)) {
        qWarning() << "Systemsettings: cannot flush" << temp;
        QFile::remove(temp);
        return false;
    }
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) != 0) {
        qWarning() << "Systemsettings: cannot replace" << target << strerror(errno);
        QFile::remove(temp);
        return false;
    }
    syncToDisk(QFileInfo(target).absolutePath(), true);
    return true;
}

// Shown from the event loop, never from inside the caller: a store may fail
// while the main window is still being built.
void Systemsettings::warnNotSaved()
{
    if (m_notSavedWarningDue)
        return;
    m_notSavedWarningDue = true;
    QTimer::singleShot(0, this, [this] {
        MessageDialog::inform(nullptr, 2, tr("Error", "Error"),
                              tr("SettingsCouldNotBeSaved", "The settings could not be saved. Changes are lost "
                                                            "when the device is switched off."),
                              120);
        m_notSavedWarningDue = false;
    });
}

void Systemsettings::setDefaults()
{
    m_btIdHeadphone.clear();
    m_btNameHeadphone.clear();
    m_btIdMicrophone.clear();
    m_btNameMicrophone.clear();
    m_selectedLanguageNum = 1;
    m_selectedLanguageString = getLanguageName(m_selectedLanguageNum);
    g_debugFeatures = 0;
    m_timezoneName = tr("Berlin") + QStringLiteral(" (+1 h)");
    m_timezoneNum = 13;
    m_timezoneOffset = 3600;
    m_daylightSavingTime = 0;
    m_daylightSavingTimeOffset = 0;
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
}

bool Systemsettings::resetToDefaultSettings()
{
    setDefaults();
    return storeSystemsettings();
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
    if (num < FavouriteMin || num > FavouriteMax) {
        qWarning() << "Systemsettings: no favourite function" << num;
        return -1;
    }
    m_favouriteButton = num;
    return storeSystemsettings() ? 0 : -1;
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
    ui->butTime->setText(tr("Time", "Time"));
    ui->butDate->setText(tr("Date", "Date"));
    showClock();
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

void Systemsettings::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showClock();
    m_clockTimer->start();
}

void Systemsettings::hideEvent(QHideEvent *event)
{
    m_clockTimer->stop();
    QWidget::hideEvent(event);
}

void Systemsettings::showClock()
{
    const QDateTime now = Platform::currentDateTime();
    ui->butTime->setText2(now.toString(getFormatStringTime()));
    ui->butDate->setText2(now.toString(getFormatStringDate()));
}

void Systemsettings::storeAndShow()
{
    storeSystemsettings();
    updateTexts();
}

void Systemsettings::on_butLanguage_clicked()
{
    LanguageSelect dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_selectedLanguageNum = dialog.getSelectedLanguage();
    storeSystemsettings();
    // Every screen takes its texts from the new language, this one too.
    emit changeLanguage(m_selectedLanguageNum);
}

void Systemsettings::on_butTime_clicked()
{
    adjustDateTime(1);
}

void Systemsettings::on_butDate_clicked()
{
    adjustDateTime(0);
}

void Systemsettings::adjustDateTime(int mode)
{
    DateTimeAdjust dialog(this);
    dialog.init(mode, qMax(0, convertDateFormatToInt(m_dateFormat)),
                qMax(0, convertDateTimeSourceToInt(m_dateTimeSource)));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int format = dialog.getDateFormat();
    if (mode == 0 && format >= 0 && format < int(sizeof dateFormats / sizeof dateFormats[0]))
        m_dateFormat = QLatin1String(dateFormats[format].setting);
    const bool manual = dialog.getDateTimeSource() == 1;
    m_dateTimeSource = QLatin1String(dateTimeSources[manual ? 1 : 0]);
    // A clock set by hand must not be overwritten by the next fix.
    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        if (Gps *gps = main->getGpsInstance())
            gps->enableSystemTimeSettingViaGps(!manual);
    }
    storeAndShow();
}

void Systemsettings::on_butTimezone_clicked()
{
    selectTimezone(0);
}

void Systemsettings::on_butDaylightSavingTime_clicked()
{
    selectTimezone(1);
}

void Systemsettings::selectTimezone(int page)
{
    SelectTimezone dialog(this);
    dialog.init(page, m_timezoneNum, m_daylightSavingTime);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (page == 0) {
        m_timezoneName = dialog.getTimezoneName();
        m_timezoneNum = dialog.getSelectedTimezone();
        m_timezoneOffset = dialog.getTimezoneOffset();
    } else {
        m_daylightSavingTime = dialog.getDaylightSavingTime();
        m_daylightSavingTimeOffset = dialog.getDaylightSavingTimeOffset();
    }
    storeAndShow();
}

void Systemsettings::on_butSwitchmode_clicked()
{
    SelectSwitchmode dialog(this);
    dialog.init(m_switchmode);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_switchmode = dialog.getSwitchmode();
    storeAndShow();
    // The RM-3's key follows the new mode at once.
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->updateMicrophoneParameter();
}

void Systemsettings::on_butFavouriteButton_clicked()
{
    SelectFavouriteButton dialog(this);
    dialog.init(m_favouriteButton);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_favouriteButton = dialog.getFavouriteButton(nullptr);
    storeAndShow();
}

void Systemsettings::on_butBrightness_clicked()
{
    Displaysettings dialog(this);
    dialog.init();
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_brightness = dialog.getBrightness(nullptr);
    storeAndShow();
}

void Systemsettings::on_butPowerSaving_clicked()
{
    PowerSaving dialog(this);
    dialog.init(m_powerOffTime, m_displayOffTime);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_powerOffTime = dialog.getPowerOffTime(nullptr);
    m_displayOffTime = dialog.getBacklightOffTime(nullptr);
    storeAndShow();
    // The counters run from the new times.
    StatusbarData().resetPowerSavingCnt();
}

void Systemsettings::on_butHearingProtection_clicked()
{
    HearingProtection dialog(this);
    dialog.init(m_hearingProtection, m_headphoneVolumeOffset);
    if (dialog.exec() == QDialog::Accepted) {
        m_hearingProtection = dialog.getModeHearingProtection();
        m_headphoneVolumeOffset = dialog.getHeadphoneVolumeOffset();
        storeAndShow();
    }
    // The dialog previews the gain; what the settings say holds afterwards.
    if (m_btSource)
        m_btSource->setBtAdcGain(headphoneAdcGain());
}

void Systemsettings::on_butPairedHeadphone_clicked()
{
    pairDevice(0, m_btSource, &m_btIdHeadphone, &m_btNameHeadphone);
}

void Systemsettings::on_butPairedMicrophone_clicked()
{
    pairDevice(1, m_btSink, &m_btIdMicrophone, &m_btNameMicrophone);
}

void Systemsettings::pairDevice(int device, Bluetooth *module, QString *id, QString *name)
{
    const bool sensor = device == 1;
    BluetoothPairing dialog(this);
    dialog.setPairingDevice(device);
    if (dialog.exec() == QDialog::Accepted) {
        *id = dialog.getBluetoothId();
        *name = dialog.getBluetoothName();
        // The volume offset belonged to the old headphones.
        if (!sensor)
            m_headphoneVolumeOffset = 0;
        storeAndShow();
        if (module)
            module->resetBluetooth(*id);
    }
    // The dialog stopped the module's calling, whatever the outcome.
    if (module)
        module->callBtDeviceA2DP(sensor);
}

void Systemsettings::on_butCustomize_clicked()
{
    CustomizeDialogs dialog(this);
    dialog.init();
    dialog.setFlags(m_dialogFlags);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.getFlags(m_dialogFlags);
    storeAndShow();
}

void Systemsettings::on_butSysteminformation_clicked()
{
    Systeminformation dialog(this);
    dialog.init();
    dialog.exec();
    updateTexts();
}

void Systemsettings::on_butReset_clicked()
{
    ResetSettings dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        resetToDeliveryState();
}

void Systemsettings::resetToDeliveryState()
{
    // The defaults are on disk before anything else can fail.
    resetToDefaultSettings();
    emit changeLanguage(m_selectedLanguageNum);
    for (Bluetooth *module : {m_btSink, m_btSource}) {
        if (!module)
            continue;
        module->disconnectBtDevice();
        if (module == m_btSink)
            module->initBtModulSink();
        else
            module->initBtModulSource();
        module->sendData(QStringLiteral("SET BT PAIR *"));
    }
    qDebug() << "Restarting KX500";
    const int rc = Platform::execute(QStringLiteral("reboot"));
    if (rc != 0)
        qWarning() << "Systemsettings: reboot failed:" << rc;
}
