// A stand-in for the sound module that is as slow as the real one can be on a cold start or with
// an audio server that answers late: loading it takes 300 ms, preparing the audio 300 ms, each
// play 50 ms. It plays nothing and keeps the list of the files it was asked to play.

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QThread>

namespace {
struct SlowToLoad {
    SlowToLoad() { QThread::msleep(300); }
} slowToLoad;

QMutex mutex;
QStringList played;
}  // namespace

extern "C" Q_DECL_EXPORT void ParcoloPrepareSound() { QThread::msleep(300); }

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
