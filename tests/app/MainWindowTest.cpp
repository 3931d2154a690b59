#include "AppIdentity.h"
#include "FormFixture.h"
#include "LiteralsPanel.h"
#include "UiLanguage.h"
#include "Vstatus.h"

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

using MainWindow = FormFixture;

namespace {
QString captionOf(TForm1 &form, const CaptionEntry &c)
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
        return form.PageControl1->tabText(form.PageControl1->indexOf(w));
    return QStringLiteral("<missing %1>").arg(name);
}
} // namespace

TEST_F(MainWindow, EveryCaptionFollowsTheLanguageAndComesBack)
{
    ASSERT_EQ(captionTable().size(), 43u);
    // At start the Change button shows the Toggle Found state instead.
    for (const CaptionEntry &c : captionTable()) {
        if (QLatin1String(c.objectName) != u"ToolButton3") {
            EXPECT_EQ(captionOf(*form, c), c.text(Language::English)) << c.objectName;
        }
    }
    form->German1Click();
    for (const CaptionEntry &c : captionTable())
        EXPECT_EQ(captionOf(*form, c), c.text(Language::German)) << c.objectName;
    EXPECT_TRUE(form->German1->isChecked());
    EXPECT_FALSE(form->English1->isChecked());
    form->English1Click();
    for (const CaptionEntry &c : captionTable()) {
        if (QLatin1String(c.objectName) != u"ToolButton3") {
            EXPECT_EQ(captionOf(*form, c), c.text(Language::English)) << c.objectName;
        }
    }
    EXPECT_TRUE(form->English1->isChecked());
    EXPECT_FALSE(form->German1->isChecked());
}

// The Change button names what it does with Toggle Found on or off, after
// any sequence of switches.
TEST_F(MainWindow, TheChangeButtonCaptionFollowsToggleFoundThroughLanguageSwitches)
{
    const QString toggle[] = {QStringLiteral("Toggle"), QStringLiteral("Tauschen")};
    const QString change[] = {QStringLiteral("Change"), QStringLiteral("Ändern")};
    for (const bool found : {true, false}) {
        if (form->CheckBox2->isChecked() != found)
            form->CheckBox2->click();
        for (QAction *language : {form->German1, form->English1, form->English1, form->German1, form->German1,
                                  form->English1}) {
            language->trigger();
            const int de = form->UiLang->isGerman() ? 1 : 0;
            EXPECT_EQ(form->ToolButton3->text(), found ? toggle[de] : change[de]) << language->objectName().toStdString();
        }
    }
}

TEST_F(MainWindow, SwitchIsAnnouncedAfterTheCaptionsAreSet)
{
    QString titleSeen;
    QObject::connect(form->UiLang, &UiLanguage::switched, [&] { titleSeen = form->windowTitle(); });
    form->German1Click();
    EXPECT_EQ(titleSeen, QStringLiteral("Varnosel Tessaro für C++ Builder"));
}

TEST_F(MainWindow, FirstRunRestoresTheDefaultOptions)
{
    EXPECT_TRUE(form->CheckBox1->isChecked());
    EXPECT_TRUE(form->CheckBox2->isChecked());
    EXPECT_TRUE(form->PromtEqualStrings2->isChecked());
    EXPECT_TRUE(form->OnExtractFindNext2->isChecked());
    EXPECT_TRUE(form->UseglobalStrings2->isChecked());
    EXPECT_FALSE(form->UseFormStrings2->isChecked());
    EXPECT_FALSE(form->UseFunction2->isChecked());
    // The restore applies protection and the Change/Toggle caption.
    EXPECT_TRUE(form->Memo2->isReadOnly());
    EXPECT_TRUE(form->Memo4->isReadOnly());
    EXPECT_EQ(form->ToolButton3->text(), QStringLiteral("Toggle"));
}

TEST_F(MainWindow, OptionsSurviveARestart)
{
    form->CheckBox1->setChecked(false);
    form->OnExtractFindNext2->trigger(); // flips to unchecked
    EXPECT_FALSE(form->OnExtractFindNext2->isChecked());
    form->UseFunction2->trigger();
    EXPECT_TRUE(form->UseFunction2->isChecked());
    EXPECT_FALSE(form->UseglobalStrings2->isChecked());
    ASSERT_TRUE(form->close());

    form = std::make_unique<TForm1>();
    form->show();
    QApplication::processEvents();
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_FALSE(form->Memo3->isReadOnly());
    EXPECT_TRUE(form->CheckBox2->isChecked());
    EXPECT_FALSE(form->OnExtractFindNext2->isChecked());
    EXPECT_TRUE(form->PromtEqualStrings2->isChecked());
    EXPECT_TRUE(form->UseFunction2->isChecked());
    EXPECT_FALSE(form->UseglobalStrings2->isChecked());
    EXPECT_FALSE(form->UseFormStrings2->isChecked());
}

TEST_F(MainWindow, StringModesExcludeEachOther)
{
    form->UseFormStrings1Click();
    EXPECT_EQ(form->stringMode(), StringMode::Form);
    form->UseFunction2->trigger();
    EXPECT_EQ(form->stringMode(), StringMode::Function);
    EXPECT_FALSE(form->UseFormStrings2->isChecked());
    form->UseglobalStrings2->trigger();
    EXPECT_EQ(form->stringMode(), StringMode::Global);
    EXPECT_FALSE(form->UseFunction2->isChecked());
    // Clicking the checked mode again keeps it checked.
    form->UseglobalStrings2->trigger();
    EXPECT_TRUE(form->UseglobalStrings2->isChecked());
    // With nothing checked the tool works as with global strings.
    form->UseglobalStrings2->setChecked(false);
    EXPECT_EQ(form->stringMode(), StringMode::Global);
}

TEST_F(MainWindow, OptionItemsFlipTheirMark)
{
    const bool before = form->PromtEqualStrings2->isChecked();
    form->PromtEqualStrings2->trigger();
    EXPECT_NE(form->PromtEqualStrings2->isChecked(), before);
    form->PromtEqualStrings1Click();
    EXPECT_EQ(form->PromtEqualStrings2->isChecked(), before);
}

TEST_F(MainWindow, BeforeAnyUnitPanelZeroIsEmptyAndOnlyStopIsDisabled)
{
    tick();
    EXPECT_EQ(form->VStatus1->Panel(0).Text(), QString());
    for (QToolButton *b : {form->ToolButton1, form->ToolButton12, form->ToolButton2, form->ToolButton13,
                           form->ToolButton3, form->ToolButton6, form->ToolButton5, form->ToolButton4,
                           form->ToolButton7})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(form->ToolButton8->isEnabled());
    EXPECT_TRUE(form->SpeedButton7->isVisible());
}

TEST_F(MainWindow, AvailabilityFollowsThePage)
{
    form->BaseName = QStringLiteral("Unit1");
    struct Row
    {
        int page;
        bool change, findNext, extract, extractC, number, loadRc, rcFile, notRc;
    };
    const Row rows[] = {
        {TForm1::CppPage, true, true, true, true, true, true, true, true},
        {TForm1::HeaderPage, false, false, false, false, false, false, false, false},
        {TForm1::DfmPage, true, true, true, false, false, false, false, true},
    };
    for (const Row &r : rows) {
        showPage(r.page);
        tick();
        SCOPED_TRACE(r.page);
        EXPECT_EQ(form->ToolButton3->isEnabled(), r.change);
        EXPECT_EQ(form->ToolButton4->isEnabled(), r.findNext);
        EXPECT_EQ(form->ToolButton5->isEnabled(), r.extract);
        EXPECT_EQ(form->ToolButton6->isEnabled(), r.extractC);
        EXPECT_EQ(form->SpeedButton7->isVisible(), r.number);
        EXPECT_EQ(form->CreateLoadTextRC1->isEnabled(), r.loadRc);
        EXPECT_EQ(form->CreateRCFile1->isEnabled(), r.rcFile);
        EXPECT_EQ(form->CreateFormOnLoad1->isEnabled(), r.notRc);
        // The Edit menu stays available on every page.
        for (QAction *a : {form->FindNext1, form->ChangeToggle1, form->Extract1, form->ExtractC1, form->FindText1})
            EXPECT_TRUE(a->isEnabled());
    }
}

TEST_F(MainWindow, PanelZeroShowsFileAndModifiedMark)
{
    form->BaseName = QStringLiteral("Unit1");
    form->Saved[TForm1::CppPage] = false;
    tick();
    EXPECT_EQ(form->VStatus1->Panel(0).Text(), QStringLiteral("Unit1.cpp (Modified)"));
    form->German1Click();
    tick();
    EXPECT_EQ(form->VStatus1->Panel(0).Text(), QStringLiteral("Unit1.cpp (Geändern)"));
    showPage(TForm1::DfmPage);
    tick();
    EXPECT_EQ(form->VStatus1->Panel(0).Text(), QStringLiteral("Unit1.dfm"));
}

TEST_F(MainWindow, EachPageKeepsItsOwnExtractionList)
{
    EditorModel &list = EditorModel::of(form->Memo1);
    list.setText(QStringLiteral("String1 = \"a\"\r\nString2 = \"b\""));
    showPage(TForm1::DfmPage);
    EXPECT_EQ(list.text(), QString());
    list.setText(QStringLiteral("Form1->Caption = \"x\";"));
    showPage(TForm1::HeaderPage);
    EXPECT_EQ(list.text(), QString()); // an empty list comes back empty
    showPage(TForm1::CppPage);
    EXPECT_EQ(list.text(), QStringLiteral("String1 = \"a\"\r\nString2 = \"b\""));
    showPage(TForm1::DfmPage);
    EXPECT_EQ(list.text(), QStringLiteral("Form1->Caption = \"x\";"));
}

TEST_F(MainWindow, CtrlTRunsChangeToggleNeverExtract)
{
    QSignalSpy change(form->ChangeToggle1, &QAction::triggered);
    QSignalSpy extract(form->Extract1, &QAction::triggered);
    form->activateWindow();
    form->Memo2->setFocus();
    QTest::keyClick(form->Memo2, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(extract.count(), 0);
    // The menu still shows the key for Extract.
    EXPECT_EQ(form->Extract1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
}

TEST_F(MainWindow, LayoutAndMinimumSize)
{
    EXPECT_EQ(form->minimumSize(), QSize(711, 423));
    form->resize(300, 200);
    EXPECT_GE(form->width(), 711);
    EXPECT_GE(form->height(), 423);
    EXPECT_EQ(form->PageControl1->currentIndex(), TForm1::CppPage);
    EXPECT_EQ(form->VStatus1->PanelCount(), 4);
    EXPECT_EQ(form->VStatus1->Panel(0).Width(), 200);
    EXPECT_EQ(form->VStatus1->Panel(3).Width(), 50);
    EXPECT_EQ(form->Open1->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(form->SaveAll1->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(form->FindNext1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(form->ExtractC1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(form->FindText1->shortcut(), QKeySequence(Qt::Key_F8));
    EXPECT_EQ(form->FindText1->text(), QStringLiteral("Find Text"));
}

TEST_F(MainWindow, AboutBoxIsShownModallyAndExitClosesTheWindow)
{
    dialogs->answerModal([](QDialog *d) { EXPECT_EQ(d->objectName(), QStringLiteral("Form2")); });
    form->About1->trigger();
    EXPECT_EQ(dialogs->asked().size(), 1u);
    form->ToolButton7->click();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindow, MenusHoldTheirItemsAndSeparatorsInOrder)
{
    // "-" stands for a separator.
    const auto layout = [](QMenu *m) {
        QStringList names;
        for (QAction *a : m->actions())
            names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        return names.join(u' ');
    };
    EXPECT_EQ(layout(form->Datei1), QStringLiteral("Open1 RecentUnits1 Saveas1 - SaveAll1 - SaveCPP1 HSpeichern1 SaveDFM1 - "
                                                   "CreateFormOnLoad1 CreateLoadTextRC1 CreateRCFile1 "
                                                   "ExportForTranslation1 CreateRCFromTranslations1 OpenExtractionList1 - Exit1"));
    EXPECT_EQ(layout(form->Berabeiten1),
              QStringLiteral("FindNext1 - ChangeToggle1 - Extract1 ExtractC1 ExtractChecked1 - FindText1 - Undo1 Redo1"));
    EXPECT_EQ(layout(form->Options1), QStringLiteral("PromtEqualStrings2 OnExtractFindNext2 - UseglobalStrings2 "
                                                     "UseFormStrings2 UseFunction2 - English1 German1 - "
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
TEST_F(MainWindow, ToolTipsNameTheCommandAndItsKeyInBothLanguages)
{
    EXPECT_EQ(form->ToolButton4->toolTip().section(u'\n', 0, 0), QStringLiteral("Find Next (Ctrl+N)"));
    EXPECT_EQ(form->ToolButton1->toolTip().section(u'\n', 0, 0), QStringLiteral("Open (F3)"));
    EXPECT_EQ(form->ToolButton5->toolTip().section(u'\n', 0, 0), QStringLiteral("Extract"));
    EXPECT_EQ(form->ToolButton3->toolTip().section(u'\n', 0, 0), QStringLiteral("Toggle (Ctrl+T)"));
    form->CheckBox2->click();
    EXPECT_EQ(form->ToolButton3->toolTip().section(u'\n', 0, 0), QStringLiteral("Change (Ctrl+T)"));
    const QString englishImage = form->Image1->toolTip();
    form->German1->trigger();
    EXPECT_EQ(form->ToolButton4->toolTip().section(u'\n', 0, 0), QStringLiteral("Nächster (Strg+N)"));
    EXPECT_EQ(form->ToolButton3->toolTip().section(u'\n', 0, 0), QStringLiteral("Ändern (Strg+T)"));
    for (QToolButton *b : {form->ToolButton12, form->ToolButton8, form->ToolButton7})
        EXPECT_FALSE(b->toolTip().section(u'\n', 1).isEmpty()) << b->objectName().toStdString();
    EXPECT_NE(form->Image1->toolTip(), englishImage);
    EXPECT_FALSE(form->Image2->toolTip().isEmpty());
}

// Every toolbar command stays on the toolbar: none behind the extension.
static void expectWholeToolBar(TForm1 &form)
{
    for (QToolButton *b : form.ToolBar1->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
        if (b->objectName().startsWith(u"qt_"))
            continue; // the extension button
        EXPECT_TRUE(b->isVisible() && form.ToolBar1->rect().contains(b->geometry()))
            << b->objectName().toStdString() << " outside the toolbar";
    }
}

TEST_F(MainWindow, TheLayoutIsRememberedAndTheToolBarNeverHidesACommand)
{
    EXPECT_EQ(form->size(), QSize(711, 558));
    expectWholeToolBar(*form);
    form->literalsPanelAction->trigger();
    QApplication::processEvents();
    EXPECT_GT(form->width(), 711) << "the window grows for the panel";
    EXPECT_GE(form->PageControl1->width(), 300);
    expectWholeToolBar(*form);
    // A narrow window with a wide panel: icons only, every one of them there.
    form->resize(711, 558);
    form->resizeDocks({form->literalsPanel}, {600}, Qt::Horizontal);
    QApplication::processEvents();
    expectWholeToolBar(*form);

    form->resize(1000, 700);
    form->resizeDocks({form->literalsPanel}, {420}, Qt::Horizontal);
    QHeaderView *columns = form->literalsPanel->table()->horizontalHeader();
    columns->resizeSection(LiteralsModel::TextColumn, 250);
    QApplication::processEvents();
    const int panelWidth = form->literalsPanel->width();
    ASSERT_TRUE(form->close());

    form = std::make_unique<TForm1>();
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(form->size(), QSize(1000, 700));
    EXPECT_TRUE(form->literalsPanel->isVisible());
    EXPECT_EQ(form->literalsPanel->width(), panelWidth);
    EXPECT_EQ(form->literalsPanel->table()->horizontalHeader()->sectionSize(LiteralsModel::TextColumn), 250);
    expectWholeToolBar(*form);
}
