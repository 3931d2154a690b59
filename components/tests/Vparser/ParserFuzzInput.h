#pragma once
// One fuzz input for the parser: the first two bytes choose the settings, the
// rest holds Expression, X, A, B, C and D separated by line feeds (8-bit
// texts). Runs CreateTree and Evaluate and checks what must always hold.
#include <QString>

#include <cstddef>
#include <cstdint>

// "" when every check held, else what failed.
QString runParserFuzzInput(const uint8_t *data, size_t size);
