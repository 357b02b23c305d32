#include "forms/Design.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QPalette>
#include <QPushButton>
#include <QStyleFactory>
#include <QPixmap>

namespace {
// Look-alike families for the design ones, where a system lacks them. The installed families
// are listed once: asking the font database for each name resolves aliases through fontconfig,
// which cost half of the start-up.
QString Available(const QString& family)
{
    static const std::pair<const char*, const char*> kAlikes[] = {
        {"Arial", "Liberation Sans"}, {"Comic Sans MS", "Comic Neue"}, {"Verdana", "DejaVu Sans"}};
    static const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
    for (const auto& [design, alike] : kAlikes)
        if (family == QLatin1String(design) && installed.contains(QLatin1String(alike), Qt::CaseInsensitive))
            return QLatin1String(alike);
    return family;
}
}  // namespace

QFont DesignFont(const QString& family, double points, bool bold)
{
    QFont f(Available(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void ApplyProgramLook(QApplication& app)
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, QColor(0xF4, 0xF1, 0xEA));
    palette.setColor(QPalette::Highlight, QColor(0x2F, 0x6F, 0xB7));
    QApplication::setPalette(palette);
    app.setStyleSheet(QStringLiteral(
        "QPushButton {"
        "  color: #1d2a38; border: 1px solid #7b8794; border-radius: 12px; padding: 6px 14px;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dfe6ee); }"
        "QPushButton:hover { border-color: #2f6fb7;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #cfe0f3); }"
        "QPushButton:pressed { background: #bcd2ea; }"
        "QPushButton:focus { border: 2px solid #2f6fb7; }"
        "QPushButton:disabled { color: #9aa3ad; border-color: #c3c9cf; background: #eceff2; }"
        "QLabel#Label1[clue=\"true\"] { background: white; color: black; border: 1px solid #9aa3ad;"
        "  border-radius: 8px; padding: 8px; }"));
}

QPushButton* DesignButton(const QString& caption, const QFont& font)
{
    auto* b = new QPushButton(caption);
    b->setFont(font);
    b->setAutoDefault(true);
    return b;
}

QPixmap BuiltInPicture(const QString& resource)
{
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

namespace {
// ":/avvio@2x.png" for ":/avvio.png"; read with device pixel ratio 2, as its name says.
QPixmap TwiceThePixels(const QString& resource)
{
    return BuiltInPicture(QString(resource).replace(QLatin1String(".png"), QLatin1String("@2x.png")));
}
}  // namespace

QIcon BuiltInIcon(const QString& resource)
{
    QIcon icon(BuiltInPicture(resource));
    const QPixmap twice = TwiceThePixels(resource);
    if (!twice.isNull()) icon.addPixmap(twice);
    return icon;
}

QPixmap HandPointerPixmap()
{
    static const QPixmap pointer = BuiltInPicture(QStringLiteral(":/pointer.png"));
    return pointer;
}

QCursor HandPointer()
{
    const QPixmap p = HandPointerPixmap();
    if (p.isNull()) return QCursor(Qt::PointingHandCursor);
    const QPoint tip(7, 1);  // the finger tip, in the plain picture's pixels
    const qreal dpr = qApp->devicePixelRatio();
    static const QPixmap twice = TwiceThePixels(QStringLiteral(":/pointer.png"));
    if (dpr <= 1.0 || twice.isNull()) return QCursor(p, tip.x(), tip.y());
    // The hand at the screen's pixels. Qt 6.4 on X11 takes a pointer's picture and its hot spot
    // in device pixels, whatever the picture's ratio (measured); the other platforms (Wayland:
    // buffer scale and a hot spot in its surface's units) take them in the picture's own units.
    const QSize pixels = (QSizeF(p.size()) * dpr).toSize();
    QPixmap hand = twice.size() == pixels ? twice : twice.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        hand.setDevicePixelRatio(1.0);
        return QCursor(hand, qRound(tip.x() * dpr), qRound(tip.y() * dpr));
    }
    hand.setDevicePixelRatio(dpr);
    return QCursor(hand, tip.x(), tip.y());
}
