// The measurement store: directory names, the five info.ini layouts, the
// count limits with their dialogs, the WAV copies and reading files back.
#include "appsetup.h"
#include "bluetooth.h"
#include "measurements.h"
#include "messagedialog.h"
#include "shellfixture.h"

#include <QDirIterator>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <utime.h>

namespace {

const QString Root = QStringLiteral("/media/kx500/meas/");
const QString Temp = QStringLiteral("/home/root/meas/wav_temp/");

// Points 1, 2 and 5 measured; every other field filled, used or not.
MeasInfoStructure sample()
{
    MeasInfoStructure info;
    info.level[0] = 42.5f;
    info.frequency[0] = 640;
    const int points[] = {1, 2, 5};
    for (int i : points) {
        info.level[i] = 10.0f * i + 0.25f;
        info.frequency[i] = 100 * i;
        info.posLat[i] = 52.0 + i / 8.0;
        info.posLong[i] = -13.0 - i / 16.0;
    }
    info.level[3] = 30.0f; // a level without frequency
    info.frequency[4] = 400; // a frequency without level
    info.array[0] = 10.0f;
    info.array[1] = 12.34f;
    info.array[2] = 9.96f;
    info.arrayCnt = 3;
    info.arrayInfoParameter_1 = 7;
    info.arrayInfoParameter_2 = 250;
    info.filterType = 1;
    info.filterLowCutOff = 300;
    info.filterHighCutOff = 1500;
    info.sampleRate = 16000;
    info.fft[0] = 0.5f;
    info.fft[1] = 123456.789f;
    info.fft[2] = 1e-7f;
    info.fft[3] = -2.0f;
    info.fftSize = 4;
    return info;
}

const char *const Header = "[Measurementinfo]\nFirmwareversion=1.8.0\nMeasurementdate=DATE\n"
                           "Measurementname=Hydrant 3\nMeasurementtime=TIME\nMeasurementtype=";
const char *const Gains = "[Gains]\nHeadphone-Gain=11\nMicrophone-Gain=5\n\n";
const char *const Filter = "[Filter]\nFiltertype=Bandpass\nHighCutOff-Frequency=1500\nLowCutOff-Frequency=300\n\n";
const char *const PointPositions =
    "[GPS-Positions]\nGPS-Position_1=\"52.125000, -13.062500\"\nGPS-Position_10=\"0.000000, 0.000000\"\n"
    "GPS-Position_2=\"52.250000, -13.125000\"\nGPS-Position_3=\"0.000000, 0.000000\"\n"
    "GPS-Position_4=\"0.000000, 0.000000\"\nGPS-Position_5=\"52.625000, -13.312500\"\n"
    "GPS-Position_6=\"0.000000, 0.000000\"\nGPS-Position_7=\"0.000000, 0.000000\"\n"
    "GPS-Position_8=\"0.000000, 0.000000\"\nGPS-Position_9=\"0.000000, 0.000000\"\n\n";
const char *const PointLevels = "Level_1=10.250\nLevel_10=0.000\nLevel_2=20.250\nLevel_3=30.000\nLevel_4=0.000\n"
                                "Level_5=50.250\nLevel_6=0.000\nLevel_7=0.000\nLevel_8=0.000\nLevel_9=0.000\n";
const char *const PointFrequencies = "[Levels]\nFrequency_1=100\nFrequency_10=0\nFrequency_2=200\nFrequency_3=0\n"
                                     "Frequency_4=400\nFrequency_5=500\nFrequency_6=0\nFrequency_7=0\n"
                                     "Frequency_8=0\nFrequency_9=0\n";

bool put(const TestRoot &root, const QString &devicePath, const QByteArray &text)
{
    return root.write(devicePath, text);
}

// Hidden ones too: a store's build directory must not stay behind.
QStringList entries(const QString &hostDir)
{
    return QDir(hostDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

bool putRecordings(const TestRoot &root)
{
    bool ok = put(root, Temp + QStringLiteral("LE_sound.wav"), "LE");
    for (int i = 1; i <= 10; ++i)
        ok = ok && put(root, Temp + QStringLiteral("PP_Sound_%1.wav").arg(i), QByteArray::number(i));
    return ok;
}

// Closes every message dialog that comes up and keeps its texts.
struct DialogCloser
{
    QTimer timer;
    QStringList texts;
    DialogCloser()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<MessageDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            texts << dialog->findChild<QLabel *>(QStringLiteral("labelHeadline"))->text() + QLatin1Char('|')
                         + dialog->findChild<QLabel *>(QStringLiteral("labelInfotext"))->text();
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("butMiddle")), Qt::LeftButton);
        });
        timer.start(20);
    }
};

} // namespace

class TestMeasurements : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void infoFiles_data();
    void infoFiles();
    void limits_data();
    void limits();
    void names_data();
    void names();
    void unknownTypeCreatesNothing();
    void wavCopies_data();
    void wavCopies();
    void countingAndListing();
    void failedStores_data();
    void failedStores();
    void linksAreNotFollowed();
    void readBack_data();
    void readBack();

private:
    QTranslator m_english;
};

void TestMeasurements::infoFiles_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("expected");
    QTest::newRow("level") << 0
        << QString(QLatin1String("[FFT]\nFFT-Size=4\nFFT-Values=\"0.5; 123457; 1e-07; -2; \"\nSamplerate=16000\n\n") + Filter
                   + "[GPS-Positions]\nGPS-Position=\"0.000000, 0.000000\"\n\n" + Gains
                   + "[Levels]\nFrequency=640\nLevel=42.500\n\n" + Header + "Levelmeasurement\n");
    const QString points = QLatin1String(Filter) + PointPositions + Gains + PointFrequencies + PointLevels + "\n" + Header;
    QTest::newRow("pinpointing") << 1 << points + "Histogram\n";
    QTest::newRow("pipe locating") << 2 << points + "Pipelocating\n";
    QTest::newRow("h2") << 3
        << QString(QLatin1String(PointPositions) + Gains + "[Levels]\n" + PointLevels
                   + "\n[Levels_CSV]\nH2-MaxRange=250\nH2-ReferenceLevel=7\nLevels_Cnt=3\n"
                     "Levels_Data=\"10.0; 12.3; 10.0; \"\n\n" + Header + "H2-Sensor\n");
    QTest::newRow("long-term") << 4
        << QString(QLatin1String(Filter) + "[GPS-Positions]\nGPS-Position=\"0.000000, 0.000000\"\n\n" + Gains
                   + "[Levels_CSV]\nLevels_Cnt=3\nLevels_Data=\"10.0; 12.3; 10.0; \"\nMaxVisibleData=250\n"
                     "SelectedTime=7\n\n" + Header + "Longtermmeasurement\n");
}

void TestMeasurements::infoFiles()
{
    QFETCH(int, type);
    QFETCH(QString, expected);
    ShellFixture shell;
    shell.main->setMicGainStep(5);
    shell.main->getBtSourceInstance()->setBtExtHeadphoneGain(72);
    QVERIFY(putRecordings(shell.root));
    QCOMPARE(MeasurementData()->storeMeasurement(type, QStringLiteral(" Hydrant 3 "), sample()), 0);

    const QStringList dirs = entries(shell.root.file(Root));
    QCOMPARE(dirs.size(), 1);
    const QRegularExpressionMatch name =
        QRegularExpression(QStringLiteral("^[A-Z2]{2}_(\\d{4})(\\d\\d)(\\d\\d)_\\d{6}_Hydrant 3$")).match(dirs[0]);
    QVERIFY2(name.hasMatch(), qPrintable(dirs[0]));
    QString text = QString::fromUtf8(shell.root.read(Root + dirs[0] + QStringLiteral("/info.ini")));
    text.replace(QRegularExpression(QStringLiteral("Measurementtime=\\d\\d:\\d\\d:\\d\\d\n")),
                 QStringLiteral("Measurementtime=TIME\n"));
    expected.replace(QStringLiteral("DATE"), name.captured(3) + '.' + name.captured(2) + '.' + name.captured(1));
    QCOMPARE(text, expected);

    StoredMeasurement back;
    QVERIFY(back.load(dirs[0]));
    QCOMPARE(back.type(), type);
    QCOMPARE(back.name(), QStringLiteral("Hydrant 3"));
    QCOMPARE(back.filterType(), type == 3 ? 0 : 1);
    QCOMPARE(back.pointLevel(5), type == 0 || type == 4 ? 0.0f : 50.25f);
    QCOMPARE(back.levelsData().size(), type >= 3 ? 3 : 0);
    const QVector<float> fft{0.5f, 123457.0f, 1e-7f, -2.0f};
    QCOMPARE(back.fftValues(), type == 0 ? fft : QVector<float>());
}

void TestMeasurements::limits_data()
{
    QTest::addColumn<int>("existing");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("84") << 84 << QString() << QString() << 0;
    QTest::newRow("85") << 85 << "Warning" << "OnlyAfewMeasurementsCanBeStored" << 0;
    QTest::newRow("99") << 99 << "Warning" << "OnlyAfewMeasurementsCanBeStored" << 0;
    QTest::newRow("100") << 100 << "Error" << "NoMoreMeasurementsCanBeStored" << -1;
}

void TestMeasurements::limits()
{
    QFETCH(int, existing);
    QFETCH(QString, headline);
    QFETCH(QString, key);
    QFETCH(int, result);
    TestRoot root;
    const char *const prefixes[] = {"LE_", "PP_", "PL_", "H2_", "LT_"};
    for (int i = 0; i < existing; ++i)
        QVERIFY(put(root, Root + prefixes[i % 5] + QString::number(i) + QStringLiteral("/info.ini"), "x"));

    DialogCloser closer;
    QCOMPARE(MeasurementData()->storeMeasurement(2, QStringLiteral("n"), sample()), result);
    const QString text = QCoreApplication::translate("Measurements", qPrintable(key))
                         + QStringLiteral("\n(%1 / 100)").arg(existing);
    QCOMPARE(closer.texts, key.isEmpty() ? QStringList() : QStringList{headline + '|' + text});
    QCOMPARE(entries(root.file(Root)).size(), existing + (result == 0 ? 1 : 0));
}

void TestMeasurements::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty after 7") << QString() << "M8";
    QTest::newRow("blanks only") << "   " << "M8";
    QTest::newRow("trimmed") << " Hydrant 3 " << "Hydrant 3";
    QTest::newRow("parent") << "../x" << ".._x";
    QTest::newRow("slash") << "a/b" << "a_b";
    QTest::newRow("deep escape") << "x/../../../../escaped" << "x_.._.._.._.._escaped";
    QTest::newRow("FAT and control") << "a:b*c?\"<>|\\\td" << "a_b_c_______d";
}

void TestMeasurements::names()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    TestRoot root;
    for (int i = 0; i < 7; ++i)
        QVERIFY(put(root, Root + QStringLiteral("LT_%1/info.ini").arg(i), "x"));
    QCOMPARE(MeasurementData()->storeMeasurement(2, name, sample()), 0);

    const QStringList dirs = entries(root.file(Root)).filter(QRegularExpression(QStringLiteral("^PL_")));
    QCOMPARE(dirs.size(), 1);
    QVERIFY2(dirs[0].endsWith('_' + stored) && dirs[0].size() == 19 + stored.size(), qPrintable(dirs[0]));
    StoredMeasurement back;
    QVERIFY(back.load(dirs[0]));
    QCOMPARE(back.name(), stored);
    // Nothing but the measurement itself appeared anywhere in the root.
    QDirIterator it(root.root(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QVERIFY2(!path.contains(QLatin1String("escaped")) || path.contains(dirs[0]), qPrintable(path));
    }
}

void TestMeasurements::unknownTypeCreatesNothing()
{
    TestRoot root;
    for (int type : {5, -1}) {
        QCOMPARE(MeasurementData()->storeMeasurement(type, QStringLiteral("n"), sample()), 0);
        QVERIFY(!QFileInfo::exists(root.file(Root)));
    }
}

void TestMeasurements::wavCopies_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("level") << 0 << QStringList{"LE_sound.wav", "info.ini"};
    QTest::newRow("pinpointing") << 1 << QStringList{"PP_Sound_1.wav", "PP_Sound_2.wav", "PP_Sound_5.wav", "info.ini"};
    QTest::newRow("pipe locating") << 2 << QStringList{"info.ini"};
}

void TestMeasurements::wavCopies()
{
    QFETCH(int, type);
    QFETCH(QStringList, files);
    TestRoot root;
    QVERIFY(putRecordings(root));
    QCOMPARE(MeasurementData()->storeMeasurement(type, QStringLiteral("n"), sample()), 0);

    const QString dir = Root + entries(root.file(Root)).value(0) + '/';
    QCOMPARE(entries(root.file(dir)), files);
    for (const QString &file : files) {
        if (file.endsWith(QLatin1String(".wav")))
            QCOMPARE(root.read(dir + file), root.read(Temp + file));
    }
    QCOMPARE(entries(root.file(Temp)).size(), 11);
}

void TestMeasurements::countingAndListing()
{
    TestRoot root;
    const QStringList names{"LT_old", "PP_dir", "H2_x", "LE_new", "PL_y"};
    for (int i = 0; i < names.size(); ++i) {
        QVERIFY(put(root, Root + names[i] + QStringLiteral("/info.ini"), "x"));
        const utimbuf times{1000000 + i * 100, 1000000 + i * 100};
        QCOMPARE(utime(QFile::encodeName(root.file(Root + names[i])).constData(), &times), 0);
    }
    // Other prefixes, files, half-written entries and links are no measurements.
    for (const char *path : {"XX_1/info.ini", "le_lower/info.ini", "PS_1/info.ini", "notes.txt", "LE_file",
                             ".store-a1b2c3/info.ini", "PP_half/PP_Sound_1.wav", "PP_dir2/PP_Sound_1.wav"})
        QVERIFY(put(root, Root + QLatin1String(path), "x"));
    QVERIFY(put(root, QStringLiteral("/home/root/LT_outside/info.ini"), "x"));
    QVERIFY(QFile::link(root.file(QStringLiteral("/home/root/LT_outside")), root.file(Root + QStringLiteral("LT_link"))));
    QVERIFY(QFile::link(root.file(QStringLiteral("/home/root/LT_outside/info.ini")),
                        root.file(Root + QStringLiteral("PP_dir2/info.ini"))));
    QCOMPARE(MeasurementData()->getNumMeasurements(), 5);
    QCOMPARE(MeasurementData()->getMeasurementList(), (QStringList{"PL_y", "LE_new", "H2_x", "PP_dir", "LT_old"}));
    QCOMPARE(QDir::current().canonicalPath(), QDir(root.file(Root)).canonicalPath());
}

void TestMeasurements::failedStores_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("result");
    QTest::newRow("recording missing") << 0 << "LE_sound.wav" << int(Measurements::RecordingMissing);
    QTest::newRow("one point's recording missing") << 1 << "PP_Sound_5.wav" << int(Measurements::RecordingMissing);
    QTest::newRow("root cannot be made") << 2 << "root is a file" << int(Measurements::WriteFailed);
    QTest::newRow("write cut off in the copy") << 0 << "file size limit" << int(Measurements::WriteFailed);
    QTest::newRow("partition full") << 4 << "no free space" << int(Measurements::NoSpace);
}

void TestMeasurements::failedStores()
{
    QFETCH(int, type);
    QFETCH(QString, fault);
    QFETCH(int, result);
    TestRoot root;
    QVERIFY(putRecordings(root));
    QFile::remove(root.file(Temp + fault));
    if (fault == QLatin1String("root is a file"))
        QVERIFY(put(root, QStringLiteral("/media/kx500/meas"), "x"));
    if (fault == QLatin1String("no free space"))
        MeasurementData()->setFreeSpaceProbe([](const QString &) { return qint64(1000); });
    // A real write error from the kernel (EFBIG) half way through the recording.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    if (fault == QLatin1String("file size limit")) {
        QVERIFY(put(root, Temp + QStringLiteral("LE_sound.wav"), QByteArray(300000, 'w')));
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{65536, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    }
    DialogCloser closer;
    const int stored = MeasurementData()->storeMeasurement(type, QString(), sample());
    setrlimit(RLIMIT_FSIZE, &limit);
    MeasurementData()->setFreeSpaceProbe({});
    QCOMPARE(stored, result);
    const char *key = result == Measurements::NoSpace ? "NotEnoughSpace" : "MeasurementNotStored";
    QCOMPARE(closer.texts, QStringList{QStringLiteral("Error|") + QCoreApplication::translate("Measurements", key)});
    QCOMPARE(entries(root.file(Root)), QStringList());

    // Once the cause is gone the same automatic name comes again.
    QFile::remove(root.file(QStringLiteral("/media/kx500/meas")));
    QVERIFY(putRecordings(root));
    QCOMPARE(MeasurementData()->storeMeasurement(type, QString(), sample()), 0);
    QVERIFY(MeasurementData()->getMeasurementList().value(0).endsWith(QLatin1String("_M1")));
}

void TestMeasurements::linksAreNotFollowed()
{
    TestRoot root;
    const QString outside = root.file(QStringLiteral("/home/root/keep"));
    QVERIFY(put(root, QStringLiteral("/home/root/keep/info.ini"), "[Measurementinfo]\nMeasurementname=keep\n"));
    const QString linked = QStringLiteral("LE_20261204_112005_link");
    const QString iniLinked = QStringLiteral("LE_20261204_112006_ini");
    const QString holding = QStringLiteral("LE_20261204_112007_holds");
    QVERIFY(put(root, Root + holding + QStringLiteral("/info.ini"), "x"));
    QVERIFY(QDir().mkpath(root.file(Root + iniLinked)));
    QVERIFY(QFile::link(outside, root.file(Root + linked)));
    QVERIFY(QFile::link(outside + QStringLiteral("/info.ini"), root.file(Root + iniLinked + QStringLiteral("/info.ini"))));
    QVERIFY(QFile::link(outside, root.file(Root + holding + QStringLiteral("/inner"))));

    Measurements *store = MeasurementData();
    QVERIFY(!store->renameMeasurement(linked, QStringLiteral("LE_20261204_112005_x")));
    QVERIFY(!store->renameMeasurement(iniLinked, QStringLiteral("LE_20261204_112006_x")));
    QVERIFY(!store->renameMeasurement(holding, linked));
    QVERIFY(!store->deleteMeasurement(linked));
    QVERIFY(store->deleteMeasurement(holding));
    QCOMPARE(entries(root.file(Root)), (QStringList{linked, iniLinked}));
    QCOMPARE(root.read(QStringLiteral("/home/root/keep/info.ini")), QByteArray("[Measurementinfo]\nMeasurementname=keep\n"));
}

void TestMeasurements::readBack_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVector<float>>("data");
    QTest::addColumn<int>("filter");
    QTest::addColumn<quint32>("high");
    QTest::addColumn<float>("level5");
    const QByteArray lt = "[Levels_CSV]\nLevels_Cnt=3\nLevels_Data=\"10.0; 12.3; 10.0; \"\n"
                          "[Filter]\nFiltertype=Bandstop\nHighCutOff-Frequency=1500\n"
                          "[Measurementinfo]\nMeasurementtype=Longtermmeasurement\nMeasurementname=\"a, b; c\"\n"
                          "[Levels]\nLevel_5=50.250\n";
    const QVector<float> three{10.0f, 12.3f, 10.0f};
    QTest::newRow("long-term") << lt << true << "a, b; c" << three << 2 << 1500u << 50.25f;
    QTest::newRow("missing") << QByteArray() << false << QString() << QVector<float>() << 0 << 0u << 0.0f;
    QTest::newRow("empty") << QByteArray("") << false << QString() << QVector<float>() << 0 << 0u << 0.0f;
    QTest::newRow("truncated") << lt.left(48) << false << QString() << QVector<float>{10.0f, 12.0f} << 0 << 0u << 0.0f;
    QTest::newRow("count beyond parts") << QByteArray(lt).replace("Cnt=3", "Cnt=99") << true << "a, b; c"
                                        << QVector<float>{10.0f, 12.3f, 10.0f, 0.0f} << 2 << 1500u << 50.25f;
    QTest::newRow("count without data") << QByteArray("[Levels_CSV]\nLevels_Cnt=3\n") << false << QString() << QVector<float>()
                                        << 0 << 0u << 0.0f;
    QTest::newRow("negative count") << QByteArray(lt).replace("Cnt=3", "Cnt=-2") << false << "a, b; c" << QVector<float>()
                                    << 2 << 1500u << 50.25f;
    QTest::newRow("not numbers") << QByteArray("[Levels_CSV]\nLevels_Cnt=x3\n[Levels]\nLevel_5=nan\n"
                                               "[Filter]\nFiltertype=Bandpass\nHighCutOff-Frequency=-5\n") << false
                                 << QString() << QVector<float>() << 1 << 0u << 0.0f;
    QTest::newRow("bad values") << QByteArray(lt).replace("12.3", "abc").replace("50.250", "1e39") << true << "a, b; c"
                                << QVector<float>{10.0f, 0.0f, 10.0f} << 2 << 1500u << 0.0f;
    QTest::newRow("no type") << QByteArray(lt).replace("Measurementtype=Longtermmeasurement\n", "") << false
                             << "a, b; c" << three << 2 << 1500u << 50.25f;
    QTest::newRow("no filter, no cut-off") << QByteArray(lt).replace("Bandstop", "NoFilter") << true << "a, b; c" << three
                                           << 0 << 0u << 50.25f;
}

void TestMeasurements::readBack()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, usable);
    QFETCH(QString, name);
    QFETCH(QVector<float>, data);
    QFETCH(int, filter);
    QFETCH(quint32, high);
    QFETCH(float, level5);
    TestRoot root;
    const QString dir = QStringLiteral("LT_20261204_112005_n");
    QVERIFY(QDir().mkpath(root.file(Root + dir)));
    if (!ini.isNull())
        QVERIFY(put(root, Root + dir + QStringLiteral("/info.ini"), ini));
    StoredMeasurement m;
    QCOMPARE(m.load(dir), usable);
    QCOMPARE(m.type(), 4);
    QCOMPARE(m.name(), name);
    QCOMPARE(m.levelsData(), data);
    QCOMPARE(m.filterType(), filter);
    QCOMPARE(m.highCutOff(), high);
    QCOMPARE(m.pointLevel(5), level5);
    QCOMPARE(m.pointLevel(11), 0.0f);
    QVERIFY(!m.load(QStringLiteral("../meas/") + dir));
    QCOMPARE(m.name(), QString());
}

QTEST_MAIN(TestMeasurements)
#include "tst_measurements.moc"
