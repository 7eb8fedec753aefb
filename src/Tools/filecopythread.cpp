#include "filecopythread.h"
#include "filesync.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

FileCopyThread::FileCopyThread(QObject *parent) : QObject(parent)
{
}

bool FileCopyThread::fail(const QString &reason, const QString &tempName)
{
    qWarning() << "FileCopyThread:" << reason;
    if (!tempName.isEmpty() && QFileInfo::exists(tempName) && !QFile::remove(tempName))
        qWarning() << "FileCopyThread: partial copy could not be removed:" << tempName;
    m_lastError = reason;
    emit copyFailed(reason);
    emit copyFinished();
    return false;
}

bool FileCopyThread::copyFile(QString source, QString target)
{
    m_progress.store(0, std::memory_order_relaxed);
    m_lastError.clear();
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot open %1: %2").arg(source, in.errorString()), QString());
    m_fileSize = in.size();
    qDebug() << "Copy file part by part" << source << "->" << target << m_fileSize << "bytes";

    const QFileInfo targetInfo(target);
    const QString tempName = targetInfo.absolutePath() + QStringLiteral("/.") + targetInfo.fileName()
        + QStringLiteral(".part");
    QFile out(tempName);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("cannot create %1: %2").arg(tempName, out.errorString()), QString());

    QByteArray piece(int(FilecopyPartsize), Qt::Uninitialized);
    qint64 copied = 0;
    // One byte beyond the size is enough to see a source that grows, and a
    // source that never stops growing cannot keep the copy going.
    while (copied <= m_fileSize) {
        const qint64 n = in.read(piece.data(), qMin(FilecopyPartsize, m_fileSize + 1 - copied));
        if (n < 0)
            return fail(QStringLiteral("read error in %1: %2").arg(source, in.errorString()), tempName);
        if (n == 0)
            break;
        if (out.write(piece.constData(), n) != n)
            return fail(QStringLiteral("write error in %1: %2").arg(tempName, out.errorString()), tempName);
        copied += n;
        // Short of 100 until the copy is in place; a growing source stays below too.
        const qint64 percent = m_fileSize > 0 ? qMin<qint64>(copied * 100 / m_fileSize, 99) : 0;
        if (percent > m_progress.load(std::memory_order_relaxed))
            m_progress.store(quint8(percent), std::memory_order_relaxed);
        emit progressChanged(m_progress.load(std::memory_order_relaxed));
    }
    if (copied != m_fileSize) {
        qWarning() << "Error filesize is different" << copied << m_fileSize;
        return fail(QStringLiteral("%1 changed while copying: %2 bytes read, %3 expected")
                        .arg(source).arg(copied).arg(m_fileSize),
                    tempName);
    }
    if (!out.flush())
        return fail(QStringLiteral("write error in %1: %2").arg(tempName, out.errorString()), tempName);
    int error = 0;
    if (!syncToDisk(tempName, false, &error))
        return fail(QStringLiteral("cannot flush %1: %2").arg(tempName, QString::fromLocal8Bit(strerror(error))),
                    tempName);
    out.close();
    // rename(2) replaces an existing target in one step.
    if (std::rename(QFile::encodeName(tempName).constData(), QFile::encodeName(target).constData()) != 0)
        return fail(QStringLiteral("cannot rename %1 to %2: %3")
                        .arg(tempName, target, QString::fromLocal8Bit(strerror(errno))),
                    tempName);
    if (!syncToDisk(targetInfo.absolutePath(), true, &error))
        qWarning() << "FileCopyThread: directory not flushed:" << targetInfo.absolutePath() << strerror(error);
    qDebug() << "Files copied. Size is equal";
    m_progress.store(100, std::memory_order_relaxed);
    emit progressChanged(100);
    emit copyFinished();
    return true;
}
