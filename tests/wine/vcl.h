// Stands in for the form library where the generated code is compiled for
// Windows by the cross compiler: String, __fastcall, HInstance, TObject.
#pragma once
#include <windows.h>

#include <string>

#undef __fastcall
#define __fastcall

struct TObject
{
};

// The form library's string: takes a narrow text as it is.
class String : public std::string
{
public:
    String() = default;
    String(const char *s) : std::string(s) {}
    String &operator=(const char *s)
    {
        assign(s);
        return *this;
    }
};

static HINSTANCE HInstance = GetModuleHandleA(nullptr);
