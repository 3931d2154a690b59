// The guards over the user's work: one writer per unit (its lock, taken at
// Open and held until another unit is opened or the window closes), the
// repair of a run killed in its commit, and the unit's files changed on disk
// by someone else, noticed at once and never written over without a
// question.
#include "app/MainWindow.h"

#include "platform/core/Paths.h"
#include "platform/core/TextDifference.h"
#include "platform/core/TextFile.h"
#include "platform/gui/EditorModel.h"
#include "uitext/GuardTexts.h"
#include "uitext/UiLanguage.h"
#include "workspace/UnitWatch.h"
#include "unit/UnitLock.h"
#include "unit/UnitRecovery.h"
#include "platform/core/Exception.h"

#include <QApplication>
#include <QFileInfo>
#include <QScopeGuard>
#include <QLineEdit>
#include <QTimer>

void MainWindow::wireGuards()
{
    m_watch = new UnitWatch(this);
    connect(m_watch, &UnitWatch::changedOnDisk, this, &MainWindow::noteDiskChange);
}

bool MainWindow::takeUnitLock(const SourceUnit &opened, std::unique_ptr<UnitLock> &lock)
{
    auto wanted = std::make_unique<UnitLock>(opened.folder(), opened.baseName());
    if (m_lock && m_lock->path() == wanted->path()) { // this window's own unit again
        lock = std::move(m_lock);
        return true;
    }
    // A run of the command line holds a unit for a moment only.
    if (wanted->tryLock(200)) {
        lock = std::move(wanted);
        return true;
    }
    const Language lang = m_language->language();
    return ask(guardText(GuardText::OpenReadOnly, lang).arg(wanted->error(lang)), Dialogs::Icon::Exclamation,
               Dialogs::Buttons::YesNo) == Dialogs::Button::Yes;
}

void MainWindow::recoverOpenedUnit()
{
    if (!m_lock)
        return; // whoever holds the unit may be in the middle of its commit
    const QString done = recoverUnit(m_baseFolder, m_baseName, m_language->language());
    if (!done.isEmpty())
        ask(done, Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}

void MainWindow::checkUnitWritable()
{
    if (!m_readOnlyUnit)
        return;
    auto lock = std::make_unique<UnitLock>(m_baseFolder, m_baseName);
    if (!lock->tryLock(0))
        throw Exception(lock->error(m_language->language()));
    m_lock = std::move(lock);
    m_readOnlyUnit = false;
}

QString MainWindow::pageFileName(int page) const
{
    return Paths::namePart(m_workspace.unit.path(SourcePage(page)));
}

void MainWindow::noteDiskChange(SourcePage p)
{
    m_diskChanged.insert(int(p));
    QTimer::singleShot(0, this, [this] { runGuarded(this, [this] { settleDiskChanges(); }); });
}

void MainWindow::settleDiskChanges()
{
    if (m_diskChanged.empty() || m_askingDisk)
        return;
    // A scan or another question runs its own event loop: ask once it is over.
    if (m_busy || QApplication::activeModalWidget()) {
        QTimer::singleShot(100, this, [this] { runGuarded(this, [this] { settleDiskChanges(); }); });
        return;
    }
    m_askingDisk = true;
    const auto done = qScopeGuard([this] { m_askingDisk = false; });
    const Language lang = m_language->language();
    while (!m_diskChanged.empty()) {
        const int p = *m_diskChanged.begin();
        m_diskChanged.erase(m_diskChanged.begin());
        const SourcePage page = SourcePage(p);
        if (!m_watch->changed(page)) // changed back, or saved meanwhile
            continue;
        const QString name = pageFileName(p);
        if (!QFileInfo::exists(m_workspace.unit.path(page))) {
            ask(guardText(GuardText::RemovedFromDisk, lang).arg(name), Dialogs::Icon::Exclamation,
                Dialogs::Buttons::Ok);
            m_watch->noteCurrent(page);
            session(p).setSaved(false); // the window's text exists nowhere else now
            continue;
        }
        const GuardText question = m_saved[p] ? GuardText::ChangedOnDisk : GuardText::ChangedUnderEdits;
        if (ask(guardText(question, lang).arg(name), Dialogs::Icon::Question, Dialogs::Buttons::YesNo) ==
            Dialogs::Button::Yes) {
            reloadPage(p);
        } else {
            // The user keeps the window's text: it differs from the file now.
            m_watch->noteCurrent(page);
            session(p).setSaved(false);
        }
    }
}

void MainWindow::reloadPage(int page)
{
    SourceUnit &u = unit();
    const SourcePage p = SourcePage(page);
    u.load(p);
    m_watch->noteCurrent(p);
    if (!u.page(p).loaded) {
        ask(guardText(GuardText::ReloadFailed, m_language->language()).arg(pageFileName(page), u.page(p).error),
            Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        session(page).setSaved(false);
        return;
    }
    // One undo step that replaces only what changed; the page then holds
    // what its file holds.
    EditorModel &m = pageModel(page);
    const QString before = m.text();
    const QString after = TextFile::withCrLfBreaks(u.takeText(p));
    if (after != before) {
        const TextDifference d = differenceOf(before, after);
        m.replace(d.from, d.oldLength, after.mid(d.from, d.newLength));
    }
    session(page).setSaved(true);
}

bool MainWindow::mayOverwrite(int page)
{
    if (!m_watch->changed(SourcePage(page)))
        return true;
    const QString text = guardText(GuardText::OverwriteChanged, m_language->language()).arg(pageFileName(page));
    if (ask(text, Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo) != Dialogs::Button::Yes)
        return false;
    m_diskChanged.erase(page); // asked already
    return true;
}
