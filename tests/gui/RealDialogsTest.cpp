// Smoke tests that answer Qt's real dialogs, to prove the wiring between the
// commands and the dialogs the user sees.
#include "platform/gui/Dialogs.h"
#include "platform/gui/EditorModel.h"
#include "tests/support/QtPrint.h"
#include "components/platform/core/SettingsKey.h"
#include "app/MainWindow.h"
#include "tests/support/MainWindowDriver.h"
#include "app/AboutBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {
// Runs `answer` on the modal widget that appears (polling), so that the code
// under test can block in exec(). `answer` returns true once it has closed
// the widget; it is asked again while the widget stays open. After a few
// seconds any modal widget is rejected, so a test never hangs.
void whenModal(std::function<bool(QWidget *)> answer)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer] {
        QWidget *w = QApplication::activeModalWidget();
        const bool late = clock->elapsed() > 5000;
        if (w && late) {
            ADD_FAILURE() << "modal widget still open after 5 s: " << w->metaObject()->className();
            if (auto *d = qobject_cast<QDialog *>(w))
                d->reject();
        }
        if ((w && (late || answer(w))) || clock->elapsed() > 10000) {
            timer->stop();
            timer->deleteLater();
            delete clock;
        }
    });
    timer->start();
}
} // namespace

TEST(RealDialogs, MessageBoxAnswersWithTheClickedButton)
{
    QString seenText;
    whenModal([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box)
            return false;
        seenText = box->text();
        EXPECT_EQ(box->windowTitle(), QStringLiteral("VTQX"));
        box->button(QMessageBox::No)->click();
        return true;
    });
    const auto answer = QtDialogs().message(nullptr, QStringLiteral("VTQX"), QStringLiteral("Save?"),
                                            Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel);
    EXPECT_EQ(answer, Dialogs::Button::No);
    EXPECT_EQ(seenText, QStringLiteral("Save?"));
}

TEST(RealDialogs, MessageTextThatLooksLikeMarkupIsShownAsItStands)
{
    Qt::TextFormat format = Qt::AutoText;
    whenModal([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box)
            return false;
        format = box->textFormat();
        box->button(QMessageBox::Ok)->click();
        return true;
    });
    QtDialogs().showError(nullptr, QStringLiteral("<b>x.cpp could not be read"));
    EXPECT_EQ(format, Qt::PlainText);
}

TEST(RealDialogs, InputBoxGivesTheTypedAnswerOrNothing)
{
    whenModal([](QWidget *w) {
        auto *dlg = qobject_cast<QInputDialog *>(w);
        if (!dlg)
            return false;
        EXPECT_EQ(dlg->textValue(), QStringLiteral("7"));
        dlg->setTextValue(QStringLiteral("12"));
        dlg->accept();
        return true;
    });
    EXPECT_EQ(QtDialogs().input(nullptr, QStringLiteral("Input the new value"), QStringLiteral("Value"),
                                QStringLiteral("7")),
              std::optional<QString>(QStringLiteral("12")));
    whenModal([](QWidget *w) {
        qobject_cast<QDialog *>(w)->reject();
        return true;
    });
    EXPECT_EQ(QtDialogs().input(nullptr, QStringLiteral("c"), QStringLiteral("p"), QStringLiteral("7")), std::nullopt);
}

TEST(RealDialogs, OpenThroughTheRealFileDialog)
{
    QFile::remove(SettingsKey::location(QStringLiteral("Varnosel"), QStringLiteral("VTQX")));
    QTemporaryDir dir;
    for (const char *name : {"Unit1.cpp", "Unit1.h", "Unit1.dfm"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("object Form1: TForm1\r\n// ") + name);
    }
    MainWindow form;
    const MainWindowDriver ui(form);
    form.show();
    QString title, filter;
    whenModal([&](QWidget *w) {
        auto *dlg = qobject_cast<QFileDialog *>(w);
        if (!dlg)
            return false;
        title = dlg->windowTitle();
        filter = dlg->nameFilters().join(u';');
        // Type the full path and press Open, as a user would; the dialog may
        // still be reading the folder, so this is repeated until it closes.
        dlg->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(dir.filePath(QStringLiteral("Unit1.h")));
        dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open)->click();
        return !dlg->isVisible();
    });
    ui.action("Open1")->trigger();
    EXPECT_EQ(title, QStringLiteral("Open Files"));
    EXPECT_EQ(filter, QStringLiteral("CPP Files (*.cpp *.h *.dfm)"));
    EXPECT_EQ(ui.baseName(), QStringLiteral("Unit1"));
    EXPECT_EQ(EditorModel::of(ui.editor(MainWindow::HeaderPage)).line(1), QStringLiteral("// Unit1.h"));
}

TEST(RealDialogs, OpenSeveralFilesAtOnce)
{
    QTemporaryDir dir;
    for (const char *name : {"de.po", "fr.po", "pl.po"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    whenModal([&](QWidget *w) {
        auto *dlg = qobject_cast<QFileDialog *>(w);
        if (!dlg)
            return false;
        // Several names are typed in quotes, as the dialog lists a selection.
        dlg->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("\"de.po\" \"pl.po\""));
        dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open)->click();
        return !dlg->isVisible();
    });
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Open Translations");
    request.filter = QStringLiteral("PO Files |*.po");
    request.initialDir = dir.path();
    QtDialogs qt;
    const std::optional<QStringList> chosen = qt.openFiles(nullptr, request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, (QStringList{dir.filePath(QStringLiteral("de.po")), dir.filePath(QStringLiteral("pl.po"))}));
}

TEST(RealDialogs, AnErrorFromACommandReachesTheErrorDisplay)
{
    QFile::remove(SettingsKey::location(QStringLiteral("Varnosel"), QStringLiteral("VTQX")));
    QTemporaryDir dir;
    MainWindow form;
    const MainWindowDriver ui(form);
    form.show();
    ui.setBaseName(QStringLiteral("Unit1"));
    ui.setBaseFolder(dir.filePath(QStringLiteral("missing-folder/")));
    ui.editor(MainWindow::CppPage)->document()->setModified(true); // Save All writes a page without a file once it changed
    QString shown;
    whenModal([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box)
            return false;
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
        return true;
    });
    ui.action("SaveAll1")->trigger();
    EXPECT_TRUE(shown.contains(QStringLiteral("Unit1.cpp"))) << shown.toStdString();
    EXPECT_TRUE(form.isVisible());
}

// The toolkit's own texts follow the UI language: the standard buttons of a
// question and the file dialog's buttons, through the real window's commands.
TEST(RealDialogs, TheGermanUiShowsGermanStandardButtonsAndEnglishComesBack)
{
    QFile::remove(SettingsKey::location(QStringLiteral("Varnosel"), QStringLiteral("VTQX")));
    MainWindow form;
    const MainWindowDriver ui(form);
    form.show();
    const auto buttonsOfAQuestion = [&] {
        QStringList seen;
        whenModal([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box)
                return false;
            for (const auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                seen << box->button(b)->text();
            box->button(QMessageBox::Cancel)->click();
            return true;
        });
        ui.ask(QStringLiteral("?"), Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel);
        return seen;
    };
    const auto cancelOfTheOpenDialog = [&] {
        QString seen;
        whenModal([&](QWidget *w) {
            auto *dlg = qobject_cast<QFileDialog *>(w);
            if (!dlg)
                return false;
            QPushButton *cancel = dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel);
            seen = cancel->text();
            cancel->click();
            return true;
        });
        ui.action("Open1")->trigger();
        return seen;
    };
    ui.action("German1")->trigger();
    EXPECT_EQ(buttonsOfAQuestion(), (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein"), QStringLiteral("Abbrechen")}));
    EXPECT_EQ(cancelOfTheOpenDialog(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(ui.about()->windowTitle(), QStringLiteral("Über"));
    ui.action("English1")->trigger();
    EXPECT_EQ(buttonsOfAQuestion(), (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("Cancel")}));
    EXPECT_EQ(cancelOfTheOpenDialog(), QStringLiteral("Cancel"));
}
