#pragma once
// Input never reaches a half-made or half-gone window. While a window loads, activates or
// unloads (a Busy lives), mouse and key input for the guarded windows is held back (the window
// system's) or dropped (anything else), and a window that is gone takes no more input. The
// second click of a double click whose first click went to another window (one that has just
// closed, say) is no click at all. Message boxes and other windows that are not guarded are left
// alone.

#include <functional>

class QWidget;

// Counts a window's load, activation or unload while it runs.
struct Busy {
    Busy();
    ~Busy();
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
};

// True while a window loads, activates or unloads.
bool FormsBusy();

// What the guard needs to know of a window: whether it is guarded, and whether it is gone.
struct GuardedWindow {
    bool guarded = false;
    bool gone = false;
};

// Sees every event of the program before its receiver does, from the first call on; later calls
// do nothing.
void GuardInput(std::function<GuardedWindow(const QWidget* window)> lookUp);
