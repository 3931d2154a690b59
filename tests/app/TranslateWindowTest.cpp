// The translation commands of the File menu, driven as a user would.
#include "tests/support/FormFixture.h"
#include "app/OutputWindow.h"

#include <QDir>

using TranslateWindow = FormFixture;

namespace {
const QByteArray kGermanPo = "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n"
                             "\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                             "msgctxt \"String1\"\nmsgid \"Say \\\"hi\\\"\"\nmsgstr \"Sag \\\"hallo\\\"\"\n";
} // namespace

TEST_F(TranslateWindow, ItemsFollowThePageAndTheLanguage)
{
    writeUnit(QStringLiteral("Unit1"), "int x;\r\n", "", "object Form1: TForm1\r\nend\r\n");
    openUnit(QStringLiteral("Unit1.cpp"));
    for (int p : {MainWindow::HeaderPage, MainWindow::DfmPage, MainWindow::CppPage}) {
        showPage(p);
        tick();
        EXPECT_EQ(ui.action("ExportForTranslation1")->isEnabled(), p == MainWindow::CppPage) << p;
        EXPECT_EQ(ui.action("CreateRCFromTranslations1")->isEnabled(), p == MainWindow::CppPage) << p;
    }
    EXPECT_EQ(ui.action("ExportForTranslation1")->text(), QStringLiteral("Export for Translation ..."));
    form->run(Command::German);
    EXPECT_EQ(ui.action("ExportForTranslation1")->text(), QStringLiteral("Für Übersetzung exportieren ..."));
    EXPECT_EQ(ui.action("CreateRCFromTranslations1")->text(), QStringLiteral("RC-Datei aus Übersetzungen erstellen ..."));
    form->run(Command::English);
    EXPECT_EQ(ui.action("CreateRCFromTranslations1")->text(), QStringLiteral("Create RC-File from Translations ..."));
}

TEST_F(TranslateWindow, ExportThenScriptFromTheTranslation)
{
    writeUnit(QStringLiteral("Unit1"), "a = \"Say \\\"hi\\\"\";\r\nb = \"Bye\";\r\n", "",
              "object Form1: TForm1\r\n  Caption = 'Main'\r\nend\r\n");
    openUnit(QStringLiteral("Unit1.cpp"));
    ui.action("UseFunction2")->trigger();
    EditorModel::of(ui.list()).setText(QStringLiteral("String1, \"Say \\\"hi\\\"\"\r\nString2, \"Bye\"\r\n"));
    ui.setListSlot(MainWindow::DfmPage, QStringLiteral("Form1->Caption = \"Main\";\r\n"));
    dialogs->clear();

    dialogs->answerSave(dir.filePath(QStringLiteral("Unit1.pot")));
    ui.action("ExportForTranslation1")->trigger();
    ASSERT_EQ(dialogs->asked().size(), 1u);
    const Dialogs::FileRequest &save = dialogs->last().file;
    EXPECT_EQ(save.title, QStringLiteral("Export for Translation"));
    EXPECT_EQ(save.filter, QStringLiteral("PO Templates |*.pot"));
    EXPECT_EQ(save.defaultExt, QStringLiteral(".pot"));
    EXPECT_EQ(save.fileName, QStringLiteral("Unit1.pot"));
    const QByteArray pot = readFile(QStringLiteral("Unit1.pot"));
    EXPECT_TRUE(pot.contains("msgctxt \"String1\"\nmsgid \"Say \\\"hi\\\"\"\n")) << pot.toStdString();
    EXPECT_TRUE(pot.contains("#: Unit1.dfm\nmsgctxt \"Form1.Caption\"\nmsgid \"Main\"\n"));

    dialogs->clear();
    form->run(Command::German);
    const QString po = writeFile(QStringLiteral("de.po"), kGermanPo);
    QString caption, script;
    dialogs->answerOpenFiles(QStringList{po}).answerMessage(Dialogs::Button::Ok).answerModal([&](QDialog *d) {
        caption = d->windowTitle();
        script = static_cast<OutputWindow *>(d)->text();
    });
    ui.action("CreateRCFromTranslations1")->trigger();
    ASSERT_EQ(dialogs->asked().size(), 3u);
    EXPECT_EQ(dialogs->asked()[0].file.title, QStringLiteral("Übersetzungen öffnen"));
    EXPECT_EQ(dialogs->asked()[1].text,
              QStringLiteral("Diese Texte behalten den Ausgangstext:\n\nde: String2 - fehlt in der PO-Datei"));
    EXPECT_EQ(caption, QStringLiteral("Quelltext der RC-Datei mit Übersetzungen"));
    EXPECT_EQ(script, QStringLiteral("STRINGTABLE\r\n{\r\n  101, \"Say \"\"hi\"\"\"\r\n  102, \"Bye\"\r\n}\r\n\r\n"
                                     "LANGUAGE 0x07, 0x00\r\nSTRINGTABLE\r\n{\r\n  101, \"Sag \"\"hallo\"\"\"\r\n"
                                     "  102, \"Bye\"\r\n}\r\n"));
}

TEST_F(TranslateWindow, PluralsWithoutTheirHeaderAreShownEvenWithNothingMissing)
{
    writeUnit(QStringLiteral("Unit1"), "", "", "");
    openUnit(QStringLiteral("Unit1.cpp"));
    EditorModel::of(ui.list()).setText(QStringLiteral("String1 = \"Say \\\"hi\\\"\"\r\n"));
    dialogs->clear();
    const QString po = writeFile(QStringLiteral("de.po"), kGermanPo + "\nmsgid \"file\"\nmsgid_plural \"files\"\n"
                                                                      "msgstr[0] \"Datei\"\nmsgstr[1] \"Dateien\"\n");
    dialogs->answerOpenFiles(QStringList{po}).answerMessage(Dialogs::Button::Ok).answerModal([](QDialog *) {});
    ui.action("CreateRCFromTranslations1")->trigger();
    ASSERT_EQ(dialogs->asked().size(), 3u);
    EXPECT_EQ(dialogs->asked()[1].text, QDir::toNativeSeparators(po) +
                                            QStringLiteral(" has plural forms but no Plural-Forms header."));
}

TEST_F(TranslateWindow, UnknownLanguageIsShownAndNothingIsGenerated)
{
    writeUnit(QStringLiteral("Unit1"), "", "", "");
    openUnit(QStringLiteral("Unit1.cpp"));
    EditorModel::of(ui.list()).setText(QStringLiteral("String1 = \"x\"\r\n"));
    dialogs->clear();
    QByteArray klingon = kGermanPo;
    klingon.replace("Language: de", "Language: tlh");
    dialogs->answerOpenFiles(QStringList{writeFile(QStringLiteral("tlh.po"), klingon)})
        .answerMessage(Dialogs::Button::Ok);
    ui.action("CreateRCFromTranslations1")->trigger();
    ASSERT_EQ(dialogs->asked().size(), 2u);
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.startsWith(QStringLiteral("Unknown language \"tlh\" in ")))
        << dialogs->last().text.toStdString();

    dialogs->clear();
    dialogs->answerOpenFiles(std::nullopt).answerSave(std::nullopt);
    ui.action("CreateRCFromTranslations1")->trigger();
    ui.action("ExportForTranslation1")->trigger();
    EXPECT_EQ(dialogs->asked().size(), 2u) << "cancelled dialogs end the commands";
}
