// The rules of a turn without any window: draws, the shuffle, swaps and undo, the judgement in
// both directions, the note pad.

#include "core/Board.h"
#include "core/Rnd.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>

namespace {

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetRndSource([this] {
            if (draws_.empty()) return double((fallback_ = fallback_ * 1103515245u + 12345u) >> 8) / double(1u << 24);
            const double v = draws_.front();
            draws_.pop_front();
            return v;
        });
    }
    void TearDown() override { SetRndSource({}); }
    // Draws giving Int(Rnd x k) = value, one per pair.
    void Script(std::initializer_list<std::pair<int, int>> draws)
    {
        for (const auto& [value, k] : draws) draws_.push_back((value + 0.5) / k);
    }
    // Puts every car on the slot the turn accepts for it.
    static void Solve(Board& t)
    {
        for (int i = 0; i < t.N(); ++i) t.Scambia(t.CarInSlot(t.SlotOfPosition(i)), i);
    }
    static std::array<int, 5> Slots(const Board& t)
    {
        std::array<int, 5> row{};
        for (int i = 0; i < t.N(); ++i) row[size_t(i)] = t.SlotOfCar(i);
        return row;
    }
    std::deque<double> draws_;
    unsigned fallback_ = 1;  // when the script runs out, a fixed sequence goes on
};

TEST_F(BoardTest, ANewTurnDrawsDirectionShuffleColoursAndPatternInThatOrder)
{
    Board t(4);
    // From the right; slots 0..3 take cars 2, 3 (probed on from the placed 2), 0, 1; colour 5
    // is drawn twice and drawn again; pattern 17 of 24.
    Script({{1, 2}, {2, 4}, {2, 4}, {0, 4}, {0, 4}, {4, 10}, {4, 10}, {6, 10}, {0, 10}, {9, 10}, {17, 24}});
    t.NuovoTurno(24);
    EXPECT_FALSE(t.DaSinistra);
    EXPECT_EQ((std::array{t.CarInSlot(0), t.CarInSlot(1), t.CarInSlot(2), t.CarInSlot(3)}), (std::array{2, 3, 0, 1}));
    EXPECT_EQ((std::array<qint16, 4>{t.ColoreAuto[0], t.ColoreAuto[1], t.ColoreAuto[2], t.ColoreAuto[3]}),
              (std::array<qint16, 4>{5, 7, 1, 10}));
    EXPECT_EQ(t.Schema, 17);
    EXPECT_TRUE(draws_.empty());
    for (int k = 0; k < 4; ++k) {
        for (int column = 0; column < 4; ++column) EXPECT_FALSE(t.Visibile(column, k));
        EXPECT_EQ(t.RigaAuto(k), -1);
    }
}

TEST_F(BoardTest, SwapsAreUndoneOneByOneAndOnlyTheHiddenOrderIsAccepted)
{
    for (const bool fromLeft : {true, false}) {
        Board t(5);
        Script({{fromLeft ? 0 : 1, 2}});
        t.NuovoTurno(45);
        ASSERT_EQ(t.DaSinistra, fromLeft);
        const auto start = Slots(t);
        Solve(t);
        EXPECT_TRUE(t.Giudica());
        for (int i = 0; i < 5; ++i) EXPECT_EQ(t.SlotOfCar(i), fromLeft ? i : 4 - i);
        t.Scambia(1, 3);
        EXPECT_FALSE(t.Giudica());
        t.Scambia(2, 2);  // a car dropped on itself: nothing to undo
        EXPECT_TRUE(t.Annulla());
        EXPECT_TRUE(t.Giudica());
        while (t.Annulla()) {}
        EXPECT_EQ(Slots(t), start);
    }
}

TEST_F(BoardTest, EveryTurnAndEverySwapKeepOneCarInEverySlotAndColoursApart)
{
    for (const int n : {3, 4, 5}) {
        Board t(n);
        for (int i = 0; i < n; ++i) EXPECT_EQ(t.SlotOfCar(i), i) << "before the first turn, the design layout";
        for (int turn = 0; turn < 200; ++turn) {
            t.NuovoTurno(21);
            std::set<int> colours(t.ColoreAuto.begin(), t.ColoreAuto.begin() + n);
            EXPECT_EQ(int(colours.size()), n) << "colours repeat";
            EXPECT_GE(*colours.begin(), 1);
            EXPECT_LE(*colours.rbegin(), 10);
            for (int j = 0; j < n; ++j) EXPECT_EQ(t.RigaAuto(j), -1);
            // Swaps of any two cars, a car with itself included.
            for (int s = 0; s < 7; ++s) t.Scambia(RndInt(n), RndInt(n));
            std::set<int> taken;
            for (int i = 0; i < n; ++i) {
                taken.insert(t.SlotOfCar(i));
                EXPECT_EQ(t.CarInSlot(t.SlotOfCar(i)), i);
            }
            EXPECT_EQ(int(taken.size()), n) << "every slot holds exactly one car";
            EXPECT_EQ(*taken.rbegin(), n - 1);
        }
    }
}

TEST_F(BoardTest, TheNotePadShowsEveryCarOnceInARandomRowOrder)
{
    Board t(4);
    t.NuovoTurno(24);
    // Row 2 is drawn twice for car 1 and drawn again; an empty marker stands in with the fixed one.
    Script({{2, 4}, {2, 4}, {0, 4}, {3, 4}, {3, 4}, {1, 4}});
    t.RiempiGriglia(QString());
    EXPECT_EQ((std::array{t.RigaAuto(0), t.RigaAuto(1), t.RigaAuto(2), t.RigaAuto(3)}), (std::array{1, 3, 0, 2}));
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(t.Segno(j), kFixedRowMarker);
        for (int column = 0; column < 4; ++column) EXPECT_TRUE(t.Visibile(column, j));
    }
    t.Nascondi(3, 1);
    EXPECT_FALSE(t.Visibile(3, 1));
    EXPECT_TRUE(t.Visibile(2, 1));
    t.RiempiGriglia(QStringLiteral("riga"));
    EXPECT_TRUE(t.Visibile(3, 1)) << "a new fill shows every picture again";
    EXPECT_EQ(t.Segno(0), "riga");
}

TEST_F(BoardTest, EveryPatternIsEquallyLikely)
{
    SetRndSource({});
    Board t(4);
    std::map<int, int> seen;
    for (int i = 0; i < 24000; ++i) {
        t.NuovoTurno(24);
        ++seen[t.Schema];
    }
    ASSERT_EQ(seen.size(), 24u);
    for (const auto& [pattern, count] : seen) {
        EXPECT_GT(count, 820) << pattern;
        EXPECT_LT(count, 1180) << pattern;
    }
}

}  // namespace
