#pragma once
// What a clue line states about the hidden order, read from the roles of its words and text keys
// (clues/Roles.h), never from their texts.
//
// Positions count from 0, the first place in the turn's reading direction; car k is the car whose
// hidden position is k. A line states one or more facts; every fact of every shipped pattern is
// true of the hidden order, and the facts of a pattern's lines together leave that order alone.
//
// Pure logic: no window code may be included here.

#include <array>
#include <vector>

#include "clues/Clues.h"

namespace clues {

constexpr int kMaxCars = 5;

// placeOf[k]: the position of car k in some order of the cars.
using Places = std::array<int, kMaxCars>;

// One fact. "After" is written as "before" with the cars the other way round, so that equal facts
// look alike whichever word said them.
struct Statement {
    enum class Kind {
        At,      // cars[0] stands at `place`
        Before,  // cars[0] comes before cars[1]: at any distance when gap is 0, else exactly gap places
        Apart,   // cars[0] and cars[1] stand exactly gap places apart, either way round
        Ends,    // cars[0] and cars[1] hold the first and the last place
        Block,   // cars[0], cars[1] and cars[2] hold the places `place` to `place` + 2
    };
    Kind kind = Kind::At;
    std::array<int, 3> cars{};
    int place = 0;  // At, Block
    int gap = 0;    // Before, Apart
    Item source{};  // the word or text key that makes the statement
};

// The facts of one line of a pattern for `cars` cars. A line the roles cannot read is a fault of
// the program's tables: it ends the program, naming the line.
std::vector<Statement> Statements(const Line& line, int cars);

// Whether the fact holds when every car k stands at placeOf[k]; `cars` is the number of cars.
bool Holds(const Statement& statement, const Places& placeOf, int cars);

}  // namespace clues
