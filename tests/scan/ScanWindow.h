#pragma once
// The main window with a unit set up by hand, for the scanner commands.
#include "tests/support/FormFixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

class ScanWindow : public FormFixture
{
    QTimer m_ticks;

protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ui.found()->setPlainText(QStringLiteral("before"));
    }

    // An open unit named Unit1 with the three texts (CR LF breaks).
    void setUnit(const QString &cpp, const QString &h = QString(), const QString &dfm = QString())
    {
        ui.setBaseName(QStringLiteral("Unit1"));
        page(MainWindow::CppPage).setText(cpp);
        page(MainWindow::HeaderPage).setText(h);
        page(MainWindow::DfmPage).setText(dfm);
    }

    // A timer that ticks every 10 ms from now on, as a user's clicks could
    // come while a scan pumps.
    QTimer *ticks()
    {
        m_ticks.start(10);
        return &m_ticks;
    }

    QString selected(int p) { return page(p).selectedText(); }
    QString foundText() { return EditorModel::of(ui.found()).text(); }
    void select(int p, int start, int length = 0) { page(p).setSelection(start, length); }

    // Everything the busy state disables is enabled again and Stop is not.
    void expectIdleControls()
    {
        EXPECT_FALSE(ui.busy());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(ui.control<QWidget>("Panel1")->isEnabled());
        EXPECT_TRUE(ui.control<QWidget>("Panel2")->isEnabled());
        EXPECT_FALSE(ui.button("ToolButton8")->isEnabled());
        for (QToolButton *b : {ui.button("ToolButton1"), ui.button("ToolButton2"), ui.button("ToolButton7"), ui.button("ToolButton12"),
                               ui.button("ToolButton13")})
            EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        for (QMenu *m : {ui.menu("Datei1"), ui.menu("Berabeiten1"), ui.menu("Options1"), ui.menu("N8")})
            EXPECT_TRUE(m->menuAction()->isEnabled()) << m->objectName().toStdString();
    }

    void expectEndOfTextMessage(const ScriptedDialogs::Question &q)
    {
        EXPECT_EQ(q.kind, ScriptedDialogs::Kind::Message);
        EXPECT_EQ(q.caption, QStringLiteral("VTQX"));
        EXPECT_EQ(q.text, ui.msg(11));
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
