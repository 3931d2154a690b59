#pragma once
// One per-user settings key that holds named values directly, no groups.
// On Windows this is HKEY_CURRENT_USER\Software\<company>\<program> in the
// registry; elsewhere the INI file <config dir>/<company>/<program>.conf (or
// <config dir>/<program>.conf without a company).
#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>

class SettingsKey
{
public:
    // Where the key lives for this company and program.
    static QString location(const QString &company, const QString &program);

    // Opens the key. Without create, a key that does not exist gives nullptr.
    // With create, the key (and its parents) is made when missing; a key that
    // cannot be made still opens, and the write that follows fails.
    static std::unique_ptr<SettingsKey> open(const QString &company, const QString &program, bool create);

    bool hasValue(const QString &name) const;
    QVariant value(const QString &name) const;
    // Writes a text value and flushes it; false only when it could not be
    // stored (a file that was malformed when read does not count).
    bool writeText(const QString &name, const QString &text);

private:
    explicit SettingsKey(std::unique_ptr<QSettings> settings, bool usable);
    std::unique_ptr<QSettings> m_settings;
    bool m_usable;
};
