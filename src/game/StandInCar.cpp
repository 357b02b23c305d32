#include "game/StandInCar.h"

#include "text/TextLookup.h"
#include "ui/Form.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

constexpr std::array<QRgb, 10> kCarColours = {
    0xCF3C39, 0x0B51EE, 0x53A86D, 0xF5D240, 0xF47E10, 0x763B88, 0xF390B2, 0x6B3807, 0xF0F0F0, 0x1E1E1E,
};

constexpr int kWidth = 480;
constexpr int kHeight = 180;

// Dark text on a light body, light text on a dark one.
QColor TextOn(const QColor& body) { return body.lightnessF() > 0.55 ? QColor(0x1E, 0x1E, 0x1E) : Qt::white; }

}  // namespace

QRgb CarColour(int colour) { return colour >= 1 && colour <= 10 ? kCarColours[size_t(colour - 1)] : 0x808080; }

QPixmap StandInCar(int colour, const QString& name, bool facingLeft)
{
    constexpr qreal kScale = 2;
    QPixmap picture(int(kWidth * kScale), int(kHeight * kScale));
    picture.setDevicePixelRatio(kScale);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn facing left; a car facing right is its mirror image (its name is written after).
    if (!facingLeft) {
        p.translate(kWidth, 0);
        p.scale(-1, 1);
    }

    // The place: asphalt, a white line at either end, the arrow of the reading direction.
    p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(0x4A, 0x4C, 0x50));
    p.fillRect(QRectF(4, 0, 6, kHeight), QColor(0xE8, 0xE8, 0xE8));
    p.fillRect(QRectF(kWidth - 10, 0, 6, kHeight), QColor(0xE8, 0xE8, 0xE8));
    QPainterPath arrow;
    arrow.moveTo(190, 163);
    arrow.lineTo(212, 152);
    arrow.lineTo(212, 159);
    arrow.lineTo(292, 159);
    arrow.lineTo(292, 167);
    arrow.lineTo(212, 167);
    arrow.lineTo(212, 174);
    arrow.closeSubpath();
    p.fillPath(arrow, QColor(0xE8, 0xE8, 0xE8));

    // The car, seen from the side, its front on the left.
    const QColor body = QColor::fromRgb(CarColour(colour));
    const QColor outline = body.lightnessF() > 0.5 ? body.darker(160) : body.lighter(170);
    QPainterPath shape;
    shape.moveTo(30, 120);
    shape.cubicTo(28, 95, 40, 82, 80, 76);
    shape.lineTo(160, 68);
    shape.cubicTo(190, 34, 215, 26, 260, 26);
    shape.lineTo(370, 28);
    shape.cubicTo(405, 30, 425, 55, 440, 78);
    shape.cubicTo(452, 95, 452, 110, 448, 124);
    shape.lineTo(36, 128);
    shape.closeSubpath();
    p.setPen(QPen(outline, 3));
    p.setBrush(body);
    p.drawPath(shape);
    // Windows, a headlight at the front, the wheels.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5C, 0x78, 0x96));
    p.drawPolygon(QPolygonF({{178, 70}, {205, 42}, {280, 38}, {282, 70}}));
    p.drawPolygon(QPolygonF({{292, 70}, {290, 38}, {368, 40}, {398, 70}}));
    p.setBrush(QColor(0xFF, 0xE0, 0x70));
    p.drawEllipse(QRectF(34, 88, 26, 12));
    for (const qreal x : {120.0, 370.0}) {
        p.setBrush(QColor(0x22, 0x22, 0x22));
        p.drawEllipse(QPointF(x, 124), 28, 28);
        p.setBrush(QColor(0xC8, 0xC8, 0xC8));
        p.drawEllipse(QPointF(x, 124), 13, 13);
    }
    p.resetTransform();

    // The colour's name on the body, between the wheels, facing the reader whatever the car faces.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(28);
    p.setFont(font);
    p.setPen(TextOn(body));
    const QRectF label(150, 78, 180, 40);
    p.drawText(facingLeft ? label : QRectF(kWidth - label.right(), label.y(), label.width(), label.height()),
               Qt::AlignCenter | Qt::TextSingleLine, name);
    p.end();
    return picture;
}

void TellMissingPictureOnce(QWidget* window, const QString& file)
{
    static bool told = false;
    if (told) return;
    told = true;
    TellWhenFree(window, MLSGetStringOr(QStringLiteral("0240"), QString::fromUtf8("L'immagine %1 manca o è danneggiata: al suo "
                                                                                 "posto il gioco disegna un'auto stilizzata."))
                             .replace(QLatin1String("%1"), file));
}
