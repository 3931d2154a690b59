// vtqx-cli extract: every chosen literal of whole units extracted; each unit
// rewritten (or written to --out) with its extraction list, continued from
// the last run, the list's places file (where each entry is used, for the
// PO template's references) and the three generator outputs beside it.
//
//   1. every unit, in parallel: refuse special files, load the page, read
//      the list back, find the highest number in use, find the literals
//   2. in unit order: extract, numbering on from the highest number in use
//      anywhere in the run (or --start), so no number is given twice
//   3. every unit, in parallel: prove the rewrite (only the extracted
//      literals changed)
//      (form page: each listed property keeps or gets its string
//      identifier, in a range above every C++ identifier of the run)
//   4. check every target; every unit, in parallel: stage its files beside
//      their targets, encoded as they are written; rename them all only when
//      all are staged
// An error in any unit before step 4 ends writes nothing; a failure while
// staging removes every temporary file. The originals stay as they were.
#include "cli/CommandParser.h"
#include "cli/Commands.h"
#include "cli/Literals.h"

#include "platform/core/Exception.h"
#include "extract/ExtractionList.h"
#include "extract/FormDescription.h"
#include "extract/FormIds.h"
#include "generate/FormLoadCode.h"
#include "generate/GeneratorTable.h"
#include "extract/ListPositions.h"
#include "generate/OutputFile.h"
#include "batch/PageDiff.h"
#include "platform/core/FileStamp.h"
#include "platform/core/Paths.h"
#include "platform/core/StagedFiles.h"
#include "scan/TextSource.h"
#include "uitext/ReleaseTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <limits>
#include <optional>
#include <set>

namespace {
struct ExtractOptions
{
    Batch::Options batch;
    bool userTextOnly = false;
    std::optional<int> start;
    int formStart = FormIds::kDefaultStart;
    QString outDir; // "" = rewrite in place
    QString root, className;
    bool dryRun = false;
    bool diff = false;
    const CommandParser *parser = nullptr; // what each unit's project file says (project())
    bool convertList = false; // a list of the other mode's form is rewritten
};

QString modeName(StringMode mode)
{
    return QLatin1String(mode == StringMode::Function ? "function" : mode == StringMode::Form ? "form" : "global");
}

// The mode a list of this form was written in, as --mode names it.
QString modeName(ExtractionList::EntryForm form)
{
    return modeName(form == ExtractionList::EntryForm::Function ? StringMode::Function : StringMode::Global);
}

// A unit's work from reading to writing.
struct UnitWork
{
    CliPage page;
    QString root, className;
    QString listPath;     // where the list is read and written
    QString list;         // the list as read back ("" when there is none)
    QString positions;    // where its entries stand (ListPositions), found anew each run
    QSet<QString> listed; // form page: the property paths already listed
    int inUse = 0;        // the highest number the list or the page uses
    std::vector<Batch::Literal> literals;
    Batch::Result result;
    int start = 0;
    qsizetype extracted = 0, reused = 0;
    QString diff;
    QString error;
    bool noFormPage = false; // --page dfm on a unit without a form description
    FormIds::Ids formIds;    // the form page's string identifiers (read, then assigned)
    QString formIdsSource;   // where they were read
    int cppInUse = 0;        // the highest number the C++ page's list or page uses
    QString cppSource;       // the unit's C++ page, named where its numbers are in the way
    std::vector<std::pair<QString, FileStamp>> read; // each file read, as it was before
};

bool chosen(const ExtractOptions &o, const UnitWork &w, const Batch::Literal &l)
{
    if (o.userTextOnly && l.verdict() != LiteralVerdict::UserText)
        return false;
    // A form value that the list holds already is not listed again.
    return o.batch.page != SourcePage::Dfm ||
           !w.listed.contains(FormDescription::propertyPath(w.root, l.path));
}

QString folderOf(const SourceUnit &unit, const ExtractOptions &o)
{
    return o.outDir.isEmpty() ? unit.folder() : Paths::withTrailingSeparator(o.outDir);
}

// The list and the outputs of a page: <base>.list.txt and <base> with each
// generator's suffix for the C++ page; <base>.dfm.list.txt ... for the form
// page.
QString outputBase(const SourceUnit &unit, const ExtractOptions &o)
{
    return folderOf(unit, o) + unit.baseName() +
           (o.batch.page == SourcePage::Dfm ? QStringLiteral(".dfm") : QString());
}

void refuseSpecialFiles(const SourceUnit &unit, Language lang)
{
    for (SourcePage p : kSourcePages) {
        const QFileInfo info(unit.path(p));
        if (info.exists() && !info.isFile())
            throw Exception(cliText(CliText::NotRegularFile, lang).arg(unit.path(p)));
    }
}

// The highest number the unit's C++ list or C++ page uses (form page runs).
int cppNumbersInUse(SourceUnit &unit)
{
    int highest = 0;
    const QString list = unit.folder() + ExtractionList::listFileName(unit.baseName(), SourcePage::Cpp);
    if (QFileInfo(list).isFile())
        highest = ExtractionList::readListFile(unit.loadBeside(list).text, false).highest;
    if (QFileInfo(unit.path(SourcePage::Cpp)).isFile())
        highest = std::max(highest, ExtractionList::highestNumberInPage(loadPage(unit, SourcePage::Cpp).text));
    return highest;
}

// Step 1. Errors name the file.
void prepare(SourceUnit &unit, const ExtractOptions &o, UnitWork &w, Language lang)
{
    refuseSpecialFiles(unit, lang);
    if (o.batch.page == SourcePage::Dfm && !QFileInfo::exists(unit.path(SourcePage::Dfm))) {
        w.noFormPage = true; // told, and left out of the run
        return;
    }
    // Stamped before they are read: a change from here to the commit
    // stops the run.
    const QString source = unit.folder() + ExtractionList::listFileName(unit.baseName(), o.batch.page);
    for (SourcePage p : kSourcePages)
        if (!unit.path(p).isEmpty())
            w.read.emplace_back(unit.path(p), FileStamp::of(unit.path(p)));
    w.read.emplace_back(source, FileStamp::of(source));
    const ProjectSettings project = o.parser->project(unit.folder());
    unit.setProjectEncoding(project.encoding);
    w.page = loadPage(unit, o.batch.page);
    // A page is rewritten only when its bytes survive; the others are read only.
    if (o.batch.page == SourcePage::Cpp && unit.page(SourcePage::Cpp).notKept.row != 0)
        throw Exception(unit.notKeptMessage(SourcePage::Cpp));
    if (w.page.text.contains(QChar(u'\0')))
        throw Exception(cliText(CliText::NulBytes, lang).arg(w.page.path));
    const QString head = formHeadLine(unit);
    // --root and --class stand in for a form description the unit lacks.
    w.root = FormDescription::objectNameOfLine(head);
    w.className = FormDescription::classNameOfLine(head);
    if (w.root.trimmed().isEmpty())
        w.root = o.root;
    if (w.className.trimmed().isEmpty())
        w.className = o.className;
    if (w.root.trimmed().isEmpty() || w.className.trimmed().isEmpty())
        throw Exception(cliText(CliText::NoFormDescription, lang).arg(unit.path(SourcePage::Cpp)));

    const bool form = o.batch.page == SourcePage::Dfm;
    w.listPath = folderOf(unit, o) + ExtractionList::listFileName(unit.baseName(), o.batch.page);
    // The unit's own list continues, also when --out writes the result
    // elsewhere: the same run with --out gives the same files again.
    if (QFileInfo(source).exists()) {
        if (!QFileInfo(source).isFile())
            throw Exception(cliText(CliText::NotRegularFile, lang).arg(source));
        const auto loaded = unit.loadBeside(source);
        w.list = TextFile::withCrLfBreaks(loaded.text);
        const ExtractionList::ListFile read = ExtractionList::readListFile(w.list, form);
        if (read.fault != ExtractionList::ListFile::None)
            throw Exception(cliText(read.fault == ExtractionList::ListFile::NameTwice ? CliText::ListNameTwice
                                                                                      : CliText::ListNotAnEntry,
                                    lang)
                                .arg(source)
                                .arg(read.faultLine));
        w.inUse = read.highest;
        if (form)
            w.listed = QSet<QString>(read.names.begin(), read.names.end());
        // One list, one form: the generators cannot read both at once.
        if (!form && !o.convertList) {
            if (read.otherFormLine > 0)
                throw Exception(cliText(CliText::ListMixesForms, lang)
                                    .arg(source)
                                    .arg(read.otherFormLine)
                                    .arg(modeName(read.form == ExtractionList::EntryForm::Function
                                                      ? ExtractionList::EntryForm::Value
                                                      : ExtractionList::EntryForm::Function),
                                         modeName(read.form)));
            if (read.form != ExtractionList::EntryForm::None &&
                read.form != ExtractionList::entryFormOf(o.batch.mode))
                throw Exception(cliText(CliText::ListOfOtherMode, lang)
                                    .arg(source, modeName(read.form), modeName(o.batch.mode)));
        }
        if (!form && o.convertList)
            w.list = ExtractionList::convertListForm(w.list, o.batch.mode);
    }
    if (!form)
        w.inUse = std::max(w.inUse, ExtractionList::highestNumberInPage(w.page.text));
    w.formIdsSource = unit.folder() + unit.baseName() + QStringLiteral(".dfm.list.ids");
    if (QFileInfo(w.formIdsSource).isFile())
        w.formIds = FormIds::read(TextFile::load(w.formIdsSource).text);
    w.cppInUse = form ? cppNumbersInUse(unit) : w.inUse;
    w.cppSource = unit.path(SourcePage::Cpp);
    w.literals = Batch::findLiterals(w.page.text, o.batch.page, project.rules);
}

// Counts what an extraction did with its literals.
class Counter : public Batch::Sink
{
public:
    void text(QStringView) override {}
    void outcome(const Batch::Outcome &o) override
    {
        extracted += o.action == Batch::Action::Extracted || o.action == Batch::Action::Reused;
        reused += o.action == Batch::Action::Reused;
    }
    qsizetype extracted = 0, reused = 0;
};

// Where the list's entries stand in the page afterwards, a line per place:
// on the C++ page each name or call that names an entry, on the form page
// each value of a listed property. Found anew each run, so that edits since
// the last run move them too.
QString placesOf(const UnitWork &w, bool form)
{
    const ExtractionList::ListFile listed = ExtractionList::readListFile(w.result.state.list, form);
    const QSet<QString> names(listed.names.begin(), listed.names.end());
    const QString file = Paths::namePart(w.page.path);
    QString out;
    const auto add = [&](const QString &name, int line) {
        if (names.contains(name))
            out += ListPositions::line(name, {file, line}) + QStringLiteral("\r\n");
    };
    if (form) {
        for (const Batch::Literal &l : w.literals)
            if (!l.path.isEmpty())
                add(FormDescription::propertyPath(w.root, l.path), l.pos.row);
    } else {
        for (const auto &[number, line] : ListPositions::numbersInPage(w.result.text))
            add(ExtractionList::stringName(number), line);
    }
    return out;
}

// Step 2: the one extraction of the unit, from counter on.
void extract(const ExtractOptions &o, int counter, UnitWork &w)
{
    Batch::Options options = o.batch;
    options.root = w.root;
    w.start = counter;
    Counter count;
    w.result = Batch::extract(w.page.text, w.literals, options, Batch::State{w.list, counter, {}},
                              [&](const Batch::Literal &l) { return chosen(o, w, l); }, &count);
    w.positions = placesOf(w, o.batch.page == SourcePage::Dfm);
    w.literals = {};
    w.extracted = count.extracted;
    w.reused = count.reused;
}

// Step 3: the proof that only the extracted literals changed, and the diff.
void prove(const ExtractOptions &o, UnitWork &w, Language lang)
{
    if (o.batch.page != SourcePage::Cpp)
        return;
    if (const std::optional<int> at = Batch::proofFailure(w.page.text, w.result)) {
        const TextSource src(w.page.text);
        const int line = src.lineOf(*at);
        throw Exception(
            cliText(CliText::ProofFailed, lang).arg(w.page.path).arg(line + 1).arg(*at - src.lineStart(line) + 1));
    }
    if (o.diff)
        w.diff = unifiedDiff(w.page.path, w.page.text, w.result.text, w.result.replacements);
}

// The generators' outputs in the order a unit's files are written.
constexpr GeneratorKind kOutputs[] = {GeneratorKind::ResourceScript, GeneratorKind::WithoutResourceFile,
                                      GeneratorKind::ForResourceFile};

GeneratorInput generatorInput(const ExtractOptions &o, const UnitWork &w, const QString &list)
{
    return GeneratorInput{list, o.batch.mode, o.batch.page, w.className, Language::English};
}

// "" when every C++ identifier of the run (its highest number: cppNumber, or
// for -1 the highest the units use) stays below every form identifier;
// otherwise the error, naming the unit on the other side.
QString formIdsApart(const std::vector<UnitWork> &works, int cppNumber, Language lang)
{
    const UnitWork *cpp = nullptr, *form = nullptr;
    int lowest = 0;
    for (const UnitWork &w : works) {
        if (!cpp || w.cppInUse > cpp->cppInUse)
            cpp = &w;
        const int l = FormIds::lowest(w.formIds);
        if (l > 0 && (lowest == 0 || l < lowest)) {
            lowest = l;
            form = &w;
        }
    }
    const qint64 highest = std::max<qint64>(cppNumber, cpp ? cpp->cppInUse : 0);
    if (FormIds::apart(highest, lowest))
        return QString();
    if (cppNumber < 0)
        return releaseText(ReleaseText::FormMeetsCpp, lang).arg(lowest).arg(highest + 100).arg(cpp->cppSource);
    return releaseText(ReleaseText::CppMeetsForm, lang).arg(highest + 100).arg(lowest).arg(form->formIdsSource);
}

// <base>.list.pos beside <base>.list.txt
QString placesPath(const UnitWork &w)
{
    return w.listPath.left(w.listPath.size() - 3) + QStringLiteral("pos");
}

// <base>.dfm.list.ids beside <base>.dfm.list.txt
QString formIdsPath(const UnitWork &w)
{
    return w.listPath.left(w.listPath.size() - 3) + QStringLiteral("ids");
}

const char kFormLoadCodeSuffix[] = ".loadrc.cpp";

// Step 2 of the form page, after every unit's extraction: each listed
// property keeps its identifier, new ones continue after the highest in the
// run (at least --form-start). Returns the error, "" when every identifier
// stays apart from the C++ page's.
QString assignFormIds(const ExtractOptions &o, std::vector<UnitWork> &works, Language lang)
{
    int next = o.formStart;
    for (const UnitWork &w : works)
        next = std::max(next, FormIds::highest(w.formIds) + 1);
    for (UnitWork &w : works) {
        const QStringList paths = ExtractionList::readListFile(w.result.state.list, true).names;
        const std::optional<FormIds::Ids> ids = FormIds::assign(paths, w.formIds, next);
        if (!ids)
            return releaseText(ReleaseText::FormIdsFull, lang).arg(w.page.path).arg(FormIds::kHighest);
        w.formIds = *ids;
        next = std::max(next, FormIds::highest(w.formIds) + 1);
    }
    return formIdsApart(works, -1, lang);
}

// The files a unit writes, in the order stage() writes them: the page
// (C++ page), with --out the other pages, the list, the outputs the page has.
std::vector<QString> targetsOf(const SourceUnit &unit, const ExtractOptions &o, const UnitWork &w)
{
    const bool cpp = o.batch.page == SourcePage::Cpp;
    const QString folder = folderOf(unit, o);
    std::vector<QString> out;
    if (cpp)
        out.push_back(folder + Paths::namePart(w.page.path));
    if (!o.outDir.isEmpty())
        for (SourcePage p : kSourcePages)
            if ((p != SourcePage::Cpp || !cpp) && QFile::exists(unit.path(p)))
                out.push_back(folder + Paths::namePart(unit.path(p)));
    out.push_back(w.listPath);
    out.push_back(placesPath(w));
    for (const GeneratorKind kind : kOutputs)
        if (const GeneratorInfo &g = generator(kind); g.worksOn(o.batch.page))
            out.push_back(outputBase(unit, o) + QLatin1String(g.suffix));
    if (!cpp) {
        out.push_back(formIdsPath(w));
        out.push_back(outputBase(unit, o) + QLatin1String(kFormLoadCodeSuffix));
    }
    return out;
}

// Step 4: every file of the unit written beside its target, one at a time,
// the bytes streamed. Errors name the file.
void stage(const SourceUnit &unit, const ExtractOptions &o, UnitWork &w, StagedFiles &staged)
{
    const std::vector<QString> targets = targetsOf(unit, o, w);
    auto target = targets.begin();
    if (o.batch.page == SourcePage::Cpp) {
        staged.begin(*target++);
        try {
            TextFile::Encoder encoder(w.page.encoding);
            QByteArray bytes;
            qint64 size = 0;
            const QStringView text(w.result.text);
            constexpr qsizetype kChunk = 256 * 1024;
            for (qsizetype at = 0; at <= text.size(); at += kChunk) {
                if (at < text.size())
                    encoder.encode(text.sliced(at, std::min(kChunk, text.size() - at)), bytes);
                else
                    encoder.finish(bytes);
                size += bytes.size();
                staged.write(bytes);
                bytes.resize(0);
            }
            if (size > TextFile::kMaxSize)
                throw Exception(QStringLiteral("%1 bytes exceed what the tool can open again").arg(size));
        } catch (const Exception &e) {
            throw Exception(w.page.path + QStringLiteral(": ") + e.Message());
        }
        staged.end();
        w.result.text = QString();
    }
    if (!o.outDir.isEmpty())
        for (SourcePage p : kSourcePages) {
            const QString path = unit.path(p);
            if ((p != SourcePage::Cpp || o.batch.page != SourcePage::Cpp) && QFile::exists(path)) {
                QFile f(path);
                if (!f.open(QIODevice::ReadOnly))
                    throw Exception(QStringLiteral("%1: %2").arg(path, f.errorString()));
                staged.stage(*target++, f.readAll());
            }
        }
    const QString &list = w.result.state.list;
    const TextEncoding codePage = outputCodePage(w.page.encoding);
    const auto write = [&](QByteArrayView b) { staged.write(b); };
    const auto restart = [&] { staged.restart(); };
    staged.begin(*target++);
    encodeOutputPieces([&](const auto &piece) { piece(list); }, OutputKind::Text, write, restart, codePage);
    staged.end();
    staged.begin(*target++);
    encodeOutputPieces([&](const auto &piece) { piece(w.positions); }, OutputKind::Text, write, restart, codePage);
    staged.end();
    const GeneratorInput in = generatorInput(o, w, list);
    for (const GeneratorKind kind : kOutputs) {
        const GeneratorInfo &g = generator(kind);
        if (!g.worksOn(o.batch.page))
            continue;
        staged.begin(*target++);
        encodeOutputPieces(
            [&](const auto &piece) {
                // The lines as the output window joins them.
                bool first = true;
                g.write(in, [&](const QString &line) {
                    if (!first)
                        piece(u"\r\n");
                    first = false;
                    piece(line);
                });
            },
            g.outputKind, write, restart, codePage);
        staged.end();
    }
    if (o.batch.page == SourcePage::Dfm) {
        staged.begin(*target++);
        encodeOutputPieces([&](const auto &piece) { piece(FormIds::write(w.formIds)); }, OutputKind::Text, write,
                           restart);
        staged.end();
        staged.begin(*target++);
        const QString code = FormLoadCode::lines(w.className, w.formIds).join(QStringLiteral("\r\n"));
        encodeOutputPieces([&](const auto &piece) { piece(code); }, OutputKind::CppCode, write, restart);
        staged.end();
    }
}

template <typename Work>
void eachUnit(int n, int jobs, std::vector<UnitWork> &works, CliStreams &io, Language lang, Work work)
{
    runParallel(n, jobs, [&](int i) {
        UnitWork &w = works[size_t(i)];
        if (!w.error.isEmpty())
            return;
        try {
            work(i, w);
        } catch (const Exception &e) {
            w.error = e.Message();
        }
    }, io, lang);
}

// Prints every unit's error; true when there was one.
bool reportErrors(const std::vector<UnitWork> &works, CliStreams &io)
{
    bool failed = false;
    for (const UnitWork &w : works)
        if (!w.error.isEmpty()) {
            fail(io, w.error);
            failed = true;
        }
    return failed;
}

int nothingChanged(CliStreams &io, Language lang)
{
    io.err << cliText(CliText::NothingChanged, lang) << '\n' << Qt::flush;
    return ExitError;
}
} // namespace

int runExtract(const QStringList &arguments, CliStreams &io)
{
    CommandParser parser("extract", CommandParser::Voice::Tool, CliText::UnitArgument);
    const Language lang = parser.language();
    parser.addHelpAndVersion();
    parser.addJobsOption();
    parser.addModeOption(CommandParser::ModeDefault::Global);
    parser.addEncodingOption();
    parser.addOption({QStringLiteral("extract-c"), cliText(CliText::ExtractCOption, lang)});
    parser.addOption({QStringLiteral("reuse-equal"), cliText(CliText::ReuseEqualOption, lang)});
    parser.addOption({QStringLiteral("all"), cliText(CliText::AllOption, lang)});
    parser.addOption({QStringLiteral("user-text"), cliText(CliText::UserTextOption, lang)});
    parser.addOption({QStringLiteral("page"), cliText(CliText::PageOption, lang), QStringLiteral("cpp|dfm")});
    parser.addOption({QStringLiteral("start"), cliText(CliText::StartOption, lang), QStringLiteral("N")});
    parser.addOption({QStringLiteral("form-start"), releaseText(ReleaseText::FormStartOption, lang), QStringLiteral("N")});
    parser.addOption({QStringLiteral("out"), cliText(CliText::OutOption, lang), QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("root"), cliText(CliText::RootOption, lang), QStringLiteral("NAME")});
    parser.addOption({QStringLiteral("class"), cliText(CliText::ClassOption, lang), QStringLiteral("NAME")});
    parser.addOption({QStringLiteral("dry-run"), cliText(CliText::DryRunOption, lang)});
    parser.addOption({QStringLiteral("diff"), cliText(CliText::DiffOption, lang)});
    parser.addKeywordOptions();
    parser.addOption({QStringLiteral("convert-list"), cliText(CliText::ConvertListOption, lang)});
    if (const std::optional<int> done = parser.read(arguments, io))
        return *done;

    ExtractOptions o;
    std::optional<StringMode> mode;
    if (!parser.mode(&mode, io))
        return ExitError;
    o.batch.mode = *mode;
    if (!pageOption(parser.value(QStringLiteral("page")), &o.batch.page))
        return fail(io, cliText(CliText::BadPage, lang).arg(parser.value(QStringLiteral("page"))));
    o.batch.extractC = parser.isSet(QStringLiteral("extract-c"));
    o.batch.equal = parser.isSet(QStringLiteral("reuse-equal")) ? Batch::EqualStrings::Reuse
                                                                : Batch::EqualStrings::NewEntry;
    if (parser.isSet(QStringLiteral("all")) && parser.isSet(QStringLiteral("user-text")))
        return fail(io, cliText(CliText::AllAndUserText, lang));
    o.userTextOnly = parser.isSet(QStringLiteral("user-text"));
    if (parser.isSet(QStringLiteral("start"))) {
        const QString value = parser.value(QStringLiteral("start"));
        const std::optional<int> start = ExtractionList::parseInt32(value);
        if (!start)
            return fail(io, cliText(CliText::BadStart, lang).arg(value));
        if (*start < 0)
            return fail(io, cliText(CliText::NegativeStart, lang).arg(value));
        o.start = *start;
    }
    if (parser.isSet(QStringLiteral("form-start"))) {
        const QString value = parser.value(QStringLiteral("form-start"));
        const std::optional<int> start = ExtractionList::parseInt32(value);
        if (!start || *start < 1 || *start > FormIds::kHighest)
            return fail(io, releaseText(ReleaseText::BadFormStart, lang).arg(value).arg(FormIds::kHighest));
        o.formStart = *start;
    }
    o.outDir = parser.value(QStringLiteral("out"));
    // An unset variable in a script must not turn --out "$OUT" into a rewrite in place.
    if (parser.isSet(QStringLiteral("out")) && o.outDir.trimmed().isEmpty())
        return fail(io, cliText(CliText::EmptyOut, lang));
    o.convertList = parser.isSet(QStringLiteral("convert-list"));
    o.root = parser.value(QStringLiteral("root"));
    o.className = parser.value(QStringLiteral("class"));
    o.dryRun = parser.isSet(QStringLiteral("dry-run"));
    o.diff = parser.isSet(QStringLiteral("diff"));
    o.parser = &parser;

    std::vector<SourceUnit> units;
    try {
        units = resolveUnits(parser.units(), lang, parser.encoding());
    } catch (const Exception &e) {
        return fail(io, e.Message());
    }
    // One writer per unit: the unit's folder and, with --out, the folder
    // written, each locked and recovered before anything is read.
    UnitLocks locks;
    try {
        // With --out the units are only read: a read-only folder needs no
        // lock there. A folder --out is yet to create holds nothing to lock.
        std::vector<std::pair<QString, QString>> sources, outputs;
        for (const SourceUnit &u : units) {
            sources.emplace_back(u.folder(), u.baseName());
            if (!o.outDir.isEmpty() && QDir(folderOf(u, o)) != QDir(u.folder()) && QFileInfo(o.outDir).isDir())
                outputs.emplace_back(folderOf(u, o), u.baseName());
        }
        locks = lockUnits(sources, o.outDir.isEmpty(), io, lang);
        for (std::unique_ptr<UnitLock> &l : lockUnits(outputs, true, io, lang))
            locks.push_back(std::move(l));
    } catch (const Exception &e) {
        fail(io, e.Message());
        return nothingChanged(io, lang);
    }
    int n = int(units.size());
    const int jobs = parser.jobs();
    std::vector<UnitWork> works(units.size());

    eachUnit(n, jobs, works, io, lang, [&](int i, UnitWork &w) { prepare(units[size_t(i)], o, w, lang); });
    if (reportErrors(works, io))
        return nothingChanged(io, lang);
    for (const SourceUnit &unit : units)
        noteGuess(unit, io, lang);
    for (int i = n - 1; i >= 0; --i)
        if (works[size_t(i)].noFormPage) {
            io.err << "vtqx-cli: " << cliText(CliText::NoFormPage, lang).arg(units[size_t(i)].path(SourcePage::Cpp)) << '\n';
            works.erase(works.begin() + i);
            units.erase(units.begin() + i);
        }
    n = int(units.size());

    // New numbers follow the highest in use anywhere in the run.
    int inUse = 0;
    const UnitWork *user = nullptr;
    for (const UnitWork &w : works)
        if (w.inUse > inUse) {
            inUse = w.inUse;
            user = &w;
        }
    if (o.start && *o.start < inUse) {
        fail(io, cliText(CliText::StartInUse, lang).arg(*o.start).arg(inUse).arg(user->page.path));
        return nothingChanged(io, lang);
    }
    int counter = o.start.value_or(inUse);
    for (UnitWork &w : works) {
        try {
            extract(o, counter, w);
            counter = w.result.state.counter;
        } catch (const Exception &e) {
            w.error = w.page.path + QStringLiteral(": ") + e.Message();
            break;
        }
    }
    if (reportErrors(works, io))
        return nothingChanged(io, lang);
    // String table identifiers are 16 bits: the numbers this run gives must fit.
    if (o.batch.page == SourcePage::Cpp && counter > o.start.value_or(inUse) &&
        !ExtractionList::hasStringIdentifier(counter)) {
        fail(io, cliText(CliText::IdAboveLimit, lang)
                     .arg(ExtractionList::stringIdentifier(counter))
                     .arg(ExtractionList::kLargestStringIdentifier));
        return nothingChanged(io, lang);
    }
    int given = 0; // the highest number given in this run
    for (const UnitWork &w : works)
        if (w.extracted > w.reused)
            given = std::max(given, w.result.state.counter);
    const QString apart = o.batch.page == SourcePage::Dfm ? assignFormIds(o, works, lang)
                                                          : formIdsApart(works, given, lang);
    if (!apart.isEmpty()) {
        fail(io, apart);
        return nothingChanged(io, lang);
    }

    eachUnit(n, jobs, works, io, lang, [&](int, UnitWork &w) { prove(o, w, lang); });
    bool failed = reportErrors(works, io);
    std::set<QString> targets;
    for (size_t i = 0; i < works.size(); ++i)
        for (const QString &target : targetsOf(units[i], o, works[i]))
            if (!targets.insert(QDir::cleanPath(target)).second) {
                fail(io, cliText(CliText::SameOutput, lang).arg(target));
                failed = true;
            }
    if (failed)
        return nothingChanged(io, lang);

    if (o.dryRun || o.diff) {
        for (const UnitWork &w : works) {
            if (o.diff) {
                io.out << w.diff;
                continue;
            }
            const qsizetype fresh = w.extracted - w.reused;
            QString line = cliText(CliText::WouldExtract, lang).arg(w.page.path).arg(w.extracted).arg(fresh).arg(w.reused);
            if (fresh > 0 && o.batch.page == SourcePage::Cpp)
                line += cliText(CliText::WouldNumber, lang).arg(w.start + 1).arg(w.result.state.counter);
            io.out << line << '\n';
        }
        io.out.flush();
        return ExitOk;
    }

    // The folders of --out that this run creates, deepest first: removed
    // again when the run writes nothing.
    QStringList created;
    for (QString f = QDir::cleanPath(QDir(o.outDir).absolutePath()); !o.outDir.isEmpty() && !QFileInfo::exists(f);
         f = QFileInfo(f).path())
        created << f;
    const auto nothingWritten = [&] {
        for (const QString &f : created)
            QDir().rmdir(f);
        return nothingChanged(io, lang);
    };
    try {
        if (!o.outDir.isEmpty() && !QDir().mkpath(o.outDir))
            throw Exception(cliText(CliText::CannotCreateFolder, lang).arg(o.outDir));
        for (const QString &target : targets)
            StagedFiles::checkTarget(target);
    } catch (const Exception &e) {
        fail(io, e.Message());
        return nothingWritten();
    }
    // Every unit's files are staged (removed again when any fails), then all renamed.
    std::vector<std::unique_ptr<StagedFiles>> staged;
    for (size_t i = 0; i < works.size(); ++i)
        staged.push_back(std::make_unique<StagedFiles>(folderOf(units[i], o), units[i].baseName()));
    eachUnit(n, jobs, works, io, lang, [&](int i, UnitWork &w) { stage(units[size_t(i)], o, w, *staged[size_t(i)]); });
    if (reportErrors(works, io)) {
        staged.clear();
        return nothingWritten();
    }
    for (const UnitWork &w : works)
        for (const auto &[path, stamp] : w.read)
            if (stamp.differsFrom(path)) {
                fail(io, cliText(CliText::ChangedWhileRun, lang).arg(path));
                staged.clear();
                return nothingWritten();
            }
    try {
        for (const std::unique_ptr<StagedFiles> &s : staged)
            s->commit();
    } catch (const Exception &e) {
        return fail(io, e.Message());
    }
    for (const UnitWork &w : works)
        io.out << (w.extracted == 1 ? cliText(CliText::ExtractedOne, lang).arg(w.page.path).arg(w.result.state.counter)
                                    : cliText(CliText::Extracted, lang)
                                          .arg(w.page.path)
                                          .arg(w.extracted)
                                          .arg(w.result.state.counter))
               << '\n';
    io.out.flush();
    return ExitOk;
}
