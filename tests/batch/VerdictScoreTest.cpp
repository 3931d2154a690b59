// The verdicts measured against hand labels of the shared real units
// (tests/scan/labels/*.tsv: file, line, column, label, reason): precision
// and recall of "user text" per page kind and overall.
#include "batch/BatchExtract.h"
#include "platform/core/TextFile.h"
#include "scan/ProjectKeywords.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace {
using Place = std::tuple<QString, int, int>; // file relative to the units, line, column

struct Score
{
    int tp = 0, fp = 0, fn = 0;
    double precision() const { return tp + fp ? double(tp) / (tp + fp) : 1.0; }
    double recall() const { return tp + fn ? double(tp) / (tp + fn) : 1.0; }
    void count(bool predicted, bool labelled)
    {
        tp += predicted && labelled;
        fp += predicted && !labelled;
        fn += !predicted && labelled;
    }
};

TEST(VerdictScore, MeetsTheTargetsOnTheLabelledUnits)
{
    const QDir units(QStringLiteral(VTQX_SHARED_DIR "/units"));
    if (!units.exists())
        GTEST_SKIP() << "no shared units at " << units.path().toStdString();
    std::map<Place, bool> labels; // true: user text
    for (const QFileInfo &tsv : QDir(QStringLiteral(VTQX_LABELS_DIR)).entryInfoList({QStringLiteral("*.tsv")})) {
        QFile f(tsv.filePath());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << tsv.filePath().toStdString();
        const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QStringList c = lines[i].trimmed().split(u'\t');
            ASSERT_GE(c.size(), 4) << tsv.fileName().toStdString() << ":" << i + 1;
            ASSERT_TRUE(c[3] == u"user" || c[3] == u"not") << tsv.fileName().toStdString() << ":" << i + 1;
            labels[{c[0], c[1].toInt(), c[2].toInt()}] = c[3] == u"user";
        }
    }
    ASSERT_FALSE(labels.empty()) << "the units are there but no labels were found in " VTQX_LABELS_DIR;

    std::set<QString> labelledFiles;
    for (const auto &[place, user] : labels)
        labelledFiles.insert(std::get<0>(place));
    std::map<QString, Score> scores; // "cpp", "dfm"
    std::set<Place> matched;
    for (const QString &rel : labelledFiles) {
        const QString path = units.filePath(rel);
        ASSERT_TRUE(QFileInfo::exists(path)) << "labelled file missing: " << rel.toStdString();
        const bool dfm = rel.endsWith(QLatin1String(".dfm"), Qt::CaseInsensitive);
        const QString page = TextFile::withCrLfBreaks(TextFile::load(path).text);
        const ProjectSettings project = readProjectSettings(QFileInfo(path).path(), Language::English);
        for (const Batch::Literal &l : Batch::findLiterals(page, dfm ? SourcePage::Dfm : SourcePage::Cpp, project.rules)) {
            const auto it = labels.find({rel, l.pos.row, l.pos.col});
            if (it == labels.end())
                continue;
            matched.insert(it->first);
            scores[dfm ? QStringLiteral("dfm") : QStringLiteral("cpp")].count(
                l.verdict() == LiteralVerdict::UserText, it->second);
        }
    }
    for (const auto &[place, user] : labels)
        if (!matched.count(place))
            ADD_FAILURE() << "a label matches no literal: " << std::get<0>(place).toStdString() << ":"
                          << std::get<1>(place) << ":" << std::get<2>(place);

    Score all;
    for (const auto &[kind, s] : scores) {
        all.tp += s.tp, all.fp += s.fp, all.fn += s.fn;
        std::printf("%s: precision %.1f %% recall %.1f %% (%d right, %d wrongly taken, %d missed)\n",
                    qPrintable(kind), 100 * s.precision(), 100 * s.recall(), s.tp, s.fp, s.fn);
    }
    std::printf("overall: precision %.1f %% recall %.1f %%\n", 100 * all.precision(), 100 * all.recall());
    EXPECT_GE(scores[QStringLiteral("cpp")].precision(), 0.90);
    EXPECT_GE(scores[QStringLiteral("dfm")].precision(), 0.95);
    EXPECT_GE(scores[QStringLiteral("cpp")].recall(), 0.95);
    EXPECT_GE(scores[QStringLiteral("dfm")].recall(), 0.95);
}
} // namespace
