#include "game/BoardLayout.h"

QRectF PieceRect(const GameTable& table, Piece piece, int slot, int row, WindowScale scale)
{
    const BoardDesign& b = table.board;
    const auto at = [scale](double left, double top, double width, double height) {
        return QRectF(left * scale.x, top * scale.y, width * scale.x, height * scale.y);
    };
    const int left = b.slotLeft[size_t(slot)];
    switch (piece) {
    case Piece::Car: return at(left, b.carTop, b.carWidth, b.carHeight);
    case Piece::NotePad:
        return at(b.notePadLeft[size_t(slot)], b.notePadTop[size_t(row)], b.notePadWidth, b.notePadHeight);
    }
    return {};
}
