#pragma once
// Where the player's statistics (core/Statistics.h) are kept: "statistics.json" in the player's
// own data folder (<AppDataLocation>), never in the program folder, which other players share.
//
// The file is written whole or not at all: the new statistics go to a temporary file beside it,
// which is then renamed over the old one (QSaveFile), so a program killed at any moment leaves
// the old file or the new one. A temporary file such a kill left behind is removed when the
// statistics are read. A file that cannot be read as statistics (cut, garbled, of a later
// version, no file at all but a folder) is set aside under another name, so that nothing is
// lost, and new statistics begin.

#include "core/Statistics.h"

#include <QString>

struct LoadedStatistics {
    stats::Statistics statistics;
    QString setAside;       // where an unreadable file was put, else ""
    bool writable = true;   // false where the data folder takes no file
};

// The file, or "" where the system gives the player no data folder.
QString StatisticsFile();

LoadedStatistics LoadStatistics();

// True when the file now holds these statistics.
bool SaveStatistics(const stats::Statistics& statistics);
