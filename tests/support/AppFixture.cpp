#include "support/AppFixture.h"

#include "app/FormMenu.h"
#include "app/Instances.h"
#include "app/Sounds.h"
#include "core/Rnd.h"
#include "game/GameForm.h"
#include "text/Parole.h"
#include "ui/clsResize.h"
#include "ui/Controls.h"
#include "ui/Properties.h"
#include "ui/Form.h"

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
        const int j = g->Modello().CarInSlot(target);
        if (j != i) g->Image1_DragDrop(j, g->Image1(i));
    }
}

void AppTest::ExpectBoardShown(const GameForm* g)
{
    const int n = g->N();
    const WindowScale scale = g->Scale();
    const auto expectAt = [&](const QWidget* w, Piece piece, int slot, int row) {
        const QRectF twips = PieceRect(g->Table(), piece, slot, row, scale);
        const std::string what = w->objectName().toStdString() + "(" + std::to_string(*GetIndex(w)) + ")";
        EXPECT_EQ(Form::RecordOf(w)->twips, twips) << what;
        EXPECT_EQ(w->geometry(), QRect(qRound(twips.x() / 15), qRound(twips.y() / 15), qRound(twips.width() / 15),
                                       qRound(twips.height() / 15)))
            << what;
    };
    for (int i = 0; i < n; ++i) expectAt(g->Image1(i), Piece::Car, g->Modello().SlotOfCar(i), 0);
    for (int k = 0; k < n; ++k) {
        expectAt(g->Label2(k), Piece::Label2, k, 0);
        expectAt(g->Label3(k), Piece::Label3, n - 1 - k, 0);
    }
    for (int slot = 0; slot < n; ++slot)
        for (int j = 0; j < n; ++j) {
            const ImageControl* p = g->Grid(slot + 2, j);
            expectAt(p, Piece::NotePad, slot, j);
            EXPECT_EQ(p->isVisibleTo(g), g->Modello().Visibile(slot, j)) << slot << " " << j;
            const int car = g->Modello().RigaAuto(j);
            if (car >= 0 && p->isVisibleTo(g)) EXPECT_EQ(p->Picture().cacheKey(), g->Image1(car)->Picture().cacheKey());
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
