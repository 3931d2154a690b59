#include "platform/gui/EditorModel.h"

#include "platform/core/LineBreak.h"

#include "platform/gui/DocumentText.h"
#include "platform/gui/EditorLook.h"

#include <QFontMetricsF>
#include <QPlainTextDocumentLayout>
#include <QPointer>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QtMath>

#include <algorithm>

namespace {
using DocumentText::isStandIn;
using DocumentText::standInFormat;
bool isDocumentBreak(QChar c) { return DocumentText::isBreak(c); }
using DocumentText::kStandIn;

// Lines of at least this many characters are shown wrapped and keep their
// layout.
constexpr int kLongLine = 4096;

bool hasLongLine(const QString &plain)
{
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (plain.at(i) == u'\n')
            lineStart = i + 1;
        else if (i - lineStart + 1 >= kLongLine)
            return true;
    }
    return false;
}
} // namespace

EditorModel &EditorModel::of(QPlainTextEdit *edit)
{
    auto *model = edit->findChild<EditorModel *>(QString(), Qt::FindDirectChildrenOnly);
    if (!model)
        model = new EditorModel(edit);
    return *model;
}

EditorModel::~EditorModel()
{
    delete m_rowView;
}

EditorModel::EditorModel(QPlainTextEdit *edit) : QObject(edit), m_edit(edit)
{
    watchDocument();
    connect(edit, &QPlainTextEdit::textChanged, this, [this] { invalidate(); });
}

void EditorModel::watchDocument()
{
    disconnect(m_watch);
    m_watch = connect(m_edit->document(), &QTextDocument::contentsChange, this, [this](int pos, int, int added) {
        invalidate();
        // Stand-ins may come from an edit made without this model (a
        // document shown here that its owner changed).
        if (!m_standIns)
            m_standIns = DocumentText::mayHoldStandIns(m_edit->document());
        keepLongLayouts(pos, pos + added);
    });
}

void EditorModel::showDocument(QTextDocument *doc, bool keepView)
{
    QTextDocument *old = m_edit->document();
    if (doc == old)
        return;
    // The hidden row view shows the old document; the new one wraps again
    // below if it holds a long line.
    wrapLongLines(false);
    if (!qobject_cast<QPlainTextDocumentLayout *>(doc->documentLayout())) {
        doc->setDefaultFont(old->defaultFont());
        doc->setDefaultTextOption(old->defaultTextOption());
        doc->setDocumentMargin(old->documentMargin());
        doc->setUseDesignMetrics(old->useDesignMetrics());
        doc->setMaximumBlockCount(old->maximumBlockCount());
        doc->setUndoRedoEnabled(old->isUndoRedoEnabled());
        installEditorLayout(doc, m_edit);
    }
    m_cacheNext = QTextBlock(); // would point into the old document
    const QTextCursor caret = m_edit->textCursor();
    const int anchor = caret.anchor(), position = caret.position();
    const int hScroll = m_edit->horizontalScrollBar()->value(), vScroll = m_edit->verticalScrollBar()->value();
    // The editor deletes a document it owns (its first one) by itself.
    m_edit->setDocument(doc);
    if (keepView) {
        const int end = doc->characterCount() - 1;
        QTextCursor c(doc);
        c.setPosition(std::min(anchor, end));
        c.setPosition(std::min(position, end), QTextCursor::KeepAnchor);
        m_edit->setTextCursor(c);
        m_edit->verticalScrollBar()->setValue(vScroll);
        m_edit->horizontalScrollBar()->setValue(hScroll);
    }
    m_standIns = DocumentText::mayHoldStandIns(doc);
    invalidate();
    watchDocument();
    keepLongLayouts(0, doc->characterCount());
}

std::unique_ptr<QTextDocument> EditorModel::buildDocument(QString text)
{
    if (std::any_of(text.cbegin(), text.cend(), isDocumentBreak))
        return nullptr;
    // Normalised in place, as setText() does: quicker than a copy by characters.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    auto doc = std::make_unique<QTextDocument>();
    // Undo off while filling: the history would only be thrown away.
    doc->setUndoRedoEnabled(false);
    QTextCursor(doc.get()).insertText(text);
    doc->setUndoRedoEnabled(true);
    doc->setModified(false);
    return doc;
}

void EditorModel::adoptDocument(std::unique_ptr<QTextDocument> doc)
{
    QTextDocument *old = m_edit->document();
    QObject *owner = old->parent();
    // The editor deletes only a document its text control owns; one given to
    // the editor (or kept by this model for wrapping) goes here.
    const QPointer<QTextDocument> letGo(old);
    QTextDocument *adopted = doc.release();
    showDocument(adopted, true);
    adopted->setParent(owner);
    if (letGo && (owner == m_edit || owner == this))
        delete letGo.data();
}

QString EditorModel::normaliseBreaks(const QString &text)
{
    return DocumentText::normaliseBreaks(text);
}

QString EditorModel::blockText(const QTextBlock &b) const
{
    return m_standIns ? DocumentText::blockText(b) : b.text();
}

QString EditorModel::rangeText(int from, int to) const
{
    QString out;
    const QTextDocument *doc = m_edit->document();
    for (QTextBlock b = doc->findBlock(from); b.isValid() && b.position() <= to; b = b.next()) {
        const int bs = b.position();
        const int blockLength = b.length() - 1;
        const int lo = std::max(from, bs) - bs;
        const int hi = std::min(to - bs, blockLength);
        if (hi > lo && !m_standIns && blockLength > kLongLine && hi - lo < blockLength / 2) {
            // A short piece of a long line: copying the line would cost its length.
            for (int p = bs + lo; p < bs + hi; ++p)
                out += doc->characterAt(p);
        } else if (hi > lo) {
            out += QStringView(blockText(b)).mid(lo, hi - lo);
        }
        if (to > bs + blockLength && b.next().isValid())
            out += QLatin1String("\r\n");
    }
    return out;
}

void EditorModel::insertKeeping(QTextCursor &c, const QString &plain)
{
    if (DocumentText::insertKeeping(c, plain))
        m_standIns = true;
}

QString EditorModel::text() const
{
    const QTextDocument *doc = m_edit->document();
    const int count = doc->characterCount() - 1;
    if (!m_standIns) {
        // One copy of the buffer; blocks are separated by U+2029 in it.
        const QString raw = doc->toRawText();
        if (raw.size() == count) {
            // Written through a pointer: appending char by char checks the
            // capacity at every character.
            QString out(raw.size() + doc->blockCount(), Qt::Uninitialized);
            QChar *o = out.data();
            for (const QChar c : raw) {
                if (c == QChar::ParagraphSeparator) {
                    *o++ = u'\r';
                    *o++ = u'\n';
                } else {
                    *o++ = c;
                }
            }
            out.truncate(o - out.constData());
            return out;
        }
    }
    return rangeText(0, count);
}

void EditorModel::setText(QString text)
{
    // Normalised in place: a large text that is handed over is not copied.
    if (text.contains(u'\r')) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
    }
    std::vector<std::pair<int, QChar>> originals;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isDocumentBreak(text.at(i))) {
            originals.emplace_back(int(i), text.at(i));
            text[i] = kStandIn;
        }
    }
    if (m_standIns) {
        // The editor gives the new text the caret's format: not a stand-in's.
        QTextCursor c = m_edit->textCursor();
        c.clearSelection();
        m_edit->setTextCursor(c);
        m_edit->setCurrentCharFormat(QTextCharFormat());
    }
    // The display switches while the document holds the text without long
    // lines: switching lays the text out again.
    const bool longLines = hasLongLine(text);
    if (longLines)
        wrapLongLines(true);
    m_edit->setPlainText(text);
    if (!longLines)
        wrapLongLines(false);
    m_standIns = !originals.empty();
    DocumentText::noteStandIns(m_edit->document(), m_standIns); // the whole text was replaced
    if (m_standIns) {
        // Marking the stand-ins is part of loading: no undo step, no change.
        QTextDocument *doc = m_edit->document();
        const bool undo = doc->isUndoRedoEnabled();
        doc->setUndoRedoEnabled(false);
        QTextCursor c(doc);
        for (const auto &[pos, original] : originals) {
            c.setPosition(pos);
            c.setPosition(pos + 1, QTextCursor::KeepAnchor);
            c.setCharFormat(standInFormat(original));
        }
        doc->setUndoRedoEnabled(undo);
        doc->setModified(false);
        m_edit->setCurrentCharFormat(QTextCharFormat());
    }
    invalidate();
    keepLongLayouts(0, m_edit->document()->characterCount());
}

void EditorModel::keepLongLayouts(int from, int to)
{
    // The toolkit throws a line's shaped glyphs away after each paint and
    // shapes the whole line again for the next caret or paint: on a line of
    // megabytes every command would cost its length.
    const QTextDocument *doc = m_edit->document();
    bool found = false;
    for (QTextBlock b = doc->findBlock(from); b.isValid() && b.position() <= to; b = b.next()) {
        if (b.length() > kLongLine) {
            b.layout()->setCacheEnabled(true);
            found = true;
        }
    }
    if (found && !m_wrapped)
        wrapLongLines(true);
}

void EditorModel::wrapLongLines(bool on)
{
    // Unwrapped, the toolkit measures the caret's x from the start of its
    // line several times per selection change; wrapped at the window's
    // width, it looks for the caret's row among all rows of the line and
    // measures the line over all of them. Rows of kLongLine characters keep
    // both short. Only the display wraps: the text, its lines and positions
    // stay as they are.
    if (on == m_wrapped)
        return;
    m_wrapped = on;
    QTextDocument *doc = m_edit->document();
    if (on) {
        m_unwrappedWordWrap = m_edit->wordWrapMode();
        m_unwrappedLineWrap = m_edit->lineWrapMode();
        // The widest view of a document sets the width its rows wrap at: a
        // hidden view of the page, kLongLine characters wide.
        doc->setParent(this); // outlives the view (see the destructor)
        m_rowView = new QPlainTextEdit;
        m_rowView->setFont(m_edit->font());
        m_rowView->setWordWrapMode(QTextOption::WrapAnywhere);
        const qreal rowWidth = QFontMetricsF(m_edit->font()).horizontalAdvance(u'x') * kLongLine;
        m_rowView->viewport()->resize(qCeil(rowWidth + 2 * doc->documentMargin()), 100);
        m_rowView->setDocument(doc);
        m_edit->setWordWrapMode(QTextOption::WrapAnywhere);
        m_edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    } else {
        // Without the row view the page's own editor sets the width again.
        delete m_rowView;
        m_rowView = nullptr;
        m_edit->setWordWrapMode(m_unwrappedWordWrap);
        m_edit->setLineWrapMode(m_unwrappedLineWrap);
    }
}

void EditorModel::setReadOnly(bool on)
{
    m_edit->setReadOnly(on);
    if (on)
        m_edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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
    return blockText(m_edit->document()->findBlockByNumber(i));
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
    // Inside the read chunk: count the breaks in front of pos.
    const int chunkOff = pos - m_cacheStart;
    if (m_cacheValid && chunkOff >= 0 && chunkOff < m_cacheText.size()) {
        const auto before = std::lower_bound(m_cacheBreaks.begin(), m_cacheBreaks.end(), chunkOff);
        const int breaks = int(before - m_cacheBreaks.begin());
        const int docPos = m_cacheDocStart + chunkOff - breaks;
        // Between CR and LF: before the break, or after it.
        if (breaks > 0 && m_cacheBreaks[size_t(breaks) - 1] == chunkOff - 1)
            return roundUp ? docPos + 1 : docPos;
        return docPos;
    }
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
    // Sideways only as far as the caret needs: the lines' starts stay in
    // view where they can.
    m_edit->horizontalScrollBar()->setValue(0);
    m_edit->ensureCursorVisible();
}

QString EditorModel::selectedText() const
{
    const QTextCursor c = m_edit->textCursor();
    return rangeText(c.selectionStart(), c.selectionEnd());
}

namespace {
constexpr int kChunk = 4096;          // characters read ahead at a time
constexpr qint64 kMinSnapshotRun = 1 << 16;
} // namespace

QChar EditorModel::charAtSlow(int pos) const
{
    const int total = length();
    if (pos < 0 || pos >= total)
        return QChar(u'\0');
    const bool sequential = m_cacheValid && pos == m_cacheStart + m_cacheText.size();
    m_readRun = sequential ? m_readRun + m_cacheText.size() : 0;
    // Line by line, each line costs a few lookups in the document, several
    // times what copying it costs. Once a sequential read has covered an
    // eighth of the text, one copy of the whole text costs about as much as
    // that eighth did, and the rest reads at copying speed: the cost still
    // follows the distance read.
    if (sequential && !m_standIns && m_snapshot.isNull() && m_readRun >= std::max<qint64>(kMinSnapshotRun, total / 8)) {
        QTextDocument *doc = m_edit->document();
        m_snapshot = doc->toRawText();
        if (m_snapshot.size() != doc->characterCount() - 1)
            m_snapshot = QString(); // not a plain document: stay with lines
    }
    if (!m_snapshot.isNull()) {
        if (sequential) {
            fillFromSnapshot(m_cacheDocEnd, pos);
        } else {
            const int docFrom = toDocPos(pos, false);
            fillFromSnapshot(docFrom, fromDocPos(docFrom)); // pos - 1 on the LF of a break
        }
    } else {
        const QTextBlock b = sequential && m_cacheNext.isValid() ? m_cacheNext : blockAt(pos);
        const int start = blockStart(b);
        if (readInPieces(b) && pos - start < b.length() - 1)
            fillFromLongLine(b, pos);
        else
            fillFromLines(b, start);
    }
    const qsizetype off = pos - m_cacheStart;
    return off < m_cacheText.size() ? m_cacheText.at(off) : QChar(u'\0');
}

void EditorModel::fillFromLines(QTextBlock b, int start) const
{
    // Whole lines, no cursor (a cursor position lays its line out).
    m_cacheText.resize(0);
    m_cacheBreaks.clear();
    m_cacheStart = start;
    m_cacheDocStart = b.position();
    do {
        m_cacheText += blockText(b);
        b = b.next();
        if (b.isValid()) {
            m_cacheBreaks.push_back(int(m_cacheText.size()));
            m_cacheText += QLatin1String("\r\n");
        }
    } while (b.isValid() && m_cacheText.size() < kChunk && !readInPieces(b));
    m_cacheNext = b;
    m_cacheDocEnd = m_cacheDocStart + int(m_cacheText.size() - qsizetype(m_cacheBreaks.size()));
    m_cacheValid = true;
}

bool EditorModel::readInPieces(const QTextBlock &b) const
{
    // A cursor measures its place in the line; on a wrapped page that stays
    // within one row. Stand-ins need the whole line's formats.
    return m_wrapped && !m_standIns && b.length() > 2 * kChunk;
}

void EditorModel::fillFromLongLine(const QTextBlock &b, int pos) const
{
    const int docFrom = b.position() + (pos - blockStart(b));
    const int lineEnd = b.position() + b.length() - 1;
    const int docTo = std::min(lineEnd, docFrom + kChunk);
    QTextCursor c(m_edit->document());
    c.setPosition(docFrom);
    c.setPosition(docTo, QTextCursor::KeepAnchor);
    m_cacheText = c.selectedText();
    m_cacheBreaks.clear();
    m_cacheNext = QTextBlock();
    if (docTo == lineEnd && b.next().isValid()) {
        m_cacheBreaks.push_back(int(m_cacheText.size()));
        m_cacheText += QLatin1String("\r\n");
        m_cacheNext = b.next();
    }
    m_cacheStart = pos;
    m_cacheDocStart = docFrom;
    m_cacheDocEnd = docFrom + int(m_cacheText.size() - qsizetype(m_cacheBreaks.size()));
    m_cacheValid = true;
}

void EditorModel::fillFromSnapshot(int docFrom, int start) const
{
    const int docTo = int(std::min<qsizetype>(m_snapshot.size(), qsizetype(docFrom) + kChunk));
    m_cacheBreaks.clear();
    m_cacheText.resize(2 * qsizetype(docTo - docFrom));
    QChar *const base = m_cacheText.data();
    QChar *out = base;
    for (const QChar *in = m_snapshot.constData() + docFrom, *end = m_snapshot.constData() + docTo; in != end; ++in) {
        if (*in == QChar::ParagraphSeparator) {
            m_cacheBreaks.push_back(int(out - base));
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = *in;
        }
    }
    m_cacheText.resize(out - base);
    m_cacheStart = start;
    m_cacheDocStart = docFrom;
    m_cacheDocEnd = docTo;
    m_cacheNext = QTextBlock();
    m_cacheValid = true;
}

int EditorModel::replace(int start, int length, const QString &text)
{
    const QString plain = normaliseBreaks(text);
    const int from = toDocPos(start, false);
    const int to = std::max(from, toDocPos(start + std::max(0, length), true));
    QTextCursor c(m_edit->document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    insertKeeping(c, plain);
    invalidate();
    return plain.size() + int(plain.count(u'\n'));
}

void EditorModel::append(const QString &text)
{
    QTextCursor c(m_edit->document());
    c.movePosition(QTextCursor::End);
    insertKeeping(c, normaliseBreaks(text));
    invalidate();
}

void EditorModel::appendOnNewLine(const QString &text)
{
    const int len = length();
    append(onNewLine(len > 0 ? charAt(len - 1) : QChar(), text));
}
