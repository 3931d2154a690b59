// Literals of units in double-byte code pages, read from the decoded text:
// a trail byte 0x5C or 0x7C is part of its character, never a backslash or
// a bar, in C++ literals and form values alike, and a form value goes to
// the list in the unit's code page as it stood in the form.
#include "batch/BatchExtract.h"
#include "generate/OutputFile.h"
#include "platform/core/CodePages.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {
// The first letter of page e whose second byte is trail.
QString withTrail(TextEncoding e, char trail)
{
    for (int lead = 0x81; lead < 0xFF; ++lead) {
        QStringDecoder dec(CodePages::converterName(e), QStringDecoder::Flag::Stateless);
        const QString c = dec.decode(QByteArray(1, char(lead)).append(trail));
        if (!dec.hasError() && c.size() == 1 && c.at(0).isLetter())
            return c;
    }
    return QString();
}
} // namespace

TEST(CodePageLiterals, TrailBytesAreNeitherEscapesNorQuotesNorBars)
{
    for (const TextEncoding e : {TextEncoding::Cp932, TextEncoding::Cp936, TextEncoding::Cp950}) {
        SCOPED_TRACE(CodePages::displayName(e).toStdString());
        const QString backslash = withTrail(e, '\\'), bar = withTrail(e, '|');
        ASSERT_FALSE(backslash.isEmpty());
        ASSERT_FALSE(bar.isEmpty());
        QStringEncoder enc(CodePages::converterName(e));

        const QString cpp = QStringLiteral("Caption = \"%1\";\r\nHint = \"%2|%1\"; f(\"x\");\r\n").arg(backslash, bar);
        const LoadedText code = TextFile::decode(enc.encode(cpp), e);
        const std::vector<Batch::Literal> literals = Batch::findLiterals(code.text, SourcePage::Cpp);
        ASSERT_EQ(literals.size(), 3u);
        EXPECT_EQ(literals[0].text, u'"' + backslash + u'"');
        EXPECT_EQ(literals[1].text, u'"' + bar + u'|' + backslash + u'"');
        for (const Batch::Literal &l : literals)
            EXPECT_FALSE(l.hints & LiteralHints(LiteralHint::SpansCode)) << l.text.toStdString();
        EXPECT_EQ(literals[0].verdict(), LiteralVerdict::UserText);

        const QString dfm = QStringLiteral("object Form1: TForm1\r\n  Caption = '%1'\r\n  Hint = '%2' + '%1'\r\nend\r\n")
                                .arg(backslash, bar);
        const LoadedText form = TextFile::decode(enc.encode(dfm), e);
        const std::vector<Batch::Literal> values = Batch::findLiterals(form.text, SourcePage::Dfm);
        ASSERT_EQ(values.size(), 2u);
        EXPECT_EQ(values[0].value, u'"' + backslash + u'"');
        EXPECT_EQ(values[1].value, u'"' + bar + backslash + u'"');
        // The list holds the character's own two bytes, not an escape.
        EXPECT_EQ(encodeOutputText(values[0].value, OutputKind::Text, e), enc.encode(values[0].value + QStringLiteral("\r\n")));
    }
}
