#include "Workspace.h"

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
