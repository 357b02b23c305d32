#include "language/modLanguageSupport.h"

#include "language/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <sys/stat.h>

QString MLSCurrentLanguage;

namespace {

QString g_programFolder;

// What tells a file changed on disk: stat() gives nanosecond times, the inode and the size, so a
// rewrite or a replacement is noticed at the next lookup without reading the file again.
struct FileStamp {
    qint64 size = -1;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const FileStamp& o) const
    {
        return size == o.size && mtimeNs == o.mtimeNs && ctimeNs == o.ctimeNs && inode == o.inode &&
               device == o.device;
    }
};

// Nothing when the file is missing or not a regular file.
std::optional<FileStamp> StampOf(const QString& file)
{
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    FileStamp s;
    s.size = st.st_size;
    s.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.ctimeNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    s.inode = st.st_ino;
    s.device = st.st_dev;
    return s;
}

struct CachedFile {
    FileStamp stamp;
    ini::Document document;
};

// Parsed files by path. Only a handful of files are ever read (the settings file and the
// language files), so the cache starts afresh rather than grow past a few entries.
QHash<QString, CachedFile>& Cache()
{
    static QHash<QString, CachedFile> cache;
    return cache;
}

const ini::Document* DocumentOf(const QString& file)
{
    const auto stamp = StampOf(file);
    auto& cache = Cache();
    if (!stamp) {
        cache.remove(file);
        return nullptr;
    }
    auto it = cache.find(file);
    if (it != cache.end() && it->stamp == *stamp) return &it->document;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return nullptr;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) return nullptr;
    if (cache.size() >= 8 && it == cache.end()) cache.clear();
    CachedFile& entry = cache[file];
    entry.stamp = *stamp;
    entry.document = ini::Document(bytes);
    return &entry.document;
}

}  // namespace

QString ProgramFolder()
{
    if (!g_programFolder.isEmpty()) return g_programFolder;
    if (QCoreApplication::instance()) return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    return QDir::toNativeSeparators(QDir::currentPath());
}

void SetProgramFolder(const QString& folder) { g_programFolder = QDir::toNativeSeparators(folder); }

QString InProgramFolder(const QString& name) { return ProgramFolder() + QDir::separator() + name; }

QString MLSLanguageFile()
{
    QString folder = ProgramFolder();
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    const QString name = MLSCurrentLanguage + QStringLiteral(".lng");
    if (QFileInfo::exists(folder + name)) return folder + name;
    // The language files come from a system whose file names ignore letter case, so a setting
    // that differs from a file's name only in case still finds that file.
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& file : files)
        if (file.compare(name, Qt::CaseInsensitive) == 0) return folder + file;
    return folder + name;
}

std::optional<QString> MLSReadIni(const QString& file, const QString& section, const QString& key)
{
    const ini::Document* doc = DocumentOf(file);
    if (!doc) return std::nullopt;
    return doc->Value(section, key).value_or(QString());
}

std::optional<QString> MLSReadIniEntry(const QString& file, const QString& section, const QString& key)
{
    const ini::Document* doc = DocumentOf(file);
    if (!doc) return std::nullopt;
    return doc->Value(section, key);
}

qint32 MLSWriteIni(const QString& file, const QString& section, const QString& key, const QString& value)
{
    QByteArray old;
    QFile existing(file);
    if (existing.exists()) {
        if (!StampOf(file) || !existing.open(QIODevice::ReadOnly)) return 0;
        old = existing.readAll();
        if (existing.error() != QFileDevice::NoError) return 0;
        existing.close();
    }
    const auto bytes = ini::WithValue(old, section, key, value);
    if (!bytes) return 0;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return 0;
    if (out.write(*bytes) != bytes->size()) {
        out.cancelWriting();
        return 0;
    }
    return out.commit() ? 1 : 0;
}

QString MLSGetString(const QString& key)
{
    if (MLSCurrentLanguage.isEmpty()) {
        if (const auto lang = MLSReadIni(InProgramFolder(QStringLiteral("LangSetting.ini")),
                                         QStringLiteral("Language"), QStringLiteral("CurrentLanguage")))
            MLSCurrentLanguage = *lang;
    }
    return MLSReadIni(MLSLanguageFile(), QStringLiteral("Strings"), key).value_or(QString());
}
