// The captions the patterns make, byte for byte, and how the texts are asked for.
// The fake sources write every piece as its name ("<C2>", "<P15>", "<T0045>"), so an expected
// caption reads like the pattern tables.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QStringList>

#include "clues/Clues.h"
#include "clues/Patterns.h"

namespace {

using clues::Assemble;
using clues::Layout;
using clues::PatternsFor;

struct Fake {
    std::vector<std::string> asked;  // the text keys in the order they were asked for

    clues::Sources Sources() {
        return {
            [](int car) { return QStringLiteral("<C%1>").arg(car); },
            [](int entry) { return QStringLiteral("<P%1>").arg(entry); },
            [this](const QString& key) {
                asked.push_back(key.toStdString());
                return QStringLiteral("<T%1>").arg(key);
            },
        };
    }
};

std::string Caption(int cars, int pattern) {
    Fake fake;
    return Assemble(PatternsFor(cars).at(pattern), fake.Sources()).toStdString();
}

TEST(ClueAssembly, CaptionsReadLikeTheTables) {
    struct Case {
        int cars;
        int pattern;
        const char* caption;
    };
    const Case cases[] = {
        // Join layout: CR LF between lines, none at the end.
        {3, 10, "<P2> <C0> <P11>\r\n<P2> <C2> <P4> <C1>.\r\n<P2> <C1> <P10>"},
        {3, 6, "<P2> <C0> <P9> <C1> <P12> <C2>.\r\n<P2> <C1> <T0155>"},
        {3, 18, "<T0166> <C0> <T0167> <C2>."},
        {3, 20, "<P2> <C1> <T0170> <C0> <T0171> <C2>."},
        // The closing keys of four-car patterns 0 and 1 follow the colour name directly.
        {4, 0, "<P2> <C2> <P4> <C0><T0184>\r\n<P2> <C1> <P16> <C2> <P15> <C3><T0185>"},
        {4, 6,
         "<P2> <C1> <P16> <C2> <P15> <C3>.\r\n<P2> <C3> <P27> <C0> <P22> <C2>.\r\n"
         "<P2> <C0> <P20> <C1>."},
        // Append layout: every line ends with CR LF; P18 and P19 follow the colour name directly.
        {4, 7, "<T0188> <C1> <P14> <C2>.\r\n<T0189> <C2> <P14> <C3>.\r\n<T0190> <C0> <P14> <C1>.\r\n"},
        {4, 15,
         "<P2> <C1> <P16> <C2> <P15> <C3><P19> <C0>.\r\n"
         "<P2> <C2> <P17> <C0> <P15> <C1><P18> <C3>.\r\n"},
        {4, 21, "<P2> <C2> <P21> <C1><P18> <C3>.\r\n<P2> <C1> <P21> <C0><P18> <C3>.\r\n"},
        {5, 7, "<P2> <C4> <T0083>\r\n<P2> <C2> <T0084>\r\n<P2> <C1> <P24> <C0>.\r\n"},
        // The key of "comes after both" follows the colour name directly; the other keys stand between
        // blanks.
        {5, 0,
         "<P2> <C3> <T0043> <C0> <T0044> <C4>.\r\n<P2> <C3><T0045> <C0> <P15> <C1>.\r\n"
         "<P3> <C1> <P15> <C2> <T0046>\r\n<P2> <C2> <T0047> <C0>.\r\n"},
        // Two blanks before the last colour name of a "between" line.
        {5, 27,
         "<P2> <C2> <P23> <C3> <P15>  <C1>.\r\n<P2> <C1> <P23> <C0> <P15>  <C2>.\r\n"
         "<P2> <C3> <P23> <C2> <P15>  <C4>.\r\n<P2> <C4> <P4> <C0>.\r\n"},
        // Lists of three: a comma, then P15 before the last one.
        {5, 39, "<P3> <C1>, <C2> <P15> <C0> <P26>\r\n<P3> <C1> <P15> <C3> <T0137> <C2>.\r\n"},
        {5, 44, "<P3> <C4>, <C2> <P15> <C3> <P25>\r\n<P3> <C3> <P15> <C1> <T0142> <C2>.\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.cars) + " cars, pattern " + std::to_string(c.pattern));
        EXPECT_EQ(Caption(c.cars, c.pattern), c.caption);
    }
}

TEST(ClueAssembly, TablesHoldTheirPatterns) {
    EXPECT_EQ(PatternsFor(3).size(), 21u);
    EXPECT_EQ(PatternsFor(4).size(), 24u);
    EXPECT_EQ(PatternsFor(5).size(), 45u);
    for (int other : {-1, 0, 2, 6}) EXPECT_TRUE(PatternsFor(other).empty()) << other;
}

// Lines per pattern, one digit per pattern: a lost or doubled line shows up here.
TEST(ClueAssembly, LinesPerPattern) {
    const auto counts = [](int cars) {
        std::string digits;
        for (const clues::Pattern& p : PatternsFor(cars)) digits += std::to_string(p.lines.size());
        return digits;
    };
    EXPECT_EQ(counts(3), "222211222233321111111");
    EXPECT_EQ(counts(4), "223333333333333222222222");
    EXPECT_EQ(counts(5), "444444433334444444444444444444444333333222222");
}

// Three cars: all joined. Four cars: 0 to 6 joined, 7 to 23 appended. Five cars: all appended.
TEST(ClueAssembly, LayoutDecidesTheLineBreaks) {
    for (int cars = 3; cars <= 5; ++cars) {
        const auto& patterns = PatternsFor(cars);
        for (std::size_t i = 0; i < patterns.size(); ++i) {
            SCOPED_TRACE(std::to_string(cars) + " cars, pattern " + std::to_string(i));
            const bool append = cars == 5 || (cars == 4 && i >= 7);
            EXPECT_EQ(patterns[i].layout, append ? Layout::Append : Layout::Join);
            const std::string caption = Caption(cars, int(i));
            std::size_t breaks = 0;
            for (std::size_t at = caption.find("\r\n"); at != std::string::npos;
                 at = caption.find("\r\n", at + 2))
                ++breaks;
            const std::size_t lines = patterns[i].lines.size();
            EXPECT_EQ(breaks, append ? lines : lines - 1);
            EXPECT_EQ(caption.size() >= 2 && caption.compare(caption.size() - 2, 2, "\r\n") == 0, append);
            EXPECT_EQ(std::count(caption.begin(), caption.end(), '\r'), std::ptrdiff_t(breaks));
            EXPECT_EQ(std::count(caption.begin(), caption.end(), '\n'), std::ptrdiff_t(breaks));
        }
    }
}

// Over all patterns of a table the keys are asked for in ascending order, each once: the text
// source is called once per key, in order, and for nothing else.
TEST(ClueAssembly, TextKeysAskedOnceEachInOrder) {
    const auto range = [](int first, int last, std::vector<std::string> keys = {}) {
        for (int key = first; key <= last; ++key) keys.push_back(clues::KeyName(key).toStdString());
        return keys;
    };
    const std::vector<std::string> expected[] = {
        range(155, 171), range(184, 211), range(78, 142, range(43, 72)),  // 0073 to 0077 belong to no clue
    };
    for (int cars = 3; cars <= 5; ++cars) {
        SCOPED_TRACE(std::to_string(cars) + " cars");
        Fake fake;
        for (const clues::Pattern& p : PatternsFor(cars)) Assemble(p, fake.Sources());
        EXPECT_EQ(fake.asked, expected[cars - 3]);
    }
}

TEST(ClueAssembly, TextsAreAskedAnewForEveryCaption) {
    const clues::Pattern& pattern = PatternsFor(5).at(7);
    QString language = QStringLiteral("a");
    clues::Sources sources{
        [](int) { return QStringLiteral("c"); },
        [](int) { return QStringLiteral("w"); },
        [&language](const QString&) { return language; },
    };
    EXPECT_EQ(Assemble(pattern, sources).toStdString(), "w c a\r\nw c a\r\nw c w c.\r\n");
    language = QStringLiteral("b");
    EXPECT_EQ(Assemble(pattern, sources).toStdString(), "w c b\r\nw c b\r\nw c w c.\r\n");
}

// Every piece goes in as it comes, blanks of its own included; the program adds only its own.
TEST(ClueAssembly, PiecesAreInsertedUnchanged) {
    const clues::Pattern& pattern = PatternsFor(3).at(0);
    const clues::Sources sources{
        [](int car) { return car == 0 ? QString() : QStringLiteral(" x "); },
        [](int entry) { return entry == 2 ? QStringLiteral("Head ") : QStringLiteral("\u00e8"); },
        [](const QString&) { return QString(); },
    };
    EXPECT_EQ(Assemble(pattern, sources), QStringLiteral("Head   x  \u00e8 .\r\nHead   x  \u00e8  x ."));
}

// A hint quotes one line: the caption's line, without its line break.
TEST(ClueAssembly, OneLineIsTheCaptionsLine) {
    for (int cars = 3; cars <= 5; ++cars)
        for (const clues::Pattern& pattern : PatternsFor(cars)) {
            Fake fake;
            QStringList lines = Assemble(pattern, fake.Sources()).split(QStringLiteral("\r\n"));
            if (pattern.layout == Layout::Append) lines.removeLast();
            ASSERT_EQ(std::size_t(lines.size()), pattern.lines.size());
            for (std::size_t l = 0; l < pattern.lines.size(); ++l)
                EXPECT_EQ(clues::LineText(pattern, l, fake.Sources()), lines[qsizetype(l)]);
        }
}

// A template is the whole line: the program puts in the colour names (or the forms asked for),
// capitalises the first letter and adds nothing else; a line break of the layout stays. A template
// that does not parse or names other cars than its line does not serve: that line is assembled.
TEST(ClueTemplates, ReplaceTheirLineAndAddNothing) {
    const clues::Pattern& pattern = PatternsFor(3).at(6);  // "car 0 before 1 and 2", "car 1 second"
    std::map<int, QString> templates;
    clues::Sources sources{
        [](int car) { return QStringLiteral("c%1").arg(car); },
        [](int entry) { return QStringLiteral("<P%1>").arg(entry); },
        [](const QString& key) { return QStringLiteral("<T%1>").arg(key); },
        [&templates](int line) -> std::optional<QString> {
            const auto t = templates.find(line);
            return t == templates.end() ? std::nullopt : std::optional(t->second);
        },
        [](int car, const QString& form) { return form == QLatin1String("dat") ? QStringLiteral("dem c%1").arg(car) : QString(); },
    };
    const auto caption = [&] { return Assemble(pattern, sources).toStdString(); };
    const std::string assembled1 = "<P2> c0 <P9> c1 <P12> c2.", assembled2 = "<P2> c1 <T0155>";

    templates[0] = QStringLiteral("\u00abvor {1:dat}  und {2:gen} \u2014 {0} {{1}}\u00bb");
    EXPECT_EQ(caption(), "\u00abVor dem c1  und c2 \u2014 c0 {1}\u00bb\r\n" + assembled2);
    templates[1] = QStringLiteral("{1} ist zweites.");
    EXPECT_EQ(caption(), "\u00abVor dem c1  und c2 \u2014 c0 {1}\u00bb\r\nC1 ist zweites.");

    for (const char* bad : {"{1} und {2}", "{0} {1} {2} {3}", "{0} {1} {2", "{0} {1} {2} }", "{0} {1:} {2}",
                            "{0} {12} {2}", "{0} {1:2x} {2}"}) {
        templates[0] = QString::fromUtf8(bad);
        EXPECT_FALSE(clues::TemplateProblem(templates[0], pattern.lines[0]).isEmpty()) << bad;
        EXPECT_EQ(caption(), assembled1 + "\r\nC1 ist zweites.") << bad;
    }
}

TEST(ClueAssembly, KeyNameHasFourDigits) {
    EXPECT_EQ(clues::KeyName(1), QStringLiteral("0001"));
    EXPECT_EQ(clues::KeyName(43), QStringLiteral("0043"));
    EXPECT_EQ(clues::KeyName(155), QStringLiteral("0155"));
    EXPECT_EQ(clues::KeyName(9999), QStringLiteral("9999"));
}

}  // namespace
