#pragma once
// The game window, one design for three, four and five cars (FormAuto3, FormAuto4, FormAuto5).
//
// The window is a view of its board (core/Board.h): after every change, and on every resize or
// activation, it places the cars Image1(i), the invisible slot markers Label2(k), Label3(k) and
// the note pad where their slots put them at the window's scale (game/BoardLayout.h); they are
// not the resizer's. The window is built from its per-N record (game/GameTable.h). A turn is set
// up on the first activation after the window is loaded and by "avanti", never by a mere return
// to the window.
//
// Input is turned into the turn's moves: a drop, a key on a car and Ctrl+Z all end in the one
// swap of Image1_DragDrop (or its undo), a click or Space on the note pad in the one hide of
// Image_Click.

#include "core/Board.h"
#include "game/BoardLayout.h"
#include "game/GameTable.h"
#include "ui/Form.h"

#include <QHash>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class Announcer;
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

    const GameTable& Table() const { return table_; }
    int N() const { return table_.n; }

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_LanguageChanged(const QString& language) override;

    // The turn in play.
    const Board& Modello() const { return board_; }
    // The window's client size over its design client size: what the board's places are scaled by.
    WindowScale Scale() const;
    std::array<QString, 11> NomeColore;

    void NuovoTurno();
    void LeggiColoriAuto();
    void CaricaImmagini();
    // Writes the clue of the turn's pattern with the current colour names and texts.
    void GeneraFrase();

    // Play.
    // A car (Source) dropped on car Index: the two change places.
    void Image1_DragDrop(int Index, QObject* Source);
    // Image2_Click .. Image6_Click: one handler for every grid column; hides the clicked picture.
    void Image_Click(int column, int Index);
    void Command1_Click();          // "Possibilità": fill the grid afresh and show it
    void BottoneConferma_Click();   // judge the row
    void BottoneAvanti_Click();     // next turn
    void MenuAzzera_Click();        // counts to zero
    void mnuEsci_Click();           // ask, then back to the menu
    // "Suggerimento": the note pad (filled first if hidden) loses one picture that the clue rules
    // out, the simplest such deduction first, and a bubble beside it quotes the sentence(s) that
    // rule it out; when nothing is left to cross out, the bubble says so. No count, no car moves.
    void mnuSuggerimento_Click();
    // The bubble's text ("" when none is shown).
    QString Suggerimento() const;

    // Keyboard play: Space or Return on a car picks it up, on another car drops it there
    // (the swap of Image1_DragDrop), on the same car puts it back; Escape puts it back.
    void Image1_Click(int car);
    void UndoSwap();                // Ctrl+Z: the last swap of this turn taken back
    int PickedCar() const { return picked_; }
    // What screen readers heard last: a judgement, a hint, a move, a new turn.
    QString LastAnnouncement() const;
    // The car standing in slot k.
    ImageControl* CarInSlot(int k) const { return Image1(board_.CarInSlot(k)); }

    // Controls.
    ImageControl* Image1(int i) const { return cars_[size_t(i)]; }
    // Picture j of grid column K (K = 2 .. N+1).
    ImageControl* Grid(int column, int j) const { return grid_[size_t(column - 2)][size_t(j)]; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2(int k) const { return label2_[size_t(k)]; }
    QLabel* Label3(int k) const { return label3_[size_t(k)]; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* BottoneConferma() const { return conferma_; }
    QPushButton* BottoneAvanti() const { return avanti_; }
    StatusBarControl* StatusBar1() const { return statusBar_; }
    QAction* MenuAzzera() const { return menuAzzera_; }
    QAction* mnuEsci() const { return mnuEsci_; }
    QAction* mnuSuggerimento() const { return mnuSuggerimento_; }
    // The language menu: a language picked here switches every window, this turn's clue included.
    LanguageMenu* mnuLanguages() const { return languages_; }

signals:
    // "Esci" answered with Yes: the main menu is to be shown; the window then unloads itself.
    void Uscita();
    // An answer judged right or wrong, after it is counted: its sound is to be played.
    void RispostaEsatta();
    void RispostaErrata();

private:
    // Panel 1: the word of key "0002" and the right answers; panel 2: key "0003" and the wrong
    // ones; panel 3: its arrow and the word of key "0230".
    void ShowCounts();
    QString ColourKey(int colour) const;
    // Makes the controls of one row of the window's record.
    void AddControls(const ControlRow& row);
    // Cars, markers and note pad where their slots put them at the window's scale.
    void PlaceBoard();
    // Shows the board: places, the note pad's pictures and markers; keyboard order and names follow.
    void Mostra();
    // Tab and screen readers go through the cars and the note pad in the turn's reading order.
    void FollowTheRow();
    // Screen-reader names of the pictures (the colour's name and the place counted in the turn's
    // direction) and the direction itself; tool tips: the colour's name and the file's own text.
    void NameThePictures();
    // The texts the pictures' names are made of, read again with every language.
    void LeggiTestiImmagini();
    void ShowBubble(const QString& text, const QWidget* column);
    // Alt+P, Alt+C, Alt+A for the buttons whose caption gives no accelerator of its own.
    void AcceleratoriBottoni();
    void Pick(int car);
    // Screen readers hear that cars a and b changed places, and where each stands now.
    void SaySwapped(int a, int b);
    QString ColourOf(int car) const;
    int PlaceOf(int car) const;  // its place, 1 to N, counted in the turn's direction
    // Says which car picture is missing, once in the program's run.
    void TellMissingPicture();
    static bool& MissingPictureTold();
    // After a picture of the note pad is crossed out: the nearest one left in its column, else its car.
    void FocusAfterHide(int column, int row);

    const GameTable& table_;
    Board board_;
    std::vector<ImageControl*> cars_;
    std::vector<std::vector<ImageControl*>> grid_;
    QButtonGroup* pictures_ = nullptr;  // cars and note pad: the arrow keys walk them by place
    QLabel* label1_ = nullptr;
    std::vector<QLabel*> label2_;
    std::vector<QLabel*> label3_;
    QPushButton* command1_ = nullptr;
    QPushButton* conferma_ = nullptr;
    QPushButton* avanti_ = nullptr;
    StatusBarControl* statusBar_ = nullptr;
    QAction* menuAzzera_ = nullptr;
    QAction* mnuEsci_ = nullptr;
    QAction* mnuSuggerimento_ = nullptr;
    LanguageMenu* languages_ = nullptr;
    QLabel* bubble_ = nullptr;
    Announcer* announcer_ = nullptr;  // what screen readers hear as things happen
    QString carName_, gridName_;              // "%1, posto %2", "%1, sotto il posto %2"
    QString fromLeft_, fromRight_;            // how the places are counted, told to screen readers
    QHash<const QWidget*, QString> ownToolTips_;  // the language file's tool tips of the pictures
    std::array<QShortcut*, 3> accelerators_{};  // Alt+P, Alt+C, Alt+A
    bool turnStarted_ = false;
    int picked_ = -1;  // the car picked up with the keyboard
    QString missingPicture_;  // the first car picture found missing, to tell the player
};
