#pragma once
// What is known about calls and properties: which arguments and values are
// shown to people and which never are. The built-in knowledge is the table
// in UseTable.cpp (reviewed data); a project adds its own rows from its
// project file or the command line (ProjectKeywords).
#include "scan/LiteralContext.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

enum class UseVerdict : unsigned char { Unknown, UserText, NotUserText };

// What a use says the text is; each has a reason text in uitext/ReasonTexts.
enum class UseCategory : unsigned char {
    None,
    // shown to people
    Message,   // a message or dialog text
    Display,   // a caption, hint, title or other text on screen
    ListItem,  // an item of a list, combo box, memo or tab set
    Exception, // an exception's message
    Filter,    // a file dialog filter with its display part
    // never shown
    Settings,   // an ini, registry or configuration section, key or value name
    Database,   // a field, parameter, table or index name, or a dataset filter
    Sql,        // SQL
    File,       // a file name, path, extension or URL
    Shell,      // a command line, switch or shell verb
    Library,    // a library or function name
    Component,  // a component, class, resource or window name
    Debug,      // a debug or log line
    Comparison, // compared with or searched in another text
    Pattern,    // a date, number or split pattern
    Lookup,     // a lookup key: a subscript or a case label
    Property,   // a form property that holds no display text
    NameRepeated, // a caption or text that only repeats its component's name
    Declared,   // declared in the project file or on the command line
};

// The use of one literal as the table judges it.
struct LiteralUse
{
    UseVerdict verdict = UseVerdict::Unknown;
    UseCategory category = UseCategory::None;
    LiteralContext::Kind kind = LiteralContext::None;
    bool declared = false; // by the project, not the built-in table
    bool formProperty = false; // a form page's property (name: its path's last part)
    bool isNew = false;        // Argument: of new Name(...)
    short argument = 0;
    QString name; // the call, property or variable
    bool operator==(const LiteralUse &) const = default;
};

class UseRules
{
public:
    // The built-in table alone.
    static const UseRules &standard();
    UseRules();

    // Project rows, looked up before the built-in table. argument: 1-based,
    // 0 for every argument.
    void addCall(const QString &name, int argument, UseVerdict verdict);
    void addProperty(const QString &name, UseVerdict verdict);
    bool hasProjectRows() const { return !m_calls.isEmpty() || !m_properties.isEmpty(); }

    // A C++ literal's use from its context; page: the text the context points into.
    LiteralUse judge(const LiteralContext &c, QStringView page) const;
    // A form value's use from its property path (FormValue::path), its text
    // and the name of the form's root object (the owner of a path of one part).
    LiteralUse judgeProperty(const QStringList &path, QStringView value, QStringView rootName = {}) const;

private:
    struct Row
    {
        int argument; // 0: every
        UseVerdict verdict;
    };
    QHash<QString, std::vector<Row>> m_calls;
    QHash<QString, UseVerdict> m_properties;
};

namespace UseTable {
// Whether argument (1-based) of the call hands the literal on to what the
// call's result is used for: _T("a"), String("a"), Format("a %d", ...).
bool passesThrough(QStringView call, int argument);
// The built-in verdict of a property or variable name: exact names first,
// then beginnings and endings ("Help...", "...FileName"); Unknown when none.
UseVerdict propertyVerdict(QStringView name, UseCategory *category);
// Whether an identifier names a settings object: ini, Registry, pConfig, AppSettings.
bool namesSettings(QStringView identifier);
} // namespace UseTable
