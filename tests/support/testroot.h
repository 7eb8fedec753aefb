#ifndef TESTROOT_H
#define TESTROOT_H

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh platform root for one test, laid out by the simulator's own code.
// While it exists KX500_ROOT points at it; the destructor restores the
// previous value.
class TestRoot
{
public:
    TestRoot();
    ~TestRoot();
    TestRoot(const TestRoot &) = delete;
    TestRoot &operator=(const TestRoot &) = delete;

    bool isValid() const { return m_valid; }
    QString root() const { return m_dir.path(); }
    // The host path of a device path inside this root.
    QString file(const QString &devicePath) const { return m_dir.path() + devicePath; }
    QByteArray read(const QString &devicePath) const;
    bool write(const QString &devicePath, const QByteArray &text) const;
    // The stand-in commands run so far, one line each.
    QStringList commands() const;
    // A number from one of the simulator's "key value" state files (such as
    // /sim/playback.state); -1 when the key is not there.
    double stateValue(const QString &devicePath, const char *key) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousRoot;
    bool m_hadRoot = false;
    bool m_valid = false;
};

// kx500-sim running on a root, steered through its standard input.
class SimProcess
{
public:
    ~SimProcess();
    bool start(const QString &root, const QStringList &extraArguments = {});
    // Sends one control line and waits for its answer ("ok ..." or "error ...").
    QString command(const QString &line, int timeoutMs = 5000);
    // Ends the simulator with SIGTERM; returns its exit code (-1 if it had to be killed).
    int terminate();
    QProcess &process() { return m_process; }

private:
    QString readLine(int timeoutMs);
    QProcess m_process;
    QByteArray m_buffer;
};

// CPU time this process has used so far, in seconds: a line that spins
// costs about one second per second.
double processCpuSeconds();

// Polls cond() while the event loop runs, up to timeoutMs.
template<typename Cond>
bool waitFor(Cond cond, int timeoutMs = 5000);

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

template<typename Cond>
bool waitFor(Cond cond, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

#endif // TESTROOT_H
