// Playing without a mouse, undoing swaps, and the names screen readers get.

#include "app/FormAvvio.h"
#include "app/FormInfo.h"
#include "app/FormMenu.h"
#include "app/Instances.h"
#include "core/Score.h"
#include "game/GameForm.h"
#include "support/AppFixture.h"
#include "text/TextLookup.h"
#include "ui/Controls.h"
#include "ui/Properties.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class KeyboardTest : public AppTest {
protected:
    // A key pressed and released where the window's focus is, shortcuts included.
    static void Press(GameForm* g, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        // Shortcuts and the arrow keys between pictures need the window to be the active one.
        if (QApplication::activeWindow() != g) QApplication::setActiveWindow(g);
        QWidget* target = g->focusWidget() ? g->focusWidget() : g;
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    static std::vector<double> Lefts(const GameForm* g)
    {
        std::vector<double> v;
        for (int i = 0; i < g->N(); ++i) v.push_back(Left(g->Image1(i)));
        return v;
    }
    static QString Name(QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); }
    static QString Description(QObject* o)
    {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Description);
    }
    // Everything a screen reader finds in a window, depth first, in the order the window gives it.
    static std::vector<QAccessibleInterface*> Exposed(QObject* window)
    {
        std::vector<QAccessibleInterface*> out{QAccessible::queryAccessibleInterface(window)};
        for (size_t k = 0; k < out.size(); ++k) {
            std::vector<QAccessibleInterface*> children;
            for (int c = 0; c < out[k]->childCount(); ++c)
                if (QAccessibleInterface* child = out[k]->child(c)) children.push_back(child);
            out.insert(out.begin() + std::ptrdiff_t(k) + 1, children.begin(), children.end());
        }
        return out;
    }
    static QString Colour(const GameForm* g, int car)
    {
        return g->NomeColore[size_t(g->Model().ColoreAuto[size_t(car)])];
    }
};

}  // namespace

TEST_F(KeyboardTest, SpaceRightSpaceSwapsTwoCarsLikeADrop)
{
    Script({Pick(0, 2)});  // counted from the left: the focus starts on the leftmost car
    GameForm* g = OpenGame(4);
    ImageControl* first = g->CarInSlot(0);
    ImageControl* second = g->CarInSlot(1);
    EXPECT_EQ(g->focusWidget(), first);
    Press(g, Qt::Key_Space);
    EXPECT_TRUE(first->IsPicked());
    Press(g, Qt::Key_Right);
    EXPECT_EQ(g->focusWidget(), second);
    Press(g, Qt::Key_Return);
    EXPECT_EQ(g->CarInSlot(0), second);
    EXPECT_EQ(g->CarInSlot(1), first);
    EXPECT_EQ(g->PickedCar(), -1);
    EXPECT_FALSE(first->IsPicked());
    EXPECT_EQ(g->focusWidget(), first) << "the focus stays on the slot";
    // Tab goes on in slot order, also after the swap.
    for (int k = 0; k + 1 < 4; ++k) EXPECT_EQ(g->CarInSlot(k)->nextInFocusChain(), g->CarInSlot(k + 1)) << k;
    Press(g, Qt::Key_Left);
    Press(g, Qt::Key_Left);  // no slot left of the first
    EXPECT_EQ(g->focusWidget(), second);
}

TEST_F(KeyboardTest, EscapeDropsThePickAndNothingMoves)
{
    Script({Pick(0, 2)});
    GameForm* g = OpenGame(5);
    const auto before = Lefts(g);
    Press(g, Qt::Key_Space);
    Press(g, Qt::Key_Right);
    Press(g, Qt::Key_Right);
    Press(g, Qt::Key_Escape);
    EXPECT_EQ(g->PickedCar(), -1);
    Press(g, Qt::Key_Space);  // a new pick, then the same car again: dropped
    Press(g, Qt::Key_Space);
    EXPECT_EQ(g->PickedCar(), -1);
    EXPECT_EQ(Lefts(g), before);
}

TEST_F(KeyboardTest, TheGridIsWalkedAndCrossedOutWithKeys)
{
    GameForm* g = OpenGame(3);
    Press(g, Qt::Key_P, Qt::AltModifier);  // "&Possibilità": a button shows itself pressed, then clicks
    QTRY_VERIFY(g->Grid(2, 0)->isVisibleTo(g));
    g->CarInSlot(0)->setFocus();
    Press(g, Qt::Key_Down);
    EXPECT_EQ(g->focusWidget(), g->Grid(2, 0));
    Press(g, Qt::Key_Space);  // the same handler as a click
    EXPECT_FALSE(g->Grid(2, 0)->isVisibleTo(g));
    EXPECT_EQ(g->focusWidget(), g->Grid(2, 1));
    Press(g, Qt::Key_Right);
    EXPECT_EQ(g->focusWidget(), g->Grid(3, 1));
    Press(g, Qt::Key_Up);
    EXPECT_EQ(g->focusWidget(), g->Grid(3, 0));
    Press(g, Qt::Key_Up);
    EXPECT_EQ(g->focusWidget(), g->CarInSlot(1));
    // Going down the first column skips the hidden picture.
    g->CarInSlot(0)->setFocus();
    Press(g, Qt::Key_Down);
    EXPECT_EQ(g->focusWidget(), g->Grid(2, 1));
}

// Ctrl+Z takes back every move of the turn, whatever made it: a drop, the note pad opened, a
// picture crossed out by a click or by a hint; Ctrl+Shift+Z and Ctrl+Y make them again. A new
// move drops what could be redone; a new turn and "avanti" start a new history.
TEST_F(KeyboardTest, UndoAndRedoWalkEveryMoveOfTheTurnBothWays)
{
    GameForm* g = OpenGame(5);
    // What the player sees of the turn: where the cars stand, which note-pad pictures show.
    const auto seen = [g] {
        std::vector<double> v = Lefts(g);
        for (int column = 2; column <= 6; ++column)
            for (int j = 0; j < 5; ++j) v.push_back(g->Grid(column, j)->isVisibleTo(g));
        return v;
    };
    std::vector<std::vector<double>> states{seen()};
    g->Image1_DragDrop(0, g->Image1(3));
    states.push_back(seen());
    g->Command1_Click();
    states.push_back(seen());
    g->Image_Click(4, 2);
    states.push_back(seen());
    g->Image1_DragDrop(2, g->Image1(2));  // no swap: no move
    g->mnuSuggerimento_Click();
    states.push_back(seen());
    ASSERT_NE(states[4], states[3]) << "the hint crossed a picture out";
    for (int k = 3; k >= 0; --k) {
        Press(g, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(seen(), states[size_t(k)]) << "undo to " << k;
    }
    Press(g, Qt::Key_Z, Qt::ControlModifier);  // nothing left to undo
    EXPECT_EQ(seen(), states[0]);
    for (int k = 1; k <= 4; ++k) {
        Press(g, k % 2 ? Qt::Key_Z : Qt::Key_Y, k % 2 ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        EXPECT_EQ(seen(), states[size_t(k)]) << "redo to " << k;
    }
    // Two back, a new move: nothing to redo.
    Press(g, Qt::Key_Z, Qt::ControlModifier);
    Press(g, Qt::Key_Z, Qt::ControlModifier);
    g->Image1_DragDrop(1, g->Image1(4));
    const auto afterNew = seen();
    Press(g, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(seen(), afterNew);
    // A new turn, and "avanti" after a right answer, start with no history.
    for (const bool next : {false, true}) {
        g->Image1_DragDrop(0, g->Image1(1));
        if (next) {
            SolveByDrops(g);
            g->BottoneConferma_Click();
            g->BottoneAvanti_Click();
        } else {
            g->NuovoTurno();
        }
        const auto fresh = seen();
        Press(g, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(seen(), fresh) << next;
    }
}

TEST_F(KeyboardTest, AltKeysPressTheButtonsUnlessTheLanguageHasItsOwn)
{
    // The built-in Alt+P, Alt+C, Alt+A, for captions without "&" (a language file of old).
    QByteArray italian = folder_->Read(QStringLiteral("Italiano.lng"));
    folder_->Write(QStringLiteral("Italiano.lng"), italian.replace("&", ""));
    Script({Pick(0, 2), Pick(0, 3), Pick(1, 3), Pick(2, 3)});
    GameForm* g = OpenGame(3);
    ASSERT_EQ(g->BottoneConferma()->text(), "Conferma");
    Press(g, Qt::Key_A, Qt::AltModifier);  // "avanti" is off: nothing
    EXPECT_FALSE(g->BottoneAvanti()->isEnabled());
    Press(g, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(NumEsatti, 1);
    Press(g, Qt::Key_A, Qt::AltModifier);
    EXPECT_FALSE(g->BottoneAvanti()->isEnabled());
    EXPECT_TRUE(g->BottoneConferma()->isEnabled());
    // A caption with "&" brings its own accelerator, and Alt+C no longer stands for it.
    g->BottoneConferma()->setText(QStringLiteral("&Verifica"));
    Press(g, Qt::Key_C, Qt::AltModifier);
    QTest::qWait(150);  // longer than a button's pressed look before its click
    EXPECT_EQ(NumEsatti + NumErrati, 1);
    Press(g, Qt::Key_V, Qt::AltModifier);
    QTRY_COMPARE(NumEsatti + NumErrati, 2);
}

TEST_F(KeyboardTest, CarsPicturesButtonsAndTextsHaveNames)
{
    Script({Pick(0, 2), Pick(2, 3), Pick(0, 3), Pick(0, 3), Pick(0, 10), Pick(1, 10), Pick(2, 10)});
    GameForm* g = OpenGame(3);
    // Car 2 (verde) stands in slot 1, car 0 (rossa) in slot 2, car 1 (blu) in slot 3.
    // Names are the file's: key 0212 with the colour and the place, 0213 for the note pad.
    const auto car = [](const char* colour, int place) { return MLSGetString("0212").arg(QString::fromUtf8(colour)).arg(place); };
    const auto pad = [](const char* colour, int place) { return MLSGetString("0213").arg(QString::fromUtf8(colour)).arg(place); };
    EXPECT_EQ(Name(g->Image1(0)), car("rossa", 2));
    EXPECT_EQ(Name(g->Image1(1)), car("blu", 3));
    EXPECT_EQ(Name(g->Image1(2)), car("verde", 1));
    g->Image1_DragDrop(0, g->Image1(2));
    EXPECT_EQ(Name(g->Image1(0)), car("rossa", 1));
    EXPECT_EQ(Name(g->Image1(2)), car("verde", 2));
    EXPECT_EQ(Name(g->Label1()), g->Label1()->text().replace("\r\n", " ").trimmed());
    EXPECT_FALSE(Name(g->Label1()).isEmpty());
    EXPECT_EQ(Name(g->StatusBar1()->Panel(1)), MLSGetString("0002") + " 0");
    EXPECT_EQ(Name(g->BottoneConferma()), "Conferma");
    Script({Pick(2, 3), Pick(0, 3), Pick(1, 3)});
    g->Command1_Click();
    EXPECT_EQ(Name(g->Grid(4, 2)), pad("rossa", 3));
    EXPECT_EQ(Name(g->Grid(2, 0)), pad("blu", 1));
}

TEST_F(KeyboardTest, ScreenReadersMeetTheRowInTheTurnsReadingOrder)
{
    for (const bool fromLeft : {true, false}) {
        Script({Pick(fromLeft ? 0 : 1, 2)});
        GameForm* g = OpenGame(4);
        g->Image1_DragDrop(0, g->Image1(3));  // the order follows the swaps
        g->Command1_Click();
        const Board& t = g->Model();
        QStringList cars, pad, carsRead, padRead;
        for (QAccessibleInterface* i : Exposed(g)) {
            const QString control = i->object() ? i->object()->objectName() : QString();
            EXPECT_TRUE(control != "Label2" && control != "Label3") << "a slot marker is never shown";
            if (control == "Image1") cars << i->text(QAccessible::Name);
            else if (control.startsWith("Image")) pad << i->text(QAccessible::Name);
        }
        // Place 1 is the first place in the turn's direction; the note pad row by row the same way.
        for (int p = 0; p < 4; ++p) carsRead << MLSGetString("0212").arg(Colour(g, t.CarInSlot(t.SlotOfPosition(p)))).arg(p + 1);
        for (int j = 0; j < 4; ++j)
            for (int p = 0; p < 4; ++p) padRead << MLSGetString("0213").arg(Colour(g, t.CarInRow(j))).arg(p + 1);
        EXPECT_EQ(cars.join(" | ").toStdString(), carsRead.join(" | ").toStdString()) << fromLeft;
        EXPECT_EQ(pad.join(" | ").toStdString(), padRead.join(" | ").toStdString()) << fromLeft;
        // The direction is told with the clue and with every car.
        const QString direction = Description(g->Label1());
        EXPECT_TRUE(direction.contains(fromLeft ? "sinistra" : "destra")) << direction.toStdString();
        EXPECT_FALSE(direction.contains(fromLeft ? "destra" : "sinistra")) << direction.toStdString();
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Description(g->Image1(i)), direction) << i;
        // Tab runs the same way: through the places in reading order.
        for (int p = 0; p + 1 < 4; ++p)
            EXPECT_EQ(g->CarInSlot(t.SlotOfPosition(p))->nextInFocusChain(), g->CarInSlot(t.SlotOfPosition(p + 1))) << p;
        UnloadAll();
    }
}

TEST_F(KeyboardTest, NoNameEndsInBlanksOrHoldsAStandInForAPicture)
{
    const auto check = [](Form* form) {
        for (QAccessibleInterface* i : Exposed(form)) {
            const QString name = i->text(QAccessible::Name);
            const QString control = i->object() ? i->object()->objectName() : QString();
            EXPECT_EQ(name.toStdString(), name.trimmed().toStdString()) << form->objectName().toStdString() << " " << control.toStdString();
            EXPECT_FALSE(name.contains(QChar::ObjectReplacementCharacter)) << control.toStdString();
        }
    };
    FormAvvio.Show();
    check(FormAvvio.Instance());
    FormMenu.Show();
    FormMenu.As<FormMenuWindow>()->mnuabout_Click();
    check(FormInfo.Load());
    for (const int n : {3, 4, 5}) check(OpenGame(n));
    check(FormMenu.Load());
}

TEST_F(KeyboardTest, TheStartScreenAndTheMenuWorkWithTabAndReturn)
{
    FormAvvio.Show();
    auto* avvio = FormAvvio.Instance();
    QWidget* start = avvio->ControlAs<QWidget>(QStringLiteral("Command1"));
    start->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(start, &enter);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(start, &release);
    ASSERT_TRUE(FormMenu.IsLoaded());
    EXPECT_FALSE(FormAvvio.IsLoaded());
    auto* menu = FormMenu.As<FormMenuWindow>();
    // Tab runs down the buttons in their order on the screen.
    EXPECT_EQ(menu->Command4()->nextInFocusChain(), menu->Command2());
    EXPECT_EQ(menu->Command2()->nextInFocusChain(), menu->Command3());
    menu->Command3()->setFocus();
    QCoreApplication::sendEvent(menu->Command3(), &enter);
    QCoreApplication::sendEvent(menu->Command3(), &release);
    EXPECT_TRUE(FormAuto5.IsLoaded());
}

TEST_F(KeyboardTest, TheFocusStartsOnTheFirstPlaceOfTheTurnsDirection)
{
    for (const bool fromLeft : {true, false}) {
        Script({Pick(fromLeft ? 0 : 1, 2)});
        GameForm* g = OpenGame(5);
        EXPECT_EQ(g->focusWidget(), g->CarInSlot(fromLeft ? 0 : 4)) << fromLeft;
        UnloadAll();
    }
}

// A screen reader hears what happens where no move of the focus says it: a car picked up, put
// back or swapped (by keys, a drop or an undo), the judgement with the new counts, a hint with
// what it crossed out and its sentence, a new turn with the direction and the clue. Each in the
// language file's words, where the file has them.
TEST_F(KeyboardTest, ScreenReadersHearEveryMoveTheJudgementTheHintAndANewTurn)
{
    folder_->Write(QStringLiteral("Italiano.lng"),
                   LanguageFile({{"0032", "rossa"}, {"0033", "blu"}, {"0034", "verde"}, {"0145", "rossa"}, {"0146", "blu"},
                                 {"0147", "verde"}, {"0216", "da sinistra."}, {"0214", "«%1»"},
                                 {"0243", "giusto %1/%2"}, {"0244", "sbagliato %1/%2"}, {"0245", "turno: %1 %2"},
                                 {"0246", "presa %1 al %2"}, {"0247", "lasciata %1 al %2"},
                                 {"0248", "%1 al %2, %3 al %4"}, {"0249", "esclusa %1 dal %2: %3"}}));
    // Counted from the left: car 2 (verde) in place 1, car 0 (rossa) in 2, car 1 (blu) in 3.
    Script({Pick(0, 2), Pick(2, 3), Pick(0, 3), Pick(0, 3), Pick(0, 10), Pick(1, 10), Pick(2, 10)});
    GameForm* g = OpenGame(3);
    const auto Heard = [g] { return g->LastAnnouncement().toStdString(); };
    EXPECT_EQ(Heard(), ("turno: da sinistra. " + g->Label1()->accessibleName()).toStdString());
    g->Image1_Click(0);
    EXPECT_EQ(Heard(), "presa rossa al 2");
    g->Image1_Click(0);
    EXPECT_EQ(Heard(), "lasciata rossa al 2");
    g->Image1_Click(0);
    g->Image1_Click(2);
    EXPECT_EQ(Heard(), "rossa al 1, verde al 2");
    g->Undo();
    EXPECT_EQ(Heard(), "rossa al 2, verde al 1");
    g->Image1_DragDrop(1, g->Image1(0));
    EXPECT_EQ(Heard(), "rossa al 3, blu al 2");
    g->BottoneConferma_Click();
    EXPECT_EQ(Heard(), "sbagliato 0/1");
    g->mnuSuggerimento_Click();
    EXPECT_TRUE(g->LastAnnouncement().startsWith("esclusa ")) << g->LastAnnouncement().toStdString();
    EXPECT_TRUE(g->LastAnnouncement().endsWith(": " + g->HintText())) << g->LastAnnouncement().toStdString();
    SolveByDrops(g);
    g->BottoneConferma_Click();
    EXPECT_EQ(Heard(), "giusto 1/1");
}
