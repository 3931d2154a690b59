// Find Next, the busy state and Stop, Change/Toggle and Find Text.
#include "app/MainWindow.h"

#include "app/BusyState.h"
#include "platform/gui/EditorModel.h"
#include "scan/LiteralScanner.h"
#include "platform/core/MessagePump.h"
#include "scan/TextSearch.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

// Runs a scan from the main window: pumps through the throttled pump and
// reads the stop request. The caret in front of an opening quote is shown
// from the next pump on; a literal that closes before then is selected
// without that intermediate step.
class ScanPump
{
public:
    ScanPump(const bool &stop, MessagePump::Clock clock, EditorModel &model)
        : m_stop(stop), m_model(model), m_pump(5, std::move(clock))
    {
    }

    void pump()
    {
        if (m_pump.step() && m_caret >= 0)
            showCaret();
    }
    bool stopRequested() const { return m_stop; }
    void openQuote(int pos) { m_caret = pos; }

    // The caret the scan set and has not shown yet, for a scan that ends
    // without a literal.
    void showCaret()
    {
        if (m_caret >= 0)
            m_model.setSelection(m_caret, 0);
        m_caret = -1;
    }

private:
    const bool &m_stop;
    EditorModel &m_model;
    MessagePump m_pump;
    int m_caret = -1;
};

} // namespace

// Shows what a scan of page p ended with. Returns true when something was
// found and selected; the caller focuses the found text box once the busy
// state is over (a disabled box cannot take the focus).
bool MainWindow::showScanResult(int page, const ScanResult &result)
{
    switch (result.outcome) {
    case ScanResult::Found: {
        EditorModel &m = pageModel(page);
        m.setSelection(result.start, result.length);
        EditorModel::of(m_foundText).setText(m.selectedText());
        m_foundText->selectAll();
        return true;
    }
    case ScanResult::EndOfText:
        ask(msg(11), Dialogs::Icon::Information, Dialogs::Buttons::Ok);
        return false;
    case ScanResult::PastEnd:
    case ScanResult::Stopped:
        return false;
    }
    return false;
}

// ---------------------------------------------------------------------------
// A literal chosen in the panel: shown as Find Next shows what it found.

void MainWindow::showLiteral(int page, int start, int length)
{
    if (!ready(OpenAndIdle) || page != activePage())
        return;
    showScanResult(page, ScanResult{ScanResult::Found, start, length});
    showStatus();
}

// ---------------------------------------------------------------------------
// Stop

void MainWindow::stopScan()
{
    // Only a running loop can be stopped.
    if (!m_busy)
        return;
    m_stopRequest = true;
}

// ---------------------------------------------------------------------------
// Find Next and Find Text

// The scanner commands need an open unit and no scan running (the command
// table says so): a scan's pumps could deliver their shortcuts, and a second
// loop or an edit under the running one would pull the text from under it.

void MainWindow::findNext()
{
    m_stopRequest = false;
    const int page = activePage();
    // The line counter of the form description starts at the tracked row;
    // a tick now makes sure it follows the current selection.
    if (page == DfmPage)
        showStatus();
    bool found = false;
    if (BusyState busy(*this); page != HeaderPage) {
        EditorModel &m = pageModel(page);
        ScanPump driver(m_stopRequest, m_pumpClock, m);
        const int from = m.selStart() + m.selLength();
        const ScanResult r = page == CppPage ? scanCppLiteral(m, from, driver)
                                             : scanDfmLiteral(m, from, m_tracked[DfmPage].row, driver);
        if (r.outcome != ScanResult::Found)
            driver.showCaret();
        found = showScanResult(page, r);
    }
    if (found)
        m_foundText->setFocus();
}

void MainWindow::findText()
{
    m_searchText = Dialogs::instance().input(this, msg(34), msg(35), m_searchText).value_or(m_searchText);
    m_stopRequest = false;
    const int page = activePage();
    bool found = false;
    if (BusyState busy(*this); page == CppPage) {
        EditorModel &m = pageModel(CppPage);
        ScanPump driver(m_stopRequest, m_pumpClock, m);
        found = showScanResult(CppPage, ::findText(m, m.selStart() + m.selLength(), m_searchText, driver));
    }
    if (found)
        m_foundText->setFocus();
}

// ---------------------------------------------------------------------------
// Change/Toggle

void MainWindow::changeSelection()
{
    const int page = activePage();
    if (page == HeaderPage)
        return;
    EditorModel &m = pageModel(page);
    EditorModel &found = EditorModel::of(m_foundText);
    const int start = m.selStart();
    const QString old = m.selectedText();
    // One undoable edit, also on a page protected against typing.
    const int inserted = m.replace(start, m.selLength(), found.text());
    // Marks even when the text stays the same; after the edit, so that its
    // undo can find the saved state again.
    session(page).setSaved(false);
    m.setSelection(start, inserted);
    if (m_toggleFoundBox->isChecked())
        found.setText(old);
}
