#include "core/Board.h"

#include "core/Rnd.h"

#include <algorithm>

Board::Board(int n) : n_(n)
{
    for (int i = 0; i < n_; ++i) slotOfCar_[size_t(i)] = i;
}

Board::Board(const Board& other) { *this = other; }

Board& Board::operator=(const Board& other)
{
    if (this == &other) return *this;
    ColoreAuto = other.ColoreAuto;
    DaSinistra = other.DaSinistra;
    Pattern = other.Pattern;
    n_ = other.n_;
    slotOfCar_ = other.slotOfCar_;
    rows_ = other.rows_;
    shown_ = other.shown_;
    done_ = other.done_;
    undone_ = other.undone_;
    return *this;  // the listener stays its own
}

int Board::CarInSlot(int slot) const
{
    return int(std::find(slotOfCar_.begin(), slotOfCar_.begin() + n_, slot) - slotOfCar_.begin());
}

void Board::Changed() const
{
    if (listener_) listener_();
}

void Board::EmptyNotePad()
{
    rows_.fill(-1);
    for (auto& column : shown_) column.fill(false);
}

void Board::NuovoTurno(int patterns)
{
    done_.clear();
    undone_.clear();
    DaSinistra = RndInt(2) == 0;
    EmptyNotePad();
    ScombiccheraPosti();
    ColoreAuto[0] = qint16(RndInt(10) + 1);
    for (int i = 1; i < n_; ++i) {
        const auto drawn = ColoreAuto.begin() + i;
        do {
            ColoreAuto[size_t(i)] = qint16(RndInt(10) + 1);
        } while (std::find(ColoreAuto.begin(), drawn, ColoreAuto[size_t(i)]) != drawn);
    }
    Pattern = patterns > 0 ? RndInt(patterns) : -1;
    Changed();
}

void Board::SetTurn(bool fromLeft, const std::array<qint16, kMaxCars>& colours, int pattern)
{
    done_.clear();
    undone_.clear();
    DaSinistra = fromLeft;
    EmptyNotePad();
    ScombiccheraPosti();
    ColoreAuto = colours;
    Pattern = pattern;
    Changed();
}

void Board::ScombiccheraPosti()
{
    std::array<bool, kMaxCars> placed{};
    for (int k = 0; k < n_; ++k) {
        int r = RndInt(n_);
        while (placed[size_t(r)]) r = (r + 1) % n_;
        placed[size_t(r)] = true;
        slotOfCar_[size_t(r)] = k;
    }
}

bool Board::IsSolved() const
{
    bool ok = true;
    for (int k = 0; k < n_; ++k)
        if (SlotOfCar(k) != SlotOfPosition(k)) ok = false;
    return ok;
}

Board::Rows Board::DrawNotePadRows(int* lastDraw) const
{
    Rows rows{-1, -1, -1, -1, -1};
    int row = 0;
    for (int k = 0; k < n_; ++k) {
        do {
            row = RndInt(n_);
        } while (rows[size_t(row)] >= 0);
        rows[size_t(row)] = k;
    }
    if (lastDraw) *lastDraw = row;
    return rows;
}

void Board::Make(const Move& move)
{
    switch (move.kind) {
    case Move::Kind::Swap: std::swap(slotOfCar_[size_t(move.a)], slotOfCar_[size_t(move.b)]); return;
    case Move::Kind::CrossOut: shown_[size_t(move.a)][size_t(move.b)] = false; return;
    case Move::Kind::OpenNotePad:
        rows_ = move.rows;
        for (int column = 0; column < n_; ++column)
            for (int j = 0; j < n_; ++j) shown_[size_t(column)][size_t(j)] = true;
        return;
    }
}

bool Board::Apply(const Move& move)
{
    const bool changes = move.kind == Move::Kind::Swap        ? move.a != move.b
                         : move.kind == Move::Kind::CrossOut ? NotePadOpen() && Shown(move.a, move.b)
                                                               : true;
    if (!changes) return false;
    done_.push_back({move, rows_, shown_});
    undone_.clear();
    Make(move);
    Changed();
    return true;
}

std::optional<Board::Move> Board::Undo()
{
    if (done_.empty()) return std::nullopt;
    const Done last = done_.back();
    done_.pop_back();
    if (last.move.kind == Move::Kind::Swap) Make(last.move);  // a swap is its own undoing
    rows_ = last.rowsBefore;
    shown_ = last.shownBefore;
    undone_.push_back(last);
    Changed();
    return last.move;
}

std::optional<Board::Move> Board::Redo()
{
    if (undone_.empty()) return std::nullopt;
    const Done again = undone_.back();
    undone_.pop_back();
    done_.push_back(again);
    Make(again.move);
    Changed();
    return again.move;
}
