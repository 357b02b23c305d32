#pragma once
// The player's statistics: for every kind of turn (3, 4 or 5 cars, each with Classico, Facile,
// Medio or Difficile clues) the turns solved, those solved at the first "Conferma", the wrong
// answers, the hints used, the times from a turn's start to its right answer, and the runs of
// turns solved at the first try. The counts of the status bar ("Esatti", "Errati") are another
// thing: they live in the game window and are cleared with it.
//
// Times: the best time ever, and the last kKeptTimes times, oldest first, of which the typical
// time is the median. A run is broken by a wrong answer; a turn left unsolved neither breaks it
// nor adds to it.
//
// On disk the statistics are a JSON document:
//   {"format": "parcolo-statistics", "version": 1,
//    "kinds": [{"cars": 4, "kind": "facile", "solved": 10, "firstTry": 8, "wrong": 3, "hints": 5,
//               "run": 2, "bestRun": 6, "bestMs": 41000, "lastPlayed": 17, "times": [52000, …]}]}
// Only kinds that have been played are listed. Unknown members are ignored; a document of a
// later version, or one that breaks any rule (a count that is negative or not whole, more turns
// solved at the first try than solved, a kind listed twice …) is not read at all.
//
// Pure logic and Qt Core only.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace stats {

constexpr int kKinds = 4;         // Classico, Facile, Medio, Difficile, in that order
constexpr int kKeptTimes = 1000;  // the times kept for the typical time and the chart
constexpr int kVersion = 1;

struct Figures {
    int solved = 0;
    int firstTry = 0;  // solved without a wrong answer before
    int wrong = 0;
    int hints = 0;
    int run = 0;       // turns solved at the first try since the last wrong answer
    int bestRun = 0;
    std::optional<qint64> bestMs;
    std::vector<qint64> times;  // the last kKeptTimes, oldest first
    qint64 lastPlayed = 0;      // when this kind was last played, as a running number (0: never)

    // The median of the kept times; nothing before the first turn solved.
    std::optional<qint64> TypicalMs() const;
    bool Played() const { return lastPlayed > 0; }
    bool operator==(const Figures& other) const;
};

// What a right answer beat: the best time, the best run (only when there was one before).
struct Records {
    bool bestTime = false;
    bool bestRun = false;
};

enum class ReadProblem { NotJson, NotStatistics, LaterVersion, Broken };

class Statistics {
public:
    const Figures& Of(int cars, int kind) const;

    void Wrong(int cars, int kind);
    void Hint(int cars, int kind);
    Records Solved(int cars, int kind, qint64 ms, bool firstTry);

    // The kind played last, if any.
    std::optional<std::pair<int, int>> LastPlayed() const;

    QByteArray Write() const;
    static std::variant<Statistics, ReadProblem> Read(const QByteArray& bytes);

    bool operator==(const Statistics& other) const { return figures_ == other.figures_ && clock_ == other.clock_; }

private:
    Figures& Played(int cars, int kind);

    std::array<Figures, 3 * kKinds> figures_{};
    qint64 clock_ = 0;  // the last running number given to lastPlayed
};

// "classico", "facile", "medio", "difficile".
const char* KindName(int kind);

// A time as players read it: "0:42", "12:05", "1:02:09".
QString TimeText(qint64 ms);

// Milliseconds of a monotonic clock. Tests put a clock of their own in place; an empty function
// restores the real one.
qint64 NowMs();
void SetClockSource(std::function<qint64()> source);

// The time that runs only while something is active: a turn's time, which does not count while
// its window is not the active one or is minimised.
class ActiveTime {
public:
    void Start(bool active);
    void SetActive(bool active);
    qint64 Elapsed() const;

private:
    qint64 banked_ = 0;
    std::optional<qint64> since_;
};

}  // namespace stats
