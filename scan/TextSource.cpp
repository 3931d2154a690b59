#include "scan/TextSource.h"

#include "platform/core/Blanks.h"

#include <algorithm>

TextSource::TextSource(QString text) : m_text(std::move(text))
{
    const int n = length();
    for (int start = 0; start < n;) {
        m_lineStarts.push_back(start);
        const int lf = int(m_text.indexOf(u'\n', start));
        if (lf < 0)
            break;
        start = lf + 1;
    }
}

QString TextSource::line(int i) const
{
    if (i < 0 || i >= lineCount())
        return QString();
    const int start = m_lineStarts[size_t(i)];
    int end = i + 1 < lineCount() ? m_lineStarts[size_t(i) + 1] - 1 : length();
    if (end > start && m_text.at(end - 1) == u'\r' && end < length())
        --end;
    return m_text.mid(start, end - start);
}

int TextSource::lineOf(int pos) const
{
    const auto it = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), pos);
    return it == m_lineStarts.begin() ? 0 : int(it - m_lineStarts.begin()) - 1;
}

int strippedLength(const QString &s)
{
    return int(withoutBlanks(s).size());
}
