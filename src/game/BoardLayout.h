#pragma once
// Where the pieces of the board stand in a game window: every rectangle comes from a slot (and,
// on the note pad, a row) and the window's scale, never from where a piece stood before. So
// nothing the window shows is stored twice, and a resize cannot move a car out of its slot.
//
// Rectangles are in twips of the window as it is now: the design rectangle of the slot times the
// window's scale (its client size over the design client size), unrounded, like the resizer's.

#include "game/GameTable.h"

#include <QRectF>

enum class Piece {
    Car,      // the car standing in the slot
    NotePad,  // the note-pad picture of a row in the column under the slot
};

// The client size of the window now over its design client size.
struct WindowScale {
    double x = 1, y = 1;
};

QRectF PieceRect(const GameTable& table, Piece piece, int slot, int row, WindowScale scale);
