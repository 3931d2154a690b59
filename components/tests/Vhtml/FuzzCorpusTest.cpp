// Replays the fuzz corpus kept beside this file in the normal test run.
#include "tests/support/FuzzCorpus.h"
#include "components/tests/Vhtml/MarkupFuzzCheck.h"

TEST(MarkupScanFuzzCorpus, EveryKeptInputPassesItsCheck)
{
    replayCorpus(QStringLiteral(FUZZ_CORPUS_DIR), checkMarkupInput);
}
