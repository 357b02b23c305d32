#pragma once
// The program's texts by key, from the language file the user picked.
//
// Files live in the program folder: "<language>.lng" (section "Strings" holds the texts by
// four-digit key, one section per window holds its control captions) and LangSetting.ini
// (section "Language", key "CurrentLanguage"). There is no built-in default language: with no
// setting the lookup goes to the file ".lng", and with no file every text is empty. Nothing here
// ever reports a failure to the user.

#include <QString>

#include <optional>

// The folder of the executable, with native separators. Tools and tests may point it elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// The folder followed by the separator and a name: "<folder>/name".
QString InProgramFolder(const QString& name);

// The cached name of the current language; empty until the first lookup reads the setting.
extern QString MLSCurrentLanguage;

// The current language's file: "<program folder>/<MLSCurrentLanguage>.lng", or the file whose
// name differs from that only in letter case when there is no such file.
QString MLSLanguageFile();

// The value of key in section of an INI file; empty when the section or key is absent.
// Nothing when the file cannot be read (missing, a folder, unreadable).
std::optional<QString> MLSReadIni(const QString& file, const QString& section, const QString& key);

// The same, but nothing also when the key is absent: tells a missing key from an empty one.
std::optional<QString> MLSReadIniEntry(const QString& file, const QString& section, const QString& key);

// Stores key = value in section of the file, creating file or section as needed; the file is
// replaced as a whole, so a failed write leaves the old file intact, except in a folder that takes
// no new file, where a writable file is rewritten in place. Non-zero on success, zero when
// nothing was written.
qint32 MLSWriteIni(const QString& file, const QString& section, const QString& key,
                   const QString& value);

// The text of key in section "Strings" of the current language file; empty when there is none.
QString MLSGetString(const QString& key);
