// Find Next, the busy state and Stop, Change/Toggle and Find Text.
#include "Unit1.h"

#include "BusyState.h"
#include "EditorModel.h"
#include "LiteralScanner.h"
#include "MessagePump.h"
#include "TextSearch.h"

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
class WindowDriver
{
public:
    WindowDriver(const TForm1 &form, EditorModel &model)
        : m_stop(form.StopRequest), m_model(model), m_pump(5, form.pumpClock())
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

// Shows what a scan of page p ended with. Returns true when something was
// found and selected; the caller focuses the found text box once the busy
// state is over (a disabled box cannot take the focus).
bool showScanResult(TForm1 &form, int page, const ScanResult &result)
{
    switch (result.outcome) {
    case ScanResult::Found: {
        EditorModel &m = form.pageModel(page);
        m.setSelection(result.start, result.length);
        EditorModel::of(form.Edit1).setText(m.selectedText());
        form.Edit1->selectAll();
        return true;
    }
    case ScanResult::EndOfText:
        form.Ask(form.Msg(11), Dialogs::Icon::Information, Dialogs::Buttons::Ok);
        return false;
    case ScanResult::PastEnd:
    case ScanResult::Stopped:
        return false;
    }
    return false;
}

} // namespace

// ---------------------------------------------------------------------------
// A literal chosen in the panel: shown as Find Next shows what it found.

void TForm1::showLiteral(int page, int start, int length)
{
    if (BaseName.isEmpty() || Busy || page != activePage())
        return;
    showScanResult(*this, page, ScanResult{ScanResult::Found, start, length});
    Timer1Timer();
}

// ---------------------------------------------------------------------------
// Stop

void TForm1::ToolButton8Click()
{
    // Only a running loop can be stopped.
    if (!Busy)
        return;
    StopRequest = true;
}

// ---------------------------------------------------------------------------
// Find Next and Find Text

// The scanner commands do nothing while a scan runs: its pumps could deliver
// their shortcuts, and a second loop or an edit under the running one would
// pull the text from under it.

void TForm1::SpeedButton4Click()
{
    if (BaseName.isEmpty() || Busy)
        return;
    StopRequest = false;
    const int page = activePage();
    // The line counter of the form description starts at the tracked row;
    // a tick now makes sure it follows the current selection.
    if (page == DfmPage)
        Timer1Timer();
    bool found = false;
    if (BusyState busy(*this); page != HeaderPage) {
        EditorModel &m = pageModel(page);
        WindowDriver driver(*this, m);
        const int from = m.selStart() + m.selLength();
        const ScanResult r = page == CppPage ? scanCppLiteral(m, from, driver)
                                             : scanDfmLiteral(m, from, Tracked[DfmPage].row, driver);
        if (r.outcome != ScanResult::Found)
            driver.showCaret();
        found = showScanResult(*this, page, r);
    }
    if (found)
        Edit1->setFocus();
}

void TForm1::ToolButton13Click()
{
    if (BaseName.isEmpty() || Busy)
        return;
    m_searchText = Dialogs::instance().input(this, Msg(34), Msg(35), m_searchText).value_or(m_searchText);
    StopRequest = false;
    const int page = activePage();
    bool found = false;
    if (BusyState busy(*this); page == CppPage) {
        EditorModel &m = pageModel(CppPage);
        WindowDriver driver(*this, m);
        found = showScanResult(*this, CppPage, findText(m, m.selStart() + m.selLength(), m_searchText, driver));
    }
    if (found)
        Edit1->setFocus();
}

// ---------------------------------------------------------------------------
// Change/Toggle

void TForm1::SpeedButton3Click()
{
    if (BaseName.isEmpty() || Busy)
        return;
    const int page = activePage();
    if (page == HeaderPage)
        return;
    EditorModel &m = pageModel(page);
    EditorModel &found = EditorModel::of(Edit1);
    const int start = m.selStart();
    const QString old = m.selectedText();
    // One undoable edit, also on a page protected against typing.
    const int inserted = m.replace(start, m.selLength(), found.text());
    // Marks even when the text stays the same; after the edit, so that its
    // undo can find the saved state again.
    session(page).setSaved(false);
    m.setSelection(start, inserted);
    if (CheckBox2->isChecked())
        found.setText(old);
}
