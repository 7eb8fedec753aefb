// Any bytes as a stored measurement's info.ini (a file a PC may have
// edited): reading it back must not crash, and every value stays in bounds.
#include "measurements.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

bool allFinite(const QVector<float> &values)
{
    for (float v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_infoini";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app = [] {
        qInstallMessageHandler(quiet);
        return new QCoreApplication(argc, argv);
    }();
    (void)app;
    static QTemporaryDir root;
    static const bool rootSet = qputenv("KX500_ROOT", root.path().toLocal8Bit());
    (void)rootSet;
    static const char *const prefixes[] = {"LE_", "PP_", "PL_", "H2_", "LT_", "XX_"};
    static unsigned serial = 0;

    // A new directory each time: QSettings caches a file by path, size and time.
    const int kind = size ? data[0] % 6 : 5;
    const QString dirName =
        QLatin1String(prefixes[kind]) + QStringLiteral("20260101_000000_") + QString::number(++serial);
    const QString dir = root.path() + Measurements::rootPath() + dirName;
    QDir().mkpath(dir);
    {
        QFile file(dir + QStringLiteral("/info.ini"));
        const char *bytes = reinterpret_cast<const char *>(data);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes, qint64(size)) != qint64(size))
            std::abort();
    }

    // A damaged file loads as false; either way every value stays in bounds.
    StoredMeasurement m;
    m.load(dirName);
    if (m.type() != (kind < 5 ? kind : -1))
        std::abort();
    if (m.levelsData().size() > StoredMeasurement::MaxLevelsData || m.fftValues().size() > StoredMeasurement::MaxFftValues)
        std::abort();
    if (!allFinite(m.levelsData()) || !allFinite(m.fftValues()) || !std::isfinite(m.level()))
        std::abort();
    for (int point = 0; point <= Measurements::Points + 1; ++point) {
        const bool inside = point >= 1 && point <= Measurements::Points;
        if (!std::isfinite(m.pointLevel(point)) || (!inside && (m.pointLevel(point) != 0 || m.pointFrequency(point) != 0)))
            std::abort();
    }
    if (m.filterType() < 0 || m.filterType() > 2 || (m.filterType() == 0 && (m.lowCutOff() || m.highCutOff())))
        std::abort();
    QDir(dir).removeRecursively();
    return 0;
}
