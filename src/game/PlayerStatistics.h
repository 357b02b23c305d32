#pragma once
// The player's statistics while the program runs: read from their file (text/StatisticsFile.h)
// when first needed, written whole after every change. What goes wrong with the file is told,
// over the window that needed the statistics, once: a file that could not be read and was set
// aside (when it is read), a data folder that takes no file (the first time a change cannot be
// kept; the game plays on, the figures of this run stay in memory).

#include "core/Statistics.h"

#include <functional>

class QWidget;

// The figures, read first if they are not yet.
const stats::Statistics& PlayerStatistics(QWidget* window);

// Changes the figures and keeps them.
void ChangePlayerStatistics(QWidget* window, const std::function<void(stats::Statistics&)>& change);

// The next use reads the file again and may tell again: for a new player folder (tests).
void ForgetPlayerStatistics();
