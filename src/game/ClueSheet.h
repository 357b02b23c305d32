#pragma once
// Every clue pattern of every game window assembled with one language file's texts, as the game
// would write it when car k has colour number k + 1. For translators, and for checking the
// assembly from outside.

#include <QString>

// Points the program at the language file: its folder becomes the program folder, its name
// without ".lng" the current language, and the start-up words are read from it.
void UseLanguageFile(const QString& file);

// One line per pattern: "N p caption", the caption with "\\" for a backslash, "\r" and "\n".
QString ClueLines();

// A block per pattern: "N cars, pattern p", then the caption with its line breaks as real ones.
QString ClueSheet();
