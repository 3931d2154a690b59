#include "translate/WindowsLanguage.h"

#include <QStringList>

#include <utility>

namespace {
struct Row
{
    const char *code;
    int primary;
    const char *regions; // "REGION:sub ..."
    int neutral = 0;     // sub-language of the bare language
};

// Primary and sub-language identifiers of the Windows SDK.
constexpr Row kLanguages[] = {
    {"af", 0x36, "ZA:1"},
    {"ar", 0x01, "SA:1 IQ:2 EG:3 LY:4 DZ:5 MA:6 TN:7 OM:8 YE:9 SY:10 JO:11 LB:12 KW:13 AE:14 BH:15 QA:16"},
    {"az", 0x2c, "AZ:1"},
    {"be", 0x23, "BY:1"},
    {"bg", 0x02, "BG:1"},
    {"bn", 0x45, "IN:1 BD:2"},
    {"bs", 0x1a, "BA:5", 0x1e},
    {"ca", 0x03, "ES:1"},
    {"cs", 0x05, "CZ:1"},
    {"cy", 0x52, "GB:1"},
    {"da", 0x06, "DK:1"},
    {"de", 0x07, "DE:1 CH:2 AT:3 LU:4 LI:5"},
    {"el", 0x08, "GR:1"},
    {"en", 0x09, "US:1 GB:2 AU:3 CA:4 NZ:5 IE:6 ZA:7 JM:8 BZ:10 TT:11 ZW:12 PH:13 IN:16 MY:17 SG:18"},
    {"es", 0x0a,
     "ES:3 MX:2 GT:4 CR:5 PA:6 DO:7 VE:8 CO:9 PE:10 AR:11 EC:12 CL:13 UY:14 PY:15 BO:16 SV:17 HN:18 NI:19 PR:20 US:21"},
    {"et", 0x25, "EE:1"},
    {"eu", 0x2d, "ES:1"},
    {"fa", 0x29, "IR:1"},
    {"fi", 0x0b, "FI:1"},
    {"fo", 0x38, "FO:1"},
    {"fr", 0x0c, "FR:1 BE:2 CA:3 CH:4 LU:5 MC:6"},
    {"ga", 0x3c, "IE:2"},
    {"gl", 0x56, "ES:1"},
    {"he", 0x0d, "IL:1"},
    {"hi", 0x39, "IN:1"},
    {"hr", 0x1a, "HR:1 BA:4"},
    {"hu", 0x0e, "HU:1"},
    {"hy", 0x2b, "AM:1"},
    {"id", 0x21, "ID:1"},
    {"is", 0x0f, "IS:1"},
    {"it", 0x10, "IT:1 CH:2"},
    {"ja", 0x11, "JP:1"},
    {"ka", 0x37, "GE:1"},
    {"kk", 0x3f, "KZ:1"},
    {"ko", 0x12, "KR:1"},
    {"lt", 0x27, "LT:1"},
    {"lv", 0x26, "LV:1"},
    {"mk", 0x2f, "MK:1"},
    {"ms", 0x3e, "MY:1 BN:2"},
    {"mt", 0x3a, "MT:1"},
    {"nb", 0x14, "NO:1", 0x1f},
    {"nl", 0x13, "NL:1 BE:2"},
    {"nn", 0x14, "NO:2", 0x1e},
    {"no", 0x14, "NO:1"},
    {"pl", 0x15, "PL:1"},
    {"pt", 0x16, "BR:1 PT:2"},
    // The pseudo locale qps-ploc (LANGID 0x0501) carries pseudo-translations.
    {"qps", 0x101, "PLOC:1"},
    {"ro", 0x18, "RO:1 MD:2"},
    {"ru", 0x19, "RU:1 MD:2"},
    {"sk", 0x1b, "SK:1"},
    {"sl", 0x24, "SI:1"},
    {"sq", 0x1c, "AL:1"},
    {"sr", 0x1a, "RS:10 ME:12 BA:7", 0x1f},
    {"sv", 0x1d, "SE:1 FI:2"},
    {"sw", 0x41, "KE:1"},
    {"ta", 0x49, "IN:1"},
    {"th", 0x1e, "TH:1"},
    {"tr", 0x1f, "TR:1"},
    {"uk", 0x22, "UA:1"},
    {"ur", 0x20, "PK:1 IN:2"},
    {"uz", 0x43, "UZ:1"},
    {"vi", 0x2a, "VN:1"},
    {"zh", 0x04, "TW:1 CN:2 HK:3 SG:4 MO:5"},
};

// Serbian in Latin script has sub-languages of its own.
constexpr Row kSerbianLatin = {"sr@latin", 0x1a, "RS:9 ME:11 BA:6", 0x1c};

std::optional<int> subLanguage(const Row &row, const QString &region)
{
    for (const QString &pair : QString::fromLatin1(row.regions).split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype colon = pair.indexOf(u':');
        if (pair.left(colon) == region)
            return pair.mid(colon + 1).toInt();
    }
    return std::nullopt;
}
} // namespace

std::optional<WindowsLanguage> windowsLanguage(const QString &poLanguage)
{
    // ll[_CC][.charset][@modifier]
    QString code = poLanguage.trimmed();
    QString modifier;
    if (const qsizetype at = code.indexOf(u'@'); at >= 0) {
        modifier = code.mid(at + 1).toLower();
        code.truncate(at);
    }
    if (const qsizetype dot = code.indexOf(u'.'); dot >= 0)
        code.truncate(dot);
    code.replace(u'-', u'_');
    const QString language = code.section(u'_', 0, 0).toLower();
    const QString region = code.section(u'_', 1).toUpper();
    if (language.isEmpty() || region.contains(u'_'))
        return std::nullopt;

    const Row *row = nullptr;
    if (language == u"sr" && modifier == u"latin") {
        row = &kSerbianLatin;
    } else if (modifier.isEmpty()) {
        for (const Row &r : kLanguages)
            if (language == QLatin1String(r.code))
                row = &r;
    }
    if (!row)
        return std::nullopt;
    if (region.isEmpty())
        return WindowsLanguage{row->primary, row->neutral};
    const std::optional<int> sub = subLanguage(*row, region);
    if (!sub)
        return std::nullopt;
    return WindowsLanguage{row->primary, *sub};
}

QString languageStatement(WindowsLanguage language)
{
    const auto hex = [](int v) { return QStringLiteral("0x%1").arg(v, 2, 16, QLatin1Char('0')); };
    return QStringLiteral("LANGUAGE ") + hex(language.primary) + QStringLiteral(", ") + hex(language.sub);
}

int ansiCodePage(WindowsLanguage language)
{
    // Primary language -> the ANSI code page of its locales.
    static const std::pair<int, int> pages[] = {
        {0x11, 932},  {0x12, 949},  {0x1e, 874},  {0x2a, 1258}, {0x08, 1253}, {0x1f, 1254}, {0x0d, 1255},
        {0x01, 1256}, {0x29, 1256}, {0x20, 1256}, {0x25, 1257}, {0x26, 1257}, {0x27, 1257}, {0x19, 1251},
        {0x22, 1251}, {0x02, 1251}, {0x23, 1251}, {0x2f, 1251}, {0x3f, 1251}, {0x05, 1250}, {0x0e, 1250},
        {0x15, 1250}, {0x1b, 1250}, {0x24, 1250}, {0x18, 1250}, {0x1c, 1250},
    };
    if (language.primary == 0x04) // Chinese: traditional in Taiwan, Hong Kong and Macao
        return language.sub == 1 || language.sub == 3 || language.sub == 5 ? 950 : 936;
    if (language.primary == 0x1a) // Serbo-Croatian: Cyrillic Serbian and Bosnian, Latin otherwise
        return language.sub == 3 || language.sub == 7 || language.sub == 10 || language.sub == 12 ? 1251 : 1250;
    for (const auto &[primary, page] : pages)
        if (primary == language.primary)
            return page;
    return 1252;
}
