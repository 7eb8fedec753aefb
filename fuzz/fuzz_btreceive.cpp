// Any bytes from a Bluetooth module's serial line, cut into chunks of
// varying size: the driver must neither crash nor let its buffers grow.
#include "bluetooth.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_btreceive";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app = [] {
        qputenv("KX500_ROOT", "/nonexistent-kx500-root");
        qInstallMessageHandler(quiet);
        return new QCoreApplication(argc, argv);
    }();
    (void)app;
    if (size == 0)
        return 0;

    // The first byte sets the chunk size, as the serial port hands over
    // whatever has arrived.
    const size_t chunk = 1 + data[0] % 64;
    Bluetooth bt;
    bt.callBtDeviceA2DP(data[0] & 1);
    for (size_t at = 1; at < size; at += chunk) {
        const size_t n = std::min(chunk, size - at);
        bt.receiveData(QByteArray(reinterpret_cast<const char *>(data + at), int(n)));
        if (bt.receiveBufferSize() > Bluetooth::MaxAnswerBuffer)
            std::abort();
        if (bt.queuedMessages() < 0 || bt.queuedMessages() > Bluetooth::TransmitSlots)
            std::abort();
    }
    bt.sendData(QStringLiteral("BT_TX B"));
    if (bt.getData().size() > Bluetooth::MaxAnswerCopy)
        std::abort();
    return 0;
}
