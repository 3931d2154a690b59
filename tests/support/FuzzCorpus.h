#pragma once
// Replays a fuzz corpus kept in the repository: every input the fuzzer kept
// must still pass its check.
#include "tests/support/FuzzCheck.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

inline void replayCorpus(const QString &folder, FuzzCheck check)
{
    const QDir corpus(folder);
    const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 10) << "the corpus is missing: " << folder.toStdString();
    for (const QString &name : files) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray data = file.readAll();
        const QString failure = check(reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size()));
        EXPECT_TRUE(failure.isEmpty()) << name.toStdString() << ": " << failure.toStdString();
    }
}
