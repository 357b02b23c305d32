#pragma once
// Keeps a window's layout in proportion to its size.
//
// The first time it is needed the object records the window's client size and, in each control's
// record, the rectangle it scales from (the reference layout). Afterwards every resize places each
// control at that rectangle times the ratio of the current to the recorded client size, so
// repeated resizing never accumulates rounding. Fonts are never scaled.
//
// A control's Tag chooses what is scaled (ResizeFlags, read when the Tag is set): a tag starting
// with "@" scales only the values whose letters it holds, in any order and case (L = Left,
// T = Top, W = Width, H = Height; "@" alone keeps the control where it was placed last). Any other
// tag, empty included, scales all four. Controls without a rectangle (menus, menu items, the
// status bar) and controls the window places itself are skipped silently. A control whose place
// in pixels does not change is not touched.
//
// Fonts keep their design size wherever the caption fits its control; a caption that no longer
// fits its scaled control is drawn smaller (ui/CaptionFit.h).
//
// A resizer is attached to its window from outside: BindResizer makes one that belongs to the
// window (it goes when the window goes) and ResizeForm finds it again. The window knows nothing
// of it.

#include "ui/ControlRecord.h"

#include <QObject>
#include <QPointer>

class Form;

class clsResize : public QObject {
    Q_OBJECT
public:
    explicit clsResize(QObject* parent = nullptr) : QObject(parent) {}

    Form* SourceForm() const;
    void SetSourceForm(Form* form);

    // Takes the current layout as the new reference layout.
    void ReInitialise() { Initialise(); }

    // Centres the window at percent % of the screen size and scales its controls.
    void SizeFormToScreen(quint8 percent);

    void ResizeControls();

private:
    void Initialise();

    QPointer<Form> sourceForm_;
    qint32 RecordedWidth = 0;
    qint32 RecordedHeight = 0;
    bool FirstTime = true;
};

// The resizer of the window loaded last (every window's Form_Load binds a new one), or none. It
// belongs to that window: when the window is gone, so is this.
extern QPointer<clsResize> Ridimensionatore;

// Every window's Form_Load: a new resizer bound to the window and belonging to it becomes
// Ridimensionatore, and the window is sized to 75 % of the screen.
void BindResizer(Form* form);
// The resizer bound to the window by BindResizer, or nullptr.
clsResize* ResizerOf(const Form* form);
// Every window's Form_Resize: the window's own resizer rescales it, whichever window was loaded
// last (the information box over a game is rescaled by its own).
void ResizeForm(Form* form);
