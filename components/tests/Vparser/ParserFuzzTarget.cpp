// libFuzzer entry: arbitrary texts and settings through CreateTree and
// Evaluate (see ParserFuzzInput.h for the input layout).
#include "components/tests/Vparser/ParserFuzzInput.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString failure = runParserFuzzInput(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "parser check failed: %s\n", failure.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
