#include "app/UnitEncodings.h"

#include "app/RecentUnits.h"
#include "platform/core/CodePages.h"

UnitEncodings UnitEncodings::fromText(const QString &text)
{
    UnitEncodings out;
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype space = line.indexOf(u' ');
        if (const auto e = CodePages::named(line.left(space)); e && space > 0)
            out.m_choices.insert(line.mid(space + 1), *e);
    }
    return out;
}

QString UnitEncodings::toText() const
{
    QString out;
    for (auto it = m_choices.cbegin(); it != m_choices.cend(); ++it)
        if (!it.key().contains(u'\n'))
            out += CodePages::key(it.value()) + u' ' + it.key() + u'\n';
    return out;
}

std::optional<TextEncoding> UnitEncodings::of(const QString &path) const
{
    const auto it = m_choices.constFind(RecentUnits::unitKey(path));
    return it == m_choices.cend() ? std::nullopt : std::optional(it.value());
}

void UnitEncodings::set(const QString &path, std::optional<TextEncoding> choice)
{
    if (choice)
        m_choices.insert(RecentUnits::unitKey(path), *choice);
    else
        m_choices.remove(RecentUnits::unitKey(path));
}
