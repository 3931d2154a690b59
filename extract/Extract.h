#pragma once
// What Extract writes into the C++ source in place of a literal.
#include "extract/StringMode.h"

#include <QString>

namespace Extract {

// The expression that fetches the string called name:
//   Global (or no mode)   name                              String3
//   Form                  root->name                        Form1->String3
//   Function              root->LoadTextRC(N)               Form1->LoadTextRC(3)
//   Function, Extract C   (root->LoadTextRC(N)).c_str()     (Form1->LoadTextRC(3)).c_str()
// N is the number of the name; root is used as given, not stripped. Raises
// Exception (Function mode only) when the name's digits exceed 32 bits.
QString replacement(const QString &name, StringMode mode, bool extractC, const QString &root);

} // namespace Extract
