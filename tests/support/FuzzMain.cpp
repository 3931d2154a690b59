// libFuzzer entry shared by the fuzz targets: VTQX_FUZZ_CHECK names the
// target's check (FuzzCheck.h), which returns "" when every check held. Targets
// that link widgets get an offscreen application first.
#include "tests/support/FuzzCheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#ifdef QT_WIDGETS_LIB
#include <QApplication>
#endif

QString VTQX_FUZZ_CHECK(const uint8_t *data, size_t size);

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
#ifdef QT_WIDGETS_LIB
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: libFuzzer leaves through exit(), after Qt's own
    // statics may be gone.
    static QApplication *app = new QApplication(*argc, *argv);
    (void)app;
#else
    (void)argc;
    (void)argv;
#endif
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString failure = VTQX_FUZZ_CHECK(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "fuzz check failed: %s\n", failure.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
