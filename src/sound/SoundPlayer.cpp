// The sound player, a module of its own: Qt Multimedia and the audio system are loaded with the
// first sound, not at every start of the program.
//
// Every sound gets an effect of its own, made for that play and deleted when it ends or when the
// next sound cuts it off. Restarting one effect is not an option: with the PulseAudio back end
// each restart of the same effect plays with a smaller stream buffer than the one before, until
// after some seven plays nothing is heard at all. The decoded file is shared through Qt's sample
// cache, so a new effect costs no new reading of the file.

#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

extern "C" Q_DECL_EXPORT void ParcoloPlaySound(const QString& file)
{
    static QPointer<QSoundEffect> playing;
    if (playing) {
        playing->stop();  // the next sound cuts the old one off
        playing->deleteLater();
    }
    auto* effect = new QSoundEffect(QCoreApplication::instance());
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying()) effect->deleteLater();
    });
    effect->setSource(QUrl::fromLocalFile(file));
    effect->play();
    playing = effect;
}
