#include "tests/scan/ScanWindow.h"
#include "components/Vstatus/Vstatus.h"

#include <QCheckBox>

namespace {

using ChangeToggle = ScanWindow;

TEST_F(ChangeToggle, WorkedExampleTogglesBetweenTheTwoVersions)
{
    setUnit(u"void f()\r\n{\r\n    ShowMessage(\"Helo\");\r\n}\r\n"_qs);
    ASSERT_TRUE(ui.checkBox("CheckBox2")->isChecked());
    ASSERT_TRUE(ui.editor(MainWindow::CppPage)->isReadOnly()); // protected: Change writes anyway
    select(MainWindow::CppPage, 0);
    form->run(Command::FindNext);
    ASSERT_EQ(selected(MainWindow::CppPage), u"\"Helo\""_qs);
    ui.found()->setPlainText(u"\"Hello\""_qs);

    form->run(Command::ChangeToggle);
    EXPECT_EQ(page(MainWindow::CppPage).line(2), u"    ShowMessage(\"Hello\");"_qs);
    EXPECT_EQ(selected(MainWindow::CppPage), u"\"Hello\""_qs);
    EXPECT_EQ(foundText(), u"\"Helo\""_qs);
    EXPECT_FALSE(ui.saved(MainWindow::CppPage));

    ui.setSaved(MainWindow::CppPage, true);
    form->run(Command::ChangeToggle);
    EXPECT_EQ(page(MainWindow::CppPage).line(2), u"    ShowMessage(\"Helo\");"_qs);
    EXPECT_EQ(selected(MainWindow::CppPage), u"\"Helo\""_qs);
    EXPECT_EQ(foundText(), u"\"Hello\""_qs);
    EXPECT_FALSE(ui.saved(MainWindow::CppPage));
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(0).Text(), u"Unit1.cpp (Modified)"_qs);
}

TEST_F(ChangeToggle, Cases)
{
    struct Row
    {
        const char *name;
        int page;
        bool toggle;
        QString text;
        int start, length; // selection before
        QString found;     // found text box before
        QString after;     // page text after one Change
        QString selection; // selected after
        QString box;       // found text box after
    };
    const Row rows[] = {
        {"EmptySelectionInsertsAtTheCaret", MainWindow::CppPage, true, u"ab"_qs, 1, 0, u"XY"_qs, u"aXYb"_qs,
         u"XY"_qs, QString()},
        {"EmptyFoundTextDeletesTheSelection", MainWindow::CppPage, true, u"a\"x\"b"_qs, 1, 3, QString(),
         u"ab"_qs, QString(), u"\"x\""_qs},
        {"WithoutToggleTheBoxKeepsItsText", MainWindow::CppPage, false, u"a\"x\"b"_qs, 1, 3, u"'y'"_qs,
         u"a'y'b"_qs, u"'y'"_qs, u"'y'"_qs},
        {"DfmPage", MainWindow::DfmPage, true, u"  Caption = 'Helo'"_qs, 12, 6, u"'Hello'"_qs,
         u"  Caption = 'Hello'"_qs, u"'Hello'"_qs, u"'Helo'"_qs},
        {"LineBreaksCountTwo", MainWindow::CppPage, true, u"s = \"a\";\r\nt;"_qs, 4, 3, u"\"a\r\nb\""_qs,
         u"s = \"a\r\nb\";\r\nt;"_qs, u"\"a\r\nb\""_qs, u"\"a\""_qs},
        {"SelectionOverABreak", MainWindow::CppPage, true, u"ab\r\ncd"_qs, 1, 4, u"-"_qs, u"a-d"_qs, u"-"_qs,
         u"b\r\nc"_qs},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.page == MainWindow::CppPage)
            setUnit(row.text);
        else
            setUnit(QString(), QString(), row.text);
        showPage(row.page);
        ui.checkBox("CheckBox2")->setChecked(row.toggle);
        ui.setSavedPages({true, true, true});
        select(row.page, row.start, row.length);
        EditorModel::of(ui.found()).setText(row.found);

        form->run(Command::ChangeToggle);
        EXPECT_EQ(page(row.page).text(), row.after);
        EXPECT_EQ(selected(row.page), row.selection);
        EXPECT_EQ(page(row.page).selStart(), row.start);
        EXPECT_EQ(foundText(), row.box);
        EXPECT_FALSE(ui.saved(row.page));

        // A second Change: with toggle the page is back as before; without,
        // the same text is written again, and the page still counts as changed.
        ui.setSaved(row.page, true);
        form->run(Command::ChangeToggle);
        EXPECT_EQ(page(row.page).text(), row.toggle ? row.text : row.after);
        EXPECT_FALSE(ui.saved(row.page));
    }
}

TEST_F(ChangeToggle, UndoRestoresThePage)
{
    const QString cpp = u"ShowMessage(\"Helo\");"_qs;
    setUnit(cpp);
    select(MainWindow::CppPage, 12, 6);
    ui.found()->setPlainText(u"\"Hello\""_qs);
    form->run(Command::ChangeToggle);
    ASSERT_EQ(page(MainWindow::CppPage).text(), u"ShowMessage(\"Hello\");"_qs);
    // Protection off, so that the user may undo from the keyboard.
    ui.checkBox("CheckBox1")->setChecked(false);
    ui.applyProtection();
    ui.editor(MainWindow::CppPage)->setFocus();
    QTest::keyClick(ui.editor(MainWindow::CppPage), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(page(MainWindow::CppPage).text(), cpp);
}

TEST_F(ChangeToggle, NothingOnTheHeaderPageOrWithoutAUnit)
{
    for (const bool open : {true, false}) {
        setUnit(u"a"_qs, u"s = \"x\";"_qs);
        if (!open)
            ui.setBaseName(QString());
        showPage(open ? MainWindow::HeaderPage : MainWindow::CppPage);
        const int p = ui.activePage();
        select(p, 0, 1);
        form->run(Command::ChangeToggle);
        EXPECT_EQ(page(p).text(), open ? u"s = \"x\";"_qs : u"a"_qs);
        EXPECT_TRUE(ui.saved(p));
        EXPECT_EQ(foundText(), u"before"_qs);
    }
}

} // namespace
