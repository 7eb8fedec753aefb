#include "btmodule.h"
#include "btpeer.h"
#include "headphones.h"
#include "ptyline.h"
#include "rm3.h"
#include "simroot.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

const QString DtrPath = QStringLiteral("/sys/class/gpio/gpio58/value");
const QString CarrierPath = QStringLiteral("/sys/class/gpio/gpio59/value");

// A flood without line ends must not grow without bound.
constexpr int MaxInput = 4096;
constexpr int ConnectMs = 100;
constexpr int CallFailMs = 1000;
constexpr int ResetMs = 300;
constexpr int InquiryMs = 1000;
constexpr int PairMs = 500;
// Beyond the program's 10 s wait for the answer.
constexpr int SlowPairMs = 12000;
constexpr int HandsFreeMs = 50;

const char *profileName(int profile)
{
    static const char *const names[] = {"A2DP", "RFCOMM", "AVRCP", "HFP-AG"};
    return names[profile];
}

QByteArray num(int n)
{
    return QByteArray::number(n);
}

Rm3 *asRm3(BtPeer *peer)
{
    return qobject_cast<Rm3 *>(peer);
}

} // namespace

ModemLines::ModemLines(const QString &root, QObject *parent) : QObject(parent), m_root(root)
{
    connect(&m_poll, &QTimer::timeout, this, &ModemLines::checkDtr);
}

ModemLines::~ModemLines()
{
    if (m_inotify >= 0)
        ::close(m_inotify);
}

void ModemLines::start()
{
    SimRoot::writeState(m_root, CarrierPath, "0\n");
    m_dtr = SimRoot::readState(m_root, DtrPath).trimmed().startsWith('1');
    // GPIO files are rewritten in place, which a file watcher misses; inotify
    // on the folder sees every write and the rename of an atomic writer.
    m_inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    const QByteArray folder = QString(m_root + DtrPath).section(QLatin1Char('/'), 0, -2).toLocal8Bit();
    if (m_inotify >= 0
        && inotify_add_watch(m_inotify, folder.constData(), IN_CLOSE_WRITE | IN_MODIFY | IN_MOVED_TO) >= 0) {
        m_notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &ModemLines::checkDtr);
    } else {
        m_poll.start(5);
    }
}

int ModemLines::drainWrites()
{
    if (m_inotify < 0)
        return 0;
    int writes = 0;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_inotify, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return writes;
        for (ssize_t at = 0; at < n;) {
            const auto *e = reinterpret_cast<const inotify_event *>(buffer + at);
            if (e->len > 0 && qstrcmp(e->name, "value") == 0 && (e->mask & (IN_CLOSE_WRITE | IN_MOVED_TO)))
                ++writes;
            at += ssize_t(sizeof(inotify_event) + e->len);
        }
    }
}

void ModemLines::checkDtr()
{
    // Writes that land while the file is read are counted with this value.
    QByteArray value;
    int more = drainWrites();
    do {
        m_unreadWrites += more;
        value = SimRoot::readState(m_root, DtrPath).trimmed();
        more = drainWrites();
    } while (more > 0);
    if (value.isEmpty())
        return; // caught between truncation and write; the close follows
    const bool high = value.startsWith('1');
    // The program writes 1 only right after a 0; two writes that end at 1
    // were a rising edge even if the 0 was gone before it could be read.
    const bool rising = high && (!m_dtr || m_unreadWrites >= 2);
    m_dtr = high;
    m_unreadWrites = 0;
    if (rising)
        emit dtrRaised();
}

void ModemLines::setDataMode(int module, bool on)
{
    const bool before = m_dataModes != 0;
    if (on)
        m_dataModes |= 1u << module;
    else
        m_dataModes &= ~(1u << module);
    if ((m_dataModes != 0) != before)
        SimRoot::writeState(m_root, CarrierPath, m_dataModes ? "1\n" : "0\n");
}

BtModule::BtModule(int index, const Identity &identity, PtyLine *line, ModemLines *modem, BtEventLog *log,
                   Rm3 *rm3, Headphones *headphones, BtPeer *paired, QObject *parent)
    : QObject(parent),
      m_index(index),
      m_id(identity),
      m_line(line),
      m_modem(modem),
      m_log(log),
      m_rm3(rm3),
      m_headphones(headphones),
      m_paired(paired)
{
    connect(m_line, &PtyLine::received, this, &BtModule::received);
    connect(m_modem, &ModemLines::dtrRaised, this, [this]() {
        if (m_dataLink >= 0) {
            note("DTR rising edge");
            leaveDataMode();
        }
    });
    addPeer(m_rm3);
    addPeer(m_headphones);
    connect(m_headphones, &Headphones::volumeKeys, this, &BtModule::headphoneVolumeKeys);
    connect(&m_autocall, &QTimer::timeout, this, &BtModule::autocallTick);
}

void BtModule::addPeer(BtPeer *peer)
{
    if (m_peers.contains(peer))
        return;
    m_peers << peer;
    connect(peer, &BtPeer::availabilityChanged, this,
            [this, peer](bool available) { peerAvailability(peer, available); });
    if (Rm3 *unit = asRm3(peer))
        connect(unit, &Rm3::output, this, [this, unit](const QByteArray &bytes) { sensorOutput(unit, bytes); });
}

void BtModule::removePeer(BtPeer *peer)
{
    if (!m_peers.removeOne(peer))
        return;
    peerAvailability(peer, false);
    disconnect(peer, nullptr, this, nullptr);
    if (m_paired == peer) {
        m_paired = nullptr;
        note("pairing with " + peer->address() + " forgotten: out of range for good");
    }
}

void BtModule::received(const QByteArray &chunk)
{
    // DTR may have moved just before these bytes; they belong to the new mode.
    m_modem->checkDtr();
    m_input += chunk;
    int nl;
    while ((nl = m_input.indexOf('\n')) >= 0) {
        const QByteArray line = m_input.left(nl);
        m_input.remove(0, nl + 1);
        if (!m_discarding)
            takeLine(line);
        m_discarding = false;
    }
    if (m_input.size() > MaxInput) {
        m_input.clear();
        m_discarding = true;
        note("dropped an overlong line");
    }
}

void BtModule::takeLine(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.size() > MaxInput) {
        note("dropped an overlong line");
    } else if (m_dataLink >= 0) {
        const Link *l = linkById(m_dataLink);
        if (Rm3 *unit = l ? asRm3(l->peer) : nullptr)
            unit->receive(line);
    } else if (m_resetting) {
        note("restarting, ignored: " + line);
    } else {
        command(line);
    }
}

void BtModule::command(const QByteArray &line)
{
    const QByteArray text = line.simplified();
    if (text.isEmpty())
        return;
    const QList<QByteArray> w = text.split(' ');
    const QByteArray c = w.first().toUpper();
    const int n = w.size();
    bool ok = false;
    if (c.startsWith("AT")) {
        say("OK");
    } else if (c == "LIST" && n == 1) {
        say("LIST " + num(int(m_links.size())));
        std::vector<Link> links = m_links;
        std::sort(links.begin(), links.end(), [](const Link &a, const Link &b) { return a.id < b.id; });
        for (const Link &l : links)
            say("LIST " + num(l.id) + " CONNECTED " + profileName(int(l.profile)) + ' ' + l.peer->address());
    } else if (c == "SET") {
        set(w, text);
    } else if (c == "RESET" && n == 1) {
        reset();
    } else if (c == "CALL" && n == 4) {
        call(w[1], w[3].toUpper());
    } else if (c == "SELECT" && n == 2) {
        const Link *l = linkById(w[1].toInt(&ok));
        if (ok && l && l->profile == Profile::Rfcomm)
            enterDataMode(l->id);
        else
            say("SYNTAX ERROR");
    } else if (c == "KILL" && n >= 2) {
        const QByteArray address = w[1].toLower();
        for (auto it = m_calls.begin(); it != m_calls.end();)
            it = it.value() && it.value()->hasAddress(address) ? m_calls.erase(it) : std::next(it);
        closeLinks([&](const Link &l) { return l.peer->hasAddress(address); });
    } else if (c == "CLOSE" && n == 2) {
        const int id = w[1].toInt(&ok);
        if (ok) {
            m_calls.remove(id);
            closeLinks([id](const Link &l) { return l.id == id; });
        } else {
            say("SYNTAX ERROR");
        }
    } else if (c == "AVRCP") {
        avrcp(w);
    } else if (c.startsWith('@') && n >= 2) {
        handsFree(w);
    } else if (c == "INQUIRY" && (n == 2 || (n == 3 && w[2].toUpper() == "NAME"))) {
        inquiry(n == 3);
    } else if (c == "PAIR" && n == 2) {
        pair(w[1]);
    } else {
        note("unknown command: " + text);
        say("SYNTAX ERROR");
    }
}

void BtModule::set(const QList<QByteArray> &w, const QByteArray &line)
{
    const int n = w.size();
    auto is = [&](int i, const char *word) { return n > i && w[i].toUpper() == word; };
    if (n == 1) {
        say("SET BT BDADDR " + m_id.address);
        say("SET BT NAME " + m_id.name);
        say("SET BT CLASS " + m_id.deviceClass);
        say("SET PROFILE A2DP " + m_id.profile);
        say("SET");
    } else if (is(1, "BT") && is(2, "BDADDR") && n == 3) {
        say("SET BT BDADDR " + m_id.address);
    } else if (is(1, "RESET") && n == 2) {
        reset();
    } else if (is(1, "BT") && is(2, "NAME") && n >= 4) {
        m_id.name = w.mid(3).join(' ');
    } else if (is(1, "BT") && is(2, "CLASS") && n == 4) {
        m_id.deviceClass = w[3];
    } else if (is(1, "PROFILE") && is(2, "A2DP") && (is(3, "SINK") || is(3, "SOURCE"))) {
        m_id.profile = w[3].toUpper();
    } else if (is(1, "BT") && is(2, "PAIR") && n == 4 && w[3] == "*") {
        m_paired = nullptr;
        note("pairing forgotten");
    } else if (is(1, "CONTROL") && is(2, "AUTOCALL")) {
        if (n == 3) {
            m_autocall.stop();
            note("autocall off");
        } else {
            bool ok = false;
            const int ms = w.value(4).toInt(&ok);
            m_autocall.start(ok ? qBound(100, ms, 60000) : 500);
            note("autocall on, every " + num(m_autocall.interval()) + " ms");
        }
    } else {
        note("accepted: " + line);
    }
}

void BtModule::call(const QByteArray &address, const QByteArray &profile)
{
    if (profile != "RFCOMM" && profile != "HFP-AG" && profile != "A2DP") {
        say("SYNTAX ERROR");
        return;
    }
    BtPeer *peer = peerByAddress(address);
    const int id = freeLink();
    m_calls.insert(id, peer);
    say("CALL " + num(id));
    note("call " + address + ' ' + profile + " as link " + num(id));

    // Whether the far end takes the call, asked again when it would connect.
    auto takes = [this, peer, profile]() {
        if (!peer || !peer->available())
            return false;
        if (profile == "RFCOMM") {
            const Rm3 *unit = asRm3(peer);
            return unit && unit->answers() && !unit->linked() && findLink(Profile::A2dp, peer);
        }
        if (profile == "HFP-AG")
            return peer == m_headphones && !findLink(Profile::Hfp, peer);
        return !findLink(Profile::A2dp);
    };
    auto fail = [this, id]() {
        if (m_calls.remove(id))
            say("NO CARRIER " + num(id) + " ERROR 406 RFC_CONNECTION_FAILED");
    };
    if (!takes()) {
        later(CallFailMs, fail);
        return;
    }
    later(ConnectMs, [this, id, peer, profile, takes, fail]() {
        if (!m_calls.contains(id))
            return; // closed or killed meanwhile
        if (!takes()) {
            fail();
            return;
        }
        m_calls.remove(id);
        if (profile == "A2DP") {
            connectA2dp(peer);
        } else if (profile == "HFP-AG") {
            m_links.push_back({id, Profile::Hfp, peer});
            say("CONNECT " + num(id) + " HFP-AG 111E");
            say("HFP-AG " + num(id) + " READY");
        } else {
            m_links.push_back({id, Profile::Rfcomm, peer});
            // Carrier first: whatever the program sends after CONNECT is data.
            enterDataMode(id);
            m_line->send("CONNECT " + num(id) + " RFCOMM 1\r\n");
            asRm3(peer)->linkUp();
        }
    });
}

void BtModule::avrcp(const QList<QByteArray> &w)
{
    const Link *l = findLink(Profile::Avrcp, m_headphones);
    const QByteArray text = w.join(' ').toUpper();
    bool ok = false;
    const int percent = w.value(3).toInt(&ok);
    if (!l) {
        note("no AVRCP link, ignored: " + text);
    } else if (w.size() == 4 && text.startsWith("AVRCP PDU 50 ") && ok) {
        m_headphones->setVolume(percent);
    } else if (w.size() == 4 && text.startsWith("AVRCP PDU 31 ") && w[3].toInt(&ok, 16) == 0x0d && ok) {
        m_volumeNotify = true;
        note("volume notifications registered");
    } else if (text == "AVRCP UP" || text == "AVRCP DN") {
        m_headphones->stepVolume(text == "AVRCP UP" ? 1 : -1);
    } else {
        say("SYNTAX ERROR");
    }
}

void BtModule::handsFree(const QList<QByteArray> &w)
{
    bool ok = false;
    const Link *l = linkById(w[0].mid(1).toInt(&ok));
    if (!ok || !l || l->profile != Profile::Hfp) {
        note("no hands-free link, ignored: " + w.join(' '));
        return;
    }
    if (w.size() != 2 || w[1].toUpper() != "+CHLD=0")
        return; // other AT traffic to the headphones needs no answer here
    const int id = l->id;
    later(HandsFreeMs, [this, id]() {
        const Link *hfp = linkById(id);
        if (hfp && hfp->profile == Profile::Hfp)
            say("HFP-AG " + num(id) + " UNKNOWN 0 AT+IPHONEACCEV=2,1," + num(m_headphones->batteryLevel()) + ",2,0");
    });
}

void BtModule::inquiry(bool names)
{
    note("inquiry");
    later(InquiryMs, [this, names]() {
        QList<BtPeer *> found;
        for (BtPeer *p : qAsConst(m_peers)) {
            if (p->available())
                found << p;
        }
        for (BtPeer *p : found)
            say("INQUIRY_PARTIAL " + p->address() + ' ' + p->deviceClass());
        say("INQUIRY " + num(found.size()));
        if (names) {
            for (BtPeer *p : found)
                say("NAME " + p->address() + " \"" + p->name() + '"');
        }
    });
}

void BtModule::pair(const QByteArray &address)
{
    const BtPeer *asked = peerByAddress(address);
    const bool slow = asked && asked->pairing() == BtPeer::Pairing::Slow;
    later(slow ? SlowPairMs : PairMs, [this, address]() {
        BtPeer *peer = peerByAddress(address);
        if (peer && peer->available() && peer->pairing() != BtPeer::Pairing::Refuse) {
            m_paired = peer;
            note("paired with " + peer->address());
            say("PAIR " + address + " OK");
        } else {
            say("PAIR " + address + " FAIL");
        }
    });
}

void BtModule::reset()
{
    note("reset");
    ++m_generation; // whatever was under way is forgotten
    m_calls.clear();
    leaveDataMode();
    // The module restarts: its links end without a word from it.
    for (const Link &l : m_links) {
        if (l.profile == Profile::Rfcomm)
            asRm3(l.peer)->linkDown();
    }
    m_links.clear();
    m_held.clear();
    m_volumeNotify = false;
    m_resetting = true;
    later(ResetMs, [this]() {
        m_resetting = false;
        say("WRAP THOR KX500 simulated module 1.0");
        say("READY.");
    });
}

void BtModule::connectA2dp(BtPeer *peer)
{
    for (int i = 0; i < 2; ++i) {
        const int id = freeLink();
        m_links.push_back({id, Profile::A2dp, peer});
        say("CONNECT " + num(id) + " A2DP 19");
    }
    say("A2DP STREAMING START");
    note("A2DP to " + peer->address());
    if (peer != m_headphones)
        return;
    // Headphones open their remote control channel once the audio runs.
    later(ConnectMs, [this]() {
        if (!m_headphones->available() || !findLink(Profile::A2dp, m_headphones)
            || findLink(Profile::Avrcp, m_headphones))
            return;
        const int id = freeLink();
        m_links.push_back({id, Profile::Avrcp, m_headphones});
        say("RING " + num(id) + ' ' + m_headphones->address() + " 17 AVRCP");
    });
}

void BtModule::autocallTick()
{
    if (!m_resetting && m_paired && m_paired->available() && !findLink(Profile::A2dp))
        connectA2dp(m_paired);
}

void BtModule::enterDataMode(int link)
{
    if (m_dataLink == link)
        return;
    m_dataLink = link;
    m_modem->setDataMode(m_index, true);
    note("data mode on link " + num(link));
    if (!m_held.isEmpty()) {
        m_line->send(m_held);
        m_held.clear();
    }
}

void BtModule::leaveDataMode()
{
    if (m_dataLink < 0)
        return;
    m_dataLink = -1;
    m_modem->setDataMode(m_index, false);
    note("command mode");
}

void BtModule::closeLinks(const std::function<bool(const Link &)> &which)
{
    std::vector<Link> closing;
    for (const Link &l : m_links) {
        if (which(l))
            closing.push_back(l);
    }
    // The audio stream's two links end together.
    for (const Link &l : m_links) {
        const bool listed = std::any_of(closing.begin(), closing.end(), [&](const Link &c) { return c.id == l.id; });
        const bool streamOfClosing = std::any_of(closing.begin(), closing.end(), [&](const Link &c) {
            return c.profile == Profile::A2dp && l.profile == Profile::A2dp && c.peer == l.peer;
        });
        if (!listed && streamOfClosing)
            closing.push_back(l);
    }
    if (closing.empty())
        return;
    std::sort(closing.begin(), closing.end(), [](const Link &a, const Link &b) {
        const bool audioA = a.profile == Profile::A2dp, audioB = b.profile == Profile::A2dp;
        return audioA != audioB ? audioB : a.id < b.id;
    });
    // Carrier falls before the loss is told, so the program reads it as a module line.
    if (std::any_of(closing.begin(), closing.end(), [this](const Link &l) { return l.id == m_dataLink; }))
        leaveDataMode();
    bool streamStopped = false;
    for (const Link &l : closing) {
        m_links.erase(std::remove_if(m_links.begin(), m_links.end(), [&](const Link &x) { return x.id == l.id; }),
                      m_links.end());
        say("NO CARRIER " + num(l.id) + " ERROR 0");
        note("link " + num(l.id) + ' ' + profileName(int(l.profile)) + " closed");
        if (l.profile == Profile::Rfcomm) {
            m_held.clear();
            asRm3(l.peer)->linkDown();
        }
        if (l.profile == Profile::Avrcp)
            m_volumeNotify = false;
        streamStopped |= l.profile == Profile::A2dp;
    }
    if (streamStopped)
        say("A2DP STREAMING STOP");
}

void BtModule::peerAvailability(BtPeer *peer, bool available)
{
    if (available)
        return; // the automatic call finds it again
    for (auto it = m_calls.begin(); it != m_calls.end();)
        it = it.value() == peer ? m_calls.erase(it) : std::next(it);
    closeLinks([peer](const Link &l) { return l.peer == peer; });
}

void BtModule::sensorOutput(Rm3 *unit, const QByteArray &bytes)
{
    const Link *l = findLink(Profile::Rfcomm, unit);
    if (!l)
        return; // the other module holds the channel, if any
    if (l->id == m_dataLink) {
        m_line->send(bytes);
    } else if (m_held.size() + bytes.size() <= MaxInput) {
        m_held += bytes; // told once the program selects the channel again
    }
}

void BtModule::headphoneVolumeKeys(int percent)
{
    const Link *l = findLink(Profile::Avrcp, m_headphones);
    if (l && m_volumeNotify)
        say("AVRCP " + num(l->id) + " NOTIFY CHANGED VOLUME_CHANGED " + num(percent));
}

void BtModule::say(const QByteArray &line)
{
    if (m_dataLink >= 0) {
        note("unsaid in data mode: " + line);
        return;
    }
    m_line->send(line + "\r\n");
}

void BtModule::later(int ms, std::function<void()> fn)
{
    const quint64 generation = m_generation;
    QTimer::singleShot(ms, Qt::PreciseTimer, this, [this, generation, fn = std::move(fn)]() {
        if (generation == m_generation)
            fn();
    });
}

int BtModule::freeLink() const
{
    int id = 0;
    while (linkById(id) || m_calls.contains(id))
        ++id;
    return id;
}

const BtModule::Link *BtModule::findLink(Profile profile, const BtPeer *peer) const
{
    for (const Link &l : m_links) {
        if (l.profile == profile && (!peer || l.peer == peer))
            return &l;
    }
    return nullptr;
}

const BtModule::Link *BtModule::linkById(int id) const
{
    for (const Link &l : m_links) {
        if (l.id == id)
            return &l;
    }
    return nullptr;
}

BtPeer *BtModule::peerByAddress(const QByteArray &address) const
{
    for (BtPeer *p : m_peers) {
        if (p->hasAddress(address))
            return p;
    }
    return nullptr;
}

void BtModule::note(const QByteArray &text)
{
    m_log->add(m_id.tag, text);
}

QString BtModule::stateText() const
{
    QString text = QStringLiteral("bt %1 %2 \"%3\": %4, autocall %5, paired %6\n")
                       .arg(QString::fromLatin1(m_id.tag), QString::fromLatin1(m_id.address),
                            QString::fromLatin1(m_id.name),
                            m_dataLink >= 0 ? QStringLiteral("data mode on link %1").arg(m_dataLink)
                                            : QStringLiteral("command mode"),
                            m_autocall.isActive() ? QStringLiteral("on") : QStringLiteral("off"),
                            m_paired ? QString::fromLatin1(m_paired->address()) : QStringLiteral("none"));
    for (const Link &l : m_links)
        text += QStringLiteral("  link %1 %2 %3\n")
                    .arg(l.id)
                    .arg(QLatin1String(profileName(int(l.profile))), QString::fromLatin1(l.peer->address()));
    return text;
}
