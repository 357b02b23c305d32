#include "text/StatisticsFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QLatin1String kName("statistics.json");
constexpr qint64 kLargest = 64 * 1024 * 1024;  // far more than a lifetime of turns

// "statistics.json." and six letters or digits: QSaveFile's temporary file.
bool IsSaveFile(const QString& name)
{
    const QString prefix = kName + u'.';
    if (name.size() != prefix.size() + 6 || !name.startsWith(prefix)) return false;
    return std::all_of(name.begin() + prefix.size(), name.end(), [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
    });
}

// Moves the unreadable file (or folder) out of the way; its new path, or "" when it stays.
QString SetAside(const QString& file)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int k = 1; k < 100; ++k) {
        const QString aside = file + QStringLiteral(".unreadable-") + stamp + (k > 1 ? QStringLiteral("-%1").arg(k) : QString());
        if (QFileInfo::exists(aside)) continue;
        return QDir().rename(file, aside) ? aside : QString();
    }
    return QString();
}

}  // namespace

QString StatisticsFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + u'/' + kName;
}

LoadedStatistics LoadStatistics()
{
    LoadedStatistics loaded;
    const QString file = StatisticsFile();
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath())) {
        loaded.writable = false;
        return loaded;
    }
    QDir folder(QFileInfo(file).absolutePath());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        if (IsSaveFile(name)) folder.remove(name);
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink()) return loaded;
    QFile in(file);
    std::optional<stats::Statistics> read;
    if (info.isFile() && info.size() <= kLargest && in.open(QIODevice::ReadOnly)) {
        auto result = stats::Statistics::Read(in.readAll());
        if (auto* statistics = std::get_if<stats::Statistics>(&result)) read = std::move(*statistics);
    }
    if (read) {
        loaded.statistics = std::move(*read);
        return loaded;
    }
    loaded.setAside = SetAside(file);
    if (loaded.setAside.isEmpty()) loaded.writable = false;  // the bad file stays: nothing may replace it
    return loaded;
}

bool SaveStatistics(const stats::Statistics& statistics)
{
    const QString file = StatisticsFile();
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath())) return false;
    QSaveFile out(file);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = statistics.Write();
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}
