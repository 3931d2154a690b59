// The window's controls: the tool area, the left column with the found text
// box and the extraction list, the three editor pages, the menus and the
// toolbar. Object names follow the established layout: the caption table,
// the settings and the tests find the controls by them.
#include "app/MainWindow.h"

#include "platform/gui/EditorLook.h"
#include "platform/gui/EditorModel.h"
#include "generate/GeneratorTable.h"
#include "app/ToolbarIcons.h"
#include "components/Vstatus/Vstatus.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
template <typename T>
T *named(T *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

QPlainTextEdit *makeEditor(QWidget *parent, const char *name, bool readOnly)
{
    auto *e = named(new QPlainTextEdit(parent), name);
    applyEditorLook(e);
    EditorModel::of(e).setReadOnly(readOnly);
    // Keep the selection visible while another control has the focus.
    QPalette p = e->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    e->setPalette(p);
    return e;
}
} // namespace

void MainWindow::buildLayout()
{
    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    m_toolArea = named(new QWidget(central), "CoolBar1");
    m_toolArea->setFixedHeight(65);
    auto *coolLayout = new QVBoxLayout(m_toolArea);
    coolLayout->setContentsMargins(0, 3, 0, 0);
    m_toolBar = named(new QToolBar(m_toolArea), "ToolBar1");
    m_toolBar->setIconSize(QSize(32, 32));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    coolLayout->addWidget(m_toolBar);
    coolLayout->addStretch();
    outer->addWidget(m_toolArea);

    auto *body = new QWidget(central);
    auto *bodyLayout = new QHBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->setSpacing(2);

    // Left column: options, found text, resource number, extraction list.
    m_leftColumn = named(new QWidget(body), "Panel1");
    m_leftColumn->setFixedWidth(265);
    auto *leftLayout = new QVBoxLayout(m_leftColumn);
    leftLayout->setContentsMargins(2, 2, 2, 2);
    m_optionsArea = named(new QWidget(m_leftColumn), "Panel3");
    m_optionsArea->setFixedHeight(241);
    auto *upper = new QVBoxLayout(m_optionsArea);
    upper->setContentsMargins(4, 4, 4, 4);
    m_toggleFoundBox = named(new QCheckBox(m_optionsArea), "CheckBox2");
    m_toggleFoundBox->setChecked(true);
    m_protectBox = named(new QCheckBox(m_optionsArea), "CheckBox1");
    m_protectBox->setChecked(true);
    m_foundLabel = named(new QLabel(m_optionsArea), "Label1");
    m_foundText = makeEditor(m_optionsArea, "Edit1", false);
    // Tab and Shift+Tab move on to the next control: the found text takes no
    // typed tab character (a pasted one stays).
    m_foundText->setTabChangesFocus(true);
    {
        QPalette p = m_foundText->palette();
        p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
        p.setColor(QPalette::Text, p.color(QPalette::ToolTipText));
        m_foundText->setPalette(p);
    }
    auto *numberRow = new QHBoxLayout;
    m_counterLabel = named(new QLabel(m_optionsArea), "Label4");
    m_counterButton = named(new QToolButton(m_optionsArea), "SpeedButton7");
    m_counterButton->setAutoRaise(true);
    m_counterButton->setText(QStringLiteral("0"));
    m_counterButton->setMinimumWidth(60);
    m_counterIcon = named(new QLabel(m_optionsArea), "Image1");
    m_resourceIcon = named(new QLabel(m_optionsArea), "Image2");
    m_counterIcon->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(24, 24));
    m_resourceIcon->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(24, 24));
    numberRow->addWidget(m_counterLabel);
    numberRow->addWidget(m_counterButton);
    numberRow->addStretch();
    numberRow->addWidget(m_counterIcon);
    numberRow->addWidget(m_resourceIcon);
    upper->addWidget(m_toggleFoundBox);
    upper->addWidget(m_protectBox);
    upper->addWidget(m_foundLabel);
    upper->addWidget(m_foundText, 1);
    upper->addLayout(numberRow);
    leftLayout->addWidget(m_optionsArea);
    m_listEditor = makeEditor(m_leftColumn, "Memo1", false);
    leftLayout->addWidget(m_listEditor, 1);
    bodyLayout->addWidget(m_leftColumn);

    // Right: the three editor pages.
    m_pageArea = named(new QWidget(body), "Panel2");
    auto *rightLayout = new QVBoxLayout(m_pageArea);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_pages = named(new QTabWidget(m_pageArea), "PageControl1");
    m_cppSheet = named(new QWidget, "TabSheet1");
    m_headerSheet = named(new QWidget, "TabSheet2");
    m_formSheet = named(new QWidget, "TabSheet3");
    m_cppEditor = makeEditor(m_cppSheet, "Memo2", true);
    m_headerEditor = makeEditor(m_headerSheet, "Memo3", true);
    m_formEditor = makeEditor(m_formSheet, "Memo4", true);
    for (SourcePage p : kSourcePages)
        m_workspace.session(p).attach(pageEditor(int(p))->document());
    for (auto [sheet, memo] : {std::pair{m_cppSheet, m_cppEditor}, std::pair{m_headerSheet, m_headerEditor}}) {
        auto *l = new QVBoxLayout(sheet);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(memo);
    }
    {
        auto *l = new QVBoxLayout(m_formSheet);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(m_formEditor, 1);
        m_rootBar = named(new QWidget(m_formSheet), "Panel4");
        m_rootBar->setFixedHeight(44);
        auto *bar = new QHBoxLayout(m_rootBar);
        m_rootLabel = named(new QLabel(m_rootBar), "Label3");
        m_rootEdit = named(new QLineEdit(m_rootBar), "Edit3");
        bar->addWidget(m_rootLabel);
        bar->addWidget(m_rootEdit, 1);
        l->addWidget(m_rootBar);
    }
    m_pages->addTab(m_cppSheet, QString());
    m_pages->addTab(m_headerSheet, QString());
    m_pages->addTab(m_formSheet, QString());
    rightLayout->addWidget(m_pages);
    bodyLayout->addWidget(m_pageArea, 1);
    outer->addWidget(body, 1);
    setCentralWidget(central);

    m_statusBar = named(new TVStatus(this), "VStatus1");
    m_statusBar->SetSimplePanel(false);
    for (int w : {200, 100, 100, 50})
        m_statusBar->AddPanel(w);
    setStatusBar(m_statusBar);
    m_listBesideButton = named(new QToolButton(m_statusBar), "ListBesideButton");
    m_listBesideButton->setAutoRaise(true);
    m_listBesideButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_statusBar->addWidget(m_listBesideButton);
    m_listBesideButton->hide();
}

void MainWindow::buildMenus()
{
    m_menuBar = named(new QMenuBar(this), "MainMenu1");
    setMenuBar(m_menuBar);
    auto menu = [this](const char *name) {
        QMenu *m = named(new QMenu(m_menuBar), name);
        m->menuAction()->setObjectName(QLatin1String(name));
        m_menuBar->addMenu(m);
        return m;
    };
    auto item = [this](QMenu *m, const char *name, QKeySequence key = {}) {
        QAction *a = named(new QAction(this), name);
        a->setShortcut(key);
        m->addAction(a);
        return a;
    };
    m_fileMenu = menu("Datei1");
    m_openAction = item(m_fileMenu, "Open1", QKeySequence(Qt::Key_F3));
    m_saveAsAction = item(m_fileMenu, "Saveas1");
    m_fileMenu->addSeparator();
    m_saveAllAction = item(m_fileMenu, "SaveAll1", QKeySequence(Qt::Key_F2));
    m_fileMenu->addSeparator();
    m_saveCppAction = item(m_fileMenu, "SaveCPP1");
    m_saveHeaderAction = item(m_fileMenu, "HSpeichern1");
    m_saveFormAction = item(m_fileMenu, "SaveDFM1");
    m_fileMenu->addSeparator();
    for (const GeneratorInfo &g : generators())
        m_generatorActions[size_t(g.kind)] = item(m_fileMenu, g.menuItem);
    createTranslateItems(m_fileMenu);
    createListItems(m_fileMenu);
    m_fileMenu->addSeparator();
    m_exitAction = item(m_fileMenu, "Exit1");

    m_editMenu = menu("Berabeiten1");
    m_findNextAction = item(m_editMenu, "FindNext1", QKeySequence(Qt::CTRL | Qt::Key_N));
    m_editMenu->addSeparator();
    m_changeAction = item(m_editMenu, "ChangeToggle1", QKeySequence(Qt::CTRL | Qt::Key_T));
    m_editMenu->addSeparator();
    m_extractAction = item(m_editMenu, "Extract1", QKeySequence(Qt::CTRL | Qt::Key_T));
    // The menu shows Ctrl+T for Extract too, but Change/Toggle comes first and
    // owns the key: Extract's copy only answers inside its own menu.
    m_extractAction->setShortcutContext(Qt::WidgetShortcut);
    m_extractCAction = item(m_editMenu, "ExtractC1", QKeySequence(Qt::CTRL | Qt::Key_E));
    m_editMenu->addSeparator();
    m_findTextAction = item(m_editMenu, "FindText1", QKeySequence(Qt::Key_F8));
    m_findTextAction->setText(QStringLiteral("Find Text"));

    m_optionsMenu = menu("Options1");
    m_promptEqualAction = item(m_optionsMenu, "PromtEqualStrings2");
    m_findNextOnExtractAction = item(m_optionsMenu, "OnExtractFindNext2");
    m_optionsMenu->addSeparator();
    m_globalModeAction = item(m_optionsMenu, "UseglobalStrings2");
    m_formModeAction = item(m_optionsMenu, "UseFormStrings2");
    m_functionModeAction = item(m_optionsMenu, "UseFunction2");
    m_optionsMenu->addSeparator();
    m_englishAction = item(m_optionsMenu, "English1");
    m_germanAction = item(m_optionsMenu, "German1");
    for (QAction *a : {m_promptEqualAction, m_findNextOnExtractAction, m_globalModeAction, m_formModeAction, m_functionModeAction,
                       m_englishAction, m_germanAction})
        a->setCheckable(true);
    m_englishAction->setText(QStringLiteral("English"));
    m_germanAction->setText(QStringLiteral("Deutsch"));
    m_englishAction->setChecked(true);

    m_helpMenu = menu("N8");
    m_aboutAction = item(m_helpMenu, "About1");
}

void MainWindow::buildToolBar()
{
    // Theme icons by their freedesktop names; the style's pixmaps stand in
    // where the theme has none.
    auto button = [this](const char *name, const char *themeIcon, QStyle::StandardPixmap fallback) {
        QToolButton *b = named(new QToolButton(m_toolBar), name);
        b->setIcon(toolbarIcon(QLatin1String(themeIcon), style()->standardIcon(fallback), QSize(32, 32)));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setMinimumSize(66, 52);
        b->setMaximumHeight(52);
        m_toolBar->addWidget(b);
        return b;
    };
    m_openButton = button("ToolButton1", "document-open", QStyle::SP_DialogOpenButton);
    m_saveButton = button("ToolButton12", "document-save", QStyle::SP_DialogSaveButton);
    m_saveAllButton = button("ToolButton2", "document-save-all", QStyle::SP_DriveHDIcon);
    m_toolBar->addSeparator();
    m_findTextButton = button("ToolButton13", "edit-find", QStyle::SP_FileDialogContentsView);
    m_changeButton = button("ToolButton3", "edit-find-replace", QStyle::SP_BrowserReload);
    m_extractCButton = button("ToolButton6", "edit-copy", QStyle::SP_ArrowLeft);
    m_extractButton = button("ToolButton5", "edit-cut", QStyle::SP_ArrowBack);
    m_toolBar->addSeparator();
    m_findNextButton = button("ToolButton4", "go-next", QStyle::SP_ArrowForward);
    m_stopButton = button("ToolButton8", "process-stop", QStyle::SP_BrowserStop);
    m_stopButton->setEnabled(false);
    m_toolBar->addSeparator();
    m_exitButton = button("ToolButton7", "application-exit", QStyle::SP_DialogCloseButton);
}

// Keys of the buttons whose menu items have none, or whose menu key belongs
// to another command (Extract shows Ctrl+T, which Change/Toggle owns). A
// disabled button's key does nothing. A button's caption sets its key
// anew: set them after the captions.
void MainWindow::applyButtonKeys()
{
    m_saveButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_extractButton->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    m_stopButton->setShortcut(QKeySequence(Qt::Key_Escape));
    m_exitButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}
