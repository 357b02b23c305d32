#include "support/AppFixture.h"

#include "app/FormMenu.h"
#include "app/Instances.h"
#include "app/Sounds.h"
#include "core/Rnd.h"
#include "game/GameForm.h"
#include "game/PlayerStatistics.h"
#include "text/Parole.h"
#include "ui/clsResize.h"
#include "ui/Controls.h"
#include "ui/Properties.h"
#include "ui/Form.h"
#include "ui/ProgramEnd.h"

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
    ForgetPlayerStatistics();
    stats::SetClockSource({});
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
        const int target = g->Model().DaSinistra ? i : g->N() - 1 - i;
        const int j = g->Model().CarInSlot(target);
        if (j != i) g->Image1_DragDrop(j, g->Image1(i));
    }
}

namespace {

// The design layout of the game windows, in twips, as the game's design gives it (its own numbers
// here, not the program's table): the client area, the cars' lefts by slot, their top and size,
// the note pad's column lefts and row tops, and its pictures' size.
struct Design {
    double width, height;
    std::array<double, 5> carLeft;
    double carTop, carWidth, carHeight;
    std::array<double, 5> padLeft, padTop;
};
constexpr Design kDesigns[] = {
    {8625, 6495, {120, 3000, 5880}, 1200, 2655, 975, {840, 3720, 6600}, {2400, 2880, 3360}},
    {11190, 6495, {120, 2880, 5640, 8400}, 840, 2655, 855, {840, 3600, 6360, 9120}, {1920, 2400, 2880, 3360}},
    {11535, 6495, {120, 2400, 4680, 6960, 9240}, 240, 2175, 855, {600, 2880, 5160, 7440, 9720}, {1200, 1680, 2160, 2640, 3120}},
};
constexpr double kPadWidth = 1215, kPadHeight = 375;

}  // namespace

void AppTest::ExpectBoardShown(const GameForm* g)
{
    const int n = g->N();
    const Design& d = kDesigns[n - 3];
    const double x = g->ScaleWidth() / d.width, y = g->ScaleHeight() / d.height;
    const auto expectAt = [&](const QWidget* w, const QRectF& design) {
        const QRectF twips(design.x() * x, design.y() * y, design.width() * x, design.height() * y);
        const std::string what = w->objectName().toStdString() + "(" + std::to_string(*GetIndex(w)) + ")";
        EXPECT_EQ(Form::RecordOf(w)->twips, twips) << what;
        EXPECT_EQ(w->geometry(), QRect(qRound(twips.x() / 15), qRound(twips.y() / 15), qRound(twips.width() / 15),
                                       qRound(twips.height() / 15)))
            << what;
    };
    for (int i = 0; i < n; ++i)
        expectAt(g->Image1(i), QRectF(d.carLeft[size_t(g->Model().SlotOfCar(i))], d.carTop, d.carWidth, d.carHeight));
    for (int slot = 0; slot < n; ++slot)
        for (int j = 0; j < n; ++j) {
            const ImageControl* p = g->Grid(slot + 2, j);
            expectAt(p, QRectF(d.padLeft[size_t(slot)], d.padTop[size_t(j)], kPadWidth, kPadHeight));
            EXPECT_EQ(p->isVisibleTo(g), g->Model().Shown(slot, j)) << slot << " " << j;
            const int car = g->Model().CarInRow(j);
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
