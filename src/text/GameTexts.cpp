#include "text/GameTexts.h"

#include "clues/Clues.h"

namespace {
constexpr GameTexts kTexts[] = {
    {3, 145, "0144", "0143"},
    {4, 173, "0172", nullptr},
    {5, 32, "0031", nullptr},
};
}  // namespace

QString GameTexts::ColourKey(int colour) const { return clues::KeyName(firstColourKey + colour - 1); }

const GameTexts* GameTextsFor(int n)
{
    for (const GameTexts& t : kTexts)
        if (t.n == n) return &t;
    return nullptr;
}
