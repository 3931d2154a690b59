#pragma once
// One fuzz input for the text file codec: the bytes as a file (decoding then
// encoding gives them back), and the bytes as UTF-16 code units, encoded in
// every encoding (the result decodes to the same text, or the encoder
// refuses a character the encoding cannot hold) and by the output window's
// encoder (every line comes back).
#include <QString>

#include <cstddef>
#include <cstdint>

// "" when every check held, else what failed.
QString runTextFileFuzzInput(const uint8_t *data, size_t size);
