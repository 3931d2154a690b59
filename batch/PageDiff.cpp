#include "batch/PageDiff.h"

#include <algorithm>

namespace {
constexpr int kContext = 3;

class Lines
{
public:
    explicit Lines(const QString &text) : m_text(text)
    {
        m_starts.push_back(0);
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i] == u'\n')
                m_starts.push_back(int(i + 1));
        if (m_starts.size() > 1 && m_starts.back() == text.size())
            m_starts.pop_back(); // no line after the last break
    }
    int count() const { return text().isEmpty() ? 0 : int(m_starts.size()); }
    int lineOf(int pos) const
    {
        return int(std::upper_bound(m_starts.begin(), m_starts.end(), pos) - m_starts.begin()) - 1;
    }
    QStringView line(int i) const
    {
        const int end = i + 1 < int(m_starts.size()) ? m_starts[size_t(i + 1)] : int(m_text.size());
        QStringView l = QStringView(m_text).sliced(m_starts[size_t(i)], end - m_starts[size_t(i)]);
        while (l.endsWith(u'\n') || l.endsWith(u'\r'))
            l.chop(1);
        return l;
    }
    const QString &text() const { return m_text; }

private:
    const QString &m_text;
    std::vector<int> m_starts;
};

// Lines [oldFirst, oldLast] became [newFirst, newLast].
struct Block
{
    int oldFirst, oldLast, newFirst, newLast;
};
} // namespace

QString unifiedDiff(const QString &path, const QString &before, const QString &after,
                    const std::vector<Cpp::Replacement> &replacements)
{
    if (replacements.empty())
        return QString();
    const Lines a(before), b(after);
    std::vector<Block> blocks;
    for (const Cpp::Replacement &r : replacements) {
        const Block k{a.lineOf(r.oldStart), a.lineOf(std::max(r.oldStart, r.oldEnd - 1)), b.lineOf(r.newStart),
                      b.lineOf(std::max(r.newStart, r.newEnd - 1))};
        if (!blocks.empty() && k.oldFirst <= blocks.back().oldLast + 1) { // touching lines form one change
            blocks.back().oldLast = std::max(blocks.back().oldLast, k.oldLast);
            blocks.back().newLast = std::max(blocks.back().newLast, k.newLast);
        } else {
            blocks.push_back(k);
        }
    }
    QString out = QStringLiteral("--- %1\n+++ %1\n").arg(path);
    for (size_t i = 0; i < blocks.size();) {
        size_t j = i;
        while (j + 1 < blocks.size() && blocks[j + 1].oldFirst - blocks[j].oldLast - 1 <= 2 * kContext)
            ++j;
        const int shift = blocks[i].newFirst - blocks[i].oldFirst; // new line = old line + shift before block i
        const int oldFrom = std::max(0, blocks[i].oldFirst - kContext);
        const int oldTo = std::min(a.count() - 1, blocks[j].oldLast + kContext);
        const int shiftAfter = blocks[j].newLast - blocks[j].oldLast;
        const int newFrom = oldFrom + shift;
        const int newTo = oldTo + shiftAfter;
        out += QStringLiteral("@@ -%1,%2 +%3,%4 @@\n")
                   .arg(oldFrom + 1)
                   .arg(oldTo - oldFrom + 1)
                   .arg(newFrom + 1)
                   .arg(newTo - newFrom + 1);
        int line = oldFrom;
        for (size_t k = i; k <= j; ++k) {
            for (; line < blocks[k].oldFirst; ++line)
                out += u' ' + a.line(line).toString() + u'\n';
            for (int l = blocks[k].oldFirst; l <= blocks[k].oldLast; ++l)
                out += u'-' + a.line(l).toString() + u'\n';
            for (int l = blocks[k].newFirst; l <= blocks[k].newLast; ++l)
                out += u'+' + b.line(l).toString() + u'\n';
            line = blocks[k].oldLast + 1;
        }
        for (; line <= oldTo; ++line)
            out += u' ' + a.line(line).toString() + u'\n';
        i = j + 1;
    }
    return out;
}
