// Find Next, the busy state and Stop, Change/Toggle and Find Text.
#include "Unit1.h"

#include "EditorModel.h"
#include "LiteralScanner.h"
#include "MessagePump.h"
#include "TextSearch.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
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
    WindowDriver(const TForm1 &form, EditorModel &model) : m_stop(form.StopRequest), m_model(model) {}

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

// Runs body inside the busy state, which is left however body ends.
template <typename F>
void whileBusy(TForm1 &form, F &&body)
{
    form.EnterBusy();
    try {
        body();
    } catch (...) {
        form.LeaveBusy();
        throw;
    }
    form.LeaveBusy();
}

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
// Busy state

namespace {
QList<QToolButton *> busyButtons(const TForm1 &f)
{
    return {f.ToolButton1, f.ToolButton2, f.ToolButton3, f.ToolButton4, f.ToolButton5,
            f.ToolButton6, f.ToolButton7, f.ToolButton12, f.ToolButton13};
}

QList<QMenu *> busyMenus(const TForm1 &f)
{
    return {f.Datei1, f.Berabeiten1, f.Options1, f.N8};
}

// Entering and leaving the busy state pump once each. Commands that follow
// each other closely (Extract with Find Next, a held key) share one pump per
// tick of the status timer: each pump repaints the whole window, which costs
// far more than a short scan, for a busy state nobody could see.
void busyPump()
{
    static QElapsedTimer last;
    if (last.isValid() && last.elapsed() < 10)
        return;
    MessagePump().pumpNow();
    last.start();
}
} // namespace

void TForm1::EnterBusy()
{
    // Stop enters again while busy; one override cursor per busy period
    // keeps the cursor stack balanced with the single leave.
    if (!Busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    Busy = true;
    Panel1->setEnabled(false);
    Panel2->setEnabled(false);
    ToolButton8->setEnabled(true);
    for (QToolButton *b : busyButtons(*this))
        b->setEnabled(false);
    for (QMenu *m : busyMenus(*this))
        m->menuAction()->setEnabled(false);
    busyPump();
}

void TForm1::LeaveBusy()
{
    if (Busy)
        QApplication::restoreOverrideCursor();
    Busy = false;
    Panel1->setEnabled(true);
    Panel2->setEnabled(true);
    ToolButton8->setEnabled(false);
    for (QToolButton *b : busyButtons(*this))
        b->setEnabled(true);
    for (QMenu *m : busyMenus(*this))
        m->menuAction()->setEnabled(true);
    PageStatus();
    busyPump();
    if (m_closeAfterBusy) {
        m_closeAfterBusy = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void TForm1::ToolButton8Click()
{
    // Only a running loop can be stopped: a busy state entered outside one
    // would never be left.
    if (!Busy)
        return;
    StopRequest = true;
    EnterBusy();
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
    whileBusy(*this, [&] {
        if (page == HeaderPage)
            return;
        EditorModel &m = pageModel(page);
        WindowDriver driver(*this, m);
        const int from = m.selStart() + m.selLength();
        const ScanResult r = page == CppPage ? scanCppLiteral(m, from, driver)
                                             : scanDfmLiteral(m, from, Tracked[DfmPage].row, driver);
        if (r.outcome != ScanResult::Found)
            driver.showCaret();
        found = showScanResult(*this, page, r);
    });
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
    whileBusy(*this, [&] {
        if (page != CppPage)
            return;
        EditorModel &m = pageModel(CppPage);
        WindowDriver driver(*this, m);
        found = showScanResult(*this, CppPage, findText(m, m.selStart() + m.selLength(), m_searchText, driver));
    });
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
    Saved[page] = false;
    EditorModel &m = pageModel(page);
    EditorModel &found = EditorModel::of(Edit1);
    const int start = m.selStart();
    const QString old = m.selectedText();
    // One undoable edit, also on a page protected against typing.
    const int inserted = m.replace(start, m.selLength(), found.text());
    m.setSelection(start, inserted);
    if (CheckBox2->isChecked())
        found.setText(old);
}
