#pragma once
// The clue patterns of the three game windows, read once from their tables (Patterns3/4/5.cpp)
// and checked as they are read: a fault in a table ends the program, naming the pattern and line.

#include <vector>

#include "clues/Clues.h"

namespace clues {

// The patterns for n = 3, 4 or 5 cars (21, 24 or 45 of them), parsed and checked on first use.
// Any other n gives an empty table.
const std::vector<Pattern>& PatternsFor(int n);

}  // namespace clues
