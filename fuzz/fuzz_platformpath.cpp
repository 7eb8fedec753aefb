// Any text as a device path: absolute paths land inside the root, all
// others pass through untouched.
#include "platform.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool rootSet = qputenv("KX500_ROOT", "/fuzz-root");
    (void)rootSet;
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QString mapped = Platform::path(input);
    if (input.startsWith(QLatin1Char('/')) ? mapped != QLatin1String("/fuzz-root") + input : mapped != input)
        std::abort();
    return 0;
}
