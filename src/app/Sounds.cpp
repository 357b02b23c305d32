#include "app/Sounds.h"

#include "core/Rnd.h"
#include "text/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QThread>

bool SuoniAttivi = true;

namespace {

std::function<void(const QString&)>& Player()
{
    static std::function<void(const QString&)> player;
    return player;
}

// The thread of sounds: it loads the player module and plays, one job after the other, so a
// sound asked for during the load follows it. It lives until the application object goes.
class SoundThread {
public:
    static void Post(std::function<void()> job)
    {
        if (!thread_) Start();
        QMetaObject::invokeMethod(context_, std::move(job), Qt::QueuedConnection);
    }

private:
    static void Start()
    {
        thread_ = new QThread;
        thread_->setObjectName(QStringLiteral("sounds"));
        context_ = new QObject;
        context_->moveToThread(thread_);
        thread_->start();
        qAddPostRoutine(&Stop);
    }

    // Silence, then the thread ends before the application object it was made under.
    static void Stop()
    {
        Post(&StopPlaying);
        thread_->quit();
        thread_->wait();
        delete context_;
        delete thread_;
        context_ = nullptr;
        thread_ = nullptr;
    }

    static void StopPlaying();

    static inline QThread* thread_ = nullptr;
    static inline QObject* context_ = nullptr;
};

// The player module beside the program; touched in the thread of sounds only.
struct Module {
    using Play = void (*)(const QString&);
    using Call = void (*)();
    Play play = nullptr;
    Call stop = nullptr;

    // Loads the module unless it is loaded; without it, silence (and another try next time).
    void Load(const QString& path)
    {
        if (play) return;
        QLibrary library(path);
        play = reinterpret_cast<Play>(library.resolve("ParcoloPlaySound"));
        if (!play) return;
        stop = reinterpret_cast<Call>(library.resolve("ParcoloStopSound"));
        if (const auto prepare = reinterpret_cast<Call>(library.resolve("ParcoloPrepareSound"))) prepare();
    }
};

Module& TheModule()
{
    static Module module;
    return module;
}

void SoundThread::StopPlaying()
{
    if (TheModule().stop) TheModule().stop();
}

// Where the module lies: asked on the window's thread, which owns the program folder.
QString ModulePath() { return InProgramFolder(QStringLiteral("parcolo_sound")); }

void Play(const QString& file)
{
    if (Player()) return Player()(file);
    if (!QFile::exists(file)) return;  // a missing sound is silence, and cuts nothing off
    SoundThread::Post([file, path = ModulePath()] {
        Module& module = TheModule();
        module.Load(path);
        if (module.play) module.play(file);
    });
}

QString SoundFile(const QString& name)
{
    return InProgramFolder(QStringLiteral("suoni") + QDir::separator() + name);
}

}  // namespace

void SetSoundPlayer(std::function<void(const QString& file)> player) { Player() = std::move(player); }

void PrepareSounds()
{
    if (Player()) return;
    SoundThread::Post([path = ModulePath()] { TheModule().Load(path); });
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
