// Replays the fuzz corpus kept beside this file in the normal test run.
#include "FuzzCorpus.h"
#include "MarkupFuzzCheck.h"

TEST(MarkupScanFuzzCorpus, EveryKeptInputPassesItsCheck)
{
    replayCorpus(QStringLiteral(FUZZ_CORPUS_DIR), checkMarkupInput);
}
