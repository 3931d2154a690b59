#include "generate/Generators.h"

#include "extract/ExtractionList.h"
#include "generate/GeneratorTable.h"

namespace EL = ExtractionList;

namespace {
// Output lines as they are written: into a sink.
class Lines
{
public:
    explicit Lines(const LineSink &sink) : m_sink(sink) {}
    Lines &operator<<(const QString &line)
    {
        m_sink(line);
        return *this;
    }
    Lines &operator<<(const QStringList &lines)
    {
        for (const QString &line : lines)
            m_sink(line);
        return *this;
    }

private:
    const LineSink &m_sink;
};

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
void closeWithNotes(Lines &out, StringMode mode, Language lang)
{
    out << QStringLiteral("}") << QString() << QString() << placementNotes(mode, lang) << QString();
}

// One declaration per entry: ` String <name> = "";`
void stringDeclarations(Lines &out, const QString &list)
{
    EL::forEachLine(list, [&out](const QString &line) {
        out << QStringLiteral(" String ") + EL::entryName(line) + QStringLiteral(" = \"\";");
    });
}

QString formCreateHead(const QString &className)
{
    return QStringLiteral("void __fastcall ") + className + QStringLiteral("::FormCreate(TObject *Sender)");
}

QString loadTextHead(const QString &className)
{
    return QStringLiteral("String __fastcall ") + className + QStringLiteral("::LoadTextRC(int index)");
}

QString loadBuffer()
{
    return QStringLiteral(" char buff[%1];").arg(kLoadBufferSize);
}

QString loadTextDeclaration()
{
    return QStringLiteral("  String __fastcall LoadTextRC(int index);");
}
} // namespace

QString resourceLiteral(const QString &cppLiteral)
{
    if (!cppLiteral.contains(QLatin1String("\\\"")))
        return cppLiteral;
    QString out;
    out.reserve(cppLiteral.size() + 4);
    bool inside = false;
    for (qsizetype i = 0; i < cppLiteral.size(); ++i) {
        const QChar c = cppLiteral.at(i);
        if (c == u'"') {
            inside = !inside;
        } else if (inside && c == u'\\' && i + 1 < cppLiteral.size()) {
            const QChar next = cppLiteral.at(++i);
            out += next == u'"' ? QChar(u'"') : c;
            out += next;
            continue;
        }
        out += c;
    }
    return out;
}

std::optional<QStringList> codeWithoutResourceFile(const GeneratorInput &in)
{
    return generator(GeneratorKind::WithoutResourceFile).lines(in);
}

std::optional<QStringList> codeForResourceFile(const GeneratorInput &in)
{
    return generator(GeneratorKind::ForResourceFile).lines(in);
}

std::optional<QStringList> resourceScript(const GeneratorInput &in)
{
    return generator(GeneratorKind::ResourceScript).lines(in);
}

bool writeCodeWithoutResourceFile(const GeneratorInput &in, const LineSink &sink)
{
    if (!generator(GeneratorKind::WithoutResourceFile).worksOn(in.page))
        return false;
    Lines out(sink);
    if (in.page == SourcePage::Dfm) {
        // Property entries are whole statements already.
        out << formCreateHead(in.className) << QStringLiteral("{");
        EL::forEachLine(in.list, [&out](const QString &line) { out << QStringLiteral("   ") + line + u';'; });
        closeWithNotes(out, StringMode::Function, in.language);
        out << QStringLiteral("        void __fastcall FormCreate(TObject *Sender);");
        return true;
    }

    if (in.mode == StringMode::Function) {
        out << loadTextHead(in.className) << QStringLiteral("{") << QStringLiteral(" switch(index)")
            << QStringLiteral(" {");
        EL::forEachLine(in.list, [&out](const QString &line) {
            out << QStringLiteral("   case ") + QString::number(EL::entryNumber(line)) + QStringLiteral(" : return (") +
                       EL::entryLiteral(line) + QStringLiteral(");");
        });
        out << QStringLiteral(" }//switch") << QStringLiteral("}") << QString() << QString()
            << placementNotes(StringMode::Function, in.language) << QString() << loadTextDeclaration();
        return true;
    }

    out << formCreateHead(in.className) << QStringLiteral("{");
    EL::forEachLine(in.list, [&out](const QString &line) { out << QStringLiteral("   ") + line + u';'; });
    closeWithNotes(out, in.mode, in.language);
    stringDeclarations(out, in.list);
    return true;
}

bool writeCodeForResourceFile(const GeneratorInput &in, const LineSink &sink)
{
    if (!generator(GeneratorKind::ForResourceFile).worksOn(in.page))
        return false;
    Lines out(sink);
    if (in.mode == StringMode::Function) {
        out << loadTextHead(in.className) << QStringLiteral("{") << QStringLiteral(" String TMP = \"\";")
            << loadBuffer() << QStringLiteral(" switch(index)") << QStringLiteral(" {");
        EL::forEachLine(in.list, [&out](const QString &line) {
            const int n = EL::entryNumber(line);
            out << QStringLiteral("  case ") + QString::number(n) + QStringLiteral(": ")
                << QStringLiteral("         LoadString(HInstance, ") + EL::stringIdentifier(n) +
                       QStringLiteral(", buff, sizeof(buff));")
                << QStringLiteral("         TMP = buff;") << QStringLiteral("         return TMP;");
        });
        out << QStringLiteral(" }//switch") << QStringLiteral("}") << QString() << QString()
            << placementNotes(StringMode::Function, in.language) << QString() << loadTextDeclaration();
        return true;
    }

    out << formCreateHead(in.className) << QStringLiteral("{") << QStringLiteral(" String TMP = \"\";")
        << loadBuffer();
    EL::forEachLine(in.list, [&out](const QString &line) {
        const QString name = EL::entryName(line);
        out << QStringLiteral("   LoadString(HInstance, ") + EL::stringIdentifier(EL::numberOfName(name)) +
                   QStringLiteral(", buff, sizeof(buff));")
            << QStringLiteral("   ") + name + QStringLiteral(" = buff;");
    });
    closeWithNotes(out, in.mode, in.language);
    stringDeclarations(out, in.list);
    return true;
}

bool writeResourceScript(const GeneratorInput &in, const LineSink &sink)
{
    if (!generator(GeneratorKind::ResourceScript).worksOn(in.page))
        return false;
    Lines out(sink);
    out << QStringLiteral("STRINGTABLE") << QStringLiteral("{");
    EL::forEachLine(in.list, [&](const QString &line) {
        if (in.mode == StringMode::Function)
            out << QStringLiteral("  ") + EL::stringIdentifier(EL::entryNumber(line)) + QStringLiteral(", ") +
                       resourceLiteral(EL::entryLiteral(line));
        else
            out << QStringLiteral("   ") + EL::stringIdentifier(EL::numberOfName(EL::entryName(line))) +
                       QStringLiteral(", ") + resourceLiteral(EL::entryValue(line));
    });
    out << QStringLiteral("}");
    return true;
}
