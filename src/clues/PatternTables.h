#pragma once
// The clue patterns as they are written in Patterns3/4/5.cpp, and the reader that turns such a
// table into Patterns. Only the clue sources and their tests need this header.
//
// One string per clue line, its items separated by one space:
//   Cn     colour name of car n              Pn     entry n of the word table (2 to 27)
//   Tnnnn  text of language key nnnn         _      one blank
//   .      full stop                         ,      comma
// Nothing is inserted between items where no "_" stands: "C3 T0045" puts the key's text right
// after the colour name, "P15 _ _ C1" puts two blanks between them.
//
// The reader checks a table once, when it is first used. Bad data is a fault of the program, not
// of the user: the reader names the pattern, the line and the token, and ends the program.
// It checks that every token is well formed, that cars lie below the number of cars and word
// entries in 2 to 27, that a full stop stands only at the end of a line and right after a colour
// name, that a line ending with a colour name has its full stop, and that the table's text keys
// occur exactly as its key runs list them: ascending, each key once, none left out.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "clues/Clues.h"

namespace clues::tables {

struct RawPattern {
    Layout layout;
    std::array<std::string_view, 4> lines;  // the lines in order; unused ones stay empty
};

struct KeyRun {
    int first = 1;  // the default run is empty
    int last = 0;
};

struct RawTable {
    int cars;
    const RawPattern* patterns;
    std::size_t count;
    std::array<KeyRun, 2> keys;  // every text key of the table, in order of occurrence
};

const RawTable& ThreeCars();
const RawTable& FourCars();
const RawTable& FiveCars();

// The checked patterns of a table; ends the program on bad data.
std::vector<Pattern> Read(const RawTable& table);

}  // namespace clues::tables
