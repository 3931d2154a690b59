#pragma once
// How a string literal is used, read from the tokens around it: the call it
// is an argument of, the property or variable it is assigned to, a
// comparison, a subscript, a case label, an initializer, a return or a
// throw. One pass over the page's tokens, fed by CodeMap's lexer loop.
//
//   code                                        context
//   ShowMessage("a")                            Argument  ShowMessage, 1
//   ini->ReadString("S", "K", x)                Argument  ReadString (object ini), 1 and 2
//   Items->Add(_T("a"))                         Argument  Add (object Items), 1: _T() is passed through
//   throw new Exception(Format("a %d", x))      Argument  Exception, new; Format's first argument passes through
//   Label1->Caption<line break> = "a" + s       Assigned  Caption (object Label1)
//   if (s == "a")   "a" != s                    Compared
//   ini["k"]                                    Subscript (owner ini)
//   case "a":                                   CaseLabel
//   const char *names[] = {"a", "b"}            Initializer (names)
//   return "a";   throw "a";                    Return, Throw
#include "scan/CppLexer.h"

#include <QStringView>

#include <vector>

struct LiteralContext
{
    enum Kind : unsigned char { None, Argument, Assigned, Compared, Subscript, CaseLabel, Initializer, Return, Throw };
    Kind kind = None;
    bool isNew = false;   // Argument: the call is new Name(...)
    bool settingsArgument = false; // Argument: an earlier argument is a settings object (ini, Registry...)
    short argument = 0;   // Argument: 1-based
    int name = 0;         // the call, property, variable or owner: its first character in the page
    int nameLength = 0;   // 0: none known
    int object = 0;       // Argument, Assigned: the object before -> . :: (Items in Items->Add)
    int objectLength = 0; // 0: none
    bool operator==(const LiteralContext &) const = default;
};

// Feeds on the page's tokens in order (comments and preprocessor lines
// included, which it skips) and keeps the context of each group of
// adjacent literals. Cost: constant per token.
class ContextReader
{
public:
    explicit ContextReader(QStringView page);
    void token(const Cpp::Token &t);
    // The tokens are all read: the pending one is decided.
    void finish();
    // One context per group of adjacent string literals outside
    // preprocessor lines, in page order, with the quote of its first member.
    struct Entry
    {
        int quote;
        LiteralContext context;
    };
    const std::vector<Entry> &entries() const { return m_entries; }

private:
    struct Sig // a significant token: two-character operators joined
    {
        enum Type : unsigned char { Nothing, Ident, Literal, Op, Other } type = Nothing;
        int start = 0, end = 0;
        char16_t op[3] = {};
    };
    struct Frame
    {
        char16_t open = 0;                  // ( [ { or 0 for the page itself
        bool initializer = false;           // {: a braced initializer, not a block
        short arg = 1;                      // (: the argument being read
        int name = 0, nameLength = 0;       // (: the call; [: the owner; {: the variable initialized
        int object = 0, objectLength = 0;   // (: the object before -> . ::
        bool isNew = false;
        bool settingsArgument = false;      // (: an argument so far names a settings object
        int target = 0, targetLength = 0;   // what the expression being read is assigned to (length -1: unnamed)
        int targetObject = 0, targetObjectLength = 0;
        enum Lead : unsigned char { Plain, Return, Throw } lead = Plain;
        bool statementStart = true;
    };

    void process(const Sig &s);
    void literal(const Sig &s);
    void open(const Sig &s);
    void close(char16_t c);
    bool identIs(const Sig &s, QStringView word) const;
    static QStringView opOf(const Sig &s) { return QStringView(s.op, s.op[1] ? 2 : 1); }
    QStringView text(const Sig &s) const { return m_page.sliced(s.start, s.end - s.start); }
    const Sig &back(int n) const { return m_history[(m_count - n) & 3]; } // n = 1: the last processed

    QStringView m_page;
    Sig m_pending;
    Sig m_history[4];
    unsigned m_count = 0;
    std::vector<Frame> m_frames;
    std::vector<Entry> m_entries;
    int m_lastSubscriptOwner = 0, m_lastSubscriptOwnerLength = 0; // the owner of the [ ] just closed
};

// The contexts of every group of a page, in page order (for tests and tools).
std::vector<ContextReader::Entry> readContexts(QStringView page);
