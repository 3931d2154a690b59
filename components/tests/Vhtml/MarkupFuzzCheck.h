#pragma once
// Fuzz check of TVHTML's markup scans: byte 0 holds the lengths of the tag
// opener, value opener and terminator for values() (taken from the front of
// the rest), byte 1 after how many passes the hook stops a second run; the
// rest is the markup (UTF-8). Every scan ends, makes at most one pass per
// position, hands over only pieces of the markup, counts what it hands over,
// and a stopped scan finds no more than a full one.
#include "tests/support/FuzzCheck.h"

QString checkMarkupInput(const uint8_t *data, size_t size);
