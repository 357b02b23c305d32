#include "ui/CaptionFit.h"

#include "ui/ControlRecord.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>

namespace {

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

void FitCaptionFont(ControlRecord& record)
{
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(record.control)) text = button->text();
    else if (const auto* label = qobject_cast<const QLabel*>(record.control)) text = label->text();
    else return;
    auto* control = static_cast<QWidget*>(record.control);
    CaptionMemo& memo = record.caption;
    const QSize size = control->size();
    if (memo.fitted && memo.fittedText == text && memo.fittedSize == size) return;  // as chosen last time
    if (!memo.designFont) memo.designFont = control->font();
    const QFont& design = *memo.designFont;
    QFont font = design;
    if (text.isEmpty()) {
        // nothing to fit: the design font
    } else if (memo.fitsText == text && size.width() >= memo.fitsFrom.width() && size.height() >= memo.fitsFrom.height()) {
        // seen to fit at a size no larger than this one
    } else if (memo.shrunkText == text && memo.shrunkSize == size) {
        font.setPointSizeF(memo.shrunkPoints);
    } else if (Fits(control, text, design)) {
        memo.fitsText = text;
        memo.fitsFrom = size;
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
        memo.shrunkText = text;
        memo.shrunkSize = size;
        memo.shrunkPoints = font.pointSizeF();
    }
    if (control->font() != font) control->setFont(font);
    memo.fittedText = text;
    memo.fittedSize = size;
    memo.fitted = true;
}
