#pragma once
// The roles of the clue words and text keys: what each one does in the sentence it stands in.
// These tables are what lets the program say what a clue line states (clues/Meaning.h); they
// never look at a text, only at the word's entry or the key's number. Only the clue sources and
// their tests need this header.
//
// The subject is the car (or the cars) named right after the sentence head; the next car is the
// car whose colour name follows the word.

#include <map>
#include <utility>
#include <vector>

#include "clues/Clues.h"

namespace clues::roles {

enum class Rel {
    After,  // at any distance
    Before,
    DirectlyAfter,
    DirectlyBefore,
    TwoAfter,  // one car between them
    TwoBefore,
    NextTo,       // neighbours
    OneApart,     // one car between them, either way round
    AtEnds,       // the two hold the two ends
    FirstToLast,  // the first car related to the last
};

enum class Group {
    Place,       // the one subject stands at `place`
    Pair,        // `rel` holds between the two subjects
    FirstThree,  // the three subjects hold the first three places
    LastThree,
};

constexpr int kLast = -1;     // a place counted from the end
constexpr int kSubject = -1;  // in the facts of a completing key: the subject of the sentence

struct Role {
    enum class Does {
        Head,            // opens the sentence; the next car is its subject
        ListHead,        // opens the sentence; the next cars, joined by "," and P(15), are its subjects
        PlaceHead,       // opens the sentence; the next car is its subject and stands at `place`
        LinkHead,        // opens the sentence; the next car is its subject, and P(14) relates it by `rel`
        Link,            // `rel` of the opening key, from the subject to the next car
        NamesPlace,      // the next car stands at `place`
        Relate,          // `rel` from the subject (or the car named last) to the next car or to each of two
        AroundSubjects,  // the next car stands between the two subjects, next to both
        Joins,           // "and" between two cars
        Ends,            // ends the sentence: `group` holds for the subjects
        Completes,       // ends the sentence with the facts that complete the order
        Closes,          // ends the sentence, stating nothing more
    };
    Does does = Does::Closes;
    Rel rel = Rel::After;
    int objects = 1;  // Relate: one car follows, or two joined by `joiner`
    int joiner = 0;
    bool fromLastCar = false;  // Relate: the car named last is related, not the subject
    Group group = Group::Place;
    int place = 0;
    std::vector<std::pair<int, int>> completes;  // car (or kSubject) and place
    bool attached = false;                       // follows a colour name directly, with no blank
    bool wideJoin = false;                       // two blanks between its joiner and the second car
};

// Entry of the word table -> role; the entries that never appear in a clue have none.
const std::map<int, Role>& WordRoles();
// Text key number -> role, for every key the three, four and five car clues use.
const std::map<int, Role>& KeyRoles();

// The role of a word or text key; nothing for other items and for words and keys without one.
const Role* RoleOf(const Item& item);

}  // namespace clues::roles
