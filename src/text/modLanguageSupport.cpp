#include "text/modLanguageSupport.h"

#include "text/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTranslator>

#include <chrono>
#include <filesystem>
#include <memory>
#include <system_error>


QString MLSCurrentLanguage;

namespace {

QString g_programFolder;

// What tells a file changed on disk: its size and its modification time, read through the
// standard library (nanoseconds where the file system keeps them, on every platform) without
// opening the file. Two writes within one tick of a coarse clock look alike, so a file read while
// its time was that recent is "racy": its bytes are kept and compared at the next lookup, until
// it has aged.
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
    const std::filesystem::path path = PathOf(file);
    const auto stamp = StampOf(path);
    auto& cache = Cache();
    if (!stamp) {
        cache.remove(file);
        return nullptr;
    }
    auto it = cache.find(file);
    if (it != cache.end() && it->stamp == *stamp && it->racyBytes.isNull()) return &it->document;
    const auto readAt = std::filesystem::file_time_type::clock::now();
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return nullptr;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) return nullptr;
    const bool known = it != cache.end();
    if (cache.size() >= 8 && !known) cache.clear();
    CachedFile& entry = cache[file];
    const bool racy = readAt - stamp->modified < kRacy;
    if (!known || !(entry.stamp == *stamp) || entry.racyBytes != bytes) entry.document = ini::Document(bytes);
    entry.stamp = *stamp;
    entry.racyBytes = racy ? bytes : QByteArray();
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

QStringList MLSReadIniKeys(const QString& file, const QString& section)
{
    const ini::Document* doc = DocumentOf(file);
    return doc ? doc->Keys(section) : QStringList();
}

qint32 MLSWriteIni(const QString& file, const QString& section, const QString& key, const QString& value)
{
    QByteArray old;
    QFile existing(file);
    const bool existed = existing.exists();
    if (existed) {
        if (!StampOf(PathOf(file)) || !existing.open(QIODevice::ReadOnly)) return 0;
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

namespace {

const QString kSettingName = QStringLiteral("LangSetting.ini");

void ReadCurrentLanguageOnce()
{
    if (!MLSCurrentLanguage.isEmpty()) return;
    if (const auto lang = MLSReadIni(MLSSettingFile(), QStringLiteral("Language"), QStringLiteral("CurrentLanguage")))
        MLSCurrentLanguage = *lang;
}

bool StoreIn(const QString& file, const QString& language)
{
    return MLSWriteIni(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), language) != 0;
}

}  // namespace

QString MLSUserSettingFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folder.isEmpty() ? QString() : folder + u'/' + kSettingName;
}

QString MLSSettingFile()
{
    const QString user = MLSUserSettingFile();
    return !user.isEmpty() && QFileInfo(user).isFile() ? user : InProgramFolder(kSettingName);
}

bool MLSStoreLanguage(const QString& language)
{
    const QString user = MLSUserSettingFile();
    const bool userCopy = !user.isEmpty() && QFileInfo(user).isFile();
    const bool shared = StoreIn(InProgramFolder(kSettingName), language);
    // A user's copy outranks the program folder's file: left as it was, it would undo the pick.
    if ((shared && !userCopy) || user.isEmpty()) return shared;
    if (!userCopy && !QDir().mkpath(QFileInfo(user).absolutePath())) return false;
    return StoreIn(user, language);
}

void MLSLoadQtTranslations()
{
    static std::unique_ptr<QTranslator> loaded;
    if (!QCoreApplication::instance()) return;
    ReadCurrentLanguageOnce();
    if (loaded) QCoreApplication::removeTranslator(loaded.get());
    loaded.reset();
    const QString locale = MLSReadIni(MLSLanguageFile(), QStringLiteral("Language"), QStringLiteral("Locale"))
                               .value_or(QString()).trimmed();
    if (locale.isEmpty()) return;
    // QLocale reads only a locale name out of the text, so the file cannot name a path.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(locale), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    loaded = std::move(translator);
}

QString MLSGetStringOr(const QString& key, const QString& builtIn)
{
    const QString text = MLSGetString(key);
    return text.isEmpty() ? builtIn : text;
}

QString MLSGetString(const QString& key)
{
    ReadCurrentLanguageOnce();
    return MLSReadIni(MLSLanguageFile(), QStringLiteral("Strings"), key).value_or(QString());
}
