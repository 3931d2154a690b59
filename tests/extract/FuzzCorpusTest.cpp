// Replays the fuzz corpus kept beside this file in the normal test run.
#include "FuzzCorpus.h"
#include "FormFuzzCheck.h"

TEST(FormRulesFuzzCorpus, EveryKeptInputPassesItsCheck)
{
    replayCorpus(QStringLiteral(FUZZ_CORPUS_DIR), checkFormInput);
}
