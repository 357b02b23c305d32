// Turn codes: every classic pattern and a thousand generated turns of every kind come back from
// their codes exactly; codes hide the order; a code changed, cut or doubled, or naming a turn
// that cannot be played, is refused for what it is.

#include <gtest/gtest.h>

#include <QString>

#include <set>
#include <variant>

#include "clues/Patterns.h"
#include "clues/TurnCode.h"
#include "core/Rnd.h"

namespace {

using clues::CodeProblem;
using clues::Turn;

std::vector<Turn> SomeTurns()
{
    std::vector<Turn> turns;
    for (int n = 3; n <= 5; ++n)
        for (int p = 0; p < int(clues::PatternsFor(n).size()); ++p) {
            Turn t;
            t.cars = n;
            t.fromLeft = p % 2 == 0;
            for (int k = 0; k < n; ++k) t.colours[size_t(k)] = (p + 3 * k) % 10 + 1;
            t.pattern = p;
            turns.push_back(t);
        }
    unsigned state = 7;
    SetRndSource([&state] { return double((state = state * 1103515245u + 12345u) >> 8 & 0xFFFF) / 65536.0; });
    for (int n = 3; n <= 5; ++n)
        for (const clues::Level level : {clues::Level::Facile, clues::Level::Medio, clues::Level::Difficile})
            for (int i = 0; i < 1000; ++i) turns.push_back(clues::DrawTurn(n, level));
    SetRndSource({});
    return turns;
}

QString Bare(QString code) { return code.remove(u'-'); }

TEST(TurnCode, EveryTurnComesBackFromItsCodeAndTheCodeHidesTheOrder)
{
    for (const Turn& turn : SomeTurns()) {
        const QString code = clues::EncodeTurn(turn);
        const auto back = clues::DecodeTurn(code);
        ASSERT_TRUE(std::holds_alternative<Turn>(back)) << code.toStdString();
        EXPECT_TRUE(std::get<Turn>(back) == turn) << code.toStdString();
        // What a hand or a mail program does to a code is forgiven.
        EXPECT_TRUE(std::get<Turn>(clues::DecodeTurn(QStringLiteral(" ") + code.toLower() + QStringLiteral("\n"))) == turn);
        EXPECT_LE(Bare(code).size(), 24) << code.toStdString();
        // The colours in order are nowhere among its letters.
        QString order;
        for (int k = 0; k < turn.cars; ++k) order += QString::number(turn.colours[size_t(k)]);
        if (turn.cars > 3) EXPECT_FALSE(Bare(code).contains(order)) << code.toStdString();
    }
    // Two turns that differ in the order of two colours only differ in many letters.
    Turn a;
    a.cars = 4;
    a.colours = {1, 2, 3, 4};
    a.pattern = 5;
    Turn b = a;
    std::swap(b.colours[1], b.colours[2]);
    const QString ca = Bare(clues::EncodeTurn(a)), cb = Bare(clues::EncodeTurn(b));
    int differ = 0;
    for (qsizetype i = 0; i < ca.size(); ++i) differ += ca[i] != cb[i];
    EXPECT_GE(differ, 3) << ca.toStdString() << " " << cb.toStdString();
}

TEST(TurnCode, ACodeChangedCutOrDoubledIsRefused)
{
    const char alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    int turns = 0;
    for (const Turn& turn : SomeTurns()) {
        if (++turns % 25 != 0) continue;  // a few hundred of them, every kind
        const QString code = Bare(clues::EncodeTurn(turn));
        for (qsizetype i = 0; i < code.size(); ++i)
            for (const char c : alphabet) {
                if (code[i] == QLatin1Char(c)) continue;
                QString changed = code;
                changed[i] = QLatin1Char(c);
                ASSERT_TRUE(std::holds_alternative<CodeProblem>(clues::DecodeTurn(changed)))
                    << code.toStdString() << " -> " << changed.toStdString();
            }
        EXPECT_TRUE(std::holds_alternative<CodeProblem>(clues::DecodeTurn(code.chopped(1))));
        EXPECT_TRUE(std::holds_alternative<CodeProblem>(clues::DecodeTurn(code.mid(1))));
        EXPECT_TRUE(std::holds_alternative<CodeProblem>(clues::DecodeTurn(code + code)));
        EXPECT_TRUE(std::holds_alternative<CodeProblem>(clues::DecodeTurn(code + QStringLiteral("0"))));
    }
    EXPECT_EQ(std::get<CodeProblem>(clues::DecodeTurn(QString())), CodeProblem::Unreadable);
    EXPECT_EQ(std::get<CodeProblem>(clues::DecodeTurn(QStringLiteral("hello, world"))), CodeProblem::Unreadable);
    EXPECT_EQ(std::get<CodeProblem>(clues::DecodeTurn(QString(500, u'A'))), CodeProblem::Unreadable);
}

TEST(TurnCode, ACodeOfATurnThatCannotBePlayedIsRefusedForWhatItIs)
{
    Turn twice;
    twice.cars = 3;
    twice.colours = {4, 4, 7};
    twice.pattern = 0;
    EXPECT_EQ(std::get<CodeProblem>(clues::DecodeTurn(clues::EncodeTurn(twice))), CodeProblem::Impossible);
    Turn noPattern = twice;
    noPattern.colours = {4, 5, 7};
    noPattern.pattern = 40;
    EXPECT_EQ(std::get<CodeProblem>(clues::DecodeTurn(clues::EncodeTurn(noPattern))), CodeProblem::Impossible);
    // A generated clue that leaves two orders, and one that the hidden order does not fit.
    Turn loose;
    loose.cars = 3;
    loose.colours = {1, 2, 3};
    loose.level = clues::Level::Medio;
    loose.facts = {{clues::Fact::Kind::First, {0, 0, 0}}};
    EXPECT_EQ(std::get<CodeProblem>(clues::DecodeTurn(clues::EncodeTurn(loose))), CodeProblem::NotOneAnswer);
    Turn wrong = loose;
    wrong.facts = {{clues::Fact::Kind::First, {2, 0, 0}}, {clues::Fact::Kind::Last, {0, 0, 0}}};
    EXPECT_EQ(std::get<CodeProblem>(clues::DecodeTurn(clues::EncodeTurn(wrong))), CodeProblem::NotOneAnswer);
    Turn noCar = loose;
    noCar.facts = {{clues::Fact::Kind::Before, {0, 7, 0}}};
    EXPECT_EQ(std::get<CodeProblem>(clues::DecodeTurn(clues::EncodeTurn(noCar))), CodeProblem::Impossible);
}

}  // namespace
