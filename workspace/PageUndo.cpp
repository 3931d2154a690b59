#include "workspace/PageUndo.h"

#include "workspace/Workspace.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

PageStateUndo::PageStateUndo(const PageState &before, const PageState &after, Workspace &workspace, int page)
    : m_beforeCounter(before.counter), m_afterCounter(after.counter), m_beforeEdit(before.lastEdit),
      m_afterEdit(after.lastEdit), m_beforeMarks(before.marks), m_workspace(workspace), m_page(page)
{
    const qsizetype n = std::min(before.list.size(), after.list.size());
    qsizetype i = 0;
    while (i < n && before.list.at(i) == after.list.at(i))
        ++i;
    m_prefix = i;
    m_beforeTail = before.list.mid(i);
    m_afterTail = after.list.mid(i);
}

void PageStateUndo::put(const QString &tail, int counter, RowCol lastEdit, std::map<int, bool> marks)
{
    PageState s = m_workspace.pageState(m_page);
    s.list.truncate(m_prefix);
    s.list += tail;
    s.counter = counter;
    s.lastEdit = lastEdit;
    s.marks = std::move(marks);
    m_workspace.applyState(m_page, s);
}

void PageStateUndo::undo()
{
    put(m_beforeTail, m_beforeCounter, m_beforeEdit, m_beforeMarks);
}

void PageStateUndo::redo()
{
    put(m_afterTail, m_afterCounter, m_afterEdit, {});
}

PageEditStep::PageEditStep(QTextDocument *document, Workspace &workspace, int page, PageState before)
    : m_document(document), m_workspace(workspace), m_page(page), m_before(std::move(before))
{
    QTextCursor(m_document).beginEditBlock();
}

PageEditStep::~PageEditStep()
{
    if (m_open)
        QTextCursor(m_document).endEditBlock();
}

void PageEditStep::commit(const PageState &after)
{
    if (!m_open)
        return;
    if (after != m_before)
        m_document->appendUndoItem(new PageStateUndo(m_before, after, m_workspace, m_page));
    m_open = false;
    QTextCursor(m_document).endEditBlock();
}
