// The literals panel, Extract checked, the keep marker, undo and redo.
#include "app/MainWindow.h"

#include "batch/BatchExtract.h"
#include "app/BusyState.h"
#include "platform/gui/EditorModel.h"
#include "platform/core/TextDifference.h"
#include "scan/KeepMarker.h"
#include "app/LiteralsPanel.h"
#include "uitext/PanelTexts.h"
#include "uitext/UiLanguage.h"
#include "components/Vstatus/Vstatus.h"

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

void MainWindow::buildPanel()
{
    m_panel = new LiteralsPanel(this);
    m_panel->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    addDockWidget(Qt::RightDockWidgetArea, m_panel);
    m_panel->hide();
    for (QPlainTextEdit *m : {m_cppEditor, m_headerEditor, m_formEditor})
        m_panel->watch(m);
    m_panel->setUnitFolder([this] { return m_baseFolder; });
    m_panel->setPage(m_cppEditor, SourcePage::Cpp);

    connect(m_panel, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            growForPanel();
    });
    m_panelAction = m_panel->toggleViewAction();
    m_panelAction->setObjectName(QStringLiteral("LiteralsPanel1"));
    m_optionsMenu->addSeparator();
    m_optionsMenu->addAction(m_panelAction);

    auto item = [this](const char *name, QKeySequence key = {}) {
        auto *a = new QAction(this);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        return a;
    };
    m_extractCheckedAction = item("ExtractChecked1");
    m_undoAction = item("Undo1", QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = item("Redo1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m_keepAction = item("EditorKeepMarker1");
    // Right after Extract C, in the same group.
    const QList<QAction *> edit = m_editMenu->actions();
    const qsizetype afterC = edit.indexOf(m_extractCAction) + 1;
    m_editMenu->insertAction(afterC < edit.size() ? edit[afterC] : nullptr, m_extractCheckedAction);
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_undoAction);
    m_editMenu->addAction(m_redoAction);
    // The window's own actions: they answer while the focus is in a page
    // protected against typing; a writable editor handles the keys itself.
    addAction(m_undoAction);
    addAction(m_redoAction);
    m_undoAction->setEnabled(false);
    m_redoAction->setEnabled(false);

    // The current row drives the editor's selection; the focus stays in the
    // panel until Enter hands it to the editor.
    connect(m_panel, &LiteralsPanel::literalChosen, this, [this](int start, int length) {
        runGuarded(this, [&] { showLiteral(activePage(), start, length); });
    });
    connect(m_panel, &LiteralsPanel::literalActivated, this, [this](int start, int length) {
        runGuarded(this, [&] {
            showLiteral(activePage(), start, length);
            pageEditor(activePage())->setFocus();
        });
    });
    m_focusFilterAction = item("FocusFilter1", QKeySequence(Qt::CTRL | Qt::Key_F));
    m_optionsMenu->addAction(m_focusFilterAction);
    connect(m_focusFilterAction, &QAction::triggered, this, [this] {
        m_panel->show();
        m_panel->raise();
        m_panel->filterBox()->setFocus(Qt::ShortcutFocusReason);
        m_panel->filterBox()->selectAll();
    });
    connect(m_panel, &LiteralsPanel::keepRequested, this, [this](int start) {
        runGuarded(this, [&] { toggleKeepMarker(activePage(), pageModel(activePage()).lineFromChar(start)); });
    });
    connectGuarded(m_keepAction, &QAction::triggered, this, [this] {
        EditorModel &m = pageModel(CppPage);
        toggleKeepMarker(CppPage, m.lineFromChar(m.selStart()));
    });
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int p) {
        m_panel->setPage(pageEditor(p), SourcePage(p));
        updateUndoActions();
    });
    for (QPlainTextEdit *m : {m_cppEditor, m_headerEditor, m_formEditor}) {
        connect(m->document(), &QTextDocument::undoAvailable, this, &MainWindow::updateUndoActions);
        connect(m->document(), &QTextDocument::redoAvailable, this, &MainWindow::updateUndoActions);
    }
    // The editor's own menu plus the marker item.
    m_cppEditor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_cppEditor, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QMenu *menu = m_cppEditor->createStandardContextMenu(pos);
        EditorModel &m = pageModel(CppPage);
        const QString line = m.line(m.lineFromChar(m.selStart()));
        m_keepAction->setText(panelText(withoutKeepMarker(line) != line ? PanelText::UnmarkKeep
                                                                           : PanelText::MarkKeep,
                                            m_language->language()));
        m_keepAction->setEnabled(ready(OpenAndIdle));
        menu->addSeparator();
        menu->addAction(m_keepAction);
        menu->exec(m_cppEditor->viewport()->mapToGlobal(pos));
        delete menu;
    });
}

void MainWindow::applyPanelCaptions()
{
    const Language lang = m_language->language();
    m_panel->setLanguage(lang);
    m_extractCheckedAction->setText(panelText(PanelText::ExtractChecked, lang));
    m_undoAction->setText(panelText(PanelText::Undo, lang));
    m_redoAction->setText(panelText(PanelText::Redo, lang));
    m_keepAction->setText(panelText(PanelText::MarkKeep, lang));
    m_focusFilterAction->setText(panelText(PanelText::FocusFilter, lang));
}

void MainWindow::updateUndoActions()
{
    const QTextDocument *d = pageEditor(activePage())->document();
    const bool open = ready(OpenAndIdle);
    m_undoAction->setEnabled(open && d->isUndoAvailable());
    m_redoAction->setEnabled(open && d->isRedoAvailable());
}

// ---------------------------------------------------------------------------
// The state an undo step carries

PageState MainWindow::pageState(int page) const
{
    // The workspace's state and the panel's check marks of the page.
    PageState s = m_workspace.pageState(page);
    s.marks = m_panel->marks(pageEditor(page));
    return s;
}

void MainWindow::setPageState(int page, const PageState &state, std::unique_ptr<QTextDocument> builtList)
{
    // A list already built into a document becomes the page's list as it is.
    if (builtList) {
        const std::unique_ptr<QTextDocument> old = session(page).replaceList(std::move(builtList));
        if (page == m_currentPage)
            EditorModel::of(m_listEditor).showDocument(session(page).list(), true);
    }
    m_workspace.applyState(page, state);
}

void MainWindow::pageStateApplied(int page, const std::map<int, bool> &marks)
{
    showCounter();
    if (page == CppPage)
        followNameInUse();
    // An undo puts the state back before the text: the marks follow once
    // their literals are there again.
    if (!marks.empty())
        QMetaObject::invokeMethod(
            m_panel, [panel = m_panel, editor = pageEditor(page), marks] { panel->restoreMarks(editor, marks); },
            Qt::QueuedConnection);
}

// ---------------------------------------------------------------------------
// Undo and redo

void MainWindow::undoOrRedo(bool redo)
{
    QTextDocument *d = pageEditor(activePage())->document();
    if (!(redo ? d->isRedoAvailable() : d->isUndoAvailable()))
        return;
    // The document knows the step of the last save: undo back to it clears
    // the page's mark, and redo sets it again.
    // Through the editor: its caret goes to what the step changed, and the
    // view follows it.
    QPlainTextEdit *editor = pageEditor(activePage());
    if (redo)
        editor->redo();
    else
        editor->undo();
    editor->ensureCursorVisible();
    updateUndoActions();
}

// ---------------------------------------------------------------------------
// The keep marker

void MainWindow::toggleKeepMarker(int page, int line)
{
    if (!ready(OpenAndIdle) || page != CppPage)
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
void waitPumping(MainWindow &form, std::future<T> &work)
{
    MessagePump pump(5, form.pumpClock());
    while (work.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        pump.pumpNow();
}

// false when Stop was pressed meanwhile (the result is dropped: the page
// and the list stay as they were).
bool runStoppable(MainWindow &form, const bool &stopRequest, std::future<Batch::Result> &work)
{
    waitPumping(form, work);
    return !stopRequest;
}
} // namespace

void MainWindow::extractChecked()
{
    const int p = activePage();
    if (p == HeaderPage)
        return;
    m_panel->refresh();
    EditorModel &m = pageModel(p);
    const QString text = m.text();
    const PageState before = pageState(p);
    const Batch::State state{before.list, before.counter, before.lastEdit};
    Batch::Options options;
    options.page = SourcePage(p);
    options.mode = stringMode();
    options.extractC = m_panel->extractC();
    options.root = m_rootEdit->text();
    const auto choose = m_panel->chooser();
    const int leftOut = m_panel->checkedHidden();
    // The panel's rows, just brought up to date, are the page's literals: the
    // engine need not find them again.
    const auto literals = std::make_shared<const std::vector<Batch::Literal>>(
        m_panel->isUpToDate() ? m_panel->model().literals() : Batch::findLiterals(text, options.page, *m_panel->rules()));
    const auto start = [&](Batch::EqualStrings equal) {
        Batch::Options o = options;
        o.equal = equal;
        return std::async(std::launch::async,
                          [text, literals, o, state, choose] { return Batch::extract(text, *literals, o, state, choose); });
    };

    m_stopRequest = false;
    BusyState busy(*this);
    Batch::Result result;
    const bool askEqual = p == CppPage && m_promptEqualAction->isChecked();
    std::future<Batch::Result> work = start(askEqual ? Batch::EqualStrings::Reuse : Batch::EqualStrings::NewEntry);
    if (!runStoppable(*this, m_stopRequest, work)) {
        m_statusBar->Panel(3).SetText(panelText(PanelText::Stopped, m_language->language()));
        return;
    }
    result = work.get();
    if (askEqual) {
        const auto repeated = std::count_if(result.literals.begin(), result.literals.end(),
                                            [](const Batch::Outcome &o) { return o.action == Batch::Action::Reused; });
        if (repeated > 0) {
            const QString question = panelText(PanelText::EqualStrings, m_language->language()).arg(repeated);
            switch (ask(question, Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel)) {
            case Dialogs::Button::Yes:
                break;
            case Dialogs::Button::No:
                work = start(Batch::EqualStrings::NewEntry);
                if (!runStoppable(*this, m_stopRequest, work))
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
        ask(panelText(PanelText::ProofFailed, m_language->language()).arg(line + 1).arg(*at - m.lineIndex(line) + 1),
            Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return;
    }

    // One undo step: the changed stretch of the page with the list and the counter.
    int caret = -1;
    {
        PageEditStep edit(pageEditor(p)->document(), m_workspace, p, before);
        if (result.text != text) {
            const TextDifference d = differenceOf(text, result.text);
            caret = d.from + m.replace(d.from, d.oldLength, result.text.mid(d.from, d.newLength));
        }
        edit.commit(after);
    }
    session(p).setSaved(false);
    m_statusBar->Panel(3).SetText(leftOut > 0 ? panelText(PanelText::LeftOut, m_language->language()).arg(leftOut)
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
