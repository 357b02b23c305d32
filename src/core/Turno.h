#pragma once
// The rules of one game window's turn, without any window: the hidden order, the reading
// direction, where every car stands, the judgement, the note pad and undo.
//
// Coordinates are whole twips of the window as it is now. A car's slot is nothing but its
// horizontal coordinate: slot k lies at XPrimoPosto + k * DistanzaPosti, and a car always stands
// exactly on one slot. The markers Label2(k) and Label3(N-1-k) stand on slot k; "Conferma"
// compares car i with Label2(i) when the turn counts from the left, with Label3(i) otherwise.
// When the window changes size the row is laid out again (Riscala): every car keeps its slot.
//
// Every draw is RndInt() in the order the game has always made them: the direction, the
// shuffle, the colours, the clue pattern; the note pad draws its rows when it is filled.

#include <QString>

#include <array>
#include <utility>
#include <vector>

class Turno {
public:
    static constexpr int kMaxCars = 5;

    explicit Turno(int n) : n_(n) {}
    int N() const { return n_; }

    // The hidden order: car i has colour ColoreAuto[i] (1..10) and belongs at position i.
    std::array<qint16, kMaxCars> ColoreAuto{};
    // Positions counted from the left (position p is slot p) or from the right (slot N-1-p).
    bool DaSinistra = true;
    int XPrimoPosto = 0;
    int DistanzaPosti = 0;
    // The clue pattern of the turn, or -1 before the first turn.
    int Schema = -1;

    int SlotX(int k) const { return XPrimoPosto + k * DistanzaPosti; }
    int CarX(int car) const { return carX_[size_t(car)]; }
    int Label2X(int k) const { return label2X_[size_t(k)]; }
    int Label3X(int k) const { return label3X_[size_t(k)]; }
    int SlotOfCar(int car) const;
    int CarInSlot(int slot) const;
    // The slot where position p of the hidden order lies in this turn's direction.
    int SlotOfPosition(int position) const { return DaSinistra ? position : n_ - 1 - position; }
    // The position of the hidden order that slot k stands for (the same mapping: it is its own inverse).
    int PositionOfSlot(int slot) const { return SlotOfPosition(slot); }

    // The row as laid out in the window: the first slot and the distance between slots.
    void ImpostaFila(int xPrimoPosto, int distanzaPosti) { XPrimoPosto = xPrimoPosto, DistanzaPosti = distanzaPosti; }
    // The same row at another size: every car and marker keeps its slot. A row squeezed so far
    // that its slots would coincide is ignored.
    void Riscala(int xPrimoPosto, int distanzaPosti);

    // A new turn: direction, an empty and hidden note pad, the shuffle, the colours, the clue
    // pattern out of `patterns`.
    void NuovoTurno(int patterns);
    // Every car on a slot of its own: linear probing from a random car to the next one not placed.
    void ScombiccheraPosti();
    // Car `index` and car `source` change places (a drop of source on index). A swap of two
    // different cars can be undone.
    void Scambia(int index, int source);
    // Takes the last swap of the turn back; false when there is none.
    bool Annulla();
    // True when every car stands on its marker: the hidden order in the turn's direction.
    bool Giudica() const;

    // The note pad: row j shows car RigaAuto(j) under every slot (-1: empty), and the row's marker.
    int RigaAuto(int row) const { return rowCar_[size_t(row)]; }
    const QString& Segno(int row) const { return rowTag_[size_t(row)]; }
    bool Visibile(int column, int row) const { return shown_[size_t(column)][size_t(row)]; }
    // "Possibilità": the rows drawn afresh (each row marked with `marker` as it is filled; an
    // empty marker would let a row be drawn twice, so a fixed one stands in), all shown.
    void RiempiGriglia(const QString& marker);
    // A picture of the note pad crossed out.
    void Nascondi(int column, int row) { shown_[size_t(column)][size_t(row)] = false; }

private:
    void SvuotaGriglia();
    void PosaMarcatori();

    int n_;
    std::array<int, kMaxCars> carX_{};
    std::array<int, kMaxCars> label2X_{};
    std::array<int, kMaxCars> label3X_{};
    std::array<int, kMaxCars> rowCar_{-1, -1, -1, -1, -1};
    std::array<QString, kMaxCars> rowTag_;
    std::array<std::array<bool, kMaxCars>, kMaxCars> shown_{};  // [column][row]
    std::vector<std::pair<int, int>> swaps_;                      // for undo
};

// The marker a filled note-pad row gets when the language gives none.
inline constexpr const char* kFixedRowMarker = "Immagine caricata";
