#include "app/BusyState.h"

#include "app/MainWindow.h"

#include <QApplication>
#include <QMenu>
#include <QToolButton>

BusyState::BusyState(MainWindow &form) : m_form(form)
{
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_form.m_busy = true;
    setControlsEnabled(false);
    m_form.busyPump();
}

BusyState::~BusyState()
{
    QApplication::restoreOverrideCursor();
    m_form.m_busy = false;
    setControlsEnabled(true);
    m_form.showPageStatus();
    m_form.busyPump();
    // A close request that came during the loop runs now, from the event loop.
    if (m_form.m_closePending) {
        m_form.m_closePending = false;
        QMetaObject::invokeMethod(&m_form, &QWidget::close, Qt::QueuedConnection);
    }
}

void BusyState::setControlsEnabled(bool on)
{
    MainWindow &f = m_form;
    f.m_leftColumn->setEnabled(on);
    f.m_pageArea->setEnabled(on);
    f.m_stopButton->setEnabled(!on);
    for (QToolButton *b : {f.m_openButton, f.m_saveAllButton, f.m_changeButton, f.m_findNextButton, f.m_extractButton, f.m_extractCButton,
                           f.m_exitButton, f.m_saveButton, f.m_findTextButton})
        b->setEnabled(on);
    for (QMenu *m : {f.m_fileMenu, f.m_editMenu, f.m_optionsMenu, f.m_helpMenu})
        m->menuAction()->setEnabled(on);
}
