#ifndef SERIALLINE_H
#define SERIALLINE_H

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

// One serial line of the board, as the drivers use it: opened by its device
// path (mapped below the platform root), and kept. A line that fails (a
// hang-up, a device that went away, one that cannot be opened) is closed,
// reported once in the log and reopened on a timer until it works; then
// reopened() tells the driver to start its device again. A failing line is
// never polled in a loop.
class SerialLine : public QObject
{
    Q_OBJECT
public:
    static constexpr int RetryMs = 3000;

    explicit SerialLine(qint32 baudRate, QObject *parent = nullptr);
    ~SerialLine() override;

    // Opens the line at devicePath (a board path such as "/dev/ttyO2")
    // now; when that fails, retries every RetryMs.
    bool open(const QString &devicePath);
    // Closes the line and stops retrying.
    void close();
    bool isOpen() const { return m_port.isOpen(); }
    QString devicePath() const { return m_devicePath; }

    // Writes all bytes; false (nothing lost quietly: logged) when the line
    // is closed or the write fails.
    bool write(const QByteArray &bytes);
    qint64 bytesAvailable() const { return m_port.bytesAvailable(); }
    QByteArray read(qint64 maxBytes) { return m_port.read(maxBytes); }

signals:
    void readyRead();
    // The line failed and was closed; it is being reopened.
    void lost();
    // The line works again after a failure or a failed first open.
    void reopened();

private:
    bool tryOpen();
    void handleError(QSerialPort::SerialPortError error);
    void closeFailed();
    void retry();

    QString m_devicePath;
    qint32 m_baudRate;
    QSerialPort m_port;
    QTimer m_retryTimer;
    bool m_wanted = false;
    bool m_failed = false;
};

#endif // SERIALLINE_H
