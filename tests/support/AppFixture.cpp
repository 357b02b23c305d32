#include "support/AppFixture.h"

#include "app/FormMenu.h"
#include "app/Instances.h"
#include "app/Sounds.h"
#include "core/Rnd.h"
#include "game/GameForm.h"
#include "text/modLanguageSupport.h"
#include "text/Parole.h"
#include "ui/clsResize.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Properties.h"

#include <QCoreApplication>
#include <QEvent>

void AppTest::SetUp()
{
    folder_ = std::make_unique<TestFolder>();
    folder_->CopyShipped(QStringLiteral("Italiano.lng"));
    folder_->CopyShipped(QStringLiteral("immagini"));
    folder_->SetLanguage(QStringLiteral("Italiano"));
    SetScreenSizeTwipsForTesting(1280 * 15, 800 * 15);
    SetRndSource([this] {
        ++drawsTaken_;
        if (!draws_.empty()) {
            const double v = draws_.front();
            draws_.pop_front();
            return v;
        }
        fallback_ = fallback_ * 1103515245u + 12345u;
        return double((fallback_ >> 8) & 0xFFFF) / 65536.0;
    });
    SetMsgBoxHandler([this](const MsgBoxRequest& r) {
        boxes_.push_back(r);
        return r.buttons == MsgButtons::Ok ? MsgResult::Ok : answer_;
    });
    SetSoundPlayer([this](const QString& file) { played_.append(file); });
    SetProgramEndHandler([this](bool atOnce) { ++(atOnce ? endedAtOnce_ : endedLastForm_); });
    SuoniAttivi = true;
    LoadParole();
}

void AppTest::TearDown()
{
    UnloadAll();
    SetProgramEndHandler([](bool) {});
    SetRndSource({});
    SetMsgBoxHandler({});
    SetSoundPlayer({});
    Ridimensionatore.clear();
    folder_.reset();
}

DefaultForm& AppTest::GameWindow(int n) { return n == 3 ? FormAuto3 : n == 4 ? FormAuto4 : FormAuto5; }

GameForm* AppTest::OpenGame(int n)
{
    FormMenu.Show();
    auto* menu = FormMenu.As<FormMenuWindow>();
    if (n == 3) menu->Command4_Click();
    if (n == 4) menu->Command2_Click();
    if (n == 5) menu->Command3_Click();
    return GameWindow(n).As<GameForm>();
}

void AppTest::SolveByDrops(GameForm* g)
{
    for (int i = 0; i < g->N(); ++i) {
        const int target = g->Modello().DaSinistra ? i : g->N() - 1 - i;
        for (int j = 0; j < g->N(); ++j)
            if (Left(g->Image1(j)) == g->Modello().SlotX(target) && j != i) g->Image1_DragDrop(j, g->Image1(i));
    }
}

void AppTest::ProcessDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void AppTest::UnloadAll()
{
    for (Form* f : LoadedForms()) f->Unload();
    ProcessDeletes();
}
