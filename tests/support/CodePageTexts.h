#pragma once
// Generated texts in the code pages a unit may be written in.
#include "platform/core/CodePages.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <vector>

// The code pages other than 1252, which the toolkit converts.
inline std::vector<TextEncoding> convertedCodePages()
{
    std::vector<TextEncoding> out;
    for (const TextEncoding e : CodePages::all())
        if (CodePages::isCodePage(e) && e != TextEncoding::Cp1252)
            out.push_back(e);
    return out;
}

inline bool isDoubleByte(TextEncoding e)
{
    return e == TextEncoding::Cp932 || e == TextEncoding::Cp936 || e == TextEncoding::Cp949 || e == TextEncoding::Cp950;
}

// Every character the code page holds one to one (decoding and encoding
// again gives the same bytes), as bytes, after prefix on each line, in CR LF
// lines of 32 characters: printable single bytes, and on double-byte pages
// every lead byte with every trail byte (the 0x5C and 0x7C trails among
// them; on 932 the half-width katakana are single bytes).
inline QByteArray codePageBytes(TextEncoding e, const QByteArray &prefix = {})
{
    const char *name = CodePages::converterName(e);
    QByteArray out = prefix;
    int n = 0;
    const auto add = [&](const QByteArray &seq) {
        QStringDecoder dec(name, QStringDecoder::Flag::Stateless);
        const QString s = dec.decode(seq);
        if (dec.hasError() || s.size() != 1 || s.at(0) == QChar::ReplacementCharacter)
            return;
        QStringEncoder enc(name, QStringEncoder::Flag::Stateless);
        if (QByteArray(enc.encode(s)) != seq || enc.hasError())
            return;
        out += seq;
        if (++n % 32 == 0)
            out += "\r\n" + prefix;
    };
    for (int b = 0x20; b < 0x100; ++b)
        if (b != 0x7F)
            add(QByteArray(1, char(b)));
    if (isDoubleByte(e))
        for (int lead = 0x81; lead < 0xFF; ++lead)
            for (int trail = 0x40; trail < 0xFF; ++trail)
                add(QByteArray().append(char(lead)).append(char(trail)));
    return out + "\r\n";
}
