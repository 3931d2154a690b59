#include "tests/support/FormFixture.h"
#include "uitext/RecentTexts.h"
#include "app/RecentUnits.h"
#include "components/Vreg/Vreg.h"

#include <QDir>
#include <QMenu>

namespace {
QStringList paths(std::initializer_list<const char *> names)
{
    QStringList out;
    for (const char *n : names)
        out << QString::fromLatin1(n);
    return out;
}
} // namespace

TEST(RecentUnitsList, NewestFirstOneEntryPerUnitAtMostEight)
{
    RecentUnits r;
    r.add(QStringLiteral("/a/One.cpp"));
    r.add(QStringLiteral("/a/Two.dfm"));
    r.add(QStringLiteral("/b/One.cpp")); // another folder: another unit
    r.add(QStringLiteral("/a/One.h"));   // the same unit by another file moves up
    EXPECT_EQ(r.entries(), paths({"/a/One.h", "/b/One.cpp", "/a/Two.dfm"}));

    for (int i = 0; i < 10; ++i)
        r.add(QStringLiteral("/c/U%1.cpp").arg(i));
    ASSERT_EQ(r.entries().size(), RecentUnits::maxCount);
    EXPECT_EQ(r.entries().front(), QStringLiteral("/c/U9.cpp"));
    EXPECT_EQ(r.entries().back(), QStringLiteral("/c/U2.cpp"));

    EXPECT_TRUE(r.remove(QStringLiteral("/c/U5.dfm")));
    EXPECT_FALSE(r.remove(QStringLiteral("/c/U5.cpp")));
    EXPECT_FALSE(r.entries().contains(QStringLiteral("/c/U5.cpp")));
}

TEST(RecentUnitsList, StoredTextKeepsOrderAndDropsWhatCannotBeAnEntry)
{
    RecentUnits r;
    r.add(QStringLiteral("/x/Old.cpp"));
    r.add(QStringLiteral("/x/New & Co.cpp"));
    r.add(QStringLiteral("/x/Bad\nName.cpp")); // a line break cannot be stored
    EXPECT_EQ(RecentUnits::fromText(r.toText()).entries(), r.entries());
    EXPECT_EQ(r.entries().size(), 2);
    EXPECT_EQ(RecentUnits::menuText(0, r.entries().front()), QStringLiteral("&1 /x/New && Co.cpp"));

    // A hand-edited value: blank lines, a duplicate unit, too many entries.
    QString text = QStringLiteral("/y/A.cpp\n\n/y/A.h\n");
    for (int i = 0; i < 9; ++i)
        text += QStringLiteral("/z/U%1.cpp\n").arg(i);
    const RecentUnits read = RecentUnits::fromText(text);
    ASSERT_EQ(read.entries().size(), RecentUnits::maxCount);
    EXPECT_EQ(read.entries().mid(0, 2), paths({"/y/A.cpp", "/z/U0.cpp"}));
}

class RecentMenu : public FormFixture
{
protected:
    QMenu *menu() { return form->findChild<QMenu *>(QStringLiteral("RecentUnits1")); }
    QStringList shown()
    {
        QStringList out;
        for (QAction *a : menu()->actions())
            out << a->text();
        return out;
    }
    QString unit(const QString &base)
    {
        writeUnit(base, "int x;\r\n", "class T;\r\n", "object F: TF\r\nend\r\n");
        return dir.filePath(base + QStringLiteral(".cpp"));
    }
};

TEST_F(RecentMenu, OpenedUnitsAreListedNewestFirstAndSurviveARestart)
{
    ASSERT_NE(menu(), nullptr);
    EXPECT_FALSE(menu()->isEnabled());
    unit(QStringLiteral("One"));
    const QString two = unit(QStringLiteral("Two"));
    openUnit(QStringLiteral("One.cpp"));
    openUnit(QStringLiteral("Two.dfm"));
    openUnit(QStringLiteral("One.h"));
    EXPECT_TRUE(menu()->isEnabled());
    EXPECT_EQ(shown(), QStringList({RecentUnits::menuText(0, dir.filePath(QStringLiteral("One.h"))),
                                    RecentUnits::menuText(1, dir.filePath(QStringLiteral("Two.dfm")))}));

    // Cancelling the Open prompt opens nothing and records nothing.
    ui.setSaved(MainWindow::CppPage, false);
    dialogs->answerOpen(two).answerMessage(Dialogs::Button::Cancel);
    form->run(Command::Open);
    ui.setSaved(MainWindow::CppPage, true);
    EXPECT_EQ(form->recentUnits().entries().front(), dir.filePath(QStringLiteral("One.h")));

    form.reset();
    form = std::make_unique<MainWindow>();
    form->show();
    EXPECT_EQ(form->recentUnits().entries(),
              QStringList({dir.filePath(QStringLiteral("One.h")), dir.filePath(QStringLiteral("Two.dfm"))}));

    // Choosing an entry opens that unit.
    menu()->actions().at(1)->trigger();
    EXPECT_EQ(ui.baseName(), QStringLiteral("Two"));
    EXPECT_EQ(form->recentUnits().entries().front(), dir.filePath(QStringLiteral("Two.dfm")));
    EXPECT_EQ(dialogs->pending(), 0);
}

TEST_F(RecentMenu, AUnitWhoseFilesAreGoneIsDroppedWithAMessage)
{
    const QString gone = unit(QStringLiteral("Gone")), kept = unit(QStringLiteral("Kept"));
    openUnit(QStringLiteral("Gone.cpp"));
    openUnit(QStringLiteral("Kept.cpp"));
    // One file left is still the unit; all three gone is not.
    QFile::remove(gone);
    QFile::remove(dir.filePath(QStringLiteral("Gone.h")));
    form->run(Command::German);
    EXPECT_EQ(menu()->title(), recentText(RecentText::MenuTitle, Language::German));
    menu()->actions().at(1)->trigger();
    EXPECT_EQ(ui.baseName(), QStringLiteral("Gone"));
    QFile::remove(dir.filePath(QStringLiteral("Gone.dfm")));

    openUnit(QStringLiteral("Kept.cpp"));
    dialogs->clear();
    dialogs->answerMessage(Dialogs::Button::Ok);
    menu()->actions().at(1)->trigger();
    ASSERT_EQ(dialogs->asked().size(), 1u);
    EXPECT_EQ(dialogs->last().text, recentText(RecentText::UnitGone, Language::German).arg(gone));
    EXPECT_EQ(ui.baseName(), QStringLiteral("Kept"));
    EXPECT_EQ(shown(), QStringList({RecentUnits::menuText(0, kept)}));
    EXPECT_EQ(RecentUnits::fromText(ui.settings()->Pop(QStringLiteral("RecentUnits"))).entries(), QStringList({kept}));
}
