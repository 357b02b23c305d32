#pragma once
// Everything that differs between the three game windows (three, four and five cars), and the
// design layout of each, in twips of a client area of clientWidth x clientHeight. The window code
// reads this record and never asks which N it is running.
//
// The window is built from `controls`, row by row in the window's control order; a row names what
// the control does (its Role), and the window gives each role its behaviour. The board's pieces
// (cars, slot markers, note pad) stand where their slot puts them (game/BoardLayout.h); every
// other control stands at its design rectangle, scaled by the resizer.

#include <array>

// A rectangle of the design layout, in twips.
struct TwipsRect {
    int left, top, width, height;
};

// Where the pieces of the board stand in the design layout.
struct BoardDesign {
    std::array<int, 5> slotLeft;   // slot k, from the left: the left of the car standing there
    int carTop, carWidth, carHeight;
    int label2Top, label3Top;      // the slot markers: the lefts and widths of their slots
    int markerHeight;
    std::array<int, 5> notePadLeft;  // the note-pad column under slot k
    std::array<int, 5> notePadTop;   // note-pad row j, from the top
    int notePadWidth, notePadHeight;
};

// What a control of the game window is for.
enum class Role {
    Cars,              // Image1(0 .. N-1)
    NotePad,           // the columns Image2 .. Image(N+1), rows 0 .. N-1
    Clue,              // Label1
    MarkersFromLeft,   // Label2(k), at slot k
    MarkersFromRight,  // Label3(k), at slot N-1-k
    Possibilities,     // Command1
    Confirm,           // BottoneConferma
    Next,              // BottoneAvanti
    StatusBar,         // StatusBar1
    ResetCounts,       // MenuAzzera
    Leave,             // mnuEsci
    Hint,              // mnuSuggerimento
    Code,              // mnuCode: the turn's code
    Languages,         // mnuLanguages, with its item array mnuLanguage
};

// One control, or one control array, of the game window.
struct ControlRow {
    Role role;
    const char* name;     // for the note pad: the column under slot k is named name + (k + 2)
    const char* caption;  // design caption ("" for none)
    TwipsRect design;     // for a control the resizer scales; unused for the board's pieces and menus
};

struct GameTable {
    int n;                         // cars
    const char* formName;          // "FormAuto3"
    const char* title;             // design window title
    std::array<int, 3> bandStart;  // background band i: per channel start - i where it falls
    std::array<bool, 3> bandFalls;
    int clientWidth, clientHeight;
    BoardDesign board;
    std::array<ControlRow, 14> controls;  // in the window's control order
    std::array<int, 3> statusPanels;      // widths in twips; 0 takes the rest
    int statusBarHeight;                  // set when the window is activated
};

// The record for n = 3, 4 or 5; nullptr for any other n.
const GameTable* GameTableFor(int n);
