#include "platform/gui/EditorModel.h"
#include "tests/support/QtPrint.h"
#include "tests/support/TestSeed.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <random>

namespace {

// Lines of many lengths, some longer than the model's read chunk, with
// characters outside the basic plane and empty lines.
QString mixedText(unsigned seed)
{
    std::mt19937 rng(seed);
    QString text;
    for (int i = 0; i < 400; ++i) {
        const int len = i % 50 == 7 ? 6000 + int(rng() % 3000) : int(rng() % 90);
        for (int k = 0; k < len; ++k) {
            if (rng() % 97 == 0)
                text += QString::fromUcs4(U"\U0001F600", 1);
            else
                text += QChar(u'a' + int(rng() % 26));
        }
        text += u"\r\n"_qs;
    }
    return text + u"last"_qs;
}

// Reads at random positions, in both directions, onto the line feeds of
// breaks and at the very end, and compares with the whole text.
void expectRandomReads(EditorModel &m, const QString &full, unsigned seed)
{
    std::mt19937 rng(seed);
    const int n = int(full.size());
    for (int k = 0; k < 5000; ++k) {
        const int i = k % 5 == 0 ? n - 1 - int(rng() % 3) : int(rng() % unsigned(n));
        ASSERT_EQ(m.charAt(i), full.at(i)) << "jump to " << i;
    }
}

TEST(EditorRead, CharAtAgreesWithTheWholeText)
{
    QPlainTextEdit edit;
    EditorModel &m = EditorModel::of(&edit);
    const quint32 seed = testSeed(11);
    VTQX_SEED_TRACE(seed);
    m.setText(mixedText(seed));
    const QString full = m.text();
    const int n = m.length();
    ASSERT_EQ(full.size(), n);
    ASSERT_GT(n, 1 << 16); // long enough for a sequential read to take a copy

    // Line by line: jumps only.
    expectRandomReads(m, full, seed + 1);
    // A read from front to back, which changes over to a copy on the way.
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(m.charAt(i), full.at(i)) << "sequential read at " << i;
    // Jumps served from the copy.
    expectRandomReads(m, full, seed + 2);
    EXPECT_EQ(m.charAt(n), QChar(u'\0'));
    EXPECT_EQ(m.charAt(-1), QChar(u'\0'));

    // A change drops the copy: reads follow the new text.
    m.replace(10, 5, u"XY\r\nZ"_qs);
    const QString changed = m.text();
    ASSERT_NE(changed, full);
    expectRandomReads(m, changed, seed + 3);
    for (int i = 0; i < m.length(); ++i)
        ASSERT_EQ(m.charAt(i), changed.at(i)) << "sequential read at " << i;
}

TEST(EditorRead, PositionsConvertTheSameInsideAndOutsideTheReadChunk)
{
    QPlainTextEdit edit;
    EditorModel &m = EditorModel::of(&edit);
    QString text;
    for (int i = 0; i < 4000; ++i)
        text += QString(i % 7 == 0 ? 0 : 5 + i % 40, QChar(u'a' + i % 26)) + u"\r\n"_qs;
    m.setText(text);
    ASSERT_EQ(m.text(), text);
    std::vector<int> docPos(size_t(text.size()) + 1);
    for (int pos = 0, breaks = 0; pos < text.size(); ++pos) {
        docPos[size_t(pos)] = pos - breaks;
        breaks += text.at(pos) == u'\r';
    }
    // On the LF of a break: the break's own position, or the one behind it.
    auto expected = [&](int pos, bool roundUp) {
        const bool onLineFeed = pos > 0 && text.at(pos - 1) == u'\r';
        return docPos[size_t(pos)] + (onLineFeed && roundUp ? 1 : 0);
    };
    auto check = [&](int pos) {
        EXPECT_EQ(m.toDocPos(pos, false), expected(pos, false)) << pos;
        EXPECT_EQ(m.toDocPos(pos, true), expected(pos, true)) << pos;
    };
    for (const bool copy : {false, true}) {
        SCOPED_TRACE(copy ? "read from a copy" : "read line by line");
        if (copy) // a long sequential read switches to a copy of the text
            for (int i = 0; i < m.length(); ++i)
                m.charAt(i);
        for (int pos = 0; pos < m.length(); pos += 7) {
            m.charAt(pos + 5000 < m.length() ? pos + 5000 : 0); // pos outside the chunk
            check(pos);
            m.charAt(pos); // pos inside the chunk
            check(pos);
            const int up = expected(pos, true);
            EXPECT_EQ(m.fromDocPos(up), pos + (up != expected(pos, false) ? 1 : 0)) << pos;
        }
    }
}

TEST(EditorRead, ReadsFollowEdits)
{
    QPlainTextEdit edit;
    EditorModel &m = EditorModel::of(&edit);
    m.setText(u"abc\r\ndef"_qs);
    EXPECT_EQ(m.charAt(5), QChar(u'd'));
    m.replace(0, 3, u"xy\r\nz"_qs);
    EXPECT_EQ(m.text(), u"xy\r\nz\r\ndef"_qs);
    for (int i = 0; i < m.length(); ++i)
        EXPECT_EQ(m.charAt(i), m.text().at(i)) << i;
    m.append(u"!"_qs);
    EXPECT_EQ(m.charAt(m.length() - 1), QChar(u'!'));
    edit.document()->undo();
    EXPECT_EQ(m.charAt(m.length() - 1), QChar(u'f'));
}

} // namespace
