#pragma once
// Everything that differs between the three game windows (three, four and five cars).
// The window code reads this record and never asks which N it is running.

#include <array>

struct GameLayout {
    int clientWidth, clientHeight;           // design client area, twips
    std::array<int, 5> carLeft;              // Image1(k) left, slot k of the design layout
    int carTop, carWidth, carHeight;
    int label2Top, label3Top;                // slot markers; same lefts and widths as the cars, height 495
    std::array<int, 5> gridLeft;             // grid column under slot k
    std::array<int, 5> gridTop;              // grid row j; every picture 1215 x 375
    int label1Left, label1Top, label1Width, label1Height;
    int command1Left, command1Top;           // 1665 x 870
    int confermaLeft, confermaTop;           // 1665 x 870
    int avantiLeft, avantiTop;               // 1665 x 855
};

struct GameTable {
    int n;                        // cars
    const char* formName;         // "FormAuto3"
    const char* title;            // design window title
    std::array<int, 3> bandStart; // background band i: per channel start - i where it falls
    std::array<bool, 3> bandFalls;
    GameLayout layout;
};

// The record for n = 3, 4 or 5; nullptr for any other n.
const GameTable* GameTableFor(int n);
