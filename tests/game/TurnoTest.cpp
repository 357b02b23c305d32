// The rules of a turn without any window: draws, swaps and undo, the judgement in both
// directions, the note pad, and a row laid out again at another size.

#include "core/Rnd.h"
#include "core/Turno.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>

namespace {

class TurnoTest : public ::testing::Test {
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
    static void Solve(Turno& t)
    {
        for (int i = 0; i < t.N(); ++i) t.Scambia(t.CarInSlot(t.SlotOfPosition(i)), i);
    }
    std::deque<double> draws_;
    unsigned fallback_ = 1;  // when the script runs out, a fixed sequence goes on
};

TEST_F(TurnoTest, ANewTurnDrawsDirectionShuffleColoursAndPatternInThatOrder)
{
    Turno t(4);
    t.ImpostaFila(120, 2760);
    // From the right; places 0..3 take cars 2, 3 (probed on from the placed 2), 0, 1; colour 5
    // is drawn twice and drawn again; pattern 17 of 24.
    Script({{1, 2}, {2, 4}, {2, 4}, {0, 4}, {0, 4}, {4, 10}, {4, 10}, {6, 10}, {0, 10}, {9, 10}, {17, 24}});
    t.NuovoTurno(24);
    EXPECT_FALSE(t.DaSinistra);
    EXPECT_EQ(t.CarX(2), 120);
    EXPECT_EQ(t.CarX(3), 2880);
    EXPECT_EQ(t.CarX(0), 5640);
    EXPECT_EQ(t.CarX(1), 8400);
    EXPECT_EQ((std::array<qint16, 4>{t.ColoreAuto[0], t.ColoreAuto[1], t.ColoreAuto[2], t.ColoreAuto[3]}),
              (std::array<qint16, 4>{5, 7, 1, 10}));
    EXPECT_EQ(t.Schema, 17);
    EXPECT_TRUE(draws_.empty());
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(t.Label2X(k), t.SlotX(k));
        EXPECT_EQ(t.Label3X(3 - k), t.SlotX(k));
        for (int column = 0; column < 4; ++column) EXPECT_FALSE(t.Visibile(column, k));
        EXPECT_EQ(t.RigaAuto(k), -1);
    }
}

TEST_F(TurnoTest, SwapsAreUndoneOneByOneAndOnlyTheHiddenOrderIsAccepted)
{
    for (const bool fromLeft : {true, false}) {
        Turno t(5);
        t.ImpostaFila(120, 2280);
        Script({{fromLeft ? 0 : 1, 2}});
        t.NuovoTurno(45);
        ASSERT_EQ(t.DaSinistra, fromLeft);
        const auto start = std::array{t.CarX(0), t.CarX(1), t.CarX(2), t.CarX(3), t.CarX(4)};
        Solve(t);
        EXPECT_TRUE(t.Giudica());
        for (int i = 0; i < 5; ++i) EXPECT_EQ(t.SlotOfCar(i), fromLeft ? i : 4 - i);
        t.Scambia(1, 3);
        EXPECT_FALSE(t.Giudica());
        t.Scambia(2, 2);  // a car dropped on itself: nothing to undo
        EXPECT_TRUE(t.Annulla());
        EXPECT_TRUE(t.Giudica());
        while (t.Annulla()) {}
        EXPECT_EQ((std::array{t.CarX(0), t.CarX(1), t.CarX(2), t.CarX(3), t.CarX(4)}), start);
        std::set<int> places;
        for (int i = 0; i < 5; ++i) places.insert(t.SlotOfCar(i));
        EXPECT_EQ(places.size(), 5u);
    }
}

TEST_F(TurnoTest, ARowLaidOutAtAnotherSizeKeepsEveryCarOnItsSlot)
{
    Turno t(3);
    t.ImpostaFila(120, 2880);
    t.NuovoTurno(21);
    Solve(t);
    t.Scambia(0, 1);
    const std::array places{t.SlotOfCar(0), t.SlotOfCar(1), t.SlotOfCar(2)};
    for (const auto& [first, distance] : {std::pair{203, 4871}, std::pair{61, 1440}, std::pair{0, 0}, std::pair{120, 2880}}) {
        t.Riscala(first, distance);
        if (distance == 0) {
            // A row squeezed to nothing cannot tell places apart: the last one stays.
            EXPECT_EQ(t.DistanzaPosti, 1440);
            continue;
        }
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(t.SlotOfCar(i), places[size_t(i)]) << distance;
            EXPECT_EQ(t.CarX(i), first + places[size_t(i)] * distance);
        }
        EXPECT_FALSE(t.Giudica());
        EXPECT_TRUE(t.Annulla());
        EXPECT_TRUE(t.Giudica()) << "the judgement follows the row to its new size";
        t.Scambia(0, 1);
    }
}

TEST_F(TurnoTest, TheNotePadShowsEveryCarOnceInARandomRowOrder)
{
    Turno t(4);
    t.ImpostaFila(120, 2760);
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

TEST_F(TurnoTest, EveryPatternIsEquallyLikely)
{
    SetRndSource({});
    Turno t(4);
    t.ImpostaFila(120, 2760);
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
