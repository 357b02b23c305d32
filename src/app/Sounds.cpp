#include "app/Sounds.h"

#include "core/Rnd.h"
#include "text/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QLibrary>

bool SuoniAttivi = true;

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

}  // namespace

void SetSoundPlayer(std::function<void(const QString& file)> player) { Player() = std::move(player); }

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
