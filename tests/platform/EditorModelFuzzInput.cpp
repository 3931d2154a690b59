#include "tests/platform/EditorModelFuzzInput.h"

#include "platform/gui/EditorModel.h"

#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>

namespace {
// The model's rules on a plain string with CR LF breaks.
struct Plain
{
    QString t;

    int size() const { return int(t.size()); }
    bool insideBreak(int p) const { return p > 0 && p < size() && t.at(p - 1) == u'\r' && t.at(p) == u'\n'; }
    // A position between CR and LF moves before or behind the break.
    int down(int p) const { return p <= 0 ? 0 : p >= size() ? size() : insideBreak(p) ? p - 1 : p; }
    int up(int p) const { return p <= 0 ? 0 : p >= size() ? size() : insideBreak(p) ? p + 1 : p; }
    // Commands never cut a character in two: a position inside a surrogate
    // pair moves behind it.
    int whole(int p) const
    {
        return p > 0 && p < size() && t.at(p - 1).isHighSurrogate() && t.at(p).isLowSurrogate() ? p + 1 : p;
    }
    int breaksBefore(int p) const // breaks whose line ends at or before p
    {
        int n = 0;
        for (qsizetype at = t.indexOf(QLatin1String("\r\n")); at >= 0 && at + 2 <= p;
             at = t.indexOf(QLatin1String("\r\n"), at + 2))
            ++n;
        return n;
    }
    QStringList blocks() const { return t.split(QStringLiteral("\r\n")); }
    int lineCount() const
    {
        return t.isEmpty() ? 0 : int(blocks().size()) - (t.endsWith(QLatin1String("\r\n")) ? 1 : 0);
    }
    int lineIndex(int i) const
    {
        const QStringList b = blocks();
        if (i < 0 || i >= b.size())
            return -1;
        int at = 0;
        for (int k = 0; k < i; ++k)
            at += int(b.at(k).size()) + 2;
        return at;
    }
};

QString crlf(const QString &s)
{
    return EditorModel::normaliseBreaks(s).replace(u'\n', QLatin1String("\r\n"));
}

// Reads the input byte by byte; 0 once it is used up.
struct Reader
{
    const uint8_t *p, *end;
    bool atEnd() const { return p == end; }
    int byte() { return p == end ? 0 : *p++; }
    QString text()
    {
        static const char16_t *const alphabet[] = {
            u"a", u"b", u"\r", u"\n", u"\r\n", u"\"", u" ", u"\u00A0", u"\u2028", u"\u2029",
            u"\uFDD0", u"\uFDD1", u"\U0010FFFF", u"\uFFFD", u"\U0001F600", u"\t"};
        QString s;
        for (int n = byte() % 12; n > 0; --n)
            s += QString::fromUtf16(alphabet[byte() % 16]);
        return s;
    }
};
} // namespace

QString runEditorModelFuzzInput(const uint8_t *data, size_t size)
{
    QPlainTextEdit edit;
    EditorModel &m = EditorModel::of(&edit);
    Plain plain;
    Reader in{data, data + size};
    const auto fail = [&](int step, const QString &what) {
        return QStringLiteral("step %1: %2 (text \"%3\")").arg(step).arg(what, plain.t.toHtmlEscaped());
    };
    for (int step = 0; !in.atEnd(); ++step) {
        const int op = in.byte() % 8;
        // Positions reach a little past the end.
        const auto position = [&] { return in.byte() % (plain.size() + 3) - 1; };
        switch (op) {
        case 0: {
            const QString s = in.text();
            m.setText(s);
            plain.t = crlf(s);
            break;
        }
        case 1: {
            const int start = plain.whole(position());
            int length = in.byte() % 8 - 1;
            if (length > 0)
                length = plain.whole(start + length) - start;
            m.setSelection(start, length);
            const int from = plain.down(start), to = std::max(from, plain.up(start + std::max(0, length)));
            if (m.selStart() != from || m.selLength() != to - from)
                return fail(step, QStringLiteral("selection %1+%2").arg(start).arg(length));
            if (m.selectedText() != plain.t.mid(from, to - from))
                return fail(step, QStringLiteral("selected text \"%1\" of %2+%3")
                                      .arg(m.selectedText().toHtmlEscaped())
                                      .arg(from)
                                      .arg(to - from));
            if (m.caretLine() != plain.breaksBefore(to))
                return fail(step, QStringLiteral("caret line"));
            break;
        }
        case 2: {
            const int start = plain.whole(position());
            int length = in.byte() % 8 - 1;
            if (length > 0)
                length = plain.whole(start + length) - start;
            const QString s = in.text();
            const int from = plain.down(start), to = std::max(from, plain.up(start + std::max(0, length)));
            const QString inserted = crlf(s);
            plain.t.replace(from, to - from, inserted);
            if (m.replace(start, length, s) != inserted.size())
                return fail(step, QStringLiteral("replace's length"));
            break;
        }
        case 3: {
            const QString s = in.text();
            m.append(s);
            plain.t += crlf(s);
            break;
        }
        case 4: {
            // Sequential reads, as a scan does.
            const int start = position();
            for (int i = start, n = in.byte() % 64; n > 0; ++i, --n) {
                const QChar expected = i >= 0 && i < plain.size() ? plain.t.at(i) : QChar(u'\0');
                if (m.charAt(i) != expected)
                    return fail(step, QStringLiteral("character at %1").arg(i));
            }
            break;
        }
        case 5: {
            if (m.lineCount() != plain.lineCount())
                return fail(step, QStringLiteral("line count"));
            const QStringList blocks = plain.blocks();
            for (int i = -1; i <= plain.lineCount(); ++i) {
                const QString expected = i >= 0 && i < plain.lineCount() ? blocks.at(i) : QString();
                if (m.line(i) != expected)
                    return fail(step, QStringLiteral("line %1").arg(i));
                if (m.lineIndex(i) != plain.lineIndex(i))
                    return fail(step, QStringLiteral("start of line %1").arg(i));
            }
            const int pos = position();
            if (m.lineFromChar(pos) != (pos <= 0 ? 0 : plain.breaksBefore(std::min(pos, plain.size()))))
                return fail(step, QStringLiteral("line of character %1").arg(pos));
            break;
        }
        case 6: {
            // A key typed over the selection, next to whatever is there.
            static const char16_t *const keys[] = {u"x", u"\U0010FFFF", u"\uFFFD", u"\u00A0"};
            const int key = in.byte() % 5;
            const int from = m.selStart(), length = m.selLength();
            if (key == 4) {
                QTest::keyClick(&edit, Qt::Key_Return);
                plain.t.replace(from, length, QStringLiteral("\r\n"));
            } else {
                QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_A, QString::fromUtf16(keys[key]), Qt::NoModifier);
                plain.t.replace(from, length, QString::fromUtf16(keys[key]));
            }
            break;
        }
        default:
            break;
        }
        if (m.length() != plain.size() || m.text() != plain.t)
            return fail(step, QStringLiteral("text after operation %1 is \"%2\"").arg(op).arg(m.text().toHtmlEscaped()));
    }
    return QString();
}
