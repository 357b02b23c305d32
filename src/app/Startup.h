#pragma once
// The program's start.

#include <QString>

// Refuses a second copy (after telling so in the "Error" box: nothing else is shown, and the
// result is false), removes the temporary files a killed language save left behind, switches
// sounds on, reads the clue words, seeds the random generator and shows the start screen. With a
// turn's code (the command line's --code) the game window opens on that turn at once instead; a
// code that is refused is told, and the start screen shows.
bool Main(const QString& code = QString());
