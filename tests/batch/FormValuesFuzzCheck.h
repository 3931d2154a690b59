#pragma once
// Fuzz check of the form description's value reader: the input (UTF-8) is a
// page; every value read lies inside it, in order, starts a piece, and holds
// exactly what a plain decoding of its span gives.
#include "tests/support/FuzzCheck.h"

QString checkFormValuesInput(const uint8_t *data, size_t size);
