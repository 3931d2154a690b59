#include "extract/ExtractionList.h"

#include <QSet>

#include <algorithm>
#include <limits>

#include "platform/core/Blanks.h"
#include "platform/core/Exception.h"
#include "platform/core/LineBreak.h"

#include <limits>

namespace ExtractionList {

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Value of a run of decimal digits, if it fits; a leading minus is allowed.
std::optional<int> digitsValue(const QString &digits, bool negative)
{
    // Accumulate towards the negative side: its range is one larger.
    constexpr long long lowest = std::numeric_limits<int>::min();
    long long value = 0;
    for (const QChar c : digits) {
        value = value * 10 - (c.unicode() - u'0');
        if (value < lowest)
            return std::nullopt;
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return int(value);
}
} // namespace

QString stripBlanks(const QString &text)
{
    return withoutBlanks(text).toString();
}

QStringList lines(const QString &text)
{
    QStringList out;
    forEachLine(text, [&out](const QString &line) { out << line; });
    return out;
}

void forEachLine(const QString &text, const std::function<void(const QString &line)> &f)
{
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        f(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        f(text.mid(start));
}

Entry splitEntry(const QString &line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u'=' || c == u',')
            return {stripBlanks(line.left(i)), stripBlanks(line.mid(i + 1))};
    }
    return {QString(), stripBlanks(line)};
}

std::optional<QString> findEqualValue(const QString &listText, const QString &value)
{
    return EqualValues(listText).find(value);
}

void EqualValues::add(const QString &text)
{
    forEachLine(text, [this](const QString &line) {
        Entry e = splitEntry(line);
        if (!m_first.contains(e.value))
            m_first.insert(e.value, e.name);
    });
}

std::optional<QString> EqualValues::find(const QString &value) const
{
    const auto it = m_first.constFind(value);
    if (it == m_first.constEnd())
        return std::nullopt;
    return *it;
}

QString lastLine(const QString &listText)
{
    qsizetype end = listText.size();
    // The empty remainder after a final line break is not a line.
    if (end > 0 && listText.at(end - 1) == u'\n')
        --end;
    if (end > 0 && listText.at(end - 1) == u'\r')
        --end;
    qsizetype start = end;
    while (start > 0 && listText.at(start - 1) != u'\n' && listText.at(start - 1) != u'\r')
        --start;
    return listText.mid(start, end - start);
}

QString lineAddition(QChar lastChar, const QString &entry)
{
    return onNewLine(lastChar, entry + QStringLiteral("\r\n"));
}

std::optional<int> parseInt32(const QString &text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    const QString digits = text.mid(i);
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits)
        if (!isDigit(c))
            return std::nullopt;
    return digitsValue(digits, negative);
}

int numberOfName(const QString &text)
{
    QString digits;
    for (const QChar c : text)
        if (isDigit(c))
            digits.append(c);
    if (digits.isEmpty())
        return 0;
    const std::optional<int> value = digitsValue(digits, false);
    if (!value)
        throw Exception(QStringLiteral("The number %1 in '%2' does not fit a 32-bit integer").arg(digits, text));
    return *value;
}

QString stringName(int n)
{
    return QStringLiteral("String") + QString::number(n);
}

QString valueEntry(const QString &name, const QString &value, StringMode mode)
{
    return name + (mode == StringMode::Function ? QStringLiteral(", ") : QStringLiteral(" = ")) + value;
}

int entryNumber(const QString &line)
{
    const qsizetype quote = line.indexOf(u'"');
    return numberOfName(quote < 0 ? line : line.left(quote));
}

QString entryLiteral(const QString &line)
{
    const qsizetype quote = line.indexOf(u'"');
    return quote < 0 ? line : line.mid(quote);
}

QString entryName(const QString &line)
{
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? line : stripBlanks(line.left(eq));
}

QString entryValue(const QString &line)
{
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : stripBlanks(line.mid(eq + 1));
}

QString stringIdentifier(int number)
{
    return QString::number(qint64(number) + 100);
}

namespace {
bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The number of the digits at text[at..]; *end: one past them. Above the
// 32-bit limit it is -1: no name of a list carries it.
int digitsAt(QStringView text, qsizetype at, qsizetype *end)
{
    qint64 n = 0;
    qsizetype k = at;
    for (; k < text.size() && text[k] >= u'0' && text[k] <= u'9'; ++k)
        n = std::min<qint64>(n * 10 + (text[k].unicode() - u'0'), qint64(std::numeric_limits<int>::max()) + 1);
    *end = k;
    return n > std::numeric_limits<int>::max() ? -1 : int(n);
}
} // namespace

QString listFileName(const QString &baseName, SourcePage page)
{
    return baseName + (page == SourcePage::Dfm      ? QStringLiteral(".dfm.list.txt")
                       : page == SourcePage::Header ? QStringLiteral(".h.list.txt")
                                                    : QStringLiteral(".list.txt"));
}

std::vector<NumberUse> numberUsesInPage(QStringView text)
{
    std::vector<NumberUse> found;
    for (const QStringView word : {QStringView(u"String"), QStringView(u"LoadTextRC")}) {
        const bool call = word == u"LoadTextRC";
        for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
            if (at > 0 && isWordChar(text[at - 1]))
                continue;
            qsizetype k = at + word.size();
            if (call) {
                while (k < text.size() && (text[k] == u' ' || text[k] == u'\t'))
                    ++k;
                if (k >= text.size() || text[k] != u'(')
                    continue;
                ++k;
                while (k < text.size() && (text[k] == u' ' || text[k] == u'\t'))
                    ++k;
            }
            qsizetype end = 0;
            const int n = digitsAt(text, k, &end);
            if (end == k || n < 0 || (end < text.size() && isWordChar(text[end]) && !call))
                continue;
            found.push_back({at, n});
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

int highestNumberInPage(QStringView text)
{
    int highest = 0;
    for (const NumberUse &u : numberUsesInPage(text))
        highest = std::max(highest, u.number);
    return highest;
}

EntryForm entryForm(const QString &line)
{
    for (const QChar c : line)
        if (c == u'=' || c == u',')
            return c == u',' ? EntryForm::Function : EntryForm::Value;
    return EntryForm::None;
}

EntryForm entryFormOf(StringMode mode)
{
    return mode == StringMode::Function ? EntryForm::Function : EntryForm::Value;
}

QString convertListForm(const QString &text, StringMode mode)
{
    QString out;
    forEachLine(text, [&](const QString &line) {
        const EntryForm form = entryForm(line);
        out += (form == EntryForm::None || form == entryFormOf(mode)
                    ? line
                    : [&] {
                          const Entry e = splitEntry(line);
                          return valueEntry(e.name, e.value, mode);
                      }()) +
               QStringLiteral("\r\n");
    });
    return out;
}

ListFile readListFile(const QString &text, bool formPage)
{
    ListFile out;
    QSet<QString> seen;
    int lineNo = 0;
    forEachLine(text, [&](const QString &line) {
        ++lineNo;
        if (stripBlanks(line).isEmpty())
            return;
        QString name;
        bool ok = false;
        if (formPage) {
            const qsizetype eq = line.indexOf(QLatin1String(" = \""));
            const QString tail = stripBlanks(line);
            ok = eq > 0 && tail.endsWith(QLatin1String("\";"));
            name = stripBlanks(line.left(eq));
        } else {
            const Entry e = splitEntry(line);
            name = e.name;
            ok = !name.isEmpty() && !name.front().isDigit() &&
                 std::all_of(name.begin(), name.end(), isWordChar) && e.value.size() >= 2 &&
                 e.value.startsWith(u'"') && e.value.endsWith(u'"');
            if (ok) {
                qsizetype end = 0;
                qsizetype d = 0;
                while (d < name.size() && !name[d].isDigit())
                    ++d;
                if (d < name.size())
                    out.highest = std::max(out.highest, digitsAt(name, d, &end));
            }
        }
        if (ok && !formPage) {
            const EntryForm form = entryForm(line);
            if (out.form == EntryForm::None)
                out.form = form;
            else if (form != out.form && out.otherFormLine == 0)
                out.otherFormLine = lineNo;
        }
        ListFile::Fault fault = ListFile::None;
        if (!ok) {
            fault = ListFile::NotAnEntry;
        } else if (seen.contains(name)) {
            fault = ListFile::NameTwice;
            if (out.nameTwiceLine == 0)
                out.nameTwiceLine = lineNo;
        } else {
            seen.insert(name);
            out.names << name;
        }
        if (fault != ListFile::None && out.fault == ListFile::None) {
            out.fault = fault;
            out.faultLine = lineNo;
        }
    });
    return out;
}

} // namespace ExtractionList
