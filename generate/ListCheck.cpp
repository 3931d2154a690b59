#include "generate/ListCheck.h"

#include "platform/core/Exception.h"
#include "extract/ExtractionList.h"
#include "uitext/ListCheckTexts.h"

#include <QHash>

#include <optional>

namespace EL = ExtractionList;

namespace {
constexpr int kShownFindings = 20;
constexpr int kShownEntryLength = 60;

// Whether the line, read from its first double quote with the rules of a
// C++ literal (backslash escapes, quotes pair up), ends inside a literal.
bool literalOpenAtEnd(const QString &line)
{
    bool inside = false;
    for (qsizetype i = line.indexOf(u'"'); i >= 0 && i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (inside && c == u'\\')
            ++i;
        else if (c == u'"')
            inside = !inside;
    }
    return inside;
}

// The number the generator reads from an entry; nothing when its digits do
// not fit (the generator itself reports that).
std::optional<qint64> numberOf(const QString &line, StringMode mode)
{
    try {
        return mode == StringMode::Function ? EL::entryNumber(line) : EL::numberOfName(EL::entryName(line));
    } catch (const Exception &) {
        return std::nullopt;
    }
}

// The name the generator declares or labels an entry by.
QString nameOf(const QString &line, StringMode mode)
{
    return mode == StringMode::Function ? EL::splitEntry(line).name : EL::entryName(line);
}

QString shortened(const QString &entry)
{
    const QString s = EL::stripBlanks(entry);
    return s.size() <= kShownEntryLength ? s : s.left(kShownEntryLength - 1) + QChar(0x2026);
}

QString reason(const ListFinding &f, Language lang)
{
    switch (f.fault) {
    case ListFault::NameTwice: return listCheckText(ListCheckText::NameTwice, lang).arg(f.earlierLine);
    case ListFault::NumberTwice:
        return listCheckText(ListCheckText::NumberTwice, lang).arg(f.earlierLine).arg(f.number);
    case ListFault::IdentifierTooLarge: return listCheckText(ListCheckText::IdentifierTooLarge, lang).arg(f.number);
    case ListFault::OpenLiteral: return listCheckText(ListCheckText::OpenLiteral, lang);
    case ListFault::CommentEnd: return listCheckText(ListCheckText::CommentEnd, lang);
    }
    return QString();
}
} // namespace

QList<ListFinding> checkList(const GeneratorInput &in, GeneratorKind kind)
{
    QList<ListFinding> out;
    if (in.page == SourcePage::Header)
        return out;
    const bool cpp = in.page == SourcePage::Cpp;
    const bool function = in.mode == StringMode::Function;
    const bool stringTable = generator(kind).stringTable;
    // Numbers become case labels in the Function mode and identifiers with
    // a string table; names are declared or labelled on the C++ page.
    const bool checkNumbers = cpp && (function || stringTable);
    const bool checkIdentifiers = cpp && stringTable;

    QHash<QString, int> names;
    QHash<qint64, int> numbers;
    const QStringList lines = EL::lines(in.list);
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (EL::stripBlanks(line).isEmpty())
            continue;
        const auto add = [&](ListFault fault, int earlier = 0, qint64 number = 0) {
            out << ListFinding{i + 1, line, fault, earlier, number};
        };
        if (cpp) {
            const QString name = nameOf(line, in.mode);
            const std::optional<qint64> number = checkNumbers ? numberOf(line, in.mode) : std::nullopt;
            if (const auto seen = names.constFind(name); seen != names.constEnd())
                add(ListFault::NameTwice, *seen);
            else if (const auto same = number ? numbers.constFind(*number) : numbers.constEnd();
                     same != numbers.constEnd())
                add(ListFault::NumberTwice, *same, *number);
            names.insert(name, names.value(name, i + 1));
            if (number) {
                numbers.insert(*number, numbers.value(*number, i + 1));
                if (checkIdentifiers && !EL::hasStringIdentifier(*number))
                    add(ListFault::IdentifierTooLarge, 0, *number + 100);
            }
        }
        if (literalOpenAtEnd(line))
            add(ListFault::OpenLiteral);
        if (line.contains(QLatin1String("*/")))
            add(ListFault::CommentEnd);
    }
    return out;
}

QString listWarning(const QList<ListFinding> &findings, Language lang)
{
    QString text = listCheckText(ListCheckText::Heading, lang) + u'\n';
    const int shown = std::min<int>(kShownFindings, findings.size());
    for (int i = 0; i < shown; ++i) {
        const ListFinding &f = findings.at(i);
        text += u'\n' + listCheckText(ListCheckText::Entry, lang).arg(QString::number(f.line), shortened(f.entry), reason(f, lang));
    }
    if (findings.size() > shown)
        text += u'\n' + listCheckText(ListCheckText::More, lang).arg(findings.size() - shown);
    return text;
}
