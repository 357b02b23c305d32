#include "core/Board.h"

#include "core/Rnd.h"

#include <algorithm>

Board::Board(int n) : n_(n)
{
    for (int i = 0; i < n_; ++i) slotOfCar_[size_t(i)] = i;
}

int Board::CarInSlot(int slot) const
{
    return int(std::find(slotOfCar_.begin(), slotOfCar_.begin() + n_, slot) - slotOfCar_.begin());
}

void Board::SvuotaGriglia()
{
    for (int j = 0; j < n_; ++j) {
        rowCar_[size_t(j)] = -1;
        rowTag_[size_t(j)].clear();
    }
}

void Board::NuovoTurno(int patterns)
{
    swaps_.clear();
    Caso = qint16(RndInt(2));
    DaSinistra = Caso == 0;
    SvuotaGriglia();
    for (auto& column : shown_) column.fill(false);
    ScombiccheraPosti();
    ColoreAuto[0] = qint16(RndInt(10) + 1);
    for (int i = 1; i < n_; ++i) {
        const auto drawn = ColoreAuto.begin() + i;
        do {
            ColoreAuto[size_t(i)] = qint16(RndInt(10) + 1);
        } while (std::find(ColoreAuto.begin(), drawn, ColoreAuto[size_t(i)]) != drawn);
    }
    Caso = qint16(RndInt(patterns));
    Schema = Caso;
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

void Board::Scambia(int index, int source)
{
    std::swap(slotOfCar_[size_t(index)], slotOfCar_[size_t(source)]);
    if (index != source) swaps_.emplace_back(index, source);
}

std::optional<std::pair<int, int>> Board::Annulla()
{
    if (swaps_.empty()) return std::nullopt;
    const auto swap = swaps_.back();
    swaps_.pop_back();
    std::swap(slotOfCar_[size_t(swap.first)], slotOfCar_[size_t(swap.second)]);
    return swap;
}

bool Board::Giudica() const
{
    bool ok = true;
    for (int k = 0; k < n_; ++k)
        if (SlotOfCar(k) != SlotOfPosition(k)) ok = false;
    return ok;
}

void Board::RiempiGriglia(const QString& marker)
{
    const QString mark = marker.isEmpty() ? QString::fromLatin1(kFixedRowMarker) : marker;
    SvuotaGriglia();
    for (int k = 0; k < n_; ++k) {
        do {
            Caso = qint16(RndInt(n_));
        } while (!rowTag_[size_t(Caso)].isEmpty());
        rowTag_[size_t(Caso)] = mark;
        rowCar_[size_t(Caso)] = k;
    }
    for (int column = 0; column < n_; ++column)
        for (int j = 0; j < n_; ++j) shown_[size_t(column)][size_t(j)] = true;
}
