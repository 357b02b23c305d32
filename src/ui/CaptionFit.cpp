#include "ui/CaptionFit.h"

#include "ui/ControlRecord.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace {

// Whether a caption fits its control in a given font. What does not depend on the font is worked
// out once: the room a label gives its text, what a button adds around its text (icon, padding,
// border; its size hint is costly under a style sheet).
class Measure {
public:
    Measure(const QWidget* control, const QString& text) : control_(control), text_(text)
    {
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            button_ = true;
            const QFontMetricsF now(button->font());
            around_ = button->sizeHint().width() - now.size(Qt::TextShowMnemonic, text).width();
            return;
        }
        const auto* label = static_cast<const QLabel*>(control);
        room_ = label->contentsRect().marginsRemoved(QMargins(1, 1, 1, 1) * label->margin());
        wordWrap_ = label->wordWrap();
        flags_ = int(label->alignment()) | Qt::TextWordWrap;
    }

    bool Fits(const QFont& font) const
    {
        const QFontMetricsF fm(font);
        if (button_) return fm.size(Qt::TextShowMnemonic, text_).width() + around_ <= control_->width();
        if (!wordWrap_) {
            const QSizeF need = fm.size(0, text_);
            return need.width() <= room_.width() && need.height() <= room_.height();
        }
        const QRectF need = fm.boundingRect(QRectF(0, 0, room_.width(), 1e6), flags_, text_);
        return need.width() <= room_.width() && need.height() <= room_.height();
    }

private:
    const QWidget* control_;
    const QString& text_;
    bool button_ = false;
    double around_ = 0;
    QRectF room_;
    bool wordWrap_ = false;
    int flags_ = 0;
};

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
    if (memo.shrunkText != text) {
        memo.shrunkText = text;
        memo.shrunk.fill({});
    }
    const auto shrunk = std::find_if(memo.shrunk.begin(), memo.shrunk.end(),
                                     [&](const CaptionMemo::Shrunk& s) { return s.size == size && s.points > 0; });
    if (text.isEmpty()) {
        // nothing to fit: the design font
    } else if (memo.fitsText == text && size.width() >= memo.fitsFrom.width() && size.height() >= memo.fitsFrom.height()) {
        // seen to fit at a size no larger than this one
    } else if (shrunk != memo.shrunk.end()) {
        font.setPointSizeF(shrunk->points);
    } else if (const Measure measure(control, text); measure.Fits(design)) {
        memo.fitsText = text;
        memo.fitsFrom = size;
    } else {
        // The largest size in steps of a quarter point that fits, down to 4 points.
        int low = 16, high = int(design.pointSizeF() * 4);
        while (low < high) {
            const int mid = (low + high + 1) / 2;
            font.setPointSizeF(mid / 4.0);
            if (measure.Fits(font)) low = mid;
            else high = mid - 1;
        }
        font.setPointSizeF(low / 4.0);
        memo.shrunk[memo.nextShrunk] = {size, font.pointSizeF()};
        memo.nextShrunk = (memo.nextShrunk + 1) % memo.shrunk.size();
    }
    if (control->font() != font) control->setFont(font);
    memo.fittedText = text;
    memo.fittedSize = size;
    memo.fitted = true;
}
