// Replays the fuzz corpus kept beside this file in the normal test run.
#include "tests/batch/FormValuesFuzzCheck.h"
#include "tests/support/FuzzCorpus.h"

TEST(FormValuesFuzzCorpus, EveryKeptInputPassesItsCheck)
{
    replayCorpus(QStringLiteral(FUZZ_CORPUS_DIR), checkFormValuesInput);
}
