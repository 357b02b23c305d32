// No sound call keeps the window waiting for the sound module, the first one included, however
// slow the module is to load and to play; and a sound asked for while the module loads is not
// lost. A program of its own, so that the module is loaded here for the first time.

#include "app/Sounds.h"
#include "core/Rnd.h"
#include "support/TestFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QThread>

#include <gtest/gtest.h>

TEST(FirstSound, NoSoundCallWaitsForTheModuleAndEverySoundIsPlayedInTurn)
{
    TestFolder folder;
    folder.CopyShipped(QStringLiteral("suoni"));
    const QString module = folder.File(QStringLiteral("libparcolo_sound.so"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PARCOLO_SLOW_PLAYER), module));
    SetSoundPlayer({});
    SuoniAttivi = true;
    SetRndSource([] { return 0.3; });  // si2.wav

    // The module loads only once the test opens its gate: a call that waited for the load would
    // return only after the gate's 10 s, with the module loaded.
    const QString gate = folder.File(QStringLiteral("gate"));
    qputenv("PARCOLO_SLOW_PLAYER_GATE", gate.toLocal8Bit());
    SuonoErrato();
    SuonoEsatto();
    EXPECT_FALSE(QFile::exists(gate + QStringLiteral(".loaded"))) << "a sound call waited for the module";
    QFile(gate).open(QIODevice::WriteOnly);
    SetRndSource({});

    QStringList played;
    QElapsedTimer waited;
    waited.start();
    while (played.size() < 2 && waited.elapsed() < 20000) {
        QThread::msleep(20);
        // The module is loaded by now or being loaded: this waits for it at most, and loads nothing anew.
        if (const auto list = reinterpret_cast<void (*)(QStringList*)>(QLibrary(module).resolve("ParcoloPlayedSounds")))
            list(&played);
    }
    const QString sounds = folder.File(QStringLiteral("suoni/"));
    EXPECT_EQ(played.join(u' ').toStdString(), (sounds + "no.wav " + sounds + "si2.wav").toStdString());
}
