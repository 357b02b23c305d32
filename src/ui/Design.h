#pragma once
// What the windows share of their look: design fonts and the custom mouse pointer.

#include <QCursor>
#include <QFont>

// A font by its design name; the font system picks the nearest family it has.
QFont DesignFont(const QString& family, double points, bool bold);

class QApplication;

// The program's look: one style on every desktop, rounded buttons, the clue on a white card.
// The windows keep their own light colours under every desktop scheme, light, dark or high
// contrast: their backgrounds are the painted bands, so every text is dark on light, chosen with
// its background (contrast at least 4.5:1). The desktop's palette is never mixed in, also not
// when the desktop changes its scheme while the program runs.
void ApplyProgramLook(QApplication& app);

class QPushButton;

// A button as the windows use it; Return presses it when it has the focus, as Space does.
QPushButton* DesignButton(const QString& caption, const QFont& font);

// A picture built into the program (":/avvio.png"). Read as PNG straight away: finding the format
// by trying the image plugins loaded a score of libraries at start-up for one button picture.
QPixmap BuiltInPicture(const QString& resource);

// The name of a picture's variant with twice the pixels each way, which Qt reads with device
// pixel ratio 2: "immagini/7s@2x.gif" for "immagini/7s.gif", ":/avvio@2x.png" for ":/avvio.png".
QString TwiceThePixelsName(const QString& file);

class QIcon;

// A built-in picture as a button's icon, together with its variant with twice the pixels
// (":/avvio@2x.png") where the screens have the pixels for it (the program's device pixel ratio
// above 1, Qt's own rule for "@2x" files): Qt draws the one that fits the screen's density.
QIcon BuiltInIcon(const QString& resource);

// The pointer the cars, the grid pictures and some buttons show, drawn for the screen's pixel
// density (its finger tip is the hot spot).
QCursor HandPointer();
QPixmap HandPointerPixmap();
