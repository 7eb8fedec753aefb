#ifndef FILECOPYTHREAD_H
#define FILECOPYTHREAD_H

#include <QObject>
#include <QString>

#include <atomic>

// Copies one file in 64 KiB pieces. The owner moves the object to its own
// QThread, calls copyFile through a queued connection and polls
// getProgress() from the GUI thread. The target is written under a hidden
// temporary name beside it and renamed into place once it is complete on
// disk, so a power cut never leaves a half file under the real name.
class FileCopyThread : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 FilecopyPartsize = 65536;

    explicit FileCopyThread(QObject *parent = nullptr);

    // 0 ... 100; written only by the worker, read without a lock.
    quint8 getProgress() const { return m_progress.load(std::memory_order_relaxed); }
    qint64 fileSize() const { return m_fileSize; }
    // Why the last copy failed ("" after a success).
    QString lastError() const { return m_lastError; }

public slots:
    // Host paths. True when the target holds the whole source.
    bool copyFile(QString source, QString target);

signals:
    // After every copy, successful or not.
    void copyFinished();
    void copyFailed(QString reason);
    // After each piece, from the worker thread.
    void progressChanged(int percent);

private:
    bool fail(const QString &reason, const QString &tempName);

    std::atomic<quint8> m_progress{0};
    qint64 m_fileSize = 0;
    QString m_lastError;
};

#endif // FILECOPYTHREAD_H
