// Files survive Open and Save All byte for byte, in every encoding the tool
// reads, and the editor model hands every character back as it went in.
#include "tests/support/FormFixture.h"
#include "platform/core/TextFile.h"
#include "tests/support/CodePageTexts.h"

#include "app/UnitEncodings.h"
#include "components/Vreg/Vreg.h"

#include <QAction>
#include <QToolButton>

#include <QStringEncoder>

namespace {
// Every code point that is not a line break or a surrogate half, a few
// beyond the basic plane, in short CR LF lines.
QString everyCodePoint()
{
    QString text;
    int column = 0;
    const auto add = [&](char32_t c) {
        text += QString::fromUcs4(&c, 1);
        if (++column % 64 == 0)
            text += QStringLiteral("\r\n");
    };
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c != u'\r' && c != u'\n' && !QChar::isSurrogate(c))
            add(c);
    }
    for (char32_t c : {0x10000u, 0x1F600u, 0xFFFFEu, 0x10FFFFu})
        add(c);
    return text;
}

QByteArray utf16(const QString &text, QStringEncoder::Encoding e)
{
    QStringEncoder enc(e, QStringEncoder::Flag::WriteBom);
    return enc.encode(text);
}

struct RoundTrip
{
    const char *name;
    QByteArray bytes;
    TextEncoding encoding;
};

std::vector<RoundTrip> roundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        if (b != '\n')
            all += char(b);
        if (b == '\r')
            all += '\n';
    }
    const QString every = everyCodePoint();
    const QString separators = QStringLiteral("a\u00A0b\u2028c\u2029d\uFDD0e\uFDD1f\uFEFF\r\n\u2029\r\n");
    return {
        {"Windows-1252, every byte value", all, TextEncoding::Cp1252},
        {"UTF-8, every code point", every.toUtf8(), TextEncoding::Utf8},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + separators.toUtf8(), TextEncoding::Utf8Bom},
        {"UTF-8, two marks", "\xEF\xBB\xBF\xEF\xBB\xBFx\r\n", TextEncoding::Utf8Bom},
        {"UTF-16 LE, every code point", utf16(every, QStringEncoder::Utf16LE), TextEncoding::Utf16LeBom},
        {"UTF-16 BE, every code point", utf16(every, QStringEncoder::Utf16BE), TextEncoding::Utf16BeBom},
        {"UTF-16 LE, two marks", utf16(u"\uFEFFx\r\n"_qs, QStringEncoder::Utf16LE), TextEncoding::Utf16LeBom},
        {"UTF-16 BE, two marks", utf16(u"\uFEFFx\r\n"_qs, QStringEncoder::Utf16BE), TextEncoding::Utf16BeBom},
        {"UTF-16 mark, odd length", "\xFF\xFEx", TextEncoding::Cp1252},
        {"UTF-16 mark, unpaired surrogate", QByteArray("\xFE\xFF\xD8\x00\x00x", 6), TextEncoding::Cp1252},
    };
}
} // namespace

class RoundTripFiles : public FormFixture
{
protected:
    // Opens Unit1 (ASCII, so nothing is guessed), chooses the encoding in
    // the window, then gives the files the bytes and reads them again
    // through the same choice; told: a message is expected then.
    void openChosen(TextEncoding e, const QByteArray &cpp, const QByteArray &h, const QByteArray &dfm, bool told = false)
    {
        writeUnit(QStringLiteral("Unit1"), "x\r\n", "x\r\n", "x\r\n");
        openUnit(QStringLiteral("Unit1.cpp"));
        QAction *choice = ui.action(("Encoding_" + CodePages::key(e)).toLatin1().constData());
        choice->trigger();
        writeUnit(QStringLiteral("Unit1"), cpp, h, dfm);
        if (told)
            dialogs->answerMessage(Dialogs::Button::Ok);
        choice->trigger();
    }
};

TEST_F(RoundTripFiles, OpenAndSaveAllKeepEveryByte)
{
    for (const RoundTrip &c : roundTrips()) {
        SCOPED_TRACE(c.name);
        const LoadedText loaded = TextFile::decode(c.bytes);
        EXPECT_EQ(loaded.encoding, c.encoding);
        EXPECT_EQ(TextFile::encode(loaded.text, loaded.encoding), c.bytes);

        writeUnit(QStringLiteral("Unit1"), c.bytes, c.bytes, c.bytes);
        openUnit(QStringLiteral("Unit1.cpp"));
        EditorModel &m = page(MainWindow::CppPage);
        EXPECT_EQ(m.text(), loaded.text);
        QString read;
        for (int i = 0; i < m.length(); ++i)
            read += m.charAt(i);
        EXPECT_EQ(read, loaded.text);
        QStringList lines;
        for (int i = 0; i < m.lineCount(); ++i)
            lines << m.line(i);
        EXPECT_EQ(lines, loaded.text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
        m.setSelection(0, m.length());
        EXPECT_EQ(m.selectedText(), loaded.text);

        ui.action("SaveAll1")->trigger();
        for (const char *ext : {".cpp", ".h", ".dfm"})
            EXPECT_EQ(readFile(QStringLiteral("Unit1") + QLatin1String(ext)), c.bytes) << ext;
    }
}

TEST_F(RoundTripFiles, FindNextExtractAndTheListKeepTheCharacters)
{
    const QString literal = QStringLiteral("\"a\u00A0b\u2028c\u2029d\uFDD0e\uFDD1f\"");
    const QString cpp = QStringLiteral("int x;\r\nf(%1);\r\n").arg(literal);
    writeUnit(QStringLiteral("Unit1"), cpp.toUtf8(), "", "object Form1: TForm1\r\nend\r\n");
    openUnit(QStringLiteral("Unit1.cpp"));
    ui.action("OnExtractFindNext2")->setChecked(false);
    form->run(Command::GlobalStrings);

    ui.action("FindNext1")->trigger();
    EditorModel &m = page(MainWindow::CppPage);
    EXPECT_EQ(m.selStart(), cpp.indexOf(u'"'));
    EXPECT_EQ(m.selLength(), literal.size());
    EXPECT_EQ(m.selectedText(), literal);
    EXPECT_EQ(EditorModel::of(ui.found()).text(), literal);

    ui.action("Extract1")->trigger();
    EXPECT_TRUE(EditorModel::of(ui.list()).text().contains(literal)) << EditorModel::of(ui.list()).text().toStdString();
    // Keys typed behind a held break character are what was typed.
    m.setText(QStringLiteral("a\u2029b"));
    ui.checkBox("CheckBox1")->setChecked(false);
    ui.applyProtection();
    m.setSelection(2, 0);
    QTest::keyClicks(ui.editor(MainWindow::CppPage), QStringLiteral("x"));
    QTest::sendKeyEvent(QTest::Click, ui.editor(MainWindow::CppPage), Qt::Key_A, QStringLiteral("\U0010FFFF"), Qt::NoModifier);
    EXPECT_EQ(m.text(), QStringLiteral("a\u2029x\U0010FFFFb"));
}


TEST_F(RoundTripFiles, EveryCodePageSurvivesOpenAndSaveAllInTheWindow)
{
    for (const TextEncoding e : convertedCodePages()) {
        SCOPED_TRACE(CodePages::displayName(e).toStdString());
        const QByteArray bytes = codePageBytes(e);
        openChosen(e, bytes, bytes, bytes);
        EXPECT_EQ(page(MainWindow::CppPage).text(), TextFile::decode(bytes, e).text);
        tick();
        EXPECT_EQ(ui.button("EncodingButton")->text(), CodePages::displayName(e));
        EXPECT_TRUE(ui.action(("Encoding_" + CodePages::key(e)).toLatin1().constData())->isChecked());
        ui.action("SaveAll1")->trigger();
        for (const char *ext : {".cpp", ".h", ".dfm"})
            EXPECT_EQ(readFile(QStringLiteral("Unit1") + QLatin1String(ext)), bytes) << ext;
    }
}

TEST_F(RoundTripFiles, BytesThatWouldNotSurviveOpenProtectedNamingThePlaceAndAreNeverWritten)
{
    const QByteArray nec("a\r\nb\xFA\x4A\r\n");
    openChosen(TextEncoding::Cp932, nec, "x\r\n", "x\r\n", true);
    EXPECT_TRUE(dialogs->last().text.contains(QLatin1String("Unit1.cpp\", line 2, column 2")))
        << dialogs->last().text.toStdString();
    ui.checkBox("CheckBox1")->setChecked(false);
    ui.applyProtection();
    EXPECT_TRUE(ui.editor(MainWindow::CppPage)->isReadOnly());
    EXPECT_FALSE(ui.editor(MainWindow::HeaderPage)->isReadOnly());
    // Save All writes the other pages and leaves this one alone.
    ui.action("SaveAll1")->trigger();
    EXPECT_EQ(readFile(QStringLiteral("Unit1.cpp")), nec);
    EXPECT_EQ(dialogs->pending(), 0);
    // The choice is the unit's from now on.
    EXPECT_EQ(UnitEncodings::fromText(ui.settings()->Pop(QStringLiteral("UnitEncodings"))).of(dir.filePath(QStringLiteral("Unit1.h"))),
              TextEncoding::Cp932);
}
