#include "iiofeeder.h"
#include "control.h"
#include "simroot.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cstdio>

namespace {
const char EnableFile[] = "/sys/bus/iio/devices/iio:device0/buffer/enable";
// After a stall (a stopped process, a slow disk) catch up at most this much
// and accept a gap rather than render seconds of sound nobody reads.
constexpr qint64 MaxCatchUpSamples = 4 * IioFeeder::SampleRate;
} // namespace

IioFeeder::IioFeeder(const QString &root, QObject *parent)
    : QObject(parent), m_root(root), m_device(root + QStringLiteral("/dev/iio:device0")), m_window(BlockSamples, 0)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IioFeeder::refresh);
}

void IioFeeder::addCommands(Control &control)
{
    control.add({QStringLiteral("leak"), QStringLiteral("[level L] [freq F] [at METRES] [falloff DB_PER_METRE] | state"),
                 QStringLiteral("leak noise of display level L (0..99) at the leak, around F Hz (20..3800), "
                                "METRES along the pipe (0..10000, from 0), fading by DB_PER_METRE (0..50, "
                                "from 2) on the way to the sensor (sensor at|step), not below level 10; "
                                "what is not given stays (e.g. leak level 45 freq 600 at 12); "
                                "state prints it and the level heard"),
                 [this](const QStringList &args) { return setLeak(args); }});
    control.add({QStringLiteral("traffic"), QStringLiteral("[level L] [every S] [for S] | off"),
                 QStringLiteral("passing traffic over the leak noise: a low rumble rising to level L (1..99, "
                                "80 unless set) and back within S seconds (4), one vehicle every S seconds "
                                "(1..3600, 20), timed by the wall clock; what is not given stays; off stops it"),
                 [this](const QStringList &args) { return setTraffic(args); }});
    control.add({QStringLiteral("silence"), QString(), QStringLiteral("no sound at the sensor"),
                 [this](const QStringList &args) {
                     return args.isEmpty() ? setMode(SoundModel::Mode::Silence)
                                           : QStringLiteral("silence takes no arguments");
                 }});
}

QString IioFeeder::setLeak(const QStringList &args)
{
    const QString usage = QStringLiteral("usage: leak [level L] [freq F] [at METRES] [falloff DB_PER_METRE] | state");
    if (args.size() == 1 && args.first().toLower() == QLatin1String("state")) {
        std::fputs(stateText().toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
        return QString();
    }
    SoundModel::Settings s = SoundModel::load(m_root.toStdString());
    if (args.size() % 2 != 0)
        return usage;
    for (int i = 0; i < args.size(); i += 2) {
        bool ok = false;
        const double value = args.at(i + 1).toDouble(&ok);
        const QString key = args.at(i).toLower();
        if (key == QLatin1String("level")) {
            if (!ok || !(value >= 0 && value <= 99))
                return QStringLiteral("level must be 0 to 99");
            s.leakLevel = value;
        } else if (key == QLatin1String("freq")) {
            if (!ok || !(value >= 20 && value <= 3800))
                return QStringLiteral("freq must be 20 to 3800 Hz");
            s.frequency = value;
        } else if (key == QLatin1String("at")) {
            if (!ok || !(value >= 0 && value <= SoundModel::MaxPosition))
                return QStringLiteral("at must be 0 to 10000 m");
            s.leakAt = value;
        } else if (key == QLatin1String("falloff")) {
            if (!ok || !(value >= 0 && value <= SoundModel::MaxFalloff))
                return QStringLiteral("falloff must be 0 to 50 dB/m");
            s.falloff = value;
        } else {
            return usage;
        }
    }
    s.mode = SoundModel::Mode::Leak;
    return saveChanged(s);
}

QString IioFeeder::setTraffic(const QStringList &args)
{
    const QString usage = QStringLiteral("usage: traffic [level L] [every S] [for S] | off");
    SoundModel::Settings s = SoundModel::load(m_root.toStdString());
    if (args.size() == 1 && args.first().toLower() == QLatin1String("off")) {
        s.trafficLevel = 0;
        return saveChanged(s);
    }
    if (args.size() % 2 != 0)
        return usage;
    if (s.trafficLevel <= 0)
        s.trafficLevel = SoundModel::DefaultTrafficLevel;
    for (int i = 0; i < args.size(); i += 2) {
        bool ok = false;
        const double value = args.at(i + 1).toDouble(&ok);
        const QString key = args.at(i).toLower();
        if (key == QLatin1String("level")) {
            if (!ok || !(value >= 1 && value <= 99))
                return QStringLiteral("level must be 1 to 99");
            s.trafficLevel = value;
        } else if (key == QLatin1String("every")) {
            if (!ok || !(value >= SoundModel::MinTrafficEvery && value <= SoundModel::MaxTrafficEvery))
                return QStringLiteral("every must be 1 to 3600 s");
            s.trafficEvery = value;
        } else if (key == QLatin1String("for")) {
            if (!ok || !(value > 0 && value <= SoundModel::MaxTrafficEvery))
                return QStringLiteral("for must be above 0 and at most 3600 s");
            s.trafficFor = value;
        } else {
            return usage;
        }
    }
    if (s.trafficFor > s.trafficEvery)
        return QStringLiteral("a vehicle cannot be heard for longer (%1 s) than the time between two (%2 s)")
            .arg(s.trafficFor)
            .arg(s.trafficEvery);
    s.mode = SoundModel::Mode::Leak;
    return saveChanged(s);
}

QString IioFeeder::placeSensor(bool relative, double metres)
{
    SoundModel::Settings s = SoundModel::load(m_root.toStdString());
    const double at = relative ? s.sensorAt + metres : metres;
    if (!(at >= 0 && at <= SoundModel::MaxPosition))
        return QStringLiteral("the sensor would stand at %1 m, off the pipe (0 to 10000 m)").arg(at);
    s.sensorAt = at;
    return saveChanged(s);
}

QString IioFeeder::stateText() const
{
    const SoundModel::Settings s = SoundModel::load(m_root.toStdString());
    const QString traffic = s.trafficLevel > 0 ? QStringLiteral(" traffic level %1 every %2 s for %3 s")
                                                     .arg(s.trafficLevel)
                                                     .arg(s.trafficEvery)
                                                     .arg(s.trafficFor)
                                               : QString();
    return QStringLiteral("leak mode %1 level %2 freq %3 at %4 m falloff %5 dB/m sensor at %6 m %7 heard %8%9\n")
        .arg(QLatin1String(SoundModel::modeName(s.mode)))
        .arg(s.leakLevel)
        .arg(s.frequency)
        .arg(s.leakAt)
        .arg(s.falloff)
        .arg(s.sensorAt)
        .arg(s.muted ? QStringLiteral("muted") : QStringLiteral("open"))
        .arg(s.level)
        .arg(traffic);
}

QString IioFeeder::saveChanged(SoundModel::Settings settings)
{
    settings.level = SoundModel::heardLevel(settings);
    return SoundModel::save(m_root.toStdString(), settings) ? QString() : QStringLiteral("cannot write sim/sound.state");
}

QString IioFeeder::setSensorMuted(bool muted)
{
    SoundModel::Settings s = SoundModel::load(m_root.toStdString());
    s.muted = muted;
    return saveChanged(s);
}

QString IioFeeder::setMode(SoundModel::Mode mode)
{
    SoundModel::Settings s = SoundModel::load(m_root.toStdString());
    s.mode = mode;
    return saveChanged(s);
}

void IioFeeder::start()
{
    m_running = false;
    refresh();
    m_timer.start(RefreshMs);
}

void IioFeeder::stop()
{
    m_timer.stop();
}

bool IioFeeder::enabled() const
{
    return SimRoot::readState(m_root, QString::fromLatin1(EnableFile)).trimmed() == "1";
}

void IioFeeder::refresh()
{
    if (!enabled()) {
        if (m_running)
            publish(QByteArray());
        m_running = false;
        return;
    }
    const SoundModel::Settings settings = SoundModel::load(m_root.toStdString());
    qint64 due = 0;
    if (!m_running) {
        // The driver has a full block ready by the time the first read comes.
        m_clock.start();
        m_rendered = 0;
        due = BlockSamples;
        m_running = true;
    } else {
        const qint64 target = BlockSamples + m_clock.nsecsElapsed() * SampleRate / 1000000000;
        due = target - m_rendered;
        if (due > MaxCatchUpSamples) {
            m_rendered += due - BlockSamples;
            due = BlockSamples;
        }
    }
    if (due <= 0)
        return;
    m_rendered += due;

    // Keep only the newest block; older samples slide out at the front.
    const int fresh = int(std::min<qint64>(due, BlockSamples));
    std::vector<int16_t> samples(size_t(std::max<qint64>(due, 0)));
    m_generator.render(samples.data(), unsigned(samples.size()), settings);
    std::move(m_window.begin() + fresh, m_window.end(), m_window.begin());
    std::copy(samples.end() - fresh, samples.end(), m_window.end() - fresh);

    QByteArray bytes(2 * BlockSamples, Qt::Uninitialized);
    for (int i = 0; i < BlockSamples; ++i)
        qToLittleEndian<qint16>(m_window[size_t(i)], bytes.data() + 2 * i);
    publish(bytes);
}

bool IioFeeder::publish(const QByteArray &bytes)
{
    // Written aside and renamed: a reader opens either the old block or the
    // new one, never half of each.
    QSaveFile file(m_device);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}
