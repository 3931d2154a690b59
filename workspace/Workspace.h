#pragma once
// The open unit and the sessions of its three pages; the save prompts of
// Open and of closing the window, written once.
#include "workspace/PageSession.h"
#include "workspace/PageUndo.h"
#include "unit/SourceUnit.h"

#include <QObject>

#include <array>
#include <functional>

class Workspace : public QObject
{
    Q_OBJECT
public:
    SourceUnit unit;

    PageSession &session(SourcePage p) { return m_sessions[size_t(p)]; }
    const PageSession &session(SourcePage p) const { return m_sessions[size_t(p)]; }
    PageSession &session(int p) { return m_sessions[size_t(p)]; }
    const PageSession &session(int p) const { return m_sessions[size_t(p)]; }

    // A page's list, counter and last edit as its undo steps carry them (no
    // check marks: those are the literals panel's).
    PageState pageState(int page) const;
    // Puts a state in place: the list's document is changed only where it
    // differs (an append where the state extends it), which marks it.
    void applyState(int page, const PageState &state);

    enum class Answer { Yes, No, Cancel };
    struct Prompts
    {
        std::function<Answer(SourcePage)> askPage;
        std::function<bool(SourcePage)> savePage; // false: cancelled (raises on failure)
        std::function<Answer(SourcePage)> askList;
        std::function<bool(SourcePage)> saveList; // false: cancelled
        std::function<bool(SourcePage)> listHasText;
    };
    // Asks about every page not saved, in page order, then about every list
    // whose texts exist nowhere else. Yes saves (a cancelled save stops), No
    // goes on, anything else stops. Returns whether the command may go on.
    bool settleUnsaved(const Prompts &prompts);

signals:
    // A state was put in place (by applyState, an undo or a redo); marks: the
    // check marks the step gives back.
    void stateApplied(int page, const std::map<int, bool> &marks);

private:
    std::array<PageSession, 3> m_sessions;
};
