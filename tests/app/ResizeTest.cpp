// Screen fitting: controls follow the window in proportion, from the recorded layout.

#include "app/FormInfo.h"
#include "app/FormMenu.h"
#include "app/Instances.h"
#include "core/Score.h"
#include "game/GameForm.h"
#include "clues/Generator.h"
#include "support/AppFixture.h"
#include "text/FactText.h"
#include "text/LanguageSwitch.h"
#include "ui/clsResize.h"
#include "ui/Controls.h"
#include "ui/Design.h"
#include "ui/Properties.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

namespace {

// A window of 3000 x 2000 twips with four labels and a menu item.
class Plain : public Form {
public:
    Plain() : Form(QStringLiteral("FormPiana"), 3000, 2000)
    {
        all = Place(new QLabel, QStringLiteral("Tutto"), -1, 300, 200, 600, 400);
        moves = Place(new QLabel, QStringLiteral("Sposta"), -1, 1200, 400, 600, 300);
        fixed = Place(new QLabel, QStringLiteral("Fermo"), -1, 1500, 900, 450, 300);
        other = Place(new QLabel, QStringLiteral("Altro"), -1, 90, 1500, 1200, 300);
        SetTag(moves, QStringLiteral("@lt"));
        SetTag(fixed, QStringLiteral("@"));
        SetTag(other, QStringLiteral("testo del programma"));
        Add(menuBar()->addAction(QStringLiteral("voce")), QStringLiteral("mnuVoce"));
    }
    QLabel* all;
    QLabel* moves;
    QLabel* fixed;
    QLabel* other;
};

QRectF Twips(const QObject* c)
{
    return QRectF(*GetCoordinate(c, Coordinate::Left), *GetCoordinate(c, Coordinate::Top),
                  *GetCoordinate(c, Coordinate::Width), *GetCoordinate(c, Coordinate::Height));
}

class ResizeTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        form_ = plain_.As<Plain>();
        resizer_.SetSourceForm(form_);
        resizer_.ResizeControls();  // records the design layout
        width_ = form_->ScaleWidth();
        height_ = form_->ScaleHeight();
    }
    void TearDown() override
    {
        plain_.Unload();
        AppTest::TearDown();
    }
    // Client area of the given size in twips.
    void ResizeTo(double w, double h)
    {
        form_->resize(qRound(w / 15), qRound(h / 15) + (form_->height() - qRound(form_->ScaleHeight() / 15)));
        resizer_.ResizeControls();
    }

    DefaultForm plain_{[] { return new Plain; }};
    Plain* form_ = nullptr;
    clsResize resizer_;
    double width_ = 0, height_ = 0;
};

}  // namespace

TEST_F(ResizeTest, TwiceTheWidthDoublesLeftAndWidthOnly)
{
    ResizeTo(2 * width_, height_);
    EXPECT_EQ(Twips(form_->all), QRectF(600, 200, 1200, 400));
    // Tags choose what is scaled: "@lt" moves but keeps its size, "@" stays, other text scales.
    EXPECT_EQ(Twips(form_->moves), QRectF(2400, 400, 600, 300));
    EXPECT_EQ(Twips(form_->fixed), QRectF(1500, 900, 450, 300));
    EXPECT_EQ(Twips(form_->other), QRectF(180, 1500, 2400, 300));
    EXPECT_TRUE(form_->updatesEnabled());
}

TEST_F(ResizeTest, ShrinkingAndGrowingBackRestoresEveryControl)
{
    const QRectF before = Twips(form_->all);
    for (int i = 0; i < 20; ++i) {
        ResizeTo(width_ * 0.37 + i, height_ * 0.71 + 3 * i);
        ResizeTo(width_ * 1.93, height_ * 1.41);
    }
    ResizeTo(width_, height_);
    EXPECT_EQ(Twips(form_->all), before);
    EXPECT_EQ(Twips(form_->other), QRectF(90, 1500, 1200, 300));
}

TEST_F(ResizeTest, FlagsAreReadFromTheTagInAnyCase)
{
    const auto f = ResizeFlags::FromTag;
    EXPECT_TRUE(f(QString()).left && f(QString()).height);
    const auto lt = f(QStringLiteral("@lT"));
    EXPECT_TRUE(lt.left && lt.top && !lt.width && !lt.height);
    const auto wh = f(QStringLiteral("@W,H"));
    EXPECT_TRUE(!wh.left && !wh.top && wh.width && wh.height);
    const auto none = f(QStringLiteral("@"));
    EXPECT_FALSE(none.left || none.top || none.width || none.height);
    const auto text = f(QStringLiteral("Ltwh"));  // does not start with "@": everything
    EXPECT_TRUE(text.left && text.top && text.width && text.height);
}

TEST_F(ResizeTest, AMinimisedWindowIsLeftAlone)
{
    form_->show();
    form_->showMinimized();
    if (!form_->IsMinimised()) GTEST_SKIP() << "this platform does not minimise";
    const QRectF before = Twips(form_->all);
    ResizeTo(2 * width_, 2 * height_);
    EXPECT_EQ(Twips(form_->all), before);
}

TEST_F(ResizeTest, SizeFormToScreenCentresTheWindowAtItsShare)
{
    SetScreenSizeTwipsForTesting(15360, 11520);
    clsResize r;
    r.SetSourceForm(form_);
    r.SizeFormToScreen(75);
    const QRect frame = form_->frameGeometry();
    EXPECT_EQ(frame.height() * 15, 8640);
    EXPECT_EQ(frame.width() * 15, 11520);
    EXPECT_EQ(frame.top() * 15, 1440);
    EXPECT_EQ(frame.left() * 15, 1920);
}

TEST_F(ResizeTest, AResizerWithoutItsWindowNeitherFailsNorReopensIt)
{
    FormMenu.Show();
    FormMenuWindow* menu = FormMenu.As<FormMenuWindow>();
    menu->mnuabout_Click();
    ASSERT_TRUE(FormInfo.IsLoaded());
    EXPECT_EQ(Ridimensionatore->SourceForm(), FormInfo.Instance());
    FormInfo.As<FormInfoWindow>()->Command1_Click();
    ProcessDeletes();
    EXPECT_FALSE(Ridimensionatore) << "the resizer went with its window";
    // The menu is resized: it rescales itself and the information box stays closed.
    const QRectF before = Twips(menu->Command4());
    menu->resize(menu->width() / 2, menu->height() / 2);
    EXPECT_FALSE(FormInfo.IsLoaded());
    EXPECT_LT(Twips(menu->Command4()).width(), before.width() * 0.6);
}

TEST_F(ResizeTest, TheGameKeepsThePlayersRowThroughResizes)
{
    auto* g = OpenGame(5);
    // Put the row one swap from the hidden order, then change the window's size twice.
    SolveByDrops(g);
    g->Image1_DragDrop(1, g->Image1(2));
    std::array<int, 5> slotOf{};
    for (int i = 0; i < 5; ++i) slotOf[size_t(i)] = g->Model().SlotOfCar(i);
    const double firstLeft = Left(g->CarInSlot(0));
    g->resize(700, 500);
    g->resize(1111, 777);
    EXPECT_NE(Left(g->CarInSlot(0)), firstLeft);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(g->Model().SlotOfCar(i), slotOf[size_t(i)]) << i;
    ExpectBoardShown(g);
    g->Image1_DragDrop(2, g->Image1(1));
    g->BottoneConferma_Click();
    EXPECT_EQ(NumEsatti, 1);
}

TEST_F(ResizeTest, CarsKeepTheirShapeAtEveryWindowSize)
{
    // Every car picture a grey place with a round black wheel in its middle. However the window
    // stretches the places, the wheel shown stays round and in the middle of its place, on the
    // cars and on the note pad.
    QImage wheel(480, 180, QImage::Format_RGB32);
    wheel.fill(QColor(0x70, 0x70, 0x70));
    {
        QPainter p(&wheel);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(240, 90), 75, 75);
    }
    for (int colour = 1; colour <= 10; ++colour)
        for (const char direction : {'s', 'd'}) {
            const QString name = QStringLiteral("immagini/%1%2").arg(colour).arg(direction);
            QFile::remove(folder_->File(name + QStringLiteral("@2x.gif")));
            ASSERT_TRUE(wheel.save(folder_->File(name + QStringLiteral(".gif")), "PNG"));
        }
    for (const QSize screen : {QSize(800, 600), QSize(1920, 1080), QSize(3840, 2160)})
        for (const int n : {3, 5}) {
            SetScreenSizeTwipsForTesting(screen.width() * 15, screen.height() * 15);
            GameForm* g = OpenGame(n);
            g->Command1_Click();
            for (QWidget* place : {static_cast<QWidget*>(g->Image1(0)), static_cast<QWidget*>(g->Grid(2, 0))}) {
                const QImage shown = place->grab().toImage();
                QRect dark;
                for (int y = 0; y < shown.height(); ++y)
                    for (int x = 0; x < shown.width(); ++x)
                        if (qGray(shown.pixel(x, y)) < 56) dark |= QRect(x, y, 1, 1);
                const auto where = [&] {
                    return QStringLiteral("%1 cars, %2x%3, %4 of %5x%6: wheel %7x%8 at %9,%10")
                        .arg(n).arg(screen.width()).arg(screen.height()).arg(place->objectName())
                        .arg(shown.width()).arg(shown.height()).arg(dark.width()).arg(dark.height())
                        .arg(dark.x()).arg(dark.y()).toStdString();
                };
                ASSERT_FALSE(dark.isEmpty()) << where();
                EXPECT_LE(std::abs(dark.width() - dark.height()), 2) << where();
                EXPECT_LE(std::abs(2 * dark.center().x() - shown.width()), 4) << where();
                EXPECT_LE(std::abs(2 * dark.center().y() - shown.height()), 4) << where();
            }
            GameWindow(n).Unload();
            ProcessDeletes();
        }
}

TEST_F(ResizeTest, LargePlacesTakeThePicturesWithTwiceThePixels)
{
    // A window grown beyond what the plain pictures show sharply (a large screen at 100 %) takes
    // the pictures with twice the pixels, and the plain ones again when it shrinks back.
    GameForm* g = OpenGame(3);
    const auto picture = [g] {
        return QStringLiteral("immagini/%1%2").arg(g->Model().ColoreAuto[0]).arg(g->Model().DaSinistra ? 's' : 'd');
    };
    EXPECT_EQ(g->Image1(0)->Picture().toImage(), QImage(folder_->File(picture() + QStringLiteral(".gif"))));
    g->resize(3840, 2160);
    EXPECT_EQ(g->Image1(0)->Picture().toImage(), QImage(folder_->File(picture() + QStringLiteral("@2x.gif"))));
    EXPECT_EQ(g->Image1(0)->Picture().devicePixelRatio(), 2.0);
    g->resize(1280, 800);
    EXPECT_EQ(g->Image1(0)->Picture().toImage(), QImage(folder_->File(picture() + QStringLiteral(".gif"))));
}

TEST_F(ResizeTest, CaptionsThatNoLongerFitAreDrawnSmallerAndNeverLarger)
{
    // A screen half as wide as the one the window was designed on.
    SetScreenSizeTwipsForTesting(640 * 15, 480 * 15);
    auto* g = OpenGame(5);
    for (QPushButton* b : {g->Command1(), g->BottoneConferma()}) {
        EXPECT_LT(b->font().pointSizeF(), 14.25) << b->text().toStdString();
        EXPECT_LE(b->sizeHint().width(), b->width()) << b->text().toStdString();
    }
    // The clue's card as it is scaled there: a short clue keeps the design size; a clue longer
    // than the card at that size is drawn smaller as soon as it is written, and then fits.
    QLabel* clue = g->Label1();
    const auto fits = [clue] {
        const QRectF room = clue->contentsRect().marginsRemoved(QMargins(1, 1, 1, 1) * clue->margin());
        return QFontMetricsF(clue->font())
                   .boundingRect(QRectF(0, 0, room.width(), 1e6), int(clue->alignment()) | Qt::TextWordWrap, clue->text())
                   .height() <= room.height();
    };
    SetCaption(clue, QStringLiteral("L'auto rossa viene prima dell'auto blu."));
    EXPECT_EQ(clue->font().pointSizeF(), 14.25);
    SetCaption(clue, QStringLiteral("L'auto rossa viene subito dopo l'auto blu e subito prima dell'auto gialla. ").repeated(5));
    EXPECT_LT(clue->font().pointSizeF(), 14.25);
    EXPECT_TRUE(fits());
    // Where the design fits, the design font comes back exactly, and no larger.
    SetScreenSizeTwipsForTesting(1920 * 15, 1080 * 15);
    SetCaption(clue, QStringLiteral("L'auto rossa viene prima dell'auto blu."));
    g->FillScreen();
    QCoreApplication::processEvents();
    for (QPushButton* b : {g->Command1(), g->BottoneConferma()}) EXPECT_EQ(b->font(), DesignFont(QStringLiteral("Arial"), 14.25, true));
    EXPECT_EQ(clue->font().pointSizeF(), 14.25);
}

// The longest generated clue of every number of cars and level, in every shipped language and
// with the longest colour names, fits its clue card in a game window at 1280x800 at a readable
// size: the font may be drawn smaller to fit, but not below 11 points.
TEST_F(ResizeTest, TheLongestGeneratedClueOfEveryLevelFitsItsCardAtAReadableSize)
{
    for (const char* file : {"English.lng", "Deutsch.lng", "Français.lng", "Español.lng"}) folder_->CopyShipped(QString::fromUtf8(file));
    for (const char* language : {"Italiano", "English", "Deutsch", "Français", "Español"}) {
        SwitchLanguage(QString::fromUtf8(language));
        for (const int n : {3, 4, 5}) {
            GameForm* g = OpenGame(n);
            QLabel* clue = g->Label1();
            // The cars' colours, longest name first.
            std::vector<int> colours{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
            std::stable_sort(colours.begin(), colours.end(),
                             [g](int a, int b) { return g->NomeColore[size_t(a)].size() > g->NomeColore[size_t(b)].size(); });
            CarColours longest{};
            for (int k = 0; k < n; ++k) longest[size_t(k)] = qint16(colours[size_t(k)]);
            for (const clues::Level level : {clues::Level::Facile, clues::Level::Medio, clues::Level::Difficile}) {
                QString text;
                for (std::uint32_t seed = 0; seed < 400; ++seed) {
                    const QString t = FactClueText(n, clues::GenerateClue(n, level, seed), longest, g->NomeColore);
                    if (t.size() > text.size()) text = t;
                }
                SetCaption(clue, text);
                const std::string where = std::string(language) + ", " + std::to_string(n) + " cars, " +
                                          std::string(clues::LevelName(level));
                const QRectF room = clue->contentsRect().marginsRemoved(QMargins(1, 1, 1, 1) * clue->margin());
                const QRectF need = QFontMetricsF(clue->font())
                                        .boundingRect(QRectF(0, 0, room.width(), 1e6), int(clue->alignment()) | Qt::TextWordWrap, text);
                EXPECT_LE(need.height(), room.height()) << where;
                EXPECT_GE(clue->font().pointSizeF(), 11.0) << where << ": " << text.toStdString();
            }
            UnloadAll();
        }
    }
}
