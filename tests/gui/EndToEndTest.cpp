// Whole runs over the real units in the shared folder: open, step through
// every literal with Find Next, extract it, and generate the outputs.
#include "tests/support/FormFixture.h"
#include "app/OutputWindow.h"
#include "batch/BatchExtract.h"
#include "platform/core/TextFile.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
QString unitsFolder()
{
    return QStringLiteral(VTQX_SHARED_DIR "/units");
}

// The .cpp files of the shared units, in a fixed order.
QStringList unitSources()
{
    QStringList out;
    QDirIterator it(unitsFolder(), {QStringLiteral("*.cpp"), QStringLiteral("*.CPP")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        out << it.next();
    out.sort();
    return out;
}

QList<int> numbersOf(const QString &text, const QRegularExpression &re)
{
    QList<int> out;
    for (const auto &m : re.globalMatch(text))
        out << m.captured(1).toInt();
    return out;
}
} // namespace

class EndToEnd : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        if (!QFileInfo(unitsFolder()).isDir())
            GTEST_SKIP() << "no shared units at " << unitsFolder().toStdString();
        // Extract steps on by itself only when asked; here the test steps.
        ui.action("OnExtractFindNext2")->setChecked(false);
        ui.action("PromtEqualStrings2")->setChecked(false);
    }

    void openCopy(const QString &cppPath)
    {
        const QFileInfo cpp(cppPath);
        const QString base = cpp.completeBaseName();
        for (const QString &e : QDir(cpp.path()).entryList(QDir::Files))
            if (QFileInfo(e).completeBaseName() == base)
                QFile::copy(cpp.path() + u'/' + e, dir.filePath(e));
        dialogs->answerOpen(dir.filePath(cpp.fileName()));
        for (bool saved : ui.savedPages())
            if (!saved)
                dialogs->answerMessage(Dialogs::Button::No); // drop the previous unit's edits
        form->run(Command::Open);
        dialogs->clear();
    }

    // Find Next; false at the end of the text (the message is answered).
    bool findNext()
    {
        dialogs->clear();
        dialogs->answerMessage(Dialogs::Button::Ok);
        ui.action("FindNext1")->trigger();
        const bool ended = !dialogs->asked().empty();
        if (ended) {
            EXPECT_EQ(dialogs->asked().front().text, QStringLiteral("End of file reached."));
        }
        dialogs->clear();
        return !ended && page(MainWindow::CppPage).selLength() > 0;
    }

    // Extracts every literal of the C++ page; returns how many. Extract
    // refuses, with a message, what Find Next stops on in a preprocessor
    // line, a comment or a character literal.
    int extractAll(std::function<void(int n, const QString &literal)> check = {})
    {
        page(MainWindow::CppPage).setSelection(0, 0);
        int n = 0;
        while (findNext()) {
            const QString literal = EditorModel::of(ui.found()).text();
            dialogs->answerMessage(Dialogs::Button::Ok);
            ui.button("ToolButton5")->click();
            const bool refused = !dialogs->asked().empty();
            dialogs->clear();
            if (refused)
                continue;
            ++n;
            if (check)
                check(n, literal);
            if (n > 20000) {
                ADD_FAILURE() << "runaway";
                break;
            }
        }
        return n;
    }

    QString generate(QAction *command)
    {
        QString text;
        dialogs->answerModal([&](QDialog *d) { text = static_cast<OutputWindow *>(d)->text(); });
        command->trigger();
        return text;
    }
};

TEST_F(EndToEnd, EveryLiteralBecomesANumberedLoadTextRCCall)
{
    ui.action("UseFunction2")->trigger();
    int units = 0, total = 0;
    for (const QString &source : unitSources()) {
        SCOPED_TRACE(source.toStdString());
        openCopy(source);
        const QString root = ui.root()->text();
        QStringList literals;
        const int count = extractAll([&](int n, const QString &literal) {
            literals << literal;
            EXPECT_EQ(page(MainWindow::CppPage).selectedText(), QStringLiteral("%1->LoadTextRC(%2)").arg(root).arg(n));
        });
        // One entry per literal, in order (a literal that runs across a line
        // break makes an entry of two lines).
        QString expected;
        for (int i = 0; i < count; ++i)
            expected += QStringLiteral("String%1, %2\r\n").arg(i + 1).arg(literals[i]);
        EXPECT_EQ(EditorModel::of(ui.list()).text(), expected);
        EXPECT_EQ(ui.counter(MainWindow::CppPage), count);
        if (count > 0) {
            EXPECT_FALSE(ui.saved(MainWindow::CppPage));
        }
        // An encoding prefix went with its literal: no call is left behind one.
        const QRegularExpression prefixed(QStringLiteral("(^|[^A-Za-z0-9_])(L|u|U|u8)%1->LoadTextRC\\(")
                                              .arg(QRegularExpression::escape(root)));
        EXPECT_FALSE(page(MainWindow::CppPage).text().contains(prefixed));
        // No literal is left in the rewritten source: Find Next stops only
        // where Extract refuses.
        EXPECT_EQ(extractAll(), 0);
        ++units;
        total += count;
    }
    EXPECT_GE(units, 10);
    EXPECT_GE(total, 1000) << "literals extracted over all units";
}

TEST_F(EndToEnd, ResourceScriptAndLoadingCodeAgreeInEveryMode)
{
    // Two units with a literal of the code keep the run short; every mode on each.
    QStringList sources = unitSources();
    sources.removeIf([](const QString &cpp) {
        const std::vector<Batch::Literal> found = Batch::findLiterals(TextFile::load(cpp).text, SourcePage::Cpp);
        return std::none_of(found.begin(), found.end(), [](const Batch::Literal &l) { return l.isLiteral(); });
    });
    ASSERT_FALSE(sources.isEmpty());
    for (const QString &source : {sources.first(), sources.last()}) {
        for (QAction *mode : {ui.action("UseglobalStrings2"), ui.action("UseFormStrings2"), ui.action("UseFunction2")}) {
            SCOPED_TRACE(source.toStdString() + " / " + mode->objectName().toStdString());
            mode->trigger();
            openCopy(source);
            const int count = extractAll();
            ASSERT_GT(count, 0);
            const QString rc = generate(ui.action("CreateRCFile1"));
            const QString load = generate(ui.action("CreateLoadTextRC1"));
            const QString noRc = generate(ui.action("CreateFormOnLoad1"));
            // Each line of the list gives one line of the table, between
            // "{" and "}", and one load of the same identifier.
            const int lines = EditorModel::of(ui.list()).lineCount();
            const QStringList rcLines = rc.split(QStringLiteral("\r\n"));
            ASSERT_EQ(rcLines.size(), lines + 4) << "STRINGTABLE, {, the lines, }, and the empty rest";
            QList<int> rcIds;
            for (int i = 2; i < lines + 2; ++i)
                rcIds << rcLines[i].section(u',', 0, 0).trimmed().toInt();
            const QList<int> loadIds = numbersOf(load, QRegularExpression(QStringLiteral("LoadString\\(HInstance, (\\d+),")));
            EXPECT_EQ(rcIds, loadIds);
            if (lines == count) { // no literal ran across a line break
                for (int i = 0; i < count; ++i)
                    EXPECT_EQ(rcIds[i], 101 + i);
            }
            if (mode == ui.action("UseFunction2")) {
                const QList<int> cases = numbersOf(noRc, QRegularExpression(QStringLiteral("case (\\d+) : return")));
                ASSERT_EQ(cases.size(), lines);
                for (int i = 0; i < lines; ++i)
                    EXPECT_EQ(cases[i] + 100, rcIds[i]);
            } else {
                EXPECT_EQ(noRc.count(QStringLiteral("\r\n String ")), lines);
            }
        }
    }
}
