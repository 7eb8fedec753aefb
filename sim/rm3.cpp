#include "rm3.h"
#include "control.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Longer lines are not messages; the unit's receive buffer drops them.
constexpr int MaxLine = 255;
constexpr int NormalAnswerMs = 20;
constexpr int SlowAnswerMs = 2500;
constexpr int ReadyDelayMs = 200;
constexpr int RestartMs = 3000;
constexpr int MaxPacket = 64;
// The transducer: 100 readings a second, sent 25 at a time; its 12-bit ADC
// reads 0x100 at 0 bar and 0xF00 at full scale.
constexpr int PressureBlockMs = 250;
constexpr int PressureBlock = 25;
constexpr int AdcZero = 0x100;
constexpr int AdcFull = 0xF00;
constexpr int PumpRiseMs = 3000;
constexpr double PumpRiseBar = 3;
constexpr double HammerBar = 5;
constexpr int HammerMs = 2000;
// The H2 probe's raw counts: 4.096 per level unit, 12 bits; clean air reads
// about level 293 with a count or two of noise.
constexpr int H2Type = 3;
constexpr double RawPerLevel = 4.096;
constexpr double MaxRaw = 4095;
constexpr double CleanAirRaw = 1200;
constexpr int NoiseRaw = 4;
constexpr double MaxGasLevel = 1000;
constexpr double MaxPosition = 10000;

bool isThreeDigits(const QByteArray &text)
{
    return text.size() == 3 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isLowerHex(const QByteArray &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

bool parseGain(const QByteArray &text, int *gain)
{
    bool ok = false;
    *gain = text.toInt(&ok, 16);
    return ok && text.size() == 2;
}

} // namespace

Rm3::Rm3(BtEventLog *log, QObject *parent, const QByteArray &address, const QByteArray &name)
    : BtPeer(address, name, "280404", parent), m_log(log)
{
    m_clock.start();
    m_probeOn.start();
    m_queueTimer.setSingleShot(true);
    m_queueTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_queueTimer, &QTimer::timeout, this, &Rm3::runDue);
    m_pressureTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_pressureTimer, &QTimer::timeout, this, &Rm3::streamPressure);
    m_restartTimer.setSingleShot(true);
    connect(&m_restartTimer, &QTimer::timeout, this, [this]() {
        const bool was = available();
        m_restarting = false;
        m_readyPending = true;
        m_probeOn.restart();
        m_log->add("sensor", "restarted with firmware " + m_firmware);
        announce(was);
    });
}

void Rm3::addCommands(Control &control)
{
    control.add(
        {QStringLiteral("sensor"),
         QStringLiteral("key press|release | type N | battery MV | alert CODE | value V | answers normal|slow|silent | "
                       "at METRES | step METRES | pressure on [FULLSCALE]|off | update normal|err N|norestart | state"),
         QStringLiteral("the RM-3 sensor unit: its key, probe type code (1 GX-2, 2 NX-2, 3 H2), battery in mV, "
                        "an ALERT report, a fixed H2 reading (until a gas command), answers after 20 ms, "
                        "2.5 s or never, set down METRES along the pipe (0..10000, from 0) or moved by signed "
                        "METRES (see leak); a pressure transducer of FULLSCALE bar (16) attached (code 5) or "
                        "removed; firmware transfers as usual, packet N (0..999) answered ERROR once, or a flash "
                        "that fails: the unit stays away until update normal, then returns with its old "
                        "firmware; state prints it"),
         [this](const QStringList &args) -> QString {
             const QString what = args.value(0).toLower();
             const QString arg = args.value(1);
             bool ok = false;
             if (what == QLatin1String("state") && args.size() == 1) {
                 std::fputs(stateText().toLocal8Bit().constData(), stdout);
                 std::fflush(stdout);
                 return QString();
             }
             if (what == QLatin1String("pressure"))
                 return transducerCommand(args.mid(1));
             if (what == QLatin1String("update"))
                 return updateCommand(args.mid(1));
             if (args.size() != 2)
                 return QStringLiteral("usage: sensor key press|release, type N, battery MV, alert CODE, "
                                       "value V, answers normal|slow|silent, at METRES, step METRES, "
                                       "pressure on [FULLSCALE]|off, update normal|err N|norestart, state");
             if (what == QLatin1String("key")) {
                 if (arg != QLatin1String("press") && arg != QLatin1String("release"))
                     return QStringLiteral("sensor key press|release");
                 return keyCommand(arg == QLatin1String("press"));
             }
             if (what == QLatin1String("type")) {
                 const int type = arg.toInt(&ok);
                 if (!ok || type < 0 || type > 99)
                     return QStringLiteral("sensor type takes a code 0..99");
                 m_type = type;
                 m_probeOn.restart();
                 m_log->add("sensor", "probe type " + QByteArray::number(type));
                 // A probe change is reported at once, as the unit does.
                 report("BT_RX SENSOR " + QByteArray::number(type));
                 return QString();
             }
             if (what == QLatin1String("battery")) {
                 const int mv = arg.toInt(&ok);
                 if (!ok || mv < 0 || mv > 10000)
                     return QStringLiteral("sensor battery takes millivolts 0..10000");
                 m_batteryMv = mv;
                 return QString();
             }
             if (what == QLatin1String("alert")) {
                 if (!m_linked)
                     return QStringLiteral("the sensor link is down");
                 report("BT_RX ALERT " + arg.toLatin1());
                 return QString();
             }
             if (what == QLatin1String("value")) {
                 const double v = arg.toDouble(&ok);
                 if (!ok || !std::isfinite(v))
                     return QStringLiteral("sensor value takes a decimal number");
                 m_value = arg.toLatin1();
                 m_valueFixed = true;
                 return QString();
             }
             if (what == QLatin1String("at") || what == QLatin1String("step")) {
                 const double metres = arg.toDouble(&ok);
                 if (!ok || !std::isfinite(metres))
                     return QStringLiteral("sensor at|step takes metres");
                 if (!m_place)
                     return QStringLiteral("there is no pipe to walk");
                 return m_place(what == QLatin1String("step"), metres);
             }
             if (what == QLatin1String("answers")) {
                 if (arg == QLatin1String("normal"))
                     m_answers = Answers::Normal;
                 else if (arg == QLatin1String("slow"))
                     m_answers = Answers::Slow;
                 else if (arg == QLatin1String("silent"))
                     m_answers = Answers::Silent;
                 else
                     return QStringLiteral("sensor answers normal|slow|silent");
                 m_log->add("sensor", "answers " + arg.toLatin1());
                 return QString();
             }
             return QStringLiteral("unknown sensor command '%1'").arg(what);
         }});
    control.add({QStringLiteral("pressure"), QStringLiteral("BAR | pump [BAR] | hammer [BAR] | noise BAR"),
                 QStringLiteral("the water pressure at the transducer: set at once, a pump start (a rise of BAR, 3, "
                                "over 3 s), a water hammer (a spike of BAR, 5, ringing down over 2 s), noise of "
                                "+-BAR on every reading"),
                 [this](const QStringList &args) { return pressureCommand(args); }});
    control.add({QStringLiteral("gas"), QStringLiteral("at METRES [level L] [spread METRES] | off"),
                 QStringLiteral("hydrogen escaping METRES along the pipe (0..10000): the H2 probe (sensor type 3) "
                                "reads L level units (0..1000, 400 unless set) above clean air right there, "
                                "falling off as exp(-(d/spread)^2) with the distance d to the RM-3 (spread "
                                "0.1..1000 m, 3 unless set); ends a fixed sensor value"),
                 [this](const QStringList &args) { return gasCommand(args); }});
}

QString Rm3::updateCommand(const QStringList &args)
{
    const QString mode = args.value(0).toLower();
    bool ok = false;
    const int packet = args.value(1).toInt(&ok);
    if (mode == QLatin1String("normal") && args.size() == 1) {
        m_failPacket = -1;
        m_noRestart = false;
        // A unit stuck after a failed flash comes back as after a restart.
        if (m_restarting && !m_restartTimer.isActive())
            m_restartTimer.start(RestartMs);
    } else if (mode == QLatin1String("err") && args.size() == 2 && ok && packet >= 0 && packet <= 999) {
        m_failPacket = packet;
        m_noRestart = false;
    } else if (mode == QLatin1String("norestart") && args.size() == 1) {
        m_failPacket = -1;
        m_noRestart = true;
    } else {
        return QStringLiteral("sensor update normal|err N (0..999)|norestart");
    }
    m_log->add("sensor", "update " + updateText());
    return QString();
}

QByteArray Rm3::updateText() const
{
    if (m_noRestart)
        return "norestart";
    return m_failPacket < 0 ? QByteArray("normal") : "err " + QByteArray::number(m_failPacket);
}

QString Rm3::gasCommand(const QStringList &args)
{
    const QString usage = QStringLiteral("usage: gas at METRES [level L] [spread METRES] | off");
    if (args.size() == 1 && args[0].toLower() == QLatin1String("off")) {
        m_gas = false;
        m_valueFixed = false;
        m_log->add("sensor", "gas off");
        return QString();
    }
    if (args.size() % 2 != 0 || args.value(0).toLower() != QLatin1String("at"))
        return usage;
    double at = m_gasAt, level = m_gasLevel, spread = m_gasSpread;
    for (int i = 0; i < args.size(); i += 2) {
        bool ok = false;
        const double v = args[i + 1].toDouble(&ok);
        const QString key = args[i].toLower();
        if (key == QLatin1String("at") && ok && v >= 0 && v <= MaxPosition)
            at = v;
        else if (key == QLatin1String("level") && ok && v >= 0 && v <= MaxGasLevel)
            level = v;
        else if (key == QLatin1String("spread") && ok && v >= 0.1 && v <= 1000)
            spread = v;
        else
            return usage;
    }
    m_gas = true;
    m_valueFixed = false;
    m_gasAt = at;
    m_gasLevel = level;
    m_gasSpread = spread;
    m_log->add("sensor", QStringLiteral("gas at %1 level %2 spread %3").arg(at).arg(level).arg(spread).toLatin1());
    return QString();
}

QByteArray Rm3::reading()
{
    if (m_valueFixed || m_type != H2Type)
        return m_value;
    double raw = CleanAirRaw + std::uniform_int_distribution<int>(-NoiseRaw, NoiseRaw)(m_random);
    if (m_gas) {
        const double d = ((m_position ? m_position() : 0) - m_gasAt) / m_gasSpread;
        raw += m_gasLevel * RawPerLevel * std::exp(-d * d);
    }
    return QByteArray::number(qRound(std::min(raw, MaxRaw)));
}

QString Rm3::transducerCommand(const QStringList &args)
{
    const QString what = args.value(0);
    bool ok = true;
    const int fullScale = args.size() > 1 ? args.value(1).toInt(&ok) : 16;
    if (what == QLatin1String("on") && args.size() <= 2 && ok && fullScale >= 1 && fullScale <= 1000) {
        if (!m_transducer)
            m_typeBeforeTransducer = m_type;
        m_transducer = true;
        m_fullScale = fullScale;
        m_type = 5;
        m_log->add("sensor", "pressure transducer " + QByteArray::number(fullScale) + " bar");
        report("BT_RX SENSOR 5");
        report(calibrationLine());
        return QString();
    }
    if (what == QLatin1String("off") && args.size() == 1) {
        if (!m_transducer)
            return QString();
        stopPressure();
        m_transducer = false;
        m_type = m_typeBeforeTransducer;
        m_log->add("sensor", "pressure transducer removed");
        report("BT_RX PCAL 0");
        report("BT_RX SENSOR " + QByteArray::number(m_type));
        return QString();
    }
    return QStringLiteral("sensor pressure on [FULLSCALE 1..1000] | off");
}

QString Rm3::pressureCommand(const QStringList &args)
{
    const QString what = args.value(0);
    bool ok = true;
    const auto number = [&](int index, double fallback) {
        return args.size() > index ? args.value(index).toDouble(&ok) : fallback;
    };
    const qint64 now = m_clock.elapsed();
    if (what == QLatin1String("pump") && args.size() <= 2) {
        const double rise = number(1, PumpRiseBar);
        if (!ok || !std::isfinite(rise) || std::abs(rise) > 1000)
            return QStringLiteral("pressure pump [BAR]");
        // From wherever an earlier rise has got to.
        m_rampFrom = pressureAt(now, false);
        m_rampTo = std::clamp(m_rampFrom + rise, 0.0, 1000.0);
        m_rampStart = now;
        m_rampMs = PumpRiseMs;
    } else if (what == QLatin1String("hammer") && args.size() <= 2) {
        m_hammer = number(1, HammerBar);
        if (!ok || !std::isfinite(m_hammer) || std::abs(m_hammer) > 1000)
            return QStringLiteral("pressure hammer [BAR]");
        m_hammerStart = now;
    } else if (what == QLatin1String("noise") && args.size() == 2) {
        const double noise = number(1, 0);
        if (!ok || !std::isfinite(noise) || noise < 0 || noise > 100)
            return QStringLiteral("pressure noise BAR (0..100)");
        m_noise = noise;
    } else if (args.size() == 1) {
        const double bar = number(0, 0);
        if (!ok || !std::isfinite(bar) || bar < 0 || bar > 1000)
            return QStringLiteral("pressure BAR (0..1000) | pump [BAR] | hammer [BAR] | noise BAR");
        m_rampFrom = m_rampTo = bar;
        m_rampMs = 0;
    } else {
        return QStringLiteral("pressure BAR | pump [BAR] | hammer [BAR] | noise BAR");
    }
    m_log->add("sensor", "pressure " + args.join(QLatin1Char(' ')).toLatin1());
    return QString();
}

double Rm3::pressureAt(qint64 ms, bool withHammer) const
{
    double bar = m_rampTo;
    if (m_rampMs > 0 && ms - m_rampStart < m_rampMs) {
        // A pump comes up smoothly, not as a step.
        const double x = std::max(0.0, double(ms - m_rampStart) / m_rampMs);
        bar = m_rampFrom + (m_rampTo - m_rampFrom) * x * x * (3 - 2 * x);
    }
    const qint64 since = ms - m_hammerStart;
    if (withHammer && m_hammerStart >= 0 && since >= 0 && since < HammerMs) {
        // The pressure wave runs to and fro along the pipe at about 4 Hz, damped.
        const double t = since / 1000.0;
        bar += m_hammer * std::exp(-t / 0.4) * std::cos(2 * M_PI * 4 * t);
    }
    return bar;
}

QByteArray Rm3::calibrationLine() const
{
    return "BT_RX PCAL " + QByteArray::number(m_fullScale) + ' '
           + QByteArray::number(AdcZero, 16).toUpper().rightJustified(4, '0') + ' '
           + QByteArray::number(AdcFull, 16).toUpper().rightJustified(4, '0');
}

void Rm3::streamPressure()
{
    if (!m_linked || !m_transducer) {
        stopPressure();
        return;
    }
    const qint64 now = m_clock.elapsed();
    QByteArray line = "BT_RX PDATA " + QByteArray::number(PressureBlock) + ' ';
    for (int i = 0; i < PressureBlock; ++i) {
        double bar = pressureAt(now - (PressureBlock - 1 - i) * (PressureBlockMs / PressureBlock));
        if (m_noise > 0) {
            m_noiseState = m_noiseState * 1664525u + 1013904223u;
            bar += m_noise * ((m_noiseState >> 8) / double(1 << 24) * 2 - 1);
        }
        const int adc = std::clamp(int(std::lround(AdcZero + bar / m_fullScale * (AdcFull - AdcZero))), 0, 0xFFF);
        line += QByteArray::number(adc, 16).toUpper().rightJustified(3, '0') + ',';
    }
    if (m_answers != Answers::Silent)
        send(line);
}

void Rm3::stopPressure()
{
    if (m_pressureTimer.isActive())
        m_log->add("sensor", "pressure stream stopped");
    m_pressureTimer.stop();
}

QString Rm3::keyCommand(bool press)
{
    if (m_pushButton)
        m_muted = !press;
    else if (press)
        m_muted = !m_muted;
    else
        return QString(); // a latching switch acts on the press only
    m_log->add("sensor", QByteArray("key ") + (press ? "press" : "release") + ": " + muteText());
    emit microphoneMuted(m_muted);
    report("BT_RX MUTE_STATE " + muteText());
    return QString();
}

void Rm3::linkUp()
{
    m_linked = true;
    m_log->add("sensor", "serial channel open");
    if (m_readyPending) {
        m_readyPending = false;
        post(ReadyDelayMs, [this]() {
            send("BT_RX RDY " + QByteArray::number(m_batteryMv) + ' ' + QByteArray::number(m_type));
        });
    }
    if (m_transducer)
        post(ReadyDelayMs, [this]() { send(calibrationLine()); });
}

void Rm3::linkDown()
{
    if (!m_linked)
        return;
    m_linked = false;
    m_queue.clear(); // answers still on their way are lost with the channel
    m_queueTimer.stop();
    stopPressure();
    m_log->add("sensor", "serial channel closed");
}

void Rm3::receive(const QByteArray &line)
{
    if (line.size() > MaxLine) {
        m_log->add("sensor", "ignored a line of " + QByteArray::number(line.size()) + " bytes");
        return;
    }
    if (std::any_of(line.begin(), line.end(), [](char c) { return uchar(c) < 0x20 || uchar(c) > 0x7e; })) {
        m_log->add("sensor", "ignored a line with binary bytes");
        return;
    }
    const QByteArray text = line.simplified();
    if (text.isEmpty())
        return;
    const QList<QByteArray> words = text.split(' ');
    if (words.first() != "BT_TX") {
        m_log->add("sensor", "ignored, not a sensor message: " + text);
        return;
    }
    bool restartAfter = false;
    const QList<QByteArray> lines = answer(words, &restartAfter);
    m_log->add("sensor", text + " -> " + lines.join(" | ")
                             + (m_answers == Answers::Silent ? " (not sent: silent)" : ""));
    if (m_answers == Answers::Silent)
        return;
    post(m_answers == Answers::Slow ? SlowAnswerMs : NormalAnswerMs, [this, lines]() {
        for (const QByteArray &l : lines)
            send(l);
    });
    if (restartAfter)
        post(100, [this]() { restart(); });
}

QList<QByteArray> Rm3::answer(const QList<QByteArray> &words, bool *restart)
{
    const QByteArray command = words.value(1);
    const int args = words.size() - 2;
    int gain = 0;
    if (command == "I") {
        const QByteArray mute = words.value(3), key = words.value(4);
        if (args != 3 || !parseGain(words.value(2), &gain) || (mute != "MUTE" && mute != "ACTIVE")
            || (key != "SWITCH" && key != "PUSHBUT"))
            return {"BT_RX ERROR I"};
        m_gain = gain;
        m_muted = mute == "MUTE";
        m_pushButton = key == "PUSHBUT";
        emit microphoneMuted(m_muted);
        return {"BT_RX OK"};
    }
    if (command == "G") {
        if (args != 1 || !parseGain(words.value(2), &gain))
            return {"BT_RX ERROR G"};
        m_gain = gain;
        return {"BT_RX OK"};
    }
    if (args == 0) {
        if (command == "P")
            return configuration();
        if (command == "B")
            return {"BT_RX BATT_VOLTAGE " + QByteArray::number(m_batteryMv)};
        if (command == "T")
            return {"BT_RX SENSOR " + QByteArray::number(m_type)};
        if (command == "S")
            return {"BT_RX SENSVAL " + reading() + ' ' + QByteArray::number(m_probeOn.elapsed() / 1000)};
        if (command == "RS" || command == "RP") {
            if (command == "RP" || !m_transducer) {
                stopPressure();
            } else if (!m_pressureTimer.isActive()) {
                m_log->add("sensor", "pressure stream started");
                m_pressureTimer.start(PressureBlockMs);
            }
            return {"BT_RX OK"};
        }
        if (command == "O")
            return {"BT_RX OK"};
    }
    if (command == "X" && args == 1)
        return {"BT_RX X " + words.value(2)};
    if (command == "FH") {
        bool ok = false;
        const qint64 size = words.value(2).toLongLong(&ok);
        m_fwReceived = 0;
        m_fwNextPacket = 0;
        m_fwSize = ok && size > 0 && args == 2 ? size : 0;
        m_fwVersion = m_fwSize > 0 ? words.value(3) : QByteArray();
        return {m_fwSize > 0 ? "BT_RX FH OK" : "BT_RX FH FAIL"};
    }
    if (command == "FD")
        return firmwareData(words);
    if (command == "FS" && args == 0) {
        const bool complete = m_fwSize > 0 && m_fwReceived == m_fwSize;
        if (!complete)
            m_fwSize = 0; // the transfer is void; a new header starts over
        *restart = complete;
        return {complete ? "BT_RX FS OK" : "BT_RX FS ERROR"};
    }
    // Anything else still gets a line, so the handheld's queue moves on.
    return {"BT_RX RCVOK ?"};
}

// "BT_TX FD nnn ccc hex": packets numbered from 000 in order, ccc bytes
// (1..64) as 2 * ccc lower-case hex digits, never past the announced size.
QList<QByteArray> Rm3::firmwareData(const QList<QByteArray> &words)
{
    const QByteArray number = words.value(2, "?"), count = words.value(3), data = words.value(4);
    const int bytes = count.toInt();
    const bool ok = words.size() == 5 && m_fwSize > 0 && isThreeDigits(number) && number.toInt() == m_fwNextPacket
        && isThreeDigits(count) && bytes >= 1 && bytes <= MaxPacket && data.size() == 2 * bytes && isLowerHex(data)
        && m_fwReceived + bytes <= m_fwSize;
    if (!ok)
        return {"BT_RX FD " + number + " ERROR"};
    if (m_fwNextPacket == m_failPacket) {
        // Lost on the way in: the unit still waits for this packet.
        m_failPacket = -1;
        m_log->add("sensor", "packet " + number + " refused once (update err)");
        return {"BT_RX FD " + number + " ERROR"};
    }
    m_fwReceived += bytes;
    ++m_fwNextPacket;
    return {"BT_RX FD " + number + " OK"};
}

QList<QByteArray> Rm3::configuration() const
{
    return {"BT_RX SENSOR " + QByteArray::number(m_type),
            "BT_RX MIC-GAIN " + gainText(),
            "BT_RX BATT_VOLTAGE " + QByteArray::number(m_batteryMv),
            "BT_RX FW-VERSION " + m_firmware,
            "BT_RX HW-VERSION " + m_hardware,
            "BT_RX BUTTON " + keyText(),
            "BT_RX MUTE_STATE " + muteText(),
            "!$!"};
}

void Rm3::restart()
{
    const bool was = available();
    m_fwSize = 0;
    m_restarting = true;
    if (m_noRestart) {
        // The flash failed: the old firmware stays, once the unit is let back.
        m_log->add("sensor", "firmware " + m_fwVersion + " received, flashing failed, not coming back");
        announce(was);
        return;
    }
    m_firmware = m_fwVersion;
    m_log->add("sensor", "firmware " + m_firmware + " received, restarting");
    announce(was); // the modules drop their links
    m_restartTimer.start(RestartMs);
}

void Rm3::post(int delayMs, std::function<void()> action)
{
    qint64 due = m_clock.elapsed() + delayMs;
    if (!m_queue.empty())
        due = std::max(due, m_queue.back().due);
    m_queue.push_back({due, std::move(action)});
    if (!m_queueTimer.isActive())
        m_queueTimer.start(int(std::max<qint64>(0, m_queue.front().due - m_clock.elapsed())));
}

void Rm3::runDue()
{
    while (!m_queue.empty() && m_queue.front().due <= m_clock.elapsed()) {
        const std::function<void()> action = std::move(m_queue.front().action);
        m_queue.pop_front();
        action();
    }
    if (!m_queue.empty())
        m_queueTimer.start(int(std::max<qint64>(0, m_queue.front().due - m_clock.elapsed())));
}

void Rm3::send(const QByteArray &line)
{
    if (m_linked)
        emit output(line + "\r\n");
}

void Rm3::report(const QByteArray &line)
{
    if (!m_linked || m_answers == Answers::Silent) {
        m_log->add("sensor", "not reported (" + QByteArray(m_linked ? "silent" : "no link") + "): " + line);
        return;
    }
    post(NormalAnswerMs, [this, line]() { send(line); });
}

QByteArray Rm3::gainText() const
{
    return QByteArray::number(m_gain, 16).rightJustified(2, '0');
}

QString Rm3::stateText() const
{
    static const char *const answers[] = {"normal", "slow", "silent"};
    return QStringLiteral("sensor gain %1 %2 key %3 fw %4 hw %5 type %6 battery %7 mV value %8 answers %9 "
                          "link %10 %11 update %12\n")
        .arg(QString::fromLatin1(gainText()), QString::fromLatin1(muteText()), QString::fromLatin1(keyText()),
             QString::fromLatin1(m_firmware), QString::fromLatin1(m_hardware))
        .arg(m_type)
        .arg(m_batteryMv)
        .arg(QString::fromLatin1(m_value), QLatin1String(answers[int(m_answers)]),
             m_linked ? QStringLiteral("up") : QStringLiteral("down"),
             m_restarting ? QStringLiteral("restarting")
                          : (inRange() ? QStringLiteral("in range") : QStringLiteral("out of range")))
        .arg(QString::fromLatin1(updateText()));
}
