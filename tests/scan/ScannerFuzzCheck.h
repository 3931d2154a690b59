#pragma once
// Fuzz check of the literal scanners: byte 0 chooses the scanner (bit 0: form
// description), byte 1 the start position (minus 8), byte 2 the row; the
// rest is the text (UTF-8). Each scan is compared with a plain transcription
// of the scanner's rules, and a scan reads no further than it must.
#include "tests/support/FuzzCheck.h"

QString checkScannerInput(const uint8_t *data, size_t size);
