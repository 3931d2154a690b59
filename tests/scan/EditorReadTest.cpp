#include "EditorModel.h"
#include "QtPrint.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <random>

namespace {

// Lines of many lengths, some longer than the model's read chunk, with
// characters outside the basic plane and empty lines.
QString mixedText()
{
    std::mt19937 rng(11);
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

TEST(EditorRead, CharAtAgreesWithTheWholeText)
{
    QPlainTextEdit edit;
    EditorModel &m = EditorModel::of(&edit);
    m.setText(mixedText());
    const QString full = m.text();
    const int n = m.length();
    ASSERT_EQ(full.size(), n);

    for (int i = 0; i < n; ++i)
        ASSERT_EQ(m.charAt(i), full.at(i)) << "sequential read at " << i;

    // Jumps in both directions, onto line feeds of breaks, to the last one.
    std::mt19937 rng(3);
    for (int k = 0; k < 20000; ++k) {
        const int i = k % 5 == 0 ? n - 1 - int(rng() % 3) : int(rng() % unsigned(n));
        ASSERT_EQ(m.charAt(i), full.at(i)) << "jump to " << i;
    }
    EXPECT_EQ(m.charAt(n), QChar(u'\0'));
    EXPECT_EQ(m.charAt(-1), QChar(u'\0'));
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
