#include "simulator.h"
#include "btmodule.h"
#include "gnss.h"
#include "headphones.h"
#include "ptyline.h"
#include "rm3.h"
#include "simroot.h"

#include <QDir>
#include <QRegularExpression>
#include <QFileInfo>

#include <cstdio>

Simulator::Simulator(const QString &root, QObject *parent)
    : QObject(parent),
      m_root(QDir(root).absolutePath()),
      m_control(m_root + QStringLiteral("/sim/control.log")),
      m_board(m_root),
      m_iio(m_root),
      m_rm3(new Rm3(&m_btLog, this)),
      m_rm3b(new Rm3(&m_btLog, this, "00:07:80:4d:33:02", "RM-3 4D3302")),
      m_headphones(new Headphones(&m_btLog, this)),
      m_gnss(new Gnss(m_root, this))
{
    Q_INIT_RESOURCE(simfixtures);
    m_board.addCommands(m_control);
    m_iio.addCommands(m_control);
    m_rm3->addCommands(m_control);
    // Both units hear the one sound model; the one the program opens last is heard.
    for (Rm3 *unit : {m_rm3, m_rm3b}) {
        connect(unit, &Rm3::microphoneMuted, this, [this](bool muted) { m_iio.setSensorMuted(muted); });
        unit->setPosition([this] { return SoundModel::load(m_root.toStdString()).sensorAt; });
    }
    m_rm3b->setInRange(false);
    m_rm3->setPlacement([this](bool relative, double metres) {
        const QString error = m_iio.placeSensor(relative, metres);
        if (error.isEmpty())
            m_gnss->sensorPlaced();
        return error;
    });
    m_gnss->setSensorPosition([this] { return SoundModel::load(m_root.toStdString()).sensorAt; });
    m_headphones->addCommands(m_control);
    m_gnss->addCommands(m_control);
    addBluetoothCommands();
}

bool Simulator::start(QString *error)
{
    if (!SimRoot::create(m_root, error))
        return false;
    if (m_pairedSettings && !writePairedSettings(error))
        return false;
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("ttyO%1").arg(i + 1);
        m_lines[i] = new PtyLine(m_root + QStringLiteral("/dev/") + name,
                                 m_root + QStringLiteral("/sim/") + name + QStringLiteral(".log"), this);
        if (!m_lines[i]->open(error))
            return false;
    }
    m_control.openLog();
    m_btLog.open(m_root + QStringLiteral("/sim/bluetooth.log"));
    m_modem = new ModemLines(m_root, this);
    m_modem->start();
    m_modules[0] = new BtModule(0, {"sink", "00:07:80:aa:10:02", "KXE500_MIC", "280438", "SINK"}, m_lines[1],
                                m_modem, &m_btLog, m_rm3, m_headphones, m_rm3, this);
    m_modules[1] = new BtModule(1, {"source", "00:07:80:aa:10:03", "KXE500_HP", "280428", "SOURCE"}, m_lines[2],
                                m_modem, &m_btLog, m_rm3, m_headphones, m_headphones, this);
    m_modules[0]->addPeer(m_rm3b);
    m_modules[1]->addPeer(m_rm3b);
    for (BtPeer *peer : qAsConst(m_extraPeers))
        addPeer(peer);
    m_gnss->start(m_lines[0]);
    m_iio.start();
    return m_control.listenFifo(m_root + QStringLiteral("/sim/control"), error);
}

void Simulator::stop()
{
    m_iio.stop();
    for (PtyLine *line : m_lines) {
        if (line)
            line->close();
    }
    QFile::remove(m_root + QStringLiteral("/sim/control"));
}

PtyLine *Simulator::line(int number) const
{
    return number >= 1 && number <= 3 ? m_lines[number - 1] : nullptr;
}

bool Simulator::writePairedSettings(QString *error)
{
    const QString target = m_root + QStringLiteral("/home/root/settings.ini");
    if (QFileInfo::exists(target))
        return true;
    QFile fixture(QStringLiteral(":/fixtures/settings-paired.ini"));
    QFile out(target);
    // Written, not copied: a copy would carry the resource's read-only mode.
    if (fixture.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly)) {
        const QByteArray text = fixture.readAll();
        if (out.write(text) == text.size())
            return true;
    }
    if (error)
        *error = QStringLiteral("cannot write %1: %2").arg(target, out.errorString());
    return false;
}

void Simulator::addPeer(BtPeer *peer)
{
    for (BtModule *m : m_modules) {
        if (m)
            m->addPeer(peer);
    }
}

QString Simulator::deviceCommand(const QStringList &args)
{
    const QString usage =
        QStringLiteral("usage: bt device add ADDRESS CLASS NAME... [refuse|slow] | bt device remove ADDRESS");
    static const QRegularExpression address(QStringLiteral("^([0-9a-f]{2}:){5}[0-9a-f]{2}$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString action = args.value(1).toLower();
    const QByteArray id = args.value(2).toLower().toLatin1();
    const auto known = [&](const QByteArray &a) -> BtPeer * {
        for (BtPeer *p : qAsConst(m_extraPeers)) {
            if (p->hasAddress(a))
                return p;
        }
        return nullptr;
    };
    if (action == QLatin1String("remove") && args.size() == 3) {
        BtPeer *peer = known(id);
        if (!peer)
            return QStringLiteral("no device %1").arg(QString::fromLatin1(id));
        m_extraPeers.removeOne(peer);
        for (BtModule *m : m_modules) {
            if (m)
                m->removePeer(peer);
        }
        peer->deleteLater();
        return QString();
    }
    if (action != QLatin1String("add") || args.size() < 5 || !address.match(QString::fromLatin1(id)).hasMatch())
        return usage;
    bool hex = false;
    args[3].toUInt(&hex, 16);
    if (!hex)
        return usage;
    if (known(id) || m_rm3->hasAddress(id) || m_rm3b->hasAddress(id) || m_headphones->hasAddress(id))
        return QStringLiteral("device %1 already in range").arg(QString::fromLatin1(id));
    QStringList name = args.mid(4);
    BtPeer::Pairing pairing = BtPeer::Pairing::Accept;
    const QString last = name.last().toLower();
    if (name.size() > 1 && (last == QLatin1String("refuse") || last == QLatin1String("slow"))) {
        pairing = last == QLatin1String("refuse") ? BtPeer::Pairing::Refuse : BtPeer::Pairing::Slow;
        name.removeLast();
    }
    auto *peer = new BtPeer(id, name.join(QLatin1Char(' ')).toUtf8(), args[3].toLatin1(), this);
    peer->setPairing(pairing);
    m_extraPeers << peer;
    addPeer(peer);
    m_btLog.add("sim", "in range: " + peer->address() + ' ' + peer->deviceClass() + " \"" + peer->name() + '"');
    return QString();
}

void Simulator::addBluetoothCommands()
{
    m_control.add({QStringLiteral("sensor2"), QStringLiteral("on|off"),
                   QStringLiteral("a second RM-3 (00:07:80:4d:33:02, \"RM-3 4D3302\") comes into range or leaves it"),
                   [this](const QStringList &args) {
                       const QString action = args.value(0).toLower();
                       if (args.size() != 1 || (action != QLatin1String("on") && action != QLatin1String("off")))
                           return QStringLiteral("usage: sensor2 on|off");
                       m_rm3b->setInRange(action == QLatin1String("on"));
                       return QString();
                   }});
    m_control.add({QStringLiteral("link"), QStringLiteral("drop|restore [sensor|headphones]"),
                   QStringLiteral("take the sensor unit, the headphones or both out of Bluetooth range "
                                  "(their links close) or bring them back (the automatic call reconnects)"),
                   [this](const QStringList &args) {
                       const QString action = args.value(0).toLower();
                       const QString which = args.value(1).toLower();
                       if (args.isEmpty() || args.size() > 2
                           || (action != QLatin1String("drop") && action != QLatin1String("restore"))
                           || (args.size() == 2 && which != QLatin1String("sensor")
                               && which != QLatin1String("headphones")))
                           return QStringLiteral("usage: link drop|restore [sensor|headphones]");
                       const bool inRange = action == QLatin1String("restore");
                       if (which != QLatin1String("headphones"))
                           m_rm3->setInRange(inRange);
                       if (which != QLatin1String("sensor"))
                           m_headphones->setInRange(inRange);
                       return QString();
                   }});
    m_control.add({QStringLiteral("bt"),
                   QStringLiteral("state | device add ADDRESS CLASS NAME... [refuse|slow] | device remove ADDRESS"),
                   QStringLiteral("print both Bluetooth modules (mode, links, autocall, pairing) and their peers; "
                                  "put another device in range (CLASS in hex; refuse: PAIR answers FAIL, slow: "
                                  "the answer takes 12 s) or take it away"),
                   [this](const QStringList &args) {
                       if (args.value(0).toLower() == QLatin1String("device"))
                           return deviceCommand(args);
                       if (args.size() != 1 || args.first().toLower() != QLatin1String("state"))
                           return QStringLiteral("usage: bt state | bt device ...");
                       QString text;
                       for (const BtModule *m : m_modules) {
                           if (m)
                               text += m->stateText();
                       }
                       text += m_rm3->stateText() + m_headphones->stateText();
                       if (m_rm3b->inRange())
                           text += QStringLiteral("second ") + m_rm3b->stateText();
                       for (const BtPeer *p : qAsConst(m_extraPeers))
                           text += QStringLiteral("device %1 %2 \"%3\"\n")
                                       .arg(QString::fromLatin1(p->address()), QString::fromLatin1(p->deviceClass()),
                                            QString::fromUtf8(p->name()));
                       std::fputs(text.toLocal8Bit().constData(), stdout);
                       std::fflush(stdout);
                       return QString();
                   }});
}
