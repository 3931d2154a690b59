#include "BusyState.h"

#include "Unit1.h"

#include <QApplication>
#include <QMenu>
#include <QToolButton>

BusyState::BusyState(TForm1 &form) : m_form(form)
{
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_form.Busy = true;
    setControlsEnabled(false);
    m_form.busyPump();
}

BusyState::~BusyState()
{
    QApplication::restoreOverrideCursor();
    m_form.Busy = false;
    setControlsEnabled(true);
    m_form.PageStatus();
    m_form.busyPump();
    // A close request that came during the loop runs now, from the event loop.
    if (m_form.closePending) {
        m_form.closePending = false;
        QMetaObject::invokeMethod(&m_form, &QWidget::close, Qt::QueuedConnection);
    }
}

void BusyState::setControlsEnabled(bool on)
{
    TForm1 &f = m_form;
    f.Panel1->setEnabled(on);
    f.Panel2->setEnabled(on);
    f.ToolButton8->setEnabled(!on);
    for (QToolButton *b : {f.ToolButton1, f.ToolButton2, f.ToolButton3, f.ToolButton4, f.ToolButton5, f.ToolButton6,
                           f.ToolButton7, f.ToolButton12, f.ToolButton13})
        b->setEnabled(on);
    for (QMenu *m : {f.Datei1, f.Berabeiten1, f.Options1, f.N8})
        m->menuAction()->setEnabled(on);
}
