#pragma once
// The real main window, shown offscreen, with a unit set up in memory and
// dialogs that answer at once (the end-of-text message would otherwise wait
// for a user).
#include "platform/gui/Dialogs.h"
#include "platform/gui/EditorModel.h"
#include "app/MainWindow.h"
#include "tests/support/MainWindowDriver.h"

#include <QApplication>
#include <QTimer>

#include <memory>

class QuietDialogs : public Dialogs
{
public:
    int messages = 0;
    std::optional<QString> inputAnswer;
    std::optional<QString> openAnswer;

    Button message(QWidget *, const QString &, const QString &, Icon, Buttons) override
    {
        ++messages;
        return Button::Ok;
    }
    std::optional<QString> openFile(QWidget *, const FileRequest &) override { return openAnswer; }
    std::optional<QString> saveFile(QWidget *, const FileRequest &) override { return std::nullopt; }
    std::optional<QStringList> openFiles(QWidget *, const FileRequest &) override { return std::nullopt; }
    std::optional<QString> input(QWidget *, const QString &, const QString &, const QString &) override
    {
        return inputAnswer;
    }
    void showModal(QDialog *) override {}
};

class BenchWindow
{
public:
    // shown = false measures the commands without the toolkit's repaints and
    // relayouts, which only a visible window has.
    explicit BenchWindow(const QString &cpp, bool shown = true)
    {
        Dialogs::install(&dialogs);
        form = std::make_unique<MainWindow>();
        if (shown)
            form->show();
        QApplication::processEvents();
        ui.setBaseName(QStringLiteral("Bench"));
        page().setText(cpp);
        page().setSelection(0, 0);
        QApplication::processEvents();
    }
    ~BenchWindow()
    {
        form.reset();
        Dialogs::install(nullptr);
    }
    BenchWindow(const BenchWindow &) = delete;
    BenchWindow &operator=(const BenchWindow &) = delete;

    EditorModel &page() { return ui.page(MainWindow::CppPage); }

    QuietDialogs dialogs;
    std::unique_ptr<MainWindow> form;
    MainWindowDriver ui{form};
};
