#pragma once
// A text held in a string, read the way the scanners read an editor: 0-based
// positions in which every character counts, lines split at line feeds (a CR
// in front of the LF belongs to the break).
#include <QString>

#include <vector>

class TextSource
{
public:
    explicit TextSource(QString text);

    const QString &text() const { return m_text; }
    int length() const { return int(m_text.size()); }
    // Character at pos; '\0' outside the text.
    QChar charAt(int pos) const { return pos >= 0 && pos < length() ? m_text.at(pos) : QChar(u'\0'); }

    // Lines as an editor lists them: an empty remainder after the last break
    // is not a line.
    int lineCount() const { return int(m_lineStarts.size()); }
    // Line i without its break; "" for an index outside the text.
    QString line(int i) const;
    // Index of the line that holds position pos (clamped to the text).
    int lineOf(int pos) const;
    // Position of the first character of line i (i inside the text).
    int lineStart(int i) const { return m_lineStarts[size_t(i)]; }

private:
    QString m_text;
    std::vector<int> m_lineStarts;
};

// Length of s without its leading and trailing blanks and control characters.
int strippedLength(const QString &s);
