#include "clues/Roles.h"

#include <QtGlobal>
#include <initializer_list>

namespace clues::roles {
namespace {

using D = Role::Does;

Role Is(D does) {
    Role r;
    r.does = does;
    return r;
}
Role Relate(Rel rel, int objects = 1, int joiner = 0) {
    Role r = Is(D::Relate);
    r.rel = rel;
    r.objects = objects;
    r.joiner = joiner;
    return r;
}
Role Place(D does, int place) {
    Role r = Is(does);
    r.place = place;
    return r;
}
Role Ends(Group group, int place = 0) {
    Role r = Is(D::Ends);
    r.group = group;
    r.place = place;
    return r;
}
Role EndsPair(Rel rel) {
    Role r = Ends(Group::Pair);
    r.rel = rel;
    return r;
}
Role LinkHead(Rel rel) {
    Role r = Is(D::LinkHead);
    r.rel = rel;
    return r;
}
Role Completes(std::vector<std::pair<int, int>> facts) {
    Role r = Is(D::Completes);
    r.completes = std::move(facts);
    return r;
}
Role Attached(Role r) {
    r.attached = true;
    return r;
}

}  // namespace

const std::map<int, Role>& WordRoles() {
    static const std::map<int, Role> roles = [] {
        std::map<int, Role> m;
        m.emplace(2, Is(D::Head));
        m.emplace(3, Is(D::ListHead));
        m.emplace(4, Relate(Rel::After));
        m.emplace(5, Relate(Rel::Before));
        m.emplace(6, Relate(Rel::After));  // "and": continues about the subject
        m.emplace(7, Relate(Rel::Before));
        m.emplace(8, Relate(Rel::After, 2, 12));
        m.emplace(9, Relate(Rel::Before, 2, 12));
        m.emplace(10, Ends(Group::Place, 1));  // the middle of three
        m.emplace(11, Ends(Group::Place, 0));
        m.emplace(12, Is(D::Joins));
        m.emplace(13, Relate(Rel::After));  // a closing key follows the car
        m.emplace(14, Is(D::Link));
        m.emplace(15, Is(D::Joins));
        m.emplace(16, Relate(Rel::Before, 2, 15));
        m.emplace(17, Relate(Rel::After, 2, 15));
        m.emplace(18, Attached(Relate(Rel::Before)));
        m.emplace(19, Attached(Relate(Rel::After)));
        m.emplace(20, Relate(Rel::DirectlyBefore));
        m.emplace(21, Relate(Rel::DirectlyAfter));
        m.emplace(22, Is(D::Joins));
        Role between = Relate(Rel::NextTo, 2, 15);  // stands between the two, next to both
        between.wideJoin = true;
        m.emplace(23, between);
        m.emplace(24, Relate(Rel::DirectlyAfter));
        m.emplace(25, Ends(Group::LastThree));
        m.emplace(26, Ends(Group::FirstThree));
        m.emplace(27, Relate(Rel::After, 2, 22));
        return m;
    }();
    return roles;
}

const std::map<int, Role>& KeyRoles() {
    static const std::map<int, Role> roles = [] {
        std::map<int, Role> m;
        const auto set = [&m](std::initializer_list<int> keys, const Role& role) {
            for (int key : keys)
                if (!m.emplace(key, role).second) qFatal("Clue key roles: key %d given twice", key);
        };
        const auto range = [&set](int first, int last, const Role& role) {
            for (int key = first; key <= last; ++key) set({key}, role);
        };

        // Three cars.
        set({155, 156, 159}, Ends(Group::Place, 1));   // the subject stands second
        set({157, 161}, Relate(Rel::DirectlyBefore));  // the next car stands directly after it
        set({158}, Is(D::Closes));
        set({160}, Completes({{0, 0}}));       // car 0 first
        set({162}, Completes({{2, kLast}}));   // car 2 last
        set({163, 165}, Completes({{1, 1}}));  // car 1 in the middle
        set({164}, Relate(Rel::FirstToLast));
        set({166}, Place(D::PlaceHead, 0));       // introduces the first car
        set({167}, Place(D::NamesPlace, kLast));  // introduces the last car
        set({168}, Place(D::PlaceHead, kLast));
        set({169}, Place(D::NamesPlace, 0));
        set({170}, Relate(Rel::DirectlyAfter));
        set({171}, Relate(Rel::DirectlyBefore));  // "and": continues about the subject

        // Four cars.
        set({184, 186}, Attached(Is(D::Closes)));
        // "Completes the statement ... so that with line 1 the whole order follows": read as the
        // least that completes the order in words of places alone: the subject stands second and
        // car 3 last.
        set({185, 187}, Attached(Completes({{kSubject, 1}, {3, kLast}})));
        range(188, 199, LinkHead(Rel::DirectlyBefore));  // the second-named directly after the first
        range(200, 211, LinkHead(Rel::DirectlyAfter));   // the second-named directly before the first

        // Five cars.
        set({83, 86, 88, 89}, Ends(Group::Place, kLast));
        set({84, 85, 87, 90}, Ends(Group::Place, 2));
        set({107, 110, 114, 117, 121, 123, 125, 129}, Ends(Group::Place, 3));
        set({47, 52, 56, 61, 64, 70, 79}, Relate(Rel::TwoAfter));
        set({91, 94, 95, 98, 99, 101, 104, 106}, Relate(Rel::DirectlyBefore));
        set({92, 93, 96, 97, 100, 102, 103, 105}, Relate(Rel::TwoBefore));
        set({109, 111, 113, 116, 120, 124, 127, 128}, Relate(Rel::TwoAfter));
        set({43, 54, 59, 65, 71, 81}, Relate(Rel::After));
        set({48}, Relate(Rel::Before));
        set({44, 55, 60, 66, 72, 82}, Relate(Rel::DirectlyBefore));  // the subject, before the third car
        Role thenDirectly = Relate(Rel::DirectlyBefore);  // after "0048": the second car, before the third
        thenDirectly.fromLastCar = true;
        set({49}, thenDirectly);
        set({45, 50, 53, 58, 67, 68, 78}, Attached(Relate(Rel::After, 2, 15)));
        set({46, 51, 57, 62, 63, 69, 80}, EndsPair(Rel::NextTo));
        set({108, 112, 115, 118, 119, 122, 126, 130}, EndsPair(Rel::OneApart));
        set({131, 132, 133, 134, 135, 136}, EndsPair(Rel::AtEnds));
        set({137, 138, 139, 140, 141, 142}, Is(D::AroundSubjects));
        return m;
    }();
    return roles;
}

const Role* RoleOf(const Item& item) {
    const std::map<int, Role>* roles = item.kind == Item::Kind::Word   ? &WordRoles()
                                       : item.kind == Item::Kind::Text ? &KeyRoles()
                                                                       : nullptr;
    if (!roles) return nullptr;
    const auto found = roles->find(item.n);
    return found == roles->end() ? nullptr : &found->second;
}

}  // namespace clues::roles
