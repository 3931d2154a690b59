#include "EditorModel.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

EditorModel &EditorModel::of(QPlainTextEdit *edit)
{
    auto *model = edit->findChild<EditorModel *>(QString(), Qt::FindDirectChildrenOnly);
    if (!model)
        model = new EditorModel(edit);
    return *model;
}

EditorModel::EditorModel(QPlainTextEdit *edit) : QObject(edit), m_edit(edit)
{
    connect(edit->document(), &QTextDocument::contentsChange, this, [this] { invalidate(); });
    connect(edit, &QPlainTextEdit::textChanged, this, [this] { invalidate(); });
}

QString EditorModel::normaliseBreaks(const QString &text)
{
    if (!text.contains(u'\r'))
        return text;
    QString out;
    out.reserve(text.size());
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            out.append(u'\n');
            if (i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

QString EditorModel::toCrLf(const QString &plain)
{
    QString out;
    out.reserve(plain.size() + plain.size() / 16);
    for (const QChar c : plain) {
        if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            out.append(QLatin1String("\r\n"));
        else
            out.append(c);
    }
    return out;
}

QString EditorModel::text() const
{
    return toCrLf(m_edit->document()->toPlainText());
}

void EditorModel::setText(const QString &text)
{
    m_edit->setPlainText(normaliseBreaks(text));
    invalidate();
}

int EditorModel::length() const
{
    const QTextDocument *doc = m_edit->document();
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

int EditorModel::lineCount() const
{
    // Lines as a string list sees them: an empty text has none, and the
    // empty remainder after a final line break is not a line.
    const QTextDocument *doc = m_edit->document();
    if (doc->characterCount() <= 1)
        return 0;
    const int blocks = doc->blockCount();
    return doc->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

QString EditorModel::line(int i) const
{
    if (i < 0 || i >= lineCount())
        return QString();
    return m_edit->document()->findBlockByNumber(i).text();
}

QTextBlock EditorModel::blockAt(int pos) const
{
    const QTextDocument *doc = m_edit->document();
    int lo = 0, hi = doc->blockCount() - 1;
    // Last block whose editor start is <= pos.
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (blockStart(doc->findBlockByNumber(mid)) <= pos)
            lo = mid;
        else
            hi = mid - 1;
    }
    return doc->findBlockByNumber(lo);
}

int EditorModel::lineFromChar(int pos) const
{
    if (pos <= 0)
        return 0;
    return blockAt(std::min(pos, length())).blockNumber();
}

int EditorModel::lineIndex(int i) const
{
    const QTextDocument *doc = m_edit->document();
    if (i < 0 || i >= doc->blockCount())
        return -1;
    return blockStart(doc->findBlockByNumber(i));
}

int EditorModel::toDocPos(int pos, bool roundUp) const
{
    if (pos <= 0)
        return 0;
    const int total = length();
    if (pos >= total)
        return m_edit->document()->characterCount() - 1;
    const QTextBlock b = blockAt(pos);
    const int off = pos - blockStart(b);
    const int len = b.length() - 1; // without the separator
    if (off <= len)
        return b.position() + off;
    // Between CR and LF: before the break, or after it.
    return roundUp ? b.position() + len + 1 : b.position() + len;
}

int EditorModel::fromDocPos(int docPos) const
{
    const QTextBlock b = m_edit->document()->findBlock(docPos);
    if (!b.isValid())
        return length();
    return docPos + b.blockNumber();
}

int EditorModel::selStart() const
{
    return fromDocPos(m_edit->textCursor().selectionStart());
}

int EditorModel::selLength() const
{
    const QTextCursor c = m_edit->textCursor();
    return fromDocPos(c.selectionEnd()) - fromDocPos(c.selectionStart());
}

int EditorModel::caretLine() const
{
    return m_edit->document()->findBlock(m_edit->textCursor().position()).blockNumber();
}

void EditorModel::setSelection(int start, int length)
{
    const int from = toDocPos(start, false);
    const int to = toDocPos(start + std::max(0, length), true);
    QTextCursor c(m_edit->document());
    c.setPosition(from);
    c.setPosition(std::max(from, to), QTextCursor::KeepAnchor);
    m_edit->setTextCursor(c);
    m_edit->ensureCursorVisible();
}

QString EditorModel::selectedText() const
{
    return toCrLf(m_edit->textCursor().selectedText());
}

QChar EditorModel::charAtSlow(int pos) const
{
    if (pos < 0 || pos >= length())
        return QChar(u'\0');
    // A read right behind the chunk continues where it ended; anything else
    // looks its position up once.
    int docFrom = m_cacheDocEnd;
    int start = pos;
    if (!m_cacheValid || pos != m_cacheStart + m_cacheText.size()) {
        docFrom = toDocPos(pos, false);
        start = fromDocPos(docFrom); // pos - 1 when pos is the LF of a break
    }
    // One chunk of a few thousand characters in one piece: no per-line copy.
    constexpr int kChunk = 4096;
    QTextDocument *doc = m_edit->document();
    const int docTo = std::min(doc->characterCount() - 1, docFrom + kChunk);
    QTextCursor c(doc);
    c.setPosition(docFrom);
    c.setPosition(docTo, QTextCursor::KeepAnchor);
    const QString raw = c.selectedText();
    m_cacheText.resize(0);
    m_cacheText.reserve(raw.size() + raw.size() / 8 + 2);
    for (const QChar ch : raw) {
        if (ch == QChar::ParagraphSeparator)
            m_cacheText.append(QLatin1String("\r\n"));
        else
            m_cacheText.append(ch);
    }
    m_cacheStart = start;
    m_cacheDocEnd = docTo;
    m_cacheValid = true;
    return m_cacheText.at(pos - start);
}

int EditorModel::replace(int start, int length, const QString &text)
{
    const QString plain = normaliseBreaks(text);
    const int from = toDocPos(start, false);
    const int to = std::max(from, toDocPos(start + std::max(0, length), true));
    QTextCursor c(m_edit->document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    c.insertText(plain);
    invalidate();
    return plain.size() + int(plain.count(u'\n'));
}

void EditorModel::append(const QString &text)
{
    QTextCursor c(m_edit->document());
    c.movePosition(QTextCursor::End);
    c.insertText(normaliseBreaks(text));
    invalidate();
}
