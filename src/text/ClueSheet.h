#pragma once
// Every clue of every game window at once, with the texts of one language file: the sheet that
// translators read (tools/clue_sheet.cpp), and what is wrong with the file's sentence templates.
// How one clue is written, and where templates live in the file: ClueText.h.

#include "clues/Generator.h"

#include <QString>
#include <QStringList>

#include <utility>

// Points the program at the language file: its folder becomes the program folder, its name
// without ".lng" the current language, and the clue words are read from it.
void UseLanguageFile(const QString& file);

// One line per pattern: "N p caption", the caption with "\\" for a backslash, "\r" and "\n".
// Car k has colour number k + 1 of that window's colour keys.
QString ClueLines();

// A block per pattern: "N cars, pattern p", then the caption with its line breaks as real ones,
// then "code: CODE", the code of that turn counted from the left (clues/TurnCode.h).
QString ClueSheet();

// Generated clues, `count` of them from seed `seed` on (seed, seed + 1 …), for reviewers and
// scripts: per clue a line "N cars, LEVEL, seed S", the clue's sentences, with `facts` one line
// "fact: CONDITION" per fact (clues/Facts.h: the fact as a condition on p[k], the place of car k
// counted from 0 in the reading direction), a line "code: CODE" (the turn counted from the left)
// and a blank line. Car k has colour number k + 1.
QString GeneratedSheet(int cars, clues::Level level, int count, quint32 seed, bool facts);

// Every kind of fact in words, for reviewers: per kind a line "KIND:", then its sentence with
// every colour in every role it has (ten colourings, each colour once in each role), for the
// number of cars the kind's place names exist for.
QString FactKindsSheet();

// What is wrong with the current language file's templates, one sentence each: a template that
// does not parse or does not name exactly its line's (or its fact's) cars, a key that names no
// line or kind of fact, a form a template asks for that some colour lacks. Empty when there is
// nothing.
QStringList TemplateProblems();

// How many clue lines of the three windows have a template in the current language file, of how many.
std::pair<int, int> TemplateCoverage();
// How many kinds of fact have a template in the current language file, of how many.
std::pair<int, int> FactTemplateCoverage();
