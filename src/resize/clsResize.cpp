#include "resize/clsResize.h"

#include "forms/Form.h"
#include "forms/Properties.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>

#include <cmath>

namespace {
// Whole twips, to the nearest, halves to even.
qint32 Whole(double v) { return qint32(std::nearbyint(v)); }

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

clsResize::ScaleFlags clsResize::FlagsFromTag(const QString& tag)
{
    const QString t = tag.toUpper();
    if (!t.startsWith(u'@')) return {true, true, true, true};
    return {t.contains(u'L'), t.contains(u'T'), t.contains(u'W'), t.contains(u'H')};
}

void clsResize::Initialise()
{
    Form* form = SourceForm();
    if (!form) return;
    RecordedWidth = Whole(form->ScaleWidth());
    RecordedHeight = Whole(form->ScaleHeight());
    ControlList.clear();
    for (QObject* c : form->Controls()) {
        ControlGeometry g;
        g.control = c;
        if (const auto v = GetCoordinate(c, Coordinate::Left)) g.first = Whole(*v);
        if (const auto v = GetCoordinate(c, Coordinate::Top)) g.second = Whole(*v);
        if (const auto v = GetCoordinate(c, Coordinate::Width)) g.third = Whole(*v);
        if (const auto v = GetCoordinate(c, Coordinate::Height)) g.fourth = Whole(*v);
        ControlList.push_back(g);
    }
    FirstTime = false;
}

void clsResize::SizeFormToScreen(quint8 percent)
{
    Form* form = SourceForm();
    if (!form) return;
    if (FirstTime) Initialise();
    const double screenHeight = ScreenHeightTwips();
    const double screenWidth = ScreenWidthTwips();
    const double h = std::floor(percent / 100.0 * screenHeight);
    const double w = std::floor(percent / 100.0 * screenWidth);
    form->SetFormTop((screenHeight - h) / 2);
    form->SetFormLeft((screenWidth - w) / 2);
    form->SetFormHeight(h);
    form->SetFormWidth(w);
    ResizeControls();
}

double clsResize::FactorX() const
{
    const Form* form = SourceForm();
    if (!form || FirstTime || RecordedWidth <= 0) return 1.0;
    return form->ScaleWidth() / RecordedWidth;
}

void clsResize::ResizeControls()
{
    Form* form = SourceForm();
    if (!form || form->Controls().isEmpty() || form->IsMinimised()) return;
    if (FirstTime) {
        Initialise();
        return;
    }
    if (RecordedWidth <= 0 || RecordedHeight <= 0) return;
    // Drawing waits until every control has moved: one repaint, not one per control.
    form->setUpdatesEnabled(false);
    const double factorY = form->ScaleHeight() / RecordedHeight;
    const double factorX = form->ScaleWidth() / RecordedWidth;
    for (const ControlGeometry& g : ControlList) {
        auto* w = qobject_cast<QWidget*>(g.control.data());
        const auto left = w ? GetCoordinate(w, Coordinate::Left) : std::nullopt;
        if (!left) continue;  // gone, or nothing to place
        const ScaleFlags f = FlagsFromTag(Tag(w));
        // One new rectangle per control: each scaled value, the others as they are.
        SetTwipsGeometry(w, f.left ? g.first * factorX : *left,
                         f.top ? g.second * factorY : *GetCoordinate(w, Coordinate::Top),
                         f.width ? g.third * factorX : *GetCoordinate(w, Coordinate::Width),
                         f.height ? g.fourth * factorY : *GetCoordinate(w, Coordinate::Height));
        FitCaptionFont(w);
    }
    form->setUpdatesEnabled(true);
}
