#pragma once
// The main window with a unit set up by hand, for the scanner commands.
#include "FormFixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolButton>

class ScanWindow : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        form->Edit1->setPlainText(QStringLiteral("before"));
    }

    // An open unit named Unit1 with the three texts (CR LF breaks).
    void setUnit(const QString &cpp, const QString &h = QString(), const QString &dfm = QString())
    {
        form->BaseName = QStringLiteral("Unit1");
        page(TForm1::CppPage).setText(cpp);
        page(TForm1::HeaderPage).setText(h);
        page(TForm1::DfmPage).setText(dfm);
    }

    QString selected(int p) { return page(p).selectedText(); }
    QString foundText() { return EditorModel::of(form->Edit1).text(); }
    void select(int p, int start, int length = 0) { page(p).setSelection(start, length); }

    // Everything the busy state disables is enabled again and Stop is not.
    void expectIdleControls()
    {
        EXPECT_FALSE(form->Busy);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(form->Panel1->isEnabled());
        EXPECT_TRUE(form->Panel2->isEnabled());
        EXPECT_FALSE(form->ToolButton8->isEnabled());
        for (QToolButton *b : {form->ToolButton1, form->ToolButton2, form->ToolButton7, form->ToolButton12,
                               form->ToolButton13})
            EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        for (QMenu *m : {form->Datei1, form->Berabeiten1, form->Options1, form->N8})
            EXPECT_TRUE(m->menuAction()->isEnabled()) << m->objectName().toStdString();
    }

    void expectEndOfTextMessage(const ScriptedDialogs::Question &q)
    {
        EXPECT_EQ(q.kind, ScriptedDialogs::Kind::Message);
        EXPECT_EQ(q.caption, QStringLiteral("VTQX"));
        EXPECT_EQ(q.text, form->Msg(11));
        EXPECT_EQ(q.icon, Dialogs::Icon::Information);
        EXPECT_EQ(q.buttons, Dialogs::Buttons::Ok);
    }
};

// Counts the enabled-state changes of a widget (to see a busy state flash).
class EnabledChanges : public QObject
{
public:
    explicit EnabledChanges(QWidget *w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::EnabledChange)
            ++count;
        return false;
    }
};
