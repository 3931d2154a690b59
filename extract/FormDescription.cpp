#include "FormDescription.h"

#include "ExtractionList.h"

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
    return collectAfter(line, QStringLiteral("object"));
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
