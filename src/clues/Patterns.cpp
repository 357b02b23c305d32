#include "clues/Patterns.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>

#include "clues/PatternTables.h"

namespace clues {
namespace tables {
namespace {

bool AllDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One token of the notation, or nothing when it is not well formed for a table of `cars` cars.
std::optional<Item> ReadItem(std::string_view token, int cars) {
    using Kind = Item::Kind;
    if (token == "_") return Item{Kind::Blank};
    if (token == ".") return Item{Kind::Stop};
    if (token == ",") return Item{Kind::Comma};
    const std::string_view digits = token.substr(std::min<std::size_t>(1, token.size()));
    if (!AllDigits(digits) || digits.size() > 4) return std::nullopt;
    const int n = std::stoi(std::string(digits));
    const bool plain = digits.size() == 1 || digits.front() != '0';  // no leading zero
    switch (token.front()) {
    case 'C':
        if (plain && n < cars) return Item{Kind::Colour, n};
        break;
    case 'P':  // entries 0 and 1 are the status-bar words, never part of a clue
        if (plain && n >= 2 && n <= 27) return Item{Kind::Word, n};
        break;
    case 'T':
        if (digits.size() == 4) return Item{Kind::Text, n};
        break;
    default: break;
    }
    return std::nullopt;
}

class Reader {
public:
    explicit Reader(const RawTable& table) : table_(table) {
        for (const KeyRun& run : table.keys)
            for (int key = run.first; key <= run.last; ++key) keys_.push_back(key);
    }

    std::vector<Pattern> Read() {
        std::vector<Pattern> patterns;
        for (pattern_ = 0; pattern_ < table_.count; ++pattern_) {
            const RawPattern& raw = table_.patterns[pattern_];
            Pattern pattern{raw.layout, {}};
            for (line_ = 0; line_ < raw.lines.size() && !raw.lines[line_].empty(); ++line_)
                pattern.lines.push_back(ReadLine(raw.lines[line_]));
            if (pattern.lines.empty()) Fail("pattern without lines");
            for (; line_ < raw.lines.size(); ++line_)
                if (!raw.lines[line_].empty()) Fail("line after an empty line");
            patterns.push_back(std::move(pattern));
        }
        if (nextKey_ < keys_.size())
            Fatal("Clue patterns for " + std::to_string(table_.cars) + " cars: text key T" +
                  KeyName(keys_[nextKey_]).toStdString() + " never occurs");
        return patterns;
    }

private:
    Line ReadLine(std::string_view text) {
        Line line;
        for (std::size_t start = 0; start <= text.size();) {
            const std::size_t end = std::min(text.find(' ', start), text.size());
            const std::string_view token = text.substr(start, end - start);
            const std::optional<Item> item = ReadItem(token, table_.cars);
            if (!item) Fail("bad token \"" + std::string(token) + "\"");
            if (item->kind == Item::Kind::Stop &&
                (end != text.size() || line.empty() || line.back().kind != Item::Kind::Colour))
                Fail("full stop not at the end after a colour name");
            if (item->kind == Item::Kind::Text) CheckKey(item->n);
            line.push_back(*item);
            start = end + 1;
        }
        switch (line.back().kind) {
        case Item::Kind::Colour: Fail("line ends with a colour name but no full stop");
        case Item::Kind::Blank:
        case Item::Kind::Comma: Fail("line ends with a blank or a comma");
        default: break;
        }
        return line;
    }

    void CheckKey(int key) {
        const std::string found = "T" + KeyName(key).toStdString();
        if (nextKey_ == keys_.size()) Fail("text key " + found + " beyond the keys of this table");
        if (key != keys_[nextKey_])
            Fail("text key " + found + " where T" + KeyName(keys_[nextKey_]).toStdString() + " is due");
        ++nextKey_;
    }

    [[noreturn]] void Fail(const std::string& what) const {
        const RawPattern& raw = table_.patterns[pattern_];
        const std::string_view text = line_ < raw.lines.size() ? raw.lines[line_] : std::string_view();
        Fatal("Clue patterns for " + std::to_string(table_.cars) + " cars, pattern " +
              std::to_string(pattern_) + ", line " + std::to_string(line_ + 1) + " \"" + std::string(text) +
              "\": " + what);
    }

    [[noreturn]] static void Fatal(const std::string& message) {
        qFatal("%s", message.c_str());
        std::abort();  // qFatal does not return; this tells the compiler so
    }

    const RawTable& table_;
    std::vector<int> keys_;  // the keys the table must use, in order
    std::size_t nextKey_ = 0;
    std::size_t pattern_ = 0;
    std::size_t line_ = 0;
};

}  // namespace

std::vector<Pattern> Read(const RawTable& table) {
    return Reader(table).Read();
}

}  // namespace tables

const std::vector<Pattern>& PatternsFor(int n) {
    static const std::array<std::vector<Pattern>, 3> all{
        tables::Read(tables::ThreeCars()),
        tables::Read(tables::FourCars()),
        tables::Read(tables::FiveCars()),
    };
    static const std::vector<Pattern> none;
    return n >= 3 && n <= 5 ? all[n - 3] : none;
}

}  // namespace clues
