#pragma once
// A scan driver for tests on plain strings: counts pumps, asks to stop once
// a given number of pumps has happened, and records the opening quotes met.
#include "scan/LiteralScanner.h"

#include <ostream>
#include <vector>

struct RecordingDriver
{
    int pumps = 0;
    int stopAfterPumps = -1; // never
    std::vector<int> opened;

    void pump() { ++pumps; }
    bool stopRequested() const { return stopAfterPumps >= 0 && pumps >= stopAfterPumps; }
    void openQuote(int pos) { opened.push_back(pos); }
};

inline void PrintTo(const ScanResult &r, std::ostream *os)
{
    static const char *names[] = {"Found", "EndOfText", "PastEnd", "Stopped"};
    *os << names[r.outcome] << "(start " << r.start << ", length " << r.length << ')';
}
