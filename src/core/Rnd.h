#pragma once
// The program's one random generator: uniform on [0, 1), seeded once at start-up. Every draw
// of the game is Int(Rnd x K), a whole number from 0 to K - 1.

#include <QtGlobal>

#include <functional>

// The last random draw of a game window.
extern qint16 Caso;

double Rnd();
int RndInt(int k);

// Seeds the generator from the system timer.
void Randomize();

// Tests put a scripted sequence in place; an empty function restores the generator.
void SetRndSource(std::function<double()> source);
