#include "scan/TextSearch.h"
#include "tests/support/QtPrint.h"
#include "tests/scan/RecordingDriver.h"
#include "tests/support/TestSeed.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using O = ScanResult::Outcome;

// Counts the characters read, to show that one search reads each at most once.
struct CountingSource : TextSource
{
    using TextSource::TextSource;
    QChar charAt(int pos) const
    {
        ++reads;
        return TextSource::charAt(pos);
    }
    mutable int reads = 0;
};

TEST(TextSearch, Cases)
{
    struct Row
    {
        QString text;
        int from;
        QString needle;
        ScanResult expected;
    };
    const Row rows[] = {
        {u"Label1->Caption = x; // caption"_qs, 0, u"caption"_qs, {O::Found, 24, 7}},
        {u"Label1->Caption"_qs, 0, u"caption"_qs, {O::EndOfText}},
        {u"abc abc"_qs, 1, u"abc"_qs, {O::Found, 4, 3}},
        // behind a selected "aa" at 0..1 the overlapping "aa" at 1 is not seen
        {u"aaa"_qs, 2, u"aa"_qs, {O::EndOfText}},
        {u"aaab"_qs, 0, u"aab"_qs, {O::Found, 1, 3}},
        {u"ababcababd"_qs, 0, u"ababd"_qs, {O::Found, 5, 5}},
        {u"one\r\ntwo"_qs, 0, u"two"_qs, {O::Found, 5, 3}},
        {u"abc"_qs, 1, u"bcd"_qs, {O::EndOfText}}, // a shorter piece at the end
        {u"abc"_qs, 3, u"c"_qs, {O::PastEnd}},
        {QString(), 0, u"x"_qs, {O::PastEnd}},
        // the empty text matches at once behind the selection
        {u"abc"_qs, 1, QString(), {O::Found, 1, 0}},
        {u"abc"_qs, 3, QString(), {O::PastEnd}},
    };
    for (const Row &row : rows) {
        TextSource src(row.text);
        RecordingDriver d;
        EXPECT_EQ(findText(src, row.from, row.needle, d), row.expected)
            << row.text.toStdString() << " / " << row.needle.toStdString() << " from " << row.from;
    }
}

TEST(TextSearch, AgreesWithIndexOfOnRandomTexts)
{
    const quint32 seed = testSeed(7);
    VTQX_SEED_TRACE(seed);
    std::mt19937 rng(seed);
    auto randomText = [&](int maxLen) {
        QString s;
        const int n = int(rng() % unsigned(maxLen + 1));
        for (int i = 0; i < n; ++i)
            s += QChar(u"abAB"[rng() % 3]); // mostly a and b: many partial matches
        return s;
    };
    for (int i = 0; i < 3000; ++i) {
        const QString text = randomText(40);
        const QString needle = randomText(6);
        const int from = int(rng() % unsigned(text.size() + 2));
        TextSource src(text);
        RecordingDriver d;
        const ScanResult r = findText(src, from, needle, d);
        const int at = int(text.indexOf(needle, from));
        if (from >= text.size())
            EXPECT_EQ(r.outcome, O::PastEnd);
        else if (at >= 0)
            EXPECT_EQ(r, (ScanResult{O::Found, at, int(needle.size())})) << text.toStdString() << " / "
                                                                        << needle.toStdString() << " " << from;
        else
            EXPECT_EQ(r.outcome, O::EndOfText) << text.toStdString() << " / " << needle.toStdString();
    }
}

TEST(TextSearch, ReadsEachCharacterOnce)
{
    // The worst case for a naive search: every position nearly matches.
    const QString text(20000, u'a');
    const QString needle = QString(500, u'a') + u'b';
    CountingSource src(text);
    RecordingDriver d;
    EXPECT_EQ(findText(src, 100, needle, d).outcome, O::EndOfText);
    EXPECT_EQ(src.reads, 20000 - 100);
    EXPECT_EQ(d.pumps, 20000 - 100);
}

TEST(TextSearch, StopEndsTheSearch)
{
    TextSource src(u"xxxxxxxxfound"_qs);
    RecordingDriver d;
    d.stopAfterPumps = 4;
    EXPECT_EQ(findText(src, 0, u"found"_qs, d).outcome, O::Stopped);
    EXPECT_EQ(d.pumps, 4);
}

} // namespace
