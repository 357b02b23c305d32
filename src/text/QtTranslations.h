#pragma once
// Qt's own texts (the buttons of message boxes and dialogs: "Sì", "Yes") in the current language.
//
// The language file's "Locale" (section "Language", e.g. "it") names Qt's translation to load:
// qtbase_<locale>.qm in Qt's translations folder. A file without it, or a locale Qt has no
// translation for, keeps Qt's built-in English texts. The file can name only a locale, never a
// path.

// Replaces the translation loaded before with the current language's. Reads the setting first
// when no language is current yet. Does nothing without an application object.
void MLSLoadQtTranslations();
