// The clue patterns for three cars. In the hidden order car 0 stands first, car 1 in the middle
// and car 2 last. Every pattern joins its lines with CR LF and ends without one.

#include "clues/PatternTables.h"

#include <iterator>

namespace clues::tables {
namespace {

constexpr RawPattern kPatterns[] = {
    {Layout::Join, {  // 0
        "P2 _ C1 _ P4 _ C0 .",
        "P2 _ C2 _ P4 _ C1 .",
    }},
    {Layout::Join, {  // 1
        "P2 _ C1 _ P5 _ C2 .",
        "P2 _ C0 _ P5 _ C1 .",
    }},
    {Layout::Join, {  // 2
        "P2 _ C2 _ P4 _ C1 .",
        "P2 _ C1 _ P4 _ C0 .",
    }},
    {Layout::Join, {  // 3
        "P2 _ C0 _ P5 _ C1 .",
        "P2 _ C1 _ P5 _ C2 .",
    }},
    {Layout::Join, {  // 4
        "P2 _ C1 _ P5 _ C2 _ P6 _ C0 .",
    }},
    {Layout::Join, {  // 5
        "P2 _ C1 _ P4 _ C0 _ P7 _ C2 .",
    }},
    {Layout::Join, {  // 6
        "P2 _ C0 _ P9 _ C1 _ P12 _ C2 .",
        "P2 _ C1 _ T0155",
    }},
    {Layout::Join, {  // 7
        "P2 _ C0 _ P9 _ C2 _ P12 _ C1 .",
        "P2 _ C1 _ T0156",
    }},
    {Layout::Join, {  // 8
        "P2 _ C2 _ P8 _ C0 _ P12 _ C1 .",
        "P2 _ C1 _ P10",
    }},
    {Layout::Join, {  // 9
        "P2 _ C2 _ P8 _ C1 _ P12 _ C0 .",
        "P2 _ C1 _ P10",
    }},
    {Layout::Join, {  // 10
        "P2 _ C0 _ P11",
        "P2 _ C2 _ P4 _ C1 .",
        "P2 _ C1 _ P10",
    }},
    {Layout::Join, {  // 11
        "P2 _ C1 _ P10",
        "P2 _ C2 _ P4 _ C1 .",
        "P2 _ C0 _ P11",
    }},
    {Layout::Join, {  // 12
        "P2 _ C1 _ P10",
        "P2 _ C0 _ P11",
        "P2 _ C2 _ P4 _ C1 .",
    }},
    {Layout::Join, {  // 13
        "P2 _ C1 _ T0157 _ C2 _ T0158",
        "P2 _ C1 _ T0159",
    }},
    {Layout::Join, {  // 14
        "P2 _ C2 _ P13 _ C1 _ T0160",
    }},
    {Layout::Join, {  // 15
        "P2 _ C0 _ T0161 _ C1 _ T0162",
    }},
    {Layout::Join, {  // 16
        "P2 _ C2 _ P13 _ C0 _ T0163",
    }},
    {Layout::Join, {  // 17
        "P2 _ C0 _ T0164 _ C2 _ T0165",
    }},
    {Layout::Join, {  // 18
        "T0166 _ C0 _ T0167 _ C2 .",
    }},
    {Layout::Join, {  // 19
        "T0168 _ C2 _ T0169 _ C0 .",
    }},
    {Layout::Join, {  // 20
        "P2 _ C1 _ T0170 _ C0 _ T0171 _ C2 .",
    }},
};

}  // namespace

const RawTable& ThreeCars() {
    static constexpr RawTable table{3, kPatterns, std::size(kPatterns), {{{155, 171}}}};
    return table;
}

}  // namespace clues::tables
