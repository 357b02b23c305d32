#pragma once
// What screen readers hear as things happen in a game window (ui/Announcer.h), in the words of
// the current language file, with the program's Italian for files of old. Colours are the colour
// names of the window, places are counted from 1 in the turn's reading direction.

#include "core/Board.h"

#include <QString>

#include <array>

namespace sayings {

QString Right(int right, int wrong);  // a right answer and the new counts
QString Wrong(int right, int wrong);  // a wrong answer and the new counts
QString NewTurn(const QString& direction, const QString& clue);
QString Picked(const QString& colour, int place);   // a car picked up with the keyboard
QString PutBack(const QString& colour, int place);  // the picked car put down where it was
QString Swapped(const QString& colour, int place, const QString& other, int otherPlace);
QString Hinted(const QString& colour, int place, const QString& bubble);  // a hint's crossing-out
QString CrossedOut(const QString& colour, int place);                     // a picture crossed out
QString Restored(const QString& colour, int place);                       // and shown again
QString NotePadOpened();
QString NotePadClosed();

// What a move did, made or undone, said with the board as it is afterwards.
QString Move(const Board& board, const Board::Move& move, bool undone, const std::array<QString, 11>& colourNames);

}  // namespace sayings
