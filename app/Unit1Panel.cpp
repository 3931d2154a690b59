// The literals panel, Extract checked, the keep marker, undo and redo.
#include "Unit1.h"

#include "BatchExtract.h"
#include "BusyState.h"
#include "EditorModel.h"
#include "KeepMarker.h"
#include "LiteralsPanel.h"
#include "PanelTexts.h"
#include "UiLanguage.h"
#include "Vstatus.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <future>
#include <memory>

void TForm1::buildPanel()
{
    literalsPanel = new LiteralsPanel(this);
    literalsPanel->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    addDockWidget(Qt::RightDockWidgetArea, literalsPanel);
    literalsPanel->hide();
    for (QPlainTextEdit *m : {Memo2, Memo3, Memo4})
        literalsPanel->watch(m);
    literalsPanel->setPage(Memo2, SourcePage::Cpp);

    connect(literalsPanel, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            growForPanel();
    });
    literalsPanelAction = literalsPanel->toggleViewAction();
    literalsPanelAction->setObjectName(QStringLiteral("LiteralsPanel1"));
    Options1->addSeparator();
    Options1->addAction(literalsPanelAction);

    auto item = [this](const char *name, QKeySequence key = {}) {
        auto *a = new QAction(this);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        return a;
    };
    extractCheckedAction = item("ExtractChecked1");
    undoAction = item("Undo1", QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction = item("Redo1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    editorKeepAction = item("EditorKeepMarker1");
    // Right after Extract C, in the same group.
    const QList<QAction *> edit = Berabeiten1->actions();
    const qsizetype afterC = edit.indexOf(ExtractC1) + 1;
    Berabeiten1->insertAction(afterC < edit.size() ? edit[afterC] : nullptr, extractCheckedAction);
    Berabeiten1->addSeparator();
    Berabeiten1->addAction(undoAction);
    Berabeiten1->addAction(redoAction);
    // The window's own actions: they answer while the focus is in a page
    // protected against typing; a writable editor handles the keys itself.
    addAction(undoAction);
    addAction(redoAction);
    undoAction->setEnabled(false);
    redoAction->setEnabled(false);

    connectGuarded(extractCheckedAction, &QAction::triggered, this, &TForm1::extractChecked);
    connectGuarded(literalsPanel, &LiteralsPanel::extractCheckedRequested, this, &TForm1::extractChecked);
    connectGuarded(undoAction, &QAction::triggered, this, &TForm1::undoPageEdit);
    connectGuarded(redoAction, &QAction::triggered, this, &TForm1::redoPageEdit);
    // The current row drives the editor's selection; the focus stays in the
    // panel until Enter hands it to the editor.
    connect(literalsPanel, &LiteralsPanel::literalChosen, this, [this](int start, int length) {
        runGuarded(this, [&] { showLiteral(activePage(), start, length); });
    });
    connect(literalsPanel, &LiteralsPanel::literalActivated, this, [this](int start, int length) {
        runGuarded(this, [&] {
            showLiteral(activePage(), start, length);
            pageEditor(activePage())->setFocus();
        });
    });
    focusFilterAction = item("FocusFilter1", QKeySequence(Qt::CTRL | Qt::Key_F));
    Options1->addAction(focusFilterAction);
    connect(focusFilterAction, &QAction::triggered, this, [this] {
        literalsPanel->show();
        literalsPanel->raise();
        literalsPanel->filterBox()->setFocus(Qt::ShortcutFocusReason);
        literalsPanel->filterBox()->selectAll();
    });
    connect(literalsPanel, &LiteralsPanel::keepRequested, this, [this](int start) {
        runGuarded(this, [&] { toggleKeepMarker(activePage(), pageModel(activePage()).lineFromChar(start)); });
    });
    connectGuarded(editorKeepAction, &QAction::triggered, this, [this] {
        EditorModel &m = pageModel(CppPage);
        toggleKeepMarker(CppPage, m.lineFromChar(m.selStart()));
    });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int p) {
        literalsPanel->setPage(pageEditor(p), SourcePage(p));
        updateUndoActions();
    });
    for (QPlainTextEdit *m : {Memo2, Memo3, Memo4}) {
        connect(m->document(), &QTextDocument::undoAvailable, this, &TForm1::updateUndoActions);
        connect(m->document(), &QTextDocument::redoAvailable, this, &TForm1::updateUndoActions);
    }
    // The editor's own menu plus the marker item.
    Memo2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo2, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QMenu *menu = Memo2->createStandardContextMenu(pos);
        EditorModel &m = pageModel(CppPage);
        const QString line = m.line(m.lineFromChar(m.selStart()));
        editorKeepAction->setText(panelText(withoutKeepMarker(line) != line ? PanelText::UnmarkKeep
                                                                           : PanelText::MarkKeep,
                                            UiLang->language()));
        editorKeepAction->setEnabled(!BaseName.isEmpty() && !Busy);
        menu->addSeparator();
        menu->addAction(editorKeepAction);
        menu->exec(Memo2->viewport()->mapToGlobal(pos));
        delete menu;
    });
}

void TForm1::applyPanelCaptions()
{
    const Language lang = UiLang->language();
    literalsPanel->setLanguage(lang);
    extractCheckedAction->setText(panelText(PanelText::ExtractChecked, lang));
    undoAction->setText(panelText(PanelText::Undo, lang));
    redoAction->setText(panelText(PanelText::Redo, lang));
    editorKeepAction->setText(panelText(PanelText::MarkKeep, lang));
    focusFilterAction->setText(panelText(PanelText::FocusFilter, lang));
}

void TForm1::updateUndoActions()
{
    const QTextDocument *d = pageEditor(activePage())->document();
    const bool open = !BaseName.isEmpty() && !Busy;
    undoAction->setEnabled(open && d->isUndoAvailable());
    redoAction->setEnabled(open && d->isRedoAvailable());
}

// ---------------------------------------------------------------------------
// The state an undo step carries

PageState TForm1::pageState(int page) const
{
    return PageState{listText(page), ResNumber[page], LastEdit[page], literalsPanel->marks(pageEditor(page))};
}

void TForm1::setPageState(int page, const PageState &state, std::unique_ptr<QTextDocument> builtList)
{
    if (page == m_currentPage) {
        EditorModel &list = EditorModel::of(Memo1);
        const QString current = list.text();
        if (state.list != current) {
            // Edits of the list editor mark it; the list counts as not written out.
            if (builtList) {
                list.adoptDocument(std::move(builtList));
                Memo1->document()->setModified(true);
            } else if (state.list.startsWith(current)) {
                list.append(state.list.mid(current.size()));
            } else {
                list.setText(state.list);
                Memo1->document()->setModified(true);
            }
        }
    } else if (ListSlot[page] != state.list) {
        ListSlot[page] = state.list;
        session(page).listUnwritten = true;
    }
    ResNumber[page] = state.counter;
    LastEdit[page] = state.lastEdit;
    showResNumber();
    // An undo calls this before it puts the text back: the marks follow once
    // their literals are there again.
    if (!state.marks.empty())
        QMetaObject::invokeMethod(
            literalsPanel,
            [panel = literalsPanel, editor = pageEditor(page), marks = state.marks] { panel->restoreMarks(editor, marks); },
            Qt::QueuedConnection);
}

PageStateRead TForm1::pageStateRead(int page)
{
    return [this, page] { return pageState(page); };
}

PageStateApply TForm1::pageStateApply(int page)
{
    return [this, page](const PageState &s) { setPageState(page, s); };
}

// ---------------------------------------------------------------------------
// Undo and redo

void TForm1::undoPageEdit()
{
    const int p = activePage();
    QTextDocument *d = pageEditor(p)->document();
    if (BaseName.isEmpty() || Busy || !d->isUndoAvailable())
        return;
    // The document knows the step of the last save: undo back to it clears
    // the page's mark, and redo sets it again.
    d->undo();
    updateUndoActions();
}

void TForm1::redoPageEdit()
{
    const int p = activePage();
    QTextDocument *d = pageEditor(p)->document();
    if (BaseName.isEmpty() || Busy || !d->isRedoAvailable())
        return;
    d->redo();
    updateUndoActions();
}

// ---------------------------------------------------------------------------
// The keep marker

void TForm1::toggleKeepMarker(int page, int line)
{
    if (BaseName.isEmpty() || Busy || page != CppPage)
        return;
    EditorModel &m = pageModel(page);
    const QString old = m.line(line);
    QString changed = withoutKeepMarker(old);
    if (changed == old)
        changed = withKeepMarker(old);
    const int start = m.lineIndex(line);
    if (start < 0)
        return;
    // Only the marker's stretch changes: the check marks of the line's
    // literals stay with them.
    int same = 0;
    while (same < std::min(old.size(), changed.size()) && old.at(same) == changed.at(same))
        ++same;
    m.replace(start + same, int(old.size()) - same, changed.mid(same));
    m.setSelection(start, 0);
}

// ---------------------------------------------------------------------------
// Extract checked

namespace {
// Waits for work done on a thread while the window pumps.
template<typename T>
void waitPumping(TForm1 &form, std::future<T> &work)
{
    MessagePump pump(5, form.pumpClock());
    while (work.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        pump.pumpNow();
}

// false when Stop was pressed meanwhile (the result is dropped: the page
// and the list stay as they were).
bool runStoppable(TForm1 &form, std::future<Batch::Result> &work)
{
    waitPumping(form, work);
    return !form.StopRequest;
}

// The stretch of a page that differs between before and after: [from, from +
// oldLength) of before becomes after.mid(from, newLength). Never splits a
// CR LF pair.
struct Difference
{
    int from = 0, oldLength = 0, newLength = 0;
};

Difference differenceOf(const QString &before, const QString &after)
{
    const int n = int(std::min(before.size(), after.size()));
    int head = 0;
    while (head < n && before.at(head) == after.at(head))
        ++head;
    if (head > 0 && before.at(head - 1) == u'\r')
        --head;
    int tail = 0;
    while (tail < n - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    if (tail > 0 && before.at(before.size() - tail) == u'\n')
        --tail;
    return {head, int(before.size()) - head - tail, int(after.size()) - head - tail};
}
} // namespace

void TForm1::extractChecked()
{
    const int p = activePage();
    if (BaseName.isEmpty() || Busy || p == HeaderPage)
        return;
    literalsPanel->refresh();
    EditorModel &m = pageModel(p);
    const QString text = m.text();
    const PageState before = pageState(p);
    const Batch::State state{before.list, before.counter, before.lastEdit};
    Batch::Options options;
    options.page = SourcePage(p);
    options.mode = stringMode();
    options.extractC = literalsPanel->extractC();
    options.root = Edit3->text();
    const auto choose = literalsPanel->chooser();
    const int leftOut = literalsPanel->checkedHidden();
    // The panel's rows, just brought up to date, are the page's literals: the
    // engine need not find them again.
    const auto literals = std::make_shared<const std::vector<Batch::Literal>>(
        literalsPanel->isUpToDate() ? literalsPanel->model().literals() : Batch::findLiterals(text, options.page));
    const auto start = [&](Batch::EqualStrings equal) {
        Batch::Options o = options;
        o.equal = equal;
        return std::async(std::launch::async,
                          [text, literals, o, state, choose] { return Batch::extract(text, *literals, o, state, choose); });
    };

    StopRequest = false;
    BusyState busy(*this);
    Batch::Result result;
    const bool ask = p == CppPage && PromtEqualStrings2->isChecked();
    std::future<Batch::Result> work = start(ask ? Batch::EqualStrings::Reuse : Batch::EqualStrings::NewEntry);
    if (!runStoppable(*this, work)) {
        VStatus1->Panel(3).SetText(panelText(PanelText::Stopped, UiLang->language()));
        return;
    }
    result = work.get();
    if (ask) {
        const auto repeated = std::count_if(result.literals.begin(), result.literals.end(),
                                            [](const Batch::Outcome &o) { return o.action == Batch::Action::Reused; });
        if (repeated > 0) {
            const QString question = panelText(PanelText::EqualStrings, UiLang->language()).arg(repeated);
            switch (Ask(question, Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel)) {
            case Dialogs::Button::Yes:
                break;
            case Dialogs::Button::No:
                work = start(Batch::EqualStrings::NewEntry);
                if (!runStoppable(*this, work))
                    return;
                result = work.get();
                break;
            default:
                return;
            }
        }
    }

    // A long list fills a document of its own on a thread while the page is
    // rewritten here; the list editor then shows that document.
    const PageState after{result.state.list, result.state.counter, result.state.lastEdit, {}};
    std::future<std::unique_ptr<QTextDocument>> listDocument;
    if (p == m_currentPage && after.list != before.list)
        listDocument = std::async(std::launch::async, [list = after.list, home = thread()] {
            std::unique_ptr<QTextDocument> d = EditorModel::buildDocument(list);
            if (d)
                d->moveToThread(home);
            return d;
        });

    // Nothing is applied that changes more than the checked literals; the
    // proof runs beside the list's document.
    std::future<std::optional<int>> proof =
        std::async(std::launch::async, [&text, &result] { return Batch::proofFailure(text, result); });
    waitPumping(*this, proof);
    if (const std::optional<int> at = proof.get()) {
        if (listDocument.valid())
            listDocument.wait();
        const int line = m.lineFromChar(*at);
        Ask(panelText(PanelText::ProofFailed, UiLang->language()).arg(line + 1).arg(*at - m.lineIndex(line) + 1),
            Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return;
    }

    // One undo step: the changed stretch of the page with the list and the counter.
    int caret = -1;
    {
        PageEditStep edit(pageEditor(p)->document(), before, pageStateRead(p), pageStateApply(p));
        if (result.text != text) {
            const Difference d = differenceOf(text, result.text);
            caret = d.from + m.replace(d.from, d.oldLength, result.text.mid(d.from, d.newLength));
        }
        edit.commit(after);
    }
    session(p).setSaved(false);
    VStatus1->Panel(3).SetText(leftOut > 0 ? panelText(PanelText::LeftOut, UiLang->language()).arg(leftOut)
                                           : QString());
    std::unique_ptr<QTextDocument> list;
    if (listDocument.valid()) {
        waitPumping(*this, listDocument);
        list = listDocument.get();
    }
    setPageState(p, after, std::move(list));
    if (p == CppPage)
        for (const Batch::Outcome &o : result.literals)
            if (o.action == Batch::Action::Extracted)
                noteNewName(o.name);
    if (caret >= 0)
        m.setSelection(caret, 0);
}
