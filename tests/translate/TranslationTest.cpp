// PO templates out, translated string tables in.
#include "translate/Translation.h"
#include "platform/core/Exception.h"
#include "tests/support/QtPrint.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
using Translation::Reason;

// A list with the hard cases: escapes, a repeated text under two names, a
// name repeated with the same text, an empty text and a line that is no literal.
const QString kCppList = QStringLiteral("String1, \"Say \\\"hi\\\"\\tnow\\n\"\r\n"
                                        "String2, \"C:\\\\Temp\"\r\n"
                                        "String3, \"Say \\\"hi\\\"\\tnow\\n\"\r\n"
                                        "String4, \"\"\r\n"
                                        "String5, \"Größe Жук\"\r\n"
                                        "String2, \"C:\\\\Temp\"\r\n"
                                        "String6, no literal\r\n");
const QString kDfmList = QStringLiteral("Form1->Caption = \"Main\";\r\nForm1->Button1->Caption = \"Main\";\r\n");

QByteArray exportedTemplate()
{
    Translation::TemplateInput in;
    in.cppList = kCppList;
    in.mode = StringMode::Function;
    in.dfmList = kDfmList;
    in.baseName = QStringLiteral("Unit1");
    in.created = QDateTime::currentDateTime();
    return Translation::exportTemplate(in);
}

class TranslationFiles : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    // A PO file of language with the given message blocks after its header.
    Translation::Translations po(const QString &name, const char *language, const QByteArray &messages)
    {
        const QByteArray text = QByteArray("msgid \"\"\nmsgstr \"\"\n\"Language: ") + language
                                + "\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n" + messages;
        const QString path = write(name, text);
        return {path, PoFile::read(path)};
    }

    QTemporaryDir dir;
};

TEST_F(TranslationFiles, TemplateHoldsOneMessagePerEntryAndPassesMsgfmt)
{
    const QString path = write(QStringLiteral("Unit1.pot"), exportedTemplate());
    if (!QStandardPaths::findExecutable(QStringLiteral("msgfmt")).isEmpty()) {
        QProcess msgfmt;
        msgfmt.setProcessChannelMode(QProcess::MergedChannels);
        msgfmt.start(QStringLiteral("msgfmt"),
                     {QStringLiteral("--check"), QStringLiteral("-o"), QStringLiteral("/dev/null"), path});
        ASSERT_TRUE(msgfmt.waitForFinished(60000));
        EXPECT_EQ(msgfmt.exitCode(), 0) << msgfmt.readAll().toStdString();
    }

    const QFile::OpenMode mode = QIODevice::ReadOnly;
    QFile file(path);
    ASSERT_TRUE(file.open(mode));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("#. String identifier 105\n#: Unit1.cpp\nmsgctxt \"String5\"\nmsgid \"Größe Жук\"\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("#: Unit1.dfm\nmsgctxt \"Form1.Button1.Caption\"\nmsgid \"Main\"\n"));

    const PoFile::Catalog back = PoFile::read(path);
    QStringList contexts;
    for (const PoFile::Message &m : back.messages) {
        contexts << m.context;
        EXPECT_TRUE(m.translation.isEmpty());
    }
    // Empty and non-literal texts need no translator; String2 twice is one message.
    EXPECT_EQ(contexts,
              (QStringList{"String1", "String2", "String3", "String5", "Form1.Caption", "Form1.Button1.Caption"}));
    EXPECT_EQ(back.messages[0].text, QStringLiteral("Say \"hi\"\tnow\n"));
    EXPECT_EQ(back.messages[1].text, QStringLiteral("C:\\Temp"));
}

// msgfmt on path with the given options; its exit code, -1 when it is not installed.
int msgfmt(const QStringList &options, const QString &path, QString *log)
{
    if (QStandardPaths::findExecutable(QStringLiteral("msgfmt")).isEmpty())
        return -1;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("msgfmt"), options + QStringList{QStringLiteral("-o"), QStringLiteral("/dev/null"), path});
    p.waitForFinished(60000);
    *log = QString::fromUtf8(p.readAll());
    return p.exitCode();
}

TEST_F(TranslationFiles, FormatsPlacesAndFormEntriesReachTheTemplate)
{
    Translation::TemplateInput in;
    in.cppList = QStringLiteral("String1, \"%d files copied\"\r\nString2, \"100% done\"\r\n"
                                "String3, \"Size %5.2f%% of %s\"\r\nString4, \"plain\"\r\n");
    in.mode = StringMode::Function;
    in.dfmList = QStringLiteral("MainForm->ButtonOK->Caption = \"OK\";\r\nMainForm->List->Items->Strings[1] = \"b\";\r\n");
    in.baseName = QStringLiteral("Unit1");
    in.cppPlaces[QStringLiteral("String1")] = {{QStringLiteral("UNIT1.CPP"), 12}, {QStringLiteral("UNIT1.CPP"), 40}};
    in.cppPlaces[QStringLiteral("String3")] = {{QStringLiteral("UNIT1.CPP"), 14}};
    in.dfmPlaces[QStringLiteral("MainForm->ButtonOK->Caption")] = {{QStringLiteral("UNIT1.DFM"), 7}};
    in.created = QDateTime::currentDateTime();
    const QByteArray text = Translation::exportTemplate(in);
    EXPECT_TRUE(text.contains("#: UNIT1.CPP:12 UNIT1.CPP:40\n#, c-format\nmsgctxt \"String1\"\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("#: Unit1.cpp\nmsgctxt \"String2\"\n")) << "a plain percent sign is no format";
    EXPECT_TRUE(text.contains("#: UNIT1.CPP:14\n#, c-format\nmsgctxt \"String3\"\n"));
    EXPECT_TRUE(text.contains("#: Unit1.cpp\nmsgctxt \"String4\"\n"));
    EXPECT_TRUE(text.contains("#: UNIT1.DFM:7\nmsgctxt \"MainForm.ButtonOK.Caption\"\nmsgid \"OK\"\n"));
    EXPECT_TRUE(text.contains("#: Unit1.dfm\nmsgctxt \"MainForm.List.Items.Strings[1]\"\nmsgid \"b\"\n"));

    QString log;
    const QStringList check = {QStringLiteral("--check"), QStringLiteral("--check-format")};
    const int pot = msgfmt(check, write(QStringLiteral("Unit1.pot"), text), &log);
    if (pot < 0)
        GTEST_SKIP() << "msgfmt is not installed";
    EXPECT_EQ(pot, 0) << log.toStdString();
    // A translator who drops the directive is stopped; one who keeps it is not.
    const QByteArray head = "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n"
                            "\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n#, c-format\nmsgctxt \"String1\"\n"
                            "msgid \"%d files copied\"\nmsgstr ";
    EXPECT_NE(msgfmt(check, write(QStringLiteral("dropped.po"), head + "\"Dateien kopiert\"\n"), &log), 0);
    EXPECT_TRUE(log.contains(QStringLiteral("in 'msgid' and 'msgstr' does not match"))) << log.toStdString();
    EXPECT_EQ(msgfmt(check, write(QStringLiteral("kept.po"), head + "\"%d Dateien kopiert\"\n"), &log), 0)
        << log.toStdString();
}

TEST(CFormat, EveryPercentSignMustBeginADirective)
{
    const struct
    {
        const char *text;
        bool format;
    } cases[] = {
        {"%d files", true},          {"%s: %5.2f%%", true},      {"%%", true},
        {"%-10s|%08.3lf|%llu", true}, {"%1$s and %2$s", true},    {"%1$s and %s", false},
        {"100% done", false},         {"50%", false},             {"%y", false},
        {"no format", false},         {"%d of 100% done", false}, {"%'d %zu %*d", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PoFile::isCFormat(QString::fromUtf8(c.text)), c.format) << c.text;
}

TEST_F(TranslationFiles, EveryIdentifierInEveryTableAndEachFallbackReported)
{
    const QList<Translation::Translations> files = {
        po(QStringLiteral("de.po"), "de_AT",
           "msgctxt \"String1\"\nmsgid \"Say \\\"hi\\\"\\tnow\\n\"\nmsgstr \"Sag \\\"hallo\\\"\\tjetzt\\n\"\n\n"
           "#, fuzzy\nmsgctxt \"String2\"\nmsgid \"C:\\\\Temp\"\nmsgstr \"C:\\\\Vorl\"\n\n"
           "msgctxt \"String3\"\nmsgid \"Say \\\"hi\\\"\\tnow\"\nmsgstr \"old\"\n\n"
           "msgctxt \"String5\"\nmsgid \"Größe Жук\"\nmsgstr \"\"\n"),
        po(QStringLiteral("ru.po"), "ru",
           "msgctxt \"String5\"\nmsgid \"Größe Жук\"\nmsgstr \"Размер \\\\ жук\"\n\n"
           "#~ msgctxt \"String1\"\n#~ msgid \"Say \\\"hi\\\"\\tnow\\n\"\n#~ msgstr \"obsolete\"\n"),
    };
    GeneratorInput in;
    in.list = kCppList;
    in.mode = StringMode::Function;
    const Translation::Script script = *Translation::translatedScript(in, files);

    const QStringList source = *resourceScript(in);
    ASSERT_EQ(script.lines.mid(0, source.size()), source) << "the source table comes first, unchanged";
    const QStringList expected = {
        QString(),
        "LANGUAGE 0x07, 0x03",
        "STRINGTABLE",
        "{",
        "  101, \"Sag \"\"hallo\"\"\\tjetzt\\n\"",
        "  102, \"C:\\\\Temp\"",
        "  103, \"Say \"\"hi\"\"\\tnow\\n\"",
        "  104, \"\"",
        "  105, \"Größe Жук\"",
        "  102, \"C:\\\\Temp\"",
        "  106, String6, no literal",
        "}",
        QString(),
        "LANGUAGE 0x19, 0x00",
        "STRINGTABLE",
        "{",
        "  101, \"Say \"\"hi\"\"\\tnow\\n\"",
        "  102, \"C:\\\\Temp\"",
        "  103, \"Say \"\"hi\"\"\\tnow\\n\"",
        "  104, \"\"",
        "  105, \"Размер \\\\ жук\"",
        "  102, \"C:\\\\Temp\"",
        "  106, String6, no literal",
        "}",
    };
    EXPECT_EQ(script.lines.mid(source.size()), expected);

    QStringList reasons;
    for (const Translation::Fallback &f : script.fallbacks)
        reasons << f.language + u'/' + f.entry + u'/' + QString::number(int(f.reason));
    const auto r = [](Reason reason) { return QString::number(int(reason)); };
    EXPECT_EQ(reasons, (QStringList{"de_AT/String2/" + r(Reason::Fuzzy), "de_AT/String3/" + r(Reason::Stale),
                                    "de_AT/String5/" + r(Reason::Untranslated), "de_AT/String2/" + r(Reason::Fuzzy),
                                    "de_AT/String6/" + r(Reason::NotLiteral), "ru/String1/" + r(Reason::Missing),
                                    "ru/String2/" + r(Reason::Missing), "ru/String3/" + r(Reason::Missing),
                                    "ru/String2/" + r(Reason::Missing), "ru/String6/" + r(Reason::NotLiteral)}));
    EXPECT_EQ(Translation::fallbackReport(script.fallbacks, Language::German).at(2),
              QStringLiteral("de_AT: String5 - nicht übersetzt"));
    // Each entry counts once (String2 stands twice); the line without a literal not at all.
    ASSERT_EQ(script.counts.size(), 2);
    EXPECT_EQ(Translation::countsReport(script.counts[0], Language::English),
              QStringLiteral("de_AT: 1 translated, 1 fuzzy, 1 untranslated, 1 stale, 0 missing"));
    EXPECT_EQ(Translation::countsReport(script.counts[1], Language::English),
              QStringLiteral("ru: 1 translated, 0 fuzzy, 0 untranslated, 0 stale, 3 missing"));
}

TEST_F(TranslationFiles, LanguagesThatCannotBeNamedAreRefused)
{
    GeneratorInput in;
    in.list = kCppList;
    const struct
    {
        const char *first;
        const char *second;
        const char *message;
    } cases[] = {
        {"de", "tlh_QO", "Unknown language \"tlh_QO\" in "},
        {"", "de", " names no language (header field Language)."},
        {"de_DE", "de-DE", "Language \"de-DE\" is translated twice: "},
    };
    for (const auto &c : cases) {
        const QList<Translation::Translations> files = {po(QStringLiteral("a.po"), c.first, {}),
                                                        po(QStringLiteral("b.po"), c.second, {})};
        try {
            Translation::translatedScript(in, files);
            ADD_FAILURE() << "accepted " << c.first << " and " << c.second;
        } catch (const Exception &e) {
            EXPECT_TRUE(e.Message().contains(QLatin1String(c.message))) << e.Message().toStdString();
        }
    }
    in.page = SourcePage::Dfm;
    EXPECT_FALSE(Translation::translatedScript(in, {}).has_value());
}

TEST_F(TranslationFiles, BrokenPoFileIsAnErrorNamingIt)
{
    const QString path = write(QStringLiteral("broken.po"), "msgid \"x\"\nmsgstr \"y\nbroken\n");
    try {
        PoFile::read(path);
        ADD_FAILURE() << "a broken PO file was read";
    } catch (const Exception &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("broken.po"))) << e.Message().toStdString();
    }
    EXPECT_THROW(PoFile::read(dir.filePath(QStringLiteral("missing.po"))), Exception);
}

TEST(RcLiteral, TextsAreWrittenAsResourceCompilersReadThem)
{
    const struct
    {
        const char16_t *text;
        const char16_t *literal;
    } cases[] = {
        {u"plain", u"\"plain\""},
        {u"", u"\"\""},
        {u"say \"hi\"", u"\"say \"\"hi\"\"\""},
        {u"C:\\dir\\", u"\"C:\\\\dir\\\\\""},
        {u"a\tb\r\nc", u"\"a\\tb\\r\\nc\""},
        {u"bell\a\x1f\x7f", u"\"bell\\007\\037\\177\""},
        {u"Größe Жук 中", u"\"Größe Жук 中\""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Translation::rcLiteral(QString::fromUtf16(c.text)), QString::fromUtf16(c.literal));
}
} // namespace
