#pragma once
// Parsed language and setting files, kept between lookups.
//
// A file is read and parsed once and kept as long as it does not change on disk; a file that did
// change is read again at the next call, so every lookup sees the file as it is now. A change is
// told by the file's size and modification time, read without opening the file (two calls to the
// file system per call here, nothing more while the file stays the same).
//
// Surprises:
//  - Two writes within one tick of a coarse file-system clock leave the same time behind. A file
//    read while its time is that recent (within two seconds) is "racy": its bytes are kept, and
//    every call reads the file again and compares them until the file has aged. So a file that was
//    just written costs a whole read per call for two seconds.
//  - Only a handful of files are ever asked for (the setting and the language files), so the
//    cache holds at most eight and starts afresh rather than grow.
//  - What a call returns is that version of the file: it stays valid, and unchanged, however the
//    file changes afterwards. Code that reads many keys in one go (a window's translation) holds
//    one version for all of them instead of asking about the file for every key.

#include "text/IniFile.h"

#include <QString>

#include <memory>

// The file parsed, or nothing when it cannot be read (missing, a folder, unreadable).
std::shared_ptr<const ini::Document> CachedDocument(const QString& file);
