#pragma once
// Drives the real main window in tests: presses its commands, reads and sets
// the pages, the list, the counter and the status, and finds its controls by
// their object names. The one place where tests reach behind the window's
// public face.
#include "app/AboutBox.h"
#include "platform/gui/DocumentText.h"
#include "platform/gui/EditorModel.h"
#include "app/LiteralsPanel.h"
#include "app/MainWindow.h"
#include "app/OutputWindow.h"
#include "uitext/UiLanguage.h"
#include "components/Vreg/Vreg.h"
#include "components/Vstatus/Vstatus.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

#include <array>
#include <functional>
#include <memory>

class MainWindowDriver
{
public:
    // Follows the fixture's window, also when a test makes a new one.
    explicit MainWindowDriver(std::unique_ptr<MainWindow> &window)
        : m_window([&window]() -> MainWindow & { return *window; })
    {
    }
    explicit MainWindowDriver(MainWindow &window) : m_window([&window]() -> MainWindow & { return window; }) {}

    // --- Commands ---
    void press(Command command) const { w().run(command); }

    // --- Pages, list, found text, root name ---
    QPlainTextEdit *editor(int page) const { return w().pageEditor(page); }
    EditorModel &page(int p) const { return w().pageModel(p); }
    QPlainTextEdit *list() const { return w().m_listEditor; }
    QPlainTextEdit *found() const { return w().m_foundText; }
    QLineEdit *root() const { return w().m_rootEdit; }
    QTabWidget *pages() const { return w().m_pages; }
    int activePage() const { return w().activePage(); }
    QString listText(int page) const { return w().listText(page); }

    // --- State ---
    QString baseName() const { return w().m_baseName; }
    QString baseFolder() const { return w().m_baseFolder; }
    // A unit set up by hand: the name, and the folder its files are in.
    void setBaseName(const QString &name) const { w().m_baseName = name; }
    void setBaseFolder(const QString &folder) const { w().m_baseFolder = folder; }
    bool saved(int page) const { return w().m_saved[page]; }
    void setSaved(int page, bool saved) const { w().m_saved[page] = saved; }
    std::array<bool, 3> savedPages() const { return w().m_saved.values(); }
    void setSavedPages(std::array<bool, 3> saved) const { w().m_saved = saved; }
    int counter(int page) const { return w().m_counter[page]; }
    std::array<int, 3> counters() const { return w().m_counter.values(); }
    void setCounters(std::array<int, 3> n) const { w().m_counter = n; }
    void setCounter(int page, int n) const { w().m_counter[page] = n; }
    RowCol lastEdit(int page) const { return w().m_lastEdit[page]; }
    void setLastEdit(int page, RowCol at) const { w().m_lastEdit[page] = at; }
    RowCol tracked(int page) const { return w().m_tracked[page]; }
    void setTracked(int page, RowCol at) const { w().m_tracked[page] = at; }
    // The list of a page not shown (its session's document).
    QString listSlot(int page) const { return DocumentText::text(w().session(page).list()); }
    void setListSlot(int page, const QString &list) const
    {
        DocumentText::setText(w().session(page).list(), list);
        w().session(page).list()->setModified(false);
    }
    bool busy() const { return w().m_busy; }
    PageSession &session(int page) const { return w().session(page); }
    SourceUnit &unit() const { return w().unit(); }
    StringMode stringMode() const { return w().stringMode(); }
    QString msg(unsigned n) const { return w().msg(n); }
    Dialogs::Button ask(const QString &text, Dialogs::Icon icon, Dialogs::Buttons buttons) const
    {
        return w().ask(text, icon, buttons);
    }

    // --- Status bar, settings, the other windows ---
    TVStatus *statusBar() const { return w().m_statusBar; }
    TVReg *settings() const { return w().m_settings; }
    UiLanguage *language() const { return w().m_language; }
    OutputWindow *output() const { return w().m_output; }
    AboutBox *about() const { return w().m_aboutBox; }
    LiteralsPanel *panel() const { return w().m_panel; }

    // --- The output window's controls by object name (Memo1, ListWarning,
    // SpeedButton1 to 4) ---
    template <typename T = QWidget>
    T *outputControl(const char *name) const
    {
        T *found = output()->template findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("the output window has no %s named %s", T::staticMetaObject.className(), name);
        return found;
    }

    // --- Controls by object name ---
    template <typename T = QWidget>
    T *control(const char *name) const
    {
        T *found = w().template findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("the main window has no %s named %s", T::staticMetaObject.className(), name);
        return found;
    }
    QAction *action(const char *name) const { return control<QAction>(name); }
    QToolButton *button(const char *name) const { return control<QToolButton>(name); }
    QCheckBox *checkBox(const char *name) const { return control<QCheckBox>(name); }
    QMenu *menu(const char *name) const { return control<QMenu>(name); }

    // --- Steps the window takes on its own (start-up, events, close) ---
    void applyCaptions() const { w().applyCaptions(); }
    void showPageStatus() const { w().showPageStatus(); }
    void showStatus() const { w().showStatus(); }
    void applyProtection() const { w().applyProtection(); }
    void applyToggleFound() const { w().applyToggleFound(); }
    void storeOptions() const { w().storeOptions(); }
    void restoreOptions() const { w().restoreOptions(); }
    void restoreOnShow() const { w().restoreOnShow(); }
    void queryClose(bool &canClose) const { w().queryClose(canClose); }
    void savePage(int page) const { w().savePage(page); }
    void loadPage(int page) const { w().loadPage(page); }
    void pageTyped(int page) const { w().pageTyped(page); }
    void pageSelectionReleased(int page) const { w().pageSelectionReleased(page); }
    void showCounter() const { w().showCounter(); }
    QString objectNameOfLine(int n) const { return w().objectNameOfLine(n); }
    QString classNameOfLine(int n) const { return w().classNameOfLine(n); }

private:
    MainWindow &w() const { return m_window(); }
    std::function<MainWindow &()> m_window;
};
