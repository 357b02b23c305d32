#include "game/BoardView.h"

#include "text/LanguageCache.h"
#include "text/LanguageSetting.h"
#include "text/TextLookup.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Properties.h"

#include <QAccessible>
#include <QLabel>

#include <algorithm>

namespace {

// How the places are counted, for screen readers, when the language file does not say it.
const char* const kCountedFromTheLeft = "Posti contati da sinistra: il posto 1 è quello più a sinistra.";
const char* const kCountedFromTheRight = "Posti contati da destra: il posto 1 è quello più a destra.";

// A picture's tool tip: the language's own text for it with "%1" where the colour's name goes;
// in a file of old, without "%1", the colour's name, a dash and the text, as far as there are.
QString ToolTip(const QString& colour, const QString& own)
{
    if (own.contains(QLatin1String("%1"))) return colour.isEmpty() ? QString() : QString(own).arg(colour);
    if (colour.isEmpty()) return own;
    return own.isEmpty() ? colour : colour + QStringLiteral(" — ") + own;
}

// A picture's name: the language's pattern with colour and place, or both bare.
QString Named(const QString& pattern, const QString& colour, int place)
{
    return pattern.isEmpty() ? colour + QStringLiteral(", %1").arg(place) : QString(pattern).arg(colour).arg(place);
}

}  // namespace

void BoardView::ReadTexts(const QString& rowMarker)
{
    // An empty marker would mark nothing: the fixed one stands in.
    rowMarker_ = rowMarker.isEmpty() ? QString::fromLatin1(kFixedRowMarker) : rowMarker;
    carName_ = MLSGetString(QStringLiteral("0212"));
    gridName_ = MLSGetString(QStringLiteral("0213"));
    fromLeft_ = MLSGetStringOr(QStringLiteral("0216"), QString::fromUtf8(kCountedFromTheLeft));
    fromRight_ = MLSGetStringOr(QStringLiteral("0217"), QString::fromUtf8(kCountedFromTheRight));
    // The pictures' own tool tips as the file gives them (one reading of the file for all).
    ownToolTips_.clear();
    const auto doc = CachedDocument(MLSLanguageFile());
    if (!doc) return;
    const QString window = w_.window->objectName();
    const auto own = [&](const QWidget* picture) {
        const QString key = picture->objectName() + QStringLiteral("(%1).ToolTipText").arg(*GetIndex(picture));
        if (const auto text = doc->Value(window, key); text && !text->isEmpty()) ownToolTips_.insert(picture, *text);
    };
    for (const ImageControl* car : w_.cars) own(car);
    for (const auto& column : w_.grid)
        for (const ImageControl* picture : column) own(picture);
}

WindowScale BoardView::Scale() const
{
    return {w_.window->ScaleWidth() / w_.table->clientWidth, w_.window->ScaleHeight() / w_.table->clientHeight};
}

void BoardView::Place(const Board& board)
{
    if (w_.window->IsMinimised()) return;
    const WindowScale scale = Scale();
    const int n = board.N();
    for (int i = 0; i < n; ++i) Form::PlaceAt(w_.cars[size_t(i)], PieceRect(*w_.table, Piece::Car, board.SlotOfCar(i), 0, scale));
    for (int slot = 0; slot < n; ++slot)
        for (int j = 0; j < n; ++j)
            Form::PlaceAt(w_.grid[size_t(slot)][size_t(j)], PieceRect(*w_.table, Piece::NotePad, slot, j, scale));
}

void BoardView::Draw(const Board& board, const std::array<QString, 11>& colourNames)
{
    Place(board);
    const int n = board.N();
    for (int j = 0; j < n; ++j) {
        const int car = board.CarInRow(j);
        SetTag(w_.grid[0][size_t(j)], car >= 0 ? rowMarker_ : QString());
        for (int slot = 0; slot < n; ++slot) {
            ImageControl* picture = w_.grid[size_t(slot)][size_t(j)];
            // Every row shows its car's picture, as the car shows it now.
            const QPixmap& shown = car >= 0 ? w_.cars[size_t(car)]->Picture() : QPixmap();
            if (picture->Picture().cacheKey() != shown.cacheKey()) picture->SetPicture(shown);
            picture->setVisible(board.Shown(slot, j));
        }
    }
    FollowTheRow(board);
    NameThePictures(board, colourNames);
}

void BoardView::FollowTheRow(const Board& board)
{
    // The cars and the note pad in the turn's reading order: place 1 first, the note pad row by row.
    const int n = board.N();
    std::vector<QWidget*> read;
    for (int p = 0; p < n; ++p) read.push_back(w_.cars[size_t(board.CarInSlot(board.SlotOfPosition(p)))]);
    for (int j = 0; j < n; ++j)
        for (int p = 0; p < n; ++p) read.push_back(w_.grid[size_t(board.SlotOfPosition(p))][size_t(j)]);

    // Tab walks them so, then the clue and the buttons.
    QWidget* previous = nullptr;
    for (QWidget* next : read) {
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    }
    QWidget::setTabOrder(previous, w_.clue);
    previous = w_.clue;
    for (QWidget* button : w_.buttons) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }

    // Screen readers list a window's contents in the order of its stack of widgets: the same
    // order there. None of these pictures overlaps another, or anything else, on the screen.
    QWidget* canvas = read.front()->parentWidget();
    const QObjectList& stack = canvas->children();
    const bool stacked = std::is_sorted(read.begin(), read.end(),
                                        [&](QWidget* a, QWidget* b) { return stack.indexOf(a) < stack.indexOf(b); });
    if (!stacked) {
        for (size_t k = read.size() - 1; k-- > 0;) read[k]->stackUnder(read[k + 1]);
        QAccessibleEvent reordered(canvas, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    }
    for (QWidget* button : w_.buttons)
        if (auto* b = qobject_cast<QAbstractButton*>(button)) b->setAccessibleName(QString(b->text()).remove(u'&'));
}

void BoardView::NameThePictures(const Board& board, const std::array<QString, 11>& colourNames)
{
    // A place is numbered as the clue counts it: place 1 is the first in the turn's direction.
    const auto colour = [&](int car) { return car < 0 ? QString() : colourNames[size_t(board.ColoreAuto[size_t(car)])]; };
    const QString& direction = Direction(board);
    w_.clue->setAccessibleDescription(direction);
    for (int i = 0; i < board.N(); ++i) {
        ImageControl* car = w_.cars[size_t(i)];
        car->setAccessibleName(Named(carName_, colour(i), board.PositionOfSlot(board.SlotOfCar(i)) + 1));
        car->setAccessibleDescription(direction);
        car->setToolTip(ToolTip(colour(i), ownToolTips_.value(car)));
    }
    for (int slot = 0; slot < board.N(); ++slot)
        for (int j = 0; j < board.N(); ++j) {
            ImageControl* picture = w_.grid[size_t(slot)][size_t(j)];
            const int car = board.CarInRow(j);
            picture->setAccessibleName(car < 0 ? QString() : Named(gridName_, colour(car), board.PositionOfSlot(slot) + 1));
            picture->setToolTip(ToolTip(colour(car), ownToolTips_.value(picture)));
        }
}
