#pragma once
// The control kinds Qt lacks: a picture that fills its place and can be dragged, dropped on and
// clicked, and a status bar with numbered text panels.

#include <QAbstractButton>
#include <QGradient>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QStatusBar>
#include <QWidget>

#include <vector>

// A picture is a button: it is clicked by the mouse and by Space or Return, screen readers see a
// button, and in a QButtonGroup the arrow keys move the focus to the nearest picture that way.
//
// The picture keeps its proportions: it is drawn as large as the place allows, centred, and the
// road around it (the colours of the picture's own left edge, top to bottom, with a fine grain)
// fills the rest of the place, so a wheel stays round in a place of any shape. It is drawn for
// the screen's pixels: scaled once, with area averaging, to the device pixels it covers.
class ImageControl : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    // Loads a picture file for this place: the file itself where it has the pixels the place shows
    // on this screen, else its variant with twice the pixels beside it ("7s@2x.gif" for "7s.gif",
    // read with device pixel ratio 2), or the file itself where there is no such variant. A
    // missing or unreadable file leaves the place empty, and false is returned. When the place
    // grows or shrinks past what the file loaded can show sharply, the other one is loaded.
    bool LoadPicture(const QString& file);

    void SetPicture(const QPixmap& picture);
    void ClearPicture() { SetPicture(QPixmap()); }
    const QPixmap& Picture() const { return picture_; }

    // A drag starts as soon as the mouse button goes down on the picture: the picture follows
    // the pointer (keeping its own pointer shape), and letting go over a drop target of the same
    // window drops it there; anywhere else, or Escape, ends it with nothing done. The drag lives
    // inside the window, so the window keeps the keyboard: the platform's drag and drop would hand
    // the drag to the compositor, and a Wayland compositor (weston) takes the keyboard focus away
    // for it and does not give it back until the window is clicked.
    void SetDraggable(bool draggable);
    bool IsDraggable() const { return draggable_; }
    // Accepts drops of draggable pictures of the same window (and nothing from other programs).
    void SetDropTarget(bool target);
    bool IsDropTarget() const { return dropTarget_; }

    // Keyboard play: a frame shows the focus, another the picture picked up to be moved.
    void SetPicked(bool picked);
    bool IsPicked() const { return picked_; }

signals:
    void dropped(ImageControl* source);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // The place as it is shown: the road, and the picture on it.
    void DrawPicture(QPainter& p) const;
    // Whether a picture of this size, as drawn here, covers more device pixels than it has.
    bool WantsMorePixels(const QSize& pictureSize) const;
    // The road's colours from the top of a picture to its bottom.
    static QGradientStops Road(const QPixmap& picture);

    mutable QGradientStops road_;  // of the picture whose cache key is roadOf_
    mutable qint64 roadOf_ = 0;
    QString file_;               // the file LoadPicture read, "" after SetPicture
    QSize fileSize_;             // its size in pixels
    bool wantedLarger_ = false;  // whether LoadPicture looked for its larger variant

    bool AcceptsDropFrom(const QObject* source) const;
    void StartDrag(const QPoint& hotSpot);
    void MoveDrag(const QPoint& position);
    // Ends the drag; with a target, the picture is dropped on it.
    void EndDrag(ImageControl* target);

    QPixmap picture_;
    bool draggable_ = false;
    bool dropTarget_ = false;
    bool dragging_ = false;
    QPoint hotSpot_;
    QPointer<QLabel> dragImage_;  // the picture that follows the pointer, over the window
    bool picked_ = false;
};

class StatusBarControl : public QStatusBar {
    Q_OBJECT
public:
    // Panels are numbered from 1; widths in twips, 0 for one that takes the rest.
    StatusBarControl(QWidget* parent, const std::vector<int>& panelWidthsTwips);
    QLabel* Panel(int number) const;
    int PanelCount() const { return int(panels_.size()); }
    // The panel's text, plain or rich (a picture beside words); screen readers get its words.
    void SetPanelText(int number, const QString& text, Qt::TextFormat format = Qt::PlainText);

private:
    std::vector<QLabel*> panels_;
};
