#pragma once
// The proof that a rewrite of a C++ page changed nothing but what it meant
// to: both texts are lexed, and their tokens must be equal except inside the
// replaced stretches, where the old text's tokens lie wholly inside, are
// string literals only (no comment vanishes with them), and the new text holds an expression of names, numbers and punctuators only.
#include <QStringView>

#include <optional>
#include <vector>

namespace Cpp {

// [oldStart, oldEnd) of the old text became [newStart, newEnd) of the new.
struct Replacement
{
    int oldStart = 0, oldEnd = 0;
    int newStart = 0, newEnd = 0;
};

// Where the rewrite breaks the proof, as a position of the old text; none
// when it holds. replacements: in text order. Cost: one pass over each text.
std::optional<int> firstTokenDifference(QStringView before, QStringView after,
                                        const std::vector<Replacement> &replacements);

} // namespace Cpp
