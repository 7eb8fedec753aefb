#include "logcapture.h"

LogCapture *LogCapture::s_current = nullptr;

LogCapture::LogCapture()
{
    s_current = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (s_current)
        s_current->m_lines << message;
    if (type == QtFatalMsg)
        abort();
}

QStringList LogCapture::matching(const QString &text) const
{
    QStringList found;
    for (const QString &line : m_lines) {
        if (line.contains(text))
            found << line;
    }
    return found;
}

int LogCapture::indexOf(const QString &text, int from) const
{
    for (int i = from; i < m_lines.size(); ++i) {
        if (m_lines.at(i).contains(text))
            return i;
    }
    return -1;
}
