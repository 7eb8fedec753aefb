#include "audioworker.h"
#include "backgroundrecording.h"
#include "soundmodel.h"
#include "testroot.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

const QString WavDir = QStringLiteral("/home/root/meas/wav_temp/");

// Each chunk carries its own byte, so a file shows which chunks it holds.
QByteArray chunk(int index, int size)
{
    return QByteArray(size, char(index * 7 + 1));
}

QByteArray chunks(int first, int size, int bytes)
{
    QByteArray out;
    for (int i = first; out.size() < bytes; ++i)
        out += chunk(i, size);
    return out.left(bytes);
}

quint32 le32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

double rmsOf(const QByteArray &pcm)
{
    double sum = 0;
    const int n = pcm.size() / 2;
    for (int i = 0; i < n; ++i) {
        const double v = qFromLittleEndian<qint16>(pcm.constData() + 2 * i) / 32768.0;
        sum += v * v;
    }
    return n ? std::sqrt(sum / n) : 0.0;
}

} // namespace

class TestAudioWorker : public QObject
{
    Q_OBJECT
private slots:
    void emptyStoreWritesBareHeader();
    void storesOldestTenSeconds_data();
    void storesOldestTenSeconds();
    void namesAreTrimmedAndFilesManaged();
    void recordsAndPlaysTheSensorSound();
};

void TestAudioWorker::emptyStoreWritesBareHeader()
{
    TestRoot root;
    BackgroundRecording recorder;
    recorder.storeAudioData(QStringLiteral("LE_sound"));

    const QByteArray wav = readFile(root.file(WavDir + QStringLiteral("LE_sound.wav")));
    QCOMPARE(wav.size(), 44);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(le32(wav, 4), 36u);
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(le32(wav, 16), 16u);
    QCOMPARE(le16(wav, 20), quint16(1));
    QCOMPARE(le16(wav, 22), quint16(1));
    QCOMPARE(le32(wav, 24), 16000u);
    QCOMPARE(le32(wav, 28), 32000u);
    QCOMPARE(le16(wav, 32), quint16(2));
    QCOMPARE(le16(wav, 34), quint16(16));
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    QCOMPARE(le32(wav, 40), 0u);
}

void TestAudioWorker::storesOldestTenSeconds_data()
{
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("secondFirst");
    QTest::addColumn<int>("secondBytes");

    QTest::newRow("one second") << 3200 << 10 << 0 << 32000 << 0 << 0;
    // Past 330000 recorded bytes each new chunk pushes out the oldest, so the
    // ring holds 97..199; a file takes ten seconds of them, the next the rest.
    QTest::newRow("twenty seconds") << 3200 << 200 << 97 << 320000 << 197 << 9600;
    // The chunk that crosses the limit is cut and not kept.
    QTest::newRow("cut at the limit") << 30000 << 11 << 0 << 320000 << 0 << 0;
    QTest::newRow("full reads") << 32000 << 12 << 2 << 320000 << 0 << 0;
}

void TestAudioWorker::storesOldestTenSeconds()
{
    QFETCH(int, chunkSize);
    QFETCH(int, count);
    QFETCH(int, first);
    QFETCH(int, bytes);
    QFETCH(int, secondFirst);
    QFETCH(int, secondBytes);

    TestRoot root;
    BackgroundRecording recorder;
    for (int i = 0; i < count; ++i)
        recorder.enqueueChunk(chunk(i, chunkSize));
    const QString path = root.file(WavDir + QStringLiteral("LE_sound.wav"));

    recorder.storeAudioData(QStringLiteral("LE_sound"));
    QByteArray wav = readFile(path);
    QCOMPARE(wav.size(), 44 + bytes);
    QCOMPARE(le32(wav, 4), quint32(36 + bytes));
    QCOMPARE(le32(wav, 40), quint32(bytes));
    QVERIFY(wav.mid(44) == chunks(first, chunkSize, bytes));

    recorder.storeAudioData(QStringLiteral("LE_sound"));
    wav = readFile(path);
    QCOMPARE(wav.size(), 44 + secondBytes);
    QCOMPARE(le32(wav, 40), quint32(secondBytes));
    QVERIFY(wav.mid(44) == chunks(secondFirst, chunkSize, secondBytes));
}

void TestAudioWorker::namesAreTrimmedAndFilesManaged()
{
    TestRoot root;
    BackgroundRecording recorder;
    recorder.storeAudioData(QStringLiteral(" \tPP_1 "));
    const QString pp1 = root.file(WavDir + QStringLiteral("PP_1.wav"));
    const QString pp2 = root.file(WavDir + QStringLiteral("PP_2.wav"));
    QVERIFY(QFile::exists(pp1));

    AudioWorker &worker = Audioworker();
    QVERIFY(worker.renameAudioData(QStringLiteral(" PP_1"), QStringLiteral("PP_2 ")));
    QVERIFY(!QFile::exists(pp1));
    QVERIFY(QFile::exists(pp2));
    QVERIFY(!worker.renameAudioData(QStringLiteral("PP_1"), QStringLiteral("PP_3")));
    QVERIFY(worker.deleteAudioData(QStringLiteral("PP_2")));
    QVERIFY(!QFile::exists(pp2));
    QVERIFY(!worker.deleteAudioData(QStringLiteral("PP_2")));
}

void TestAudioWorker::recordsAndPlaysTheSensorSound()
{
    TestRoot root;
    QVERIFY(root.isValid());
    QVERIFY(root.write(QStringLiteral("/sim/sound.state"), "mode leak\nlevel 50\nfreq 500\nmuted 0\n"));
    const double expected = SoundModel::rmsForLevel(50);
    // The worker's recorder chooses its devices the same way.
    QVERIFY(BackgroundRecording().inputDevice().deviceName().startsWith(QLatin1String("sysdefault")));

    AudioWorker &worker = Audioworker();
    worker.startAudioRecording();
    worker.pauseAudioRecording(false);
    QTest::qWait(2500);
    worker.storeAudioData(QStringLiteral("LE_sound"));

    const QString path = root.file(WavDir + QStringLiteral("LE_sound.wav"));
    QByteArray wav;
    // The data size is patched in last.
    QTRY_VERIFY_WITH_TIMEOUT((wav = readFile(path)).size() >= 44 && le32(wav, 40) != 0x55667788u, 10000);
    const QByteArray samples = wav.mid(44);
    QCOMPARE(le32(wav, 40), quint32(samples.size()));
    // Capture keeps the device's pace: most of what was listened to is there.
    QVERIFY2(samples.size() >= 48000, qPrintable(QString::number(samples.size())));
    const double recorded = rmsOf(samples);
    QVERIFY2(recorded > expected / 1.5 && recorded < expected * 1.5, qPrintable(QString::number(recorded)));

    // Every sample reaches the codec, the header's 22 included; the last
    // second is pure recording.
    worker.startAudioPlayback(WavDir + QStringLiteral("LE_sound.wav"));
    QTRY_COMPARE_WITH_TIMEOUT(root.stateValue(QStringLiteral("/sim/playback.state"), "frames"), double(wav.size() / 2), 15000);
    const double played = root.stateValue(QStringLiteral("/sim/playback.state"), "rms");
    QVERIFY2(played > expected / 1.5 && played < expected * 1.5, qPrintable(QString::number(played)));

    worker.stopAudioPlayback();
    worker.stopAudioRecording();
}

QTEST_MAIN(TestAudioWorker)
#include "tst_audioworker.moc"
