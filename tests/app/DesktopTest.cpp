#include "app/CommandLine.h"
#include "tests/support/FormFixture.h"
#include "platform/core/TextFile.h"

#include <QProcess>
#include <QToolBar>

using Desktop = FormFixture;

namespace {
const QString kSample = QStringLiteral(VTQX_SOURCE_DIR "/examples/sample/");
} // namespace

TEST_F(Desktop, FileArgumentOpensTheUnitOnceTheWindowIsShown)
{
    // The form description named on the command line opens the whole sample unit.
    const QString file = unitFileArgument({QStringLiteral("vtqx"), kSample + QStringLiteral("MainForm.dfm")});
    form->openFromCommandLine(file);
    EXPECT_TRUE(ui.baseName().isEmpty()); // not before the event loop runs
    QTRY_COMPARE(ui.baseName(), QStringLiteral("MainForm"));
    EXPECT_EQ(ui.baseFolder(), kSample);
    EXPECT_EQ(page(MainWindow::CppPage).text(), TextFile::load(kSample + QStringLiteral("MainForm.cpp")).text);
    EXPECT_EQ(page(MainWindow::HeaderPage).text(), TextFile::load(kSample + QStringLiteral("MainForm.h")).text);
    EXPECT_EQ(ui.root()->text(), QStringLiteral("MainForm"));
    EXPECT_EQ(form->recentUnits().entries().front(), kSample + QStringLiteral("MainForm.dfm"));
    EXPECT_EQ(dialogs->asked().size(), 0u);

    // A file name in other case is found as Open finds the unit's files.
    writeUnit(QStringLiteral("EDITFRM"), "int x;\r\n", "", "object EditForm: TEditForm\r\nend\r\n");
    const QString lower = dir.filePath(QStringLiteral("editfrm.dfm"));
    form->openFromCommandLine(unitFileArgument({QStringLiteral("vtqx"), lower}));
    QTRY_COMPARE(ui.baseName(), QStringLiteral("EDITFRM"));
    EXPECT_EQ(ui.root()->text(), QStringLiteral("EditForm"));

    // A missing file is reported with the usual message; the unit stays open.
    const QString missing = dir.filePath(QStringLiteral("Nowhere.cpp"));
    dialogs->answerMessage(Dialogs::Button::Ok);
    form->openFromCommandLine(missing);
    QTRY_COMPARE(dialogs->asked().size(), 1u);
    EXPECT_EQ(dialogs->last().text, missing + QStringLiteral("\n\n") + ui.msg(1));
    EXPECT_EQ(ui.baseName(), QStringLiteral("EDITFRM"));

    EXPECT_EQ(unitFileArgument({QStringLiteral("vtqx")}), QString());
}

TEST(CommandLineProgram, VersionAndHelpArePrinted)
{
    // Without any display to connect to, as over a plain terminal session.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VTQX_PROGRAM), {QStringLiteral("--version")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(p.readAllStandardOutput().trimmed(), QByteArray("Varnosel Tessaro Tool " VTQX_VERSION));

    p.start(QStringLiteral(VTQX_PROGRAM), {QStringLiteral("--help")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardOutput().contains("[FILE]"));
}

TEST_F(Desktop, EveryToolbarIconHasOneSizeAtEveryScale)
{
    // The window shows the program's own icon, drawn from its SVG.
    EXPECT_EQ(form->windowIcon().pixmap(QSize(64, 64), 2.0).size(), QSize(128, 128));
    // The style's own pixmaps come in different sizes; the theme may lack names.
    for (QToolButton *b : ui.control<QToolBar>("ToolBar1")->findChildren<QToolButton *>()) {
        if (!b->objectName().startsWith(u"ToolButton"))
            continue; // the toolbar's own extension button
        for (const qreal dpr : {1.0, 2.0})
            EXPECT_EQ(b->icon().pixmap(QSize(32, 32), dpr).size(), QSize(32, 32) * dpr) << b->objectName().toStdString();
    }
}
