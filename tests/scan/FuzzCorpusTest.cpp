// Replays the fuzz corpus kept beside this file in the normal test run.
#include "tests/support/FuzzCorpus.h"
#include "tests/scan/LexerFuzzCheck.h"
#include "tests/scan/ScannerFuzzCheck.h"

TEST(LiteralScannerFuzzCorpus, EveryKeptInputPassesItsCheck)
{
    replayCorpus(QStringLiteral(FUZZ_CORPUS_DIR), checkScannerInput);
}

// The lexer's corpus: its invariants always, the comparison with clang when
// the tests are built with libclang.
TEST(LexerFuzzCorpus, KeptInputsKeepTheLexerInvariants)
{
    replayCorpus(QStringLiteral(LEXER_CORPUS_DIR), [](const uint8_t *data, size_t size) {
        return checkLexerInvariants(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    });
}

TEST(LexerFuzzCorpus, KeptInputsAgreeWithClang)
{
    if (!clangAvailable())
        GTEST_SKIP() << "built without libclang (libclang-14-dev): the comparison did not run";
    replayCorpus(QStringLiteral(LEXER_CORPUS_DIR), checkLexerInput);
}
