#pragma once
// The toolkit's own texts (the standard buttons, the file dialogs, the
// editors' context menus) in the UI language: German loads the toolkit's
// German catalogue from its translations folder, English removes it.
#include "uitext/Catalogue.h"

#include <QObject>

class QTranslator;

class ToolkitTexts : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~ToolkitTexts() override;

    void setLanguage(Language lang);
    // Whether the German catalogue was found (and is installed while German
    // is the language).
    bool germanAvailable();

private:
    QTranslator *m_german = nullptr;
    bool m_tried = false;
    bool m_installed = false;
};
