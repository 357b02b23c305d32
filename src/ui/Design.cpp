#include "ui/Design.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QPalette>
#include <QPushButton>
#include <QStyleFactory>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QToolTip>

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

namespace {

// The program's colours. Every text colour is chosen together with the background it is drawn
// on (WCAG contrast in brackets): ink on paper (12.9:1), on white (14.6:1), on the tool tip's
// cream (13.4:1); white on the selection blue (5.2:1). Disabled texts stay readable (5.7:1 on
// paper): a disabled button still says what it will do ("avanti" after a right answer), and
// it shows as disabled by its flat face and pale border, not by a faded caption.
constexpr QRgb kPaper = 0xF4F1EA;      // window background
constexpr QRgb kInk = 0x1D2A38;        // every text on paper, white or cream
constexpr QRgb kInkDisabled = 0x56606B;
constexpr QRgb kSelection = 0x2F6FB7;  // selected menu items, focus frames
constexpr QRgb kCream = 0xFFF6C8;      // tool tips

QPalette ProgramPalette()
{
    QPalette p;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor ink(group == QPalette::Disabled ? kInkDisabled : kInk);
        p.setColor(group, QPalette::Window, QColor(kPaper));
        p.setColor(group, QPalette::WindowText, ink);
        p.setColor(group, QPalette::Base, Qt::white);
        p.setColor(group, QPalette::AlternateBase, QColor(kPaper));
        p.setColor(group, QPalette::Text, ink);
        p.setColor(group, QPalette::PlaceholderText, QColor(kInkDisabled));
        p.setColor(group, QPalette::Button, QColor(0xE4, 0xE9, 0xEF));
        p.setColor(group, QPalette::ButtonText, ink);
        p.setColor(group, QPalette::BrightText, Qt::white);
        p.setColor(group, QPalette::Light, Qt::white);
        p.setColor(group, QPalette::Midlight, QColor(0xFA, 0xF8, 0xF4));
        p.setColor(group, QPalette::Mid, QColor(0xB9, 0xB3, 0xA7));
        p.setColor(group, QPalette::Dark, QColor(0x8A, 0x84, 0x78));
        p.setColor(group, QPalette::Shadow, QColor(0x4A, 0x46, 0x40));
        p.setColor(group, QPalette::Highlight, QColor(kSelection));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::Link, QColor(0x1F, 0x5A, 0xA0));
        p.setColor(group, QPalette::LinkVisited, QColor(0x6A, 0x3D, 0x9A));
        p.setColor(group, QPalette::ToolTipBase, QColor(kCream));
        p.setColor(group, QPalette::ToolTipText, QColor(kInk));
    }
    return p;
}

// Every role of every group is the program's own, so nothing of the desktop's palette mixes in;
// tool tips keep a palette of their own in Qt, which the desktop sets too.
void UseProgramPalettes()
{
    const QPalette p = ProgramPalette();
    if (QApplication::palette() != p) QApplication::setPalette(p);
    if (QToolTip::palette() != p) QToolTip::setPalette(p);
}

// When the desktop changes its colour scheme while the program runs, Qt gives tool tips the
// desktop's palette again, and a desktop may hand the program its new palette: the program's
// are put back once the change has gone through.
class LookKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::ThemeChange && !pending_) {
            pending_ = true;
            QTimer::singleShot(0, this, [this] {
                pending_ = false;
                UseProgramPalettes();
            });
        }
        return false;
    }

private:
    bool pending_ = false;
};

}  // namespace

void ApplyProgramLook(QApplication& app)
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    UseProgramPalettes();
    static QPointer<LookKeeper> keeper;
    if (!keeper) {
        keeper = new LookKeeper(&app);
        app.installEventFilter(keeper);
    }
    // The buttons' faces and captions, each caption with its face: ink on the white-to-grey
    // face (11.6:1 at its darkest), on the hovered (10.8:1) and the pressed face (9.4:1); the
    // disabled caption on its flat face 5.5:1.
    app.setStyleSheet(QStringLiteral(
        "QPushButton {"
        "  color: #1d2a38; border: 1px solid #7b8794; border-radius: 12px; padding: 6px 14px;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dfe6ee); }"
        "QPushButton:hover { border-color: #2f6fb7;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #cfe0f3); }"
        "QPushButton:pressed { background: #bcd2ea; }"
        "QPushButton:focus { border: 2px solid #2f6fb7; }"
        "QPushButton:disabled { color: #56606b; border-color: #c3c9cf; background: #eceff2; }"
        "QLabel#Label1[clue=\"true\"] { background: white; color: black; border: 1px solid #9aa3ad;"
        "  border-radius: 8px; padding: 8px; }"
        "QLabel#Label1[clue=\"true\"]:focus { border: 3px solid #2f6fb7; padding: 6px; }"));
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

QString TwiceThePixelsName(const QString& file)
{
    const int dot = file.lastIndexOf(u'.');
    const int folder = qMax(file.lastIndexOf(u'/'), file.lastIndexOf(u'\\'));
    if (dot <= folder) return file + QStringLiteral("@2x");
    return file.left(dot) + QStringLiteral("@2x") + file.mid(dot);
}

namespace {
// Read with device pixel ratio 2, as its name says.
QPixmap TwiceThePixels(const QString& resource) { return BuiltInPicture(TwiceThePixelsName(resource)); }
}  // namespace

QIcon BuiltInIcon(const QString& resource)
{
    QIcon icon(BuiltInPicture(resource));
    // As Qt's own icons do with their "@2x" files: read only where a screen has the pixels for it.
    if (qApp->devicePixelRatio() <= 1.0) return icon;
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
    if (dpr <= 1.0) return QCursor(p, tip.x(), tip.y());
    static const QPixmap twice = TwiceThePixels(QStringLiteral(":/pointer.png"));
    if (twice.isNull()) return QCursor(p, tip.x(), tip.y());
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
