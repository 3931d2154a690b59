// libFuzzer entry for one check, named by VTQX_FUZZ_CHECK at build time.
#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

QString VTQX_FUZZ_CHECK(const uint8_t *data, size_t size);

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString failure = VTQX_FUZZ_CHECK(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "check failed: %s\n", failure.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
