// The sound player, a module of its own: Qt Multimedia and the audio system are loaded with the
// first sound, not at every start of the program.
//
// One effect per file, kept for the run; starting one stops the one still playing.

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

extern "C" Q_DECL_EXPORT void ParcoloPlaySound(const QString& file)
{
    static QHash<QString, QPointer<QSoundEffect>> effects;
    static QPointer<QSoundEffect> playing;
    QPointer<QSoundEffect>& effect = effects[file];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(file));
    }
    if (playing) playing->stop();
    playing = effect;
    effect->play();
}
