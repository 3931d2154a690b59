#include "workspace/PageUndo.h"
#include "workspace/Workspace.h"

#include <QAbstractUndoItem>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {
// An undo item that counts how often it was undone and redone.
class CountingItem : public QAbstractUndoItem
{
public:
    explicit CountingItem(int &state) : m_state(state) {}
    void undo() override { --m_state; }
    void redo() override { ++m_state; }

private:
    int &m_state;
};

// What the program's own edits build on: a custom item appended inside the
// edit block of a text edit is one undo step with it.
TEST(Workspace, ACustomUndoItemInTheEditBlockOfATextEditIsOneStepWithIt)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("ab"));
    int counter = 1; // the item's edit has happened
    QTextCursor c(&doc);
    c.setPosition(1);
    c.beginEditBlock();
    c.insertText(QStringLiteral("X"));
    doc.appendUndoItem(new CountingItem(counter));
    c.endEditBlock();

    doc.undo();
    EXPECT_EQ(doc.toRawText(), QStringLiteral("ab"));
    EXPECT_EQ(counter, 0);
    EXPECT_FALSE(doc.isUndoAvailable());

    doc.redo();
    EXPECT_EQ(doc.toRawText(), QStringLiteral("aXb"));
    EXPECT_EQ(counter, 1);
    EXPECT_FALSE(doc.isRedoAvailable());
}

TEST(Workspace, SavedFollowsTheDocumentAndTheListWaitsForItsPage)
{
    QTextDocument doc;
    PageSession s;
    s.attach(&doc);
    doc.setPlainText(QStringLiteral("a"));
    s.setSaved(true); // as a load leaves it
    EXPECT_TRUE(s.isSaved());
    QTextCursor(&doc).insertText(QStringLiteral("b"));
    EXPECT_FALSE(s.isSaved());
    s.list()->setModified(true); // an entry was added
    s.noteSaved();
    EXPECT_TRUE(s.isSaved());
    EXPECT_TRUE(s.listOnlyCopy) << "the saved file no longer holds the extracted texts";
    // Undoing past the save is a change again.
    doc.undo();
    EXPECT_FALSE(s.isSaved());
    s.noteListWritten();
    EXPECT_FALSE(s.listOnlyCopy);
}

// The save prompts: every unsaved page in order, then every list whose texts
// exist only there.
TEST(Workspace, SettleUnsaved)
{
    using A = Workspace::Answer;
    struct Case
    {
        const char *name;
        std::array<bool, 3> saved;
        std::array<bool, 3> onlyCopy;
        std::vector<A> answers;
        bool saveSucceeds;
        bool result;
        const char *expected; // questions and saves: P page, L list, S saved page, W written list
    };
    const Case cases[] = {
        {"nothing to ask", {true, true, true}, {false, false, false}, {}, true, true, ""},
        {"no to both pages", {false, true, false}, {false, false, false}, {A::No, A::No}, true, true, "P0P2"},
        {"cancel stops", {false, false, true}, {false, false, false}, {A::Cancel}, true, false, "P0"},
        {"yes saves, failed save stops", {false, false, true}, {false, false, false}, {A::Yes}, false, false,
         "P0S0"},
        {"lists after the pages", {false, true, true}, {false, true, false}, {A::Yes, A::Yes}, true, true,
         "P0S0L1W1"},
        {"no to a list goes on", {true, true, true}, {true, false, true}, {A::No, A::Cancel}, true, false, "L0L2"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::array<QTextDocument, 3> docs;
        Workspace w;
        for (SourcePage p : kSourcePages) {
            w.session(p).attach(&docs[size_t(p)]);
            w.session(p).setSaved(c.saved[size_t(p)]);
            w.session(p).listOnlyCopy = c.onlyCopy[size_t(p)];
        }
        QString log;
        size_t next = 0;
        const auto ask = [&](char what, SourcePage p) {
            log += QString(QChar::fromLatin1(what)) + QString::number(int(p));
            return next < c.answers.size() ? c.answers[next++] : A::Cancel;
        };
        Workspace::Prompts prompts;
        prompts.askPage = [&](SourcePage p) { return ask('P', p); };
        prompts.askList = [&](SourcePage p) { return ask('L', p); };
        prompts.savePage = [&](SourcePage p) {
            log += QStringLiteral("S%1").arg(int(p));
            return c.saveSucceeds;
        };
        prompts.saveList = [&](SourcePage p) {
            log += QStringLiteral("W%1").arg(int(p));
            return true;
        };
        prompts.listHasText = [](SourcePage) { return true; };
        EXPECT_EQ(w.settleUnsaved(prompts), c.result);
        EXPECT_EQ(log.toStdString(), c.expected);
        EXPECT_EQ(next, c.answers.size());
    }
}
} // namespace

// A page edit step: text, list, counter and last edit go back and forth as
// one; the list's head edited in between stays as the user left it. Undo
// hands back the check marks the step dropped; redo hands none.
TEST(Workspace, APageEditStepUndoesTextAndStateTogether)
{
    Workspace w;
    PageSession &s = w.session(SourcePage::Cpp);
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("f(\"a\");"));
    s.attach(&doc);
    std::vector<std::map<int, bool>> given;
    QObject::connect(&w, &Workspace::stateApplied, [&](int, const std::map<int, bool> &marks) { given.push_back(marks); });
    w.applyState(0, PageState{QStringLiteral("S1=x\r\n"), 1, {1, 1}, {}});
    const auto state = [&] { return w.pageState(0); };
    {
        PageState before = state();
        before.marks = {{2, false}};
        PageEditStep step(&doc, w, 0, before);
        QTextCursor c(&doc);
        c.setPosition(2);
        c.setPosition(5, QTextCursor::KeepAnchor);
        c.insertText(QStringLiteral("S2"));
        w.applyState(0, {QStringLiteral("S1=x\r\nS2=a\r\n"), 2, {1, 3}, {}});
        step.commit(state());
    }
    { // a step that changes nothing adds nothing
        PageEditStep step(&doc, w, 0, state());
        step.commit(state());
    }
    // The user edits the list's head.
    QTextCursor head(s.list());
    head.setPosition(0);
    head.setPosition(2, QTextCursor::KeepAnchor);
    head.insertText(QStringLiteral("T1"));
    given.clear();
    doc.undo();
    EXPECT_EQ(doc.toRawText(), QStringLiteral("f(\"a\");"));
    EXPECT_EQ(state(), (PageState{QStringLiteral("T1=x\r\n"), 1, {1, 1}, {}}));
    ASSERT_EQ(given.size(), 1u);
    EXPECT_EQ(given[0], (std::map<int, bool>{{2, false}})) << "undo gives the marks back";
    EXPECT_FALSE(doc.isUndoAvailable()) << "one step";
    doc.redo();
    EXPECT_EQ(doc.toRawText(), QStringLiteral("f(S2);"));
    EXPECT_EQ(state(), (PageState{QStringLiteral("T1=x\r\nS2=a\r\n"), 2, {1, 3}, {}}));
    EXPECT_TRUE(given.back().empty()) << "redo gives none";
}

// A list entry may hold a character a document takes as a break (U+2029,
// U+FDD0): the session's list gives it back as it was, also after an append.
TEST(Workspace, AListKeepsTheCharactersADocumentTakesAsBreaks)
{
    Workspace w;
    const QString first = QStringLiteral("S1=\"a\u2029b\"\r\n"), second = QStringLiteral("S2=\"\uFDD0\"\r\n");
    w.applyState(0, PageState{first, 1, {}, {}});
    w.applyState(0, PageState{first + second, 2, {}, {}});
    EXPECT_EQ(w.pageState(0).list, first + second);
    EXPECT_TRUE(w.session(0).isListUnwritten());
}
