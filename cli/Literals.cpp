#include "cli/Literals.h"
#include "cli/Findings.h"

#include <QJsonArray>

QString literalLine(const QString &path, const Batch::Literal &l)
{
    QString text = l.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\\r\\n"));
    const QStringList hints = hintNames(l.hints);
    return QStringLiteral("%1:%2:%3: %4%5 %6")
        .arg(path)
        .arg(l.pos.row)
        .arg(l.pos.col)
        .arg(verdictName(l.verdict()), hints.isEmpty() ? QString() : QStringLiteral(" [") + hints.join(u',') + u']',
             text);
}

QJsonObject literalJson(const QString &path, const Batch::Literal &l)
{
    return QJsonObject{{QStringLiteral("file"), path},
                       {QStringLiteral("row"), l.pos.row},
                       {QStringLiteral("column"), l.pos.col},
                       {QStringLiteral("text"), l.text},
                       {QStringLiteral("hints"), QJsonArray::fromStringList(hintNames(l.hints))},
                       {QStringLiteral("verdict"), verdictName(l.verdict())}};
}

bool pageOption(const QString &value, SourcePage *page)
{
    if (value.isEmpty() || value == u"cpp")
        *page = SourcePage::Cpp;
    else if (value == u"dfm")
        *page = SourcePage::Dfm;
    else
        return false;
    return true;
}

