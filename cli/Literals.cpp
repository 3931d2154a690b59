#include "Literals.h"

#include "Exception.h"

#include <QJsonArray>
#include <QJsonDocument>

std::vector<UnitLiterals> readLiterals(std::vector<SourceUnit> &units, SourcePage page, int jobs, CliStreams &io,
                                       Language lang)
{
    std::vector<UnitLiterals> out(units.size());
    runParallel(int(units.size()), jobs, [&](int i) {
        UnitLiterals &u = out[size_t(i)];
        u.path = units[size_t(i)].path(page);
        try {
            const CliPage p = loadPage(units[size_t(i)], page);
            u.literals = Batch::findLiterals(p.text, page);
        } catch (const Exception &e) {
            u.error = e.Message();
        }
    }, io, lang);
    return out;
}

namespace {
QString verdictName(LiteralHints h)
{
    return verdictOf(h) == LiteralVerdict::UserText ? QStringLiteral("user-text") : QStringLiteral("probably-not");
}
} // namespace

QString literalLine(const QString &path, const Batch::Literal &l)
{
    QString text = l.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\\r\\n"));
    const QStringList hints = hintNames(l.hints);
    return QStringLiteral("%1:%2:%3: %4%5 %6")
        .arg(path)
        .arg(l.pos.row)
        .arg(l.pos.col)
        .arg(verdictName(l.hints), hints.isEmpty() ? QString() : QStringLiteral(" [") + hints.join(u',') + u']',
             text);
}

QJsonObject literalJson(const QString &path, const Batch::Literal &l)
{
    return QJsonObject{{QStringLiteral("file"), path},
                       {QStringLiteral("row"), l.pos.row},
                       {QStringLiteral("column"), l.pos.col},
                       {QStringLiteral("text"), l.text},
                       {QStringLiteral("hints"), QJsonArray::fromStringList(hintNames(l.hints))},
                       {QStringLiteral("verdict"), verdictName(l.hints)}};
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

int writeLiterals(const std::vector<UnitLiterals> &units, bool json,
                  const std::function<bool(const Batch::Literal &)> &keep, CliStreams &io, bool *failed)
{
    QJsonArray array;
    int written = 0;
    *failed = false;
    for (const UnitLiterals &u : units) {
        if (!u.error.isEmpty()) {
            fail(io, u.error);
            *failed = true;
            continue;
        }
        for (const Batch::Literal &l : u.literals) {
            if (!keep(l))
                continue;
            ++written;
            if (json)
                array.append(literalJson(u.path, l));
            else
                io.out << literalLine(u.path, l) << '\n';
        }
    }
    if (json)
        io.out << QJsonDocument(array).toJson();
    return written;
}
