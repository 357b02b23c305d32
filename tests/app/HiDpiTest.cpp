// The windows on a screen of twice the pixel density (QT_SCALE_FACTOR=2, set before the program
// starts, as a player's desktop does): the cars and the button pictures are drawn from the
// pictures with twice the pixels, not scaled up from the plain ones.

#include "app/FormAvvio.h"
#include "app/Instances.h"
#include "game/GameForm.h"
#include "support/AppFixture.h"
#include "ui/Controls.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPushButton>

namespace {

// Qt reads the scale once, when the application starts, so before main().
const bool kTwiceThePixels = qputenv("QT_SCALE_FACTOR", "2");

// How far apart two pictures of one size are: the mean difference of a colour channel, 0..255.
double Difference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size() || x.isNull()) return 255;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

QImage ScaledTo(const QImage& picture, const QSize& size)
{
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

struct Distances {
    double fromTwice;  // from the picture with twice the pixels
    double fromPlain;  // from the plain picture
};

// How far a shown picture is from each of the two files, scaled to where it is shown: the largest
// rectangle of the picture's proportions in the middle of what is shown.
Distances Compare(const QImage& shown, const QString& plainFile, const QString& twiceFile)
{
    const QImage plain(plainFile);
    const QImage twice(twiceFile);
    const QSize size = plain.size().scaled(shown.size(), Qt::KeepAspectRatio);
    const QImage drawn = shown.copy((shown.width() - size.width()) / 2, (shown.height() - size.height()) / 2,
                                    size.width(), size.height());
    return {Difference(drawn, ScaledTo(twice, size)), Difference(drawn, ScaledTo(plain, size))};
}

class HiDpiTest : public AppTest {};

}  // namespace

TEST_F(HiDpiTest, CarsAreDrawnFromThePicturesWithTwiceThePixels)
{
    ASSERT_TRUE(kTwiceThePixels);
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    SetScreenSizeTwipsForTesting(1920 * 15, 1080 * 15);  // 3840 x 2160 pixels
    const QDir shipped(QStringLiteral(PARCOLO_DATA_DIR "/immagini"));
    const auto checkCars = [&](GameForm* g, bool twiceThere) {
        for (int i = 0; i < g->N(); ++i) {
            const QString name = QStringLiteral("%1%2").arg(g->Model().ColoreAuto[size_t(i)])
                                     .arg(g->Model().DaSinistra ? 's' : 'd');
            const QImage shown = g->Image1(i)->grab().toImage();
            ASSERT_EQ(shown.height(), 2 * g->Image1(i)->height());
            const Distances d = Compare(shown, shipped.filePath(name + QStringLiteral(".gif")),
                                        shipped.filePath(name + QStringLiteral("@2x.gif")));
            if (twiceThere)
                EXPECT_LT(3 * d.fromTwice, d.fromPlain) << name.toStdString() << ": " << d.fromTwice << " " << d.fromPlain;
            else  // a missing variant: the plain picture, scaled up
                EXPECT_LT(3 * d.fromPlain, d.fromTwice) << name.toStdString() << ": " << d.fromTwice << " " << d.fromPlain;
        }
    };
    GameForm* g = OpenGame(3);
    checkCars(g, true);
    g->NuovoTurno();
    checkCars(g, true);

    for (const QString& variant : QDir(folder_->File(QStringLiteral("immagini"))).entryList({QStringLiteral("*@2x.gif")}))
        ASSERT_TRUE(QFile::remove(folder_->File(QStringLiteral("immagini/") + variant)));
    g->NuovoTurno();
    checkCars(g, false);
}

TEST_F(HiDpiTest, ButtonPicturesHaveTwiceThePixels)
{
    FormAvvio.Show();
    QPushButton* avvio = FormAvvio.As<FormAvvioWindow>()->Command1();
    // What the button draws: the icon's pixmap for the icon size at this density (a smaller one
    // is scaled up to it).
    const QImage shown = ScaledTo(avvio->icon().pixmap(avvio->iconSize(), 2.0).toImage(), avvio->iconSize() * 2);
    const Distances d = Compare(shown, QStringLiteral(PARCOLO_SOURCE_DIR "/src/resources/avvio.png"),
                                QStringLiteral(PARCOLO_SOURCE_DIR "/src/resources/avvio@2x.png"));
    EXPECT_LT(3 * d.fromTwice, d.fromPlain) << d.fromTwice << " " << d.fromPlain;
}
