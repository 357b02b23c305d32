#include "app/Startup.h"

#include "app/InstanceLock.h"
#include "app/Instances.h"
#include "app/Sounds.h"
#include "core/Rnd.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "text/ProgramFolder.h"
#include "text/QtTranslations.h"
#include "text/TextLookup.h"
#include "ui/MsgBox.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A copy killed while it saved the language leaves the save's temporary file beside the setting
// (the setting itself is replaced whole or not at all), in the program folder or in the user's.
// Only this copy saves now: it holds the lock.
void RemoveStaleSaveFiles()
{
    static const QRegularExpression ours(QStringLiteral("^LangSetting\\.ini\\.[A-Za-z0-9]{6}$"));
    QStringList folders = {ProgramFolder()};
    if (const QString user = MLSUserSettingFile(); !user.isEmpty()) folders.append(QFileInfo(user).path());
    for (const QString& path : folders) {
        QDir folder(path);
        for (const QString& name : folder.entryList({QStringLiteral("LangSetting.ini.*")}, QDir::Files | QDir::Hidden))
            if (ours.match(name).hasMatch()) folder.remove(name);
    }
}

}  // namespace

bool Main()
{
    MLSLoadQtTranslations();
    if (!TakeInstanceLock()) {
        MsgBox(nullptr, MLSGetString(QStringLiteral("0001")), MsgButtons::Ok, MsgIcon::Critical,
               MLSGetStringOr(QStringLiteral("0236"), QStringLiteral("Error")));
        return false;
    }
    RemoveStaleSaveFiles();
    SuoniAttivi = true;
    LoadParole();
    Randomize();
    FormAvvio.Show();
    return true;
}
