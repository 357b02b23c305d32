#include "text/LanguageSwitch.h"

#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "text/ProgramFolder.h"
#include "text/QtTranslations.h"

#include <QDir>

LanguageNotifier& Languages()
{
    static LanguageNotifier notifier;
    return notifier;
}

void SwitchLanguage(const QString& language)
{
    MLSCurrentLanguage = language;
    MLSLoadQtTranslations();
    LoadParole();
    MLSStoreLanguage(language);
    emit Languages().LanguageSwitched(language);
}

QStringList InstalledLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(ProgramFolder()).entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden,
                                                               QDir::Unsorted))
        languages << file.left(file.size() - 4);
    return languages;
}
