// Generated clues from the inside (the brute-force checks of what the clue tool prints are in
// generated_clues_test.py): the vocabulary, the hint engine's grade of known clues, and that a
// seed gives its clue and nothing else does.

#include <gtest/gtest.h>

#include <set>

#include "clues/Generator.h"
#include "clues/Hint.h"

namespace {

using clues::Fact;
using Kind = clues::Fact::Kind;

clues::Places Hidden() { return {0, 1, 2, 3, 4}; }

// Every fact of the vocabulary is well formed and true of the hidden order; and no two say the
// same thing, so that no meaning is likelier than another to be drawn.
TEST(GeneratedClues, TheVocabularyHoldsOfTheHiddenOrderAndSaysEveryThingOnce) {
    for (int n = 3; n <= 5; ++n) {
        const std::vector<Fact> facts = clues::TrueFacts(n);
        std::set<std::string> meanings;
        for (const Fact& f : facts) {
            EXPECT_TRUE(clues::IsValid(f, n)) << clues::KindName(f.kind) << " for " << n;
            EXPECT_TRUE(clues::Holds(f, Hidden(), n)) << clues::Condition(f, n);
            EXPECT_TRUE(meanings.insert(clues::Condition(f, n)).second) << clues::Condition(f, n);
        }
        // The places by name: middle only of an odd row, the second and third never the middle.
        EXPECT_EQ(clues::PlaceOf(Kind::Middle, n), n % 2 ? n / 2 : -1);
        EXPECT_EQ(clues::PlaceOf(Kind::Second, n), n == 3 ? -1 : 1);
        EXPECT_EQ(clues::PlaceOf(Kind::Fourth, n), n == 5 ? 3 : -1);
    }
}

// The grade is the engine's: three cars, classic pattern 0 ("car 1 after car 0", "car 2 after
// car 1") rules cars 0 and 2 out of the middle only with both lines: two sentences, two pairs.
// A clue of places alone needs one sentence for every crossing-out.
TEST(GeneratedClues, TheGradeIsTheMostSentencesOneCrossingOutNeeds) {
    const clues::Difficulty classic = clues::ClueLogic::OfPattern(3, 0).Grade();
    EXPECT_EQ(classic.sentences, 2);
    EXPECT_EQ(classic.pairs, 2);
    const std::vector<Fact> places = {{Kind::First, {0}}, {Kind::Last, {2}}};
    EXPECT_EQ(clues::ClueLogic::OfFacts(3, places).Grade().sentences, 1);
    // Two orders left: no grade.
    EXPECT_EQ(clues::ClueLogic::OfFacts(3, {{Kind::First, {0}}}).Grade().sentences, 0);
}

TEST(GeneratedClues, ASeedGivesItsClueAndOtherSeedsOtherClues) {
    for (int n = 3; n <= 5; ++n)
        for (const clues::Level level : {clues::Level::Facile, clues::Level::Medio, clues::Level::Difficile}) {
            std::set<std::vector<std::string>> seen;
            for (std::uint32_t seed = 0; seed < 40; ++seed) {
                const std::vector<Fact> clue = clues::GenerateClue(n, level, seed);
                EXPECT_EQ(clue, clues::GenerateClue(n, level, seed));
                std::vector<std::string> said;
                for (const Fact& f : clue) said.push_back(clues::Condition(f, n));
                seen.insert(said);
            }
            // Three cars leave few clues to choose from (their colours and direction vary in the game).
            EXPECT_GT(seen.size(), n == 3 ? 5u : 15u) << n << " cars, " << clues::LevelName(level);
        }
    EXPECT_TRUE(clues::GenerateClue(6, clues::Level::Medio, 1).empty());
}

}  // namespace
