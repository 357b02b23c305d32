#pragma once
// What a game window keeps of the player's hands, apart from the rules of the turn
// (core/Board.h) and from what is drawn (game/BoardView.h): the car picked up with the keyboard,
// whether the window has set up its turn, and the car picture found missing.

#include <QString>

struct GameUi {
    int picked = -1;           // the car picked up with the keyboard; -1 for none
    bool turnStarted = false;  // set up on the first activation, never again by a mere return
    QString missingPicture;    // the first car picture found missing, to tell the player of
};
