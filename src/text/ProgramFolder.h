#pragma once
// The program folder: the folder of the executable, where the language files, LangSetting.ini,
// the pictures, the sounds and the manual lie beside the program.
//
// Paths come with native separators. Tools and tests may point the folder elsewhere; the program
// itself never does (it reads no environment variable). Without an application object (a tool
// that has none) the folder is the current directory.

#include <QString>

QString ProgramFolder();

// Points the folder elsewhere; an empty folder gives it back to the executable's.
void SetProgramFolder(const QString& folder);

// The folder followed by one separator and a name: "<folder>/name". No test is made for a folder
// that already ends in a separator, so a folder "/" gives "//name".
QString InProgramFolder(const QString& name);
