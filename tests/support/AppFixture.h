#pragma once
// Window tests: a program folder with the shipped data, a scripted random source, message boxes
// answered by the test, sounds and the end of the program recorded instead of done.

#include "support/TestFolder.h"
#include "ui/MsgBox.h"

#include <QStringList>

#include <deque>
#include <memory>

#include <gtest/gtest.h>

class DefaultForm;
class Form;
class GameForm;

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The next draws of Rnd(); when they run out, a fixed sequence goes on.
    void Script(std::initializer_list<double> values) { draws_.insert(draws_.end(), values); }
    // A draw giving Int(Rnd x k) = value.
    static double Pick(int value, int k) { return (value + 0.5) / k; }
    int DrawsTaken() const { return drawsTaken_; }

    // The answer to the next message boxes (Yes by default).
    MsgResult answer_ = MsgResult::Yes;
    std::vector<MsgBoxRequest> boxes_;
    QStringList played_;
    int endedAtOnce_ = 0;
    int endedLastForm_ = 0;

    std::unique_ptr<TestFolder> folder_;

    // The game window for n cars, opened from the menu as the player does.
    static GameForm* OpenGame(int n);
    static DefaultForm& GameWindow(int n);
    // Swaps cars by drops, as a player would, until the row is the one accepted.
    static void SolveByDrops(GameForm* g);
    // The window shows its board: every car and note-pad picture stands, in twips and on the
    // screen, where the design layout puts its slot (and row), scaled to the window, and the
    // note pad shows the pictures the board shows.
    static void ExpectBoardShown(const GameForm* g);

    // Unloads every form and lets Qt destroy them.
    static void UnloadAll();
    static void ProcessDeletes();

private:
    std::deque<double> draws_;
    int drawsTaken_ = 0;
    unsigned fallback_ = 12345;
};
