// Any bytes from the GNSS receiver's serial line, cut into chunks of varying
// size and epochs ended at varying places: the driver must neither crash nor
// let its buffers grow, never report an impossible position, counts or
// reception figure, never take 0 N 0 E for a fix, and set the clock at most
// once and only to a time between the build day and LastClockYear.
#include "gps.h"
#include "nmeapositioninfosourceraw.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdint>
#include <cstdlib>

namespace {

int dateCommands = 0;

// Without a root the date command is only logged; that line is what the
// driver asked for.
void watchCommands(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!message.contains(QLatin1String("+%F")))
        return;
    ++dateCommands;
    static const QRegularExpression date(QStringLiteral("-s\\W+(\\d+)-(\\d+)-(\\d+)"));
    const QRegularExpressionMatch m = date.match(message);
    const QDate day = m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt())
                                   : QDate();
    // Without settings the offset is 0: the date is the fix's UTC date.
    if (!day.isValid() || day < Gps::earliestClockTime().date() || day.year() > Gps::LastClockYear)
        std::abort();
}

void check(const Gps &gps)
{
    if (gps.receiveBufferSize() > Gps::MaxSentence)
        std::abort();
    if (!(gps.getLatitude() >= -90.0 && gps.getLatitude() <= 90.0))
        std::abort();
    if (!(gps.getLongitude() >= -180.0 && gps.getLongitude() <= 180.0))
        std::abort();
    if (gps.getGpsQuality() < 0 || gps.getGpsQuality() > 100)
        std::abort();
    if (gps.getNumSatellitesUsed() < 0 || gps.getNumSatellitesUsed() > NmeaPositionInfoSourceRaw::MaxUsed)
        std::abort();
    if (gps.getNumSatellitesInView() < 0 || gps.gsvSatellite(Gps::MaxSatellites).number != 0)
        std::abort();
    if (gps.isGpsDataValid() && gps.getLatitude() == 0.0 && gps.getLongitude() == 0.0)
        std::abort();
    if (gps.getRmcUtcTime().size() > 8)
        std::abort();
    const NmeaPositionInfoSourceRaw *raw = gps.nmeaSource();
    for (const QString &sentence : {raw->getNmeaGgaString(), raw->getNmeaGsaString(), raw->getNmeaRmcString(),
                                    raw->getNmeaVtgString(), raw->getNmeaGsvString(4)}) {
        if (sentence.size() > Gps::MaxSentence)
            std::abort();
    }
    if (dateCommands > 1)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_nmea";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app = [] {
        qputenv("KX500_ROOT", "/nonexistent-kx500-root");
        qInstallMessageHandler(watchCommands);
        return new QCoreApplication(argc, argv);
    }();
    (void)app;
    if (size == 0)
        return 0;

    // The first byte sets the chunk size, as the serial port hands over
    // whatever has arrived, whether a quiet gap ends the epoch after each
    // chunk, and whether the module is switched off halfway.
    const size_t chunk = 1 + data[0] % 64;
    const bool gapAfterChunks = data[0] & 0x40;
    const bool switchOff = data[0] & 0x80;
    dateCommands = 0;
    Gps gps;
    gps.initGps(0); // every fix at once, without waiting for a timer
    gps.switchOnGpsModul();
    gps.enableSystemTimeSettingViaGps(true);
    for (size_t at = 1; at < size; at += chunk) {
        const size_t n = std::min(chunk, size - at);
        gps.receiveData(QByteArray(reinterpret_cast<const char *>(data + at), int(n)));
        if (gapAfterChunks)
            gps.completeEpoch();
        check(gps);
        if (switchOff && at > size / 2 && gps.isSwitchedOn()) {
            gps.switchOffGpsModul();
            if (!gps.getNmeaString().isEmpty())
                std::abort();
        }
    }
    // The line falls quiet.
    gps.completeEpoch();
    check(gps);
    gps.clearLastGpsData();
    if (gps.getNumSatellitesInView() != 0 || gps.getRmcUtcTime() != QLatin1String("NO GPS"))
        std::abort();
    return 0;
}
