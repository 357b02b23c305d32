#include "app/Startup.h"

#include "app/InstanceLock.h"
#include "app/PlayCode.h"
#include "app/Instances.h"
#include "app/Sounds.h"
#include "core/Rnd.h"
#include "game/PlayerStatistics.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "text/ProgramFolder.h"
#include "text/QtTranslations.h"
#include "text/TextLookup.h"
#include "ui/MsgBox.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// A copy killed while it saved the language leaves the save's temporary file beside the setting
// (the setting itself is replaced whole or not at all), in the program folder or in the user's.
// Only this copy saves now: it holds the lock.
// The name of such a file: "LangSetting.ini." and six letters or digits (QSaveFile's own).
bool IsSaveFile(const QString& name)
{
    const QLatin1String prefix("LangSetting.ini.");
    if (name.size() != prefix.size() + 6 || !name.startsWith(prefix)) return false;
    return std::all_of(name.begin() + prefix.size(), name.end(), [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
    });
}

void RemoveStaleSaveFiles()
{
    QStringList folders = {ProgramFolder()};
    if (const QString user = MLSUserSettingFile(); !user.isEmpty()) folders.append(QFileInfo(user).path());
    for (const QString& path : folders) {
        QDir folder(path);
        // No name filter: Qt makes a regular expression of one, and the engine costs the start
        // half a megabyte.
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
            if (IsSaveFile(name)) folder.remove(name);
    }
}

}  // namespace

bool Main(const QString& code)
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
    if (!code.isEmpty()) {
        const auto turn = clues::DecodeTurn(code);
        if (const auto* playable = std::get_if<clues::Turn>(&turn)) {
            OpenTurn(*playable);
            return true;
        }
        MsgBox(nullptr, CodeRefusal(std::get<clues::CodeProblem>(turn)), MsgButtons::Ok, MsgIcon::None, QStringLiteral("Parcolo"));
    }
    FormAvvio.Show();
    // The statistics read now: what went wrong with their file is told over the start screen.
    PlayerStatistics(FormAvvio.Instance());
    return true;
}
