#pragma once
// The language of a PO file as resource scripts name it.
#include <QString>

#include <optional>

struct WindowsLanguage
{
    int primary = 0; // LANG_*
    int sub = 0;     // SUBLANG_*; 0 (neutral) for a language without region
    bool operator==(const WindowsLanguage &) const = default;
};

// "de", "de_AT", "de-AT", "pt_BR.UTF-8", "sr@latin" -> primary and
// sub-language identifiers from a table of common languages. A language
// alone is neutral, so that it serves every region of the language. Nothing
// for a language or region that the table does not hold.
std::optional<WindowsLanguage> windowsLanguage(const QString &poLanguage);

// "LANGUAGE 0x07, 0x03"
QString languageStatement(WindowsLanguage language);

// The ANSI code page a program of that language runs with (932 Japanese,
// 1251 Cyrillic, 1252 Western ...): what LoadString's narrow buffer holds.
int ansiCodePage(WindowsLanguage language);
