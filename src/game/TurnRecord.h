#pragma once
// What one turn of a game window adds to the player's statistics (game/PlayerStatistics.h): its
// wrong answers and hints as they come, and at the right answer the turn solved, whether at the
// first try, and its time. The time runs only while the window is the active one and not
// minimised.

#include "core/Statistics.h"

#include <QString>

class QWidget;

class TurnRecord {
public:
    // A new turn of `cars` cars and kind `kind` (0 Classico … 3 Difficile).
    void Start(int cars, int kind, bool active);
    // The window became active, or stopped being so (another window, minimised).
    void SetActive(bool active) { time_.SetActive(active); }

    void Wrong(QWidget* window);
    void Hint(QWidget* window);
    // The right answer. What it beat, said in the current language ("" when nothing).
    QString Solved(QWidget* window);

    qint64 ElapsedMs() const { return time_.Elapsed(); }

private:
    stats::ActiveTime time_;
    int cars_ = 0, kind_ = 0;
    bool wrongBefore_ = false;
    bool solved_ = false;
};
