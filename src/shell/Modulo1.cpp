#include "shell/Modulo1.h"

#include "forms/Form.h"
#include "forms/MsgBox.h"
#include "language/modLanguageSupport.h"
#include "shell/Instances.h"
#include "shell/Rnd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

bool SuoniAttivi = true;
qint16 NumEsatti = 0;
qint16 NumErrati = 0;
std::shared_ptr<clsResize> Ridimensionatore;

namespace {

std::function<void(const QString&)>& Player()
{
    static std::function<void(const QString&)> player;
    return player;
}

// The player module beside the program, loaded with the first sound; without it, silence.
void PlayWithModule(const QString& file)
{
    using PlayFunction = void (*)(const QString&);
    static PlayFunction play = nullptr;
    if (!QFile::exists(file)) return;  // a missing sound is silence
    if (!play) {
        QLibrary module(InProgramFolder(QStringLiteral("parcolo_sound")));
        play = reinterpret_cast<PlayFunction>(module.resolve("ParcoloPlaySound"));
    }
    if (play) play(file);
}

void Play(const QString& file)
{
    if (Player()) return Player()(file);
    PlayWithModule(file);
}

QString SoundFile(const QString& name)
{
    return InProgramFolder(QStringLiteral("suoni") + QDir::separator() + name);
}

std::unique_ptr<QLockFile>& InstanceLock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

// A copy that was killed leaves its lock file behind; QLockFile sees that its process is gone.
bool AnotherCopyRuns()
{
    auto& lock = InstanceLock();
    auto candidate = std::make_unique<QLockFile>(InstanceLockPath());
    candidate->setStaleLockTime(0);
    if (candidate->tryLock(0)) {
        lock = std::move(candidate);
        return false;
    }
    // Only a lock held by a live copy refuses the start; a folder we cannot write does not.
    return candidate->error() == QLockFile::LockFailedError;
}

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

QString InstanceLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QStringLiteral("/parcolo.lock");
}

void SetSoundPlayer(std::function<void(const QString& file)> player) { Player() = std::move(player); }

bool Main()
{
    MLSLoadQtTranslations();
    if (AnotherCopyRuns()) {
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

void BindResizer(Form* form)
{
    Ridimensionatore = std::make_shared<clsResize>();
    Ridimensionatore->SetSourceForm(form);
    form->KeepResizer(Ridimensionatore);
    Ridimensionatore->SizeFormToScreen(75);
}

void ResizeForm(Form* form)
{
    // The shared resizer is this window's own while it serves it. When it serves another window
    // (the information box activated over a game) or none, the window keeps its own: a resizer
    // bound to another window would rescale that one and leave this one as it was.
    if (clsResize* own = form->OwnResizer()) own->ResizeControls();
}

void SuonoEsatto()
{
    if (!SuoniAttivi) return;
    const int n = RndInt(4) + 1;
    Play(SoundFile(QStringLiteral("si%1.wav").arg(n)));
}

void SuonoErrato()
{
    if (!SuoniAttivi) return;
    Play(SoundFile(QStringLiteral("no.wav")));
}

void ChiediUscita(QWidget* asker)
{
    if (MsgBox(asker, MLSGetString(QStringLiteral("0030")), MsgButtons::YesNo, MsgIcon::Question,
               QStringLiteral("Parcolo")) != MsgResult::Yes)
        return;
    Ridimensionatore.reset();
    // Ending at once skips every destructor: the lock must go first, or it stays behind.
    InstanceLock().reset();
    EndProgram(true);
}
