// Replays the fuzz corpus kept beside this file in the normal test run.
#include "FuzzCorpus.h"
#include "ScannerFuzzCheck.h"

TEST(LiteralScannerFuzzCorpus, EveryKeptInputPassesItsCheck)
{
    replayCorpus(QStringLiteral(FUZZ_CORPUS_DIR), checkScannerInput);
}
