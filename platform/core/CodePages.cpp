#include "platform/core/CodePages.h"

#include <QStringDecoder>
#include <QStringList>
#include <QStringEncoder>

#include <uchardet.h>

#include <memory>

namespace CodePages {

namespace {
struct Page
{
    TextEncoding encoding;
    int number;
    const char *converter; // the toolkit's (ICU's) name; none for our own
    const char *key;
    const char *display;
};

// One row per encoding; the order of the choice lists.
constexpr Page kPages[] = {
    {TextEncoding::Utf8, 65001, nullptr, "utf-8", "UTF-8"},
    {TextEncoding::Utf8Bom, 65001, nullptr, "utf-8-bom", "UTF-8 with BOM"},
    {TextEncoding::Utf16LeBom, 1200, nullptr, "utf-16le", "UTF-16 LE"},
    {TextEncoding::Utf16BeBom, 1201, nullptr, "utf-16be", "UTF-16 BE"},
    {TextEncoding::Cp1252, 1252, nullptr, "cp1252", "Windows-1252"},
    {TextEncoding::Cp1250, 1250, "windows-1250", "cp1250", "Windows-1250"},
    {TextEncoding::Cp1251, 1251, "windows-1251", "cp1251", "Windows-1251"},
    {TextEncoding::Cp1253, 1253, "windows-1253", "cp1253", "Windows-1253"},
    {TextEncoding::Cp1254, 1254, "windows-1254", "cp1254", "Windows-1254"},
    {TextEncoding::Cp1255, 1255, "windows-1255", "cp1255", "Windows-1255"},
    {TextEncoding::Cp1256, 1256, "windows-1256", "cp1256", "Windows-1256"},
    {TextEncoding::Cp1257, 1257, "windows-1257", "cp1257", "Windows-1257"},
    {TextEncoding::Cp1258, 1258, "windows-1258", "cp1258", "Windows-1258"},
    {TextEncoding::Cp874, 874, "windows-874", "cp874", "Windows-874 (Thai)"},
    {TextEncoding::Cp932, 932, "windows-932", "cp932", "Shift-JIS (932)"},
    {TextEncoding::Cp936, 936, "windows-936", "cp936", "GBK (936)"},
    {TextEncoding::Cp949, 949, "windows-949", "cp949", "Korean UHC (949)"},
    {TextEncoding::Cp950, 950, "windows-950", "cp950", "Big5 (950)"},
};

const Page &pageOf(TextEncoding e)
{
    for (const Page &p : kPages)
        if (p.encoding == e)
            return p;
    return kPages[0];
}

// Other names people and detectors give the code pages.
constexpr std::pair<const char *, TextEncoding> kAliases[] = {
    {"utf8", TextEncoding::Utf8},          {"utf-16", TextEncoding::Utf16LeBom},
    {"utf16", TextEncoding::Utf16LeBom},   {"shift_jis", TextEncoding::Cp932},
    {"shift-jis", TextEncoding::Cp932},    {"sjis", TextEncoding::Cp932},
    {"windows-31j", TextEncoding::Cp932},  {"gbk", TextEncoding::Cp936},
    {"gb2312", TextEncoding::Cp936},       {"gb18030", TextEncoding::Cp936},
    {"big5", TextEncoding::Cp950},         {"uhc", TextEncoding::Cp949},
    {"euc-kr", TextEncoding::Cp949},       {"ks_c_5601-1987", TextEncoding::Cp949},
    {"tis-620", TextEncoding::Cp874},
};

// What the detector calls pages whose letters sit where the Windows page has
// them; the round trip and the letter share check the rest.
constexpr std::pair<const char *, TextEncoding> kDetectorNames[] = {
    {"iso-8859-7", TextEncoding::Cp1253},
    {"iso-8859-8", TextEncoding::Cp1255},
    {"iso-8859-11", TextEncoding::Cp874},
};
} // namespace

const std::vector<TextEncoding> &all()
{
    static const std::vector<TextEncoding> list = [] {
        std::vector<TextEncoding> out;
        for (const Page &p : kPages)
            if (p.encoding != TextEncoding::Utf8Bom && p.encoding != TextEncoding::Utf16BeBom)
                out.push_back(p.encoding);
        return out;
    }();
    return list;
}

bool isCodePage(TextEncoding e)
{
    return e == TextEncoding::Cp1252 || pageOf(e).converter != nullptr;
}

int number(TextEncoding e)
{
    return pageOf(e).number;
}

const char *converterName(TextEncoding e)
{
    const char *name = pageOf(e).converter;
    return name ? name : "";
}

QString displayName(TextEncoding e)
{
    return QLatin1String(pageOf(e).display);
}

QString key(TextEncoding e)
{
    return QLatin1String(pageOf(e).key);
}

QString knownKeys()
{
    QStringList keys;
    for (const TextEncoding e : all())
        keys << key(e);
    return keys.join(QLatin1String(", "));
}

std::optional<TextEncoding> named(const QString &given)
{
    const QString name = given.trimmed().toLower();
    for (const Page &p : kPages)
        if (name == QLatin1String(p.key) || name == QString::number(p.number) || name == QString::fromLatin1(p.display).toLower()
            || (p.converter && name == QLatin1String(p.converter)) || name == QLatin1String("ms") + QString::number(p.number))
            return p.encoding; // the first row of a number wins
    for (const auto &[alias, e] : kAliases)
        if (name == QLatin1String(alias))
            return e;
    if (name == u"windows-1252")
        return TextEncoding::Cp1252;
    return std::nullopt;
}

std::optional<Guess> guess(const QByteArray &bytes)
{
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(uchardet_new(),
                                                                                            uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), bytes.constData(), size_t(bytes.size())) != 0)
        return std::nullopt;
    uchardet_data_end(detector.get());
    // The detector's names of the code pages we read; anything else (Latin
    // pages, Mac and DOS pages, EUC-JP) stays Windows-1252.
    const QString name = QString::fromLatin1(uchardet_get_charset(detector.get())).toLower();
    std::optional<TextEncoding> page = named(name);
    for (const auto &[detected, e] : kDetectorNames)
        if (name == QLatin1String(detected))
            page = e;
    if (!page || !isCodePage(*page) || *page == TextEncoding::Cp1252)
        return std::nullopt;
    const LoadedText text = TextFile::decode(bytes, *page);
    if (text.notKept.row != 0)
        return std::nullopt;
    qsizetype high = 0, letters = 0;
    for (const QChar c : text.text)
        if (c.unicode() >= 0x80) {
            ++high;
            letters += c.isLetter() || c.isMark();
        }
    const int confidence = high ? int(letters * 100 / high) : 0;
    if (confidence < 60)
        return std::nullopt;
    return Guess{*page, confidence};
}

} // namespace CodePages
