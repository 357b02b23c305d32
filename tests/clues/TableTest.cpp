// The reader of the pattern notation: what it makes of good lines, and that bad table data stops
// the program with the pattern, the line and the token named.

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "clues/Patterns.h"
#include "clues/PatternTables.h"

namespace {

using clues::Item;
using clues::Layout;
using clues::tables::RawPattern;
using clues::tables::RawTable;
using clues::tables::Read;

// A table of the one pattern, for `cars` cars, with the keys first to last.
RawTable OneLine(const RawPattern& pattern, int cars = 3, int first = 1, int last = 0) {
    return RawTable{cars, &pattern, 1, {{{first, last}}}};
}

using K = Item::Kind;
using Items = std::vector<std::pair<K, int>>;

Items ItemsOf(const clues::Line& line) {
    Items items;
    for (const Item& item : line) items.emplace_back(item.kind, item.n);
    return items;
}

TEST(ClueTable, ReadsEveryKindOfItem) {
    const RawPattern pattern{Layout::Append, {"P3 _ C4 , _ C0 _ P15 _ _ C2 .", "P2 _ C1 T0043"}};
    const auto patterns = Read(OneLine(pattern, 5, 43, 43));
    ASSERT_EQ(patterns.size(), 1u);
    EXPECT_EQ(patterns[0].layout, Layout::Append);
    ASSERT_EQ(patterns[0].lines.size(), 2u);
    const Items first = {
        {K::Word, 3},  {K::Blank, 0}, {K::Colour, 4}, {K::Comma, 0}, {K::Blank, 0},  {K::Colour, 0},
        {K::Blank, 0}, {K::Word, 15}, {K::Blank, 0},  {K::Blank, 0}, {K::Colour, 2}, {K::Stop, 0},
    };
    const Items second = {{K::Word, 2}, {K::Blank, 0}, {K::Colour, 1}, {K::Text, 43}};
    EXPECT_EQ(ItemsOf(patterns[0].lines[0]), first);
    EXPECT_EQ(ItemsOf(patterns[0].lines[1]), second);
}

TEST(ClueTable, TablesCoverTheirCars) {
    EXPECT_EQ(clues::tables::ThreeCars().cars, 3);
    EXPECT_EQ(clues::tables::FourCars().cars, 4);
    EXPECT_EQ(clues::tables::FiveCars().cars, 5);
}

// A pattern copied over its neighbour shows up as two equal patterns.
TEST(ClueTable, NoTwoPatternsAlike) {
    for (int cars = 3; cars <= 5; ++cars) {
        std::map<std::vector<Items>, std::size_t> seen;
        const auto& patterns = clues::PatternsFor(cars);
        for (std::size_t i = 0; i < patterns.size(); ++i) {
            std::vector<Items> lines;
            for (const clues::Line& line : patterns[i].lines) lines.push_back(ItemsOf(line));
            const auto [at, fresh] = seen.emplace(lines, i);
            EXPECT_TRUE(fresh) << cars << " cars: pattern " << i << " repeats pattern " << at->second;
        }
    }
}

using ClueTableDeathTest = ::testing::Test;

TEST_F(ClueTableDeathTest, BadTokensStopTheProgram) {
    const std::string_view bad[] = {
        "P1 _ C0 .",       // status-bar word
        "P0 _ C0 .",       // status-bar word
        "P28 _ C0 .",      // beyond the word table
        "P02 _ C0 .",      // leading zero
        "P2 _ C3 .",       // car 3 of three
        "P2 _ C0 _ T155",  // key of three digits
        "P2 _ C0 _ Q",     // unknown token
        "P2 _ C0 _ P-4",   // sign
        "P2  C0 .",        // two spaces: an empty token
        "P2 _ C0 _ P11 ",  // trailing space: an empty token
    };
    for (const std::string_view line : bad) {
        const RawPattern pattern{Layout::Join, {line}};
        EXPECT_DEATH(Read(OneLine(pattern)), "pattern 0, line 1 .*bad token") << line;
    }
}

TEST_F(ClueTableDeathTest, LineEndsAreChecked) {
    const std::pair<std::string_view, const char*> bad[] = {
        {"P2 _ C1 _ P4 _ C0", "colour name but no full stop"},
        {"P2 _ C0 _ P11 .", "full stop"},
        {"P2 _ C0 . _ P11", "full stop"},
        {"P2 _ C0 _ P11 _", "blank or a comma"},
        {"P3 _ C0 ,", "blank or a comma"},
    };
    for (const auto& [line, message] : bad) {
        const RawPattern pattern{Layout::Join, {line}};
        EXPECT_DEATH(Read(OneLine(pattern)), message) << line;
    }
    const RawPattern gap{Layout::Join, {"P2 _ C0 _ P11", "", "P2 _ C1 _ P10"}};
    EXPECT_DEATH(Read(OneLine(gap)), "line 3 .*line after an empty line");
    const RawPattern none{Layout::Join, {}};
    EXPECT_DEATH(Read(OneLine(none)), "pattern without lines");
}

TEST_F(ClueTableDeathTest, KeysMustFollowTheirRuns) {
    const RawPattern twice[] = {
        {Layout::Append, {"P2 _ C0 _ T0043", "P2 _ C1 _ T0044"}},
        {Layout::Append, {"P2 _ C0 _ T0044"}},
    };
    EXPECT_DEATH(Read(RawTable{5, twice, std::size(twice), {{{43, 45}}}}),
                 "pattern 1, line 1 .*T0044 where T0045");
    const RawPattern skipped{Layout::Append, {"P2 _ C0 _ T0072", "P2 _ C1 _ T0073"}};
    EXPECT_DEATH(Read(RawTable{5, &skipped, 1, {{{72, 72}, {78, 78}}}}), "line 2 .*T0073 where T0078");
    const RawPattern beyond{Layout::Append, {"P2 _ C0 _ T0078"}};
    EXPECT_DEATH(Read(RawTable{5, &beyond, 1, {}}), "T0078 beyond");
    const RawPattern missing{Layout::Append, {"P2 _ C0 _ T0043"}};
    EXPECT_DEATH(Read(RawTable{5, &missing, 1, {{{43, 44}}}}), "T0044 never occurs");
}

}  // namespace
