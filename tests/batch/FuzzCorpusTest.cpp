// Replays the fuzz corpus kept beside this file in the normal test run.
#include "FormValuesFuzzCheck.h"
#include "FuzzCorpus.h"

TEST(FormValuesFuzzCorpus, EveryKeptInputPassesItsCheck)
{
    replayCorpus(QStringLiteral(FUZZ_CORPUS_DIR), checkFormValuesInput);
}
