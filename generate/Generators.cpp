#include "Generators.h"

#include "ExtractionList.h"

namespace EL = ExtractionList;

namespace {
// The two placement notes written after a generated function.
QStringList placementNotes(StringMode mode, Language lang)
{
    switch (mode) {
    case StringMode::Function: return {catalogueText(27, lang), catalogueText(28, lang)};
    case StringMode::Form: return {catalogueText(29, lang), catalogueText(28, lang)};
    case StringMode::Global: break;
    }
    return {catalogueText(30, lang), catalogueText(31, lang)};
}

// "}", two empty lines, the notes, one empty line.
void closeWithNotes(QStringList &out, StringMode mode, Language lang)
{
    out << QStringLiteral("}") << QString() << QString() << placementNotes(mode, lang) << QString();
}

// One declaration per entry: ` String <name> = "";`
void stringDeclarations(QStringList &out, const QStringList &entries)
{
    for (const QString &line : entries)
        out << QStringLiteral(" String ") + EL::entryName(line) + QStringLiteral(" = \"\";");
}

QString formCreateHead(const QString &className)
{
    return QStringLiteral("void __fastcall ") + className + QStringLiteral("::FormCreate(TObject *Sender)");
}

QString loadTextHead(const QString &className)
{
    return QStringLiteral("String __fastcall ") + className + QStringLiteral("::LoadTextRC(int index)");
}

QString loadTextDeclaration()
{
    return QStringLiteral("  String __fastcall LoadTextRC(int index);");
}
} // namespace

std::optional<QStringList> codeWithoutResourceFile(const GeneratorInput &in)
{
    const QStringList entries = EL::lines(in.list);
    QStringList out;
    if (in.page == SourcePage::Dfm) {
        // Property entries are whole statements already.
        out << formCreateHead(in.className) << QStringLiteral("{");
        for (const QString &line : entries)
            out << QStringLiteral("   ") + line + u';';
        closeWithNotes(out, StringMode::Function, in.language);
        out << QStringLiteral("        void __fastcall FormCreate(TObject *Sender);");
        return out;
    }
    if (in.page != SourcePage::Cpp)
        return std::nullopt;

    if (in.mode == StringMode::Function) {
        out << loadTextHead(in.className) << QStringLiteral("{") << QStringLiteral(" switch(index)")
            << QStringLiteral(" {");
        for (const QString &line : entries)
            out << QStringLiteral("   case ") + QString::number(EL::entryNumber(line)) + QStringLiteral(" : return (") +
                       EL::entryLiteral(line) + QStringLiteral(");");
        out << QStringLiteral(" }//switch") << QStringLiteral("}") << QString() << QString()
            << placementNotes(StringMode::Function, in.language) << QString() << loadTextDeclaration();
        return out;
    }

    out << formCreateHead(in.className) << QStringLiteral("{");
    for (const QString &line : entries)
        out << QStringLiteral("   ") + line + u';';
    closeWithNotes(out, in.mode, in.language);
    stringDeclarations(out, entries);
    return out;
}

std::optional<QStringList> codeForResourceFile(const GeneratorInput &in)
{
    if (in.page != SourcePage::Cpp)
        return std::nullopt;
    const QStringList entries = EL::lines(in.list);
    QStringList out;
    if (in.mode == StringMode::Function) {
        out << loadTextHead(in.className) << QStringLiteral("{") << QStringLiteral(" String TMP = \"\";")
            << QStringLiteral(" char buff[255];") << QStringLiteral(" switch(index)") << QStringLiteral(" {");
        for (const QString &line : entries) {
            const int n = EL::entryNumber(line);
            out << QStringLiteral("  case ") + QString::number(n) + QStringLiteral(": ")
                << QStringLiteral("         LoadString(HInstance, ") + EL::stringIdentifier(n) +
                       QStringLiteral(", buff, sizeof(buff));")
                << QStringLiteral("         TMP = buff;") << QStringLiteral("         return TMP;");
        }
        out << QStringLiteral(" }//switch") << QStringLiteral("}") << QString() << QString()
            << placementNotes(StringMode::Function, in.language) << QString() << loadTextDeclaration();
        return out;
    }

    out << formCreateHead(in.className) << QStringLiteral("{") << QStringLiteral(" String TMP = \"\";")
        << QStringLiteral(" char buff[255];");
    for (const QString &line : entries) {
        const QString name = EL::entryName(line);
        out << QStringLiteral("   LoadString(HInstance, ") + EL::stringIdentifier(EL::numberOfName(name)) +
                   QStringLiteral(", buff, sizeof(buff));")
            << QStringLiteral("   ") + name + QStringLiteral(" = buff;");
    }
    closeWithNotes(out, in.mode, in.language);
    stringDeclarations(out, entries);
    return out;
}

std::optional<QStringList> resourceScript(const GeneratorInput &in)
{
    if (in.page != SourcePage::Cpp)
        return std::nullopt;
    QStringList out{QStringLiteral("STRINGTABLE"), QStringLiteral("{")};
    for (const QString &line : EL::lines(in.list)) {
        if (in.mode == StringMode::Function)
            out << QStringLiteral("  ") + EL::stringIdentifier(EL::entryNumber(line)) + QStringLiteral(", ") +
                       EL::entryLiteral(line);
        else
            out << QStringLiteral("   ") + EL::stringIdentifier(EL::numberOfName(EL::entryName(line))) +
                       QStringLiteral(", ") + EL::entryValue(line);
    }
    out << QStringLiteral("}");
    return out;
}
