#pragma once
// The program's texts by key, in the current language: section "Strings" of the current language
// file (LanguageSetting.h), under four-digit keys ("0001" ... "0236", "9996" ... "9999").
//
// Nothing here ever reports a failure: with no setting, no language file or no such key the text
// is empty. The first lookup reads the setting and keeps the language's name
// (MLSCurrentLanguage). A language file changed on disk is seen at the next lookup; an unchanged
// one is not read again (LanguageCache.h), so a lookup costs two questions to the file system and
// a hash lookup.

#include <QString>

// The text of key in section "Strings" of the current language file; empty when there is none.
QString MLSGetString(const QString& key);

// The same, for the texts the program carries in Italian: `builtIn` where the language file has
// no text for the key (an older file, or none at all).
QString MLSGetStringOr(const QString& key, const QString& builtIn);
// The same with the key in ASCII and the Italian in UTF-8, as the program's sources write them.
QString MLSGetStringOr(const char* key, const char* builtIn);
