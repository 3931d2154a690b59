// Replays the fuzz corpus (components/tests/Vparser/corpus) in the normal
// test run: every input the fuzzer kept must still pass all its checks.
#include "components/platform/core/NumberText.h"
#include "components/tests/Vparser/ParserFuzzInput.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(ParserFuzzCorpus, EveryInputPassesItsChecks)
{
    const QDir corpus(QStringLiteral(VPARSER_CORPUS_DIR));
    const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 10) << "the corpus is missing";
    for (const QString &name : files) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray data = file.readAll();
        const QString failure = runParserFuzzInput(reinterpret_cast<const uint8_t *>(data.constData()), data.size());
        EXPECT_TRUE(failure.isEmpty()) << name.toStdString() << ": " << failure.toStdString();
    }
    ResetDecimalSeparator();
}
