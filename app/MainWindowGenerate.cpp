// The three generator commands, writing into the output window.
#include "app/MainWindow.h"

#include "platform/gui/EditorModel.h"
#include "generate/GeneratorTable.h"
#include "generate/ListCheck.h"
#include "uitext/UiLanguage.h"
#include "app/OutputWindow.h"

#include <QPlainTextEdit>

void MainWindow::createOutputWindow()
{
    // Add to CPP changes the document, which marks the page; the explicit
    // mark keeps it so for an empty addition too.
    m_output = new OutputWindow(this, m_language, m_folders,
                                OutputWindow::CppTarget{m_cppEditor, [this] { session(CppPage).setSaved(false); }});
    m_output->setWrittenOut([this] { listWrittenOut(); });
}

// Caption, empty text, then the generated lines; the window is shown only
// when the generator produced something for this page. A conversion error
// escapes before anything is shown. Entries that give broken output are
// named in one warning shown above the output.
void MainWindow::generate(Command command)
{
    const GeneratorInfo &g = generator(command == Command::WithoutResourceFile ? GeneratorKind::WithoutResourceFile
                                       : command == Command::ForResourceFile   ? GeneratorKind::ForResourceFile
                                                                               : GeneratorKind::ResourceScript);
    m_output->setCaption(g.outputWindowCaption(m_language->language()));
    m_output->setOutputKind(g.outputKind, outputCodePageOf(activePage()));
    m_output->clearText();
    GeneratorInput in;
    in.list = EditorModel::of(m_listEditor).text();
    in.mode = stringMode();
    in.page = SourcePage(activePage());
    in.className = classNameOfLine(0);
    in.language = m_language->language();
    const std::optional<QStringList> lines = g.lines(in);
    if (!lines)
        return;
    m_output->appendLines(*lines);
    const QList<ListFinding> findings = checkList(in, g.kind);
    QStringList warnings;
    if (in.page == SourcePage::Cpp && !m_nameInUseWarning.isEmpty())
        warnings << m_nameInUseWarning;
    if (!findings.isEmpty())
        warnings << listWarning(findings, in.language);
    m_output->setWarning(warnings.join(QStringLiteral("\n\n")));
    m_output->showModally();
}
