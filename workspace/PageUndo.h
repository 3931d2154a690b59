#pragma once
// The program's own edits of a page as single steps of its document's undo
// history: the text edits and the session state around them (the list, the
// counter, the last edit position) are undone and redone together.
#include "platform/core/RowCol.h"

#include <QAbstractUndoItem>
#include <QString>

#include <map>

class QTextDocument;

// What a page edit changes besides the text.
struct PageState
{
    QString list; // the page's extraction list (CR LF)
    int counter = 0;
    RowCol lastEdit;
    // The user's check marks of the page's literals, by start. Undo puts
    // back the marks the step dropped with their literals; redo leaves them.
    std::map<int, bool> marks;
    bool operator==(const PageState &) const = default;
};

class Workspace;

// Undo item for the state part of a step. It keeps only the lists' differing
// tails, so a long list costs little per step; undo and redo rebuild the list
// from the one current at that moment (the user may have edited its head).
class PageStateUndo : public QAbstractUndoItem
{
public:
    PageStateUndo(const PageState &before, const PageState &after, Workspace &workspace, int page);
    void undo() override;
    void redo() override;

private:
    void put(const QString &tail, int counter, RowCol lastEdit, std::map<int, bool> marks);

    qsizetype m_prefix; // length of the lists' common head
    QString m_beforeTail, m_afterTail;
    int m_beforeCounter, m_afterCounter;
    RowCol m_beforeEdit, m_afterEdit;
    std::map<int, bool> m_beforeMarks;
    Workspace &m_workspace;
    int m_page;
};

// One step of a page's undo history from construction to commit() (or the
// end of its life): the text edits made meanwhile and, on commit(), the
// state change. Without commit (a cancel, an error) only the text edits made
// stay, as a step of their own. Select text only after the step has ended:
// the editor lays out the document only then.
class PageEditStep
{
public:
    // before: the page's state at the start, check marks included.
    PageEditStep(QTextDocument *document, Workspace &workspace, int page, PageState before);
    ~PageEditStep();
    PageEditStep(const PageEditStep &) = delete;
    PageEditStep &operator=(const PageEditStep &) = delete;
    // Ends the step with the state it leaves; the caller puts that state in
    // place (if it is not already) before the step can be undone.
    void commit(const PageState &after);

private:
    QTextDocument *m_document;
    Workspace &m_workspace;
    int m_page;
    PageState m_before;
    bool m_open = true;
};
