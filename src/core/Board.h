#pragma once
// The board of one game window's turn, without any window: the hidden order, the reading
// direction, which car stands in which slot, the clue pattern, the note pad and undo.
//
// The board knows no coordinates. Slot k is the k-th parking place from the left; the cars stand
// in the slots as a permutation, so every slot always holds exactly one car. Before the first
// turn car i stands in slot i (the design layout). Position p of the hidden order is slot p when
// the turn counts from the left and slot N-1-p when it counts from the right; the one row
// accepted is car k in the slot of position k.
//
// Every draw is RndInt() in the order the game has always made them: the direction, the
// shuffle, the colours, the clue pattern; the note pad draws its rows when it is filled.

#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class Board {
public:
    static constexpr int kMaxCars = 5;

    explicit Board(int n);
    int N() const { return n_; }

    // The hidden order: car i has colour ColoreAuto[i] (1..10) and belongs at position i.
    std::array<qint16, kMaxCars> ColoreAuto{};
    // Positions counted from the left (position p is slot p) or from the right (slot N-1-p).
    bool DaSinistra = true;
    // The clue pattern of the turn, or -1 before the first turn.
    int Schema = -1;

    int SlotOfCar(int car) const { return slotOfCar_[size_t(car)]; }
    int CarInSlot(int slot) const;
    // The slot where position p of the hidden order lies in this turn's direction.
    int SlotOfPosition(int position) const { return DaSinistra ? position : n_ - 1 - position; }
    // The position of the hidden order that slot k stands for (the same mapping: it is its own inverse).
    int PositionOfSlot(int slot) const { return SlotOfPosition(slot); }

    // A new turn: direction, an empty and hidden note pad, the shuffle, the colours, the clue
    // pattern out of `patterns`.
    void NuovoTurno(int patterns);
    // Every car in a slot of its own, slot 0 first: a random car, or the next one not yet placed
    // (linear probing, from the last car on to car 0).
    void ScombiccheraPosti();
    // Car `index` and car `source` change slots (a drop of source on index). A swap of two
    // different cars can be undone.
    void Scambia(int index, int source);
    // Takes the last swap of the turn back: the two cars, or nothing when there is none.
    std::optional<std::pair<int, int>> Annulla();
    // True when car k stands in the slot of position k, for every car: the hidden order in the
    // turn's direction.
    bool Giudica() const;

    // The note pad: row j shows car RigaAuto(j) under every slot (-1: empty), and the row's marker.
    int RigaAuto(int row) const { return rowCar_[size_t(row)]; }
    const QString& Segno(int row) const { return rowTag_[size_t(row)]; }
    // Whether the picture of row `row` under slot `column` is shown.
    bool Visibile(int column, int row) const { return shown_[size_t(column)][size_t(row)]; }
    // "Possibilità": the rows drawn afresh (each row marked with `marker` as it is filled; an
    // empty marker would let a row be drawn twice, so a fixed one stands in), all shown.
    void RiempiGriglia(const QString& marker);
    // A picture of the note pad crossed out.
    void Nascondi(int column, int row) { shown_[size_t(column)][size_t(row)] = false; }

private:
    void SvuotaGriglia();

    int n_;
    std::array<int, kMaxCars> slotOfCar_{};
    std::array<int, kMaxCars> rowCar_{-1, -1, -1, -1, -1};
    std::array<QString, kMaxCars> rowTag_;
    std::array<std::array<bool, kMaxCars>, kMaxCars> shown_{};  // [column][row]
    std::vector<std::pair<int, int>> swaps_;                      // for undo
};

// The marker a filled note-pad row gets when the language gives none.
inline constexpr const char* kFixedRowMarker = "Immagine caricata";
