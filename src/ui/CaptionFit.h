#pragma once
// Captions that fit their controls. Fonts keep their design size wherever the caption fits its
// control. A caption that no longer fits its scaled control (a small screen, a window the player
// made narrow) is drawn smaller, just small enough to fit, and never larger than designed.
//
// What was learnt is kept in the control's record, so a control whose caption and size are the
// ones its font was chosen for is not measured again. A font set on the control by other code
// after it was first fitted is not seen: the design font is the one it had the first time.

class ControlRecord;

// Gives a registered button or label the largest font, up to its design font, with which its
// caption fits the control; other controls are left alone.
void FitCaptionFont(ControlRecord& record);
