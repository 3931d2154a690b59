#pragma once
// The reasons the verdicts give, English and German: how a literal is used,
// what its use says it is, and the hints that decide without a use.
#include "uitext/LanguageTable.h"

#include <QString>

enum class ReasonText {
    // how it is used; %1 the call, property or variable
    ArgumentOf,   // %1 the argument's ordinal, %2 the call
    ArgumentOfNew, // the same for new Name(...)
    AssignedTo,
    Compared,
    Subscript,
    CaseLabel,
    Initializer,
    Returned,
    Thrown,
    FormProperty,
    Ordinal1, // ordinals of arguments, "first" ... "fifth"
    Ordinal2,
    Ordinal3,
    Ordinal4,
    Ordinal5,
    OrdinalN, // %1 the number (6th, 6.)
    // what the use says (UseCategory's order, None left out)
    Message,
    Display,
    ListItem,
    Exception,
    Filter,
    Settings,
    Database,
    Sql,
    File,
    Shell,
    Library,
    Component,
    Debug,
    Comparison,
    Pattern,
    Lookup,
    Property,
    NameRepeated,
    Declared,
    // the literal's own characters and place (LiteralHint's order)
    HintPreprocessor,
    HintComment,
    HintPrefix,
    HintEmpty,
    HintNoLetter,
    HintIdentifier,
    HintResourceCall,
    HintMarker,
    HintCharLiteral,
    HintSpansCode,
    HintRawString,
    HintSuffix,
    HintCodeText,
    HintProperty,
    HintAdjacent,
    HintCommentInside,
    Nothing, // no use known and no hint against it
    UnknownUse, // a use the table does not know; %1 the situation
    // the project file (%1 file, %2 line) and the command line's --keyword and --never
    ProjectUnreadable, // %2 the platform's reason
    ProjectMalformed,
    ProjectUnknownKey, // %3 the key
    ProjectBadName,    // %3 the value
    KeywordOption,     // help of --keyword
    NeverOption,       // help of --never
    BadNameOption,     // %1 the option, %2 its value
    ProjectBadEncoding, // %1 file, %2 line, %3 the value, %4 the names known
};
inline constexpr ReasonText kLastReasonText = ReasonText::ProjectBadEncoding;

QString reasonText(ReasonText id, Language lang);
