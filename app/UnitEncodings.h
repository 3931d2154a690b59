#pragma once
// The encoding chosen in the window for each unit, remembered in the
// settings as text: one unit a line, "<key> <folder and base name>".
#include "platform/core/TextFile.h"

#include <QMap>
#include <QString>

#include <optional>

class UnitEncodings
{
public:
    // Lines as toText() writes them; a line with an unknown key is dropped.
    static UnitEncodings fromText(const QString &text);
    QString toText() const;

    // The choice for the unit that path (any of its files) belongs to.
    std::optional<TextEncoding> of(const QString &path) const;
    // Records a choice, or forgets it (nothing: detect again).
    void set(const QString &path, std::optional<TextEncoding> choice);

private:
    QMap<QString, TextEncoding> m_choices; // by RecentUnits::unitKey()
};
