#include "game/GameTable.h"

namespace {

// The controls of every game window, in its control order; only the places of the clue and of
// the buttons differ between the windows.
constexpr std::array<ControlRow, 14> Controls(TwipsRect clue, TwipsRect possibilities, TwipsRect confirm, TwipsRect next)
{
    return {{
        {Role::Cars, "Image1", "", {}},
        {Role::NotePad, "Image", "", {}},
        {Role::Clue, "Label1", " ", clue},
        {Role::MarkersFromLeft, "Label2", "Label2", {}},
        {Role::MarkersFromRight, "Label3", "Label3", {}},
        {Role::Possibilities, "Command1", "Possibilità", possibilities},
        {Role::Confirm, "BottoneConferma", "Conferma", confirm},
        {Role::Next, "BottoneAvanti", "avanti", next},
        {Role::StatusBar, "StatusBar1", "", {}},
        // The ten blanks set "Azzera conteggio" apart from "Esci".
        {Role::ResetCounts, "MenuAzzera", "Azzera conteggio          ", {}},
        {Role::Leave, "mnuEsci", "Esci", {}},
        {Role::Hint, "mnuSuggerimento", "Suggerimento", {}},
        {Role::Code, "mnuCode", "Codice", {}},
        {Role::Languages, "mnuLanguages", "Lingua", {}},
    }};
}

constexpr std::array<int, 3> kStatusPanels = {5292, 5292, 0};
constexpr int kStatusBarHeight = 500;

constexpr GameTable kTables[] = {
    {3, "FormAuto3", "Parcolo - tre automobili",
     {255, 255, 255}, {true, false, true},  // white to green
     8625, 6495,
     {{120, 3000, 5880, 0, 0}, 1200, 2655, 975,
      480, 3000, 495,
      {840, 3720, 6600, 0, 0}, {2400, 2880, 3360, 0, 0}, 1215, 375},
     Controls({120, 3960, 4815, 1935}, {5040, 3960, 1665, 870}, {5040, 5040, 1665, 870}, {6840, 5040, 1665, 855}),
     kStatusPanels, kStatusBarHeight},
    {4, "FormAuto4", "Parcolo - quattro automobili",
     {255, 255, 255}, {true, true, false},  // white to blue
     11190, 6495,
     {{120, 2880, 5640, 8400, 0}, 840, 2655, 855,
      120, 2160, 495,
      {840, 3600, 6360, 9120, 0}, {1920, 2400, 2880, 3360, 0}, 1215, 375},
     Controls({120, 3960, 6975, 1935}, {7200, 3960, 1665, 870}, {7200, 5040, 1665, 870}, {9240, 5040, 1665, 855}),
     kStatusPanels, kStatusBarHeight},
    {5, "FormAuto5", "Parcolo - cinque automobili",
     {255, 255, 0}, {true, true, false},  // yellow to black
     11535, 6495,
     {{120, 2400, 4680, 6960, 9240}, 240, 2175, 855,
      120, 1560, 495,
      {600, 2880, 5160, 7440, 9720}, {1200, 1680, 2160, 2640, 3120}, 1215, 375},
     Controls({120, 3600, 7335, 2295}, {7680, 3960, 1665, 870}, {7680, 5040, 1665, 870}, {9480, 5040, 1665, 855}),
     kStatusPanels, kStatusBarHeight},
};

}  // namespace

const GameTable* GameTableFor(int n)
{
    for (const GameTable& s : kTables)
        if (s.n == n) return &s;
    return nullptr;
}
