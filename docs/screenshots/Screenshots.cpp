// Drives the real main window through the sample unit and saves what the
// screen shows: a found literal, the literals panel, the panel filtered with
// its counts, the resource script, the German captions and a German question.
// Run on a virtual display by scripts/screenshots.sh.
#include "platform/gui/EditorModel.h"
#include "app/LiteralsPanel.h"
#include "app/ToolbarIcons.h"
#include "app/MainWindow.h"
#include "tests/support/MainWindowDriver.h"
#include "app/OutputWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

namespace {
QString g_outDir;

void settle(int ms = 400)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool g_failed = false;

// What the screen shows of the window, decorations aside. The screen holds
// only what lies on it: a window grown past the screen's edge (a resize
// keeps the top left corner) would come out cut off, so it moves in first.
void shoot(QWidget *window, const QString &name)
{
    settle();
    const QRect screen = window->screen()->geometry();
    if (!screen.contains(window->frameGeometry())) {
        window->move(screen.topLeft());
        settle();
    }
    const QString path = g_outDir + QLatin1Char('/') + name;
    if (!screen.contains(window->geometry())) {
        std::fprintf(stderr, "%s: the window (%dx%d) does not fit on the screen (%dx%d)\n", qPrintable(path),
                     window->width(), window->height(), screen.width(), screen.height());
        g_failed = true;
        return;
    }
    const QPixmap shot = window->screen()->grabWindow(window->winId());
    if (shot.isNull() || !shot.save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        g_failed = true;
    } else {
        std::printf("%s (%dx%d)\n", qPrintable(path), shot.width(), shot.height());
    }
    std::fflush(stdout);
}

// Answers every question with its default and photographs the output window
// while it is shown.
class PictureDialogs : public QtDialogs
{
public:
    Button message(QWidget *, const QString &, const QString &text, Icon, Buttons buttons) override
    {
        std::printf("message: %s\n", qPrintable(text));
        return buttons == Buttons::Ok ? Button::Ok : Button::No;
    }
    void showModal(QDialog *dialog) override
    {
        if (auto *out = qobject_cast<OutputWindow *>(dialog)) {
            out->resize(640, 420);
            out->show();
            shoot(out, QStringLiteral("resource-script.png"));
            out->hide();
            return;
        }
        QtDialogs::showModal(dialog);
    }
};
// The window as a first start shows it (no stored layout), in German with
// the panel: taken at several scale factors, it must lie on the screen
// whole, as the window placed itself.
int firstStart(const QString &sample, const QString &name)
{
    MainWindow form;
    form.show();
    form.openFromCommandLine(sample);
    form.run(Command::German);
    const MainWindowDriver ui(form);
    ui.action("LiteralsPanel1")->trigger();
    settle();
    const QRect area = form.screen()->availableGeometry();
    if (!area.contains(form.frameGeometry())) {
        std::fprintf(stderr, "%s: the window (%d,%d %dx%d) lies beyond the screen's area (%dx%d)\n", qPrintable(name),
                     form.frameGeometry().x(), form.frameGeometry().y(), form.frameGeometry().width(),
                     form.frameGeometry().height(), area.width(), area.height());
        return 1;
    }
    shoot(&form, name);
    for (int p = 0; p < 3; ++p)
        ui.setSaved(p, true);
    return g_failed ? 1 : 0;
}
} // namespace

int main(int argc, char **argv)
{
    // A fresh settings file, so that the pictures show the default options.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr, "usage: vtqx_screenshots SAMPLE.cpp OUTPUT-FOLDER [FIRST-START.png]\n");
        return 2;
    }
    g_outDir = args.at(2);
    if (args.size() == 4)
        return firstStart(args.at(1), args.at(3));
    QDir().mkpath(g_outDir);
    QApplication::setApplicationName(QStringLiteral("Varnosel Tessaro Tool"));
    chooseIconTheme();
    PictureDialogs dialogs;
    Dialogs::install(&dialogs);

    MainWindow form;
    form.resize(960, 640);
    form.show();
    form.openFromCommandLine(args.at(1));
    const MainWindowDriver ui(form);
    settle();
    if (ui.baseName().isEmpty())
        return 1;

    // Step to the form's caption; then extract it and the literals after it
    // (Extract goes on to the next literal by itself).
    auto foundText = [&] { return EditorModel::of(ui.found()).text(); };
    for (int i = 0; i < 40 && !foundText().contains(u"Küche"); ++i)
        form.run(Command::FindNext);
    shoot(&form, QStringLiteral("main-window.png"));
    // The literals panel beside the pages, on the same literal.
    form.resize(1270, 640);
    ui.panel()->show();
    form.resizeDocks({ui.panel()}, {500}, Qt::Horizontal);
    ui.panel()->refresh();
    shoot(&form, QStringLiteral("literals-panel.png"));
    // Filtered: the count says how many rows the filter hides.
    ui.panel()->filterBox()->setText(QStringLiteral("Rezept"));
    shoot(&form, QStringLiteral("literals-filter.png"));
    ui.panel()->filterBox()->clear();
    ui.panel()->hide();
    form.resize(960, 640);
    for (int i = 0; i < 5; ++i)
        form.run(Command::Extract);
    form.run(Command::ResourceScript);

    form.run(Command::German);
    shoot(&form, QStringLiteral("german.png"));
    // A question of the close prompts, with the toolkit's German buttons.
    QTimer::singleShot(300, [] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            shoot(box, QStringLiteral("german-question.png"));
            if (auto *m = qobject_cast<QMessageBox *>(box))
                m->button(QMessageBox::Cancel)->click();
        }
    });
    QtDialogs().message(&form, QStringLiteral("VTQX"), ui.baseName() + ui.msg(8), Dialogs::Icon::Exclamation,
                        Dialogs::Buttons::YesNoCancel);

    Dialogs::install(nullptr);
    for (int p = 0; p < 3; ++p)
        ui.setSaved(p, true); // nothing to save: the sample stays as it is
    return g_failed ? 1 : 0;
}
