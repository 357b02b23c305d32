#include "clues/Generator.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>

namespace clues {
namespace {

using Kind = Fact::Kind;

// A small generator of its own, so that a seed gives the same clue everywhere: splitmix64.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Uniform() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)
    bool Coin() { return (Next() >> 63) != 0; }

private:
    std::uint64_t state_;
};

// How much a level favours a kind of fact (the canonical kinds of the vocabulary).
double Weight(Level level, Kind kind)
{
    const bool atPlace = PlaceOf(kind, 5) >= 0 && SentenceRank(kind) == 0;
    const bool notAtPlace = SentenceRank(kind) == 5 && kind != Kind::NeitherEnd;
    switch (level) {
    case Level::Facile:
        if (atPlace) return 5;
        switch (kind) {
        case Kind::Ends: return 1;  // beside a place, a roundabout way to name the other end
        case Kind::FirstThree:
        case Kind::LastThree:
        case Kind::NeitherEnd: return 2;
        case Kind::DirectlyBefore: return 1;
        default: return notAtPlace ? 2 : 0.3;
        }
    case Level::Medio:
        return atPlace ? 2 : 1;
    case Level::Difficile:
        if (atPlace) return 0.05;
        if (notAtPlace) return 3;
        switch (kind) {
        case Kind::Before: return 4;
        case Kind::NotNextTo: return 2;  // more, and a clue reads as a list of them
        case Kind::NeitherEnd:
        case Kind::OneBetween:
        case Kind::NextTo: return 2;
        case Kind::Ends:
        case Kind::FirstThree:
        case Kind::LastThree: return 0.5;
        default: return 1;
        }
    }
    return 1;
}

// Every order of the cars, and each fact of the vocabulary with the orders it allows.
struct Vocabulary {
    std::vector<Places> orders;
    std::vector<Fact> facts;
    std::vector<std::bitset<120>> allows;
};

const Vocabulary& VocabularyFor(int cars)
{
    static const std::array<Vocabulary, 3> vocabularies = [] {
        std::array<Vocabulary, 3> all;
        for (int n = 3; n <= 5; ++n) {
            Vocabulary& v = all[std::size_t(n - 3)];
            Places placeOf{};
            for (int k = 0; k < n; ++k) placeOf[std::size_t(k)] = k;
            do v.orders.push_back(placeOf);
            while (std::next_permutation(placeOf.begin(), placeOf.begin() + n));
            v.facts = TrueFacts(n);
            for (const Fact& f : v.facts) {
                std::bitset<120> allowed;
                for (std::size_t o = 0; o < v.orders.size(); ++o) allowed[o] = Holds(f, v.orders[o], n);
                v.allows.push_back(allowed);
            }
        }
        return all;
    }();
    return vocabularies[std::size_t(cars - 3)];
}

// One fact said one way or the other: "before" or "after", which car first.
Fact Phrased(Fact f, Random& random)
{
    const auto swap = [&](int a, int b) { std::swap(f.cars[std::size_t(a)], f.cars[std::size_t(b)]); };
    switch (f.kind) {
    case Kind::Before:
    case Kind::DirectlyBefore:
    case Kind::TwoBefore:
        if (random.Coin()) {
            swap(0, 1);
            f.kind = f.kind == Kind::Before ? Kind::After : f.kind == Kind::DirectlyBefore ? Kind::DirectlyAfter : Kind::TwoAfter;
        }
        break;
    case Kind::NextTo:
    case Kind::OneBetween:
    case Kind::NotNextTo:
    case Kind::Ends:
        if (random.Coin()) swap(0, 1);
        break;
    case Kind::Between:
        if (random.Coin()) swap(0, 2);
        break;
    case Kind::FirstThree:
    case Kind::LastThree:
        for (int i = 2; i > 0; --i) swap(i, int(random.Next() % std::uint64_t(i + 1)));
        break;
    default: break;
    }
    return f;
}

// One draw: facts taken in the level's random order until one order is left, then every fact
// that is not needed dropped.
std::vector<std::size_t> Draw(const Vocabulary& v, Level level, Random& random)
{
    std::vector<std::pair<double, std::size_t>> keyed;
    for (std::size_t i = 0; i < v.facts.size(); ++i) {
        // A weighted random order: the larger the weight, the likelier a fact comes early.
        const double w = Weight(level, v.facts[i].kind);
        keyed.emplace_back(-std::pow(random.Uniform(), 1.0 / w), i);
    }
    std::sort(keyed.begin(), keyed.end());
    std::bitset<120> left;
    for (std::size_t o = 0; o < v.orders.size(); ++o) left[o] = true;
    std::vector<std::size_t> chosen;
    for (const auto& [key, i] : keyed) {
        if (left.count() == 1) break;
        if ((left & v.allows[i]) == left) continue;  // it rules out no order still left
        left &= v.allows[i];
        chosen.push_back(i);
    }
    // Dropped in a random order: each one whose absence still leaves one order.
    std::vector<std::size_t> order(chosen.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    for (std::size_t k = order.size(); k > 1; --k) std::swap(order[k - 1], order[random.Next() % k]);
    std::vector<bool> kept(chosen.size(), true);
    for (const std::size_t drop : order) {
        std::bitset<120> without;
        for (std::size_t o = 0; o < v.orders.size(); ++o) without[o] = true;
        for (std::size_t k = 0; k < chosen.size(); ++k)
            if (kept[k] && k != drop) without &= v.allows[chosen[k]];
        if (without.count() == 1) kept[drop] = false;
    }
    std::vector<std::size_t> clue;
    for (std::size_t k = 0; k < chosen.size(); ++k)
        if (kept[k]) clue.push_back(chosen[k]);
    return clue;
}

}  // namespace

std::string_view LevelName(Level level)
{
    switch (level) {
    case Level::Facile: return "facile";
    case Level::Medio: return "medio";
    case Level::Difficile: return "difficile";
    }
    return "";
}

std::optional<Level> LevelNamed(std::string_view name)
{
    for (const Level level : {Level::Facile, Level::Medio, Level::Difficile})
        if (LevelName(level) == name) return level;
    return std::nullopt;
}

int MostSentences(int cars) { return cars <= 3 ? 3 : cars == 4 ? 5 : 6; }

bool MeetsLevel(const Difficulty& d, int cars, Level level)
{
    if (d.sentences == 0) return false;
    switch (level) {
    case Level::Facile: return d.sentences == 1;
    case Level::Medio: return d.sentences == 2 && (cars > 3 || d.pairs == 1);
    case Level::Difficile: return cars > 3 ? d.sentences >= 3 : d.sentences == 2 && d.pairs >= 2;
    }
    return false;
}

std::vector<Fact> GenerateClue(int cars, Level level, std::uint32_t seed)
{
    if (cars < 3 || cars > 5) return {};
    const Vocabulary& v = VocabularyFor(cars);
    Random random((std::uint64_t(seed) << 8) ^ (std::uint64_t(cars) << 4) ^ std::uint64_t(level));
    std::vector<Fact> facts;
    // Every level is met within a few dozen draws (measured over many seeds); the bound only
    // keeps a fault of the tables from hanging the game: the last clue drawn serves then.
    for (int attempt = 0; attempt < 10000; ++attempt) {
        facts.clear();
        for (const std::size_t i : Draw(v, level, random)) facts.push_back(Phrased(v.facts[i], random));
        if (int(facts.size()) > MostSentences(cars)) continue;
        if (MeetsLevel(ClueLogic::OfFacts(cars, facts).Grade(), cars, level)) break;
    }
    // Sentences of a rank in the generator's order, but places in the order of the row.
    const auto key = [cars](const Fact& f) { return std::pair(SentenceRank(f.kind), std::max(PlaceOf(f.kind, cars), 0)); };
    std::stable_sort(facts.begin(), facts.end(), [&](const Fact& a, const Fact& b) { return key(a) < key(b); });
    return facts;
}

}  // namespace clues
