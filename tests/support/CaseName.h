#pragma once
// Names of parameterised cases that say the case: its text with every run of
// other characters than ASCII letters and digits as one "_", cut short, and
// its index, which keeps the names of a suite apart.
#include <QString>

#include <string>
#include <string_view>

inline std::string caseName(std::string_view text, size_t index)
{
    std::string out;
    for (char c : text) {
        if (out.size() >= 40)
            break;
        const bool word = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (word)
            out += c;
        else if (!out.empty() && out.back() != '_')
            out += '_';
    }
    if (!out.empty() && out.back() != '_')
        out += '_';
    return out + std::to_string(index);
}

inline std::string caseName(const char *text, size_t index)
{
    return caseName(std::string_view(text ? text : ""), index);
}

inline std::string caseName(const QString &text, size_t index)
{
    return caseName(text.toStdString(), index);
}

inline std::string caseName(const char16_t *text, size_t index)
{
    return caseName(QString::fromUtf16(text), index);
}
