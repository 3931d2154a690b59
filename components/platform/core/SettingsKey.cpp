#include "components/platform/core/SettingsKey.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString SettingsKey::location(const QString &company, const QString &program)
{
#ifdef Q_OS_WIN
    QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\");
    if (!company.isEmpty())
        key += company + u'\\';
    return key + program;
#else
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!company.isEmpty())
        dir += u'/' + company;
    return dir + u'/' + program + QStringLiteral(".conf");
#endif
}

std::unique_ptr<SettingsKey> SettingsKey::open(const QString &company, const QString &program, bool create)
{
    const QString where = location(company, program);
#ifdef Q_OS_WIN
    auto settings = std::make_unique<QSettings>(where, QSettings::NativeFormat);
    if (!create && settings->childKeys().isEmpty() && settings->childGroups().isEmpty())
        return nullptr;
    return std::unique_ptr<SettingsKey>(new SettingsKey(std::move(settings), true));
#else
    const QFileInfo info(where);
    if (!create && !info.isFile())
        return nullptr;
    bool usable = true;
    if (create && !info.exists())
        usable = QDir().mkpath(info.absolutePath()) && QFileInfo(info.absolutePath()).isDir();
    if (info.exists() && !info.isFile())
        usable = false;
    auto settings = std::make_unique<QSettings>(where, QSettings::IniFormat);
    return std::unique_ptr<SettingsKey>(new SettingsKey(std::move(settings), usable));
#endif
}

SettingsKey::SettingsKey(std::unique_ptr<QSettings> settings, bool usable)
    : m_settings(std::move(settings)), m_usable(usable)
{
}

bool SettingsKey::hasValue(const QString &name) const
{
    return m_settings->contains(name);
}

QVariant SettingsKey::value(const QString &name) const
{
    return m_settings->value(name);
}

bool SettingsKey::writeText(const QString &name, const QString &text)
{
    if (!m_usable)
        return false;
    m_settings->setValue(name, text);
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return true;
    if (m_settings->status() != QSettings::FormatError)
        return false;
    // A malformed file leaves FormatError on the object for good, and a later
    // AccessError is not recorded over it. A successful write rewrites the
    // file well-formed: a second look that parses everything tells.
    QSettings check(m_settings->fileName(), m_settings->format());
    check.allKeys();
    return check.status() == QSettings::NoError && check.value(name) == QVariant(text);
}
