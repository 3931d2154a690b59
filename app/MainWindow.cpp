// The main window's start-up, captions, page status and status bar.
#include "app/MainWindow.h"

#include "platform/gui/EditorModel.h"
#include "generate/GeneratorTable.h"
#include "platform/core/Exception.h"
#include "app/FolderMemory.h"
#include "app/LiteralsPanel.h"
#include "app/ToolkitTexts.h"
#include "app/AboutBox.h"
#include "app/ToolbarIcons.h"
#include "app/WindowPlacement.h"
#include "uitext/UiLanguage.h"
#include "uitext/WindowTexts.h"
#include "components/Vreg/Vreg.h"
#include "components/Vstatus/Vstatus.h"
#include "unit/UnitLock.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>


MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(applicationIcon());
    m_language = new UiLanguage(this);
    m_toolkitTexts = new ToolkitTexts(this);
    m_settings = new TVReg(this);
    m_settings->setObjectName(QStringLiteral("VReg1"));
    m_settings->Programmname = QStringLiteral("VTQX");
    m_settings->Firmenname = QStringLiteral("Varnosel");
    m_folders = new FolderMemory(m_settings, m_language, this);

    buildLayout();
    buildMenus();
    buildRecentMenu();
    buildEncodingMenu();
    buildToolBar();
    m_aboutBox = new AboutBox(this);
    createOutputWindow();
    wire();
    wireGuards();
    buildPanel();
    wireCommands();

    // The first size, within a small or strongly scaled screen.
    const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 711, 558);
    setMinimumSize(QSize(711, 423).boundedTo(area.size()));
    resize(QSize(711, 558).boundedTo(area.size()));
    move(keptInside(QRect(area.center() - rect().center(), size()), area).topLeft());
    m_pages->setCurrentIndex(CppPage);
    applyCaptions();
}

MainWindow::~MainWindow()
{
    // The sessions' lists go before the list editor: it shows one of its own
    // until then.
    EditorModel::of(m_listEditor).showDocument(new QTextDocument(m_listEditor));
}

void MainWindow::wire()
{
    connectGuarded(m_protectBox, &QCheckBox::clicked, this, &MainWindow::applyProtection);
    connectGuarded(m_toggleFoundBox, &QCheckBox::clicked, this, &MainWindow::applyToggleFound);
    connect(m_pages, &QTabWidget::currentChanged, this, [this] { pageSwitched(); });
    connect(&m_workspace, &Workspace::stateApplied, this, &MainWindow::pageStateApplied);
    // Each page's list is its session's document; the list editor shows the
    // shown page's.
    EditorModel::of(m_listEditor).showDocument(session(m_currentPage).list());
    for (int p = 0; p < 3; ++p) {
        QPlainTextEdit *m = pageEditor(p);
        m->installEventFilter(this);
        m->viewport()->installEventFilter(this);
        // The status bar follows the shown page's caret and modification.
        connect(m, &QPlainTextEdit::cursorPositionChanged, this, [this, p] {
            if (p == activePage())
                showStatus();
        });
        connect(m->document(), &QTextDocument::modificationChanged, this, [this, p] {
            if (p == activePage())
                showPageStatus();
        });
    }
    m_toolArea->installEventFilter(this);
}

// ---------------------------------------------------------------------------
// Helpers

int MainWindow::activePage() const
{
    return m_pages->currentIndex();
}

QPlainTextEdit *MainWindow::pageEditor(int page) const
{
    switch (page) {
    case CppPage: return m_cppEditor;
    case HeaderPage: return m_headerEditor;
    default: return m_formEditor;
    }
}

EditorModel &MainWindow::pageModel(int page) const
{
    return EditorModel::of(pageEditor(page));
}

QString MainWindow::pageExtension(int page)
{
    return sourcePageExtension(SourcePage(page));
}

SourceUnit &MainWindow::unit()
{
    SourceUnit &u = m_workspace.unit;
    if (u.baseName() != m_baseName || u.folder() != m_baseFolder) {
        u = SourceUnit::locate(m_baseFolder + m_baseName + pageExtension(CppPage));
    }
    u.setLanguage(m_language->language());
    return u;
}

void MainWindow::setPumpClock(MessagePump::Clock clock)
{
    m_pumpClock = std::move(clock);
    m_busyPump = MessagePump(10, [this] { return m_pumpClock(); });
}

// Entering and leaving the busy state pump once each. Commands that follow
// each other closely (Extract with Find Next, a held key) share one pump per
// tick of the status timer: each pump repaints the whole window, which costs
// far more than a short scan, for a busy state nobody could see.
void MainWindow::busyPump()
{
    if (m_busyPump.pumps() == 0)
        m_busyPump.pumpNow();
    else
        m_busyPump.pumpIfDue();
}

QString MainWindow::msg(unsigned n) const
{
    return m_language->text(n);
}

StringMode MainWindow::stringMode() const
{
    if (m_functionModeAction->isChecked())
        return StringMode::Function;
    if (m_formModeAction->isChecked())
        return StringMode::Form;
    return StringMode::Global;
}

Dialogs::Button MainWindow::ask(const QString &text, Dialogs::Icon icon, Dialogs::Buttons buttons)
{
    return Dialogs::instance().message(this, QStringLiteral("VTQX"), text, icon, buttons);
}

void MainWindow::showCounter()
{
    m_counterButton->setText(QString::number(m_counter[CppPage]));
}

// ---------------------------------------------------------------------------
// Start-up, captions, page status

void MainWindow::applyCaptions()
{
    const Language lang = m_language->language();
    for (const CaptionEntry &c : captionTable()) {
        const QString &text = c.text(lang);
        const QString name = QLatin1String(c.objectName);
        if (name == u"TForm1") {
            setWindowTitle(text);
            continue;
        }
        QObject *o = findChild<QObject *>(name);
        if (auto *a = qobject_cast<QAction *>(o))
            a->setText(text);
        else if (auto *m = qobject_cast<QMenu *>(o))
            m->setTitle(text);
        else if (auto *b = qobject_cast<QAbstractButton *>(o))
            b->setText(text);
        else if (auto *l = qobject_cast<QLabel *>(o))
            l->setText(text);
        else if (auto *w = qobject_cast<QWidget *>(o))
            m_pages->setTabText(m_pages->indexOf(w), text);
    }
    applyButtonKeys();
    // The table's caption of the Change button is the unchecked Toggle Found
    // state's; the box decides which one shows.
    applyToggleFound();
    applyPanelCaptions();
    showListBeside();
    m_aboutBox->setWindowTitle(windowText(WindowText::AboutTitle, lang));
    fitToolBar(); // the captions' widths changed
}

void MainWindow::updateToolTips()
{
    const Language lang = m_language->language();
    // The key that works: the button's own, else its menu item's.
    const auto key = [](QToolButton *b, QAction *a) {
        const QKeySequence k = !b->shortcut().isEmpty() ? b->shortcut() : a ? a->shortcut() : QKeySequence();
        return k.toString(QKeySequence::NativeText);
    };
    const struct
    {
        QToolButton *button;
        QAction *item;
        WindowText what;
    } buttons[] = {
        {m_openButton, m_openAction, WindowText::OpenTip},
        {m_saveButton, nullptr, WindowText::SaveTip},
        {m_saveAllButton, m_saveAllAction, WindowText::SaveAllTip},
        {m_findTextButton, m_findTextAction, WindowText::SearchTip},
        {m_changeButton, m_changeAction, m_toggleFoundBox->isChecked() ? WindowText::ToggleTip : WindowText::ChangeTip},
        {m_extractCButton, m_extractCAction, WindowText::ExtractCTip},
        {m_extractButton, nullptr, WindowText::ExtractTip},
        {m_findNextButton, m_findNextAction, WindowText::FindNextTip},
        {m_stopButton, nullptr, WindowText::StopTip},
        {m_exitButton, nullptr, WindowText::ExitTip},
    };
    for (const auto &b : buttons)
        b.button->setToolTip(buttonToolTip(b.button->text(), key(b.button, b.item), b.what, lang));
    m_counterIcon->setToolTip(windowText(WindowText::NumberTip, lang));
    m_resourceIcon->setToolTip(windowText(WindowText::ResourceTip, lang));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        runGuarded(this, [&] {
            restoreOnShow();
            keepOnScreen(); // the frame's size is known now
        });
    }
}

void MainWindow::restoreOnShow()
{
    restoreOptions();
    showPageStatus();
}

void MainWindow::showPageStatus()
{
    if (!ready(OpenAndIdle))
        return;
    const int p = activePage();
    QString status = m_baseName + pageExtension(p);
    if (!m_saved[p])
        status += msg(2);
    m_statusBar->Panel(0).SetText(status);

    const bool cpp = p == CppPage, header = p == HeaderPage;
    m_changeButton->setEnabled(!header);
    m_findNextButton->setEnabled(!header);
    m_extractButton->setEnabled(!header);
    m_extractCButton->setEnabled(cpp);
    m_counterButton->setVisible(cpp);
    for (const GeneratorInfo &g : generators())
        m_generatorActions[size_t(g.kind)]->setEnabled(g.worksOn(SourcePage(p)));
    m_exportPotAction->setEnabled(cpp);
    m_translatedScriptAction->setEnabled(cpp);
    updateUndoActions();
    showEncoding();
}

void MainWindow::showStatus()
{
    showPageStatus();
    const int p = activePage();
    EditorModel &m = pageModel(p);
    m_tracked[p] = m.selectionRowCol();
    const RowCol t = m_tracked[p];
    m_statusBar->Panel(1).SetText(caretPositionText(t.row, t.col, m_language->language()));
    m_statusBar->Panel(2).SetText(msg(19) + QString::number(m_lastEdit[p].row) + QStringLiteral(", ") +
                               QString::number(m_lastEdit[p].col));
}

void MainWindow::pageSwitched()
{
    m_currentPage = activePage();
    EditorModel::of(m_listEditor).showDocument(session(m_currentPage).list());
    pageEditor(m_currentPage)->setFocus();
    showStatus();
}

void MainWindow::showAbout()
{
    Dialogs::instance().showModal(m_aboutBox);
}

void MainWindow::switchLanguage(Language lang)
{
    m_language->setLanguage(lang);
    m_toolkitTexts->setLanguage(lang);
    applyCaptions();
    m_language->announce();
    m_englishAction->setChecked(lang == Language::English);
    m_germanAction->setChecked(lang == Language::German);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close box belongs to the busy state: a running scan stops first,
    // and the close query runs once the busy state is left.
    if (m_busy) {
        m_stopRequest = true;
        m_closePending = true;
        event->ignore();
        return;
    }
    bool canClose = false;
    runGuarded(this, [&] { queryClose(canClose); });
    if (canClose) {
        m_lock.reset(); // the unit is free for others
        event->accept();
    }
    else
        event->ignore();
}
