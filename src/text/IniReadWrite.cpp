#include "text/IniReadWrite.h"

#include "text/IniFile.h"
#include "text/LanguageCache.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::optional<QString> MLSReadIni(const QString& file, const QString& section, const QString& key)
{
    const auto doc = CachedDocument(file);
    if (!doc) return std::nullopt;
    return doc->Value(section, key).value_or(QString());
}

std::optional<QString> MLSReadIniEntry(const QString& file, const QString& section, const QString& key)
{
    const auto doc = CachedDocument(file);
    if (!doc) return std::nullopt;
    return doc->Value(section, key);
}

QStringList MLSReadIniKeys(const QString& file, const QString& section)
{
    const auto doc = CachedDocument(file);
    return doc ? doc->Keys(section) : QStringList();
}

qint32 MLSWriteIni(const QString& file, const QString& section, const QString& key, const QString& value)
{
    QByteArray old;
    QFile existing(file);
    const bool existed = existing.exists();
    if (existed) {
        // A folder (or anything but a regular file) where the file should be is left alone.
        if (!QFileInfo(file).isFile() || !existing.open(QIODevice::ReadOnly)) return 0;
        old = existing.readAll();
        if (existing.error() != QFileDevice::NoError) return 0;
        existing.close();
    }
    const auto bytes = ini::WithValue(old, section, key, value);
    if (!bytes) return 0;
    QSaveFile out(file);
    // A writable file in a folder that takes no new file is rewritten in place. Qt falls back so
    // only when the folder's permissions refuse the new file; a folder that refuses it otherwise
    // (the immutable flag, which binds root too) gets the same treatment here.
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly)) {
        if (!existed || QFileInfo(QFileInfo(file).absolutePath()).isWritable()) return 0;
        QFile direct(file);
        if (!direct.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        return direct.write(*bytes) == bytes->size() && direct.flush() ? 1 : 0;
    }
    if (out.write(*bytes) != bytes->size()) {
        out.cancelWriting();
        return 0;
    }
    return out.commit() ? 1 : 0;
}
