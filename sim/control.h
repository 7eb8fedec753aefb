#ifndef CONTROL_H
#define CONTROL_H

#include <QFile>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

class QSocketNotifier;

// Line commands that steer the simulated devices, from standard input, the
// control FIFO and script files. Lines run in order; "wait MS" holds the
// queue. Each result is answered on standard output for stdin lines and
// logged in sim/control.log for all of them.
class Control : public QObject
{
    Q_OBJECT
public:
    // A handler gets the words after the command name and returns "" on
    // success or the error text.
    using Handler = std::function<QString(const QStringList &args)>;
    struct Command
    {
        QString name;
        QString arguments;
        QString help;
        Handler run;
    };

    explicit Control(const QString &logPath, QObject *parent = nullptr);
    ~Control() override;

    // The log is opened only once the root exists.
    bool openLog();
    void add(const Command &command);
    QString helpText() const;

    // Runs one line at once (no queue); returns "" or the error text.
    QString execute(const QString &line);
    // Queues lines; source names where they came from, for the log.
    void enqueue(const QString &line, bool answerOnStdout);

    bool listenStdin();
    bool listenFifo(const QString &path, QString *error);
    bool runScript(const QString &path, QString *error);

signals:
    void quitRequested();

private:
    struct Pending
    {
        QString line;
        bool answer;
    };
    void runQueue();
    struct Source
    {
        QByteArray partial;
        bool discarding = false; // inside an overlong line
    };
    void readFd(int fd, Source &source, bool answer);

    std::vector<Command> m_commands;
    QList<Pending> m_queue;
    QTimer m_wait;
    QFile m_log;
    int m_fifoFd = -1;
    QSocketNotifier *m_stdinNotifier = nullptr;
    QSocketNotifier *m_fifoNotifier = nullptr;
    Source m_stdin;
    Source m_fifo;
};

#endif // CONTROL_H
