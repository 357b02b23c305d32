#include "clues/Facts.h"

#include "clues/Clues.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

namespace clues {
namespace {

using Kind = Fact::Kind;

constexpr std::string_view kNames[Fact::kKinds] = {
    "First", "Second", "Third", "Fourth", "Middle", "Last",
    "Before", "After", "DirectlyBefore", "DirectlyAfter", "TwoBefore", "TwoAfter", "NextTo", "OneBetween", "Ends",
    "FirstThree", "LastThree", "Between",
    "NotNextTo", "NotFirst", "NotSecond", "NotThird", "NotFourth", "NotMiddle", "NotLast", "NeitherEnd",
};

// The kinds that name a place, and their negations, in the same order.
constexpr Kind kAt[] = {Kind::First, Kind::Second, Kind::Third, Kind::Fourth, Kind::Middle, Kind::Last};
constexpr Kind kNotAt[] = {Kind::NotFirst, Kind::NotSecond, Kind::NotThird, Kind::NotFourth, Kind::NotMiddle, Kind::NotLast};

int Index(const Kind* kinds, Kind kind)
{
    for (int i = 0; i < 6; ++i)
        if (kinds[i] == kind) return i;
    return -1;
}

// The place named by entry i of kAt / kNotAt for `cars` cars, or -1 where it has no such name.
int NamedPlace(int i, int cars)
{
    const int middle = cars % 2 == 1 ? (cars - 1) / 2 : -1;
    switch (i) {
    case 0: return 0;
    case 5: return cars - 1;
    case 4: return middle;
    default: {
        const int place = i;  // Second 1, Third 2, Fourth 3
        return place < cars - 1 && place != middle ? place : -1;
    }
    }
}

// The name of a place for `cars` cars: the index into kAt.
int NameOfPlace(int place, int cars)
{
    for (int i = 0; i < 6; ++i)
        if (NamedPlace(i, cars) == place) return i;
    return -1;
}

std::string P(int car) { return "p[" + std::to_string(car) + "]"; }

}  // namespace

bool Fact::operator==(const Fact& other) const
{
    return kind == other.kind && cars == other.cars;
}

std::string_view KindName(Fact::Kind kind) { return kNames[int(kind)]; }

std::optional<Fact::Kind> KindNamed(std::string_view name)
{
    for (int k = 0; k < Fact::kKinds; ++k)
        if (kNames[k] == name) return Kind(k);
    return std::nullopt;
}

int CarsNamed(Fact::Kind kind)
{
    switch (kind) {
    case Kind::Before:
    case Kind::After:
    case Kind::DirectlyBefore:
    case Kind::DirectlyAfter:
    case Kind::TwoBefore:
    case Kind::TwoAfter:
    case Kind::NextTo:
    case Kind::OneBetween:
    case Kind::Ends:
    case Kind::NotNextTo: return 2;
    case Kind::FirstThree:
    case Kind::LastThree:
    case Kind::Between: return 3;
    default: return 1;
    }
}

int PlaceOf(Fact::Kind kind, int cars)
{
    if (const int i = Index(kAt, kind); i >= 0) return NamedPlace(i, cars);
    if (const int i = Index(kNotAt, kind); i >= 0) return NamedPlace(i, cars);
    return -1;
}

bool Holds(const Fact& f, const Places& placeOf, int cars)
{
    const auto at = [&](int k) { return placeOf[std::size_t(f.cars[std::size_t(k)])]; };
    const int a = at(0), b = CarsNamed(f.kind) > 1 ? at(1) : 0;
    switch (f.kind) {
    case Kind::Before: return a < b;
    case Kind::After: return a > b;
    case Kind::DirectlyBefore: return b - a == 1;
    case Kind::DirectlyAfter: return a - b == 1;
    case Kind::TwoBefore: return b - a == 2;
    case Kind::TwoAfter: return a - b == 2;
    case Kind::NextTo: return std::abs(a - b) == 1;
    case Kind::OneBetween: return std::abs(a - b) == 2;
    case Kind::NotNextTo: return std::abs(a - b) != 1;
    case Kind::Ends: return std::min(a, b) == 0 && std::max(a, b) == cars - 1;
    case Kind::FirstThree: return a < 3 && b < 3 && at(2) < 3;
    case Kind::LastThree: return a >= cars - 3 && b >= cars - 3 && at(2) >= cars - 3;
    case Kind::Between: return std::abs(b - a) == 1 && std::abs(b - at(2)) == 1;
    case Kind::NeitherEnd: return a != 0 && a != cars - 1;
    default: break;
    }
    if (Index(kAt, f.kind) >= 0) return a == PlaceOf(f.kind, cars);
    return a != PlaceOf(f.kind, cars);  // the Not kinds
}

std::string Condition(const Fact& f, int cars)
{
    const std::string a = P(f.cars[0]), b = P(f.cars[1]), c = P(f.cars[2]);
    const std::string last = std::to_string(cars - 1);
    switch (f.kind) {
    case Kind::Before: return a + " < " + b;
    case Kind::After: return a + " > " + b;
    case Kind::DirectlyBefore: return b + " - " + a + " == 1";
    case Kind::DirectlyAfter: return a + " - " + b + " == 1";
    case Kind::TwoBefore: return b + " - " + a + " == 2";
    case Kind::TwoAfter: return a + " - " + b + " == 2";
    case Kind::NextTo: return "abs(" + a + " - " + b + ") == 1";
    case Kind::OneBetween: return "abs(" + a + " - " + b + ") == 2";
    case Kind::NotNextTo: return "abs(" + a + " - " + b + ") != 1";
    case Kind::Ends: return "(" + a + " == 0 && " + b + " == " + last + ") || (" + a + " == " + last + " && " + b + " == 0)";
    case Kind::FirstThree: return a + " <= 2 && " + b + " <= 2 && " + c + " <= 2";
    case Kind::LastThree: {
        const std::string from = std::to_string(cars - 3);
        return a + " >= " + from + " && " + b + " >= " + from + " && " + c + " >= " + from;
    }
    case Kind::Between: return "abs(" + b + " - " + a + ") == 1 && abs(" + b + " - " + c + ") == 1";
    case Kind::NeitherEnd: return a + " != 0 && " + a + " != " + last;
    default: break;
    }
    const std::string place = std::to_string(PlaceOf(f.kind, cars));
    return a + (Index(kAt, f.kind) >= 0 ? " == " : " != ") + place;
}

bool IsValid(const Fact& f, int cars)
{
    if (cars < 3 || cars > kMaxCars) return false;
    const int named = CarsNamed(f.kind);
    for (int k = 0; k < named; ++k) {
        const int car = f.cars[std::size_t(k)];
        if (car < 0 || car >= cars) return false;
        for (int j = 0; j < k; ++j)
            if (f.cars[std::size_t(j)] == car) return false;
    }
    for (int k = named; k < 3; ++k)
        if (f.cars[std::size_t(k)] != 0) return false;
    if ((f.kind == Kind::FirstThree || f.kind == Kind::LastThree) && cars < 4) return false;
    if (Index(kAt, f.kind) >= 0 || Index(kNotAt, f.kind) >= 0) return PlaceOf(f.kind, cars) >= 0;
    if (f.kind == Kind::NeitherEnd) return true;
    return true;
}

std::vector<Fact> TrueFacts(int cars)
{
    std::vector<Fact> facts;
    const auto add = [&](Kind kind, int a, int b = 0, int c = 0) {
        facts.push_back({kind, {std::int8_t(a), std::int8_t(b), std::int8_t(c)}});
    };
    for (int k = 0; k < cars; ++k) {
        add(kAt[NameOfPlace(k, cars)], k);
        for (int p = 0; p < cars; ++p)
            if (p != k) add(kNotAt[NameOfPlace(p, cars)], k);
        // Of three cars, neither end is the middle: said so, as Middle.
        if (k > 0 && k < cars - 1 && cars > 3) add(Kind::NeitherEnd, k);
    }
    for (int a = 0; a < cars; ++a)
        for (int b = a + 1; b < cars; ++b) {
            add(Kind::Before, a, b);
            if (b - a == 1) add(Kind::DirectlyBefore, a, b), add(Kind::NextTo, a, b);
            if (b - a == 2) add(Kind::TwoBefore, a, b), add(Kind::OneBetween, a, b);
            if (b - a > 1) add(Kind::NotNextTo, a, b);
        }
    add(Kind::Ends, 0, cars - 1);
    if (cars >= 4) {
        add(Kind::FirstThree, 0, 1, 2);
        add(Kind::LastThree, cars - 3, cars - 2, cars - 1);
    }
    for (int b = 1; b < cars - 1; ++b) add(Kind::Between, b - 1, b, b + 1);
    return facts;
}

std::optional<Template> UsableFactTemplate(const QString& text, Fact::Kind kind, QString* problem)
{
    std::optional<Template> t = ParseTemplate(text, problem);
    if (!t) return std::nullopt;
    std::set<int> wanted;
    for (int k = 0; k < CarsNamed(kind); ++k) wanted.insert(k);
    if (t->Cars() == wanted) return t;
    if (problem) {
        QStringList want;
        for (int k : wanted) want << QStringLiteral("{%1}").arg(k);
        *problem = QStringLiteral("must name %1, each at least once, and no other car").arg(want.join(QStringLiteral(", ")));
    }
    return std::nullopt;
}

int SentenceRank(Fact::Kind kind)
{
    switch (kind) {
    case Kind::Ends:
    case Kind::FirstThree:
    case Kind::LastThree: return 1;
    case Kind::Before:
    case Kind::After: return 2;
    case Kind::DirectlyBefore:
    case Kind::DirectlyAfter:
    case Kind::TwoBefore:
    case Kind::TwoAfter: return 3;
    case Kind::NextTo:
    case Kind::OneBetween:
    case Kind::Between: return 4;
    case Kind::NotNextTo: return 6;
    case Kind::NeitherEnd: return 5;
    default: return Index(kAt, kind) >= 0 ? 0 : 5;
    }
}

}  // namespace clues
