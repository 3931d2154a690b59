// The translation commands: a PO template of the extraction lists, and a
// resource script with a string table per translated language.
#include "app/MainWindow.h"

#include "platform/gui/EditorModel.h"
#include "platform/core/Paths.h"
#include "platform/core/TextFile.h"
#include "uitext/TranslateTexts.h"
#include "translate/Translation.h"
#include "uitext/UiLanguage.h"
#include "app/OutputWindow.h"
#include "components/Vreg/Vreg.h"

#include <QAction>
#include <QDateTime>
#include <QMenu>
#include <QPlainTextEdit>

namespace {
// The dialogs of both commands start in the folder of the last translation file.
const QString kFolderValue = QStringLiteral("InitPoDir");

// Lines of the fallback report shown in the message at most; the rest is counted.
constexpr qsizetype kReportLines = 30;
} // namespace

void MainWindow::createTranslateItems(QMenu *menu)
{
    m_exportPotAction = new QAction(this);
    m_exportPotAction->setObjectName(QStringLiteral("ExportForTranslation1"));
    m_translatedScriptAction = new QAction(this);
    m_translatedScriptAction->setObjectName(QStringLiteral("CreateRCFromTranslations1"));
    menu->addAction(m_exportPotAction);
    menu->addAction(m_translatedScriptAction);
    const auto captions = [this](Language lang) {
        m_exportPotAction->setText(translateText(TranslateText::ExportMenu, lang));
        m_translatedScriptAction->setText(translateText(TranslateText::ScriptMenu, lang));
    };
    captions(m_language->language());
    connect(m_language, &UiLanguage::switched, this, captions);
}

void MainWindow::exportForTranslation()
{
    if (activePage() != CppPage)
        return;
    const Language lang = m_language->language();
    Dialogs::FileRequest request;
    request.title = translateText(TranslateText::ExportTitle, lang);
    request.filter = translateText(TranslateText::ExportFilter, lang);
    request.defaultExt = QStringLiteral(".pot");
    request.initialDir = m_settings->Pop(kFolderValue);
    request.fileName = m_baseName.isEmpty() ? QString() : m_baseName + QStringLiteral(".pot");
    request.options = Dialogs::OverwritePrompt | Dialogs::HideReadOnly | Dialogs::PathMustExist | Dialogs::EnableSizing;
    const std::optional<QString> chosen = Dialogs::instance().saveFile(this, request);
    if (!chosen)
        return;
    m_settings->Push(kFolderValue, Paths::directoryPart(*chosen));

    Translation::TemplateInput in;
    in.cppList = EditorModel::of(m_listEditor).text();
    in.mode = stringMode();
    in.dfmList = listText(DfmPage);
    in.baseName = m_baseName;
    in.created = QDateTime::currentDateTime();
    // The template is UTF-8 throughout; the text file layer writes it atomically.
    TextFile::save(*chosen, QString::fromUtf8(Translation::exportTemplate(in)), TextEncoding::Utf8);
}

void MainWindow::createScriptFromTranslations()
{
    if (activePage() != CppPage)
        return;
    const Language lang = m_language->language();
    Dialogs::FileRequest request;
    request.title = translateText(TranslateText::ScriptTitle, lang);
    request.filter = translateText(TranslateText::ScriptFilter, lang);
    request.initialDir = m_settings->Pop(kFolderValue);
    request.options = Dialogs::HideReadOnly | Dialogs::PathMustExist | Dialogs::FileMustExist | Dialogs::EnableSizing;
    const std::optional<QStringList> chosen = Dialogs::instance().openFiles(this, request);
    if (!chosen || chosen->isEmpty())
        return;
    m_settings->Push(kFolderValue, Paths::directoryPart(chosen->constFirst()));

    QList<Translation::Translations> translations;
    for (const QString &path : *chosen)
        translations << Translation::Translations{path, PoFile::read(path)};
    GeneratorInput in;
    in.list = EditorModel::of(m_listEditor).text();
    in.mode = stringMode();
    in.page = SourcePage::Cpp;
    in.language = lang;
    const Translation::Script script = *Translation::translatedScript(in, translations);

    // Files with plural messages but no Plural-Forms header come first.
    QStringList message = Translation::catalogWarnings(translations, lang);
    if (!script.fallbacks.isEmpty()) {
        QStringList report = Translation::fallbackReport(script.fallbacks, lang);
        const qsizetype more = report.size() - kReportLines;
        if (more > 0) {
            report.resize(kReportLines);
            report << QStringLiteral("... (+%1)").arg(more);
        }
        if (!message.isEmpty())
            message << QString();
        message << translateText(TranslateText::FallbackHeading, lang) + QStringLiteral("\n\n") + report.join(u'\n');
    }
    if (!message.isEmpty())
        ask(message.join(u'\n'), Dialogs::Icon::Information, Dialogs::Buttons::Ok);
    m_output->setCaption(translateText(TranslateText::ScriptCaption, lang));
    m_output->setOutputKind(OutputKind::ResourceScript, outputCodePageOf(CppPage));
    m_output->clearText();
    m_output->appendLines(script.lines);
    m_output->showModally();
}
