#pragma once
// A car drawn by the program where its picture file is missing, empty or no picture: the place
// with its road, its lines and the arrow of the reading direction, and a plain car in the car's
// colour with the colour's name written on it, so that the turn can still be played by sight.

#include <QPixmap>
#include <QRgb>
#include <QString>

// The body colours of the cars, colour numbers 1 to 10, as the car pictures have them
// (tools/make_assets.py draws the pictures from the same values).
QRgb CarColour(int colour);

// The stand-in picture of the car of that colour, facing left for a turn counted from the left,
// the size of a car picture (480 x 180), with twice the pixels for sharp screens.
QPixmap StandInCar(int colour, const QString& name, bool facingLeft);

class QWidget;

// Tells the player, over the window, which car picture is missing: once in the program's run,
// once the window stands (not in the middle of its set-up) and no other action of it runs.
void TellMissingPictureOnce(QWidget* window, const QString& file);
