#pragma once
// The board of one game window's turn, without any window: the hidden order, the reading
// direction, which car stands in which slot, the clue pattern, the note pad, and the moves the
// player makes on them.
//
// The board knows no coordinates. Slot k is the k-th parking place from the left; the cars stand
// in the slots as a permutation, so every slot always holds exactly one car. Before the first
// turn car i stands in slot i (the design layout). Position p of the hidden order is slot p when
// the turn counts from the left and slot N-1-p when it counts from the right; the one row
// accepted is car k in the slot of position k.
//
// Every draw is RndInt() in the order the game has always made them: the direction, the
// shuffle, the colours, the clue pattern; the note pad's rows when it is opened.
//
// Moves. Every change the player makes is a Move, made by Apply, which keeps it in the turn's
// history: Undo takes the last move back, whatever its kind, Redo makes it again; a move made
// after an undo drops what could have been redone; a new turn clears both. A move that changes
// nothing (a car dropped on itself, a picture crossed out already) is not kept. Whatever changed
// the board (a move, an undo, a redo, a new turn) is told to the listener, once, afterwards.
//
// Surprise: opening the note pad draws its rows, and the draws are the game's own, in its order;
// they are made by DrawNotePadRows before the move, which carries the rows drawn. So a redo shows
// the same rows again and draws nothing.

#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class Board {
public:
    static constexpr int kMaxCars = 5;
    // The car of each row of the note pad, -1 for a row without one.
    using Rows = std::array<int, kMaxCars>;

    struct Move {
        enum class Kind {
            Swap,         // cars a and b change slots
            CrossOut,     // the note pad's picture of row b under slot a is crossed out
            OpenNotePad,  // the note pad shows `rows`, every picture again
        };
        Kind kind = Kind::Swap;
        int a = 0, b = 0;
        Rows rows{};

        static Move Swap(int car, int other) { return {Kind::Swap, car, other, {}}; }
        static Move CrossOut(int slot, int row) { return {Kind::CrossOut, slot, row, {}}; }
        static Move OpenNotePad(const Rows& rows) { return {Kind::OpenNotePad, 0, 0, rows}; }
    };

    explicit Board(int n);
    // A copy is the same turn, with its history, but tells nobody of its changes.
    Board(const Board& other);
    Board& operator=(const Board& other);
    int N() const { return n_; }

    // The hidden order: car i has colour ColoreAuto[i] (1..10) and belongs at position i.
    std::array<qint16, kMaxCars> ColoreAuto{};
    // Positions counted from the left (position p is slot p) or from the right (slot N-1-p).
    bool DaSinistra = true;
    // The clue pattern of the turn, or -1 before the first turn.
    int Pattern = -1;

    int SlotOfCar(int car) const { return slotOfCar_[size_t(car)]; }
    int CarInSlot(int slot) const;
    // The slot where position p of the hidden order lies in this turn's direction.
    int SlotOfPosition(int position) const { return DaSinistra ? position : n_ - 1 - position; }
    // The position of the hidden order that slot k stands for (the same mapping: it is its own inverse).
    int PositionOfSlot(int slot) const { return SlotOfPosition(slot); }

    // A new turn: direction, an empty and hidden note pad, the shuffle, the colours, the clue
    // pattern out of `patterns`; the history is cleared. Without patterns (a generated clue,
    // drawn by the caller next) no pattern is drawn and Pattern is -1.
    void NuovoTurno(int patterns);
    // A turn given whole (a turn's code): its direction, colours and pattern (-1 for none); the
    // cars are shuffled as in every turn, the note pad emptied, the history cleared.
    void SetTurn(bool fromLeft, const std::array<qint16, kMaxCars>& colours, int pattern);
    // Every car in a slot of its own, slot 0 first: a random car, or the next one not yet placed
    // (linear probing, from the last car on to car 0).
    void ScombiccheraPosti();
    // True when car k stands in the slot of position k, for every car: the hidden order in the
    // turn's direction.
    bool IsSolved() const;

    // The note pad: row j shows car CarInRow(j) under every slot (-1: empty).
    int CarInRow(int row) const { return rows_[size_t(row)]; }
    // Whether the picture of row `row` under slot `column` is shown (not crossed out).
    bool Shown(int column, int row) const { return shown_[size_t(column)][size_t(row)]; }
    bool NotePadOpen() const { return rows_[0] >= 0; }
    // The rows for opening the note pad: for car k in turn, a row drawn again until it is free.
    // `lastDraw` gets the last row drawn.
    Rows DrawNotePadRows(int* lastDraw = nullptr) const;

    // Makes a move and keeps it; false (and nothing kept) when it changes nothing.
    bool Apply(const Move& move);
    // The move taken back or made again, or nothing when there is none.
    std::optional<Move> Undo();
    std::optional<Move> Redo();

    // Told after every change of the board.
    void OnChange(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    // What a move changed, to take it back.
    struct Done {
        Move move;
        Rows rowsBefore;
        std::array<std::array<bool, kMaxCars>, kMaxCars> shownBefore;
    };
    void Make(const Move& move);
    void EmptyNotePad();
    void Changed() const;

    int n_;
    std::array<int, kMaxCars> slotOfCar_{};
    Rows rows_{-1, -1, -1, -1, -1};
    std::array<std::array<bool, kMaxCars>, kMaxCars> shown_{};  // [column][row]
    std::vector<Done> done_;
    std::vector<Done> undone_;
    std::function<void()> listener_;
};

// The marker a filled note-pad row gets when the language gives none.
inline constexpr const char* kFixedRowMarker = "Immagine caricata";
