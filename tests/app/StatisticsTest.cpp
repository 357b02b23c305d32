// The player's statistics as the windows keep and show them: a turn's figures and time, the
// records said at the right answer, the statistics window with its table and chart, its reset,
// and a file that cannot be read or written, told once.

#include "app/FormMenu.h"
#include "app/FormStatistics.h"
#include "app/InstanceLock.h"
#include "app/Instances.h"
#include "app/Startup.h"
#include "game/GameForm.h"
#include "game/PlayerStatistics.h"
#include "support/AppFixture.h"
#include "text/Captions.h"
#include "text/LanguageSwitch.h"
#include "text/StatisticsFile.h"
#include "text/TextLookup.h"
#include "ui/TimeChart.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>

namespace {

class StatisticsTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        stats::SetClockSource([this] { return now_; });
    }
    void TearDown() override
    {
        stats::SetClockSource({});
        AppTest::TearDown();
    }

    void Wait(qint64 seconds) { now_ += seconds * 1000; }

    // Another window of the desktop takes the focus, then gives it back.
    void AwayFor(GameForm* g, qint64 seconds)
    {
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QCoreApplication::processEvents();
        ASSERT_FALSE(g->isActiveWindow());
        Wait(seconds);
        QApplication::setActiveWindow(g);
        QCoreApplication::processEvents();
        ASSERT_TRUE(g->isActiveWindow());
    }

    static void Solve(GameForm* g)
    {
        SolveByDrops(g);
        g->BottoneConferma_Click();
    }

    static QStringList Row(QTableWidget* table, int row)
    {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) cells << table->item(row, c)->text();
        return cells;
    }

    qint64 now_ = 1000000;
};

}  // namespace

// Three four-car turns: a wrong answer, two hints and a minute away in the first; the second
// and third solved at the first try. The figures are exact, records are said when they are
// beaten, and everything is still there for the next start.
TEST_F(StatisticsTest, ScriptedTurnsGiveExactFiguresThatOutliveTheProgram)
{
    GameForm* g = OpenGame(4);
    QApplication::setActiveWindow(g);
    QCoreApplication::processEvents();
    g->NuovoTurno();  // the turn starts with the window active
    Wait(10);
    g->BottoneConferma_Click();  // a shuffled row is wrong (the fixed draws never give it right)
    ASSERT_FALSE(g->BottoneAvanti()->isEnabled());
    g->mnuSuggerimento_Click();
    g->mnuSuggerimento_Click();
    Wait(5);
    AwayFor(g, 60);
    Wait(3);
    Solve(g);
    EXPECT_TRUE(g->HintText().isEmpty()) << "the first time beats nothing";

    g->BottoneAvanti_Click();
    Wait(12);
    Solve(g);
    EXPECT_EQ(g->HintText(), MLSGetString(QStringLiteral("0270")).replace(QLatin1String("%1"), QStringLiteral("0:12")));
    EXPECT_TRUE(g->LastAnnouncement().endsWith(g->HintText()));

    g->BottoneAvanti_Click();
    Wait(20);
    Solve(g);
    EXPECT_EQ(g->HintText(), MLSGetString(QStringLiteral("0271")).replace(QLatin1String("%1"), QStringLiteral("2")));

    const auto expect = [](const stats::Figures& f) {
        EXPECT_EQ(f.solved, 3);
        EXPECT_EQ(f.firstTry, 2);
        EXPECT_EQ(f.wrong, 1);
        EXPECT_EQ(f.hints, 2);
        EXPECT_EQ(f.run, 2);
        EXPECT_EQ(f.bestRun, 2);
        EXPECT_EQ(f.times, (std::vector<qint64>{18000, 12000, 20000}));
        EXPECT_EQ(f.bestMs, 12000);
        EXPECT_EQ(f.TypicalMs(), 18000);
    };
    expect(PlayerStatistics(g).Of(4, 0));
    UnloadAll();
    ForgetPlayerStatistics();  // the next day
    expect(PlayerStatistics(nullptr).Of(4, 0));
    EXPECT_TRUE(boxes_.empty());
}

// The window from the menu shows a row per kind played and the chart of the kind played last;
// another row chooses the chart; it follows a language switch; "Azzera statistiche" clears
// everything only after Yes.
TEST_F(StatisticsTest, TheWindowShowsEveryKindPlayedAndResetsOnlyAfterYes)
{
    folder_->CopyShipped(QStringLiteral("English.lng"));
    ChangePlayerStatistics(nullptr, [](stats::Statistics& s) {
        s.Solved(5, 3, 200000, false);
        s.Wrong(3, 0);
        for (const qint64 t : {50000, 40000, 45000}) s.Solved(4, 1, t, true);
    });
    FormMenu.Show();
    FormMenu.As<FormMenuWindow>()->mnuStatistics()->trigger();
    ASSERT_TRUE(FormStatistics.IsLoaded());
    auto* w = FormStatistics.As<FormStatisticsWindow>();
    EXPECT_TRUE(w->isVisible());
    QTableWidget* table = w->grdFigures();
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(Row(table, 0), (QStringList{"3", KindCaption(0), "0", "0", "1", "0", "–", "–", "0", "0"}));
    EXPECT_EQ(Row(table, 1), (QStringList{"4", KindCaption(1), "3", "3", "0", "0", "0:40", "0:45", "3", "3"}));
    EXPECT_EQ(table->currentRow(), 1) << "the kind played last";
    EXPECT_EQ(w->picChart()->Times(), (std::vector<qint64>{50000, 40000, 45000}));
    EXPECT_TRUE(w->picChart()->accessibleDescription().contains(QStringLiteral("0:50, 0:40, 0:45")));
    EXPECT_TRUE(w->lblChart()->text().contains(CarsCaption(4)));

    table->setCurrentCell(2, 0);
    EXPECT_EQ(w->picChart()->Times(), (std::vector<qint64>{200000}));
    SwitchLanguage(QStringLiteral("English"));
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), QStringLiteral("Solved"));
    EXPECT_TRUE(w->lblChart()->text().contains(QStringLiteral("Five cars, Hard"))) << w->lblChart()->text().toStdString();

    answer_ = MsgResult::No;
    w->Command2_Click();
    EXPECT_EQ(table->rowCount(), 3);
    answer_ = MsgResult::Yes;
    w->Command2_Click();
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[1].buttons, MsgButtons::YesNo);
    EXPECT_FALSE(table->isVisible());
    EXPECT_TRUE(w->lblEmpty()->isVisible());
    EXPECT_FALSE(w->Command2()->isEnabled());
    ForgetPlayerStatistics();
    EXPECT_FALSE(PlayerStatistics(nullptr).LastPlayed()) << "the file is cleared too";
}

// A file that cannot be read is set aside and told once, over the start screen; a data folder
// that takes no file is told once, at the first turn that cannot be kept, and play goes on.
TEST_F(StatisticsTest, FileTroubleIsToldOnceAndPlayGoesOn)
{
    const QString file = StatisticsFile();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    folder_->Write(QStringLiteral("cut.json"), QByteArray("{\"format\": \"parcolo-statistics\", \"vers"));
    ASSERT_TRUE(QFile::copy(folder_->File(QStringLiteral("cut.json")), file));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder_->Path()));
    ASSERT_TRUE(Main());
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_TRUE(boxes_[0].text.contains(QDir::toNativeSeparators(file) + QStringLiteral(".unreadable-"))) << boxes_[0].text.toStdString();
    EXPECT_EQ(boxes_[0].owner, FormAvvio.Instance());
    UnloadAll();
    ReleaseInstanceLock();

    // The data folder turns into a file: nothing can be kept from now on.
    ForgetPlayerStatistics();
    ASSERT_TRUE(QDir(QFileInfo(file).path()).removeRecursively());
    folder_->Write(QStringLiteral("blocker"), QByteArray("x"));
    ASSERT_TRUE(QFile::copy(folder_->File(QStringLiteral("blocker")), QFileInfo(file).path()));
    boxes_.clear();
    GameForm* g = OpenGame(3);
    // The first figure that cannot be kept (a hint) is news while the leaving question waits for
    // its answer, in its own event loop: the news comes after the question, not lost under it.
    SetMsgBoxHandler([this](const MsgBoxRequest& r) {
        boxes_.push_back(r);
        if (r.buttons == MsgButtons::Ok) return MsgResult::Ok;
        QCoreApplication::processEvents();
        return MsgResult::No;
    });
    g->mnuSuggerimento_Click();
    ASSERT_TRUE(g->RunAction([g] { g->mnuEsci_Click(); }));
    for (int k = 0; k < 50 && boxes_.size() < 2; ++k) {
        QThread::msleep(10);
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[0].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(boxes_[1].text.contains(QDir::toNativeSeparators(QFileInfo(file).path())));
    EXPECT_EQ(boxes_[1].owner, g);
    boxes_.clear();
    for (int turn = 0; turn < 3; ++turn) {
        Solve(g);
        g->BottoneAvanti_Click();
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(boxes_.empty()) << "told once";
    EXPECT_EQ(PlayerStatistics(g).Of(3, 0).solved, 3) << "this run's figures are kept in memory";
}
