// Replays the fuzz corpora of the text file codec and the editor model.
#include "FuzzCorpus.h"
#include "EditorModelFuzzInput.h"
#include "TextFileFuzzInput.h"

TEST(FuzzCorpus, TextFileCodec)
{
    replayCorpus(QStringLiteral(PLATFORM_CORPUS_DIR "/textfile"), runTextFileFuzzInput);
}

TEST(FuzzCorpus, EditorModel)
{
    replayCorpus(QStringLiteral(PLATFORM_CORPUS_DIR "/editormodel"), runEditorModelFuzzInput);
}
