#include "OutputFile.h"

#include "Cp1252.h"
#include "ExtractionList.h"
#include "TextFile.h"

QByteArray encodeOutputText(const QString &text, OutputKind kind)
{
    QString out;
    out.reserve(text.size() + 16);
    for (const QString &line : ExtractionList::lines(text))
        out += line + QStringLiteral("\r\n");
    bool fits = false;
    const QByteArray single = encodeCp1252(out, &fits);
    if (fits)
        return single;
    switch (kind) {
    case OutputKind::CppCode:
        return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
    case OutputKind::ResourceScript:
        return QByteArray("#pragma code_page(65001)\r\n") + out.toUtf8();
    case OutputKind::Text:
        break;
    }
    return out.toUtf8();
}

void saveOutputText(const QString &path, const QString &text, OutputKind kind)
{
    TextFile::writeAtomically(path, encodeOutputText(text, kind));
}
