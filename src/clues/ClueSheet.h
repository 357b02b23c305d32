#pragma once
// The clue as the game writes it, with the current language's texts, and every clue of every
// game window assembled at once (the sheet translators read).

#include <QString>

#include <functional>

// The caption for clue pattern `pattern` of n cars, with colour(k) the colour name of car k:
// the words of Parole and the texts of the current language file. Empty for a pattern out of range.
QString ClueText(int n, int pattern, const std::function<QString(int car)>& colour);

// The text of one line of that clue, on its own (no line break): what a hint quotes.
QString ClueLineText(int n, int pattern, int line, const std::function<QString(int car)>& colour);

// Points the program at the language file: its folder becomes the program folder, its name
// without ".lng" the current language, and the clue words are read from it.
void UseLanguageFile(const QString& file);

// One line per pattern: "N p caption", the caption with "\\" for a backslash, "\r" and "\n".
// Car k has colour number k + 1 of that window's colour keys.
QString ClueLines();

// A block per pattern: "N cars, pattern p", then the caption with its line breaks as real ones.
QString ClueSheet();
