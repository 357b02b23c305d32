#pragma once
// Worksheets: puzzles on paper, for a class or a train journey, in the current language.
//
// A worksheet holds 1 to 12 puzzles of one number of cars and one kind (Classico or a level of
// generated clues), up to three to a page (a puzzle is never cut by the end of a page), A4 or Letter as the printer has it. Each puzzle shows its
// clue, an empty row of parking places with the places numbered in the reading direction and an
// arrow that says it, the puzzle's cars by colour name (so that a black-and-white print works),
// and the puzzle's code (clues/TurnCode.h), which plays it in the game. A last page gives the
// solutions. Everything is drawn in black on white.

#include "clues/TurnCode.h"

#include <QString>

#include <optional>
#include <vector>

class QPrinter;
class QWidget;

// That many new puzzles (1 to 12) of that many cars and kind, from the program's random draws.
std::vector<clues::Turn> DrawWorksheet(int cars, std::optional<clues::Level> level, int count);

// Prints the worksheet on the printer; false when the printer takes nothing (a file that cannot
// be written).
bool PrintWorksheet(QPrinter& printer, const std::vector<clues::Turn>& puzzles, std::optional<clues::Level> level);

// The command line's worksheet: a PDF file written without a dialog. 0 when it is written; else
// the exit status, with why in `error` (in the current language): 1 when the file cannot be
// written, 2 when the arguments are wrong.
int WriteWorksheetFile(const QString& file, const QString& cars, const QString& level, const QString& count, QString* error);

// "Stampa…" of the main menu: asks for the number of cars, the kind and how many puzzles, then
// opens the print dialog (a printer, or a PDF file) and prints; says so when the printer takes
// nothing.
void AskAndPrintWorksheet(QWidget* window);
