#include "text/LanguageCache.h"

#include <QFile>
#include <QHash>

#include <chrono>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

// What tells a file changed on disk: its size and its modification time, read through the
// standard library (nanoseconds where the file system keeps them, on every platform) without
// opening the file.
struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    bool operator==(const FileStamp& o) const { return size == o.size && modified == o.modified; }
};

std::filesystem::path PathOf(const QString& file)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(file.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(file).toStdString());
#endif
}

// Nothing when the file is missing or not a regular file.
std::optional<FileStamp> StampOf(const std::filesystem::path& path)
{
    // file_size refuses a folder and a missing file alike: two calls to the file system, no more.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return std::nullopt;
    const auto modified = std::filesystem::last_write_time(path, error);
    if (error) return std::nullopt;
    return FileStamp{size, modified};
}

// A file whose time lies within this margin of the moment it was read may change again
// without its stamp changing (coarse clocks of some file systems count in seconds).
constexpr std::chrono::seconds kRacy{2};

struct CachedFile {
    FileStamp stamp;
    QByteArray racyBytes;  // kept only while the stamp may not yet tell a change
    std::shared_ptr<const ini::Document> document;
};

QHash<QString, CachedFile>& Cache()
{
    static QHash<QString, CachedFile> cache;
    return cache;
}

}  // namespace

std::shared_ptr<const ini::Document> CachedDocument(const QString& file)
{
    const auto stamp = StampOf(PathOf(file));
    auto& cache = Cache();
    if (!stamp) {
        cache.remove(file);
        return nullptr;
    }
    auto it = cache.find(file);
    if (it != cache.end() && it->stamp == *stamp && it->racyBytes.isNull()) return it->document;
    const auto readAt = std::filesystem::file_time_type::clock::now();
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return nullptr;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) return nullptr;
    const bool known = it != cache.end();
    if (cache.size() >= 8 && !known) cache.clear();
    CachedFile& entry = cache[file];
    const bool racy = readAt - stamp->modified < kRacy;
    // A new version is a new document: whoever holds the old one keeps it as it was.
    if (!known || !(entry.stamp == *stamp) || entry.racyBytes != bytes)
        entry.document = std::make_shared<const ini::Document>(bytes);
    entry.stamp = *stamp;
    entry.racyBytes = racy ? bytes : QByteArray();
    return entry.document;
}
