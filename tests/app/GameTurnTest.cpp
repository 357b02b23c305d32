// The game window and its turn: set-up, shuffle, colours, pictures, counts.

#include "app/FormInfo.h"
#include "app/FormMenu.h"
#include "app/Instances.h"
#include "core/Rnd.h"
#include "core/Score.h"
#include "game/GameForm.h"
#include "support/AppFixture.h"
#include "text/TextLookup.h"
#include "ui/Controls.h"
#include "ui/Properties.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>


namespace {

class GameTurnTest : public AppTest {
protected:

    QImage PictureFile(int colour, bool fromLeft) const
    {
        return QImage(folder_->File(QStringLiteral("immagini/%1%2.gif").arg(colour).arg(fromLeft ? 's' : 'd')));
    }

    // A fresh turn as the window shows it: each car the picture of its colour in the turn's
    // direction, every piece where its slot puts it, the note pad hidden, empty and unmarked.
    void ExpectFreshTurnShown(GameForm* g)
    {
        const int n = g->N();
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(g->Image1(i)->Picture().toImage(), PictureFile(g->Model().ColoreAuto[size_t(i)], g->Model().DaSinistra)) << i;
        ExpectBoardShown(g);
        for (int column = 2; column <= n + 1; ++column)
            for (int j = 0; j < n; ++j) {
                EXPECT_TRUE(g->Grid(column, j)->isHidden());
                EXPECT_TRUE(g->Grid(column, j)->Picture().isNull());
            }
        for (int j = 0; j < n; ++j) EXPECT_EQ(Tag(g->Grid(2, j)), "");
        EXPECT_TRUE(g->BottoneConferma()->isEnabled());
    }
};

}  // namespace

TEST_F(GameTurnTest, EveryTurnOfEveryWindowIsShownAsItsBoardHasIt)
{
    for (const int n : {3, 4, 5}) {
        GameForm* g = OpenGame(n);
        ASSERT_NE(g, nullptr);
        EXPECT_FALSE(FormMenu.IsLoaded());
        for (int turn = 0; turn < 60; ++turn) {
            if (turn) g->NuovoTurno();
            ExpectFreshTurnShown(g);
        }
        GameWindow(n).Unload();
        ProcessDeletes();
    }
}

TEST_F(GameTurnTest, DrawsComeInTheirOrder)
{
    // Direction, three shuffle draws, colours with repeats drawn again, then the pattern.
    Script({Pick(1, 2),                                    // counted from the right
            Pick(2, 3), Pick(2, 3), Pick(2, 3),            // car 2, then probing: car 0, car 1
            Pick(6, 10), Pick(6, 10), Pick(3, 10),         // colours 7, (7 again), 4
            Pick(3, 10), Pick(6, 10), Pick(8, 10),         // (4), (7), 9
            Pick(20, 21)});
    GameForm* g = OpenGame(3);
    EXPECT_FALSE(g->Model().DaSinistra);
    EXPECT_EQ(g->CarInSlot(0), g->Image1(2));
    EXPECT_EQ(g->CarInSlot(1), g->Image1(0));
    EXPECT_EQ(g->CarInSlot(2), g->Image1(1));
    ExpectBoardShown(g);
    EXPECT_EQ(g->Model().ColoreAuto[0], 7);
    EXPECT_EQ(g->Model().ColoreAuto[1], 4);
    EXPECT_EQ(g->Model().ColoreAuto[2], 9);
    EXPECT_EQ(Caso, 20);
    EXPECT_EQ(g->Image1(0)->Picture().toImage(), PictureFile(7, false));
}

TEST_F(GameTurnTest, SlotsComeFromTheScaledLayout)
{
    GameForm* g = OpenGame(4);
    // The design slots, 120 twips from the edge and 2760 apart, scaled to the window.
    const double factor = g->ScaleWidth() / 11190;
    for (int k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(Left(g->CarInSlot(k)), (120 + 2760 * k) * factor) << k;
        if (k) EXPECT_LT(g->CarInSlot(k - 1)->geometry().right(), g->CarInSlot(k)->geometry().left()) << k;
    }
    EXPECT_LE(g->CarInSlot(3)->geometry().right(), g->centralWidget()->width());
    EXPECT_EQ(g->StatusBar1()->height(), qRound(500 / 15.0));
    EXPECT_EQ(g->frameGeometry().width(), 1280);  // the outer width is the screen's
    EXPECT_EQ(g->frameGeometry().height(), 800);
}

TEST_F(GameTurnTest, ReturnsToTheWindowKeepItsTurnAndEveryCarOnASlot)
{
    // Menu, information box, a game; back and forth to the information box, then it closes.
    FormMenu.Show();
    FormMenu.As<FormMenuWindow>()->mnuabout_Click();
    GameForm* g = OpenGame(3);
    g->Image1_DragDrop(0, g->Image1(2));
    const auto colours = g->Model().ColoreAuto;
    const QString clue = g->Label1()->text();
    std::vector<int> row;
    for (int i = 0; i < 3; ++i) row.push_back(g->Model().SlotOfCar(i));
    const auto expectSameTurn = [&](const char* when) {
        EXPECT_EQ(g->Model().ColoreAuto, colours) << when;
        EXPECT_EQ(g->Label1()->text(), clue) << when;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(g->Model().SlotOfCar(i), row[size_t(i)]) << when;
        SCOPED_TRACE(when);
        ExpectBoardShown(g);
    };
    FormInfo.Show();
    GameWindow(3).Show();
    expectSameTurn("after a return from the information box");
    FormInfo.Show();
    FormInfo.Unload();
    g->Activate();
    expectSameTurn("after the information box closed");
    g->resize(g->width() / 2, g->height() * 2 / 3);
    g->resize(g->width() * 2, g->height() * 3 / 2);
    expectSameTurn("after a resize");
    SolveByDrops(g);
    g->BottoneConferma_Click();
    EXPECT_EQ(NumEsatti, 1) << "the row laid out again still meets its markers";
    EXPECT_EQ(NumErrati, 0);
}

TEST_F(GameTurnTest, PanelsOfAFreshWindowShowTheWordsAndZero)
{
    NumEsatti = 7;
    NumErrati = 3;
    GameForm* g = OpenGame(5);
    EXPECT_EQ(g->StatusBar1()->Panel(1)->text(), MLSGetString(QStringLiteral("0002")) + " 0");
    EXPECT_EQ(g->StatusBar1()->Panel(2)->text(), MLSGetString(QStringLiteral("0003")) + " 0");
    EXPECT_EQ(NumEsatti, 0);
    EXPECT_EQ(NumErrati, 0);
}

TEST_F(GameTurnTest, ColourNamesComeFromTheWindowsOwnKeys)
{
    folder_->Write(QStringLiteral("Italiano.lng"),
                   LanguageFile({{"0032", QStringLiteral("cinque-1")}, {"0041", QStringLiteral("cinque-10")},
                                 {"0145", QStringLiteral("tre-1")}, {"0154", QStringLiteral("tre-10")},
                                 {"0173", QStringLiteral("quattro-1")}, {"0182", QStringLiteral("quattro-10")}}));
    const char* first[] = {"tre-1", "quattro-1", "cinque-1"};
    const char* last[] = {"tre-10", "quattro-10", "cinque-10"};
    for (const int n : {3, 4, 5}) {
        GameForm* g = OpenGame(n);
        EXPECT_EQ(g->NomeColore[1], first[n - 3]);
        EXPECT_EQ(g->NomeColore[10], last[n - 3]);
        EXPECT_EQ(g->NomeColore[0], "");
        GameWindow(n).Unload();
        ProcessDeletes();
    }
}

TEST_F(GameTurnTest, BackgroundsRunFromTheirTopToTheirBottomColour)
{
    const QRgb top[] = {qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(255, 255, 0)};
    const QRgb bottom[] = {qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    for (const int n : {3, 4, 5}) {
        GameForm* g = OpenGame(n);
        ASSERT_TRUE(g->PaintedBands());
        EXPECT_EQ(g->PaintedBands()->front(), top[n - 3]);
        EXPECT_EQ(g->PaintedBands()->back(), bottom[n - 3]);
        GameWindow(n).Unload();
        ProcessDeletes();
    }
}

TEST_F(GameTurnTest, WithoutThePicturesFolderTheCarsAreDrawn)
{
    QDir(folder_->File(QStringLiteral("immagini"))).removeRecursively();
    GameForm* g = OpenGame(5);
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(g->Image1(i)->Picture().isNull());
    g->NuovoTurno();
    EXPECT_TRUE(g->BottoneConferma()->isEnabled());
}
