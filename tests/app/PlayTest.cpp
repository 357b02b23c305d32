// Playing a turn: swapping cars, the possibilities grid, judging, counting and leaving.

#include "app/FormMenu.h"
#include "app/Instances.h"
#include "app/Sounds.h"
#include "core/Score.h"
#include "game/GameForm.h"
#include "support/AppFixture.h"
#include "text/LanguageSwitch.h"
#include "text/TextLookup.h"
#include "text/TurnKindSetting.h"
#include "ui/LanguageMenu.h"
#include "ui/Controls.h"
#include "ui/Properties.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QRadioButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QPushButton>

#include <random>
#include <set>

namespace {

class PlayTest : public AppTest {
protected:

    // Draws for a turn whose shuffle parks car order[k] in slot k (no probing needed).
    void ScriptTurn(int n, bool fromLeft, std::vector<int> order)
    {
        Script({Pick(fromLeft ? 0 : 1, 2)});
        for (int k = 0; k < n; ++k) Script({Pick(order[size_t(k)], n)});
    }

    static std::vector<double> Lefts(const GameForm* g)
    {
        std::vector<double> v;
        for (int i = 0; i < g->N(); ++i) v.push_back(Left(g->Image1(i)));
        return v;
    }

    static QString Panel(const GameForm* g, int p) { return g->StatusBar1()->Panel(p)->text(); }

};

}  // namespace

TEST_F(PlayTest, AFreshRowEqualToTheHiddenOrderIsAcceptedAtOnce)
{
    for (const bool fromLeft : {true, false}) {
        ScriptTurn(4, fromLeft, fromLeft ? std::vector<int>{0, 1, 2, 3} : std::vector<int>{3, 2, 1, 0});
        GameForm* g = OpenGame(4);
        ASSERT_EQ(g->Model().DaSinistra, fromLeft);
        g->BottoneConferma_Click();
        EXPECT_EQ(NumEsatti, 1) << fromLeft;
        EXPECT_EQ(NumErrati, 0);
        EXPECT_EQ(Panel(g, 1), MLSGetString(QStringLiteral("0002")) + " 1");
        EXPECT_FALSE(g->BottoneConferma()->isEnabled());
        EXPECT_TRUE(g->BottoneAvanti()->isEnabled());
        ASSERT_EQ(played_.size(), 1);
        EXPECT_TRUE(played_[0].contains(QStringLiteral("/suoni/si")));
        GameWindow(g->N()).Unload();
        ProcessDeletes();
        played_.clear();
    }
}

TEST_F(PlayTest, OnlyTheHiddenOrderIsAcceptedInBothDirections)
{
    for (const int n : {3, 4, 5}) {
        GameForm* g = OpenGame(n);
        for (int turn = 0; turn < 12; ++turn) {
            // A row that is off by one swap is wrong and may be confirmed again.
            SolveByDrops(g);
            g->Image1_DragDrop(0, g->Image1(1));
            g->BottoneConferma_Click();
            EXPECT_TRUE(g->BottoneConferma()->isEnabled());
            SolveByDrops(g);
            g->BottoneConferma_Click();
            EXPECT_FALSE(g->BottoneConferma()->isEnabled()) << n << " " << turn;
            g->BottoneAvanti_Click();
            EXPECT_FALSE(g->BottoneAvanti()->isEnabled());
            EXPECT_TRUE(g->BottoneConferma()->isEnabled());
        }
        EXPECT_EQ(NumEsatti, 12);
        EXPECT_EQ(NumErrati, 12);
        EXPECT_EQ(Panel(g, 2), MLSGetString(QStringLiteral("0003")) + " 12");
        GameWindow(g->N()).Unload();
        ProcessDeletes();
    }
}

TEST_F(PlayTest, TwoConfirmsOfOneWrongRowCountTwo)
{
    ScriptTurn(3, true, {1, 0, 2});
    GameForm* g = OpenGame(3);
    g->BottoneConferma_Click();
    g->BottoneConferma_Click();
    EXPECT_EQ(NumErrati, 2);
    EXPECT_EQ(NumEsatti, 0);
    EXPECT_EQ(Panel(g, 2), MLSGetString(QStringLiteral("0003")) + " 2");
    EXPECT_EQ(Panel(g, 1), MLSGetString(QStringLiteral("0002")) + " 0");
    const QString no = folder_->Path() + QStringLiteral("/suoni/no.wav");
    EXPECT_EQ(played_, QStringList({no, no}));
    EXPECT_TRUE(g->BottoneConferma()->isEnabled());
    EXPECT_FALSE(g->BottoneAvanti()->isEnabled());
}

TEST_F(PlayTest, ClearingTheCountsDuringASolvedTurnKeepsTheTurn)
{
    ScriptTurn(5, true, {0, 1, 2, 3, 4});
    GameForm* g = OpenGame(5);
    g->BottoneConferma_Click();
    const auto lefts = Lefts(g);
    g->MenuAzzera()->trigger();
    EXPECT_EQ(Panel(g, 1), MLSGetString(QStringLiteral("0002")) + " 0");
    EXPECT_EQ(Panel(g, 2), MLSGetString(QStringLiteral("0003")) + " 0");
    EXPECT_TRUE(g->BottoneAvanti()->isEnabled());
    EXPECT_FALSE(g->BottoneConferma()->isEnabled());
    EXPECT_EQ(Lefts(g), lefts);
}

TEST_F(PlayTest, WithSoundsOffTheCountsStillChange)
{
    SuoniAttivi = false;
    ScriptTurn(3, false, {2, 1, 0});
    GameForm* g = OpenGame(3);
    g->BottoneConferma_Click();
    g->BottoneAvanti_Click();
    SolveByDrops(g);
    g->Image1_DragDrop(0, g->Image1(1));  // one swap away from the answer
    g->BottoneConferma_Click();
    EXPECT_EQ(NumEsatti, 1);
    EXPECT_EQ(NumErrati, 1);
    EXPECT_TRUE(played_.isEmpty());
}

TEST_F(PlayTest, CountsStopAtTheLargest16BitValue)
{
    ScriptTurn(3, true, {0, 1, 2});
    GameForm* g = OpenGame(3);
    NumEsatti = 32767;
    NumErrati = 32767;
    g->BottoneConferma_Click();
    EXPECT_EQ(NumEsatti, 32767);
    EXPECT_EQ(Panel(g, 1), MLSGetString(QStringLiteral("0002")) + " 32767");
    g->Image1_DragDrop(0, g->Image1(1));
    g->BottoneConferma_Click();
    EXPECT_EQ(NumErrati, 32767);
    EXPECT_EQ(Panel(g, 2), MLSGetString(QStringLiteral("0003")) + " 32767");
}

TEST_F(PlayTest, SwapsMoveTheCarsOnTheScreenAsOnTheBoard)
{
    GameForm* g = OpenGame(5);
    const auto start = Lefts(g);
    g->Image1_DragDrop(2, g->Image1(2));
    EXPECT_EQ(Lefts(g), start) << "a car dropped on itself stays";
    g->Image1_DragDrop(1, g->Image1(3));
    EXPECT_NE(Lefts(g), start);
    g->Image1_DragDrop(3, g->Image1(1));
    EXPECT_EQ(Lefts(g), start) << "a on b, then b on a";
    std::mt19937 random(7);
    for (int i = 0; i < 500; ++i) g->Image1_DragDrop(int(random() % 5), g->Image1(int(random() % 5)));
    ExpectBoardShown(g);
}

TEST_F(PlayTest, OnlyCarsTakeDrops)
{
    GameForm* g = OpenGame(4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(g->Image1(i)->IsDropTarget());
        EXPECT_TRUE(g->Image1(i)->IsDraggable());
        for (int column = 2; column <= 5; ++column) {
            EXPECT_FALSE(g->Grid(column, i)->IsDropTarget());
            EXPECT_FALSE(g->Grid(column, i)->IsDraggable());
        }
    }
    for (QWidget* w : std::initializer_list<QWidget*>{g->Label1(), g->Command1(), g->BottoneConferma(), g->BottoneAvanti(), g})
        EXPECT_FALSE(w->acceptDrops());
}

TEST_F(PlayTest, AMouseDragSwapsOnlyWhenLetGoOverAnotherCar)
{
    GameForm* g = OpenGame(4);
    g->Command1_Click();  // the note pad open, its pictures under the cars
    const int labels = int(g->findChildren<QLabel*>().size());
    // Pressed on the car, moved over the target and let go there; the car gets every event, as
    // it has the mouse from the press on.
    const auto drag = [&](ImageControl* car, QWidget* over, bool escape) {
        const QPoint from = car->rect().center();
        const QPoint to = car->mapFrom(g, over->mapTo(g, over->rect().center()));
        QMouseEvent press(QEvent::MouseButtonPress, from, car->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent move(QEvent::MouseMove, to, car->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QMouseEvent release(QEvent::MouseButtonRelease, to, car->mapToGlobal(to), Qt::LeftButton, Qt::NoButton, {});
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, {});
        QApplication::sendEvent(car, &press);
        QApplication::sendEvent(car, &move);
        EXPECT_EQ(int(g->findChildren<QLabel*>().size()), labels + 1) << "the car follows the pointer";
        if (escape) QApplication::sendEvent(car, &key);
        QApplication::sendEvent(car, &release);
        EXPECT_EQ(int(g->findChildren<QLabel*>().size()), labels) << "and is gone when let go";
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    };
    const auto start = Lefts(g);
    drag(g->Image1(0), g->Label1(), false);
    drag(g->Image1(0), g->Grid(3, 1), false);
    drag(g->Image1(0), g->Image1(1), true);
    EXPECT_EQ(Lefts(g), start) << "let go over no car, or after Escape: nothing moves";
    drag(g->Image1(0), g->Image1(1), false);
    EXPECT_EQ(Left(g->Image1(0)), start[1]);
    EXPECT_EQ(Left(g->Image1(1)), start[0]);
}

TEST_F(PlayTest, TheGridListsEveryCarOncePerRowAndShowsAllAgain)
{
    for (const int n : {3, 4, 5}) {
        GameForm* g = OpenGame(n);
        const auto lefts = Lefts(g);
        const QString clue = g->Label1()->text();
        // Rows drawn: car 0 to row 1, car 1 drawn into row 1 again and then row 0, and so on.
        Script({Pick(1, n), Pick(1, n), Pick(0, n)});
        g->Command1_Click();
        std::set<qint64> rowCars;
        for (int j = 0; j < n; ++j) {
            const qint64 car = g->Grid(2, j)->Picture().cacheKey();
            rowCars.insert(car);
            EXPECT_FALSE(Tag(g->Grid(2, j)).isEmpty());
            for (int column = 2; column <= n + 1; ++column) {
                EXPECT_TRUE(g->Grid(column, j)->isVisibleTo(g));
                EXPECT_EQ(g->Grid(column, j)->Picture().cacheKey(), car);
            }
        }
        std::set<qint64> cars;
        for (int i = 0; i < n; ++i) cars.insert(g->Image1(i)->Picture().cacheKey());
        EXPECT_EQ(rowCars, cars);
        EXPECT_EQ(g->Grid(3, 1)->Picture().cacheKey(), g->Image1(0)->Picture().cacheKey());
        EXPECT_EQ(g->Grid(2, 0)->Picture().cacheKey(), g->Image1(1)->Picture().cacheKey());
        EXPECT_EQ(Tag(g->Grid(2, 0)), n == 3 ? QString::fromUtf8("riga già usata") : QStringLiteral("Immagine caricata"));

        // Clicked pictures hide one by one; "Possibilità" shows them all again, in a new order.
        g->Image_Click(2, 0);
        g->Image_Click(n + 1, n - 1);
        EXPECT_FALSE(g->Grid(2, 0)->isVisibleTo(g));
        EXPECT_FALSE(g->Grid(n + 1, n - 1)->isVisibleTo(g));
        EXPECT_TRUE(g->Grid(3, 0)->isVisibleTo(g));
        Script({Pick(n - 1, n)});
        g->Command1_Click();
        EXPECT_EQ(g->Grid(2, n - 1)->Picture().cacheKey(), g->Image1(0)->Picture().cacheKey());
        for (int j = 0; j < n; ++j)
            for (int column = 2; column <= n + 1; ++column) EXPECT_TRUE(g->Grid(column, j)->isVisibleTo(g));
        EXPECT_EQ(Lefts(g), lefts);
        EXPECT_EQ(g->Label1()->text(), clue);
        EXPECT_EQ(NumEsatti + NumErrati, 0);
        // A new turn hides and empties the grid.
        g->NuovoTurno();
        for (int j = 0; j < n; ++j) EXPECT_FALSE(g->Grid(2, j)->isVisibleTo(g));
        GameWindow(g->N()).Unload();
        ProcessDeletes();
    }
}

TEST_F(PlayTest, AnEmptyRowMarkerStillFillsEveryRowOnce)
{
    folder_->Write(QStringLiteral("Italiano.lng"), LanguageFile({{"0143", QString()}}));
    GameForm* g = OpenGame(3);
    Script({Pick(0, 3), Pick(0, 3), Pick(0, 3), Pick(1, 3), Pick(0, 3), Pick(1, 3), Pick(2, 3)});
    g->Command1_Click();
    std::set<qint64> rowCars;
    for (int j = 0; j < 3; ++j) rowCars.insert(g->Grid(2, j)->Picture().cacheKey());
    EXPECT_EQ(rowCars.size(), 3u);
    EXPECT_EQ(Tag(g->Grid(2, 0)), "Immagine caricata");
}

TEST_F(PlayTest, NoToTheLeavingQuestionChangesNothing)
{
    for (const int n : {3, 4, 5}) {
        GameForm* g = OpenGame(n);
        g->Command1_Click();
        g->Image_Click(2, 1);
        g->BottoneConferma_Click();
        const auto lefts = Lefts(g);
        const bool conferma = g->BottoneConferma()->isEnabled();
        const qint16 right = NumEsatti, wrong = NumErrati;
        answer_ = MsgResult::No;
        boxes_.clear();
        g->mnuEsci()->trigger();
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(boxes_[0].owner, g) << "the question belongs to the window that asks";
        EXPECT_EQ(boxes_[0].title, "Parcolo");
        EXPECT_EQ(boxes_[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(boxes_[0].icon, MsgIcon::Question);
        EXPECT_EQ(boxes_[0].text, QString::fromUtf8("Vuoi tornare al menu? Il turno in corso andrà perso."));
        EXPECT_TRUE(GameWindow(g->N()).IsLoaded());
        EXPECT_FALSE(FormMenu.IsLoaded());
        EXPECT_EQ(Lefts(g), lefts);
        EXPECT_EQ(g->BottoneConferma()->isEnabled(), conferma);
        EXPECT_EQ(g->BottoneAvanti()->isEnabled(), !conferma);
        EXPECT_EQ(NumEsatti, right);
        EXPECT_EQ(NumErrati, wrong);
        EXPECT_FALSE(g->Grid(2, 1)->isVisibleTo(g));
        EXPECT_TRUE(g->Grid(3, 1)->isVisibleTo(g));
        // Yes: back to the menu, which clears the counts; the game window is gone.
        answer_ = MsgResult::Yes;
        g->mnuEsci()->trigger();
        EXPECT_FALSE(GameWindow(g->N()).IsLoaded());
        EXPECT_TRUE(FormMenu.IsLoaded());
        EXPECT_EQ(NumEsatti + NumErrati, 0);
        EXPECT_EQ(endedLastForm_, 0);
        ProcessDeletes();
    }
}

TEST_F(PlayTest, TheLeavingQuestionOfEachWindowHasItsOwnKey)
{
    folder_->Write(QStringLiteral("Italiano.lng"), LanguageFile({{"0144", QStringLiteral("tre")},
                                                                 {"0172", QStringLiteral("quattro")},
                                                                 {"0031", QStringLiteral("cinque")}}));
    answer_ = MsgResult::No;
    const char* texts[] = {"tre", "quattro", "cinque"};
    for (const int n : {3, 4, 5}) {
        boxes_.clear();
        OpenGame(n)->mnuEsci_Click();
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(boxes_[0].text, texts[n - 3]);
        GameWindow(n).Unload();
        ProcessDeletes();
    }
}

TEST_F(PlayTest, HintsCrossOutUntilOnlyTheHiddenOrderIsLeftAndQuoteTheClue)
{
    for (const int n : {3, 4, 5}) {
        for (const bool fromLeft : {true, false}) {
            Script({Pick(fromLeft ? 0 : 1, 2)});
            GameForm* g = OpenGame(n);
            EXPECT_EQ(g->mnuSuggerimento()->text(), "&Suggerimento");
            const auto before = Lefts(g);
            int hints = 0;
            const QString nothingLeft = MLSGetString(QStringLiteral("0215"));
            while (g->HintText() != nothingLeft && hints <= n * n) {
                g->mnuSuggerimento()->trigger();
                ++hints;
                const QString bubble = g->HintText();
                const qsizetype open = bubble.indexOf(u'«'), close = bubble.lastIndexOf(u'»');
                if (open < 0 || close < open) continue;
                // The quoted sentences are part of the clue.
                const QString quoted = bubble.mid(open + 1, close - open - 1);
                const QString clue = g->Label1()->text().replace(QLatin1String("\r\n"), QLatin1String(" "));
                for (const QString& sentence : quoted.split(QStringLiteral(". "), Qt::SkipEmptyParts))
                    EXPECT_TRUE(clue.contains(sentence.trimmed().chopped(sentence.endsWith(u'.') ? 1 : 0)))
                        << sentence.toStdString();
            }
            EXPECT_EQ(g->HintText(), nothingLeft) << n;
            // One picture left per slot: the car the hidden order puts there.
            for (int column = 2; column <= n + 1; ++column) {
                const int slot = column - 2;
                const int position = fromLeft ? slot : n - 1 - slot;
                int left = 0;
                for (int j = 0; j < n; ++j) {
                    if (!g->Grid(column, j)->isVisibleTo(g)) continue;
                    ++left;
                    EXPECT_EQ(g->Model().CarInRow(j), position) << n << " slot " << slot;
                }
                EXPECT_EQ(left, 1) << n << " slot " << slot;
            }
            EXPECT_EQ(Lefts(g), before) << "hints move no car";
            EXPECT_EQ(NumEsatti + NumErrati, 0);
            UnloadAll();
        }
    }
}

// A generated turn plays as a classic one does: one sentence per fact, hints that cross out every
// wrong picture and quote sentences of the clue, "avanti" into a new generated turn; a language
// switch keeps its facts and writes them anew.
TEST_F(PlayTest, AGeneratedTurnIsPlayedAndHintedToTheEndAndKeepsItsFactsAcrossLanguages)
{
    folder_->CopyShipped(QStringLiteral("English.lng"));
    for (const TurnKind kind : {TurnKind::Facile, TurnKind::Medio, TurnKind::Difficile}) {
        ASSERT_TRUE(StoreTurnKind(kind));
        for (const int n : {3, 5}) {
            GameForm* g = OpenGame(n);
            ASSERT_TRUE(g->Clue().Generated()) << n;
            const std::vector<clues::Fact> facts = g->Clue().Facts();
            EXPECT_EQ(g->Label1()->text().split(QStringLiteral("\r\n")).size(), qsizetype(facts.size()));
            const QString nothingLeft = MLSGetString(QStringLiteral("0215"));
            for (int hints = 0; g->HintText() != nothingLeft && hints <= n * n; ++hints) {
                g->mnuSuggerimento_Click();
                const QString bubble = g->HintText();
                const qsizetype open = bubble.indexOf(u'«'), close = bubble.lastIndexOf(u'»');
                if (open < 0) continue;
                for (QString sentence : bubble.mid(open + 1, close - open - 1).split(QStringLiteral(". "))) {
                    if (!sentence.endsWith(u'.')) sentence += u'.';
                    EXPECT_TRUE(g->Label1()->text().split(QStringLiteral("\r\n")).contains(sentence)) << sentence.toStdString();
                }
            }
            EXPECT_EQ(g->HintText(), nothingLeft);
            for (int slot = 0; slot < n; ++slot) {
                int left = 0;
                for (int j = 0; j < n; ++j)
                    if (g->Grid(slot + 2, j)->isVisibleTo(g)) {
                        ++left;
                        EXPECT_EQ(g->Model().CarInRow(j), g->Model().PositionOfSlot(slot));
                    }
                EXPECT_EQ(left, 1) << n << " slot " << slot;
            }
            // Another language: the same facts, in its words.
            const QString italian = g->Label1()->text();
            LanguageMenu* languages = g->mnuLanguages();
            for (int k = 0; k < languages->Count(); ++k)
                if (languages->Item(k)->data() == QStringLiteral("English")) languages->Item(k)->trigger();
            EXPECT_EQ(g->Clue().Facts(), facts);
            EXPECT_NE(g->Label1()->text(), italian);
            EXPECT_EQ(g->Label1()->text().split(QStringLiteral("\r\n")).size(), qsizetype(facts.size()));
            SwitchLanguage(QStringLiteral("Italiano"));
            SolveByDrops(g);
            g->BottoneConferma_Click();
            g->BottoneAvanti_Click();
            EXPECT_TRUE(g->Clue().Generated());
            UnloadAll();
        }
    }
}

// The main menu offers the kind of turn beside the number of cars; the player's choice is kept
// in their own configuration folder and checked when the menu opens again; Classico without one.
TEST_F(PlayTest, TheMenuOffersTheKindOfTurnAndKeepsThePlayersChoice)
{
    FormMenu.Show();
    auto* menu = FormMenu.As<FormMenuWindow>();
    EXPECT_TRUE(menu->optKind(0)->isChecked());
    EXPECT_FALSE(OpenGame(4)->Clue().Generated());
    UnloadAll();
    FormMenu.Show();
    menu = FormMenu.As<FormMenuWindow>();
    menu->optKind(3)->click();
    EXPECT_EQ(ChosenTurnKind(), TurnKind::Difficile);
    EXPECT_TRUE(QFileInfo(TurnKindFile()).isFile());
    EXPECT_FALSE(TurnKindFile().startsWith(folder_->Path())) << "never in the program folder";
    UnloadAll();
    FormMenu.Show();
    EXPECT_TRUE(FormMenu.As<FormMenuWindow>()->optKind(3)->isChecked());
    EXPECT_TRUE(OpenGame(4)->Clue().Generated());
}
