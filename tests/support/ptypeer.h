#ifndef PTYPEER_H
#define PTYPEER_H

#include <QByteArray>
#include <QString>

class TestRoot;

// The far end of a serial line inside a test's root: a pseudo-terminal whose
// slave the device path links to, while the test holds the master and plays
// the device.
class PtyPeer
{
public:
    PtyPeer(const TestRoot &root, const QString &devicePath);
    ~PtyPeer();
    PtyPeer(const PtyPeer &) = delete;
    PtyPeer &operator=(const PtyPeer &) = delete;

    bool isValid() const { return m_ok; }

    // Writes to the program, then lets the event loop run for settleMs.
    void send(const QByteArray &bytes, int settleMs = 30);
    // Everything the program wrote since the last call, after letting the
    // event loop run for ms.
    QByteArray take(int ms = 30);
    // Runs the event loop for ms.
    static void settle(int ms);

private:
    int m_master = -1;
    int m_hold = -1;
    bool m_ok = false;
    QByteArray m_written;
};

#endif // PTYPEER_H
