#include "clues/Hint.h"

#include "clues/Patterns.h"

#include <algorithm>
#include <bitset>
#include <numeric>
#include <utility>

namespace clues {
namespace {

Pairs AllPairs(int cars) {
    Pairs all;
    for (int car = 0; car < cars; ++car)
        for (int position = 0; position < cars; ++position) all.set(PairBit(car, position));
    return all;
}

Pairs PairsOf(const Places& placeOf, int cars) {
    Pairs pairs;
    for (int car = 0; car < cars; ++car) pairs.set(PairBit(car, placeOf[std::size_t(car)]));
    return pairs;
}

}  // namespace

ClueLogic::ClueLogic(int cars, const std::vector<Sentence>& sentences) : cars_(cars), sentences_(sentences.size()) {
    if (cars < 1 || cars > kMaxCars) return;
    Places placeOf{};
    std::iota(placeOf.begin(), placeOf.begin() + cars, 0);
    do {
        std::uint32_t holds = 0;
        for (std::size_t i = 0; i < sentences.size(); ++i)
            if (sentences[i](placeOf)) holds |= 1u << i;
        orders_.emplace_back(placeOf, holds);
    } while (std::next_permutation(placeOf.begin(), placeOf.begin() + cars));
}

ClueLogic ClueLogic::OfPattern(int cars, std::size_t pattern) {
    std::vector<Sentence> lines;
    const std::vector<Pattern>& patterns = PatternsFor(cars);
    if (pattern < patterns.size())
        for (const Line& line : patterns[pattern].lines)
            lines.push_back([facts = Statements(line, cars), cars](const Places& placeOf) {
                return std::all_of(facts.begin(), facts.end(), [&](const Statement& s) { return Holds(s, placeOf, cars); });
            });
    return ClueLogic(cars, lines);
}

ClueLogic ClueLogic::OfFacts(int cars, const std::vector<Fact>& facts) {
    std::vector<Sentence> sentences;
    for (const Fact& fact : facts)
        sentences.push_back([fact, cars](const Places& placeOf) { return Holds(fact, placeOf, cars); });
    return ClueLogic(cars, sentences);
}

int ClueLogic::Orders() const {
    const std::uint32_t all = sentences_ >= 32 ? ~0u : (1u << sentences_) - 1;
    return int(std::count_if(orders_.begin(), orders_.end(), [all](const auto& o) { return (o.second & all) == all; }));
}

Pairs ClueLogic::Excluded(std::uint32_t mask) const {
    if (sentences_ == 0 || mask == 0) return {};  // no sentences: nothing known, nothing excluded
    Pairs possible;
    for (const auto& [placeOf, holds] : orders_)
        if ((holds & mask) == mask) possible |= PairsOf(placeOf, cars_);
    return AllPairs(cars_) & ~possible;
}

Hint ClueLogic::NextHint(const Pairs& shown) const {
    for (std::size_t count = 1; count <= sentences_; ++count) {
        // Deductions from `count` sentences whose last sentence is `last`: the lowest position,
        // then the lowest car, wins; a later last sentence is looked at only when an earlier one
        // gives nothing.
        for (std::size_t last = count - 1; last < sentences_; ++last) {
            Hint best;
            for (std::uint32_t mask = 1u << last; mask < (2u << last); ++mask) {
                if (std::bitset<32>(mask).count() != count) continue;
                const Pairs open = Excluded(mask) & shown;
                for (int position = 0; position < cars_; ++position)
                    for (int car = 0; car < cars_; ++car) {
                        if (!open.test(PairBit(car, position))) continue;
                        if (best.found() && std::pair(best.position, best.car) <= std::pair(position, car)) continue;
                        best = Hint{car, position, {}};
                        for (std::size_t i = 0; i < sentences_; ++i)
                            if (mask & (1u << i)) best.lines.push_back(i);
                    }
            }
            if (best.found()) return best;
        }
    }
    return {};
}

Difficulty ClueLogic::Grade() const {
    if (Orders() != 1 || sentences_ == 0 || sentences_ > 16) return {};
    const Pairs wrong = Excluded((1u << sentences_) - 1);
    // Each wrong pair's fewest sentences: subsets by their size, smallest first.
    std::vector<int> needs(kMaxCars * kMaxCars, 0);
    Pairs done;
    for (std::size_t count = 1; count <= sentences_ && done != wrong; ++count)
        for (std::uint32_t mask = 1; mask < (1u << sentences_); ++mask) {
            if (std::bitset<32>(mask).count() != count) continue;
            const Pairs fresh = Excluded(mask) & ~done;
            for (std::size_t bit = 0; bit < fresh.size(); ++bit)
                if (fresh.test(bit)) needs[bit] = int(count);
            done |= fresh;
        }
    Difficulty d;
    for (const int n : needs) {
        if (n > d.sentences) d = {n, 0};
        if (n == d.sentences && n > 0) ++d.pairs;
    }
    return d;
}

Pairs Excluded(int cars, std::size_t pattern, unsigned lines) {
    return ClueLogic::OfPattern(cars, pattern).Excluded(lines);
}

std::vector<Pairs> ExcludedByEachLine(int cars, std::size_t pattern) {
    const ClueLogic logic = ClueLogic::OfPattern(cars, pattern);
    std::vector<Pairs> each;
    for (std::size_t i = 0; i < logic.Sentences(); ++i) each.push_back(logic.Excluded(1u << i));
    return each;
}

Hint NextHint(int cars, std::size_t pattern, const Pairs& shown) {
    return ClueLogic::OfPattern(cars, pattern).NextHint(shown);
}

}  // namespace clues
