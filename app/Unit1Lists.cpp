// The extraction lists that last beside a unit: Open Extraction List, the
// hint that a list lies beside the unit just opened, and the warning when
// Extract gives a name the page used before.
#include "Unit1.h"

#include "EditorModel.h"
#include "ExtractionList.h"
#include "FileTexts.h"
#include "FolderMemory.h"
#include "LiteralsPanel.h"
#include "Paths.h"
#include "TextFile.h"
#include "UiLanguage.h"
#include "Unit3.h"
#include "Vstatus.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>

void TForm1::createListItems(QMenu *menu)
{
    OpenExtractionList1 = new QAction(this);
    OpenExtractionList1->setObjectName(QStringLiteral("OpenExtractionList1"));
    menu->addAction(OpenExtractionList1);
    const auto caption = [this](Language lang) { OpenExtractionList1->setText(fileText(FileText::ListOpenMenu, lang)); };
    caption(UiLang->language());
    connect(UiLang, &UiLanguage::switched, this, caption);
    connectGuarded(OpenExtractionList1, &QAction::triggered, this, &TForm1::OpenExtractionList1Click);
}

void TForm1::OpenExtractionList1Click()
{
    if (BaseName.isEmpty() || Busy)
        return;
    const int p = activePage();
    const Language lang = UiLang->language();
    Dialogs::FileRequest request;
    request.title = fileText(FileText::ListOpenTitle, lang);
    request.filter = fileText(FileText::ListOpenFilter, lang);
    request.initialDir = BaseFolder;
    request.fileName = ExtractionList::listFileName(BaseName, SourcePage(p));
    request.options = Dialogs::HideReadOnly | Dialogs::PathMustExist | Dialogs::FileMustExist | Dialogs::EnableSizing;
    const std::optional<QString> chosen = Dialogs::instance().openFile(this, request);
    if (!chosen)
        return;
    const QString list = TextFile::withCrLfBreaks(TextFile::load(*chosen).text);
    const ExtractionList::ListFile read = ExtractionList::readListFile(list, p == DfmPage);
    if (read.fault != ExtractionList::ListFile::None) {
        const FileText why = read.fault == ExtractionList::ListFile::NameTwice ? FileText::ListNameTwice
                                                                               : FileText::ListNotAnEntry;
        Ask(fileText(why, lang).arg(Paths::namePart(*chosen)).arg(read.faultLine), Dialogs::Icon::Exclamation,
            Dialogs::Buttons::Ok);
        return;
    }
    // One undo step: the list and, on the C++ page, the counter at its highest number.
    PageState after = pageState(p);
    after.list = list;
    if (p == CppPage)
        after.counter = read.highest;
    {
        PageEditStep edit(pageEditor(p)->document(), pageStateRead(p), pageStateApply(p));
        edit.commit(after);
    }
    setPageState(p, after);
    listWrittenOut(); // the list is as its file holds it
    setNameInUseWarning(QString());
}

void TForm1::hintListBeside()
{
    m_numbersInUse.clear();
    setNameInUseWarning(QString());
    if (BaseName.isEmpty())
        return;
    for (const ExtractionList::NumberUse &u : ExtractionList::numberUsesInPage(pageModel(CppPage).text()))
        m_numbersInUse.insert(u.number);
    for (SourcePage p : {SourcePage::Cpp, SourcePage::Dfm}) {
        const QString name = ExtractionList::listFileName(BaseName, p);
        if (QFileInfo(BaseFolder + name).isFile()) {
            VStatus1->Panel(3).SetText(fileText(FileText::ListBeside, UiLang->language()).arg(name));
            return;
        }
    }
}

void TForm1::noteNewName(const QString &name)
{
    if (name.isEmpty() || !m_numbersInUse.count(ExtractionList::numberOfName(name)))
        return;
    setNameInUseWarning(fileText(FileText::NameInUse, UiLang->language()).arg(name));
}

void TForm1::setNameInUseWarning(const QString &warning)
{
    m_nameInUseWarning = warning;
    literalsPanel->setWarning(warning);
}
