#pragma once
// Gives a window and its controls the texts of the current language file: the window's own
// section holds "<Window>.Caption", "<Window>.Tag" and per control "<Control>.Caption",
// ".ToolTipText", ".Tag" (array elements as "<Control>(<index>).Caption" ...) and
// "<Control>.TabCaption(<i>)". Whatever the file lacks keeps the text it had, so without any
// language file the windows keep their built-in Italian. Failures are skipped, never reported.

class Form;

void MLSTranslateForm(Form* form);
