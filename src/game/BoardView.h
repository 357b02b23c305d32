#pragma once
// What a game window shows of its board (core/Board.h), drawn anew from the board after every
// change, every resize and activation, never patched by the handlers:
//  - every car and note-pad picture where its slot (and row) puts it at the window's scale
//    (game/BoardLayout.h);
//  - the note pad's pictures: each row the picture of its car, shown unless crossed out, and the
//    Tag of the first column's picture marking a filled row (the language's marker text);
//  - the pictures' names for screen readers (the colour and the place counted in the turn's
//    direction) and tool tips (the language's own text, with the colour's name in it);
//  - the order in which Tab and screen readers meet them: place 1 first, the note pad row by
//    row the same way, then the clue and the buttons.

#include "core/Board.h"
#include "game/BoardLayout.h"
#include "game/GameTable.h"

#include <QHash>
#include <QString>

#include <array>
#include <vector>

class Form;
class ImageControl;
class QLabel;
class QWidget;

// The widgets of a game window that show its board.
struct BoardWidgets {
    Form* window = nullptr;
    const GameTable* table = nullptr;
    std::vector<ImageControl*> cars;               // Image1(i)
    std::vector<std::vector<ImageControl*>> grid;  // [slot][row]: the note pad
    QLabel* clue = nullptr;                        // Label1
    std::vector<QWidget*> buttons;                 // in the order Tab meets them
};

class BoardView {
public:
    explicit BoardView(const BoardWidgets& widgets) : w_(widgets) {}

    // The texts names and tool tips are made of, read again with every language; the pictures'
    // own tool tips are read off the language file that has just been applied. An empty row
    // marker gives way to the fixed one.
    void ReadTexts(const QString& rowMarker);
    // The window's client size over its design client size.
    WindowScale Scale() const;

    // Everything, from the board: places, note pad, names, reading order.
    void Draw(const Board& board, const std::array<QString, 11>& colourNames);
    // Only the places (a resize).
    void Place(const Board& board);
    // How the places are counted in the board's turn, in the current language.
    const QString& Direction(const Board& board) const { return board.DaSinistra ? fromLeft_ : fromRight_; }

private:
    void NameThePictures(const Board& board, const std::array<QString, 11>& colourNames);
    void FollowTheRow(const Board& board);

    BoardWidgets w_;
    QString carName_, gridName_;    // "%1, posto %2", "%1, sotto il posto %2"
    QString fromLeft_, fromRight_;  // how the places are counted, told to screen readers
    QString rowMarker_;             // the Tag of a filled note-pad row
    QHash<const QWidget*, QString> ownToolTips_;
};
