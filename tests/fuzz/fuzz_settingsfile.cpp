// libFuzzer entry: any bytes as a settings file (checks in SettingsFileProbe.cpp).
#include "tests/fuzz/SettingsFileProbe.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString problem =
        probeSettingsBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "settings file: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
