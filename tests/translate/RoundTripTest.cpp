// Round trip over the real units: every literal extracted, exported, filled
// with a marked translation by the gettext tools, imported, compiled with the
// cross resource compiler and read back from the compiled resource.
#include "platform/core/Cp1252.h"
#include "extract/ExtractionList.h"
#include "scan/LiteralScanner.h"
#include "generate/OutputFile.h"
#include "platform/core/TextFile.h"
#include "scan/TextSource.h"
#include "translate/Translation.h"
#include "translate/WindowsLanguage.h"

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct QuietDriver
{
    void pump() {}
    bool stopRequested() const { return false; }
    void openQuote(int) {}
};

// The extraction list Find Next and Extract build over the source. The
// scanner only pairs quotes, so after a character literal '"' it pairs
// across code; those runs are not literals, and a user would not extract them.
QString extractAll(const QString &source, StringMode mode)
{
    TextSource src(source);
    QuietDriver driver;
    QStringList list;
    for (int from = 0;;) {
        const ScanResult r = scanCppLiteral(src, from, driver);
        if (r.outcome != ScanResult::Found)
            break;
        if (SourceTexts::decodeCppLiteral(source.mid(r.start, r.length)))
            list << ExtractionList::valueEntry(ExtractionList::stringName(int(list.size()) + 1),
                                               source.mid(r.start, r.length), mode);
        from = r.start + r.length;
    }
    return list.isEmpty() ? QString() : list.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// The sources: every real unit and one with the hard characters for certain.
QList<QPair<QString, QString>> sources()
{
    QList<QPair<QString, QString>> out;
    QDirIterator it(QStringLiteral(VTQX_SHARED_DIR "/units"), {QStringLiteral("*.cpp"), QStringLiteral("*.CPP")},
                    QDir::Files, QDirIterator::Subdirectories);
    QStringList paths;
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    for (const QString &path : paths) {
        QString text = TextFile::load(path).text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        out << qMakePair(QFileInfo(path).completeBaseName(), text.replace(u'\n', QStringLiteral("\r\n")));
    }
    out << qMakePair(QStringLiteral("Hard"), QStringLiteral("s = \"Say \\\"hi\\\"\\tto C:\\\\Temp\\r\\nnext line\";\r\n"
                                                            "t = \"Grüße \\xE4 Жук 中文 \\u20AC\";\r\nu = \"\";\r\n"));
    return out;
}

QString run(const QString &program, const QStringList &args, int &exitCode)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    exitCode = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}

// Decompiled string tables: (primary, sub, identifier) -> text.
using Table = QHash<QString, QString>;
QString key(int primary, int sub, const QString &id)
{
    return QStringLiteral("%1/%2/%3").arg(primary).arg(sub).arg(id);
}

QString decodeDecompiled(const QString &body, bool wide)
{
    QString out;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        if (c == u'"') {
            out += u'"'; // written doubled
            ++i;
            continue;
        }
        if (c != u'\\' || i + 1 >= body.size()) {
            out += c;
            continue;
        }
        const QChar e = body.at(++i);
        uint value = 0;
        if (e == u'x') {
            int k = 0;
            for (; k < (wide ? 4 : 2) && i + 1 < body.size() && isxdigit(body.at(i + 1).toLatin1()); ++k)
                value = value * 16 + QString(body.at(++i)).toUInt(nullptr, 16);
        } else if (e >= u'0' && e <= u'7') {
            value = e.unicode() - u'0';
            for (int k = 1; k < 3 && i + 1 < body.size() && body.at(i + 1) >= u'0' && body.at(i + 1) <= u'7'; ++k)
                value = value * 8 + (body.at(++i).unicode() - u'0');
        } else {
            const QString simple = QStringLiteral("n\nt\tr\ra\a\\\\\"\"");
            const qsizetype at = simple.indexOf(e);
            out += at >= 0 && at % 2 == 0 ? simple.at(at + 1) : e;
            continue;
        }
        out += wide || value >= 0x100 ? QString(QChar(char16_t(value))) : decodeCp1252(QByteArray(1, char(value)));
    }
    return out;
}

Table readDecompiled(const QString &rc)
{
    static const QRegularExpression language(QStringLiteral("^LANGUAGE (\\d+), (\\d+)$"));
    static const QRegularExpression entry(QStringLiteral("^\\s+(\\d+), (L?)\"(.*)\"$"));
    Table out;
    int primary = -1, sub = -1;
    for (const QString &line : rc.split(u'\n')) {
        if (const auto m = language.match(line); m.hasMatch()) {
            primary = m.captured(1).toInt();
            sub = m.captured(2).toInt();
        } else if (const auto e = entry.match(line); e.hasMatch()) {
            out.insert(key(primary, sub, e.captured(1)), decodeDecompiled(e.captured(3), !e.captured(2).isEmpty()));
        }
    }
    return out;
}

struct Marked
{
    const char *language;
    const char *marker;
};
const Marked kLanguages[] = {{"de_AT", "[de_AT Grüße] "}, {"ru", "[ru Жук 中] "}};

class RoundTrip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *tool : {"x86_64-w64-mingw32-windres", "cpp", "msgen", "msgfmt", "sed", "sh"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        ASSERT_TRUE(dir.isValid());
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(RoundTrip, EveryTranslatedStringArrivesUnderItsIdentifierAndLanguage)
{
    if (!QFileInfo(QStringLiteral(VTQX_SHARED_DIR "/units")).isDir())
        GTEST_SKIP() << "no shared units at " VTQX_SHARED_DIR "/units: the round trip needs them";
    int units = 0, checked = 0;
    QString seen; // every translated text, to prove the hard characters passed
    for (const auto &[name, source] : sources()) {
        SCOPED_TRACE(name.toStdString());
        const StringMode mode = units++ % 2 ? StringMode::Global : StringMode::Function;
        const QString list = extractAll(source, mode);

        Translation::TemplateInput in;
        in.cppList = list;
        in.mode = mode;
        in.baseName = name;
        in.created = QDateTime::currentDateTime();
        const QString pot = file(name + QStringLiteral(".pot"));
        {
            QFile f(pot);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(Translation::exportTemplate(in));
        }
        int exitCode = 0;
        QString log =
            run(QStringLiteral("msgfmt"),
                {QStringLiteral("--check"), QStringLiteral("-o"), QStringLiteral("/dev/null"), pot}, exitCode);
        ASSERT_EQ(exitCode, 0) << log.toStdString();

        // What a translator's tools would do: copy every text and mark it.
        QList<Translation::Translations> translations;
        for (const Marked &lang : kLanguages) {
            const QString po = file(name + u'.' + QLatin1String(lang.language) + QStringLiteral(".po"));
            log = run(QStringLiteral("sh"),
                      {QStringLiteral("-c"),
                       QStringLiteral("msgen -o \"$2\" \"$1\" && sed -i -e 's/^\"Language: \\\\n\"/\"Language: "
                                      "%1\\\\n\"/' -e '/^msgctxt/,$ s/^msgstr \"/msgstr \"%2/' \"$2\"")
                           .arg(QLatin1String(lang.language), QString::fromUtf8(lang.marker)),
                       QStringLiteral("fill"), pot, po},
                      exitCode);
            ASSERT_EQ(exitCode, 0) << log.toStdString();
            translations << Translation::Translations{po, PoFile::read(po)};
        }

        GeneratorInput gen;
        gen.list = list;
        gen.mode = mode;
        const Translation::Script script = *Translation::translatedScript(gen, translations);
        for (const Translation::Fallback &f : script.fallbacks)
            EXPECT_EQ(f.reason, Translation::Reason::NotLiteral) << f.entry.toStdString();

        const QString rc = file(name + QStringLiteral(".rc")), res = file(name + QStringLiteral(".res")),
                      back = file(name + QStringLiteral(".back.rc"));
        saveOutputText(rc, script.lines.join(u'\n'), OutputKind::ResourceScript);
        log = run(QStringLiteral("x86_64-w64-mingw32-windres"),
                  {QStringLiteral("--preprocessor=cpp"), QStringLiteral("-c"), QStringLiteral("1252"), rc,
                   QStringLiteral("-O"), QStringLiteral("res"), QStringLiteral("-o"), res},
                  exitCode);
        ASSERT_EQ(exitCode, 0) << log.toStdString();
        log = run(QStringLiteral("x86_64-w64-mingw32-windres"),
                  {QStringLiteral("-i"), res, QStringLiteral("-O"), QStringLiteral("rc"), QStringLiteral("-o"), back},
                  exitCode);
        ASSERT_EQ(exitCode, 0) << log.toStdString();
        QFile decompiled(back);
        ASSERT_TRUE(decompiled.open(QIODevice::ReadOnly));
        const Table table = readDecompiled(QString::fromLatin1(decompiled.readAll()));

        QHash<QString, QString> identifiers;
        for (const SourceTexts::Text &t : SourceTexts::valueTexts(list, mode))
            identifiers.insert(t.context, t.identifier);
        for (qsizetype l = 0; l < translations.size(); ++l) {
            const WindowsLanguage w = *windowsLanguage(QLatin1String(kLanguages[l].language));
            for (const PoFile::Message &m : translations[l].catalog.messages) {
                ASSERT_EQ(m.translation, QString::fromUtf8(kLanguages[l].marker) + m.text);
                const QString k = key(w.primary, w.sub, identifiers.value(m.context));
                ASSERT_TRUE(table.contains(k)) << "missing " << k.toStdString();
                EXPECT_EQ(table.value(k), m.translation) << k.toStdString();
                seen += m.translation;
                ++checked;
            }
        }
    }
    EXPECT_GE(units, 2);
    EXPECT_GE(checked, 2 * 1000) << "translations over all units";
    for (const char *hard : {"\"", "\\", "\t", "\r\n", "ü", "ä", "Жук", "中文", "€"})
        EXPECT_TRUE(seen.contains(QString::fromUtf8(hard))) << hard;
    RecordProperty("translations checked", checked);
}
} // namespace
