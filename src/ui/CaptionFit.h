#pragma once
// Captions that fit their controls. Fonts keep their design size wherever the caption fits its
// control. A caption that no longer fits its scaled control (a small screen, a window the player
// made narrow) is drawn smaller, just small enough to fit, and never larger than designed.

class QWidget;

// Gives a button or label caption the largest font, up to its design font, with which it fits
// the control; other controls are left alone. The design font is the one it has the first time.
void FitCaptionFont(QWidget* control);
