// The translation loop as translators and release engineers run it, with
// gettext's own tools: extract, pot, translate, extract again, msgmerge, rc.
#include "tests/support/CliRun.h"
#include "cli/Command.h"
#include "translate/PoFile.h"
#include "tests/support/QtPrint.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString kWindres = QStringLiteral("x86_64-w64-mingw32-windres");

class TranslationLoop : public ::testing::Test, protected TempFolder
{
protected:
    void SetUp() override
    {
        for (const char *tool : {"msginit", "msgmerge", "msgen", "msgfmt", "sed", "sh"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                GTEST_SKIP() << tool << " (gettext) is not installed";
        ASSERT_TRUE(dir.isValid());
    }


    int cli(const QStringList &args)
    {
        const CliRun r = runCliCaptured(args);
        out = r.out;
        err = r.err;
        return r.exit;
    }

    // A tool's exit code; its output in log.
    int tool(const QString &program, const QStringList &args)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, args);
        const bool done = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit;
        log = QString::fromUtf8(p.readAll());
        return done ? p.exitCode() : -1;
    }

    // A German translation of every message of pot, as a script does it:
    // msginit, then each text copied behind a marker.
    void translateAll(const QString &pot, const QString &po)
    {
        ASSERT_EQ(tool(QStringLiteral("msginit"), {QStringLiteral("--no-translator"), QStringLiteral("--no-wrap"),
                                                   QStringLiteral("-l"), QStringLiteral("de_DE.UTF-8"),
                                                   QStringLiteral("-i"), pot, QStringLiteral("-o"), po}),
                  0)
            << log.toStdString();
        ASSERT_EQ(tool(QStringLiteral("sh"), {QStringLiteral("-c"),
                                              QStringLiteral("msgen --no-wrap -o \"$1\" \"$1\" && sed -i "
                                                             "'/^msgctxt/,$ s/^msgstr \"/msgstr \"[de] /' \"$1\""),
                                              QStringLiteral("translate"), po}),
                  0)
            << log.toStdString();
    }

    void checkTemplate(const QString &pot)
    {
        EXPECT_EQ(tool(QStringLiteral("msgfmt"), {QStringLiteral("--check"), QStringLiteral("--check-format"),
                                                  QStringLiteral("-o"), QStringLiteral("/dev/null"), pot}),
                  0)
            << log.toStdString();
    }

    QString out, err, log;
};

QHash<QString, PoFile::Message> byContext(const QString &po)
{
    QHash<QString, PoFile::Message> out;
    for (const PoFile::Message &m : PoFile::read(po).messages)
        out.insert(m.context, m);
    return out;
}

const QByteArray kUnit = "#include \"Unit1.h\"\r\n"
                         "void __fastcall TForm1::Button1Click(TObject *Sender)\r\n"
                         "{\r\n"
                         "    ShowMessage(\"Say \\\"hello\\\"\");\r\n"
                         "    Label1->Caption = Format(\"%d files copied\", 3);\r\n"
                         "    Label2->Caption = \"Size: %5.2f MB\";\r\n"
                         "    Edit1->Text = \"Gr\xC3\xB6\xC3\x9F\x65 \xC3\xA4ndern\";\r\n"
                         "    Memo1->Text = \"first \"\r\n"
                         "                  \"second\";\r\n"
                         "    Edit2->Text = \"Last one\";\r\n"
                         "}\r\n";
const QByteArray kForm = "object Form1: TForm1\r\n"
                         "  Caption = 'Main window'\r\n"
                         "  object Button1: TButton\r\n"
                         "    Caption = 'Copy'\r\n"
                         "    Hint = 'It''s 100% safe'\r\n"
                         "  end\r\n"
                         "end\r\n";

// Each line of a places file names a line of its file that holds what it says.
void expectPlaces(const QByteArray &places, const QString &folder, const std::function<QString(const QString &)> &want)
{
    const QStringList lines = QString::fromUtf8(places).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_FALSE(lines.isEmpty());
    for (const QString &line : lines) {
        const QStringList parts = line.split(u'\t');
        ASSERT_EQ(parts.size(), 2) << line.toStdString();
        const QString file = parts[1].section(u':', 0, 0);
        const int number = parts[1].section(u':', 1).toInt();
        QFile f(folder + u'/' + file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        const QStringList text = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
        ASSERT_TRUE(number >= 1 && number <= text.size()) << line.toStdString();
        EXPECT_TRUE(text[number - 1].contains(want(parts[0]))) << line.toStdString() << " -> " << text[number - 1].toStdString();
    }
}

TEST_F(TranslationLoop, SecondRoundKeepsEveryFinishedTranslation)
{
    write(QStringLiteral("U/Unit1.cpp"), kUnit);
    write(QStringLiteral("U/Unit1.h"), "class TForm1;\r\n");
    write(QStringLiteral("U/Unit1.dfm"), kForm);
    const QString unit = path(QStringLiteral("U/Unit1.cpp"));
    ASSERT_EQ(cli({"extract", "--mode", "function", "--all", unit}), ExitOk) << err.toStdString();
    ASSERT_EQ(cli({"extract", "--page", "dfm", "--all", unit}), ExitOk) << err.toStdString();
    const auto call = [](const QString &name) { return QStringLiteral("LoadTextRC(%1)").arg(name.mid(6)); };
    expectPlaces(read(QStringLiteral("U/Unit1.list.pos")), path(QStringLiteral("U")), call);
    expectPlaces(read(QStringLiteral("U/Unit1.dfm.list.pos")), path(QStringLiteral("U")),
                 [](const QString &name) { return name.section(QStringLiteral("->"), -1) + QStringLiteral(" ="); });

    const QString pot1 = path(QStringLiteral("Unit1.pot")), po = path(QStringLiteral("de.po"));
    ASSERT_EQ(cli({"pot", unit, "--out", pot1}), ExitOk) << err.toStdString();
    checkTemplate(pot1);
    const QByteArray t1 = read(QStringLiteral("Unit1.pot"));
    EXPECT_TRUE(t1.contains("#: Unit1.cpp:5\n#, c-format\nmsgctxt \"String2\"\nmsgid \"%d files copied\"")) << t1.toStdString();
    EXPECT_TRUE(t1.contains("#: Unit1.cpp:9\nmsgctxt \"String6\"\nmsgid \"Last one\"")) << "a joined group moved it up";
    EXPECT_TRUE(t1.contains("#: Unit1.dfm:5\nmsgctxt \"Form1.Button1.Hint\"\nmsgid \"It's 100% safe\""));
    translateAll(pot1, po);
    const QHash<QString, PoFile::Message> first = byContext(po);
    ASSERT_EQ(first.size(), 9);
    for (const PoFile::Message &m : first)
        ASSERT_EQ(m.translation, QStringLiteral("[de] ") + m.text);

    // The code changes: one literal goes (with its entry), two come.
    QString code = QString::fromUtf8(read(QStringLiteral("U/Unit1.cpp")));
    code.remove(QRegularExpression(QStringLiteral("[^\\n]*LoadTextRC\\(3\\)[^\\n]*\\n")));
    code.replace(QStringLiteral("}\r\n"), QStringLiteral("    Edit3->Text = \"Zebra crossing %s\";\r\n"
                                                         "    Edit4->Text = \"Quiet xylophone\";\r\n}\r\n"));
    write(QStringLiteral("U/Unit1.cpp"), code.toUtf8());
    // The list is in Windows-1252 where its texts fit; ö and ä are the same in Latin-1.
    QString list = QString::fromLatin1(read(QStringLiteral("U/Unit1.list.txt")));
    list.remove(QRegularExpression(QStringLiteral("String3,[^\\n]*\\n")));
    write(QStringLiteral("U/Unit1.list.txt"), list.toLatin1());

    ASSERT_EQ(cli({"extract", "--mode", "function", "--all", unit}), ExitOk) << err.toStdString();
    const QString listed = QString::fromLatin1(read(QStringLiteral("U/Unit1.list.txt")));
    EXPECT_TRUE(listed.endsWith(QStringLiteral("String7, \"Zebra crossing %s\"\r\nString8, \"Quiet xylophone\"\r\n")))
        << "numbers go on after the highest: " << listed.toStdString();
    // The places follow the edit: found anew in the page.
    expectPlaces(read(QStringLiteral("U/Unit1.list.pos")), path(QStringLiteral("U")), call);
    EXPECT_FALSE(read(QStringLiteral("U/Unit1.list.pos")).contains("String3"));

    const QString pot2 = path(QStringLiteral("Unit1-2.pot"));
    ASSERT_EQ(cli({"pot", unit, "--out", pot2}), ExitOk) << err.toStdString();
    checkTemplate(pot2);
    ASSERT_EQ(tool(QStringLiteral("msgmerge"), {QStringLiteral("--quiet"), QStringLiteral("--update"),
                                                QStringLiteral("--backup=none"), po, pot2}),
              0)
        << log.toStdString();
    const QHash<QString, PoFile::Message> second = byContext(po);
    EXPECT_EQ(second.size(), 10);
    EXPECT_FALSE(second.contains(QStringLiteral("String3"))) << "the removed entry's message is obsolete";
    for (auto it = first.begin(); it != first.end(); ++it) {
        if (it.key() == u"String3")
            continue;
        ASSERT_TRUE(second.contains(it.key())) << it.key().toStdString();
        EXPECT_EQ(second[it.key()].translation, it->translation) << it.key().toStdString();
        EXPECT_FALSE(second[it.key()].fuzzy) << it.key().toStdString();
    }
    for (const char *fresh : {"String7", "String8"}) {
        ASSERT_TRUE(second.contains(QLatin1String(fresh)));
        EXPECT_TRUE(second[QLatin1String(fresh)].translation.isEmpty()) << fresh;
        EXPECT_FALSE(second[QLatin1String(fresh)].fuzzy) << fresh;
    }
    EXPECT_EQ(tool(QStringLiteral("msgfmt"), {QStringLiteral("--check"), QStringLiteral("--check-format"),
                                              QStringLiteral("-o"), QStringLiteral("/dev/null"), po}),
              0)
        << log.toStdString();

    EXPECT_EQ(cli({"rc", unit, "--po", po, "--strict", "--out", path(QStringLiteral("Unit1.rc"))}), ExitFindings);
    EXPECT_EQ(err, QStringLiteral("fallback: de: String7 - not translated\n"
                                  "fallback: de: String8 - not translated\n"
                                  "vtqx-cli rc: 2 texts keep the source text (--strict).\n"));
}

TEST_F(TranslationLoop, ProjectTemplateOfThreeRealUnitsSplitsIntoScriptsThatCompile)
{
    const QString shared = QStringLiteral(VTQX_SHARED_DIR "/units");
    const QStringList units = {QStringLiteral("kasse/VerkaufFrm"), QStringLiteral("kasse/KasseMainFrm"),
                               QStringLiteral("scheduler/ActivityFrm")};
    for (const QString &u : units)
        if (!QFileInfo::exists(shared + u'/' + u + QStringLiteral(".cpp")))
            GTEST_SKIP() << "the real units are not at " << shared.toStdString();
    if (QStandardPaths::findExecutable(kWindres).isEmpty() || QStandardPaths::findExecutable(QStringLiteral("cpp")).isEmpty())
        GTEST_SKIP() << "x86_64-w64-mingw32-windres or cpp is not installed";
    for (const QString &u : units)
        for (const char *ext : {".cpp", ".h", ".dfm"}) {
            QFile f(shared + u'/' + u + QLatin1String(ext));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
            write(QStringLiteral("P/") + u + QLatin1String(ext), f.readAll());
        }
    const QString project = path(QStringLiteral("P"));
    ASSERT_EQ(cli({"extract", "--mode", "function", "--user-text", project}), ExitOk) << err.toStdString();
    ASSERT_EQ(cli({"extract", "--page", "dfm", "--user-text", project}), ExitOk) << err.toStdString();
    const QString pot = path(QStringLiteral("project.pot")), po = path(QStringLiteral("de.po"));
    ASSERT_EQ(cli({"pot", project, "--out", pot}), ExitOk) << err.toStdString();
    checkTemplate(pot);
    translateAll(pot, po);

    ASSERT_EQ(cli({"rc", project, "--po", po, "--strict", "--out", path(QStringLiteral("rc"))}), ExitOk)
        << err.toStdString();
    const QHash<QString, PoFile::Message> messages = byContext(po);
    for (const QString &u : units) {
        const QString name = QFileInfo(u).fileName();
        SCOPED_TRACE(name.toStdString());
        const QString rc = path(QStringLiteral("rc/") + name + QStringLiteral(".rc"));
        ASSERT_EQ(tool(kWindres, {QStringLiteral("--preprocessor=cpp"), QStringLiteral("-c"), QStringLiteral("1252"),
                                  rc, QStringLiteral("-O"), QStringLiteral("coff"), QStringLiteral("-o"),
                                  rc + QStringLiteral(".o")}),
                  0)
            << log.toStdString();
        EXPECT_FALSE(log.contains(QStringLiteral("warning"))) << log.toStdString();
        // Only this unit's messages: as many entries in the German table as the unit's list has.
        const QString script = QString::fromUtf8(read(QStringLiteral("rc/") + name + QStringLiteral(".rc")));
        const qsizetype listed = QString::fromUtf8(read(QStringLiteral("P/") + u + QStringLiteral(".list.txt")))
                                     .count(QStringLiteral("\r\n"));
        EXPECT_GT(listed, 0);
        EXPECT_EQ(script.count(QStringLiteral("\r\n  ")), 2 * listed);
        qsizetype own = 0;
        for (auto it = messages.begin(); it != messages.end(); ++it)
            own += it.key().startsWith(name + u'/') && !it.key().contains(u'.');
        EXPECT_GT(own, 0);
    }
}
// The unit with both pages extracted; false when a step failed.
class FormTexts : public TranslationLoop
{
protected:
    void SetUp() override
    {
        TranslationLoop::SetUp();
        if (IsSkipped())
            return;
        for (const QString &folder : {QStringLiteral("U/"), QStringLiteral("V/")}) {
            write(folder + QStringLiteral("Unit1.cpp"), kUnit);
            write(folder + QStringLiteral("Unit1.h"), "class TForm1;\r\n");
            write(folder + QStringLiteral("Unit1.dfm"), kForm);
            ASSERT_EQ(cli({"extract", "--mode", "function", "--all", path(folder + QStringLiteral("Unit1.cpp"))}), ExitOk)
                << err.toStdString();
        }
        unit = path(QStringLiteral("U/Unit1.cpp"));
        ASSERT_EQ(cli({"extract", "--page", "dfm", "--all", unit}), ExitOk) << err.toStdString();
    }
    QString ids() const { return QString::fromUtf8(read(QStringLiteral("U/Unit1.dfm.list.ids"))); }
    QString unit;
};

TEST_F(FormTexts, IdentifiersLastAcrossRunsAndNeverMeetTheCppPage)
{
    const QString first = ids();
    EXPECT_EQ(first, QStringLiteral("Form1->Caption\t40000\r\nForm1->Button1->Caption\t40001\r\n"
                                    "Form1->Button1->Hint\t40002\r\n"));
    const QString code = QString::fromUtf8(read(QStringLiteral("U/Unit1.dfm.loadrc.cpp")));
    EXPECT_TRUE(code.contains(QStringLiteral("void __fastcall TForm1::LoadFormTextsRC()\r\n{\r\n char buff[255];\r\n"
                                             "   LoadString(HInstance, 40000, buff, sizeof(buff));\r\n"
                                             "   Caption = buff;\r\n"
                                             "   LoadString(HInstance, 40001, buff, sizeof(buff));\r\n"
                                             "   Button1->Caption = buff;\r\n")))
        << code.toStdString();

    // A new text continues after the highest, even below a lower --form-start; the others keep theirs.
    write(QStringLiteral("U/Unit1.dfm"), QByteArray(kForm).replace("  end\r\nend", "  end\r\n  object Label1: TLabel\r\n"
                                                                                  "    Caption = 'New'\r\n  end\r\nend"));
    ASSERT_EQ(cli({"extract", "--page", "dfm", "--all", "--form-start", "200", unit}), ExitOk) << err.toStdString();
    EXPECT_EQ(ids(), first + QStringLiteral("Form1->Label1->Caption\t40003\r\n"));

    write(QStringLiteral("U/Unit1.cpp"), QByteArray(kUnit).replace("}\r\n", "    Edit3->Text = \"More\";\r\n}\r\n"));
    // V has C++ numbers 1..6 (identifiers 101..106) and no form identifiers yet.
    const QString v = path(QStringLiteral("V/Unit1.cpp"));
    const struct
    {
        QStringList args;
        std::string message;
    } refused[] = {
        {{"extract", "--page", "dfm", "--form-start", "106", v}, "the C++ page's reach 106 (" + v.toStdString() + ")"},
        {{"extract", "--page", "dfm", "--form-start", "65534", v}, "would pass 65535"},
        {{"extract", "--page", "dfm", "--form-start", "65536", v}, "is not a number from 1 to 65535"},
        {{"extract", "--mode", "function", "--start", "39899", unit}, "but the form's begin at 40000"},
    };
    for (const auto &r : refused) {
        EXPECT_EQ(cli(r.args), ExitError) << r.args.join(u' ').toStdString();
        EXPECT_TRUE(err.contains(QString::fromStdString(r.message))) << err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("V/Unit1.dfm.list.ids"))));
    ASSERT_EQ(cli({"extract", "--page", "dfm", "--form-start", "107", v}), ExitOk) << err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(read(QStringLiteral("V/Unit1.dfm.list.ids"))).startsWith(QStringLiteral("Form1->Caption\t107\r\n")));
}

TEST_F(FormTexts, RcTranslatesFormTextsAndCatchesWhatTheBufferCannotHold)
{
    const QString pot = path(QStringLiteral("Unit1.pot")), po = path(QStringLiteral("de.po"));
    ASSERT_EQ(cli({"pot", unit, "--out", pot}), ExitOk) << err.toStdString();
    translateAll(pot, po);
    const QString rc = path(QStringLiteral("Unit1.rc"));
    ASSERT_EQ(cli({"rc", unit, "--po", po, "--strict", "--statistics", "--out", rc}), ExitOk) << err.toStdString();
    EXPECT_EQ(err, QStringLiteral("de: 9 translated, 0 fuzzy, 0 untranslated, 0 stale, 0 missing\n"));
    const QString script = QString::fromLatin1(read(QStringLiteral("Unit1.rc")));
    EXPECT_TRUE(script.contains(QStringLiteral("\r\n 40000, \"Main window\"\r\n"))) << script.toStdString();
    EXPECT_TRUE(script.contains(QStringLiteral("\r\n 40002, \"[de] It's 100% safe\"\r\n"))) << script.toStdString();

    // Bytes count in the language's code page: 200 umlauts are 400 bytes of UTF-8 but fit.
    const QByteArray translated = read(QStringLiteral("de.po"));
    const struct
    {
        QByteArray text;
        int exit;
        QString warning;
    } lengths[] = {
        {QByteArray(300, 'x'), ExitFindings,
         QStringLiteral("warning: de: Form1.Button1.Caption is 300 bytes in code page 1252; the loading code holds 254\n"
                        "vtqx-cli rc: 1 texts are longer than the loading code holds (--strict).\n")},
        {QString(200, QChar(0xC4)).toUtf8(), ExitOk, QString()},
    };
    for (const auto &l : lengths) {
        write(QStringLiteral("de.po"), QByteArray(translated).replace("msgstr \"[de] Copy\"", "msgstr \"" + l.text + '"'));
        EXPECT_EQ(cli({"rc", unit, "--po", po, "--strict", "--out", rc}), l.exit);
        EXPECT_EQ(err, l.warning);
    }
}

TEST_F(FormTexts, PseudoTranslationPassesMsgfmtAndBuildsAPseudoLocaleTable)
{
    const QString po = path(QStringLiteral("qps.po"));
    ASSERT_EQ(cli({"pot", unit, "--pseudo", "qps-ploc", "--out", po}), ExitOk) << err.toStdString();
    checkTemplate(po);
    const QHash<QString, PoFile::Message> messages = byContext(po);
    EXPECT_EQ(messages.value(QStringLiteral("Form1.Button1.Hint")).translation, QString::fromUtf16(u"[Ît'š 100% šåfé·····]"));
    EXPECT_EQ(messages.value(QStringLiteral("String2")).translation,
              QString::fromUtf16(u"[%d fîléš çöpîéð·····]"));
    const QString rc = path(QStringLiteral("Unit1.rc"));
    ASSERT_EQ(cli({"rc", unit, "--po", po, "--strict", "--out", rc}), ExitOk) << err.toStdString();
    EXPECT_TRUE(read(QStringLiteral("Unit1.rc")).contains("\r\nLANGUAGE 0x101, 0x01\r\nSTRINGTABLE\r\n"));
    if (QStandardPaths::findExecutable(kWindres).isEmpty() || QStandardPaths::findExecutable(QStringLiteral("cpp")).isEmpty())
        GTEST_SKIP() << "x86_64-w64-mingw32-windres or cpp is not installed";
    EXPECT_EQ(tool(kWindres, {QStringLiteral("--preprocessor=cpp"), QStringLiteral("-c"), QStringLiteral("1252"), rc,
                              QStringLiteral("-O"), QStringLiteral("coff"), QStringLiteral("-o"), rc + QStringLiteral(".o")}),
              0)
        << log.toStdString();
}
TEST_F(FormTexts, FitCheckFindsTheNarrowButtonInEveryFormatAndDrawsTheForm)
{
    write(QStringLiteral("W/Unit1.cpp"), "#include \"Unit1.h\"\r\n");
    write(QStringLiteral("W/Unit1.dfm"), "object Form1: TForm1\r\n  ClientWidth = 200\r\n  ClientHeight = 80\r\n"
                                         "  Font.Height = -11\r\n  Font.Name = 'Tahoma'\r\n"
                                         "  object Button1: TButton\r\n    Left = 8\r\n    Top = 8\r\n    Width = 60\r\n"
                                         "    Height = 25\r\n    Caption = 'Cancel'\r\n  end\r\n"
                                         "  object Label1: TLabel\r\n    Left = 8\r\n    Top = 40\r\n    Width = 20\r\n"
                                         "    Height = 13\r\n    Caption = 'Name'\r\n  end\r\nend\r\n");
    const QString w = path(QStringLiteral("W/Unit1.cpp"));
    ASSERT_EQ(cli({"extract", "--page", "dfm", w}), ExitOk) << err.toStdString();
    write(QStringLiteral("de.po"), "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                                   "msgctxt \"Form1.Button1.Caption\"\nmsgid \"Cancel\"\nmsgstr \"Abbrechen und schlie\xC3\x9F"
                                   "en\"\n\nmsgctxt \"Form1.Label1.Caption\"\nmsgid \"Name\"\nmsgstr \"Vorname und Nachname\"\n");
    const QString po = path(QStringLiteral("de.po")), rc = path(QStringLiteral("W.rc"));
    const QRegularExpression finding(QStringLiteral("de: Form1\\.Button1\\.Caption needs (\\d+) px, the control is 60 px"));
    for (const char *format : {"text", "gcc", "json", "sarif"}) {
        SCOPED_TRACE(format);
        EXPECT_EQ(cli({"rc", w, "--po", po, "--check-fit", "--format", format, "--out", rc}), ExitFindings);
        const QRegularExpressionMatch m = finding.match(out);
        ASSERT_TRUE(m.hasMatch()) << out.toStdString();
        EXPECT_GT(m.captured(1).toInt(), 60);
        EXPECT_EQ(out.count(QStringLiteral("px, the control is")), 1) << "the AutoSize label is left out";
        EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral(":\\s?11\\b")))) << "the caption's line";
        if (QStringLiteral("json sarif").contains(QLatin1String(format))) {
            EXPECT_FALSE(QJsonDocument::fromJson(out.toUtf8()).isNull()) << out.toStdString();
        }
        if (!QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) {
            EXPECT_TRUE(err.contains(QStringLiteral("font Tahoma is not installed; measured with "))) << err.toStdString();
        }
    }

    ASSERT_EQ(cli({"rc", w, "--po", po, "--preview", path(QStringLiteral("png")), "--out", rc}), ExitOk)
        << err.toStdString();
    const QImage picture(path(QStringLiteral("png/Unit1.de.png")));
    ASSERT_EQ(picture.size(), QSize(200, 80 + 22));
    const QRgb red = picture.pixel(8 + 1, 22 + 8 + 12); // the overflowing button's marked left edge
    EXPECT_GT(qRed(red), 200);
    EXPECT_LT(qGreen(red), 60);
}
} // namespace
