#pragma once
// The UI language of the run (the window restores the one chosen last) and the
// switch announcement that windows with captions of their own listen to.
#include "uitext/Catalogue.h"

#include <QObject>

class UiLanguage : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Language language() const { return m_language; }
    bool isGerman() const { return m_language == Language::German; }

    // Catalogue entry n in the current language.
    QString text(unsigned n) const { return catalogueText(n, m_language); }

    // Sets the language; the announcement is made separately (announce()),
    // so that the main window can apply its own captions first.
    void setLanguage(Language lang) { m_language = lang; }
    void announce() { emit switched(m_language); }

signals:
    void switched(Language lang);

private:
    Language m_language = Language::English;
};
