#pragma once
// Fuzz check of the form description's name rules and the list's number
// rules: the input (UTF-8) is one line, read by every rule and compared with
// a plain transcription of it.
#include "FuzzCheck.h"

QString checkFormInput(const uint8_t *data, size_t size);
