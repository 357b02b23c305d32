#include "clues/Meaning.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

#include "clues/Roles.h"

namespace clues {
namespace {

using namespace roles;
using D = Role::Does;
using Kind = Item::Kind;

std::string Token(const Item& item) {
    switch (item.kind) {
    case Kind::Colour: return "C" + std::to_string(item.n);
    case Kind::Word: return "P" + std::to_string(item.n);
    case Kind::Text: return "T" + KeyName(item.n).toStdString();
    case Kind::Blank: return "_";
    case Kind::Stop: return ".";
    case Kind::Comma: return ",";
    }
    return "?";
}

// Reads one line left to right: a sentence head, then relation words, links and one closing word.
class Reader {
public:
    Reader(const Line& line, int cars) : line_(line), cars_(cars) {
        for (const Item& item : line)
            if (item.kind != Kind::Blank && item.kind != Kind::Stop) items_.push_back(item);
    }

    std::vector<Statement> Read() {
        const Role* head = NextRole();
        switch (head->does) {
        case D::Head: subjects_ = {Car()}; break;
        case D::ListHead: ReadList(); break;
        case D::PlaceHead:
            subjects_ = {Car()};
            AtFact(subjects_[0], head->place);
            break;
        case D::LinkHead:
            subjects_ = {Car()};
            link_ = head;
            break;
        default: Fail("no sentence head");
        }
        while (at_ < items_.size()) {
            const Role* role = NextRole();
            const bool closing = role->does == D::Ends || role->does == D::Completes || role->does == D::Closes;
            if (closing && at_ != items_.size()) Fail("words after the end of the sentence");
            switch (role->does) {
            case D::Relate: {
                const int from = role->fromLastCar ? lastCar_ : Subject();
                const int first = Car();
                RelFact(role->rel, from, first);
                if (role->objects == 2) {
                    Joiner(role->joiner);
                    if (Car() == first) Fail("the same car named twice");
                    RelFact(role->rel, from, lastCar_);
                }
                break;
            }
            case D::Link:
                if (!link_) Fail("P14 without an opening key");
                source_ = items_[0];  // P(14) carries no direction: the opening key says it
                RelFact(link_->rel, Subject(), Car());
                break;
            case D::NamesPlace: AtFact(Car(), role->place); break;
            case D::AroundSubjects: {
                if (subjects_.size() != 2) Fail("needs two subjects");
                const int car = Car();
                for (int s : subjects_) RelFact(Rel::NextTo, car, s);
                break;
            }
            case D::Ends: GroupFact(*role); break;
            case D::Completes:
                for (const auto& [car, place] : role->completes) AtFact(car == kSubject ? Subject() : car, place);
                break;
            case D::Closes: break;
            default: Fail("misplaced " + Token(items_[at_ - 1]));
            }
        }
        return facts_;
    }

private:
    [[noreturn]] void Fail(const std::string& why) const {
        std::string text;
        for (const Item& item : line_) text += (text.empty() ? "" : " ") + Token(item);
        qFatal("Clue line \"%s\" for %d cars: %s (at item %d)", text.c_str(), cars_, why.c_str(), int(at_));
        std::abort();  // qFatal does not return; this tells the compiler so
    }

    const Role* NextRole() {
        if (at_ >= items_.size()) Fail("line ends too early");
        const Item& item = items_[at_++];
        const Role* role = RoleOf(item);
        if (!role) Fail("no role for " + Token(item));
        source_ = item;
        return role;
    }

    int Car() {
        if (at_ >= items_.size() || items_[at_].kind != Kind::Colour) Fail("a car is missing");
        return lastCar_ = items_[at_++].n;
    }

    void Joiner(int word) {
        if (at_ >= items_.size() || items_[at_].kind != Kind::Word || items_[at_].n != word)
            Fail("P" + std::to_string(word) + " must join the two cars");
        ++at_;
    }

    // A list of two or three subjects: "C , C P15 C" or "C P15 C".
    void ReadList() {
        subjects_ = {Car()};
        while (at_ < items_.size() && items_[at_].kind == Kind::Comma) {
            ++at_;
            subjects_.push_back(Car());
        }
        Joiner(15);
        subjects_.push_back(Car());
        if (std::set<int>(subjects_.begin(), subjects_.end()).size() != subjects_.size())
            Fail("a car named twice in a list");
    }

    int Subject() const {
        if (subjects_.size() != 1) Fail("needs one subject");
        return subjects_[0];
    }

    Statement Fact(Statement::Kind kind, std::array<int, 3> cars) const {
        Statement s;
        s.kind = kind;
        s.cars = cars;
        s.source = source_;
        return s;
    }

    void AtFact(int car, int place) {
        Statement s = Fact(Statement::Kind::At, {car});
        s.place = place == kLast ? cars_ - 1 : place;
        facts_.push_back(s);
    }

    void RelFact(Rel rel, int a, int b) {
        if (a == b) Fail("car " + std::to_string(a) + " related to itself");
        using K = Statement::Kind;
        const auto push = [&](K kind, int first, int second, int gap) {
            Statement s = Fact(kind, {first, second});
            s.gap = gap;
            facts_.push_back(s);
        };
        switch (rel) {
        case Rel::After: return push(K::Before, b, a, 0);
        case Rel::Before: return push(K::Before, a, b, 0);
        case Rel::DirectlyAfter: return push(K::Before, b, a, 1);
        case Rel::DirectlyBefore: return push(K::Before, a, b, 1);
        case Rel::TwoAfter: return push(K::Before, b, a, 2);
        case Rel::TwoBefore: return push(K::Before, a, b, 2);
        case Rel::NextTo: return push(K::Apart, a, b, 1);
        case Rel::OneApart: return push(K::Apart, a, b, 2);
        case Rel::AtEnds: return push(K::Ends, a, b, 0);
        case Rel::FirstToLast:
            AtFact(a, 0);
            AtFact(b, kLast);
            return;
        }
    }

    void GroupFact(const Role& role) {
        const std::size_t needed = role.group == Group::Place ? 1 : role.group == Group::Pair ? 2 : 3;
        if (subjects_.size() != needed) Fail("needs " + std::to_string(needed) + " subjects");
        switch (role.group) {
        case Group::Place: return AtFact(subjects_[0], role.place);
        case Group::Pair: return RelFact(role.rel, subjects_[0], subjects_[1]);
        case Group::FirstThree:
        case Group::LastThree: {
            Statement s = Fact(Statement::Kind::Block, {subjects_[0], subjects_[1], subjects_[2]});
            s.place = role.group == Group::FirstThree ? 0 : cars_ - 3;
            facts_.push_back(s);
            return;
        }
        }
    }

    const Line& line_;
    const int cars_;
    std::vector<Item> items_;  // without blanks and full stops
    std::size_t at_ = 0;
    std::vector<int> subjects_;
    int lastCar_ = -1;
    const Role* link_ = nullptr;  // the opening key's role, in sentences linked by P(14)
    Item source_{};               // the word or key read last
    std::vector<Statement> facts_;
};

}  // namespace

std::vector<Statement> Statements(const Line& line, int cars) {
    return Reader(line, cars).Read();
}

bool Holds(const Statement& s, const Places& placeOf, int cars) {
    const int a = placeOf[std::size_t(s.cars[0])];
    const int b = placeOf[std::size_t(s.cars[1])];
    switch (s.kind) {
    case Statement::Kind::At: return a == s.place;
    case Statement::Kind::Before: return s.gap == 0 ? a < b : b - a == s.gap;
    case Statement::Kind::Apart: return std::abs(a - b) == s.gap;
    case Statement::Kind::Ends: return std::min(a, b) == 0 && std::max(a, b) == cars - 1;
    case Statement::Kind::Block:
        return std::all_of(s.cars.begin(), s.cars.end(), [&](int car) {
            const int p = placeOf[std::size_t(car)];
            return p >= s.place && p <= s.place + 2;
        });
    }
    return false;
}

}  // namespace clues
