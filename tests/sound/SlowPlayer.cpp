// A stand-in for the sound module that is as slow as a test wants it: its load waits until the
// file named by PARCOLO_SLOW_PLAYER_GATE exists (10 s at most) and then leaves that name with
// ".loaded" behind; each play takes 50 ms. It plays nothing and keeps the list of the files it
// was asked to play.

#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QThread>

namespace {
struct SlowToLoad {
    SlowToLoad()
    {
        const QString gate = qEnvironmentVariable("PARCOLO_SLOW_PLAYER_GATE");
        QElapsedTimer waited;
        waited.start();
        while (!gate.isEmpty() && !QFile::exists(gate) && waited.elapsed() < 10000) QThread::msleep(10);
        QFile loaded(gate + QStringLiteral(".loaded"));
        if (!gate.isEmpty()) loaded.open(QIODevice::WriteOnly);
    }
} slowToLoad;

QMutex mutex;
QStringList played;
}  // namespace

extern "C" Q_DECL_EXPORT void ParcoloPrepareSound() {}

extern "C" Q_DECL_EXPORT void ParcoloPlaySound(const QString& file)
{
    QThread::msleep(50);
    const QMutexLocker lock(&mutex);
    played << file;
}

extern "C" Q_DECL_EXPORT void ParcoloStopSound() {}

extern "C" Q_DECL_EXPORT void ParcoloPlayedSounds(QStringList* files)
{
    const QMutexLocker lock(&mutex);
    *files = played;
}
