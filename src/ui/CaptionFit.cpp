#include "ui/CaptionFit.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char kDesignFont[] = "parcoloDesignFont";
// The caption and the smallest size at which it was seen to fit in the design font. A caption
// that fits at a size fits at any larger one, so most rescales need no measuring at all.
constexpr char kFitsFrom[] = "parcoloFitsFrom";
// The last caption and size that needed a smaller font, and that font's size.
constexpr char kShrunk[] = "parcoloShrunk";

// Whether the caption fits the control in that font.
bool Fits(const QWidget* control, const QString& text, const QFont& font)
{
    const QFontMetricsF fm(font);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        // What the button adds around its text (icon, padding, border) does not depend on the font.
        const QFontMetricsF now(button->font());
        const double around = button->sizeHint().width() - now.size(Qt::TextShowMnemonic, text).width();
        return fm.size(Qt::TextShowMnemonic, text).width() + around <= control->width();
    }
    const auto* label = static_cast<const QLabel*>(control);
    const QRectF room = label->contentsRect().marginsRemoved(QMargins(1, 1, 1, 1) * label->margin());
    if (!label->wordWrap()) {
        const QSizeF need = fm.size(0, text);
        return need.width() <= room.width() && need.height() <= room.height();
    }
    const QRectF need = fm.boundingRect(QRectF(0, 0, room.width(), 1e6), int(label->alignment()) | Qt::TextWordWrap, text);
    return need.width() <= room.width() && need.height() <= room.height();
}

}  // namespace

void FitCaptionFont(QWidget* control)
{
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) text = button->text();
    else if (const auto* label = qobject_cast<const QLabel*>(control)) text = label->text();
    else return;
    QVariant recorded = control->property(kDesignFont);
    if (!recorded.isValid()) {
        recorded = control->font();
        control->setProperty(kDesignFont, recorded);
    }
    const QFont design = recorded.value<QFont>();
    if (text.isEmpty()) {
        if (control->font() != design) control->setFont(design);
        return;
    }
    const QVariantList known = control->property(kFitsFrom).toList();
    const bool sameText = known.size() == 2 && known[0].toString() == text;
    const QSize fitsFrom = sameText ? known[1].toSize() : QSize();
    if (sameText && control->width() >= fitsFrom.width() && control->height() >= fitsFrom.height()) {
        if (control->font() != design) control->setFont(design);
        return;
    }
    QFont font = design;
    const QVariantList shrunk = control->property(kShrunk).toList();
    if (shrunk.size() == 3 && shrunk[0].toString() == text && shrunk[1].toSize() == control->size()) {
        font.setPointSizeF(shrunk[2].toDouble());
    } else if (Fits(control, text, design)) {
        control->setProperty(kFitsFrom, QVariantList{text, control->size()});
    } else {
        // The largest size in steps of a quarter point that fits, down to 4 points.
        int low = 16, high = int(design.pointSizeF() * 4);
        while (low < high) {
            const int mid = (low + high + 1) / 2;
            font.setPointSizeF(mid / 4.0);
            if (Fits(control, text, font)) low = mid;
            else high = mid - 1;
        }
        font.setPointSizeF(low / 4.0);
        control->setProperty(kShrunk, QVariantList{text, control->size(), font.pointSizeF()});
    }
    if (control->font() != font) control->setFont(font);
}
