#include "game/Sayings.h"

#include "text/TextLookup.h"

namespace sayings {
namespace {


QString Number(int n) { return QString::number(n); }

}  // namespace

QString Right(int right, int wrong)
{
    return MLSGetStringOr("0243", "Risposta esatta. Esatte: %1, errate: %2.").arg(Number(right), Number(wrong));
}

QString Wrong(int right, int wrong)
{
    return MLSGetStringOr("0244", "Risposta errata. Esatte: %1, errate: %2.").arg(Number(right), Number(wrong));
}

QString NewTurn(const QString& direction, const QString& clue)
{
    return MLSGetStringOr("0245", "Nuovo turno. %1 %2").arg(direction, clue);
}

QString Picked(const QString& colour, int place)
{
    return MLSGetStringOr("0246", "Hai preso l'auto %1 dal posto %2.").arg(colour, Number(place));
}

QString PutBack(const QString& colour, int place)
{
    return MLSGetStringOr("0247", "Hai rimesso l'auto %1 al posto %2.").arg(colour, Number(place));
}

QString Swapped(const QString& colour, int place, const QString& other, int otherPlace)
{
    return MLSGetStringOr("0248", "Ora l'auto %1 è al posto %2 e l'auto %3 al posto %4.")
        .arg(colour, Number(place), other, Number(otherPlace));
}

QString Hinted(const QString& colour, int place, const QString& bubble)
{
    return MLSGetStringOr("0249", "L'auto %1 non può stare al posto %2. %3").arg(colour, Number(place), bubble);
}

QString CrossedOut(const QString& colour, int place)
{
    return MLSGetStringOr("0250", "Hai escluso l'auto %1 dal posto %2.").arg(colour, Number(place));
}

QString Restored(const QString& colour, int place)
{
    return MLSGetStringOr("0251", "L'auto %1 è di nuovo possibile al posto %2.").arg(colour, Number(place));
}

QString NotePadOpened()
{
    return MLSGetStringOr("0252", "Griglia delle possibilità aperta: sotto ogni posto ci sono tutte le auto.");
}

QString NotePadClosed() { return MLSGetStringOr("0253", "Griglia delle possibilità chiusa."); }

QString Move(const Board& board, const Board::Move& move, bool undone, const std::array<QString, 11>& colourNames)
{
    const auto colour = [&](int car) { return colourNames[size_t(board.ColoreAuto[size_t(car)])]; };
    const auto place = [&](int car) { return board.PositionOfSlot(board.SlotOfCar(car)) + 1; };
    switch (move.kind) {
    case Board::Move::Kind::Swap: return Swapped(colour(move.a), place(move.a), colour(move.b), place(move.b));
    case Board::Move::Kind::CrossOut: {
        const int car = board.CarInRow(move.b);
        if (car < 0) return QString();
        const int at = board.PositionOfSlot(move.a) + 1;
        return undone ? Restored(colour(car), at) : CrossedOut(colour(car), at);
    }
    case Board::Move::Kind::OpenNotePad: return undone && !board.NotePadOpen() ? NotePadClosed() : NotePadOpened();
    }
    return QString();
}

}  // namespace sayings
