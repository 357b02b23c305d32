// The clue patterns for five cars, car 0 first to car 4 last in the hidden order. Every pattern
// ends every line with CR LF. Keys 0073 to 0077 belong to no pattern.

#include "clues/PatternTables.h"

#include <iterator>

namespace clues::tables {
namespace {

constexpr RawPattern kPatterns[] = {
    {Layout::Append, {  // 0
        "P2 _ C3 _ T0043 _ C0 _ T0044 _ C4 .",
        "P2 _ C3 T0045 _ C0 _ P15 _ C1 .",
        "P3 _ C1 _ P15 _ C2 _ T0046",
        "P2 _ C2 _ T0047 _ C0 .",
    }},
    {Layout::Append, {  // 1
        "P2 _ C0 _ T0048 _ C3 _ T0049 _ C4 .",
        "P2 _ C3 T0050 _ C0 _ P15 _ C1 .",
        "P3 _ C1 _ P15 _ C2 _ T0051",
        "P2 _ C2 _ T0052 _ C0 .",
    }},
    {Layout::Append, {  // 2
        "P2 _ C3 T0053 _ C0 _ P15 _ C1 .",
        "P2 _ C3 _ T0054 _ C0 _ T0055 _ C4 .",
        "P2 _ C2 _ T0056 _ C0 .",
        "P3 _ C1 _ P15 _ C2 _ T0057",
    }},
    {Layout::Append, {  // 3
        "P2 _ C3 T0058 _ C1 _ P15 _ C0 .",
        "P2 _ C3 _ T0059 _ C0 _ T0060 _ C4 .",
        "P2 _ C2 _ T0061 _ C0 .",
        "P3 _ C2 _ P15 _ C1 _ T0062",
    }},
    {Layout::Append, {  // 4
        "P3 _ C1 _ P15 _ C2 _ T0063",
        "P2 _ C2 _ T0064 _ C0 .",
        "P2 _ C3 _ T0065 _ C0 _ T0066 _ C4 .",
        "P2 _ C3 T0067 _ C0 _ P15 _ C1 .",
    }},
    {Layout::Append, {  // 5
        "P2 _ C3 T0068 _ C0 _ P15 _ C1 .",
        "P3 _ C1 _ P15 _ C2 _ T0069",
        "P2 _ C2 _ T0070 _ C0 .",
        "P2 _ C3 _ T0071 _ C0 _ T0072 _ C4 .",
    }},
    {Layout::Append, {  // 6
        "P2 _ C3 T0078 _ C0 _ P15 _ C1 .",
        "P2 _ C2 _ T0079 _ C0 .",
        "P3 _ C1 _ P15 _ C2 _ T0080",
        "P2 _ C3 _ T0081 _ C0 _ T0082 _ C4 .",
    }},
    {Layout::Append, {  // 7
        "P2 _ C4 _ T0083",
        "P2 _ C2 _ T0084",
        "P2 _ C1 _ P24 _ C0 .",
    }},
    {Layout::Append, {  // 8
        "P2 _ C2 _ T0085",
        "P2 _ C4 _ T0086",
        "P2 _ C1 _ P24 _ C0 .",
    }},
    {Layout::Append, {  // 9
        "P2 _ C2 _ T0087",
        "P2 _ C1 _ P24 _ C0 .",
        "P2 _ C4 _ T0088",
    }},
    {Layout::Append, {  // 10
        "P2 _ C1 _ P24 _ C0 .",
        "P2 _ C4 _ T0089",
        "P2 _ C2 _ T0090",
    }},
    {Layout::Append, {  // 11
        "P2 _ C2 _ P24 _ C1 .",
        "P2 _ C4 _ P24 _ C3 .",
        "P2 _ C0 _ T0091 _ C1 .",
        "P2 _ C1 _ T0092 _ C3 .",
    }},
    {Layout::Append, {  // 12
        "P2 _ C2 _ P24 _ C1 .",
        "P2 _ C1 _ T0093 _ C3 .",
        "P2 _ C4 _ P24 _ C3 .",
        "P2 _ C0 _ T0094 _ C1 .",
    }},
    {Layout::Append, {  // 13
        "P2 _ C4 _ P24 _ C3 .",
        "P2 _ C0 _ T0095 _ C1 .",
        "P2 _ C2 _ P24 _ C1 .",
        "P2 _ C1 _ T0096 _ C3 .",
    }},
    {Layout::Append, {  // 14
        "P2 _ C4 _ P24 _ C3 .",
        "P2 _ C1 _ T0097 _ C3 .",
        "P2 _ C2 _ P24 _ C1 .",
        "P2 _ C0 _ T0098 _ C1 .",
    }},
    {Layout::Append, {  // 15
        "P2 _ C0 _ T0099 _ C1 .",
        "P2 _ C2 _ P24 _ C1 .",
        "P2 _ C4 _ P24 _ C3 .",
        "P2 _ C1 _ T0100 _ C3 .",
    }},
    {Layout::Append, {  // 16
        "P2 _ C0 _ T0101 _ C1 .",
        "P2 _ C1 _ T0102 _ C3 .",
        "P2 _ C4 _ P24 _ C3 .",
        "P2 _ C2 _ P24 _ C1 .",
    }},
    {Layout::Append, {  // 17
        "P2 _ C1 _ T0103 _ C3 .",
        "P2 _ C0 _ T0104 _ C1 .",
        "P2 _ C2 _ P24 _ C1 .",
        "P2 _ C4 _ P24 _ C3 .",
    }},
    {Layout::Append, {  // 18
        "P2 _ C1 _ T0105 _ C3 .",
        "P2 _ C4 _ P24 _ C3 .",
        "P2 _ C0 _ T0106 _ C1 .",
        "P2 _ C2 _ P24 _ C1 .",
    }},
    {Layout::Append, {  // 19
        "P2 _ C3 _ T0107",
        "P3 _ C1 _ P15 _ C3 _ T0108",
        "P2 _ C3 _ T0109 _ C1 .",
        "P2 _ C2 _ P4 _ C0 _ P7 _ C4 .",
    }},
    {Layout::Append, {  // 20
        "P2 _ C3 _ T0110",
        "P2 _ C2 _ P4 _ C0 _ P7 _ C4 .",
        "P2 _ C3 _ T0111 _ C1 .",
        "P3 _ C1 _ P15 _ C3 _ T0112",
    }},
    {Layout::Append, {  // 21
        "P2 _ C3 _ T0113 _ C1 .",
        "P2 _ C3 _ T0114",
        "P3 _ C1 _ P15 _ C3 _ T0115",
        "P2 _ C2 _ P4 _ C0 _ P7 _ C4 .",
    }},
    {Layout::Append, {  // 22
        "P2 _ C3 _ T0116 _ C1 .",
        "P2 _ C2 _ P4 _ C0 _ P7 _ C4 .",
        "P2 _ C3 _ T0117",
        "P3 _ C1 _ P15 _ C3 _ T0118",
    }},
    {Layout::Append, {  // 23
        "P3 _ C1 _ P15 _ C3 _ T0119",
        "P2 _ C3 _ T0120 _ C1 .",
        "P2 _ C2 _ P4 _ C0 _ P7 _ C4 .",
        "P2 _ C3 _ T0121",
    }},
    {Layout::Append, {  // 24
        "P3 _ C1 _ P15 _ C3 _ T0122",
        "P2 _ C2 _ P4 _ C0 _ P7 _ C4 .",
        "P2 _ C3 _ T0123",
        "P2 _ C3 _ T0124 _ C1 .",
    }},
    {Layout::Append, {  // 25
        "P2 _ C2 _ P4 _ C0 _ P7 _ C4 .",
        "P2 _ C3 _ T0125",
        "P3 _ C1 _ P15 _ C3 _ T0126",
        "P2 _ C3 _ T0127 _ C1 .",
    }},
    {Layout::Append, {  // 26
        "P2 _ C2 _ P4 _ C0 _ P7 _ C4 .",
        "P2 _ C3 _ T0128 _ C1 .",
        "P2 _ C3 _ T0129",
        "P3 _ C1 _ P15 _ C3 _ T0130",
    }},
    {Layout::Append, {  // 27
        "P2 _ C2 _ P23 _ C3 _ P15 _ _ C1 .",
        "P2 _ C1 _ P23 _ C0 _ P15 _ _ C2 .",
        "P2 _ C3 _ P23 _ C2 _ P15 _ _ C4 .",
        "P2 _ C4 _ P4 _ C0 .",
    }},
    {Layout::Append, {  // 28
        "P2 _ C4 _ P4 _ C0 .",
        "P2 _ C2 _ P23 _ C3 _ P15 _ _ C1 .",
        "P2 _ C1 _ P23 _ C0 _ P15 _ _ C2 .",
        "P2 _ C3 _ P23 _ C4 _ P15 _ _ C2 .",
    }},
    {Layout::Append, {  // 29
        "P2 _ C3 _ P23 _ C4 _ P15 _ _ C2 .",
        "P2 _ C4 _ P4 _ C0 .",
        "P2 _ C2 _ P23 _ C1 _ P15 _ _ C3 .",
        "P2 _ C1 _ P23 _ C0 _ P15 _ _ C2 .",
    }},
    {Layout::Append, {  // 30
        "P2 _ C2 _ P23 _ C1 _ P15 _ _ C3 .",
        "P2 _ C3 _ P23 _ C4 _ P15 _ _ C2 .",
        "P2 _ C4 _ P4 _ C0 .",
        "P2 _ C1 _ P23 _ C0 _ P15 _ _ C2 .",
    }},
    {Layout::Append, {  // 31
        "P2 _ C2 _ P23 _ C1 _ P15 _ _ C3 .",
        "P2 _ C3 _ P23 _ C4 _ P15 _ _ C2 .",
        "P2 _ C0 _ P5 _ C4 .",
        "P2 _ C1 _ P23 _ C2 _ P15 _ _ C0 .",
    }},
    {Layout::Append, {  // 32
        "P2 _ C1 _ P23 _ C2 _ P15 _ _ C0 .",
        "P2 _ C3 _ P23 _ C4 _ P15 _ _ C2 .",
        "P2 _ C2 _ P23 _ C1 _ P15 _ _ C3 .",
        "P2 _ C0 _ P5 _ C4 .",
    }},
    {Layout::Append, {  // 33
        "P2 _ C3 _ P23 _ C2 _ P15 _ _ C4 .",
        "P3 _ C0 _ P15 _ C4 _ T0131",
        "P2 _ C2 _ P4 _ C0 .",
    }},
    {Layout::Append, {  // 34
        "P3 _ C0 _ P15 _ C4 _ T0132",
        "P2 _ C3 _ P23 _ C2 _ P15 _ _ C4 .",
        "P2 _ C2 _ P4 _ C0 .",
    }},
    {Layout::Append, {  // 35
        "P2 _ C2 _ P4 _ C0 .",
        "P2 _ C3 _ P23 _ C2 _ P15 _ _ C4 .",
        "P3 _ C0 _ P15 _ C4 _ T0133",
    }},
    {Layout::Append, {  // 36
        "P2 _ C3 _ P23 _ C4 _ P15 _ _ C2 .",
        "P2 _ C0 _ P5 _ C2 .",
        "P3 _ C0 _ P15 _ C4 _ T0134",
    }},
    {Layout::Append, {  // 37
        "P3 _ C0 _ P15 _ C4 _ T0135",
        "P2 _ C0 _ P5 _ C2 .",
        "P2 _ C3 _ P23 _ C4 _ P15 _ _ C2 .",
    }},
    {Layout::Append, {  // 38
        "P2 _ C0 _ P5 _ C2 .",
        "P3 _ C0 _ P15 _ C4 _ T0136",
        "P2 _ C3 _ P23 _ C2 _ P15 _ _ C4 .",
    }},
    {Layout::Append, {  // 39
        "P3 _ C1 , _ C2 _ P15 _ C0 _ P26",
        "P3 _ C1 _ P15 _ C3 _ T0137 _ C2 .",
    }},
    {Layout::Append, {  // 40
        "P3 _ C2 , _ C1 _ P15 _ C0 _ P26",
        "P3 _ C1 _ P15 _ C3 _ T0138 _ C2 .",
    }},
    {Layout::Append, {  // 41
        "P3 _ C3 _ P15 _ C1 _ T0139 _ C2 .",
        "P3 _ C0 , _ C1 _ P15 _ C2 _ P26",
    }},
    {Layout::Append, {  // 42
        "P3 _ C3 _ P15 _ C1 _ T0140 _ C2 .",
        "P3 _ C3 , _ C4 _ P15 _ C2 _ P25",
    }},
    {Layout::Append, {  // 43
        "P3 _ C3 , _ C2 _ P15 _ C4 _ P25",
        "P3 _ C3 _ P15 _ C1 _ T0141 _ C2 .",
    }},
    {Layout::Append, {  // 44
        "P3 _ C4 , _ C2 _ P15 _ C3 _ P25",
        "P3 _ C3 _ P15 _ C1 _ T0142 _ C2 .",
    }},
};

}  // namespace

const RawTable& FiveCars() {
    static constexpr RawTable table{5, kPatterns, std::size(kPatterns), {{{43, 72}, {78, 142}}}};
    return table;
}

}  // namespace clues::tables
