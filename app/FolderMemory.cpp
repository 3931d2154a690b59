#include "app/FolderMemory.h"

#include "platform/gui/Dialogs.h"
#include "platform/core/Exception.h"
#include "uitext/SettingsTexts.h"
#include "uitext/UiLanguage.h"
#include "components/Vreg/Vreg.h"

FolderMemory::FolderMemory(TVReg *settings, UiLanguage *language, QObject *parent)
    : QObject(parent), m_settings(settings), m_language(language)
{
}

QString FolderMemory::recall(const QString &key) const
{
    try {
        return m_settings->Pop(key);
    } catch (const Exception &) {
        return QString();
    }
}

void FolderMemory::remember(QWidget *window, const QString &key, const QString &value)
{
    try {
        m_settings->Push(key, value);
    } catch (const Exception &e) {
        if (m_failureShown)
            return;
        m_failureShown = true;
        Dialogs::instance().message(window, QStringLiteral("VTQX"),
                                    settingsText(SettingsText::FolderNotRemembered, m_language->language())
                                        .arg(e.Message()),
                                    Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
    }
}
