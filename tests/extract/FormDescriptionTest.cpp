#include "extract/FormDescription.h"
#include "tests/support/QtPrint.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

using namespace FormDescription;

namespace {
struct NameCase
{
    const char16_t *line;
    const char16_t *object;
    const char16_t *klass;
};

class LineNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(LineNames, ObjectAndClassName)
{
    const QString line = QString::fromUtf16(GetParam().line);
    EXPECT_EQ(objectNameOfLine(line), QString::fromUtf16(GetParam().object));
    EXPECT_EQ(classNameOfLine(line), QString::fromUtf16(GetParam().klass));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineNames,
    ::testing::Values(NameCase{u"object Form1: TForm1", u"Form1", u"TForm1"},
                      NameCase{u"  object Button1: TButton", u"Button1", u"TButton"},
                      NameCase{u"inherited Form1: TForm1", u"", u"TForm1"},
                      NameCase{u"  Caption = 'Main'", u"", u""},
                      NameCase{u"", u"", u""},
                      // only a first word of exactly "object" names an object
                      NameCase{u"objectXForm1:TForm1", u"", u"Form1"},
                      NameCase{u"  Caption = 'object list'", u"", u""},
                      NameCase{u"object objectList: TList", u"objectList", u"TList"},
                      NameCase{u"  object object1: TButton", u"object1", u"TButton"},
                      NameCase{u"\t\x01object Form1: TForm1", u"Form1", u"TForm1"},
                      NameCase{u"  Lines.Strings = ( 'object A: B' )", u"", u"B' )"},
                      NameCase{u"object", u"", u""},
                      NameCase{u"object Ab", u"Ab", u""},
                      // a later ":" turns the class scan on again and the object scan off
                      NameCase{u"object A: B: C", u"A", u"BC"},
                      NameCase{u"Object Form1: TForm1", u"", u"TForm1"}),
    [](const auto &info) { return caseName(info.param.line, info.index); });

struct PartsCase
{
    const char16_t *line;
    QStringList parts;
};

class PropertyParts : public ::testing::TestWithParam<PartsCase> {};

TEST_P(PropertyParts, SplitAtDotsUpToTheEquals)
{
    EXPECT_EQ(propertyParts(QString::fromUtf16(GetParam().line)), GetParam().parts);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PropertyParts,
    ::testing::Values(PartsCase{u"  Caption = 'Main'", {"Caption"}},
                      PartsCase{u"    Font.Name = 'Arial'", {"Font", "Name"}},
                      PartsCase{u"  Hint = 'a.b = c'", {"Hint"}},
                      // no "=": only the parts ended by "." count
                      PartsCase{u"    'second part' +", {}},
                      PartsCase{u"    'Hello. World' +", {"'Hello"}},
                      PartsCase{u"a.b.c", {"a", "b"}},
                      PartsCase{u"\tItems . Strings\t= (", {"Items", "Strings"}},
                      PartsCase{u"", {}}),
    [](const auto &info) { return caseName(info.param.line, info.index); });

TEST(PropertyParts, StepRunsOncePerCharacterWalked)
{
    int steps = 0;
    propertyParts(QStringLiteral("  Caption = 'Main'"), [&] { ++steps; });
    EXPECT_EQ(steps, 11); // up to and including the "="
    steps = 0;
    propertyParts(QStringLiteral("    'second part' +"), [&] { ++steps; });
    EXPECT_EQ(steps, 19);
}

TEST(PropertyPath, RootIsStrippedAndPartsJoined)
{
    EXPECT_EQ(propertyPath(QStringLiteral(" Form1\t"), {"Label1", "Font", "Name"}),
              QStringLiteral("Form1->Label1->Font->Name"));
    EXPECT_EQ(propertyPath(QStringLiteral("Form1"), {}), QStringLiteral("Form1->"));
}

TEST(PropertyEntry, DropsFirstAndLastCharacterAndConvertsNothing)
{
    const QString path = QStringLiteral("Form1->Caption");
    EXPECT_EQ(propertyEntry(path, QStringLiteral("'Main'")), QStringLiteral("Form1->Caption = \"Main\";"));
    EXPECT_EQ(propertyEntry(path, QStringLiteral("'It''s \"x\" \\n'")),
              QStringLiteral("Form1->Caption = \"It''s \"x\" \\n\";"));
    EXPECT_EQ(propertyEntry(path, QStringLiteral("'")), QStringLiteral("Form1->Caption = \"\";"));
    EXPECT_EQ(propertyEntry(path, QString()), QStringLiteral("Form1->Caption = \"\";"));
    EXPECT_EQ(propertyEntry(path, QStringLiteral("''")), QStringLiteral("Form1->Caption = \"\";"));
}
} // namespace
