#include "filecopythread.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {
QByteArray pattern(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char(i * 7 + i / 251);
    return data;
}
bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}
} // namespace

class TestFileCopy : public QObject
{
    Q_OBJECT
private slots:
    void copies_data();
    void copies();
    void failures_data();
    void failures();
    void runsInItsThread();
};

void TestFileCopy::copies_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("progress");
    QTest::newRow("empty") << 0 << QList<int>{100};
    QTest::newRow("one piece") << 65536 << QList<int>{99, 100};
    QTest::newRow("one byte over") << 65537 << QList<int>{99, 99, 100};
    QTest::newRow("four pieces") << 4 * 65536 << QList<int>{25, 50, 75, 99, 100};
}

// Content arrives whole, an old target is replaced, progress only rises and
// ends at 100, and nothing but the target is left beside it.
void TestFileCopy::copies()
{
    QFETCH(int, size);
    QFETCH(QList<int>, progress);
    QTemporaryDir dir;
    const QByteArray data = pattern(size);
    const QString source = dir.filePath(QStringLiteral("source.bin"));
    const QString target = dir.filePath(QStringLiteral("out/target.bin"));
    QVERIFY(writeFile(source, data));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("out"))));
    QVERIFY(writeFile(target, "old contents"));

    FileCopyThread copier;
    QList<int> seen;
    connect(&copier, &FileCopyThread::progressChanged, this, [&](int p) { seen << p; }, Qt::DirectConnection);
    QSignalSpy finished(&copier, &FileCopyThread::copyFinished);
    QVERIFY(copier.copyFile(source, target));
    QCOMPARE(seen, progress);
    QCOMPARE(copier.getProgress(), quint8(100));
    QCOMPARE(finished.count(), 1);
    QFile out(target);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), data);
    QCOMPARE(QDir(dir.filePath(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("target.bin")});
}

void TestFileCopy::failures_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("source missing") << "missing";
    QTest::newRow("target folder is a file") << "unwritable";
    QTest::newRow("source shrinks half way") << "shrinks";
    QTest::newRow("source grows half way") << "grows";
}

// A failed copy says so, and leaves an existing target as it was and no
// partial file anywhere.
void TestFileCopy::failures()
{
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.bin"));
    QString target = dir.filePath(QStringLiteral("target.bin"));
    if (fault != QLatin1String("missing"))
        QVERIFY(writeFile(source, pattern(3 * 65536)));
    QVERIFY(writeFile(target, "old contents"));
    if (fault == QLatin1String("unwritable"))
        target = dir.filePath(QStringLiteral("target.bin/inner.bin"));

    FileCopyThread copier;
    connect(&copier, &FileCopyThread::progressChanged, this, [&](int) {
        QFile f(source);
        if (fault == QLatin1String("shrinks"))
            QVERIFY(f.resize(65536 + 100));
        if (fault == QLatin1String("grows"))
            QVERIFY(f.open(QIODevice::Append) && f.write("more") == 4);
    }, Qt::DirectConnection);
    QSignalSpy failed(&copier, &FileCopyThread::copyFailed);
    QSignalSpy finished(&copier, &FileCopyThread::copyFinished);
    QVERIFY(!copier.copyFile(source, target));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!copier.lastError().isEmpty());
    QVERIFY(copier.getProgress() < 100);
    QFile old(dir.filePath(QStringLiteral("target.bin")));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old contents"));
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.removeAll(QStringLiteral("source.bin"));
    QCOMPARE(left, QStringList{QStringLiteral("target.bin")});
}

// The owner's way: its own thread, a queued call and polling the progress.
void TestFileCopy::runsInItsThread()
{
    QTemporaryDir dir;
    const QByteArray data = pattern(64 * 65536);
    const QString source = dir.filePath(QStringLiteral("big.bin"));
    const QString target = dir.filePath(QStringLiteral("copy.bin"));
    QVERIFY(writeFile(source, data));
    QThread thread;
    auto *copier = new FileCopyThread;
    copier->moveToThread(&thread);
    connect(&thread, &QThread::finished, copier, &QObject::deleteLater);
    thread.start();
    QSignalSpy finished(copier, &FileCopyThread::copyFinished);
    QMetaObject::invokeMethod(copier, "copyFile", Qt::QueuedConnection, Q_ARG(QString, source),
                              Q_ARG(QString, target));
    int last = 0;
    bool monotone = true;
    QTRY_VERIFY_WITH_TIMEOUT((monotone &= copier->getProgress() >= last, last = copier->getProgress(), last == 100),
                             10000);
    QVERIFY(monotone);
    QTRY_COMPARE(finished.count(), 1);
    thread.quit();
    thread.wait();
    QFile out(target);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), data);
}

QTEST_GUILESS_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
