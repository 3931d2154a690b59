#pragma once
// Checks of the C++ lexer over any text. The invariants hold without help;
// the differential check lexes the same text with libclang (clang_tokenize)
// and needs the test to be built with it (VTQX_HAVE_LIBCLANG).
#include "tests/support/FuzzCheck.h"

#include <QString>

// Tokens in order, not overlapping, every character outside them a blank, a
// line break or part of a line splice; literal parts in order. "" when all hold.
QString checkLexerInvariants(const QString &text);

// Whether compareWithClang can run in this build.
bool clangAvailable();

// Our String and RawString tokens against clang's string literal tokens
// (start, end), then the groups of adjacent literals of CodeMap against the
// runs of string literal tokens in clang's token stream (comments ignored,
// not crossing a preprocessor line's end). "" when they agree.
QString compareWithClang(const QString &text);

// Fuzz check: the input is UTF-8 text (NULs read as blanks, characters
// beyond ASCII as "é").
QString checkLexerInput(const uint8_t *data, size_t size);
