// Reads every clue line for what it states about the hidden order, from the roles of its words
// and text keys alone (never from their texts), tries every order of the cars, and checks that
// the lines of each pattern leave exactly one order: car k at place k. A slip in a table (a
// wrong car, a wrong word, a lost line) changes what a pattern states and shows up here, even
// where a byte comparison written from the same table would repeat it.
//
// The same roles give the blanks: one between neighbouring items, none before "." and ",", none
// before the words and keys that follow a colour name directly, two before the last car of a
// "between" sentence.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "clues/Clues.h"

namespace {

using clues::Item;
using Kind = clues::Item::Kind;

constexpr int kMaxCars = 5;
using Places = std::array<int, kMaxCars>;  // places[k]: the place of car k, 0 the first

// ---------------------------------------------------------------------------------------------
// Roles

enum class Rel {
    After,  // at any distance
    Before,
    DirectlyAfter,
    DirectlyBefore,
    TwoAfter,  // one car between them
    TwoBefore,
    NextTo,       // neighbours; standing between two cars next to both is being next to each
    OneApart,     // one car between them, either way round
    AtEnds,       // the two hold the two ends
    FirstToLast,  // the first car related to the last
};

const char* const kRelNames[] = {"after",
                                 "before",
                                 "directly after",
                                 "directly before",
                                 "two places after",
                                 "two places before",
                                 "next to",
                                 "one car apart from",
                                 "at the other end from",
                                 "first, and last is"};

// Whether rel holds between cars at places a and b, of places 0 to last.
bool Holds(Rel rel, int a, int b, int last) {
    switch (rel) {
    case Rel::After: return a > b;
    case Rel::Before: return a < b;
    case Rel::DirectlyAfter: return a == b + 1;
    case Rel::DirectlyBefore: return a + 1 == b;
    case Rel::TwoAfter: return a == b + 2;
    case Rel::TwoBefore: return a + 2 == b;
    case Rel::NextTo: return std::abs(a - b) == 1;
    case Rel::OneApart: return std::abs(a - b) == 2;
    case Rel::AtEnds: return std::min(a, b) == 0 && std::max(a, b) == last;
    case Rel::FirstToLast: return a == 0 && b == last;
    }
    return false;
}

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

using D = Role::Does;

Role Is(D does) {
    Role r;
    r.does = does;
    return r;
}
Role Relate(Rel rel, int objects = 1, int joiner = 0) {
    Role r = Is(D::Relate);
    r.rel = rel;
    r.objects = objects;
    r.joiner = joiner;
    return r;
}
Role Place(D does, int place) {
    Role r = Is(does);
    r.place = place;
    return r;
}
Role Ends(Group group, int place = 0) {
    Role r = Is(D::Ends);
    r.group = group;
    r.place = place;
    return r;
}
Role EndsPair(Rel rel) {
    Role r = Ends(Group::Pair);
    r.rel = rel;
    return r;
}
Role LinkHead(Rel rel) {
    Role r = Is(D::LinkHead);
    r.rel = rel;
    return r;
}
Role Completes(std::vector<std::pair<int, int>> facts) {
    Role r = Is(D::Completes);
    r.completes = std::move(facts);
    return r;
}
Role Attached(Role r) {
    r.attached = true;
    return r;
}

// The roles of the entries of the word table.
const std::map<int, Role>& WordRoles() {
    static const std::map<int, Role> roles = [] {
        std::map<int, Role> m;
        m.emplace(2, Is(D::Head));
        m.emplace(3, Is(D::ListHead));
        m.emplace(4, Relate(Rel::After));
        m.emplace(5, Relate(Rel::Before));
        m.emplace(6, Relate(Rel::After));  // "and": continues about the subject
        m.emplace(7, Relate(Rel::Before));
        m.emplace(8, Relate(Rel::After, 2, 12));
        m.emplace(9, Relate(Rel::Before, 2, 12));
        m.emplace(10, Ends(Group::Place, 1));  // the middle of three
        m.emplace(11, Ends(Group::Place, 0));
        m.emplace(12, Is(D::Joins));
        m.emplace(13, Relate(Rel::After));  // a closing key follows the car
        m.emplace(14, Is(D::Link));
        m.emplace(15, Is(D::Joins));
        m.emplace(16, Relate(Rel::Before, 2, 15));
        m.emplace(17, Relate(Rel::After, 2, 15));
        m.emplace(18, Attached(Relate(Rel::Before)));
        m.emplace(19, Attached(Relate(Rel::After)));
        m.emplace(20, Relate(Rel::DirectlyBefore));
        m.emplace(21, Relate(Rel::DirectlyAfter));
        m.emplace(22, Is(D::Joins));
        Role between = Relate(Rel::NextTo, 2, 15);  // stands between the two, next to both
        between.wideJoin = true;
        m.emplace(23, between);
        m.emplace(24, Relate(Rel::DirectlyAfter));
        m.emplace(25, Ends(Group::LastThree));
        m.emplace(26, Ends(Group::FirstThree));
        m.emplace(27, Relate(Rel::After, 2, 22));
        return m;
    }();
    return roles;
}

// The roles of the text keys, from the key tables of the three, four and five car clues.
const std::map<int, Role>& KeyRoles() {
    static const std::map<int, Role> roles = [] {
        std::map<int, Role> m;
        const auto set = [&m](std::initializer_list<int> keys, const Role& role) {
            for (int key : keys) EXPECT_TRUE(m.emplace(key, role).second) << "key role given twice: " << key;
        };
        const auto range = [&m](int first, int last, const Role& role) {
            for (int key = first; key <= last; ++key) m.emplace(key, role);
        };

        // Three cars.
        set({155, 156, 159}, Ends(Group::Place, 1));   // the subject stands second
        set({157, 161}, Relate(Rel::DirectlyBefore));  // the next car stands directly after it
        set({158}, Is(D::Closes));
        set({160}, Completes({{0, 0}}));       // car 0 first
        set({162}, Completes({{2, kLast}}));   // car 2 last
        set({163, 165}, Completes({{1, 1}}));  // car 1 in the middle
        set({164}, Relate(Rel::FirstToLast));
        set({166}, Place(D::PlaceHead, 0));       // introduces the first car
        set({167}, Place(D::NamesPlace, kLast));  // introduces the last car
        set({168}, Place(D::PlaceHead, kLast));
        set({169}, Place(D::NamesPlace, 0));
        set({170}, Relate(Rel::DirectlyAfter));
        set({171}, Relate(Rel::DirectlyBefore));  // "and": continues about the subject

        // Four cars.
        set({184, 186}, Attached(Is(D::Closes)));
        // "Completes the statement ... so that with line 1 the whole order follows": the role names
        // no fact, so it is read as the least that completes the order in words of places alone:
        // the subject stands second and car 3 last.
        set({185, 187}, Attached(Completes({{kSubject, 1}, {3, kLast}})));
        range(188, 199, LinkHead(Rel::DirectlyBefore));  // the second-named directly after the first
        range(200, 211, LinkHead(Rel::DirectlyAfter));   // the second-named directly before the first

        // Five cars.
        set({83, 86, 88, 89}, Ends(Group::Place, kLast));
        set({84, 85, 87, 90}, Ends(Group::Place, 2));
        set({107, 110, 114, 117, 121, 123, 125, 129}, Ends(Group::Place, 3));
        set({47, 52, 56, 61, 64, 70, 79}, Relate(Rel::TwoAfter));
        set({91, 94, 95, 98, 99, 101, 104, 106}, Relate(Rel::DirectlyBefore));
        set({92, 93, 96, 97, 100, 102, 103, 105}, Relate(Rel::TwoBefore));
        set({109, 111, 113, 116, 120, 124, 127, 128}, Relate(Rel::TwoAfter));
        set({43, 54, 59, 65, 71, 81}, Relate(Rel::After));
        set({48}, Relate(Rel::Before));
        set({44, 55, 60, 66, 72, 82}, Relate(Rel::DirectlyBefore));  // the subject, before the third car
        Role thenDirectly = Relate(Rel::DirectlyBefore);  // after "0048": the second car, before the third
        thenDirectly.fromLastCar = true;
        set({49}, thenDirectly);
        set({45, 50, 53, 58, 67, 68, 78}, Attached(Relate(Rel::After, 2, 15)));
        set({46, 51, 57, 62, 63, 69, 80}, EndsPair(Rel::NextTo));
        set({108, 112, 115, 118, 119, 122, 126, 130}, EndsPair(Rel::OneApart));
        set({131, 132, 133, 134, 135, 136}, EndsPair(Rel::AtEnds));
        set({137, 138, 139, 140, 141, 142}, Is(D::AroundSubjects));
        return m;
    }();
    return roles;
}

const Role* RoleOf(const Item& item) {
    const std::map<int, Role>* roles = item.kind == Kind::Word   ? &WordRoles()
                                       : item.kind == Kind::Text ? &KeyRoles()
                                                                 : nullptr;
    if (!roles) return nullptr;
    const auto found = roles->find(item.n);
    return found == roles->end() ? nullptr : &found->second;
}

std::string Name(const Item& item) {
    switch (item.kind) {
    case Kind::Colour: return "C" + std::to_string(item.n);
    case Kind::Word: return "P" + std::to_string(item.n);
    case Kind::Text: return "T" + clues::KeyName(item.n).toStdString();
    case Kind::Blank: return "_";
    case Kind::Stop: return ".";
    case Kind::Comma: return ",";
    }
    return "?";
}

std::string Text(const clues::Line& line) {
    std::string text;
    for (const Item& item : line) text += (text.empty() ? "" : " ") + Name(item);
    return text;
}

std::string Where(int cars, std::size_t pattern) {
    return std::to_string(cars) + " cars, pattern " + std::to_string(pattern);
}

// ---------------------------------------------------------------------------------------------
// Meaning of a line

struct Fact {
    std::string says;
    std::function<bool(const Places&)> holds;
};

// Other readings of a word, e.g. "directly before" taken as "before at any distance".
using Reading = std::map<int, Rel>;

class LineMeaning {
public:
    LineMeaning(const clues::Line& line, int cars, const Reading& reading) : cars_(cars), reading_(reading) {
        for (const Item& item : line)
            if (item.kind != Kind::Blank && item.kind != Kind::Stop) items_.push_back(item);
        Read();
    }

    const std::vector<Fact>& facts() const { return facts_; }
    const std::string& error() const { return error_; }

private:
    void Read() {
        const Role* head = NextRole();
        if (!head) return Fail("no sentence head");
        switch (head->does) {
        case D::Head: subjects_ = {Car()}; break;
        case D::ListHead: ReadList(); break;
        case D::PlaceHead:
            subjects_ = {Car()};
            PlaceFact(subjects_[0], head->place);
            break;
        case D::LinkHead:
            subjects_ = {Car()};
            link_ = head;
            break;
        default: return Fail("no sentence head");
        }
        while (error_.empty() && at_ < items_.size()) {
            const Role* role = NextRole();
            if (!role) return;
            const bool closing =
                role->does == D::Ends || role->does == D::Completes || role->does == D::Closes;
            if (closing && at_ != items_.size()) return Fail("words after the end of the sentence");
            switch (role->does) {
            case D::Relate: {
                const int from = role->fromLastCar ? lastCar_ : Subject();
                const Rel rel = Reread(*role);
                const int first = Car();
                RelFact(rel, from, first);
                if (role->objects == 2) {
                    Joiner(role->joiner);
                    if (Car() == first) Fail("the same car named twice");
                    RelFact(rel, from, lastCar_);
                }
                break;
            }
            case D::Link:
                if (!link_) return Fail("P14 without an opening key");
                RelFact(link_->rel, Subject(), Car());
                break;
            case D::NamesPlace: PlaceFact(Car(), role->place); break;
            case D::AroundSubjects: {
                if (subjects_.size() != 2) return Fail("needs two subjects");
                const int car = Car();
                for (int s : subjects_) RelFact(Rel::NextTo, car, s);
                break;
            }
            case D::Ends: GroupFact(*role); break;
            case D::Completes:
                for (const auto& [car, place] : role->completes)
                    PlaceFact(car == kSubject ? Subject() : car, place);
                break;
            case D::Closes: break;
            default: return Fail("misplaced " + Name(items_[at_ - 1]));
            }
        }
    }

    void Fail(const std::string& why) {
        if (error_.empty()) error_ = why + " (at item " + std::to_string(at_) + ")";
    }

    const Role* NextRole() {
        if (at_ >= items_.size()) return Fail("line ends too early"), nullptr;
        const Item& item = items_[at_++];
        const Role* role = RoleOf(item);
        if (!role) Fail("no role for " + Name(item));
        return role;
    }

    int Car() {
        if (at_ >= items_.size() || items_[at_].kind != Kind::Colour) return Fail("a car is missing"), 0;
        return lastCar_ = items_[at_++].n;
    }

    void Joiner(int word) {
        if (at_ >= items_.size() || items_[at_].kind != Kind::Word || items_[at_].n != word)
            return Fail("P" + std::to_string(word) + " must join the two cars");
        ++at_;
    }

    // A list of two or three subjects: "C , C P15 C" or "C P15 C".
    void ReadList() {
        subjects_ = {Car()};
        while (error_.empty()) {
            if (at_ < items_.size() && items_[at_].kind == Kind::Comma) {
                ++at_;
                subjects_.push_back(Car());
                continue;
            }
            Joiner(15);
            subjects_.push_back(Car());
            break;
        }
        if (std::set<int>(subjects_.begin(), subjects_.end()).size() != subjects_.size())
            Fail("a car named twice in a list");
    }

    int Subject() {
        if (subjects_.size() != 1) return Fail("needs one subject"), 0;
        return subjects_[0];
    }

    Rel Reread(const Role& role) const {
        const Item& word = items_[at_ - 1];
        const auto other = reading_.find(word.n);
        return word.kind == Kind::Word && other != reading_.end() ? other->second : role.rel;
    }

    int Resolve(int place) const { return place < 0 ? cars_ + place : place; }

    void PlaceFact(int car, int place) {
        const int p = Resolve(place);
        facts_.push_back({"car " + std::to_string(car) + " at place " + std::to_string(p),
                          [car, p](const Places& at) { return at[car] == p; }});
    }

    void RelFact(Rel rel, int a, int b) {
        if (a == b) Fail("car " + std::to_string(a) + " related to itself");
        facts_.push_back(
            {"car " + std::to_string(a) + " " + kRelNames[int(rel)] + " car " + std::to_string(b),
             [rel, a, b, last = cars_ - 1](const Places& at) { return Holds(rel, at[a], at[b], last); }});
    }

    void GroupFact(const Role& role) {
        const std::vector<int> s = subjects_;
        const std::size_t needed = role.group == Group::Place ? 1 : role.group == Group::Pair ? 2 : 3;
        if (s.size() != needed) return Fail("needs " + std::to_string(needed) + " subjects");
        switch (role.group) {
        case Group::Place: return PlaceFact(s[0], role.place);
        case Group::Pair: return RelFact(role.rel, s[0], s[1]);
        case Group::FirstThree:
        case Group::LastThree: {
            const bool first = role.group == Group::FirstThree;
            const int from = first ? 0 : cars_ - 3;
            facts_.push_back({std::string("cars in the ") + (first ? "first" : "last") + " three places",
                              [s, from](const Places& at) {
                                  return std::all_of(s.begin(), s.end(), [&](int car) {
                                      return at[car] >= from && at[car] <= from + 2;
                                  });
                              }});
            return;
        }
        }
    }

    const int cars_;
    const Reading& reading_;
    std::vector<Item> items_;  // without blanks and full stops
    std::size_t at_ = 0;
    std::vector<int> subjects_;
    int lastCar_ = -1;
    const Role* link_ = nullptr;
    std::vector<Fact> facts_;
    std::string error_;
};

// ---------------------------------------------------------------------------------------------
// The solver

std::string Order(const Places& places, int cars) {
    std::string byPlace(std::size_t(cars), '?');
    for (int car = 0; car < cars; ++car) byPlace[std::size_t(places[car])] = char('0' + car);
    return byPlace;  // the cars from the first place to the last
}

struct Verdict {
    bool readable = true;
    std::vector<std::string> orders;  // every order that satisfies all lines, cars by place
};

// Checks one pattern: every line readable and true of the hidden order, and the orders left.
Verdict Solve(const clues::Pattern& pattern, int cars, const Reading& reading, const std::string& where) {
    Verdict verdict;
    std::vector<Fact> facts;
    Places hidden{};
    std::iota(hidden.begin(), hidden.begin() + cars, 0);
    for (std::size_t i = 0; i < pattern.lines.size(); ++i) {
        const LineMeaning meaning(pattern.lines[i], cars, reading);
        const std::string line =
            where + ", line " + std::to_string(i + 1) + " \"" + Text(pattern.lines[i]) + "\"";
        if (!meaning.error().empty()) {
            ADD_FAILURE() << line << ": unreadable: " << meaning.error();
            verdict.readable = false;
            continue;
        }
        for (const Fact& fact : meaning.facts()) {
            EXPECT_TRUE(fact.holds(hidden))
                << line << " states \"" << fact.says << "\", false of the hidden order";
            facts.push_back(fact);
        }
    }
    Places places = hidden;
    do {
        if (std::all_of(facts.begin(), facts.end(), [&](const Fact& f) { return f.holds(places); }))
            verdict.orders.push_back(Order(places, cars));
    } while (std::next_permutation(places.begin(), places.begin() + cars));
    return verdict;
}

// Patterns whose lines, read by the roles, leave more than one order: (cars, pattern). None.
const std::set<std::pair<int, int>> kKnownExceptions = {};

TEST(ClueSolver, EveryPatternLeavesOnlyTheHiddenOrder) {
    std::set<std::pair<int, int>> ambiguous;
    for (int cars = 3; cars <= 5; ++cars) {
        const std::string hidden = std::string("01234").substr(0, std::size_t(cars));
        const auto& patterns = clues::PatternsFor(cars);
        for (std::size_t p = 0; p < patterns.size(); ++p) {
            const std::string where = Where(cars, p);
            const Verdict verdict = Solve(patterns[p], cars, {}, where);
            if (!verdict.readable) continue;
            std::string orders;
            for (const std::string& o : verdict.orders) orders += " " + o;
            EXPECT_NE(std::find(verdict.orders.begin(), verdict.orders.end(), hidden), verdict.orders.end())
                << where << ": the hidden order is excluded; left:" << orders;
            if (verdict.orders.size() > 1) {
                ambiguous.insert({cars, int(p)});
                if (!kKnownExceptions.count({cars, int(p)}))
                    ADD_FAILURE() << where << " leaves " << verdict.orders.size()
                                  << " orders (cars by place):" << orders;
            }
        }
    }
    EXPECT_EQ(ambiguous, kKnownExceptions) << "the known exceptions are out of date";
}

// The four-car words for "directly before" and "directly after" may as well be read as "before"
// and "after": the patterns that use them still leave one order.
TEST(ClueSolver, FourCarPatternsHoldWithoutDirectly) {
    const Reading loose = {{20, Rel::Before}, {21, Rel::After}};
    const auto& patterns = clues::PatternsFor(4);
    int using_them = 0;
    for (std::size_t p = 0; p < patterns.size(); ++p) {
        bool uses = false;
        for (const clues::Line& line : patterns[p].lines)
            for (const Item& item : line) uses |= item.kind == Kind::Word && (item.n == 20 || item.n == 21);
        if (!uses) continue;
        ++using_them;
        const std::string where = Where(4, p) + " read loosely";
        const Verdict verdict = Solve(patterns[p], 4, loose, where);
        EXPECT_EQ(verdict.orders, std::vector<std::string>{"0123"}) << where;
    }
    EXPECT_EQ(using_them, 8);  // patterns 2 to 6 and 21 to 23
}

// Every key the role tables name is used by a pattern, and every key used has a role.
TEST(ClueSolver, RolesCoverTheKeysUsed) {
    std::set<int> used;
    for (int cars = 3; cars <= 5; ++cars)
        for (const clues::Pattern& p : clues::PatternsFor(cars))
            for (const clues::Line& line : p.lines)
                for (const Item& item : line)
                    if (item.kind == Kind::Text) used.insert(item.n);
    std::set<int> named;
    for (const auto& entry : KeyRoles()) named.insert(entry.first);
    EXPECT_EQ(used, named);
    EXPECT_EQ(used.size(), 17u + 28u + 95u);
}

// ---------------------------------------------------------------------------------------------
// Blanks

TEST(ClueBlanks, FollowTheRoles) {
    for (int cars = 3; cars <= 5; ++cars) {
        const auto& patterns = clues::PatternsFor(cars);
        for (std::size_t p = 0; p < patterns.size(); ++p) {
            for (std::size_t l = 0; l < patterns[p].lines.size(); ++l) {
                const clues::Line& line = patterns[p].lines[l];
                SCOPED_TRACE(Where(cars, p) + ", line " + std::to_string(l + 1) + " \"" + Text(line) + "\"");
                const Role* relation = nullptr;  // the last relation word so far
                const Item* previous = nullptr;
                int blanks = 0;
                for (const Item& item : line) {
                    if (item.kind == Kind::Blank) {
                        ++blanks;
                        continue;
                    }
                    const Role* role = RoleOf(item);
                    const bool attached = role && role->attached;
                    const bool wide = relation && relation->wideJoin && previous->kind == Kind::Word &&
                                      previous->n == relation->joiner;
                    const bool none =
                        !previous || item.kind == Kind::Stop || item.kind == Kind::Comma || attached;
                    EXPECT_EQ(blanks, none ? 0 : wide ? 2 : 1) << "before " << Name(item);
                    if (attached) {
                        EXPECT_EQ(previous->kind, Kind::Colour) << Name(item) << " follows a colour name";
                    }
                    if (role && role->does == D::Relate) relation = role;
                    previous = &item;
                    blanks = 0;
                }
                EXPECT_EQ(blanks, 0) << "blank at the end";
            }
        }
    }
}

}  // namespace
