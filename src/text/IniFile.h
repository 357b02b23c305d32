#pragma once
// INI-style text as the language files and LangSetting.ini use it.
//
// Reading follows the rules of the Windows profile functions, which those files were written for,
// and applies them to a file of any size (a big file is read exactly like a small one):
//  - section and key names match regardless of letter case; blanks (spaces, tabs) around a name,
//    a key and a value are dropped;
//  - the value is what follows the first "=" of the line; one pair of enclosing quotes, both
//    double or both single, is removed, so quotes keep the blanks inside them;
//  - a line whose first non-blank character is ";" is a comment; a line without "=" is no entry;
//  - a line whose first non-blank character is "[" opens a section: the name runs to the first
//    "]" ("[a]b]" is section "a"), or to the end of the line when the "]" is missing;
//  - the first matching key of the first section of that name wins; later duplicates are ignored;
//  - a value is cut at a NUL character and to 511 characters;
//  - lines end at CR LF, LF or a lone CR.
// Bytes are Windows-1252, or UTF-8 when the file starts with a UTF-8 byte-order mark, or UTF-16
// when it starts with a UTF-16 one (FF FE little-endian, FE FF big-endian).
//
// Writing changes one key and keeps every other byte of the file as it was. A value with a blank
// at either end, or enclosed in a pair of its own quotes, is written inside double quotes, so that
// every value reads back as it was written.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace ini {

inline constexpr int kMaxValueLength = 511;

// The text of a file's bytes (Windows-1252, or UTF-8 or UTF-16 after a byte-order mark).
QString Decode(const QByteArray& bytes);

// A parsed file: look a key up in a section.
class Document {
public:
    Document() = default;
    explicit Document(const QByteArray& bytes);

    // The value, or nothing when the section or the key is absent.
    std::optional<QString> Value(const QString& section, const QString& key) const;
    // The keys of a section, in letter case folded and in no particular order.
    QStringList Keys(const QString& section) const;

private:
    // folded section name -> folded key -> value
    QHash<QString, QHash<QString, QString>> sections_;
};

// The file's bytes with key = value stored in section: an existing key's line is replaced,
// a missing key is added at the end of its section, a missing section at the end of the file.
// Nothing, when a name is empty, a key holds "=" or starts with "[" or ";", a section name holds
// "]", or a text holds a line break or a NUL (it would change other entries of the file).
std::optional<QByteArray> WithValue(const QByteArray& bytes, const QString& section,
                                    const QString& key, const QString& value);

}  // namespace ini
