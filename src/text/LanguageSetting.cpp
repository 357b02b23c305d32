#include "text/LanguageSetting.h"

#include "text/IniReadWrite.h"
#include "text/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString MLSCurrentLanguage;

namespace {

const QString kSettingName = QStringLiteral("LangSetting.ini");

bool StoreIn(const QString& file, const QString& language)
{
    return MLSWriteIni(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), language) != 0;
}

QString FolderWithSeparator()
{
    QString folder = ProgramFolder();
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    return folder;
}

QString LanguageFileName() { return MLSCurrentLanguage + QStringLiteral(".lng"); }

}  // namespace

void ReadCurrentLanguageOnce()
{
    if (!MLSCurrentLanguage.isEmpty()) return;
    if (const auto lang = MLSReadIni(MLSSettingFile(), QStringLiteral("Language"), QStringLiteral("CurrentLanguage")))
        MLSCurrentLanguage = *lang;
}

QString MLSLanguageFileAsNamed() { return FolderWithSeparator() + LanguageFileName(); }

QString MLSLanguageFile()
{
    const QString folder = FolderWithSeparator();
    const QString name = LanguageFileName();
    if (QFileInfo::exists(folder + name)) return folder + name;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& file : files)
        if (file.compare(name, Qt::CaseInsensitive) == 0) return folder + file;
    return folder + name;
}

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
