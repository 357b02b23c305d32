#pragma once
// How the program ends: when its last window is unloaded (the event loop quits), or at once
// (the exit question's Yes: the process exits, no window gets its unload events and no further
// code of the program runs). Tests and tools record it instead.

#include <functional>

void EndProgram(bool atOnce);

// Replaces what EndProgram does; an empty handler restores it.
void SetProgramEndHandler(std::function<void(bool atOnce)> handler);
