#pragma once
// The question before quitting, asked by the main menu's "Esci".

class QWidget;

// Asks whether to quit, over the window that asks; Yes releases the shared resizer and the
// single-copy lock and ends the program at once, without any window's unload events.
void ChiediUscita(QWidget* asker);
