#pragma once
// The UI languages and the rows of the text tables: a text in every
// language, one column per Language in the enum's order. A third language is
// one more enum value (named in kLanguageCount) and one more column in each
// table; a table's static_assert fails while one of its rows lacks it.
#include <QRegularExpression>
#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>
#include <type_traits>

enum class Language { English, German };

// The last language's value plus one.
inline constexpr std::size_t kLanguageCount = std::size_t(Language::German) + 1;

using LanguageTexts = std::array<const char16_t *, kLanguageCount>;

// Each language's code, as locales name it: the window stores its choice
// by it, and the first start follows the system's.
inline constexpr std::array<const char16_t *, kLanguageCount> kLanguageCodes = {u"en", u"de"};

// The language a code or locale name ("de", "de_AT", "de-CH") names; none
// for another language.
inline std::optional<Language> languageOfCode(QStringView code)
{
    const QStringView lang = code.left(code.indexOf(QRegularExpression(QStringLiteral("[_.@-]"))));
    for (std::size_t i = 0; i < kLanguageCount; ++i)
        if (lang.compare(QStringView(kLanguageCodes[i]), Qt::CaseInsensitive) == 0)
            return Language(i);
    return std::nullopt;
}

// A table row of the text id. A table lists the ids in their enum's order,
// so that the row of an id is found by its value.
template <typename Id>
struct TextRow
{
    Id id;
    LanguageTexts text;
};

inline QString textIn(const LanguageTexts &texts, Language lang)
{
    return QString::fromUtf16(texts[std::size_t(lang)]);
}

// Every language has a text, and none is empty.
constexpr bool filled(const LanguageTexts &texts)
{
    for (const char16_t *t : texts)
        if (t == nullptr || *t == u'\0')
            return false;
    return true;
}

// Every row is filled: rows of texts, or rows whose texts are their member text.
template <typename Row, std::size_t N>
constexpr bool filled(const Row (&rows)[N])
{
    for (const Row &r : rows) {
        if constexpr (std::is_same_v<Row, LanguageTexts>) {
            if (!filled(r))
                return false;
        } else if (!filled(r.text)) {
            return false;
        }
    }
    return true;
}

// Row i is the id of value i, from the first id to last, and is filled.
template <typename Id, std::size_t N>
constexpr bool complete(const TextRow<Id> (&rows)[N], Id last)
{
    if (N != std::size_t(last) + 1)
        return false;
    for (std::size_t i = 0; i < N; ++i)
        if (std::size_t(rows[i].id) != i || !filled(rows[i].text))
            return false;
    return true;
}

// The text of id in lang from a complete() table; "" for a value outside it.
template <typename Id, std::size_t N>
QString tableText(const TextRow<Id> (&rows)[N], Id id, Language lang)
{
    const auto i = std::size_t(id);
    return i < N ? textIn(rows[i].text, lang) : QString();
}
