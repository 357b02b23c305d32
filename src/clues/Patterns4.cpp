// The clue patterns for four cars. In the hidden order car 0 stands first, then cars 1 and 2, and
// car 3 last. Patterns 0 to 6 join their lines with CR LF; patterns 7 to 23 end every line with one.

#include "clues/PatternTables.h"

#include <iterator>

namespace clues::tables {
namespace {

constexpr RawPattern kPatterns[] = {
    {Layout::Join, {  // 0
        "P2 _ C2 _ P4 _ C0 T0184",
        "P2 _ C1 _ P16 _ C2 _ P15 _ C3 T0185",
    }},
    {Layout::Join, {  // 1
        "P2 _ C2 _ P4 _ C0 T0186",
        "P2 _ C1 _ P16 _ C3 _ P15 _ C2 T0187",
    }},
    {Layout::Join, {  // 2
        "P2 _ C3 _ P27 _ C0 _ P22 _ C2 .",
        "P2 _ C1 _ P16 _ C3 _ P15 _ C2 .",
        "P2 _ C0 _ P20 _ C1 .",
    }},
    {Layout::Join, {  // 3
        "P2 _ C3 _ P27 _ C2 _ P22 _ C0 .",
        "P2 _ C1 _ P16 _ C3 _ P15 _ C2 .",
        "P2 _ C0 _ P20 _ C1 .",
    }},
    {Layout::Join, {  // 4
        "P2 _ C3 _ P27 _ C2 _ P22 _ C0 .",
        "P2 _ C1 _ P16 _ C2 _ P15 _ C3 .",
        "P2 _ C0 _ P20 _ C1 .",
    }},
    {Layout::Join, {  // 5
        "P2 _ C3 _ P27 _ C0 _ P22 _ C2 .",
        "P2 _ C1 _ P16 _ C2 _ P15 _ C3 .",
        "P2 _ C0 _ P20 _ C1 .",
    }},
    {Layout::Join, {  // 6
        "P2 _ C1 _ P16 _ C2 _ P15 _ C3 .",
        "P2 _ C3 _ P27 _ C0 _ P22 _ C2 .",
        "P2 _ C0 _ P20 _ C1 .",
    }},
    {Layout::Append, {  // 7
        "T0188 _ C1 _ P14 _ C2 .",
        "T0189 _ C2 _ P14 _ C3 .",
        "T0190 _ C0 _ P14 _ C1 .",
    }},
    {Layout::Append, {  // 8
        "T0191 _ C2 _ P14 _ C3 .",
        "T0192 _ C1 _ P14 _ C2 .",
        "T0193 _ C0 _ P14 _ C1 .",
    }},
    {Layout::Append, {  // 9
        "T0194 _ C2 _ P14 _ C3 .",
        "T0195 _ C0 _ P14 _ C1 .",
        "T0196 _ C1 _ P14 _ C2 .",
    }},
    {Layout::Append, {  // 10
        "T0197 _ C0 _ P14 _ C1 .",
        "T0198 _ C2 _ P14 _ C3 .",
        "T0199 _ C1 _ P14 _ C2 .",
    }},
    {Layout::Append, {  // 11
        "T0200 _ C3 _ P14 _ C2 .",
        "T0201 _ C2 _ P14 _ C1 .",
        "T0202 _ C1 _ P14 _ C0 .",
    }},
    {Layout::Append, {  // 12
        "T0203 _ C2 _ P14 _ C1 .",
        "T0204 _ C3 _ P14 _ C2 .",
        "T0205 _ C1 _ P14 _ C0 .",
    }},
    {Layout::Append, {  // 13
        "T0206 _ C1 _ P14 _ C0 .",
        "T0207 _ C2 _ P14 _ C1 .",
        "T0208 _ C3 _ P14 _ C2 .",
    }},
    {Layout::Append, {  // 14
        "T0209 _ C1 _ P14 _ C0 .",
        "T0210 _ C3 _ P14 _ C2 .",
        "T0211 _ C2 _ P14 _ C1 .",
    }},
    {Layout::Append, {  // 15
        "P2 _ C1 _ P16 _ C2 _ P15 _ C3 P19 _ C0 .",
        "P2 _ C2 _ P17 _ C0 _ P15 _ C1 P18 _ C3 .",
    }},
    {Layout::Append, {  // 16
        "P2 _ C1 _ P16 _ C3 _ P15 _ C2 P19 _ C0 .",
        "P2 _ C2 _ P17 _ C0 _ P15 _ C1 P18 _ C3 .",
    }},
    {Layout::Append, {  // 17
        "P2 _ C1 _ P16 _ C3 _ P15 _ C2 P19 _ C0 .",
        "P2 _ C2 _ P17 _ C1 _ P15 _ C0 P18 _ C3 .",
    }},
    {Layout::Append, {  // 18
        "P2 _ C2 _ P17 _ C0 _ P15 _ C1 P18 _ C3 .",
        "P2 _ C1 _ P16 _ C2 _ P15 _ C3 P19 _ C0 .",
    }},
    {Layout::Append, {  // 19
        "P2 _ C2 _ P17 _ C0 _ P15 _ C1 P18 _ C3 .",
        "P2 _ C1 _ P16 _ C3 _ P15 _ C2 P19 _ C0 .",
    }},
    {Layout::Append, {  // 20
        "P2 _ C2 _ P17 _ C1 _ P15 _ C0 P18 _ C3 .",
        "P2 _ C1 _ P16 _ C3 _ P15 _ C2 P19 _ C0 .",
    }},
    {Layout::Append, {  // 21
        "P2 _ C2 _ P21 _ C1 P18 _ C3 .",
        "P2 _ C1 _ P21 _ C0 P18 _ C3 .",
    }},
    {Layout::Append, {  // 22
        "P2 _ C1 _ P21 _ C0 P18 _ C3 .",
        "P2 _ C2 _ P21 _ C1 P18 _ C3 .",
    }},
    {Layout::Append, {  // 23
        "P2 _ C2 _ P20 _ C3 P19 _ C0 .",
        "P2 _ C1 _ P20 _ C2 P19 _ C0 .",
    }},
};

}  // namespace

const RawTable& FourCars() {
    static constexpr RawTable table{4, kPatterns, std::size(kPatterns), {{{184, 211}}}};
    return table;
}

}  // namespace clues::tables
