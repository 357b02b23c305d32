#pragma once
// The vocabulary of generated clues: facts about the hidden order, one sentence each.
//
// A fact names one, two or three cars (car k belongs at position k of the hidden order; positions
// count from 0, the first place in the turn's reading direction) and says one thing of their
// places. Its kind is also the name of its sentence template in a language file, and what a
// language writes for it must say exactly what the kind says. Kinds that say the same thing the
// other way round ("before" and "after") are kinds of their own, so that a clue can say either.
//
// Places by name: First is place 0, Last place N-1, Middle the middle place of an odd row
// (place 1 of three, place 2 of five); Second, Third and Fourth are places 1, 2 and 3 where no
// other name fits. A fact stated for N cars is read for N cars only.
//
// Pure logic: no window code may be included here.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "clues/Meaning.h"

namespace clues {

struct Fact {
    enum class Kind : std::uint8_t {
        // One car at a place.
        First, Second, Third, Fourth, Middle, Last,
        // Two cars, in the order the sentence names them.
        Before,          // cars[0] comes before cars[1], at any distance
        After,           // cars[0] comes after cars[1]
        DirectlyBefore,  // cars[0] stands right before cars[1]
        DirectlyAfter,
        TwoBefore,       // cars[0] stands two places before cars[1]
        TwoAfter,
        NextTo,          // cars[0] and cars[1] stand side by side, either way round
        OneBetween,      // exactly one car stands between cars[0] and cars[1]
        Ends,            // cars[0] and cars[1] hold the first and the last place
        // Three cars.
        FirstThree,      // cars[0..2] hold the first three places
        LastThree,       // cars[0..2] hold the last three places
        Between,         // cars[1] stands between cars[0] and cars[2], next to both
        // What is not so.
        NotNextTo,       // cars[0] and cars[1] do not stand side by side
        NotFirst, NotSecond, NotThird, NotFourth, NotMiddle, NotLast,
        NeitherEnd,      // cars[0] is neither first nor last
    };
    static constexpr int kKinds = int(Kind::NeitherEnd) + 1;

    Kind kind = Kind::First;
    std::array<std::int8_t, 3> cars{};

    bool operator==(const Fact& other) const;
};

// The kind's name, as its template key in a language file ("DirectlyBefore"); and back.
std::string_view KindName(Fact::Kind kind);
std::optional<Fact::Kind> KindNamed(std::string_view name);

// How many cars a fact of this kind names.
int CarsNamed(Fact::Kind kind);

// The place an At-like kind names for `cars` cars (First, Second … NotLast), or -1 for the others.
int PlaceOf(Fact::Kind kind, int cars);

// Whether the fact holds when every car k stands at placeOf[k].
bool Holds(const Fact& fact, const Places& placeOf, int cars);

// The fact as a condition on p[k], the place of car k, in C syntax ("p[0] < p[3]",
// "abs(p[1] - p[2]) == 1", "p[2] != 0 && p[2] != 4").
std::string Condition(const Fact& fact, int cars);

// Whether the fact is well formed for `cars` cars: its cars exist and differ, and a place it
// names exists and has that name for so many cars (Middle only of an odd row, Fourth only where
// it is not the last place …).
bool IsValid(const Fact& fact, int cars);

// Every fact of the vocabulary that is true of the hidden order (car k at position k).
std::vector<Fact> TrueFacts(int cars);

struct Template;

// A language's sentence template for a kind of fact (clues/Clues.h's notation: "{k}" the colour
// of the fact's car k), when it parses and names exactly the kind's cars, each at least once.
// Else nothing, with what keeps it from serving in `problem`.
std::optional<Template> UsableFactTemplate(const QString& text, Fact::Kind kind, QString* problem = nullptr);

// Where a kind stands in a clue's order of sentences: places first, then what is before what,
// then side by side and between, then what is not so.
int SentenceRank(Fact::Kind kind);

}  // namespace clues
