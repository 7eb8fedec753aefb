#include "logcapture.h"

#include <QMutex>

namespace {
// The audio and ADC threads log too.
QMutex mutex;
} // namespace

LogCapture *LogCapture::s_current = nullptr;

LogCapture::LogCapture()
{
    QMutexLocker lock(&mutex);
    s_current = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    QMutexLocker lock(&mutex);
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    {
        QMutexLocker lock(&mutex);
        if (s_current)
            s_current->m_lines << message;
    }
    if (type == QtFatalMsg)
        abort();
}

QStringList LogCapture::lines() const
{
    QMutexLocker lock(&mutex);
    return m_lines;
}

void LogCapture::clear()
{
    QMutexLocker lock(&mutex);
    m_lines.clear();
}

QStringList LogCapture::matching(const QString &text) const
{
    QStringList found;
    for (const QString &line : lines()) {
        if (line.contains(text))
            found << line;
    }
    return found;
}

int LogCapture::indexOf(const QString &text, int from) const
{
    const QStringList all = lines();
    for (int i = from; i < all.size(); ++i) {
        if (all.at(i).contains(text))
            return i;
    }
    return -1;
}
