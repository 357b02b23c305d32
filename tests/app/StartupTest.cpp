// Start-up, the second-copy refusal, the shared state, the sounds and the exit question.

#include "app/FormAvvio.h"
#include "app/FormMenu.h"
#include "app/InstanceLock.h"
#include "app/Instances.h"
#include "app/Sounds.h"
#include "app/Startup.h"
#include "clues/TurnCode.h"
#include "core/Rnd.h"
#include "game/GameForm.h"
#include "support/AppFixture.h"
#include "text/TextLookup.h"
#include "text/Parole.h"
#include "ui/clsResize.h"
#include "ui/Form.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>

#include <QDir>
#include <QLockFile>

namespace {

class StartupTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // A lock folder of this test's own, so no other copy and no earlier test holds the lock.
        const QString run = folder_->File(QStringLiteral("run"));
        QDir().mkpath(run);
        qputenv("XDG_RUNTIME_DIR", run.toLocal8Bit());
        QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

// Counts its activations; for the window runtime's own rules.
class CountingForm : public Form {
public:
    CountingForm() : Form(QStringLiteral("FormProva"), 3000, 2000) {}
    void Form_Activate() override { ++activations; }
    int activations = 0;
};

}  // namespace

TEST_F(StartupTest, MainShowsTheStartScreenWithSoundsOnAndTheWords)
{
    folder_->Write(QStringLiteral("Italiano.lng"),
                   LanguageFile({{"0002", QStringLiteral("Esatti ")}, {"0003", QStringLiteral("Errati")},
                                 {"0004", QStringLiteral("  La ")}, {"0029", QStringLiteral("ultima")}}));
    SuoniAttivi = false;
    ASSERT_TRUE(Main());
    EXPECT_TRUE(SuoniAttivi);
    EXPECT_EQ(Parole[0], "Esatti  ");  // exactly one blank added, also after one already there
    EXPECT_EQ(Parole[1], "Errati ");
    EXPECT_EQ(Parole[2], "  La ");     // as read, blanks kept
    EXPECT_EQ(Parole[27], "ultima");
    EXPECT_EQ(Parole[5], "");
    ASSERT_TRUE(FormAvvio.IsLoaded());
    EXPECT_TRUE(FormAvvio.Instance()->isVisible());
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(StartupTest, ASecondCopyIsRefusedBeforeAnyWindow)
{
    QLockFile other(InstanceLockPath());
    ASSERT_TRUE(other.tryLock(0));
    EXPECT_FALSE(Main());
    EXPECT_TRUE(LoadedForms().isEmpty());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, MLSGetString(QStringLiteral("0001")));
    EXPECT_FALSE(boxes_[0].text.isEmpty());
    EXPECT_EQ(boxes_[0].title, MLSGetString(QStringLiteral("0236")));
    EXPECT_EQ(boxes_[0].icon, MsgIcon::Critical);
    EXPECT_EQ(boxes_[0].buttons, MsgButtons::Ok);
    // Once the other copy is gone, the program starts.
    other.unlock();
    EXPECT_TRUE(Main());
}

// "parcolo --code CODE": the game window opens on that turn instead of the start screen; a code
// that is refused is told, and the start screen shows.
TEST_F(StartupTest, MainWithACodeOpensThatTurnOrTellsWhyNot)
{
    const QString code = QStringLiteral("GEQD-2V4B-FKMV-N754-ZX9E");  // five cars, Difficile
    ASSERT_TRUE(Main(code));
    EXPECT_FALSE(FormAvvio.IsLoaded());
    ASSERT_TRUE(FormAuto5.IsLoaded());
    EXPECT_TRUE(FormAuto5.Instance()->isVisible());
    EXPECT_EQ(clues::EncodeTurn(FormAuto5.As<GameForm>()->CurrentTurn()), code);
    EXPECT_TRUE(boxes_.empty());
    for (Form* f : LoadedForms()) f->Unload();
    ReleaseInstanceLock();

    ASSERT_TRUE(Main(QStringLiteral("GEQD-2V4B")));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, MLSGetString(QStringLiteral("0254")));
    EXPECT_TRUE(FormAvvio.IsLoaded() && FormAvvio.Instance()->isVisible());
    EXPECT_FALSE(FormAuto5.IsLoaded());
}

TEST_F(StartupTest, ALockLeftByAKilledCopyDoesNotBlock)
{
    // A lock file naming a process that no longer runs.
    QFile stale(InstanceLockPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999\nparcolo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    EXPECT_TRUE(Main());
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(StartupTest, WithoutLanguageFilesEverythingStillRuns)
{
    QFile::remove(folder_->File(QStringLiteral("Italiano.lng")));
    ASSERT_TRUE(Main());
    EXPECT_EQ(Parole[0], " ");
    EXPECT_EQ(Parole[1], " ");
    EXPECT_EQ(Parole[2], "");
    auto* avvio = FormAvvio.As<FormAvvioWindow>();
    avvio->Command1_Click();
    EXPECT_TRUE(FormMenu.IsLoaded());
    EXPECT_FALSE(FormAvvio.IsLoaded());
}

TEST_F(StartupTest, SoundsOffTouchNothingAndDrawNothing)
{
    SuoniAttivi = false;
    SuonoEsatto();
    SuonoErrato();
    EXPECT_TRUE(played_.isEmpty());
    EXPECT_EQ(DrawsTaken(), 0);
}

TEST_F(StartupTest, SoundsPlayTheirFiles)
{
    Script({Pick(2, 4)});
    SuonoEsatto();
    SuonoErrato();
    const QString folder = folder_->Path() + QStringLiteral("/suoni/");
    EXPECT_EQ(played_, QStringList({folder + "si3.wav", folder + "no.wav"}));
    // Each of the four right-answer sounds about a quarter of the time.
    played_.clear();
    SetRndSource({});
    for (int i = 0; i < 4000; ++i) SuonoEsatto();
    for (int n = 1; n <= 4; ++n) {
        const auto count = played_.count(folder + QStringLiteral("si%1.wav").arg(n));
        EXPECT_GT(count, 850) << n;
        EXPECT_LT(count, 1150) << n;
    }
}

TEST_F(StartupTest, ExitQuestionNoChangesNothingYesEndsAtOnce)
{
    ASSERT_TRUE(Main());
    FormAvvio.As<FormAvvioWindow>()->Command1_Click();
    ASSERT_TRUE(Ridimensionatore);
    answer_ = MsgResult::No;
    auto* menu = FormMenu.As<FormMenuWindow>();
    menu->Command1_Click();
    EXPECT_EQ(endedAtOnce_, 0);
    EXPECT_TRUE(Ridimensionatore);
    EXPECT_TRUE(FormMenu.IsLoaded());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].owner, menu) << "the question belongs to the window that asks";
    EXPECT_EQ(boxes_[0].text, "Vuoi davvero uscire da Parcolo?");
    EXPECT_EQ(boxes_[0].title, "Parcolo");
    EXPECT_EQ(boxes_[0].icon, MsgIcon::Question);
    EXPECT_EQ(boxes_[0].buttons, MsgButtons::YesNo);
    answer_ = MsgResult::Yes;
    ASSERT_TRUE(QFile::exists(InstanceLockPath()));
    menu->Command1_Click();
    EXPECT_EQ(endedAtOnce_, 1);
    EXPECT_FALSE(Ridimensionatore);
    // Ending at once runs no destructor: the single-copy lock is gone before.
    EXPECT_FALSE(QFile::exists(InstanceLockPath()));
}

TEST_F(StartupTest, TheStartRemovesWhatAKilledLanguageSaveLeftBehind)
{
    const QStringList names = {"LangSetting.ini.a1B2c3", "LangSetting.ini.bak", "LangSetting.ini.a1B2c3d", "Altro.ini.a1B2c3"};
    for (const QString& name : names) folder_->Write(name, "[Language]\r\n");
    ASSERT_TRUE(Main());
    EXPECT_FALSE(QFile::exists(folder_->File(names[0])));
    for (const QString& kept : names.mid(1)) EXPECT_TRUE(QFile::exists(folder_->File(kept))) << kept.toStdString();
    EXPECT_TRUE(QFile::exists(folder_->File(QStringLiteral("LangSetting.ini"))));
}

TEST_F(StartupTest, TheProgramEndsWhenTheLastWindowIsUnloaded)
{
    ASSERT_TRUE(Main());
    FormAvvio.As<FormAvvioWindow>()->Command1_Click();
    EXPECT_EQ(endedLastForm_, 0);
    // Closed from its window border: unloaded without a question.
    FormMenu.Instance()->close();
    EXPECT_FALSE(FormMenu.IsLoaded());
    EXPECT_EQ(endedLastForm_, 1);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(StartupTest, DefaultInstancesLoadOnShowAndAfreshAfterUnload)
{
    DefaultForm prova([] { return new CountingForm; });
    EXPECT_FALSE(prova.IsLoaded());
    prova.Show();
    auto* first = prova.As<CountingForm>();
    EXPECT_EQ(first->activations, 1);
    EXPECT_EQ(LoadedForms(), QList<Form*>({first}));
    // Coming back from a message box or another application is no new activation.
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(first, &activate);
    prova.Show();
    EXPECT_EQ(first->activations, 1);
    prova.Unload();
    EXPECT_FALSE(prova.IsLoaded());
    EXPECT_TRUE(LoadedForms().isEmpty());
    prova.Show();
    EXPECT_EQ(prova.As<CountingForm>()->activations, 1);
    EXPECT_NE(prova.Instance(), nullptr);
    prova.Unload();
}

TEST_F(StartupTest, ActivationComesFromAnotherForm)
{
    DefaultForm a([] { return new CountingForm; });
    DefaultForm b([] { return new CountingForm; });
    a.Show();
    b.Show();
    a.Show();
    EXPECT_EQ(a.As<CountingForm>()->activations, 2);
    EXPECT_EQ(b.As<CountingForm>()->activations, 1);
    a.Unload();
    b.Unload();
}

TEST_F(StartupTest, TheRealPlayerIsLoadedFromBesideTheProgramOrStaysSilent)
{
    folder_->CopyShipped(QStringLiteral("suoni"));
    SetSoundPlayer({});
    SuonoErrato();  // no player module in the folder: silence, no failure
    ASSERT_TRUE(QFile::copy(QStringLiteral(PARCOLO_PROGRAM_DIR "/libparcolo_sound.so"),
                            folder_->File(QStringLiteral("libparcolo_sound.so"))));
    QFile::remove(folder_->File(QStringLiteral("suoni/si2.wav")));
    Script({Pick(1, 4)});
    SuonoEsatto();  // a missing file is silence too
    SuonoErrato();
    SuonoErrato();  // the second cuts the first off
    EXPECT_TRUE(played_.isEmpty());
    // The player module, and with it the audio libraries, came in with the first sound (in the
    // thread of sounds, so the call did not wait for them).
    const auto mapped = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
    };
    QElapsedTimer waited;
    waited.start();
    while (!mapped().contains("libQt6Multimedia") && waited.elapsed() < 20000) QThread::msleep(10);
    EXPECT_TRUE(mapped().contains("libparcolo_sound.so"));
    EXPECT_TRUE(mapped().contains("libQt6Multimedia"));
}
