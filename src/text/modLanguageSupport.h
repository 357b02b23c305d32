#pragma once
// The program's texts by key, from the language file the user picked.
//
// Files live in the program folder: "<language>.lng" (section "Strings" holds the texts by
// four-digit key, one section per window holds its control captions, section "Language" key
// "Locale" names the language for Qt's own texts) and LangSetting.ini (section "Language", key
// "CurrentLanguage"; see MLSSettingFile for where it is read and written). There is no built-in
// default language: with no setting the lookup goes to the file ".lng", and with no file every
// text is empty. Nothing here ever reports a failure to the user.

#include <QString>
#include <QStringList>

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

// Where the language setting lives. The program folder is shared by every user and may be
// read-only to the player (an installed copy belongs to root), so a user may hold a copy of
// their own, MLSUserSettingFile():
//  - the setting is read from the user's copy when one exists, else from the program folder's
//    LangSetting.ini: MLSSettingFile() names the file to read;
//  - a pick is written to the program folder's LangSetting.ini and, where that fails, to the
//    user's copy; a user's copy that already exists gets the pick as well, since it is the one
//    read: MLSStoreLanguage(). True when the file read at the next start holds the pick; false
//    keeps the pick for this run only.
QString MLSSettingFile();
QString MLSUserSettingFile();  // "<AppConfigLocation>/LangSetting.ini"
bool MLSStoreLanguage(const QString& language);

// Qt's own texts (the buttons of message boxes and dialogs) in the current language: the
// language file's "Locale" (section "Language", e.g. "it") names Qt's translation to load
// (qtbase_<locale>.qm in Qt's translations folder). A file without it, or a locale Qt has no
// translation for, keeps Qt's built-in texts. Replaces the translation loaded before; reads the
// setting first when no language is current yet. Does nothing without an application object.
void MLSLoadQtTranslations();

// The value of key in section of an INI file; empty when the section or key is absent.
// Nothing when the file cannot be read (missing, a folder, unreadable).
std::optional<QString> MLSReadIni(const QString& file, const QString& section, const QString& key);

// The same, but nothing also when the key is absent: tells a missing key from an empty one.
std::optional<QString> MLSReadIniEntry(const QString& file, const QString& section, const QString& key);

// The keys of a section of an INI file (letter case folded); empty when there are none.
QStringList MLSReadIniKeys(const QString& file, const QString& section);

// Stores key = value in section of the file, creating file or section as needed; the file is
// replaced as a whole, so a failed write leaves the old file intact, except in a folder that takes
// no new file, where a writable file is rewritten in place. Non-zero on success, zero when
// nothing was written.
qint32 MLSWriteIni(const QString& file, const QString& section, const QString& key,
                   const QString& value);

// The text of key in section "Strings" of the current language file; empty when there is none.
QString MLSGetString(const QString& key);

// The same, for the texts the program carries in Italian: `builtIn` where the language file has
// no text for the key (an older file, or none at all).
QString MLSGetStringOr(const QString& key, const QString& builtIn);
