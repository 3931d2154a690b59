// Replays the fuzz corpora of the text file codec and the editor model.
#include "tests/support/FuzzCorpus.h"
#include "tests/platform/EditorModelFuzzInput.h"
#include "tests/platform/TextFileFuzzInput.h"

TEST(FuzzCorpus, TextFileCodec)
{
    replayCorpus(QStringLiteral(PLATFORM_CORPUS_DIR "/textfile"), runTextFileFuzzInput);
}

TEST(FuzzCorpus, EditorModel)
{
    replayCorpus(QStringLiteral(PLATFORM_CORPUS_DIR "/editormodel"), runEditorModelFuzzInput);
}
