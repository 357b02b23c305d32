// The note pad's hints (clues/Hint.h): which pairs the lines rule out, the order in which hints
// come, and that repeating them leaves the hidden order, for every pattern. Positions here are
// places of the hidden order; the window maps them to slots by the turn's direction.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <numeric>
#include <string>
#include <vector>

#include "clues/Hint.h"
#include "clues/Patterns.h"

namespace {

using clues::PairBit;
using clues::Pairs;

Pairs Full(int cars) {
    Pairs pairs;
    for (int car = 0; car < cars; ++car)
        for (int position = 0; position < cars; ++position) pairs.set(PairBit(car, position));
    return pairs;
}

Pairs HiddenOrder(int cars) {
    Pairs pairs;
    for (int k = 0; k < cars; ++k) pairs.set(PairBit(k, k));
    return pairs;
}

// Straight from the meaning of "excluded": whether some order of the cars that satisfies the
// given lines has `car` at `position`.
bool Possible(int cars, std::size_t pattern, const std::vector<std::size_t>& lines, int car, int position) {
    std::vector<clues::Statement> facts;
    for (std::size_t l : lines) {
        const auto line = clues::Statements(clues::PatternsFor(cars)[pattern].lines.at(l), cars);
        facts.insert(facts.end(), line.begin(), line.end());
    }
    clues::Places placeOf{};
    std::iota(placeOf.begin(), placeOf.begin() + cars, 0);
    do {
        if (placeOf[std::size_t(car)] == position &&
            std::all_of(facts.begin(), facts.end(), [&](const auto& s) { return clues::Holds(s, placeOf, cars); }))
            return true;
    } while (std::next_permutation(placeOf.begin(), placeOf.begin() + cars));
    return false;
}

// Three cars, pattern 0: "car 1 comes after car 0", "car 2 comes after car 1". Each line alone
// keeps its later car off the first place and its earlier car off the last; cars 0 and 2 leave
// the middle only by both lines together.
TEST(ClueHint, SingleLinesBeforePairs) {
    struct Step {
        int car, position;
        std::vector<std::size_t> lines;
    };
    const Step expected[] = {{1, 0, {0}}, {0, 2, {0}}, {2, 0, {1}}, {1, 2, {1}}, {0, 1, {0, 1}}, {2, 1, {0, 1}}};
    Pairs shown = Full(3);
    for (const Step& step : expected) {
        const clues::Hint hint = clues::NextHint(3, 0, shown);
        ASSERT_TRUE(hint.found());
        EXPECT_EQ(hint.car, step.car);
        EXPECT_EQ(hint.position, step.position);
        EXPECT_EQ(hint.lines, step.lines);
        shown.reset(PairBit(hint.car, hint.position));
    }
    EXPECT_FALSE(clues::NextHint(3, 0, shown).found());
    EXPECT_EQ(shown, HiddenOrder(3));
}

// Every line alone keeps the true pairs; all lines together exclude every other pair.
TEST(ClueHint, LinesExcludeNoTruePairAndTogetherAllOthers) {
    for (int cars = 3; cars <= 5; ++cars)
        for (std::size_t p = 0; p < clues::PatternsFor(cars).size(); ++p) {
            const std::vector<Pairs> each = clues::ExcludedByEachLine(cars, p);
            ASSERT_EQ(each.size(), clues::PatternsFor(cars)[p].lines.size());
            for (std::size_t l = 0; l < each.size(); ++l)
                EXPECT_TRUE((each[l] & HiddenOrder(cars)).none()) << cars << " cars, pattern " << p << ", line " << l;
            const unsigned all = (1u << each.size()) - 1;
            EXPECT_EQ(clues::Excluded(cars, p, all), Full(cars) & ~HiddenOrder(cars)) << cars << " cars, pattern " << p;
        }
}

// From a full note pad, and from one where the player wrongly crossed out the car of the first
// place, hints cross out every wrong pair and nothing else, each by lines that all take part,
// never by more lines while fewer would still do.
TEST(ClueHint, RepeatedHintsLeaveTheHiddenOrder) {
    int byMoreLines = 0;
    for (int cars = 3; cars <= 5; ++cars)
        for (std::size_t p = 0; p < clues::PatternsFor(cars).size(); ++p)
            for (const bool slip : {false, true}) {
                const std::string where = std::to_string(cars) + " cars, pattern " + std::to_string(p) +
                                          (slip ? ", car 0 crossed out of the first place" : "");
                Pairs shown = Full(cars);
                if (slip) shown.reset(PairBit(0, 0));
                std::size_t lines = 1;
                for (int step = 0; step < cars * cars; ++step) {
                    const clues::Hint hint = clues::NextHint(cars, p, shown);
                    if (!hint.found()) break;
                    const std::string what = where + ": car " + std::to_string(hint.car) + " at " +
                                             std::to_string(hint.position);
                    ASSERT_TRUE(shown.test(PairBit(hint.car, hint.position))) << what << " is not shown";
                    ASSERT_NE(hint.car, hint.position) << what << " is the true pair";
                    EXPECT_FALSE(Possible(cars, p, hint.lines, hint.car, hint.position)) << what;
                    for (std::size_t drop = 0; drop < hint.lines.size() && hint.lines.size() > 1; ++drop) {
                        std::vector<std::size_t> fewer = hint.lines;
                        fewer.erase(fewer.begin() + std::ptrdiff_t(drop));
                        EXPECT_TRUE(Possible(cars, p, fewer, hint.car, hint.position))
                            << what << ": line " << hint.lines[drop] << " is not needed";
                    }
                    EXPECT_GE(hint.lines.size(), lines) << what << " comes after a hint from more lines";
                    lines = hint.lines.size();
                    byMoreLines += lines > 1;
                    shown.reset(PairBit(hint.car, hint.position));
                }
                Pairs left = HiddenOrder(cars);
                if (slip) left.reset(PairBit(0, 0));
                EXPECT_EQ(shown, left) << where;
            }
    EXPECT_GT(byMoreLines, 0);
}

// Each hint is the first of every open deduction in the promised order: fewer lines first, then
// the earlier last line, then the lower position, then the lower car.
TEST(ClueHint, ComeInThePromisedOrder) {
    for (int cars = 3; cars <= 5; ++cars)
        for (std::size_t p = 0; p < clues::PatternsFor(cars).size(); ++p) {
            const std::size_t count = clues::PatternsFor(cars)[p].lines.size();
            std::vector<Pairs> byMask(std::size_t(1) << count);
            for (unsigned mask = 1; mask < byMask.size(); ++mask) byMask[mask] = clues::Excluded(cars, p, mask);
            Pairs shown = Full(cars);
            for (clues::Hint hint = clues::NextHint(cars, p, shown); hint.found(); hint = clues::NextHint(cars, p, shown)) {
                std::array<int, 4> first{99, 99, 99, 99};
                for (unsigned mask = 1; mask < byMask.size(); ++mask)
                    for (int position = 0; position < cars; ++position)
                        for (int car = 0; car < cars; ++car)
                            if ((byMask[mask] & shown).test(PairBit(car, position)))
                                first = std::min(first, {int(std::bitset<8>(mask).count()), 31 - __builtin_clz(mask), position, car});
                const std::array<int, 4> got{int(hint.lines.size()), int(hint.lines.back()), hint.position, hint.car};
                ASSERT_EQ(got, first) << cars << " cars, pattern " << p;
                shown.reset(PairBit(hint.car, hint.position));
            }
        }
}

}  // namespace
