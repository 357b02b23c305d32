#pragma once
// The counts of right and wrong answers, shared by the main menu and the game windows, which
// set them to zero, and by the game windows, which count and show them. They live in memory only.

#include <QtGlobal>

extern qint16 NumEsatti;  // right answers
extern qint16 NumErrati;  // wrong answers

// One more answer. A count stops at the largest 16-bit value instead of overflowing.
void CountOne(qint16& count);
