#include "platform/core/Exception.h"
#include "components/platform/core/ComponentPalette.h"
#include "tests/support/QtPrint.h"
#include "components/platform/core/SettingsKey.h"
#include "components/Vreg/Vreg.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

class VregTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(config()).removeRecursively();
        reg.Programmname = QStringLiteral("VTQX");
        reg.Firmenname = QStringLiteral("Varnosel");
    }
    static QString config() { return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation); }
    TVReg reg;
};

TEST_F(VregTest, KeyPathFollowsCompanyAndProgram)
{
    reg.Push(QStringLiteral("InitOpenDir"), QStringLiteral("/home/u/src"));
    EXPECT_TRUE(QFile::exists(config() + QStringLiteral("/Varnosel/VTQX.conf")));
    QSettings raw(config() + QStringLiteral("/Varnosel/VTQX.conf"), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("InitOpenDir")).toString(), QStringLiteral("/home/u/src"));
    EXPECT_EQ(reg.Pop(QStringLiteral("InitOpenDir")), QStringLiteral("/home/u/src"));

    TVReg bare;
    bare.Programmname = QStringLiteral("Solo");
    bare.Push(QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_TRUE(QFile::exists(config() + QStringLiteral("/Solo.conf")));
    EXPECT_EQ(bare.Pop(QStringLiteral("k")), QStringLiteral("v"));
}

TEST_F(VregTest, MissingKeyOrValueReadsEmpty)
{
    EXPECT_EQ(reg.Pop(QStringLiteral("CB1")), QString());
    EXPECT_FALSE(QFile::exists(SettingsKey::location(reg.Firmenname, reg.Programmname))) << "reading created the key";
    reg.Push(QStringLiteral("CB1"), QStringLiteral("1"));
    EXPECT_EQ(reg.Pop(QStringLiteral("CB2")), QString());
}

TEST_F(VregTest, CheckBoxCodes)
{
    QCheckBox box;
    box.setChecked(true);
    reg.PushCheckBox(QStringLiteral("CB1"), &box);
    EXPECT_EQ(reg.Pop(QStringLiteral("CB1")), QStringLiteral("1"));
    box.setChecked(false);
    reg.PushCheckBox(QStringLiteral("CB1"), &box);
    EXPECT_EQ(reg.Pop(QStringLiteral("CB1")), QStringLiteral("0"));

    struct Case
    {
        const char *stored;
        bool def, expected;
    };
    const Case cases[] = {{"1", false, true}, {"0", true, false}, {"", true, true}, {"", false, false},
                          {"yes", true, true}, {"2", false, false}, {" 1", false, false}};
    for (const Case &c : cases) {
        reg.Push(QStringLiteral("CB2"), QString::fromLatin1(c.stored));
        EXPECT_EQ(reg.PopCheckBox(QStringLiteral("CB2"), c.def), c.expected) << c.stored;
    }
    EXPECT_TRUE(reg.PopCheckBox(QStringLiteral("absent"), true));
}

TEST_F(VregTest, GroupCodesNameTheLastMemberSet)
{
    bool a = true, b = false, c = true;
    reg.PushBool(QStringLiteral("RB1"), a, b, c);
    EXPECT_EQ(reg.Pop(QStringLiteral("RB1")), QStringLiteral("3"));
    a = b = c = false;
    reg.PushBool(QStringLiteral("RB1"), a, b, c);
    EXPECT_EQ(reg.Pop(QStringLiteral("RB1")), QStringLiteral("0"));

    bool f[10] = {};
    f[9] = true;
    reg.PushBool(QStringLiteral("G10"), f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9]);
    EXPECT_EQ(reg.Pop(QStringLiteral("G10")), QStringLiteral("10"));
    bool g[10] = {};
    reg.PopBool(QStringLiteral("G10"), g[0], g[1], g[2], g[3], g[4], g[5], g[6], g[7], g[8], g[9], 1);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(g[i], i == 9) << i;
}

TEST_F(VregTest, PopBoolFallsBackToTheDefaultMember)
{
    struct Case
    {
        const char *stored;
        int def;
        int expected; // 1-based member set, 0 none
    };
    const Case cases[] = {{"2", 1, 2}, {"3", 1, 3}, {"4", 1, 1}, {"", 1, 1},   {"0", 3, 3},
                          {"x", 2, 2}, {"02", 1, 1}, {"1", 3, 1}, {"", 0, 0}, {"", 4, 0}};
    for (const Case &c : cases) {
        reg.Push(QStringLiteral("RB1"), QString::fromLatin1(c.stored));
        bool f1 = false, f2 = false, f3 = false;
        reg.PopBool(QStringLiteral("RB1"), f1, f2, f3, c.def);
        EXPECT_EQ(f1, c.expected == 1) << c.stored << "/" << c.def;
        EXPECT_EQ(f2, c.expected == 2) << c.stored << "/" << c.def;
        EXPECT_EQ(f3, c.expected == 3) << c.stored << "/" << c.def;
    }
    // Members that do not match are left alone.
    reg.Push(QStringLiteral("RB1"), QStringLiteral("2"));
    bool f1 = true, f2 = false;
    reg.PopBool(QStringLiteral("RB1"), f1, f2, 1);
    EXPECT_TRUE(f1);
    EXPECT_TRUE(f2);
}

TEST_F(VregTest, RadioButtonGroups)
{
    QRadioButton r1, r2, r3, r4;
    r3.setChecked(true);
    reg.PushRadioButtons(QStringLiteral("RG"), &r1, &r2, &r3, &r4);
    EXPECT_EQ(reg.Pop(QStringLiteral("RG")), QStringLiteral("3"));
    QRadioButton s1, s2, s3, s4;
    reg.PopRadioButtons(QStringLiteral("RG"), &s1, &s2, &s3, &s4, 1);
    EXPECT_TRUE(s3.isChecked());
    EXPECT_FALSE(s1.isChecked());
    QRadioButton t1, t2;
    reg.PopRadioButtons(QStringLiteral("RG"), &t1, &t2, 2); // "3" is out of range for two
    EXPECT_TRUE(t2.isChecked());
}

TEST_F(VregTest, IsIntLooksAtTheFirstCharacterOnly)
{
    EXPECT_FALSE(TVReg::IsInt(QString()));
    EXPECT_TRUE(TVReg::IsInt(QStringLiteral("7abc")));
    EXPECT_TRUE(TVReg::IsInt(QStringLiteral("0")));
    EXPECT_FALSE(TVReg::IsInt(QStringLiteral(" 7")));
    EXPECT_FALSE(TVReg::IsInt(QStringLiteral("-7")));
}

TEST_F(VregTest, AValueThatIsNotTextIsAnError)
{
    {
        QSettings raw(SettingsKey::location(reg.Firmenname, reg.Programmname), QSettings::IniFormat);
        raw.setValue(QStringLiteral("CB1"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
        raw.setValue(QStringLiteral("CB2"), QByteArray("\x01\x02", 2));
    }
    try {
        reg.Pop(QStringLiteral("CB1"));
        FAIL() << "no error";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid data type for 'CB1'"));
    }
    EXPECT_THROW(reg.PopCheckBox(QStringLiteral("CB2"), true), Exception);
}

TEST_F(VregTest, AFailedWriteIsAnError)
{
    // The company folder is a file, so the key cannot be made.
    QDir().mkpath(config());
    QFile blocker(config() + QStringLiteral("/Varnosel"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        reg.Push(QStringLiteral("CB1"), QStringLiteral("1"));
        FAIL() << "no error";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Failed to set data for 'CB1'"));
    }
    EXPECT_EQ(reg.Pop(QStringLiteral("CB1")), QString());
}

TEST_F(VregTest, AWriteToAMalformedFileSucceeds)
{
    // An unterminated group header: reading the file reports a format error.
    const QString file = SettingsKey::location(reg.Firmenname, reg.Programmname);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
    raw.write("CB1=0\n[broken\nX=1\n");
    raw.close();
    EXPECT_NO_THROW(reg.Push(QStringLiteral("InitOpenDir"), QStringLiteral("/home/a")));
    EXPECT_NO_THROW(reg.Push(QStringLiteral("CB2"), QStringLiteral("1")));
    EXPECT_EQ(reg.Pop(QStringLiteral("InitOpenDir")), QStringLiteral("/home/a"));
    EXPECT_EQ(reg.Pop(QStringLiteral("CB1")), QStringLiteral("0"));
}

TEST_F(VregTest, RegistersOnThePalettePage)
{
    Vreg::Register();
    const auto all = RegisteredComponentClasses();
    EXPECT_NE(std::find(all.begin(), all.end(), std::pair{QStringLiteral("Varnosel"), QStringLiteral("TVReg")}),
              all.end());
}
