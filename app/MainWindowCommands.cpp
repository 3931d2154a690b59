// The command table: which menu items and buttons run a command, what the
// command needs before it runs, and the one place that checks it.
#include "app/MainWindow.h"

#include "generate/GeneratorTable.h"
#include "app/LiteralsPanel.h"

#include <QAction>
#include <QToolButton>

namespace {
struct CommandRow
{
    Command command;
    int needs;             // CommandNeeds
    const char *item;      // the menu item's object name, or nullptr
    const char *button;    // the toolbar button's, or nullptr
};

const CommandRow kCommands[] = {
    {Command::Open, Anything, "Open1", "ToolButton1"},
    {Command::Save, OpenUnit, nullptr, "ToolButton12"},
    {Command::SaveAll, OpenUnit, "SaveAll1", "ToolButton2"},
    {Command::SaveCpp, OpenUnit, "SaveCPP1", nullptr},
    {Command::SaveHeader, OpenUnit, "HSpeichern1", nullptr},
    {Command::SaveForm, OpenUnit, "SaveDFM1", nullptr},
    {Command::SaveAs, Anything, "Saveas1", nullptr},
    {Command::WithoutResourceFile, Anything, generator(GeneratorKind::WithoutResourceFile).menuItem, nullptr},
    {Command::ForResourceFile, Anything, generator(GeneratorKind::ForResourceFile).menuItem, nullptr},
    {Command::ResourceScript, Anything, generator(GeneratorKind::ResourceScript).menuItem, nullptr},
    {Command::ExportForTranslation, Anything, "ExportForTranslation1", nullptr},
    {Command::ScriptFromTranslations, Anything, "CreateRCFromTranslations1", nullptr},
    {Command::OpenExtractionList, OpenAndIdle, "OpenExtractionList1", nullptr},
    {Command::Exit, Anything, "Exit1", "ToolButton7"},
    {Command::FindNext, OpenAndIdle, "FindNext1", "ToolButton4"},
    {Command::ChangeToggle, OpenAndIdle, "ChangeToggle1", "ToolButton3"},
    {Command::Extract, OpenUnit, "Extract1", "ToolButton5"},
    {Command::ExtractC, OpenUnit, "ExtractC1", "ToolButton6"},
    {Command::ExtractChecked, OpenAndIdle, "ExtractChecked1", nullptr},
    {Command::FindText, OpenAndIdle, "FindText1", "ToolButton13"},
    {Command::Stop, Anything, nullptr, "ToolButton8"},
    {Command::EditCounter, Anything, nullptr, "SpeedButton7"},
    {Command::Undo, OpenAndIdle, "Undo1", nullptr},
    {Command::Redo, OpenAndIdle, "Redo1", nullptr},
    {Command::PromptEqualStrings, Anything, "PromtEqualStrings2", nullptr},
    {Command::FindNextOnExtract, Anything, "OnExtractFindNext2", nullptr},
    {Command::GlobalStrings, Anything, "UseglobalStrings2", nullptr},
    {Command::FormStrings, Anything, "UseFormStrings2", nullptr},
    {Command::FunctionStrings, Anything, "UseFunction2", nullptr},
    {Command::English, Anything, "English1", nullptr},
    {Command::German, Anything, "German1", nullptr},
    {Command::About, Anything, "About1", nullptr},
};

const CommandRow &rowOf(Command command)
{
    for (const CommandRow &row : kCommands)
        if (row.command == command)
            return row;
    Q_UNREACHABLE();
}
} // namespace

bool MainWindow::ready(int needs) const
{
    return (!(needs & OpenUnit) || !m_baseName.isEmpty()) && (!(needs & Idle) || !m_busy);
}

void MainWindow::wireCommands()
{
    // Every command runs guarded: what a handler lets escape is shown in the
    // standard error display and the window keeps its state.
    for (const CommandRow &row : kCommands) {
        const Command command = row.command;
        if (row.item) {
            QAction *item = findChild<QAction *>(QLatin1String(row.item));
            Q_ASSERT(item);
            // The two option items flip their own check marks when they run:
            // undo the flip Qt makes on a checkable item first.
            const bool flipsItself =
                command == Command::PromptEqualStrings || command == Command::FindNextOnExtract;
            connect(item, &QAction::triggered, this, [this, item, command, flipsItself](bool checked) {
                if (flipsItself)
                    item->setChecked(!checked);
                runGuarded(this, [&] { run(command); });
            });
        }
        if (row.button) {
            QToolButton *button = findChild<QToolButton *>(QLatin1String(row.button));
            Q_ASSERT(button);
            connectGuarded(button, &QToolButton::clicked, this, [this, command] { run(command); });
        }
    }
    connectGuarded(m_listBesideButton, &QToolButton::clicked, this, [this] { run(Command::OpenExtractionList); });
    // The panel's own button runs Extract checked too.
    connectGuarded(m_panel, &LiteralsPanel::extractCheckedRequested, this, [this] { run(Command::ExtractChecked); });
}

void MainWindow::run(Command command)
{
    if (!ready(rowOf(command).needs))
        return;
    switch (command) {
    case Command::Open: openWithDialog(); break;
    case Command::Save: saveShownPage(); break;
    case Command::SaveAll: saveAll(); break;
    case Command::SaveCpp: savePage(CppPage); break;
    case Command::SaveHeader: savePage(HeaderPage); break;
    case Command::SaveForm: savePage(DfmPage); break;
    case Command::SaveAs: saveAs(activePage()); break;
    case Command::WithoutResourceFile:
    case Command::ForResourceFile:
    case Command::ResourceScript: generate(command); break;
    case Command::ExportForTranslation: exportForTranslation(); break;
    case Command::ScriptFromTranslations: createScriptFromTranslations(); break;
    case Command::OpenExtractionList: openExtractionList(); break;
    case Command::Exit: close(); break;
    case Command::FindNext: findNext(); break;
    case Command::ChangeToggle: changeSelection(); break;
    case Command::Extract: extractSelection(false); break;
    case Command::ExtractC: extractSelection(true); break;
    case Command::ExtractChecked: extractChecked(); break;
    case Command::FindText: findText(); break;
    case Command::Stop: stopScan(); break;
    case Command::EditCounter: editCounter(); break;
    case Command::Undo: undoOrRedo(false); break;
    case Command::Redo: undoOrRedo(true); break;
    case Command::PromptEqualStrings: togglePromptEqualStrings(); break;
    case Command::FindNextOnExtract: toggleFindNextOnExtract(); break;
    case Command::GlobalStrings: setModeChecked(m_globalModeAction); break;
    case Command::FormStrings: setModeChecked(m_formModeAction); break;
    case Command::FunctionStrings: setModeChecked(m_functionModeAction); break;
    case Command::English: switchLanguage(Language::English); break;
    case Command::German: switchLanguage(Language::German); break;
    case Command::About: showAbout(); break;
    }
    // The positions in the status bar follow what the command did.
    showStatus();
}
