#include "ScanWindow.h"
#include "Vstatus.h"

#include <QCheckBox>

namespace {

using ChangeToggle = ScanWindow;

TEST_F(ChangeToggle, WorkedExampleTogglesBetweenTheTwoVersions)
{
    setUnit(u"void f()\r\n{\r\n    ShowMessage(\"Helo\");\r\n}\r\n"_qs);
    ASSERT_TRUE(form->CheckBox2->isChecked());
    ASSERT_TRUE(form->Memo2->isReadOnly()); // protected: Change writes anyway
    select(TForm1::CppPage, 0);
    form->SpeedButton4Click();
    ASSERT_EQ(selected(TForm1::CppPage), u"\"Helo\""_qs);
    form->Edit1->setPlainText(u"\"Hello\""_qs);

    form->SpeedButton3Click();
    EXPECT_EQ(page(TForm1::CppPage).line(2), u"    ShowMessage(\"Hello\");"_qs);
    EXPECT_EQ(selected(TForm1::CppPage), u"\"Hello\""_qs);
    EXPECT_EQ(foundText(), u"\"Helo\""_qs);
    EXPECT_FALSE(form->Saved[TForm1::CppPage]);

    form->Saved[TForm1::CppPage] = true;
    form->SpeedButton3Click();
    EXPECT_EQ(page(TForm1::CppPage).line(2), u"    ShowMessage(\"Helo\");"_qs);
    EXPECT_EQ(selected(TForm1::CppPage), u"\"Helo\""_qs);
    EXPECT_EQ(foundText(), u"\"Hello\""_qs);
    EXPECT_FALSE(form->Saved[TForm1::CppPage]);
    tick();
    EXPECT_EQ(form->VStatus1->Panel(0).Text(), u"Unit1.cpp (Modified)"_qs);
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
        {"EmptySelectionInsertsAtTheCaret", TForm1::CppPage, true, u"ab"_qs, 1, 0, u"XY"_qs, u"aXYb"_qs,
         u"XY"_qs, QString()},
        {"EmptyFoundTextDeletesTheSelection", TForm1::CppPage, true, u"a\"x\"b"_qs, 1, 3, QString(),
         u"ab"_qs, QString(), u"\"x\""_qs},
        {"WithoutToggleTheBoxKeepsItsText", TForm1::CppPage, false, u"a\"x\"b"_qs, 1, 3, u"'y'"_qs,
         u"a'y'b"_qs, u"'y'"_qs, u"'y'"_qs},
        {"DfmPage", TForm1::DfmPage, true, u"  Caption = 'Helo'"_qs, 12, 6, u"'Hello'"_qs,
         u"  Caption = 'Hello'"_qs, u"'Hello'"_qs, u"'Helo'"_qs},
        {"LineBreaksCountTwo", TForm1::CppPage, true, u"s = \"a\";\r\nt;"_qs, 4, 3, u"\"a\r\nb\""_qs,
         u"s = \"a\r\nb\";\r\nt;"_qs, u"\"a\r\nb\""_qs, u"\"a\""_qs},
        {"SelectionOverABreak", TForm1::CppPage, true, u"ab\r\ncd"_qs, 1, 4, u"-"_qs, u"a-d"_qs, u"-"_qs,
         u"b\r\nc"_qs},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.page == TForm1::CppPage)
            setUnit(row.text);
        else
            setUnit(QString(), QString(), row.text);
        showPage(row.page);
        form->CheckBox2->setChecked(row.toggle);
        form->Saved = {true, true, true};
        select(row.page, row.start, row.length);
        EditorModel::of(form->Edit1).setText(row.found);

        form->SpeedButton3Click();
        EXPECT_EQ(page(row.page).text(), row.after);
        EXPECT_EQ(selected(row.page), row.selection);
        EXPECT_EQ(page(row.page).selStart(), row.start);
        EXPECT_EQ(foundText(), row.box);
        EXPECT_FALSE(form->Saved[row.page]);

        // A second Change: with toggle the page is back as before; without,
        // the same text is written again, and the page still counts as changed.
        form->Saved[row.page] = true;
        form->SpeedButton3Click();
        EXPECT_EQ(page(row.page).text(), row.toggle ? row.text : row.after);
        EXPECT_FALSE(form->Saved[row.page]);
    }
}

TEST_F(ChangeToggle, UndoRestoresThePage)
{
    const QString cpp = u"ShowMessage(\"Helo\");"_qs;
    setUnit(cpp);
    select(TForm1::CppPage, 12, 6);
    form->Edit1->setPlainText(u"\"Hello\""_qs);
    form->SpeedButton3Click();
    ASSERT_EQ(page(TForm1::CppPage).text(), u"ShowMessage(\"Hello\");"_qs);
    // Protection off, so that the user may undo from the keyboard.
    form->CheckBox1->setChecked(false);
    form->CheckBox1Click();
    form->Memo2->setFocus();
    QTest::keyClick(form->Memo2, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(page(TForm1::CppPage).text(), cpp);
}

TEST_F(ChangeToggle, NothingOnTheHeaderPageOrWithoutAUnit)
{
    for (const bool open : {true, false}) {
        setUnit(u"a"_qs, u"s = \"x\";"_qs);
        if (!open)
            form->BaseName.clear();
        showPage(open ? TForm1::HeaderPage : TForm1::CppPage);
        const int p = form->activePage();
        select(p, 0, 1);
        form->SpeedButton3Click();
        EXPECT_EQ(page(p).text(), open ? u"s = \"x\";"_qs : u"a"_qs);
        EXPECT_TRUE(form->Saved[p]);
        EXPECT_EQ(foundText(), u"before"_qs);
    }
}

} // namespace
