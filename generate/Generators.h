#pragma once
// The three generators over the extraction list of the active page. Each
// returns the lines of the output window, or nothing on the pages where the
// command shows no window (the pages each works on: GeneratorTable.h). A
// digit run beyond 32 bits in an entry's number raises Exception before any
// line is returned.
#include "uitext/Catalogue.h"
#include "platform/core/SourcePage.h"
#include "extract/StringMode.h"

#include <QStringList>

#include <functional>
#include <optional>

// The loading code's buffer: char buff[255], for a text and its NUL.
inline constexpr int kLoadBufferSize = 255;

struct GeneratorInput
{
    QString list;                    // the extraction list text
    StringMode mode = StringMode::Global;
    SourcePage page = SourcePage::Cpp;
    QString className;               // class name of the form description's first line
    Language language = Language::English;
};

// "Create for NOT using RC-File": the texts as literals in the code.
// C++ page and DFM page; nothing on the header page.
std::optional<QStringList> codeWithoutResourceFile(const GeneratorInput &in);

// "Create for USING RC-File": loading code through LoadString. C++ page only.
std::optional<QStringList> codeForResourceFile(const GeneratorInput &in);

// "Create RC-File": the STRINGTABLE, identifiers number + 100. C++ page only.
std::optional<QStringList> resourceScript(const GeneratorInput &in);

// A C++ literal (or adjacent ones) of the list as a string table holds it:
// inside the quotes an escaped quote \" becomes "", as resource compilers
// read it; everything else stays as written.
QString resourceLiteral(const QString &cppLiteral);

// The same three line by line into sink, so that the output of a long list
// need not exist whole; false, with no line, where the others give nothing.
// An Exception may come after some lines.
using LineSink = std::function<void(const QString &line)>;
bool writeCodeWithoutResourceFile(const GeneratorInput &in, const LineSink &sink);
bool writeCodeForResourceFile(const GeneratorInput &in, const LineSink &sink);
bool writeResourceScript(const GeneratorInput &in, const LineSink &sink);
