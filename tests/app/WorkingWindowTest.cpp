// The window as people work in it: keys, placement on the screen, the
// remembered language, hints that can be read, and the small faults of
// undo, Open Extraction List and Extract.
#include "tests/support/FormFixture.h"
#include "app/WindowPlacement.h"
#include "uitext/FileTexts.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

namespace {
const QByteArray kDfm = "object Form1: TForm1\r\n  Caption = 'Form1'\r\nend\r\n";

QRect available(const QWidget &w)
{
    return w.screen()->availableGeometry();
}
} // namespace

using WorkingWindow = FormFixture;

TEST(WindowPlacement, KeepsAFrameInsideItsArea)
{
    const QRect screen(0, 0, 800, 600), right(800, 0, 1024, 768);
    const struct
    {
        QRect frame;
        QRect area;
        QRect expected;
    } cases[] = {
        {{10, 10, 300, 200}, screen, {10, 10, 300, 200}},     // inside: as it is
        {{700, 100, 300, 200}, screen, {500, 100, 300, 200}}, // past the right edge: moved left
        {{-40, -58, 300, 200}, screen, {0, 0, 300, 200}},     // above and left: moved in
        {{50, 50, 1422, 1116}, screen, {0, 0, 800, 600}},     // larger: shrunk to the area
    };
    for (const auto &c : cases)
        EXPECT_EQ(keptInside(c.frame, c.area), c.expected) << c.frame;
    EXPECT_EQ(homeArea({900, 10, 100, 100}, {screen, right}), right);
    EXPECT_EQ(homeArea({5000, 5000, 100, 100}, {screen, right}), screen); // off every screen: the first
}

TEST_F(WorkingWindow, TabLeavesTheFoundTextAndThePanelsTable)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EditorModel::of(ui.found()).setText(QStringLiteral("\"Hello\""));
    ui.found()->setFocus();
    QTest::keyClick(ui.found(), Qt::Key_Tab);
    EXPECT_FALSE(ui.found()->hasFocus());
    ui.found()->setFocus();
    QTest::keyClick(ui.found(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(ui.found()->hasFocus());
    EXPECT_EQ(EditorModel::of(ui.found()).text(), QStringLiteral("\"Hello\""));

    writeUnit(QStringLiteral("Unit1"), "a(\"One\");\r\nb(\"Two\");\r\n", "", kDfm);
    openUnit(QStringLiteral("Unit1.cpp"));
    ui.panel()->show();
    QTableView *table = ui.panel()->table();
    QTRY_COMPARE(table->model()->rowCount(), 2);
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_FALSE(table->hasFocus());
}

TEST_F(WorkingWindow, EveryToolbarButtonNamesAKeyThatWorks)
{
    for (QToolButton *b : ui.control<QWidget>("ToolBar1")->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
        if (b->objectName().startsWith(u"qt_"))
            continue;
        EXPECT_TRUE(b->toolTip().contains(u'(')) << b->objectName().toStdString() << ": " << b->toolTip().toStdString();
    }
    EXPECT_TRUE(ui.button("ToolButton5")->toolTip().contains(QStringLiteral("Ctrl+Shift+E")));
    // Extract's key extracts; the menu item still shows Ctrl+T.
    EXPECT_EQ(ui.action("Extract1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    writeUnit(QStringLiteral("Unit1"), "a(\"One\");\r\nb(\"Two\");\r\n", "", kDfm);
    openUnit(QStringLiteral("Unit1.cpp"));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->run(Command::FindNext);
    ui.editor(MainWindow::CppPage)->setFocus();
    QTest::keyClick(ui.editor(MainWindow::CppPage), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(page(MainWindow::CppPage).line(0), QStringLiteral("a(String1);"));
}

TEST_F(WorkingWindow, StaysOnTheScreen)
{
    const QRect area = available(*form);
    EXPECT_TRUE(area.contains(form->frameGeometry())) << form->frameGeometry();

    // Showing the panel on a wide window: it grows to the screen's edge and
    // moves in from it; the editors give up the rest.
    form->setGeometry(area.left() + 20, area.top() + 20, area.width() - 40, 500);
    ui.action("LiteralsPanel1")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(area.contains(form->frameGeometry())) << form->frameGeometry();
    EXPECT_GE(ui.panel()->width(), 200);

    // A geometry stored on a screen that is gone comes back onto this one.
    form->move(area.right() + 5000, area.bottom() + 5000);
    ui.storeOptions();
    form.reset();
    form = std::make_unique<MainWindow>();
    form->show();
    QApplication::processEvents();
    EXPECT_TRUE(area.contains(form->frameGeometry())) << form->frameGeometry();
}

TEST_F(WorkingWindow, TheLanguageIsRememberedAndFirstFollowsTheSystem)
{
    const auto restart = [this] {
        form.reset();
        form = std::make_unique<MainWindow>();
        form->show();
        QApplication::processEvents();
    };
    EXPECT_EQ(ui.language()->language(), Language::English); // no stored choice, an English system
    form->run(Command::German);
    bool canClose = false;
    ui.queryClose(canClose);
    ASSERT_TRUE(canClose);
    restart();
    EXPECT_EQ(ui.language()->language(), Language::German);
    EXPECT_TRUE(ui.action("German1")->isChecked());
    EXPECT_EQ(ui.settings()->Pop(QStringLiteral("Language")), QStringLiteral("de"));

    // No stored choice: a German system starts in German.
    QFile::remove(SettingsKey::location(QStringLiteral("Varnosel"), QStringLiteral("VTQX")));
    QLocale::setDefault(QLocale(QStringLiteral("de_AT")));
    restart();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(ui.language()->language(), Language::German);
}

TEST_F(WorkingWindow, TheListBesideTheUnitIsAButtonThatOpensIt)
{
    writeUnit(QStringLiteral("Unit1"), "a(\"One\");\r\n", "", kDfm);
    writeFile(QStringLiteral("Unit1.list.txt"), "String1 = \"Old\"\r\n");
    openUnit(QStringLiteral("Unit1.cpp"));
    QToolButton *hint = ui.control<QToolButton>("ListBesideButton");
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(hint->toolTip().contains(QStringLiteral("Unit1.list.txt")));
    EXPECT_LE(hint->sizeHint().width(), hint->width());
    dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.list.txt")));
    hint->click();
    EXPECT_EQ(ui.listText(MainWindow::CppPage), QStringLiteral("String1 = \"Old\"\r\n"));
    EXPECT_FALSE(hint->isVisible());
    // The unchanged page stays saved.
    EXPECT_TRUE(ui.saved(MainWindow::CppPage));
    EXPECT_FALSE(ui.statusBar()->Panel(0).Text().contains(ui.msg(2)));
}

TEST_F(WorkingWindow, OutputButtonsFitTheirCaptionsInBothLanguages)
{
    for (Command lang : {Command::English, Command::German}) {
        form->run(lang);
        for (const char *name : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"}) {
            auto *b = ui.outputControl<QToolButton>(name);
            EXPECT_GE(b->width(), b->sizeHint().width()) << name << " " << b->text().toStdString();
        }
    }
}

TEST_F(WorkingWindow, UndoShowsWhatItChangedAndExtractKeepsLineStartsInView)
{
    QByteArray cpp = "a(\"Top\");\r\n";
    for (int i = 0; i < 300; ++i)
        cpp += "// line\r\n";
    cpp += "b(\"End\");\r\n"; // where Find Next goes on after Extract
    writeUnit(QStringLiteral("Unit1"), cpp, "", kDfm);
    openUnit(QStringLiteral("Unit1.cpp"));
    form->run(Command::FindNext);
    form->run(Command::Extract);
    QPlainTextEdit *editor = ui.editor(MainWindow::CppPage);
    EXPECT_EQ(editor->horizontalScrollBar()->value(), 0);
    editor->verticalScrollBar()->setValue(editor->verticalScrollBar()->maximum());
    form->run(Command::Undo);
    EXPECT_EQ(page(MainWindow::CppPage).line(0), QStringLiteral("a(\"Top\");"));
    EXPECT_TRUE(editor->viewport()->rect().contains(editor->cursorRect().center()));
}
