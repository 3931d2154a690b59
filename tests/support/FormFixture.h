#pragma once
// Fixture for tests that drive the real main window offscreen: scripted
// dialogs, a fresh settings file and a temporary folder for form units.
#include "platform/gui/EditorModel.h"
#include "tests/support/QtPrint.h"
#include "tests/support/ScriptedDialogs.h"
#include "components/platform/core/SettingsKey.h"
#include "app/MainWindow.h"
#include "tests/support/MainWindowDriver.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QDialog>
#include <gtest/gtest.h>

#include <memory>

class FormFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile::remove(SettingsKey::location(QStringLiteral("Varnosel"), QStringLiteral("VTQX")));
        ASSERT_TRUE(dir.isValid());
        dialogs = std::make_unique<ScriptedDialogs>();
        form = std::make_unique<MainWindow>();
        form->show();
        QApplication::processEvents();
    }

    void TearDown() override
    {
        if (form) {
            form->hide();
        }
        form.reset();
        dialogs.reset();
    }

    // Writes raw bytes to dir/name and returns the full path.
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }

    QByteArray readFile(const QString &name) const
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Writes a unit base.cpp/.h/.dfm (CR LF is up to the caller).
    void writeUnit(const QString &base, const QByteArray &cpp, const QByteArray &h, const QByteArray &dfm)
    {
        writeFile(base + QStringLiteral(".cpp"), cpp);
        writeFile(base + QStringLiteral(".h"), h);
        writeFile(base + QStringLiteral(".dfm"), dfm);
    }

    // Opens the unit through the Open command, answering the open dialog.
    void openUnit(const QString &fileName)
    {
        dialogs->answerOpen(dir.filePath(fileName));
        form->run(Command::Open);
    }

    EditorModel &page(int p) { return ui.page(p); }
    void showPage(int p) { ui.pages()->setCurrentIndex(p); }
    // Brings the status bar up to date by hand (the window follows its own
    // signals; a test that changed state behind them calls this).
    void tick() { ui.showStatus(); }

    QTemporaryDir dir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<MainWindow> form;
    MainWindowDriver ui{form};
};
