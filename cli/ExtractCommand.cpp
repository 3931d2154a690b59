// vtqx-cli extract: every chosen literal of whole units extracted, as the
// window would one by one; the unit rewritten (or written to --out) with the
// extraction list and the three generator outputs beside it. Every unit is
// checked first, with the page encoded and the outputs generated but nothing
// written: an error in any unit writes nothing. Only then is each unit
// extracted again and its files written one after another, each streamed to
// disk, so that a large unit's texts never exist whole side by side.
#include "Commands.h"
#include "Literals.h"

#include "Exception.h"
#include "ExtractionList.h"
#include "FormDescription.h"
#include "Generators.h"
#include "OutputFile.h"
#include "Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>
#include <optional>
#include <set>

namespace {
struct ExtractOptions
{
    Batch::Options batch;
    bool userTextOnly = false;
    int start = 0;
    QString outDir; // "" = rewrite in place
};

// A unit's page, loaded once and kept until the unit is written.
struct UnitWork
{
    CliPage page;
    QString root, className;
    int counter = 0;         // after the last pass
    qsizetype extracted = 0; // literals extracted or reused in it
    QString error;
};

// The files a unit's extraction writes.
struct Targets
{
    QString page;                                    // the page afterwards; "" on a form description page
    std::vector<std::pair<QString, QString>> copies; // with --out: target and source of the other pages
    QString list;
    std::vector<std::pair<QString, bool (*)(const GeneratorInput &, const LineSink &)>> outputs;
};

bool chosen(const ExtractOptions &o, const Batch::Literal &l)
{
    return !o.userTextOnly || verdictOf(l.hints) == LiteralVerdict::UserText;
}

GeneratorInput generatorInput(const ExtractOptions &o, const UnitWork &w, const QString &list)
{
    return GeneratorInput{list, o.batch.mode, o.batch.page, w.className, Language::English};
}

// Named after the unit, in its folder or in --out.
Targets targetsOf(const SourceUnit &unit, const UnitWork &w, const ExtractOptions &o)
{
    const QString folder = o.outDir.isEmpty() ? unit.folder() : Paths::withTrailingSeparator(o.outDir);
    const auto target = [&](const QString &source) { return folder + Paths::namePart(source); };
    Targets t;
    const SourcePage page = o.batch.page;
    if (page == SourcePage::Cpp)
        t.page = target(w.page.path);
    if (!o.outDir.isEmpty())
        for (SourcePage p : kSourcePages) {
            const QString path = unit.path(p);
            if ((p != page || page == SourcePage::Dfm) && QFile::exists(path))
                t.copies.emplace_back(target(path), path);
        }
    const QString base = folder + unit.baseName();
    t.list = base + QStringLiteral(".list.txt");
    const std::pair<const char *, bool (*)(const GeneratorInput &, const LineSink &)> generators[] = {
        {".rc", writeResourceScript}, {".norc.cpp", writeCodeWithoutResourceFile}, {".loadrc.cpp", writeCodeForResourceFile}};
    // Whether a generator gives anything depends on the page, not on the list.
    for (const auto &[suffix, generate] : generators)
        if (generate(generatorInput(o, w, QString()), [](const QString &) {}))
            t.outputs.emplace_back(base + QLatin1String(suffix), generate);
    return t;
}

// Counts what a pass extracts and hands the page afterwards on to its writer.
class PageSink : public Batch::Sink
{
public:
    explicit PageSink(PageWriter *writer) : m_writer(writer) {}
    void text(QStringView piece) override
    {
        if (m_writer)
            m_writer->write(piece);
    }
    void outcome(const Batch::Outcome &o) override
    {
        extracted += o.action == Batch::Action::Extracted || o.action == Batch::Action::Reused;
    }
    qsizetype extracted = 0;

private:
    PageWriter *m_writer;
};

// Saves to the page's own file, or (--out) to another; dry only checks.
PageWriter pageWriter(const SourceUnit &unit, SourcePage page, const QString &target, bool dry)
{
    return QFileInfo(target) == QFileInfo(unit.path(page)) ? unit.saver(page, dry)
                                                            : unit.saverAs(page, target, dry);
}

// One extraction pass over the unit's page from counter on, the page
// afterwards going to the writer (with a C++ page); returns the list.
// Errors of the page's save name its file.
QString pass(const ExtractOptions &o, int counter, UnitWork &w, const SourceUnit &unit, const Targets &t, bool dry)
{
    std::optional<PageWriter> writer;
    try {
        if (!t.page.isEmpty())
            writer.emplace(pageWriter(unit, o.batch.page, t.page, dry));
        Batch::Options options = o.batch;
        options.root = w.root;
        PageSink sink(writer ? &*writer : nullptr);
        Batch::State st = Batch::extractTo(w.page.text, options, Batch::State{QString(), counter, {}},
                                           [&](const Batch::Literal &l) { return chosen(o, l); }, sink);
        if (writer)
            writer->commit();
        w.counter = st.counter;
        w.extracted = sink.extracted;
        return std::move(st.list);
    } catch (const Exception &e) {
        if (!writer || e.Message().contains(t.page))
            throw;
        throw Exception(t.page + QStringLiteral(": ") + e.Message());
    }
}

// Checks that the unit extracts from counter on, writing nothing: loads it
// the first time, encodes the page as its save would, and runs the
// generators over the list. Errors name the file.
void check(SourceUnit &unit, const ExtractOptions &o, int counter, UnitWork &w)
{
    w.error.clear();
    try {
        if (w.page.path.isEmpty()) {
            w.page = loadPage(unit, o.batch.page);
            const QString head = formHeadLine(unit);
            w.root = FormDescription::objectNameOfLine(head);
            w.className = FormDescription::classNameOfLine(head);
        }
        const Targets t = targetsOf(unit, w, o);
        const QString list = pass(o, counter, w, unit, t, true);
        const GeneratorInput in = generatorInput(o, w, list);
        for (const auto &output : t.outputs)
            output.second(in, [](const QString &) {});
    } catch (const Exception &e) {
        w.error = e.Message().contains(w.page.path) || w.page.path.isEmpty()
                      ? e.Message()
                      : w.page.path + QStringLiteral(": ") + e.Message();
    }
}

// Writes a checked unit: the page afterwards, the copies, the list and the
// outputs, one file after another. The page's text is dropped once written.
void write(const SourceUnit &unit, const ExtractOptions &o, int counter, UnitWork &w)
{
    const Targets t = targetsOf(unit, w, o);
    const QString list = pass(o, counter, w, unit, t, false);
    w.page.text = QString();
    for (const auto &[target, source] : t.copies) {
        QFile f(source);
        if (!f.open(QIODevice::ReadOnly))
            throw Exception(QStringLiteral("Cannot read file \"%1\". %2").arg(source, f.errorString()));
        TextFile::writeAtomically(target, f.readAll());
    }
    saveOutputPieces(t.list, [&](const auto &piece) { piece(list); });
    const GeneratorInput in = generatorInput(o, w, list);
    for (const auto &[path, generate] : t.outputs)
        saveOutputPieces(path, [&](const auto &piece) {
            // The lines as the output window joins them.
            bool first = true;
            generate(in, [&](const QString &line) {
                if (!first)
                    piece(u"\r\n");
                first = false;
                piece(line);
            });
        });
}

std::vector<QString> targetPaths(const Targets &t)
{
    std::vector<QString> out;
    if (!t.page.isEmpty())
        out.push_back(t.page);
    for (const auto &copy : t.copies)
        out.push_back(copy.first);
    out.push_back(t.list);
    for (const auto &output : t.outputs)
        out.push_back(output.first);
    return out;
}
} // namespace

int runExtract(const QStringList &arguments, CliStreams &io)
{
    const Language lang = cliLanguage();
    QCommandLineParser parser;
    addCommonOptions(parser, lang);
    parser.addOption({QStringLiteral("mode"), cliText(CliText::ModeOption, lang),
                      QStringLiteral("global|form|function")});
    parser.addOption({QStringLiteral("extract-c"), cliText(CliText::ExtractCOption, lang)});
    parser.addOption({QStringLiteral("reuse-equal"), cliText(CliText::ReuseEqualOption, lang)});
    parser.addOption({QStringLiteral("all"), cliText(CliText::AllOption, lang)});
    parser.addOption({QStringLiteral("user-text"), cliText(CliText::UserTextOption, lang)});
    parser.addOption({QStringLiteral("page"), cliText(CliText::PageOption, lang), QStringLiteral("cpp|dfm")});
    parser.addOption({QStringLiteral("start"), cliText(CliText::StartOption, lang), QStringLiteral("N")});
    parser.addOption({QStringLiteral("out"), cliText(CliText::OutOption, lang), QStringLiteral("DIR")});
    int exit = ExitOk;
    if (!parseCommon(parser, arguments, io, &exit))
        return exit;

    ExtractOptions o;
    const QString mode = parser.value(QStringLiteral("mode"));
    if (mode.isEmpty() || mode == u"global")
        o.batch.mode = StringMode::Global;
    else if (mode == u"form")
        o.batch.mode = StringMode::Form;
    else if (mode == u"function")
        o.batch.mode = StringMode::Function;
    else
        return fail(io, cliText(CliText::BadMode, lang).arg(mode));
    if (!pageOption(parser.value(QStringLiteral("page")), &o.batch.page))
        return fail(io, cliText(CliText::BadPage, lang).arg(parser.value(QStringLiteral("page"))));
    o.batch.extractC = parser.isSet(QStringLiteral("extract-c"));
    o.batch.equal = parser.isSet(QStringLiteral("reuse-equal")) ? Batch::EqualStrings::Reuse
                                                                : Batch::EqualStrings::NewEntry;
    if (parser.isSet(QStringLiteral("all")) && parser.isSet(QStringLiteral("user-text")))
        return fail(io, cliText(CliText::AllAndUserText, lang));
    o.userTextOnly = parser.isSet(QStringLiteral("user-text"));
    if (parser.isSet(QStringLiteral("start"))) {
        const std::optional<int> start = ExtractionList::parseInt32(parser.value(QStringLiteral("start")));
        if (!start)
            return fail(io, cliText(CliText::BadStart, lang).arg(parser.value(QStringLiteral("start"))));
        o.start = *start;
    }
    o.outDir = parser.value(QStringLiteral("out"));

    std::vector<SourceUnit> units;
    try {
        units = resolveUnits(parser.positionalArguments(), lang);
    } catch (const Exception &e) {
        return fail(io, e.Message());
    }
    const int n = int(units.size());
    std::vector<UnitWork> works(units.size());
    // The numbering runs on from unit to unit: a first pass counts each
    // unit's new entries (the count does not depend on where the counter
    // starts), then every unit is checked with its own start.
    std::vector<int> starts(units.size(), o.start);
    runParallel(n, jobsOf(parser), [&](int i) { check(units[size_t(i)], o, n > 1 ? 0 : o.start, works[size_t(i)]); },
                io, lang);
    if (n > 1) {
        qint64 counter = o.start;
        for (int i = 0; i < n; ++i) {
            starts[size_t(i)] = int(std::min<qint64>(counter, std::numeric_limits<int>::max()));
            if (works[size_t(i)].error.isEmpty())
                counter += works[size_t(i)].counter;
        }
        runParallel(n, jobsOf(parser), [&](int i) {
            if (works[size_t(i)].error.isEmpty())
                check(units[size_t(i)], o, starts[size_t(i)], works[size_t(i)]);
        }, io, lang);
    }

    bool failed = false;
    std::set<QString> targets;
    for (int i = 0; i < n; ++i) {
        const UnitWork &w = works[size_t(i)];
        if (!w.error.isEmpty()) {
            fail(io, w.error);
            failed = true;
            continue;
        }
        for (const QString &path : targetPaths(targetsOf(units[size_t(i)], w, o)))
            if (!targets.insert(QDir::cleanPath(path)).second) {
                fail(io, cliText(CliText::SameOutput, lang).arg(path));
                failed = true;
            }
    }
    if (failed) {
        io.err << cliText(CliText::NothingChanged, lang) << '\n' << Qt::flush;
        return ExitError;
    }
    if (!o.outDir.isEmpty())
        QDir().mkpath(o.outDir);
    // Units are written on all threads; each unit's files one after another.
    runParallel(n, jobsOf(parser), [&](int i) {
        UnitWork &w = works[size_t(i)];
        try {
            write(units[size_t(i)], o, starts[size_t(i)], w);
        } catch (const Exception &e) {
            w.error = e.Message();
        }
    }, io, lang);
    for (const UnitWork &w : works)
        if (!w.error.isEmpty()) {
            fail(io, w.error);
            failed = true;
        }
    if (failed)
        return ExitError;
    for (const UnitWork &w : works)
        io.out << cliText(CliText::Extracted, lang).arg(w.page.path).arg(w.extracted).arg(w.counter) << '\n';
    io.out.flush();
    return ExitOk;
}
