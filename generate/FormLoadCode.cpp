#include "generate/FormLoadCode.h"

#include "generate/Generators.h"

namespace FormLoadCode {

QString pathBelowRoot(const QString &path)
{
    const qsizetype arrow = path.indexOf(QLatin1String("->"));
    return arrow < 0 ? path : path.mid(arrow + 2).trimmed();
}

QStringList lines(const QString &className, const FormIds::Ids &ids)
{
    QStringList out{QStringLiteral("// Call LoadFormTextsRC() from the form's constructor or FormCreate."),
                    QStringLiteral("void __fastcall ") + className + QStringLiteral("::LoadFormTextsRC()"),
                    QStringLiteral("{"), QStringLiteral(" char buff[%1];").arg(kLoadBufferSize)};
    for (const auto &[path, id] : ids)
        out << QStringLiteral("   LoadString(HInstance, %1, buff, sizeof(buff));").arg(id)
            << QStringLiteral("   ") + pathBelowRoot(path) + QStringLiteral(" = buff;");
    out << QStringLiteral("}") << QStringLiteral("// In the form's class:  void __fastcall LoadFormTextsRC();");
    return out;
}

} // namespace FormLoadCode
