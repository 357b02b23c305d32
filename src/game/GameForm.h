#pragma once
// The game window, one design for three, four and five cars (FormAuto3, FormAuto4, FormAuto5).
//
// Car i (picture Image1(i)) has the colour ColoreAuto(i) and belongs at position i of the hidden
// order. A car's slot is nothing but its horizontal coordinate: slot k lies at
// XPrimoPosto + k * DistanzaPosti. When DaSinistra is True position p is slot p, otherwise slot
// N-1-p. The invisible markers Label2(k) and Label3(N-1-k) stand on slot k.

#include "forms/Form.h"
#include "game/GameTable.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

class ImageControl;
class QAction;
class QKeyEvent;
class QLabel;
class QPushButton;
class StatusBarControl;

// The caption the game window writes for clue pattern `pattern` of n cars, with colour(k) the
// colour name of car k: the start-up words and the texts of the current language file.
QString ClueText(int n, int pattern, const std::function<QString(int car)>& colour);

class GameForm : public Form {
    Q_OBJECT
public:
    explicit GameForm(const GameTable& table);

    const GameTable& Table() const { return table_; }
    int N() const { return table_.n; }

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;

    void NuovoTurno();
    void LeggiColoriAuto();
    void ScombiccheraPosti();
    void CaricaImmagini();
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

    // Keyboard play: every key ends in the same handlers as the mouse (the swap of
    // Image1_DragDrop, the hide of Image_Click, the buttons' clicks).
    void CarKey(int car, QKeyEvent* event);
    void GridKey(int column, int row, QKeyEvent* event);
    // Undoes the last swap of this turn with another swap.
    void UndoSwap();
    int PickedCar() const { return picked_; }
    // The car standing in slot k, or nullptr.
    ImageControl* CarInSlot(int k) const;
    int SlotOfCar(int car) const;

    // The turn's state.
    std::array<qint16, 5> ColoreAuto{};
    std::array<QString, 11> NomeColore;
    bool DaSinistra = true;
    int XPrimoPosto = 0;
    int DistanzaPosti = 0;

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

    // The slot coordinate of slot k.
    int SlotX(int k) const { return XPrimoPosto + k * DistanzaPosti; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Panel 1: the word of key "0002" and the right answers; panel 2: key "0003" and the wrong ones.
    void ShowCounts();
    QString ColourKey(int colour) const;
    // The text that marks a grid row as filled; never empty, or one car could fill two rows.
    QString RowMarker() const;
    // Keyboard and screen readers follow the row: Tab goes from car to car in slot order,
    // every picture is named by its colour and place.
    void FollowTheRow();
    void Pick(int car);
    // The nearest visible grid picture from (column, row) going (dc, dr), or nullptr.
    ImageControl* GridNeighbour(int column, int row, int dc, int dr) const;

    const GameTable& table_;
    std::vector<ImageControl*> cars_;
    std::vector<std::vector<ImageControl*>> grid_;
    QLabel* label1_ = nullptr;
    std::vector<QLabel*> label2_;
    std::vector<QLabel*> label3_;
    QPushButton* command1_ = nullptr;
    QPushButton* conferma_ = nullptr;
    QPushButton* avanti_ = nullptr;
    StatusBarControl* statusBar_ = nullptr;
    QAction* menuAzzera_ = nullptr;
    QAction* mnuEsci_ = nullptr;
    bool turnStarted_ = false;
    int picked_ = -1;                            // the car picked up with the keyboard
    std::vector<std::pair<int, int>> swaps_;     // this turn's swaps, for undo
    bool undoing_ = false;
    std::array<int, 5> rowCar_{};                // the car each grid row shows
};
