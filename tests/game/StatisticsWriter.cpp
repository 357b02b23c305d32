// A program that does nothing but keep statistics: it reads the player's file and then, as fast
// as it can, counts one more turn solved and writes the file again, until it is killed. The
// statistics test kills it at random moments and reads what it left. The data folder comes
// from XDG_DATA_HOME. One line on standard output says the writing begins, so the test's moments
// count from there and not from a start-up that a slow or sanitized build makes long.

#include "text/StatisticsFile.h"

#include <QCoreApplication>

#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Parcolo"));
    LoadedStatistics loaded = LoadStatistics();
    if (::write(STDOUT_FILENO, "writing\n", 8) != 8) return 1;
    for (qint64 turn = 0;; ++turn) {
        loaded.statistics.Solved(3 + int(turn % 3), int(turn % 4), 1000 + turn % 5000, turn % 3 != 0);
        if (!SaveStatistics(loaded.statistics)) return 1;
    }
}
