#pragma once
// Modal message boxes. Tests put a handler in place that answers instead of a person.
//
// A box belongs to the window that asks: it opens over that window and stays above it, also
// where the window system places windows itself (Wayland, where only the parent tells the
// compositor which window the box belongs to). While the asking window is not shown yet (a
// window that asks while it loads), the box belongs to the active window; with no window at
// all it stands alone.

#include <QString>

#include <functional>

class QWidget;

enum class MsgButtons { Ok, YesNo };          // Yes/No boxes have Yes as the default button
enum class MsgIcon { None, Critical, Question };
enum class MsgResult { Ok, Yes, No };

struct MsgBoxRequest {
    QWidget* owner;  // the window that asks, or none
    QString text;
    MsgButtons buttons;
    MsgIcon icon;
    QString title;
};

MsgResult MsgBox(QWidget* owner, const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title);

// Replaces the box; an empty handler restores it.
void SetMsgBoxHandler(std::function<MsgResult(const MsgBoxRequest&)> handler);
