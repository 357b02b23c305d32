#pragma once
// The main menu's names for the kinds of turn, in the current language and without their access
// keys ("Quattro automobili", "Facile"): for the windows and pages that name a kind of turn.

#include <QString>

// 3, 4 or 5 cars: the caption of the menu's button for them.
QString CarsCaption(int cars);
// 0 Classico, 1 Facile, 2 Medio, 3 Difficile: the caption of the menu's choice.
QString KindCaption(int kind);
// A caption of the main menu ("lblKind.Caption"), or the built-in one where the language file
// lacks it.
QString MenuCaption(const QString& key, const char* builtIn);
