// The editors and the output window under real key and mouse events.
#include "tests/support/FormFixture.h"
#include "app/OutputWindow.h"
#include "components/Vstatus/Vstatus.h"

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
    QString found() { return EditorModel::of(ui.found()).text(); }
};

TEST_F(EditorEvents, EscKeepsTheOutputWindowAndItsCorrections)
{
    OutputWindow *out = ui.output();
    out->appendLine(QStringLiteral("generated"));
    out->show();
    ui.outputControl<QPlainTextEdit>("Memo1")->setFocus();
    ui.outputControl<QPlainTextEdit>("Memo1")->moveCursor(QTextCursor::End);
    QTest::keyClicks(ui.outputControl<QPlainTextEdit>("Memo1"), QStringLiteral("fixed"));
    QTest::keyClick(ui.outputControl<QPlainTextEdit>("Memo1"), Qt::Key_Escape);
    EXPECT_TRUE(out->isVisible());
    EXPECT_EQ(out->text(), QStringLiteral("generated\r\nfixed"));
    ui.outputControl<QToolButton>("SpeedButton2")->click();
    EXPECT_FALSE(out->isVisible());
    EXPECT_EQ(out->text(), QStringLiteral("generated\r\nfixed"));
}

TEST_F(EditorEvents, MouseCopiesTheSelectionTheEditorHoldsAfterTheRelease)
{
    EditorModel &m = page(MainWindow::CppPage);
    m.setText(QStringLiteral("one \"two\" three\r\nfour"));
    QPlainTextEdit *e = ui.editor(MainWindow::CppPage);
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
    ASSERT_TRUE(ui.checkBox("CheckBox1")->isChecked());
    EditorModel &m = page(MainWindow::CppPage);
    const QString text = QStringLiteral("abc\r\ndef\r\nghi");
    m.setText(text);
    m.setSelection(0, 0);
    EditorModel::of(ui.found()).setText(QStringLiteral("kept"));
    showPage(MainWindow::CppPage);
    ui.editor(MainWindow::CppPage)->setFocus();

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
        QTest::keyClick(ui.editor(MainWindow::CppPage), s.key, s.modifiers);
        EXPECT_EQ(m.selStart(), s.start) << s.key;
        EXPECT_EQ(m.selLength(), s.length) << s.key;
        EXPECT_EQ(m.caretLine(), s.caretLine) << s.key;
    }
    QTest::keyClicks(ui.editor(MainWindow::CppPage), QStringLiteral("x"));
    EXPECT_EQ(m.text(), text);
    EXPECT_TRUE(ui.saved(MainWindow::CppPage));
    EXPECT_EQ(found(), QStringLiteral("kept"));
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(1).Text(), QStringLiteral("Row:3, Col:4"));
}
