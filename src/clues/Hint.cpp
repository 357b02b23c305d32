#include "clues/Hint.h"

#include "clues/Patterns.h"

#include <algorithm>
#include <bitset>
#include <numeric>
#include <utility>

namespace clues {
namespace {

// The statements of every line of a pattern.
std::vector<std::vector<Statement>> LinesOf(int cars, std::size_t pattern) {
    std::vector<std::vector<Statement>> lines;
    const std::vector<Pattern>& patterns = PatternsFor(cars);
    if (pattern >= patterns.size()) return lines;
    for (const Line& line : patterns[pattern].lines) lines.push_back(Statements(line, cars));
    return lines;
}

Pairs ExcludedBy(const std::vector<std::vector<Statement>>& lines, unsigned mask, int cars) {
    Pairs possible;
    if (lines.empty()) return possible;  // no pattern: nothing known, nothing excluded
    Places placeOf{};
    std::iota(placeOf.begin(), placeOf.begin() + cars, 0);
    do {
        bool fits = true;
        for (std::size_t i = 0; i < lines.size() && fits; ++i)
            if (mask & (1u << i))
                for (const Statement& s : lines[i]) fits = fits && Holds(s, placeOf, cars);
        if (!fits) continue;
        for (int car = 0; car < cars; ++car) possible.set(PairBit(car, placeOf[std::size_t(car)]));
    } while (std::next_permutation(placeOf.begin(), placeOf.begin() + cars));
    Pairs all;
    for (int car = 0; car < cars; ++car)
        for (int position = 0; position < cars; ++position) all.set(PairBit(car, position));
    return all & ~possible;
}

}  // namespace

Pairs Excluded(int cars, std::size_t pattern, unsigned lines) {
    return ExcludedBy(LinesOf(cars, pattern), lines, cars);
}

std::vector<Pairs> ExcludedByEachLine(int cars, std::size_t pattern) {
    const auto lines = LinesOf(cars, pattern);
    std::vector<Pairs> each;
    for (std::size_t i = 0; i < lines.size(); ++i) each.push_back(ExcludedBy(lines, 1u << i, cars));
    return each;
}

Hint NextHint(int cars, std::size_t pattern, const Pairs& shown) {
    const auto lines = LinesOf(cars, pattern);
    for (std::size_t count = 1; count <= lines.size(); ++count) {
        // Deductions from `count` lines whose last line is `last`: the lowest position, then the
        // lowest car, wins; a later last line is looked at only when an earlier one gives nothing.
        for (std::size_t last = count - 1; last < lines.size(); ++last) {
            Hint best;
            for (unsigned mask = 1u << last; mask < (2u << last); ++mask) {
                if (std::bitset<8>(mask).count() != count) continue;
                const Pairs open = ExcludedBy(lines, mask, cars) & shown;
                for (int position = 0; position < cars; ++position)
                    for (int car = 0; car < cars; ++car) {
                        if (!open.test(PairBit(car, position))) continue;
                        if (best.found() && std::pair(best.position, best.car) <= std::pair(position, car)) continue;
                        best = Hint{car, position, {}};
                        for (std::size_t i = 0; i < lines.size(); ++i)
                            if (mask & (1u << i)) best.lines.push_back(i);
                    }
            }
            if (best.found()) return best;
        }
    }
    return {};
}

}  // namespace clues
