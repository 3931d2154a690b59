// Sets a form's texts through its generated loading code (LoadFormTextsRC)
// and prints each as "Root.Object.Property <UTF-8 bytes in hex>", one line
// each. Built with -DCODE_PAGE=n; includes form.inc (the stand-in for the
// form's objects), code.inc (the generated function) and show.inc (X(name,
// property) per text) from the include path.
#include "vcl.h"

#include <cstdio>

#include "form.inc"

#include "code.inc"

static void show(const char *name, const String &text)
{
    wchar_t wide[4096];
    char utf8[16384];
    const int w = MultiByteToWideChar(CODE_PAGE, 0, text.data(), int(text.size()), wide, 4096);
    const int u = WideCharToMultiByte(CP_UTF8, 0, wide, w, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s ", name);
    for (int i = 0; i < u; ++i)
        std::printf("%02x", unsigned(static_cast<unsigned char>(utf8[i])));
    std::printf("\n");
}

int main()
{
    static FORM_CLASS form;
    form.LoadFormTextsRC();
#define X(name, property) show(name, property);
#include "show.inc"
    return 0;
}
