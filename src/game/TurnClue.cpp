#include "game/TurnClue.h"

#include "text/FactText.h"

void TurnClue::SetPattern(int pattern)
{
    pattern_ = pattern;
    facts_.clear();
}

void TurnClue::SetFacts(std::vector<clues::Fact> facts)
{
    pattern_ = -1;
    facts_ = std::move(facts);
}

QString TurnClue::Text(const CarColours& coloreAuto, const ColourNames& nomeColore) const
{
    return Generated() ? FactClueText(cars_, facts_, coloreAuto, nomeColore) : ClueText(cars_, pattern_, coloreAuto, nomeColore);
}

QString TurnClue::Sentence(int sentence, const CarColours& coloreAuto, const ColourNames& nomeColore) const
{
    if (!Generated()) return ClueLineText(cars_, pattern_, sentence, coloreAuto, nomeColore);
    if (sentence < 0 || sentence >= int(facts_.size())) return QString();
    return FactLineText(cars_, facts_[size_t(sentence)], coloreAuto, nomeColore);
}

clues::ClueLogic TurnClue::Logic() const
{
    return Generated() ? clues::ClueLogic::OfFacts(cars_, facts_) : clues::ClueLogic::OfPattern(cars_, size_t(pattern_));
}
