#include "app/AppIdentity.h"
#include "tests/support/FormFixture.h"
#include "app/LiteralsPanel.h"
#include "uitext/UiLanguage.h"
#include "components/Vstatus/Vstatus.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableView>
#include <QToolBar>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>

using MainWindowTest = FormFixture;

namespace {
QString captionOf(MainWindow &form, const CaptionEntry &c)
{
    const QString name = QLatin1String(c.objectName);
    if (name == u"TForm1")
        return form.windowTitle();
    QObject *o = form.findChild<QObject *>(name);
    if (auto *a = qobject_cast<QAction *>(o))
        return a->text();
    if (auto *m = qobject_cast<QMenu *>(o))
        return m->title();
    if (auto *b = qobject_cast<QAbstractButton *>(o))
        return b->text();
    if (auto *l = qobject_cast<QLabel *>(o))
        return l->text();
    if (auto *w = qobject_cast<QWidget *>(o))
        return MainWindowDriver(form).pages()->tabText(MainWindowDriver(form).pages()->indexOf(w));
    return QStringLiteral("<missing %1>").arg(name);
}
} // namespace

TEST_F(MainWindowTest, EveryCaptionFollowsTheLanguageAndComesBack)
{
    ASSERT_EQ(captionTable().size(), 43u);
    // At start the Change button shows the Toggle Found state instead.
    for (const CaptionEntry &c : captionTable()) {
        if (QLatin1String(c.objectName) != u"ToolButton3") {
            EXPECT_EQ(captionOf(*form, c), c.text(Language::English)) << c.objectName;
        }
    }
    form->run(Command::German);
    for (const CaptionEntry &c : captionTable())
        EXPECT_EQ(captionOf(*form, c), c.text(Language::German)) << c.objectName;
    EXPECT_TRUE(ui.action("German1")->isChecked());
    EXPECT_FALSE(ui.action("English1")->isChecked());
    form->run(Command::English);
    for (const CaptionEntry &c : captionTable()) {
        if (QLatin1String(c.objectName) != u"ToolButton3") {
            EXPECT_EQ(captionOf(*form, c), c.text(Language::English)) << c.objectName;
        }
    }
    EXPECT_TRUE(ui.action("English1")->isChecked());
    EXPECT_FALSE(ui.action("German1")->isChecked());
}

// The Change button names what it does with Toggle Found on or off, after
// any sequence of switches.
TEST_F(MainWindowTest, TheChangeButtonCaptionFollowsToggleFoundThroughLanguageSwitches)
{
    const QString toggle[] = {QStringLiteral("Toggle"), QStringLiteral("Tauschen")};
    const QString change[] = {QStringLiteral("Change"), QStringLiteral("Ändern")};
    for (const bool found : {true, false}) {
        if (ui.checkBox("CheckBox2")->isChecked() != found)
            ui.checkBox("CheckBox2")->click();
        for (QAction *language : {ui.action("German1"), ui.action("English1"), ui.action("English1"), ui.action("German1"), ui.action("German1"),
                                  ui.action("English1")}) {
            language->trigger();
            const int de = ui.language()->isGerman() ? 1 : 0;
            EXPECT_EQ(ui.button("ToolButton3")->text(), found ? toggle[de] : change[de]) << language->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, SwitchIsAnnouncedAfterTheCaptionsAreSet)
{
    QString titleSeen;
    QObject::connect(ui.language(), &UiLanguage::switched, [&] { titleSeen = form->windowTitle(); });
    form->run(Command::German);
    EXPECT_EQ(titleSeen, QStringLiteral("Varnosel Tessaro für C++ Builder"));
}

TEST_F(MainWindowTest, FirstRunRestoresTheDefaultOptions)
{
    EXPECT_TRUE(ui.checkBox("CheckBox1")->isChecked());
    EXPECT_TRUE(ui.checkBox("CheckBox2")->isChecked());
    EXPECT_TRUE(ui.action("PromtEqualStrings2")->isChecked());
    EXPECT_TRUE(ui.action("OnExtractFindNext2")->isChecked());
    EXPECT_TRUE(ui.action("UseglobalStrings2")->isChecked());
    EXPECT_FALSE(ui.action("UseFormStrings2")->isChecked());
    EXPECT_FALSE(ui.action("UseFunction2")->isChecked());
    // The restore applies protection and the Change/Toggle caption.
    EXPECT_TRUE(ui.editor(MainWindow::CppPage)->isReadOnly());
    EXPECT_TRUE(ui.editor(MainWindow::DfmPage)->isReadOnly());
    EXPECT_EQ(ui.button("ToolButton3")->text(), QStringLiteral("Toggle"));
}

TEST_F(MainWindowTest, OptionsSurviveARestart)
{
    ui.checkBox("CheckBox1")->setChecked(false);
    ui.action("OnExtractFindNext2")->trigger(); // flips to unchecked
    EXPECT_FALSE(ui.action("OnExtractFindNext2")->isChecked());
    ui.action("UseFunction2")->trigger();
    EXPECT_TRUE(ui.action("UseFunction2")->isChecked());
    EXPECT_FALSE(ui.action("UseglobalStrings2")->isChecked());
    ASSERT_TRUE(form->close());

    form = std::make_unique<MainWindow>();
    form->show();
    QApplication::processEvents();
    EXPECT_FALSE(ui.checkBox("CheckBox1")->isChecked());
    EXPECT_FALSE(ui.editor(MainWindow::HeaderPage)->isReadOnly());
    EXPECT_TRUE(ui.checkBox("CheckBox2")->isChecked());
    EXPECT_FALSE(ui.action("OnExtractFindNext2")->isChecked());
    EXPECT_TRUE(ui.action("PromtEqualStrings2")->isChecked());
    EXPECT_TRUE(ui.action("UseFunction2")->isChecked());
    EXPECT_FALSE(ui.action("UseglobalStrings2")->isChecked());
    EXPECT_FALSE(ui.action("UseFormStrings2")->isChecked());
}

TEST_F(MainWindowTest, StringModesExcludeEachOther)
{
    form->run(Command::FormStrings);
    EXPECT_EQ(ui.stringMode(), StringMode::Form);
    ui.action("UseFunction2")->trigger();
    EXPECT_EQ(ui.stringMode(), StringMode::Function);
    EXPECT_FALSE(ui.action("UseFormStrings2")->isChecked());
    ui.action("UseglobalStrings2")->trigger();
    EXPECT_EQ(ui.stringMode(), StringMode::Global);
    EXPECT_FALSE(ui.action("UseFunction2")->isChecked());
    // Clicking the checked mode again keeps it checked.
    ui.action("UseglobalStrings2")->trigger();
    EXPECT_TRUE(ui.action("UseglobalStrings2")->isChecked());
    // With nothing checked the tool works as with global strings.
    ui.action("UseglobalStrings2")->setChecked(false);
    EXPECT_EQ(ui.stringMode(), StringMode::Global);
}

TEST_F(MainWindowTest, OptionItemsFlipTheirMark)
{
    const bool before = ui.action("PromtEqualStrings2")->isChecked();
    ui.action("PromtEqualStrings2")->trigger();
    EXPECT_NE(ui.action("PromtEqualStrings2")->isChecked(), before);
    form->run(Command::PromptEqualStrings);
    EXPECT_EQ(ui.action("PromtEqualStrings2")->isChecked(), before);
}

TEST_F(MainWindowTest, BeforeAnyUnitPanelZeroIsEmptyAndOnlyStopIsDisabled)
{
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(0).Text(), QString());
    for (QToolButton *b : {ui.button("ToolButton1"), ui.button("ToolButton12"), ui.button("ToolButton2"), ui.button("ToolButton13"),
                           ui.button("ToolButton3"), ui.button("ToolButton6"), ui.button("ToolButton5"), ui.button("ToolButton4"),
                           ui.button("ToolButton7")})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(ui.button("ToolButton8")->isEnabled());
    EXPECT_TRUE(ui.button("SpeedButton7")->isVisible());
}

TEST_F(MainWindowTest, AvailabilityFollowsThePage)
{
    ui.setBaseName(QStringLiteral("Unit1"));
    struct Row
    {
        int page;
        bool change, findNext, extract, extractC, number, loadRc, rcFile, notRc;
    };
    const Row rows[] = {
        {MainWindow::CppPage, true, true, true, true, true, true, true, true},
        {MainWindow::HeaderPage, false, false, false, false, false, false, false, false},
        {MainWindow::DfmPage, true, true, true, false, false, false, false, true},
    };
    for (const Row &r : rows) {
        showPage(r.page);
        tick();
        SCOPED_TRACE(r.page);
        EXPECT_EQ(ui.button("ToolButton3")->isEnabled(), r.change);
        EXPECT_EQ(ui.button("ToolButton4")->isEnabled(), r.findNext);
        EXPECT_EQ(ui.button("ToolButton5")->isEnabled(), r.extract);
        EXPECT_EQ(ui.button("ToolButton6")->isEnabled(), r.extractC);
        EXPECT_EQ(ui.button("SpeedButton7")->isVisible(), r.number);
        EXPECT_EQ(ui.action("CreateLoadTextRC1")->isEnabled(), r.loadRc);
        EXPECT_EQ(ui.action("CreateRCFile1")->isEnabled(), r.rcFile);
        EXPECT_EQ(ui.action("CreateFormOnLoad1")->isEnabled(), r.notRc);
        // The Edit menu stays available on every page.
        for (QAction *a : {ui.action("FindNext1"), ui.action("ChangeToggle1"), ui.action("Extract1"), ui.action("ExtractC1"), ui.action("FindText1")})
            EXPECT_TRUE(a->isEnabled());
    }
}

TEST_F(MainWindowTest, PanelZeroShowsFileAndModifiedMark)
{
    ui.setBaseName(QStringLiteral("Unit1"));
    ui.setSaved(MainWindow::CppPage, false);
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(0).Text(), QStringLiteral("Unit1.cpp (Modified)"));
    form->run(Command::German);
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(0).Text(), QStringLiteral("Unit1.cpp (Geändern)"));
    showPage(MainWindow::DfmPage);
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(0).Text(), QStringLiteral("Unit1.dfm"));
}

TEST_F(MainWindowTest, EachPageKeepsItsOwnExtractionList)
{
    EditorModel &list = EditorModel::of(ui.list());
    list.setText(QStringLiteral("String1 = \"a\"\r\nString2 = \"b\""));
    showPage(MainWindow::DfmPage);
    EXPECT_EQ(list.text(), QString());
    list.setText(QStringLiteral("Form1->Caption = \"x\";"));
    showPage(MainWindow::HeaderPage);
    EXPECT_EQ(list.text(), QString()); // an empty list comes back empty
    showPage(MainWindow::CppPage);
    EXPECT_EQ(list.text(), QStringLiteral("String1 = \"a\"\r\nString2 = \"b\""));
    showPage(MainWindow::DfmPage);
    EXPECT_EQ(list.text(), QStringLiteral("Form1->Caption = \"x\";"));
}

TEST_F(MainWindowTest, CtrlTRunsChangeToggleNeverExtract)
{
    QSignalSpy change(ui.action("ChangeToggle1"), &QAction::triggered);
    QSignalSpy extract(ui.action("Extract1"), &QAction::triggered);
    form->activateWindow();
    ui.editor(MainWindow::CppPage)->setFocus();
    QTest::keyClick(ui.editor(MainWindow::CppPage), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(extract.count(), 0);
    // The menu still shows the key for Extract.
    EXPECT_EQ(ui.action("Extract1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
}

TEST_F(MainWindowTest, LayoutAndMinimumSize)
{
    EXPECT_EQ(form->minimumSize(), QSize(711, 423));
    form->resize(300, 200);
    EXPECT_GE(form->width(), 711);
    EXPECT_GE(form->height(), 423);
    EXPECT_EQ(ui.pages()->currentIndex(), MainWindow::CppPage);
    EXPECT_EQ(ui.statusBar()->PanelCount(), 4);
    EXPECT_EQ(ui.statusBar()->Panel(0).Width(), 200);
    EXPECT_EQ(ui.statusBar()->Panel(3).Width(), 50);
    EXPECT_EQ(ui.action("Open1")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(ui.action("SaveAll1")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(ui.action("FindNext1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(ui.action("ExtractC1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(ui.action("FindText1")->shortcut(), QKeySequence(Qt::Key_F8));
    EXPECT_EQ(ui.action("FindText1")->text(), QStringLiteral("Find Text"));
}

TEST_F(MainWindowTest, AboutBoxIsShownModallyAndExitClosesTheWindow)
{
    dialogs->answerModal([](QDialog *d) { EXPECT_EQ(d->objectName(), QStringLiteral("Form2")); });
    ui.action("About1")->trigger();
    EXPECT_EQ(dialogs->asked().size(), 1u);
    ui.button("ToolButton7")->click();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, MenusHoldTheirItemsAndSeparatorsInOrder)
{
    // "-" stands for a separator.
    const auto layout = [](QMenu *m) {
        QStringList names;
        for (QAction *a : m->actions())
            names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        return names.join(u' ');
    };
    EXPECT_EQ(layout(ui.menu("Datei1")), QStringLiteral("Open1 RecentUnits1 Saveas1 - SaveAll1 - SaveCPP1 HSpeichern1 SaveDFM1 - "
                                                   "CreateFormOnLoad1 CreateLoadTextRC1 CreateRCFile1 "
                                                   "ExportForTranslation1 CreateRCFromTranslations1 OpenExtractionList1 - Exit1"));
    EXPECT_EQ(layout(ui.menu("Berabeiten1")),
              QStringLiteral("FindNext1 - ChangeToggle1 - Extract1 ExtractC1 ExtractChecked1 - FindText1 - Undo1 Redo1"));
    EXPECT_EQ(layout(ui.menu("Options1")), QStringLiteral("PromtEqualStrings2 OnExtractFindNext2 - UseglobalStrings2 "
                                                     "UseFormStrings2 UseFunction2 - English1 German1 - CodePage1 - "
                                                     "LiteralsPanel1 FocusFilter1"));
}

TEST(ApplicationIdentity, SetsNoDisplayNameThatTitlesWouldCarry)
{
    const QString before = QCoreApplication::applicationName();
    setApplicationIdentity();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Varnosel Tessaro Tool"));
    // Without a display name of its own the toolkit falls back to the name.
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
    QCoreApplication::setApplicationName(before);
}

// Tool tips name the command and its key, in the UI language; the panel's
// cells show their whole text where the column cuts it off.
TEST_F(MainWindowTest, ToolTipsNameTheCommandAndItsKeyInBothLanguages)
{
    EXPECT_EQ(ui.button("ToolButton4")->toolTip().section(u'\n', 0, 0), QStringLiteral("Find Next (Ctrl+N)"));
    EXPECT_EQ(ui.button("ToolButton1")->toolTip().section(u'\n', 0, 0), QStringLiteral("Open (F3)"));
    EXPECT_EQ(ui.button("ToolButton5")->toolTip().section(u'\n', 0, 0), QStringLiteral("Extract (Ctrl+Shift+E)"));
    EXPECT_EQ(ui.button("ToolButton3")->toolTip().section(u'\n', 0, 0), QStringLiteral("Toggle (Ctrl+T)"));
    ui.checkBox("CheckBox2")->click();
    EXPECT_EQ(ui.button("ToolButton3")->toolTip().section(u'\n', 0, 0), QStringLiteral("Change (Ctrl+T)"));
    const QString englishImage = ui.control<QLabel>("Image1")->toolTip();
    ui.action("German1")->trigger();
    EXPECT_EQ(ui.button("ToolButton4")->toolTip().section(u'\n', 0, 0), QStringLiteral("Nächster (Strg+N)"));
    EXPECT_EQ(ui.button("ToolButton3")->toolTip().section(u'\n', 0, 0), QStringLiteral("Ändern (Strg+T)"));
    for (QToolButton *b : {ui.button("ToolButton12"), ui.button("ToolButton8"), ui.button("ToolButton7")})
        EXPECT_FALSE(b->toolTip().section(u'\n', 1).isEmpty()) << b->objectName().toStdString();
    EXPECT_NE(ui.control<QLabel>("Image1")->toolTip(), englishImage);
    EXPECT_FALSE(ui.control<QLabel>("Image2")->toolTip().isEmpty());
}

// Every toolbar command stays on the toolbar: none behind the extension.
static void expectWholeToolBar(MainWindow &form)
{
    const MainWindowDriver ui(form);
    for (QToolButton *b : ui.control<QToolBar>("ToolBar1")->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
        if (b->objectName().startsWith(u"qt_"))
            continue; // the extension button
        EXPECT_TRUE(b->isVisible() && ui.control<QToolBar>("ToolBar1")->rect().contains(b->geometry()))
            << b->objectName().toStdString() << " outside the toolbar";
    }
}

TEST_F(MainWindowTest, TheLayoutIsRememberedAndTheToolBarNeverHidesACommand)
{
    EXPECT_EQ(form->size(), QSize(711, 558));
    expectWholeToolBar(*form);
    ui.action("LiteralsPanel1")->trigger();
    QApplication::processEvents();
    EXPECT_GT(form->width(), 711) << "the window grows for the panel";
    EXPECT_GE(ui.pages()->width(), 300);
    expectWholeToolBar(*form);
    // A narrow window with a wide panel: icons only, every one of them there.
    form->resize(711, 558);
    form->resizeDocks({ui.panel()}, {600}, Qt::Horizontal);
    QApplication::processEvents();
    expectWholeToolBar(*form);

    form->resize(790, 580); // within the screen: a larger size would come back shrunk to it
    form->resizeDocks({ui.panel()}, {420}, Qt::Horizontal);
    QHeaderView *columns = ui.panel()->table()->horizontalHeader();
    columns->resizeSection(LiteralsModel::TextColumn, 250);
    QApplication::processEvents();
    const int panelWidth = ui.panel()->width();
    ASSERT_TRUE(form->close());

    form = std::make_unique<MainWindow>();
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(form->size(), QSize(790, 580));
    EXPECT_TRUE(ui.panel()->isVisible());
    EXPECT_EQ(ui.panel()->width(), panelWidth);
    EXPECT_EQ(ui.panel()->table()->horizontalHeader()->sectionSize(LiteralsModel::TextColumn), 250);
    expectWholeToolBar(*form);
}
