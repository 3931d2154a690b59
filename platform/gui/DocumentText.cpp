#include "platform/gui/DocumentText.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace DocumentText {
namespace {
// Character format property holding the character a stand-in replaces.
constexpr int kOriginal = QTextFormat::UserProperty + 0x2029;
} // namespace

bool isBreak(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

bool isStandIn(const QString &raw, qsizetype i)
{
    return raw.at(i) == kStandIn && !(i + 1 < raw.size() && raw.at(i + 1).isLowSurrogate());
}

bool holdsStandIn(const QString &raw)
{
    return raw.contains(kStandIn);
}

QTextCharFormat standInFormat(QChar original)
{
    QTextCharFormat f;
    f.setProperty(kOriginal, int(original.unicode()));
    return f;
}

namespace {
const char *const kStandInsProperty = "vtqxStandIns";
} // namespace

bool mayHoldStandIns(const QTextDocument *doc)
{
    return doc->property(kStandInsProperty).toBool();
}

void noteStandIns(QTextDocument *doc, bool holds)
{
    doc->setProperty(kStandInsProperty, holds);
}

QString normaliseBreaks(const QString &text)
{
    if (!text.contains(u'\r'))
        return text;
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
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

QString blockText(const QTextBlock &b)
{
    QString t = b.text();
    if (!holdsStandIn(t))
        return t;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        const QVariant original = f.charFormat().property(kOriginal);
        if (!original.isValid())
            continue;
        const QChar o(char16_t(original.toInt()));
        const qsizetype off = f.position() - b.position();
        for (qsizetype i = off; i < off + f.length() && i < t.size(); ++i) {
            if (isStandIn(t, i))
                t[i] = o;
        }
    }
    return t;
}

QString text(const QTextDocument *doc)
{
    // One copy of the buffer, blocks separated by U+2029 in it; block by
    // block only where stand-ins are to be turned back.
    const QString raw = doc->toRawText();
    if (!(mayHoldStandIns(doc) && holdsStandIn(raw)) && raw.size() == doc->characterCount() - 1) {
        QString out = raw;
        out.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
        return out;
    }
    QString out;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b != doc->begin())
            out += QLatin1String("\r\n");
        out += blockText(b);
    }
    return out;
}

bool insertKeeping(QTextCursor &c, const QString &plain)
{
    // An explicit empty format: text inserted next to a stand-in does not
    // take over its original.
    bool standIns = false;
    qsizetype start = 0;
    c.beginEditBlock();
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (!isBreak(plain.at(i)))
            continue;
        if (i > start || c.hasSelection())
            c.insertText(plain.mid(start, i - start), QTextCharFormat());
        c.insertText(QString(kStandIn), standInFormat(plain.at(i)));
        noteStandIns(c.document());
        standIns = true;
        start = i + 1;
    }
    if (start < plain.size() || c.hasSelection())
        c.insertText(plain.mid(start), QTextCharFormat());
    c.endEditBlock();
    return standIns;
}

void append(QTextDocument *doc, const QString &text)
{
    QTextCursor c(doc);
    c.movePosition(QTextCursor::End);
    insertKeeping(c, normaliseBreaks(text));
}

void setText(QTextDocument *doc, const QString &text)
{
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    QTextCursor c(doc);
    c.select(QTextCursor::Document);
    insertKeeping(c, normaliseBreaks(text));
    doc->setUndoRedoEnabled(undo);
}

} // namespace DocumentText
