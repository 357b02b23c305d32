#include "forms/Controls.h"

#include "forms/AccessibleNames.h"
#include "forms/Form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget* parent) : QAbstractButton(parent) {}

void ImageControl::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void ImageControl::SetDraggable(bool draggable) { draggable_ = draggable; }

void ImageControl::SetDropTarget(bool target) { dropTarget_ = target; }

void ImageControl::SetPicked(bool picked)
{
    picked_ = picked;
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture_.isNull()) p.drawPixmap(rect(), picture_);
    if (!hasFocus() && !picked_) return;
    // The picked picture wears an orange frame, the focused one a blue frame inside it.
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    const int w = qMax(3, height() / 18);
    if (picked_) {
        p.setPen(QPen(QColor(0xF5, 0x8A, 0x07), w));
        p.drawRoundedRect(QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0), 2 * w, 2 * w);
    }
    if (hasFocus()) {
        const double in = picked_ ? 1.5 * w : w / 2.0;
        p.setPen(QPen(QColor(0x2F, 0x6F, 0xB7), w, picked_ ? Qt::DashLine : Qt::SolidLine));
        p.drawRoundedRect(QRectF(rect()).adjusted(in, in, -in, -in), 2 * w, 2 * w);
    }
}

void ImageControl::keyPressEvent(QKeyEvent* e)
{
    if (dragging_) {
        if (e->key() == Qt::Key_Escape) EndDrag(nullptr);
        return;
    }
    // Return picks a car up as Space does (a button takes only Space); on a note-pad picture it
    // does nothing, so a Return meant for something else crosses nothing out.
    if (draggable_ && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        !(e->modifiers() & ~Qt::KeypadModifier)) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

void ImageControl::focusInEvent(QFocusEvent* e)
{
    QAbstractButton::focusInEvent(e);
    update();
}

void ImageControl::focusOutEvent(QFocusEvent* e)
{
    QAbstractButton::focusOutEvent(e);
    update();
}

void ImageControl::mousePressEvent(QMouseEvent* e)
{
    // A car is dragged, never clicked, by the mouse.
    if (draggable_ && e->button() == Qt::LeftButton) {
        StartDrag(e->position().toPoint());
        return;
    }
    QAbstractButton::mousePressEvent(e);
}

void ImageControl::mouseMoveEvent(QMouseEvent* e)
{
    if (dragging_) MoveDrag(e->position().toPoint());
    else QAbstractButton::mouseMoveEvent(e);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* e)
{
    if (!dragging_) {
        QAbstractButton::mouseReleaseEvent(e);
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    // The picture under the pointer, not the one that follows it.
    if (dragImage_) dragImage_->hide();
    QWidget* under = window()->childAt(mapTo(window(), e->position().toPoint()));
    auto* target = qobject_cast<ImageControl*>(under);
    EndDrag(target && target->AcceptsDropFrom(this) ? target : nullptr);
}

void ImageControl::hideEvent(QHideEvent* e)
{
    if (dragging_) EndDrag(nullptr);
    QAbstractButton::hideEvent(e);
}

bool ImageControl::event(QEvent* e)
{
    // While a picture is dragged, Escape ends the drag and is no shortcut of the window.
    if (dragging_ && e->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        e->accept();
        return true;
    }
    return QAbstractButton::event(e);
}

void ImageControl::StartDrag(const QPoint& hotSpot)
{
    if (dragging_) EndDrag(nullptr);  // its release never came (held back while a window loaded)
    dragging_ = true;
    hotSpot_ = hotSpot;
    QGuiApplication::setOverrideCursor(cursor());
    if (picture_.isNull() || width() <= 0 || height() <= 0) return;
    // The car itself follows the pointer, a little transparent so the target shows through.
    QPixmap image(size() * devicePixelRatioF());
    image.setDevicePixelRatio(devicePixelRatioF());
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setOpacity(0.7);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), picture_);
    p.end();
    dragImage_ = new QLabel(window());
    dragImage_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragImage_->setPixmap(image);
    dragImage_->resize(size());
    MoveDrag(hotSpot);
    dragImage_->show();
    dragImage_->raise();
}

void ImageControl::MoveDrag(const QPoint& position)
{
    if (dragImage_) dragImage_->move(mapTo(window(), position) - hotSpot_);
}

void ImageControl::EndDrag(ImageControl* target)
{
    dragging_ = false;
    delete dragImage_.data();
    QGuiApplication::restoreOverrideCursor();
    if (target) emit target->dropped(this);
}

bool ImageControl::AcceptsDropFrom(const QObject* source) const
{
    const auto* picture = qobject_cast<const ImageControl*>(source);
    return dropTarget_ && picture && picture->IsDraggable() && picture->window() == window();
}

StatusBarControl::StatusBarControl(QWidget* parent, const std::vector<int>& panelWidthsTwips)
    : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (const int width : panelWidthsTwips) {
        auto* panel = new QLabel(this);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        // A panel has its width where there is room and shares the room where there is not, so
        // that the status bar never keeps its window wider than the screen; the panel without a
        // width takes what is left.
        panel->setMinimumWidth(1);
        if (width > 0) panel->setMaximumWidth(qRound(width / kTwipsPerPixel));
        addWidget(panel, width > 0 ? width : 1);
        panels_.push_back(panel);
    }
}

QLabel* StatusBarControl::Panel(int number) const
{
    if (number < 1 || number > PanelCount()) return nullptr;
    return panels_[size_t(number - 1)];
}

void StatusBarControl::SetPanelText(int number, const QString& text, Qt::TextFormat format)
{
    QLabel* panel = Panel(number);
    if (!panel) return;
    panel->setTextFormat(format);
    panel->setText(text);
    panel->setAccessibleName(SpokenText(text, format));
}
