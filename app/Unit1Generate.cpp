// The three generator commands, writing into the output window.
#include "Unit1.h"

#include "EditorModel.h"
#include "Generators.h"
#include "ListCheck.h"
#include "UiLanguage.h"
#include "Unit3.h"

#include <QPlainTextEdit>

namespace {
using Generator = std::optional<QStringList> (*)(const GeneratorInput &);

// Caption, empty text, then the generated lines; the window is shown only
// when the generator produced something for this page. A conversion error
// escapes before anything is shown. Entries that give broken output are
// named in one warning shown above the output.
void runGenerator(TForm1 &form, unsigned caption, Generator generate, OutputKind kind, GeneratorKind checks)
{
    TForm3 *out = form.Form3;
    out->setCaption(form.Msg(caption));
    out->setOutputKind(kind);
    out->clearText();
    GeneratorInput in;
    in.list = EditorModel::of(form.Memo1).text();
    in.mode = form.stringMode();
    in.page = SourcePage(form.activePage());
    in.className = form.ClassNameOfLine(0);
    in.language = form.UiLang->language();
    const std::optional<QStringList> lines = generate(in);
    if (!lines)
        return;
    out->appendLines(*lines);
    const QList<ListFinding> findings = checkList(in, checks);
    QStringList warnings;
    if (in.page == SourcePage::Cpp && !form.nameInUseWarning().isEmpty())
        warnings << form.nameInUseWarning();
    if (!findings.isEmpty())
        warnings << listWarning(findings, in.language);
    out->setWarning(warnings.join(QStringLiteral("\n\n")));
    out->showModally();
}
} // namespace

void TForm1::createOutputWindow()
{
    // Add to CPP changes the document, which marks the page; the explicit
    // mark keeps it so for an empty addition too.
    Form3 = new TForm3(this, UiLang, Folders, TForm3::CppTarget{Memo2, [this] { session(CppPage).setSaved(false); }});
    Form3->setWrittenOut([this] { listWrittenOut(); });
}

void TForm1::CreateFormOnLoad1Click()
{
    runGenerator(*this, 26, codeWithoutResourceFile, OutputKind::CppCode, GeneratorKind::WithoutResourceFile);
}

void TForm1::CreateLoadTextRC1Click()
{
    runGenerator(*this, 32, codeForResourceFile, OutputKind::CppCode, GeneratorKind::ForResourceFile);
}

void TForm1::CreateRCFile1Click()
{
    runGenerator(*this, 33, resourceScript, OutputKind::ResourceScript, GeneratorKind::ResourceScript);
}
