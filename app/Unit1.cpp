#include "Unit1.h"

#include "EditorLook.h"
#include "EditorModel.h"
#include "Exception.h"
#include "FolderMemory.h"
#include "LiteralsPanel.h"
#include "ToolbarIcons.h"
#include "ToolkitTexts.h"
#include "Unit2.h"
#include "UiLanguage.h"
#include "WindowTexts.h"
#include "Vreg.h"
#include "Vstatus.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
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

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(applicationIcon());
    UiLang = new UiLanguage(this);
    QtTexts = new ToolkitTexts(this);
    VReg1 = named(new TVReg(this), "VReg1");
    VReg1->Programmname = QStringLiteral("VTQX");
    VReg1->Firmenname = QStringLiteral("Varnosel");
    Folders = new FolderMemory(VReg1, UiLang, this);
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(10);

    buildLayout();
    buildMenus();
    buildRecentMenu();
    buildToolBar();
    Form2 = new TForm2(this);
    createOutputWindow();
    wire();
    buildPanel();

    resize(711, 558);
    setMinimumSize(711, 423);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    PageControl1->setCurrentIndex(CppPage);
    FormCreate();
    Timer1->start();
}

TForm1::~TForm1() = default;

void TForm1::buildLayout()
{
    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    CoolBar1 = named(new QWidget(central), "CoolBar1");
    CoolBar1->setFixedHeight(65);
    auto *coolLayout = new QVBoxLayout(CoolBar1);
    coolLayout->setContentsMargins(0, 3, 0, 0);
    ToolBar1 = named(new QToolBar(CoolBar1), "ToolBar1");
    ToolBar1->setIconSize(QSize(32, 32));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    coolLayout->addWidget(ToolBar1);
    coolLayout->addStretch();
    outer->addWidget(CoolBar1);

    auto *body = new QWidget(central);
    auto *bodyLayout = new QHBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->setSpacing(2);

    // Left column: options, found text, resource number, extraction list.
    Panel1 = named(new QWidget(body), "Panel1");
    Panel1->setFixedWidth(265);
    auto *leftLayout = new QVBoxLayout(Panel1);
    leftLayout->setContentsMargins(2, 2, 2, 2);
    Panel3 = named(new QWidget(Panel1), "Panel3");
    Panel3->setFixedHeight(241);
    auto *upper = new QVBoxLayout(Panel3);
    upper->setContentsMargins(4, 4, 4, 4);
    CheckBox2 = named(new QCheckBox(Panel3), "CheckBox2");
    CheckBox2->setChecked(true);
    CheckBox1 = named(new QCheckBox(Panel3), "CheckBox1");
    CheckBox1->setChecked(true);
    Label1 = named(new QLabel(Panel3), "Label1");
    Edit1 = makeEditor(Panel3, "Edit1", false);
    {
        QPalette p = Edit1->palette();
        p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
        p.setColor(QPalette::Text, p.color(QPalette::ToolTipText));
        Edit1->setPalette(p);
    }
    auto *numberRow = new QHBoxLayout;
    Label4 = named(new QLabel(Panel3), "Label4");
    SpeedButton7 = named(new QToolButton(Panel3), "SpeedButton7");
    SpeedButton7->setAutoRaise(true);
    SpeedButton7->setText(QStringLiteral("0"));
    SpeedButton7->setMinimumWidth(60);
    Image1 = named(new QLabel(Panel3), "Image1");
    Image2 = named(new QLabel(Panel3), "Image2");
    Image1->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(24, 24));
    Image2->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(24, 24));
    numberRow->addWidget(Label4);
    numberRow->addWidget(SpeedButton7);
    numberRow->addStretch();
    numberRow->addWidget(Image1);
    numberRow->addWidget(Image2);
    upper->addWidget(CheckBox2);
    upper->addWidget(CheckBox1);
    upper->addWidget(Label1);
    upper->addWidget(Edit1, 1);
    upper->addLayout(numberRow);
    leftLayout->addWidget(Panel3);
    Memo1 = makeEditor(Panel1, "Memo1", false);
    leftLayout->addWidget(Memo1, 1);
    bodyLayout->addWidget(Panel1);

    // Right: the three editor pages.
    Panel2 = named(new QWidget(body), "Panel2");
    auto *rightLayout = new QVBoxLayout(Panel2);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    PageControl1 = named(new QTabWidget(Panel2), "PageControl1");
    TabSheet1 = named(new QWidget, "TabSheet1");
    TabSheet2 = named(new QWidget, "TabSheet2");
    TabSheet3 = named(new QWidget, "TabSheet3");
    Memo2 = makeEditor(TabSheet1, "Memo2", true);
    Memo3 = makeEditor(TabSheet2, "Memo3", true);
    Memo4 = makeEditor(TabSheet3, "Memo4", true);
    for (SourcePage p : kSourcePages)
        m_workspace.session(p).attach(pageEditor(int(p))->document());
    for (auto [sheet, memo] : {std::pair{TabSheet1, Memo2}, std::pair{TabSheet2, Memo3}}) {
        auto *l = new QVBoxLayout(sheet);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(memo);
    }
    {
        auto *l = new QVBoxLayout(TabSheet3);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(Memo4, 1);
        Panel4 = named(new QWidget(TabSheet3), "Panel4");
        Panel4->setFixedHeight(44);
        auto *bar = new QHBoxLayout(Panel4);
        Label3 = named(new QLabel(Panel4), "Label3");
        Edit3 = named(new QLineEdit(Panel4), "Edit3");
        bar->addWidget(Label3);
        bar->addWidget(Edit3, 1);
        l->addWidget(Panel4);
    }
    PageControl1->addTab(TabSheet1, QString());
    PageControl1->addTab(TabSheet2, QString());
    PageControl1->addTab(TabSheet3, QString());
    rightLayout->addWidget(PageControl1);
    bodyLayout->addWidget(Panel2, 1);
    outer->addWidget(body, 1);
    setCentralWidget(central);

    VStatus1 = named(new TVStatus(this), "VStatus1");
    VStatus1->SetSimplePanel(false);
    for (int w : {200, 100, 100, 50})
        VStatus1->AddPanel(w);
    setStatusBar(VStatus1);
}

void TForm1::buildMenus()
{
    MainMenu1 = named(new QMenuBar(this), "MainMenu1");
    setMenuBar(MainMenu1);
    auto menu = [this](const char *name) {
        QMenu *m = named(new QMenu(MainMenu1), name);
        m->menuAction()->setObjectName(QLatin1String(name));
        MainMenu1->addMenu(m);
        return m;
    };
    auto item = [this](QMenu *m, const char *name, QKeySequence key = {}) {
        QAction *a = named(new QAction(this), name);
        a->setShortcut(key);
        m->addAction(a);
        return a;
    };
    Datei1 = menu("Datei1");
    Open1 = item(Datei1, "Open1", QKeySequence(Qt::Key_F3));
    Saveas1 = item(Datei1, "Saveas1");
    Datei1->addSeparator();
    SaveAll1 = item(Datei1, "SaveAll1", QKeySequence(Qt::Key_F2));
    Datei1->addSeparator();
    SaveCPP1 = item(Datei1, "SaveCPP1");
    HSpeichern1 = item(Datei1, "HSpeichern1");
    SaveDFM1 = item(Datei1, "SaveDFM1");
    Datei1->addSeparator();
    CreateFormOnLoad1 = item(Datei1, "CreateFormOnLoad1");
    CreateLoadTextRC1 = item(Datei1, "CreateLoadTextRC1");
    CreateRCFile1 = item(Datei1, "CreateRCFile1");
    createTranslateItems(Datei1);
    createListItems(Datei1);
    Datei1->addSeparator();
    Exit1 = item(Datei1, "Exit1");

    Berabeiten1 = menu("Berabeiten1");
    FindNext1 = item(Berabeiten1, "FindNext1", QKeySequence(Qt::CTRL | Qt::Key_N));
    Berabeiten1->addSeparator();
    ChangeToggle1 = item(Berabeiten1, "ChangeToggle1", QKeySequence(Qt::CTRL | Qt::Key_T));
    Berabeiten1->addSeparator();
    Extract1 = item(Berabeiten1, "Extract1", QKeySequence(Qt::CTRL | Qt::Key_T));
    // The menu shows Ctrl+T for Extract too, but Change/Toggle comes first and
    // owns the key: Extract's copy only answers inside its own menu.
    Extract1->setShortcutContext(Qt::WidgetShortcut);
    ExtractC1 = item(Berabeiten1, "ExtractC1", QKeySequence(Qt::CTRL | Qt::Key_E));
    Berabeiten1->addSeparator();
    FindText1 = item(Berabeiten1, "FindText1", QKeySequence(Qt::Key_F8));
    FindText1->setText(QStringLiteral("Find Text"));

    Options1 = menu("Options1");
    PromtEqualStrings2 = item(Options1, "PromtEqualStrings2");
    OnExtractFindNext2 = item(Options1, "OnExtractFindNext2");
    Options1->addSeparator();
    UseglobalStrings2 = item(Options1, "UseglobalStrings2");
    UseFormStrings2 = item(Options1, "UseFormStrings2");
    UseFunction2 = item(Options1, "UseFunction2");
    Options1->addSeparator();
    English1 = item(Options1, "English1");
    German1 = item(Options1, "German1");
    for (QAction *a : {PromtEqualStrings2, OnExtractFindNext2, UseglobalStrings2, UseFormStrings2, UseFunction2,
                       English1, German1})
        a->setCheckable(true);
    English1->setText(QStringLiteral("English"));
    German1->setText(QStringLiteral("Deutsch"));
    English1->setChecked(true);

    N8 = menu("N8");
    About1 = item(N8, "About1");
}

void TForm1::buildToolBar()
{
    // Theme icons by their freedesktop names; the style's pixmaps stand in
    // where the theme has none.
    auto button = [this](const char *name, const char *themeIcon, QStyle::StandardPixmap fallback) {
        QToolButton *b = named(new QToolButton(ToolBar1), name);
        b->setIcon(toolbarIcon(QLatin1String(themeIcon), style()->standardIcon(fallback), QSize(32, 32)));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setMinimumSize(66, 52);
        b->setMaximumHeight(52);
        ToolBar1->addWidget(b);
        return b;
    };
    ToolButton1 = button("ToolButton1", "document-open", QStyle::SP_DialogOpenButton);
    ToolButton12 = button("ToolButton12", "document-save", QStyle::SP_DialogSaveButton);
    ToolButton2 = button("ToolButton2", "document-save-all", QStyle::SP_DriveHDIcon);
    ToolBar1->addSeparator();
    ToolButton13 = button("ToolButton13", "edit-find", QStyle::SP_FileDialogContentsView);
    ToolButton3 = button("ToolButton3", "edit-find-replace", QStyle::SP_BrowserReload);
    ToolButton6 = button("ToolButton6", "edit-copy", QStyle::SP_ArrowLeft);
    ToolButton5 = button("ToolButton5", "edit-cut", QStyle::SP_ArrowBack);
    ToolBar1->addSeparator();
    ToolButton4 = button("ToolButton4", "go-next", QStyle::SP_ArrowForward);
    ToolButton8 = button("ToolButton8", "process-stop", QStyle::SP_BrowserStop);
    ToolButton8->setEnabled(false);
    ToolBar1->addSeparator();
    ToolButton7 = button("ToolButton7", "application-exit", QStyle::SP_DialogCloseButton);
}

void TForm1::wire()
{
    // Every command runs guarded: what a handler lets escape is shown in the
    // standard error display and the window keeps its state.
    auto onAction = [this](QAction *a, void (TForm1::*handler)()) { connectGuarded(a, &QAction::triggered, this, handler); };
    auto onButton = [this](QToolButton *b, void (TForm1::*handler)()) {
        connectGuarded(b, &QToolButton::clicked, this, handler);
    };
    onAction(Open1, &TForm1::SpeedButton1Click);
    onAction(Saveas1, &TForm1::Saveas1Click);
    onAction(SaveAll1, &TForm1::SaveAll1Click);
    onAction(SaveCPP1, &TForm1::SaveCPP1Click);
    onAction(HSpeichern1, &TForm1::HSpeichern1Click);
    onAction(SaveDFM1, &TForm1::SaveDFM1Click);
    onAction(CreateFormOnLoad1, &TForm1::CreateFormOnLoad1Click);
    onAction(CreateLoadTextRC1, &TForm1::CreateLoadTextRC1Click);
    onAction(CreateRCFile1, &TForm1::CreateRCFile1Click);
    onAction(Exit1, &TForm1::Exit1Click);
    onAction(FindNext1, &TForm1::SpeedButton4Click);
    onAction(ChangeToggle1, &TForm1::SpeedButton3Click);
    onAction(FindText1, &TForm1::ToolButton13Click);
    // The two option items flip their own check marks in their handlers, so
    // undo the flip Qt makes on a checkable action first.
    connect(PromtEqualStrings2, &QAction::triggered, this, [this](bool checked) {
        PromtEqualStrings2->setChecked(!checked);
        PromtEqualStrings1Click();
    });
    connect(OnExtractFindNext2, &QAction::triggered, this, [this](bool checked) {
        OnExtractFindNext2->setChecked(!checked);
        OnExtractFindNext1Click();
    });
    onAction(UseglobalStrings2, &TForm1::UseglobalStrings1Click);
    onAction(UseFormStrings2, &TForm1::UseFormStrings1Click);
    onAction(UseFunction2, &TForm1::UseFunction1Click);
    onAction(English1, &TForm1::English1Click);
    onAction(German1, &TForm1::German1Click);
    onAction(About1, &TForm1::About1Click);
    for (QAction *a : {Extract1, ExtractC1})
        connectGuarded(a, &QAction::triggered, this, [this, a] { SpeedButton5Click(a); });

    onButton(ToolButton1, &TForm1::SpeedButton1Click);
    onButton(ToolButton12, &TForm1::ToolButton12Click);
    onButton(ToolButton2, &TForm1::SaveAll1Click);
    onButton(ToolButton13, &TForm1::ToolButton13Click);
    onButton(ToolButton3, &TForm1::SpeedButton3Click);
    onButton(ToolButton4, &TForm1::SpeedButton4Click);
    onButton(ToolButton8, &TForm1::ToolButton8Click);
    onButton(ToolButton7, &TForm1::Exit1Click);
    onButton(SpeedButton7, &TForm1::SpeedButton7Click);
    for (QToolButton *b : {ToolButton5, ToolButton6})
        connectGuarded(b, &QToolButton::clicked, this, [this, b] { SpeedButton5Click(b); });

    connectGuarded(CheckBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
    connectGuarded(CheckBox2, &QCheckBox::clicked, this, &TForm1::CheckBox2Click);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int) {
        PageControl1Changing(m_currentPage);
        PageControl1Change();
    });
    for (QPlainTextEdit *m : {Memo2, Memo3, Memo4}) {
        m->installEventFilter(this);
        m->viewport()->installEventFilter(this);
    }
    CoolBar1->installEventFilter(this);
}

// ---------------------------------------------------------------------------
// Helpers

int TForm1::activePage() const
{
    return PageControl1->currentIndex();
}

QPlainTextEdit *TForm1::pageEditor(int page) const
{
    switch (page) {
    case CppPage: return Memo2;
    case HeaderPage: return Memo3;
    default: return Memo4;
    }
}

EditorModel &TForm1::pageModel(int page) const
{
    return EditorModel::of(pageEditor(page));
}

QString TForm1::pageExtension(int page)
{
    return sourcePageExtension(SourcePage(page));
}

SourceUnit &TForm1::unit()
{
    SourceUnit &u = m_workspace.unit;
    if (u.baseName() != BaseName || u.folder() != BaseFolder) {
        u = SourceUnit::locate(BaseFolder + BaseName + pageExtension(CppPage));
    }
    u.setLanguage(UiLang->language());
    return u;
}

void TForm1::setPumpClock(MessagePump::Clock clock)
{
    m_pumpClock = std::move(clock);
    m_busyPump = MessagePump(10, [this] { return m_pumpClock(); });
}

// Entering and leaving the busy state pump once each. Commands that follow
// each other closely (Extract with Find Next, a held key) share one pump per
// tick of the status timer: each pump repaints the whole window, which costs
// far more than a short scan, for a busy state nobody could see.
void TForm1::busyPump()
{
    if (m_busyPump.pumps() == 0)
        m_busyPump.pumpNow();
    else
        m_busyPump.pumpIfDue();
}

QString TForm1::Msg(unsigned n) const
{
    return UiLang->text(n);
}

StringMode TForm1::stringMode() const
{
    if (UseFunction2->isChecked())
        return StringMode::Function;
    if (UseFormStrings2->isChecked())
        return StringMode::Form;
    return StringMode::Global;
}

Dialogs::Button TForm1::Ask(const QString &text, Dialogs::Icon icon, Dialogs::Buttons buttons)
{
    return Dialogs::instance().message(this, QStringLiteral("VTQX"), text, icon, buttons);
}

void TForm1::showResNumber()
{
    SpeedButton7->setText(QString::number(ResNumber[CppPage]));
}

// ---------------------------------------------------------------------------
// Start-up, captions, page status

void TForm1::FormCreate()
{
    const Language lang = UiLang->language();
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
            PageControl1->setTabText(PageControl1->indexOf(w), text);
    }
    // The table's caption of the Change button is the unchecked Toggle Found
    // state's; the box decides which one shows.
    CheckBox2Click();
    applyPanelCaptions();
    Form2->setWindowTitle(windowText(WindowText::AboutTitle, lang));
    fitToolBar(); // the captions' widths changed
}

void TForm1::updateToolTips()
{
    const Language lang = UiLang->language();
    const auto key = [](QAction *a) { return a ? a->shortcut().toString(QKeySequence::NativeText) : QString(); };
    // Extract shows Ctrl+T in its menu, but Change/Toggle owns the key.
    const struct
    {
        QToolButton *button;
        QAction *item;
        WindowText what;
    } buttons[] = {
        {ToolButton1, Open1, WindowText::OpenTip},
        {ToolButton12, nullptr, WindowText::SaveTip},
        {ToolButton2, SaveAll1, WindowText::SaveAllTip},
        {ToolButton13, FindText1, WindowText::SearchTip},
        {ToolButton3, ChangeToggle1, CheckBox2->isChecked() ? WindowText::ToggleTip : WindowText::ChangeTip},
        {ToolButton6, ExtractC1, WindowText::ExtractCTip},
        {ToolButton5, nullptr, WindowText::ExtractTip},
        {ToolButton4, FindNext1, WindowText::FindNextTip},
        {ToolButton8, nullptr, WindowText::StopTip},
        {ToolButton7, nullptr, WindowText::ExitTip},
    };
    for (const auto &b : buttons)
        b.button->setToolTip(buttonToolTip(b.button->text(), key(b.item), b.what, lang));
    Image1->setToolTip(windowText(WindowText::NumberTip, lang));
    Image2->setToolTip(windowText(WindowText::ResourceTip, lang));
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        runGuarded(this, [&] { FormShow(); });
    }
}

void TForm1::FormShow()
{
    RestoreOptions();
    PageStatus();
}

void TForm1::PageStatus()
{
    if (BaseName.isEmpty() || Busy)
        return;
    const int p = activePage();
    QString status = BaseName + pageExtension(p);
    if (!Saved[p])
        status += Msg(2);
    VStatus1->Panel(0).SetText(status);

    const bool cpp = p == CppPage, header = p == HeaderPage;
    ToolButton3->setEnabled(!header);
    ToolButton4->setEnabled(!header);
    ToolButton5->setEnabled(!header);
    ToolButton6->setEnabled(cpp);
    SpeedButton7->setVisible(cpp);
    CreateLoadTextRC1->setEnabled(cpp);
    CreateRCFile1->setEnabled(cpp);
    ExportForTranslation1->setEnabled(cpp);
    CreateRCFromTranslations1->setEnabled(cpp);
    CreateFormOnLoad1->setEnabled(!header);
    updateUndoActions();
}

void TForm1::Timer1Timer()
{
    PageStatus();
    const int p = activePage();
    EditorModel &m = pageModel(p);
    Tracked[p] = m.selectionRowCol();
    const RowCol t = Tracked[p];
    if (UiLang->isGerman())
        VStatus1->Panel(1).SetText(Msg(17) + QString::number(t.col) + Msg(18) + QString::number(t.row));
    else
        VStatus1->Panel(1).SetText(Msg(17) + QString::number(t.row) + Msg(18) + QString::number(t.col));
    VStatus1->Panel(2).SetText(Msg(19) + QString::number(LastEdit[p].row) + QStringLiteral(", ") +
                               QString::number(LastEdit[p].col));
}

void TForm1::PageControl1Changing(int leaving)
{
    syncList();
    ListSlot[leaving] = EditorModel::of(Memo1).text();
}

void TForm1::PageControl1Change()
{
    m_currentPage = activePage();
    PageStatus();
    pageEditor(m_currentPage)->setFocus();
    EditorModel::of(Memo1).setText(ListSlot[m_currentPage]);
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::About1Click()
{
    Dialogs::instance().showModal(Form2);
}

void TForm1::English1Click()
{
    UiLang->setLanguage(Language::English);
    QtTexts->setLanguage(Language::English);
    FormCreate();
    UiLang->announce();
    English1->setChecked(true);
    German1->setChecked(false);
}

void TForm1::German1Click()
{
    UiLang->setLanguage(Language::German);
    QtTexts->setLanguage(Language::German);
    FormCreate();
    UiLang->announce();
    German1->setChecked(true);
    English1->setChecked(false);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The close box belongs to the busy state: a running scan stops first,
    // and the close query runs once the busy state is left.
    if (Busy) {
        StopRequest = true;
        closePending = true;
        event->ignore();
        return;
    }
    bool canClose = false;
    runGuarded(this, [&] { FormCloseQuery(canClose); });
    if (canClose)
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------------------
// Options

void TForm1::StoreOptions()
{
    VReg1->PushCheckBox(QStringLiteral("CB1"), CheckBox1);
    VReg1->PushCheckBox(QStringLiteral("CB2"), CheckBox2);
    VReg1->Push(QStringLiteral("CB4"), TVReg::checkCode(OnExtractFindNext2->isChecked()));
    VReg1->Push(QStringLiteral("CB3"), TVReg::checkCode(PromtEqualStrings2->isChecked()));
    bool global = UseglobalStrings2->isChecked(), form = UseFormStrings2->isChecked(),
         function = UseFunction2->isChecked();
    VReg1->PushBool(QStringLiteral("RB1"), global, form, function);
    VReg1->Push(QStringLiteral("LiteralsPanel"), TVReg::checkCode(!literalsPanel->isHidden()));
    storeLayout();
}

void TForm1::RestoreOptions()
{
    // A value that cannot be read (not text) leaves only its own option at
    // its default.
    const auto checkBox = [this](const char *key) {
        try {
            return VReg1->PopCheckBox(QLatin1String(key), true);
        } catch (const Exception &) {
            return true;
        }
    };
    CheckBox1->setChecked(checkBox("CB1"));
    CheckBox2->setChecked(checkBox("CB2"));
    PromtEqualStrings2->setChecked(checkBox("CB3"));
    OnExtractFindNext2->setChecked(checkBox("CB4"));
    bool global = false, form = false, function = false;
    try {
        VReg1->PopBool(QStringLiteral("RB1"), global, form, function, 1);
    } catch (const Exception &) {
        global = true;
    }
    UseglobalStrings2->setChecked(global);
    UseFormStrings2->setChecked(form);
    UseFunction2->setChecked(function);
    bool panel = false;
    try {
        panel = VReg1->PopCheckBox(QStringLiteral("LiteralsPanel"), false);
    } catch (const Exception &) {
    }
    restoreLayout();
    literalsPanel->setVisible(panel);
    CheckBox1Click();
    CheckBox2Click();
}

void TForm1::PromtEqualStrings1Click()
{
    PromtEqualStrings2->setChecked(!PromtEqualStrings2->isChecked());
}

void TForm1::OnExtractFindNext1Click()
{
    OnExtractFindNext2->setChecked(!OnExtractFindNext2->isChecked());
}

void TForm1::setModeChecked(QAction *chosen)
{
    for (QAction *a : {UseglobalStrings2, UseFormStrings2, UseFunction2})
        a->setChecked(a == chosen);
}

void TForm1::UseglobalStrings1Click() { setModeChecked(UseglobalStrings2); }
void TForm1::UseFormStrings1Click() { setModeChecked(UseFormStrings2); }
void TForm1::UseFunction1Click() { setModeChecked(UseFunction2); }

// ---------------------------------------------------------------------------
// Editor events

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CoolBar1 && event->type() == QEvent::Resize)
        fitToolBar();
    for (int p = 0; p < 3; ++p) {
        QPlainTextEdit *m = pageEditor(p);
        if (watched == m && event->type() == QEvent::KeyPress && !m_typing) {
            // Only keys that produce a character count as typing (control
            // characters such as Backspace and Return included, Delete not).
            // The editor takes the key first: its edit is the step that undo
            // goes back from, and the mark after it keeps the saved state.
            // Undo and redo are no typing: the document tells whether they
            // reached the saved state.
            const auto *key = static_cast<QKeyEvent *>(event);
            if (!key->text().isEmpty() && key->key() != Qt::Key_Delete && !key->matches(QKeySequence::Undo) &&
                !key->matches(QKeySequence::Redo)) {
                const QScopedValueRollback guard(m_typing, true);
                QCoreApplication::sendEvent(watched, event);
                keyPressed(p);
                return true;
            }
        } else if (watched == m->viewport() && event->type() == QEvent::MouseButtonRelease && !m_releasing) {
            // The editor settles its selection on the release (a click inside
            // a selection clears it): let it handle the event first, then
            // copy what it holds.
            const QScopedValueRollback guard(m_releasing, true);
            QCoreApplication::sendEvent(watched, event);
            mouseReleased(p);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::keyPressed(int page)
{
    switch (page) {
    case CppPage: Memo2KeyPress(); break;
    case HeaderPage: Memo3KeyPress(); break;
    default: Memo4KeyPress(); break;
    }
}

void TForm1::mouseReleased(int page)
{
    switch (page) {
    case CppPage: Memo2MouseUp(); break;
    case HeaderPage: Memo3MouseUp(); break;
    default: Memo4MouseUp(); break;
    }
}
