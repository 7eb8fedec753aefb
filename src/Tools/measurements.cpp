#include "measurements.h"

#include "backgroundrecording.h"
#include "bluetooth.h"
#include "gps.h"
#include "mainmenu.h"
#include "messagedialog.h"
#include "platform.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cmath>

namespace {

const char *const MeasRoot = "/media/kx500/meas/";
const char *const FirmwareVersion = KX500_VERSION;

// Per type number: directory prefix and the "Measurementtype" text.
struct Kind {
    const char *prefix;
    const char *typeText;
};
const Kind Kinds[] = {
    {"LE_", "Levelmeasurement"},
    {"PP_", "Histogram"},
    {"PL_", "Pipelocating"},
    {"H2_", "H2-Sensor"},
    {"LT_", "Longtermmeasurement"},
};
constexpr int KindCount = int(sizeof(Kinds) / sizeof(Kinds[0]));

QStringList listRoot()
{
    // Renames elsewhere use names relative to the root, so it stays current.
    if (!Platform::setCurrentDir(QLatin1String(MeasRoot)))
        return QStringList();
    QStringList patterns;
    for (const Kind &kind : Kinds)
        patterns << QLatin1String(kind.prefix) + QLatin1Char('*');
    return QDir::current().entryList(patterns,
                                     QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::CaseSensitive,
                                     QDir::Time);
}

QString levelText(float value)
{
    return QString::number(double(value), 'f', 3);
}

QString positionText(double lat, double lon)
{
    return QStringLiteral("%1, %2").arg(lat, 0, 'f', 6).arg(lon, 0, 'f', 6);
}

// Every element, the last one too, is followed by "; ".
template<typename Format>
QString listText(const float *values, int count, Format format)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += format(values[i]) + QLatin1String("; ");
    return text;
}

QString pointKey(const char *key, int point)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(key)).arg(point);
}

// Hand-edited or damaged files may hold text, NaN or out-of-range numbers.
float finiteFloat(const QVariant &value)
{
    bool ok = false;
    const float f = value.toFloat(&ok);
    return ok && std::isfinite(f) ? f : 0.0f;
}

float finiteFloat(const QString &text)
{
    bool ok = false;
    const float f = text.toFloat(&ok);
    return ok && std::isfinite(f) ? f : 0.0f;
}

} // namespace

Measurements::Measurements(QObject *parent) : QObject(parent) {}

QString Measurements::rootPath()
{
    return QLatin1String(MeasRoot);
}

QString Measurements::convertFilterTypeToText(int type)
{
    switch (type) {
    case 0: return QStringLiteral("NoFilter");
    case 1: return QStringLiteral("Bandpass");
    case 2: return QStringLiteral("Bandstop");
    default: return QStringLiteral("unknown");
    }
}

int Measurements::typeOfDirectory(const QString &dirName)
{
    for (int type = 0; type < KindCount; ++type) {
        if (dirName.startsWith(QLatin1String(Kinds[type].prefix, 2)))
            return type;
    }
    return -1;
}

// The name only ever ends the one directory name that begins with the type
// prefix, so once no "/" is left neither ".." nor an absolute name can reach
// outside the root. The data partition is FAT: the characters it refuses
// would make the save fail, so they become "_" as well.
QString Measurements::safeName(const QString &name)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString safe = name.trimmed();
    for (QChar &c : safe) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || refused.contains(c))
            c = QLatin1Char('_');
    }
    return safe;
}

bool Measurements::isEntryName(const QString &dirName)
{
    return !dirName.isEmpty() && !dirName.contains(QLatin1Char('/')) && dirName != QLatin1String(".")
           && dirName != QLatin1String("..");
}

bool Measurements::renameMeasurement(const QString &dirName, const QString &newDirName)
{
    const QString root = Platform::path(rootPath());
    if (!isEntryName(dirName) || !isEntryName(newDirName) || !QFileInfo(root + dirName).isDir()) {
        qDebug() << "Rename refused:" << dirName << "to" << newDirName;
        return false;
    }
    // A rename over an existing (empty) directory would succeed on Linux and
    // hide that measurement's name; the same name is just the info.ini update.
    if (newDirName != dirName) {
        if (QFileInfo::exists(root + newDirName) || !QDir(root).rename(dirName, newDirName)) {
            qDebug() << "Rename failed:" << dirName << "to" << newDirName;
            return false;
        }
    }
    QSettings ini(root + newDirName + QStringLiteral("/info.ini"), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Measurementinfo/Measurementname"), newDirName.mid(19).trimmed());
    ini.sync();
    qDebug() << "Rename" << dirName << "to" << newDirName;
    return ini.status() == QSettings::NoError;
}

bool Measurements::deleteMeasurement(const QString &dirName)
{
    const QString dir = Platform::path(rootPath()) + dirName;
    if (!isEntryName(dirName) || !QFileInfo(dir).isDir()) {
        qDebug() << "Delete refused:" << dirName;
        return false;
    }
    qDebug() << "Delete:" << dirName;
    return QDir(dir).removeRecursively();
}

int Measurements::getNumMeasurements()
{
    const int num = listRoot().size();
    qDebug() << "NumMeas:" << num;
    return num;
}

QStringList Measurements::getMeasurementList()
{
    return listRoot();
}

bool Measurements::showLimitDialog(int num)
{
    const bool full = num >= MaxMeasurements;
    MessageDialog dialog;
    dialog.setIcon(full ? 2 : 1);
    dialog.setHeadline(full ? tr("Error", "Error") : tr("Warning", "Warning"));
    dialog.setDialogType(0);
    const QString text = full
        ? tr("NoMoreMeasurementsCanBeStored",
             "Max number of measurements reached. Measurement will not be stored. Please delete old measurements.")
        : tr("OnlyAfewMeasurementsCanBeStored",
             "Number of measurements near limit. Please delete old measurements.");
    dialog.setInfotext(text + QStringLiteral("\n(%1 / %2)").arg(num).arg(MaxMeasurements));
    dialog.exec();
    if (full)
        qDebug() << "Message Measurement Error closed";
    else if (dialog.getPressedButton() == MessageDialog::Ok)
        qDebug() << "Message Measurement Warning closed";
    return full;
}

int Measurements::storeMeasurement(int type, QString name, const MeasInfoStructure &info)
{
    const int num = getNumMeasurements();
    if (num >= WarningMeasurements && showLimitDialog(num))
        return -1;

    name = safeName(name);
    if (name.isEmpty())
        name = QStringLiteral("M%1").arg(num + 1);
    const QDateTime now = QDateTime::currentDateTime();
    m_date = now.toString(QStringLiteral("yyyyMMdd"));
    m_time = now.toString(QStringLiteral("hhmmss"));
    if (type < 0 || type >= KindCount)
        return 0;

    // Nothing else creates the root: the first save on a fresh partition does.
    const QString root = Platform::path(rootPath());
    const QString dirName = QLatin1String(Kinds[type].prefix) + m_date + QLatin1Char('_') + m_time
                            + QLatin1Char('_') + name;
    const QString dir = root + dirName;
    // Within the same second the same name meets its own directory again;
    // that directory is reused, anything else that failed is given up.
    if ((!QDir().mkpath(root) || !QDir(root).mkdir(dirName)) && !QFileInfo(dir).isDir()) {
        qDebug() << "Measurement directory not created:" << dir;
        return 0;
    }
    const QString infoPath = dir + QStringLiteral("/info.ini");

    switch (type) {
    case LevelMeasurement:
        storeInfoFileLevelmeasurement(infoPath, name, info);
        QFile::copy(BackgroundRecording::wavFilePath(QStringLiteral("LE_sound")), dir + QStringLiteral("/LE_sound.wav"));
        break;
    case Pinpointing:
        storeInfoFilePinpointing(infoPath, name, info);
        for (int i = 1; i <= Points; ++i) {
            // A point that was never measured has no recording.
            if (info.level[i] > 0 && info.frequency[i] > 0) {
                const QString file = QStringLiteral("PP_Sound_%1").arg(i);
                QFile::copy(BackgroundRecording::wavFilePath(file), dir + QLatin1Char('/') + file + QStringLiteral(".wav"));
            }
        }
        break;
    case PipeLocating:
        storeInfoFilePipelocating(infoPath, name, info);
        break;
    case H2Sensor:
        storeInfoFileH2Sensor(infoPath, name, info);
        break;
    case LongTerm:
        storeInfoFileLongtermmeasurement(infoPath, name, info);
        break;
    }
    return 0;
}

// --- info.ini writers ------------------------------------------------------

void Measurements::writeHeader(QSettings &ini, const char *typeText, const QString &name)
{
    const QDateTime now = QDateTime::currentDateTime();
    ini.beginGroup(QStringLiteral("Measurementinfo"));
    ini.setValue(QStringLiteral("Measurementtype"), QLatin1String(typeText));
    ini.setValue(QStringLiteral("Measurementname"), name.trimmed());
    ini.setValue(QStringLiteral("Measurementdate"), now.toString(QStringLiteral("dd.MM.yyyy")));
    ini.setValue(QStringLiteral("Measurementtime"), now.toString(QStringLiteral("hh:mm:ss")));
    ini.setValue(QStringLiteral("Firmwareversion"), QLatin1String(FirmwareVersion));
    ini.endGroup();
}

void Measurements::writePosition(QSettings &ini)
{
    // Fetched afresh: a main window may have gone since the last save.
    MainMenu *mainMenu = MainMenu::getInstanceMainMenu();
    m_gpsModul = mainMenu ? mainMenu->getGpsInstance() : nullptr;
    const double lat = m_gpsModul ? m_gpsModul->getLatitude() : 0.0;
    const double lon = m_gpsModul ? m_gpsModul->getLongitude() : 0.0;
    ini.beginGroup(QStringLiteral("GPS-Positions"));
    ini.setValue(QStringLiteral("GPS-Position"), positionText(lat, lon));
    ini.endGroup();
}

void Measurements::writeGains(QSettings &ini)
{
    MainMenu *mainMenu = MainMenu::getInstanceMainMenu();
    Bluetooth *headphone = mainMenu ? mainMenu->getBtSourceInstance() : nullptr;
    ini.beginGroup(QStringLiteral("Gains"));
    ini.setValue(QStringLiteral("Microphone-Gain"), mainMenu ? mainMenu->getMicGainStep() : 0);
    ini.setValue(QStringLiteral("Headphone-Gain"), headphone ? headphone->getBtExtHeadphoneGain() : 0);
    ini.endGroup();
}

void Measurements::writeFilter(QSettings &ini, const MeasInfoStructure &info)
{
    ini.beginGroup(QStringLiteral("Filter"));
    ini.setValue(QStringLiteral("Filtertype"), convertFilterTypeToText(info.filterType));
    ini.setValue(QStringLiteral("LowCutOff-Frequency"), info.filterLowCutOff);
    ini.setValue(QStringLiteral("HighCutOff-Frequency"), info.filterHighCutOff);
    ini.endGroup();
}

void Measurements::writePoints(QSettings &ini, const MeasInfoStructure &info, bool withFrequency)
{
    ini.beginGroup(QStringLiteral("Levels"));
    for (int i = 1; i <= Points; ++i)
        ini.setValue(pointKey("Level", i), levelText(info.level[i]));
    for (int i = 1; withFrequency && i <= Points; ++i)
        ini.setValue(pointKey("Frequency", i), info.frequency[i]);
    ini.endGroup();
}

void Measurements::writePointPositions(QSettings &ini, const MeasInfoStructure &info)
{
    ini.beginGroup(QStringLiteral("GPS-Positions"));
    for (int i = 1; i <= Points; ++i)
        ini.setValue(pointKey("GPS-Position", i), positionText(info.posLat[i], info.posLong[i]));
    ini.endGroup();
}

int Measurements::storeInfoFileLevelmeasurement(const QString &infoPath, const QString &name,
                                                const MeasInfoStructure &info)
{
    QSettings ini(infoPath, QSettings::IniFormat);
    writeHeader(ini, Kinds[LevelMeasurement].typeText, name);
    ini.beginGroup(QStringLiteral("Levels"));
    ini.setValue(QStringLiteral("Level"), levelText(info.level[0]));
    ini.setValue(QStringLiteral("Frequency"), info.frequency[0]);
    ini.endGroup();
    writePosition(ini);
    writeGains(ini);
    writeFilter(ini, info);
    ini.beginGroup(QStringLiteral("FFT"));
    ini.setValue(QStringLiteral("Samplerate"), info.sampleRate);
    ini.setValue(QStringLiteral("FFT-Size"), info.fftSize);
    const int fftCount = qBound(0, info.fftSize, int(sizeof(info.fft) / sizeof(info.fft[0])));
    ini.setValue(QStringLiteral("FFT-Values"), listText(info.fft, fftCount, [](float v) {
                     return QString::number(double(v), 'g', 6);
                 }));
    ini.endGroup();
    ini.sync();
    return 0;
}

int Measurements::storePointsFile(const QString &infoPath, const char *typeText, const QString &name,
                                  const MeasInfoStructure &info)
{
    QSettings ini(infoPath, QSettings::IniFormat);
    writeHeader(ini, typeText, name);
    writePoints(ini, info, true);
    writePointPositions(ini, info);
    writeGains(ini);
    writeFilter(ini, info);
    ini.sync();
    return 0;
}

int Measurements::storeInfoFilePinpointing(const QString &infoPath, const QString &name,
                                           const MeasInfoStructure &info)
{
    return storePointsFile(infoPath, Kinds[Pinpointing].typeText, name, info);
}

int Measurements::storeInfoFilePipelocating(const QString &infoPath, const QString &name,
                                            const MeasInfoStructure &info)
{
    return storePointsFile(infoPath, Kinds[PipeLocating].typeText, name, info);
}

namespace {

QString seriesText(const MeasInfoStructure &info)
{
    const int count = qBound(0, info.arrayCnt, int(sizeof(info.array) / sizeof(info.array[0])));
    return listText(info.array, count, [](float v) { return QString::number(double(v), 'f', 1); });
}

} // namespace

int Measurements::storeInfoFileH2Sensor(const QString &infoPath, const QString &name, const MeasInfoStructure &info)
{
    QSettings ini(infoPath, QSettings::IniFormat);
    writeHeader(ini, Kinds[H2Sensor].typeText, name);
    writePoints(ini, info, false);
    ini.beginGroup(QStringLiteral("Levels_CSV"));
    ini.setValue(QStringLiteral("Levels_Cnt"), info.arrayCnt);
    ini.setValue(QStringLiteral("H2-ReferenceLevel"), info.arrayInfoParameter_1);
    ini.setValue(QStringLiteral("H2-MaxRange"), info.arrayInfoParameter_2);
    ini.setValue(QStringLiteral("Levels_Data"), seriesText(info));
    ini.endGroup();
    writePointPositions(ini, info);
    writeGains(ini);
    ini.sync();
    return 0;
}

int Measurements::storeInfoFileLongtermmeasurement(const QString &infoPath, const QString &name,
                                                   const MeasInfoStructure &info)
{
    QSettings ini(infoPath, QSettings::IniFormat);
    writeHeader(ini, Kinds[LongTerm].typeText, name);
    writePosition(ini);
    writeGains(ini);
    writeFilter(ini, info);
    ini.beginGroup(QStringLiteral("Levels_CSV"));
    ini.setValue(QStringLiteral("Levels_Cnt"), info.arrayCnt);
    ini.setValue(QStringLiteral("Levels_Data"), seriesText(info));
    ini.setValue(QStringLiteral("SelectedTime"), info.arrayInfoParameter_1);
    ini.setValue(QStringLiteral("MaxVisibleData"), info.arrayInfoParameter_2);
    ini.endGroup();
    ini.sync();
    return 0;
}

Measurements *MeasurementData()
{
    static Measurements store;
    return &store;
}

// --- StoredMeasurement ----------------------------------------------------

void StoredMeasurement::clear()
{
    *this = StoredMeasurement();
}

bool StoredMeasurement::load(const QString &dirName)
{
    clear();
    if (!Measurements::isEntryName(dirName))
        return false;
    const bool found = loadFile(Platform::path(Measurements::rootPath() + dirName + QStringLiteral("/info.ini")));
    m_type = Measurements::typeOfDirectory(dirName);
    return found;
}

bool StoredMeasurement::loadFile(const QString &hostPath)
{
    clear();
    if (!QFileInfo(hostPath).isFile())
        return false;
    QSettings ini(hostPath, QSettings::IniFormat);
    read(ini);
    return true;
}

void StoredMeasurement::read(QSettings &ini)
{
    const auto value = [&ini](const QString &key) { return ini.value(key); };
    m_name = value(QStringLiteral("Measurementinfo/Measurementname")).toString();

    m_level = finiteFloat(value(QStringLiteral("Levels/Level")));
    m_frequency = value(QStringLiteral("Levels/Frequency")).toInt();
    for (int i = 1; i <= Measurements::Points; ++i) {
        m_pointLevel[i - 1] = finiteFloat(value(QStringLiteral("Levels/") + pointKey("Level", i)));
        m_pointFrequency[i - 1] = value(QStringLiteral("Levels/") + pointKey("Frequency", i)).toInt();
    }

    m_sampleRate = value(QStringLiteral("FFT/Samplerate")).toInt();
    m_fft = splitList(value(QStringLiteral("FFT/FFT-Values")).toString(),
                      value(QStringLiteral("FFT/FFT-Size")).toInt(), MaxFftValues);

    m_levelsData = splitList(value(QStringLiteral("Levels_CSV/Levels_Data")).toString(),
                             value(QStringLiteral("Levels_CSV/Levels_Cnt")).toInt(), MaxLevelsData);
    m_h2ReferenceLevel = value(QStringLiteral("Levels_CSV/H2-ReferenceLevel")).toInt();
    m_h2MaxRange = value(QStringLiteral("Levels_CSV/H2-MaxRange")).toInt();
    m_selectedTime = value(QStringLiteral("Levels_CSV/SelectedTime")).toInt();
    m_maxVisibleData = value(QStringLiteral("Levels_CSV/MaxVisibleData")).toInt();

    // Only a band-pass or band-stop carries cut-offs; any other text is no filter.
    const QString filter = value(QStringLiteral("Filter/Filtertype")).toString();
    m_filterType = filter == QLatin1String("Bandpass") ? 1 : filter == QLatin1String("Bandstop") ? 2 : 0;
    if (m_filterType != 0) {
        m_lowCutOff = value(QStringLiteral("Filter/LowCutOff-Frequency")).toUInt();
        m_highCutOff = value(QStringLiteral("Filter/HighCutOff-Frequency")).toUInt();
    }
}

float StoredMeasurement::pointLevel(int point) const
{
    return point >= 1 && point <= Measurements::Points ? m_pointLevel[point - 1] : 0.0f;
}

int StoredMeasurement::pointFrequency(int point) const
{
    return point >= 1 && point <= Measurements::Points ? m_pointFrequency[point - 1] : 0;
}

QVector<float> StoredMeasurement::splitList(const QString &text, int count, int max)
{
    // The stored count decides, so the empty part after the last ";" is
    // never taken; a count beyond the parts or the array is cut back.
    if (text.isEmpty())
        return QVector<float>();
    const QStringList parts = text.split(QLatin1Char(';'));
    const int n = qMin(qBound(0, count, max), parts.size());
    QVector<float> values;
    values.reserve(n);
    for (int i = 0; i < n; ++i)
        values.append(finiteFloat(parts.at(i)));
    return values;
}
