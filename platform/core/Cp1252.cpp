#include "platform/core/Cp1252.h"

#include <array>

namespace {
// Characters of bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Byte of character c, or -1.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(kHigh.size()); ++i)
        if (kHigh[i] == c)
            return 0x80 + i;
    return -1;
}
} // namespace

QString decodeCp1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *d++ = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
    }
    return out;
}

QByteArray encodeCp1252(QStringView text, bool *ok)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *d = out.data();
    bool all = true;
    for (const QChar c : text) {
        const int b = byteOf(c.unicode());
        if (b < 0)
            all = false;
        *d++ = char(b < 0 ? '?' : b);
    }
    if (ok)
        *ok = all;
    return out;
}

bool fitsCp1252(const QString &text)
{
    for (const QChar c : text)
        if (byteOf(c.unicode()) < 0)
            return false;
    return true;
}
