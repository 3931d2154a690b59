#pragma once
// A fuzz check takes one raw input and returns "" when everything it checks
// held, else what failed. The same check runs under libFuzzer
// (FuzzMain.cpp, vtqx_add_fuzz_target) and replays the kept corpus in the
// normal test run (replayCorpus in FuzzCorpus.h).
#include <QString>

#include <cstddef>
#include <cstdint>

using FuzzCheck = QString (*)(const uint8_t *data, size_t size);
