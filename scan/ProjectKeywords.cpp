#include "scan/ProjectKeywords.h"

#include "platform/core/CodePages.h"
#include "platform/core/Exception.h"
#include "platform/core/ProjectFile.h"
#include "uitext/ReasonTexts.h"

#include <QDir>

#include <algorithm>

namespace {
bool isName(QStringView s)
{
    if (s.isEmpty() || s.front().isDigit())
        return false;
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.isLetterOrNumber() || c == u'_'; });
}
} // namespace

bool addCallSpec(UseRules &rules, QStringView spec, UseVerdict verdict)
{
    const qsizetype colon = spec.indexOf(u':');
    const QStringView name = colon < 0 ? spec : spec.left(colon);
    int argument = verdict == UseVerdict::UserText ? 1 : 0;
    if (colon >= 0) {
        bool ok = false;
        argument = spec.sliced(colon + 1).toInt(&ok);
        if (!ok || argument < 1)
            return false;
    }
    if (!isName(name))
        return false;
    rules.addCall(name.toString(), argument, verdict);
    return true;
}

ProjectSettings readProjectSettings(const QString &unitFolder, Language lang)
{
    ProjectSettings s;
    s.file = ProjectFile::find(unitFolder);
    if (s.file.isEmpty())
        return s;
    static const QStringList keys{QStringLiteral("keyword"), QStringLiteral("never"), QStringLiteral("property"),
                                  QStringLiteral("never-property"), QStringLiteral("encoding")};
    ProjectFileError error;
    const std::vector<ProjectEntry> entries = ProjectFile::read(s.file, keys, &error);
    const QString where = QDir::toNativeSeparators(s.file);
    switch (error.kind) {
    case ProjectFileError::Unreadable:
        throw Exception(reasonText(ReasonText::ProjectUnreadable, lang).arg(where, error.detail));
    case ProjectFileError::Malformed:
        throw Exception(reasonText(ReasonText::ProjectMalformed, lang).arg(where).arg(error.line));
    case ProjectFileError::UnknownKey:
        throw Exception(reasonText(ReasonText::ProjectUnknownKey, lang).arg(where).arg(error.line).arg(error.detail));
    case ProjectFileError::None:
        break;
    }
    for (const ProjectEntry &e : entries) {
        bool ok = true;
        if (e.key == u"keyword")
            ok = addCallSpec(s.rules, e.value, UseVerdict::UserText);
        else if (e.key == u"never")
            ok = addCallSpec(s.rules, e.value, UseVerdict::NotUserText);
        else if (e.key == u"property" || e.key == u"never-property") {
            ok = isName(e.value);
            if (ok)
                s.rules.addProperty(e.value, e.key == u"property" ? UseVerdict::UserText : UseVerdict::NotUserText);
        } else if (e.key == u"encoding") {
            s.encoding = CodePages::named(e.value);
            if (!s.encoding)
                throw Exception(reasonText(ReasonText::ProjectBadEncoding, lang)
                                    .arg(where)
                                    .arg(e.line)
                                    .arg(e.value, CodePages::knownKeys()));
        }
        if (!ok)
            throw Exception(reasonText(ReasonText::ProjectBadName, lang).arg(where).arg(e.line).arg(e.value));
    }
    return s;
}
