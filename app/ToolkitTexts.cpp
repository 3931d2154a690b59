#include "app/ToolkitTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

ToolkitTexts::~ToolkitTexts()
{
    setLanguage(Language::English);
}

bool ToolkitTexts::germanAvailable()
{
    if (!m_tried) {
        m_tried = true;
        auto *t = new QTranslator(this);
        if (t->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            m_german = t;
        else
            delete t;
    }
    return m_german != nullptr;
}

void ToolkitTexts::setLanguage(Language lang)
{
    const bool german = lang == Language::German && germanAvailable();
    if (german == m_installed)
        return;
    if (german)
        QCoreApplication::installTranslator(m_german);
    else
        QCoreApplication::removeTranslator(m_german);
    m_installed = german;
}
