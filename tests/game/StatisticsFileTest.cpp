// The statistics' figures and their file: exact figures, a file that survives a writer killed at
// any moment, and files that cannot be read set aside, never lost.

#include "support/TestFolder.h"
#include "text/StatisticsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

class StatisticsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "statistics_test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Parcolo"));
    }

    static QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TestFolder folder_;
};

// Figures of a few turns, to read and write.
stats::Statistics SomeTurns()
{
    stats::Statistics s;
    s.Solved(4, 1, 52000, true);
    s.Hint(4, 1);
    s.Wrong(5, 3);
    s.Solved(5, 3, 190000, false);
    s.Solved(4, 1, 41000, true);
    return s;
}

}  // namespace

TEST_F(StatisticsFileTest, FiguresCountRunsRecordsAndTheTypicalTime)
{
    stats::Statistics s;
    EXPECT_FALSE(s.LastPlayed());
    const stats::Records first = s.Solved(4, 2, 30000, true);
    EXPECT_FALSE(first.bestTime || first.bestRun);  // nothing was there to beat
    const stats::Records slower = s.Solved(4, 2, 50000, true);
    EXPECT_FALSE(slower.bestTime);
    EXPECT_TRUE(slower.bestRun);  // two in a row beat one
    const stats::Records faster = s.Solved(4, 2, 20000, true);
    EXPECT_TRUE(faster.bestTime && faster.bestRun);
    s.Wrong(4, 2);
    s.Solved(4, 2, 90000, false);
    s.Hint(4, 2);
    const stats::Figures& f = s.Of(4, 2);
    EXPECT_EQ(f.solved, 4);
    EXPECT_EQ(f.firstTry, 3);
    EXPECT_EQ(f.wrong, 1);
    EXPECT_EQ(f.hints, 1);
    EXPECT_EQ(f.run, 0);
    EXPECT_EQ(f.bestRun, 3);
    EXPECT_EQ(f.bestMs, 20000);
    EXPECT_EQ(f.TypicalMs(), 40000);  // 20, 30, 50, 90 s
    EXPECT_EQ(s.LastPlayed(), (std::pair{4, 2}));
    EXPECT_FALSE(s.Of(4, 1).Played());
    // A run that passes the best one is a record each time.
    for (int k = 0; k < 3; ++k) EXPECT_FALSE(s.Solved(4, 2, 60000, true).bestRun);
    EXPECT_TRUE(s.Solved(4, 2, 60000, true).bestRun);
    EXPECT_EQ(stats::TimeText(3723000), QStringLiteral("1:02:03"));
    EXPECT_EQ(stats::TimeText(42999), QStringLiteral("0:42"));

    const auto back = stats::Statistics::Read(SomeTurns().Write());
    ASSERT_TRUE(std::holds_alternative<stats::Statistics>(back));
    EXPECT_TRUE(std::get<stats::Statistics>(back) == SomeTurns());
}

// A writer killed at random moments, a hundred times, each time going on from what the last one
// left: the file is always whole, and no turn it had kept is lost.
TEST_F(StatisticsFileTest, AWriterKilledAtAnyMomentLeavesAWholeFile)
{
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    std::mt19937 random(20261208);
    int solvedBefore = 0;
    for (int round = 0; round < 100; ++round) {
        char program[] = STATISTICS_WRITER;
        char* argv[] = {program, nullptr};
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ready[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, ready[0]);
        pid_t child = 0;
        const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(ready[1]);
        ASSERT_EQ(spawned, 0);
        char line[8];
        const bool writing = ::read(ready[0], line, sizeof line) == sizeof line;  // or the writer died
        ::close(ready[0]);
        if (writing) std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 30000)(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round << ": the writer stopped by itself";
        const QString file = StatisticsFile();
        if (!QFileInfo::exists(file)) continue;  // killed before its first write
        const auto read = stats::Statistics::Read(Read(file));
        ASSERT_TRUE(std::holds_alternative<stats::Statistics>(read)) << "round " << round;
        int solved = 0;
        for (int cars = 3; cars <= 5; ++cars)
            for (int kind = 0; kind < stats::kKinds; ++kind) solved += std::get<stats::Statistics>(read).Of(cars, kind).solved;
        EXPECT_GE(solved, solvedBefore) << "round " << round;
        solvedBefore = solved;
    }
    EXPECT_GT(solvedBefore, 0);
    // What the kills left half-written is cleared when the statistics are read.
    ASSERT_TRUE(LoadStatistics().setAside.isEmpty());
    EXPECT_EQ(QDir(QFileInfo(StatisticsFile()).path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("statistics.json")});
}

// Cut, garbled, of a later version, of another program, a folder: set aside whole under another
// name, and new statistics begin; the next write makes a readable file again.
TEST_F(StatisticsFileTest, AFileThatCannotBeReadIsSetAsideAndNewStatisticsBegin)
{
    const QByteArray good = SomeTurns().Write();
    QByteArray garbled = good;
    garbled[garbled.size() / 2] = '#';
    QByteArray later = good;
    later.replace("\"version\": 1", "\"version\": 2");
    QByteArray negative = good;
    negative.replace("\"hints\": 1", "\"hints\": -1");
    std::vector<QByteArray> bad = {QByteArray(), garbled, later, negative, QByteArray("{\"format\": \"something else\"}"),
                                   QByteArray("\xff\xfe\x00\x00", 4)};
    for (int cut = 1; cut < good.size(); cut += 11) bad.push_back(good.left(cut));
    const QString file = StatisticsFile();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    for (const QByteArray& bytes : bad) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        const LoadedStatistics loaded = LoadStatistics();
        ASSERT_FALSE(loaded.setAside.isEmpty()) << bytes.toStdString();
        EXPECT_TRUE(loaded.writable);
        EXPECT_FALSE(loaded.statistics.LastPlayed());
        EXPECT_EQ(Read(loaded.setAside), bytes) << "nothing lost";
        EXPECT_FALSE(QFileInfo::exists(file));
        QFile::remove(loaded.setAside);
    }
    ASSERT_TRUE(QDir().mkpath(file));  // no file but a folder
    const LoadedStatistics folder = LoadStatistics();
    EXPECT_TRUE(QFileInfo(folder.setAside).isDir());
    ASSERT_TRUE(SaveStatistics(SomeTurns()));
    EXPECT_TRUE(LoadStatistics().statistics == SomeTurns());
}

// A data folder that can take no file (its place is taken by a file): nothing is written,
// nothing crashes.
TEST_F(StatisticsFileTest, WithoutADataFolderNothingIsWritten)
{
    const QString folder = QFileInfo(StatisticsFile()).path();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(folder).path()));
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(LoadStatistics().writable);
    EXPECT_FALSE(SaveStatistics(SomeTurns()));
}
