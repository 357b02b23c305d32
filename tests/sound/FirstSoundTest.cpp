// No sound call keeps the window waiting, the first one included, however slow the sound module
// is to load and to play; and a sound asked for while the module loads is not lost. A program of
// its own, so that the module is loaded here for the first time.

#include "app/Sounds.h"
#include "core/Rnd.h"
#include "support/TestFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QThread>

#include <gtest/gtest.h>

TEST(FirstSound, ASoundCallReturnsWithinAFrameAndEverySoundIsPlayedInTurn)
{
    TestFolder folder;
    folder.CopyShipped(QStringLiteral("suoni"));
    const QString module = folder.File(QStringLiteral("libparcolo_sound.so"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PARCOLO_SLOW_PLAYER), module));
    SetSoundPlayer({});
    SuoniAttivi = true;
    SetRndSource([] { return 0.3; });  // si2.wav

    // 16 ms: one frame at 60 Hz. Loading this module alone takes 600 ms.
    QElapsedTimer call;
    call.start();
    SuonoErrato();
    EXPECT_LT(call.elapsed(), 16) << "the first sound call waited";
    call.restart();
    SuonoEsatto();
    EXPECT_LT(call.elapsed(), 16) << "a sound call waited for the module";
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
