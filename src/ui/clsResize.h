#pragma once
// Keeps a window's layout in proportion to its size.
//
// The first time it is needed the object records the window's client size and the rectangle
// of every control (the reference layout). Afterwards every resize places each control at its
// recorded rectangle times the ratio of the current to the recorded client size, so repeated
// resizing never accumulates rounding. Fonts are never scaled.
//
// A control's Tag chooses what is scaled: a tag starting with "@" scales only the values whose
// letters it holds, in any order and case (L = Left, T = Top, W = Width, H = Height; "@" alone
// keeps the control where it was placed last). Any other tag, empty included, scales all four.
// Controls without a rectangle (menus, menu items, the status bar) are skipped silently.
//
// Fonts keep their design size wherever the caption fits its control; a caption that no longer
// fits its scaled control is drawn smaller (ui/CaptionFit.h).

#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class Form;
class QWidget;


class clsResize {
public:
    Form* SourceForm() const { return sourceForm_.data(); }
    void SetSourceForm(Form* form) { sourceForm_ = form; }

    // Takes the current layout as the new reference layout.
    void ReInitialise() { Initialise(); }

    // Centres the window at percent % of the screen size and scales its controls.
    void SizeFormToScreen(quint8 percent);

    void ResizeControls();

    // The window's width now over its recorded width: what a recorded left or width is scaled by.
    double FactorX() const;

    struct ScaleFlags {
        bool left, top, width, height;
    };
    static ScaleFlags FlagsFromTag(const QString& tag);

private:
    struct ControlGeometry {
        QPointer<QObject> control;
        qint32 first = 0;   // Left
        qint32 second = 0;  // Top
        qint32 third = 0;   // Width
        qint32 fourth = 0;  // Height
    };

    void Initialise();

    QPointer<Form> sourceForm_;
    qint32 RecordedWidth = 0;
    qint32 RecordedHeight = 0;
    std::vector<ControlGeometry> ControlList;
    bool FirstTime = true;
};

// The one shared resizer: every window's Form_Load replaces it with a new one bound to that
// window, so it serves the window loaded last.
extern std::shared_ptr<clsResize> Ridimensionatore;

// Every window's Form_Load: a new resizer bound to the window becomes Ridimensionatore, and the
// window is sized to 75 % of the screen.
void BindResizer(Form* form);
// Every window's Form_Resize: the window's own resizer rescales it (the shared one while that
// serves it; the window keeps its own when the shared one serves another window or none).
void ResizeForm(Form* form);
