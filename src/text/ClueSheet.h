#pragma once
// Every clue of every game window at once, with the texts of one language file: the sheet that
// translators read (tools/clue_sheet.cpp), and what is wrong with the file's sentence templates.
// How one clue is written, and where templates live in the file: ClueText.h.

#include <QString>
#include <QStringList>

#include <utility>

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
