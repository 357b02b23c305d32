#pragma once
// The program's windows, one default instance each.

#include "clues/TurnCode.h"
#include "ui/DefaultForm.h"

extern DefaultForm FormAvvio;   // start screen
extern DefaultForm FormMenu;    // main menu
extern DefaultForm FormInfo;    // information box
extern DefaultForm FormStatistics;  // the player's statistics
extern DefaultForm FormAuto3;   // game, three cars
extern DefaultForm FormAuto4;   // game, four cars
extern DefaultForm FormAuto5;   // game, five cars

// The game window for the turn's number of cars, set up with that turn (a turn's code) and shown:
// its first turn is this one, "avanti" goes on with new turns of the same kind.
void OpenTurn(const clues::Turn& turn);
