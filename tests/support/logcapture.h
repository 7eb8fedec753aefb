#ifndef LOGCAPTURE_H
#define LOGCAPTURE_H

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects the program's log lines while it exists (and keeps them off the
// test output), so a test can check what the program said and in which order.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines() const;
    // Lines that contain text, in order.
    QStringList matching(const QString &text) const;
    int indexOf(const QString &text, int from = 0) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);
    static LogCapture *s_current;
    QStringList m_lines;
    QtMessageHandler m_previous;
};

#endif // LOGCAPTURE_H
