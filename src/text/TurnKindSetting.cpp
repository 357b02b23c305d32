#include "text/TurnKindSetting.h"

#include "text/IniReadWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr const char* kNames[] = {"classico", "facile", "medio", "difficile"};

// A choice no file took.
std::optional<TurnKind>& ThisRun()
{
    static std::optional<TurnKind> kind;
    return kind;
}

}  // namespace

QString TurnKindFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/Parcolo.ini");
}

QString TurnKindName(TurnKind kind) { return QString::fromLatin1(kNames[int(kind)]); }

std::optional<TurnKind> TurnKindNamed(const QString& name)
{
    for (int k = 0; k < 4; ++k)
        if (name.trimmed().compare(QLatin1String(kNames[k]), Qt::CaseInsensitive) == 0) return TurnKind(k);
    return std::nullopt;
}

std::optional<clues::Level> LevelOf(TurnKind kind)
{
    switch (kind) {
    case TurnKind::Classico: return std::nullopt;
    case TurnKind::Facile: return clues::Level::Facile;
    case TurnKind::Medio: return clues::Level::Medio;
    case TurnKind::Difficile: return clues::Level::Difficile;
    }
    return std::nullopt;
}

TurnKind ChosenTurnKind()
{
    if (ThisRun()) return *ThisRun();
    const QString file = TurnKindFile();
    const auto stored = file.isEmpty() ? std::nullopt : MLSReadIni(file, QStringLiteral("Game"), QStringLiteral("Kind"));
    return stored ? TurnKindNamed(*stored).value_or(TurnKind::Classico) : TurnKind::Classico;
}

bool StoreTurnKind(TurnKind kind)
{
    const QString file = TurnKindFile();
    const bool stored = !file.isEmpty() && QDir().mkpath(QFileInfo(file).absolutePath()) &&
                        MLSWriteIni(file, QStringLiteral("Game"), QStringLiteral("Kind"), TurnKindName(kind)) != 0;
    ThisRun() = stored ? std::nullopt : std::optional<TurnKind>(kind);
    return stored;
}
