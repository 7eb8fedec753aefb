#include "filecopythread.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestFileCopy : public QObject
{
    Q_OBJECT
private slots:
    void copy_data();
    void copy();
};

void TestFileCopy::copy_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QList<int>>("progress");
    QTest::newRow("empty") << 0 << QString() << QList<int>{100};
    QTest::newRow("one piece") << 65536 << QString() << QList<int>{99, 100};
    QTest::newRow("one byte over") << 65537 << QString() << QList<int>{99, 99, 100};
    QTest::newRow("four pieces") << 4 * 65536 << QString() << QList<int>{25, 50, 75, 99, 100};
    QTest::newRow("source missing") << -1 << "missing" << QList<int>{};
    QTest::newRow("target folder is a file") << 65537 << "unwritable" << QList<int>{};
    QTest::newRow("source shrinks half way") << 3 * 65536 << "shrinks" << QList<int>{33, 33};
    QTest::newRow("source grows half way") << 3 * 65536 << "grows" << QList<int>{33, 66, 99, 99};
}

// Content arrives whole and replaces the old target, progress rises to 100;
// a failure is reported, leaves the old target as it was and no partial
// file beside it.
void TestFileCopy::copy()
{
    QFETCH(int, size);
    QFETCH(QString, fault);
    QFETCH(QList<int>, progress);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.bin"));
    const QString oldTarget = dir.filePath(QStringLiteral("target.bin"));
    QByteArray data(qMax(size, 0), Qt::Uninitialized);
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 7 + i / 251);
    QFile in(source), old(oldTarget);
    QVERIFY(size < 0 || (in.open(QIODevice::WriteOnly) && in.write(data) == size));
    in.close();
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();

    FileCopyThread copier;
    QList<int> seen;
    connect(&copier, &FileCopyThread::progressChanged, this, [&](int percent) {
        seen << percent;
        if (fault == QLatin1String("shrinks"))
            QVERIFY(in.resize(65536 + 100));
        if (fault == QLatin1String("grows") && in.open(QIODevice::Append))
            QVERIFY(in.write("more") == 4);
        in.close();
    }, Qt::DirectConnection);
    QSignalSpy finished(&copier, &FileCopyThread::copyFinished);
    QSignalSpy failed(&copier, &FileCopyThread::copyFailed);
    const bool ok = fault.isEmpty();
    const QString target = fault == QLatin1String("unwritable") ? oldTarget + QStringLiteral("/inner.bin") : oldTarget;
    QCOMPARE(copier.copyFile(source, target), ok);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(failed.count(), ok ? 0 : 1);
    QCOMPARE(seen, progress);
    QCOMPARE(copier.getProgress() == 100, ok);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), ok ? data : QByteArray("old"));
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.removeAll(QStringLiteral("source.bin"));
    QCOMPARE(left, QStringList{QStringLiteral("target.bin")});
}

QTEST_GUILESS_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
