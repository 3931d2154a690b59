#include "cli/Findings.h"
#include "cli/Literals.h"

#include "platform/core/Exception.h"
#include "scan/VerdictReason.h"
#include "platform/core/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QUrl>

QString pageName(SourcePage page)
{
    return page == SourcePage::Dfm ? QStringLiteral("dfm") : QStringLiteral("cpp");
}

QString verdictName(LiteralVerdict v)
{
    switch (v) {
    case LiteralVerdict::UserText:
        return QStringLiteral("user-text");
    case LiteralVerdict::ProbablyNot:
        return QStringLiteral("probably-not");
    case LiteralVerdict::NotLiteral:
        break;
    }
    return QStringLiteral("not-literal");
}

namespace {
// One line per finding: the value with its line breaks written as escapes.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r"), QLatin1String("\\r")).replace(QLatin1String("\n"), QLatin1String("\\n"));
    return text;
}

// The rule of each verdict: id, severity word of compilers, SARIF level,
// what a message says before the text.
struct Rule
{
    LiteralVerdict verdict;
    const char *id;
    const char *severity;
    const char *level;
    const char *message;
};
const Rule kRules[] = {
    {LiteralVerdict::UserText, "vtqx-user-text", "warning", "warning", "user text"},
    {LiteralVerdict::ProbablyNot, "vtqx-probably-not", "note", "note", "probably not user text"},
    {LiteralVerdict::NotLiteral, "vtqx-not-literal", "note", "none", "not a string literal"},
};

const Rule &ruleOf(const Batch::Literal &l)
{
    const LiteralVerdict v = l.verdict();
    for (const Rule &r : kRules)
        if (r.verdict == v)
            return r;
    return kRules[0];
}

// What a message says: the verdict, the text, and why.
QString messageOf(const Batch::Literal &l, Language lang)
{
    return QLatin1String(ruleOf(l).message) + u' ' + oneLine(l.value) + QLatin1String(" (") +
           verdictReason(l.hints, l.use, lang) + u')';
}

// JSON written by hand for the items, which come by the hundred thousand:
// QJsonDocument would build and sort each one first.
void appendJson(QString &to, QStringView s)
{
    to += u'"';
    qsizetype copied = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c >= 0x20 && c != u'"' && c != u'\\')
            continue;
        to += s.sliced(copied, i - copied);
        copied = i + 1;
        switch (c) {
        case u'"': to += u"\\\""; break;
        case u'\\': to += u"\\\\"; break;
        case u'\n': to += u"\\n"; break;
        case u'\r': to += u"\\r"; break;
        case u'\t': to += u"\\t"; break;
        default:
            to += u"\\u00";
            to += QChar(u"0123456789abcdef"[c >> 4]);
            to += QChar(u"0123456789abcdef"[c & 15]);
        }
    }
    to += s.sliced(copied);
    to += u'"';
}
void appendJson(QString &to, QLatin1String s)
{
    to += u'"';
    to += s; // names of our own: nothing to escape
    to += u'"';
}
void appendJson(QString &to, int n)
{
    to += QString::number(n);
}

class TextWriter : public FindingWriter
{
public:
    explicit TextWriter(QTextStream &out) : m_out(out) {}
    void finding(const Finding &f) override { m_out << literalLine(f.page.path, f.literal) << '\n'; }
    void textFinding(const TextFinding &f) override { m_out << f.page.path << ':' << f.row << ": " << f.message << '\n'; }

private:
    QTextStream &m_out;
};

// path:line:col: warning: user text "..." [vtqx-user-text]
class GccWriter : public FindingWriter
{
public:
    GccWriter(QTextStream &out, Language lang) : m_out(out), m_lang(lang) {}
    void finding(const Finding &f) override
    {
        const Rule &r = ruleOf(f.literal);
        m_out << f.page.relativePath << ':' << f.literal.pos.row << ':' << f.byteColumn << ": " << r.severity
              << ": " << messageOf(f.literal, m_lang) << " [" << r.id << "]\n";
    }
    void textFinding(const TextFinding &f) override
    {
        m_out << f.page.relativePath << ':' << f.row << ':' << f.col << ": warning: " << f.message << " [" << f.rule
              << "]\n";
    }

private:
    QTextStream &m_out;
    const Language m_lang;
};

// One array, an object per finding on a line of its own, written as found.
class JsonWriter : public FindingWriter
{
public:
    JsonWriter(QTextStream &out, Language lang) : m_out(out), m_lang(lang) { m_out << '['; }
    void finding(const Finding &f) override
    {
        const Batch::Literal &l = f.literal;
        QString &o = m_item;
        o.clear();
        o += QLatin1String(m_first ? "\n{\"column\": " : ",\n{\"column\": ");
        appendJson(o, l.pos.col);
        o += QLatin1String(", \"file\": ");
        appendJson(o, f.page.path);
        o += QLatin1String(", \"hints\": [");
        const QStringList hints = hintNames(l.hints);
        for (qsizetype i = 0; i < hints.size(); ++i) {
            if (i)
                o += QLatin1String(", ");
            appendJson(o, hints[i]);
        }
        o += QLatin1String("], \"page\": ");
        appendJson(o, pageName(f.page.page));
        o += QLatin1String(", \"reason\": ");
        appendJson(o, verdictReason(l.hints, l.use, m_lang));
        o += QLatin1String(", \"row\": ");
        appendJson(o, l.pos.row);
        o += QLatin1String(", \"text\": ");
        appendJson(o, l.text);
        o += QLatin1String(", \"verdict\": ");
        appendJson(o, verdictName(l.verdict()));
        o += u'}';
        m_out << o;
        m_first = false;
    }
    void textFinding(const TextFinding &f) override
    {
        QString &o = m_item;
        o.clear();
        o += QLatin1String(m_first ? "\n{\"column\": " : ",\n{\"column\": ");
        appendJson(o, f.col);
        o += QLatin1String(", \"file\": ");
        appendJson(o, f.page.path);
        o += QLatin1String(", \"message\": ");
        appendJson(o, f.message);
        o += QLatin1String(", \"page\": ");
        appendJson(o, pageName(f.page.page));
        o += QLatin1String(", \"row\": ");
        appendJson(o, f.row);
        o += QLatin1String(", \"rule\": ");
        appendJson(o, QLatin1String(f.rule));
        o += QLatin1String(", \"text\": ");
        appendJson(o, f.text);
        o += u'}';
        m_out << o;
        m_first = false;
    }
    void end() override { m_out << (m_first ? "]\n" : "\n]\n"); }

private:
    QTextStream &m_out;
    const Language m_lang;
    QString m_item;
    bool m_first = true;
};

// A SARIF 2.1.0 log with one run: the head with the tool and its rules, the
// results as found, the tail.
class SarifWriter : public FindingWriter
{
public:
    SarifWriter(QTextStream &out, Language lang) : m_out(out), m_lang(lang)
    {
        QJsonArray rules;
        for (const Rule &r : kRules)
            rules.append(QJsonObject{
                {QStringLiteral("id"), QLatin1String(r.id)},
                {QStringLiteral("shortDescription"), QJsonObject{{QStringLiteral("text"), QLatin1String(r.message)}}},
                {QStringLiteral("defaultConfiguration"), QJsonObject{{QStringLiteral("level"), QLatin1String(r.level)}}}});
        const QJsonObject driver{{QStringLiteral("name"), QStringLiteral("vtqx-cli")},
                                 {QStringLiteral("version"), cliVersion()},
                                 {QStringLiteral("rules"), rules}};
        const QString root = QUrl::fromLocalFile(QDir::currentPath() + u'/').toString(QUrl::FullyEncoded);
        const QJsonObject bases{{QStringLiteral("%SRCROOT%"), QJsonObject{{QStringLiteral("uri"), root}}}};
        m_out << "{\n  \"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\",\n"
                 "  \"version\": \"2.1.0\",\n  \"runs\": [{\n    \"tool\": {\"driver\": "
              << compact(driver) << "},\n    \"originalUriBaseIds\": " << compact(bases)
              << ",\n    \"columnKind\": \"utf16CodeUnits\",\n    \"results\": [";
    }
    void finding(const Finding &f) override
    {
        const Batch::Literal &l = f.literal;
        const Rule &r = ruleOf(l);
        locate(f.page);
        // The end column is the one after the last character, on the last line.
        const qsizetype lastBreak = l.text.lastIndexOf(u'\n');
        const int endLine = l.pos.row + int(l.text.count(u'\n'));
        const int endColumn = lastBreak < 0 ? l.pos.col + int(l.text.size()) : int(l.text.size() - lastBreak);
        QString &o = m_item;
        o.clear();
        o += QLatin1String(m_first ? "\n      {\"ruleId\":" : ",\n      {\"ruleId\":");
        appendJson(o, QLatin1String(r.id));
        o += QLatin1String(",\"ruleIndex\":");
        appendJson(o, int(&r - kRules));
        o += QLatin1String(",\"level\":");
        appendJson(o, QLatin1String(r.level));
        o += QLatin1String(",\"message\":{\"text\":");
        appendJson(o, messageOf(l, m_lang));
        o += QLatin1String("},\"locations\":[{\"physicalLocation\":{\"artifactLocation\":");
        o += m_artifact;
        o += QLatin1String(",\"region\":{\"startLine\":");
        appendJson(o, l.pos.row);
        o += QLatin1String(",\"startColumn\":");
        appendJson(o, l.pos.col);
        if (endLine != l.pos.row) {
            o += QLatin1String(",\"endLine\":");
            appendJson(o, endLine);
        }
        o += QLatin1String(",\"endColumn\":");
        appendJson(o, endColumn);
        o += QLatin1String("}}}],\"partialFingerprints\":{\"vtqxLiteral/v1\":");
        appendJson(o, f.fingerprint);
        o += QLatin1String("}}");
        m_out << o;
        m_first = false;
    }
    void textFinding(const TextFinding &f) override
    {
        locate(f.page);
        QString &o = m_item;
        o.clear();
        o += QLatin1String(m_first ? "\n      {\"ruleId\":" : ",\n      {\"ruleId\":");
        appendJson(o, QLatin1String(f.rule));
        o += QLatin1String(",\"level\":\"warning\",\"message\":{\"text\":");
        appendJson(o, f.message);
        o += QLatin1String("},\"locations\":[{\"physicalLocation\":{\"artifactLocation\":");
        o += m_artifact;
        o += QLatin1String(",\"region\":{\"startLine\":");
        appendJson(o, f.row);
        o += QLatin1String(",\"startColumn\":");
        appendJson(o, f.col);
        o += QLatin1String("}}}]}");
        m_out << o;
        m_first = false;
    }
    void end() override { m_out << (m_first ? "]\n  }]\n}\n" : "\n    ]\n  }]\n}\n"); }

private:
    // m_artifact: the artifact location of page.
    void locate(const PageRef &page)
    {
        if (page.relativePath == m_uriOf)
            return;
        m_uriOf = page.relativePath;
        m_artifact.clear();
        m_artifact += QLatin1String("{\"uri\":");
        if (page.belowCurrent) {
            appendJson(m_artifact, QString::fromLatin1(QUrl::toPercentEncoding(m_uriOf, "/")));
            m_artifact += QLatin1String(",\"uriBaseId\":\"%SRCROOT%\"}");
        } else {
            appendJson(m_artifact, QUrl::fromLocalFile(m_uriOf).toString(QUrl::FullyEncoded));
            m_artifact += u'}';
        }
    }
    static QString compact(const QJsonObject &o)
    {
        return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
    }

    QTextStream &m_out;
    const Language m_lang;
    QString m_item;
    QString m_uriOf, m_artifact; // the page's artifact location, made once per page
    bool m_first = true;
};

// A path relative to the current folder when it lies below it.
QString belowCurrent(const QString &path, bool *below)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString relative = QDir::current().relativeFilePath(absolute);
    *below = relative != u".." && !relative.startsWith(QLatin1String("../")) && !QDir::isAbsolutePath(relative);
    return *below ? relative : absolute;
}
// 64-bit FNV-1a over the parts' UTF-16 code units, each part ended by a
// zero: fixed for good, so fingerprints stay what they were across builds.
QString fingerprintOf(std::initializer_list<QStringView> parts)
{
    quint64 h = 14695981039346656037ull;
    const auto mix = [&h](char16_t c) {
        h = (h ^ (c & 0xff)) * 1099511628211ull;
        h = (h ^ (c >> 8)) * 1099511628211ull;
    };
    for (QStringView part : parts) {
        for (QChar c : part)
            mix(c.unicode());
        mix(0);
    }
    return QStringLiteral("%1").arg(h, 16, 16, QLatin1Char('0'));
}
} // namespace

std::unique_ptr<FindingWriter> findingWriter(OutputFormat format, QTextStream &out, Language lang)
{
    switch (format) {
    case OutputFormat::Gcc:
        return std::make_unique<GccWriter>(out, lang);
    case OutputFormat::Json:
        return std::make_unique<JsonWriter>(out, lang);
    case OutputFormat::Sarif:
        return std::make_unique<SarifWriter>(out, lang);
    case OutputFormat::Text:
        break;
    }
    return std::make_unique<TextWriter>(out);
}

Baseline::Baseline(const QString &file) : m_file(file) {}

Baseline::Key Baseline::keyOf(const Finding &f) const
{
    const QString unit = QFileInfo(m_file).absoluteDir().relativeFilePath(f.page.absoluteUnit);
    return {unit, pageName(f.page.page), f.literal.text};
}

void Baseline::load(Language lang)
{
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(cliText(CliText::BadBaseline, lang).arg(m_file, file.errorString()));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        throw Exception(cliText(CliText::BadBaseline, lang).arg(m_file, error.errorString()));
    const QJsonValue findings = doc.object().value(QStringLiteral("findings"));
    if (!findings.isArray())
        throw Exception(cliText(CliText::BadBaseline, lang).arg(m_file, QStringLiteral("findings")));
    for (const QJsonValue &v : findings.toArray()) {
        const QJsonObject o = v.toObject();
        const int count = o.value(QStringLiteral("count")).toInt(1);
        m_counts[{o.value(QStringLiteral("unit")).toString(), o.value(QStringLiteral("page")).toString(),
                  o.value(QStringLiteral("text")).toString()}] += count;
    }
}

bool Baseline::accepts(const Finding &f)
{
    const auto it = m_counts.find(keyOf(f));
    if (it == m_counts.end() || it->second == 0)
        return false;
    --it->second;
    return true;
}

void Baseline::record(const Finding &f)
{
    ++m_counts[keyOf(f)];
    ++m_recorded;
}

void Baseline::save(Language lang) const
{
    QJsonArray findings;
    for (const auto &[key, count] : m_counts)
        findings.append(QJsonObject{{QStringLiteral("unit"), std::get<0>(key)},
                                    {QStringLiteral("page"), std::get<1>(key)},
                                    {QStringLiteral("text"), std::get<2>(key)},
                                    {QStringLiteral("count"), count}});
    const QJsonObject doc{{QStringLiteral("version"), 1}, {QStringLiteral("findings"), findings}};
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(doc).toJson(QJsonDocument::Indented)) < 0 ||
        !file.commit())
        throw Exception(cliText(CliText::CannotWrite, lang).arg(m_file, file.errorString()));
}

std::optional<OutputFormat> outputFormatNamed(const QString &name)
{
    static const std::pair<const char *, OutputFormat> formats[] = {
        {"", OutputFormat::Text}, {"text", OutputFormat::Text}, {"gcc", OutputFormat::Gcc},
        {"json", OutputFormat::Json}, {"sarif", OutputFormat::Sarif}};
    const auto f = std::find_if(std::begin(formats), std::end(formats),
                                [&](const auto &p) { return name == QLatin1String(p.first); });
    return f == std::end(formats) ? std::nullopt : std::optional(f->second);
}

PageRef pageRef(SourcePage page, const QString &path, const QString &unitBase)
{
    PageRef ref;
    ref.page = page;
    ref.path = path;
    ref.relativePath = belowCurrent(ref.path, &ref.belowCurrent);
    bool unitBelow = false;
    ref.unit = belowCurrent(unitBase, &unitBelow);
    ref.absoluteUnit = QFileInfo(unitBase).absoluteFilePath();
    return ref;
}

void addFindingOptions(CommandParser &parser)
{
    const Language lang = parser.language();
    parser.addHelpAndVersion();
    parser.addJobsOption();
    parser.addEncodingOption();
    parser.addOption({QStringLiteral("format"), cliText(CliText::FormatOption, lang), QStringLiteral("FORMAT")});
    parser.addOption({QStringLiteral("json"), cliText(CliText::JsonOption, lang)});
    parser.addOption({QStringLiteral("page"), cliText(CliText::PagesOption, lang), QStringLiteral("cpp|dfm|both")});
    parser.addOption({{QStringLiteral("q"), QStringLiteral("quiet")}, cliText(CliText::QuietOption, lang)});
    parser.addKeywordOptions();
}

std::optional<int> readFindingOptions(CommandParser &parser, const QStringList &arguments, FindingOptions *options,
                                      CliStreams &io)
{
    if (const std::optional<int> done = parser.read(arguments, io))
        return done;
    const Language lang = parser.language();
    const QString format = parser.isSet(QStringLiteral("json")) && !parser.isSet(QStringLiteral("format"))
                               ? QStringLiteral("json")
                               : parser.value(QStringLiteral("format"));
    const std::optional<OutputFormat> f = outputFormatNamed(format);
    if (!f)
        return fail(io, cliText(CliText::BadFormat, lang).arg(format));
    options->format = *f;
    const QString page = parser.value(QStringLiteral("page"));
    if (page.isEmpty() || page == u"both")
        options->pages = PageChoice::Both;
    else if (page == u"cpp")
        options->pages = PageChoice::Cpp;
    else if (page == u"dfm")
        options->pages = PageChoice::Dfm;
    else
        return fail(io, cliText(CliText::BadPages, lang).arg(page));
    options->quiet = parser.isSet(QStringLiteral("quiet"));
    return std::nullopt;
}

ScanTotals scanUnits(std::vector<SourceUnit> &units, const CommandParser &parser, PageChoice pages, bool fingerprints,
                     const std::function<bool(const Batch::Literal &)> &keep,
                     const std::function<bool(const Finding &)> &found, CliStreams &io)
{
    ScanTotals totals;
    QHash<QString, ProjectSettings> projectOf; // by folder: units side by side share their project file
    for (SourceUnit &unit : units) {
        UnitLocks lock;
        try {
            lock = lockUnits({{unit.folder(), unit.baseName()}}, false, io, cliLanguage());
        } catch (const Exception &e) {
            fail(io, e.Message());
            totals.failed = true;
            continue;
        }
        if (!projectOf.contains(unit.folder())) {
            try {
                projectOf.insert(unit.folder(), parser.project(unit.folder()));
            } catch (const Exception &e) {
                fail(io, e.Message());
                totals.failed = true;
                continue;
            }
        }
        const ProjectSettings &project = projectOf[unit.folder()];
        const UseRules &rules = project.rules;
        unit.setProjectEncoding(project.encoding);
        for (const SourcePage page : {SourcePage::Cpp, SourcePage::Dfm}) {
            if ((page == SourcePage::Cpp && pages == PageChoice::Dfm) ||
                (page == SourcePage::Dfm && pages == PageChoice::Cpp))
                continue;
            // Of both pages, one whose file is missing is left out, as long
            // as the other one is there.
            const SourcePage other = page == SourcePage::Cpp ? SourcePage::Dfm : SourcePage::Cpp;
            if (pages == PageChoice::Both && !QFileInfo::exists(unit.path(page)) &&
                (page == SourcePage::Dfm || QFileInfo::exists(unit.path(other))))
                continue;
            const PageRef ref = pageRef(page, unit.path(page), unit.folder() + unit.baseName());
            CliPage text;
            try {
                text = loadPage(unit, page);
            } catch (const Exception &e) {
                fail(io, e.Message());
                totals.failed = true;
                continue;
            }
            if (page == SourcePage::Cpp || pages == PageChoice::Dfm)
                noteGuess(unit, io, parser.language());
            // Equal texts are told apart by their order: a text's hash and
            // how many of it came before (one page's findings at a time).
            QHash<size_t, int> copies;
            Batch::forEachLiteral(text.text, page, [&](const Batch::Literal &l) {
                if (!keep(l))
                    return;
                const qsizetype lineStart = text.text.lastIndexOf(u'\n', l.start - 1) + 1;
                const int bytes = int(TextFile::byteLength(QStringView(text.text).sliced(lineStart, l.start - lineStart),
                                                           text.encoding));
                Finding f{ref, l, 0, QString(), bytes + 1};
                if (fingerprints) {
                    f.copy = copies[qHash(l.text, 0x5eed)]++;
                    f.fingerprint = fingerprintOf({ref.unit, pageName(page), l.text, QString::number(f.copy)});
                }
                if (found(f))
                    ++totals.written;
            }, rules);
        }
    }
    return totals;
}
