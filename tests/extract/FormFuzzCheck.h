#pragma once
// Fuzz check of the form description's name rules (object name from a
// line whose first word is "object" only) and the list's number rules: the input (UTF-8) is one line, read by every rule and compared with
// a plain transcription of it.
#include "tests/support/FuzzCheck.h"

QString checkFormInput(const uint8_t *data, size_t size);
