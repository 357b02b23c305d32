#pragma once
// What a form knows of each of its controls, kept by the form rather than on the control: its
// name, its index in a control array, its Tag and the resize flags read from it, where it stands
// (in twips) and where the resizer takes it from, and what caption fitting learnt about it.
//
// The flags are read once, when the Tag is set, never while resizing. A control that its window
// places itself from the window's own model (the cars of a game) is not the resizer's, whatever
// its Tag says.

#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

class QObject;

// Which of a control's four values the resizer scales, from its Tag: the tag taken in upper case;
// an empty tag, or one that does not start with "@", scales all four (a tag holding other text
// too); otherwise each of the letters L (left), T (top), W (width), H (height) found anywhere in
// it scales that value, in any order and with any separators. "@" alone keeps the control where
// it was placed last.
struct ResizeFlags {
    bool left = true, top = true, width = true, height = true;
    static ResizeFlags FromTag(const QString& tag);
};

// What caption fitting remembers of a control, so that a control whose caption and size did not
// change costs no measuring (ui/CaptionFit.h).
struct CaptionMemo {
    std::optional<QFont> designFont;  // the font it had when first fitted: never exceeded
    // The caption and the smallest size at which it was seen to fit in the design font. A caption
    // that fits at a size fits at any larger one.
    QString fitsText;
    QSize fitsFrom;
    // The caption that needed a smaller font, and the last sizes it needed one at with that
    // font's size in points: a window that goes back and forth between two sizes (maximised and
    // restored) measures each only once.
    struct Shrunk {
        QSize size;
        double points = 0;
    };
    QString shrunkText;
    std::array<Shrunk, 4> shrunk{};
    size_t nextShrunk = 0;
    // The caption and size the font on the control was last chosen for.
    QString fittedText;
    QSize fittedSize;
    bool fitted = false;
};

class ControlRecord {
public:
    ControlRecord(QObject* control, const QString& name, int index) : control(control), name(name), index(index) {}

    QObject* control;
    QString name;
    int index;  // -1 for a control that is not in an array

    const QString& Tag() const { return tag_; }
    const ResizeFlags& Flags() const { return flags_; }
    void SetTag(const QString& tag)
    {
        tag_ = tag;
        flags_ = ResizeFlags::FromTag(tag);
    }

    // Where the control stands, in twips: what its Left, Top, Width and Height read back. Only
    // widgets placed on a form's canvas have one.
    std::optional<QRectF> twips;
    // The rectangle the resizer scales from: the design layout, or the layout the resizer
    // recorded last.
    std::optional<QRectF> design;
    // The window places it itself, from its own model; the resizer leaves it alone.
    bool placedByWindow = false;

    CaptionMemo caption;

private:
    QString tag_;
    ResizeFlags flags_;
};
