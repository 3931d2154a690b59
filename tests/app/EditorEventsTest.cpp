// The editors and the output window under real key and mouse events.
#include "FormFixture.h"
#include "Unit3.h"
#include "Vstatus.h"

namespace {
QPoint pointOf(QPlainTextEdit *e, int docPos)
{
    QTextCursor c(e->document());
    c.setPosition(docPos);
    return e->cursorRect(c).center();
}
} // namespace

class EditorEvents : public FormFixture
{
protected:
    QString found() { return EditorModel::of(form->Edit1).text(); }
};

TEST_F(EditorEvents, EscKeepsTheOutputWindowAndItsCorrections)
{
    TForm3 *out = form->Form3;
    out->appendLine(QStringLiteral("generated"));
    out->show();
    out->Memo1->setFocus();
    out->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(out->Memo1, QStringLiteral("fixed"));
    QTest::keyClick(out->Memo1, Qt::Key_Escape);
    EXPECT_TRUE(out->isVisible());
    EXPECT_EQ(out->text(), QStringLiteral("generated\r\nfixed"));
    out->SpeedButton2->click();
    EXPECT_FALSE(out->isVisible());
    EXPECT_EQ(out->text(), QStringLiteral("generated\r\nfixed"));
}

TEST_F(EditorEvents, MouseCopiesTheSelectionTheEditorHoldsAfterTheRelease)
{
    EditorModel &m = page(TForm1::CppPage);
    m.setText(QStringLiteral("one \"two\" three\r\nfour"));
    QPlainTextEdit *e = form->Memo2;
    QWidget *v = e->viewport();

    // A drag selects, and the release copies what it selected.
    QTest::mousePress(v, Qt::LeftButton, {}, pointOf(e, 4));
    QTest::mouseMove(v, pointOf(e, 9));
    QTest::mouseRelease(v, Qt::LeftButton, {}, pointOf(e, 9));
    EXPECT_EQ(m.selectedText(), QStringLiteral("\"two\""));
    EXPECT_EQ(found(), QStringLiteral("\"two\""));

    // A click inside that selection clears it: the box follows the editor.
    QTest::mouseClick(v, Qt::LeftButton, {}, pointOf(e, 6));
    EXPECT_EQ(m.selLength(), 0);
    EXPECT_EQ(found(), QString());
}

TEST_F(EditorEvents, AProtectedEditorMovesAndSelectsByKeyboard)
{
    ASSERT_TRUE(form->CheckBox1->isChecked());
    EditorModel &m = page(TForm1::CppPage);
    const QString text = QStringLiteral("abc\r\ndef\r\nghi");
    m.setText(text);
    m.setSelection(0, 0);
    EditorModel::of(form->Edit1).setText(QStringLiteral("kept"));
    showPage(TForm1::CppPage);
    form->Memo2->setFocus();

    struct Step
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int start, length, caretLine;
    };
    const Step steps[] = {
        {Qt::Key_Right, {}, 1, 0, 0},
        {Qt::Key_Down, {}, 6, 0, 1},
        {Qt::Key_Right, Qt::ShiftModifier, 6, 1, 1},
        {Qt::Key_End, {}, 8, 0, 1},
        {Qt::Key_Home, {}, 5, 0, 1},
        {Qt::Key_Down, Qt::ShiftModifier, 5, 5, 2},
        {Qt::Key_PageUp, {}, 0, 0, 0},
        {Qt::Key_PageDown, Qt::ShiftModifier, 0, 10, 2},
        {Qt::Key_End, Qt::ControlModifier, 13, 0, 2},
    };
    for (const Step &s : steps) {
        QTest::keyClick(form->Memo2, s.key, s.modifiers);
        EXPECT_EQ(m.selStart(), s.start) << s.key;
        EXPECT_EQ(m.selLength(), s.length) << s.key;
        EXPECT_EQ(m.caretLine(), s.caretLine) << s.key;
    }
    QTest::keyClicks(form->Memo2, QStringLiteral("x"));
    EXPECT_EQ(m.text(), text);
    EXPECT_TRUE(form->Saved[TForm1::CppPage]);
    EXPECT_EQ(found(), QStringLiteral("kept"));
    tick();
    EXPECT_EQ(form->VStatus1->Panel(1).Text(), QStringLiteral("Row:3, Col:4"));
}
