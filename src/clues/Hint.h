#pragma once
// Hints for the note pad: which (car, position) pairs the sentences of a clue rule out, the
// simplest deduction the player has not made yet, and how hard a clue is.
//
// One engine for both kinds of clue: a clue is a list of sentences, each true or false of an
// order of the cars: the lines of a classic pattern (each with the facts its words state,
// clues/Meaning.h) or the facts of a generated clue, one sentence each (clues/Facts.h).
//
// Everything here works in positions of the hidden order: position 0 is the first place in the
// turn's reading direction, and car k is the car that belongs at position k (ColoreAuto(k)). The
// window shows position p under slot p when the turn reads from the left and under slot N-1-p
// when it reads from the right; nothing here depends on the direction.
//
// A pair is excluded by some sentences when no order of the cars (one car per place) that
// satisfies those sentences has that car at that position. What the player has crossed out is
// never taken as knowledge: it may be wrong. Hints reason from the sentences and the
// one-car-per-place rule alone, so a hint never crosses out the car that belongs at the position,
// whatever the player did before. The logic-grid step "the last car left in a column must stand
// there" is not used: all sentences together already exclude every wrong pair. After a player's
// wrong crossing-out (a true pair hidden), the hints still cross out every wrong pair, and that
// position is left empty.
//
// Pure logic: no window code may be included here.

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "clues/Facts.h"
#include "clues/Meaning.h"

namespace clues {

// A set of (car, position) pairs, one bit each.
using Pairs = std::bitset<kMaxCars * kMaxCars>;
constexpr std::size_t PairBit(int car, int position) {
    return std::size_t(car * kMaxCars + position);
}

struct Hint {
    int car = -1;  // -1: nothing is left to cross out
    int position = -1;
    std::vector<std::size_t> lines;  // the sentences that rule the pair out together, ascending

    bool found() const { return car >= 0; }
};

// How hard a clue's deductions are: the most sentences that one crossing-out needs (each wrong
// pair ruled out by the fewest sentences that do it together), and how many crossings-out need
// that many. Zero sentences when the clue leaves more than one order.
struct Difficulty {
    int sentences = 0;
    int pairs = 0;
};

class ClueLogic {
public:
    using Sentence = std::function<bool(const Places&)>;
    ClueLogic(int cars, const std::vector<Sentence>& sentences);

    // The lines of pattern `pattern` for `cars` cars; no sentences for a pattern that does not exist.
    static ClueLogic OfPattern(int cars, std::size_t pattern);
    // One sentence per fact.
    static ClueLogic OfFacts(int cars, const std::vector<Fact>& facts);

    int Cars() const { return cars_; }
    std::size_t Sentences() const { return sentences_; }
    // How many orders of the cars satisfy every sentence.
    int Orders() const;

    // The pairs excluded by the sentences whose bits are set in `mask` (bit i: sentence i). No
    // sentences exclude nothing.
    Pairs Excluded(std::uint32_t mask) const;

    // The simplest deduction still open on a note pad that shows the pairs in `shown`: a shown
    // pair that one sentence alone excludes; where there is none, one that two together exclude;
    // and so on up to all. The sentences returned are all needed: no fewer of them exclude the
    // pair. Among deductions from equally many sentences, those whose last sentence comes earlier
    // in the clue come first, then the lower position, then the lower car. Nothing is found once
    // every shown pair fits the hidden order.
    Hint NextHint(const Pairs& shown) const;

    Difficulty Grade() const;

private:
    int cars_;
    std::size_t sentences_;
    // Every order of the cars and the sentences it satisfies (bit i: sentence i).
    std::vector<std::pair<Places, std::uint32_t>> orders_;
};

// The same for the classic patterns, by number.
Pairs Excluded(int cars, std::size_t pattern, unsigned lines);
std::vector<Pairs> ExcludedByEachLine(int cars, std::size_t pattern);
Hint NextHint(int cars, std::size_t pattern, const Pairs& shown);

}  // namespace clues
