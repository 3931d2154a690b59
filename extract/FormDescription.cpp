#include "extract/FormDescription.h"

#include "extract/ExtractionList.h"

namespace FormDescription {

namespace {
// Collects the characters after each occurrence of word (skipping the one
// character right after it); a ":" stops collecting unless it is the word.
QString collectAfter(const QString &line, const QString &word)
{
    QString result;
    bool collecting = false;
    qsizetype i = 0;
    while (i < line.size()) {
        if (QStringView(line).mid(i, word.size()) == word) {
            collecting = true;
            i += word.size();
        } else if (line.at(i) == u':') {
            collecting = false;
        } else if (collecting) {
            result.append(line.at(i));
        }
        ++i;
    }
    return result;
}
} // namespace

QString objectNameOfLine(const QString &line)
{
    // Only the first word counts: "object" inside a literal or inside a longer
    // word names nothing.
    const QLatin1String word("object");
    const QStringView text(line);
    qsizetype i = 0;
    while (i < text.size() && text.at(i).unicode() <= u' ')
        ++i;
    const qsizetype after = i + word.size();
    if (!text.mid(i).startsWith(word) || (after < text.size() && text.at(after).unicode() > u' '))
        return QString();
    const qsizetype from = after + 1;
    if (from >= text.size())
        return QString();
    const qsizetype colon = line.indexOf(u':', from);
    return line.mid(from, (colon < 0 ? line.size() : colon) - from);
}

QString classNameOfLine(const QString &line)
{
    return collectAfter(line, QStringLiteral(":"));
}

QStringList propertyParts(const QString &line, const std::function<void()> &step)
{
    QStringList parts;
    QString collected;
    for (const QChar c : line) {
        if (step)
            step();
        if (c == u'.') {
            parts << ExtractionList::stripBlanks(collected);
            collected.clear();
        } else if (c == u'=') {
            parts << ExtractionList::stripBlanks(collected);
            break;
        } else {
            collected.append(c);
        }
    }
    return parts;
}

QString propertyPath(const QString &root, const QStringList &parts)
{
    return ExtractionList::stripBlanks(root) + QStringLiteral("->") + parts.join(QStringLiteral("->"));
}

QString propertyEntry(const QString &path, const QString &foundText)
{
    const QString inner = foundText.size() < 2 ? QString() : foundText.mid(1, foundText.size() - 2);
    return path + QStringLiteral(" = \"") + inner + QStringLiteral("\";");
}

} // namespace FormDescription
