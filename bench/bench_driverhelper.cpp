// Reading a sysfs number through DriverHelper against a bare POSIX read.
#include "driverhelper.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct Root
{
    Root()
    {
        qputenv("KX500_ROOT", dir.path().toLocal8Bit());
        QDir().mkpath(dir.path() + "/sys/class/power_supply/bq27426-0");
        QFile f(dir.path() + "/sys/class/power_supply/bq27426-0/voltage_now");
        f.open(QIODevice::WriteOnly);
        f.write("3900000\n");
    }
    QTemporaryDir dir;
};

Root &root()
{
    static Root r;
    return r;
}

void readNumber_reference(benchmark::State &state)
{
    const QByteArray path = (root().dir.path() + "/sys/class/power_supply/bq27426-0/voltage_now").toLocal8Bit();
    for (auto _ : state) {
        char text[64] = {};
        const int fd = ::open(path.constData(), O_RDONLY);
        const ssize_t n = ::read(fd, text, sizeof text - 1);
        ::close(fd);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(std::strtol(text, nullptr, 10));
    }
}

void readNumber_driverHelper(benchmark::State &state)
{
    root();
    const QString path = QStringLiteral("/sys/class/power_supply/bq27426-0/voltage_now");
    for (auto _ : state) {
        int value = 0;
        benchmark::DoNotOptimize(DriverHelper::readFile(path, value));
        benchmark::DoNotOptimize(value);
    }
}

} // namespace

BENCHMARK(readNumber_reference)->Name("readNumber/reference");
BENCHMARK(readNumber_driverHelper)->Name("readNumber/driverHelper");
