// TVParser as a component: published properties, operations by name,
// registration.
#include "components/platform/core/ComponentPalette.h"
#include "components/tests/Vparser/ParserTestSupport.h"
#include "components/Vparser/Vparser.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <gtest/gtest.h>

namespace {

TEST(TVParserComponent, PublishesItsPropertiesInOrderWithTheirDefaults)
{
    TVParser parser;
    const QMetaObject *meta = parser.metaObject();
    const char *names[] = {"Expression", "Precision", "X", "A", "B", "C", "D",
                           "OverwriteDecimalSymbol", "ConvertAllColonsAndDots", "ErgebnisString"};
    ASSERT_EQ(meta->propertyCount() - meta->propertyOffset(), int(std::size(names)));
    for (int i = 0; i < int(std::size(names)); ++i) {
        const QMetaProperty property = meta->property(meta->propertyOffset() + i);
        EXPECT_STREQ(property.name(), names[i]);
        EXPECT_EQ(property.isWritable(), i != 9) << names[i];
        if (property.typeId() == QMetaType::QString) {
            EXPECT_EQ(property.read(&parser).toString(), QString()) << names[i];
        }
    }
    EXPECT_EQ(parser.property("Precision").toInt(), 8);
    EXPECT_EQ(parser.property("ConvertAllColonsAndDots").toBool(), false);
}

// Variable texts are copied into the parser's own buffer where they fit:
// a text read back earlier, and the text set, never change with later sets.
TEST(TVParserComponent, VariableTextsStayApartFromTheCallersCopies)
{
    TVParser parser;
    QString set = QStringLiteral("1.5");
    parser.setX(set);
    const QString before = parser.X();
    const char *const sequence[] = {"2.5", "-12.75", "", "0.001", "1234567890123456789012345678901234567890", "7"};
    for (const char *text : sequence) {
        set = QString::fromLatin1(text);
        parser.setX(set);
        EXPECT_EQ(parser.X(), set);
        EXPECT_EQ(parser.X().utf16()[set.size()], 0) << "zero-terminated";
        EXPECT_EQ(set, QString::fromLatin1(text));
        EXPECT_EQ(before, QStringLiteral("1.5"));
    }
    parser.setX(QString());
    EXPECT_TRUE(parser.X().isNull());
    parser.setX(QStringLiteral(""));
    EXPECT_FALSE(parser.X().isNull());
}

TEST(TVParserComponent, EachPropertyHoldsItsOwnValue)
{
    TVParser parser;
    const char *texts[] = {"Expression", "X", "A", "B", "C", "D", "OverwriteDecimalSymbol"};
    for (const char *name : texts)
        ASSERT_TRUE(parser.setProperty(name, QString::fromLatin1(name) + QStringLiteral("-value")));
    for (const char *name : texts)
        EXPECT_EQ(parser.property(name).toString(), QString::fromLatin1(name) + QStringLiteral("-value"));
    EXPECT_FALSE(parser.setProperty("ErgebnisString", QStringLiteral("no")));
}

TEST(TVParserComponent, OperationsCanBeCalledByName)
{
    SetDecimalSeparator(u'.');
    TVParser parser;
    parser.setProperty("Expression", QStringLiteral("x^2"));
    parser.setProperty("X", QStringLiteral("1.5"));
    bool built = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(&parser, "CreateTree", Q_RETURN_ARG(bool, built)));
    EXPECT_TRUE(built);
    long double value = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(&parser, "Evaluate", Q_RETURN_ARG(long double, value)));
    EXPECT_EQ(value, 2.25L);
    EXPECT_EQ(parser.property("ErgebnisString").toString(), QStringLiteral("2.25"));

    QString text;
    ASSERT_TRUE(QMetaObject::invokeMethod(&parser, "EntferneKlammern", Q_RETURN_ARG(QString, text),
                                          Q_ARG(QString, QStringLiteral("(a)"))));
    EXPECT_EQ(text, QStringLiteral("a"));

    // Operations on a tree node, by reference.
    Tree node;
    ASSERT_TRUE(QMetaObject::invokeMethod(&parser, "MakeTree", Q_RETURN_ARG(bool, built), Q_ARG(Tree &, node),
                                          Q_ARG(QString, QStringLiteral("2*x"))));
    EXPECT_TRUE(built);
    EXPECT_EQ(node.Value, QStringLiteral("*"));
    ASSERT_TRUE(QMetaObject::invokeMethod(&parser, "Eval", Q_RETURN_ARG(long double, value),
                                          Q_ARG(const Tree &, node)));
    EXPECT_EQ(value, 3.0L);

    const char *invokable[] = {"InitLandDot",    "EntferneLeerzeichen", "EntferneKlammern", "WandleSinCosTanUm",
                               "Assiotiativitaet", "SplitLowest",       "MakeTree",         "CreateTree",
                               "IsZahl",         "IsLongDouble",        "StrToLongDouble",  "LongDoubleToStr",
                               "EntferneNullenUndPunkte", "Eval",       "modl",             "Evaluate"};
    QStringList methods;
    for (int i = 0; i < parser.metaObject()->methodCount(); ++i)
        methods << QString::fromLatin1(parser.metaObject()->method(i).name());
    for (const char *name : invokable)
        EXPECT_TRUE(methods.contains(QString::fromLatin1(name))) << name;
    ResetDecimalSeparator();
}

TEST(TVParserComponent, RegistersOnThePaletteVarnosel)
{
    Vparser::Register();
    Vparser::Register();
    const auto entries = RegisteredComponentClasses();
    EXPECT_EQ(entries.count({QStringLiteral("Varnosel"), QStringLiteral("TVParser")}), 1);
}

} // namespace
