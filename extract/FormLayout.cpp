#include "extract/FormLayout.h"

#include <QStringList>

#include <cmath>

namespace {
QString unquoted(const QString &value)
{
    return value.size() >= 2 && value.startsWith(u'\'') && value.endsWith(u'\'')
               ? value.mid(1, value.size() - 2).replace(QLatin1String("''"), QLatin1String("'"))
               : value;
}

// The character that ends a block opened by value's first character; none
// when the value is not one or ends on its own line.
QChar blockEnd(const QString &value)
{
    static const QString open = QStringLiteral("<({"), close = QStringLiteral(">)}");
    const qsizetype kind = value.isEmpty() ? -1 : open.indexOf(value.front());
    return kind < 0 || value.endsWith(close.at(kind)) ? QChar() : close.at(kind);
}

void setProperty(FormControl &c, const QString &name, const QString &value)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    const auto isTrue = [&] { return value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0; };
    if (name == u"Left" && ok)
        c.left = number;
    else if (name == u"Top" && ok)
        c.top = number;
    else if ((name == u"Width" || name == u"ClientWidth") && ok && (!c.hasWidth || name == u"ClientWidth")) {
        c.width = number;
        c.hasWidth = true;
    } else if ((name == u"Height" || name == u"ClientHeight") && ok)
        c.height = number;
    else if (name == u"AutoSize")
        c.autoSize = isTrue();
    else if (name == u"WordWrap")
        c.wordWrap = isTrue();
    else if (name == u"Font.Name")
        c.font.name = unquoted(value);
    else if (name == u"Font.Height" && ok)
        c.font.pixels = std::abs(number);
    else if (name == u"Font.Size" && ok)
        c.font.pixels = int(std::lround(std::abs(number) * 96.0 / 72.0));
    else if (name == u"Font.Style") {
        c.font.bold = value.contains(QLatin1String("fsBold"));
        c.font.italic = value.contains(QLatin1String("fsItalic"));
        c.font.underline = value.contains(QLatin1String("fsUnderline"));
        c.font.strikeOut = value.contains(QLatin1String("fsStrikeOut"));
    }
}
} // namespace

std::vector<FormControl> readFormLayout(QStringView page)
{
    std::vector<FormControl> out;
    std::vector<int> open; // the controls whose "end" has not come
    QChar skipTo;
    for (const QStringView raw : page.split(u'\n')) {
        const QString line = raw.trimmed().toString();
        if (!skipTo.isNull()) {
            if (line.endsWith(skipTo))
                skipTo = QChar();
            continue;
        }
        const QString word = line.section(u' ', 0, 0);
        if (word == u"object" || word == u"inherited" || word == u"inline") {
            FormControl c;
            const QString head = line.mid(word.size());
            c.name = head.section(u':', 0, 0).trimmed();
            c.className = head.section(u':', 1).section(u' ', 0, 0, QString::SectionSkipEmpty).trimmed();
            c.parent = open.empty() ? -1 : open.back();
            if (c.parent >= 0)
                c.font = out[size_t(c.parent)].font;
            open.push_back(int(out.size()));
            out.push_back(c);
        } else if (line == u"end") {
            if (!open.empty())
                open.pop_back();
        } else if (const qsizetype eq = line.indexOf(u'='); eq > 0) {
            const QString value = line.mid(eq + 1).trimmed();
            skipTo = blockEnd(value);
            if (!open.empty())
                setProperty(out[size_t(open.back())], line.left(eq).trimmed(), value);
        }
    }
    return out;
}

bool hasFixedWidth(const FormControl &c, bool isForm)
{
    const bool growsByDefault = c.className == u"TLabel" || c.className == u"TStaticText";
    return c.hasWidth && !isForm && !c.wordWrap && !c.autoSize.value_or(growsByDefault);
}

int captionMargin(const QString &className)
{
    static const std::pair<const char16_t *, int> margins[] = {
        {u"TButton", 8}, {u"TBitBtn", 8}, {u"TSpeedButton", 8}, {u"TCheckBox", 20}, {u"TRadioButton", 20},
        {u"TGroupBox", 16}, {u"TRadioGroup", 16}, {u"TPanel", 4},
    };
    for (const auto &[name, margin] : margins)
        if (className == QStringView(name))
            return margin;
    return 0;
}

QString shownCaption(const QString &caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        out += caption.at(i);
    }
    return out;
}
