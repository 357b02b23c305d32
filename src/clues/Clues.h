#pragma once
// The clue of a turn: fixed sentence patterns for three, four and five cars, and the one
// function that turns a pattern into the caption of the clue label.
//
// A pattern names cars by their position in the hidden order (car 0 stands first), words of
// the start-up word table by their entry, and further language texts by their four-digit key.
// The program adds the blanks, commas, full stops and line breaks itself; nothing else.
//
// A language may instead write a whole line as a sentence template: its own text with "{k}" for
// the colour name of car k and "{k:form}" for a form of that name that the language defines
// (German cases, French elision, Spanish contractions). Then the program adds nothing to the
// line but capitalises its first letter; the line breaks of the layout stay the program's. A
// template must name exactly the cars its line names (each at least once, no other); one that
// does not, or that does not parse, is not used: that line is assembled from its pieces.
//
// Pure logic: no window code may be included here.

#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <set>
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

// Where the pieces of a clue come from. The last two are optional: without them every line is
// assembled from its pieces.
struct Sources {
    std::function<QString(int car)> colour;            // C(k)
    std::function<QString(int entry)> word;            // P(n)
    std::function<QString(const QString& key)> text;   // T(nnnn), key as four digits
    // The language's template for line `line` (0 = first) of the pattern, if it has one.
    std::function<std::optional<QString>(int line)> lineTemplate = {};
    // A named form of car k's colour name; empty when the language lacks it (then the name serves).
    std::function<QString(int car, const QString& form)> colourForm = {};
};

// A sentence template, parsed: literal text and the places where a colour name goes.
struct Template {
    struct Piece {
        QString text;  // literal text, when car is -1
        int car = -1;  // else the colour name of this car
        QString form;  // in this form ("" for the plain name)
    };
    std::vector<Piece> pieces;

    std::set<int> Cars() const;
    std::set<QString> Forms() const;  // the form names it asks for, "" left out
};

// "{k}" and "{k:form}", k one digit, form letters, digits and "_" starting with a letter; "{{"
// and "}}" stand for a brace. Nothing, with what is wrong in `error`, when the text is not such a
// template.
std::optional<Template> ParseTemplate(const QString& text, QString* error = nullptr);

// The cars a line names.
std::set<int> CarsOf(const Line& line);

// The template parsed, when it can serve the line: it must parse and name exactly the line's
// cars. Else nothing, with what keeps it from serving in `problem`.
std::optional<Template> UsableTemplate(const QString& text, const Line& line, QString* problem = nullptr);

// What keeps a template from serving a line ("" when nothing does).
QString TemplateProblem(const QString& text, const Line& line);

// The caption for one pattern. Text keys are asked for in the order they occur, once each.
QString Assemble(const Pattern& pattern, const Sources& sources);

// The text of one line of a pattern, from the same sources as Assemble, without any line break:
// what a hint quotes as the sentence it comes from. Line `index` of `pattern`: its template when
// the language has a usable one, else the line assembled from its pieces.
QString LineText(const Pattern& pattern, std::size_t index, const Sources& sources);

// A line assembled from its pieces, never from a template.
QString AssembleLine(const Line& line, const Sources& sources);

// A template written out: each "{k}" the colour name of car k, each "{k:form}" that form of it
// (the name where the language lacks the form), the first letter a capital.
QString Filled(const Template& t, const Sources& sources);

// "0155" for 155.
QString KeyName(int number);

}  // namespace clues
