#pragma once
// Generated clues: from a seed, a number of cars and a level, a clue of facts (clues/Facts.h)
// that leaves exactly one order of the cars, the hidden one (car k at position k), and needs
// nothing more: no fact can be left out without a second order appearing.
//
// How it is made: the facts of the vocabulary that are true of the hidden order are put in a
// random order that favours the level's kinds of fact (places for Facile; before and after, side
// by side and what is not so for Difficile), and taken one by one, each only if it rules out an
// order still left, until one order is left; then, in a random order, every fact whose absence
// still leaves one order is dropped. Each fact is then said one way or the other ("before" or
// "after", which car first) and the clue is put in a fixed order of sentences (places, before
// and after, side by side and between, then what is not so), the order within a kind being the
// random one, never the cars': the order of the sentences tells nothing of the answer.
//
// A level is a property of the deductions the clue needs, measured by the hint engine
// (clues/Hint.h: the most sentences one crossing-out needs, and how many crossings-out need that
// many), not of the number of facts:
//   Facile     every crossing-out follows from one sentence alone;
//   Medio      some crossing-out needs two sentences together, none more (three cars: exactly
//              one crossing-out needs two);
//   Difficile  some crossing-out needs three sentences or more (three cars, where no deduction
//              ever needs three: two or more crossings-out need two sentences together).
// A clue has at most 3 sentences for three cars, 5 for four, 6 for five. A draw that misses its
// level is drawn again from the same seed's sequence, so a seed always gives the same clue.
//
// Pure logic: no window code may be included here.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "clues/Facts.h"
#include "clues/Hint.h"

namespace clues {

enum class Level { Facile, Medio, Difficile };

std::string_view LevelName(Level level);  // "facile", "medio", "difficile"
std::optional<Level> LevelNamed(std::string_view name);

// The most sentences a clue of that many cars may have.
int MostSentences(int cars);

// Whether a clue's deductions are those of the level.
bool MeetsLevel(const Difficulty& difficulty, int cars, Level level);

// The clue for 3, 4 or 5 cars; empty for any other number of cars.
std::vector<Fact> GenerateClue(int cars, Level level, std::uint32_t seed);

}  // namespace clues
