#include "ui/clsResize.h"

#include "ui/CaptionFit.h"
#include "ui/Form.h"

#include <QWidget>

#include <cmath>

namespace {
// Whole twips, to the nearest, halves to even.
qint32 Whole(double v) { return qint32(std::nearbyint(v)); }

bool IsTheResizersOwn(const ControlRecord& r) { return r.control && r.twips && !r.placedByWindow; }

}  // namespace

Form* clsResize::SourceForm() const { return sourceForm_.data(); }

void clsResize::SetSourceForm(Form* form) { sourceForm_ = form; }

void clsResize::Initialise()
{
    Form* form = SourceForm();
    if (!form) return;
    RecordedWidth = Whole(form->ScaleWidth());
    RecordedHeight = Whole(form->ScaleHeight());
    for (ControlRecord& r : form->Records()) {
        if (!IsTheResizersOwn(r)) continue;
        const QRectF& now = *r.twips;
        r.design = QRectF(Whole(now.x()), Whole(now.y()), Whole(now.width()), Whole(now.height()));
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

void clsResize::ResizeControls()
{
    Form* form = SourceForm();
    if (!form || form->Controls().isEmpty() || form->IsMinimised()) return;
    if (FirstTime) {
        Initialise();
        return;
    }
    if (RecordedWidth <= 0 || RecordedHeight <= 0) return;
    const double factorY = form->ScaleHeight() / RecordedHeight;
    const double factorX = form->ScaleWidth() / RecordedWidth;
    // Drawing waits until every control has moved without being told: Qt paints what moved at
    // the next update request, one repaint for the whole loop. (Switching the window's updates
    // off and on again would cost more than the loop, as it walks and repaints every widget.)
    for (ControlRecord& r : form->Records()) {
        if (!IsTheResizersOwn(r) || !r.design) continue;
        const ResizeFlags& f = r.Flags();
        const QRectF& from = *r.design;
        const QRectF& now = *r.twips;
        // One new rectangle per control: each scaled value, the others as they are.
        Form::PlaceAt(r, QRectF(f.left ? from.x() * factorX : now.x(), f.top ? from.y() * factorY : now.y(),
                                f.width ? from.width() * factorX : now.width(),
                                f.height ? from.height() * factorY : now.height()));
        FitCaptionFont(r);
    }
}

QPointer<clsResize> Ridimensionatore;

void BindResizer(Form* form)
{
    delete ResizerOf(form);
    auto* resizer = new clsResize(form);
    resizer->SetSourceForm(form);
    Ridimensionatore = resizer;
    resizer->SizeFormToScreen(75);
}

clsResize* ResizerOf(const Form* form)
{
    for (QObject* child : form->children())
        if (auto* resizer = qobject_cast<clsResize*>(child); resizer && resizer->SourceForm() == form) return resizer;
    return nullptr;
}

void ResizeForm(Form* form)
{
    if (clsResize* own = ResizerOf(form)) own->ResizeControls();
}
