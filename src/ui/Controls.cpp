#include "ui/Controls.h"

#include "ui/AccessibleNames.h"
#include "ui/Design.h"
#include "ui/Form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QLinearGradient>
#include <QPixmapCache>

ImageControl::ImageControl(QWidget* parent) : QAbstractButton(parent) {}

void ImageControl::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    file_.clear();
    update();
}

void ImageControl::SetDraggable(bool draggable) { draggable_ = draggable; }

void ImageControl::SetDropTarget(bool target) { dropTarget_ = target; }

void ImageControl::SetPicked(bool picked)
{
    picked_ = picked;
    update();
}

namespace {
// Where a picture of the given size stands in a place, in whole device pixels: its own
// proportions, as large as the place allows, centred. Whole pixels let a picture scaled to
// exactly that size fall pixel for pixel on the screen.
QRect DeviceRect(const QSizeF& picture, const QSize& place, qreal dpr)
{
    if (picture.isEmpty() || place.isEmpty()) return {};
    const QSizeF area = QSizeF(place) * dpr;
    const QSizeF fitted = picture.scaled(area, Qt::KeepAspectRatio);
    const QSize whole(qMax(1, qRound(fitted.width())), qMax(1, qRound(fitted.height())));
    return QRect(QPoint(int((area.width() - whole.width()) / 2), int((area.height() - whole.height()) / 2)), whole);
}

// The picture at exactly these device pixels, scaled once with area averaging (a painter's
// smooth transform samples, which leaves a large picture drawn small grainy); the scaled copy
// is shared by the places that show the same picture at the same size.
QPixmap Scaled(const QPixmap& picture, const QSize& pixels, qreal dpr)
{
    const QString key = QStringLiteral("ImageControl/%1/%2x%3/%4")
                            .arg(picture.cacheKey()).arg(pixels.width()).arg(pixels.height()).arg(dpr);
    QPixmap scaled;
    if (QPixmapCache::find(key, &scaled)) return scaled;
    scaled = picture.size() == pixels ? picture.copy()
                                      : picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(dpr);
    QPixmapCache::insert(key, scaled);
    return scaled;
}

// A fine grain like the asphalt's, laid over the road so that it looks like the picture's own:
// light and dark specks of about five levels on a grey road, one a device pixel.
QImage Grain(qreal dpr)
{
    static const QImage grain = [] {
        QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
        quint32 state = 20240229u;
        const auto uniform = [&state] {
            state = state * 1103515245u + 12345u;
            return double((state >> 8) & 0xFFFF) / 65536.0;
        };
        constexpr double kRoad = 85.0;  // about the road's grey level
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double level = (uniform() + uniform() + uniform() - 1.5) * 10.0;  // spread 5
                const int a = qBound(0, qRound(qAbs(level) / (level > 0 ? 255.0 - kRoad : kRoad) * 255.0), 255);
                image.setPixel(x, y, level > 0 ? qRgba(a, a, a, a) : qRgba(0, 0, 0, a));
            }
        return image;
    }();
    QImage scaled = grain;
    scaled.setDevicePixelRatio(dpr);
    return scaled;
}

// The colour of a picture's left edge, averaged over a band of rows (fractions of its height).
QColor EdgeColour(const QImage& edge, double from, double to)
{
    const int first = int(edge.height() * from);
    const int last = qMax(first + 1, int(edge.height() * to));
    double r = 0, g = 0, b = 0;
    for (int y = first; y < last; ++y) {
        const QColor c = edge.pixelColor(0, y);
        r += c.redF(), g += c.greenF(), b += c.blueF();
    }
    const int n = last - first;
    return QColor::fromRgbF(float(r / n), float(g / n), float(b / n));
}
}  // namespace

QGradientStops ImageControl::Road(const QPixmap& picture)
{
    if (picture.isNull()) return {};
    const QImage edge = picture.copy(0, 0, 1, picture.height()).toImage();
    return {{0.0, EdgeColour(edge, 0.0, 0.1)}, {1.0, EdgeColour(edge, 0.9, 1.0)}};
}

bool ImageControl::LoadPicture(const QString& fileName)
{
    // Qt's pixmap cache keeps the files read (QPixmap::load; a file changed on disk is read again),
    // so a turn reads no file it has read before: room for every car picture, at twice the pixels
    // too, and the copies scaled to the screen.
    static const bool room = [] {
        QPixmapCache::setCacheLimit(qMax(QPixmapCache::cacheLimit(), 64 * 1024));
        return true;
    }();
    Q_UNUSED(room);
    const QString file = fileName;  // a copy: the name may be file_ itself, which SetPicture clears
    QPixmap picture;
    picture.load(file);
    const QSize size = picture.size();
    wantedLarger_ = !picture.isNull() && WantsMorePixels(size);
    QPixmap twice;
    if (wantedLarger_ && twice.load(TwiceThePixelsName(file))) picture = twice;  // "@2x": device pixel ratio 2
    SetPicture(picture);
    file_ = file;
    fileSize_ = size;
    return !picture.isNull();
}

bool ImageControl::WantsMorePixels(const QSize& pictureSize) const
{
    return DeviceRect(pictureSize, size(), devicePixelRatio()).height() > pictureSize.height();
}

void ImageControl::DrawPicture(QPainter& p) const
{
    if (picture_.isNull()) return;
    const qreal dpr = devicePixelRatio();
    const QRect device = DeviceRect(picture_.deviceIndependentSize(), size(), dpr);
    if (device.isEmpty()) return;
    if (device.size() != size() * dpr) {
        QLinearGradient road(0, device.top() / dpr, 0, (device.top() + device.height()) / dpr);
        if (roadOf_ != picture_.cacheKey()) {
            road_ = Road(picture_);
            roadOf_ = picture_.cacheKey();
        }
        road.setStops(road_);
        p.fillRect(rect(), road);
        p.fillRect(rect(), QBrush(Grain(dpr)));
    }
    p.drawPixmap(QPointF(device.topLeft()) / dpr, Scaled(picture_, device.size(), dpr));
}

void ImageControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    DrawPicture(p);
    // The frames surround the whole place, road included: the place is what a drop hits.
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

void ImageControl::resizeEvent(QResizeEvent* e)
{
    QAbstractButton::resizeEvent(e);
    // A place that grew past what its file shows sharply, or shrank back, takes the other file.
    if (!file_.isEmpty() && fileSize_.isValid() && WantsMorePixels(fileSize_) != wantedLarger_) LoadPicture(file_);
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
    DrawPicture(p);
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
