#pragma once
// Hints for the note pad: which (car, position) pairs the clue lines rule out, and the simplest
// deduction the player has not made yet.
//
// Everything here works in positions of the hidden order: position 0 is the first place in the
// turn's reading direction, and car k is the car that belongs at position k (ColoreAuto(k)). The
// window shows position p under slot p when the turn reads from the left and under slot N-1-p
// when it reads from the right; nothing here depends on the direction.
//
// A pair is excluded by some lines when no order of the cars (one car per place) that satisfies
// those lines has that car at that position. What the player has crossed out is never taken as
// knowledge: it may be wrong. Hints reason from the clue lines and the one-car-per-place rule
// alone, so a hint never crosses out the car that belongs at the position, whatever the player
// did before. The logic-grid step "the last car left in a column must stand there" is not used:
// all lines together already exclude every wrong pair. After a player's wrong crossing-out (a
// true pair hidden), the hints still cross out every wrong pair, and that position is left empty.
//
// Pure logic: no window code may be included here.

#include <bitset>
#include <cstddef>
#include <vector>

#include "clues/Meaning.h"

namespace clues {

// A set of (car, position) pairs, one bit each.
using Pairs = std::bitset<kMaxCars * kMaxCars>;
constexpr std::size_t PairBit(int car, int position) {
    return std::size_t(car * kMaxCars + position);
}

// The pairs excluded by the lines of pattern `pattern` for `cars` cars whose bits are set in
// `lines` (bit i: line i). No lines exclude nothing; nor does a pattern that does not exist.
Pairs Excluded(int cars, std::size_t pattern, unsigned lines);

// For each line of the pattern, the pairs that line alone excludes.
std::vector<Pairs> ExcludedByEachLine(int cars, std::size_t pattern);

struct Hint {
    int car = -1;  // -1: nothing is left to cross out
    int position = -1;
    std::vector<std::size_t> lines;  // the lines that rule the pair out together, ascending

    bool found() const { return car >= 0; }
};

// The simplest deduction still open on a note pad that shows the pairs in `shown`: a shown pair
// that one line alone excludes; where there is none, one that two lines together exclude; and so
// on up to all lines. The lines returned are all needed: no fewer of them exclude the pair.
// Among deductions from equally many lines, those whose last line comes earlier in the clue
// come first, then the lower position, then the lower car. Nothing is found once every shown pair fits the hidden order.
Hint NextHint(int cars, std::size_t pattern, const Pairs& shown);

}  // namespace clues
