#pragma once
// The clue of a turn: fixed sentence patterns for three, four and five cars, and the one
// function that turns a pattern into the caption of the clue label.
//
// A pattern names cars by their position in the hidden order (car 0 stands first), words of
// the start-up word table by their entry, and further language texts by their four-digit key.
// The program adds the blanks, commas, full stops and line breaks itself; nothing else.
//
// Pure logic: no window code may be included here.

#include <QString>

#include <functional>
#include <vector>

namespace clues {

enum class Layout {
    Join,    // lines joined by CR LF, none after the last
    Append,  // every line followed by CR LF, the last included
};

struct Item {
    enum class Kind {
        Colour,  // C(k): colour name of car k
        Word,    // P(n): entry n of the word table
        Text,    // T(nnnn): text of language key nnnn
        Blank,   // one blank
        Stop,    // "."
        Comma,   // ","
    };
    Kind kind;
    int n = 0;  // car for Colour, entry for Word, key number for Text; unused otherwise
};

using Line = std::vector<Item>;

struct Pattern {
    Layout layout;
    std::vector<Line> lines;
};

// The patterns for n = 3, 4 or 5 cars (21, 24 or 45 of them), parsed and checked on first use.
// Any other n gives an empty table.
const std::vector<Pattern>& PatternsFor(int n);

// Where the pieces of a clue come from.
struct Sources {
    std::function<QString(int car)> colour;            // C(k)
    std::function<QString(int entry)> word;            // P(n)
    std::function<QString(const QString& key)> text;   // T(nnnn), key as four digits
};

// The caption for one pattern. Text keys are asked for in the order they occur, once each.
QString Assemble(const Pattern& pattern, const Sources& sources);

// The text of one line of a pattern, from the same sources as Assemble, without any line break:
// what a hint quotes as the sentence it comes from.
QString AssembleLine(const Line& line, const Sources& sources);

// "0155" for 155.
QString KeyName(int number);

}  // namespace clues
