// What the program reads from every clue line (clues/Meaning.h), checked against the hidden order:
// each fact true of it, and the facts of each pattern leaving exactly one order, car k at place k.
// A slip in a pattern table (a wrong car, a wrong word, a lost line) changes what a pattern states
// and shows up here, even where a byte comparison written from the same table would repeat it.
//
// A slip in the role tables could still make a fact that is true and leaves the order unique but
// is not what the sentence says ("directly before" where the word says "before"). Two checks of
// this test's own catch that: its own reading of the word table's relation and place words, and
// the groups of patterns that the clue tables describe as stating the same thing in other words
// and orders, which must then state the same facts.
//
// The same roles give the blanks: one between neighbouring items, none before "." and ",", none
// before the words and keys that follow a colour name directly, two before the last car of a
// "between" sentence.

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "clues/Meaning.h"
#include "clues/Patterns.h"
#include "clues/Roles.h"

namespace {

using clues::Item;
using clues::Statement;
using Kind = clues::Item::Kind;
using SK = Statement::Kind;
using Facts = std::vector<std::vector<Statement>>;  // per line

const clues::Places kHidden = {0, 1, 2, 3, 4};  // car k at place k

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

Facts FactsOf(int cars, std::size_t pattern) {
    Facts facts;
    for (const clues::Line& line : clues::PatternsFor(cars)[pattern].lines)
        facts.push_back(clues::Statements(line, cars));
    return facts;
}

// Calls f(placeOf, index) for every order of the cars, the hidden order first.
template <typename F>
void ForEachOrder(int cars, F f) {
    clues::Places placeOf{};
    std::iota(placeOf.begin(), placeOf.begin() + cars, 0);
    std::size_t index = 0;
    do f(placeOf, index++);
    while (std::next_permutation(placeOf.begin(), placeOf.begin() + cars));
}

// The orders, cars from the first place to the last, that satisfy every fact.
std::vector<std::string> Orders(const Facts& facts, int cars) {
    std::vector<std::string> orders;
    ForEachOrder(cars, [&](const clues::Places& placeOf, std::size_t) {
        for (const auto& line : facts)
            for (const Statement& s : line)
                if (!clues::Holds(s, placeOf, cars)) return;
        std::string byPlace(std::size_t(cars), '?');
        for (int car = 0; car < cars; ++car) byPlace[std::size_t(placeOf[std::size_t(car)])] = char('0' + car);
        orders.push_back(byPlace);
    });
    return orders;
}

TEST(ClueSolver, EveryPatternLeavesOnlyTheHiddenOrder) {
    for (int cars = 3; cars <= 5; ++cars) {
        const std::string hidden = std::string("01234").substr(0, std::size_t(cars));
        const auto& patterns = clues::PatternsFor(cars);
        for (std::size_t p = 0; p < patterns.size(); ++p) {
            const Facts facts = FactsOf(cars, p);
            for (std::size_t l = 0; l < facts.size(); ++l) {
                const std::string line = Where(cars, p) + ", line " + std::to_string(l + 1) + " \"" +
                                         Text(patterns[p].lines[l]) + "\"";
                EXPECT_FALSE(facts[l].empty()) << line << " states nothing";
                for (const Statement& s : facts[l])
                    EXPECT_TRUE(clues::Holds(s, kHidden, cars))
                        << line << ": the fact from " << Name(s.source) << " is false of the hidden order";
            }
            EXPECT_EQ(Orders(facts, cars), std::vector<std::string>{hidden}) << Where(cars, p);
        }
    }
}

// The word table's relation and place words as this test reads their roles: the kind of fact,
// and its gap (Before, Apart) or place (At, Block; negative: counted from the end). Whether a
// fact points the right way is already checked by its truth.
TEST(ClueSolver, WordsStateWhatTheirRolesSay) {
    const std::map<int, std::pair<SK, int>> reading = {
        {4, {SK::Before, 0}},  {5, {SK::Before, 0}},  {6, {SK::Before, 0}},  {7, {SK::Before, 0}},
        {8, {SK::Before, 0}},  {9, {SK::Before, 0}},  {10, {SK::At, 1}},     {11, {SK::At, 0}},
        {13, {SK::Before, 0}}, {16, {SK::Before, 0}}, {17, {SK::Before, 0}}, {18, {SK::Before, 0}},
        {19, {SK::Before, 0}}, {20, {SK::Before, 1}}, {21, {SK::Before, 1}}, {23, {SK::Apart, 1}},
        {24, {SK::Before, 1}}, {25, {SK::Block, -3}}, {26, {SK::Block, 0}},  {27, {SK::Before, 0}},
    };
    std::set<int> seen;
    for (int cars = 3; cars <= 5; ++cars)
        for (std::size_t p = 0; p < clues::PatternsFor(cars).size(); ++p)
            for (const auto& line : FactsOf(cars, p))
                for (const Statement& s : line) {
                    if (s.source.kind != Kind::Word) continue;
                    seen.insert(s.source.n);
                    const auto found = reading.find(s.source.n);
                    ASSERT_NE(found, reading.end()) << Where(cars, p) << ": P" << s.source.n << " states a fact";
                    const auto [kind, value] = found->second;
                    const bool placed = kind == SK::At || kind == SK::Block;
                    EXPECT_EQ(s.kind, kind) << Where(cars, p) << ", P" << s.source.n;
                    EXPECT_EQ(placed ? s.place : s.gap, placed && value < 0 ? cars + value : value)
                        << Where(cars, p) << ", P" << s.source.n;
                }
    EXPECT_EQ(seen.size(), reading.size());
}

// Patterns that the clue tables describe as stating the same facts, with other keys, in another
// order of lines or of the cars in a pair or list: (cars, first, last).
TEST(ClueSolver, PatternsOfAGroupStateTheSameFacts) {
    const std::vector<std::tuple<int, std::size_t, std::size_t>> groups = {
        {3, 0, 3},   {3, 4, 5},   {3, 6, 7},   {3, 8, 9},   {3, 10, 12}, {3, 18, 19},
        {4, 0, 1},   {4, 2, 6},   {4, 7, 14},  {4, 15, 20}, {4, 21, 22},
        {5, 0, 6},   {5, 7, 10},  {5, 11, 18}, {5, 19, 26}, {5, 27, 32}, {5, 33, 38},
        {5, 39, 41}, {5, 42, 44},
    };
    // A fact as the set of orders it allows, so that "a after b" and "b before a" are one fact.
    const auto factsOf = [](int cars, std::size_t p) {
        std::set<std::string> facts;
        for (const auto& line : FactsOf(cars, p))
            for (const Statement& s : line) {
                std::bitset<120> allowed;
                ForEachOrder(cars, [&](const clues::Places& placeOf, std::size_t i) {
                    allowed[i] = clues::Holds(s, placeOf, cars);
                });
                facts.insert(allowed.to_string());
            }
        return facts;
    };
    for (const auto& [cars, first, last] : groups)
        for (std::size_t p = first + 1; p <= last; ++p)
            EXPECT_EQ(factsOf(cars, p), factsOf(cars, first)) << Where(cars, p) << " against pattern " << first;
}

// The four-car words for "directly before" and "directly after" may as well be read as "before"
// and "after": the patterns that use them still leave one order.
TEST(ClueSolver, FourCarPatternsHoldWithoutDirectly) {
    int usingThem = 0;
    for (std::size_t p = 0; p < clues::PatternsFor(4).size(); ++p) {
        Facts facts = FactsOf(4, p);
        bool uses = false;
        for (auto& line : facts)
            for (Statement& s : line)
                if (s.source.kind == Kind::Word && (s.source.n == 20 || s.source.n == 21)) {
                    s.gap = 0;
                    uses = true;
                }
        if (!uses) continue;
        ++usingThem;
        EXPECT_EQ(Orders(facts, 4), std::vector<std::string>{"0123"}) << Where(4, p) << " read loosely";
    }
    EXPECT_EQ(usingThem, 8);  // patterns 2 to 6 and 21 to 23
}

// Every key the role table names is used by a pattern, and every key used has a role.
TEST(ClueSolver, RolesCoverTheKeysUsed) {
    std::set<int> used;
    for (int cars = 3; cars <= 5; ++cars)
        for (const clues::Pattern& p : clues::PatternsFor(cars))
            for (const clues::Line& line : p.lines)
                for (const Item& item : line)
                    if (item.kind == Kind::Text) used.insert(item.n);
    std::set<int> named;
    for (const auto& entry : clues::roles::KeyRoles()) named.insert(entry.first);
    EXPECT_EQ(used, named);
    EXPECT_EQ(used.size(), 17u + 28u + 95u);
}

// ---------------------------------------------------------------------------------------------
// Blanks

TEST(ClueBlanks, FollowTheRoles) {
    using clues::roles::Role;
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
                    const Role* role = clues::roles::RoleOf(item);
                    const bool attached = role && role->attached;
                    const bool wide = relation && relation->wideJoin && previous->kind == Kind::Word &&
                                      previous->n == relation->joiner;
                    const bool none =
                        !previous || item.kind == Kind::Stop || item.kind == Kind::Comma || attached;
                    EXPECT_EQ(blanks, none ? 0 : wide ? 2 : 1) << "before " << Name(item);
                    if (attached) {
                        EXPECT_EQ(previous->kind, Kind::Colour) << Name(item) << " follows a colour name";
                    }
                    if (role && role->does == Role::Does::Relate) relation = role;
                    previous = &item;
                    blanks = 0;
                }
                EXPECT_EQ(blanks, 0) << "blank at the end";
            }
        }
    }
}

}  // namespace
