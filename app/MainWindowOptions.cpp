// The options record in the settings, the option items, and the editors'
// key and mouse events.
#include "app/MainWindow.h"

#include "platform/gui/EditorModel.h"
#include "platform/core/Exception.h"
#include "app/LiteralsPanel.h"
#include "uitext/UiLanguage.h"
#include "components/Vreg/Vreg.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

namespace {
const QString kLanguageValue = QStringLiteral("Language");
}

// ---------------------------------------------------------------------------
// Options

void MainWindow::storeOptions()
{
    m_settings->PushCheckBox(QStringLiteral("CB1"), m_protectBox);
    m_settings->PushCheckBox(QStringLiteral("CB2"), m_toggleFoundBox);
    m_settings->Push(QStringLiteral("CB4"), TVReg::checkCode(m_findNextOnExtractAction->isChecked()));
    m_settings->Push(QStringLiteral("CB3"), TVReg::checkCode(m_promptEqualAction->isChecked()));
    bool global = m_globalModeAction->isChecked(), form = m_formModeAction->isChecked(),
         function = m_functionModeAction->isChecked();
    m_settings->PushBool(QStringLiteral("RB1"), global, form, function);
    m_settings->Push(QStringLiteral("LiteralsPanel"), TVReg::checkCode(!m_panel->isHidden()));
    m_settings->Push(kLanguageValue, QString::fromUtf16(kLanguageCodes[size_t(m_language->language())]));
    storeLayout();
}

void MainWindow::restoreOptions()
{
    // A value that cannot be read (not text) leaves only its own option at
    // its default.
    const auto checkBox = [this](const char *key) {
        try {
            return m_settings->PopCheckBox(QLatin1String(key), true);
        } catch (const Exception &) {
            return true;
        }
    };
    m_protectBox->setChecked(checkBox("CB1"));
    m_toggleFoundBox->setChecked(checkBox("CB2"));
    m_promptEqualAction->setChecked(checkBox("CB3"));
    m_findNextOnExtractAction->setChecked(checkBox("CB4"));
    bool global = false, form = false, function = false;
    try {
        m_settings->PopBool(QStringLiteral("RB1"), global, form, function, 1);
    } catch (const Exception &) {
        global = true;
    }
    m_globalModeAction->setChecked(global);
    m_formModeAction->setChecked(form);
    m_functionModeAction->setChecked(function);
    bool panel = false;
    try {
        panel = m_settings->PopCheckBox(QStringLiteral("LiteralsPanel"), false);
    } catch (const Exception &) {
    }
    // The language chosen last; at the first start the system's (English
    // where it is none of the window's languages).
    std::optional<Language> lang;
    try {
        lang = languageOfCode(m_settings->Pop(kLanguageValue));
    } catch (const Exception &) {
    }
    if (!lang)
        lang = languageOfCode(QLocale().name());
    if (lang && *lang != m_language->language())
        switchLanguage(*lang);
    restoreLayout();
    m_panel->setVisible(panel);
    applyProtection();
    applyToggleFound();
}

void MainWindow::togglePromptEqualStrings()
{
    m_promptEqualAction->setChecked(!m_promptEqualAction->isChecked());
}

void MainWindow::toggleFindNextOnExtract()
{
    m_findNextOnExtractAction->setChecked(!m_findNextOnExtractAction->isChecked());
}

void MainWindow::setModeChecked(QAction *chosen)
{
    for (QAction *a : {m_globalModeAction, m_formModeAction, m_functionModeAction})
        a->setChecked(a == chosen);
}

// ---------------------------------------------------------------------------
// Editor events

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_toolArea && event->type() == QEvent::Resize)
        fitToolBar();
    for (int p = 0; p < 3; ++p) {
        QPlainTextEdit *m = pageEditor(p);
        if (watched == m && event->type() == QEvent::KeyPress && !m_typing) {
            // Only keys that produce a character count as typing (control
            // characters such as Backspace and Return included, Delete not).
            // The editor takes the key first: its edit is the step that undo
            // goes back from, and the mark after it keeps the saved state.
            // Undo and redo are no typing: the document tells whether they
            // reached the saved state.
            const auto *key = static_cast<QKeyEvent *>(event);
            if (!key->text().isEmpty() && key->key() != Qt::Key_Delete && !key->matches(QKeySequence::Undo) &&
                !key->matches(QKeySequence::Redo)) {
                const QScopedValueRollback guard(m_typing, true);
                QCoreApplication::sendEvent(watched, event);
                pageTyped(p);
                return true;
            }
        } else if (watched == m->viewport() && event->type() == QEvent::MouseButtonRelease && !m_releasing) {
            // The editor settles its selection on the release (a click inside
            // a selection clears it): let it handle the event first, then
            // copy what it holds.
            const QScopedValueRollback guard(m_releasing, true);
            QCoreApplication::sendEvent(watched, event);
            pageSelectionReleased(p);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
