#pragma once
// A window that another program destroys (on X11 any client may destroy any window, not only
// the window manager) is a window closed: its form is unloaded as if its border's close button
// had been pressed, so the program ends with its last window instead of running on unseen.
//
// Watches the window system's events from the first call on; calling it again does nothing.
// Window systems where no other program can destroy a window (Wayland, Windows, macOS) send
// nothing of the kind, and nothing happens there.
void WatchForDestroyedWindows();
