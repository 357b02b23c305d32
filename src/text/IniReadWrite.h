#pragma once
// One key of an INI file on disk, read or written: the language files and LangSetting.ini.
//
// Reading follows the rules of IniFile.h (names regardless of case, blanks and one pair of quotes
// dropped, comments, the 511-character cut, big files read like small ones) through the parsed
// files of LanguageCache.h, so a file changed on disk is seen at the next read.
//
// Writing changes that one key and keeps every other byte of the file. The file is replaced as a
// whole (a new file renamed over the old one), so a crash or a failed write never leaves it
// half-written. Surprise: in a folder that takes no new file (an installed copy's folder, or one
// with the immutable flag) a file that is itself writable is rewritten in place instead, since
// the whole-file way cannot work there.

#include <QString>
#include <QStringList>

#include <optional>

// The value of key in section of the file; empty when the section or the key is absent.
// Nothing when the file cannot be read (missing, a folder, unreadable).
std::optional<QString> MLSReadIni(const QString& file, const QString& section, const QString& key);

// The same, but nothing also when the key is absent: tells a missing key from an empty one.
std::optional<QString> MLSReadIniEntry(const QString& file, const QString& section, const QString& key);

// The keys of a section of an INI file (letter case folded); empty when there are none.
QStringList MLSReadIniKeys(const QString& file, const QString& section);

// Stores key = value in section of the file, creating file or section as needed. Non-zero on
// success; zero when nothing was written (a folder where the file should be, a folder that takes
// no new file, a text that would break the file's lines: see ini::WithValue), and then the old
// file is as it was.
qint32 MLSWriteIni(const QString& file, const QString& section, const QString& key,
                   const QString& value);
