// Replays the fuzz corpus kept beside this file in the normal test run.
#include "tests/support/FuzzCorpus.h"
#include "tests/extract/FormFuzzCheck.h"

TEST(FormRulesFuzzCorpus, EveryKeptInputPassesItsCheck)
{
    replayCorpus(QStringLiteral(FUZZ_CORPUS_DIR), checkFormInput);
}
