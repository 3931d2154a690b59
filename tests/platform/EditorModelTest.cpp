#include "platform/gui/EditorLook.h"
#include "platform/gui/EditorModel.h"
#include "tests/support/QtPrint.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {
struct Editor
{
    QPlainTextEdit edit;
    EditorModel &m = EditorModel::of(&edit);
    explicit Editor(const QString &text) { m.setText(text); }
};
} // namespace

TEST(EditorModel, EmptyText)
{
    Editor e(QString{});
    EXPECT_EQ(e.m.text(), QString());
    EXPECT_EQ(e.m.length(), 0);
    EXPECT_EQ(e.m.lineCount(), 0);
    EXPECT_EQ(e.m.line(0), QString());
    EXPECT_EQ(e.m.lineFromChar(0), 0);
    EXPECT_EQ(e.m.lineIndex(0), 0);
    EXPECT_EQ(e.m.lineIndex(1), -1);
    EXPECT_EQ(e.m.selStart(), 0);
    EXPECT_EQ(e.m.selLength(), 0);
    EXPECT_EQ(e.m.charAt(0), QChar(u'\0'));
}

TEST(EditorModel, EveryLineBreakFormBecomesCrLf)
{
    Editor e(QStringLiteral("a\r\nb\nc\rd"));
    EXPECT_EQ(e.m.text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(e.m.length(), 10);
    EXPECT_EQ(e.m.lineCount(), 4);
    // A lone CR directly before LF is one break, not two.
    Editor f(QStringLiteral("x\r\r\ny"));
    EXPECT_EQ(f.m.text(), QStringLiteral("x\r\n\r\ny"));
}

TEST(EditorModel, LinesAsAStringListSeesThem)
{
    Editor withBreak(QStringLiteral("abc\r\n"));
    EXPECT_EQ(withBreak.m.lineCount(), 1);
    EXPECT_EQ(withBreak.m.length(), 5);
    Editor without(QStringLiteral("abc\r\ndef"));
    EXPECT_EQ(without.m.lineCount(), 2);
    EXPECT_EQ(without.m.line(1), QStringLiteral("def"));
    EXPECT_EQ(without.m.line(2), QString());
    EXPECT_EQ(without.m.line(-1), QString());
    Editor blank(QStringLiteral("\r\n"));
    EXPECT_EQ(blank.m.lineCount(), 1);
    EXPECT_EQ(blank.m.line(0), QString());
}

TEST(EditorModel, CharactersAndLineIndexesCountBreaksAsTwo)
{
    const QString text = QStringLiteral("ab\r\ncde\r\n\r\nf");
    Editor e(text);
    ASSERT_EQ(e.m.length(), text.size());
    for (int i = 0; i < text.size(); ++i)
        EXPECT_EQ(e.m.charAt(i), text.at(i)) << i;
    // Read backwards too: the cache must not serve stale blocks.
    for (int i = text.size() - 1; i >= 0; --i)
        EXPECT_EQ(e.m.charAt(i), text.at(i)) << i;
    EXPECT_EQ(e.m.charAt(text.size()), QChar(u'\0'));
    EXPECT_EQ(e.m.charAt(-1), QChar(u'\0'));

    const int starts[] = {0, 4, 9, 11};
    for (int l = 0; l < 4; ++l)
        EXPECT_EQ(e.m.lineIndex(l), starts[l]) << l;
    EXPECT_EQ(e.m.lineIndex(4), -1);
    // Every character, both halves of a break included, belongs to its line.
    const int lineOf[] = {0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 3};
    for (int i = 0; i < text.size(); ++i)
        EXPECT_EQ(e.m.lineFromChar(i), lineOf[i]) << i;
    EXPECT_EQ(e.m.lineFromChar(text.size()), 3);
    EXPECT_EQ(e.m.lineFromChar(1000), 3);
}

TEST(EditorModel, SelectionsAcrossLinesRoundTrip)
{
    const QString text = QStringLiteral("one\r\ntwo\r\nthree");
    Editor e(text);
    struct Case
    {
        int start, length;
    };
    const Case cases[] = {{0, 0}, {0, 3}, {0, 5}, {2, 6}, {3, 2}, {5, 3}, {3, 10}, {10, 5}, {15, 0}, {0, 15}};
    for (const Case &c : cases) {
        e.m.setSelection(c.start, c.length);
        EXPECT_EQ(e.m.selStart(), c.start) << c.start << "+" << c.length;
        EXPECT_EQ(e.m.selLength(), c.length) << c.start << "+" << c.length;
        EXPECT_EQ(e.m.selectedText(), text.mid(c.start, c.length)) << c.start << "+" << c.length;
    }
}

TEST(EditorModel, APositionInsideALineBreakTakesTheWholeBreak)
{
    Editor e(QStringLiteral("one\r\ntwo"));
    e.m.setSelection(4, 2); // from the LF into "two"
    EXPECT_EQ(e.m.selStart(), 3);
    EXPECT_EQ(e.m.selLength(), 3);
    e.m.setSelection(1, 3); // ends on the LF
    EXPECT_EQ(e.m.selStart(), 1);
    EXPECT_EQ(e.m.selLength(), 4);
}

TEST(EditorModel, SelectionBeyondTheEndIsClamped)
{
    Editor e(QStringLiteral("ab\r\ncd"));
    e.m.setSelection(4, 100);
    EXPECT_EQ(e.m.selStart(), 4);
    EXPECT_EQ(e.m.selLength(), 2);
    e.m.setSelection(50, 3);
    EXPECT_EQ(e.m.selStart(), 6);
    EXPECT_EQ(e.m.selLength(), 0);
}

TEST(EditorModel, CaretLineFollowsTheMovingEnd)
{
    Editor e(QStringLiteral("ab\r\ncd\r\nef"));
    QTextCursor c(e.edit.document());
    c.setPosition(1);
    c.setPosition(7, QTextCursor::KeepAnchor); // dragged down into line 2
    e.edit.setTextCursor(c);
    EXPECT_EQ(e.m.selStart(), 1);
    EXPECT_EQ(e.m.caretLine(), 2);
    EXPECT_EQ(e.m.lineFromChar(e.m.selStart()), 0);
}

TEST(EditorModel, ReplaceIsOneUndoableEdit)
{
    Editor e(QStringLiteral("Caption = \"Hello\";\r\nnext"));
    const int inserted = e.m.replace(10, 7, QStringLiteral("String1\r\nx"));
    EXPECT_EQ(inserted, 10);
    EXPECT_EQ(e.m.text(), QStringLiteral("Caption = String1\r\nx;\r\nnext"));
    e.edit.undo();
    EXPECT_EQ(e.m.text(), QStringLiteral("Caption = \"Hello\";\r\nnext"));
}

TEST(EditorModel, ReadsSeeEditsMadeBehindTheirBack)
{
    Editor e(QStringLiteral("abc\r\ndef"));
    EXPECT_EQ(e.m.charAt(5), QChar(u'd'));
    QTextCursor c(e.edit.document());
    c.setPosition(4);
    c.insertText(QStringLiteral("X"));
    EXPECT_EQ(e.m.charAt(5), QChar(u'X'));
    EXPECT_EQ(e.m.charAt(6), QChar(u'd'));
    e.m.append(QStringLiteral("\r\nlast"));
    EXPECT_EQ(e.m.text(), QStringLiteral("abc\r\nXdef\r\nlast"));
    EXPECT_EQ(e.m.lineCount(), 3);
}

TEST(EditorModel, OneModelPerEditor)
{
    QPlainTextEdit edit;
    EXPECT_EQ(&EditorModel::of(&edit), &EditorModel::of(&edit));
}

TEST(EditorModel, AVeryLongLineIsShownInRowsOfBoundedLengthAndStaysOneLine)
{
    QPlainTextEdit edit;
    applyEditorLook(&edit);
    EditorModel &m = EditorModel::of(&edit);
    QString line(200000, u'x');
    line.replace(100000, 4, QStringLiteral("\"ab\""));
    const QString text = line + QStringLiteral("\r\nshort");
    m.setText(text);
    ASSERT_TRUE(m.isWrapped());
    m.setSelection(100000, 4);
    EXPECT_EQ(m.selectedText(), QStringLiteral("\"ab\""));
    EXPECT_EQ(m.text(), text);
    EXPECT_EQ(m.lineCount(), 2);
    EXPECT_EQ(m.selectionRowCol(), (RowCol{1, 100001}));
    // Read a piece at a time: from the middle, then front to back.
    EXPECT_EQ(m.charAt(100003), u'"');
    QString read;
    for (int i = 0; i < m.length(); ++i)
        read += m.charAt(i);
    EXPECT_EQ(read, text);
    EXPECT_EQ(m.lineFromChar(200002), 1);
    // What a caret move costs: finding the caret's row among the rows and
    // measuring within that row. Both stay short only when the rows are
    // neither the whole line nor as narrow as the window.
    const QTextBlock b = edit.document()->firstBlock();
    edit.document()->documentLayout()->blockBoundingRect(b);
    EXPECT_LE(b.layout()->lineForTextPosition(100000).textLength(), 4096);
    EXPECT_LE(b.layout()->lineCount(), 200000 / 2000);

    // Whole text without such a line: shown as every page is.
    m.setText(QStringLiteral("short\r\nlines"));
    EXPECT_FALSE(m.isWrapped());
    EXPECT_EQ(edit.lineWrapMode(), QPlainTextEdit::NoWrap);
    // A long line typed or pasted into a page wraps it from then on; the
    // edit stays a change the user can undo.
    m.append(QString(5000, u'y'));
    EXPECT_TRUE(m.isWrapped());
    EXPECT_EQ(m.line(1), QStringLiteral("lines") + QString(5000, u'y'));
    EXPECT_TRUE(edit.document()->isModified());
    edit.undo();
    EXPECT_EQ(m.text(), QStringLiteral("short\r\nlines"));
}
