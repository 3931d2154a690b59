#pragma once
// The classic multi-line edit model over a QPlainTextEdit: the text with CR LF
// line breaks, a 0-based selection start and a selection length in which a
// line break counts as two characters, lines by index. All conversions between
// these positions and the document's own positions happen here.
//
// Reading is cheap: charAt() serves sequential reads from a cached chunk of
// whole lines, so a scan costs what it reads, not the size of the document;
// positions inside that chunk convert without a search. Changes go through
// QTextCursor edits, which keep the user's undo history.
//
// Every character comes back as it went in: texts are read from the blocks'
// raw text (toPlainText() rewrites U+00A0 and U+2028), and the characters
// the document itself takes as breaks (U+2029, U+FDD0, U+FDD1) are held as
// a stand-in character that carries the original in its character format.
#include "platform/core/RowCol.h"

#include <QObject>
#include <QPlainTextEdit>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>

#include <memory>
#include <vector>

class EditorModel : public QObject
{
    Q_OBJECT
public:
    // The model attached to an editor (created on first use, owned by it).
    static EditorModel &of(QPlainTextEdit *edit);

    explicit EditorModel(QPlainTextEdit *edit);
    ~EditorModel() override;

    QPlainTextEdit *edit() const { return m_edit; }

    // Whole text with CR LF line breaks.
    QString text() const;
    // Replaces the whole text; any line break (CR LF, CR, LF) becomes one
    // editor line break. Clears the undo history and the modified flag.
    void setText(QString text);

    // A document holding text as setText() would leave it, built on any
    // thread without touching an editor; null when text holds a character
    // the document takes as a break (use setText() then).
    static std::unique_ptr<QTextDocument> buildDocument(QString text);
    // Shows doc (built by buildDocument(), living on this thread) in place of
    // the editor's document, with the editor's text settings, caret and
    // scroll position. Like setText(): no undo step, modified flag clear.
    void adoptDocument(std::unique_ptr<QTextDocument> doc);
    // Shows doc, which its owner keeps (and may change meanwhile), in place
    // of the editor's document; the caret goes to its start, or keepView:
    // caret and scroll position stay where they were.
    void showDocument(QTextDocument *doc, bool keepView = false);

    // Length of text() without building it.
    int length() const;

    int lineCount() const;
    // Line i without its line break; "" for an index outside the text.
    QString line(int i) const;
    // Index of the line that holds character index pos (clamped to the text).
    int lineFromChar(int pos) const;
    // Character index of the first character of line i; -1 when i is outside.
    int lineIndex(int i) const;

    int selStart() const;
    int selLength() const;
    // Line of the caret (the moving end of the selection).
    int caretLine() const;
    void setSelection(int start, int length);
    QString selectedText() const;

    // Character at index pos (0-based, CR LF counting two); '\0' past the end.
    QChar charAt(int pos) const
    {
        const qsizetype off = qsizetype(pos) - m_cacheStart;
        if (off >= 0 && off < m_cacheText.size())
            return m_cacheText.at(off);
        return charAtSlow(pos);
    }

    // Replaces length characters at start by text (line breaks normalised),
    // as one undoable edit. Returns the length of the inserted text in CR LF
    // counting.
    int replace(int start, int length, const QString &text);
    // Appends text at the very end as one undoable edit.
    void append(const QString &text);

    // Whether the page is shown wrapped (it holds a very long line).
    bool isWrapped() const { return m_wrapped; }

    bool isReadOnly() const { return m_edit->isReadOnly(); }
    // Read-only keeps a caret and keyboard selection, as any text view.
    void setReadOnly(bool on);

    // Editor position <-> document position.
    int toDocPos(int pos, bool roundUp) const;
    int fromDocPos(int docPos) const;

    // Row of the selection start and its column counted against the caret's
    // line, as the status bar and Extract's last-edit position show them.
    RowCol selectionRowCol() const
    {
        const int start = selStart();
        return RowCol{lineFromChar(start) + 1, start - lineIndex(caretLine()) + 1};
    }
    // Appends text so that it starts a line of its own: a line break goes
    // first when the text does not end with one.
    void appendOnNewLine(const QString &text);
    bool endsWithLineBreak() const
    {
        const int len = length();
        return len == 0 || charAt(len - 1) == u'\n';
    }

    // Any line break form to the editor's single line break.
    static QString normaliseBreaks(const QString &text);

private:
    // Keeps the caches in step with the shown document's edits.
    void watchDocument();
    QChar charAtSlow(int pos) const;
    // Raw text of a block with the stand-ins turned back.
    QString blockText(const QTextBlock &b) const;
    // Text of document positions [from, to) with CR LF breaks.
    QString rangeText(int from, int to) const;
    // Inserts text with '\n' breaks at c, the document's break characters as
    // stand-ins, without taking over a stand-in's format.
    void insertKeeping(QTextCursor &c, const QString &plain);
    // Blocks longer than a few thousand characters between document
    // positions from and to keep their layout between paints.
    void keepLongLayouts(int from, int to);
    // A page with a line of a few thousand characters or more is shown
    // wrapped anywhere into rows of that many characters (until its whole
    // text is replaced by one without such a line).
    void wrapLongLines(bool on);
    QTextBlock blockAt(int pos) const; // block that holds editor position pos
    int blockStart(const QTextBlock &b) const { return b.position() + b.blockNumber(); }
    void invalidate()
    {
        m_cacheValid = false;
        m_cacheText.resize(0);
        m_readRun = 0;
        m_snapshot = QString();
    }
    void fillFromLines(QTextBlock b, int start) const;
    // Long lines of a wrapped page are read a piece at a time: a copy of the
    // whole line would cost its length.
    bool readInPieces(const QTextBlock &b) const;
    void fillFromLongLine(const QTextBlock &b, int pos) const;
    void fillFromSnapshot(int docFrom, int start) const;

    QPlainTextEdit *m_edit;
    bool m_wrapped = false;
    QPlainTextEdit *m_rowView = nullptr; // hidden view that sets the row width
    QTextOption::WrapMode m_unwrappedWordWrap = QTextOption::WrapAtWordBoundaryOrAnywhere;
    QPlainTextEdit::LineWrapMode m_unwrappedLineWrap = QPlainTextEdit::NoWrap;
    // Whether the document may hold stand-ins (checked on every read).
    bool m_standIns = false;
    QMetaObject::Connection m_watch; // to the shown document's changes
    // Read cache: a chunk of the text in CR LF form from editor position
    // m_cacheStart (document positions m_cacheDocStart up to m_cacheDocEnd);
    // m_cacheBreaks holds the offset of each CR in it, m_cacheNext the line
    // where a sequential read continues.
    mutable bool m_cacheValid = false;
    mutable int m_cacheStart = 0;
    mutable int m_cacheDocStart = 0;
    mutable int m_cacheDocEnd = 0;
    mutable QString m_cacheText;
    mutable std::vector<int> m_cacheBreaks;
    mutable QTextBlock m_cacheNext;
    // A long sequential read (m_readRun characters so far) switches to a copy
    // of the whole document, kept until the text changes.
    mutable qint64 m_readRun = 0;
    mutable QString m_snapshot;
};
