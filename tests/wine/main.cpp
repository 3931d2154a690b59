// Calls the generated code of one unit and prints every text it gives as
// "StringN <UTF-8 bytes in hex>", one line each.
//
// Built with: -DFORM_CLASS=TActivityForm, one of -DFUNCTION (LoadTextRC),
// -DGLOBALS (declarations at file scope) or -DMEMBERS (declarations in the
// form class), and -DCODE_PAGE=n for the narrow texts (0: the process's
// ANSI code page, as LoadString gives them). Includes decl.inc (the
// declarations), code.inc (the generated functions) and ids.inc (X(n) per
// entry) from the include path.
#include "vcl.h"

#include <cstdio>

#ifdef GLOBALS
#include "decl.inc"
#endif

class FORM_CLASS
{
public:
    String __fastcall LoadTextRC(int index);
    void __fastcall FormCreate(TObject *Sender);
#ifdef MEMBERS
#include "decl.inc"
#endif
};

#include "code.inc"

static void show(int n, const String &text)
{
    wchar_t wide[4096];
    char utf8[16384];
    const int w = MultiByteToWideChar(CODE_PAGE, 0, text.data(), int(text.size()), wide, 4096);
    const int u = WideCharToMultiByte(CP_UTF8, 0, wide, w, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("String%d ", n);
    for (int i = 0; i < u; ++i)
        std::printf("%02x", unsigned(static_cast<unsigned char>(utf8[i])));
    std::printf("\n");
}

int main()
{
    FORM_CLASS form;
#if defined(FUNCTION)
#define X(n) show(n, form.LoadTextRC(n));
#elif defined(MEMBERS)
    form.FormCreate(nullptr);
#define X(n) show(n, form.String##n);
#else
    form.FormCreate(nullptr);
#define X(n) show(n, String##n);
#endif
#include "ids.inc"
    return 0;
}
