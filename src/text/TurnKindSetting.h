#pragma once
// The kind of turn the player plays: Classico (the fixed clue patterns) or a level of generated
// clues (clues/Generator.h). The main menu offers it; the choice is the player's own, kept in
// their configuration folder ("<AppConfigLocation>/Parcolo.ini", section "Game", key "Kind":
// classico, facile, medio or difficile), never in the program folder, which other players share.
// Without a choice stored, or with one the program does not know, it is Classico. A choice that
// cannot be stored holds for this run.

#include "clues/Generator.h"

#include <QString>

#include <optional>

enum class TurnKind { Classico, Facile, Medio, Difficile };

TurnKind ChosenTurnKind();
// True when the next start will read it.
bool StoreTurnKind(TurnKind kind);

QString TurnKindName(TurnKind kind);  // "classico" …
std::optional<TurnKind> TurnKindNamed(const QString& name);
// The level of generated clues, nothing for Classico.
std::optional<clues::Level> LevelOf(TurnKind kind);

// The file the choice is kept in; empty where the system gives the player no such folder.
QString TurnKindFile();
