// The extraction lists that last beside a unit: Open Extraction List, the
// hint that a list lies beside the unit just opened, and the warning when
// Extract gives a name the page used before.
#include "app/MainWindow.h"

#include "platform/gui/EditorModel.h"
#include "extract/ExtractionList.h"
#include "uitext/FileTexts.h"
#include "app/FolderMemory.h"
#include "app/LiteralsPanel.h"
#include "platform/core/Paths.h"
#include "platform/core/TextFile.h"
#include "uitext/UiLanguage.h"
#include "app/OutputWindow.h"
#include "components/Vstatus/Vstatus.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>

void MainWindow::createListItems(QMenu *menu)
{
    m_openListAction = new QAction(this);
    m_openListAction->setObjectName(QStringLiteral("OpenExtractionList1"));
    menu->addAction(m_openListAction);
    const auto caption = [this](Language lang) { m_openListAction->setText(fileText(FileText::ListOpenMenu, lang)); };
    caption(m_language->language());
    connect(m_language, &UiLanguage::switched, this, caption);
}

void MainWindow::openExtractionList()
{
    const int p = activePage();
    const Language lang = m_language->language();
    Dialogs::FileRequest request;
    request.title = fileText(FileText::ListOpenTitle, lang);
    request.filter = fileText(FileText::ListOpenFilter, lang);
    request.initialDir = m_baseFolder;
    request.fileName = ExtractionList::listFileName(m_baseName, SourcePage(p));
    request.options = Dialogs::HideReadOnly | Dialogs::PathMustExist | Dialogs::FileMustExist | Dialogs::EnableSizing;
    const std::optional<QString> chosen = Dialogs::instance().openFile(this, request);
    if (!chosen)
        return;
    const QString list = TextFile::withCrLfBreaks(unit().loadBeside(*chosen).text);
    const ExtractionList::ListFile read = ExtractionList::readListFile(list, p == DfmPage);
    if (read.fault != ExtractionList::ListFile::None) {
        const FileText why = read.fault == ExtractionList::ListFile::NameTwice ? FileText::ListNameTwice
                                                                               : FileText::ListNotAnEntry;
        ask(fileText(why, lang).arg(Paths::namePart(*chosen)).arg(read.faultLine), Dialogs::Icon::Exclamation,
            Dialogs::Buttons::Ok);
        return;
    }
    // One undo step: the list and, on the C++ page, the counter at its highest number.
    // The page's text stays as it is: a saved page stays saved.
    const bool wasSaved = session(p).isSaved();
    PageState after = pageState(p);
    after.list = list;
    if (p == CppPage)
        after.counter = read.highest;
    {
        PageEditStep edit(pageEditor(p)->document(), m_workspace, p, pageState(p));
        edit.commit(after);
    }
    setPageState(p, after);
    if (wasSaved)
        pageEditor(p)->document()->setModified(false);
    listWrittenOut(); // the list is as its file holds it
    setNameInUseWarning(QString());
    m_listBeside.clear();
    showListBeside();
}

void MainWindow::hintListBeside()
{
    m_numbersInUse.clear();
    setNameInUseWarning(QString());
    m_listBeside.clear();
    if (!m_baseName.isEmpty()) {
        for (const ExtractionList::NumberUse &u : ExtractionList::numberUsesInPage(pageModel(CppPage).text()))
            m_numbersInUse.insert(u.number);
        for (SourcePage p : {SourcePage::Cpp, SourcePage::Dfm}) {
            const QString name = ExtractionList::listFileName(m_baseName, p);
            if (QFileInfo(m_baseFolder + name).isFile()) {
                m_listBeside = name;
                break;
            }
        }
    }
    showListBeside();
}

// The hint is a short button that fits the status bar; its tool tip names
// the list and the menu item.
void MainWindow::showListBeside()
{
    const Language lang = m_language->language();
    m_listBesideButton->setText(fileText(FileText::ListBesideButton, lang));
    m_listBesideButton->setToolTip(fileText(FileText::ListBeside, lang).arg(m_listBeside));
    m_listBesideButton->setVisible(!m_listBeside.isEmpty());
}

void MainWindow::noteNewName(const QString &name)
{
    if (name.isEmpty() || !m_numbersInUse.count(ExtractionList::numberOfName(name)))
        return;
    setNameInUseWarning(name);
}

void MainWindow::setNameInUseWarning(const QString &name)
{
    m_warnedName = name;
    showNameInUse(!name.isEmpty());
}

void MainWindow::showNameInUse(bool shown)
{
    m_nameInUseWarning = shown ? fileText(FileText::NameInUse, m_language->language()).arg(m_warnedName) : QString();
    m_panel->setWarning(m_nameInUseWarning);
}

// Undo takes the warned name out of the list, and the warning with it; redo
// brings both back.
void MainWindow::followNameInUse()
{
    if (!m_warnedName.isEmpty())
        showNameInUse(ExtractionList::readListFile(listText(CppPage), false).names.contains(m_warnedName));
}
