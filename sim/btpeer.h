#ifndef BTPEER_H
#define BTPEER_H

#include <QByteArray>
#include <QFile>
#include <QObject>

// One human-readable line per Bluetooth event, in sim/bluetooth.log. The
// byte streams themselves are in the serial lines' logs.
class BtEventLog
{
public:
    bool open(const QString &path);
    void add(const QByteArray &who, const QByteArray &text);

private:
    QFile m_file;
};

// A device within the modules' radio range: what an inquiry finds and what a
// call or the automatic call reaches.
class BtPeer : public QObject
{
    Q_OBJECT
public:
    BtPeer(const QByteArray &address, const QByteArray &name, const QByteArray &deviceClass,
           QObject *parent = nullptr);

    QByteArray address() const { return m_address; }
    QByteArray name() const { return m_name; }
    QByteArray deviceClass() const { return m_class; }
    bool hasAddress(const QByteArray &address) const { return address.toLower() == m_address; }

    // Reachable now: in range and not busy restarting.
    virtual bool available() const { return m_inRange; }
    bool inRange() const { return m_inRange; }
    void setInRange(bool inRange);

    // How the device answers a pairing request: at once, with a refusal, or
    // too late for the program's wait.
    enum class Pairing { Accept, Refuse, Slow };
    Pairing pairing() const { return m_pairing; }
    void setPairing(Pairing pairing) { m_pairing = pairing; }

signals:
    void availabilityChanged(bool available);

protected:
    // Call around anything that changes available(); emits on a change.
    void announce(bool wasAvailable);

private:
    QByteArray m_address;
    QByteArray m_name;
    QByteArray m_class;
    bool m_inRange = true;
    Pairing m_pairing = Pairing::Accept;
};

#endif // BTPEER_H
