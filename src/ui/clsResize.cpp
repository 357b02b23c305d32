#include "ui/clsResize.h"

#include "ui/CaptionFit.h"
#include "ui/Form.h"
#include "ui/Properties.h"

#include <QWidget>

#include <cmath>

namespace {
// Whole twips, to the nearest, halves to even.
qint32 Whole(double v) { return qint32(std::nearbyint(v)); }

}  // namespace

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

std::shared_ptr<clsResize> Ridimensionatore;

void BindResizer(Form* form)
{
    Ridimensionatore = std::make_shared<clsResize>();
    Ridimensionatore->SetSourceForm(form);
    form->KeepResizer(Ridimensionatore);
    Ridimensionatore->SizeFormToScreen(75);
}

void ResizeForm(Form* form)
{
    // The shared resizer is this window's own while it serves it. When it serves another window
    // (the information box activated over a game) or none, the window keeps its own: a resizer
    // bound to another window would rescale that one and leave this one as it was.
    if (clsResize* own = form->OwnResizer()) own->ResizeControls();
}
