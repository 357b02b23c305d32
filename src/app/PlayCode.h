#pragma once
// Playing a turn's code (clues/TurnCode.h), from the main menu or the command line: what the
// player is told when a code is refused. (The game window is opened on the turn by OpenTurn,
// app/Instances.h.)

#include "clues/TurnCode.h"

#include <QString>

// Why a code is refused, in the current language.
QString CodeRefusal(clues::CodeProblem problem);
