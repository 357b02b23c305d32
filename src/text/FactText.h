#pragma once
// Generated clues in words: one sentence per fact (clues/Facts.h), in the clue's order, joined by
// CR LF (no line break after the last).
//
// A language writes each kind of fact as a sentence template: section "Facts", key the kind's
// name ("DirectlyBefore"), the whole sentence with "{0}", "{1}", "{2}" where the colour names of
// the cars the fact names go, in the fact's order, and "{k:form}" for a form of a name (section
// "ColourForms", as for the clue lines: ClueText.h); for instance Italian DirectlyBefore =
// "L'auto {0} viene subito prima di quella {1}.". The program adds nothing but a capital first
// letter. A template must name exactly the fact's cars; one that names others, or does not parse,
// is not used, and neither is a missing one: the program's Italian template serves instead.

#include "clues/Facts.h"
#include "text/ClueText.h"

#include <QString>

#include <vector>

QString FactClueText(int n, const std::vector<clues::Fact>& facts, const CarColours& coloreAuto,
                     const ColourNames& nomeColore);
// One fact's sentence: what a hint quotes.
QString FactLineText(int n, const clues::Fact& fact, const CarColours& coloreAuto, const ColourNames& nomeColore);

QString FactTemplateSection();  // "Facts"
// The program's own template of a kind, in Italian.
QString BuiltInFactTemplate(clues::Fact::Kind kind);
// What keeps a template from serving its kind ("" when nothing does).
QString FactTemplateProblem(const QString& text, clues::Fact::Kind kind);
