#include "workspace/Workspace.h"

#include "platform/gui/DocumentText.h"

PageState Workspace::pageState(int page) const
{
    const PageSession &s = session(page);
    return PageState{DocumentText::text(s.list()), s.resNumber, s.lastEdit, {}};
}

void Workspace::applyState(int page, const PageState &state)
{
    PageSession &s = session(page);
    const QString current = DocumentText::text(s.list());
    if (state.list != current) {
        if (state.list.startsWith(current)) {
            DocumentText::append(s.list(), state.list.mid(current.size()));
        } else {
            DocumentText::setText(s.list(), state.list);
            s.list()->setModified(true);
        }
    }
    s.resNumber = state.counter;
    s.lastEdit = state.lastEdit;
    emit stateApplied(page, state.marks);
}

bool Workspace::settleUnsaved(const Prompts &prompts)
{
    for (SourcePage p : kSourcePages) {
        if (session(p).isSaved())
            continue;
        const Answer a = prompts.askPage(p);
        if (a == Answer::Cancel || (a == Answer::Yes && !prompts.savePage(p)))
            return false;
    }
    // A list whose page was discarded unsaved loses nothing: the page's file
    // still holds the literals.
    for (SourcePage p : kSourcePages) {
        const PageSession &s = session(p);
        if (!s.listOnlyCopy || !prompts.listHasText(p))
            continue;
        const Answer a = prompts.askList(p);
        if (a == Answer::Cancel || (a == Answer::Yes && !prompts.saveList(p)))
            return false;
    }
    return true;
}
