#pragma once
// The clue as the game writes it: a clue pattern put into words with the current language's texts.
//
// The words come from Parole (the clue words), the colour names the game window read, and the
// current language file. That file may also hold sentence templates: section "Clues3", "Clues4"
// or "Clues5", key "<pattern>.<line>" (pattern from 0 as the game numbers them, line from 1), for
// instance Clues5 "27.1" = "{2} steht zwischen {3:dat} und {1:dat}.". The forms of the colour
// names are in section "ColourForms", key "<form>.<colour number>" (colour 1 to 10), for instance
// "dat.2" = "dem blauen Auto". A line without a usable template is assembled from its pieces, and
// a form the file lacks is the colour's name (clues/Clues.h says how).

#include <QString>

#include <array>
#include <optional>

// The hidden order (colour number of car k) and the colour names of a game window.
using CarColours = std::array<qint16, 5>;
using ColourNames = std::array<QString, 11>;

// The caption for clue pattern `pattern` of n cars. Empty for a pattern out of range.
QString ClueText(int n, int pattern, const CarColours& coloreAuto, const ColourNames& nomeColore);

// The text of one line of that clue (line from 0), on its own (no line break): what a hint quotes.
// Empty for a pattern or a line out of range.
QString ClueLineText(int n, int pattern, int line, const CarColours& coloreAuto, const ColourNames& nomeColore);

// Where the language file keeps templates and colour forms, for the tools that check them.
QString ClueTemplateSection(int n);                       // "Clues5"
QString ClueTemplateKey(int pattern, int line);           // line from 0: "27.1" for line 0
QString ColourFormSection();                              // "ColourForms"
QString ColourFormKey(const QString& form, int colour);   // "dat.2"
