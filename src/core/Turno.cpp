#include "core/Turno.h"

#include "core/Rnd.h"

#include <algorithm>

int Turno::SlotOfCar(int car) const
{
    if (DistanzaPosti == 0) return 0;
    return qBound(0, (CarX(car) - XPrimoPosto) / DistanzaPosti, n_ - 1);
}

int Turno::CarInSlot(int slot) const
{
    for (int i = 0; i < n_; ++i)
        if (CarX(i) == SlotX(slot)) return i;
    return 0;
}

void Turno::PosaMarcatori()
{
    for (int k = 0; k < n_; ++k) {
        label2X_[size_t(k)] = SlotX(k);
        label3X_[size_t(n_ - 1 - k)] = SlotX(k);
    }
}

void Turno::Riscala(int xPrimoPosto, int distanzaPosti)
{
    if (distanzaPosti <= 0) return;  // squeezed to nothing: no slot could be told from another
    std::array<int, kMaxCars> slotOf{};
    for (int i = 0; i < n_; ++i) slotOf[size_t(i)] = SlotOfCar(i);
    ImpostaFila(xPrimoPosto, distanzaPosti);
    for (int i = 0; i < n_; ++i) carX_[size_t(i)] = SlotX(slotOf[size_t(i)]);
    PosaMarcatori();
}

void Turno::SvuotaGriglia()
{
    for (int j = 0; j < n_; ++j) {
        rowCar_[size_t(j)] = -1;
        rowTag_[size_t(j)].clear();
    }
}

void Turno::NuovoTurno(int patterns)
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

void Turno::ScombiccheraPosti()
{
    // Placement is tracked apart from the coordinates, so a row squeezed to coordinate 0 cannot
    // make the probe spin.
    std::array<bool, kMaxCars> placed{};
    for (int k = 0; k < n_; ++k) {
        int r = RndInt(n_);
        while (placed[size_t(r)]) r = (r + 1) % n_;
        placed[size_t(r)] = true;
        carX_[size_t(r)] = SlotX(k);
    }
    PosaMarcatori();
}

void Turno::Scambia(int index, int source)
{
    std::swap(carX_[size_t(index)], carX_[size_t(source)]);
    if (index != source) swaps_.emplace_back(index, source);
}

bool Turno::Annulla()
{
    if (swaps_.empty()) return false;
    const auto [index, source] = swaps_.back();
    swaps_.pop_back();
    std::swap(carX_[size_t(index)], carX_[size_t(source)]);
    return true;
}

bool Turno::Giudica() const
{
    bool ok = true;
    for (int i = 0; i < n_; ++i)
        if (CarX(i) != (DaSinistra ? Label2X(i) : Label3X(i))) ok = false;
    return ok;
}

void Turno::RiempiGriglia(const QString& marker)
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
