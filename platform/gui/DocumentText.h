#pragma once
// The text of a document as the editors hold it, without an editor: lines
// are blocks, joined by CR LF; the characters a document would take as a
// break (U+2029, U+FDD0, U+FDD1) are kept as stand-ins whose format holds
// the original. Qt Gui only, so that page sessions can own their lists.
#include <QString>

class QTextBlock;
class QTextCharFormat;
class QTextCursor;
class QTextDocument;

namespace DocumentText {

// A lone high surrogate: no key, paste or valid text yields one, so text the
// user types next to a stand-in (which takes over its format) is never taken
// for one. The half of a typed pair is told apart by the low half after it.
constexpr QChar kStandIn(0xDBFF);

// A character the document splits blocks at, although it is text here.
bool isBreak(QChar c);
// Whether position i of a block's raw text holds a stand-in.
bool isStandIn(const QString &raw, qsizetype i);
bool holdsStandIn(const QString &raw);
// The format of a stand-in for original.
QTextCharFormat standInFormat(QChar original);
// Whether stand-ins were ever put into doc (only the functions here and an
// editor's loading put them there, and they note it on the document).
bool mayHoldStandIns(const QTextDocument *doc);
void noteStandIns(QTextDocument *doc, bool holds = true);

// Any line break form to the document's single line break.
QString normaliseBreaks(const QString &text);
// The text of a block with its stand-ins turned back.
QString blockText(const QTextBlock &b);
// The whole text with CR LF breaks.
QString text(const QTextDocument *doc);
// Inserts plain ('\n' breaks) at c, break characters as stand-ins, without
// taking over a stand-in's format; true when it inserted a stand-in.
bool insertKeeping(QTextCursor &c, const QString &plain);
// Adds text (any breaks) at the end, as one undoable edit.
void append(QTextDocument *doc, const QString &text);
// Replaces the whole text; the document's undo history starts afresh.
void setText(QTextDocument *doc, const QString &text);

} // namespace DocumentText
