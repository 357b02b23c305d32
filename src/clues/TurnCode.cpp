#include "clues/TurnCode.h"

#include "clues/Hint.h"
#include "clues/Patterns.h"
#include "core/Rnd.h"

#include <algorithm>
#include <cstdint>
#include <set>

namespace clues {
namespace {

constexpr int kVersion = 0;
constexpr int kVersionBits = 3, kCarsBits = 2, kKindBits = 2, kColourBits = 4, kPatternBits = 6;
constexpr int kCountBits = 3, kKindOfFactBits = 5, kCarBits = 3, kCheckBits = 16;
// Letters and digits without look-alikes: no I, L, O, U.
constexpr char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kMostLetters = 64;

class Bits {
public:
    void Put(unsigned value, int width)
    {
        for (int b = width - 1; b >= 0; --b) bits_.push_back(((value >> b) & 1u) != 0);
    }
    // The next `width` bits, or nothing past the end.
    std::optional<unsigned> Take(int width)
    {
        if (at_ + std::size_t(width) > bits_.size()) return std::nullopt;
        unsigned v = 0;
        for (int b = 0; b < width; ++b) v = (v << 1) | unsigned(bits_[at_++]);
        return v;
    }
    std::vector<bool>& All() { return bits_; }
    std::size_t Left() const { return bits_.size() - at_; }
    bool RestIsZero() const { return std::none_of(bits_.begin() + std::ptrdiff_t(at_), bits_.end(), [](bool b) { return b; }); }

private:
    std::vector<bool> bits_;
    std::size_t at_ = 0;
};

// The bits mixed with a fixed stream (splitmix64 of a fixed seed), so that the letters show
// nothing of the order; mixing again takes it back.
void Mix(std::vector<bool>& bits, std::size_t from)
{
    std::uint64_t state = 0x5061726330646531ull, word = 0;
    for (std::size_t i = from; i < bits.size(); ++i) {
        const std::size_t k = i - from;
        if (k % 64 == 0) {
            std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
        bits[i] = bits[i] != (((word >> (k % 64)) & 1u) != 0);
    }
}

// CRC-16-CCITT of the bits from `from` on.
unsigned Check(const std::vector<bool>& bits, std::size_t from)
{
    unsigned crc = 0xFFFF;
    for (std::size_t i = from; i < bits.size(); ++i) {
        const bool top = ((crc >> 15) & 1u) != bits[i];
        crc = (crc << 1) & 0xFFFF;
        if (top) crc ^= 0x1021;
    }
    return crc;
}

int KindNumber(const std::optional<Level>& level) { return level ? int(*level) + 1 : 0; }

}  // namespace

bool Turn::operator==(const Turn& other) const
{
    return cars == other.cars && fromLeft == other.fromLeft &&
           std::equal(colours.begin(), colours.begin() + cars, other.colours.begin()) && level == other.level &&
           pattern == other.pattern && facts == other.facts;
}

QString EncodeTurn(const Turn& turn)
{
    Bits payload;
    payload.Put(kVersion, kVersionBits);
    payload.Put(unsigned(turn.cars - 3), kCarsBits);
    payload.Put(turn.fromLeft ? 1 : 0, 1);
    payload.Put(unsigned(KindNumber(turn.level)), kKindBits);
    for (int k = 0; k < turn.cars; ++k) payload.Put(unsigned(turn.colours[std::size_t(k)]), kColourBits);
    if (!turn.level) {
        payload.Put(unsigned(turn.pattern), kPatternBits);
    } else {
        payload.Put(unsigned(turn.facts.size()), kCountBits);
        for (const Fact& f : turn.facts) {
            payload.Put(unsigned(f.kind), kKindOfFactBits);
            for (int k = 0; k < CarsNamed(f.kind); ++k) payload.Put(unsigned(f.cars[std::size_t(k)]), kCarBits);
        }
    }
    std::vector<bool>& bits = payload.All();
    while ((bits.size() + kCheckBits) % 5 != 0) bits.push_back(false);
    Mix(bits, 0);
    Bits code;
    code.Put(Check(bits, 0), kCheckBits);
    code.All().insert(code.All().end(), bits.begin(), bits.end());
    QString letters;
    for (std::size_t i = 0; i < code.All().size(); i += 5) {
        if (i > 0 && (i / 5) % 4 == 0) letters += u'-';
        letters += QLatin1Char(kAlphabet[*code.Take(5)]);
    }
    return letters;
}

std::variant<Turn, CodeProblem> DecodeTurn(const QString& code)
{
    Bits bits;
    int letters = 0;
    for (const QChar c : code) {
        if (c.isSpace() || c == u'-') continue;
        if (++letters > kMostLetters) return CodeProblem::Unreadable;
        char u = c.unicode() < 128 ? char(c.toUpper().unicode()) : '?';
        if (u == 'O') u = '0';
        if (u == 'I' || u == 'L') u = '1';
        const char* at = std::find(kAlphabet, kAlphabet + 32, u);
        if (at == kAlphabet + 32) return CodeProblem::Unreadable;
        bits.Put(unsigned(at - kAlphabet), 5);
    }
    const auto check = bits.Take(kCheckBits);
    if (!check || *check != Check(bits.All(), kCheckBits)) return CodeProblem::Unreadable;
    Mix(bits.All(), kCheckBits);

    Turn turn;
    const auto version = bits.Take(kVersionBits);
    if (!version) return CodeProblem::Unreadable;
    if (*version != kVersion) return CodeProblem::NewerVersion;
    const auto cars = bits.Take(kCarsBits), fromLeft = bits.Take(1), kind = bits.Take(kKindBits);
    if (!cars || !fromLeft || !kind) return CodeProblem::Unreadable;
    turn.cars = int(*cars) + 3;
    if (turn.cars > kMaxCars) return CodeProblem::Impossible;
    turn.fromLeft = *fromLeft != 0;
    if (*kind > 0) turn.level = Level(*kind - 1);
    std::set<int> colours;
    for (int k = 0; k < turn.cars; ++k) {
        const auto c = bits.Take(kColourBits);
        if (!c) return CodeProblem::Unreadable;
        if (*c < 1 || *c > 10 || !colours.insert(int(*c)).second) return CodeProblem::Impossible;
        turn.colours[std::size_t(k)] = int(*c);
    }
    if (!turn.level) {
        const auto pattern = bits.Take(kPatternBits);
        if (!pattern) return CodeProblem::Unreadable;
        if (*pattern >= PatternsFor(turn.cars).size()) return CodeProblem::Impossible;
        turn.pattern = int(*pattern);
    } else {
        const auto count = bits.Take(kCountBits);
        if (!count) return CodeProblem::Unreadable;
        for (unsigned i = 0; i < *count; ++i) {
            const auto k = bits.Take(kKindOfFactBits);
            if (!k) return CodeProblem::Unreadable;
            if (*k >= unsigned(Fact::kKinds)) return CodeProblem::Impossible;
            Fact f{Fact::Kind(*k), {0, 0, 0}};
            for (int c = 0; c < CarsNamed(f.kind); ++c) {
                const auto car = bits.Take(kCarBits);
                if (!car) return CodeProblem::Unreadable;
                f.cars[std::size_t(c)] = std::int8_t(*car);
            }
            if (!IsValid(f, turn.cars)) return CodeProblem::Impossible;
            turn.facts.push_back(f);
        }
    }
    // What is left is the padding to whole letters, and nothing else.
    if (bits.Left() >= 5 || !bits.RestIsZero()) return CodeProblem::Unreadable;
    if (turn.level) {
        const ClueLogic logic = ClueLogic::OfFacts(turn.cars, turn.facts);
        const Places hidden{0, 1, 2, 3, 4};
        const bool hiddenFits = std::all_of(turn.facts.begin(), turn.facts.end(),
                                            [&](const Fact& f) { return Holds(f, hidden, turn.cars); });
        if (turn.facts.empty() || logic.Orders() != 1 || !hiddenFits) return CodeProblem::NotOneAnswer;
    }
    return turn;
}

Turn DrawTurn(int cars, std::optional<Level> level)
{
    Turn turn;
    turn.cars = cars;
    turn.level = level;
    turn.fromLeft = RndInt(2) == 0;
    for (int k = 0; k < cars; ++k) {
        int c;
        do c = RndInt(10) + 1;
        while (std::find(turn.colours.begin(), turn.colours.begin() + k, c) != turn.colours.begin() + k);
        turn.colours[std::size_t(k)] = c;
    }
    if (level)
        turn.facts = GenerateClue(cars, *level, std::uint32_t(Rnd() * 4294967296.0));
    else
        turn.pattern = RndInt(int(PatternsFor(cars).size()));
    return turn;
}

}  // namespace clues
