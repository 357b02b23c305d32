#pragma once
// The clue of the turn in play: a classic pattern (by its number) or the facts of a generated
// clue, and what follows from it: its words in the current language, its sentences as the hint
// engine reads them (clues/Hint.h), and one sentence on its own, as a hint quotes it.

#include "clues/Facts.h"
#include "clues/Hint.h"
#include "text/ClueText.h"

#include <QString>

#include <vector>

class TurnClue {
public:
    explicit TurnClue(int cars) : cars_(cars) {}

    void SetPattern(int pattern);
    void SetFacts(std::vector<clues::Fact> facts);

    bool Generated() const { return pattern_ < 0; }
    int Pattern() const { return pattern_; }
    const std::vector<clues::Fact>& Facts() const { return facts_; }

    QString Text(const CarColours& coloreAuto, const ColourNames& nomeColore) const;
    QString Sentence(int sentence, const CarColours& coloreAuto, const ColourNames& nomeColore) const;
    clues::ClueLogic Logic() const;

private:
    int cars_;
    int pattern_ = -1;
    std::vector<clues::Fact> facts_;
};
