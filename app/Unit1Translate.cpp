// The translation commands: a PO template of the extraction lists, and a
// resource script with a string table per translated language.
#include "Unit1.h"

#include "EditorModel.h"
#include "Paths.h"
#include "TextFile.h"
#include "TranslateTexts.h"
#include "Translation.h"
#include "UiLanguage.h"
#include "Unit3.h"
#include "Vreg.h"

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

void TForm1::createTranslateItems(QMenu *menu)
{
    ExportForTranslation1 = new QAction(this);
    ExportForTranslation1->setObjectName(QStringLiteral("ExportForTranslation1"));
    CreateRCFromTranslations1 = new QAction(this);
    CreateRCFromTranslations1->setObjectName(QStringLiteral("CreateRCFromTranslations1"));
    menu->addAction(ExportForTranslation1);
    menu->addAction(CreateRCFromTranslations1);
    const auto captions = [this](Language lang) {
        ExportForTranslation1->setText(translateText(TranslateText::ExportMenu, lang));
        CreateRCFromTranslations1->setText(translateText(TranslateText::ScriptMenu, lang));
    };
    captions(UiLang->language());
    connect(UiLang, &UiLanguage::switched, this, captions);
    connectGuarded(ExportForTranslation1, &QAction::triggered, this, &TForm1::ExportForTranslation1Click);
    connectGuarded(CreateRCFromTranslations1, &QAction::triggered, this, &TForm1::CreateRCFromTranslations1Click);
}

void TForm1::ExportForTranslation1Click()
{
    if (activePage() != CppPage)
        return;
    const Language lang = UiLang->language();
    Dialogs::FileRequest request;
    request.title = translateText(TranslateText::ExportTitle, lang);
    request.filter = translateText(TranslateText::ExportFilter, lang);
    request.defaultExt = QStringLiteral(".pot");
    request.initialDir = VReg1->Pop(kFolderValue);
    request.fileName = BaseName.isEmpty() ? QString() : BaseName + QStringLiteral(".pot");
    request.options = Dialogs::OverwritePrompt | Dialogs::HideReadOnly | Dialogs::PathMustExist | Dialogs::EnableSizing;
    const std::optional<QString> chosen = Dialogs::instance().saveFile(this, request);
    if (!chosen)
        return;
    VReg1->Push(kFolderValue, Paths::directoryPart(*chosen));

    Translation::TemplateInput in;
    in.cppList = EditorModel::of(Memo1).text();
    in.mode = stringMode();
    in.dfmList = ListSlot[DfmPage];
    in.baseName = BaseName;
    in.created = QDateTime::currentDateTime();
    // The template is UTF-8 throughout; the text file layer writes it atomically.
    TextFile::save(*chosen, QString::fromUtf8(Translation::exportTemplate(in)), TextEncoding::Utf8);
}

void TForm1::CreateRCFromTranslations1Click()
{
    if (activePage() != CppPage)
        return;
    const Language lang = UiLang->language();
    Dialogs::FileRequest request;
    request.title = translateText(TranslateText::ScriptTitle, lang);
    request.filter = translateText(TranslateText::ScriptFilter, lang);
    request.initialDir = VReg1->Pop(kFolderValue);
    request.options = Dialogs::HideReadOnly | Dialogs::PathMustExist | Dialogs::FileMustExist | Dialogs::EnableSizing;
    const std::optional<QStringList> chosen = Dialogs::instance().openFiles(this, request);
    if (!chosen || chosen->isEmpty())
        return;
    VReg1->Push(kFolderValue, Paths::directoryPart(chosen->constFirst()));

    QList<Translation::Translations> translations;
    for (const QString &path : *chosen)
        translations << Translation::Translations{path, PoFile::read(path)};
    GeneratorInput in;
    in.list = EditorModel::of(Memo1).text();
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
        Ask(message.join(u'\n'), Dialogs::Icon::Information, Dialogs::Buttons::Ok);
    Form3->setCaption(translateText(TranslateText::ScriptCaption, lang));
    Form3->setOutputKind(OutputKind::ResourceScript);
    Form3->clearText();
    Form3->appendLines(script.lines);
    Form3->showModally();
}
