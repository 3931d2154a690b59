#include "translate/Translation.h"

#include "platform/core/CodePages.h"
#include "platform/core/Exception.h"
#include "uitext/TranslateTexts.h"
#include "translate/Pseudo.h"
#include "translate/WindowsLanguage.h"
#include "uitext/ReleaseTexts.h"

#include <QDir>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace Translation {

namespace {
using SourceTexts::Text;

// The message's context: the entry name, or the property path with dots.
QString messageContext(const Text &t)
{
    return t.kind == Text::Kind::Value ? t.context : QString(t.context).replace(QLatin1String("->"), QLatin1String("."));
}

PoFile::TemplateMessage templateMessage(const Text &t, const TemplateInput &in)
{
    PoFile::TemplateMessage m;
    const bool value = t.kind == Text::Kind::Value;
    m.context = messageContext(t);
    m.text = *t.text;
    m.cFormat = PoFile::isCFormat(m.text);
    m.comment = value ? QStringLiteral("String identifier ") + t.identifier
                      : QStringLiteral("Property of the form description");
    for (const ListPositions::Position &p : (value ? in.cppPlaces : in.dfmPlaces).value(t.context))
        m.references << PoFile::Reference{p.file, p.line};
    if (m.references.isEmpty())
        m.references << PoFile::Reference{in.baseName + (value ? QStringLiteral(".cpp") : QStringLiteral(".dfm"))};
    return m;
}

QList<PoFile::TemplateMessage> templateMessages(const TemplateInput &in)
{
    QList<Text> texts = SourceTexts::valueTexts(in.cppList, in.mode);
    texts += SourceTexts::propertyTexts(in.dfmList);
    QList<PoFile::TemplateMessage> messages;
    QSet<QPair<QString, QString>> seen;
    for (const Text &t : texts) {
        if (!t.text || t.text->isEmpty())
            continue;
        const auto key = qMakePair(t.context, *t.text);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        messages << templateMessage(t, in);
    }
    return messages;
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Checks every file's language before anything is built.
QList<WindowsLanguage> languagesOf(const QList<Translations> &translations, Language lang)
{
    QList<WindowsLanguage> out;
    for (const Translations &t : translations) {
        const QString name = t.catalog.language;
        if (name.isEmpty())
            throw Exception(translateText(TranslateText::NoLanguage, lang).arg(shownPath(t.path)));
        const std::optional<WindowsLanguage> w = windowsLanguage(name);
        if (!w)
            throw Exception(translateText(TranslateText::UnknownLanguage, lang).arg(name, shownPath(t.path)));
        if (const qsizetype earlier = out.indexOf(*w); earlier >= 0)
            throw Exception(translateText(TranslateText::SameLanguage, lang)
                                .arg(name, shownPath(translations.at(earlier).path), shownPath(t.path)));
        out << *w;
    }
    return out;
}
} // namespace

// The messages translated by Pseudo::translate when language is given.
QList<PoFile::TemplateMessage> pseudoTranslated(QList<PoFile::TemplateMessage> messages, const QString &language)
{
    if (!language.isEmpty())
        for (PoFile::TemplateMessage &m : messages)
            m.translation = Pseudo::translate(m.text);
    return messages;
}

QByteArray exportTemplate(const TemplateInput &in, const QString &pseudoLanguage)
{
    return PoFile::writeCatalog(in.baseName, in.created, pseudoLanguage,
                                pseudoTranslated(templateMessages(in), pseudoLanguage));
}

QString qualifiedContext(const QString &unit, const QString &context)
{
    return unit + u'/' + context;
}

QByteArray exportProjectTemplate(const QString &project, const QDateTime &created, const QList<TemplateInput> &units,
                                 const QString &pseudoLanguage)
{
    QList<PoFile::TemplateMessage> messages;
    for (const TemplateInput &in : units)
        for (PoFile::TemplateMessage m : templateMessages(in)) {
            m.context = qualifiedContext(in.baseName, m.context);
            messages << m;
        }
    return PoFile::writeCatalog(project, created, pseudoLanguage, pseudoTranslated(messages, pseudoLanguage));
}

Counts &Counts::operator+=(const Counts &other)
{
    translated += other.translated;
    fuzzy += other.fuzzy;
    untranslated += other.untranslated;
    stale += other.stale;
    missing += other.missing;
    return *this;
}

QString rcLiteral(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += QStringLiteral("\"\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                out += QStringLiteral("\\%1").arg(c.unicode(), 3, 8, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

// Form entries stand one blank in, apart from the C++ page's (two or three).
const QString kFormIndent = QStringLiteral(" ");

qsizetype bytesInCodePage(const QString &text, int codePage)
{
    const std::optional<TextEncoding> page = CodePages::named(QString::number(codePage));
    return page ? TextFile::byteLength(text, *page) : text.toUtf8().size();
}

std::optional<Script> translatedScript(const GeneratorInput &in, const QList<Translations> &translations,
                                       const QString &unit, const QList<Text> &formTexts)
{
    std::optional<QStringList> source = resourceScript(in);
    if (!source)
        return std::nullopt;
    const QList<WindowsLanguage> languages = languagesOf(translations, in.language);
    const QList<Text> texts = SourceTexts::valueTexts(in.list, in.mode);
    const QString indent = in.mode == StringMode::Function ? QStringLiteral("  ") : QStringLiteral("   ");

    Script script;
    script.lines = *source;
    if (!formTexts.isEmpty()) {
        script.lines << QString() << QStringLiteral("STRINGTABLE") << QStringLiteral("{");
        for (const Text &t : formTexts)
            script.lines << kFormIndent + t.identifier + QStringLiteral(", ") + rcLiteral(t.text.value_or(QString()));
        script.lines << QStringLiteral("}");
    }
    for (qsizetype f = 0; f < translations.size(); ++f) {
        const PoFile::Catalog &catalog = translations.at(f).catalog;
        QMultiHash<QString, const PoFile::Message *> byContext;
        const QString qualifier = unit.isEmpty() ? QString() : qualifiedContext(unit, QString());
        for (const PoFile::Message &m : catalog.messages) {
            if (!qualifier.isEmpty() && m.context.startsWith(qualifier))
                byContext.insert(m.context.mid(qualifier.size()), &m);
            else if (!m.context.contains(u'/'))
                byContext.insert(m.context, &m);
        }
        Counts counts{catalog.language};
        QSet<QString> counted;

        const int codePage = ansiCodePage(languages.at(f));
        QHash<QString, QString> &shown = script.formShown.emplace_back();
        script.lines << QString() << languageStatement(languages.at(f)) << QStringLiteral("STRINGTABLE")
                     << QStringLiteral("{");
        const auto entry = [&](const Text &t, const QString &indent) {
            const bool property = t.kind == Text::Kind::Property;
            const QString entryName = property ? messageContext(t) : t.context;
            QString literal = property ? rcLiteral(t.text.value_or(QString())) : resourceLiteral(t.written);
            QString literalText = t.text.value_or(QString()); // what the table holds
            std::optional<Reason> reason;
            if (!t.text) {
                reason = Reason::NotLiteral;
            } else if (t.text->isEmpty()) {
                literal = rcLiteral(QString());
            } else {
                const QList<const PoFile::Message *> candidates = byContext.values(messageContext(t));
                const PoFile::Message *match = nullptr;
                for (const PoFile::Message *m : candidates)
                    if (m->text == *t.text)
                        match = m;
                if (!match)
                    reason = candidates.isEmpty() ? Reason::Missing : Reason::Stale;
                else if (match->fuzzy)
                    reason = Reason::Fuzzy;
                else if (match->translation.isEmpty())
                    reason = Reason::Untranslated;
                else {
                    literal = rcLiteral(literalText = match->translation);
                    script.translated << Translated{catalog.language, entryName, match->translation};
                }
                if (match && !reason)
                    if (const qsizetype bytes = bytesInCodePage(match->translation, codePage); bytes > kLoadableBytes)
                        script.tooLong << TooLong{catalog.language, entryName, bytes, codePage,
                                                  bytesInCodePage(*t.text, codePage) > kLoadableBytes};
            }
            if (reason)
                script.fallbacks << Fallback{catalog.language, entryName, *reason};
            if (property)
                shown.insert(t.context, literalText);
            if (t.text && !t.text->isEmpty() && !counted.contains(entryName)) {
                counted.insert(entryName);
                switch (reason.value_or(Reason::NotLiteral)) {
                case Reason::Untranslated: ++counts.untranslated; break;
                case Reason::Fuzzy: ++counts.fuzzy; break;
                case Reason::Stale: ++counts.stale; break;
                case Reason::Missing: ++counts.missing; break;
                case Reason::NotLiteral: ++counts.translated; break; // no reason: translated
                }
            }
            script.lines << indent + t.identifier + QStringLiteral(", ") + literal;
        };
        for (const Text &t : texts)
            entry(t, indent);
        for (const Text &t : formTexts)
            entry(t, kFormIndent);
        script.lines << QStringLiteral("}");
        script.counts << counts;
    }
    return script;
}

std::optional<Unfit> unfitTranslation(const Script &script, TextEncoding codePage)
{
    for (const Translated &t : script.translated)
        if (const qsizetype at = TextFile::firstUnfit(t.text, codePage); at >= 0)
            return Unfit{t.context, t.language, t.text.mid(at, t.text.at(at).isHighSurrogate() ? 2 : 1)};
    return std::nullopt;
}

QStringList fallbackReport(const QList<Fallback> &fallbacks, Language lang)
{
    QStringList out;
    for (const Fallback &f : fallbacks) {
        TranslateText reason = TranslateText::Untranslated;
        switch (f.reason) {
        case Reason::Untranslated:
            reason = TranslateText::Untranslated;
            break;
        case Reason::Fuzzy:
            reason = TranslateText::Fuzzy;
            break;
        case Reason::Stale:
            reason = TranslateText::Stale;
            break;
        case Reason::Missing:
            reason = TranslateText::Missing;
            break;
        case Reason::NotLiteral:
            reason = TranslateText::NotLiteral;
            break;
        }
        out << QStringLiteral("%1: %2 - %3").arg(f.language, f.entry, translateText(reason, lang));
    }
    return out;
}

} // namespace Translation

namespace Translation {

QString countsReport(const Counts &c, Language lang)
{
    return translateText(TranslateText::Statistics, lang)
        .arg(c.language)
        .arg(c.translated)
        .arg(c.fuzzy)
        .arg(c.untranslated)
        .arg(c.stale)
        .arg(c.missing);
}

QStringList tooLongReport(const QList<TooLong> &tooLong, Language lang)
{
    QStringList out;
    for (const TooLong &t : tooLong)
        out << releaseText(t.sourceTooLong ? ReleaseText::TooLongAsSource : ReleaseText::TooLong, lang)
                   .arg(t.language, t.entry)
                   .arg(t.bytes)
                   .arg(t.codePage)
                   .arg(kLoadableBytes);
    return out;
}

qsizetype tooLongByTranslation(const QList<TooLong> &tooLong)
{
    return std::count_if(tooLong.begin(), tooLong.end(), [](const TooLong &t) { return !t.sourceTooLong; });
}

QStringList catalogWarnings(const QList<Translations> &translations, Language lang)
{
    QStringList out;
    for (const Translations &t : translations)
        if (t.catalog.hasPlurals && t.catalog.pluralForms.isEmpty())
            out << translateText(TranslateText::NoPluralForms, lang).arg(shownPath(t.path));
    return out;
}

} // namespace Translation
