#pragma once
// The File menu's list of recently opened units: newest first, at most
// maxCount entries, one entry per unit (a unit is its folder and base name,
// so opening Unit1.h after Unit1.cpp keeps one entry, the newer path).
#include <QString>
#include <QStringList>

class RecentUnits
{
public:
    static constexpr int maxCount = 8;

    RecentUnits() = default;
    // Entries as stored by toText(); empty lines and surplus entries are dropped.
    static RecentUnits fromText(const QString &text);
    // One path a line; a path holding a line break is never recorded.
    QString toText() const;

    const QStringList &entries() const { return m_entries; }
    // Puts path first, dropping any entry of the same unit and the oldest beyond maxCount.
    void add(const QString &path);
    // Drops the entry of path's unit; false when there was none.
    bool remove(const QString &path);

    // Folder and base name, the identity of the unit that path belongs to.
    static QString unitKey(const QString &path);
    // Whether any of the unit's three files exists (names compared ignoring case).
    static bool unitExists(const QString &path);
    // "&1 /folder/Unit1.cpp", with '&' in the path doubled.
    static QString menuText(int index, const QString &path);

private:
    QStringList m_entries;
};
