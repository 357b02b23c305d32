#pragma once
// The clue as the game writes it, with the current language's texts, and every clue of every
// game window assembled at once (the sheet translators read).
//
// Sentence templates live in the language file: section "Clues3", "Clues4" or "Clues5", key
// "<pattern>.<line>" (pattern from 0 as the game numbers them, line from 1), for instance
// Clues5 "27.1" = "{2} steht zwischen {3:dat} und {1:dat}.". The forms of the colour names are in
// section "ColourForms", key "<form>.<colour number>" (colour 1 to 10), for instance
// "dat.2" = "dem blauen Auto". A line without a usable template is assembled from its pieces, and
// a form the file lacks is the colour's name; TemplateProblems() tells a translator about both.

#include <QString>
#include <QStringList>

#include <array>

// The hidden order (colour number of car k) and the colour names of a game window.
using ColoriAuto = std::array<qint16, 5>;
using NomiColori = std::array<QString, 11>;

// The caption for clue pattern `pattern` of n cars: the words of Parole and the texts and
// templates of the current language file. Empty for a pattern out of range.
QString ClueText(int n, int pattern, const ColoriAuto& coloreAuto, const NomiColori& nomeColore);

// The text of one line of that clue (line from 0), on its own (no line break): what a hint quotes.
QString ClueLineText(int n, int pattern, int line, const ColoriAuto& coloreAuto, const NomiColori& nomeColore);

// Points the program at the language file: its folder becomes the program folder, its name
// without ".lng" the current language, and the clue words are read from it.
void UseLanguageFile(const QString& file);

// One line per pattern: "N p caption", the caption with "\\" for a backslash, "\r" and "\n".
// Car k has colour number k + 1 of that window's colour keys.
QString ClueLines();

// A block per pattern: "N cars, pattern p", then the caption with its line breaks as real ones.
QString ClueSheet();

// What is wrong with the current language file's templates, one sentence each: a template that
// does not parse or does not name exactly its line's cars, a key that names no line, a form a
// template asks for that some colour lacks. Empty when there is nothing.
QStringList TemplateProblems();

// How many clue lines of the three windows have a template in the current language file, of how many.
std::pair<int, int> TemplateCoverage();
