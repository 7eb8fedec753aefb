#ifndef BTMODULE_H
#define BTMODULE_H

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

class BtEventLog;
class BtPeer;
class Headphones;
class PtyLine;
class QSocketNotifier;
class Rm3;

// The two lines both modules share with the board: DTR from the program on
// GPIO 58 and carrier detect to it on GPIO 59, high while any module is in
// data mode.
class ModemLines : public QObject
{
    Q_OBJECT
public:
    explicit ModemLines(const QString &root, QObject *parent = nullptr);
    ~ModemLines() override;

    void start();
    // Reads DTR again; emits dtrRaised() on a rising edge.
    void checkDtr();
    void setDataMode(int module, bool on);

signals:
    void dtrRaised();

private:
    int drainWrites();

    QString m_root;
    int m_inotify = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_poll;
    bool m_dtr = false;
    int m_unreadWrites = 0;
    unsigned m_dataModes = 0;
};

// One Bluetooth module on a serial line: the text command interface in
// command mode, the serial channel to the sensor unit in data mode, and the
// links to the peers in range.
class BtModule : public QObject
{
    Q_OBJECT
public:
    struct Identity
    {
        QByteArray tag; // for the logs: "sink", "source"
        QByteArray address;
        QByteArray name;
        QByteArray deviceClass;
        QByteArray profile; // A2DP SINK or SOURCE
    };

    BtModule(int index, const Identity &identity, PtyLine *line, ModemLines *modem, BtEventLog *log, Rm3 *rm3,
             Headphones *headphones, BtPeer *paired, QObject *parent = nullptr);

    QString stateText() const;

    // Another device in range (the first two are the RM-3 and the
    // headphones); removing one ends its links and calls and forgets a
    // pairing with it.
    void addPeer(BtPeer *peer);
    void removePeer(BtPeer *peer);

private:
    enum class Profile { A2dp, Rfcomm, Avrcp, Hfp };
    struct Link
    {
        int id;
        Profile profile;
        BtPeer *peer;
    };

    void received(const QByteArray &chunk);
    void takeLine(QByteArray line);
    void command(const QByteArray &line);
    void set(const QList<QByteArray> &words, const QByteArray &line);
    void call(const QByteArray &address, const QByteArray &profile);
    void avrcp(const QList<QByteArray> &words);
    void handsFree(const QList<QByteArray> &words);
    void inquiry(bool names);
    void pair(const QByteArray &address);
    void reset();

    void connectA2dp(BtPeer *peer);
    void autocallTick();
    void enterDataMode(int link);
    void leaveDataMode();
    void closeLinks(const std::function<bool(const Link &)> &which);
    void peerAvailability(BtPeer *peer, bool available);
    void sensorOutput(Rm3 *unit, const QByteArray &bytes);
    void headphoneVolumeKeys(int percent);

    // A line to the program; module events stay unsaid in data mode.
    void say(const QByteArray &line);
    // Runs fn after ms unless the module was reset in between.
    void later(int ms, std::function<void()> fn);
    int freeLink() const;
    const Link *findLink(Profile profile, const BtPeer *peer = nullptr) const;
    const Link *linkById(int id) const;
    BtPeer *peerByAddress(const QByteArray &address) const;
    void note(const QByteArray &text);

    int m_index;
    Identity m_id;
    PtyLine *m_line;
    ModemLines *m_modem;
    BtEventLog *m_log;
    Rm3 *m_rm3;
    Headphones *m_headphones;
    BtPeer *m_paired;
    QList<BtPeer *> m_peers; // in the order an inquiry reports them

    QByteArray m_input;
    bool m_discarding = false;
    std::vector<Link> m_links;
    QMap<int, BtPeer *> m_calls; // link numbers of calls under way
    int m_dataLink = -1;         // data mode on this link, -1: command mode
    QByteArray m_held;           // sensor output that arrived in command mode
    bool m_volumeNotify = false;
    bool m_resetting = false;
    quint64 m_generation = 0;
    QTimer m_autocall;
};

#endif // BTMODULE_H
