// The options and remembered folders over a real settings file that is
// hand-edited, malformed or cannot be written.
#include "tests/support/FormFixture.h"
#include "app/OutputWindow.h"
#include "components/Vreg/Vreg.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
class StoredSettings : public FormFixture
{
protected:
    static QString settingsFile() { return SettingsKey::location(QStringLiteral("Varnosel"), QStringLiteral("VTQX")); }

    static void writeSettings(const QByteArray &ini)
    {
        QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
        QFile f(settingsFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(ini);
    }

    // The company folder becomes a file: nothing can be stored.
    void blockSettings()
    {
        const QString company = QFileInfo(settingsFile()).absolutePath();
        QDir(company).removeRecursively();
        QFile blocker(company);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        m_blocker = company;
    }

    void TearDown() override
    {
        FormFixture::TearDown();
        if (!m_blocker.isEmpty())
            QFile::remove(m_blocker);
    }

    // A new window over the settings as they are now.
    void restart()
    {
        form.reset();
        form = std::make_unique<MainWindow>();
        form->show();
        QApplication::processEvents();
    }

    void openTheUnit()
    {
        writeUnit(QStringLiteral("Unit1"), "int a;", "h", "object Form1: TForm1");
        openUnit(QStringLiteral("Unit1.cpp"));
    }

    QString m_blocker;
};
} // namespace

TEST_F(StoredSettings, AnUnreadableValueLeavesOnlyItsOwnOptionAtTheDefault)
{
    writeSettings("[General]\nCB1=1, 2\nCB2=0\nCB3=0\nCB4=0\nRB1=2, 3\n");
    restart();
    EXPECT_TRUE(ui.checkBox("CheckBox1")->isChecked());
    EXPECT_FALSE(ui.checkBox("CheckBox2")->isChecked());
    EXPECT_FALSE(ui.action("PromtEqualStrings2")->isChecked());
    EXPECT_FALSE(ui.action("OnExtractFindNext2")->isChecked());
    EXPECT_TRUE(ui.action("UseglobalStrings2")->isChecked());
    EXPECT_FALSE(ui.action("UseFunction2")->isChecked());
    // Closing keeps the user's valid options.
    ASSERT_TRUE(form->close());
    restart();
    EXPECT_FALSE(ui.checkBox("CheckBox2")->isChecked());
    EXPECT_FALSE(ui.action("PromtEqualStrings2")->isChecked());
    EXPECT_FALSE(ui.action("OnExtractFindNext2")->isChecked());
}

TEST_F(StoredSettings, AFolderThatIsNotTextCountsAsAbsent)
{
    writeSettings("[General]\nInitOpenDir=a, b\nInitSaveDir=c, d\n");
    dialogs->answerOpen(std::nullopt).answerSave(std::nullopt);
    ui.action("Open1")->trigger();
    ui.action("Saveas1")->trigger();
    ASSERT_EQ(dialogs->asked().size(), 2u);
    EXPECT_EQ(dialogs->asked()[0].file.initialDir, QString());
    EXPECT_EQ(dialogs->asked()[1].file.initialDir, QString());
}

TEST_F(StoredSettings, AFolderThatCannotBeStoredIsShownOnceAndTheCommandsGoOn)
{
    blockSettings();
    writeUnit(QStringLiteral("Unit1"), "int a;", "h", "object Form1: TForm1");
    dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.cpp"))).answerMessage(Dialogs::Button::Ok);
    ui.action("Open1")->trigger();
    ASSERT_EQ(dialogs->asked().size(), 2u);
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("'InitOpenDir'")));
    EXPECT_EQ(ui.baseName(), QStringLiteral("Unit1"));
    EXPECT_EQ(page(MainWindow::CppPage).text(), QStringLiteral("int a;"));

    // Later failures of the run pass silently.
    dialogs->answerSave(dir.filePath(QStringLiteral("Copy.cpp")));
    ui.action("Saveas1")->trigger();
    EXPECT_EQ(readFile(QStringLiteral("Copy.cpp")), QByteArray("int a;"));
    ui.output()->appendLine(QStringLiteral("STRINGTABLE"));
    dialogs->answerSave(dir.filePath(QStringLiteral("out.rc")));
    ui.outputControl<QToolButton>("SpeedButton1")->click();
    EXPECT_EQ(readFile(QStringLiteral("out.rc")), QByteArray("STRINGTABLE\r\n"));
    EXPECT_EQ(dialogs->asked().size(), 4u);
    EXPECT_EQ(dialogs->pending(), 0);
}

TEST_F(StoredSettings, AMalformedFileDoesNotStopACommand)
{
    writeSettings("[General]\nCB2=0\n[broken\nX=1\n");
    restart();
    EXPECT_FALSE(ui.checkBox("CheckBox2")->isChecked());
    openTheUnit();
    EXPECT_EQ(dialogs->asked().size(), 1u);
    EXPECT_EQ(ui.baseName(), QStringLiteral("Unit1"));
    EXPECT_EQ(ui.settings()->Pop(QStringLiteral("InitOpenDir")), dir.path());
}
