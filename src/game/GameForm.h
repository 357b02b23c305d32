#pragma once
// The game window, one design for three, four and five cars (FormAuto3, FormAuto4, FormAuto5),
// built from its per-N record (game/GameTable.h).
//
// The window turns input into the board's moves and shows the board (core/Board.h): a drop, a
// key on a car and Ctrl+Z / Ctrl+Shift+Z end in moves or their undoing, a click or Space on the
// note pad in the crossing-out move, "Possibilità" in the move that opens the note pad, a hint in
// a crossing-out; the board tells the window of every change, and the window draws it anew from
// the board (game/BoardView.h). A turn is set up on the first activation after the window is
// loaded and by "avanti", never by a mere return to the window. The picked car is the window's
// own state (game/GameUi.h); the hint's bubble is game/HintBubble.h; what screen readers hear as
// things happen is game/Sayings.h.

#include "core/Board.h"
#include "game/BoardLayout.h"
#include "game/BoardView.h"
#include "game/GameTable.h"
#include "game/GameUi.h"
#include "clues/TurnCode.h"
#include "game/TurnClue.h"
#include "game/TurnRecord.h"
#include "text/TurnKindSetting.h"
#include "ui/Form.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

class Announcer;
class HintBubble;
class ImageControl;
class LanguageMenu;
class QAction;
class QButtonGroup;
class QLabel;
class QPushButton;
class QShortcut;
class StatusBarControl;

class GameForm : public Form {
    Q_OBJECT
public:
    explicit GameForm(const GameTable& table);
    ~GameForm() override;

    const GameTable& Table() const { return table_; }
    int N() const { return table_.n; }

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_LanguageChanged(const QString& language) override;

    // The kind of turn the window sets up (Classico or a level of generated clues): the menu's
    // choice when the window opened, until it is set otherwise.
    void SetKind(TurnKind kind) { kind_ = kind; }
    TurnKind Kind() const { return kind_; }

    // The turn in play, and its clue.
    const Board& Model() const { return board_; }
    const TurnClue& Clue() const { return clue_; }
    // The window's client size over its design client size: what the board's places are scaled by.
    WindowScale Scale() const { return view_->Scale(); }
    std::array<QString, 11> NomeColore;

    void NuovoTurno();
    // A turn given whole (a turn's code): its direction, colours and clue; the cars are shuffled
    // as in every turn. "avanti" then goes on with new turns of its kind.
    void PlayTurn(const clues::Turn& turn);
    // The turn in play, as its code names it.
    clues::Turn CurrentTurn() const;
    void LeggiColoriAuto();
    void CaricaImmagini();
    // Writes the clue of the turn's pattern with the current colour names and texts.
    void GeneraFrase();

    // Play.
    // A car (Source) dropped on car Index: the two change places.
    void Image1_DragDrop(int Index, QObject* Source);
    // Image2_Click .. Image6_Click: one handler for every grid column; crosses the picture out.
    void Image_Click(int column, int Index);
    void Command1_Click();          // "Possibilità": the note pad drawn afresh and shown
    void BottoneConferma_Click();   // judge the row
    void BottoneAvanti_Click();     // next turn
    void MenuAzzera_Click();        // counts to zero
    void mnuEsci_Click();           // ask, then back to the menu
    // "Suggerimento": the note pad (opened first if it is not) loses one picture that the clue
    // rules out, the simplest such deduction first, and the bubble quotes the sentence(s) that
    // rule it out; when nothing is left to cross out, the bubble says so. No count, no car moves.
    void mnuSuggerimento_Click();
    // "Codice": the turn's code, shown and copied to the clipboard.
    void mnuCode_Click();
    // The bubble's text ("" when none is shown).
    QString HintText() const;

    // Keyboard play: Space or Return on a car picks it up, on another car drops it there
    // (the swap of Image1_DragDrop), on the same car puts it back; Escape puts it back.
    void Image1_Click(int car);
    void Undo();  // Ctrl+Z: the last move of the turn taken back
    void Redo();  // Ctrl+Shift+Z, Ctrl+Y: the last move taken back made again
    int PickedCar() const { return ui_.picked; }
    // The car standing in slot k.
    ImageControl* CarInSlot(int k) const { return Image1(board_.CarInSlot(k)); }
    // What screen readers heard last: a judgement, a hint, a move, a new turn.
    QString LastAnnouncement() const;

    // Controls.
    ImageControl* Image1(int i) const { return w_.cars[size_t(i)]; }
    // Picture j of grid column K (K = 2 .. N+1).
    ImageControl* Grid(int column, int j) const { return w_.grid[size_t(column - 2)][size_t(j)]; }
    QLabel* Label1() const { return w_.clue; }
    QLabel* Label2(int k) const { return label2_[size_t(k)]; }
    QLabel* Label3(int k) const { return label3_[size_t(k)]; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* BottoneConferma() const { return conferma_; }
    QPushButton* BottoneAvanti() const { return avanti_; }
    StatusBarControl* StatusBar1() const { return statusBar_; }
    QAction* MenuAzzera() const { return menuAzzera_; }
    QAction* mnuEsci() const { return mnuEsci_; }
    QAction* mnuSuggerimento() const { return mnuSuggerimento_; }
    QAction* mnuCode() const { return mnuCode_; }
    // The language menu: a language picked here switches every window, this turn's clue included.
    LanguageMenu* mnuLanguages() const { return languages_; }

signals:
    // "Esci" answered with Yes: the main menu is to be shown; the window then unloads itself.
    void BackToMenu();
    // An answer judged right or wrong, after it is counted: its sound is to be played.
    void RightAnswer();
    void WrongAnswer();

protected:
    // The turn's time runs while the window is active and not minimised.
    void changeEvent(QEvent* e) override;

private:
    // Makes the controls of one row of the window's record.
    void AddControls(const ControlRow& row);
    // Connects input to the handlers, each one action of the window (Form::RunAction).
    void WireInput();
    // The turn set up (drawn or given) is shown: pictures, clue, buttons, focus, and told.
    void StartTurn();
    // The board changed: everything it shows is drawn anew.
    void Redraw();
    // The texts the view draws with, in the current language.
    void ReadTexts();
    // Panel 1: the word of key "0002" and the right answers; panel 2: key "0003" and the wrong
    // ones; panel 3: its arrow and the word of key "0230".
    void ShowCounts();
    // Alt+P, Alt+C, Alt+A for the buttons whose caption gives no accelerator of its own.
    void ButtonAccessKeys();
    void Pick(int car);
    // After a picture of the note pad is crossed out: the nearest one left in its column, else its car.
    void FocusAfterHide(int column, int row);
    // Tells screen readers what a move (made, undone or redone) did.
    void SayMove(const Board::Move& move, bool undone);
    QString ColourOf(int car) const;
    int PlaceOf(int car) const;  // its place, 1 to N, counted in the turn's direction

    const GameTable& table_;
    Board board_;
    TurnClue clue_;
    TurnKind kind_ = TurnKind::Classico;  // chosen in the menu when the window opened
    BoardWidgets w_;
    std::unique_ptr<BoardView> view_;
    GameUi ui_;
    QButtonGroup* pictures_ = nullptr;  // cars and note pad: the arrow keys walk them by place
    std::vector<QLabel*> label2_;
    std::vector<QLabel*> label3_;
    QPushButton* command1_ = nullptr;
    QPushButton* conferma_ = nullptr;
    QPushButton* avanti_ = nullptr;
    StatusBarControl* statusBar_ = nullptr;
    QAction* menuAzzera_ = nullptr;
    QAction* mnuEsci_ = nullptr;
    QAction* mnuSuggerimento_ = nullptr;
    QAction* mnuCode_ = nullptr;
    LanguageMenu* languages_ = nullptr;
    std::unique_ptr<HintBubble> bubble_;
    TurnRecord record_;                           // the turn's part of the player's statistics
    Announcer* announcer_ = nullptr;              // what screen readers hear as things happen
    std::array<QShortcut*, 3> accessKeys_{};      // Alt+P, Alt+C, Alt+A
};
