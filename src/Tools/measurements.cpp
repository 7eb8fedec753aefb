#include "measurements.h"

#include "backgroundrecording.h"
#include "bluetooth.h"
#include "filesync.h"
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
#include <QStorageInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char *const MeasRoot = "/media/kx500/meas/";
const char *const FirmwareVersion = KX500_VERSION;
// Hidden, so neither the list nor a prefix pattern ever matches it.
const char *const BuildPrefix = ".store-";
// Room kept for the info.ini and the directory entries on top of the recordings.
constexpr qint64 InfoReserve = 64 * 1024;

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

QStringList prefixPatterns()
{
    QStringList patterns;
    for (const Kind &kind : Kinds)
        patterns << QLatin1String(kind.prefix) + QLatin1Char('*');
    return patterns;
}

// A link is never followed: it could lead out of the root.
bool isPlainDir(const QFileInfo &info)
{
    return info.isDir() && !info.isSymLink();
}

bool isComplete(const QString &dir)
{
    const QFileInfo ini(dir + QStringLiteral("/info.ini"));
    return ini.isFile() && !ini.isSymLink();
}

QStringList listRoot()
{
    // Renames elsewhere use names relative to the root, so it stays current.
    if (!Platform::setCurrentDir(QLatin1String(MeasRoot)))
        return QStringList();
    // A directory without its info.ini is half-written, never a measurement.
    QStringList names;
    const QFileInfoList found = QDir::current().entryInfoList(
        prefixPatterns(), QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot | QDir::CaseSensitive, QDir::Time);
    for (const QFileInfo &entry : found) {
        if (isComplete(entry.filePath()))
            names << entry.fileName();
    }
    return names;
}

bool occupied(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Copies and syncs one file; false with errno in *error. The sizes are
// compared, so a short read or write cannot pass as a copy.
bool copyFile(const QString &source, const QString &target, int *error)
{
    *error = 0;
    const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        *error = errno;
        return false;
    }
    const int out = ::open(QFile::encodeName(target).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        *error = errno;
        ::close(in);
        return false;
    }
    char buffer[64 * 1024];
    qint64 copied = 0;
    bool ok = true;
    while (ok) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            *error = ok ? 0 : errno;
            break;
        }
        for (ssize_t done = 0; ok && done < n;) {
            const ssize_t w = ::write(out, buffer + done, size_t(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            ok = w > 0;
            *error = ok ? 0 : w < 0 ? errno : ENOSPC;
            done += ok ? w : 0;
        }
        copied += ok ? n : 0;
    }
    if (ok && ::fsync(out) != 0) {
        *error = errno;
        ok = false;
    }
    if (::close(out) != 0 && ok) {
        *error = errno;
        ok = false;
    }
    ::close(in);
    if (ok && QFileInfo(target).size() != copied) {
        *error = EIO;
        ok = false;
    }
    return ok;
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

int synced(QSettings &ini)
{
    ini.sync();
    return ini.status() == QSettings::NoError ? 0 : -1;
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
    // QSettings writes through a link to wherever it points.
    if (!isEntryName(dirName) || !isEntryName(newDirName) || !isPlainDir(QFileInfo(root + dirName))
        || QFileInfo(root + dirName + QStringLiteral("/info.ini")).isSymLink()) {
        qDebug() << "Rename refused:" << dirName << "to" << newDirName;
        return false;
    }
    // A rename over an existing (empty) directory would succeed on Linux and
    // hide that measurement's name; the same name is just the info.ini update.
    if (newDirName != dirName) {
        if (occupied(root + newDirName) || !QDir(root).rename(dirName, newDirName)) {
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
    // removeRecursively() on a link to a directory empties the directory it
    // points to; links inside an entry it only unlinks.
    if (!isEntryName(dirName) || !isPlainDir(QFileInfo(dir))) {
        qDebug() << "Delete refused:" << dirName;
        return false;
    }
    qDebug() << "Delete:" << dirName;
    return QDir(dir).removeRecursively();
}

void Measurements::cleanUpInterruptedStores()
{
    const QString root = Platform::path(rootPath());
    QDir dir(root);
    const QFileInfoList builds = dir.entryInfoList({QLatin1String(BuildPrefix) + QLatin1Char('*')},
                                                   QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &build : builds) {
        const bool removed = isPlainDir(build) ? QDir(build.filePath()).removeRecursively() : QFile::remove(build.filePath());
        qDebug() << "Interrupted store removed:" << build.fileName() << removed;
    }
    const QFileInfoList entries =
        dir.entryInfoList(prefixPatterns(), QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot | QDir::CaseSensitive);
    for (const QFileInfo &entry : entries) {
        // QSettings' lock and its half-written save file of a cut-off rename.
        QDir inside(entry.filePath());
        for (const QString &file : inside.entryList({QStringLiteral("info.ini.*")},
                                                    QDir::Files | QDir::System | QDir::Hidden)) {
            qDebug() << "Leftover removed:" << entry.fileName() + QLatin1Char('/') + file
                     << inside.remove(file);
        }
        // Only the old store left empty directories behind; rmdir keeps any other.
        if (dir.rmdir(entry.fileName()))
            qDebug() << "Empty measurement directory removed:" << entry.fileName();
    }
}

void Measurements::setFreeSpaceProbe(std::function<qint64(const QString &)> probe)
{
    m_freeSpaceProbe = std::move(probe);
}

qint64 Measurements::freeSpace(const QString &hostPath) const
{
    if (m_freeSpaceProbe)
        return m_freeSpaceProbe(hostPath);
    const QStorageInfo storage(hostPath);
    return storage.isValid() ? storage.bytesAvailable() : -1;
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
        return StoreFull;

    // A failed store leaves nothing that counts, so the next M<n> is the same.
    name = safeName(name);
    if (name.isEmpty())
        name = QStringLiteral("M%1").arg(num + 1);
    if (type < 0 || type >= KindCount)
        return Stored;
    const int result = build(type, name, info);
    if (result != Stored)
        showStoreFailed(result);
    return result;
}

int Measurements::build(int type, const QString &name, const MeasInfoStructure &info)
{
    QList<EntryFile> files;
    if (type == LevelMeasurement)
        files << EntryFile{BackgroundRecording::wavFilePath(QStringLiteral("LE_sound")), QStringLiteral("LE_sound.wav")};
    for (int i = 1; type == Pinpointing && i <= Points; ++i) {
        // A point that was never measured has no recording.
        const QString recording = QStringLiteral("PP_Sound_%1").arg(i);
        if (info.level[i] > 0 && info.frequency[i] > 0)
            files << EntryFile{BackgroundRecording::wavFilePath(recording), recording + QStringLiteral(".wav")};
    }
    return buildEntry(Kinds[type].prefix, name, files, [&](const QString &infoPath) {
        switch (type) {
        case LevelMeasurement: return storeInfoFileLevelmeasurement(infoPath, name, info);
        case Pinpointing: return storeInfoFilePinpointing(infoPath, name, info);
        case PipeLocating: return storeInfoFilePipelocating(infoPath, name, info);
        case H2Sensor: return storeInfoFileH2Sensor(infoPath, name, info);
        case LongTerm: return storeInfoFileLongtermmeasurement(infoPath, name, info);
        }
        return -1;
    });
}

int Measurements::storePressureMeasurement(QString name, const PressureInfo &info)
{
    name = safeName(name);
    if (name.isEmpty())
        name = QStringLiteral("M1");
    const QList<EntryFile> files{{info.lowResFile, QStringLiteral("LowResData.txt")},
                                {info.highResFile, QStringLiteral("HighResData.txt")}};
    const int result = buildEntry("PS_", name, files, [&](const QString &infoPath) {
        return storeInfoFilePressuresensor(infoPath, name, info);
    });
    if (result != Stored)
        showStoreFailed(result);
    return result;
}

int Measurements::buildEntry(const char *prefix, const QString &name, const QList<EntryFile> &files,
                             const std::function<int(const QString &infoPath)> &writeInfo)
{
    qint64 needed = InfoReserve;
    for (const EntryFile &file : files) {
        const QFileInfo source(file.source);
        if (!source.isFile() || !source.isReadable()) {
            qWarning() << "Measurement not stored, file missing:" << source.filePath();
            return RecordingMissing;
        }
        needed += source.size();
    }

    // Nothing else creates the root: the first save on a fresh partition does.
    const QString root = Platform::path(rootPath());
    if (!QDir().mkpath(root))
        return writeFailed(QStringLiteral("root"), root, 0, needed);
    const qint64 available = freeSpace(root);
    if (available >= 0 && available < needed) {
        qWarning() << "Measurement not stored, not enough space:" << available << "of" << needed << "bytes";
        return NoSpace;
    }

    // Built aside on the same partition, so the final rename is atomic.
    QTemporaryDir temp(root + QLatin1String(BuildPrefix) + QStringLiteral("XXXXXX"));
    if (!temp.isValid())
        return writeFailed(QStringLiteral("build directory"), root, errno, needed);
    const QString buildDir = temp.path();
    // QTemporaryDir makes it private; a stored measurement is as open as any
    // other directory (FAT ignores this, so the result does not matter).
    QFile::setPermissions(buildDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                     | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    const QString infoPath = buildDir + QStringLiteral("/info.ini");
    const int written = writeInfo(infoPath);
    int error = 0;
    if (written != 0 || QFileInfo(infoPath).size() <= 0 || !syncToDisk(infoPath, false, &error))
        return writeFailed(QStringLiteral("info.ini"), infoPath, error, needed);
    for (const EntryFile &file : files) {
        const QString target = buildDir + QLatin1Char('/') + file.target;
        if (!copyFile(file.source, target, &error))
            return writeFailed(QStringLiteral("copy"), target, error, needed);
    }
    if (!syncToDisk(buildDir, true, &error))
        return writeFailed(QStringLiteral("build directory"), buildDir, error, needed);

    // Two saves under one name in the same second: the later takes the next
    // free second rather than mixing its files into the other measurement.
    const QDateTime now = Platform::currentDateTime();
    QString dirName;
    for (int second = 0; dirName.isEmpty() || occupied(root + dirName); ++second) {
        m_date = now.addSecs(second).toString(QStringLiteral("yyyyMMdd"));
        m_time = now.addSecs(second).toString(QStringLiteral("hhmmss"));
        dirName = QLatin1String(prefix) + m_date + QLatin1Char('_') + m_time + QLatin1Char('_') + name;
    }
    if (::rename(QFile::encodeName(buildDir).constData(), QFile::encodeName(root + dirName).constData()) != 0)
        return writeFailed(QStringLiteral("rename"), root + dirName, errno, needed);
    temp.setAutoRemove(false);
    if (!syncToDisk(root, true, &error)) {
        QDir(root + dirName).removeRecursively();
        return writeFailed(QStringLiteral("root"), root, error, needed);
    }
    qDebug() << "Measurement stored:" << dirName;
    return Stored;
}

// The build directory still holds what was written, so a full partition
// shows as less free space than the info.ini alone would need.
int Measurements::writeFailed(const QString &what, const QString &path, int error, qint64 needed)
{
    const qint64 available = freeSpace(Platform::path(rootPath()));
    const bool full = error == ENOSPC || (available >= 0 && available < InfoReserve);
    qWarning() << "Measurement not stored," << what << "failed:" << path << (error ? qt_error_string(error) : QString())
               << "free" << available << "of" << needed << "bytes";
    return full ? NoSpace : WriteFailed;
}

void Measurements::showStoreFailed(int result)
{
    MessageDialog::inform(nullptr, 2, tr("Error", "Error"),
                          result == NoSpace ? tr("NotEnoughSpace", "Not enough space on the data memory. The "
                                                                   "measurement was not stored. Please delete old "
                                                                   "measurements.")
                                            : tr("MeasurementNotStored", "The measurement could not be stored."));
}

// --- info.ini writers ------------------------------------------------------

void Measurements::writeHeader(QSettings &ini, const char *typeText, const QString &name)
{
    const QDateTime now = Platform::currentDateTime();
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
    return synced(ini);
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
    return synced(ini);
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
    return synced(ini);
}

int Measurements::storeInfoFilePressuresensor(const QString &infoPath, const QString &name, const PressureInfo &info)
{
    QSettings ini(infoPath, QSettings::IniFormat);
    writeHeader(ini, "Pressuresensor", name);
    writePosition(ini);
    ini.beginGroup(QStringLiteral("Pressuresensor"));
    ini.setValue(QStringLiteral("Sensor"), QStringLiteral("%1 bar").arg(double(info.fullScaleBar), 0, 'f', 1));
    ini.setValue(QStringLiteral("MinCalibrationValue"), info.adcZero);
    ini.setValue(QStringLiteral("MaxCalibrationValue"), info.adcFull);
    ini.endGroup();
    return synced(ini);
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
    return synced(ini);
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
    return loadFile(Platform::path(Measurements::rootPath() + dirName + QStringLiteral("/info.ini")),
                    Measurements::typeOfDirectory(dirName));
}

bool StoredMeasurement::loadFile(const QString &hostPath, int type)
{
    clear();
    m_type = type;
    if (!QFileInfo(hostPath).isFile())
        return false;
    QSettings ini(hostPath, QSettings::IniFormat);
    read(ini);
    return usable(ini);
}

bool StoredMeasurement::usable(QSettings &ini) const
{
    if (ini.status() != QSettings::NoError
        || ini.value(QStringLiteral("Measurementinfo/Measurementtype")).toString().isEmpty() || m_name.isEmpty())
        return false;
    // The value every view of the type is built on must be a number.
    QString key;
    switch (m_type) {
    case Measurements::LevelMeasurement: key = QStringLiteral("Levels/Level"); break;
    case Measurements::Pinpointing:
    case Measurements::PipeLocating:
    case Measurements::H2Sensor: key = QStringLiteral("Levels/Level_1"); break;
    case Measurements::LongTerm: key = QStringLiteral("Levels_CSV/Levels_Cnt"); break;
    default: return true;
    }
    bool ok = false;
    const QString text = ini.value(key).toString();
    if (m_type == Measurements::LongTerm)
        return text.toInt(&ok) >= 0 && ok;
    return std::isfinite(text.toFloat(&ok)) && ok;
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
