#ifndef PTYLINE_H
#define PTYLINE_H

#include <QFile>
#include <QObject>

class QSocketNotifier;

// One serial line of the board, played by a pseudo-terminal: the device
// path in the root is a link to the slave side, the simulator holds the
// master. Every byte each way is logged, one line per chunk.
class PtyLine : public QObject
{
    Q_OBJECT
public:
    PtyLine(const QString &linkPath, const QString &logPath, QObject *parent = nullptr);
    ~PtyLine() override;

    bool open(QString *error);
    void close();
    QString slaveName() const { return m_slaveName; }

    // Bytes to the program. Dropped (and logged so) when the program
    // does not read and the line's buffer is full.
    void send(const QByteArray &data);

    // Printable form of raw bytes for the logs: \r, \n and \xHH escapes.
    static QByteArray escaped(const QByteArray &data);

signals:
    void received(const QByteArray &data);

private:
    void readMaster();
    void log(const char *direction, const QByteArray &data);

    QString m_linkPath;
    QString m_slaveName;
    QFile m_log;
    int m_master = -1;
    int m_slaveHold = -1;
    QSocketNotifier *m_notifier = nullptr;
};

#endif // PTYLINE_H
