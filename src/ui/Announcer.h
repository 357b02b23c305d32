#pragma once
// What a window says to screen readers when something happens that no move of the focus tells:
// a judgement and the new counts, a hint, a car picked up or put down, a new turn.
//
// An announcer is an alert of its window for assistive technology: a widget a pixel wide that
// shows nothing, takes no input and no focus. Announce gives it the text as its name and tells
// assistive technology that the name changed and that the alert shows (on Linux, AT-SPI's
// "object:property-change:accessible-name" and "object:state-changed:showing"); a screen reader
// speaks an alert when it shows. The same text twice in a row is said twice.

#include <QString>
#include <QWidget>

class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void Announce(const QString& text);
    // The last text announced.
    QString LastAnnouncement() const { return accessibleName(); }
};
