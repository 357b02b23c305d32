// The rules of a turn without any window: draws, the shuffle, moves with undo and redo, the
// judgement in both directions, the note pad.

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
        for (int i = 0; i < t.N(); ++i) t.Apply(Board::Move::Swap(t.CarInSlot(t.SlotOfPosition(i)), i));
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
    EXPECT_EQ(t.Pattern, 17);
    EXPECT_TRUE(draws_.empty());
    for (int k = 0; k < 4; ++k) {
        for (int column = 0; column < 4; ++column) EXPECT_FALSE(t.Shown(column, k));
        EXPECT_EQ(t.CarInRow(k), -1);
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
        EXPECT_TRUE(t.IsSolved());
        for (int i = 0; i < 5; ++i) EXPECT_EQ(t.SlotOfCar(i), fromLeft ? i : 4 - i);
        t.Apply(Board::Move::Swap(1, 3));
        EXPECT_FALSE(t.IsSolved());
        EXPECT_FALSE(t.Apply(Board::Move::Swap(2, 2)));  // a car dropped on itself: nothing to undo
        EXPECT_TRUE(t.Undo());
        EXPECT_TRUE(t.IsSolved());
        while (t.Undo()) {}
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
            for (int j = 0; j < n; ++j) EXPECT_EQ(t.CarInRow(j), -1);
            // Swaps of any two cars, a car with itself included.
            for (int s = 0; s < 7; ++s) t.Apply(Board::Move::Swap(RndInt(n), RndInt(n)));
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
    EXPECT_FALSE(t.NotePadOpen());
    EXPECT_FALSE(t.Apply(Board::Move::CrossOut(0, 0))) << "nothing to cross out before the note pad opens";
    // Row 2 is drawn twice for car 1 and drawn again.
    Script({{2, 4}, {2, 4}, {0, 4}, {3, 4}, {3, 4}, {1, 4}});
    int last = -1;
    const Board::Rows rows = t.DrawNotePadRows(&last);
    EXPECT_EQ(last, 1);
    EXPECT_FALSE(t.NotePadOpen()) << "drawing is not opening";
    t.Apply(Board::Move::OpenNotePad(rows));
    EXPECT_EQ((std::array{t.CarInRow(0), t.CarInRow(1), t.CarInRow(2), t.CarInRow(3)}), (std::array{1, 3, 0, 2}));
    for (int j = 0; j < 4; ++j)
        for (int column = 0; column < 4; ++column) EXPECT_TRUE(t.Shown(column, j));
    t.Apply(Board::Move::CrossOut(3, 1));
    EXPECT_FALSE(t.Shown(3, 1));
    EXPECT_TRUE(t.Shown(2, 1));
    EXPECT_FALSE(t.Apply(Board::Move::CrossOut(3, 1))) << "crossed out already";
    t.Apply(Board::Move::OpenNotePad(t.DrawNotePadRows()));
    EXPECT_TRUE(t.Shown(3, 1)) << "opening it again shows every picture again";
}

// Undo and redo walk moves of every kind both ways; a new move drops what could be redone; a
// new turn clears the history; every change is told once.
TEST_F(BoardTest, UndoAndRedoWalkMovesOfEveryKindAndANewMoveOrTurnEndsThem)
{
    Board t(3);
    int told = 0;
    t.OnChange([&told] { ++told; });
    Script({{0, 2}, {0, 3}, {0, 3}, {0, 3}});  // from the left, car i in slot i
    t.NuovoTurno(21);
    EXPECT_EQ(told, 1);
    const Board start = t;
    Script({{0, 3}, {1, 3}, {2, 3}});
    const Board::Move moves[] = {Board::Move::Swap(0, 2), Board::Move::OpenNotePad(t.DrawNotePadRows()),
                                 Board::Move::CrossOut(1, 2), Board::Move::Swap(1, 2), Board::Move::CrossOut(0, 0)};
    std::vector<Board> after;
    for (const Board::Move& m : moves) {
        ASSERT_TRUE(t.Apply(m));
        after.push_back(t);
    }
    EXPECT_EQ(told, 6);
    const auto same = [](const Board& a, const Board& b) {
        for (int i = 0; i < 3; ++i) {
            if (a.SlotOfCar(i) != b.SlotOfCar(i) || a.CarInRow(i) != b.CarInRow(i)) return false;
            for (int c = 0; c < 3; ++c)
                if (a.Shown(c, i) != b.Shown(c, i)) return false;
        }
        return true;
    };
    // Back to the start, move by move, then forward again.
    for (int k = 4; k >= 0; --k) {
        const auto undone = t.Undo();
        ASSERT_TRUE(undone) << k;
        EXPECT_EQ(undone->kind, moves[k].kind) << k;
        EXPECT_TRUE(same(t, k > 0 ? after[size_t(k - 1)] : start)) << k;
    }
    EXPECT_FALSE(t.Undo());
    for (int k = 0; k < 5; ++k) {
        ASSERT_TRUE(t.Redo()) << k;
        EXPECT_TRUE(same(t, after[size_t(k)])) << k;
    }
    EXPECT_FALSE(t.Redo());
    EXPECT_EQ(told, 16);
    // Two undone, then a new move: nothing left to redo.
    t.Undo();
    t.Undo();
    t.Apply(Board::Move::Swap(0, 1));
    EXPECT_FALSE(t.Redo());
    EXPECT_TRUE(t.Undo());
    EXPECT_TRUE(same(t, after[2]));
    // A new turn: no history either way.
    t.NuovoTurno(21);
    EXPECT_FALSE(t.Undo());
    EXPECT_FALSE(t.Redo());
}

TEST_F(BoardTest, EveryPatternIsEquallyLikely)
{
    SetRndSource({});
    Board t(4);
    std::map<int, int> seen;
    for (int i = 0; i < 24000; ++i) {
        t.NuovoTurno(24);
        ++seen[t.Pattern];
    }
    ASSERT_EQ(seen.size(), 24u);
    for (const auto& [pattern, count] : seen) {
        EXPECT_GT(count, 820) << pattern;
        EXPECT_LT(count, 1180) << pattern;
    }
}

}  // namespace
