// The sound player, a module of its own: Qt Multimedia and the audio system come with it, so the
// program loads them only when it means to play (app/Sounds.cpp loads the module in its sound
// thread; every function here runs in that thread, never in the window's).
//
// Every sound gets an effect of its own, made for that play and deleted when it ends or when the
// next sound cuts it off. Restarting one effect is not an option: with the PulseAudio back end
// each restart of the same effect plays with a smaller stream buffer than the one before, until
// after some seven plays nothing is heard at all. The decoded file is shared through Qt's sample
// cache, so a new effect costs no new reading of the file.

#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

namespace {
QPointer<QSoundEffect> playing;
}  // namespace

// Connects to the audio system ahead of the first sound, which then starts as promptly as any.
extern "C" Q_DECL_EXPORT void ParcoloPrepareSound() { (void)QMediaDevices::defaultAudioOutput(); }

extern "C" Q_DECL_EXPORT void ParcoloPlaySound(const QString& file)
{
    if (playing) {
        playing->stop();  // the next sound cuts the old one off
        playing->deleteLater();
    }
    auto* effect = new QSoundEffect;  // lives in this thread, deleted when it is over
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying()) effect->deleteLater();
    });
    effect->setSource(QUrl::fromLocalFile(file));
    effect->play();
    playing = effect;
}

// Silence before the program ends: the sound still playing is stopped and deleted.
extern "C" Q_DECL_EXPORT void ParcoloStopSound() { delete playing; }
