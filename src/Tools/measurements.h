#ifndef MEASUREMENTS_H
#define MEASUREMENTS_H

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class Gps;
class QSettings;

// What a measurement screen hands to the store. Index 0 of level and
// frequency is the single value of a level measurement, 1..10 the points of
// pinpointing, pipe locating and H2.
struct MeasInfoStructure
{
    int val = 0;
    float level[20] = {};
    int frequency[20] = {};
    double posLat[20] = {};
    double posLong[20] = {};
    float array[2048] = {};
    int arrayCnt = 0;
    int arrayInfoParameter_1 = 0; // H2: reference level; long-term: time setting
    int arrayInfoParameter_2 = 0; // H2: display range; long-term: visible points
    int filterType = 0;
    quint32 filterHighCutOff = 0;
    quint32 filterLowCutOff = 0;
    int sampleRate = 0;
    int fftSize = 0;
    float fft[1024] = {};
};

// The measurement store below /media/kx500/meas/: one directory per saved
// measurement with its info.ini and, for level measurement and pinpointing,
// copies of the WAV recordings.
class Measurements : public QObject
{
    Q_OBJECT
public:
    enum Type { LevelMeasurement = 0, Pinpointing = 1, PipeLocating = 2, H2Sensor = 3, LongTerm = 4 };
    static constexpr int MaxMeasurements = 100;
    static constexpr int WarningMeasurements = 85;
    static constexpr int Points = 10;

    // Results of storeMeasurement. On any failure nothing of the measurement
    // is left in the root and the operator has been told why.
    enum StoreResult {
        Stored = 0,            // also for an unknown type, which stores nothing
        StoreFull = -1,        // the count limit is reached
        NoSpace = -2,          // the data partition has no room for it
        WriteFailed = -3,      // a directory, info.ini, copy, flush or rename failed
        RecordingMissing = -4, // a recording to copy is absent or unreadable
    };

    explicit Measurements(QObject *parent = nullptr);

    // Device path of the root, with the trailing slash.
    static QString rootPath();
    // A measurement is built in a hidden directory beside the entries and
    // renamed into place once it is complete on disk, so the list shows it
    // whole or not at all. Returns a StoreResult.
    int storeMeasurement(int type, QString name, const MeasInfoStructure &info);
    // Counts and lists the complete LE_, PP_, PL_, H2_ and LT_ measurements
    // of the root (real directories holding an info.ini; no files, links or
    // hidden entries), which becomes the current directory; newest first.
    int getNumMeasurements();
    QStringList getMeasurementList();
    // Removes what a store or rename cut off by a power loss leaves: hidden
    // build directories, QSettings' lock and temporary files inside entries,
    // and empty entries. Run once at start-up, after the partition is mounted.
    void cleanUpInterruptedStores();
    // Free bytes on the partition of a host path; tests replace it to
    // stand for a full partition. An empty function restores the real one.
    void setFreeSpaceProbe(std::function<qint64(const QString &)> probe);

    // The info.ini writers return 0, or -1 when the file could not be written.
    int storeInfoFileLevelmeasurement(const QString &infoPath, const QString &name, const MeasInfoStructure &info);
    int storeInfoFilePinpointing(const QString &infoPath, const QString &name, const MeasInfoStructure &info);
    int storeInfoFilePipelocating(const QString &infoPath, const QString &name, const MeasInfoStructure &info);
    int storeInfoFileH2Sensor(const QString &infoPath, const QString &name, const MeasInfoStructure &info);
    int storeInfoFileLongtermmeasurement(const QString &infoPath, const QString &name, const MeasInfoStructure &info);

    // A pressure measurement ("PS_"): the transducer's calibration and the
    // pressure screen's two files (host paths), copied in as LowResData.txt
    // and HighResData.txt. Built aside and renamed into place like the
    // others, but neither counted nor limited. Returns a StoreResult.
    struct PressureInfo
    {
        float fullScaleBar = 0;
        int adcZero = 0;
        int adcFull = 0;
        QString lowResFile;
        QString highResFile;
    };
    int storePressureMeasurement(QString name, const PressureInfo &info);
    int storeInfoFilePressuresensor(const QString &infoPath, const QString &name, const PressureInfo &info);

    static QString convertFilterTypeToText(int type);
    // The type a directory name stands for (its first two characters), -1 for none.
    static int typeOfDirectory(const QString &dirName);
    // A name made safe as part of one directory name (see the definition).
    static QString safeName(const QString &name);
    // One plain name directly below the root: no way out of it.
    static bool isEntryName(const QString &dirName);

    // Renames a measurement directory and sets the info.ini's name to the
    // new directory name from position 19 on. False, with nothing changed,
    // when either name is not a plain entry name, the directory is missing,
    // it or its info.ini is a symbolic link, or the new name is taken.
    bool renameMeasurement(const QString &dirName, const QString &newDirName);
    // Removes a measurement directory with its contents; links inside are
    // removed, never followed. An entry that is itself a link is refused.
    bool deleteMeasurement(const QString &dirName);

private:
    void writeHeader(QSettings &ini, const char *typeText, const QString &name);
    void writePosition(QSettings &ini);
    void writeGains(QSettings &ini);
    static void writeFilter(QSettings &ini, const MeasInfoStructure &info);
    void writePoints(QSettings &ini, const MeasInfoStructure &info, bool withFrequency);
    static void writePointPositions(QSettings &ini, const MeasInfoStructure &info);
    int storePointsFile(const QString &infoPath, const char *typeText, const QString &name,
                        const MeasInfoStructure &info);
    bool showLimitDialog(int num);
    int build(int type, const QString &name, const MeasInfoStructure &info);
    // A file copied into the new entry: host path and name inside it.
    struct EntryFile
    {
        QString source;
        QString target;
    };
    int buildEntry(const char *prefix, const QString &name, const QList<EntryFile> &files,
                   const std::function<int(const QString &infoPath)> &writeInfo);
    int writeFailed(const QString &what, const QString &path, int error, qint64 needed);
    qint64 freeSpace(const QString &hostPath) const;
    void showStoreFailed(int result);

    std::function<qint64(const QString &)> m_freeSpaceProbe;

    Gps *m_gpsModul = nullptr;
    QString m_date;
    QString m_time;
};

// The one measurement store, created on first use.
Measurements *MeasurementData();

// A stored measurement's info.ini read back the same way by every screen.
// A missing or damaged file reads as empty values: "", 0 and empty lists.
// Damaged means unreadable, or without its type, its name or the type's
// main value (the level, the first point's level or the series count).
class StoredMeasurement
{
public:
    static constexpr int MaxLevelsData = 2048;
    static constexpr int MaxFftValues = 1024;

    // dirName is one directory name directly below the measurement root;
    // false when it names no info.ini there or the file is damaged.
    bool load(const QString &dirName);
    // Reads an info.ini at a host path as a measurement of the given type.
    bool loadFile(const QString &hostPath, int type = -1);

    int type() const { return m_type; }
    QString name() const { return m_name; }
    // Level measurement.
    float level() const { return m_level; }
    int frequency() const { return m_frequency; }
    int sampleRate() const { return m_sampleRate; }
    QVector<float> fftValues() const { return m_fft; }
    // Points 1..10 of pinpointing, pipe locating and H2; 0 outside.
    float pointLevel(int point) const;
    int pointFrequency(int point) const;
    // H2 and long-term series.
    QVector<float> levelsData() const { return m_levelsData; }
    int h2ReferenceLevel() const { return m_h2ReferenceLevel; }
    int h2MaxRange() const { return m_h2MaxRange; }
    int selectedTime() const { return m_selectedTime; }
    int maxVisibleData() const { return m_maxVisibleData; }
    // 0 no filter, 1 band-pass, 2 band-stop; cut-offs are 0 without a filter.
    int filterType() const { return m_filterType; }
    quint32 lowCutOff() const { return m_lowCutOff; }
    quint32 highCutOff() const { return m_highCutOff; }

    // A stored list ("10.0; 12.3; ") as at most count floats.
    static QVector<float> splitList(const QString &text, int count, int max);

private:
    void clear();
    void read(QSettings &ini);
    bool usable(QSettings &ini) const;

    int m_type = -1;
    QString m_name;
    float m_level = 0;
    int m_frequency = 0;
    int m_sampleRate = 0;
    QVector<float> m_fft;
    float m_pointLevel[Measurements::Points] = {};
    int m_pointFrequency[Measurements::Points] = {};
    QVector<float> m_levelsData;
    int m_h2ReferenceLevel = 0;
    int m_h2MaxRange = 0;
    int m_selectedTime = 0;
    int m_maxVisibleData = 0;
    int m_filterType = 0;
    quint32 m_lowCutOff = 0;
    quint32 m_highCutOff = 0;
};

#endif // MEASUREMENTS_H
