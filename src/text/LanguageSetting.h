#pragma once
// The current language: its name, its file, and the setting LangSetting.ini that names it
// (section "Language", key "CurrentLanguage").
//
// There is no built-in default language. With no setting (no file, no key, an empty value) the
// name stays empty, the setting is read again at every lookup, and the language file is the file
// ".lng" of the program folder.
//
// Where the setting lives: the program folder is shared by every user and may be read-only to the
// player (an installed copy belongs to root), so a user may hold a copy of their own,
// MLSUserSettingFile():
//  - the setting is read from the user's copy when one exists, else from the program folder's
//    LangSetting.ini: MLSSettingFile() names the file to read;
//  - a pick is written to the program folder's LangSetting.ini and, where that fails, to the
//    user's copy; a user's copy that already exists gets the pick as well, since it is the one
//    read: MLSStoreLanguage().

#include <QString>

// The cached name of the current language; empty until the first lookup reads the setting.
// The language menu sets it when the player picks a language.
extern QString MLSCurrentLanguage;

// Fills MLSCurrentLanguage from the setting while it is empty; a name once read is kept.
void ReadCurrentLanguageOnce();

// The current language's file as named: "<program folder>/<MLSCurrentLanguage>.lng", with one
// separator also after a folder that ends in one.
QString MLSLanguageFileAsNamed();

// The current language's file: the file as named or, when there is no such file, the file whose
// name differs from it only in letter case (the files come from a system whose file names ignore
// case). Costs a listing of the folder when the file as named is missing.
QString MLSLanguageFile();

QString MLSSettingFile();
QString MLSUserSettingFile();  // "<AppConfigLocation>/LangSetting.ini", empty where there is none

// Stores a pick. True when the file read at the next start holds it; false keeps the pick for
// this run only (neither the program folder nor the user's folder takes the file).
bool MLSStoreLanguage(const QString& language);
