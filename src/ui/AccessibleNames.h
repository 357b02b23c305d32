#pragma once
// What screen readers are told where Qt's own account of a control would mislead them.
//
// SpokenText: a caption as it is to be read aloud: rich text as its plain text, without the
// stand-in character Qt puts where a picture stands, and without blanks or line ends around it.
//
// Menu-bar items: a caption may end in blanks that space the menu bar out ("Azzera conteggio"
// and ten blanks). The item keeps them on the screen; its name for screen readers leaves them
// out. Qt names a menu item by its action's text as it is, so InstallAccessibleNames() gives
// every plain item of a menu bar (one that opens no menu of its own) an account of its own: the
// same role, state, place and "press" as Qt's, and the caption as SpokenText for its name.
// A label marked as a clue card (property "clue") is read as text too, line by line and word by
// word, not only by its name.
// Call it before the first window is shown; calling it again does nothing.

#include <QString>
#include <Qt>

QString SpokenText(const QString& text, Qt::TextFormat format = Qt::PlainText);

void InstallAccessibleNames();
