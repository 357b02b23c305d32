#pragma once
// The clue words: entry n is the text of language key 0002 + n, read at start-up and again at
// every change of language. Entries 0 and 1 get one blank added and are the status-bar words.

#include <QString>

#include <array>

extern std::array<QString, 28> Parole;

void LoadParole();
