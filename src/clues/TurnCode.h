#pragma once
// A turn's code: a short text that names a turn exactly (the number of cars, the reading
// direction, the colours in the hidden order, and the clue: a classic pattern by its number, or a
// generated clue by its facts themselves, so that a code stays good when the generator changes),
// to be sent to a friend, printed on a worksheet, and played again.
//
// What a code looks like: letters and digits of an alphabet without look-alikes (no I, L, O, U),
// in groups of four joined by "-" ("7K3M-Q2XA-…"): 9 letters for a classic turn, up to about 20
// for a generated one. Reading one forgives what a hand or a mail program does to it: letters in
// either case, blanks and dashes anywhere, O for 0, I and L for 1.
//
// A code hides its answer: its letters do not show the colours in order (the bits are mixed with
// a fixed stream), and they end in a check of sixteen bits, so that a letter changed, a code cut
// short or lengthened is refused rather than read as another turn. A code of a newer version of
// the game is refused as such.
//
// Pure logic: no window code may be included here.

#include <QString>

#include <array>
#include <optional>
#include <variant>
#include <vector>

#include "clues/Facts.h"
#include "clues/Generator.h"

namespace clues {

struct Turn {
    int cars = 3;
    bool fromLeft = true;                  // places counted from the left
    std::array<int, kMaxCars> colours{};   // colour number (1..10) of car k, car k at position k
    std::optional<Level> level;            // the kind of turn: nothing for a classic one
    int pattern = -1;                      // a classic turn's pattern
    std::vector<Fact> facts;               // a generated turn's clue

    bool operator==(const Turn& other) const;
};

enum class CodeProblem {
    Unreadable,    // not a code: a letter wrong or missing, too long, its check fails
    NewerVersion,  // a code of a newer version of the game
    Impossible,    // a colour twice, no such pattern, a fact that cannot be
    NotOneAnswer,  // its clue leaves no order, or more than one, or another than its colours'
};

QString EncodeTurn(const Turn& turn);
std::variant<Turn, CodeProblem> DecodeTurn(const QString& code);

// A new turn of that many cars and kind, from the program's random draws: direction, colours and
// the clue (a pattern, or a generated clue from a drawn seed).
Turn DrawTurn(int cars, std::optional<Level> level);

}  // namespace clues
