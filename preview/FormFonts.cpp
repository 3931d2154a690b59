#include "preview/FormFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <utility>

namespace {
// What a form uses when it names no font: the classic dialog font.
const QString kDefaultFont = QStringLiteral("MS Sans Serif");
constexpr int kDefaultPixels = 11;
} // namespace

QString FormFonts::standInFor(const QString &name)
{
    static const std::pair<const char16_t *, const char16_t *> table[] = {
        {u"Arial", u"Liberation Sans"},           {u"Helvetica", u"Liberation Sans"},
        {u"Times New Roman", u"Liberation Serif"}, {u"Times", u"Liberation Serif"},
        {u"MS Serif", u"Liberation Serif"},        {u"Courier New", u"Liberation Mono"},
        {u"Courier", u"Liberation Mono"},          {u"Calibri", u"Carlito"},
    };
    for (const auto &[font, standIn] : table)
        if (name.compare(QStringView(font), Qt::CaseInsensitive) == 0)
            return QString::fromUtf16(standIn);
    return QStringLiteral("Liberation Sans");
}

QFont FormFonts::font(const FormFont &f)
{
    QString family = f.name.isEmpty() ? kDefaultFont : f.name;
    if (!QFontDatabase::hasFamily(family)) {
        const QString standIn = standInFor(family);
        m_standIns.insert(family, QFontDatabase::hasFamily(standIn) ? standIn : QFont(standIn).defaultFamily());
        family = m_standIns.value(family);
    }
    QFont font(family);
    font.setPixelSize(f.pixels > 0 ? f.pixels : kDefaultPixels);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    return font;
}

int FormFonts::width(const FormFont &f, const QString &text)
{
    return QFontMetrics(font(f)).horizontalAdvance(text);
}
