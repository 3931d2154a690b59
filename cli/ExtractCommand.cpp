// vtqx-cli extract: every chosen literal of whole units extracted, as the
// window would one by one; the unit rewritten (or written to --out) with the
// extraction list and the three generator outputs beside it. Everything is
// computed and encoded first: an error in any unit writes nothing.
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
#include <set>

namespace {
struct ExtractOptions
{
    Batch::Options batch;
    bool userTextOnly = false;
    int start = 0;
    QString outDir; // "" = rewrite in place
};

// One file to write: a rewritten page, a copied page or an output.
struct Write
{
    QString path;
    enum Kind { Page, Copy, Output } kind = Output;
    QString text;               // Page, Output
    TextEncoding encoding = {}; // Page
    QString from;               // Copy
};

struct UnitWork
{
    CliPage page;
    QString root, className;
    Batch::Result result;
    std::vector<Write> writes;
    QString error;
};

bool chosen(const ExtractOptions &o, const Batch::Literal &l)
{
    return !o.userTextOnly || verdictOf(l.hints) == LiteralVerdict::UserText;
}

// The rewritten page, the copies of the other pages (with --out) and the
// list with the generator outputs, named after the unit.
std::vector<Write> writesOf(const SourceUnit &unit, const UnitWork &w, const ExtractOptions &o)
{
    const QString folder = o.outDir.isEmpty() ? unit.folder() : Paths::withTrailingSeparator(o.outDir);
    const auto target = [&](const QString &source) { return folder + Paths::namePart(source); };
    std::vector<Write> out;
    const SourcePage page = o.batch.page;
    if (page == SourcePage::Cpp)
        out.push_back({target(w.page.path), Write::Page, w.result.text, w.page.encoding, {}});
    if (!o.outDir.isEmpty())
        for (SourcePage p : kSourcePages) {
            const QString path = unit.path(p);
            if ((p != page || page == SourcePage::Dfm) && QFile::exists(path))
                out.push_back({target(path), Write::Copy, {}, {}, path});
        }
    const QString base = folder + unit.baseName();
    out.push_back({base + QStringLiteral(".list.txt"), Write::Output, w.result.state.list, {}, {}});
    GeneratorInput in{w.result.state.list, o.batch.mode, page, w.className, Language::English};
    const std::pair<const char *, std::optional<QStringList> (*)(const GeneratorInput &)> generators[] = {
        {".rc", resourceScript}, {".norc.cpp", codeWithoutResourceFile}, {".loadrc.cpp", codeForResourceFile}};
    for (const auto &[suffix, generate] : generators)
        if (const std::optional<QStringList> lines = generate(in))
            out.push_back({base + QLatin1String(suffix), Write::Output, lines->join(QLatin1String("\r\n")), {}, {}});
    return out;
}

// Loads, extracts with the given counter and prepares the writes; errors
// name the file.
void work(SourceUnit &unit, const ExtractOptions &o, int counter, UnitWork &w)
{
    w.error.clear();
    try {
        if (w.page.path.isEmpty()) {
            w.page = loadPage(unit, o.batch.page);
            const QString head = formHeadLine(unit);
            w.root = FormDescription::objectNameOfLine(head);
            w.className = FormDescription::classNameOfLine(head);
        }
        Batch::Options options = o.batch;
        options.root = w.root;
        w.result = Batch::extract(w.page.text, options, Batch::State{QString(), counter, {}},
                                  [&](const Batch::Literal &l) { return chosen(o, l); });
        w.writes = writesOf(unit, w, o);
        // Refuse now what could not be saved later.
        for (const Write &wr : w.writes)
            if (wr.kind == Write::Page) {
                try {
                    TextFile::encode(wr.text, wr.encoding);
                } catch (const Exception &e) {
                    throw Exception(wr.path + QStringLiteral(": ") + e.Message());
                }
            }
    } catch (const Exception &e) {
        w.error = e.Message().contains(w.page.path) || w.page.path.isEmpty()
                      ? e.Message()
                      : w.page.path + QStringLiteral(": ") + e.Message();
    }
}

void perform(const SourceUnit &unit, SourcePage page, const Write &w)
{
    switch (w.kind) {
    case Write::Page:
        if (QFileInfo(w.path) == QFileInfo(unit.path(page)))
            unit.save(page, w.text);
        else
            unit.saveAs(page, w.path, w.text);
        break;
    case Write::Output:
        saveOutputText(w.path, w.text);
        break;
    case Write::Copy: {
        QFile f(w.from);
        if (!f.open(QIODevice::ReadOnly))
            throw Exception(QStringLiteral("Cannot read file \"%1\". %2").arg(w.from, f.errorString()));
        TextFile::writeAtomically(w.path, f.readAll());
        break;
    }
    }
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
    // starts), then every unit runs with its own start.
    std::vector<int> starts(units.size(), o.start);
    runParallel(n, jobsOf(parser), [&](int i) { work(units[size_t(i)], o, 0, works[size_t(i)]); }, io, lang);
    if (n > 1) {
        qint64 counter = o.start;
        for (int i = 0; i < n; ++i) {
            starts[size_t(i)] = int(std::min<qint64>(counter, std::numeric_limits<int>::max()));
            if (works[size_t(i)].error.isEmpty())
                counter += works[size_t(i)].result.state.counter;
        }
        runParallel(n, jobsOf(parser), [&](int i) {
            if (works[size_t(i)].error.isEmpty())
                work(units[size_t(i)], o, starts[size_t(i)], works[size_t(i)]);
        }, io, lang);
    } else if (n == 1 && o.start != 0) {
        work(units[0], o, o.start, works[0]);
    }

    bool failed = false;
    std::set<QString> targets;
    for (const UnitWork &w : works) {
        if (!w.error.isEmpty()) {
            fail(io, w.error);
            failed = true;
            continue;
        }
        for (const Write &wr : w.writes)
            if (!targets.insert(QDir::cleanPath(wr.path)).second) {
                fail(io, cliText(CliText::SameOutput, lang).arg(wr.path));
                failed = true;
            }
    }
    if (failed) {
        io.err << cliText(CliText::NothingChanged, lang) << '\n' << Qt::flush;
        return ExitError;
    }
    try {
        if (!o.outDir.isEmpty())
            QDir().mkpath(o.outDir);
        for (int i = 0; i < n; ++i)
            for (const Write &wr : works[size_t(i)].writes)
                perform(units[size_t(i)], o.batch.page, wr);
    } catch (const Exception &e) {
        return fail(io, e.Message());
    }
    for (int i = 0; i < n; ++i) {
        const UnitWork &w = works[size_t(i)];
        const auto extracted = std::count_if(w.result.literals.begin(), w.result.literals.end(), [](const Batch::Outcome &x) {
            return x.action == Batch::Action::Extracted || x.action == Batch::Action::Reused;
        });
        io.out << cliText(CliText::Extracted, lang).arg(w.page.path).arg(extracted).arg(w.result.state.counter) << '\n';
    }
    io.out.flush();
    return ExitOk;
}
