#pragma once
// The program's start.

// Refuses a second copy (after telling so in the "Error" box: nothing else is shown, and the
// result is false), removes the temporary files a killed language save left behind, switches
// sounds on, reads the clue words, seeds the random generator and shows the start screen.
bool Main();
